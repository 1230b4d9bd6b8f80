#include "platform/Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace quillon::platform {

QString withTrailingSeparator(const QString& folder) {
    QString path = folder.trimmed();
    if (path.isEmpty())
        return path;
    path = QDir::cleanPath(path);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

QString findNoCase(const QString& folder, const QString& name) {
    const QString exact = folder + name;
    if (QFileInfo::exists(exact))
        return exact;
    const QDir dir(folder);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Dirs | QDir::Hidden |
                                              QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder + entry;
    }
    return exact;
}

bool fileExists(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

bool folderExists(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isDir();
}

std::optional<QByteArray> readWholeFile(const QString& path) {
    QFile file(path);
    if (!fileExists(path) || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

bool writeWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool copyReplacing(const QString& from, const QString& to) {
    const std::optional<QByteArray> bytes = readWholeFile(from);
    return bytes && writeWholeFile(to, *bytes);
}

} // namespace quillon::platform
