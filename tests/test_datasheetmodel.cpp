// The datasheet's item model and grid view: what the view shows, the
// notifications single changes cause, and how mouse selections map onto the
// datasheet's current cell and block.
#include "datasheet/Datasheet.h"
#include "datasheet/ui/DatasheetModel.h"
#include "datasheet/ui/DatasheetView.h"

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>
#include <memory>

using namespace quillon;

namespace {

// A datasheet of `units` rows whose first `columns` cells name their
// position ("r3c5"), under the heading "Unit Name".
void fill(Datasheet& sheet, int units, int columns = Datasheet::ColumnCount) {
    std::vector<Datasheet::Row> rows(static_cast<size_t>(units));
    for (int r = 0; r < units; ++r)
        for (int c = 0; c < columns; ++c)
            rows[size_t(r)][size_t(c)] =
                c == 0 ? QStringLiteral(" %1").arg(r) : QStringLiteral("r%1c%2").arg(r + 1).arg(c);
    sheet.replaceUnitRows(std::move(rows));
    sheet.setCell(0, 1, QStringLiteral("Unit Name"));
}

} // namespace

class TestDatasheetModel : public QObject {
    Q_OBJECT
    Datasheet sheet; // as many units as the game allows, shown in `view`
    std::unique_ptr<DatasheetView> view;

private slots:
    void initTestCase() {
        fill(sheet, Datasheet::MaxUnits, 2);
        view = std::make_unique<DatasheetView>(sheet);
        view->resize(800, 400);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    }

    // A change of one cell tells of that cell alone, without a reset.
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
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        QSignalSpy layouts(&model, &QAbstractItemModel::layoutChanged);
        sheet.setCell(2, 7, QStringLiteral("x"));
        QCOMPARE(resets.count() + layouts.count(), 0);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed[0].mid(0, 2), QVariantList(2, model.index(1, 6)));
    }

    // Clicks "kind row col" (datasheet coordinates) on a cell, with Shift,
    // on the number cell of its row, the heading of its column or the
    // corner, each scrolled into view first; then the current cell and the
    // block's other corner.
    void mouseSelectionsMapOntoTheDatasheet_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QList<int>>("selection");
        const auto row = [](const char* name, const QStringList& clicks,
                            const QList<int>& selection) {
            QTest::newRow(name) << clicks << selection;
        };
        row("unit cell", {"cell 3 4"}, {3, 4, 3, 4});
        row("number cell: columns 1 to 73", {"number 5 1"}, {5, 1, 5, 73});
        row("heading: the column of every unit", {"heading 1 6"}, {1, 6, 32767, 6});
        row("corner: every unit", {"corner 1 1"}, {1, 1, 32767, 73});
        row("shift-click: block from the anchor", {"cell 2 5", "shift 4 3"}, {2, 5, 4, 3});
        row("block over every column keeps its direction", {"cell 2 73", "shift 3 1"},
            {2, 73, 3, 1});
    }
    void mouseSelectionsMapOntoTheDatasheet() {
        QFETCH(QStringList, clicks);
        for (const QString& click : clicks) {
            const QStringList word = click.split(u' ');
            const QModelIndex index =
                view->model()->index(word[1].toInt() - 1, word[2].toInt() - 1);
            view->scrollTo(index);
            const QPoint centre = view->visualRect(index).center();
            if (word[0] == "number")
                QTest::mouseClick(view->verticalHeader()->viewport(), Qt::LeftButton, {},
                                  QPoint(5, centre.y()));
            else if (word[0] == "heading")
                QTest::mouseClick(view->horizontalHeader()->viewport(), Qt::LeftButton, {},
                                  QPoint(centre.x(), 5));
            else if (word[0] == "corner")
                QTest::mouseClick(view->findChild<QAbstractButton*>(), Qt::LeftButton);
            else
                QTest::mouseClick(view->viewport(), Qt::LeftButton,
                                  word[0] == "shift" ? Qt::ShiftModifier : Qt::NoModifier, centre);
        }
        QTEST((QList<int>{sheet.row(), sheet.col(), sheet.rowSel(), sheet.colSel()}), "selection");
    }

    void bigSheetsUseUniformRows() {
        QCOMPARE(view->model()->rowCount(), Datasheet::MaxUnits);
        QCOMPARE(view->verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
        sheet.select(30000, 1, 30000, 1);
        view->scrollToRowTop(30000);
        QCOMPARE(view->rowAt(0), 29999);
    }
};

QTEST_MAIN(TestDatasheetModel)
#include "test_datasheetmodel.moc"
