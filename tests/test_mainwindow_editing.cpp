// End-to-end tests of the datasheet view in the real editor window: opening
// a folder, sorting with the mouse, inserting and deleting units, copy and
// paste through the system clipboard, switching views.
#include "datasheet/CellNumber.h"
#include "datasheet/ui/DatasheetView.h"
#include "formview/ui/FormView.h"
#include "shell/ui/FolderBrowser.h"
#include "shell/ui/FolderDialogs.h"
#include "support/EditorHarness.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>

using namespace quillon;
using quillon::testing::EditorHarness;

namespace {

// Starts the editor on a ten-unit sample game, opens it and shows the datasheet.
struct OpenEditor : EditorHarness {
    OpenEditor() : EditorHarness(10) {
        ok = game.isValid() && game.writeConfiguration(QStringLiteral("uk"));
        if (!ok)
            return;
        start();
        ok = openDataFolder();
        showDatasheet();
    }
    bool ok = false;
};

QStringList sortedNumbers(QStringList cells, bool descending) {
    std::stable_sort(cells.begin(), cells.end(), [&](const QString& a, const QString& b) {
        return descending ? CellNumber(a) > CellNumber(b) : CellNumber(a) < CellNumber(b);
    });
    return cells;
}

} // namespace

class TestMainWindowEditing : public QObject {
    Q_OBJECT
private slots:
    void openingAFolderLoadsItsUnits();
    void rightClickSorts_data();
    void rightClickSorts();
    void sortByNameThenBackByNumber();
    void insertAfterAndDelete();
    void editingIsRefusedOnTheHeadingRow();
    void copyAndPasteABlockThroughTheClipboard();
    void doubleClickShowsTheUnitAndToggleReturns();
    void formViewCopyKeysActOnTheDescription();
};

void TestMainWindowEditing::openingAFolderLoadsItsUnits() {
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
    QCOMPARE(shown, (QStringList{QStringLiteral("KorEquip.EQP"), QStringLiteral("KorEquip.TXT")}));
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    QTest::mouseClick(open->confirmButton(), Qt::LeftButton);

    QVERIFY(!open->isVisible());
    QCOMPARE(window.state().datasheet.rows(), 11);
    QCOMPARE(editor.column(0).first(), QStringLiteral(" 0"));
    QCOMPARE(editor.column(0).last(), QStringLiteral(" 9"));
    QCOMPARE(editor.cell(0, 0), QStringLiteral("Unit No."));
    QVERIFY(
        window.windowTitle().startsWith(QStringLiteral("Quillon : ") + editor.game.dataFolder()));
    QVERIFY(window.windowTitle().endsWith(QStringLiteral("KorEquip.EQP"), Qt::CaseInsensitive));
    QCOMPARE(window.state().EquipmentFolder, editor.game.dataFolder());
    QVERIFY(window.state().FileLoaded);
    QVERIFY(!window.state().EquipmentChanged);
    QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
    for (const char* on : {"mnu_spread", "mnu_save", "mnu_save_as"})
        QVERIFY2(editor.enabled(on), on);
    // Loaded while the form view shows: no inserting or deleting.
    QVERIFY(!window.datasheetShown());
    QVERIFY(!editor.enabled("mnu_ins_after"));
}

void TestMainWindowEditing::rightClickSorts_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("insertAllowed");
    QTest::newRow("number cell: unit order, insert on") << 0 << 0 << true;
    QTest::newRow("number cell with ctrl: unit order, insert off")
        << 0 << int(Qt::ControlModifier) << false;
    QTest::newRow("move column ascending") << 21 << 0 << false;
    QTest::newRow("move column shift: descending") << 21 << int(Qt::ShiftModifier) << false;
    QTest::newRow("shift+ctrl counts as no shift")
        << 21 << int(Qt::ShiftModifier | Qt::ControlModifier) << false;
}

