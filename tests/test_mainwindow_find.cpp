// Find, the datasheet's filter, the unit check and the comparison with
// another file through the real editor window, one window for every test:
// what copy, paste, sort, insert and delete do under a filter, the status
// line in three languages, finding from both views, going to a problem and
// taking the other file's values as steps that undo and redo exactly.
#include "check/ui/CheckWindow.h"
#include "check/ui/CompareWindow.h"
#include "datasheet/Datasheet.h"
#include "datasheet/ui/DatasheetModel.h"
#include "datasheet/ui/DatasheetPage.h"
#include "datasheet/ui/DatasheetView.h"
#include "formview/ui/FormView.h"
#include "shell/ui/FindBar.h"
#include "shell/ui/FolderDialogs.h"
#include "support/EditorHarness.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QUndoStack>

using namespace quillon;
using quillon::testing::EditorHarness;
using quillon::testing::pressKeys;

namespace {

constexpr int Units = 40;
// The rows a filter on H.A. = 100 shows: two together, then a gap.
const QList<int> Marked{3, 4, 8};
constexpr int ColumnColumn = 2; // a report list's "Column" (heading) column
constexpr int UnitColumn = 0;

// Every row's cells, the headings first, then the units' descriptions:
// what undo must give back.
QList<QStringList> Rows(MainWindow& window) {
    const Datasheet& sheet = window.state().datasheet;
    QList<QStringList> rows;
    for (int row = 0; row < sheet.rows(); ++row) {
        QStringList cells;
        for (int col = 0; col < Datasheet::ColumnCount; ++col)
            cells.append(sheet.cell(row, col));
        rows.append(cells);
    }
    rows.append(window.state().LongDescriptions.mid(0, sheet.rows() - 1));
    return rows;
}

// Insert Unit After, Insert Unit Before and Delete Unit alike: "on", "off",
// or "filter" when off with the tooltip that says a filter is on.
QString insertDelete(EditorHarness& editor) {
    const QString why =
        QStringLiteral("Not while a filter is on: clear the filter to insert or delete units.");
    QStringList states;
    for (const char* name : {"mnu_ins_after", "mnu_ins_before", "del_unit"}) {
        const QAction* item = editor.action(name);
        states.append(item->isEnabled()        ? QStringLiteral("on")
                      : item->toolTip() == why ? QStringLiteral("filter")
                                               : QStringLiteral("off"));
    }
    states.removeDuplicates();
    return states.join(u',');
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

DatasheetModel::CellTint Tint(std::initializer_list<std::pair<int, std::vector<int>>> rows) {
    DatasheetModel::CellTint tint;
    for (const auto& [row, columns] : rows)
        for (const int col : columns)
            tint[row].set(size_t(col));
    return tint;
}

} // namespace

class TestMainWindowFind : public QObject {
    Q_OBJECT
    std::unique_ptr<EditorHarness> editor;
    QStringList descriptions; // as the game folder check read them
    QString copy;             // an unedited copy of the equipment files

    MainWindow& window() const { return *editor->window; }
    Datasheet& sheet() const { return editor->window->state().datasheet; }

private slots:
    void initTestCase() {
        editor = std::make_unique<EditorHarness>(Units);
        QVERIFY(editor->startActive(QStringLiteral("uk"), true));
        descriptions = window().state().LongDescriptions;
        copy = editor->game.root() + QStringLiteral("copy/");
        QVERIFY(QDir().mkpath(copy));
        for (const QString& name : QDir(editor->game.dataFolder()).entryList(QDir::Files))
            QVERIFY(QFile::copy(editor->game.dataFolder() + name, copy + name));
    }
    // Each test starts from the file as it is on disk, in English, on the
    // datasheet, with no report window, filter or find bar open.
    void init() {
        MainWindow& w = window();
        for (QWidget* report :
             {static_cast<QWidget*>(w.checkWindow()), static_cast<QWidget*>(w.compareWindow())})
            if (report)
                report->close();
        if (w.findBar()->isVisible())
            QTest::keyClick(w.findBar()->field(), Qt::Key_Escape);
        w.datasheetPage()->filterField()->clear();
        w.state().LongDescriptions = descriptions;
        if (w.state().LanguageCode != QLatin1String("uk")) {
            w.state().LanguageCode = QStringLiteral("uk");
            w.ApplyLanguage();
        }
        QVERIFY(editor->openDataFolder());
        editor->showDatasheet();
        editor->dialogs.clear();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
    }

