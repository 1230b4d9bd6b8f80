#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace quillon::platform {

// One file of a save: the bytes it gets and, when it exists now and is to be
// kept, the file that receives its current contents.
struct PlannedFile {
    QString path;
    QByteArray bytes;
    QString backupPath; // empty: the current contents are not kept
};

struct CommitResult {
    bool ok = false;
    QString failedPath;      // the file that could not be written, kept or replaced
    QString reason;          // the system's words for the failure
    QStringList notRestored; // files a failure left changed, because putting them back failed
    QStringList backups;     // the backups made, in plan order
};

// Saves `files` all or nothing. Every new file and every backup is first
// written to a temporary file beside its target, synced and checked; only
// then are the backups and after them the files replaced, in plan order, by
// renaming. A failure puts back everything replaced so far and removes the
// temporary files. While files are being replaced, a note in `folder` marks
// the save as unfinished, so that a crash is found by the next load.
CommitResult CommitFiles(const QString& folder, const std::vector<PlannedFile>& files);

// What a crash left in `folder`. Temporary files are removed. A save that
// had replaced backups but no file yet has its backups put back. One that
// had replaced some of its files but not all sets `interrupted`, and
// `backups` lists the backups that hold the files as they were before.
struct LeftoverSave {
    bool interrupted = false;
    QStringList backups;
};
LeftoverSave TidyUnfinishedSave(const QString& folder);

} // namespace quillon::platform
