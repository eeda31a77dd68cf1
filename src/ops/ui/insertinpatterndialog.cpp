#include "ops/ui/insertinpatterndialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ops/complexdraftingtexts.h"
#include "ops/insertinpattern.h"
#include "settings/messages.h"
#include "settings/ui/multilang.h"
#include "ui/dialogbuttons.h"
#include "ui/dialogparts.h"

namespace hm {

TInsdlgcd::TInsdlgcd(QWidget* parent) : QDialog(parent) {
    InitComplexDraftingTexts();
    setObjectName(QStringLiteral("TInsdlgcd"));
    setModal(true);

    interval_ = MakeSpin(this, "IntervalEdit", {1, MaxInsertInterval}, 1);
    auto* intervalRow = new QFormLayout;
    AddLabelledRow(intervalRow, "IntervalLabel", "Interval:", interval_);

    QGroupBox* from = MakeRadioGroup(this, "Thtrgroup", "Insert from");
    endOne_ = AddRadio(from, "EndOneButton", "End #1");
    AddRadio(from, "AfterIntervalButton", "After interval");
    endOne_->setChecked(true);

    auto* fields = new QVBoxLayout;
    fields->addLayout(intervalRow);
    fields->addWidget(from);
    QVBoxLayout* buttons = OkCancelColumn(this);
    AddPreviewButton(buttons, this, "PreviewButton", OnPreview);
    PlaceBesideButtons(this, fields, buttons);

    lang_ = new TMultiLang(this, QStringLiteral("insertinpattern"));
    lang_->AfterLanguageChanged = [this] { ApplyKeyCaptions(); };
    ApplyKeyCaptions();
    interval_->setFocus();
}

void TInsdlgcd::ApplyKeyCaptions() {
    setWindowTitle(Tr("@idInsThr"));
}

int TInsdlgcd::Interval() const {
    return interval_->value();
}

bool TInsdlgcd::FromEndOne() const {
    return endOne_->isChecked();
}

} // namespace hm
