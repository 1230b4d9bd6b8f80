#include "datasheet/Datasheet.h"

#include <QSignalSpy>
#include <QTest>

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

// Rows 1..4 x columns 1..4 as "a,b,c,d/..." for compact expectations.
QString area(Datasheet& sheet) {
    sheet.select(1, 1, 4, 4);
    return sheet.clip().replace(u'\t', u',').replace(u'\r', u'/');
}

// Column 1 of every unit row, joined by commas.
QString names(const Datasheet& sheet) {
    QStringList list;
    for (int r = 1; r < sheet.rows(); ++r)
        list << sheet.cell(r, 1);
    return list.join(u',');
}

} // namespace

class DatasheetTest : public QObject {
    Q_OBJECT
private slots:
    void currentCellAndBlock() {
        Datasheet sheet;
        fillNamed(sheet, 5);
        QSignalSpy moved(&sheet, &Datasheet::currentCellChanged);
        sheet.select(2, 3, 4, 5);
        sheet.setRow(3); // collapses the block onto the new current cell
        QCOMPARE(QList<int>({sheet.row(), sheet.col(), sheet.rowSel(), sheet.colSel()}),
                 QList<int>({3, 3, 3, 3}));
        sheet.setColSel(6);
        sheet.setCol(1);
        QCOMPARE(QList<int>({sheet.row(), sheet.col(), sheet.rowSel(), sheet.colSel()}),
                 QList<int>({3, 1, 3, 1}));
        QCOMPARE(moved.count(), 4);
        sheet.select(99, 500, -7, -1); // clamped, never out of the grid
        QCOMPARE(QList<int>({sheet.row(), sheet.col(), sheet.rowSel(), sheet.colSel()}),
                 QList<int>({5, 73, 0, 0}));
        QCOMPARE(sheet.text(), QString("5.73"));
    }

    void outOfRangeAccessIsHarmless() {
        Datasheet sheet;
        fillNamed(sheet, 2);
        QSignalSpy changed(&sheet, &Datasheet::cellsChanged);
        sheet.setCell(3, 1, "x");
        sheet.setCell(1, 74, "x");
        sheet.removeItem(0); // the heading row stays
        sheet.removeItem(9);
        QVERIFY(sheet.cell(-1, 0).isEmpty());
        QVERIFY(sheet.rowCells(40)[5].isEmpty());
        QCOMPARE(sheet.rows(), 3);
        QCOMPARE(changed.count(), 0);
        sheet.setRows(0);
        QCOMPARE(sheet.rows(), 1);
        sheet.setRows(1 << 30);
        QCOMPARE(sheet.rows(), Datasheet::MaxUnits + 1);
    }

    void markFollowsCurrentUnitCell() {
        Datasheet sheet;
        fillNamed(sheet, 5);
        sheet.select(2, 4, 3, 6);
        QCOMPARE(QPair(sheet.markedRow(), sheet.markedCol()), QPair(2, 4));
        sheet.setCol(0); // the number column is never marked
        QCOMPARE(sheet.markedRow(), -1);
        sheet.setRow(3);
        sheet.setCol(1);
        QCOMPARE(QPair(sheet.markedRow(), sheet.markedCol()), QPair(3, 1));
        sheet.setRowSel(5); // extending the block keeps the mark
        QCOMPARE(sheet.markedRow(), 3);
        sheet.sort(Datasheet::TextDescending);
        QCOMPARE(sheet.markedRow(), -1); // stays off until a cell is chosen again
        sheet.setRow(0);
        QCOMPARE(sheet.markedRow(), -1);
    }

    void clipJoinsBlock_data() {
        QTest::addColumn<QList<int>>("block");
        QTest::addColumn<QString>("text");
        QTest::newRow("single cell") << QList<int>{2, 3, 2, 3} << "2.3";
        QTest::newRow("two rows by three columns")
            << QList<int>{1, 1, 2, 3} << "1.1\t1.2\t1.3\r2.1\t2.2\t2.3";
        QTest::newRow("corners reversed") << QList<int>{2, 2, 1, 1} << "1.1\t1.2\r2.1\t2.2";
    }
    void clipJoinsBlock() {
        QFETCH(QList<int>, block);
        QFETCH(QString, text);
        Datasheet sheet;
        fillNamed(sheet, 3);
        sheet.select(block[0], block[1], block[2], block[3]);
        QCOMPARE(sheet.clip(), text);
    }

