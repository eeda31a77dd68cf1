#include "ops/reducerepeat.h"

#include <functional>

#include "ops/boundedcounts.h"
#include "ops/repeatlength.h"

namespace hm {

Message ReduceToOneRepeatCheck(const Draft& d, int lastEnd, int lastPick) {
    if (d.HasThreadingIn(lastEnd) || d.HasTreadlingIn(lastPick)) return {};
    return Message{MessageKind::Information, "@globnopat", {}};
}

namespace {

// One direction of the cloth: the pattern sequence (pattern threading or
// liftplan rows) and its colours.
struct Direction {
    int lastPatternUsed;                   // last used pattern end or liftplan row
    RepeatSearch pattern;                  // repeat of the pattern sequence
    std::function<RepeatSearch()> colours; // repeat of the colours, searched only when asked
    int lastUsed;                          // last used end or pick over all in use
    const char* coloursNotFound;           // "@warpcolnot" / "@weftcolnot"
    const char* notFound;                  // "@warpnot" / "@weftnot"
};

// The last element of the repeat to keep, or 0 when nothing is cut.
int RepeatEnd(const Direction& dir, bool useColourRepeat, Messages& messages) {
    const RepeatSearch& r = dir.pattern;
    if (!r.found || r.length == dir.lastPatternUsed) {
        messages.push_back({MessageKind::Information, dir.notFound, {}});
        return 0;
    }
    if (!useColourRepeat) return r.length;
    const RepeatSearch c = dir.colours();
    if (r.length >= (c.found ? c.length : c.NotFoundValue())) return r.length;
    if (c.found && c.length != dir.lastUsed) return c.length;
    messages.push_back({MessageKind::Information, dir.coloursNotFound, {}});
    return 0;
}

} // namespace

StructureChange ReduceToOneRepeat(Draft& d, bool useColourRepeat) {
    StructureChange result;
    const int ends = EndCount(d), picks = PickCount(d);

    const int lastEnd = d.LastPatternEnd(MaxEnds);
    const int usedEnds = d.LastUsedEnd(MaxEnds);
    const Direction warp{lastEnd,
                         RepeatLength(d.PatternThreading.data(), std::min(ends, lastEnd)),
                         [&] { return ColorRepeatLength(d.WarpColors.data(), ends, usedEnds); },
                         usedEnds,
                         "@warpcolnot",
                         "@warpnot"};
    if (const int cut = RepeatEnd(warp, useColourRepeat, result.messages)) {
        d.ClearPatternThreading(cut + 1);
        result.changed = true;
    }

    const int lastPick = d.LastLiftplanPick(MaxPicks);
    const int usedPicks = d.LastUsedPick(MaxPicks);
    const Direction weft{lastPick,
                         LiftplanRepeatLength(d, std::min(picks, lastPick)),
                         [&] { return ColorRepeatLength(d.WeftColors.data(), picks, usedPicks); },
                         usedPicks,
                         "@weftcolnot",
                         "@weftnot"};
    if (const int cut = RepeatEnd(weft, useColourRepeat, result.messages)) {
        d.ClearLiftplan(cut + 1);
        result.changed = true;
    }
    return result;
}

} // namespace hm
