#include "datasheet/CellNumber.h"
#include "datasheet/Datasheet.h"
#include "datasheet/UnitEditing.h"

#include <QSignalSpy>
#include <QTest>
#include <limits>

using namespace quillon;

namespace {

// A sheet of `units` rows whose cells read "r.c" (row.column).
void fillNamed(Datasheet& sheet, int units) {
    std::vector<Datasheet::Row> rows(static_cast<size_t>(units));
    for (int r = 0; r < units; ++r)
        for (int c = 0; c < Datasheet::ColumnCount; ++c)
            rows[size_t(r)][size_t(c)] = QStringLiteral("%1.%2").arg(r + 1).arg(c);
    sheet.replaceUnitRows(std::move(rows));
}

// Rows 1..3 x columns 1..3 as "a,b,c/..." for compact expectations; the
// block's text has TAB between cells and CR between rows.
QString area(Datasheet& sheet) {
    sheet.select(1, 1, 3, 3);
    return sheet.clip().replace(u'\t', u',').replace(u'\r', u'/');
}

// Column 1 of the first 12 unit rows, joined by commas.
QString names(const Datasheet& sheet) {
    QStringList list;
    for (int r = 1; r < std::min(sheet.rows(), 13); ++r)
        list << sheet.cell(r, 1);
    return list.join(u',');
}

// The current cell, then the far corner of the block.
QList<int> cursor(const Datasheet& sheet) {
    return {sheet.row(), sheet.col(), sheet.rowSel(), sheet.colSel()};
}

enum Operation { After, Before, Delete };
using Edit = bool (*)(Datasheet&, QStringList&);
const Edit edits[] = {InsertUnitAfter, InsertUnitBefore, DeleteUnit};

// Units numbered 0..units-1 named "n<number>" standing in the given row
// order; descriptions "d<number>" for the 2001 game slots or every unit.
void makeUnits(Datasheet& sheet, QStringList& descriptions, const QList<int>& order) {
    std::vector<Datasheet::Row> rows(static_cast<size_t>(order.size()));
    for (qsizetype i = 0; i < order.size(); ++i) {
        rows[size_t(i)][0] = NumberText(order[i]);
        rows[size_t(i)][1] = QStringLiteral("n%1").arg(order[i]);
    }
    sheet.replaceUnitRows(std::move(rows));
    descriptions.clear();
    for (int i = 0; i < std::max(2001, int(order.size())); ++i)
        descriptions << QStringLiteral("d%1").arg(i);
}

QList<int> ascending(int units) {
    QList<int> order;
    for (int i = 0; i < units; ++i)
        order << i;
    return order;
}

} // namespace

class DatasheetTest : public QObject {
    Q_OBJECT
private slots:
    // The current cell and block stay inside the grid; rows come and go only
    // between the heading row and the unit limit; cells out of the grid read
    // empty and cannot be written.
    void cursorAndRows() {
        Datasheet sheet;
        fillNamed(sheet, 5);
        QSignalSpy moved(&sheet, &Datasheet::currentCellChanged);
        QSignalSpy changed(&sheet, &Datasheet::cellsChanged);
        sheet.select(2, 3, 4, 5);
        sheet.setRow(3); // collapses the block onto the new current cell
        QCOMPARE(cursor(sheet), QList<int>({3, 3, 3, 3}));
        sheet.setColSel(6);
        sheet.setCol(1);
        QCOMPARE(cursor(sheet), QList<int>({3, 1, 3, 1}));
        QCOMPARE(moved.count(), 4);
        sheet.select(99, 500, -7, -1); // clamped, never out of the grid
        QCOMPARE(cursor(sheet), QList<int>({5, 73, 0, 0}));
        QCOMPARE(sheet.text(), QString("5.73"));

        sheet.setCell(6, 1, "x");
        sheet.setCell(1, 74, "x");
        sheet.removeItem(0); // the heading row stays
        QVERIFY(sheet.cell(-1, 0).isEmpty() && sheet.rowCells(40)[5].isEmpty());
        QCOMPARE(changed.count(), 0);
        sheet.addItem(u"n\tname\t\t7", 2);
        sheet.addItem(u"top", 0); // never above the heading row
        QCOMPARE(sheet.rows(), 8);
        const QStringList cells{sheet.cell(1, 0), sheet.cell(3, 1), sheet.cell(3, 2),
                                sheet.cell(3, 3)};
        QCOMPARE(cells, (QStringList{"top", "name", "", "7"}));
        sheet.select(7, 1, 7, 1);
        sheet.removeItem(7); // the current row goes; the new last row becomes current
        QCOMPARE(sheet.row(), 6);
        sheet.setRows(1 << 30);
        QCOMPARE(sheet.rows(), Datasheet::MaxUnits + 1);
    }

