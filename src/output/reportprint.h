#pragma once
// Printing a report as plain text: three empty lines, then every report line
// after sixteen blanks, in "Courier New" 12 point, page after page.

#include <QFont>
#include <QStringList>

class QPagedPaintDevice;
class QPainter;

namespace hm {

// The text as it goes to the printer, line by line.
QStringList ReportPrintText(const QStringList& reportLines);

// "Courier New", 12 point, fixed pitch.
QFont ReportPrintFont();

// How many text lines fit on one page of the device (at least 1).
int ReportLinesPerPage(QPagedPaintDevice& device);

// Prints the report onto a paged device (a QPrinter the print dialog set up, a
// QPdfWriter): lines from the top of the printable area down, a new page when
// the next line would not fit; lines wider than the page are cut at its edge.
// Returns the number of pages, or 0 when painting could not start.
int PrintReport(QPagedPaintDevice& device, const QStringList& reportLines);

// The same with a painter already active on the device.
int PaintReport(QPainter& painter, QPagedPaintDevice& device, const QStringList& reportLines);

} // namespace hm
