#include "ops/ui/repeatdialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ops/ui/fillrepeattexts.h"
#include "settings/messages.h"
#include "settings/ui/multilang.h"
#include "ui/dialogbuttons.h"
#include "ui/dialogparts.h"

namespace hm {

namespace {

// The targets in the order of their radio buttons, with the keys of the six
// whose captions follow the drafting terms; the colour buttons are translated
// by the dialog's table.
struct TargetButton {
    RepeatTarget target;
    const char* key;
    const char* english;
};
constexpr std::array<TargetButton, 8> TargetButtons = {{
    {RepeatTarget::PatternThreading, "@monsolv", "Pattern Threading"},
    {RepeatTarget::Liftplan, "@dragnota", "Liftplan"},
    {RepeatTarget::ThreadingA, "@skaftgrupp_a", "Threading A"},
    {RepeatTarget::TreadlingA, "@trampning_a", "Treadling A"},
    {RepeatTarget::ThreadingB, "@skaftgrupp_b", "Threading B"},
    {RepeatTarget::TreadlingB, "@trampning_b", "Treadling B"},
    {RepeatTarget::WarpColors, nullptr, "Warp Colors"},
    {RepeatTarget::WeftColors, nullptr, "Weft Colors"},
}};

QSpinBox* RepeatSpin(QWidget* parent, const char* name) {
    return MakeSpin(parent, name, {RepeatSpinMin, RepeatSpinMax}, RepeatSpinMin);
}

} // namespace

TRepForm::TRepForm(RepeatDialogValues& values, QWidget* parent) : QDialog(parent), values_(values) {
    InitFillRepeatResources();
    setObjectName(QStringLiteral("TRepForm"));
    setWindowTitle(QStringLiteral("Repeat"));
    setModal(true);
    BuildControls();
    lang_ = new TMultiLang(this, QStringLiteral("repeat"));
    lang_->AfterLanguageChanged = [this] { ApplyKeyCaptions(); };
    ApplyKeyCaptions();
}

void TRepForm::BuildControls() {
    fillPattern_ = MakeBox(this, "Fillpatbox", "Fill Pattern");
    linkColors_ = MakeBox(this, "LinkBox", "Link Colors");

    sourceGroup_ = new QGroupBox(QStringLiteral("Repeat Source"), this);
    sourceGroup_->setObjectName(QStringLiteral("AreaBox"));
    start_ = RepeatSpin(sourceGroup_, "StartSpin");
    end_ = RepeatSpin(sourceGroup_, "EndSpin");
    auto* sourceForm = new QFormLayout(sourceGroup_);
    AddLabelledRow(sourceForm, "StartLabel", "Start Position", start_);
    AddLabelledRow(sourceForm, "EndLabel", "End Position", end_);

    copiesGroup_ = new QGroupBox(QStringLiteral("Copies"), this);
    copiesGroup_->setObjectName(QStringLiteral("RepXBox"));
    fillRemaining_ = MakeBox(copiesGroup_, "TotalBox", "Fill Remaining");
    copies_ = RepeatSpin(copiesGroup_, "RepSpin");
    auto* copiesForm = new QFormLayout(copiesGroup_);
    copiesForm->addRow(fillRemaining_);
    copiesLabel_ = AddLabelledRow(copiesForm, "RepLabel", "No. of Copies", copies_);

    targetGroup_ = new QGroupBox(QStringLiteral("Repeat in"), this);
    targetGroup_->setObjectName(QStringLiteral("GroupBox1"));
    targets_ = new QButtonGroup(this);
    // Ends on the left, picks on the right, as the draft lays them out.
    auto* targetGrid = new QGridLayout(targetGroup_);
    for (size_t i = 0; i < TargetButtons.size(); ++i) {
        auto* b = new QRadioButton(QString::fromLatin1(TargetButtons[i].english), targetGroup_);
        b->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
        targets_->addButton(b, static_cast<int>(TargetButtons[i].target));
        targetGrid->addWidget(b, static_cast<int>(i / 2), static_cast<int>(i % 2));
        targetButtons_[i] = b;
    }

    auto* fields = new QVBoxLayout;
    fields->addWidget(fillPattern_);
    fields->addWidget(linkColors_);
    auto* numbers = new QHBoxLayout;
    numbers->addWidget(sourceGroup_);
    numbers->addWidget(copiesGroup_);
    fields->addLayout(numbers);
    fields->addWidget(targetGroup_);
    fields->addStretch();

    QVBoxLayout* buttons = OkCancelColumn(this);
    QPushButton* help = AddColumnButton(buttons, this, "HelpButton", "&Help");
    buttons->addSpacing(12);
    QPushButton* preview = AddColumnButton(buttons, this, "PreviewBtn", "Preview");
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    // The dialog shrinks and grows with the groups that Fill Pattern hides.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(fillPattern_, &QCheckBox::toggled, this, [this](bool on) {
        if (showing_) return;
        values_.fillPattern = on;
        ShowDependentStates();
    });
    connect(linkColors_, &QCheckBox::toggled, this, [this](bool on) {
        if (!showing_) values_.linkColors = on;
    });
    connect(fillRemaining_, &QCheckBox::toggled, this, [this](bool on) {
        if (showing_) return;
        values_.fillRemaining = on;
        ShowDependentStates();
    });
    connect(start_, &QSpinBox::valueChanged, this, [this](int v) {
        if (!showing_) values_.start = v;
    });
    connect(end_, &QSpinBox::valueChanged, this, [this](int v) {
        if (!showing_) values_.end = v;
    });
    connect(copies_, &QSpinBox::valueChanged, this, [this](int v) {
        if (!showing_) values_.copies = v;
    });
    connect(targets_, &QButtonGroup::idClicked, this, &TRepForm::TargetClicked);
    connect(help, &QPushButton::clicked, this, &TRepForm::HelpRequested);
    connect(preview, &QPushButton::clicked, this, [this] {
        // A number typed but not yet confirmed counts, as it does for OK.
        start_->interpretText();
        end_->interpretText();
        copies_->interpretText();
        if (onPreview) onPreview();
    });
}

