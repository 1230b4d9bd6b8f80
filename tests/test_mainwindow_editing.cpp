// End-to-end tests of the datasheet view in the real editor window: opening
// a folder, sorting with the mouse, inserting and deleting units, copy and
// paste through the system clipboard, switching views.
#include "datasheet/CellNumber.h"
#include "datasheet/ui/DatasheetView.h"
#include "formview/ui/FormView.h"
#include "shell/ui/FolderBrowser.h"
#include "shell/ui/FolderDialogs.h"
#include "support/EditorHarness.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>

using namespace quillon;
using quillon::testing::EditorHarness;

class TestMainWindowEditing : public QObject {
    Q_OBJECT
private slots:
    void openingAFolderLoadsItsUnits() {
        EditorHarness editor(10);
        QVERIFY(editor.game.writeConfiguration(QStringLiteral("uk")));
        MainWindow& window = editor.start();
        editor.action("mnu_open")->trigger();
        OpenDialog* open = window.openDialog();
        QVERIFY(open->isVisible());
        // It starts at the game's data folder and shows only the equipment files.
        QCOMPARE(open->chosenFolder(), editor.game.dataFolder());
        QStringList shown = open->browser()->fileNames();
        shown.sort(Qt::CaseInsensitive);
        QCOMPARE(shown,
                 (QStringList{QStringLiteral("KorEquip.EQP"), QStringLiteral("KorEquip.TXT")}));
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        QTest::mouseClick(open->confirmButton(), Qt::LeftButton);

        QVERIFY(!open->isVisible());
        QCOMPARE(window.state().datasheet.rows(), 11);
        QCOMPARE(editor.column(0).last(), QStringLiteral(" 9"));
        QVERIFY(window.windowTitle().startsWith(QStringLiteral("Quillon : ") +
                                                editor.game.dataFolder()));
        QVERIFY(window.windowTitle().endsWith(QStringLiteral("KorEquip.EQP"), Qt::CaseInsensitive));
        QVERIFY(!window.state().EquipmentChanged);
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
        for (const char* on : {"mnu_spread", "mnu_save", "mnu_save_as"})
            QVERIFY2(editor.enabled(on), on);
        // Loaded while the form view shows: no inserting or deleting.
        QVERIFY(!window.datasheetShown());
        QVERIFY(!editor.enabled("mnu_ins_after"));
    }

