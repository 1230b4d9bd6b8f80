#pragma once

#include <QByteArray>
#include <QStringList>
#include <QStringView>

namespace quillon {

// KorEquip.TXT: Windows-1252, one name per line, lines ended by CR LF (an LF
// alone, or a CR alone, also ends a line), names trimmed. At most `count`
// lines are read; missing lines are not invented here.
QStringList ReadUnitNames(const QByteArray& file, int count);
// Each name trimmed and followed by CR LF.
QByteArray WriteUnitNames(const QStringList& names);

// Removes leading and trailing blanks only: other white space (TAB, the
// non-breaking space 0xA0) is part of a name and survives a save.
QString TrimBlanks(QStringView text);

} // namespace quillon
