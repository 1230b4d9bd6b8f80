#include "check/UnitCheck.h"

#include "datasheet/CellNumber.h"
#include "equipment/RecordCodec.h"
#include "equipment/UnitNames.h"
#include "gamedata/IndexFiles.h"
#include "i18n/Messages.h"
#include "platform/Files.h"
#include "platform/TextCodec.h"
#include "shell/EditorState.h"
#include "sound/SoundLists.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <cmath>

namespace quillon::check {

namespace {

constexpr int NameColumn = 1;
constexpr int FirstRecordColumn = 2;
constexpr int TargetTypeColumn = 13;
constexpr int IconColumn = 27;
constexpr int MonthColumn = 29;
constexpr int YearAvailableColumn = 30;
constexpr int YearExpiredColumn = 31;
constexpr int FirstNationColumn = 34;
constexpr int LastNationColumn = 65;
constexpr int FirstSoundColumn = 70;
constexpr int LastSoundColumn = 72;
constexpr int UnknownColumn = 73;
constexpr int TargetTypes = 5; // the form's five option buttons, whatever the game names them
constexpr int MaxNamedDuplicates = 10;

// Columns whose value indexes a list of the game.
struct ListColumn {
    int column;
    QStringList gamedata::TextLists::*list;
};
constexpr ListColumn ListColumns[] = {
    {2, &gamedata::TextLists::classes},      {19, &gamedata::TextLists::moveMedia},
    {20, &gamedata::TextLists::moveMethods}, {32, &gamedata::TextLists::transports},
    {66, &gamedata::TextLists::specials},    {67, &gamedata::TextLists::specials},
    {68, &gamedata::TextLists::specials},    {69, &gamedata::TextLists::specials},
};

bool isSoundColumn(int column) {
    return column >= FirstSoundColumn && column <= LastSoundColumn;
}

// What the form view writes into a sound cell for "no sound", in any language.
bool isNoSoundText(const QString& cell, const QStringList& noSoundTexts) {
    return noSoundTexts.contains(gamedata::TrimBlanks(cell));
}

QStringList noSoundTexts() {
    QStringList texts;
    for (const i18n::Language language : i18n::AllLanguages)
        texts.append(sound::SoundCellText(i18n::Message(language, i18n::msg::NoSoundEntry)));
    return texts;
}

// The blank-separated values of the unknown-bytes cell, as numbers; a
// piece that is not a number gives NaN, which equals nothing.
QList<double> byteValues(const QString& cell) {
    QList<double> values;
    for (const QStringView piece : QStringView(cell).split(u' ', Qt::SkipEmptyParts))
        values.append(IsNumeric(piece) ? CellNumber(piece) : std::nan(""));
    return values;
}

// "<digits>.txt", the text the game's reader gives a unit without a description.
bool isPlaceholder(const QString& description) {
    const QString text = gamedata::TrimBlanks(description);
    const qsizetype digits = text.size() - 4;
    if (digits < 1 || !text.endsWith(QLatin1String(".txt")))
        return false;
    return std::all_of(text.begin(), text.begin() + digits,
                       [](QChar c) { return c >= u'0' && c <= u'9'; });
}

class RowChecker {
public:
    RowChecker(const GameReference& game, std::vector<Problem>& problems)
        : game_(game), problems_(problems), noSoundTexts_(noSoundTexts()) {
        scratch_.setRows(2);
        if (game.soundFiles) {
            for (const QString& file : *game.soundFiles)
                soundFiles_.insert(gamedata::TrimBlanks(file).toUpper());
        }
    }

    // Returns the name a save stores, for the duplicate test.
    QString check(int row, const Datasheet::Row& cells) {
        row_ = row;
        cells_ = &cells;
        unit_ = int(RoundHalfEven(CellNumber(cells[0])));
        // The save's own conversion, on a copy: what it would store and
        // which cells it would rewrite.
        scratch_.setRowCells(1, cells);
        const EquipmentRecord record = RowToRecord(scratch_, 1);
        const QString storedName = ReadUnitNames(WriteUnitNames({cells[NameColumn]}), 1).value(0);
        const Datasheet::Row stored = RecordToCells(unit_, storedName, record);

        checkName(storedName);
        for (int column = FirstRecordColumn; column < UnknownColumn; ++column)
            checkStoredValue(column, stored[size_t(column)]);
        checkUnknownBytes(stored[UnknownColumn]);
        checkReferences(stored);
        checkAvailability(stored);
        checkDescription();
        return storedName;
    }

private:
    void add(int column, ProblemKind kind, const QString& argument = {},
             std::optional<QString> value = {}) {
        const Datasheet::Row& cells = *cells_;
        const QString text = value                             ? *value
                             : column < Datasheet::ColumnCount ? cells[size_t(column)]
                                                               : QString();
        problems_.push_back({row_, unit_, cells[NameColumn], column, text, kind, argument});
    }

