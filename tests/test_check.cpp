#include "check/UnitAlignment.h"
#include "check/UnitCheck.h"
#include "check/UnitCompare.h"
#include "datasheet/UnitEditing.h"
#include "equipment/EquipmentFiles.h"
#include "samplegame/SampleGame.h"
#include "shell/EditorState.h"
#include "shell/GameFolderCheck.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;
using namespace quillon::check;

namespace {

// The length of the longest common subsequence, by the textbook table.
int lcsLength(const std::vector<Key>& a, const std::vector<Key>& b) {
    std::vector<std::vector<int>> table(a.size() + 1, std::vector<int>(b.size() + 1, 0));
    for (size_t i = 1; i <= a.size(); ++i) {
        for (size_t j = 1; j <= b.size(); ++j) {
            table[i][j] = a[i - 1] == b[j - 1] ? table[i - 1][j - 1] + 1
                                               : std::max(table[i - 1][j], table[i][j - 1]);
        }
    }
    return table[a.size()][b.size()];
}

// "u,c=text" sets cell c of unit u ("*": every unit; "34-65": a range of
// columns; 74: the description); in the text "%U" is the cell's text, "%T"
// the same trimmed, "%N4" the name of unit 4. "ins u" inserts a unit before
// unit u (after the last for u = the count), "del u" deletes unit u; "sort
// by name" shows the units in the order of their names.
void apply(const QString& edit, Datasheet& sheet, QStringList& descriptions) {
    if (!edit.contains('=')) {
        const int unit = edit.section(' ', 1).toInt();
        const int row = std::min(unit + 1, sheet.rows() - 1);
        sheet.select(row, 1, row, 1);
        if (edit == "sort by name")
            sheet.sort(Datasheet::TextAscending);
        else
            QVERIFY(edit.startsWith("del ")   ? DeleteUnit(sheet, descriptions)
                    : unit + 1 < sheet.rows() ? InsertUnitBefore(sheet, descriptions)
                                              : InsertUnitAfter(sheet, descriptions));
        return;
    }
    const QString units = edit.section(',', 0, 0);
    const QString columns = edit.section(',', 1).section('=', 0, 0);
    const int first = columns.section('-', 0, 0).toInt();
    const int last = columns.contains('-') ? columns.section('-', 1).toInt() : first;
    for (int r = 1; r < sheet.rows(); ++r) {
        if (units != "*" && r != units.toInt() + 1)
            continue;
        for (int column = first; column <= last; ++column) {
            const bool described = column == DescriptionColumn;
            const QString before = described ? descriptions[r - 1] : sheet.cell(r, column);
            QString text = edit.section('=', 1).replace("%N4", sheet.cell(5, 1));
            text.replace("%U", before).replace("%T", before.trimmed());
            if (described)
                descriptions[r - 1] = text;
            else
                sheet.setCell(r, column, text);
        }
    }
}

} // namespace

class CheckTest : public QObject {
    Q_OBJECT
    QTemporaryDir temp;
    EditorState game; // the sample game: 20 units, 5 icons, sounds 1000, 1001, 1002 (.MEL)

private slots:
    void initTestCase() {
        game.GameFolder = temp.path() + "/";
        QVERIFY(
            samplegame::WriteSampleGame(game.GameFolder, {.units = 20, .icons = 5, .sounds = 2}));
        QVERIFY(CheckGameFolder(game).isEmpty());
    }

