#pragma once
// Copy, paste, delete and crop of a selected area of the draft. The content
// travels as a cell picture (threadings, treadlings, liftplan, design grid) or a
// colour list (warp and weft colours); the system clipboard itself is the UI's.

#include "model/draft.h"
#include "ops/clipboardareas.h"
#include "ops/clipboardformats.h"
#include "ops/structurechange.h"

namespace hm {

// What a copy yields: a picture, or a colour list for the colour kinds, and the
// first corner of the copied area in draft positions (the source of Paste Special).
struct ClipboardContent {
    SelectionKind kind = SelectionKind::None;
    ClipboardCellPicture picture;
    ClipboardColorList colors;
    int sourceColumn = 0;
    int sourceRow = 0;

    bool IsColorList() const { return IsColorKind(kind); }
};

// The area's cells: the liftplan or design grid cell for cell; a threading or
// treadling as one picture row per end or pick with the group's shafts or
// treadles as columns; the colours as a list. Ranges are cut to the arrays.
ClipboardContent CopyArea(const Draft& d, const ClipboardArea& area);

// Pastes a picture with its top left at the target (the first corner of a
// selection of that kind). Liftplan: cells beyond LiftplanWidth or pick 4800 are
// left out; design grid: beyond 2400. Threadings and treadlings: each row
// becomes one value (see ThreadValuesFromPicture) for end target+k up to Ends, or
// pick target+k up to 4800. Returns whether anything was written.
bool PastePicture(Draft& d, SelectionKind kind, int targetColumn, int targetRow,
                  const ClipboardCellPicture& picture);
// Value k to end (pick) target+k up to Ends (Picks); nothing for an empty list.
bool PasteColorList(Draft& d, SelectionKind kind, int target, const ClipboardColorList& colors);

// Delete of a selection: a threading, treadling or colour selection deletes its
// ends or picks from that one component, the rest moving up; a liftplan
// selection over shafts 1..PatternShafts deletes its picks from the liftplan; any
// other liftplan selection and a design-grid selection clear their cells.
StructureChange DeleteArea(Draft& d, const ClipboardArea& area);

// Crop: a threading, treadling, liftplan or design-grid component keeps only the
// selected part, moved to end (shaft) 1 and pick 1, and the scroll offset along
// the moved direction returns to 0; a design-grid crop first removes the warp
// and weft colours before the selection. A colour crop removes the colours
// before the selection and moves the later ones forward. The change asks for a
// new layout.
StructureChange CropToArea(Draft& d, const ClipboardArea& area);

} // namespace hm