    static double number(const QString& text) { return CellNumber(text); }

    void checkName(const QString& storedName) {
        const QString& name = (*cells_)[NameColumn];
        if (const QString refused = platform::unencodableCp1252(name); !refused.isEmpty())
            add(NameColumn, ProblemKind::CharactersNotStorable, refused);
        else if (storedName != name) {
            const bool onlyBlanks = storedName == gamedata::TrimBlanks(name);
            add(NameColumn, onlyBlanks ? ProblemKind::NameBlanks : ProblemKind::NameNotStorable,
                storedName);
        }
        if (storedName.isEmpty())
            add(NameColumn, ProblemKind::EmptyName);
    }

    // A cell whose number is not the one a save stores.
    void checkStoredValue(int column, const QString& stored) {
        const QString& cell = (*cells_)[size_t(column)];
        if (cell == stored)
            return;
        const bool numeric = IsNumeric(cell);
        const double value = number(cell);
        const double kept = number(stored);
        if (numeric && value == kept)
            return;
        if (!numeric && isSoundColumn(column) && isNoSoundText(cell, noSoundTexts_))
            return;
        ProblemKind kind = ProblemKind::OutOfRange;
        if (!numeric)
            kind = ProblemKind::NotANumber;
        else if (std::floor(value) != value && std::abs(value - kept) < 1)
            kind = ProblemKind::NotWhole;
        add(column, kind, gamedata::TrimBlanks(stored));
    }

    void checkUnknownBytes(const QString& stored) {
        const QString& cell = (*cells_)[UnknownColumn];
        if (cell != stored && byteValues(cell) != byteValues(stored))
            add(UnknownColumn, ProblemKind::UnknownBytes, gamedata::TrimBlanks(stored));
    }

    void checkReferences(const Datasheet::Row& stored) {
        const auto value = [&](int column) { return int(number(stored[size_t(column)])); };
        if (value(TargetTypeColumn) >= TargetTypes)
            add(TargetTypeColumn, ProblemKind::NotInList, QString::number(TargetTypes - 1));
        if (game_.lists) {
            for (const ListColumn& c : ListColumns) {
                const qsizetype entries = (game_.lists->*c.list).size();
                if (entries > 0 && value(c.column) >= entries)
                    add(c.column, ProblemKind::NotInList, QString::number(entries - 1));
            }
        }
        if (game_.iconCount >= 0 && value(IconColumn) >= game_.iconCount)
            add(IconColumn, ProblemKind::NoSuchIcon, QString::number(game_.iconCount));
        if (game_.soundFiles) {
            for (int column = FirstSoundColumn; column <= LastSoundColumn; ++column) {
                const int sound = value(column); // 0: no sound
                const QString file = QString::number(sound) + QStringLiteral(".MEL");
                if (sound != 0 && !soundFiles_.contains(file))
                    add(column, ProblemKind::NoSoundFile, QString::number(sound));
            }
        }
    }

    void checkAvailability(const Datasheet::Row& stored) {
        const int month = int(number(stored[MonthColumn]));
        if (month < 1 || month > 12)
            add(MonthColumn, ProblemKind::NotAMonth);
        if (number(stored[YearExpiredColumn]) < number(stored[YearAvailableColumn])) {
            add(YearExpiredColumn, ProblemKind::ExpiresFirst,
                gamedata::TrimBlanks(stored[YearAvailableColumn]));
        }
        bool fielded = false;
        for (int column = FirstNationColumn; column <= LastNationColumn; ++column)
            fielded = fielded || number(stored[size_t(column)]) != 0;
        if (!fielded)
            add(FirstNationColumn, ProblemKind::NoNation, {}, QString());
    }

