#pragma once
// Paste Special: the clipboard content pasted again and again, each copy as far
// from the last as the target lies from the place the content was copied from,
// with per-copy flips, inversion, quarter turns and shifts, optionally inserted
// before what was there.

#include <vector>

#include "model/draft.h"
#include "ops/clipboardareas.h"
#include "ops/clipboardformats.h"

namespace hm {

inline constexpr int MaxPasteCopies = 9999;

struct PasteSpecialOptions {
    int copies = 1; // 1..9999; ignored with fillRemaining
    bool fillRemaining = false;
    bool insert = false;
    bool negative = false;
    bool flipHorizontal = false;
    bool flipVertical = false;
    bool rotate = false;
    int advance = 0;
};

// The fields the dialog offers for a kind.
struct PasteSpecialFields {
    bool insert = false;         // threadings, treadlings, colours
    bool negative = false;       // liftplan, design grid
    bool rotate = false;         // liftplan, design grid
    bool flipHorizontal = false; // all but the weft colours
    bool flipVertical = false;   // all but the warp colours
    bool advance = false;        // threadings, treadlings
    int advanceLimit = 0;        // |advance| <= group size - 1
};
PasteSpecialFields FieldsForKind(SelectionKind kind, int groupSize);

// The options as they apply to a kind: the fields it does not offer are off, the
// copies lie in 1..9999 and an advance outside the group's range is 0.
PasteSpecialOptions OptionsForKind(PasteSpecialOptions options, const PasteSpecialFields& fields);

// The pixel at (x, y) of a w x h picture turned `turns` quarter turns, seen
// through its own w x h frame. One turn makes pixel (x, y) the former pixel
// (w - 1 - y, x), so a square picture turns exactly; a turned oblong is cut by
// the frame and the frame's cells it does not reach are clear, while half a turn
// is exact for every shape.
bool TurnedPixel(const ClipboardCellPicture& picture, int turns, int x, int y);

// Liftplan and design grid. Copy n (from 0) lies at target + n x (target -
// source); one copy when the target is the source (liftplan: unless the target
// lies below the source). Liftplan copies stop before a copy that would start
// after Picks, write rows up to Picks and wrap round the liftplan's columns;
// design-grid copies stop beyond 2400. Where copies overlap, the later one wins,
// cell for cell. Returns whether any cell was written.
bool PasteSpecialPicture(Draft& d, SelectionKind kind, int sourceColumn, int sourceRow,
                         int targetColumn, int targetRow, const ClipboardCellPicture& picture,
                         const PasteSpecialOptions& options);

// Threadings, treadlings and colours: copies of the value list one after the
// other from the target (one copy unless the target lies after the source), up
// to Ends or Picks. Threadings reverse with Flip Horizontal and mirror their
// shafts with Flip Vertical, treadlings the other way round; warp colours
// reverse with Flip Horizontal, weft colours with Flip Vertical. Returns whether
// any value was written.
bool PasteSpecialList(Draft& d, SelectionKind kind, int source, int target,
                      const std::vector<uint8_t>& values, const PasteSpecialOptions& options);

} // namespace hm
