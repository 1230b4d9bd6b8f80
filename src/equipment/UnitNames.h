#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quillon {

// KorEquip.TXT: Windows-1252, one name per line, lines ended by CR LF (an LF
// alone, or a CR alone, also ends a line), names trimmed. At most `count`
// lines are read; missing lines are not invented here.
QStringList ReadUnitNames(const QByteArray& file, int count);
// The line a name becomes: CR and LF turned into blanks, blanks trimmed.
QString UnitNameLine(const QString& name);
// Each name's line followed by CR LF.
QByteArray WriteUnitNames(const QStringList& names);

} // namespace quillon
