#pragma once
// Small steps that both pattern readers share.

#include <QFile>
#include <QString>
#include <functional>

#include "files/bytereader.h"
#include "files/designfile.h"
#include "files/patternio.h"
#include "model/draft.h"

namespace hm {

// Runs body over the reader; a short file or a device error becomes an error
// message and marks the result as stopped. Returns false when the body stopped.
bool RunGuarded(ReadResult& result, const std::function<void()>& body);

// Opens path for reading; on failure adds the system's error to result.
bool OpenForReading(QFile& file, const QString& path, ReadResult& result);

// Header bytes 3 to 10, laid out alike in both pattern formats: zoom, pattern
// shafts, Design mode, shed, compression and the two densities (cell
// proportions in old files). Returns the file's Design-mode flag.
bool ApplySharedHeaderBytes(Draft& d, const uint8_t* header, bool old);

// A pattern-threading read makes room for the file's pattern shafts.
void RaisePatternShafts(Draft& d, int fileShafts);

// Design mode as a pattern file's header gives it. In Design mode the picture is
// built from the draft, then the companion picture of the file at `path` laid
// over it: a bitmap for version 5, a design file for version 6 and later.
void ApplyFileDesignMode(Draft& d, bool designMode, const QString& path, PatternFormat format,
                         int version, ReadResult& result);

} // namespace hm
