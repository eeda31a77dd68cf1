#include "ops/expand.h"

#include <algorithm>

#include "ops/expandsequences.h"

namespace hm {

void ResetExpandUnits(Draft& d) {
    for (auto& row : d.ExpandUnitOn) row.fill(1);
    for (auto& row : d.ExpandUnitOff) row.fill(0);
}

StructureChange ExpandPattern(Draft& d, int endsFactor, int picksFactor) {
    endsFactor = std::clamp(endsFactor, 1, MaxExpandFactor);
    picksFactor = std::clamp(picksFactor, 1, MaxExpandFactor);
    if (endsFactor == 1 && picksFactor == 1) return StructureChange::Unchanged();
    if (d.DesignMode) {
        ExpandDesign(d, endsFactor, picksFactor);
        return StructureChange::Changed(true);
    }
    StretchElements(d.PatternThreading.data(), 1, MaxEnds, endsFactor);
    StretchElements(d.Liftplan.data(), LiftplanRowBytes, MaxPicks, picksFactor);
    d.UpdateExtents();
    return StructureChange::Changed(true);
}

} // namespace hm
