#include "output/ui/draftrangefields.h"

#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>
#include <array>

#include "settings/messages.h"
#include "settings/ui/multilang.h"
#include "ui/dialogbuttons.h"
#include "ui/dialogparts.h"

namespace hm {

namespace {

// One side of the range in `grid`: the From, the count and the To rows, the
// labels in `column` and the fields beside them.
void AddRangeRows(QGridLayout* grid, int column, const std::array<QLabel*, 3>& labels,
                  const std::array<QWidget*, 3>& fields) {
    for (int row = 0; row < 3; ++row) {
        grid->addWidget(labels[static_cast<size_t>(row)], row, column);
        grid->addWidget(fields[static_cast<size_t>(row)], row, column + 1);
    }
}

} // namespace

DraftRangeFields::DraftRangeFields(QDialog* dialog, const DraftRangeLimits& limits,
                                   const DraftRange& start, const DraftFill& fill)
    : dialog_(dialog) {
    fromEnd_ = MakeSpin(dialog, "Fromendspin", limits.fromEnd, start.fromEnd);
    ends_ = MakeSpin(dialog, "endspin", limits.ends, start.ends);
    toEnd_ = MakeLabel(dialog, "ToEndValue", "");
    fromPick_ = MakeSpin(dialog, "Frompickspin", limits.fromPick, start.fromPick);
    picks_ = MakeSpin(dialog, "pickspin", limits.picks, start.picks);
    toPick_ = MakeLabel(dialog, "ToPickValue", "");

    range_ = new QGridLayout;
    AddRangeRows(range_, 0,
                 {MakeLabel(dialog, "FromEndLabel", "From End:", fromEnd_),
                  MakeLabel(dialog, "EndsLabel", "No. of Ends:", ends_),
                  MakeLabel(dialog, "ToEndLabel", "To End:")},
                 {fromEnd_, ends_, toEnd_});
    range_->setColumnMinimumWidth(2, 16);
    AddRangeRows(range_, 3,
                 {MakeLabel(dialog, "FromPickLabel", "From Pick:", fromPick_),
                  MakeLabel(dialog, "PicksLabel", "No. of Picks:", picks_),
                  MakeLabel(dialog, "ToPickLabel", "To Pick:")},
                 {fromPick_, picks_, toPick_});

    fillThreading_ = MakeBox(dialog, "FillAbox", "Fill Threading", fill.threading);
    fillTieup_ = MakeBox(dialog, "FillBbox", "Fill Tie-up", fill.tieup);
    fillTreadling_ = MakeBox(dialog, "FillCbox", "Fill Liftplan", fill.treadling);
    fillDrawdown_ = MakeBox(dialog, "FillDbox", "Fill Drawdown", fill.drawdown);
    boxes_ = new QVBoxLayout;
    for (QCheckBox* b : {fillThreading_, fillTieup_, fillTreadling_, fillDrawdown_})
        boxes_->addWidget(b);

    for (QSpinBox* s : {fromEnd_, ends_, fromPick_, picks_})
        QObject::connect(s, &QSpinBox::valueChanged, dialog, [this] { ShowToValues(); });
    ShowToValues();
    ApplyKeyCaptions();
}

void DraftRangeFields::LayOutAndTranslate(const char* table, QLayout* extraRow) {
    auto* left = new QVBoxLayout;
    left->addLayout(range_);
    left->addSpacing(8);
    left->addLayout(boxes_);
    if (extraRow) left->addLayout(extraRow);
    left->addStretch();
    PlaceBesideButtons(dialog_, left, OkCancelColumn(dialog_));

    auto* lang = new TMultiLang(dialog_, QString::fromLatin1(table));
    lang->AfterLanguageChanged = [this] { ApplyKeyCaptions(); };
    ApplyKeyCaptions();
}

void DraftRangeFields::ShowToValues() {
    const DraftRange r = Range();
    toEnd_->setText(QString::number(r.ToEnd()));
    toPick_->setText(QString::number(r.ToPick()));
}

void DraftRangeFields::ApplyKeyCaptions() {
    fillTreadling_->setText(Tr("@filltr"));
}

DraftRange DraftRangeFields::Range() const {
    return {fromEnd_->value(), ends_->value(), fromPick_->value(), picks_->value()};
}

DraftFill DraftRangeFields::Fill() const {
    return {fillThreading_->isChecked(), fillTieup_->isChecked(), fillTreadling_->isChecked(),
            fillDrawdown_->isChecked()};
}

} // namespace hm
