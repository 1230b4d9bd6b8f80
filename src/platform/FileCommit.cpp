#include "platform/FileCommit.h"

#include "platform/Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#else
#include <filesystem>
#include <system_error>
#endif

namespace quillon::platform {

namespace {

const QString NewSuffix = QStringLiteral(".quillon-new");
const QString OldSuffix = QStringLiteral(".quillon-old");
const QString NoteName = QStringLiteral("quillon-save.unfinished");

// The new contents of `path`, and its contents before the save.
QString NewTemp(const QString& path) {
    return path + NewSuffix;
}
QString OldTemp(const QString& path) {
    return path + OldSuffix;
}

QString SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// A rename is only durable once the folder that holds it is synced; some
// file systems cannot sync a folder, which costs durability, not the save.
void SyncFolder(const QString& folder) {
#ifdef Q_OS_UNIX
    const int handle = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (handle >= 0) {
        ::fsync(handle);
        ::close(handle);
    }
#else
    Q_UNUSED(folder);
#endif
}

// Replaces `to` by `from` in one step; `to` is never missing in between.
bool RenameReplacing(const QString& from, const QString& to, QString* reason = nullptr) {
#ifdef Q_OS_UNIX
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    if (reason)
        *reason = SystemReason(errno);
    return false;
#else
    std::error_code error;
    std::filesystem::rename(from.toStdWString(), to.toStdWString(), error);
    if (error && reason)
        *reason = QString::fromStdString(error.message());
    return !error;
#endif
}

bool RemoveIfThere(const QString& path) {
    return !QFileInfo::exists(path) || QFile::remove(path);
}

// A new file with exactly `bytes`, known to be on the disk.
bool WriteSynced(const QString& path, const QByteArray& bytes, QString& reason) {
    if (!RemoveIfThere(path)) {
        reason = SystemReason(EACCES);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        reason = file.errorString();
        return false;
    }
    bool ok = writeThrough(file, bytes, &reason);
    file.close();
    if (ok && file.error() != QFileDevice::NoError) {
        ok = false;
        reason = file.errorString();
    }
    if (!ok)
        QFile::remove(path);
    return ok;
}

// Something other than a writable file in a target's place cannot be
// replaced; a read-only file is the user's way of protecting it.
bool Replaceable(const QString& path, QString& reason) {
    const QFileInfo info(path);
    if (!info.exists())
        return true;
    if (!info.isFile()) {
        reason = SystemReason(EISDIR);
        return false;
    }
    if (!info.isWritable()) {
        reason = SystemReason(EACCES);
        return false;
    }
    return true;
}

struct Step {
    const PlannedFile* file;
    bool hadTarget = false; // the target existed: its contents are kept in OldTemp(path)
    bool hadBackup = false; // so did its backup: kept in OldTemp(backupPath)
    bool backupDone = false;
    bool targetDone = false;
    bool backs() const { return hadTarget && !file->backupPath.isEmpty(); }
};

QStringList TempsOf(const Step& step) {
    QStringList temps{NewTemp(step.file->path), OldTemp(step.file->path)};
    if (!step.file->backupPath.isEmpty())
        temps.append(OldTemp(step.file->backupPath));
    return temps;
}

// Writes every temporary file; on failure names the file the user knows.
bool Prepare(std::vector<Step>& steps, CommitResult& result) {
    for (Step& step : steps) {
        const PlannedFile& file = *step.file;
        if (!Replaceable(file.path, result.reason)) {
            result.failedPath = file.path;
            return false;
        }
        if (!WriteSynced(NewTemp(file.path), file.bytes, result.reason)) {
            result.failedPath = file.path;
            return false;
        }
        if (!step.hadTarget)
            continue;
        // The target's contents: its backup to be, and what a failure puts back.
        const QString keptAs = file.backupPath.isEmpty() ? file.path : file.backupPath;
        const std::optional<QByteArray> old = readWholeFile(file.path);
        if (!old) {
            result.failedPath = file.path;
            result.reason = SystemReason(EIO);
            return false;
        }
        if (!Replaceable(keptAs, result.reason) ||
            !WriteSynced(OldTemp(file.path), *old, result.reason)) {
            result.failedPath = keptAs;
            return false;
        }
        if (!step.hadBackup)
            continue;
        const std::optional<QByteArray> older = readWholeFile(file.backupPath);
        if (!older || !WriteSynced(OldTemp(file.backupPath), *older, result.reason)) {
            result.failedPath = file.backupPath;
            if (!older)
                result.reason = SystemReason(EIO);
            return false;
        }
    }
    return true;
}

// Puts back, last first, what the failed save replaced. A backup that now
// holds the only copy of a file's earlier contents is left as it is.
QStringList RollBack(std::vector<Step>& steps) {
    QStringList notRestored;
    for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
        const PlannedFile& file = *step->file;
        bool backupMovedBack = false;
        if (step->targetDone) {
            bool restored;
            if (!step->hadTarget)
                restored = RemoveIfThere(file.path);
            else if (step->backupDone)
                restored = backupMovedBack = RenameReplacing(file.backupPath, file.path);
            else
                restored = RenameReplacing(OldTemp(file.path), file.path);
            if (!restored) {
                notRestored.append(file.path);
                continue;
            }
        }
        if (!step->backupDone)
            continue;
        const bool restored = step->hadBackup
                                  ? RenameReplacing(OldTemp(file.backupPath), file.backupPath)
                                  : backupMovedBack || RemoveIfThere(file.backupPath);
        if (!restored)
            notRestored.append(file.backupPath);
    }
    return notRestored;
}

void RemoveTemps(const std::vector<Step>& steps) {
    for (const Step& step : steps) {
        for (const QString& temp : TempsOf(step))
            RemoveIfThere(temp);
    }
}

// The note lists every file with its backup and what existed before; it is
// complete only with its last line, so that a note cut short by a crash
// is not taken for a save that replaced files.
const QByteArray NoteEnd = "end";

QByteArray NoteText(const std::vector<Step>& steps) {
    QByteArray text;
    for (const Step& step : steps) {
        text += step.file->path.toUtf8() + '\t' + step.file->backupPath.toUtf8() + '\t' +
                char('0' + step.hadTarget) + char('0' + step.hadBackup) + '\n';
    }
    return text + NoteEnd;
}

// The files of an unfinished save as its note lists them, and how far the
// save got: a temporary file that is gone was renamed into place.
bool ReadNote(const QByteArray& text, std::vector<PlannedFile>& files, std::vector<Step>& steps) {
    QList<QByteArray> lines = text.split('\n');
    if (lines.isEmpty() || lines.takeLast() != NoteEnd)
        return false;
    files.reserve(size_t(lines.size()));
    for (const QByteArray& line : lines) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() != 3 || fields[2].size() != 2)
            return false;
        files.push_back({QString::fromUtf8(fields[0]), {}, QString::fromUtf8(fields[1])});
    }
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray flags = lines[i].split('\t')[2];
        Step step{&files[size_t(i)], flags[0] == '1', flags[1] == '1'};
        step.targetDone = !QFileInfo::exists(NewTemp(step.file->path));
        step.backupDone = step.backs() && !QFileInfo::exists(OldTemp(step.file->path));
        steps.push_back(step);
    }
    return true;
}

} // namespace

