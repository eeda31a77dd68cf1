#pragma once
// The .hdx complex-drafting pattern file, the program's own format.

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include "files/patternio.h"
#include "files/savefile.h"
#include "model/draft.h"

namespace hm {

// Reads an .hdx file into the draft. A whole-file read passes HdxComponents::All().
ReadResult ReadCdPatternFile(Draft& d, const QString& path, const HdxComponents& components);
// The same over any readable device; companions are looked up beside path unless
// it is empty.
ReadResult ReadCdPatternData(Draft& d, QIODevice& device, const QString& path,
                             const HdxComponents& components);

// The bytes of an .hdx file (version 7). With saveLayoutOptions, byte 26 carries
// the three start positions and bit 7; without it the byte is 0.
QByteArray CdPatternFileBytes(const Draft& d, bool saveLayoutOptions);
// Writes the .hdx file and, in Design mode, its "_cd.hdb" companion, each replacing
// the old file only once the new one is complete on disk.
SaveResult WriteCdPatternFile(const Draft& d, const QString& path, bool saveLayoutOptions);

} // namespace hm
