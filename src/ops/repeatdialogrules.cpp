#include "ops/repeatdialogrules.h"

#include <algorithm>
#include <array>

namespace hm {

namespace {

bool IsColorTarget(RepeatTarget t) {
    return t == RepeatTarget::WarpColors || t == RepeatTarget::WeftColors;
}

// The last picture column (row) with a set cell within 1..limit, 0 if none.
int LastPictureColumn(const Draft& d, int limit) {
    std::array<uint8_t, DesignRowBytes> any{};
    for (int r = 1; r <= DesignSize; ++r) {
        const uint8_t* row = d.DesignRow(r);
        for (size_t b = 0; b < any.size(); ++b) any[b] |= row[b];
    }
    for (int c = std::min(limit, DesignSize); c >= 1; --c)
        if ((any[ColumnBits.byte2400[c - 1]] >> ColumnBits.bit2400[c - 1]) & 1) return c;
    return 0;
}

int LastPictureRow(const Draft& d, int limit) {
    const int bytes = (DesignSize + 7) / 8;
    for (int r = std::min(limit, DesignSize); r >= 1; --r) {
        const uint8_t* row = d.DesignRow(r);
        if (std::any_of(row, row + bytes, [](uint8_t b) { return b != 0; })) return r;
    }
    return 0;
}

// The last end of the pattern level, in the picture while in Design mode.
int LastPatternEnd(const Draft& d, int ends) {
    return d.DesignMode ? LastPictureColumn(d, ends) : d.LastPatternEnd(ends);
}

int LastPatternPick(const Draft& d, int picks) {
    return d.DesignMode ? LastPictureRow(d, picks) : d.LastLiftplanPick(picks);
}

bool WholeLiftplanRows(const Draft& d, const ColumnRange& columns) {
    return columns.first <= 1 && columns.last >= d.LiftplanWidth;
}

} // namespace

bool RepeatTargetEnabled(const Draft& d, RepeatTarget t) {
    if (d.DesignMode && IsGroundRepeatTarget(t)) return false;
    switch (t) {
    case RepeatTarget::PatternThreading:
    case RepeatTarget::Liftplan:
        return d.PatternThreadingOn;
    case RepeatTarget::ThreadingB:
        return d.ThreadingBOn;
    case RepeatTarget::TreadlingB:
        return d.TreadlingBOn;
    default:
        return true;
    }
}

RepeatTarget EnabledRepeatTarget(const Draft& d, RepeatTarget t) {
    if (RepeatTargetEnabled(d, t)) return t;
    const bool ends = RepeatsAlongEnds(t);
    if (!d.DesignMode) return ends ? RepeatTarget::ThreadingA : RepeatTarget::TreadlingA;
    const RepeatTarget picture = ends ? RepeatTarget::PatternThreading : RepeatTarget::Liftplan;
    if (RepeatTargetEnabled(d, picture)) return picture;
    return ends ? RepeatTarget::WarpColors : RepeatTarget::WeftColors;
}

int ProposeEndPosition(const Draft& d, RepeatTarget t, int start) {
    int end = 8;
    if (t == RepeatTarget::PatternThreading || t == RepeatTarget::WarpColors) {
        const int ends = RepeatTargetLength(d, RepeatTarget::PatternThreading);
        const int used = LastPatternEnd(d, ends);
        end = used;
        if (used == ends) {
            const bool threading = t == RepeatTarget::PatternThreading || d.WarpColorRepeat == 0;
            end = threading ? d.WarpRepeat : d.WarpColorRepeat;
        }
        if (end > ends - 100) end = 8;
        end = std::min(end, used);
    } else if (t == RepeatTarget::Liftplan || t == RepeatTarget::WeftColors) {
        const int picks = RepeatTargetLength(d, RepeatTarget::Liftplan);
        const int used = LastPatternPick(d, picks);
        end = used;
        if (used == picks) {
            const bool liftplan = t == RepeatTarget::Liftplan || d.WeftColorRepeat == 0;
            end = liftplan ? d.WeftRepeat : d.WeftColorRepeat;
        }
        end = std::min(end, used);
    }
    if (end < start) end = start;
    return std::clamp(end, RepeatSpinMin, RepeatSpinMax);
}

RepeatSelection RepeatSelectionFromCells(const Draft& d, RepeatTarget target, int fromCell,
                                         int toCell, int columnFrom, int columnTo) {
    RepeatSelection s;
    s.target = target;
    const int offset = std::max(0, RepeatsAlongEnds(target) ? d.FirstEnd : d.FirstPick);
    s.first = std::min(fromCell, toCell) + offset;
    s.last = std::max(fromCell, toCell) + offset;
    if (target == RepeatTarget::Liftplan) {
        s.columns.first = std::clamp(std::min(columnFrom, columnTo), 1, MaxPatternShafts);
        s.columns.last = std::clamp(std::max(columnFrom, columnTo), 1, MaxPatternShafts);
    }
    return s;
}

void OpenRepeatDialog(RepeatDialogValues& v, const Draft& d, const RepeatSelection* selection) {
    v.end = 4;
    v.target = EnabledRepeatTarget(d, v.target);
    v.columns = ColumnRange{};
    v.rangeFromSelection = selection != nullptr;
    if (selection) {
        v.fillPatternEnabled = false;
        v.fillPattern = false;
        v.start = std::clamp(selection->first, RepeatSpinMin, RepeatSpinMax);
        v.end = std::clamp(selection->last, RepeatSpinMin, RepeatSpinMax);
        v.target = selection->target;
        if (v.target == RepeatTarget::Liftplan) v.columns = selection->columns;
        return;
    }
    v.fillPatternEnabled = FillPatternOffered(d);
    if (!v.fillPatternEnabled) v.fillPattern = false;
    v.end = ProposeEndPosition(d, v.target, v.start);
}

void ChooseRepeatTarget(RepeatDialogValues& v, const Draft& d, RepeatTarget t) {
    v.target = EnabledRepeatTarget(d, t);
    if (!v.rangeFromSelection) v.end = ProposeEndPosition(d, v.target, v.start);
}

void ResetFillPattern(RepeatDialogValues& v) {
    v.fillPattern = true;
}

bool FillPatternChosen(const RepeatDialogValues& v) {
    return v.fillPattern && v.fillPatternEnabled;
}

bool LinkColorsEnabled(const RepeatDialogValues& v) {
    return FillPatternChosen(v) || !IsColorTarget(v.target);
}

bool RepeatGroupsVisible(const RepeatDialogValues& v) {
    return !FillPatternChosen(v);
}

bool CopiesEnabled(const RepeatDialogValues& v) {
    return !v.fillRemaining;
}

RepeatApplyResult ApplyRepeatDialog(Draft& d, const RepeatDialogValues& v) {
    RepeatApplyResult result;
    const bool link = v.linkColors && LinkColorsEnabled(v);
    if (FillPatternChosen(v)) {
        result.filled = true;
        result.changed = FillPattern(d, link);
        return result;
    }
    const int start = std::min(v.start, v.end);
    const int end = std::max(v.start, v.end);
    const int copies = v.fillRemaining ? FillRemainingCopies : v.copies;
    result.changed = RepeatBlock(d, v.target, start, end, link, copies, v.columns);
    // The repeat number never names an end or pick beyond the draft.
    const int repeat = std::min(end, std::max(RepeatTargetLength(d, v.target), 1));
    switch (v.target) {
    case RepeatTarget::PatternThreading:
        d.WarpRepeat = repeat;
        break;
    case RepeatTarget::Liftplan:
        d.WeftRepeat = repeat;
        break;
    case RepeatTarget::WarpColors:
        d.WarpColorRepeat = repeat;
        break;
    case RepeatTarget::WeftColors:
        d.WeftColorRepeat = repeat;
        break;
    default:
        break;
    }
    result.showSelection = v.rangeFromSelection && v.target == RepeatTarget::Liftplan &&
                           !WholeLiftplanRows(d, v.columns);
    return result;
}

} // namespace hm
