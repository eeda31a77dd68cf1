#include "files/ui/newpatterndialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "files/ui/filecommandtexts.h"
#include "settings/ui/multilang.h"
#include "ui/dialogbuttons.h"
#include "ui/dialogparts.h"

namespace hm {

namespace {

bool rememberedDefaultPalette = false;

} // namespace

TNewPatternDlg::TNewPatternDlg(int savedShafts, bool savedSinkingShed, QWidget* parent)
    : QDialog(parent) {
    InitFileCommandResources();
    setObjectName(QStringLiteral("TNewPatternDlg"));
    setWindowTitle(QStringLiteral("New Pattern"));
    setModal(true);

    auto* sizeForm = new QFormLayout;
    ends_ = MakeSpin(this, "EndsEdit", {2, 4800}, 1200);
    picks_ = MakeSpin(this, "PicksEdit", {2, 4800}, 1200);
    AddLabelledRow(sizeForm, "EndsLabel", "Ends:", ends_);
    AddLabelledRow(sizeForm, "PicksLabel", "Picks:", picks_);

    shaftsGroup_ = new QGroupBox(QStringLiteral("Pattern Threading"), this);
    shaftsGroup_->setObjectName(QStringLiteral("ShaftsGroup"));
    auto* shaftsForm = new QFormLayout(shaftsGroup_);
    shafts_ = MakeSpin(shaftsGroup_, "ShaftsEdit", {2, 96}, savedShafts);
    AddLabelledRow(shaftsForm, "ShaftsLabel", "Shafts:", shafts_);

    QGroupBox* shed = MakeRadioGroup(this, "ShedGroup", "Shed");
    rising_ = AddRadio(shed, "RisingButton", "Rising");
    sinking_ = AddRadio(shed, "SinkingButton", "Sinking");
    (savedSinkingShed ? sinking_ : rising_)->setChecked(true);

    defaultPalette_ =
        MakeBox(this, "DefaultPaletteBox", "Use default Color Palette", rememberedDefaultPalette);

    auto* fields = new QVBoxLayout;
    fields->addLayout(sizeForm);
    fields->addWidget(shaftsGroup_);
    fields->addWidget(shed);
    fields->addWidget(defaultPalette_);
    PlaceBesideButtons(this, fields, OkCancelColumn(this));

    lang_ = new TMultiLang(this, QStringLiteral("newpattern"));
    lang_->AfterLanguageChanged = [this] { ApplyKeyCaptions(); };
    ApplyKeyCaptions();
}

void TNewPatternDlg::ApplyKeyCaptions() {
    shaftsGroup_->setTitle(KeyCaption("@monsolv", QStringLiteral("Pattern Threading")));
}

NewPatternChoice TNewPatternDlg::Choice() const {
    NewPatternChoice c;
    c.ends = ends_->value();
    c.picks = picks_->value();
    c.shafts = shafts_->value();
    c.sinkingShed = sinking_->isChecked();
    c.defaultPalette = defaultPalette_->isChecked();
    return c;
}

void TNewPatternDlg::ResetRemembered() {
    rememberedDefaultPalette = false;
}

void TNewPatternDlg::done(int result) {
    if (result == QDialog::Accepted) rememberedDefaultPalette = defaultPalette_->isChecked();
    QDialog::done(result);
}

} // namespace hm
