#pragma once
// Make Symmetrical: a threading, treadling or the liftplan mirrored around its
// last used element, which is not repeated.

#include "model/draft.h"
#include "ops/structurechange.h"

namespace hm {

// The menu's items: Warp (pattern threading with the warp colours), Weft
// (liftplan rows with the weft colours) and the ground threadings and
// treadlings, which move no colours.
enum class MirrorTarget { Warp, Weft, ThreadingA, ThreadingB, TreadlingA, TreadlingB };

// With a the last used element: element a+k takes element a-k for k = 1, 2, ..
// while a+k lies within Ends (Picks) and a-k >= 1. Reports "@globnopat" when a
// is 0 or 1 and "@noroomthreading" ("No room left in Threading.") or
// "@noroomweft" ("No room left in weft.") when a is the last end (pick); the
// draft is unchanged then.
StructureChange MirrorRepeat(Draft& d, MirrorTarget target);

} // namespace hm
