#pragma once
// The Insert and Delete keys at the mouse position: over the pattern threading
// or the warp colour row they insert or delete one end (over the colour row only
// its warp colour), over the liftplan or the weft colour column one pick (or only
// its weft colour). In Design mode only the colour bars count.

#include "model/draft.h"
#include "model/message.h"
#include "view/draftlayout.h"

namespace hm {

enum class PointEditKind { None, End, WarpColor, Pick, WeftColor };

struct PointEditTarget {
    PointEditKind kind = PointEditKind::None;
    int number = 0; // the draft's end or pick
    int index = 0;  // its visible column or row index
    bool ends() const { return kind == PointEditKind::End || kind == PointEditKind::WarpColor; }
};

// What the keys act on at pixel (x, y); None outside the four areas or beyond
// the draft's ends or picks.
PointEditTarget PointEditAt(const DraftLayout& layout, const Draft& d, int x, int y);

// One end or pick (or only its colour) inserted at the target; counts stay.
void InsertAtTarget(Draft& d, const PointEditTarget& t);
void DeleteAtTarget(Draft& d, const PointEditTarget& t);

// The question asked before a delete: "@delend" (or "@delwarpcol", "@delpick",
// "@delweftcol") + " " + the number, as a Yes/No question.
Message DeleteQuestion(const PointEditTarget& t);

} // namespace hm
