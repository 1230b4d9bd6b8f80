#pragma once

#include <QByteArray>
#include <QStringList>

namespace quillon {

// KorEquip.TXT: Windows-1252, one name per line, lines ended by CR LF (an LF
// alone, or a CR alone, also ends a line), names trimmed. At most `count`
// lines are read; missing lines are not invented here.
QStringList ReadUnitNames(const QByteArray& file, int count);
// Each name trimmed and followed by CR LF; a CR or LF inside a name is
// written as a blank, so that every name stays on its own line.
QByteArray WriteUnitNames(const QStringList& names);

} // namespace quillon
