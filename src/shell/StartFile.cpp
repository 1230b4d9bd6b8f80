#include "shell/StartFile.h"

#include "platform/Files.h"

#include <QFileInfo>

namespace quillon {

namespace {

bool isEquipmentName(const QString& name) {
    return name.compare(QLatin1String("KorEquip.EQP"), Qt::CaseInsensitive) == 0 ||
           name.compare(QLatin1String("KorEquip.TXT"), Qt::CaseInsensitive) == 0;
}

} // namespace

StartFile StartFileFrom(const QString& argument) {
    const QFileInfo info(argument);
    StartFile start;
    if (info.isDir()) {
        start.folder = platform::withTrailingSeparator(info.absoluteFilePath());
    } else if (info.exists() || isEquipmentName(info.fileName())) {
        start.folder = platform::withTrailingSeparator(info.absolutePath());
        start.equipmentName = isEquipmentName(info.fileName());
    } else {
        // A path that does not exist is taken for a folder: the load then
        // names the equipment file it could not find there.
        start.folder = platform::withTrailingSeparator(info.absoluteFilePath());
    }
    return start;
}

} // namespace quillon
