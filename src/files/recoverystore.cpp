#include "files/recoverystore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <algorithm>

#include "files/designfile.h"
#include "files/hdxfile.h"

namespace hm {

namespace {

const QString DraftSuffix = QStringLiteral(".hdx");
const QString LockSuffix = QStringLiteral(".lock");
const QString NameSuffix = QStringLiteral(".name");

QString NewSessionId() {
    return QStringLiteral("session-%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(QDateTime::currentMSecsSinceEpoch(), 0, 16);
}

} // namespace

QString RecoveryStore::DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/recovery");
}

QString RecoveryStore::DraftPathOf(const QString& folder, const QString& id) {
    return folder + u'/' + id + DraftSuffix;
}

RecoveryStore::RecoveryStore(const QString& folder) : folder_(folder), id_(NewSessionId()) {
    QDir().mkpath(folder_);
    lock_ = std::make_unique<QLockFile>(folder_ + u'/' + id_ + LockSuffix);
    lock_->setStaleLockTime(0);
    lock_->tryLock(0);
}

RecoveryStore::~RecoveryStore() = default;

SaveResult RecoveryStore::Write(const Draft& d, const QString& currentFile) {
    QDir().mkpath(folder_);
    SaveResult result = WriteCdPatternFile(d, DraftPath(), true);
    if (!result.ok) return result;
    return SaveFileAtomically(folder_ + u'/' + id_ + NameSuffix, currentFile.toUtf8());
}

void RecoveryStore::RemoveFiles(const QString& folder, const QString& id) {
    const QString draft = DraftPathOf(folder, id);
    QFile::remove(draft);
    QFile::remove(CompanionDesignFile(draft, PatternFormat::Hdx));
    QFile::remove(folder + u'/' + id + NameSuffix);
}

void RecoveryStore::Remove() {
    RemoveFiles(folder_, id_);
}

bool RecoveryStore::HasCopy() const {
    return QFileInfo::exists(DraftPath());
}

std::vector<RecoveryCopy> RecoveryStore::FindOrphans() const {
    std::vector<RecoveryCopy> found;
    const QDir dir(folder_);
    const QStringList drafts =
        dir.entryList({QStringLiteral("session-*") + DraftSuffix}, QDir::Files);
    for (const QString& name : drafts) {
        const QString id = name.left(name.size() - DraftSuffix.size());
        if (id == id_) continue;
        // A lock that can be taken belongs to no running program.
        QLockFile lock(dir.filePath(id + LockSuffix));
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0)) continue;
        lock.unlock();
        RecoveryCopy copy;
        copy.id = id;
        copy.draftPath = dir.filePath(name);
        copy.written = QFileInfo(copy.draftPath).lastModified();
        QFile nameFile(dir.filePath(id + NameSuffix));
        if (nameFile.open(QIODevice::ReadOnly))
            copy.originalFile = QString::fromUtf8(nameFile.readAll());
        found.push_back(copy);
    }
    std::sort(found.begin(), found.end(),
              [](const RecoveryCopy& a, const RecoveryCopy& b) { return a.written > b.written; });
    return found;
}

void RecoveryStore::RemoveCopy(const RecoveryCopy& copy) {
    const QFileInfo info(copy.draftPath);
    RemoveFiles(info.absolutePath(), copy.id);
}

} // namespace hm
