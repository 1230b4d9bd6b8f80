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

QString unitFuel(const QString& folder) {
    Datasheet sheet;
    if (!LoadEquipmentFiles(folder, sheet, i18n::Language::English).ok)
        return QStringLiteral("not loaded");
    return sheet.cell(1, 22).trimmed();
}

// The messages by short name: %1 is the data folder, and a '*' stands for
// any text, which follows a name that ends in ':'.
const std::pair<const char*, const char*> Messages[] = {
    {"exit", "The Equipment file has been changed, do you want to save the file before ending the "
             "program?\r\nThe Equipment file will be saved in the following folder: %1"},
    {"open",
     "The current equipment file has been changed.  Do you want to save the changes first?"},
    {"units saved",
     "Your old files has been saved as: \r\n%1OLD_KorEquip.EQP\r\n%1OLD_KorEquip.TXT\r\n\r\n"
     "Your complete E-file now consists of the following files: \r\n%1KorEquip.EQP\r\n"
     "%1KorEquip.TXT\r\n\r\nAll these files has to be distributed, to implement all changes "
     "made to your E-file."},
    {"saved",
     "Your old files has been saved as: \r\n%1OLD_*All these files has to be distributed, to "
     "implement all changes made to your E-file."},
    {"no descriptions",
     "The unit descriptions were not saved, because this file cannot be read: %1txt.pfp"},
    {"new files",
     "Your old files has been saved as: \r\n\r\nYour complete E-file now consists of the "
     "following files: \r\n*All these files has to be distributed, to implement all changes "
     "made to your E-file."},
    {"last unit", "The last unit cannot be deleted."},
    {"cannot find:",
     "Cannot find the folder: * - This is the folder you loaded the KOREQUIP.EQP and the "
     "KOREQUIP.TXT files from, but it is currently not available.\r\nUse the 'Save As' "
     "function to save your work."},
    {"refused:", "Nothing was saved: the game cannot store these characters. Change them and save "
                 "again.\r\n*"}};

