#pragma once
// Print Screen Image: the main window's drawing area, as the screen shows it,
// stretched into the printing rectangle, with the footer of the ends and picks
// it shows.

#include <QImage>
#include <QPagedPaintDevice>

#include "model/draft.h"
#include "output/printjob.h"

namespace hm {

// The ends and picks the view shows: from its offset + 1 to the offset + the
// visible count; a fabric view uses the fabric offsets and counts no more
// than Ends and Picks.
FooterRange ShownRange(const Draft& d, bool fabricView, int visibleEnds, int visiblePicks);

PrintOutcome PrintScreenImage(QPagedPaintDevice& device, const PrintContext& context,
                              const QImage& drawingArea, const FooterRange& shown);

} // namespace hm
