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
#include "support/RowFields.h"

#include <QAction>
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
using namespace Qt::StringLiterals;
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
    const QString why = u"Not while a filter is on: clear the filter to insert or delete units."_s;
    QStringList states;
    for (const char* name : {"mnu_ins_after", "mnu_ins_before", "del_unit"}) {
        const QAction* item = editor.action(name);
        states.append(item->isEnabled()        ? u"on"_s
                      : item->toolTip() == why ? u"filter"_s
                                               : u"off"_s);
    }
    states.removeDuplicates();
    return states.join(u',');
}

// Selects the rows of a report list whose unit and column read `key`
// ("unit:heading"), or every row for no key; how many.
int selectEntries(ReportWindow& report, const QString& key) {
    QTableView* table = report.table();
    table->clearSelection();
    int count = 0;
    for (int row = 0; row < table->model()->rowCount(); ++row) {
        const int e = report.entryAt(row);
        if (!key.isEmpty() &&
            report.entryText(e, UnitColumn) + u':' + report.entryText(e, ColumnColumn) != key)
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
        QVERIFY(editor->startActive(u"uk"_s, true));
        descriptions = window().state().LongDescriptions;
        copy = editor->game.root() + u"copy/"_s;
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
            w.state().LanguageCode = u"uk"_s;
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
        // the action|the block selected, by the rows and columns shown|what changes: row:column
        // =text, or row=the row it now holds|the message
        QTest::addColumn<QString>("row");
        QTest::newRow("copy every unit shown") << u"copy"_s;
        QTest::newRow("paste over shown rows") << u"paste|1 5 2 6|3:5=a 3:6=b 4:5=c 4:6=d|"_s;
        QTest::newRow("paste over a hidden row")
            << u"paste|2 5 3 6||Nothing was pasted: the selected block reaches units that the "
               "filter hides. Paste into units that stand together, or clear the filter first."_s;
        // alpha, Mike, Zulu into the rows shown; the others stay.
        QTest::newRow("sort the shown rows by name") << u"sort|1 1 1 1|3=4 4=8 8=3|"_s;
    }
    void editingUnderAFilter() {
        const auto [action, block, changes, message] = testing::RowFields<4>();
        const QStringList names{u"Zulu"_s, u"alpha"_s, u"Mike"_s};
        for (qsizetype i = 0; i < Marked.size(); ++i) {
            sheet().setCell(Marked[i], 1, names[i]);
            sheet().setCell(Marked[i], 4, u" 100"_s);
        }
        const QList<QStringList> before = Rows(window());
        QList<QStringList> expected = before;
        for (const QString& change : changes.split(u' ', Qt::SkipEmptyParts)) {
            const QStringList place = change.section(u'=', 0, 0).split(u':');
            const QString value = change.section(u'=', 1);
            if (place.size() == 2)
                expected[place[0].toInt()][place[1].toInt()] = value;
            else
                expected[place[0].toInt()] = before[value.toInt()];
        }
        DatasheetView* view = window().datasheetView();
        window().datasheetPage()->filterField()->setText(u"h.a. = 100"_s);
        QCOMPARE(view->model()->rowCount(), Marked.size());
        QCOMPARE(insertDelete(*editor), u"filter"_s);
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (action == u"copy") {
            QTest::mouseClick(view->findChild<QAbstractButton*>(), Qt::LeftButton);
            editor->action("mnu_copy")->trigger();
            QStringList lines;
            for (int row : Marked)
                lines.append(before[row].mid(1).join(u'\t'));
            QCOMPARE(clipboard->text(), lines.join(u'\r'));
        } else {
            const QStringList corners = block.split(u' ');
            editor->clickCell(corners[0].toInt(), corners[1].toInt());
            editor->clickCell(corners[2].toInt(), corners[3].toInt(), Qt::ShiftModifier);
            clipboard->setText(u"a\tb\rc\td"_s);
            if (action == u"paste")
                editor->action("mnu_paste")->trigger();
            else
                editor->rightClickGrid();
            QCOMPARE(insertDelete(*editor), u"filter"_s);
        }
        QCOMPARE(editor->dialogs.informed.join(u'/'), message);
        QCOMPARE(Rows(window()), expected);
        // Taken back and done again under the filter: hidden rows never move.
        if (expected != before) {
            editor->action("mnu_undo")->trigger();
            QCOMPARE(view->model()->rowCount(), Marked.size());
            QCOMPARE(Rows(window()), before);
            editor->action("mnu_redo")->trigger();
            QCOMPARE(Rows(window()), expected);
        }

        // A shown unit far down stays current and in sight without the filter.
        editor->clickCell(3, 1);
        window().datasheetPage()->filterField()->clear();
        QCOMPARE(view->model()->rowCount(), Units);
        QCOMPARE(view->currentIndex().row(), 8 - 1);
        QVERIFY(view->viewport()->rect().contains(view->visualRect(view->currentIndex())));
        // As the last right click left them: a name sort turns them off.
        QCOMPARE(insertDelete(*editor), action == u"sort" ? "off" : "on");
    }

    // The status line and the reasons in each language, with the headings
    // of that language and English ones.
    void statusLine_data() {
        // language|filter|problem|status line (%1 the name of unit 0)
        QTest::addColumn<QString>("row");
        QTest::newRow("English")
            << u"uk|unit no. < 3||3 of 40 units   |   Unit 0: %1   |   Filter: unit no. < 3"_s;
        QTest::newRow("German")
            << u"deu|einheitennr. < 3 und unit no. >= 0||3 von 40 Einheiten   |   Einheit 0: %1   "
               "|   Filter: einheitennr. < 3 und unit no. >= 0"_s;
        QTest::newRow("French")
            << u"fra|numéro de l'unité < 3||3 sur 40 unités   |   Unité 0: %1   "
               "|   Filtre: numéro de l'unité < 3"_s;
        QTest::newRow("German, unknown column")
            << u"deu|nummer < 3|Keine Spalte heißt \"nummer\".|40 Einheiten   |   Einheit 0: %1   "
               "|   Filter nicht angewendet"_s;
        QTest::newRow("French, no filter")
            << u"fra|||40 unités   |   Unité 0: %1   |   Aucun filtre"_s;
    }
    void statusLine() {
        const auto [code, filter, problem, status] = testing::RowFields<4>();
        window().state().LanguageCode = code;
        window().ApplyLanguage();
        DatasheetPage* page = window().datasheetPage();
        page->filterField()->setText(filter);
        QCOMPARE(page->statusText(), status.arg(editor->cell(1, 1)));
        QCOMPARE(page->problemText(), problem);
    }

    // Going to a unit from the find bar (Enter, F3, Shift+F3) or by a
    // double-click on the check's entry for the second of two seeded faults:
    // the datasheet's current cell, or the unit the form view shows, which
    // first takes in the unit shown, as Next does. A filter that hides the
    // unit is cleared.
    void goToAUnit_data() {
        // view|tool|query or filter|keys|row[:column] afterwards|note, or filter afterwards
        QTest::addColumn<QString>("row");
        const QString forward = u"Passed the last unit: continued from the first."_s;
        const QString backward = u"Passed the first unit: continued from the last."_s;
        QTest::newRow("first match") << u"sheet|find|ECLAIR|Return|3"_s;
        QTest::newRow("wraps to the first") << u"sheet|find|eclair|Return F3 F3|3|"_s + forward;
        QTest::newRow("backwards wraps to the last")
            << u"sheet|find|eclair|Shift+F3|7|"_s + backward;
        QTest::newRow("shift enter goes back") << u"sheet|find|eclair|F3 F3 Shift+Return|3"_s;
        QTest::newRow("descriptions only when asked")
            << u"sheet|find|zeppelin|Return|1|No unit matches \"zeppelin\"."_s;
        QTest::newRow("a description") << u"sheet|find everywhere|zeppelin|Return|9"_s;
        QTest::newRow("a cell") << u"sheet|find everywhere|4242|Return|5"_s;
        QTest::newRow("form view") << u"form|find|éclair|Return|3"_s;
        QTest::newRow("form view, backwards") << u"form|find|eclair|Shift+F3|7|"_s + backward;
        QTest::newRow("form view, nothing")
            << u"form|find everywhere|nowhere|Return|1|No unit matches \"nowhere\"."_s;
        QTest::newRow("check") << u"sheet|check|||6:29|"_s;
        QTest::newRow("check, filter shows it")
            << u"sheet|check|month available < 1||6:29|month available < 1"_s;
        QTest::newRow("check, filter hides it") << u"sheet|check|month available > 0||6:29|"_s;
        QTest::newRow("check, form view") << u"form|check|||6|"_s;
    }
    void goToAUnit() {
        const auto [view, tool, text, keys, place, after] = testing::RowFields<6>();
        EditorState& state = window().state();
        const bool find = tool.startsWith(u"find");
        if (find) {
            sheet().setCell(3, 1, u"Éclair Alpha"_s);
            sheet().setCell(7, 1, u"eclair beta"_s);
            sheet().setCell(5, 17, u"4242"_s);
            state.LongDescriptions[8] = u"Over the Zeppelin sheds."_s;
        } else {
            sheet().setCell(3, 4, u"abc"_s);
            sheet().setCell(6, 29, u" 0"_s);
            window().datasheetPage()->filterField()->setText(text);
        }
        if (view == u"form")
            window().ToggleView();
        editor->action(find ? "mnu_find" : "mnu_check")->trigger();
        if (view == u"form")
            window().formView()->findChild<QLineEdit*>(u"Text5"_s)->setText("77");
        FindBar* bar = window().findBar();
        if (find) {
            QVERIFY(bar->isVisible() && bar->field()->hasFocus());
            bar->findChild<QCheckBox*>(u"FindEverywhere"_s)
                ->setChecked(tool.endsWith(u"everywhere"));
            bar->field()->insert(text);
            pressKeys(keys.split(u' '));
            QCOMPARE(bar->note(), after);
        } else {
            CheckWindow* report = window().checkWindow();
            QVERIFY(report && report->isVisible());
            QCOMPARE(report->entryCount(), 2);
            QCOMPARE(selectEntries(*report, u"2:H.A."_s), 1);
            QCOMPARE(selectEntries(*report, u"5:Month Available"_s), 1);
            QTableView* table = report->table();
            QVERIFY(QTest::qWaitForWindowExposed(report));
            const QModelIndex index = table->selectionModel()->selectedRows().value(0);
            table->scrollTo(index);
            const QPoint at = table->visualRect(index).center();
            QTest::mousePress(table->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
            QCOMPARE(window().datasheetPage()->filterField()->text(), after);
        }

        const int row = place.section(u':', 0, 0).toInt();
        if (view == u"form") {
            QCOMPARE(window().formView()->shownRow(), row);
            // The edit reached the datasheet only if the form moved on.
            QCOMPARE(editor->cell(1, 4) == u"77", row != 1);
            QCOMPARE(state.EquipmentChanged, row != 1);
        } else {
            QCOMPARE(sheet().row(), row);
            QVERIFY(!place.contains(u':') || sheet().col() == place.section(u':', 1).toInt());
            const QModelIndex current = window().datasheetView()->currentIndex();
            QCOMPARE(current.siblingAtColumn(0).data().toString(), editor->cell(row, 1));
        }
        if (find) {
            QTest::keyClick(bar->field(), Qt::Key_Escape);
            QVERIFY(!bar->isVisible());
        }
    }

    // The open file with a changed cell, a renamed unit with another icon, an
    // edited description and a deleted unit, against the unedited copy.
    // Taking values changes exactly what was picked, as one step that undo
    // takes back and redo does again exactly.
    void takeOtherValues_data() {
        // the entry picked, unit:column, none for all|the button|entries left|rows of units
        // now as in the copy|the view
        QTest::addColumn<QString>("row");
        QTest::newRow("a cell") << u"1:S.A.|TakeValues|4|2|sheet"_s;
        QTest::newRow("a unit") << u"3:Icon ID|TakeUnits|3|4|sheet"_s;
        QTest::newRow("a unit, form view") << u"3:Icon ID|TakeUnits|3|4|form"_s;
        QTest::newRow("an added unit, form view")
            << u"7:only in the other file|TakeValues|4|8|form"_s;
        QTest::newRow("every row") << u"|TakeValues|0|2 4 6 8|sheet"_s;
    }
    void takeOtherValues() {
        const auto [pick, button, leftText, equal, view] = testing::RowFields<5>();
        const int left = leftText.toInt();
        const bool form = view == u"form";
        MainWindow& w = window();
        const QList<QStringList> original = Rows(w);
        sheet().setCell(2, 3, u"99"_s);
        sheet().setCell(4, 1, u"Renamed"_s);
        sheet().setCell(4, 27, u"1"_s);
        w.state().LongDescriptions[5] = u"Edited description"_s;
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

        auto* name = w.formView()->findChild<QLineEdit*>(u"Text2"_s);
        if (form) {
            sheet().select(4, 1, 4, 1);
            emit w.datasheetView()->unitChosen();
            QCOMPARE(name->text(), u"Renamed"_s);
        }
        const QList<QStringList> edited = Rows(w);
        QVERIFY(selectEntries(*list, pick) > 0);
        list->findChild<QPushButton*>(button)->click();
        QCOMPARE(list->entryCount(), left);
        const QList<QStringList> taken = Rows(w);
        for (const QString& row : equal.split(u' '))
            QCOMPARE(taken[row.toInt()], original[row.toInt()]);
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
