#pragma once

#include <QString>

namespace quillon {

// What `quillon PATH` opens: the folder of the equipment files, given as the
// folder itself or as its KorEquip.EQP or KorEquip.TXT (any case).
struct StartFile {
    QString folder;            // absolute, ending in a separator
    bool equipmentName = true; // false: a file of another name
};
StartFile StartFileFrom(const QString& argument);

} // namespace quillon
