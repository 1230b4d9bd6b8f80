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

// A datasheet of `units` rows whose first `columns` cells name their
// position ("r3c5").
void fill(Datasheet& sheet, int units, int columns = Datasheet::ColumnCount) {
    std::vector<Datasheet::Row> rows(static_cast<size_t>(units));
    for (int r = 0; r < units; ++r)
        for (int c = 0; c < columns; ++c)
            rows[size_t(r)][size_t(c)] =
                c == 0 ? QStringLiteral(" %1").arg(r) : QStringLiteral("r%1c%2").arg(r + 1).arg(c);
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
    void showsHeadingsNumbersAndCells() {
        Datasheet sheet;
        fill(sheet, 3);
        DatasheetModel model(sheet);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.columnCount(), 73);
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Unit Name"));
        QCOMPARE(model.headerData(2, Qt::Vertical).toString(), QStringLiteral(" 2"));
        QCOMPARE(model.index(1, 4).data().toString(), QStringLiteral("r2c5"));
    }

    void singleCellChangeTouchesOnlyThatCell() {
        Datasheet sheet;
        fill(sheet, 1000);
        DatasheetModel model(sheet);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        QSignalSpy layouts(&model, &QAbstractItemModel::layoutChanged);
        sheet.setCell(500, 7, QStringLiteral("x"));
        QCOMPARE(resets.count() + layouts.count(), 0);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed[0][0].toModelIndex(), model.index(499, 6));
        QCOMPARE(changed[0][1].toModelIndex(), model.index(499, 6));
    }

    void mouseSelectionsMapOntoTheDatasheet_data() {
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
        QTest::newRow("block over every column keeps its direction") << "wide" << 2 << 73 << 3 << 1;
    }

    void mouseSelectionsMapOntoTheDatasheet() {
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
        } else if (what == QLatin1String("wide")) {
            view.scrollTo(view.model()->index(1, 72));
            QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cellCentre(2, 73));
            view.scrollTo(view.model()->index(2, 0));
            QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::ShiftModifier, cellCentre(3, 1));
        } else {
            QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cellCentre(2, 5));
            QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::ShiftModifier, cellCentre(4, 3));
        }
        QTEST(sheet.row(), "row");
        QTEST(sheet.col(), "col");
        QTEST(sheet.rowSel(), "rowSel");
        QTEST(sheet.colSel(), "colSel");
    }

    void bigSheetsUseUniformRows() {
        Datasheet sheet;
        fill(sheet, Datasheet::MaxUnits, 2);
        DatasheetView view(sheet);
        QCOMPARE(view.model()->rowCount(), Datasheet::MaxUnits);
        QCOMPARE(view.verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
        sheet.select(30000, 1, 30000, 1);
        view.scrollToRowTop(30000);
        QCOMPARE(view.rowAt(0), 29999);
    }
};

QTEST_MAIN(TestDatasheetModel)
#include "test_datasheetmodel.moc"
