#include "check/UnitAlignment.h"
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

std::vector<Key> keysOf(const QString& text) {
    std::vector<Key> keys;
    for (const QChar c : text)
        keys.push_back(c.unicode());
    return keys;
}

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

} // namespace

class UnitCompareTest : public QObject {
    Q_OBJECT
    QTemporaryDir temp;
    EditorState game; // the sample game, 20 units

    // "u,c=text" sets a cell of B ("%U" its text, "%T" trimmed, "%N4" the
    // name of unit 4; "*" every unit), "ins u" inserts a unit before unit u
    // (after the last for u = the count), "del u" deletes unit u, "desc
    // u=text" sets a description of B.
    static void apply(const QString& edit, Datasheet& sheet, QStringList& descriptions) {
        const QString target = edit.section(' ', 1);
        if (edit.startsWith("ins ") || edit.startsWith("del ")) {
            const int unit = target.toInt();
            const int row = std::min(unit + 1, sheet.rows() - 1);
            sheet.select(row, 1, row, 1);
            QVERIFY(edit.startsWith("del ")   ? DeleteUnit(sheet, descriptions)
                    : unit + 1 < sheet.rows() ? InsertUnitBefore(sheet, descriptions)
                                              : InsertUnitAfter(sheet, descriptions));
            return;
        }
        if (edit.startsWith("desc ")) {
            descriptions[target.section('=', 0, 0).toInt()] = target.section('=', 1);
            return;
        }
        const QString units = edit.section(',', 0, 0);
        const int column = edit.section(',', 1).section('=', 0, 0).toInt();
        for (int r = 1; r < sheet.rows(); ++r) {
            if (units != "*" && r != units.toInt() + 1)
                continue;
            QString text = edit.section('=', 1);
            text.replace("%U", sheet.cell(r, column))
                .replace("%T", sheet.cell(r, column).trimmed());
            text.replace("%N4", sheet.cell(5, 1));
            sheet.setCell(r, column, text);
        }
    }

private slots:
    void initTestCase() {
        game.GameFolder = temp.path() + "/";
        QVERIFY(
            samplegame::WriteSampleGame(game.GameFolder, {.units = 20, .icons = 5, .sounds = 2}));
        QVERIFY(CheckGameFolder(game).isEmpty());
        QVERIFY(LoadEquipmentFiles(game.DataFolder, game.datasheet, i18n::Language::English).ok);
    }

