#pragma once
// Small steps that both pattern readers share.

#include <QFile>
#include <QString>
#include <functional>

#include "files/bytereader.h"
#include "files/patternio.h"

namespace hm {

// Runs body over the reader; a short file or a device error becomes an error
// message and marks the result as stopped. Returns false when the body stopped.
bool RunGuarded(ReadResult& result, const std::function<void()>& body);

// Opens path for reading; on failure adds the system's error to result.
bool OpenForReading(QFile& file, const QString& path, ReadResult& result);

} // namespace hm
