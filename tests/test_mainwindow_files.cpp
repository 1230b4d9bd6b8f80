// End-to-end tests of the datasheet and of saving in the real editor window:
// opening a folder, sorting with the mouse, inserting and deleting units,
// copy and paste through the system clipboard, switching views, Save, Save
// As, and the questions before opening another file and before exit.
#include "platform/Files.h"
#include "shell/ui/FolderBrowser.h"
#include "shell/ui/FolderDialogs.h"
#include "support/EditorHarness.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QProgressDialog>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <QTreeView>

using namespace quillon;
using quillon::testing::EditorHarness;
using quillon::testing::fileBytes;

class TestMainWindowFiles : public QObject {
    Q_OBJECT
    // One window for every test, started by the first.
    EditorHarness editor;

private slots:
    // What follows the load (title, menus, clipboard) is the start-up
    // tests' "folder" row, which loads the same way.
    void openingAFolderLoadsItsUnits() {
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
        // The tree has the focus, and Escape closes the dialog.
        QCOMPARE(open->focusWidget(), open->browser()->folderTree());
        QTest::keyClick(open->focusWidget(), Qt::Key_Escape);
        QVERIFY(!open->isVisible());
        editor.action("mnu_open")->trigger();
        QTest::mouseClick(open->confirmButton(), Qt::LeftButton);
        QVERIFY(!open->isVisible());
        QCOMPARE(window.state().datasheet.rows(), 11);
        QCOMPARE(editor.column(0).last(), QStringLiteral(" 9"));
        QVERIFY(!window.state().EquipmentChanged);
    }

