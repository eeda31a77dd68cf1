#pragma once
// Lines of plain text on paper, in the numeric font, from the top left of the
// printing rectangle. A form feed starts a new page, and so does a full page.
// The numeric lists print through here, and so can the report windows.

#include <QPagedPaintDevice>
#include <QStringList>

#include "output/printjob.h"

namespace hm {

PrintOutcome PrintTextLines(QPagedPaintDevice& device, const PrintContext& context,
                            const QStringList& lines);

} // namespace hm
