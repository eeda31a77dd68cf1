#pragma once
// Recovery copies of a modified draft, so that a crash loses at most a few
// minutes of work. Each running program has a session: a lock file held while it
// runs, the draft as an .hdx file written by the real writer (with its design
// companion in Design mode), and a small file naming the draft's own file. A
// copy whose session lock is no longer held belongs to a program that ended
// without a clean exit.

#include <QDateTime>
#include <QString>
#include <memory>
#include <vector>

#include "files/savefile.h"

class QLockFile;

namespace hm {

class Draft;

struct RecoveryCopy {
    QString id;           // session id
    QString draftPath;    // the .hdx copy
    QString originalFile; // the draft's current file when the copy was written (may be empty)
    QDateTime written;
};

class RecoveryStore {
  public:
    // The folder "recovery" under the program's data folder.
    static QString DefaultFolder();

    // Starts a session in the folder (created when missing) and takes its lock.
    explicit RecoveryStore(const QString& folder = DefaultFolder());
    // Releases the lock; the copy stays for the next start unless Remove() ran.
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    // Writes the draft as this session's copy, replacing the previous one only
    // once the new one is complete.
    SaveResult Write(const Draft& d, const QString& currentFile);
    // Removes this session's copy.
    void Remove();
    bool HasCopy() const;

    // Copies left by sessions that ended without a clean exit, newest first.
    std::vector<RecoveryCopy> FindOrphans() const;
    // Removes a copy with its companion and name file.
    static void RemoveCopy(const RecoveryCopy& copy);

    const QString& Folder() const { return folder_; }
    const QString& SessionId() const { return id_; }
    QString DraftPath() const { return DraftPathOf(folder_, id_); }

  private:
    static QString DraftPathOf(const QString& folder, const QString& id);
    static void RemoveFiles(const QString& folder, const QString& id);

    QString folder_;
    QString id_;
    std::unique_ptr<QLockFile> lock_;
};

} // namespace hm