    void setClipFillsBlockFromTopLeft_data() {
        QTest::addColumn<QList<int>>("block");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const QString untouched = "1.1,1.2,1.3,1.4/2.1,2.2,2.3,2.4/3.1,3.2,3.3,3.4/4.1,4.2,4.3,4.4";
        QTest::newRow("2x3 text into 3x2 block")
            << QList<int>{1, 1, 3, 2} << "a\tb\tc\rd\te\tf"
            << "a,b,1.3,1.4/d,e,2.3,2.4/3.1,3.2,3.3,3.4/4.1,4.2,4.3,4.4";
        QTest::newRow("single cell takes first piece")
            << QList<int>{2, 2, 2, 2} << "a\tb\rc" << QString(untouched).replace("2.2", "a");
        QTest::newRow("reversed corners")
            << QList<int>{2, 2, 1, 1} << "a\tb\rc\td"
            << "a,b,1.3,1.4/c,d,2.3,2.4/3.1,3.2,3.3,3.4/4.1,4.2,4.3,4.4";
        QTest::newRow("spreadsheet CR LF with final line end")
            << QList<int>{1, 1, 3, 2} << "a\tb\r\nc\td\r\n"
            << "a,b,1.3,1.4/c,d,2.3,2.4/3.1,3.2,3.3,3.4/4.1,4.2,4.3,4.4";
        QTest::newRow("bare LF lines")
            << QList<int>{1, 1, 3, 1} << "a\nb\n"
            << "a,1.2,1.3,1.4/b,2.2,2.3,2.4/3.1,3.2,3.3,3.4/4.1,4.2,4.3,4.4";
        QTest::newRow("only one final line end dropped")
            << QList<int>{1, 1, 3, 1} << "a\r\n\r\n"
            << "a,1.2,1.3,1.4/,2.2,2.3,2.4/3.1,3.2,3.3,3.4/4.1,4.2,4.3,4.4";
        QTest::newRow("short lines leave cells")
            << QList<int>{1, 1, 2, 3} << "a\rb\t\tc"
            << "a,1.2,1.3,1.4/b,,c,2.4/3.1,3.2,3.3,3.4/4.1,4.2,4.3,4.4";
        QTest::newRow("empty text empties the first cell")
            << QList<int>{3, 3, 4, 4} << "" << QString(untouched).replace("3.3", "");
    }
    void setClipFillsBlockFromTopLeft() {
        QFETCH(QList<int>, block);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        Datasheet sheet;
        fillNamed(sheet, 5);
        QSignalSpy changed(&sheet, &Datasheet::cellsChanged);
        sheet.select(block[0], block[1], block[2], block[3]);
        sheet.setClip(text);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(area(sheet), expected);
        QCOMPARE(sheet.cell(5, 1), QString("5.1"));
    }

    void addAndRemoveRows() {
        Datasheet sheet;
        fillNamed(sheet, 3);
        QSignalSpy inserted(&sheet, &Datasheet::rowsInserted);
        sheet.addItem(u"n\tname\t\t7", 2);
        sheet.addItem(u"top", 0); // never above the heading row
        QCOMPARE(inserted.count(), 2);
        QCOMPARE(sheet.rows(), 6);
        QCOMPARE(sheet.cell(1, 0), QString("top"));
        QCOMPARE(sheet.cell(3, 1), QString("name"));
        QCOMPARE(sheet.cell(3, 3), QString("7"));
        QVERIFY(sheet.cell(3, 2).isEmpty() && sheet.cell(3, 73).isEmpty());
        sheet.removeItem(1);
        QCOMPARE(sheet.cell(1, 0), QString("1.0"));
        sheet.select(5, 1, 5, 1);
        sheet.removeItem(5); // the current row goes; the new last row becomes current
        QCOMPARE(sheet.row(), 4);
        QSignalSpy changed(&sheet, &Datasheet::cellsChanged);
        sheet.clear();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(sheet.rows(), 5);
        QVERIFY(sheet.cell(0, 0).isEmpty() && sheet.cell(4, 73).isEmpty());
    }