    // Under a filter Copy takes the rows shown, Paste writes a block of shown
    // rows that stand together and refuses one over a hidden row, a sort
    // moves only the rows shown; insert and delete are off and say why.
    // Clearing the filter brings back every unit with the current one in sight.
    void editingUnderAFilter_data() {
        QTest::addColumn<QString>("action");
        QTest::newRow("copy every unit shown") << "copy";
        QTest::newRow("paste over shown rows") << "paste";
        QTest::newRow("paste over a hidden row") << "paste over gap";
        QTest::newRow("sort the shown rows by name") << "sort";
    }
    void editingUnderAFilter() {
        QFETCH(QString, action);
        const QStringList names{QStringLiteral("Zulu"), QStringLiteral("alpha"),
                                QStringLiteral("Mike")};
        for (qsizetype i = 0; i < Marked.size(); ++i) {
            sheet().setCell(Marked[i], 1, names[i]);
            sheet().setCell(Marked[i], 4, QStringLiteral(" 100"));
        }
        QList<QStringList> expected = Rows(window());
        DatasheetView* view = window().datasheetView();
        window().datasheetPage()->filterField()->setText(QStringLiteral("h.a. = 100"));
        QCOMPARE(view->model()->rowCount(), Marked.size());
        QCOMPARE(insertDelete(*editor), QStringLiteral("filter"));
        QClipboard* clipboard = QGuiApplication::clipboard();

        if (action == QLatin1String("copy")) {
            QTest::mouseClick(view->findChild<QAbstractButton*>(), Qt::LeftButton);
            editor->action("mnu_copy")->trigger();
            QStringList lines;
            for (int row : Marked)
                lines.append(expected[row].mid(1).join(u'\t'));
            QCOMPARE(clipboard->text(), lines.join(u'\r'));
        } else if (action.startsWith(QLatin1String("paste"))) {
            const bool gap = action.endsWith(QLatin1String("gap"));
            editor->clickCell(gap ? 2 : 1, 5);
            editor->clickCell(gap ? 3 : 2, 6, Qt::ShiftModifier);
            clipboard->setText(QStringLiteral("a\tb\rc\td"));
            editor->action("mnu_paste")->trigger();
            if (gap) {
                QCOMPARE(
                    editor->dialogs.informed,
                    QStringList{"Nothing was pasted: the selected block reaches units that the "
                                "filter hides. Paste into units that stand together, or clear "
                                "the filter first."});
            } else {
                QVERIFY(editor->dialogs.informed.isEmpty());
                expected[3][5] = QStringLiteral("a");
                expected[3][6] = QStringLiteral("b");
                expected[4][5] = QStringLiteral("c");
                expected[4][6] = QStringLiteral("d");
            }
        } else {
            editor->clickCell(1, 1);
            editor->rightClickGrid();
            // alpha, Mike, Zulu into the rows shown; the others stay.
            const QList<QStringList> before = expected;
            expected[3] = before[4];
            expected[4] = before[8];
            expected[8] = before[3];
            QCOMPARE(insertDelete(*editor), QStringLiteral("filter"));
        }
        QCOMPARE(Rows(window()), expected);
        // Taken back and done again under the filter: hidden rows never move.
        if (action != QLatin1String("paste over gap")) {
            const QList<QStringList> done = Rows(window());
            editor->action("mnu_undo")->trigger();
            QCOMPARE(view->model()->rowCount(), Marked.size());
            QVERIFY(Rows(window()) != done || action == QLatin1String("copy"));
            editor->action("mnu_redo")->trigger();
            QCOMPARE(Rows(window()), done);
        }

        // A shown unit far down stays current and in sight without the filter.
        editor->clickCell(3, 1);
        window().datasheetPage()->filterField()->clear();
        QCOMPARE(view->model()->rowCount(), Units);
        QCOMPARE(view->currentIndex().row(), 8 - 1);
        QVERIFY(view->viewport()->rect().contains(view->visualRect(view->currentIndex())));
        // As the last right click left them: a name sort turns them off.
        QCOMPARE(insertDelete(*editor), action == QLatin1String("sort") ? "off" : "on");
    }

