#include "equipment/DescriptionContainer.h"

#include "datasheet/CellNumber.h"
#include "i18n/Messages.h"
#include "platform/Files.h"
#include "platform/TextCodec.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace quillon {

namespace {

using gamedata::IndexRecord;

constexpr int NameSize = 8;
// The last EXT.IDX record's first and next, as the game's own tools write them.
constexpr qint32 FourBlanks = 0x20202020;

// Description entries are the ones whose name is a number.
bool IsDescriptionName(const QByteArray& name) {
    // A number is plain ASCII, so the code page does not matter here.
    QString text = QString::fromLatin1(name);
    text.replace(QChar(u'\0'), QChar(u' '));
    return IsNumeric(text);
}

QByteArray DescriptionName(int unitNumber) {
    QByteArray name = QByteArray::number(unitNumber);
    name.append(QByteArray(NameSize - name.size(), '\0'));
    return name;
}

// A description must stay one line of the container: a line break that
// slipped in (an imported text, a hand-edited table) becomes a blank.
QByteArray DescriptionLine(const QString& description) {
    QString text = gamedata::TrimBlanks(description);
    text.replace(QChar(u'\r'), QChar(u' '));
    text.replace(QChar(u'\n'), QChar(u' '));
    // Windows-1252 equals Latin-1 outside U+0080..U+009F, and the converter
    // is costly to set up for every one of thousands of lines.
    const bool latin1 = std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return c.unicode() < 0x80 || (c.unicode() >= 0xA0 && c.unicode() <= 0xFF);
    });
    return latin1 ? text.toLatin1() : platform::toCp1252(text);
}

// One line of the old container from `position` on, without its line end;
// a line ends at CR and an LF right after it belongs to the line end, as
// the text lists read it.
QByteArrayView NextLine(QByteArrayView container, qsizetype& position) {
    const qsizetype start = position;
    qsizetype end = container.indexOf('\r', start);
    if (end < 0) {
        end = container.size();
        position = end;
    } else {
        position = end + 1;
        if (position < container.size() && container[position] == '\n')
            ++position;
    }
    return container.sliced(start, end - start);
}

// The bytes of an entry, bounded by the container.
QByteArrayView EntryBytes(QByteArrayView container, const IndexRecord& record) {
    const qsizetype start = std::clamp<qsizetype>(record.offset, 0, container.size());
    const qsizetype length = std::clamp<qsizetype>(record.size, 0, container.size() - start);
    return container.sliced(start, length);
}

// Every record with offset 0 starts the next container: EXT.IDX gets one
// record per container, named as before, with the index of its first
// record and of the next container's first record.
QVector<IndexRecord> RebuildExtIndex(const QVector<IndexRecord>& pfpRecords,
                                     const QVector<IndexRecord>& oldExt) {
    QVector<IndexRecord> ext;
    for (int t = 0; t < pfpRecords.size(); ++t) {
        if (pfpRecords[t].offset != 0 || ext.size() >= gamedata::MaxExtRecords)
            continue;
        const int c = int(ext.size());
        if (c > 0)
            ext[c - 1].offset = t;
        IndexRecord group;
        // A container the old EXT.IDX did not know gets a NUL name.
        group.name = c < oldExt.size() ? oldExt[c].name : QByteArray(NameSize, '\0');
        group.size = t;
        ext.append(group);
    }
    if (!ext.isEmpty()) {
        ext.last().size = FourBlanks;
        ext.last().offset = FourBlanks;
    }
    // Slots the old file had beyond the containers found keep their record.
    for (qsizetype c = ext.size(); c < oldExt.size(); ++c)
        ext.append(oldExt[c]);
    return ext;
}

bool SameFolder(const QString& first, const QString& second) {
    const QString canonicalFirst = QFileInfo(first).canonicalFilePath();
    const QString canonicalSecond = QFileInfo(second).canonicalFilePath();
    if (!canonicalFirst.isEmpty() && !canonicalSecond.isEmpty())
        return canonicalFirst == canonicalSecond;
    return QDir::cleanPath(QDir(first).absolutePath()) ==
           QDir::cleanPath(QDir(second).absolutePath());
}

