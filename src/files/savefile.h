#pragma once
// Saving a file without ever destroying the previous one: the bytes go to a
// temporary file beside the target, are flushed to disk, and the temporary file
// is then renamed over the target.

#include <QByteArray>
#include <QString>

#include "model/message.h"

namespace hm {

struct SaveResult {
    bool ok = true;
    Message error; // kind Error, the system's error text in suffix

    static SaveResult Failure(const QString& path, const QString& systemText);
};

SaveResult SaveFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace hm
