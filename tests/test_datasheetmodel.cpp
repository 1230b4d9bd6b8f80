// The datasheet's item model and grid view: what the view shows, the
// notifications single changes cause, and how mouse selections map onto the
// datasheet's current cell and block.
#include "datasheet/Datasheet.h"
#include "datasheet/ui/DatasheetModel.h"
#include "datasheet/ui/DatasheetView.h"
#include "i18n/Language.h"

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

using namespace quillon;

namespace {

QString NumberTextFor(int value) {
    return QStringLiteral(" %1").arg(value);
}

// A datasheet of `units` rows whose cells name their position ("r3c5").
void fill(Datasheet& sheet, int units) {
    std::vector<Datasheet::Row> rows(static_cast<size_t>(units));
    for (int r = 0; r < units; ++r)
        for (int c = 0; c < Datasheet::ColumnCount; ++c)
            rows[size_t(r)][size_t(c)] =
                c == 0 ? NumberTextFor(r) : QStringLiteral("r%1c%2").arg(r + 1).arg(c);
    sheet.replaceUnitRows(std::move(rows));
    const QStringList headings = i18n::ColumnHeadings(i18n::Language::English, {});
    Datasheet::Row heading;
    for (int c = 0; c < Datasheet::ColumnCount; ++c)
        heading[size_t(c)] = headings.value(c);
    sheet.setRowCells(0, heading);
}

} // namespace

class TestDatasheetModel : public QObject {
    Q_OBJECT
private slots:
    void showsHeadingsNumbersAndCells();
    void singleCellChangeTouchesOnlyThatCell();
    void insertRemoveAndSortKeepTheModelConsistent();
    void markFollowsTheCurrentCell();
    void mouseSelectionsMapOntoTheDatasheet_data();
    void mouseSelectionsMapOntoTheDatasheet();
    void codeSelectionsShowInTheView();
    void columnWidthsComeFromTwips();
    void bigSheetsUseUniformRows();
};

void TestDatasheetModel::showsHeadingsNumbersAndCells() {
    Datasheet sheet;
    fill(sheet, 3);
    DatasheetModel model(sheet);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.columnCount(), 73);
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Unit Name"));
    QCOMPARE(model.headerData(2, Qt::Vertical).toString(), QStringLiteral(" 2"));
    QCOMPARE(model.index(1, 4).data().toString(), QStringLiteral("r2c5"));
    // The name column is left-aligned, every other column right-aligned.
    QCOMPARE(model.index(0, 0).data(Qt::TextAlignmentRole).toInt(),
             int(Qt::AlignLeft | Qt::AlignVCenter));
    QCOMPARE(model.index(0, 5).data(Qt::TextAlignmentRole).toInt(),
             int(Qt::AlignRight | Qt::AlignVCenter));
}

void TestDatasheetModel::singleCellChangeTouchesOnlyThatCell() {
    Datasheet sheet;
    fill(sheet, 1000);
    DatasheetModel model(sheet);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy layouts(&model, &QAbstractItemModel::layoutChanged);
    sheet.setCell(500, 7, QStringLiteral("x"));
    QCOMPARE(resets.count(), 0);
    QCOMPARE(layouts.count(), 0);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed[0][0].toModelIndex(), model.index(499, 6));
    QCOMPARE(changed[0][1].toModelIndex(), model.index(499, 6));
    QCOMPARE(model.index(499, 6).data().toString(), QStringLiteral("x"));
}

void TestDatasheetModel::insertRemoveAndSortKeepTheModelConsistent() {
    Datasheet sheet;
    fill(sheet, 5);
    // The datasheet signals after it has changed, so the model tester's
    // look at the rows before an insert cannot apply; views never look there.
    DatasheetModel model(sheet);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    sheet.addItem(u"9\tnew", 3);
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(inserted[0][1].toInt(), 2);
    QCOMPARE(model.rowCount(), 6);
    QCOMPARE(model.index(2, 0).data().toString(), QStringLiteral("new"));
    sheet.removeItem(1);
    QCOMPARE(model.rowCount(), 5);
    QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("r2c1"));
    sheet.select(1, 3, 1, 3);
    sheet.sort(Datasheet::TextDescending);
    QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("r5c1"));
    QCOMPARE(resets.count(), 0);
}

