#pragma once
// Entering and leaving Design mode: the picture is built from the pattern
// level on the way in, and the pattern threading and liftplan are derived
// from the picture on the way out.

#include "model/draft.h"

namespace hm {

// Builds the design picture from the pattern threading and the liftplan and
// sets DesignMode. The scroll positions start again at the first end and pick.
void EnterDesignMode(Draft& d);

enum class LeaveDesignResult {
    Left,          // the draft is in Draft mode now
    TooManyShafts, // the picture needs more than 128 pattern shafts; nothing changed
};

// Derives the pattern level from the picture and clears DesignMode. When the
// picture has more distinct columns than pattern shafts and acceptTooMany is
// false, the draft stays as it was. visibleEnds: the ends the view shows; a
// threading within them switches the pattern threading on.
LeaveDesignResult LeaveDesignMode(Draft& d, bool acceptTooMany, int visibleEnds);

} // namespace hm