CommitResult CommitFiles(const QString& folder, const std::vector<PlannedFile>& files) {
    CommitResult result;
    std::vector<Step> steps;
    steps.reserve(files.size());
    for (const PlannedFile& file : files) {
        Step step{&file};
        step.hadTarget = fileExists(file.path);
        step.hadBackup = step.backs() && fileExists(file.backupPath);
        steps.push_back(step);
    }
    const QString note = folder + NoteName;
    if (!Prepare(steps, result) || !WriteSynced(note, NoteText(steps), result.reason)) {
        if (result.failedPath.isEmpty())
            result.failedPath = note;
        RemoveTemps(steps);
        return result;
    }
    SyncFolder(folder);

    // Backups first: once a file is replaced, every backup holds the save before.
    const auto fail = [&](const QString& path, const QString& reason) {
        result.failedPath = path;
        result.reason = reason;
        result.notRestored = RollBack(steps);
        SyncFolder(folder);
        if (result.notRestored.isEmpty()) {
            QFile::remove(note);
            RemoveTemps(steps);
        }
        return result;
    };
    for (Step& step : steps) {
        QString reason;
        if (!step.backs())
            continue;
        if (!RenameReplacing(OldTemp(step.file->path), step.file->backupPath, &reason))
            return fail(step.file->backupPath, reason);
        step.backupDone = true;
    }
    for (Step& step : steps) {
        QString reason;
        if (!RenameReplacing(NewTemp(step.file->path), step.file->path, &reason))
            return fail(step.file->path, reason);
        step.targetDone = true;
    }
    SyncFolder(folder);
    QFile::remove(note);
    SyncFolder(folder);
    RemoveTemps(steps);
    for (const Step& step : steps) {
        if (step.backs())
            result.backups.append(step.file->backupPath);
    }
    result.ok = true;
    return result;
}

LeftoverSave TidyUnfinishedSave(const QString& folder) {
    LeftoverSave leftover;
    const QString note = folder + NoteName;
    std::vector<PlannedFile> files;
    std::vector<Step> steps;
    const std::optional<QByteArray> text = readWholeFile(note);
    if (text && ReadNote(*text, files, steps)) {
        const auto replaced = std::count_if(steps.begin(), steps.end(),
                                            [](const Step& step) { return step.targetDone; });
        // Only backups were replaced: put them back, and the folder is as it was.
        if (replaced == 0)
            RollBack(steps);
        leftover.interrupted = replaced > 0 && replaced < qsizetype(steps.size());
        for (const Step& step : steps) {
            if (leftover.interrupted && step.backupDone)
                leftover.backups.append(step.file->backupPath);
        }
    }
    QFile::remove(note);
    const QStringList temps = QDir(folder).entryList(
        {QLatin1Char('*') + NewSuffix, QLatin1Char('*') + OldSuffix}, QDir::Files | QDir::Hidden);
    for (const QString& temp : temps)
        QFile::remove(folder + temp);
    return leftover;
}

} // namespace quillon::platform
