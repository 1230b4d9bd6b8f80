// The filter language in the three languages' column names, and finding a
// unit, on a small datasheet whose answers are written out by hand.
#include "datasheet/Datasheet.h"
#include "datasheet/FilterCondition.h"
#include "datasheet/UnitSearch.h"
#include "shell/EditorState.h"
#include "shell/ui/FilterVocabulary.h"

#include <QTest>

using namespace quillon;

namespace {

// Rows 1..5: name, class (an index into the classes), H.A., target type and
// year available, in these columns; the first and the last have descriptions.
const int Columns[] = {1, 2, 4, 13, 30};
const char* const Units[] = {"Tiger I| 1| 20| 1| 42", "Éclair| 6| 2| 2| 39",
                             "Panzer IV| 1| 9| 1| 38", "Tank Hunter| 3| 15| 1| 40",
                             "eclair II| 7| 10| 2| 44"};

void Fill(EditorState& state, const QString& languageCode) {
    state.LanguageCode = languageCode;
    state.lists.classes = {"Infantry",  "Tank",        "Recon",   "Anti-Tank",
                           "Artillery", "Air Defence", "Fighter", "Tactical Bomber"};
    state.lists.targetTypes = {"Soft", "Hard", "Plane", "Naval", "Sub"};
    state.datasheet.setRows(6);
    for (int row = 1; row <= 5; ++row) {
        state.datasheet.setCell(row, 0, QStringLiteral(" %1").arg(row - 1));
        const QStringList cells = QString::fromUtf8(Units[row - 1]).split(u'|');
        for (int i = 0; i < 5; ++i)
            state.datasheet.setCell(row, Columns[i], cells[i]);
    }
    state.LongDescriptions = {"A heavy tank.", "", "", "", "Wings over Zeppelin fields."};
}

} // namespace

class FindFilterTest : public QObject {
    Q_OBJECT
private slots:
    // What the text typed picks: as a filter in the language given, the
    // names shown or the problem and its subjects; with "find from ROW", the
    // row, column and whether it wrapped (1) of the unit found "back" or
    // forwards, in the names or "everywhere", among the rows listed (all
    // unless given).
    void typed_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("outcome");
        const auto row = [](const char* how, const char* typed, const char* outcome) {
            QTest::addRow("%s %s", how, typed)
                << QString::fromLatin1(how) << QString::fromUtf8(typed)
                << QString::fromUtf8(outcome);
        };
        const char* const all = "Tiger I, Éclair, Panzer IV, Tank Hunter, eclair II";
        row("uk", "", all);
        row("uk", "tiger", "Tiger I");
        row("uk", "ECLAIR", "Éclair, eclair II");
        row("uk", "\"tank hunter\"", "Tank Hunter");
        row("uk", "class = tank", "Tiger I, Panzer IV");
        row("uk", "class = 1", "Tiger I, Panzer IV");
        row("uk", "class != Tank", "Éclair, Tank Hunter, eclair II");
        row("uk", "class = tactical bomber", "eclair II");
        row("uk", "target type = plane", "Éclair, eclair II");
        row("uk", "hard attack >= 10", "Tiger I, Tank Hunter, eclair II");
        row("uk", "H.A. > 10", "Tiger I, Tank Hunter");
        row("uk", "ha<10", "Éclair, Panzer IV");
        row("uk", "year available < 40 and class = tank", "Panzer IV");
        row("uk", "eclair year available >= 40", "eclair II");
        row("uk", "year available == 42.0", "Tiger I");
        row("uk", "unit name < f", "Éclair, eclair II");
        row("uk", "unit name = \"PANZER IV\"", "Panzer IV");
        row("uk", "and tiger and", "Tiger I");
        row("deu", "Klasse = tank", "Tiger I, Panzer IV");
        row("deu", "harter angriff >= 10 und klasse = tank", "Tiger I");
        row("deu", "class = tank", "Tiger I, Panzer IV");
        row("deu", "ab Jahr < 40", "Éclair, Panzer IV");
        row("fra", "catégorie = tank", "Tiger I, Panzer IV");
        row("fra", "categorie = TANK et attaque anti-blindés >= 10", "Tiger I");
        row("fra", "année de disponibilité >= 44", "eclair II");
        // Nothing understood, nothing filtered: the reason instead.
        row("uk", "hard atack >= 10", "unknown column: hard atack");
        row("uk", "tiger hard atack >= 10", "unknown column: tiger hard atack");
        row("uk", "tiger hardattack >= 20", "Tiger I");
        row("uk", ">= 10", "no column: >=");
        row("uk", "ha >=", "no value: ha >=");
        row("uk", "ha => 10", "bad operator: =>");
        row("uk", "ha >= many", "not a number: ha | many");
        row("uk", "class = dragon", "unknown entry: class | dragon");
        row("uk", "\"tiger", "open quote: ");
        row("deu", "klasse = tank and jahr verf. < x", "not a number: jahr verf. | x");
        row("deu", "catégorie = tank", "unknown column: catégorie");
        row("fra", "ha >= 10 et catégorie = char", "unknown entry: catégorie | char");
        row("fra", "and", all);                // only German and French join with their own word
        row("find from 2", "ECLAIR", "5,1,0"); // accents and case
        row("find from 5", "eclair", "2,1,1");
        row("find from 2 back", "eclair", "5,1,1");
        row("find from 1", "tiger", "1,1,1"); // only the current unit
        row("find from 1", "44", "0,0,0");
        row("find from 1 everywhere", "44", "5,30,0");
        row("find from 1 everywhere", "zeppelin", "5,1,0");
        row("find from 1 among 1 3", "e", "3,1,0");
        row("find from 2 among 1 4 5", "e", "4,1,0"); // from a hidden unit
        row("find from 2 among 1 4 5 back", "e", "1,1,0");
        row("find from 1 everywhere", "  ", "0,0,0");
    }
    void typed() {
        QFETCH(QString, how);
        QFETCH(QString, typed);
        const QStringList words = how.split(u' ');
        EditorState state;
        Fill(state, words[0] == "find" ? QStringLiteral("uk") : how);
        if (words[0] == "find") {
            std::vector<int> rows;
            for (const QString& word : words.mid(3))
                if (word.toInt() > 0)
                    rows.push_back(word.toInt());
            if (rows.empty()) // every unit shown
                rows = {1, 2, 3, 4, 5};
            const FoundUnit found =
                FindUnit(state.datasheet, state.LongDescriptions, typed, how.contains("everywhere"),
                         rows, words[2].toInt(), how.contains("back"));
            QTEST(QString::asprintf("%d,%d,%d", found.row, found.col, int(found.wrapped)),
                  "outcome");
            return;
        }
        static const QStringList problems{"unknown column", "no column",    "no value",
                                          "bad operator",   "not a number", "unknown entry",
                                          "open quote"};
        const UnitFilter filter = UnitFilter::Parse(typed, FilterVocabularyFor(state));
        QStringList names;
        for (int row = 1; row < state.datasheet.rows(); ++row)
            if (filter.matches(state.datasheet, row))
                names.append(state.datasheet.cell(row, 1));
        if (filter.problem() != UnitFilter::Problem::None) { // then nothing is filtered
            QCOMPARE(names.size(), 5);
            QVERIFY(!filter.isActive());
            names = {problems[int(filter.problem()) - 1] + ": " +
                     filter.problemSubjects().join(" | ")};
        }
        QTEST(names.join(", "), "outcome");
    }
};

QTEST_GUILESS_MAIN(FindFilterTest)
#include "test_findfilter.moc"
