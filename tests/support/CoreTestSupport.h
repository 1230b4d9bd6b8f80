#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

namespace quillon::testing {

// A file's bytes, or "<missing>" so that a missing file never equals real contents.
QByteArray Bytes(const QString& path);
// Every file of a folder with its bytes.
QMap<QString, QByteArray> FolderBytes(const QString& folder);
// An English message by name, with `tail` appended.
QString English(const char* name, const QString& tail = {});
// The summary of a save that made `backups` and wrote `files`.
QString Summary(const QStringList& backups, const QStringList& files);
// A 16-byte index record: name padded with NULs, size, offset.
QByteArray IndexRecordBytes(const QByteArray& name, qint32 size, qint32 offset);
void AppendInt32(QByteArray& out, qint32 value);

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};
// Runs the built quillon-cli with no default game installation of this
// machine taking part, with `environment` ("NAME=value") added. A process
// that did not end by itself gives exit code -1.
CliRun RunCli(const QStringList& arguments, const QStringList& environment = {});

} // namespace quillon::testing
