#include "ui/dialogbuttons.h"

#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QVBoxLayout>

namespace hm {

QPushButton* AddColumnButton(QVBoxLayout* column, QDialog* dialog, const char* name,
                             const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption), dialog);
    button->setObjectName(QString::fromLatin1(name));
    column->addWidget(button);
    return button;
}

QVBoxLayout* OkCancelColumn(QDialog* dialog) {
    auto* column = new QVBoxLayout;
    QPushButton* ok = AddColumnButton(column, dialog, "OKButton", "OK");
    ok->setDefault(true);
    QPushButton* cancel = AddColumnButton(column, dialog, "CancelButton", "Cancel");
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return column;
}

bool BoxTaken(const QCheckBox* box) {
    return box->isEnabled() && box->isChecked();
}

} // namespace hm