    // The status line and the reasons in each language, with the headings
    // of that language and English ones.
    void statusLine_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("status"); // %1 the name of unit 0
        QTest::addColumn<QString>("problem");
        const auto row = [](const char* tag, const char* code, const char* filter,
                            const char* status, const char* problem = "") {
            QTest::newRow(tag) << QString::fromLatin1(code) << QString::fromUtf8(filter)
                               << QString::fromUtf8(status) << QString::fromUtf8(problem);
        };
        row("English", "uk", "unit no. < 3",
            "3 of 40 units   |   Unit 0: %1   |   Filter: unit no. < 3");
        row("German", "deu", "einheitennr. < 3 und unit no. >= 0",
            "3 von 40 Einheiten   |   Einheit 0: %1   |   "
            "Filter: einheitennr. < 3 und unit no. >= 0");
        row("French", "fra", "numéro de l'unité < 3",
            "3 sur 40 unités   |   Unité 0: %1   |   Filtre: numéro de l'unité < 3");
        row("German, unknown column", "deu", "nummer < 3",
            "40 Einheiten   |   Einheit 0: %1   |   Filter nicht angewendet",
            "Keine Spalte heißt \"nummer\".");
        row("French, no filter", "fra", "", "40 unités   |   Unité 0: %1   |   Aucun filtre");
    }
    void statusLine() {
        QFETCH(QString, code);
        QFETCH(QString, filter);
        QFETCH(QString, status);
        window().state().LanguageCode = code;
        window().ApplyLanguage();
        DatasheetPage* page = window().datasheetPage();
        page->filterField()->setText(filter);
        QCOMPARE(page->statusText(), status.arg(editor->cell(1, 1)));
        QTEST(page->problemText(), "problem");
    }

    // Enter, F3 and Shift+F3 from the find bar; in the form view the unit
    // shown is taken in first, as Next does.
    void find_data() {
        QTest::addColumn<bool>("formView");
        QTest::addColumn<QString>("query");
        QTest::addColumn<bool>("everywhere");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<int>("row"); // the unit current or shown afterwards
        QTest::addColumn<QString>("note");
        const auto row = [](const char* tag, bool formView, const char* query, bool everywhere,
                            const QStringList& keys, int unitRow, const char* note = "") {
            QTest::newRow(tag) << formView << QString::fromUtf8(query) << everywhere << keys
                               << unitRow << QString::fromUtf8(note);
        };
        const char* forward = "Passed the last unit: continued from the first.";
        const char* backward = "Passed the first unit: continued from the last.";
        const QStringList enter{QStringLiteral("Return")};
        row("first match", false, "ECLAIR", false, enter, 3);
        row("wraps to the first", false, "eclair", false, {"Return", "F3", "F3"}, 3, forward);
        row("backwards wraps to the last", false, "eclair", false, {"Shift+F3"}, 7, backward);
        row("shift enter goes back", false, "eclair", false, {"F3", "F3", "Shift+Return"}, 3);
        row("descriptions only when asked", false, "zeppelin", false, enter, 1,
            "No unit matches \"zeppelin\".");
        row("a description", false, "zeppelin", true, enter, 9);
        row("a cell", false, "4242", true, enter, 5);
        row("form view", true, "éclair", false, enter, 3);
        row("form view, backwards", true, "eclair", false, {"Shift+F3"}, 7, backward);
        row("form view, nothing", true, "nowhere", true, enter, 1, "No unit matches \"nowhere\".");
    }
    void find() {
        QFETCH(bool, formView);
        QFETCH(QString, query);
        QFETCH(bool, everywhere);
        QFETCH(QStringList, keys);
        QFETCH(int, row);
        EditorState& state = window().state();
        state.datasheet.setCell(3, 1, QString::fromUtf8("Éclair Alpha"));
        state.datasheet.setCell(7, 1, QStringLiteral("eclair beta"));
        state.datasheet.setCell(5, 17, QStringLiteral("4242"));
        state.LongDescriptions[8] = QStringLiteral("Over the Zeppelin sheds.");
        if (formView) {
            window().ToggleView();
            window().formView()->findChild<QLineEdit*>(QStringLiteral("Text5"))->setText("77");
        }

        editor->action("mnu_find")->trigger();
        FindBar* bar = window().findBar();
        QVERIFY(bar->isVisible() && bar->field()->hasFocus());
        bar->findChild<QCheckBox*>(QStringLiteral("FindEverywhere"))->setChecked(everywhere);
        bar->field()->insert(query);
        pressKeys(keys);

        QTEST(bar->note(), "note");
        if (formView) {
            QCOMPARE(window().formView()->shownRow(), row);
            const bool moved = row != 1;
            // The edit reached the datasheet only if the form moved on.
            QCOMPARE(editor->cell(1, 4) == QLatin1String("77"), moved);
            QCOMPARE(state.EquipmentChanged, moved);
        } else {
            QCOMPARE(state.datasheet.row(), row);
            QCOMPARE(window().datasheetView()->currentIndex().row(), row - 1);
        }
        QTest::keyClick(bar->field(), Qt::Key_Escape);
        QVERIFY(!bar->isVisible());
    }

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
        if (!datasheet)
            window().ToggleView();
        sheet().setCell(3, 4, QStringLiteral("abc"));
        sheet().setCell(6, 29, QStringLiteral(" 0"));
        window().datasheetPage()->filterField()->setText(filter);
        editor->action("mnu_check")->trigger();
        CheckWindow* report = window().checkWindow();
        QVERIFY(report && report->isVisible());
        QStringList found;
        for (int entry = 0; entry < report->entryCount(); ++entry)
            found.append(report->entryText(entry, UnitColumn) + QLatin1Char(':') +
                         QString::number(report->problem(entry).column));
        found.sort();
        QCOMPARE(found, QStringList({"2:4", "5:29"}));

