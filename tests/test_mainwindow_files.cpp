// End-to-end tests of the datasheet and of saving in the real editor window:
// opening a folder, sorting with the mouse, inserting and deleting units,
// copy and paste through the system clipboard, switching views, Save, Save
// As, and the questions before opening another file and before exit.
#include "datasheet/CellNumber.h"
#include "datasheet/ui/DatasheetView.h"
#include "equipment/EquipmentFiles.h"
#include "formview/ui/FormView.h"
#include "i18n/Messages.h"
#include "platform/Files.h"
#include "shell/ui/FolderBrowser.h"
#include "shell/ui/FolderDialogs.h"
#include "support/CoreTestSupport.h"
#include "support/EditorHarness.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <algorithm>
#include <optional>

using namespace quillon;
using quillon::testing::EditorHarness;
using quillon::testing::fileBytes;
using quillon::testing::pressKeys;

namespace {

// Takes the folder away for a while (a drive unplugged), so that a save
// into it fails whoever runs the test.
struct FolderGone {
    explicit FolderGone(const QString& path) : path_(QDir::cleanPath(path)) {
        QDir().rename(path_, path_ + QStringLiteral(".away"));
    }
    ~FolderGone() { QDir().rename(path_ + QStringLiteral(".away"), path_); }
    QString path_;
};

QStringList backups(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("OLD_*")}, QDir::Files);
}

const QString CannotFindFolder = QStringLiteral("Cannot find the folder: ");

