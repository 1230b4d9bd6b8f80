#include "equipment/UnitNames.h"

#include "platform/TextCodec.h"

namespace quillon {

QString TrimBlanks(QStringView text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.sliced(first, last - first).toString();
}

QStringList ReadUnitNames(const QByteArray& file, int count) {
    QStringList names;
    const qsizetype size = file.size();
    qsizetype start = 0;
    while (names.size() < count && start < size) {
        qsizetype end = start;
        while (end < size && file[end] != '\r' && file[end] != '\n')
            ++end;
        names.append(
            TrimBlanks(platform::fromCp1252(QByteArrayView(file).sliced(start, end - start))));
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
    for (const QString& name : names) {
        bytes += platform::toCp1252(TrimBlanks(name));
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace quillon
