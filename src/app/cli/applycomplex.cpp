// apply operations of complex drafting: expand the pattern, insert in and
// straighten the pattern threading, reanalyse the pattern.
#include <array>

#include "app/cli/applyoperations.h"
#include "model/draft.h"
#include "ops/complexdraftingtexts.h"
#include "ops/expand.h"
#include "ops/insertinpattern.h"
#include "ops/reanalyze.h"
#include "ops/straightthreading.h"

namespace hm {

namespace {

int Done(ApplyContext& c, const StructureChange& change) {
    InitComplexDraftingTexts();
    c.Report(change.messages);
    return 0;
}

// The menu items are disabled without the pattern level, and all but Expand
// outside the Draft view; the operations are refused alike.
bool Available(ApplyContext& c, bool draftModeOnly) {
    if (!c.draft.PatternThreadingOn) {
        c.Fail("needs the pattern threading in use");
        return false;
    }
    if (draftModeOnly && c.draft.DesignMode) {
        c.Fail("needs Draft mode (design off)");
        return false;
    }
    return true;
}

int ExpandOp(ApplyContext& c) {
    int ends = 0, picks = 0;
    if (!c.Number(0, "FE", 1, MaxExpandFactor, ends) ||
        !c.Number(1, "FP", 1, MaxExpandFactor, picks) || !c.AtMost(2) || !Available(c, false))
        return ExitUsage;
    c.draft.ExpandFactorEnds = ends; // stored as the dialog's OK stores them
    c.draft.ExpandFactorPicks = picks;
    return Done(c, ExpandPattern(c.draft, ends, picks));
}

int InsertInPatternThreadingOp(ApplyContext& c) {
    int interval = 0;
    if (!c.Number(0, "INTERVAL", 1, MaxInsertInterval, interval)) return ExitUsage;
    const int from = c.Choice(1, {"end1", "after"});
    if (from < 0 || !c.AtMost(2) || !Available(c, true)) return ExitUsage;
    return Done(c, InsertInPatternThreading(c.draft, interval, from == 0));
}

// The whole draft stands in for the part the window shows.
int StraightPatternThreadingOp(ApplyContext& c) {
    if (!c.AtMost(0) || !Available(c, true)) return ExitUsage;
    const Message noPattern = StraightThreadingCheck(c.draft, MaxEnds, MaxPicks);
    if (!noPattern.empty()) return Done(c, {false, false, {noPattern}});
    return Done(c, StraightPatternThreading(c.draft));
}

int ReanalyzeOp(ApplyContext& c) {
    if (!c.AtMost(0) || !Available(c, true)) return ExitUsage;
    if (!CanReanalyze(c.draft, MaxEnds, MaxPicks)) return 0; // as the menu: not a word
    return Done(c, ReanalyzePattern(c.draft));
}

const std::array<ApplyOperation, 4> Operations = {{
    {"expand", "FE FP", ExpandOp},
    {"insert-in-pattern-threading", "INTERVAL end1|after", InsertInPatternThreadingOp},
    {"straight-pattern-threading", "", StraightPatternThreadingOp},
    {"reanalyze", "", ReanalyzeOp},
}};

} // namespace

std::span<const ApplyOperation> ComplexDraftingOperations() {
    return Operations;
}

} // namespace hm
