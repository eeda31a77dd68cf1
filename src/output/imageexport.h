#pragma once
// What the three image exports share: their result, the used extent they
// start from, the names and folders their save dialogs propose, and the values
// remembered for the run.

#include <QByteArray>
#include <QString>

#include "model/draft.h"
#include "model/message.h"
#include "model/numberrange.h"
#include "output/pngwriter.h"

namespace hm {

// An export made in memory; the caller writes the bytes (SaveFileAtomically)
// so that a file is never left half written.
struct ExportResult {
    bool ok = false;
    QByteArray bytes;
    Messages messages; // notices and errors to show, also when ok
};

// The used extent: the last end with a threading entry and the last pick with a
// liftplan or treadling entry; in Design mode the extent of the picture.
struct UsedExtent {
    int ends = 0;
    int picks = 0;
};
UsedExtent ExportExtent(const Draft& d);

// The notice of an export that finds no pattern: "No Pattern".
Message NoPatternNotice();

// Finishes an export with its encoded PNG: the bytes, or the error "PNG Image
// Error - Out of Resources." when the encoding failed.
void TakePng(ExportResult& r, PngResult png);

// The save dialogs' proposed name: the current file's name without folder and
// extension followed by the extension (".png", ".bmp"); empty without a file.
QString ProposedExportName(const QString& currentFile, const QString& extension);

// The numbers dialog of the fabric PNG and the drawdown BMP is titled with the
// command's menu caption without its "&"; its fields are labelled "@idends"
// and "@idpicks".
QString NumbersDialogTitle(const QString& menuCaption);

// Its start: not ok (with a notice) when there is nothing to export, else the
// proposed ends and picks and the limits of both fields.
struct NumbersDialogStart {
    bool ok = false;
    Message notice;
    int ends = 0;
    int picks = 0;
    NumberRange endLimits;
    NumberRange pickLimits;
};

// The save dialogs' filters, translated, in Qt's "Text (*.x);;..." form.
QString PngFilter();
QString BmpFilter();

// Values kept for the run: the fabric PNG dialog's folder, and the draft PNG
// dialog's "Pixels per end:" and grid colour, taken when it closes with OK.
struct ExportMemory {
    QString lastPngFolder;
    int pixelsPerEnd = 10;
    bool grayGrid = false;
};

// The folder the fabric PNG save dialog starts in: that of the last PNG file
// chosen in it, else the Open dialog's folder.
QString FabricPngFolder(const ExportMemory& memory, const QString& openFolder);
void RememberPngFile(ExportMemory& memory, const QString& chosenPath);

} // namespace hm
