#pragma once
// One print job on a paged device (a PDF writer, or the printer chosen in the
// print dialog): the geometry read when the job is made, the painter, new
// pages, and the footer or the note that end a picture. Also the fonts and the
// job titles of printed output.

#include <QFont>
#include <QPainter>
#include <QString>
#include <string>

#include "model/message.h"
#include "output/printgeometry.h"

class QPagedPaintDevice;

namespace hm {

// The fonts of printed output in points; a painter on the device scales them
// to its resolution.
QFont PictureFont(); // footer: Times New Roman 10
QFont NoteFont();    // note: Arial 11
QFont NumericFont(); // numeric lists: Courier New 12

// The title of a picture job: "Heddlemark - " and the current name.
QString PrintJobTitle(const QString& currentName);

// Titles of the numeric jobs of a run: "Heddlemark Numeric 1", then 2, 3 ...
class NumericJobCounter {
  public:
    QString NextTitle();

  private:
    int next_ = 1;
};

// What every print job needs besides its own choices.
struct PrintContext {
    PageMargins margins;
    QString currentName; // the current file's name without folder and extension
};

struct PrintOutcome {
    bool printed = false;
    Messages messages; // to show in message boxes
};

// The ends and picks named by the footer.
struct FooterRange {
    int firstEnd = 1;
    int lastEnd = 0;
    int firstPick = 1;
    int lastPick = 0;
};

// Whether a job with "Print Note below the image" prints the note instead of
// the footer: the box is checked and the note has more than five characters.
bool PrintsNote(bool printNoteChecked, const std::string& note);

class PrintJob {
  public:
    PrintJob(QPagedPaintDevice& device, const PrintContext& context);
    ~PrintJob();
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    const PrinterGeometry& geometry() const { return geometry_; }
    const PrintRect& rect() const { return rect_; }
    // Height of "M" in the picture font on this device.
    int TextH() const { return textH_; }
    PictureSize Fit(double a, double b) const { return FitPicture(geometry_, rect_, textH_, a, b); }

    // Starts painting on the device; false when the device cannot be opened.
    bool Begin();
    QPainter& painter() { return painter_; }
    bool NewPage();
    // Finishes the job; false when the device reported a failure.
    bool End();

    // The footer line at the bottom of the rectangle: the name, the ends and the
    // picks.
    void PrintFooter(const FooterRange& range);
    // The note's lines below a picture of the given height, down to one inch
    // above the paper's bottom edge.
    void PrintNote(int pictureHeight, const std::string& note);
    void PrintFooterOrNote(const FooterRange& range, int pictureHeight, bool printNoteChecked,
                           const std::string& note);

  private:
    QPagedPaintDevice& device_;
    PrinterGeometry geometry_;
    PrintRect rect_;
    int textH_ = 0;
    QString name_;
    QPainter painter_;
};

} // namespace hm
