#include "ops/repeatfill.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "model/design.h"
#include "ops/repeatlength.h"

namespace hm {

namespace {

// Entry i takes entry i - r for i = r+1..length, front to back, so that the
// first r entries repeat to the end.
template <typename Copy> void RepeatForward(int r, int length, Copy copy) {
    for (int i = r + 1; i <= length; ++i) copy(i - r, i);
}

// Period of the first `used` entries, or `used` itself when none is found.
int PeriodOr(const RepeatSearch& search, int fallback) {
    return search.found ? search.length : fallback;
}

void CopyLiftplanRow(Draft& d, int from, int to) {
    std::memcpy(d.LiftplanRow(to), d.LiftplanRow(from), LiftplanRowBytes);
}

void CopyPictureColumn(Draft& d, int from, int to) {
    for (int r = 1; r <= DesignSize; ++r) d.SetDesignCell(r, to, d.GetDesignCell(r, from));
}

void CopyPictureRow(Draft& d, int from, int to) {
    std::memcpy(d.DesignRow(to), d.DesignRow(from), DesignRowBytes);
}

// A threading or treadling that stops short of `length`, repeated to it.
template <int N> bool FillEntries(OneBasedBytes<N>& entries, int length) {
    const int used = entries.LastNonZero(length);
    if (used == 0 || used >= length) return false;
    const int r = PeriodOr(RepeatLength(entries.data(), used), used);
    RepeatForward(r, length, [&entries](int from, int to) { entries[to] = entries[from]; });
    return true;
}

// The colours of the first `used` threads, repeated to `length` by their own
// repeat (or by `fallback` when none is found); returns the repeat used.
template <int N> int FillColors(OneBasedBytes<N>& colors, int length, int used, int fallback) {
    const int c = PeriodOr(ColorRepeatLength(colors.data(), length, used), fallback);
    RepeatForward(c, length, [&colors](int from, int to) { colors[to] = colors[from]; });
    return c;
}

bool FillPatternThreading(Draft& d, bool link, int ends) {
    const int used = d.LastPatternEnd(ends);
    if (used == 0 || used >= ends) return false;
    const int r = PeriodOr(RepeatLength(d.PatternThreading.data(), used), used);
    if (link) d.WarpColorRepeat = FillColors(d.WarpColors, ends, used, r);
    RepeatForward(r, ends,
                  [&d](int from, int to) { d.PatternThreading[to] = d.PatternThreading[from]; });
    d.WarpRepeat = r;
    return true;
}

bool FillLiftplan(Draft& d, bool link, int picks) {
    const int used = d.LastLiftplanPick(picks);
    if (used == 0 || used >= picks) return false;
    const int p = PeriodOr(LiftplanRepeatLength(d, used), used);
    if (link) d.WeftColorRepeat = FillColors(d.WeftColors, picks, used, p);
    RepeatForward(p, picks, [&d](int from, int to) { CopyLiftplanRow(d, from, to); });
    d.WeftRepeat = p;
    return true;
}

bool PatternStopsShort(const Draft& d, int ends, int picks) {
    return d.PatternThreadingOn && (!d.LiftplanRowUsed(picks) ||
                                    (d.PatternThreading[ends] == 0 && d.PatternThreading[1] != 0));
}

template <int N> bool StopsShort(const OneBasedBytes<N>& entries, int length) {
    return entries[1] != 0 && entries[length] == 0;
}

// The picture's distinct columns, counted on the pattern threading, which is
// left as it was.
bool PictureFitsPatternShafts(Draft& d) {
    const OneBasedBytes<MaxEnds> threading = d.PatternThreading;
    const int count = NumberColumns(d, DesignSize, DesignSize, true);
    d.PatternThreading = threading;
    return count <= MaxPatternShafts;
}

} // namespace

bool RepeatsAlongEnds(RepeatTarget t) {
    return t == RepeatTarget::PatternThreading || t == RepeatTarget::ThreadingA ||
           t == RepeatTarget::ThreadingB || t == RepeatTarget::WarpColors;
}

bool IsGroundRepeatTarget(RepeatTarget t) {
    return t == RepeatTarget::ThreadingA || t == RepeatTarget::TreadlingA ||
           t == RepeatTarget::ThreadingB || t == RepeatTarget::TreadlingB;
}

int RepeatTargetLength(const Draft& d, RepeatTarget t) {
    int length = RepeatsAlongEnds(t) ? d.Ends : d.Picks;
    length = std::clamp(length, 0, MaxEnds);
    const bool picture = t == RepeatTarget::PatternThreading || t == RepeatTarget::Liftplan;
    if (d.DesignMode && picture) length = std::min(length, DesignSize);
    return length;
}

bool RepeatBlock(Draft& d, RepeatTarget t, int s, int e, bool link, int copies,
                 ColumnRange columns) {
    if (d.DesignMode && IsGroundRepeatTarget(t)) return false;
    const int length = RepeatTargetLength(d, t);
    if (e < s) std::swap(s, e);
    s = std::max(s, 1);
    e = std::min(e, length);
    if (s > e || copies < 1) return false;

    columns.first = std::clamp(columns.first, 1, MaxPatternShafts);
    columns.last = std::clamp(columns.last, 1, MaxPatternShafts);
    if (columns.last < columns.first) std::swap(columns.first, columns.last);
    const bool wholeRows = columns.first == 1 && columns.last >= d.LiftplanWidth;

    auto copy = [&](int from, int to) {
        switch (t) {
        case RepeatTarget::PatternThreading:
            if (d.DesignMode)
                CopyPictureColumn(d, from, to);
            else
                d.PatternThreading[to] = d.PatternThreading[from];
            if (link) d.WarpColors[to] = d.WarpColors[from];
            break;
        case RepeatTarget::Liftplan:
            if (d.DesignMode) {
                CopyPictureRow(d, from, to);
            } else if (wholeRows) {
                CopyLiftplanRow(d, from, to);
            } else {
                for (int c = columns.first; c <= columns.last; ++c)
                    d.SetLiftplan(to, c, d.GetLiftplan(from, c));
            }
            if (link) d.WeftColors[to] = d.WeftColors[from];
            break;
        case RepeatTarget::ThreadingA:
            d.ThreadingA[to] = d.ThreadingA[from];
            break;
        case RepeatTarget::TreadlingA:
            d.TreadlingA[to] = d.TreadlingA[from];
            break;
        case RepeatTarget::ThreadingB:
            d.ThreadingB[to] = d.ThreadingB[from];
            break;
        case RepeatTarget::TreadlingB:
            d.TreadlingB[to] = d.TreadlingB[from];
            break;
        case RepeatTarget::WarpColors:
            d.WarpColors[to] = d.WarpColors[from];
            break;
        case RepeatTarget::WeftColors:
            d.WeftColors[to] = d.WeftColors[from];
            break;
        }
    };

    const int block = e - s + 1;
    bool copied = false;
    int done = 0;
    for (int dest = e + 1; dest <= length && done < copies; dest += block, ++done) {
        for (int j = 0; j < block && dest + j <= length; ++j) copy(s + j, dest + j);
        copied = true;
    }
    return copied;
}

bool FillPatternOffered(const Draft& d) {
    if (d.DesignMode) {
        if (!d.PatternThreadingOn) return false;
        auto analysed = std::make_unique<Draft>(d);
        if (!PictureFitsPatternShafts(*analysed)) return false;
        AnalyzeDesignFull(*analysed);
        return PatternStopsShort(*analysed, DesignSize, DesignSize);
    }
    const int ends = std::clamp(d.Ends, 1, MaxEnds);
    const int picks = std::clamp(d.Picks, 1, MaxPicks);
    return PatternStopsShort(d, ends, picks) || StopsShort(d.ThreadingA, ends) ||
           (d.ThreadingBOn && StopsShort(d.ThreadingB, ends)) || StopsShort(d.TreadlingA, picks) ||
           (d.TreadlingBOn && StopsShort(d.TreadlingB, picks));
}

bool FillPattern(Draft& d, bool link) {
    if (d.DesignMode) {
        if (!d.PatternThreadingOn || !PictureFitsPatternShafts(d)) return false;
        AnalyzeDesignFull(d);
        const int ends = std::clamp(d.Ends, 0, DesignSize);
        const int picks = std::clamp(d.Picks, 0, DesignSize);
        bool filled = FillPatternThreading(d, link, ends);
        filled = FillLiftplan(d, link, picks) || filled;
        BuildDesign(d, DesignSize, DesignSize);
        return filled;
    }
    const int ends = std::clamp(d.Ends, 0, MaxEnds);
    const int picks = std::clamp(d.Picks, 0, MaxPicks);
    bool filled = false;
    if (d.PatternThreadingOn) {
        filled = FillPatternThreading(d, link, ends) || filled;
        filled = FillLiftplan(d, link, picks) || filled;
    }
    filled = FillEntries(d.ThreadingA, ends) || filled;
    if (d.ThreadingBOn) filled = FillEntries(d.ThreadingB, ends) || filled;
    filled = FillEntries(d.TreadlingA, picks) || filled;
    if (d.TreadlingBOn) filled = FillEntries(d.TreadlingB, picks) || filled;
    return filled;
}

} // namespace hm
