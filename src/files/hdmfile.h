#pragma once
// The .hdm pattern file: a plain liftplan draft with one threading.

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include "files/patternio.h"
#include "files/savefile.h"
#include "model/draft.h"

namespace hm {

// Reads an .hdm file into the draft. A whole-file read passes HdmComponents::All()
// and BlendMode::None; a blend takes only the file's liftplan. Companion design
// pictures are looked up beside path.
ReadResult ReadPatternFile(Draft& d, const QString& path, const HdmComponents& components,
                           BlendMode blend = BlendMode::None);
// The same over any readable device; companions are looked up beside path unless
// it is empty.
ReadResult ReadPatternData(Draft& d, QIODevice& device, const QString& path,
                           const HdmComponents& components, BlendMode blend = BlendMode::None);

// The bytes of an .hdm file (version 7) of the draft.
QByteArray PatternFileBytes(const Draft& d);
// Writes the .hdm file and, in Design mode, its ".hdb" companion, each replacing
// the old file only once the new one is complete on disk.
SaveResult WritePatternFile(const Draft& d, const QString& path);

} // namespace hm
