#include "ops/ui/insertinpatterndialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ops/complexdraftingtexts.h"
#include "ops/insertinpattern.h"
#include "settings/messages.h"
#include "settings/ui/multilang.h"
#include "ui/dialogbuttons.h"

namespace hm {

TInsdlgcd::TInsdlgcd(QWidget* parent) : QDialog(parent) {
    InitComplexDraftingTexts();
    setObjectName(QStringLiteral("TInsdlgcd"));
    setModal(true);

    interval_ = new QSpinBox(this);
    interval_->setObjectName(QStringLiteral("IntervalEdit"));
    interval_->setRange(1, MaxInsertInterval);
    interval_->setValue(1);
    auto* label = new QLabel(QStringLiteral("Interval:"), this);
    label->setObjectName(QStringLiteral("IntervalLabel"));
    label->setBuddy(interval_);
    auto* intervalRow = new QFormLayout;
    intervalRow->addRow(label, interval_);

    auto* from = new QGroupBox(QStringLiteral("Insert from"), this);
    from->setObjectName(QStringLiteral("Thtrgroup"));
    endOne_ = new QRadioButton(QStringLiteral("End #1"), from);
    endOne_->setObjectName(QStringLiteral("EndOneButton"));
    auto* afterInterval = new QRadioButton(QStringLiteral("After interval"), from);
    afterInterval->setObjectName(QStringLiteral("AfterIntervalButton"));
    endOne_->setChecked(true);
    auto* fromLayout = new QVBoxLayout(from);
    fromLayout->addWidget(endOne_);
    fromLayout->addWidget(afterInterval);

    auto* fields = new QVBoxLayout;
    fields->addLayout(intervalRow);
    fields->addWidget(from);
    QVBoxLayout* buttons = OkCancelColumn(this);
    QPushButton* preview = AddColumnButton(buttons, this, "PreviewButton", "Preview");
    connect(preview, &QPushButton::clicked, this, [this] {
        if (OnPreview) OnPreview();
    });
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

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