void TestMainWindowEditing::rightClickSorts() {
    QFETCH(int, column);
    QFETCH(int, modifiers);
    QFETCH(bool, insertAllowed);
    OpenEditor editor;
    QVERIFY(editor.ok);
    editor.action("mnu_spread")->setEnabled(true);
    const int keyColumn = column;
    const QStringList before = editor.column(keyColumn);
    if (column == 0)
        editor.clickNumberCell(4);
    else
        editor.clickCell(4, column);
    editor.rightClickGrid(Qt::KeyboardModifiers(modifiers));

    const bool descending = Qt::KeyboardModifiers(modifiers) == Qt::ShiftModifier;
    QCOMPARE(editor.column(keyColumn), sortedNumbers(before, descending));
    QCOMPARE(editor.enabled("mnu_ins_after"), insertAllowed);
    QCOMPARE(editor.enabled("mnu_ins_before"), insertAllowed);
    QCOMPARE(editor.enabled("del_unit"), insertAllowed);
    QVERIFY(!editor.enabled("mnu_spread"));
    // The right button leaves the selection; the mark is gone.
    QCOMPARE(editor.window->state().datasheet.markedRow(), -1);
}

void TestMainWindowEditing::sortByNameThenBackByNumber() {
    OpenEditor editor;
    QVERIFY(editor.ok);
    QStringList names = editor.column(1);
    editor.clickCell(2, 1);
    editor.rightClickGrid(Qt::ShiftModifier);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) > 0;
    });
    QCOMPARE(editor.column(1), names);
    QVERIFY(!editor.enabled("mnu_ins_after"));

    editor.clickNumberCell(7);
    const Datasheet& sheet = editor.window->state().datasheet;
    QCOMPARE(sheet.col(), 1);
    QCOMPARE(sheet.colSel(), 73);
    QCOMPARE(sheet.row(), 7);
    editor.rightClickGrid();
    // The unit the form view committed reads "0", the others " 1", " 2", ...
    QList<double> numbers;
    for (const QString& cell : editor.column(0))
        numbers.append(CellNumber(cell));
    QCOMPARE(numbers, (QList<double>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    QVERIFY(editor.enabled("mnu_ins_after"));
    QVERIFY(editor.enabled("del_unit"));
}

void TestMainWindowEditing::insertAfterAndDelete() {
    OpenEditor editor;
    QVERIFY(editor.ok);
    const QStringList names = editor.column(1);
    editor.clickCell(6, 3); // unit 5
    editor.action("mnu_ins_after")->trigger();
    const Datasheet& sheet = editor.window->state().datasheet;
    QCOMPARE(sheet.rows(), 12);
    QCOMPARE(editor.cell(7, 0), QStringLiteral(" 6"));
    QCOMPARE(editor.cell(7, 1), QStringLiteral("I'm New"));
    QCOMPARE(editor.cell(8, 1), names[6]);
    QCOMPARE(editor.cell(11, 0), QStringLiteral(" 10"));
    QCOMPARE(sheet.row(), 7);
    QCOMPARE(sheet.col(), 1);
    QCOMPARE(sheet.markedRow(), 7);
    QCOMPARE(editor.window->datasheetView()->currentIndex().row(), 6);

    editor.action("del_unit")->trigger();
    QCOMPARE(sheet.rows(), 11);
    QCOMPARE(editor.column(1), names);
    QCOMPARE(sheet.row(), 7);
    QVERIFY(editor.dialogs.informed.isEmpty());
}

void TestMainWindowEditing::editingIsRefusedOnTheHeadingRow() {
    EditorHarness editor(1);
    QVERIFY(editor.game.writeConfiguration(QStringLiteral("uk")));
    editor.start();
    QVERIFY(editor.openDataFolder());
    editor.showDatasheet();
    // Applying a language leaves the heading row current: nothing happens.
    editor.window->ApplyLanguage();
    editor.action("del_unit")->trigger();
    editor.action("mnu_ins_before")->trigger();
    QCOMPARE(editor.window->state().datasheet.rows(), 2);
    QVERIFY(editor.dialogs.informed.isEmpty());
    // The last unit is kept, and the user is told so.
    editor.clickCell(1, 1);
    editor.action("del_unit")->trigger();
    QCOMPARE(editor.window->state().datasheet.rows(), 2);
    QCOMPARE(editor.dialogs.informed.size(), 1);
}

void TestMainWindowEditing::copyAndPasteABlockThroughTheClipboard() {
    OpenEditor editor;
    QVERIFY(editor.ok);
    Datasheet& sheet = editor.window->state().datasheet;
    editor.clickCell(2, 3);
    editor.clickCell(3, 5, Qt::ShiftModifier);
    QCOMPARE(sheet.row(), 2);
    QCOMPARE(sheet.colSel(), 5);
    // Ctrl+C on the grid is the menu's block copy, not the view's own.
    editor.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(editor.window.get()));
    QTest::keyClick(editor.window->datasheetView(), Qt::Key_C, Qt::ControlModifier);
    const QString expected =
        QStringList{editor.cell(2, 3), editor.cell(2, 4), editor.cell(2, 5)}.join(
            QLatin1Char('\t')) +
        QLatin1Char('\r') +
        QStringList{editor.cell(3, 3), editor.cell(3, 4), editor.cell(3, 5)}.join(
            QLatin1Char('\t'));
    QCOMPARE(QGuiApplication::clipboard()->text(), expected);

    editor.window->state().EquipmentChanged = false;
    editor.clickCell(8, 10);
    editor.clickCell(9, 12, Qt::ShiftModifier);
    const QString untouched = editor.cell(10, 10);
    editor.action("mnu_paste")->trigger();
    QCOMPARE(editor.cell(8, 10), editor.cell(2, 3));
    QCOMPARE(editor.cell(9, 12), editor.cell(3, 5));
    QCOMPARE(editor.cell(10, 10), untouched);
    QVERIFY(editor.window->state().EquipmentChanged);

    // A spreadsheet's CR LF text with a final line end fills the block only.
    QGuiApplication::clipboard()->setText(QStringLiteral("7\t8\r\n9\t10\r\n"));
    editor.clickCell(4, 3);
    editor.clickCell(5, 4, Qt::ShiftModifier);
    const QString below = editor.cell(6, 3);
    editor.action("mnu_paste")->trigger();
    QCOMPARE(editor.cell(4, 3), QStringLiteral("7"));
    QCOMPARE(editor.cell(5, 3), QStringLiteral("9"));
    QCOMPARE(editor.cell(5, 4), QStringLiteral("10"));
    QCOMPARE(editor.cell(6, 3), below);
}

