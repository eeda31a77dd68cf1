#include "ops/ui/wrapliftplandialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ops/ui/structuredialogtexts.h"
#include "settings/ui/multilang.h"
#include "ui/dialogbuttons.h"
#include "ui/dialogparts.h"

namespace hm {

TWrapLiftDlg::TWrapLiftDlg(NumberRange steps, bool itemTextsExchanged, QWidget* parent)
    : QDialog(parent), exchanged_(itemTextsExchanged) {
    InitStructureDialogResources();
    setObjectName(QStringLiteral("TWrapLiftDlg"));
    setWindowTitle(QStringLiteral("Wrap Liftplan"));
    setModal(true);

    QGroupBox* group = MakeRadioGroup(this, "LRGroup", "Wrap");
    // Named for shaft 1 at the bottom, where the first item shifts to the right.
    first_ = AddRadio(group, "RightButton", "Right");
    second_ = AddRadio(group, "LeftButton", "Left");
    first_->setChecked(true);

    steps_ = MakeSpin(this, "StepsSpin", steps, steps.min);
    auto* stepsForm = new QFormLayout;
    AddLabelledRow(stepsForm, "StepsLabel", "Steps:", steps_);

    auto* fields = new QVBoxLayout;
    fields->addWidget(group);
    fields->addLayout(stepsForm);
    QVBoxLayout* buttons = OkCancelColumn(this);
    AddPreviewButton(buttons, this, "PreviewBtn", PreviewClicked);
    PlaceBesideButtons(this, fields, buttons);

    auto* lang = new TMultiLang(this, QStringLiteral("wrapliftplan"));
    lang->AfterLanguageChanged = [this] { ExchangeItemTexts(); };
    ExchangeItemTexts();
}

void TWrapLiftDlg::ExchangeItemTexts() {
    if (!exchanged_) return;
    const QString text = first_->text();
    first_->setText(second_->text());
    second_->setText(text);
}

bool TWrapLiftDlg::Right() const {
    return first_->isChecked();
}

int TWrapLiftDlg::Steps() const {
    return steps_->value();
}

} // namespace hm