void TRepForm::ApplyKeyCaptions() {
    for (size_t i = 0; i < TargetButtons.size(); ++i) {
        if (!TargetButtons[i].key) continue;
        const QString key = QString::fromLatin1(TargetButtons[i].key);
        const QString text = Tr(key);
        targetButtons_[i]->setText(text == key ? QString::fromLatin1(TargetButtons[i].english)
                                               : text);
    }
}

void TRepForm::Open(const Draft& d, const RepeatSelection* selection) {
    proposalDraft_ = &d;
    OpenRepeatDialog(values_, d, selection);
    ShowValues(d);
}

void TRepForm::ShowValues(const Draft& d) {
    showing_ = true;
    fillPattern_->setEnabled(values_.fillPatternEnabled);
    fillPattern_->setChecked(values_.fillPattern);
    linkColors_->setChecked(values_.linkColors);
    start_->setValue(values_.start);
    end_->setValue(values_.end);
    fillRemaining_->setChecked(values_.fillRemaining);
    copies_->setValue(values_.copies);
    for (size_t i = 0; i < TargetButtons.size(); ++i) {
        targetButtons_[i]->setEnabled(RepeatTargetEnabled(d, TargetButtons[i].target));
        if (TargetButtons[i].target == values_.target) targetButtons_[i]->setChecked(true);
    }
    showing_ = false;
    ShowDependentStates();
}

void TRepForm::ShowDependentStates() {
    const bool groups = RepeatGroupsVisible(values_);
    sourceGroup_->setVisible(groups);
    copiesGroup_->setVisible(groups);
    targetGroup_->setVisible(groups);
    linkColors_->setEnabled(LinkColorsEnabled(values_));
    copiesLabel_->setEnabled(CopiesEnabled(values_));
    copies_->setEnabled(CopiesEnabled(values_));
}

void TRepForm::TargetClicked(int id) {
    if (showing_ || !proposalDraft_) return;
    start_->interpretText();
    ChooseRepeatTarget(values_, *proposalDraft_, static_cast<RepeatTarget>(id));
    showing_ = true;
    end_->setValue(values_.end);
    showing_ = false;
    ShowDependentStates();
}

} // namespace hm
