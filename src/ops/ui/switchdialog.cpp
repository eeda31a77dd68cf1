#include "ops/ui/switchdialog.h"

#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/dialogbuttons.h"

namespace hm {

TDlgFlo2::TDlgFlo2(const NumberPairSetup& setup, RememberedNumbers start, QWidget* parent)
    : NumberPairDialogBase(setup, start, parent) {
    setObjectName(QStringLiteral("TDlgFlo2"));
    setWindowTitle(QStringLiteral("Switch"));

    auto* buttons = new QVBoxLayout;
    QPushButton* doSwitch = AddColumnButton(buttons, this, "SwitchBtn", "Switch");
    doSwitch->setDefault(true);
    QPushButton* close = AddColumnButton(buttons, this, "CloseButton", "Close");
    connect(doSwitch, &QPushButton::clicked, this, [this] {
        if (SwitchClicked) SwitchClicked(Numbers());
        fields_.spin2->setFocus();
        fields_.spin2->selectAll();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    LayOutAndTranslate(buttons, "switchnumbers");
}

void TDlgFlo2::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* s = screen()) {
        const QRect area = s->availableGeometry();
        move(area.x() + (area.width() - frameGeometry().width()) / 2, y());
    }
}

} // namespace hm
