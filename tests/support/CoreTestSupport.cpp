#include "support/CoreTestSupport.h"

#include "i18n/Language.h"
#include "platform/Files.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QtEndian>
#include <numeric>

namespace quillon::testing {

QByteArray Bytes(const QString& path) {
    return platform::readWholeFile(path).value_or("<missing>");
}

QMap<QString, QByteArray> FolderBytes(const QString& folder) {
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files))
        files[name] = Bytes(folder + name);
    return files;
}

bool CopyFolder(const QString& from, const QString& to) {
    bool copied = true;
    QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        const QString copy = to + "/" + QDir(from).relativeFilePath(file);
        copied = QDir().mkpath(QFileInfo(copy).path()) && QFile::copy(file, copy) && copied;
    }
    return copied;
}

QString MemoryTempTemplate() {
    return QDir("/dev/shm").isReadable() ? "/dev/shm/quillon-XXXXXX" : QString();
}

// The English texts written out, one a line: its name and the quoted text,
// so that a changed table shows; others as the table holds them.
QString English(const char* name, const QString& tail) {
    static const QString table = QString::fromUtf8(R"(
MsgBadContainerName "The unit descriptions can be neither read nor saved: the game's index names as its text container something that is not a file of the data folder: "
MsgBadUnitCount "This file holds no valid unit count: "
MsgCannotFindFile "I cannot find the file: "
MsgCannotFindFolder "Cannot find the folder: "
MsgCannotStoreCharacters "Nothing was saved: the game cannot store these characters. Change them and save again."
MsgCannotWriteFile "I cannot write the file: "
MsgDescriptionIndexFull "The unit descriptions were not saved: the game's index holds at most 32767 entries, and these units with the game's other entries need %1."
MsgFewerNamesThanUnits "This file holds fewer unit names than the equipment file holds units, so the two may come from different saves: "
MsgFolderUnavailable " - This is the folder you loaded the KOREQUIP.EQP and the KOREQUIP.TXT files from, but it is currently not available.\r\nUse the 'Save As' function to save your work."
MsgGameFolderNotFound "Cannot find 'Korvath Gamefolder'"
MsgIndexDoesNotFit "The unit descriptions in this index do not fit their text container, so the two may come from different saves: "
MsgNoDescriptionRecords "The unit descriptions were not saved: the game's index holds no description entries."
MsgNoSourceContainer "The unit descriptions were not saved, because this file cannot be read: "
MsgPreviousSaveKeptIn "The files as they were before are kept in: "
MsgSaveInterrupted "A save into this folder was interrupted while it replaced its files, so they may not belong together: "
MsgSaveNotCompleted "The save did not complete. The files on disk were not changed."
MsgSaveNotUndone "The save did not complete, and these files could not be put back as they were: "
MsgTableRowShape "Nothing was imported: line %1 of the table has %2 cells, but every line needs %3: "
MsgTableTooLong "Nothing was imported: the table holds more than 32767 units, the most an equipment file can hold: "
)");
    for (const QString& line : table.split('\n')) {
        if (line.section(' ', 0, 0) == QLatin1String(name))
            return line.section('"', 1, -2).replace("\\r\\n", "\r\n") + tail;
    }
    return i18n::Message(i18n::Language::English, QString::fromLatin1(name)) + tail;
}

QString Summary(const QStringList& backups, const QStringList& files) {
    QString text = "Your old files has been saved as: \r\n";
    for (const QString& backup : backups)
        text += backup + "\r\n";
    text += "\r\nYour complete E-file now consists of the following files: \r\n";
    for (const QString& file : files)
        text += file + "\r\n";
    return text + "\r\nAll these files has to be distributed, to implement all changes made to "
                  "your E-file.";
}

QByteArray HighBytes() {
    QByteArray bytes(32, '\0');
    std::iota(bytes.begin(), bytes.end(), char(0x80));
    return bytes;
}

