#include "check/UnitCheck.h"
#include "equipment/EquipmentFiles.h"
#include "samplegame/SampleGame.h"
#include "shell/EditorState.h"
#include "shell/GameFolderCheck.h"

#include <QTemporaryDir>
#include <QTest>

using namespace quillon;
using namespace quillon::check;

class UnitCheckTest : public QObject {
    Q_OBJECT
    QTemporaryDir temp;
    EditorState game; // the sample game: 20 units, 5 icons, sounds 1000, 1001, 1002 (.MEL)

    // "unit,column=text" (column 74: the description; "34-65" a range of
    // columns; "%U" the cell's text as loaded).
    void apply(const QString& edit, Datasheet& sheet, QStringList& descriptions) {
        const int unit = edit.section(',', 0, 0).toInt();
        const QString columns = edit.section(',', 1).section('=', 0, 0);
        const QString text = edit.section('=', 1);
        const int first = columns.section('-', 0, 0).toInt();
        const int last = columns.contains('-') ? columns.section('-', 1).toInt() : first;
        for (int column = first; column <= last; ++column) {
            QString& description = descriptions[unit];
            const QString before =
                column == DescriptionColumn ? description : sheet.cell(unit + 1, column);
            const QString after = QString(text).replace("%U", before);
            if (column == DescriptionColumn)
                description = after;
            else
                sheet.setCell(unit + 1, column, after);
        }
    }

private slots:
    void initTestCase() {
        game.GameFolder = temp.path() + "/";
        QVERIFY(
            samplegame::WriteSampleGame(game.GameFolder, {.units = 20, .icons = 5, .sounds = 2}));
        QVERIFY(CheckGameFolder(game).isEmpty());
    }

