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

QByteArray WriteUnitNames(const QStringList& names) {
    QByteArray bytes;
    for (QString name : names) {
        // A line break inside a name would end its line early and give
        // every later unit the name before it: it becomes a blank.
        name.replace(QLatin1Char('\r'), QLatin1Char(' '))
            .replace(QLatin1Char('\n'), QLatin1Char(' '));
        // Blanks only: a TAB or a non-breaking space is part of the name.
        bytes += platform::toCp1252(gamedata::TrimBlanks(name));
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace quillon
