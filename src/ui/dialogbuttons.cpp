#include "ui/dialogbuttons.h"

#include <QCheckBox>
#include <QDialog>
#include <QHBoxLayout>
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

QPushButton* AddPreviewButton(QVBoxLayout* column, QDialog* dialog, const char* name,
                              const std::function<void()>& onPreview) {
    QPushButton* preview = AddColumnButton(column, dialog, name, "Preview");
    QObject::connect(preview, &QPushButton::clicked, dialog, [&onPreview] {
        if (onPreview) onPreview();
    });
    return preview;
}

namespace {

QHBoxLayout* BesideButtons(QDialog* dialog, QVBoxLayout* buttons) {
    buttons->addStretch();
    auto* layout = new QHBoxLayout(dialog);
    layout->addLayout(buttons);
    return layout;
}

} // namespace

QHBoxLayout* PlaceBesideButtons(QDialog* dialog, QLayout* fields, QVBoxLayout* buttons) {
    QHBoxLayout* layout = BesideButtons(dialog, buttons);
    layout->insertLayout(0, fields);
    return layout;
}

QHBoxLayout* PlaceBesideButtons(QDialog* dialog, QWidget* fields, QVBoxLayout* buttons) {
    QHBoxLayout* layout = BesideButtons(dialog, buttons);
    layout->insertWidget(0, fields);
    return layout;
}

bool BoxTaken(const QCheckBox* box) {
    return box->isEnabled() && box->isChecked();
}

void StoreCheckMarks(std::span<QCheckBox* const> boxes, std::span<bool> marks) {
    for (size_t i = 0; i < boxes.size() && i < marks.size(); ++i) marks[i] = boxes[i]->isChecked();
}

} // namespace hm