const QString HighCharacters = QString::fromUtf16(
    u"\u20ac\u0081\u201a\u0192\u201e\u2026\u2020\u2021\u02c6\u2030\u0160\u2039\u0152\u008d"
    u"\u017d\u008f\u0090\u2018\u2019\u201c\u201d\u2022\u2013\u2014\u02dc\u2122\u0161\u203a"
    u"\u0153\u009d\u017e\u0178");

void AppendInt32(QByteArray& out, qint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

QByteArray ImageBytes(qint32 x0, qint32 y0, qint32 x1, qint32 y1, const QByteArray& codes,
                      qint16 limit) {
    QByteArray out;
    AppendInt32(out, quint16(limit) | qint32(limit) << 16);
    AppendInt32(out, 0);
    for (qint32 value : {x0, y0, x1, y1})
        AppendInt32(out, value);
    return out + codes;
}

QByteArray SectionBytes(const QList<QByteArray>& images, int entries) {
    const qint32 count = entries < 0 ? qint32(images.size()) : entries;
    QByteArray out("SECT"), pictures;
    AppendInt32(out, count);
    QList<qint32> offsets;
    for (const QByteArray& image : images) {
        offsets.append(8 + 8 * count + qint32(pictures.size()));
        pictures += image;
    }
    for (qint32 j = 0; j < count; ++j) {
        AppendInt32(out, offsets[j % offsets.size()]);
        AppendInt32(out, 0);
    }
    return out + pictures;
}

QByteArray IndexRecordBytes(const QByteArray& name, qint32 size, qint32 offset) {
    QByteArray out = name.leftJustified(8, '\0', true);
    AppendInt32(out, size);
    AppendInt32(out, offset);
    return out;
}

gamedata::GameIndex TextContainer::index() const {
    gamedata::GameIndex index;
    gamedata::ReadPfpIndex(pfpFile, index);
    gamedata::ReadExtIndex(extFile, index);
    return index;
}

TextContainer MakeTextContainer(const QList<QByteArray>& namesAndTexts) {
    TextContainer game{{}, QByteArray("\x04\x03\x02\x01", 4), {}};
    for (qsizetype i = 0; i + 1 < namesAndTexts.size(); i += 2) {
        const QByteArray& text = namesAndTexts[i + 1];
        game.pfpFile +=
            IndexRecordBytes(namesAndTexts[i], qint32(text.size()), qint32(game.container.size()));
        game.container += text;
    }
    const qint32 numFirst = qint32(namesAndTexts.size() / 2), shpFirst = numFirst + 2;
    game.pfpFile += IndexRecordBytes("7", 40, 0) + IndexRecordBytes("8", 40, 40) +
                    IndexRecordBytes("FLAGSLG ", 500, 0) + IndexRecordBytes("UNITICON", 900, 500);
    game.extFile = IndexRecordBytes("TXT", 0, numFirst) +
                   IndexRecordBytes("NUM", numFirst, shpFirst) +
                   IndexRecordBytes("shp     ", 0x20202020, 0x20202020);
    return game;
}

std::unique_ptr<QProcess> StartCli(const QStringList& arguments, const QStringList& environment,
                                   const QString& program) {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    variables.insert("WINEPREFIX", QDir::tempPath() + "/quillon-no-wine");
    variables.insert("XDG_CONFIG_HOME", QDir::tempPath() + "/quillon-no-config");
    for (const QString& variable : environment)
        variables.insert(variable.section('=', 0, 0), variable.section('=', 1));
    process->setProcessEnvironment(variables);
    process->start(program.isEmpty()
                       ? qEnvironmentVariable("QUILLON_TEST_BINARY_DIR") + "/src/quillon-cli"
                       : program,
                   arguments);
    return process;
}

CliRun FinishCli(QProcess& process) {
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

CliRun RunCli(const QStringList& arguments, const QStringList& environment,
              const QString& program) {
    return FinishCli(*StartCli(arguments, environment, program));
}

} // namespace quillon::testing
