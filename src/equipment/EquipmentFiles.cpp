#include "equipment/EquipmentFiles.h"

#include "datasheet/CellNumber.h"
#include "equipment/RecordCodec.h"
#include "equipment/SavedSetCheck.h"
#include "equipment/UnitNames.h"
#include "i18n/Messages.h"
#include "platform/FileCommit.h"
#include "platform/Files.h"

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

// "I cannot write the file: " and the path, the system's reason, and
// whether the files were put back.
QString CommitFailure(const platform::CommitResult& commit, i18n::Language language) {
    QString text = message(language, i18n::msg::CannotWriteFile, commit.failedPath);
    if (!commit.reason.isEmpty())
        text += QStringLiteral(" (") + commit.reason + QLatin1Char(')');
    text += CrLf;
    if (commit.notRestored.isEmpty())
        return text + i18n::Message(language, i18n::msg::SaveNotCompleted);
    return text + i18n::Message(language, i18n::msg::SaveNotUndone) + CrLf +
           commit.notRestored.join(QLatin1String(CrLf));
}

QString summary(const QStringList& backups, const std::vector<platform::PlannedFile>& files) {
    QString text = QStringLiteral("Your old files has been saved as: ") + CrLf;
    for (const QString& path : backups)
        text += path + CrLf;
    text += CrLf;
    text += QStringLiteral("Your complete E-file now consists of the following files: ") + CrLf;
    for (const platform::PlannedFile& file : files)
        text += file.path + CrLf;
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
    result.warnings = CheckSavedSet(folder, count, int(input.names.size()), txtPath, language);
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

LoadResult LoadEquipmentFiles(const QString& folder, Datasheet& sheet, i18n::Language language,
                              const platform::Progress& progress) {
    const EquipmentInput input = ReadEquipmentFiles(folder, language);
    if (!input.result.ok)
        return input.result;
    std::vector<Datasheet::Row> rows;
    rows.reserve(size_t(input.count));
    for (int i = 0; i < input.count; ++i) {
        rows.push_back(input.row(i));
        platform::Report(progress, i + 1, input.count);
    }
    sheet.replaceUnitRows(std::move(rows));
    sheet.select(1, 0, 1, 0);
    return input.result;
}

SaveResult SaveEquipmentFiles(Datasheet& sheet, const SaveInputs& inputs) {
    SaveResult result;
    const int unit = int(RoundHalfEven(CellNumber(sheet.cell(sheet.row(), 0))));
    const int column = sheet.col();
    SavePlan plan = PlanSave(sheet, inputs);
    result.order = std::move(plan.order);
    result.corrections = std::move(plan.corrections);
    if (!plan.ok) {
        result.message = plan.message;
        reselectUnit(sheet, unit, column);
        return result;
    }
    // A save on top of a mix would turn the backups of the previous save into a mix too.
    const QString interrupted = UnfinishedSaveMessage(plan.folder, inputs.language);
    if (!interrupted.isEmpty()) {
        result.message = interrupted;
        reselectUnit(sheet, unit, column);
        return result;
    }
    const platform::CommitResult commit = platform::CommitFiles(plan.folder, plan.files);
    reselectUnit(sheet, unit, column);
    if (!commit.ok) {
        result.message = CommitFailure(commit, inputs.language);
        return result;
    }
    result.ok = true;
    result.containerMessage = plan.containerMessage;
    result.containerWritten = plan.containerMessage.isEmpty();
    result.message = summary(commit.backups, plan.files);
    return result;
}

} // namespace quillon