    // Each row edits the sample game, which is clean, and expects exactly
    // the problems listed: "unit,column,kind,argument" ("%Z": 117 times " 0").
    void findsExactlyTheProblems_data() {
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<bool>("withGame");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char* name, const QStringList& edits, const QStringList& expected,
                            bool withGame = true) {
            QTest::newRow(name) << edits << withGame << expected;
        };
        row("the sample game is clean", {}, {});
        row("letters", {"3,4=abc"}, {"3,4,not-a-number,0"});
        row("an empty cell", {"3,4="}, {"3,4,not-a-number,0"});
        row("a number followed by letters", {"3,4=12abc"}, {"3,4,not-a-number,0"});
        row("blanks around a number", {"3,4=  12  "}, {});
        row("a move above 31", {"3,21=40"}, {"3,21,out-of-range,31"});
        row("lives below 0", {"3,24=-3"}, {"3,24,out-of-range,0"});
        row("U3 above 255", {"3,28=300"}, {"3,28,out-of-range,255"});
        row("an icon below 0", {"3,27=-1"}, {"3,27,out-of-range,0"});
        row("a sound beyond 16 bits", {"3,70=40000"},
            {"3,70,out-of-range,32767", "3,70,no-sound-file,32767"});
        row("a nation cell of 2", {"3,65=2"}, {"3,65,out-of-range,1"});
        row("half a byte", {"3,5=254.5"}, {"3,5,not-whole,254"});
        row("a nation cell of 0.9", {"3,65=0.9"}, {"3,65,not-whole,0"});
        row("a nation cell as the form writes it", {"3,65=1", "3,34-64=0"}, {});
        row("three unknown bytes", {"3,73= 1 2 3"}, {"3,73,unknown-bytes,1 2 3%Z"});
        row("unknown bytes with more blanks", {"3,73=  %U  "}, {});
        row("no sound as the form writes it", {"3,70=None", "3,71=Kein"}, {});
        row("a line break in a name", {"3,1=Tank\rDestroyer"}, {"3,1,name-not-storable,Tank"});
        row("a character outside Windows-1252", {"3,1=Tank \u4e2d"},
            {"3,1,name-not-storable,Tank ?"});
        row("blanks around a name", {"3,1=  Tank  "}, {"3,1,name-blanks,Tank"});
        row("an empty name", {"3,1="}, {"3,1,empty-name,"});
        row("a name of blanks", {"3,1=   "}, {"3,1,name-blanks,", "3,1,empty-name,"});
        row("an icon beyond the last", {"3,27=5"}, {"3,27,no-such-icon,5"});
        row("the last icon", {"3,27=4"}, {});
        row("a class beyond the list", {"3,2=15"}, {"3,2,not-in-list,14"});
        row("a move medium beyond the list", {"3,19=2"}, {"3,19,not-in-list,1"});
        row("a move method beyond the list", {"3,20=11"}, {"3,20,not-in-list,10"});
        row("a transport beyond the list", {"3,32=4"}, {"3,32,not-in-list,3"});
        row("a special ability beyond the list", {"3,69=12"}, {"3,69,not-in-list,11"});
        row("a sixth target type", {"3,13=5"}, {"3,13,not-in-list,4"});
        row("a sound without a file", {"3,71=1500"}, {"3,71,no-sound-file,1500"});
        row("a sound file whose name is too short", {"3,71=12"}, {"3,71,no-sound-file,12"});
        row("a sound file with an upper-case extension", {"3,71=1002"}, {});
        row("no sound", {"3,71=0"}, {});
        row("month 13", {"3,29=13"}, {"3,29,not-a-month,"});
        row("month 0", {"3,29=0"}, {"3,29,not-a-month,"});
        row("expiry before availability", {"3,30=44", "3,31=40"}, {"3,31,expires-first,44"});
        row("expiry in the year of availability", {"3,30=44", "3,31=44"}, {});
        row("no nation", {"3,34-65=0"}, {"3,34,no-nation,"});
        row("a name used twice", {"3,1=Twin", "7,1=  twin"},
            {"3,1,duplicate-name,7", "7,1,name-blanks,twin", "7,1,duplicate-name,3"});
        row("the placeholder description", {"3,74= 3.txt"}, {"3,74,placeholder-description,"});
        row("another unit's placeholder", {"3,74=12.txt"}, {"3,74,placeholder-description,"});
        row("an empty description", {"3,74= "}, {"3,74,empty-description,"});
        row("a description about a file", {"3,74=Reads orders.txt"}, {});
        row("without game data only the target type is checked",
            {"3,2=15", "3,27=5", "3,71=1500", "3,74= 3.txt", "3,13=5"}, {"3,13,not-in-list,4"},
            false);
    }
    void findsExactlyTheProblems() {
        QFETCH(QStringList, edits);
        QFETCH(bool, withGame);
        QFETCH(QStringList, expected);
        Datasheet& sheet = game.datasheet;
        QVERIFY(LoadEquipmentFiles(game.DataFolder, sheet, i18n::Language::English).ok);
        QStringList descriptions = game.LongDescriptions;
        for (const QString& edit : edits)
            apply(edit, sheet, descriptions);
        std::vector<Datasheet::Row> before;
        for (int r = 0; r < sheet.rows(); ++r)
            before.push_back(sheet.rowCells(r));

        GameReference reference = withGame ? ReferenceOf(game) : GameReference{};
        reference.longDescriptions = withGame ? &descriptions : nullptr;
        const CheckReport report = CheckUnits(sheet, reference);
        QStringList found;
        for (const Problem& p : report.problems) {
            found
                << QString("%1,%2,%3,%4").arg(p.unit).arg(p.column).arg(KindId(p.kind), p.argument);
            QCOMPARE(p.row, p.unit + 1);
            QCOMPARE(p.name, sheet.cell(p.row, 1));
        }
        expected.replaceInStrings("%Z", QString(" 0").repeated(117));
        QCOMPARE(found, expected);
        QCOMPARE(report.units, 20);
        QCOMPARE(report.notChecked.size(), withGame ? 0u : 4u);
        QCOMPARE(report.problemsFound(),
                 std::any_of(expected.begin(), expected.end(), [](const QString& e) {
                     return !e.contains("duplicate-name") && !e.contains("name-blanks");
                 }));
        for (int r = 0; r < sheet.rows(); ++r)
            QVERIFY2(sheet.rowCells(r) == before[size_t(r)], "the check changed the datasheet");
    }

    // A reason that names a value names it in every language.
    void reasonsNameTheirValueInEveryLanguage() {
        for (int k = 0; k <= int(ProblemKind::EmptyDescription); ++k) {
            Problem problem;
            problem.kind = ProblemKind(k);
            problem.argument = "XYZ";
            const bool named = ReasonText(problem, i18n::Language::English).contains("XYZ");
            for (const i18n::Language language : i18n::AllLanguages) {
                QVERIFY(!ReasonText(problem, language).isEmpty());
                QCOMPARE(ReasonText(problem, language).contains("XYZ"), named);
            }
        }
    }
};

QTEST_GUILESS_MAIN(UnitCheckTest)
#include "test_unitcheck.moc"
