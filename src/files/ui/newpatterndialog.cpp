#include "files/ui/newpatterndialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "files/ui/filecommandtexts.h"
#include "settings/ui/multilang.h"
#include "ui/dialogbuttons.h"

namespace hm {

namespace {

bool rememberedDefaultPalette = false;

QSpinBox* MakeSpin(QWidget* parent, const char* name, int low, int high, int value) {
    auto* s = new QSpinBox(parent);
    s->setObjectName(QString::fromLatin1(name));
    s->setRange(low, high);
    s->setValue(std::clamp(value, low, high));
    return s;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const char* text, QWidget* buddy) {
    auto* l = new QLabel(QString::fromLatin1(text), parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setBuddy(buddy);
    return l;
}

} // namespace

TNewPatternDlg::TNewPatternDlg(int savedShafts, bool savedSinkingShed, QWidget* parent)
    : QDialog(parent) {
    InitFileCommandResources();
    setObjectName(QStringLiteral("TNewPatternDlg"));
    setWindowTitle(QStringLiteral("New Pattern"));
    setModal(true);

    auto* sizeForm = new QFormLayout;
    ends_ = MakeSpin(this, "EndsEdit", 2, 4800, 1200);
    picks_ = MakeSpin(this, "PicksEdit", 2, 4800, 1200);
    sizeForm->addRow(MakeLabel(this, "EndsLabel", "Ends:", ends_), ends_);
    sizeForm->addRow(MakeLabel(this, "PicksLabel", "Picks:", picks_), picks_);

    shaftsGroup_ = new QGroupBox(QStringLiteral("Pattern Threading"), this);
    shaftsGroup_->setObjectName(QStringLiteral("ShaftsGroup"));
    auto* shaftsForm = new QFormLayout(shaftsGroup_);
    shafts_ = MakeSpin(shaftsGroup_, "ShaftsEdit", 2, 96, savedShafts);
    shaftsForm->addRow(MakeLabel(shaftsGroup_, "ShaftsLabel", "Shafts:", shafts_), shafts_);

    auto* shed = new QGroupBox(QStringLiteral("Shed"), this);
    shed->setObjectName(QStringLiteral("ShedGroup"));
    auto* shedLayout = new QVBoxLayout(shed);
    rising_ = new QRadioButton(QStringLiteral("Rising"), shed);
    rising_->setObjectName(QStringLiteral("RisingButton"));
    sinking_ = new QRadioButton(QStringLiteral("Sinking"), shed);
    sinking_->setObjectName(QStringLiteral("SinkingButton"));
    shedLayout->addWidget(rising_);
    shedLayout->addWidget(sinking_);
    (savedSinkingShed ? sinking_ : rising_)->setChecked(true);

    defaultPalette_ = new QCheckBox(QStringLiteral("Use default Color Palette"), this);
    defaultPalette_->setObjectName(QStringLiteral("DefaultPaletteBox"));
    defaultPalette_->setChecked(rememberedDefaultPalette);

    auto* fields = new QVBoxLayout;
    fields->addLayout(sizeForm);
    fields->addWidget(shaftsGroup_);
    fields->addWidget(shed);
    fields->addWidget(defaultPalette_);
    QVBoxLayout* buttons = OkCancelColumn(this);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

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