    void rightClickSorts_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("descending");
        QTest::addColumn<bool>("insertAllowed");
        const auto row = [](const char* tag, int column, Qt::KeyboardModifiers modifiers,
                            bool descending, bool insertAllowed) {
            QTest::newRow(tag) << column << int(modifiers) << descending << insertAllowed;
        };
        row("names with shift: Z to A", 1, Qt::ShiftModifier, true, false);
        row("number cell: unit order, insert on", 0, {}, false, true);
        row("number cell with ctrl: insert off", 0, Qt::ControlModifier, false, false);
        row("move column ascending", 21, {}, false, false);
        row("shift+ctrl counts as no shift", 21, Qt::ShiftModifier | Qt::ControlModifier, false,
            false);
    }

    void rightClickSorts() {
        QFETCH(int, column);
        QFETCH(int, modifiers);
        QFETCH(bool, descending);
        QFETCH(bool, insertAllowed);
        EditorHarness editor;
        QVERIFY(editor.startOpen(true));
        // Start from names Z to A, so that every sort has something to do.
        editor.clickCell(2, 1);
        editor.rightClickGrid(Qt::ShiftModifier);
        editor.action("mnu_spread")->setEnabled(true);
        QStringList expected = editor.column(column);
        std::stable_sort(expected.begin(), expected.end(), [&](const QString& a, const QString& b) {
            if (column == 1)
                return (descending ? b.compare(a, Qt::CaseInsensitive)
                                   : a.compare(b, Qt::CaseInsensitive)) < 0;
            return descending ? CellNumber(a) > CellNumber(b) : CellNumber(a) < CellNumber(b);
        });
        if (column == 0) {
            editor.clickNumberCell(4);
            QCOMPARE(editor.window->state().datasheet.colSel(), 73);
        } else {
            editor.clickCell(4, column);
        }
        editor.rightClickGrid(Qt::KeyboardModifiers(modifiers));

        if (column == 0) // the unit the form view committed reads "0", not " 0"
            for (int row = 0; row < expected.size(); ++row)
                QCOMPARE(CellNumber(editor.column(0)[row]), CellNumber(expected[row]));
        else
            QCOMPARE(editor.column(column), expected);
        QCOMPARE(editor.enabled("mnu_ins_after"), insertAllowed);
        QCOMPARE(editor.enabled("mnu_ins_before"), insertAllowed);
        QCOMPARE(editor.enabled("del_unit"), insertAllowed);
        QVERIFY(!editor.enabled("mnu_spread"));
    }

    void theLastUnitIsKept() {
        EditorHarness editor(1);
        QVERIFY(editor.startOpen(true));
        editor.window->ApplyLanguage(); // the unit stays current
        editor.action("del_unit")->trigger();
        QCOMPARE(editor.window->state().datasheet.rows(), 2);
        QCOMPARE(editor.dialogs.informed.size(), 1);
    }

    void pastingSpreadsheetTextAndNothing() {
        EditorHarness editor;
        QVERIFY(editor.startOpen(true));
        // A spreadsheet's CR LF text with a final line end fills the block only.
        QGuiApplication::clipboard()->setText(QStringLiteral("7\t8\r\n9\t10\r\n"));
        editor.clickCell(4, 3);
        editor.clickCell(5, 4, Qt::ShiftModifier);
        const QString below = editor.cell(6, 3);
        editor.action("mnu_paste")->trigger();
        QCOMPARE(editor.cell(4, 3), QStringLiteral("7"));
        QCOMPARE(editor.cell(5, 4), QStringLiteral("10"));
        QCOMPARE(editor.cell(6, 3), below);

        // An empty clipboard empties the first cell: that is a change too.
        QGuiApplication::clipboard()->clear();
        editor.window->state().EquipmentChanged = false;
        editor.clickCell(2, 1);
        editor.action("mnu_paste")->trigger();
        QVERIFY(editor.cell(2, 1).isEmpty());
        QVERIFY(editor.window->state().EquipmentChanged);
    }

    void doubleClickShowsTheUnitAndToggleReturns() {
        EditorHarness editor;
        QVERIFY(editor.startOpen(true));
        MainWindow& window = *editor.window;
        QVERIFY(window.datasheetShown());
        QVERIFY(editor.enabled("mnu_ins_after"));
        window.state().EquipmentChanged = false;
        DatasheetView* view = window.datasheetView();
        const QRect cell = view->visualRect(view->model()->index(3, 1));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
        QVERIFY(!window.datasheetShown());
        QVERIFY(editor.enabled("mnu_spread"));
        QVERIFY(!editor.enabled("mnu_ins_after"));

        editor.action("mnu_spread")->trigger();
        QVERIFY(window.datasheetShown());
        QVERIFY(!window.state().EquipmentChanged); // nothing was edited
        QCOMPARE(window.state().datasheet.row(), 4);
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());

        // Enter on the grid chooses the current unit as well, and so does a
        // double click on a unit's grey number cell.
        editor.clickCell(6, 2);
        QTest::keyClick(view, Qt::Key_Return);
        QVERIFY(!window.datasheetShown());
        editor.action("mnu_spread")->trigger();
        editor.clickNumberCell(3);
        QHeaderView* numbers = view->verticalHeader();
        QTest::mouseDClick(numbers->viewport(), Qt::LeftButton, {},
                           QPoint(numbers->width() / 2, numbers->sectionViewportPosition(2) + 2));
        QVERIFY(!window.datasheetShown());
        QCOMPARE(window.formView()->shownRow(), 3);
    }

    void formViewCopyKeysActOnTheDescription() {
        EditorHarness editor(3);
        QVERIFY(editor.startOpen());
        MainWindow& window = *editor.window;
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* name = window.formView()->findChild<QLineEdit*>(QStringLiteral("Text2"));
        auto* description = window.formView()->findChild<QPlainTextEdit*>(QStringLiteral("Text3"));
        QVERIFY(name && description);
        description->setPlainText(QStringLiteral("A long description"));
        QGuiApplication::clipboard()->setText(QStringLiteral("outside"));
        name->setFocus();
        name->selectAll();
        QTest::keyClick(name, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("outside"));
        description->setPlainText(QString());
        QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(description->toPlainText(), QStringLiteral("A long description"));
        QVERIFY(!name->text().contains(QStringLiteral("outside")));
        // Ctrl+A is Save As, not the field's select-all.
        QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
        QVERIFY(window.findChild<QWidget*>(QStringLiteral("Form5"))->isVisible());
    }
};

QTEST_MAIN(TestMainWindowEditing)
#include "test_mainwindow_editing.moc"
