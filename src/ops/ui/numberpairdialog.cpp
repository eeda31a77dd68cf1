#include "ops/ui/numberpairdialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ops/ui/structuredialogtexts.h"
#include "settings/messages.h"
#include "settings/ui/multilang.h"
#include "ui/dialogbuttons.h"

namespace hm {

TDlgNum2::TDlgNum2(const NumberPairSetup& setup, RememberedNumbers start, QWidget* parent)
    : QDialog(parent), setup_(setup) {
    InitStructureDialogResources();
    setObjectName(QStringLiteral("TDlgNum2"));
    setModal(true);

    fields_ = NumberFields::Make(this, setup_.first, setup_.second, start.first, start.second);
    QVBoxLayout* buttons = OkCancelColumn(this);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields_.layout);
    layout->addLayout(buttons);

    auto* lang = new TMultiLang(this, QStringLiteral("numberpair"));
    lang->AfterLanguageChanged = [this] { ApplyKeyCaptions(); };
    ApplyKeyCaptions();
    fields_.spin1->setFocus();
}

void TDlgNum2::ApplyKeyCaptions() {
    setWindowTitle(Tr(setup_.caption));
    fields_.SetLabelKeys(setup_.label1, setup_.label2, setup_.labelSuffix);
}

RememberedNumbers TDlgNum2::Numbers() const {
    return {fields_.spin1->value(), fields_.spin2->value()};
}

} // namespace hm
