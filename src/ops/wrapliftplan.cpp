#include "ops/wrapliftplan.h"

#include <array>
#include <cstdlib>

#include "ops/boundedcounts.h"

namespace hm {

NumberRange WrapStepsRange(const Draft& d) {
    return SpinBoxRange(1, PatternShaftCount(d) - 1);
}

NumberRange WrapStepsRange(const LiftplanArea& selection) {
    return SpinBoxRange(1, std::abs(selection.lastShaft - selection.firstShaft));
}

bool WrapItemTextsExchanged(const Draft& d) {
    return !d.ShaftOneAtBottom;
}

StructureChange WrapLiftplan(Draft& d, bool right, int steps) {
    d.UsedPicks = d.LastUsedPick(MaxPicks);
    return WrapLiftplanArea(d, right, steps, {1, PatternShaftCount(d), 1, PickCount(d)});
}

StructureChange WrapLiftplanArea(Draft& d, bool right, int steps, LiftplanArea area) {
    auto& a = area;
    if (a.lastShaft < a.firstShaft) std::swap(a.firstShaft, a.lastShaft);
    if (a.lastPick < a.firstPick) std::swap(a.firstPick, a.lastPick);
    a.firstShaft = std::max(a.firstShaft, 1);
    a.lastShaft = std::min(a.lastShaft, MaxPatternShafts);
    a.firstPick = std::max(a.firstPick, 1);
    a.lastPick = std::min(a.lastPick, MaxPicks);
    const int width = a.lastShaft - a.firstShaft + 1;
    steps = std::min(steps, width - 1);
    if (steps < 1 || a.firstPick > a.lastPick) return StructureChange::Unchanged();
    // Moving left by steps is moving right by the rest of the width.
    const int shift = right ? steps : width - steps;
    std::array<bool, MaxPatternShafts> cells{};
    for (int p = a.firstPick; p <= a.lastPick; ++p) {
        for (int i = 0; i < width; ++i)
            cells[static_cast<size_t>(i)] = d.GetLiftplan(p, a.firstShaft + i);
        for (int i = 0; i < width; ++i)
            d.SetLiftplan(p, a.firstShaft + (i + shift) % width, cells[static_cast<size_t>(i)]);
    }
    return StructureChange::Changed();
}

} // namespace hm
