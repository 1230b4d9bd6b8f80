#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <utility>
#include <vector>

namespace quillon {

class Datasheet;

// What the filter language knows of the datasheet's columns.
struct FilterVocabulary {
    // Every name a column answers to (headings and field labels, in the
    // languages the caller offers). Names are compared with case, accents,
    // blanks and punctuation ignored ("hard attack" = "Hard Attack",
    // "ha" = "H.A."); where two names fold alike the earlier one wins.
    QList<std::pair<QString, int>> columnNames;
    // Columns that hold an index into a list, with the list's entry names:
    // "class = tank" compares the entry the cell names.
    QHash<int, QStringList> listEntries;
    // Columns compared as text whatever the value looks like.
    QList<int> textColumns = {1, 73};
    // Words that join conditions ("and" and the language's own).
    QStringList andWords = {QStringLiteral("and")};
};

// A filter typed by the user, e.g. `tiger class = tank hard attack >= 10`:
// conditions separated by blanks or "and", all of which must hold. A word
// (or a "quoted phrase") must occur in the unit's name; `column op value`
// compares a column with =, !=, <, <=, > or >= (also == and <>), as numbers
// when the value is a number, else as text, case and accents ignored.
class UnitFilter {
public:
    enum class Problem {
        None,
        UnknownColumn, // subject: the words before the operator
        NoColumn,      // subject: the operator
        NoValue,       // subject: the column and the operator
        BadOperator,   // subject: the operator
        NotANumber,    // subjects: the column, the value
        UnknownEntry,  // subjects: the column, the value
        OpenQuote,
    };

    // Shows every unit.
    UnitFilter() = default;
    static UnitFilter Parse(QStringView text, const FilterVocabulary& vocabulary);

    // Conditions present and understood: the filter hides what fails them.
    bool isActive() const { return problem_ == Problem::None && !conditions_.empty(); }
    Problem problem() const { return problem_; }
    const QStringList& problemSubjects() const { return subjects_; }

    // Whether datasheet row `row` passes every condition (always, while
    // the filter is not active).
    bool matches(const Datasheet& sheet, int row) const;

private:
    enum class Op { Equal, NotEqual, Less, LessOrEqual, Greater, GreaterOrEqual };
    struct Condition {
        enum class Kind { NameContains, Number, Text } kind = Kind::NameContains;
        int column = 1;
        Op op = Op::Equal;
        double number = 0;
        QString text;        // folded
        QStringList entries; // folded entry names of a list column, by index
    };
    struct Parser;

    bool holds(const Condition& condition, const Datasheet& sheet, int row) const;
    static bool compare(int order, Op op);

    std::vector<Condition> conditions_;
    Problem problem_ = Problem::None;
    QStringList subjects_;
};

} // namespace quillon
