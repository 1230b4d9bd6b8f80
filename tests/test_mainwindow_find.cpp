// Find and the datasheet's filter through the real editor window: what
// copy, paste, sort, insert and delete do under a filter, the status line
// in three languages, and finding from both views.
#include "datasheet/CellNumber.h"
#include "datasheet/Datasheet.h"
#include "datasheet/ui/DatasheetFilter.h"
#include "datasheet/ui/DatasheetPage.h"
#include "datasheet/ui/DatasheetView.h"
#include "formview/ui/FormView.h"
#include "shell/ui/FindBar.h"
#include "support/EditorHarness.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

using namespace quillon;
using quillon::testing::EditorHarness;
using quillon::testing::pressKeys;

namespace {

constexpr int Units = 40;
// The rows a filter on H.A. = 100 shows: two together, then a gap.
const QList<int> Marked{3, 4, 8};

std::vector<Datasheet::Row> AllRows(const Datasheet& sheet) {
    std::vector<Datasheet::Row> rows;
    for (int row = 0; row < sheet.rows(); ++row)
        rows.push_back(sheet.rowCells(row));
    return rows;
}

QString RowText(const Datasheet::Row& row) {
    QStringList cells;
    for (int col = 1; col < Datasheet::ColumnCount; ++col)
        cells.append(row[size_t(col)]);
    return cells.join(u'\t');
}

// Clicks a cell given by its row and column in the grid as it is shown.
void clickShown(DatasheetView* view, int viewRow, int col, Qt::KeyboardModifiers keys = {}) {
    const QModelIndex index = view->model()->index(viewRow, col - 1);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, keys, view->visualRect(index).center());
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

} // namespace

class TestMainWindowFind : public QObject {
    Q_OBJECT
private slots:
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
        EditorHarness editor(Units);
        QVERIFY(editor.startActive(QStringLiteral("uk"), true));
        MainWindow& window = *editor.window;
        Datasheet& sheet = window.state().datasheet;
        const QStringList names{QStringLiteral("Zulu"), QStringLiteral("alpha"),
                                QStringLiteral("Mike")};
        for (qsizetype i = 0; i < Marked.size(); ++i) {
            sheet.setCell(Marked[i], 1, names[i]);
            sheet.setCell(Marked[i], 4, QStringLiteral(" 100"));
        }
        std::vector<Datasheet::Row> expected = AllRows(sheet);
        DatasheetView* view = window.datasheetView();
        window.datasheetPage()->filterField()->setText(QStringLiteral("h.a. = 100"));
        QCOMPARE(view->model()->rowCount(), Marked.size());
        QCOMPARE(insertDelete(editor), QStringLiteral("filter"));
        QClipboard* clipboard = QGuiApplication::clipboard();

        if (action == QLatin1String("copy")) {
            QTest::mouseClick(view->findChild<QAbstractButton*>(), Qt::LeftButton);
            editor.action("mnu_copy")->trigger();
            QStringList lines;
            for (int row : Marked)
                lines.append(RowText(expected[size_t(row)]));
            QCOMPARE(clipboard->text(), lines.join(u'\r'));
        } else if (action.startsWith(QLatin1String("paste"))) {
            const bool gap = action.endsWith(QLatin1String("gap"));
            clickShown(view, gap ? 1 : 0, 5);
            clickShown(view, gap ? 2 : 1, 6, Qt::ShiftModifier);
            clipboard->setText(QStringLiteral("a\tb\rc\td"));
            editor.action("mnu_paste")->trigger();
            if (gap) {
                QCOMPARE(
                    editor.dialogs.informed,
                    QStringList{"Nothing was pasted: the selected block reaches units that the "
                                "filter hides. Paste into units that stand together, or clear "
                                "the filter first."});
            } else {
                QVERIFY(editor.dialogs.informed.isEmpty());
                expected[3][5] = QStringLiteral("a");
                expected[3][6] = QStringLiteral("b");
                expected[4][5] = QStringLiteral("c");
                expected[4][6] = QStringLiteral("d");
            }
        } else {
            clickShown(view, 0, 1);
            editor.rightClickGrid();
            QList<int> byName = Marked;
            std::sort(byName.begin(), byName.end(), [&](int a, int b) {
                return expected[size_t(a)].text(1).toLower() <
                       expected[size_t(b)].text(1).toLower();
            });
            QVERIFY(byName != Marked); // the sort has something to do
            const std::vector<Datasheet::Row> before = expected;
            for (qsizetype i = 0; i < Marked.size(); ++i)
                expected[size_t(Marked[i])] = before[size_t(byName[i])];
            QCOMPARE(insertDelete(editor), QStringLiteral("filter"));
        }
        QVERIFY(AllRows(sheet) == expected);
        // Taken back and done again under the filter: hidden rows never move.
        if (action != QLatin1String("paste over gap")) {
            const std::vector<Datasheet::Row> done = AllRows(sheet);
            editor.action("mnu_undo")->trigger();
            QCOMPARE(view->model()->rowCount(), Marked.size());
            QVERIFY(AllRows(sheet) != done || action == QLatin1String("copy"));
            editor.action("mnu_redo")->trigger();
            QVERIFY(AllRows(sheet) == done);
        }

