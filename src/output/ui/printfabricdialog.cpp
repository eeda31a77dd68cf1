#include "output/ui/printfabricdialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "output/ui/draftrangefields.h"
#include "settings/ui/multilang.h"
#include "ui/dialogbuttons.h"

namespace hm {

TPfabDlg::TPfabDlg(const PrintFabricDialogStart& start, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TPfabDlg"));
    setWindowTitle(QStringLiteral("Print Fabric"));
    setModal(true);

    ends_ = MakeOutputSpin(this, "endspin", start.ends, start.choice.ends);
    picks_ = MakeOutputSpin(this, "pickspin", start.picks, start.choice.picks);
    endsLabel_ = MakeOutputLabel(this, "EndsLabel", "Ends:", ends_);
    picksLabel_ = MakeOutputLabel(this, "PicksLabel", "Picks:", picks_);
    auto* counts = new QFormLayout;
    counts->addRow(endsLabel_, ends_);
    counts->addRow(picksLabel_, picks_);

    auto* group = new QGroupBox(QStringLiteral("Fabric"), this);
    group->setObjectName(QStringLiteral("fabgroup"));
    auto* groupLayout = new QVBoxLayout(group);
    selectSize_ = new QRadioButton(QStringLiteral("Select Size"), group);
    selectSize_->setObjectName(QStringLiteral("SelectSizeButton"));
    trueSize_ = new QRadioButton(QStringLiteral("True Size"), group);
    trueSize_->setObjectName(QStringLiteral("TrueSizeButton"));
    groupLayout->addWidget(selectSize_);
    groupLayout->addWidget(trueSize_);
    (start.choice.size == FabricPrintSize::TrueSize ? trueSize_ : selectSize_)->setChecked(true);
    connect(trueSize_, &QRadioButton::toggled, this, [this] { FollowSizeChoice(); });

    auto* left = new QVBoxLayout;
    left->addLayout(counts);
    left->addWidget(group);
    left->addStretch();
    QVBoxLayout* buttons = OkCancelColumn(this);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(buttons);

    new TMultiLang(this, QStringLiteral("printfabric"));
    FollowSizeChoice();
}

// The true size takes its counts from the paper, so the fields have no say.
void TPfabDlg::FollowSizeChoice() {
    const bool select = !trueSize_->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(endsLabel_), static_cast<QWidget*>(ends_),
                       static_cast<QWidget*>(picksLabel_), static_cast<QWidget*>(picks_)})
        w->setEnabled(select);
}

PrintFabricChoice TPfabDlg::Choice() const {
    PrintFabricChoice c;
    c.ends = ends_->value();
    c.picks = picks_->value();
    c.size = trueSize_->isChecked() ? FabricPrintSize::TrueSize : FabricPrintSize::SelectSize;
    return c;
}

} // namespace hm
