#include "ops/trompaswrit.h"

#include <algorithm>

namespace hm {

bool TrompKindEnabled(const Draft& d, TrompKind kind) {
    if (kind == TrompKind::ThreadingBToTreadlingB || kind == TrompKind::TreadlingBToThreadingB)
        return d.ThreadingBOn && d.TreadlingBOn;
    return true;
}

namespace {

// Copies a threading to a treadling or back; the target's count rises to the
// source's. Returns whether the count rose.
template <typename Target, typename Source>
bool CopyWithCount(Target& target, int& targetCount, const Source& source, int sourceCount) {
    static_assert(Target::size() == Source::size());
    std::copy_n(source.data(), Source::size(), target.data());
    if (targetCount >= sourceCount) return false;
    targetCount = sourceCount;
    return true;
}

} // namespace

StructureChange TrompAsWrit(Draft& d, TrompKind kind) {
    bool layout = false;
    switch (kind) {
    case TrompKind::ThreadingAToTreadlingA:
        layout = CopyWithCount(d.TreadlingA, d.TreadlesA, d.ThreadingA, d.ShaftsA);
        break;
    case TrompKind::TreadlingAToThreadingA:
        layout = CopyWithCount(d.ThreadingA, d.ShaftsA, d.TreadlingA, d.TreadlesA);
        break;
    case TrompKind::ThreadingBToTreadlingB:
        layout = CopyWithCount(d.TreadlingB, d.TreadlesB, d.ThreadingB, d.ShaftsB);
        break;
    case TrompKind::TreadlingBToThreadingB:
        layout = CopyWithCount(d.ThreadingB, d.ShaftsB, d.TreadlingB, d.TreadlesB);
        break;
    case TrompKind::WarpToWeftColors:
        d.WeftColors = d.WarpColors;
        break;
    case TrompKind::WeftToWarpColors:
        d.WarpColors = d.WeftColors;
        break;
    case TrompKind::SwitchColors:
        std::swap(d.WarpColors, d.WeftColors);
        break;
    default:
        return StructureChange::Unchanged();
    }
    return StructureChange::Changed(layout);
}

} // namespace hm