        QCOMPARE(selectEntries(*report, [&](int e) { return report->problem(e).column == 29; }), 1);
        if (!datasheet)
            window().formView()->findChild<QLineEdit*>(QStringLiteral("Text4"))->setText("77");
        QTableView* table = report->table();
        QVERIFY(QTest::qWaitForWindowExposed(report));
        const QModelIndex index = table->selectionModel()->selectedRows().value(0);
        table->scrollTo(index);
        const QPoint at = table->visualRect(index).center();
        QTest::mousePress(table->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
        if (datasheet) {
            QCOMPARE(QPair(sheet().row(), sheet().col()), QPair(6, 29));
            QTEST(window().datasheetPage()->filterField()->text(), "filterAfter");
            QVERIFY(window().datasheetView()->currentIndex().isValid());
        } else {
            QCOMPARE(window().formView()->shownRow(), 6);
            QCOMPARE(sheet().cell(1, 3), QStringLiteral("77")); // taken in first, as Next does
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
        MainWindow& w = window();
        const QList<QStringList> original = Rows(w);
        sheet().setCell(2, 3, QStringLiteral("99"));
        sheet().setCell(4, 1, QStringLiteral("Renamed"));
        sheet().setCell(4, 27, QStringLiteral("1"));
        w.state().LongDescriptions[5] = QStringLiteral("Edited description");
        sheet().select(8, 1, 8, 1);
        editor->action("del_unit")->trigger();
        QCOMPARE(sheet().rows(), Units);

        // A folder without equipment files is refused and changes nothing.
        editor->action("mnu_compare")->trigger();
        w.openDialog()->setFolder(editor->game.root());
        QTest::mouseClick(w.openDialog()->confirmButton(), Qt::LeftButton);
        QCOMPARE(editor->dialogs.informed.size(), 1);
        DatasheetModel* model = w.datasheetView()->datasheetModel();
        QVERIFY(!w.compareWindow() || !w.compareWindow()->isVisible());
        QVERIFY(model->tint().isEmpty());

        editor->action("mnu_compare")->trigger();
        QVERIFY(w.openDialog()->setFolder(copy));
        QTest::mouseClick(w.openDialog()->confirmButton(), Qt::LeftButton);
        CompareWindow* list = w.compareWindow();
        QVERIFY(list && list->isVisible());
        QCOMPARE(list->entryCount(), 5);
        QCOMPARE(model->tint(), Tint({{2, {0, 3}}, {4, {0, 1, 27}}, {6, {0}}}));
        QCOMPARE(model->data(model->index(1, 2), Qt::BackgroundRole).value<QColor>(),
                 QColor(255, 214, 153));
        QVERIFY(!model->data(model->index(1, 3), Qt::BackgroundRole).isValid());

        auto* name = w.formView()->findChild<QLineEdit*>(QStringLiteral("Text2"));
        if (form) {
            sheet().select(4, 1, 4, 1);
            emit w.datasheetView()->unitChosen();
            QCOMPARE(name->text(), QStringLiteral("Renamed"));
        }
        const QList<QStringList> edited = Rows(w);
        QVERIFY(selectEntries(*list, [&](int e) {
                    return pick.isEmpty() || list->entryText(e, UnitColumn) + QLatin1Char(':') +
                                                     list->entryText(e, ColumnColumn) ==
                                                 pick;
                }) > 0);
        list->findChild<QPushButton*>(wholeUnits ? "TakeUnits" : "TakeValues")->click();
        QCOMPARE(list->entryCount(), left);
        const QList<QStringList> taken = Rows(w);
        for (const int row : equal)
            QCOMPARE(taken[row], original[row]);
        if (pick.isEmpty())
            QCOMPARE(taken, original);
        QCOMPARE(w.undoStack()->count(), 2); // the deletion, then the take
        // The form still shows unit 3, with what was taken.
        if (form)
            QCOMPARE(name->text(), sheet().cell(4, 1));

        editor->action("mnu_undo")->trigger();
        QCOMPARE(Rows(w), edited);
        QTRY_COMPARE(list->entryCount(), 5);
        editor->action("mnu_redo")->trigger();
        QCOMPARE(Rows(w), taken);
        QTRY_COMPARE(list->entryCount(), left);

        list->close();
        QVERIFY(model->tint().isEmpty());
    }
};

QTEST_MAIN(TestMainWindowFind)
#include "test_mainwindow_find.moc"
