#pragma once

#include "gamedata/IndexFiles.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <memory>

class QProcess;

namespace quillon::testing {

// A file's bytes, or "<missing>" so that a missing file never equals real contents.
QByteArray Bytes(const QString& path);
// Every file of a folder with its bytes.
QMap<QString, QByteArray> FolderBytes(const QString& folder);
// Copies every file of a folder and its subfolders into `to`.
bool CopyFolder(const QString& from, const QString& to);
// A QTemporaryDir template in memory where there is a tmpfs: tests that save
// often then do not wait for syncs to a real disk.
QString MemoryTempTemplate();
// An English message by name, with `tail` appended.
QString English(const char* name, const QString& tail = {});
// The summary of a save that made `backups` and wrote `files`.
QString Summary(const QStringList& backups, const QStringList& files);
// A 16-byte index record: name padded with NULs, size, offset.
QByteArray IndexRecordBytes(const QByteArray& name, qint32 size, qint32 offset);
void AppendInt32(QByteArray& out, qint32 value);
// An encoded image: row and column limits (200 unless given), the first and
// last column and row, then the codes.
QByteArray ImageBytes(qint32 x0, qint32 y0, qint32 x1, qint32 y1, const QByteArray& codes,
                      qint16 limit = 200);
// An image section: tag, count, directory, then the images. `entries`
// directory entries (the images' count unless given) cycle through them.
QByteArray SectionBytes(const QList<QByteArray>& images, int entries = -1);

// A game's text container from (entry name, entry text) pairs, followed by
// a container whose entries have numeric names and a graphics container,
// with the index files as the game stores them.
struct TextContainer {
    QByteArray container;
    QByteArray pfpFile;
    QByteArray extFile;
    gamedata::GameIndex index() const;
};
TextContainer MakeTextContainer(const QList<QByteArray>& namesAndTexts);

// All 32 bytes 0x80..0x9F, the ones Windows-1252 leaves undefined included,
// and the characters they stand for.
QByteArray HighBytes();
extern const QString HighCharacters;

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};
// Runs the built quillon-cli (or `program`) with no default game installation
// and no user configuration of this machine taking part, with `environment`
// ("NAME=value") added; XDG_CONFIG_HOME there stands in for the user's
// configuration folders. A process that did not end by itself gives exit code -1.
CliRun RunCli(const QStringList& arguments, const QStringList& environment = {},
              const QString& program = {});
// The same in two steps, so that several can run at once.
std::unique_ptr<QProcess> StartCli(const QStringList& arguments,
                                   const QStringList& environment = {},
                                   const QString& program = {});
CliRun FinishCli(QProcess& process);

} // namespace quillon::testing
