#pragma once
// The draft as a picture, for printing and for the draft PNG: the draft view's
// arrangement for a chosen range of ends and picks at a chosen cell size,
// painted by the view's own painter, with the fill choices and grid pens of
// printed output. The dialogs' start values and limits live here too, because
// Print Draft and Save Draft as PNG share them.

#include <QPainter>
#include <memory>

#include "model/numberrange.h"
#include "view/canvas.h"
#include "view/draftlayout.h"

namespace hm {

struct DraftRange {
    int fromEnd = 1;
    int ends = 0; // 0: no threading areas
    int fromPick = 1;
    int picks = 0; // 0: no treadling areas
    // The "To End:" and "To Pick:" labels.
    int ToEnd() const { return fromEnd + ends - 1; }
    int ToPick() const { return fromPick + picks - 1; }
};

// Which marks are drawn; the colour bars always are.
struct DraftFill {
    bool threading = true;
    bool tieup = true;
    bool treadling = true; // treadlings and liftplan
    bool drawdown = true;
};

struct DraftRangeLimits {
    NumberRange fromEnd, ends, fromPick, picks;
    bool Allow(const DraftRange& r) const {
        return fromEnd.Contains(r.fromEnd) && ends.Contains(r.ends) &&
               fromPick.Contains(r.fromPick) && picks.Contains(r.picks);
    }
};

// From End 1..Ends-2, No. of Ends 0..Ends, and the same for picks.
DraftRangeLimits DraftRangeLimitsOf(const Draft& d);

// The range the dialogs propose: from end and pick 1; the ends shown in the
// view, or the used ends when fewer and not 0; the picks shown, or the used
// picks when fewer and not 0, or the number of ends when the used picks are 0
// or more than the picks shown.
DraftRange ProposedDraftRange(const Draft& d, int visibleEnds, int visiblePicks);

struct CellGrid {
    int cols = 0;
    int rows = 0;
};

// The picture's size in cells: the ends (picks) plus the areas beside them and
// their gaps; only the ends across when there are no picks, only the picks
// down when there are no ends.
CellGrid DraftPictureCells(const Draft& d, int ends, int picks);

class DraftPicture {
  public:
    DraftPicture(const Draft& d, const DraftRange& range, int cellW, int cellH);
    ~DraftPicture();
    DraftPicture(const DraftPicture&) = delete;
    DraftPicture& operator=(const DraftPicture&) = delete;

    const DraftLayout& layout() const { return layout_; }
    const CellGrid& cells() const { return cells_; }
    // The picture's pixel size, including the last grid line of the given pen.
    int Width(int penW) const { return cells_.cols * layout_.cellW + penW; }
    int Height(int penH) const { return cells_.rows * layout_.cellH + penH; }

    // Paints onto a canvas whose origin is the picture's top-left corner, on a
    // white ground with black marks. Grid lines are penV pixels wide (vertical)
    // and penH high (horizontal). With marksAsNumbers the marks are left for
    // PaintNumbers, except the point marks of pattern ties.
    void Paint(Canvas& canvas, const DraftFill& fill, QRgb gridColour, int penV = 1, int penH = 1,
               bool marksAsNumbers = false) const;
    // The marks of the filled areas as numbers: the shaft in threadings and
    // tie-ups, the treadle in treadlings, the column in the liftplan.
    void PaintNumbers(QPainter& painter, const DraftFill& fill) const;

  private:
    void ThickGrids(Canvas& canvas, QRgb colour, int penV, int penH) const;

    std::unique_ptr<Draft> draft_; // the draft as the picture shows it
    DraftLayout layout_;
    CellGrid cells_;
};

} // namespace hm
