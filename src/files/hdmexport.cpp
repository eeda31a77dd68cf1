#include "files/hdmexport.h"

#include <algorithm>
#include <memory>

#include "files/flatten.h"
#include "files/hdmfile.h"

namespace hm {

namespace {

bool AnyTie(const TieupBlock& t) {
    return std::any_of(t.cells.begin(), t.cells.end(), [](uint8_t c) { return c != TieNone; });
}

// The ground level holds something that the drawdown reads: a threading,
// treadling or tie-up of a group in use.
bool GroundInUse(const Draft& d) {
    if (d.LastEndA(MaxEnds) > 0 || d.LastPickA(MaxPicks) > 0 || AnyTie(d.TieupAA)) return true;
    if (d.ThreadingBOn && (d.LastEndB(MaxEnds) > 0 || AnyTie(d.TieupBA))) return true;
    if (d.TreadlingBOn && (d.LastPickB(MaxPicks) > 0 || AnyTie(d.TieupAB))) return true;
    return d.ThreadingBOn && d.TreadlingBOn && AnyTie(d.TieupBB);
}

bool PatternLevelHoldsAnything(const Draft& d) {
    return d.LastPatternEnd(MaxEnds) > 0 ||
           std::any_of(d.Liftplan.begin(), d.Liftplan.end(), [](uint8_t b) { return b != 0; });
}

bool NeedsFlattening(const Draft& d) {
    // The design picture goes into the companion file whole.
    if (d.DesignMode) return false;
    // A pattern level that is switched off would come back switched on.
    return GroundInUse(d) || (!d.PatternThreadingOn && PatternLevelHoldsAnything(d));
}

// The draft with its cloth as the pattern level: the liftplan bit is set where
// the shaft's ends are up, inverted in a sinking shed as the drawdown rule reads
// it. Ends on shaft 0 (all weft on top) need no bit.
std::unique_ptr<Draft> FlattenedDraft(const Draft& d, const FlatCloth& flat) {
    auto f = std::make_unique<Draft>(d);
    f->ClearPatternThreading(1);
    f->ClearLiftplan(1);
    f->Ends = flat.Ends();
    f->Picks = flat.Picks();
    for (int e = 1; e <= flat.Ends(); ++e)
        f->PatternThreading[e] = static_cast<uint8_t>(flat.ShaftOf(e));
    for (int p = 1; p <= flat.Picks(); ++p)
        for (int s = 1; s <= flat.Shafts(); ++s)
            if (flat.WarpUp(p, s) != d.SinkingShed) f->SetLiftplan(p, s, true);
    f->PatternShafts = f->LiftplanWidth = std::max(2, flat.Shafts());
    f->PatternThreadingOn = true;
    return f;
}

} // namespace

HdmExportPlan PlanHdmExport(const Draft& d) {
    HdmExportPlan plan;
    plan.flatten = NeedsFlattening(d);
    if (plan.flatten) {
        plan.cloth = std::make_shared<const FlatCloth>(FlattenCloth(d, DraftCloth(d), false));
        plan.shaftsNeeded = plan.cloth->Shafts();
    }
    return plan;
}

Message HdmFlattenedNotice() {
    return {MessageKind::Information, "@hdmascloth", {}};
}

Message HdmLoseGroundQuestion() {
    return {MessageKind::Question, "@hdmloseground", {}};
}

HdmExportResult ExportPatternFile(const Draft& d, const QString& path, HdmGroundLoss loss) {
    return ExportPatternFile(d, PlanHdmExport(d), path, loss);
}

HdmExportResult ExportPatternFile(const Draft& d, const HdmExportPlan& plan, const QString& path,
                                  HdmGroundLoss loss) {
    HdmExportResult result;
    if (!plan.flatten || !plan.cloth) {
        result.saved = WritePatternFile(d, path);
        return result;
    }
    const FlatCloth& flat = *plan.cloth;
    if (plan.LosesGround()) {
        if (loss == HdmGroundLoss::Refuse) {
            result.saved.ok = false;
            result.saved.error = {MessageKind::Error, "@hdmtoomanyshafts",
                                  NumberSuffix(flat.Shafts())};
            return result;
        }
        result.saved = WritePatternFile(d, path);
        if (result.saved.ok)
            result.notices.push_back({MessageKind::Information, "@hdmgroundlost", {}});
        return result;
    }
    result.saved = WritePatternFile(*FlattenedDraft(d, flat), path);
    if (result.saved.ok) result.notices.push_back(HdmFlattenedNotice());
    return result;
}

} // namespace hm
