#include "equipment/UnitNames.h"

#include "gamedata/IndexFiles.h"
#include "platform/TextCodec.h"

namespace quillon {

QStringList ReadUnitNames(const QByteArray& file, int count) {
    QStringList names;
    const qsizetype size = file.size();
    qsizetype start = 0;
    while (names.size() < count && start < size) {
        qsizetype end = start;
        while (end < size && file[end] != '\r' && file[end] != '\n')
            ++end;
        names.append(gamedata::TrimBlanks(
            platform::fromCp1252(QByteArrayView(file).sliced(start, end - start))));
        // A line ends at CR (an LF right after it belongs to the line end) or at a lone LF.
        if (end < size) {
            if (file[end] == '\r' && end + 1 < size && file[end + 1] == '\n')
                ++end;
            ++end;
        }
        start = end;
    }
    return names;
}

QString UnitNameLine(const QString& name) {
    // A line break inside a name would move every later name to the wrong unit.
    QString line = name;
    line.replace(QChar(u'\r'), QChar(u' ')).replace(QChar(u'\n'), QChar(u' '));
    // Blanks only: a TAB or a non-breaking space is part of the name.
    return gamedata::TrimBlanks(line);
}

QByteArray WriteUnitNames(const QStringList& names) {
    QByteArray bytes;
    for (const QString& name : names) {
        bytes += platform::toCp1252(UnitNameLine(name));
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace quillon
