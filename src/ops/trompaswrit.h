#pragma once
// Tromp as writ: a threading copied to its treadling or back, or the colours
// copied between warp and weft.

#include "model/draft.h"
#include "ops/structurechange.h"

namespace hm {

// The dialog's radio buttons, in order.
enum class TrompKind {
    ThreadingAToTreadlingA = 1,
    TreadlingAToThreadingA,
    ThreadingBToTreadlingB,
    TreadlingBToThreadingB,
    WarpToWeftColors,
    WeftToWarpColors,
    SwitchColors,
};
inline constexpr int TrompKinds = 7;

// Buttons 3 and 4 need both threading B and treadling B in use.
bool TrompKindEnabled(const Draft& d, TrompKind kind);

// Copies the whole sequence (all 4800 places). A threading copied to a treadling
// raises the treadle count to the shaft count when it is smaller, and the
// other way round; then the view must be laid out again.
StructureChange TrompAsWrit(Draft& d, TrompKind kind);

} // namespace hm