    // Keys are letters; a letter and its capital are alike, nothing else is.
    // Expected: the aligned pairs, "-" where an element stands alone.
    void alignsSequences_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("maxEdits");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("followed");
        QTest::newRow("equal") << "abc"
                               << "abc" << 10 << "aa bb cc" << true;
        QTest::newRow("one replaced") << "abc"
                                      << "axc" << 10 << "aa bx cc" << true;
        QTest::newRow("one deleted") << "abcd"
                                     << "acd" << 10 << "aa b- cc dd" << true;
        QTest::newRow("one inserted") << "acd"
                                      << "abcd" << 10 << "aa -b cc dd" << true;
        QTest::newRow("deleted before a renamed one") << "xbc"
                                                      << "Bc" << 10 << "x- bB cc" << true;
        QTest::newRow("deleted after a renamed one") << "bxc"
                                                     << "Bc" << 10 << "bB x- cc" << true;
        QTest::newRow("nothing in common") << "abc"
                                           << "xyz" << 10 << "ax by cz" << true;
        QTest::newRow("one too many edits") << "abcd"
                                            << "xabc" << 1 << "ax ba cb dc" << false;
        QTest::newRow("within the edits") << "abcd"
                                          << "xabc" << 2 << "-x aa bb cc d-" << true;
        QTest::newRow("nothing in A") << ""
                                      << "ab" << 10 << "-a -b" << true;
    }
    void alignsSequences() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, maxEdits);
        QFETCH(QString, expected);
        QFETCH(bool, followed);
        const Similarity alike = [&](int i, int j) {
            return int(a[i].toLower() == b[j].toLower());
        };
        bool wasFollowed = !followed;
        QStringList pairs;
        for (const AlignedPair& p :
             AlignSequences({{keysOf(a), keysOf(b)}}, alike, maxEdits, &wasFollowed)) {
            pairs << QString(p.a < 0 ? QChar('-') : a[p.a]) + (p.b < 0 ? QChar('-') : b[p.b]);
        }
        QCOMPARE(pairs.join(' '), expected);
        QCOMPARE(wasFollowed, followed);
    }

    // Against the textbook table: as long, in order, and only equal keys.
    void commonSubsequenceIsLongest() {
        QRandomGenerator random(7);
        for (int round = 0; round < 300; ++round) {
            std::vector<Key> a(size_t(random.bounded(25))), b(size_t(random.bounded(25)));
            for (Key& key : a)
                key = random.bounded(3);
            for (Key& key : b)
                key = random.bounded(3);
            const auto common = CommonSubsequence(a, b, 100);
            QVERIFY(common.has_value());
            QCOMPARE(int(common->size()), lcsLength(a, b));
            for (size_t k = 0; k < common->size(); ++k) {
                const auto [i, j] = (*common)[k];
                QCOMPARE(a[size_t(i)], b[size_t(j)]);
                if (k > 0)
                    QVERIFY(i > (*common)[k - 1].first && j > (*common)[k - 1].second);
            }
        }
    }

    // B is the sample game edited as a user would; expected: "changed,unit
    // A,unit B,columns" (74: the description), "only-a,unit" and
    // "only-b,unit it would take in A,unit B"; "shifted,c": every unit of A
    // changed in column c one number further on in B.
    void comparesUnits_data() {
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<bool>("descriptions");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char* name, const QStringList& edits, const QStringList& expected,
                            bool descriptions = true) {
            QTest::newRow(name) << edits << descriptions << expected;
        };
        row("identical", {}, {});
        row("the same values written otherwise", {"3,4=%T.0", "3,65=%T", "3,1=  %U  ", "3,73=%U "},
            {});
        row("a changed cell and name", {"3,4=99", "3,1=Renamed"}, {"changed,3,3,1+4"});
        row("a unit inserted", {"ins 5"}, {"only-b,5,5"});
        row("a unit deleted", {"del 5"}, {"only-a,5"});
        row("a unit inserted and one deleted, those between changed once",
            {"del 4", "ins 10", "7,4=99"}, {"only-a,4", "changed,8,7,4", "only-b,11,10"});
        row("a renamed unit beside a deleted one", {"del 3", "3,1=Renamed"},
            {"only-a,3", "changed,4,3,1"});
        row("a unit renamed to the next one's name", {"3,1=%N4"}, {"changed,3,3,1"});
        row("a unit appended", {"ins 20"}, {"only-b,20,20"});
        row("every unit changed and one inserted before them", {"*,22=300", "ins 0"},
            {"only-b,0,0", "shifted,22"});
        row("a description", {"desc 3=Rebuilt in the north"}, {"changed,3,3,74"});
        row("a description not compared", {"desc 3=Rebuilt in the north"}, {}, false);
    }
    void comparesUnits() {
        QFETCH(QStringList, edits);
        QFETCH(bool, descriptions);
        QFETCH(QStringList, expected);
        const Datasheet& a = game.datasheet;
        Datasheet b;
        QVERIFY(LoadEquipmentFiles(game.DataFolder, b, i18n::Language::English).ok);
        QStringList descriptionsB = game.LongDescriptions;
        for (const QString& edit : edits)
            apply(edit, b, descriptionsB);

        const Comparison comparison =
            CompareUnits(a, b, descriptions ? &game.LongDescriptions : nullptr,
                         descriptions ? &descriptionsB : nullptr);
        QStringList found;
        for (const UnitDifference& unit : comparison.units) {
            QStringList columns;
            for (const CellChange& cell : unit.cells) {
                columns << QString::number(cell.column);
                if (cell.column < Datasheet::ColumnCount) {
                    QCOMPARE(cell.valueA, a.cell(unit.rowA, cell.column));
                    QCOMPARE(cell.valueB, b.cell(unit.rowB, cell.column));
                }
            }
            const QString kind = unit.change == UnitChange::Changed   ? "changed"
                                 : unit.change == UnitChange::OnlyInA ? "only-a"
                                                                      : "only-b";
            QString line = kind + ',' + QString::number(unit.unitA);
            if (unit.rowB >= 0)
                line += ',' + QString::number(unit.unitB);
            found << line + (columns.isEmpty() ? QString() : ',' + columns.join('+'));
            QCOMPARE(unit.rowA, unit.change == UnitChange::OnlyInB ? -1 : unit.unitA + 1);
            QCOMPARE(unit.rowB, unit.change == UnitChange::OnlyInA ? -1 : unit.unitB + 1);
        }
        if (expected.contains("shifted,22")) {
            expected.removeAll("shifted,22");
            for (int unit = 0; unit < 20; ++unit)
                expected << QString("changed,%1,%2,22").arg(unit).arg(unit + 1);
        }
        QCOMPARE(found, expected);
        QCOMPARE(comparison.descriptionsCompared, descriptions);
        QVERIFY(comparison.followedInsertions);
    }

    void unknownBytesDifferByPosition() {
        std::vector<std::tuple<int, QString, QString>> changes;
        for (const ByteChange& c : UnknownByteChanges(" 1 2 3 9", " 1  5 3.0"))
            changes.emplace_back(c.position, c.valueA, c.valueB);
        QCOMPARE(changes,
                 (std::vector<std::tuple<int, QString, QString>>{{1, "2", "5"}, {3, "9", ""}}));
    }
};

QTEST_GUILESS_MAIN(UnitCompareTest)
#include "test_unitcompare.moc"
