#include "platform/Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

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

bool writeThrough(QFileDevice& file, const QByteArray& bytes, QString* reason) {
    const auto fail = [&](const QString& why) {
        if (reason)
            *reason = why;
        return false;
    };
    if (file.write(bytes) != bytes.size() || !file.flush())
        return fail(file.errorString());
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
#endif
    if (file.size() != bytes.size())
        return fail(QString::fromLocal8Bit(std::strerror(EIO)));
    return true;
}

bool writeWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!writeThrough(file, bytes)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool isPlainFileName(const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    return std::none_of(name.cbegin(), name.cend(), [](QChar c) {
        return c == u'/' || c == u'\\' || c == u':' || c.unicode() < 0x20;
    });
}

} // namespace quillon::platform
