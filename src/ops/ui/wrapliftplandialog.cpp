#include "ops/ui/wrapliftplandialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ops/ui/structuredialogtexts.h"
#include "settings/ui/multilang.h"
#include "ui/dialogbuttons.h"

namespace hm {

TWrapLiftDlg::TWrapLiftDlg(NumberRange steps, bool itemTextsExchanged, QWidget* parent)
    : QDialog(parent), exchanged_(itemTextsExchanged) {
    InitStructureDialogResources();
    setObjectName(QStringLiteral("TWrapLiftDlg"));
    setWindowTitle(QStringLiteral("Wrap Liftplan"));
    setModal(true);

    auto* group = new QGroupBox(QStringLiteral("Wrap"), this);
    group->setObjectName(QStringLiteral("LRGroup"));
    auto* groupLayout = new QVBoxLayout(group);
    // Named for shaft 1 at the bottom, where the first item shifts to the right.
    first_ = new QRadioButton(QStringLiteral("Right"), group);
    first_->setObjectName(QStringLiteral("RightButton"));
    second_ = new QRadioButton(QStringLiteral("Left"), group);
    second_->setObjectName(QStringLiteral("LeftButton"));
    groupLayout->addWidget(first_);
    groupLayout->addWidget(second_);
    first_->setChecked(true);

    steps_ = new QSpinBox(this);
    steps_->setObjectName(QStringLiteral("StepsSpin"));
    steps_->setRange(steps.min, steps.max);
    steps_->setValue(steps.min);
    auto* label = new QLabel(QStringLiteral("Steps:"), this);
    label->setObjectName(QStringLiteral("StepsLabel"));
    label->setBuddy(steps_);
    auto* stepsForm = new QFormLayout;
    stepsForm->addRow(label, steps_);

    auto* fields = new QVBoxLayout;
    fields->addWidget(group);
    fields->addLayout(stepsForm);
    QVBoxLayout* buttons = OkCancelColumn(this);
    QPushButton* preview = AddColumnButton(buttons, this, "PreviewBtn", "Preview");
    connect(preview, &QPushButton::clicked, this, [this] {
        if (PreviewClicked) PreviewClicked();
    });
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

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
