#include "output/ui/draftrangefields.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "settings/messages.h"

namespace hm {

QSpinBox* MakeOutputSpin(QWidget* parent, const char* name, const NumberRange& limits, int value) {
    auto* s = new QSpinBox(parent);
    s->setObjectName(QString::fromLatin1(name));
    s->setRange(limits.min, std::max(limits.min, limits.max));
    s->setValue(std::clamp(value, s->minimum(), s->maximum()));
    return s;
}

QLabel* MakeOutputLabel(QWidget* parent, const char* name, const char* text, QWidget* buddy) {
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    l->setObjectName(QString::fromLatin1(name));
    if (buddy) l->setBuddy(buddy);
    return l;
}

QCheckBox* MakeOutputBox(QWidget* parent, const char* name, const char* text, bool checked) {
    auto* b = new QCheckBox(QString::fromUtf8(text), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setChecked(checked);
    return b;
}

DraftRangeFields::DraftRangeFields(QWidget* dialog, const DraftRangeLimits& limits,
                                   const DraftRange& start, const DraftFill& fill) {
    fromEnd_ = MakeOutputSpin(dialog, "Fromendspin", limits.fromEnd, start.fromEnd);
    ends_ = MakeOutputSpin(dialog, "endspin", limits.ends, start.ends);
    toEnd_ = MakeOutputLabel(dialog, "ToEndValue", "");
    fromPick_ = MakeOutputSpin(dialog, "Frompickspin", limits.fromPick, start.fromPick);
    picks_ = MakeOutputSpin(dialog, "pickspin", limits.picks, start.picks);
    toPick_ = MakeOutputLabel(dialog, "ToPickValue", "");

    range_ = new QGridLayout;
    range_->addWidget(MakeOutputLabel(dialog, "FromEndLabel", "From End:", fromEnd_), 0, 0);
    range_->addWidget(fromEnd_, 0, 1);
    range_->addWidget(MakeOutputLabel(dialog, "EndsLabel", "No. of Ends:", ends_), 1, 0);
    range_->addWidget(ends_, 1, 1);
    range_->addWidget(MakeOutputLabel(dialog, "ToEndLabel", "To End:"), 2, 0);
    range_->addWidget(toEnd_, 2, 1);
    range_->setColumnMinimumWidth(2, 16);
    range_->addWidget(MakeOutputLabel(dialog, "FromPickLabel", "From Pick:", fromPick_), 0, 3);
    range_->addWidget(fromPick_, 0, 4);
    range_->addWidget(MakeOutputLabel(dialog, "PicksLabel", "No. of Picks:", picks_), 1, 3);
    range_->addWidget(picks_, 1, 4);
    range_->addWidget(MakeOutputLabel(dialog, "ToPickLabel", "To Pick:"), 2, 3);
    range_->addWidget(toPick_, 2, 4);

    fillThreading_ = MakeOutputBox(dialog, "FillAbox", "Fill Threading", fill.threading);
    fillTieup_ = MakeOutputBox(dialog, "FillBbox", "Fill Tie-up", fill.tieup);
    fillTreadling_ = MakeOutputBox(dialog, "FillCbox", "Fill Liftplan", fill.treadling);
    fillDrawdown_ = MakeOutputBox(dialog, "FillDbox", "Fill Drawdown", fill.drawdown);
    boxes_ = new QVBoxLayout;
    for (QCheckBox* b : {fillThreading_, fillTieup_, fillTreadling_, fillDrawdown_})
        boxes_->addWidget(b);

    for (QSpinBox* s : {fromEnd_, ends_, fromPick_, picks_})
        QObject::connect(s, &QSpinBox::valueChanged, dialog, [this] { ShowToValues(); });
    ShowToValues();
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
