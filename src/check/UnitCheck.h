#pragma once

#include "datasheet/Datasheet.h"
#include "gamedata/TextLists.h"
#include "i18n/Language.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace quillon {
struct EditorState;
}

namespace quillon::check {

// The long description has no datasheet column; its problems carry this one.
inline constexpr int DescriptionColumn = Datasheet::ColumnCount;

enum class Severity { Error, Warning, Note };

// In the order a list sorted by kind shows them.
enum class ProblemKind {
    // A save stores something else than the cell shows.
    NotANumber,
    OutOfRange,
    NotWhole,
    UnknownBytes,
    NameNotStorable,
    NameBlanks,
    // A save is refused until these are changed.
    CharactersNotStorable,
    // The game data cannot serve the value.
    NoSuchIcon,
    NotInList,
    NoSoundFile,
    // Availability, nations, names and descriptions.
    ExpiresFirst,
    NotAMonth,
    NoNation,
    EmptyName,
    DuplicateName,
    PlaceholderDescription,
    EmptyDescription,
};

struct Problem {
    int row = 0;    // datasheet row of the unit
    int unit = 0;   // its unit number
    QString name;   // its name as the cell holds it
    int column = 0; // datasheet column, or DescriptionColumn
    QString value;  // the cell's (or the description's) text as it stands
    ProblemKind kind = ProblemKind::NotANumber;
    // What the reason names: the text a save stores, the last index of a
    // list, the icon count, the other units of the same name...
    QString argument;
};

// What the game offers. A member left unset skips the checks that need it.
struct GameReference {
    const gamedata::TextLists* lists = nullptr;
    int iconCount = -1;
    const QStringList* soundFiles = nullptr;       // the sound folder's "????.mel" names
    const QStringList* longDescriptions = nullptr; // indexed by unit number
};

// What the last game folder check of `state` found.
GameReference ReferenceOf(const EditorState& state);

// Checks that needed game data that was not there.
enum class Area { Icons, Lists, Sounds, Descriptions };

struct CheckReport {
    std::vector<Problem> problems; // by datasheet row, then column
    int units = 0;
    std::vector<Area> notChecked;

    int count(Severity severity) const;
    // Errors or warnings; notes alone (a name used twice) are not problems.
    bool problemsFound() const;
};

// Checks every unit row of `sheet` without changing it.
CheckReport CheckUnits(const Datasheet& sheet, const GameReference& game,
                       const platform::Progress& progress = {});

Severity SeverityOf(ProblemKind kind);
// A stable English word for tables that scripts read ("out-of-range").
QString KindId(ProblemKind kind);
QString SeverityText(Severity severity, i18n::Language language);
QString ReasonText(const Problem& problem, i18n::Language language);
// The heading of a datasheet column from `headings`, or the form's frame
// caption for the description.
QString FieldHeading(int column, const QStringList& headings, i18n::Language language);
// The heading a report shows for a problem: its field's, or the country
// frame's caption for a unit no nation fields.
QString ProblemHeading(const Problem& problem, const QStringList& headings,
                       i18n::Language language);
// What was not checked and why; empty when everything was.
QString NotCheckedText(const CheckReport& report, i18n::Language language);
QString SummaryText(const CheckReport& report, i18n::Language language);

} // namespace quillon::check