void TestMainWindowEditing::doubleClickShowsTheUnitAndToggleReturns() {
    OpenEditor editor;
    QVERIFY(editor.ok);
    MainWindow& window = *editor.window;
    QVERIFY(window.datasheetShown());
    QVERIFY(editor.enabled("mnu_ins_after"));
    QVERIFY(!editor.enabled("mnu_spread"));
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
    QVERIFY(window.state().EquipmentChanged);
    QCOMPARE(window.state().datasheet.row(), 4);
    QCOMPARE(window.state().datasheet.col(), 1);
    QVERIFY(QGuiApplication::clipboard()->text().isEmpty());

    // Enter on the grid chooses the current unit as well.
    editor.clickCell(6, 2);
    QTest::keyClick(view, Qt::Key_Return);
    QVERIFY(!window.datasheetShown());
}

void TestMainWindowEditing::formViewCopyKeysActOnTheDescription() {
    EditorHarness editor(3);
    QVERIFY(editor.game.writeConfiguration(QStringLiteral("uk")));
    MainWindow& window = editor.start();
    QVERIFY(editor.openDataFolder());
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
    QCOMPARE(window.state().DescriptionBuffer, QStringLiteral("A long description"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("outside"));
    description->setPlainText(QString());
    QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(description->toPlainText(), QStringLiteral("A long description"));
    QVERIFY(!name->text().contains(QStringLiteral("outside")));
}

QTEST_MAIN(TestMainWindowEditing)
#include "test_mainwindow_editing.moc"
