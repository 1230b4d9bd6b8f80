#pragma once

#include "check/UnitCheck.h"
#include "datasheet/Datasheet.h"
#include "i18n/Language.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace quillon::check {

// One cell (or the description, DescriptionColumn) that differs.
struct CellChange {
    int column = 0;
    QString valueA;
    QString valueB;
};

enum class UnitPresence { Changed, OnlyInA, OnlyInB };

// A unit of A matched with a unit of B, or a unit only one of them has.
struct UnitDifference {
    UnitPresence change = UnitPresence::Changed;
    int rowA = -1; // datasheet rows; -1 where the file does not have the unit
    int rowB = -1;
    // Unit numbers. A unit only in B has unitA too: the number it would
    // take in A, standing where it stands in B.
    int unitA = -1;
    int unitB = -1;
    std::vector<CellChange> cells; // for Changed: every differing cell, by column
};

struct Comparison {
    // In unit-number order of A, the units only in B where they stand in B.
    std::vector<UnitDifference> units;
    bool descriptionsCompared = false;
    // False when so many units were inserted or deleted that the units were
    // matched by unit number alone.
    bool followedInsertions = true;

    int count(UnitPresence change) const;
    bool equal() const { return units.empty(); }
};

// Compares the units of two datasheets. Units are matched in unit-number
// order, following inserted and deleted units (recognised by their names),
// so that one inserted unit does not make every later unit differ. Column 0
// is the unit number and is not compared. Cells are equal when their texts
// are, without surrounding blanks, or when both are the same number (" 12",
// "12", "12.0"). Descriptions are compared when both tables are given,
// indexed by unit number.
Comparison CompareUnits(const Datasheet& a, const Datasheet& b,
                        const QStringList* descriptionsA = nullptr,
                        const QStringList* descriptionsB = nullptr);

// The positions (from 0) and values of the unknown bytes that differ
// between two cells of column 73.
struct ByteChange {
    int position = 0;
    QString valueA;
    QString valueB;
};
std::vector<ByteChange> UnknownByteChanges(const QString& cellA, const QString& cellB);

QString ChangeText(UnitPresence change, i18n::Language language);
QString DiffSummaryText(const Comparison& comparison, i18n::Language language);

// The long descriptions of the description container a save wrote into
// `folder` (its PFPDATA.IDX, EXT.IDX and the text container EXT.IDX names),
// covering at least `unitCount` units; nothing when the folder holds no
// readable container.
std::optional<QStringList> ReadFolderDescriptions(const QString& folder, int unitCount);

} // namespace quillon::check