// Each message's short name, or the message itself after a '?'.
QStringList Named(const QStringList& messages, const QString& data) {
    QStringList names;
    for (const QString& text : messages) {
        QString name = "? " + text;
        for (const auto& [shortName, pattern] : Messages) {
            const QStringList ends = QString::fromUtf8(pattern).replace("%1", data).split(u'*');
            if (ends.size() == 1 ? text == ends.first()
                                 : text.startsWith(ends.first()) && text.endsWith(ends.last())) {
                name = QString::fromLatin1(shortName);
                if (name.endsWith(u':'))
                    name += " " + text.mid(ends.first().size()).chopped(ends.last().size());
                break;
            }
        }
        names.append(name);
    }
    return names;
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

    // Scripts on the grid and the form, with "dclick R C" and "dnumber R"
    // double clicks, "game N" a new game of N units opened, and after "=" a
    // snapshot: the view with its unit row and units, the changed flag,
    // the form's view toggle and Insert when enabled, the clipboard, the messages,
    // Save As when shown; "=R C" a cell, "=NAME" a form field.
    void gridAndFormKeys_data() {
        QTest::addColumn<bool>("datasheet");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("seen");
        QTest::newRow("double click, Enter or a number cell's double click show a unit")
            << true
            << "cell 4 2|dclick 4 2|=|mnu_spread|=|cell 6 2|Return|=|mnu_spread|number 3|dnumber "
               "3|="
            << "form 4/10 toggle; sheet 4/10 insert; form 6/10 toggle; form 3/10 toggle";
        // A spreadsheet's text is test_datasheet's setClipFillsBlockFromTopLeft.
        QTest::newRow("an empty clipboard empties the first cell: a change")
            << true << "clip|=2 2|cell 2 1|shift 3 2|mnu_paste|=2 1|=2 2|="
            << "[ 1]; []; [ 1]; sheet 2/10 changed insert";
        QTest::newRow("the last unit is kept") << true << "game 1|del_unit|="
                                               << "sheet 1/1 insert told last unit";
        QTest::newRow("the form's copy keys act on the description, Ctrl+A is Save As")
            << false
            << "set Text3 A long description|clip outside|focus Text2|Home|Shift+End|Ctrl+C|"
               "set Text3|Ctrl+V|=Text3|=Text2|=|Ctrl+A|="
            << "[A long description]; [Kv III H2]; form 1/10 toggle clip outside; "
               "form 1/10 toggle clip outside save as";
    }
    void gridAndFormKeys() {
        QFETCH(bool, datasheet);
        QFETCH(QString, script);
        QVERIFY(editor.reset(datasheet));
        MainWindow& window = *editor.window;
        const Datasheet& sheet = window.state().datasheet;
        DatasheetView* view = window.datasheetView();
        QStringList seen;
        for (const QString& word : script.split(u'|')) {
            const QStringList parts = word.split(u' ');
            const int row = parts.value(1).toInt() - 1;
            if (parts[0] == "dclick") {
                const QModelIndex index = view->model()->index(row, parts[2].toInt() - 1);
                QTest::mouseDClick(view->viewport(), Qt::LeftButton, {},
                                   view->visualRect(index).center());
            } else if (parts[0] == "dnumber") {
                QHeaderView* numbers = view->verticalHeader();
                QTest::mouseDClick(
                    numbers->viewport(), Qt::LeftButton, {},
                    QPoint(numbers->width() / 2, numbers->sectionViewportPosition(row) + 2));
            } else if (parts[0] == "game") {
                QVERIFY(editor.game.reset(row + 1) && editor.openDataFolder());
            } else if (word.startsWith("=Text")) {
                const QWidget* field = window.formView()->findChild<QWidget*>(word.mid(1));
                seen << "[" + field->property(word == "=Text3" ? "plainText" : "text").toString() +
                            "]";
            } else if (word.startsWith("=") && word != "=") {
                seen << "[" + sheet.cell(parts[0].mid(1).toInt(), parts[1].toInt()) + "]";
            } else if (word == "=") {
                const bool shown = window.datasheetShown();
                QStringList state = {QStringLiteral("%1 %2/%3")
                                         .arg(shown ? "sheet" : "form")
                                         .arg(shown ? sheet.row() : window.formView()->shownRow())
                                         .arg(sheet.rows() - 1)};
                if (window.state().EquipmentChanged)
                    state << "changed";
                if (!shown && editor.enabled("mnu_spread"))
                    state << "toggle";
                if (editor.enabled("mnu_ins_after"))
                    state << "insert";
                if (!QGuiApplication::clipboard()->text().isEmpty())
                    state << "clip " + QGuiApplication::clipboard()->text();
                for (const QString& message : Named(editor.dialogs.informed, QString()))
                    state << "told " + message;
                if (window.saveAsDialog()->isVisible())
                    state << "save as";
                seen << state.join(u' ');
            } else {
                QVERIFY(editor.run(word));
            }
        }
        QTEST(seen.join("; "), "seen");
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

        QCOMPARE(Named(editor.dialogs.informed, editor.game.dataFolder()), QStringList{"saved"});
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

    // Saves, the questions before Exit and Open, and what a save that
    // cannot complete leaves: the units, a form edit not yet taken in (the
    // fuel 77), characters the game cannot store (refused, naming unit,
    // field and characters), an unreadable descriptions' container (units
    // saved, descriptions not), a folder gone during the last word.
    void savingAndLeaving_data() {
        QTest::addColumn<QString>("script"); // on the form view
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QString>("away"); // a folder gone during the last word
        QTest::addColumn<QString>("outcome");
        const auto row = [](const char* tag, const QString& script, bool answer, const char* away,
                            const char* outcome) {
            QTest::newRow(tag) << script << answer << QString::fromLatin1(away)
                               << QString::fromUtf8(outcome);
        };
        const QString name = "sheet|clip Renamed|cell 2 1|mnu_paste|";
        const QString fuel = "focus Text22|Ctrl+Shift+End|7|7|";
        row("exit unchanged: no question", "mnu_exit", false, "", "ended");
        row("exit changed, no: nothing saved", name + "mnu_exit", false, "",
            "asked exit; ended; changed");
        row("exit, form edit, no: nothing saved", fuel + "mnu_exit", false, "",
            "asked exit; ended");
        row("exit, form edit, yes: saved", fuel + "mnu_exit", true, "",
            "asked exit; told saved; data 77 backups; ended");
        row("exit, the save fails: stays", name + "mnu_exit", true, "data",
            "asked exit; told cannot find: ~/game/data/; changed");
        row("open changed, no: opens", name + "mnu_open", false, "",
            "asked open; open dialog; changed");
        row("open, form edit, yes: saved", fuel + "mnu_open", true, "",
            "asked open; told saved; data 77 backups; open dialog");
        row("open, the save fails: no dialog", name + "mnu_open", true, "data",
            "asked open; told cannot find: ~/game/data/; changed");
        row("Ctrl+S takes the form's edit in", fuel + "Ctrl+S", false, "",
            "told saved; data 77 backups");
        row("save as takes the form's edit in", fuel + "mnu_save_as|into copy|confirm", false, "",
            "told new files; copy 77; folder ~/copy/");
        row("save as cancelled", fuel + "mnu_save_as|into copy|cancel", false, "", "");
        row("save as cannot write", "mnu_save_as|into copy|confirm", false, "root",
            "told cannot find: ~/copy/");
        row("name pasted that the game cannot store", "sheet|clip Łódź 7TP|cell 3 1|Ctrl+V|Ctrl+S",
            false, "", "told refused: Unit No. 2, Unit Name: Ł ź; changed");
        row("description typed that the game cannot store",
            "focus Text3|Ctrl+End|type Č|mnu_spread|Ctrl+S", false, "",
            "told refused: Unit No. 0, Long Unit Description: Č; changed");
        row("descriptions' container unreadable", name + "block txt.pfp|Ctrl+S", false, "",
            "told units saved; told no descriptions; data backups");
    }
    void savingAndLeaving() {
        QFETCH(QString, script);
        QFETCH(bool, answer);
        QFETCH(QString, away);
        QVERIFY(editor.reset());
        MainWindow& window = *editor.window;
        const QString root = editor.game.root(), data = editor.game.dataFolder();
        const QString copy = root + "copy/", title = window.windowTitle();
        QVERIFY(QDir().mkpath(copy));
        const QMap<QString, QByteArray> before = testing::FolderBytes(data);
        editor.dialogs.answers = {answer};
        QSignalSpy ending(&window, &MainWindow::programEnding);
        const QStringList words = script.split(u'|');
        for (const QString& word : words) {
            std::optional<FolderGone> gone;
            if (&word == &words.last() && !away.isEmpty())
                gone.emplace(away == "root" ? root : data);
            if (word == "into copy") {
                SaveAsDialog* saveAs = window.saveAsDialog();
                QCOMPARE(saveAs->focusWidget(), saveAs->browser()->folderTree());
                QVERIFY(saveAs->setFolder(copy));
            } else if (word == "confirm" || word == "cancel") {
                SaveAsDialog* saveAs = window.saveAsDialog();
                QTest::mouseClick(word == "confirm" ? saveAs->confirmButton()
                                                    : saveAs->cancelButton(),
                                  Qt::LeftButton);
            } else if (word.startsWith("block ")) {
                QFile::remove(data + word.mid(6));
                QVERIFY(QDir().mkdir(data + word.mid(6)));
            } else {
                QVERIFY(editor.run(word));
            }
        }
        QStringList outcome;
        for (const QString& question : Named(editor.dialogs.asked, data))
            outcome << "asked " + question;
        for (const QString& message : Named(editor.dialogs.informed, data))
            outcome << "told " + message;
        const bool dataSaved = testing::FolderBytes(data) != before;
        for (const QString& folder : {data, copy}) {
            if (folder == data ? !dataSaved : QDir(copy).isEmpty())
                continue;
            outcome << QStringList{folder == data ? "data" : "copy",
                                   unitFuel(folder) == "77" ? "77" : "",
                                   QDir(folder).entryList({"OLD_*"}).isEmpty() ? "" : "backups"}
                           .join(u' ')
                           .simplified();
        }
        if (window.state().EquipmentFolder != data)
            outcome << "folder " + window.state().EquipmentFolder;
        if (ending.count() > 0)
            outcome << "ended";
        if (window.openDialog()->isVisible())
            outcome << "open dialog";
        if (window.state().EquipmentChanged)
            outcome << "changed";
        QTEST(outcome.join("; ").replace(root, "~/"), "outcome");
        // The window stays open unless it ended, with the title of its file.
        QCOMPARE(window.isVisible(), ending.count() == 0);
        QCOMPARE(window.windowTitle(), window.state().EquipmentFolder == data
                                           ? title
                                           : "Quillon : " + copy + "KOREQUIP.EQP");
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