    void checkDescription() {
        if (!game_.longDescriptions)
            return;
        const QStringList& descriptions = *game_.longDescriptions;
        // A unit beyond the table has no description of its own: a save
        // writes the placeholder for it.
        const QString text = unit_ >= 0 && unit_ < descriptions.size()
                                 ? descriptions[unit_]
                                 : gamedata::DescriptionPlaceholder(unit_);
        if (const QString refused = platform::unencodableCp1252(text); !refused.isEmpty())
            add(DescriptionColumn, ProblemKind::CharactersNotStorable, refused, text);
        if (gamedata::TrimBlanks(text).isEmpty())
            add(DescriptionColumn, ProblemKind::EmptyDescription, {}, text);
        else if (isPlaceholder(text))
            add(DescriptionColumn, ProblemKind::PlaceholderDescription, {}, text);
    }

    const GameReference& game_;
    std::vector<Problem>& problems_;
    const QStringList noSoundTexts_;
    QSet<QString> soundFiles_; // upper case
    Datasheet scratch_;
    int row_ = 0;
    int unit_ = 0;
    const Datasheet::Row* cells_ = nullptr;
};

// A note on every unit whose name another unit also has (case ignored).
void addDuplicateNames(const Datasheet& sheet, const QStringList& storedNames,
                       std::vector<Problem>& problems) {
    QHash<QString, QList<int>> rowsByName;
    for (int r = 1; r < sheet.rows(); ++r) {
        if (!storedNames[r - 1].isEmpty())
            rowsByName[storedNames[r - 1].toCaseFolded()].append(r);
    }
    for (const QList<int>& rows : rowsByName) {
        if (rows.size() < 2)
            continue;
        QList<int> units;
        for (const int r : rows)
            units.append(int(RoundHalfEven(CellNumber(sheet.cell(r, 0)))));
        for (qsizetype i = 0; i < rows.size(); ++i) {
            QStringList others;
            for (qsizetype j = 0; j < units.size(); ++j) {
                if (j != i && others.size() < MaxNamedDuplicates)
                    others.append(QString::number(units[j]));
            }
            if (units.size() - 1 > MaxNamedDuplicates)
                others.append(QStringLiteral("…"));
            const QString name = sheet.cell(rows[i], NameColumn);
            problems.push_back({rows[i], units[i], name, NameColumn, name,
                                ProblemKind::DuplicateName, others.join(QStringLiteral(", "))});
        }
    }
}

} // namespace

GameReference ReferenceOf(const EditorState& state) {
    GameReference game;
    const bool gameData = state.ExtIndexFound && state.PfpIndexFound;
    if (gameData && !state.lists.classes.isEmpty())
        game.lists = &state.lists;
    if (gameData && state.graphics.IconsAvailable)
        game.iconCount = state.graphics.IconCount;
    if (platform::folderExists(state.SoundFolder))
        game.soundFiles = &state.soundFiles;
    if (gameData && !state.LongDescriptions.isEmpty())
        game.longDescriptions = &state.LongDescriptions;
    return game;
}

int CheckReport::count(Severity severity) const {
    return int(std::count_if(problems.begin(), problems.end(), [severity](const Problem& p) {
        return SeverityOf(p.kind) == severity;
    }));
}

bool CheckReport::problemsFound() const {
    return count(Severity::Error) > 0 || count(Severity::Warning) > 0;
}

CheckReport CheckUnits(const Datasheet& sheet, const GameReference& game,
                       const platform::Progress& progress) {
    CheckReport report;
    report.units = sheet.rows() - 1;
    if (game.iconCount < 0)
        report.notChecked.push_back(Area::Icons);
    const bool allLists = game.lists && std::all_of(std::begin(ListColumns), std::end(ListColumns),
                                                    [&](const ListColumn& c) {
                                                        return !(game.lists->*c.list).isEmpty();
                                                    });
    if (!allLists)
        report.notChecked.push_back(Area::Lists);
    if (!game.soundFiles)
        report.notChecked.push_back(Area::Sounds);
    if (!game.longDescriptions)
        report.notChecked.push_back(Area::Descriptions);

    RowChecker checker(game, report.problems);
    QStringList storedNames;
    storedNames.reserve(report.units);
    for (int r = 1; r < sheet.rows(); ++r) {
        const Datasheet::Row& cells = sheet.rowCells(r);
        storedNames.append(checker.check(r, cells));
        platform::Report(progress, r, report.units);
    }
    addDuplicateNames(sheet, storedNames, report.problems);
    std::stable_sort(report.problems.begin(), report.problems.end(),
                     [](const Problem& a, const Problem& b) {
                         return a.row != b.row ? a.row < b.row : a.column < b.column;
                     });
    return report;
}

} // namespace quillon::check
