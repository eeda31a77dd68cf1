#include "ops/ui/expandpatterndialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "ops/complexdraftingtexts.h"
#include "ops/expand.h"
#include "settings/messages.h"
#include "settings/ui/multilang.h"
#include "ui/dialogbuttons.h"

namespace hm {

namespace {

QSpinBox* FactorSpin(QWidget* parent, const char* name, int value) {
    auto* s = new QSpinBox(parent);
    s->setObjectName(QString::fromLatin1(name));
    s->setRange(1, MaxExpandFactor);
    s->setValue(std::clamp(value, 1, MaxExpandFactor));
    return s;
}

} // namespace

TDlgExpand::TDlgExpand(int endsFactor, int picksFactor, QWidget* parent) : QDialog(parent) {
    InitComplexDraftingTexts();
    setObjectName(QStringLiteral("TDlgExpand"));
    setModal(true);

    ends_ = FactorSpin(this, "SpinEdit1", endsFactor);
    picks_ = FactorSpin(this, "SpinEdit2", picksFactor);
    endsLabel_ = new QLabel(this);
    endsLabel_->setObjectName(QStringLiteral("Label1"));
    endsLabel_->setBuddy(ends_);
    picksLabel_ = new QLabel(this);
    picksLabel_->setObjectName(QStringLiteral("Label2"));
    picksLabel_->setBuddy(picks_);
    auto* fields = new QFormLayout;
    fields->addRow(endsLabel_, ends_);
    fields->addRow(picksLabel_, picks_);

    QVBoxLayout* buttons = OkCancelColumn(this);
    QPushButton* preview = AddColumnButton(buttons, this, "PreviewButton", "Preview");
    connect(preview, &QPushButton::clicked, this, [this] {
        if (OnPreview) OnPreview();
    });
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    lang_ = new TMultiLang(this, QStringLiteral("expandpattern"));
    lang_->AfterLanguageChanged = [this] { ApplyKeyCaptions(); };
    ApplyKeyCaptions();
    ends_->setFocus();
}

void TDlgExpand::ApplyKeyCaptions() {
    setWindowTitle(Tr("@expandpat"));
    endsLabel_->setText(Tr("@idends") + u':');
    picksLabel_->setText(Tr("@idpicks") + u':');
}

int TDlgExpand::EndsFactor() const {
    return ends_->value();
}

int TDlgExpand::PicksFactor() const {
    return picks_->value();
}

} // namespace hm
