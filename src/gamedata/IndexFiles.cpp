#include "gamedata/IndexFiles.h"

#include "platform/TextCodec.h"

#include <QtEndian>
#include <algorithm>

namespace quillon::gamedata {

namespace {

constexpr int RecordSize = 16;
constexpr int NameSize = 8;
constexpr int PfpHeaderSize = 4;

IndexRecord RecordAt(const QByteArray& file, qsizetype at) {
    const char* bytes = file.constData() + at;
    IndexRecord record;
    record.name = QByteArray(bytes, NameSize);
    record.size = qFromLittleEndian<qint32>(bytes + 8);
    record.offset = qFromLittleEndian<qint32>(bytes + 12);
    return record;
}

// Only complete records count, and never more than the table holds.
QVector<IndexRecord> RecordsFrom(const QByteArray& file, qsizetype start, int limit) {
    QVector<IndexRecord> records;
    const qsizetype available = std::max<qsizetype>(0, file.size() - start) / RecordSize;
    const qsizetype count = std::min<qsizetype>(available, limit);
    records.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        records.append(RecordAt(file, start + i * RecordSize));
    return records;
}

void AppendRecord(QByteArray& out, const IndexRecord& record) {
    QByteArray name = record.name.left(NameSize);
    name.append(QByteArray(NameSize - name.size(), '\0'));
    out.append(name);
    char numbers[8];
    qToLittleEndian<qint32>(record.size, numbers);
    qToLittleEndian<qint32>(record.offset, numbers + 4);
    out.append(numbers, sizeof numbers);
}

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; most game texts
// avoid those, and the converter is costly to set up for every line.
QString Cp1252Text(QByteArrayView bytes) {
    const bool latin1 =
        std::none_of(bytes.begin(), bytes.end(), [](char c) { return (uchar(c) & 0xE0) == 0x80; });
    return latin1 ? QString::fromLatin1(bytes) : platform::fromCp1252(bytes);
}

QString NameText(const QByteArray& name) {
    QString text = Cp1252Text(name);
    text.replace(QChar(u'\0'), QChar(u' '));
    return TrimBlanks(text);
}

} // namespace

void ReadExtIndex(const QByteArray& file, GameIndex& index) {
    index.ExtIndex = RecordsFrom(file, 0, MaxExtRecords);
}

void ReadPfpIndex(const QByteArray& file, GameIndex& index) {
    index.PfpHeader =
        file.size() >= PfpHeaderSize ? qFromLittleEndian<quint32>(file.constData()) : 0;
    index.PfpIndex = RecordsFrom(file, PfpHeaderSize, MaxPfpRecords);
}

QByteArray WriteExtIndex(const QVector<IndexRecord>& records) {
    QByteArray out;
    out.reserve(records.size() * RecordSize);
    for (const IndexRecord& record : records)
        AppendRecord(out, record);
    return out;
}

QByteArray WritePfpIndex(quint32 header, const QVector<IndexRecord>& records) {
    QByteArray out;
    out.reserve(PfpHeaderSize + records.size() * RecordSize);
    char head[PfpHeaderSize];
    qToLittleEndian<quint32>(header, head);
    out.append(head, PfpHeaderSize);
    for (const IndexRecord& record : records)
        AppendRecord(out, record);
    return out;
}

QString TrimBlanks(QStringView text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first).toString();
}

QString NormaliseEntryName(const QByteArray& name) {
    return NameText(name).toUpper();
}

int FindPfpEntry(const GameIndex& index, const QString& wanted) {
    const QString target = wanted.toUpper();
    for (int i = 0; i < index.PfpIndex.size(); ++i) {
        if (NormaliseEntryName(index.PfpIndex[i].name) == target)
            return i;
    }
    return -1;
}

QString TextContainerName(const GameIndex& index) {
    const QString base = index.ExtIndex.isEmpty() ? QString() : NameText(index.ExtIndex[0].name);
    return base + QStringLiteral(".pfp");
}

std::optional<QString> ReadContainerLine(QByteArrayView container, qint64& position,
                                         qint64* lineBytes) {
    if (position < 0 || position >= container.size())
        return std::nullopt;
    const qsizetype start = qsizetype(position);
    qsizetype end = container.indexOf('\r', start);
    qint64 next;
    if (end < 0) {
        end = container.size();
        next = end;
    } else {
        next = end + 1;
        if (next < container.size() && container[next] == '\n')
            ++next;
    }
    position = next;
    if (lineBytes)
        *lineBytes = end - start;
    return Cp1252Text(container.sliced(start, end - start));
}

QStringList ReadTextEntry(const QByteArray& container, const IndexRecord& entry) {
    QStringList lines;
    qint64 position = entry.offset;
    qint64 consumed = 0;
    while (consumed < entry.size) {
        qint64 lineBytes = 0;
        const std::optional<QString> line = ReadContainerLine(container, position, &lineBytes);
        if (!line)
            break;
        // The count assumes CR LF after every line, whatever really ended it.
        consumed += lineBytes + 2;
        lines.append(*line);
    }
    return lines;
}

} // namespace quillon::gamedata
