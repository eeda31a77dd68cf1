#include "ops/ui/switchdialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ops/ui/structuredialogtexts.h"
#include "settings/messages.h"
#include "settings/ui/multilang.h"
#include "ui/dialogbuttons.h"

namespace hm {

TDlgFlo2::TDlgFlo2(const NumberPairSetup& setup, RememberedNumbers start, QWidget* parent)
    : QDialog(parent), setup_(setup) {
    InitStructureDialogResources();
    setObjectName(QStringLiteral("TDlgFlo2"));
    setWindowTitle(QStringLiteral("Switch"));
    setModal(true);

    fields_ = NumberFields::Make(this, setup_.first, setup_.second, start.first, start.second);
    auto* buttons = new QVBoxLayout;
    QPushButton* doSwitch = AddColumnButton(buttons, this, "SwitchBtn", "Switch");
    doSwitch->setDefault(true);
    QPushButton* close = AddColumnButton(buttons, this, "CloseButton", "Close");
    buttons->addStretch();
    connect(doSwitch, &QPushButton::clicked, this, [this] {
        if (SwitchClicked) SwitchClicked(Numbers());
        fields_.spin2->setFocus();
        fields_.spin2->selectAll();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields_.layout);
    layout->addLayout(buttons);

    auto* lang = new TMultiLang(this, QStringLiteral("switchnumbers"));
    lang->AfterLanguageChanged = [this] { ApplyKeyCaptions(); };
    ApplyKeyCaptions();
    fields_.spin1->setFocus();
}

void TDlgFlo2::ApplyKeyCaptions() {
    setWindowTitle(Tr(setup_.caption));
    fields_.SetLabelKeys(setup_.label1, setup_.label2, setup_.labelSuffix);
}

RememberedNumbers TDlgFlo2::Numbers() const {
    return {fields_.spin1->value(), fields_.spin2->value()};
}

void TDlgFlo2::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* s = screen()) {
        const QRect area = s->availableGeometry();
        move(area.x() + (area.width() - frameGeometry().width()) / 2, y());
    }
}

} // namespace hm