    void setClipFillsBlockFromTopLeft_data() {
        QTest::addColumn<QList<int>>("block");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected"); // rows 1..3 x columns 1..3 afterwards
        const auto row = [](const char* name, const QList<int>& block, const char* text,
                            const char* expected) {
            QTest::newRow(name) << block << QString(text) << QString(expected);
        };
        row("2x3 text into 3x2 block", {1, 1, 3, 2}, "a\tb\tc\rd\te\tf",
            "a,b,1.3/d,e,2.3/3.1,3.2,3.3");
        row("single cell takes first piece", {2, 2, 2, 2}, "a\tb\rc",
            "1.1,1.2,1.3/2.1,a,2.3/3.1,3.2,3.3");
        row("spreadsheet CR LF with final line end", {1, 1, 3, 2}, "a\tb\r\nc\td\r\n",
            "a,b,1.3/c,d,2.3/3.1,3.2,3.3");
        row("only one final line end dropped", {1, 1, 3, 1}, "a\r\n\r\n",
            "a,1.2,1.3/,2.2,2.3/3.1,3.2,3.3");
        row("final lone CR before an empty last cell", {1, 1, 3, 1}, "a\rb\r",
            "a,1.2,1.3/b,2.2,2.3/,3.2,3.3");
        row("short lines leave cells", {1, 1, 2, 3}, "a\rb\t\tc", "a,1.2,1.3/b,,c/3.1,3.2,3.3");
    }
    void setClipFillsBlockFromTopLeft() {
        QFETCH(QList<int>, block);
        QFETCH(QString, text);
        Datasheet sheet;
        fillNamed(sheet, 5);
        QSignalSpy changed(&sheet, &Datasheet::cellsChanged);
        sheet.select(block[0], block[1], block[2], block[3]);
        sheet.setClip(text);
        QCOMPARE(changed.count(), 1);
        QTEST(area(sheet), "expected");
    }

    // Whatever is put into a cell reads back exactly, through the cell, the
    // block text and a paste, also after the cell held texts of other kinds.
    void cellsKeepTheirExactText_data() {
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("text");
        QString bytes;
        for (int i = 0; i < 120; ++i)
            bytes += QStringLiteral(" %1").arg(i * 37 % 256);
        const QString lastByte = bytes.left(bytes.lastIndexOf(u' '));
        const QStringList numbers{" 12", "12",        "-3",        " 0",        "0",
                                  "-0",  "012",       " -3",       "  12",      "12 ",
                                  "+5",  " 99999999", "-99999999", "123456789", "254.5"};
        for (const QString& number : numbers)
            QTest::newRow(qPrintable("number '" + number + "'")) << 3 << number;
        QTest::newRow("empty") << 70 << "";
        QTest::newRow("name") << 1 << "Tiger II";
        QTest::newRow("accents and symbols") << 1 << "\u00c9clair \u20ac\u2602";
        QTest::newRow("unknown bytes as loaded") << 73 << bytes;
        QTest::newRow("119 bytes") << 73 << lastByte;
        QTest::newRow("121 bytes") << 73 << bytes + " 0";
        QTest::newRow("byte above 255") << 73 << lastByte + " 256";
        QTest::newRow("byte with leading zero") << 73 << lastByte + " 07";
        QTest::newRow("two blanks before the bytes") << 73 << " " + bytes;
        QTest::newRow("blank after the bytes") << 73 << bytes + " ";
        QTest::newRow("byte list in another column") << 72 << bytes;
    }
    void cellsKeepTheirExactText() {
        QFETCH(int, col);
        QFETCH(QString, text);
        Datasheet sheet;
        sheet.setRows(2);
        const QString bytes = QStringLiteral(" 9").repeated(120);
        for (const QString& written : {text, QString(" 7"), bytes, QString("Name"), text}) {
            sheet.setCell(1, col, written);
            QCOMPARE(sheet.cell(1, col), written);
        }
        Datasheet::Row expected;
        expected[size_t(col)] = text;
        QVERIFY(sheet.rowCells(1) == expected); // nothing of the earlier texts is left
        sheet.select(1, col, 1, col);
        QCOMPARE(sheet.clip(), text);
        sheet.setClip(u"-4");
        sheet.setClip(text);
        QCOMPARE(sheet.cell(1, col), text);
    }