void TestDatasheetModel::markFollowsTheCurrentCell() {
    Datasheet sheet;
    fill(sheet, 4);
    DatasheetModel model(sheet);
    sheet.select(2, 3, 2, 3);
    QCOMPARE(model.index(1, 2).data(Qt::BackgroundRole).value<QColor>(), QColor(192, 255, 255));
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    sheet.select(3, 1, 3, 1);
    QVERIFY(!model.index(1, 2).data(Qt::BackgroundRole).isValid());
    QVERIFY(model.index(2, 0).data(Qt::BackgroundRole).isValid());
    QCOMPARE(changed.count(), 2); // the old and the new cell only
    sheet.select(0, 0, 0, 73);    // the heading row is never marked
    QVERIFY(!model.index(2, 0).data(Qt::BackgroundRole).isValid());
}

void TestDatasheetModel::mouseSelectionsMapOntoTheDatasheet_data() {
    QTest::addColumn<QString>("what");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("rowSel");
    QTest::addColumn<int>("colSel");
    QTest::newRow("unit cell") << "cell" << 3 << 4 << 3 << 4;
    QTest::newRow("number cell: columns 1 to 73") << "number" << 5 << 1 << 5 << 73;
    QTest::newRow("heading: the column of every unit") << "heading" << 1 << 6 << 20 << 6;
    QTest::newRow("corner: every unit") << "corner" << 1 << 1 << 20 << 73;
    QTest::newRow("shift-click: block from the anchor") << "block" << 2 << 5 << 4 << 3;
}

void TestDatasheetModel::mouseSelectionsMapOntoTheDatasheet() {
    QFETCH(QString, what);
    Datasheet sheet;
    fill(sheet, 20);
    DatasheetView view(sheet);
    view.resize(800, 400);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    auto cellCentre = [&](int row, int col) {
        return view.visualRect(view.model()->index(row - 1, col - 1)).center();
    };
    if (what == QLatin1String("cell")) {
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cellCentre(3, 4));
    } else if (what == QLatin1String("number")) {
        QHeaderView* header = view.verticalHeader();
        QTest::mouseClick(
            header->viewport(), Qt::LeftButton, {},
            QPoint(5, header->sectionViewportPosition(4) + header->sectionSize(4) / 2));
    } else if (what == QLatin1String("heading")) {
        QHeaderView* header = view.horizontalHeader();
        QTest::mouseClick(
            header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(5) + header->sectionSize(5) / 2, 5));
    } else if (what == QLatin1String("corner")) {
        QWidget* corner = view.findChild<QAbstractButton*>();
        QVERIFY(corner);
        QTest::mouseClick(corner, Qt::LeftButton);
    } else {
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cellCentre(2, 5));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::ShiftModifier, cellCentre(4, 3));
    }
    QTEST(sheet.row(), "row");
    QTEST(sheet.col(), "col");
    QTEST(sheet.rowSel(), "rowSel");
    QTEST(sheet.colSel(), "colSel");
}

void TestDatasheetModel::codeSelectionsShowInTheView() {
    Datasheet sheet;
    fill(sheet, 10);
    DatasheetView view(sheet);
    sheet.select(4, 2, 6, 3);
    QCOMPARE(view.currentIndex(), view.model()->index(3, 1));
    QCOMPARE(view.selectionModel()->selectedIndexes().size(), 6);
    // A block that includes the number column shows from column 1.
    sheet.select(5, 0, 5, 73);
    QCOMPARE(view.selectionModel()->selectedIndexes().size(), 73);
    sheet.select(0, 0, 0, 73);
    QVERIFY(view.selectionModel()->selectedIndexes().isEmpty());
}

void TestDatasheetModel::columnWidthsComeFromTwips() {
    Datasheet sheet;
    fill(sheet, 2);
    DatasheetView view(sheet);
    view.applyColumnLayout();
    const double scale = view.logicalDpiX() / 96.0;
    QCOMPARE(view.columnWidth(0), qRound(1800 / 15.0 * scale)); // the name column
    // "Target Type": 11 characters, 80 twips each plus 250.
    QCOMPARE(view.columnWidth(12), qRound((80 * 11 + 250) / 15.0 * scale));
}

void TestDatasheetModel::bigSheetsUseUniformRows() {
    Datasheet sheet;
    fill(sheet, Datasheet::MaxUnits);
    DatasheetView view(sheet);
    QCOMPARE(view.model()->rowCount(), Datasheet::MaxUnits);
    QCOMPARE(view.verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    sheet.select(30000, 1, 30000, 1);
    view.scrollToRowTop(30000);
    QCOMPARE(view.rowAt(0), 29999);
}

QTEST_MAIN(TestDatasheetModel)
#include "test_datasheetmodel.moc"