QString unitFuel(const QString& folder) {
    Datasheet sheet;
    if (!LoadEquipmentFiles(folder, sheet, i18n::Language::English).ok)
        return QStringLiteral("not loaded");
    return sheet.cell(1, 22).trimmed();
}

} // namespace

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
        QVERIFY(editor.reset(true));
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
        QVERIFY(editor.reset(true));
        QVERIFY(editor.game.reset(1) && editor.openDataFolder());
        editor.window->ApplyLanguage(); // the unit stays current
        editor.action("del_unit")->trigger();
        QCOMPARE(editor.window->state().datasheet.rows(), 2);
        QCOMPARE(editor.dialogs.informed.size(), 1);
    }

    // An empty clipboard empties the first cell: that is a change too. (A
    // spreadsheet's text is test_datasheet's setClipFillsBlockFromTopLeft.)
    void pastingNothingIsAChange() {
        QVERIFY(editor.reset(true));
        QGuiApplication::clipboard()->clear();
        editor.window->state().EquipmentChanged = false;
        editor.clickCell(2, 1);
        editor.clickCell(3, 2, Qt::ShiftModifier);
        const QString next = editor.cell(2, 2);
        editor.action("mnu_paste")->trigger();
        QVERIFY(editor.cell(2, 1).isEmpty());
        QCOMPARE(editor.cell(2, 2), next);
        QVERIFY(editor.window->state().EquipmentChanged);
    }

    void doubleClickShowsTheUnitAndToggleReturns() {
        QVERIFY(editor.reset(true));
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
        QVERIFY(editor.reset());
        MainWindow& window = *editor.window;
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

    // A save from the form view puts the rows back in unit order with their
    // corrections and says so; the form keeps its unit, so that its commit
    // goes into the unit's new row and overwrites no other.
    void saveWritesSortedCorrectedUnits() {
        QVERIFY(editor.reset(true));
        MainWindow& window = *editor.window;
        Datasheet& sheet = window.state().datasheet;
        sheet.setCell(4, 21, QStringLiteral("40")); // unit 3's move: at most 31
        window.state().EquipmentChanged = true;
        editor.clickCell(2, 1);
        editor.rightClickGrid(Qt::ShiftModifier); // names, Z to A
        int row = 1;                              // a unit that the save's sort will move
        while (CellNumber(editor.cell(row, 0)) == row - 1)
            ++row;
        editor.clickCell(row, 1);
        QTest::keyClick(window.datasheetView(), Qt::Key_Return); // the form shows that unit
        const QString unit = editor.cell(row, 0), name = editor.cell(row, 1);
        editor.action("mnu_save")->trigger();

        QVERIFY(!editor.dialogs.informed.isEmpty());
        const QString summary = editor.dialogs.informed.first();
        QVERIFY2(summary.startsWith(QStringLiteral("Your old files has been saved as: \r\n") +
                                    editor.game.dataFolder() + QStringLiteral("OLD_")),
                 qPrintable(summary));
        QVERIFY(summary.endsWith(QStringLiteral("All these files has to be distributed, to "
                                                "implement all changes made to your E-file.")));
        QVERIFY(!window.state().EquipmentChanged);
        for (int row = 1; row < sheet.rows(); ++row)
            QCOMPARE(CellNumber(editor.cell(row, 0)), double(row - 1));
        QCOMPARE(editor.cell(4, 21), QStringLiteral(" 31"));
        const QStringList names = editor.column(1);
        editor.action("mnu_spread")->trigger(); // commits the form
        QCOMPARE(editor.column(1), names);
        QCOMPARE(editor.cell(sheet.row(), 1), name);
        QCOMPARE(CellNumber(editor.cell(sheet.row(), 0)), CellNumber(unit));
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

    // Saves that cannot complete. Characters the game cannot store, pasted
    // into a name or typed into a description: refused, naming unit, field
    // and characters. The descriptions' container cannot be read: the units
    // are saved, the summary names their files only, and a second message
    // says the descriptions were not.
    void savesThatCannotComplete_data() {
        QTest::addColumn<QString>("edit");         // pasted into unit 2's name, or typed
        QTest::addColumn<QString>("blocked");      // a folder in the place of this file
        QTest::addColumn<QStringList>("messages"); // %1 the data folder, * any text
        const QString refused = "Nothing was saved: the game cannot store these characters. "
                                "Change them and save again.\r\n";
        QTest::newRow("name pasted into the datasheet")
            << QString::fromUtf8("Łódź 7TP") << QString()
            << QStringList{refused + QString::fromUtf8("Unit No. 2, Unit Name: Ł ź")};
        QTest::newRow("description typed in the form view")
            << QString::fromUtf8("typed Č") << QString()
            << QStringList{refused + QString::fromUtf8("Unit No. 0, Long Unit Description: Č")};
        QTest::newRow("container unreadable")
            << "Renamed"
            << "txt.pfp"
            << QStringList{"Your old files has been saved as: \r\n%1OLD_KorEquip.EQP\r\n"
                           "%1OLD_KorEquip.TXT\r\n\r\nYour complete E-file now consists of the "
                           "following files: \r\n%1KorEquip.EQP\r\n%1KorEquip.TXT\r\n\r\nAll "
                           "these files has to be distributed, to implement all changes made to "
                           "your E-file.",
                           "The unit descriptions were not saved, because this file cannot be "
                           "read: %1txt.pfp"};
    }
    void savesThatCannotComplete() {
        QFETCH(QString, edit);
        QFETCH(QString, blocked);
        QFETCH(QStringList, messages);
        const bool typed = edit.startsWith(QLatin1String("typed "));
        QVERIFY(editor.reset(!typed));
        MainWindow& window = *editor.window;
        const QString data = editor.game.dataFolder();
        if (typed) {
            auto* description = window.findChild<QPlainTextEdit*>(QStringLiteral("Text3"));
            description->setFocus();
            QTest::keyClick(description, Qt::Key_End, Qt::ControlModifier);
            QTest::sendKeyEvent(QTest::Click, description, Qt::Key_unknown, edit.mid(6),
                                Qt::NoModifier);
            editor.action("mnu_spread")->trigger(); // commits the form
        } else {
            QGuiApplication::clipboard()->setText(edit);
            editor.clickCell(3, 1);
            QTest::keyClick(window.datasheetView(), Qt::Key_V, Qt::ControlModifier);
        }
        QVERIFY(window.state().EquipmentChanged);
        if (!blocked.isEmpty()) {
            QFile::remove(data + blocked);
            QVERIFY(QDir().mkdir(data + blocked));
        }
        const QMap<QString, QByteArray> before = testing::FolderBytes(data);
        QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(editor.dialogs.informed.size(), messages.size());
        for (qsizetype i = 0; i < messages.size(); ++i) {
            const QStringList ends = QString(messages[i]).replace("%1", data).split(u'*');
            const QString& told = editor.dialogs.informed[i];
            QVERIFY2(ends.size() == 1 ? told == ends.first()
                                      : told.startsWith(ends.first()) && told.endsWith(ends.last()),
                     qPrintable(told));
        }
        const bool saved = messages.size() == 2;
        QCOMPARE(window.state().EquipmentChanged, !saved);
        QCOMPARE(testing::FolderBytes(data) == before, !saved);
    }

    // A cancelled save-as writes nothing; one that cannot write leaves Save on
    // the folder it had. (A save-as that writes is leavingAFileAsks' row.)
    void saveAsCancelledOrFailedKeepsTheFolder() {
        QVERIFY(editor.reset());
        MainWindow& window = *editor.window;
        const QString target = editor.game.root() + QStringLiteral("copy/");
        const QString title = window.windowTitle();
        QVERIFY(QDir().mkpath(target));
        editor.action("mnu_save_as")->trigger();
        SaveAsDialog* saveAs = window.saveAsDialog();
        QVERIFY(saveAs->isVisible());
        QCOMPARE(saveAs->focusWidget(), saveAs->browser()->folderTree());
        QVERIFY(saveAs->setFolder(target));
        QTest::mouseClick(saveAs->cancelButton(), Qt::LeftButton);
        QVERIFY(QDir(target).isEmpty());

        editor.action("mnu_save_as")->trigger();
        QVERIFY(saveAs->setFolder(target));
        {
            FolderGone away(editor.game.root());
            QTest::mouseClick(saveAs->confirmButton(), Qt::LeftButton);
        }
        QVERIFY(editor.dialogs.informed.first().startsWith(CannotFindFolder));
        QCOMPARE(window.state().EquipmentFolder, editor.game.dataFolder());
        QCOMPARE(window.windowTitle(), title);
        QVERIFY(QDir(target).isEmpty());
    }

    // Exit and Open ask before leaving a file changed in the datasheet or by
    // a form edit not yet taken in; No leaves it, Yes saves it, and a failed
    // save stops them. Save and Save As take the form's edit in.
    void leavingAFileAsks_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("change"); // "flag", "form" or none
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("saveFails");
        QTest::addColumn<QString>("savedIn"); // "data", "copy" or nothing saved
        const auto row = [](const char* tag, const char* action, const char* change, bool answer,
                            bool saveFails, const char* savedIn) {
            QTest::newRow(tag) << QString::fromLatin1(action) << QString::fromLatin1(change)
                               << answer << saveFails << QString::fromLatin1(savedIn);
        };
        row("exit unchanged: no question", "mnu_exit", "", false, false, "");
        row("exit changed, no: nothing saved", "mnu_exit", "flag", false, false, "");
        row("exit, form edit, no: nothing saved", "mnu_exit", "form", false, false, "");
        row("exit, form edit, yes: saved", "mnu_exit", "form", true, false, "data");
        row("exit, the save fails: stays", "mnu_exit", "flag", true, true, "");
        row("open changed, no: opens", "mnu_open", "flag", false, false, "");
        row("open, form edit, yes: saved", "mnu_open", "form", true, false, "data");
        row("open, the save fails: no dialog", "mnu_open", "flag", true, true, "");
        row("Ctrl+S", "Ctrl+S", "form", false, false, "data");
        row("save as", "mnu_save_as", "form", false, false, "copy");
    }
    void leavingAFileAsks() {
        QFETCH(QString, action);
        QFETCH(QString, change);
        QFETCH(bool, answer);
        QFETCH(bool, saveFails);
        QFETCH(QString, savedIn);
        QVERIFY(editor.reset());
        MainWindow& window = *editor.window;
        const QString data = editor.game.dataFolder(), copy = editor.game.root() + "copy/";
        QVERIFY(QDir().mkpath(copy));
        const QByteArray before = fileBytes(editor.equipmentFile());
        const QString fuel = unitFuel(data);
        window.state().EquipmentChanged = change == QLatin1String("flag");
        if (change == QLatin1String("form")) {
            window.formView()->findChild<QLineEdit*>(QStringLiteral("Text22"))->setFocus();
            pressKeys({QStringLiteral("Ctrl+Shift+End"), QStringLiteral("7"), QStringLiteral("7")});
        }
        editor.dialogs.answers = {answer};
        QSignalSpy ending(&window, &MainWindow::programEnding);
        {
            std::optional<FolderGone> away;
            if (saveFails)
                away.emplace(data);
            if (action.startsWith(QLatin1String("mnu_")))
                window.action(action)->trigger();
            else
                pressKeys({action});
        }
        if (savedIn == QLatin1String("copy")) {
            QVERIFY(window.saveAsDialog()->setFolder(copy));
            QTest::mouseClick(window.saveAsDialog()->confirmButton(), Qt::LeftButton);
            QCOMPARE(unitFuel(copy), QStringLiteral("77"));
            QCOMPARE(window.windowTitle(), "Quillon : " + copy + "KOREQUIP.EQP");
            QCOMPARE(window.state().EquipmentFolder, copy);
            QVERIFY(backups(copy).isEmpty());
        }
        const QString exitQuestion =
            "The Equipment file has been changed, do you want to save the file before ending the "
            "program?\r\nThe Equipment file will be saved in the following folder: " +
            data;
        const QString openQuestion =
            "The current equipment file has been changed.  Do you want to save the changes first?";
        const bool exiting = action == QLatin1String("mnu_exit");
        const bool opening = action == QLatin1String("mnu_open");
        QCOMPARE(editor.dialogs.asked, !change.isEmpty() && (exiting || opening)
                                           ? QStringList{exiting ? exitQuestion : openQuestion}
                                           : QStringList());
        QCOMPARE(ending.count(), exiting && !saveFails ? 1 : 0);
        QCOMPARE(window.isVisible(), !exiting || saveFails);
        QCOMPARE(window.openDialog()->isVisible(), opening && !saveFails);
        QCOMPARE(!backups(data).isEmpty(), savedIn == QLatin1String("data"));
        QCOMPARE(unitFuel(data), savedIn == QLatin1String("data") ? QStringLiteral("77") : fuel);
        if (saveFails) {
            QVERIFY(editor.dialogs.informed.first().startsWith(CannotFindFolder));
            QVERIFY(window.state().EquipmentChanged);
            QCOMPARE(fileBytes(editor.equipmentFile()), before);
        }
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
