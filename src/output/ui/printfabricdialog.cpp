#include "output/ui/printfabricdialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "settings/ui/multilang.h"
#include "ui/dialogbuttons.h"
#include "ui/dialogparts.h"

namespace hm {

TPfabDlg::TPfabDlg(const PrintFabricDialogStart& start, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TPfabDlg"));
    setWindowTitle(QStringLiteral("Print Fabric"));
    setModal(true);

    ends_ = MakeSpin(this, "endspin", start.ends, start.choice.ends);
    picks_ = MakeSpin(this, "pickspin", start.picks, start.choice.picks);
    auto* counts = new QFormLayout;
    endsLabel_ = AddLabelledRow(counts, "EndsLabel", "Ends:", ends_);
    picksLabel_ = AddLabelledRow(counts, "PicksLabel", "Picks:", picks_);

    QGroupBox* group = MakeRadioGroup(this, "fabgroup", "Fabric");
    selectSize_ = AddRadio(group, "SelectSizeButton", "Select Size");
    trueSize_ = AddRadio(group, "TrueSizeButton", "True Size");
    (start.choice.size == FabricPrintSize::TrueSize ? trueSize_ : selectSize_)->setChecked(true);
    connect(trueSize_, &QRadioButton::toggled, this, [this] { FollowSizeChoice(); });

    auto* left = new QVBoxLayout;
    left->addLayout(counts);
    left->addWidget(group);
    left->addStretch();
    PlaceBesideButtons(this, left, OkCancelColumn(this));

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