// The game names its text container in EXT.IDX ("txt" -> txt.pfp); a new
// file gets the usual upper-case spelling.
QString ContainerFileName(const QString& name) {
    if (name == QStringLiteral(".pfp") || name.compare(u"TXT.PFP", Qt::CaseInsensitive) == 0)
        return QStringLiteral("TXT.PFP");
    return name;
}

// The game's index files as they are now: an earlier save may have
// rewritten them since the game folder check read them.
std::optional<gamedata::GameIndex> ReadGameIndex(const QString& dataFolder, QString& unreadable) {
    gamedata::GameIndex index;
    const QString extPath = platform::findNoCase(dataFolder, QStringLiteral("ext.idx"));
    const QString pfpPath = platform::findNoCase(dataFolder, QStringLiteral("pfpdata.idx"));
    const std::optional<QByteArray> ext = platform::readWholeFile(extPath);
    const std::optional<QByteArray> pfp = platform::readWholeFile(pfpPath);
    if (!ext || !pfp) {
        unreadable = ext ? pfpPath : extPath;
        return std::nullopt;
    }
    gamedata::ReadExtIndex(*ext, index);
    gamedata::ReadPfpIndex(*pfp, index);
    return index;
}

// The records of the text container, the first one indexed.
int TextContainerEnd(const QVector<IndexRecord>& pfp) {
    int k = 0;
    while (k < pfp.size() && (k == 0 || pfp[k].offset != 0))
        ++k;
    return k;
}

} // namespace

RewriteBuild BuildDescriptionContainer(const QByteArray& oldContainer,
                                       const gamedata::GameIndex& index,
                                       const QStringList& longDescriptions, int unitCount,
                                       i18n::Language language) {
    RewriteBuild result;
    const QVector<IndexRecord>& pfp = index.PfpIndex;
    const int recordCount = int(pfp.size());
    unitCount = std::max(unitCount, 0);

    // Descriptions live in the text container, the first one indexed; a
    // numeric name in a later container is not a description.
    int first = -1;
    for (int k = 0; k < TextContainerEnd(pfp); ++k) {
        if (IsDescriptionName(pfp[k].name)) {
            first = k;
            break;
        }
    }
    if (first < 0) {
        result.message = i18n::Message(language, i18n::msg::NoDescriptionRecords);
        return result;
    }
    // The description block ends at the first record that is not a number
    // or that starts another container.
    int after = first + 1;
    while (after < recordCount && pfp[after].offset != 0 && IsDescriptionName(pfp[after].name))
        ++after;
    // Entries that still belong to the text container behind the block.
    int textEnd = after;
    while (textEnd < recordCount && pfp[textEnd].offset != 0)
        ++textEnd;

    const qint64 needed = qint64(first) + unitCount + (recordCount - after);
    if (needed > gamedata::MaxPfpRecords) {
        result.message =
            i18n::Message(language, i18n::msg::DescriptionIndexFull).arg(QString::number(needed));
        return result;
    }

    QVector<IndexRecord> records = pfp.mid(0, first);
    records.reserve(first + unitCount + (recordCount - after));
    QByteArray text;
    text.reserve(oldContainer.size() + unitCount * 4);

    const qint64 leadingEnd = pfp[first].offset;
    qsizetype position = 0;
    while (text.size() < leadingEnd && position < oldContainer.size()) {
        text.append(NextLine(oldContainer, position));
        text.append("\r\n");
    }

    for (int j = 0; j < unitCount; ++j) {
        const QByteArray line =
            DescriptionLine(j < longDescriptions.size() ? longDescriptions[j] : QString());
        records.append({DescriptionName(j), qint32(line.size() + 2), qint32(text.size())});
        text.append(line);
        text.append("\r\n");
    }

    // Entries behind the descriptions move with their bytes, so that their
    // offsets stay right in the shorter or longer container.
    for (int k = after; k < textEnd; ++k) {
        IndexRecord moved = pfp[k];
        const QByteArrayView bytes = EntryBytes(oldContainer, moved);
        moved.size = qint32(bytes.size());
        moved.offset = qint32(text.size());
        text.append(bytes);
        records.append(moved);
    }
    for (int k = textEnd; k < recordCount; ++k)
        records.append(pfp[k]);

    result.files.textContainer = std::move(text);
    result.files.pfpIndex = gamedata::WritePfpIndex(index.PfpHeader, records);
    result.files.extIndex = gamedata::WriteExtIndex(RebuildExtIndex(records, index.ExtIndex));
    result.ok = true;
    return result;
}

