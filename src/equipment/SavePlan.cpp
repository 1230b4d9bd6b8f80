#include "equipment/SavePlan.h"

#include "equipment/DescriptionContainer.h"
#include "equipment/EquipmentFiles.h"
#include "equipment/RecordCodec.h"
#include "equipment/UnitNames.h"
#include "i18n/Messages.h"
#include "platform/Files.h"
#include "platform/TextCodec.h"

#include <QFileInfo>

namespace quillon {

namespace {

// Enough lines to find the problem without a message box taller than the screen.
constexpr int MaxListedTexts = 20;

// "Unit No. 3, Unit Name: Ł ó" for every text that holds characters the
// game's code page cannot store.
QStringList UnstorableTexts(const Datasheet& sheet, const QStringList* descriptions,
                            i18n::Language language) {
    const QStringList headings = i18n::ColumnHeadings(language, {});
    const QString descriptionField = i18n::Caption(language, u"Form1", u"Frame15");
    QStringList found;
    const auto check = [&](int row, const QString& field, const QString& text) {
        const QString characters = platform::unencodableCp1252(text);
        if (characters.isEmpty())
            return;
        QStringList listed;
        for (qsizetype i = 0; i < characters.size(); i += listed.last().size())
            listed.append(characters.sliced(
                i, characters[i].isHighSurrogate() && i + 1 < characters.size() ? 2 : 1));
        found.append(headings[0] + QLatin1Char(' ') + sheet.cell(row, 0).trimmed() +
                     QStringLiteral(", ") + field + QStringLiteral(": ") +
                     listed.join(QLatin1Char(' ')));
    };
    for (int row = 1; row < sheet.rows(); ++row) {
        check(row, headings[1], sheet.cell(row, 1));
        if (descriptions && row - 1 < descriptions->size())
            check(row, descriptionField, descriptions->at(row - 1));
    }
    return found;
}

QString UnstorableMessage(const QStringList& texts, i18n::Language language) {
    QString message = i18n::Message(language, i18n::msg::CannotStoreCharacters);
    for (const QString& text : texts.mid(0, MaxListedTexts))
        message += QStringLiteral("\r\n") + text;
    if (texts.size() > MaxListedTexts)
        message += QStringLiteral("\r\n...");
    return message;
}

QByteArray EquipmentFileBytes(Datasheet& sheet, std::vector<RowEdit>* corrections,
                              const platform::Progress& progress) {
    const int unitCount = sheet.rows() - 1; // at most Datasheet::MaxUnits
    QByteArray eqp;
    eqp.reserve(2 + qsizetype(EquipmentRecord::Size) * unitCount);
    eqp.append(char(unitCount & 0xFF));
    eqp.append(char((unitCount >> 8) & 0xFF));
    if (corrections)
        corrections->reserve(size_t(unitCount));
    for (int r = 1; r < sheet.rows(); ++r) {
        const EquipmentRecord record = RowToRecord(sheet, r, corrections);
        eqp.append(reinterpret_cast<const char*>(record.bytes.data()), EquipmentRecord::Size);
        platform::Report(progress, r, unitCount);
    }
    return eqp;
}

QByteArray UnitNamesBytes(const Datasheet& sheet) {
    QStringList names;
    names.reserve(sheet.rows() - 1);
    for (int r = 1; r < sheet.rows(); ++r)
        names.append(sheet.cell(r, 1));
    return WriteUnitNames(names);
}

// An existing file, whatever its case, is replaced under its own name and
// backed up beside it; a new file gets the game's spelling.
platform::PlannedFile EquipmentFile(const QString& folder, const char* name, QByteArray bytes) {
    const QString path = platform::findNoCase(folder, QString::fromLatin1(name));
    return {path, std::move(bytes),
            platform::findNoCase(folder, QStringLiteral("OLD_") + QFileInfo(path).fileName())};
}

} // namespace

SavePlan PlanSave(Datasheet& sheet, const SaveInputs& inputs) {
    SavePlan plan;
    const i18n::Language language = inputs.language;
    sheet.select(1, 0, 1, 0);
    int first = 1;
    plan.order = sheet.sortOrder(Datasheet::NumericAscending, first);
    sheet.permuteRows(first, plan.order);

    plan.folder = inputs.equipmentFolder.trimmed();
    if (!platform::folderExists(plan.folder)) {
        plan.message = i18n::Message(language, i18n::msg::CannotFindFolder) + plan.folder +
                       i18n::Message(language, i18n::msg::FolderUnavailable);
        return plan;
    }

    const int unitCount = sheet.rows() - 1;
    const QStringList noDescriptions;
    const QStringList& descriptions =
        inputs.longDescriptions ? *inputs.longDescriptions : noDescriptions;
    ContainerPlan container;
    if (inputs.gameData) {
        container = RewriteDescriptionContainer(plan.folder, inputs.dataFolder, descriptions,
                                                unitCount, language);
    } else {
        container.message = i18n::Message(language, i18n::msg::NoGameIndex);
    }
    if (!container.ok && inputs.descriptionsRequired) {
        plan.message = container.message;
        return plan;
    }
    // Descriptions count only when they are written.
    const QStringList unstorable =
        UnstorableTexts(sheet, container.ok ? &descriptions : nullptr, language);
    if (!unstorable.isEmpty()) {
        plan.message = UnstorableMessage(unstorable, language);
        return plan;
    }

    plan.files.push_back(EquipmentFile(
        plan.folder, EquipmentFileName,
        EquipmentFileBytes(sheet, inputs.keepCorrections ? &plan.corrections : nullptr,
                           inputs.progress)));
    plan.files.push_back(EquipmentFile(plan.folder, UnitNamesFileName, UnitNamesBytes(sheet)));
    if (container.ok) {
        for (platform::PlannedFile& file : container.files)
            plan.files.push_back(std::move(file));
    } else {
        plan.containerMessage = container.message;
    }
    plan.ok = true;
    return plan;
}

} // namespace quillon
