#include "equipment/EquipmentFiles.h"

#include "datasheet/CellNumber.h"
#include "equipment/DescriptionContainer.h"
#include "equipment/RecordCodec.h"
#include "equipment/UnitNames.h"
#include "i18n/Messages.h"
#include "platform/Files.h"

#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <optional>

namespace quillon {

namespace {

constexpr char CrLf[] = "\r\n";

QString message(i18n::Language language, const char* name, const QString& path) {
    return i18n::Message(language, QString::fromLatin1(name)) + path;
}

int readCount(const QByteArray& eqp) {
    return std::int16_t(std::uint16_t(std::uint8_t(eqp[0]) | (std::uint8_t(eqp[1]) << 8)));
}

// Where a file goes in `folder`: the existing file whatever its case, or the
// given spelling for a new one.
QString pathIn(const QString& folder, const QString& name) {
    return platform::findNoCase(folder, name);
}

struct PlannedFile {
    QString path;
    QString backupPath; // empty: nothing to back up
    QByteArray bytes;
    std::optional<QByteArray> previous; // for putting the old file back
};

PlannedFile planFile(const QString& folder, const QString& name, QByteArray bytes) {
    PlannedFile file;
    file.path = pathIn(folder, name);
    file.bytes = std::move(bytes);
    if (platform::fileExists(file.path)) {
        file.backupPath = pathIn(folder, QStringLiteral("OLD_") + QFileInfo(file.path).fileName());
        file.previous = platform::readWholeFile(file.path);
    }
    return file;
}

// Backs up and writes both equipment files; on a failure the files written
// so far are put back as they were. Returns the path that failed, or empty.
QString writeEquipmentFiles(std::vector<PlannedFile>& files) {
    for (const PlannedFile& file : files) {
        if (file.backupPath.isEmpty())
            continue;
        if (!file.previous || !platform::writeWholeFile(file.backupPath, *file.previous))
            return file.backupPath;
    }
    for (size_t i = 0; i < files.size(); ++i) {
        if (platform::writeWholeFile(files[i].path, files[i].bytes))
            continue;
        for (size_t j = 0; j < i; ++j) {
            if (files[j].previous)
                platform::writeWholeFile(files[j].path, *files[j].previous);
            else
                QFile::remove(files[j].path);
        }
        return files[i].path;
    }
    return {};
}

QString summary(const std::vector<PlannedFile>& files, const QStringList& containerBackups,
                const QStringList& containerFiles) {
    QString text = QStringLiteral("Your old files has been saved as: ") + CrLf;
    for (const PlannedFile& file : files) {
        if (!file.backupPath.isEmpty())
            text += file.backupPath + CrLf;
    }
    for (const QString& path : containerBackups)
        text += path + CrLf;
    text += CrLf;
    text += QStringLiteral("Your complete E-file now consists of the following files: ") + CrLf;
    for (const PlannedFile& file : files)
        text += file.path + CrLf;
    for (const QString& path : containerFiles)
        text += path + CrLf;
    text += CrLf;
    text += QStringLiteral(
        "All these files has to be distributed, to implement all changes made to your E-file.");
    return text;
}

// Makes the unit `unit` current again after the sort (row 1 when it is gone).
void reselectUnit(Datasheet& sheet, int unit, int column) {
    int target = 1;
    for (int r = 1; r < sheet.rows(); ++r) {
        if (RoundHalfEven(CellNumber(sheet.cell(r, 0))) == unit) {
            target = r;
            break;
        }
    }
    if (sheet.rows() > 1)
        sheet.select(target, column, target, column);
}

constexpr const char* ContainerFileNames[] = {"TXT.PFP", "PFPDATA.IDX", "EXT.IDX"};

} // namespace

EquipmentInput ReadEquipmentFiles(const QString& folder, i18n::Language language) {
    EquipmentInput input;
    LoadResult& result = input.result;
    const QString eqpPath = pathIn(folder, QString::fromLatin1(EquipmentFileName));
    const QString txtPath = pathIn(folder, QString::fromLatin1(UnitNamesFileName));
    result.equipmentPath = eqpPath;
    for (const QString& path : {eqpPath, txtPath}) {
        if (!platform::fileExists(path)) {
            result.message = message(language, i18n::msg::CannotFindFile, path);
            return input;
        }
    }
    const std::optional<QByteArray> eqp = platform::readWholeFile(eqpPath);
    const std::optional<QByteArray> txt = platform::readWholeFile(txtPath);
    if (!eqp || !txt) {
        result.message = message(language, i18n::msg::CannotFindFile, !eqp ? eqpPath : txtPath);
        return input;
    }
    if (eqp->size() < 2) {
        result.message = message(language, i18n::msg::FileTooShort, eqpPath);
        return input;
    }
    const int count = readCount(*eqp);
    if (count <= 0) {
        result.message = message(language, i18n::msg::BadUnitCount, eqpPath);
        return input;
    }
    if (eqp->size() < 2 + qsizetype(EquipmentRecord::Size) * count) {
        result.message = message(language, i18n::msg::FileTooShort, eqpPath);
        return input;
    }

    // A names file with fewer lines than units gives the rest empty names.
    input.names = ReadUnitNames(*txt, count);
    input.names.resize(count);
    input.count = count;
    input.eqp = *eqp;
    result.ok = true;
    return input;
}

Datasheet::Row EquipmentInput::row(int unit) const {
    EquipmentRecord record;
    std::memcpy(record.bytes.data(), eqp.constData() + 2 + qsizetype(EquipmentRecord::Size) * unit,
                EquipmentRecord::Size);
    return RecordToCells(unit, names[unit], record);
}

LoadResult LoadEquipmentFiles(const QString& folder, Datasheet& sheet, i18n::Language language) {
    const EquipmentInput input = ReadEquipmentFiles(folder, language);
    if (!input.result.ok)
        return input.result;
    std::vector<Datasheet::Row> rows;
    rows.reserve(size_t(input.count));
    for (int i = 0; i < input.count; ++i)
        rows.push_back(input.row(i));
    sheet.replaceUnitRows(std::move(rows));
    sheet.select(1, 0, 1, 0);
    return input.result;
}

SaveResult SaveEquipmentFiles(Datasheet& sheet, const SaveInputs& inputs) {
    SaveResult result;
    const int unit = int(RoundHalfEven(CellNumber(sheet.cell(sheet.row(), 0))));
    const int column = sheet.col();

    sheet.select(1, 0, 1, 0);
    sheet.sort(Datasheet::NumericAscending);

    const QString folder = inputs.equipmentFolder.trimmed();
    if (!platform::folderExists(folder)) {
        result.message =
            i18n::Message(inputs.language, QString::fromLatin1(i18n::msg::CannotFindFolder)) +
            folder +
            i18n::Message(inputs.language, QString::fromLatin1(i18n::msg::FolderUnavailable));
        reselectUnit(sheet, unit, column);
        return result;
    }

    const int unitCount = sheet.rows() - 1; // at most Datasheet::MaxUnits
    QByteArray eqp;
    eqp.reserve(2 + qsizetype(EquipmentRecord::Size) * unitCount);
    eqp.append(char(unitCount & 0xFF));
    eqp.append(char((unitCount >> 8) & 0xFF));
    QStringList names;
    names.reserve(unitCount);
    for (int r = 1; r < sheet.rows(); ++r) {
        const EquipmentRecord record = RowToRecord(sheet, r);
        eqp.append(reinterpret_cast<const char*>(record.bytes.data()), EquipmentRecord::Size);
        names.append(sheet.cell(r, 1));
    }

    std::vector<PlannedFile> files;
    files.push_back(planFile(folder, QString::fromLatin1(EquipmentFileName), std::move(eqp)));
    files.push_back(
        planFile(folder, QString::fromLatin1(UnitNamesFileName), WriteUnitNames(names)));
    const QString failed = writeEquipmentFiles(files);
    if (!failed.isEmpty()) {
        result.message = message(inputs.language, i18n::msg::CannotWriteFile, failed);
        reselectUnit(sheet, unit, column);
        return result;
    }
    result.ok = true;

    QStringList containerBackups;
    QStringList containerFiles;
    if (inputs.index) {
        const QStringList noDescriptions;
        const RewriteResult rewrite = RewriteDescriptionContainer(
            folder, inputs.dataFolder, *inputs.index,
            inputs.longDescriptions ? *inputs.longDescriptions : noDescriptions, unitCount,
            inputs.language);
        result.containerWritten = rewrite.written;
        result.containerMessage = rewrite.message;
        if (rewrite.ContainerBackedUp)
            containerBackups = rewrite.backupPaths;
        for (const char* name : ContainerFileNames) {
            if (rewrite.written)
                containerFiles.append(pathIn(folder, QLatin1String(name)));
        }
    }
    result.message = summary(files, containerBackups, containerFiles);
    reselectUnit(sheet, unit, column);
    return result;
}

} // namespace quillon
