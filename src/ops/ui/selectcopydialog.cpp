#include "ops/ui/selectcopydialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "ops/ui/clipboardtexts.h"
#include "settings/ui/multilang.h"
#include "ui/dialogbuttons.h"
#include "ui/dialogparts.h"

namespace hm {

namespace {

struct KindButton {
    SelectionKind kind;
    const char* name;
    const char* caption;
};
constexpr std::array<KindButton, 4> KindButtons = {{
    {SelectionKind::PatternThreading, "PatternThreadingButton", "Pattern Threading"},
    {SelectionKind::Liftplan, "LiftplanButton", "Liftplan"},
    {SelectionKind::WarpColors, "WarpColorsButton", "Warp Colors"},
    {SelectionKind::WeftColors, "WeftColorsButton", "Weft Colors"},
}};

} // namespace

TSelectCopyDlg::TSelectCopyDlg(const SelectCopyChoice& start, int ends, int picks, QWidget* parent)
    : QDialog(parent), ends_(std::max(ends, 1)), picks_(std::max(picks, 1)) {
    InitClipboardResources();
    setObjectName(QStringLiteral("TSelectCopyDlg"));
    setWindowTitle(QStringLiteral("Select and Copy"));
    setModal(true);

    QGroupBox* group = MakeRadioGroup(this, "SelectInGroup", "Select In");
    bool chosen = false;
    for (size_t i = 0; i < KindButtons.size(); ++i) {
        QRadioButton* b = AddRadio(group, KindButtons[i].name, KindButtons[i].caption);
        kinds_[i] = b;
        if (KindButtons[i].kind == start.kind) {
            b->setChecked(true);
            chosen = true;
        }
        connect(b, &QRadioButton::toggled, this, [this](bool on) {
            if (on) KindChanged();
        });
    }
    if (!chosen) kinds_[0]->setChecked(true);

    // KindChanged sets the ranges.
    from_ = MakeSpin(this, "FromEdit", {1, 1}, 1);
    to_ = MakeSpin(this, "ToEdit", {1, 1}, 1);
    auto* numbers = new QFormLayout;
    AddLabelledRow(numbers, "FromLabel", "From:", from_);
    AddLabelledRow(numbers, "ToLabel", "To:", to_);
    KindChanged();
    from_->setValue(start.from);
    to_->setValue(start.to);
    // To follows From upwards; typed lower, the pair is swapped on OK.
    connect(from_, &QSpinBox::valueChanged, this, [this](int v) {
        if (to_->value() < v) to_->setValue(v);
    });

    auto* fields = new QVBoxLayout;
    fields->addWidget(group);
    fields->addLayout(numbers);
    fields->addStretch();
    PlaceBesideButtons(this, fields, OkCancelColumn(this));

    lang_ = new TMultiLang(this, QStringLiteral("selectcopy"));
}

SelectionKind TSelectCopyDlg::Kind() const {
    for (size_t i = 0; i < KindButtons.size(); ++i)
        if (kinds_[i]->isChecked()) return KindButtons[i].kind;
    return KindButtons[0].kind;
}

void TSelectCopyDlg::KindChanged() {
    if (!from_ || !to_) return;
    const SelectionKind k = Kind();
    const int last =
        k == SelectionKind::PatternThreading || k == SelectionKind::WarpColors ? ends_ : picks_;
    from_->setRange(1, last);
    to_->setRange(1, last);
}

SelectCopyChoice TSelectCopyDlg::Choice() const {
    SelectCopyChoice c;
    c.kind = Kind();
    c.from = from_->value();
    c.to = to_->value();
    if (c.from > c.to) std::swap(c.from, c.to);
    return c;
}

} // namespace hm
