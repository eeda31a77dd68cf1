#include "window/tipofday.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QVBoxLayout>

#include "settings/ui/multilang.h"
#include "window/dialogresources.h"

namespace hm {

namespace {

QString TipKey(int n) {
    return QStringLiteral("@tip%1").arg(n + 1);
}

} // namespace

TTipForm::TTipForm(bool showAtStartup, QWidget* parent) : QDialog(parent) {
    InitDialogResources();
    setObjectName(QStringLiteral("TTipForm"));
    setWindowTitle(QStringLiteral("Tip of the Day"));
    setModal(true);

    auto* heading = new QLabel(QStringLiteral("Did you know..."), this);
    heading->setObjectName(QStringLiteral("HeadingLabel"));
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    heading->setFont(bold);

    tip_ = new QLabel(this);
    tip_->setObjectName(QStringLiteral("TipText"));
    tip_->setWordWrap(true);
    tip_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    tip_->setFrameShape(QFrame::StyledPanel);
    tip_->setMargin(10);
    tip_->setMinimumSize(380, 120);
    tip_->setAutoFillBackground(true);
    QPalette pal = tip_->palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 225));
    pal.setColor(QPalette::WindowText, Qt::black);
    tip_->setPalette(pal);

    showBox_ = new QCheckBox(QStringLiteral("Show tips at start-up"), this);
    showBox_->setObjectName(QStringLiteral("ShowTipsBox"));
    showBox_->setChecked(showAtStartup);
    connect(showBox_, &QCheckBox::toggled, this, &TTipForm::showAtStartupChanged);

    auto* next = new QPushButton(QStringLiteral("&Next Tip"), this);
    next->setObjectName(QStringLiteral("NextButton"));
    connect(next, &QPushButton::clicked, this, &TTipForm::NextTip);
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("CloseButton"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(showBox_);
    buttons->addStretch(1);
    buttons->addWidget(next);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(tip_, 1);
    layout->addLayout(buttons);

    lang_ = new TMultiLang(this, QStringLiteral("tipofday"));
    lang_->AfterLanguageChanged = [this] { ShowCurrent(); };
    const int count = TipCount();
    current_ = count > 0 ? static_cast<int>(QRandomGenerator::global()->bounded(count)) : 0;
    ShowCurrent();
}

int TTipForm::TipCount() const {
    int n = 0;
    while (lang_ && lang_->HasKey(TipKey(n))) ++n;
    return n;
}

void TTipForm::ShowTip(int n) {
    const int count = TipCount();
    if (count == 0) return;
    current_ = ((n % count) + count) % count;
    ShowCurrent();
}

void TTipForm::NextTip() {
    ShowTip(current_ + 1);
}

bool TTipForm::ShowAtStartup() const {
    return showBox_->isChecked();
}

void TTipForm::ShowCurrent() {
    if (!lang_ || TipCount() == 0) return;
    tip_->setText(lang_->Translate(TipKey(current_)));
}

} // namespace hm
