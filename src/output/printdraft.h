#pragma once
// Print Draft: the choices of the "Print Draft" dialog, their start values,
// and the job that prints the chosen range of the draft at the largest cell
// size the printing rectangle allows.

#include <QPagedPaintDevice>

#include "output/draftpicture.h"
#include "output/printjob.h"

namespace hm {

struct PrintDraftChoice {
    DraftRange range;
    DraftFill fill;
    bool printNote = true; // "Print Note below the image"
};

// The dialog's start values (every box checked) for a view showing
// visibleEnds x visiblePicks; its limits are DraftRangeLimitsOf.
PrintDraftChoice PrintDraftStart(const Draft& d, int visibleEnds, int visiblePicks);

// Grid pen widths of a printer: a three-hundredth of an inch, at least 1.
int VerticalGridPen(const PrinterGeometry& g);
int HorizontalGridPen(const PrinterGeometry& g);

// The printed cell size for the range: the picture's width and height divided
// by its columns and rows.
struct PrintedCells {
    int cellW = 0;
    int cellH = 0;
    PictureSize picture;
    bool TooSmall() const { return cellW < 2 || cellH < 2; }
};
PrintedCells PrintedCellSize(const PrintJob& job, const Draft& d, const DraftRange& range);

// Prints the draft; nothing when both counts are 0. Cells below 2 printer
// pixels give the error "@printtoosmall" and print nothing.
PrintOutcome PrintDraft(QPagedPaintDevice& device, const PrintContext& context, const Draft& d,
                        const PrintDraftChoice& choice);

} // namespace hm
