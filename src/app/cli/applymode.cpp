// apply operations that switch between Draft and Design mode.
#include <array>

#include "app/cli/applyoperations.h"
#include "model/draft.h"
#include "ops/designmode.h"

namespace hm {

namespace {

int DesignOnOff(ApplyContext& c) {
    const int on = c.Choice(0, {"off", "on"});
    if (on < 0) return ExitUsage;
    if (on) {
        EnterDesignMode(c.draft);
    } else if (LeaveDesignMode(c.draft, false, MaxEnds) == LeaveDesignResult::TooManyShafts) {
        // The desktop program asks; confirming keeps the first 128 shafts.
        c.Report({{MessageKind::Confirmation, "@emaxshafts", ""}});
        LeaveDesignMode(c.draft, true, MaxEnds);
    }
    return 0;
}

const std::array<ApplyOperation, 1> Operations = {{
    {"design", "on|off", DesignOnOff},
}};

} // namespace

std::span<const ApplyOperation> ModeOperations() {
    return Operations;
}

} // namespace hm