    // Scripts on the form view (and, after "sheet", the grid), and what a
    // user saw.
    void scripts_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("seen");
        const auto row = [](const char* tag, const QString& script, const char* seen) {
            QTest::newRow(tag) << script << QString::fromUtf8(seen);
        };
        // Sorting with the mouse, from names Z to A, so that every sort has something to do.
        const QString zToA = "sheet|cell 2 1|sort shift|";
        row("sort: names with shift, Z to A", zToA + "cell 4 1|sort shift|=|=col 1",
            "sheet 4/10; Vanguard I G2,Tk II C2,Tarn IV D3,Recon Bikes G2,Mk IX F4,Merlin Mk I,"
            "Kv III H2,Ironside BC,Falcon Mk III,Bunker");
        row("sort: a number cell, unit order, insert on", zToA + "number 4|sort|=|=col 0",
            "sheet 4/10 insert;  0, 1, 2, 3, 4, 5, 6, 7, 8, 9");
        row("sort: a number cell with ctrl, insert off", zToA + "number 4|sort ctrl|=|=col 0",
            "sheet 4/10;  0, 1, 2, 3, 4, 5, 6, 7, 8, 9");
        row("sort: move, ascending", zToA + "cell 4 21|sort|=|=col 21",
            "sheet 4/10;  0, 1, 1, 4, 6, 7, 8, 8, 9, 12");
        row("sort: shift+ctrl counts as no shift", zToA + "cell 4 21|sort shift ctrl|=|=col 21",
            "sheet 4/10;  0, 1, 1, 4, 6, 7, 8, 8, 9, 12");
        // Double click, Enter or a number cell's double click show a unit.
        row("show a unit",
            "sheet|cell 4 2|dclick 4 2|=|mnu_spread|=|cell 6 2|Return|=|"
            "mnu_spread|number 3|dnumber 3",
            "form 4/10 toggle; sheet 4/10 insert; form 6/10 toggle; form 3/10 toggle");
        // A spreadsheet's text is test_datasheet's setClipFillsBlockFromTopLeft.
        row("an empty clipboard empties the first cell: a change",
            "sheet|clip|=2 2|cell 2 1|shift 3 2|mnu_paste|=|=2 1|=2 2",
            "[ 1]; sheet 2/10 changed insert; []; [ 1]");
        row("the last unit is kept", "sheet|game 1|del_unit",
            "sheet 1/1 toggle insert told last unit");
        row("the form's copy keys act on the description, Ctrl+A is Save As",
            "set Text3 A long description|clip outside|focus Text2|Home|Shift+End|Ctrl+C|"
            "set Text3|Ctrl+V|=Text3|=Text2|=|Ctrl+A",
            "[A long description]; [Kv III H2]; form 1/10 toggle clip outside; "
            "form 1/10 toggle clip outside save as");
        // A save from the form view puts the rows back in unit order with
        // their corrections (the move at most 31); the form keeps its unit,
        // so that its commit goes into the unit's new row and overwrites no
        // other, and leaving the form untouched changes nothing.
        row("save sorts and corrects",
            "sheet|clip 40|cell 4 21|mnu_paste|cell 2 1|sort shift|cell 2 1|Return|=|"
            "mnu_save|=col 0|=4 21|=|mnu_spread|=col 1|=",
            "form 2/10 changed toggle clip 40;  0, 1, 2, 3, 4, 5, 6, 7, 8, 9; [ 31]; "
            "form 3/10 toggle told saved data backups; Kv III H2,Tarn IV D3,Tk II C2,"
            "Recon Bikes G2,Vanguard I G2,Ironside BC,Bunker,Mk IX F4,Falcon Mk III,Merlin Mk I; "
            "sheet 3/10 insert data backups");
        // Saves, the questions before Exit and Open, and saves that cannot complete.
        const QString name = "sheet|clip Renamed|cell 2 1|mnu_paste|";
        const QString fuel = "focus Text22|Home|Shift+End|7|7|";
        row("exit unchanged: no question", "mnu_exit", "form 1/10 toggle ended");
        row("exit changed, no: nothing saved", name + "mnu_exit",
            "sheet 2/10 changed insert clip Renamed asked exit ended");
        row("exit, form edit, no: nothing saved", fuel + "mnu_exit",
            "form 1/10 toggle asked exit ended");
        row("exit, form edit, yes: saved", fuel + "yes|mnu_exit",
            "form 1/10 toggle asked exit told saved data 77 backups ended");
        row("exit, the save fails: stays", name + "yes|gone data|mnu_exit",
            "sheet 2/10 changed insert clip Renamed asked exit told cannot find: ~/game/data/");
        row("open changed, no: opens", name + "mnu_open",
            "sheet 2/10 changed insert clip Renamed asked open open dialog");
        row("open, form edit, yes: saved", fuel + "yes|mnu_open",
            "form 1/10 toggle asked open told saved data 77 backups open dialog");
        row("open, the save fails: no dialog", name + "yes|gone data|mnu_open",
            "sheet 2/10 changed insert clip Renamed asked open told cannot find: ~/game/data/");
        row("Ctrl+S takes the form's edit in", fuel + "Ctrl+S",
            "form 1/10 toggle told saved data 77 backups");
        row("save as takes the form's edit in", fuel + "mnu_save_as|into copy|confirm",
            "form 1/10 toggle told new files copy 77 folder ~/copy/");
        row("save as cancelled", fuel + "mnu_save_as|into copy|cancel", "form 1/10 toggle");
        row("save as cannot write", "mnu_save_as|into copy|gone root|confirm",
            "form 1/10 toggle told cannot find: ~/copy/");
        row("name pasted that the game cannot store", "sheet|clip Łódź 7TP|cell 3 1|Ctrl+V|Ctrl+S",
            "sheet 3/10 changed insert clip Łódź 7TP told refused: Unit No. 2, Unit Name: Ł ź");
        row("description typed that the game cannot store",
            "focus Text3|Ctrl+End|type Č|mnu_spread|Ctrl+S",
            "sheet 1/10 changed insert told refused: Unit No. 0, Long Unit Description: Č");
        row("descriptions' container unreadable", name + "block txt.pfp|Ctrl+S",
            "sheet 2/10 insert clip Renamed told units saved told no descriptions data backups");
    }
    void scripts() {
        QFETCH(QString, script);
        QVERIFY(editor.reset());
        MainWindow& window = *editor.window;
        const QString title = window.windowTitle();
        const QString seen = editor.play(script);
        QTEST(seen, "seen");
        // The window stays open unless it ended, with the title of its file.
        QCOMPARE(window.isVisible(), !seen.endsWith("ended"));
        QCOMPARE(window.windowTitle(),
                 window.state().EquipmentFolder == editor.game.dataFolder()
                     ? title
                     : "Quillon : " + editor.game.root() + "copy/KOREQUIP.EQP");
    }

    // Saving what was opened, unchanged, gives back every game and equipment
    // file byte for byte, descriptions of units beyond 2000 included (the
    // sample-size game is test_equipmentfiles' unchanged save).
    void unchangedSaveKeepsEveryByte() {
        EditorHarness editor(3000);
        QVERIFY(editor.startOpen());
        const QString data = editor.game.dataFolder();
        const QStringList files = {"KorEquip.EQP", "KorEquip.TXT", "txt.pfp", "pfpdata.idx",
                                   "ext.idx"};
        QList<QByteArray> before;
        for (const QString& file : files)
            before.append(fileBytes(data + file));
        editor.action("mnu_save")->trigger();
        QCOMPARE(editor.dialogs.informed.size(), 1); // the summary alone
        for (qsizetype f = 0; f < files.size(); ++f)
            QVERIFY2(fileBytes(platform::findNoCase(data, files[f])) == before[f],
                     qPrintable(files[f]));
    }

    // A long step shows how far it has come in a window-modal dialog, gone
    // when the step ends (here after no time instead of a second).
    void longStepsShowTheirProgress_data() {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("label");
        const char* const steps[][2] = {{"mnu_open", "Reading the units... modal"},
                                        {"mnu_copy", "Copying the units... modal"},
                                        {"mnu_paste", "Pasting the units... modal"},
                                        {"mnu_save", "Saving the units... modal"},
                                        {"mnu_check", "Checking the units... modal"}};
        for (const auto& step : steps)
            QTest::newRow(step[0]) << QString::fromLatin1(step[0]) << QString::fromLatin1(step[1]);
    }
    void longStepsShowTheirProgress() {
        QFETCH(QString, step);
        QVERIFY(editor.reset(true));
        editor.window->setProgressDelay(0);
        const auto restore = qScopeGuard([this] { editor.window->setProgressDelay(1000); });
        editor.clickCell(1, 1);
        editor.clickCell(10, 5, Qt::ShiftModifier);
        QGuiApplication::clipboard()->setText(QStringLiteral("7\r").repeated(10));
        QString shown;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            if (const auto* dialog = editor.window->findChild<QProgressDialog*>();
                dialog && dialog->isVisible() && shown.isEmpty())
                shown = dialog->labelText() +
                        (dialog->windowModality() == Qt::WindowModal ? " modal" : "");
        });
        watch.start(0);
        if (step == QLatin1String("mnu_open"))
            QVERIFY(editor.openDataFolder());
        else
            editor.action(qPrintable(step))->trigger();
        QTEST(shown, "label");
        QVERIFY(!editor.window->findChild<QProgressDialog*>());
    }
};

QTEST_MAIN(TestMainWindowFiles)
#include "test_mainwindow_files.moc"
