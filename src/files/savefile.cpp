#include "files/savefile.h"

#include <QSaveFile>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace hm {

SaveResult SaveResult::Failure(const QString& path, const QString& systemText) {
    SaveResult result;
    result.ok = false;
    result.error =
        Message{MessageKind::Error, "File Write Error: ", (path + ": " + systemText).toStdString()};
    return result;
}

SaveResult SaveFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return SaveResult::Failure(path, file.errorString());
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString text = file.errorString();
        file.cancelWriting();
        return SaveResult::Failure(path, text);
    }
#ifdef Q_OS_UNIX
    // The data must be on disk before the rename makes it the target.
    if (::fsync(file.handle()) != 0) {
        file.cancelWriting();
        return SaveResult::Failure(path, QString::fromLocal8Bit(strerror(errno)));
    }
#endif
    if (!file.commit()) return SaveResult::Failure(path, file.errorString());
    return {};
}

} // namespace hm