    // Keys are letters; a letter and its capital are alike, nothing else is.
    // Expected: the aligned pairs, "-" where an element stands alone; "!":
    // more edits than allowed, so paired by position.
    void alignsSequences_data() {
        QTest::addColumn<QString>("sequences"); // A and B
        QTest::addColumn<int>("maxEdits");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, const char* sequences, int maxEdits,
                            const char* expected) {
            QTest::newRow(name) << QString(sequences) << maxEdits << QString(expected);
        };
        row("equal", "abc abc", 10, "aa bb cc");
        row("one replaced", "abc axc", 10, "aa bx cc");
        row("one deleted", "abcd acd", 10, "aa b- cc dd");
        row("one inserted", "acd abcd", 10, "aa -b cc dd");
        row("deleted before a renamed one", "xbc Bc", 10, "x- bB cc");
        row("deleted after a renamed one", "bxc Bc", 10, "bB x- cc");
        row("nothing in common", "abc xyz", 10, "ax by cz");
        row("one too many edits", "abcd xabc", 1, "ax ba cb dc !");
        row("within the edits", "abcd xabc", 2, "-x aa bb cc d-");
        row("nothing in A", " ab", 10, "-a -b");
    }
    void alignsSequences() {
        QFETCH(QString, sequences);
        QFETCH(int, maxEdits);
        QFETCH(QString, expected);
        const QByteArray a = sequences.section(' ', 0, 0).toLatin1();
        const QByteArray b = sequences.section(' ', 1).toLatin1();
        const auto keys = [](const QByteArray& s) { return std::vector<Key>(s.begin(), s.end()); };
        const Similarity alike = [&](int i, int j) {
            return int(QChar::fromLatin1(a[i]).toLower() == QChar::fromLatin1(b[j]).toLower());
        };
        bool followed = expected.endsWith(u'!'); // the opposite of what is expected
        QStringList pairs;
        for (const AlignedPair& p :
             AlignSequences({{keys(a), keys(b)}}, alike, maxEdits, &followed))
            pairs << QString(p.a < 0 ? '-' : a[p.a]) + (p.b < 0 ? '-' : b[p.b]);
        QCOMPARE(pairs.join(' ') + (followed ? "" : " !"), expected);
    }

    // Against the textbook table: as long, in order, and only equal keys.
    void commonSubsequenceIsLongest() {
        QRandomGenerator random(7);
        const auto draw = [&] { return Key(random.bounded(3)); };
        for (int round = 0; round < 300; ++round) {
            std::vector<Key> a(size_t(random.bounded(25))), b(size_t(random.bounded(25)));
            std::generate(a.begin(), a.end(), draw);
            std::generate(b.begin(), b.end(), draw);
            const auto common = CommonSubsequence(a, b, 100);
            QVERIFY(common.has_value());
            QCOMPARE(int(common->size()), lcsLength(a, b));
            std::pair<int, int> last{-1, -1};
            for (const auto& [i, j] : *common) {
                QVERIFY(i > last.first && j > last.second && a[size_t(i)] == b[size_t(j)]);
                last = {i, j};
            }
        }
    }

    // Each row edits unit B, a copy of the sample game's, then checks B or
    // compares unit A with B ("diff"). A check expects exactly the problems
    // listed: "unit,column,kind,argument" ("%Z": 117 times " 0"); every kind
    // of problem appears in some row. A comparison expects "changed,unit
    // A,unit B,columns" (74: the description), "only-a,unit" and
    // "only-b,unit it would take in A,unit B".
    void editsTheSampleGame_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, const char* script, const QString& expected) {
            QTest::newRow(name) << QString(script)
                                << QString(expected).replace("%Z", QString(" 0").repeated(117));
        };
        row("the sample game is clean", "check", "");
        row("not numbers", "3,4=abc; 4,4=; 5,4=12abc; 6,4=  12  ; check",
            "3,4,not-a-number,0; 4,4,not-a-number,0; 5,4,not-a-number,0");
        row("beyond a limit", "3,21=40; 4,24=-3; 5,28=300; 6,27=-1; 7,65=2; check",
            "3,21,out-of-range,31; 4,24,out-of-range,0; 5,28,out-of-range,255; "
            "6,27,out-of-range,0; 7,65,out-of-range,1");
        row("not whole", "3,5=254.5; 4,65=0.9; check", "3,5,not-whole,254; 4,65,not-whole,0");
        row("as the form writes them", "3,65=1; 3,34-64=0; 4,70=None; 4,71=Kein; check", "");
        row("unknown bytes", "3,73= 1 2 3; 4,73=  %U  ; check", "3,73,unknown-bytes,1 2 3%Z");
        row("names the game cannot store",
            "3,1=Tank\rDestroyer; 4,1=Tank \u4e2d \u4e2d; 5,1=  Tank  ; 6,1=; 7,1=   ; check",
            "3,1,name-not-storable,Tank Destroyer; 4,1,characters-not-storable,\u4e2d; "
            "5,1,name-blanks,Tank; 6,1,empty-name,; 7,1,name-blanks,; 7,1,empty-name,");
        row("the icons", "3,27=5; 4,27=4; check", "3,27,no-such-icon,5");
        row("beyond each list", "3,2=15; 4,19=2; 5,20=11; 6,32=4; 7,69=12; 8,13=5; 9,13=4; check",
            "3,2,not-in-list,14; 4,19,not-in-list,1; 5,20,not-in-list,10; 6,32,not-in-list,3; "
            "7,69,not-in-list,11; 8,13,not-in-list,4");
        // A sound needs a file of a four-character name, in any case, and 16 bits.
        row("the sounds", "3,71=1500; 4,71=12; 5,71=1002; 6,71=0; 7,70=40000; check",
            "3,71,no-sound-file,1500; 4,71,no-sound-file,12; 7,70,out-of-range,32767; "
            "7,70,no-sound-file,32767");
        row("dates and nations",
            "3,29=13; 4,29=0; 5,30=44; 5,31=40; 6,30=44; 6,31=44; 7,34-65=0; check",
            "3,29,not-a-month,; 4,29,not-a-month,; 5,31,expires-first,44; 7,34,no-nation,");
        row("a name used twice", "3,1=Twin; 7,1=  twin; check",
            "3,1,duplicate-name,7; 7,1,name-blanks,twin; 7,1,duplicate-name,3");
        row("descriptions",
            "3,74= 3.txt; 4,74=12.txt; 5,74= ; 6,74=Reads orders.txt; 7,74=\u010cech; check",
            "3,74,placeholder-description,; 4,74,placeholder-description,; "
            "5,74,empty-description,; 7,74,characters-not-storable,\u010c");
        row("without game data: only the target type",
            "3,2=15; 3,27=5; 3,71=1500; 3,74= 3.txt; 3,13=5; check alone", "3,13,not-in-list,4");

        row("identical", "diff", "");
        row("values written otherwise", "3,4=%T.0; 3,65=%T; 3,1=  %U  ; 3,73=%U ; diff", "");
        row("a changed cell and name", "3,4=99; 3,1=Renamed; diff", "changed,3,3,1+4");
        row("a unit inserted", "ins 5; diff", "only-b,5,5");
        row("a unit deleted", "del 5; diff", "only-a,5");
        row("a unit inserted and one deleted, those between changed once",
            "del 4; ins 10; 7,4=99; diff", "only-a,4; changed,8,7,4; only-b,11,10");
        row("renamed beside a deleted one", "del 3; 3,1=Renamed; diff", "only-a,3; changed,4,3,1");
        row("a unit renamed to the next one's name", "3,1=%N4; diff", "changed,3,3,1");
        row("a unit appended", "ins 20; diff", "only-b,20,20");
        row("B shown in another order", "3,4=99; sort by name; diff", "changed,3,3,4");
        QStringList shifted{"only-b,0,0"};
        for (int unit = 0; unit < 20; ++unit)
            shifted << QString("changed,%1,%2,22").arg(unit).arg(unit + 1);
        row("every unit changed, one inserted first", "*,22=300; ins 0; diff", shifted.join("; "));
        row("a description", "3,74=Rebuilt in the north; diff", "changed,3,3,74");
        row("a description not compared", "3,74=Rebuilt in the north; diff alone", "");
    }
    void editsTheSampleGame() {
        QFETCH(QString, script);
        Datasheet a, b;
        QVERIFY(LoadEquipmentFiles(game.DataFolder, a, i18n::Language::English).ok);
        QVERIFY(LoadEquipmentFiles(game.DataFolder, b, i18n::Language::English).ok);
        QStringList descriptions = game.LongDescriptions;
        QStringList edits = script.split(QStringLiteral("; "));
        const QStringList command = edits.takeLast().split(' ');
        const bool alone = command.value(1) == "alone";
        for (const QString& edit : edits)
            apply(edit, b, descriptions);
        QStringList found;
        if (command[0] == "check") {
            GameReference reference = alone ? GameReference{} : ReferenceOf(game);
            reference.longDescriptions = alone ? nullptr : &descriptions;
            const CheckReport report = CheckUnits(b, reference);
            for (const Problem& p : report.problems) {
                found << QString::number(p.unit) + ',' + QString::number(p.column) + ',' +
                             KindId(p.kind) + ',' + p.argument;
                QCOMPARE(p.row, p.unit + 1);
                QCOMPARE(p.name, b.cell(p.row, 1));
                // A reason that names a value names it in every language.
                Problem named = p;
                named.argument = "XYZ";
                QStringList reasons;
                for (const i18n::Language language : i18n::AllLanguages)
                    reasons << ReasonText(named, language);
                QVERIFY(!reasons.contains(QString()) &&
                        reasons.filter("XYZ").size() % reasons.size() == 0);
            }
            QCOMPARE(report.units, 20);
            QCOMPARE(report.notChecked.size(), alone ? 4u : 0u);
            QCOMPARE(report.problemsFound(),
                     std::any_of(found.begin(), found.end(), [](const QString& e) {
                         return !e.contains("duplicate-name") && !e.contains("name-blanks");
                     }));
        } else {
            const Comparison comparison = CompareUnits(
                a, b, alone ? nullptr : &game.LongDescriptions, alone ? nullptr : &descriptions);
            for (const UnitDifference& unit : comparison.units) {
                QStringList columns;
                for (const CellChange& cell : unit.cells) {
                    columns << QString::number(cell.column);
                    if (cell.column < Datasheet::ColumnCount) {
                        QCOMPARE(cell.valueA, a.cell(unit.rowA, cell.column));
                        QCOMPARE(cell.valueB, b.cell(unit.rowB, cell.column));
                    }
                }
                static const QStringList kinds{"changed", "only-a", "only-b"};
                QString line = kinds[int(unit.change)] + ',' + QString::number(unit.unitA);
                if (unit.rowB >= 0)
                    line += ',' + QString::number(unit.unitB);
                found << line + (columns.isEmpty() ? QString() : ',' + columns.join('+'));
                QCOMPARE(unit.rowA, unit.change == UnitPresence::OnlyInB ? -1 : unit.unitA + 1);
                if (unit.rowB >= 0)
                    QCOMPARE(b.cell(unit.rowB, 0).trimmed(), QString::number(unit.unitB));
            }
            QCOMPARE(comparison.descriptionsCompared, !alone);
            QVERIFY(comparison.followedInsertions);
        }
        QTEST(found.join("; "), "expected");
    }

    // Changes as "position:A>B"; blanks only separate, equal numbers are equal.
    void unknownBytesDifferByPosition() {
        QStringList changes;
        for (const ByteChange& c : UnknownByteChanges(" 1 2 3 9", " 1  5 3.0"))
            changes << QString("%1:%2>%3").arg(c.position).arg(c.valueA, c.valueB);
        QCOMPARE(changes.join(' '), "1:2>5 3:9>");
    }
};

QTEST_GUILESS_MAIN(CheckTest)
#include "test_check.moc"
