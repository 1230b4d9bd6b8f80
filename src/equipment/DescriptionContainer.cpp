#include "equipment/DescriptionContainer.h"

#include "datasheet/CellNumber.h"
#include "i18n/Messages.h"
#include "platform/Files.h"
#include "platform/TextCodec.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <memory>
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
QString ContainerFileName(const gamedata::GameIndex& index) {
    const QString name = gamedata::TextContainerName(index);
    if (name == QStringLiteral(".pfp") || name.compare(u"TXT.PFP", Qt::CaseInsensitive) == 0)
        return QStringLiteral("TXT.PFP");
    return name;
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
    for (int k = 0; k < recordCount && (k == 0 || pfp[k].offset != 0); ++k) {
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

    if (qint64(first) + unitCount + (recordCount - after) > gamedata::MaxPfpRecords) {
        result.message = i18n::Message(language, i18n::msg::UnitLimitReached);
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

RewriteResult RewriteDescriptionContainer(const QString& equipmentFolder, const QString& dataFolder,
                                          const gamedata::GameIndex& index,
                                          const QStringList& longDescriptions, int unitCount,
                                          i18n::Language language) {
    RewriteResult result;
    const QString containerName = ContainerFileName(index);
    const QString source = platform::findNoCase(dataFolder, containerName);
    const std::optional<QByteArray> oldContainer = platform::readWholeFile(source);
    if (!oldContainer) {
        result.message = i18n::Message(language, i18n::msg::NoSourceContainer) + source;
        return result;
    }
    // Everything is built before any file is touched.
    RewriteBuild build =
        BuildDescriptionContainer(*oldContainer, index, longDescriptions, unitCount, language);
    if (!build.ok) {
        result.message = build.message;
        return result;
    }

    const struct {
        QString path;
        const QByteArray& bytes;
    } targets[] = {
        {platform::findNoCase(equipmentFolder, containerName), build.files.textContainer},
        {platform::findNoCase(equipmentFolder, QStringLiteral("PFPDATA.IDX")),
         build.files.pfpIndex},
        {platform::findNoCase(equipmentFolder, QStringLiteral("EXT.IDX")), build.files.extIndex},
    };

    if (SameFolder(equipmentFolder, dataFolder)) {
        for (const auto& target : targets) {
            if (!platform::fileExists(target.path))
                continue;
            const QString backup = platform::findNoCase(
                dataFolder, QStringLiteral("OLD_") + QFileInfo(target.path).fileName());
            if (!platform::copyReplacing(target.path, backup)) {
                result.message = i18n::Message(language, i18n::msg::CannotWriteFile) + backup;
                return result;
            }
            result.backupPaths.append(backup);
        }
        result.ContainerBackedUp = true;
    }

    // All three are written before any replaces its old file, so that a
    // file that cannot be created leaves the whole set as it was.
    std::vector<std::unique_ptr<QSaveFile>> files;
    for (const auto& target : targets) {
        auto file = std::make_unique<QSaveFile>(target.path);
        if (!file->open(QIODevice::WriteOnly) || file->write(target.bytes) != target.bytes.size()) {
            result.message = i18n::Message(language, i18n::msg::CannotWriteFile) + target.path;
            return result;
        }
        files.push_back(std::move(file));
    }
    for (const auto& file : files) {
        if (!file->commit()) {
            result.message = i18n::Message(language, i18n::msg::CannotWriteFile) + file->fileName();
            return result;
        }
    }
    result.written = true;
    return result;
}

} // namespace quillon
