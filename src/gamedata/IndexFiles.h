#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace quillon::gamedata {

// One 16-byte record of pfpdata.idx (entry name, size, offset) or ext.idx
// (container name, first, next). The name keeps its 8 stored bytes
// untouched, padding included, so that records copied on save stay byte
// for byte what they were.
struct IndexRecord {
    QByteArray name;   // exactly 8 bytes
    qint32 size = 0;   // pfpdata.idx: size;   ext.idx: first
    qint32 offset = 0; // pfpdata.idx: offset; ext.idx: next
};

constexpr int MaxPfpRecords = 32767;
constexpr int MaxExtRecords = 256;

struct GameIndex {
    quint32 PfpHeader = 0;
    QVector<IndexRecord> PfpIndex; // PfpLast = size - 1
    QVector<IndexRecord> ExtIndex; // ExtLast = max(size - 1, 0)
    int PfpLast() const { return int(PfpIndex.size()) - 1; }
    int ExtLast() const { return ExtIndex.isEmpty() ? 0 : int(ExtIndex.size()) - 1; }
};

// Parse whole index files. Reading stops at the last complete record and at
// the table limits; a trailing partial record is ignored.
void ReadExtIndex(const QByteArray& file, GameIndex& index);
void ReadPfpIndex(const QByteArray& file, GameIndex& index);
QByteArray WriteExtIndex(const QVector<IndexRecord>& records);
QByteArray WritePfpIndex(quint32 header, const QVector<IndexRecord>& records);

// NUL characters to blanks, surrounding blanks removed, upper case.
QString NormaliseEntryName(const QByteArray& name);
// Index of the first record whose normalised name equals `wanted` (upper
// case), searching every record including the last; -1 when absent.
int FindPfpEntry(const GameIndex& index, const QString& wanted);
// Name of the first ext.idx record (NULs to blanks, trimmed, case kept)
// followed by ".pfp".
QString TextContainerName(const GameIndex& index);

// The lines of a text entry of a container: from the entry's offset, lines
// are read while the consumed byte count (line length + 2) is below its
// size. Lines end at CR, an LF after it belongs to the line end. Bounded by
// the container's end.
QStringList ReadTextEntry(const QByteArray& container, const IndexRecord& entry);

// One line of a text container from byte `position` on (same line ends as
// above); `position` moves past the line end; `lineBytes` (when given)
// receives the line's length in bytes without its line end. nullopt when
// `position` lies outside the container.
std::optional<QString> ReadContainerLine(QByteArrayView container, qint64& position,
                                         qint64* lineBytes = nullptr);

// Leading and trailing blanks removed (other characters kept).
QString TrimBlanks(QStringView text);

} // namespace quillon::gamedata
