#pragma once
// File > Open for a path: the file kind by its name, the clearing before the
// read, the read, and the recomputation of the extents and repeats after it.

#include <QString>

#include "files/patternio.h"
#include "model/draft.h"

namespace hm {

enum class FileKind { Picture, Hdm, Hdx, Wif };

// The extension from the last point (at most 10 characters, upper case): ".BMP"
// a picture, ".HDM" an .hdm pattern file, ".WIF" a WIF, anything else an .hdx file.
FileKind FileKindOf(const QString& path);

struct OpenResult {
    FileKind kind = FileKind::Hdx;
    ReadResult read;
};

// Opens a whole file into the draft as File > Open does. A pattern file clears
// the draft and its note first (a WIF only once it is known to fit); afterwards the used extents
// (of the picture in Design mode) are recomputed, and for a pattern file also the repeat lengths.
// The window steps (current file, recent list, repaint) follow the result.
OpenResult OpenPatternFile(Draft& d, const QString& path);

} // namespace hm