    void sortsRowsOnKeyColumns_data() {
        QTest::addColumn<QStringList>("col2");
        QTest::addColumn<QStringList>("col3");
        QTest::addColumn<QList<int>>("block");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("order");
        // The key column is column 2 unless told: column 1 holds the row names.
        const auto row = [](const char* name, Datasheet::SortKind kind, const QStringList& col2,
                            const char* order, const QList<int>& block = {1, 2, 1, 2},
                            const QStringList& col3 = {}) {
            QTest::newRow(name) << col2 << col3 << block << int(kind) << QString(order);
        };
        const auto numeric = Datasheet::NumericAscending;
        row("numeric, not text", numeric, {"10", " 100", " 9"}, "u3,u1,u2");
        row("text descending ignores case", Datasheet::TextDescending,
            {"bravo", "Charlie", "ALPHA"}, "u2,u1,u3");
        row("text ignores accents", Datasheet::TextAscending,
            {"Zenith", "\u00c9clair", "Dora", "eclair"}, "u3,u4,u2,u1");
        row("fractions and texts among whole numbers", numeric, {"2.5", " 3", "abc", "-1"},
            "u4,u3,u1,u2");
        row("leftmost key first", numeric, {"2", "1", "2", "1"}, "u4,u2,u3,u1", {1, 2, 1, 3},
            {"5", "7", "3", "6"});
        row("only the selected rows", numeric, {"9", "8", "7", "6", "5"}, "u1,u4,u3,u2,u5",
            {4, 2, 2, 2});
        row("heading row never moves", numeric, {"9", "8", "7"}, "u2,u1,u3", {2, 2, 0, 2});
    }
    void sortsRowsOnKeyColumns() {
        QFETCH(QStringList, col2);
        QFETCH(QStringList, col3);
        QFETCH(QList<int>, block);
        QFETCH(int, kind);
        Datasheet sheet;
        sheet.setRows(int(col2.size()) + 1);
        sheet.setCell(0, 1, "Unit Name");
        sheet.setCell(0, 2, "99"); // a heading that would sort last if it took part
        for (int i = 0; i < col2.size(); ++i) {
            sheet.setCell(i + 1, 1, QStringLiteral("u%1").arg(i + 1));
            sheet.setCell(i + 1, 2, col2[i]);
            sheet.setCell(i + 1, 3, col3.value(i));
        }
        sheet.select(block[0], block[1], block[2], block[3]);
        QSignalSpy reordered(&sheet, &Datasheet::rowsReordered);
        sheet.sort(Datasheet::SortKind(kind));
        QCOMPARE(reordered.count(), 1);
        QTEST(names(sheet), "order");
        QCOMPARE(sheet.cell(0, 1), QString("Unit Name"));
        QCOMPARE(QList<int>({sheet.row(), sheet.col()}), QList<int>({block[0], block[1]}));
    }

