#include "platform/ui/ProgramIcon.h"

namespace quillon::platform {

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/quillon.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace quillon::platform
