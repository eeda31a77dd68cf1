#include "ops/designmode.h"

#include <algorithm>

#include "model/design.h"

namespace hm {

void EnterDesignMode(Draft& d) {
    d.FirstEnd = d.FirstPick = 0;
    d.FabricFirstEnd = d.FabricFirstPick = 0;
    if (!d.DesignMode) BuildDesign(d, DesignSize, DesignSize);
    d.DesignMode = true;
}

LeaveDesignResult LeaveDesignMode(Draft& d, bool acceptTooMany, int visibleEnds) {
    if (!d.DesignMode) return LeaveDesignResult::Left;
    const OneBasedBytes<MaxEnds> threadingBefore = d.PatternThreading;
    const int count = NumberColumns(d, DesignSize, DesignSize, true);
    if (count > MaxPatternShafts && !acceptTooMany) {
        d.PatternThreading = threadingBefore;
        return LeaveDesignResult::TooManyShafts;
    }
    AnalyzeDesignFull(d);
    d.DesignMode = false;
    d.FirstEnd = d.FirstPick = 0;
    d.FabricFirstEnd = d.FabricFirstPick = 0;
    if (d.PatternThreading.LastNonZero(std::max(visibleEnds, 1)) > 0) d.PatternThreadingOn = true;
    return LeaveDesignResult::Left;
}

} // namespace hm