        // A shown unit far down stays current and in sight without the filter.
        clickShown(view, 2, 1);
        window.datasheetPage()->filterField()->clear();
        QCOMPARE(view->model()->rowCount(), Units);
        QCOMPARE(view->currentIndex().row(), 8 - 1);
        QVERIFY(view->viewport()->rect().contains(view->visualRect(view->currentIndex())));
        // As the last right click left them: a name sort turns them off.
        QCOMPARE(insertDelete(editor), action == QLatin1String("sort") ? "off" : "on");
    }

    // The status line and the reasons in each language, with the headings
    // of that language and English ones.
    void statusLine_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("status"); // %1 the name of unit 0
        QTest::addColumn<QString>("problem");
        QTest::newRow("English") << "uk"
                                 << "unit no. < 3"
                                 << "3 of 10 units   |   Unit 0: %1   |   Filter: unit no. < 3"
                                 << "";
        QTest::newRow("German") << "deu"
                                << "einheitennr. < 3 und unit no. >= 0"
                                << "3 von 10 Einheiten   |   Einheit 0: %1   |   "
                                   "Filter: einheitennr. < 3 und unit no. >= 0"
                                << "";
        QTest::newRow("French") << "fra" << QString::fromUtf8("numéro de l'unité < 3")
                                << QString::fromUtf8("3 sur 10 unités   |   Unité 0: %1   |   "
                                                     "Filtre: numéro de l'unité < 3")
                                << "";
        QTest::newRow("German, unknown column")
            << "deu"
            << "nummer < 3"
            << "10 Einheiten   |   Einheit 0: %1   |   Filter nicht angewendet"
            << QString::fromUtf8("Keine Spalte heißt \"nummer\".");
        QTest::newRow("French, no filter")
            << "fra"
            << "" << QString::fromUtf8("10 unités   |   Unité 0: %1   |   Aucun filtre") << "";
    }
    void statusLine() {
        QFETCH(QString, code);
        QFETCH(QString, filter);
        QFETCH(QString, status);
        EditorHarness editor;
        QVERIFY(editor.startOpen(true, code));
        DatasheetPage* page = editor.window->datasheetPage();
        page->filterField()->setText(filter);
        QCOMPARE(page->statusText(), status.arg(editor.cell(1, 1)));
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
        const QString forward = "Passed the last unit: continued from the first.";
        const QString backward = "Passed the first unit: continued from the last.";
        const QStringList enter{QStringLiteral("Return")};
        QTest::newRow("first match") << false << "ECLAIR" << false << enter << 3 << "";
        QTest::newRow("wraps to the first")
            << false << "eclair" << false << QStringList{"Return", "F3", "F3"} << 3 << forward;
        QTest::newRow("backwards wraps to the last")
            << false << "eclair" << false << QStringList{"Shift+F3"} << 7 << backward;
        QTest::newRow("shift enter goes back")
            << false << "eclair" << false << QStringList{"F3", "F3", "Shift+Return"} << 3 << "";
        QTest::newRow("descriptions only when asked")
            << false << "zeppelin" << false << enter << 1 << "No unit matches \"zeppelin\".";
        QTest::newRow("a description") << false << "zeppelin" << true << enter << 9 << "";
        QTest::newRow("a cell") << false << "4242" << true << enter << 5 << "";
        QTest::newRow("form view")
            << true << QString::fromUtf8("éclair") << false << enter << 3 << "";
        QTest::newRow("form view, backwards")
            << true << "eclair" << false << QStringList{"Shift+F3"} << 7 << backward;
        QTest::newRow("form view, nothing")
            << true << "nowhere" << true << enter << 1 << "No unit matches \"nowhere\".";
    }
    void find() {
        QFETCH(bool, formView);
        QFETCH(QString, query);
        QFETCH(bool, everywhere);
        QFETCH(QStringList, keys);
        QFETCH(int, row);
        QFETCH(QString, note);
        EditorHarness editor(Units);
        QVERIFY(editor.startActive(QStringLiteral("uk"), !formView));
        MainWindow& window = *editor.window;
        EditorState& state = window.state();
        state.datasheet.setCell(3, 1, QString::fromUtf8("Éclair Alpha"));
        state.datasheet.setCell(7, 1, QStringLiteral("eclair beta"));
        state.datasheet.setCell(5, 17, QStringLiteral("4242"));
        state.LongDescriptions[8] = QStringLiteral("Over the Zeppelin sheds.");
        state.EquipmentChanged = false;
        auto* hardAttack = window.formView()->findChild<QLineEdit*>(QStringLiteral("Text5"));
        if (formView)
            hardAttack->setText(QStringLiteral("77"));

        editor.action("mnu_find")->trigger();
        FindBar* bar = window.findBar();
        QVERIFY(bar->isVisible() && bar->field()->hasFocus());
        bar->findChild<QCheckBox*>(QStringLiteral("FindEverywhere"))->setChecked(everywhere);
        bar->field()->insert(query);
        pressKeys(keys);

        QCOMPARE(bar->note(), note);
        if (formView) {
            QCOMPARE(window.formView()->shownRow(), row);
            const bool moved = row != 1;
            // The edit reached the datasheet only if the form moved on.
            QCOMPARE(editor.cell(1, 4) == QLatin1String("77"), moved);
            QCOMPARE(state.EquipmentChanged, moved);
        } else {
            QCOMPARE(state.datasheet.row(), row);
            QCOMPARE(window.datasheetView()->currentIndex().row(), row - 1);
        }
        QTest::keyClick(bar->field(), Qt::Key_Escape);
        QVERIFY(!bar->isVisible());
    }
};

QTEST_MAIN(TestMainWindowFind)
#include "test_mainwindow_find.moc"