ContainerPlan RewriteDescriptionContainer(const QString& equipmentFolder, const QString& dataFolder,
                                          const QStringList& longDescriptions, int unitCount,
                                          i18n::Language language) {
    ContainerPlan plan;
    QString unreadable;
    const std::optional<gamedata::GameIndex> index = ReadGameIndex(dataFolder, unreadable);
    if (!index) {
        plan.message = i18n::Message(language, i18n::msg::NoSourceContainer) + unreadable;
        return plan;
    }
    // The name comes from a file: it must not lead out of the data folder.
    const QString storedName = gamedata::TextContainerName(*index);
    if (!platform::isPlainFileName(storedName)) {
        plan.message = i18n::Message(language, i18n::msg::BadContainerName) + storedName;
        return plan;
    }
    const QString containerName = ContainerFileName(storedName);
    const QString source = platform::findNoCase(dataFolder, containerName);
    const std::optional<QByteArray> oldContainer = platform::readWholeFile(source);
    if (!oldContainer) {
        plan.message = i18n::Message(language, i18n::msg::NoSourceContainer) + source;
        return plan;
    }
    RewriteBuild build =
        BuildDescriptionContainer(*oldContainer, *index, longDescriptions, unitCount, language);
    if (!build.ok) {
        plan.message = build.message;
        return plan;
    }

    plan.ContainerBackedUp = SameFolder(equipmentFolder, dataFolder);
    const std::pair<QString, QByteArray*> targets[] = {
        {containerName, &build.files.textContainer},
        {QStringLiteral("PFPDATA.IDX"), &build.files.pfpIndex},
        {QStringLiteral("EXT.IDX"), &build.files.extIndex},
    };
    for (const auto& [name, bytes] : targets) {
        const QString path = platform::findNoCase(equipmentFolder, name);
        const QString backup =
            plan.ContainerBackedUp
                ? platform::findNoCase(dataFolder,
                                       QStringLiteral("OLD_") + QFileInfo(path).fileName())
                : QString();
        plan.files.push_back({path, std::move(*bytes), backup});
    }
    plan.ok = true;
    return plan;
}

bool DescriptionIndexFits(const QString& folder) {
    QString unreadable;
    const std::optional<gamedata::GameIndex> index = ReadGameIndex(folder, unreadable);
    const QString name = index ? gamedata::TextContainerName(*index) : QString();
    if (!index || !platform::isPlainFileName(name))
        return true;
    const std::optional<QByteArray> read =
        platform::readWholeFile(platform::findNoCase(folder, ContainerFileName(name)));
    if (!read)
        return true;
    const QByteArray& container = *read;
    const QVector<IndexRecord>& pfp = index->PfpIndex;
    const int end = TextContainerEnd(pfp);
    for (int k = 0; k < end; ++k) {
        const IndexRecord& record = pfp[k];
        if (!IsDescriptionName(record.name))
            continue;
        const qint64 start = record.offset;
        const qint64 stop = start + qint64(record.size);
        if (start < 0 || record.size < 2 || stop > container.size())
            return false;
        const QByteArrayView line = QByteArrayView(container).sliced(start, record.size - 2);
        const bool wholeLine = (start == 0 || container[start - 1] == '\n') &&
                               !line.contains('\r') && container.sliced(stop - 2, 2) == "\r\n";
        if (!wholeLine)
            return false;
    }
    return true;
}

} // namespace quillon
