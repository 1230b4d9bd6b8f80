#pragma once

#include <QIcon>

namespace quillon::platform {

// The program's icon in every size it is drawn in, from the resources: the
// same pictures the desktop's icon theme gets.
QIcon ProgramIcon();

} // namespace quillon::platform
