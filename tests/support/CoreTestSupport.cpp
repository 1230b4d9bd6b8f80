#include "support/CoreTestSupport.h"

#include "i18n/Language.h"
#include "platform/Files.h"

#include <QDir>
#include <QProcess>
#include <QtEndian>

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

QString English(const char* name, const QString& tail) {
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
    QByteArray out("SECT");
    AppendInt32(out, count);
    QList<qint32> offsets;
    qint32 offset = 8 + 8 * count;
    for (const QByteArray& image : images) {
        offsets.append(offset);
        offset += qint32(image.size());
    }
    for (qint32 j = 0; j < count; ++j) {
        AppendInt32(out, offsets[j % offsets.size()]);
        AppendInt32(out, 0);
    }
    for (const QByteArray& image : images)
        out += image;
    return out;
}

QByteArray IndexRecordBytes(const QByteArray& name, qint32 size, qint32 offset) {
    QByteArray out = name.leftJustified(8, '\0', true);
    AppendInt32(out, size);
    AppendInt32(out, offset);
    return out;
}

CliRun RunCli(const QStringList& arguments, const QStringList& environment,
              const QString& program) {
    QProcess process;
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    variables.insert("WINEPREFIX", QDir::tempPath() + "/quillon-no-wine");
    variables.insert("XDG_CONFIG_HOME", QDir::tempPath() + "/quillon-no-config");
    for (const QString& variable : environment)
        variables.insert(variable.section('=', 0, 0), variable.section('=', 1));
    process.setProcessEnvironment(variables);
    process.start(program.isEmpty()
                      ? qEnvironmentVariable("QUILLON_TEST_BINARY_DIR") + "/src/quillon-cli"
                      : program,
                  arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace quillon::testing
