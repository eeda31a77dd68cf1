#pragma once
// Lines of plain text on paper, in the numeric font, from the top left of the
// printing rectangle. A form feed starts a new page, and so does a full page.
// The numeric lists print through here, and so can the report windows.
// Lines too wide for the margins move left into the printable area rather than
// run off the paper.

#include <QPagedPaintDevice>
#include <QStringList>

#include "output/printjob.h"

namespace hm {

// Where the lines start across: the rectangle's left edge, or as far left as the
// widest line needs to end inside the printable width, but not past its edge.
int TextColumnLeft(const PrinterGeometry& g, const PrintRect& r, int widestLine);

PrintOutcome PrintTextLines(QPagedPaintDevice& device, const PrintContext& context,
                            const QStringList& lines);

} // namespace hm
