#include "samplegame/Bytes.h"

#include "platform/Files.h"

#include <QDir>
#include <QFileInfo>

namespace quillon::samplegame {

bool writeGameFile(const QString& path, const QByteArray& bytes) {
    return QDir().mkpath(QFileInfo(path).absolutePath()) && platform::writeWholeFile(path, bytes);
}

} // namespace quillon::samplegame
