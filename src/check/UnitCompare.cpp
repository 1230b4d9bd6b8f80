#include "check/UnitCompare.h"

#include "check/UnitAlignment.h"
#include "datasheet/CellNumber.h"
#include "gamedata/IndexFiles.h"
#include "gamedata/TextLists.h"
#include "i18n/ReportTexts.h"
#include "platform/Files.h"

#include <QHash>
#include <algorithm>

namespace quillon::check {

namespace {

constexpr int NameColumn = 1;
constexpr int UnknownColumn = 73;
// Beyond this many inserted and deleted units the units are matched by
// number alone: following them would cost more than it tells.
constexpr int MaxFollowedEdits = 2000;

QStringView withoutBlanks(QStringView text) {
    while (text.startsWith(u' '))
        text = text.sliced(1);
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

bool sameCell(const QString& a, const QString& b) {
    if (a == b)
        return true;
    const QStringView trimmedA = withoutBlanks(a), trimmedB = withoutBlanks(b);
    return trimmedA == trimmedB ||
           (IsNumeric(trimmedA) && IsNumeric(trimmedB) && CellNumber(a) == CellNumber(b));
}

int unitNumber(const Datasheet& sheet, int row) {
    return int(RoundHalfEven(CellNumber(sheet.cell(row, 0))));
}

// One side of the comparison: its unit rows in unit-number order.
struct Side {
    const Datasheet& sheet;
    const QStringList* descriptions;
    std::vector<int> rows;
    std::vector<int> units;

    Side(const Datasheet& s, const QStringList* d) : sheet(s), descriptions(d) {
        for (int r = 1; r < sheet.rows(); ++r)
            rows.push_back(r);
        units.reserve(rows.size());
        for (const int r : rows)
            units.push_back(unitNumber(sheet, r));
        if (!std::is_sorted(units.begin(), units.end())) {
            std::stable_sort(rows.begin(), rows.end(), [&](int x, int y) {
                return units[size_t(x - 1)] < units[size_t(y - 1)];
            });
            std::sort(units.begin(), units.end());
        }
    }

    QString description(int unit) const {
        return unit >= 0 && unit < descriptions->size() ? (*descriptions)[unit] : QString();
    }
};

// Keys of the units of both sides: the same key for the same row (blanks
// around cells aside), and on the next level for the same name (case aside).
std::vector<KeyLevel> unitKeys(const Side& a, const Side& b) {
    std::vector<KeyLevel> levels(2);
    QHash<QString, int> names;
    for (const Side* side : {&a, &b}) {
        std::vector<Key>& rowKeys = side == &a ? levels[0].a : levels[0].b;
        std::vector<Key>& nameKeys = side == &a ? levels[1].a : levels[1].b;
        for (const int r : side->rows) {
            const Datasheet::Row& cells = side->sheet.rowCells(r);
            Key key = 0;
            for (int c = NameColumn; c < Datasheet::ColumnCount; ++c)
                key = key * 1000003u ^ qHash(withoutBlanks(cells[size_t(c)]));
            rowKeys.push_back(key);
            const QString name = withoutBlanks(cells[NameColumn]).toString().toCaseFolded();
            auto id = names.constFind(name);
            if (id == names.constEnd())
                id = names.insert(name, int(names.size()));
            nameKeys.push_back(Key(*id));
        }
    }
    return levels;
}

class UnitComparer {
public:
    UnitComparer(const Side& a, const Side& b)
        : a_(a), b_(b), descriptions_(a.descriptions && b.descriptions) {}

    bool descriptions() const { return descriptions_; }

    std::vector<CellChange> changes(int i, int j) const {
        std::vector<CellChange> cells;
        const Datasheet::Row& rowA = a_.sheet.rowCells(a_.rows[size_t(i)]);
        const Datasheet::Row& rowB = b_.sheet.rowCells(b_.rows[size_t(j)]);
        for (int c = NameColumn; c < Datasheet::ColumnCount; ++c) {
            if (!sameCell(rowA[size_t(c)], rowB[size_t(c)]))
                cells.push_back({c, rowA[size_t(c)], rowB[size_t(c)]});
        }
        if (descriptions_) {
            const QString textA = a_.description(a_.units[size_t(i)]);
            const QString textB = b_.description(b_.units[size_t(j)]);
            if (withoutBlanks(textA) != withoutBlanks(textB))
                cells.push_back({DescriptionColumn, textA, textB});
        }
        return cells;
    }

    // How many cells two units share, to tell which of them belong together.
    int similarity(int i, int j) const {
        const Datasheet::Row& rowA = a_.sheet.rowCells(a_.rows[size_t(i)]);
        const Datasheet::Row& rowB = b_.sheet.rowCells(b_.rows[size_t(j)]);
        int same = 0;
        for (int c = NameColumn; c < Datasheet::ColumnCount; ++c)
            same += rowA[size_t(c)] == rowB[size_t(c)];
        return same;
    }

private:
    const Side& a_;
    const Side& b_;
    const bool descriptions_;
};

} // namespace

int Comparison::count(UnitPresence change) const {
    return int(std::count_if(units.begin(), units.end(),
                             [change](const UnitDifference& u) { return u.change == change; }));
}

Comparison CompareUnits(const Datasheet& a, const Datasheet& b, const QStringList* descriptionsA,
                        const QStringList* descriptionsB) {
    const Side sideA(a, descriptionsA), sideB(b, descriptionsB);
    const UnitComparer comparer(sideA, sideB);

    Comparison result;
    result.descriptionsCompared = comparer.descriptions();
    const std::vector<AlignedPair> aligned = AlignSequences(
        unitKeys(sideA, sideB), [&](int i, int j) { return comparer.similarity(i, j); },
        MaxFollowedEdits, &result.followedInsertions);

    int nextA = 0; // the unit of A that the next unit only in B would stand before
    for (const AlignedPair& pair : aligned) {
        UnitDifference unit;
        if (pair.a >= 0) {
            unit.rowA = sideA.rows[size_t(pair.a)];
            unit.unitA = sideA.units[size_t(pair.a)];
            nextA = pair.a + 1;
        } else {
            unit.unitA = nextA < int(sideA.units.size())
                             ? sideA.units[size_t(nextA)]
                             : (sideA.units.empty() ? 0 : sideA.units.back() + 1);
        }
        if (pair.b >= 0) {
            unit.rowB = sideB.rows[size_t(pair.b)];
            unit.unitB = sideB.units[size_t(pair.b)];
        }
        if (pair.a >= 0 && pair.b >= 0) {
            unit.cells = comparer.changes(pair.a, pair.b);
            if (unit.cells.empty())
                continue;
        } else {
            unit.change = pair.a >= 0 ? UnitPresence::OnlyInA : UnitPresence::OnlyInB;
        }
        result.units.push_back(std::move(unit));
    }
    return result;
}

std::vector<ByteChange> UnknownByteChanges(const QString& cellA, const QString& cellB) {
    const QStringList valuesA = cellA.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QStringList valuesB = cellB.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    std::vector<ByteChange> changes;
    for (qsizetype i = 0; i < std::max(valuesA.size(), valuesB.size()); ++i) {
        const QString valueA = valuesA.value(i), valueB = valuesB.value(i);
        if (!sameCell(valueA, valueB))
            changes.push_back({int(i), valueA, valueB});
    }
    return changes;
}

QString ChangeText(UnitPresence change, i18n::Language language) {
    constexpr const char* Texts[] = {i18n::report::Changed, i18n::report::OnlyInA,
                                     i18n::report::OnlyInB};
    return i18n::Message(language, Texts[size_t(change)]);
}

QString DiffSummaryText(const Comparison& comparison, i18n::Language language) {
    if (comparison.equal())
        return i18n::Message(language, i18n::report::NoDifferences);
    return i18n::Message(language, i18n::report::DiffSummary)
        .arg(comparison.units.size())
        .arg(comparison.count(UnitPresence::Changed))
        .arg(comparison.count(UnitPresence::OnlyInA))
        .arg(comparison.count(UnitPresence::OnlyInB));
}

std::optional<QStringList> ReadFolderDescriptions(const QString& folder, int unitCount) {
    const std::optional<QByteArray> ext =
        platform::readWholeFile(platform::findNoCase(folder, QStringLiteral("EXT.IDX")));
    const std::optional<QByteArray> pfp =
        platform::readWholeFile(platform::findNoCase(folder, QStringLiteral("PFPDATA.IDX")));
    if (!ext || !pfp)
        return std::nullopt;
    gamedata::GameIndex index;
    gamedata::ReadExtIndex(*ext, index);
    gamedata::ReadPfpIndex(*pfp, index);
    const std::optional<QByteArray> container =
        platform::readWholeFile(platform::findNoCase(folder, gamedata::TextContainerName(index)));
    if (!container)
        return std::nullopt;
    gamedata::TextLists lists;
    QStringList descriptions;
    gamedata::LoadTextLists(*container, index, lists, descriptions,
                            std::max(gamedata::MinDescriptions, unitCount));
    if (descriptions.isEmpty())
        return std::nullopt;
    return descriptions;
}

} // namespace quillon::check