    // The number of a text, whether all of it is one, and that number
    // rounded, halves to even; loaded numbers are written back by the codec.
    void readsLeadingNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("numeric");
        QTest::addColumn<qint64>("rounded");
        QTest::newRow("loaded number") << " 12" << 12.0 << true << qint64(12);
        QTest::newRow("negative fraction") << "-3.5" << -3.5 << true << qint64(-4);
        QTest::newRow("half to even below") << "12.5" << 12.5 << true << qint64(12);
        QTest::newRow("negative half to even") << "-2.5" << -2.5 << true << qint64(-2);
        QTest::newRow("just below a half") << "2.4999" << 2.4999 << true << qint64(2);
        QTest::newRow("exponent") << "1e3" << 1000.0 << true << qint64(1000);
        QTest::newRow("empty") << "" << 0.0 << false << qint64(0);
        QTest::newRow("letters") << "abc" << 0.0 << false << qint64(0);
        QTest::newRow("number then letters") << "12abc" << 12.0 << false << qint64(12);
        QTest::newRow("inner blank is skipped") << "1 2" << 12.0 << false << qint64(12);
        QTest::newRow("second point stops") << "1.2.3" << 1.2 << false << qint64(1);
        QTest::newRow("exponent without digits") << "3e" << 3.0 << false << qint64(3);
        QTest::newRow("tab and newline blanks") << "\t\n8" << 8.0 << true << qint64(8);
        QTest::newRow("tiny underflows to zero") << "1e-999" << 0.0 << true << qint64(0);
        QTest::newRow("unknown bytes cell") << " 0 12 255" << 12255.0 << false << qint64(12255);
        const double max = std::numeric_limits<double>::max();
        const qint64 top = std::numeric_limits<qint64>::max();
        QTest::newRow("huge exponent stays finite") << "1e999" << max << true << top;
        QTest::newRow("four hundred digits") << QString(400, u'9') << max << true << top;
        QTest::newRow("huge negative")
            << "-1e300" << -1e300 << true << std::numeric_limits<qint64>::min();
    }
    void readsLeadingNumber() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(CellNumber(text), value);
        QTEST(IsNumeric(text), "numeric");
        QTEST(qint64(RoundHalfEven(value)), "rounded");
        QCOMPARE(RoundHalfEven(std::numeric_limits<double>::quiet_NaN()), qint64(0));
    }

    // Refused edits (no names after the arrow) change nothing; 2,001 units
    // fill the game's description table, so a new one makes it grow.
    void insertAndDeleteKeepDescriptionsWithUnits_data() {
        QTest::addColumn<QList<int>>("order");
        QTest::addColumn<QList<int>>("current"); // row, column; then afterwards
        QTest::addColumn<int>("op");
        QTest::addColumn<QString>("expected"); // the first 12 names afterwards
        const auto row = [](const char* name, const QList<int>& order, const QList<int>& current,
                            Operation op, const char* expected) {
            QTest::newRow(name) << order << current << int(op) << QString(expected);
        };
        const QList<int> ten = ascending(10);
        row("after unit 5 of 10", ten, {6, 3, 7, 1}, After,
            "n0,n1,n2,n3,n4,n5,I'm New,n6,n7,n8,n9");
        row("before unit 0", ten, {1, 3, 1, 1}, Before, "I'm New,n0,n1,n2,n3,n4,n5,n6,n7,n8,n9");
        row("delete unit 5 of 10", ten, {6, 3, 6, 1}, Delete, "n0,n1,n2,n3,n4,n6,n7,n8,n9");
        row("delete the last row", ten, {10, 3, 9, 1}, Delete, "n0,n1,n2,n3,n4,n5,n6,n7,n8");
        row("unsorted rows renumber by position", {2, 0, 1}, {1, 3, 2, 1}, After,
            "n2,I'm New,n0,n1");
        row("unsorted delete", {2, 0, 1}, {2, 3, 2, 1}, Delete, "n2,n1");
        row("the description table grows", ascending(2001), {1, 3, 1, 1}, Before,
            "I'm New,n0,n1,n2,n3,n4,n5,n6,n7,n8,n9,n10");
        row("insert after on heading row", ascending(3), {0, 3, 0, 3}, After, "");
        row("delete on heading row", ascending(3), {0, 3, 0, 3}, Delete, "");
        row("delete the only unit", {0}, {1, 3, 1, 3}, Delete, "");
        row("insert after at the unit limit", ascending(Datasheet::MaxUnits), {5, 3, 5, 3}, After,
            "");
    }
    void insertAndDeleteKeepDescriptionsWithUnits() {
        QFETCH(QList<int>, order);
        QFETCH(QList<int>, current);
        QFETCH(int, op);
        QFETCH(QString, expected);
        Datasheet sheet;
        QStringList descriptions;
        makeUnits(sheet, descriptions, order);
        const QString before = names(sheet);
        sheet.select(current[0], current[1], current[0], current[1]);
        QCOMPARE(edits[op](sheet, descriptions), !expected.isEmpty());

        QCOMPARE(names(sheet), expected.isEmpty() ? before : expected);
        // Numbers, descriptions and new cells of the units up to beyond 2,001.
        for (int r = 1; r < std::min(sheet.rows(), 2100); ++r) {
            const QString& name = sheet.cell(r, 1);
            QCOMPARE(sheet.cell(r, 0), QStringLiteral(" %1").arg(r - 1));
            QCOMPARE(descriptions.value(r - 1),
                     name.startsWith(u'n') ? "d" + name.mid(1) : QString());
            if (!name.startsWith(u'n')) // a new unit: zeros up to column 44, then empty
                QCOMPARE(sheet.cell(r, 2) + sheet.cell(r, 44) + sheet.cell(r, 45), QString("00"));
        }
        QCOMPARE(descriptions.size(), std::max(2001, sheet.rows() - 1));
        QCOMPARE(cursor(sheet), QList<int>({current[2], current[3], current[2], current[3]}));
        if (!expected.isEmpty())
            QCOMPARE(QPair(sheet.markedRow(), sheet.markedCol()), QPair(current[2], 1));
    }
};

QTEST_GUILESS_MAIN(DatasheetTest)
#include "test_datasheet.moc"