    void sortsRowsOnKeyColumns_data() {
        QTest::addColumn<QStringList>("col2");
        QTest::addColumn<QStringList>("col3");
        QTest::addColumn<QList<int>>("block");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("order");
        QTest::newRow("numeric, not text")
            << QStringList{"10", " 100", " 9"} << QStringList{} << QList<int>{1, 2, 1, 2}
            << int(Datasheet::NumericAscending) << "u3,u1,u2";
        QTest::newRow("numeric descending")
            << QStringList{"10", "-4", " 9", "abc"} << QStringList{} << QList<int>{2, 2, 2, 2}
            << int(Datasheet::NumericDescending) << "u1,u3,u4,u2";
        QTest::newRow("text descending ignores case")
            << QStringList{"bravo", "Charlie", "ALPHA"} << QStringList{} << QList<int>{1, 2, 1, 2}
            << int(Datasheet::TextDescending) << "u2,u1,u3";
        QTest::newRow("text ascending ignores case")
            << QStringList{"b", "A", "a", "C"} << QStringList{} << QList<int>{3, 2, 3, 2}
            << int(Datasheet::TextAscending) << "u2,u3,u1,u4";
        QTest::newRow("leftmost key first")
            << QStringList{"2", "1", "2", "1"} << QStringList{"5", "7", "3", "6"}
            << QList<int>{1, 2, 1, 3} << int(Datasheet::NumericAscending) << "u4,u2,u3,u1";
        QTest::newRow("key columns in reverse drag")
            << QStringList{"2", "1", "2", "1"} << QStringList{"5", "7", "3", "6"}
            << QList<int>{1, 3, 1, 2} << int(Datasheet::NumericDescending) << "u1,u3,u2,u4";
        QTest::newRow("only the selected rows")
            << QStringList{"9", "8", "7", "6", "5"} << QStringList{} << QList<int>{4, 2, 2, 2}
            << int(Datasheet::NumericAscending) << "u1,u4,u3,u2,u5";
        QTest::newRow("heading row never moves")
            << QStringList{"9", "8", "7"} << QStringList{} << QList<int>{2, 2, 0, 2}
            << int(Datasheet::NumericAscending) << "u2,u1,u3";
    }
    void sortsRowsOnKeyColumns() {
        QFETCH(QStringList, col2);
        QFETCH(QStringList, col3);
        QFETCH(QList<int>, block);
        QFETCH(int, kind);
        QFETCH(QString, order);
        Datasheet sheet;
        sheet.setRows(int(col2.size()) + 1);
        sheet.setCell(0, 1, "Unit Name");
        for (int i = 0; i < col2.size(); ++i) {
            sheet.setCell(i + 1, 1, QStringLiteral("u%1").arg(i + 1));
            sheet.setCell(i + 1, 2, col2[i]);
            sheet.setCell(i + 1, 3, col3.value(i));
        }
        // Column 1 holds the row names, so name-keyed cases sort on column 2 only.
        sheet.select(block[0], block[1], block[2], block[3]);
        QSignalSpy reordered(&sheet, &Datasheet::rowsReordered);
        sheet.sort(Datasheet::SortKind(kind));
        QCOMPARE(reordered.count(), 1);
        QCOMPARE(names(sheet), order);
        QCOMPARE(sheet.cell(0, 1), QString("Unit Name"));
        QCOMPARE(QList<int>({sheet.row(), sheet.col()}), QList<int>({block[0], block[1]}));
    }

    void sortsSubRangeOfManyRows() {
        Datasheet sheet;
        fillNamed(sheet, 30);
        for (int r = 1; r <= 30; ++r)
            sheet.setCell(r, 5, QString::number(100 - r));
        sheet.select(10, 5, 20, 5);
        sheet.sort(Datasheet::NumericAscending);
        for (int r = 1; r <= 30; ++r) {
            const int from = r >= 10 && r <= 20 ? 30 - r : r; // 10..20 reversed, others kept
            QCOMPARE(sheet.cell(r, 0), QStringLiteral("%1.0").arg(from));
        }
    }
};

QTEST_GUILESS_MAIN(DatasheetTest)
#include "test_datasheet.moc"
