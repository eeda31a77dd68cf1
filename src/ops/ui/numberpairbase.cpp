#include "ops/ui/numberpairbase.h"

#include <QFormLayout>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ops/ui/structuredialogtexts.h"
#include "settings/messages.h"
#include "settings/ui/multilang.h"
#include "ui/dialogbuttons.h"

namespace hm {

NumberPairDialogBase::NumberPairDialogBase(const NumberPairSetup& setup, RememberedNumbers start,
                                           QWidget* parent)
    : QDialog(parent), setup_(setup) {
    InitStructureDialogResources();
    setModal(true);
    fields_ = NumberFields::Make(this, setup_.first, setup_.second, start.first, start.second);
}

void NumberPairDialogBase::LayOutAndTranslate(QVBoxLayout* buttons, const char* table) {
    PlaceBesideButtons(this, fields_.layout, buttons);
    auto* lang = new TMultiLang(this, QString::fromLatin1(table));
    lang->AfterLanguageChanged = [this] { ApplyKeyCaptions(); };
    ApplyKeyCaptions();
    fields_.spin1->setFocus();
}

void NumberPairDialogBase::ApplyKeyCaptions() {
    setWindowTitle(Tr(setup_.caption));
    fields_.SetLabelKeys(setup_.label1, setup_.label2, setup_.labelSuffix);
}

RememberedNumbers NumberPairDialogBase::Numbers() const {
    return {fields_.spin1->value(), fields_.spin2->value()};
}

} // namespace hm
