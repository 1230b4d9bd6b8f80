#include "datasheet/CellNumber.h"
#include "datasheet/Datasheet.h"
#include "datasheet/UnitEditing.h"

#include <QTest>

using namespace quillon;

namespace {

enum Operation { After, Before, Delete };
using Edit = bool (*)(Datasheet&, QStringList&);
const Edit edits[] = {InsertUnitAfter, InsertUnitBefore, DeleteUnit};

// Units numbered 0..units-1 named "n<number>" standing in the given row
// order; descriptions "d<number>" for the 2001 game slots.
void makeUnits(Datasheet& sheet, QStringList& descriptions, const QList<int>& order) {
    std::vector<Datasheet::Row> rows(static_cast<size_t>(order.size()));
    for (qsizetype i = 0; i < order.size(); ++i) {
        rows[size_t(i)][0] = NumberText(order[i]);
        rows[size_t(i)][1] = QStringLiteral("n%1").arg(order[i]);
    }
    sheet.replaceUnitRows(std::move(rows));
    descriptions.clear();
    for (int i = 0; i < 2001; ++i)
        descriptions << QStringLiteral("d%1").arg(i);
}

QList<int> ascending(int units) {
    QList<int> order;
    for (int i = 0; i < units; ++i)
        order << i;
    return order;
}

} // namespace

class UnitEditingTest : public QObject {
    Q_OBJECT
private slots:
    void insertAndDeleteKeepDescriptionsWithUnits_data() {
        QTest::addColumn<QList<int>>("order");
        QTest::addColumn<int>("currentRow");
        QTest::addColumn<int>("op");
        QTest::addColumn<QString>("names");
        QTest::addColumn<int>("newCurrentRow");
        QTest::newRow("after unit 5 of 10")
            << ascending(10) << 6 << int(After) << "n0,n1,n2,n3,n4,n5,I'm New,n6,n7,n8,n9" << 7;
        QTest::newRow("before unit 0")
            << ascending(10) << 1 << int(Before) << "I'm New,n0,n1,n2,n3,n4,n5,n6,n7,n8,n9" << 1;
        QTest::newRow("delete unit 5 of 10")
            << ascending(10) << 6 << int(Delete) << "n0,n1,n2,n3,n4,n6,n7,n8,n9" << 6;
        QTest::newRow("delete the last row")
            << ascending(10) << 10 << int(Delete) << "n0,n1,n2,n3,n4,n5,n6,n7,n8" << 9;
        QTest::newRow("unsorted rows renumber by position")
            << QList<int>{2, 0, 1} << 1 << int(After) << "n2,I'm New,n0,n1" << 2;
        QTest::newRow("unsorted delete") << QList<int>{2, 0, 1} << 2 << int(Delete) << "n2,n1" << 2;
    }
    void insertAndDeleteKeepDescriptionsWithUnits() {
        QFETCH(QList<int>, order);
        QFETCH(int, currentRow);
        QFETCH(int, op);
        QFETCH(QString, names);
        QFETCH(int, newCurrentRow);
        Datasheet sheet;
        QStringList descriptions;
        makeUnits(sheet, descriptions, order);
        sheet.select(currentRow, 3, currentRow, 3);
        QVERIFY(edits[op](sheet, descriptions));

        const QStringList expected = names.split(u',');
        QCOMPARE(sheet.rows(), expected.size() + 1);
        for (int r = 1; r < sheet.rows(); ++r) {
            const QString& name = sheet.cell(r, 1);
            QCOMPARE(name, expected[r - 1]);
            QCOMPARE(sheet.cell(r, 0), NumberText(r - 1));
            QCOMPARE(descriptions[r - 1], name.startsWith(u'n') ? "d" + name.mid(1) : QString());
            if (!name.startsWith(u'n')) // a new unit: zeros up to column 44, then empty
                QCOMPARE(sheet.cell(r, 2) + sheet.cell(r, 44) + sheet.cell(r, 45), QString("00"));
        }
        QCOMPARE(descriptions.size(), 2001);
        QCOMPARE(QList<int>({sheet.row(), sheet.col(), sheet.rowSel(), sheet.colSel()}),
                 QList<int>({newCurrentRow, 1, newCurrentRow, 1}));
        QCOMPARE(QPair(sheet.markedRow(), sheet.markedCol()), QPair(newCurrentRow, 1));
    }

    void refusedAtTheLimits_data() {
        QTest::addColumn<int>("units");
        QTest::addColumn<int>("currentRow");
        QTest::addColumn<int>("op");
        QTest::newRow("insert after on heading row") << 3 << 0 << int(After);
        QTest::newRow("delete on heading row") << 3 << 0 << int(Delete);
        QTest::newRow("delete the only unit") << 1 << 1 << int(Delete);
        QTest::newRow("insert after at the unit limit")
            << int(Datasheet::MaxUnits) << 5 << int(After);
    }
    void refusedAtTheLimits() {
        QFETCH(int, units);
        QFETCH(int, currentRow);
        QFETCH(int, op);
        Datasheet sheet;
        QStringList descriptions;
        makeUnits(sheet, descriptions, ascending(units));
        sheet.select(currentRow, 2, currentRow, 2);
        const QStringList before = descriptions;
        QVERIFY(!edits[op](sheet, descriptions));
        QCOMPARE(sheet.rows(), units + 1);
        QCOMPARE(sheet.cell(1, 1), QString("n0"));
        QCOMPARE(sheet.row(), currentRow);
        QCOMPARE(descriptions, before);
    }

    void descriptionTableGrowsWithUnits() {
        Datasheet sheet;
        QStringList descriptions;
        makeUnits(sheet, descriptions, ascending(2001));
        descriptions[2000] = "last";
        sheet.setRow(1);
        QVERIFY(InsertUnitBefore(sheet, descriptions));
        QCOMPARE(descriptions.size(), 2002);
        QCOMPARE(descriptions[0], QString());
        QCOMPARE(descriptions[2001], QString("last"));
        QCOMPARE(sheet.cell(2002, 0), QString(" 2001"));
    }
};

QTEST_GUILESS_MAIN(UnitEditingTest)
#include "test_unitediting.moc"
