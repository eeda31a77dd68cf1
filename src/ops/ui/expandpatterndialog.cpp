#include "ops/ui/expandpatterndialog.h"

#include <QFormLayout>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ops/complexdraftingtexts.h"
#include "ops/expand.h"
#include "settings/messages.h"
#include "settings/ui/multilang.h"
#include "ui/dialogbuttons.h"

namespace hm {

TDlgExpand::TDlgExpand(int endsFactor, int picksFactor, QWidget* parent) : QDialog(parent) {
    InitComplexDraftingTexts();
    setObjectName(QStringLiteral("TDlgExpand"));
    setModal(true);

    const NumberRange factors{1, MaxExpandFactor};
    fields_ = NumberFields::Make(this, factors, factors, endsFactor, picksFactor);
    QVBoxLayout* buttons = OkCancelColumn(this);
    AddPreviewButton(buttons, this, "PreviewButton", OnPreview);
    PlaceBesideButtons(this, fields_.layout, buttons);

    lang_ = new TMultiLang(this, QStringLiteral("expandpattern"));
    lang_->AfterLanguageChanged = [this] { ApplyKeyCaptions(); };
    ApplyKeyCaptions();
    fields_.spin1->setFocus();
}

void TDlgExpand::ApplyKeyCaptions() {
    setWindowTitle(Tr("@expandpat"));
    fields_.SetLabelKeys("@idends", "@idpicks", ":");
}

int TDlgExpand::EndsFactor() const {
    return fields_.spin1->value();
}

int TDlgExpand::PicksFactor() const {
    return fields_.spin2->value();
}

} // namespace hm
