// The unit check's window and the comparison with another file through the
// real editor window: going to a problem from both views, the tint, and
// taking the other file's values as steps that undo and redo exactly.
#include "check/ui/CheckWindow.h"
#include "check/ui/CompareWindow.h"
#include "datasheet/Datasheet.h"
#include "datasheet/ui/DatasheetModel.h"
#include "datasheet/ui/DatasheetPage.h"
#include "datasheet/ui/DatasheetView.h"
#include "formview/ui/FormView.h"
#include "shell/ui/FolderDialogs.h"
#include "support/EditorHarness.h"

#include <QAction>
#include <QDir>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QUndoStack>

using namespace quillon;
using quillon::testing::EditorHarness;

namespace {

constexpr int Units = 12;
constexpr int ColumnColumn = 2; // the list's "Column" (heading) column
constexpr int UnitColumn = 0;

// Every cell and the descriptions of the units: what undo must give back.
QStringList Snapshot(MainWindow& window) {
    const Datasheet& sheet = window.state().datasheet;
    QStringList texts;
    for (int row = 1; row < sheet.rows(); ++row)
        for (int col = 0; col < Datasheet::ColumnCount; ++col)
            texts.append(sheet.cell(row, col));
    texts.append(window.state().LongDescriptions.mid(0, sheet.rows() - 1));
    return texts;
}

// Selects the rows of a report list whose entry satisfies `wanted`.
template <typename Wanted> int selectEntries(ReportWindow& report, Wanted wanted) {
    QTableView* table = report.table();
    table->clearSelection();
    int count = 0;
    for (int row = 0; row < table->model()->rowCount(); ++row) {
        if (!wanted(report.entryAt(row)))
            continue;
        table->selectionModel()->select(table->model()->index(row, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
        ++count;
    }
    return count;
}

void doubleClickSelected(ReportWindow& report) {
    QTableView* table = report.table();
    QVERIFY(QTest::qWaitForWindowExposed(&report));
    const QModelIndex index = table->selectionModel()->selectedRows().value(0);
    table->scrollTo(index);
    const QPoint at = table->visualRect(index).center();
    QTest::mousePress(table->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
}

DatasheetModel::CellTint Tint(std::initializer_list<std::pair<int, std::vector<int>>> rows) {
    DatasheetModel::CellTint tint;
    for (const auto& [row, columns] : rows)
        for (const int col : columns)
            tint[row].set(size_t(col));
    return tint;
}

} // namespace

class MainWindowCheckTest : public QObject {
    Q_OBJECT

private slots:
    // Two seeded faults are exactly what the check lists; a double-click
    // goes to the fault's cell, or shows its unit in the form view, and a
    // filter that hides the unit is cleared.
    void checkWindowGoesToProblem_data() {
        QTest::addColumn<bool>("datasheet");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("filterAfter");
        QTest::newRow("datasheet") << true << QString() << QString();
        QTest::newRow("datasheet, filter shows it") << true << "month available < 1"
                                                    << "month available < 1";
        QTest::newRow("datasheet, filter hides it") << true << "month available > 0" << QString();
        QTest::newRow("form view") << false << QString() << QString();
    }
    void checkWindowGoesToProblem() {
        QFETCH(bool, datasheet);
        QFETCH(QString, filter);
        QFETCH(QString, filterAfter);
        EditorHarness editor(Units);
        QVERIFY(editor.startOpen(datasheet));
        MainWindow& window = *editor.window;
        Datasheet& sheet = window.state().datasheet;
        sheet.setCell(3, 4, QStringLiteral("abc"));
        sheet.setCell(6, 29, QStringLiteral(" 0"));
        window.datasheetPage()->filterField()->setText(filter);
        editor.action("mnu_check")->trigger();
        CheckWindow* report = window.checkWindow();
        QVERIFY(report && report->isVisible());
        QStringList found;
        for (int entry = 0; entry < report->entryCount(); ++entry)
            found.append(report->entryText(entry, UnitColumn) + QLatin1Char(':') +
                         QString::number(report->problem(entry).column));
        found.sort();
        QCOMPARE(found, QStringList({"2:4", "5:29"}));

        QCOMPARE(selectEntries(*report, [&](int e) { return report->problem(e).column == 29; }), 1);
        if (!datasheet)
            window.formView()->findChild<QLineEdit*>(QStringLiteral("Text4"))->setText("77");
        doubleClickSelected(*report);
        if (datasheet) {
            QCOMPARE(QPair(sheet.row(), sheet.col()), QPair(6, 29));
            QCOMPARE(window.datasheetPage()->filterField()->text(), filterAfter);
            QVERIFY(window.datasheetView()->currentIndex().isValid());
        } else {
            QCOMPARE(window.formView()->shownRow(), 6);
            QCOMPARE(sheet.cell(1, 3), QStringLiteral("77")); // taken in first, as Next does
        }
    }

    // The open file with a changed cell, a renamed unit with another icon, an
    // edited description and a deleted unit, against the unedited copy.
    // Taking values changes exactly what was picked, as one step that undo
    // takes back and redo does again exactly.
    void takeOtherValues_data() {
        QTest::addColumn<QString>("pick");
        QTest::addColumn<bool>("wholeUnits");
        QTest::addColumn<int>("left");         // entries left after the take
        QTest::addColumn<QList<int>>("equal"); // rows of units now as in the copy
        QTest::addColumn<bool>("form");        // taken while the form view shows unit 3
        QTest::newRow("a cell") << "1:S.A." << false << 4 << QList<int>{2} << false;
        QTest::newRow("a unit") << "3:Icon ID" << true << 3 << QList<int>{4} << false;
        QTest::newRow("a unit, form view") << "3:Icon ID" << true << 3 << QList<int>{4} << true;
        QTest::newRow("an added unit, form view")
            << "7:only in the other file" << false << 4 << QList<int>{8} << true;
        QTest::newRow("every row") << "" << false << 0 << QList<int>{2, 4, 6, 8} << false;
    }
    void takeOtherValues() {
        QFETCH(QString, pick);
        QFETCH(bool, wholeUnits);
        QFETCH(int, left);
        QFETCH(QList<int>, equal);
        QFETCH(bool, form);
        EditorHarness editor(Units);
        QVERIFY(editor.startOpen(true));
        MainWindow& window = *editor.window;
        Datasheet& sheet = window.state().datasheet;
        const QString copy = editor.game.root() + QStringLiteral("copy/");
        QVERIFY(QDir().mkpath(copy));
        for (const QString& name : QDir(editor.game.dataFolder()).entryList(QDir::Files))
            QVERIFY(QFile::copy(editor.game.dataFolder() + name, copy + name));
        const QStringList original = Snapshot(window);

        sheet.setCell(2, 3, QStringLiteral("99"));
        sheet.setCell(4, 1, QStringLiteral("Renamed"));
        sheet.setCell(4, 27, QStringLiteral("1"));
        window.state().LongDescriptions[5] = QStringLiteral("Edited description");
        sheet.select(8, 1, 8, 1);
        editor.action("del_unit")->trigger();
        QCOMPARE(sheet.rows(), Units);

        // A folder without equipment files is refused and changes nothing.
        editor.action("mnu_compare")->trigger();
        window.openDialog()->setFolder(editor.game.root());
        QTest::mouseClick(window.openDialog()->confirmButton(), Qt::LeftButton);
        QCOMPARE(editor.dialogs.informed.size(), 1);
        QVERIFY(!window.compareWindow());

        editor.action("mnu_compare")->trigger();
        QVERIFY(window.openDialog()->setFolder(copy));
        QTest::mouseClick(window.openDialog()->confirmButton(), Qt::LeftButton);
        CompareWindow* list = window.compareWindow();
        QVERIFY(list && list->isVisible());
        QCOMPARE(list->entryCount(), 5);
        DatasheetModel* model = window.datasheetView()->datasheetModel();
        QCOMPARE(model->tint(), Tint({{2, {0, 3}}, {4, {0, 1, 27}}, {6, {0}}}));
        QCOMPARE(model->data(model->index(1, 2), Qt::BackgroundRole).value<QColor>(),
                 DatasheetModel::tintColour());
        QVERIFY(!model->data(model->index(1, 3), Qt::BackgroundRole).isValid());

        auto* name = window.formView()->findChild<QLineEdit*>(QStringLiteral("Text2"));
        if (form) {
            sheet.select(4, 1, 4, 1);
            emit window.datasheetView()->unitChosen();
            QCOMPARE(name->text(), QStringLiteral("Renamed"));
        }
        const QStringList edited = Snapshot(window);
        QVERIFY(selectEntries(*list, [&](int e) {
                    return pick.isEmpty() || list->entryText(e, UnitColumn) + QLatin1Char(':') +
                                                     list->entryText(e, ColumnColumn) ==
                                                 pick;
                }) > 0);
        list->findChild<QPushButton*>(wholeUnits ? "TakeUnits" : "TakeValues")->click();
        QCOMPARE(list->entryCount(), left);
        const QStringList taken = Snapshot(window);
        for (const int row : equal) {
            const qsizetype at = qsizetype(row - 1) * Datasheet::ColumnCount;
            QCOMPARE(taken.mid(at, Datasheet::ColumnCount),
                     original.mid(at, Datasheet::ColumnCount));
        }
        if (pick.isEmpty())
            QCOMPARE(taken, original);
        QCOMPARE(window.undoStack()->count(), 2); // the deletion, then the take
        if (form) // the form still shows unit 3, with what was taken
            QCOMPARE(name->text(), sheet.cell(4, 1));

        editor.action("mnu_undo")->trigger();
        QCOMPARE(Snapshot(window), edited);
        QTRY_COMPARE(list->entryCount(), 5);
        editor.action("mnu_redo")->trigger();
        QCOMPARE(Snapshot(window), taken);
        QTRY_COMPARE(list->entryCount(), left);

        list->close();
        QVERIFY(model->tint().isEmpty());
    }
};

QTEST_MAIN(MainWindowCheckTest)
#include "test_mainwindow_check.moc"
