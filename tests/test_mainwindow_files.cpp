// End-to-end tests of saving and ending in the real editor window: Save,
// Save As, the questions before opening another file and before exit.
#include "datasheet/CellNumber.h"
#include "datasheet/ui/DatasheetView.h"
#include "formview/ui/FormView.h"
#include "i18n/Messages.h"
#include "platform/Files.h"
#include "shell/ui/FolderDialogs.h"
#include "support/CoreTestSupport.h"
#include "support/EditorHarness.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <optional>

using namespace quillon;
using quillon::testing::EditorHarness;
using quillon::testing::fileBytes;

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

} // namespace

class TestMainWindowFiles : public QObject {
    Q_OBJECT
private slots:
    void saveWritesSortedCorrectedUnits() {
        EditorHarness editor;
        QVERIFY(editor.startOpen());
        MainWindow& window = *editor.window;
        Datasheet& sheet = window.state().datasheet;
        const QByteArray original = fileBytes(editor.equipmentFile());
        sheet.setCell(4, 21, QStringLiteral("40")); // unit 3's move: at most 31
        window.state().EquipmentChanged = true;
        editor.showDatasheet();
        editor.clickCell(2, 1);
        editor.rightClickGrid(Qt::ShiftModifier); // names, Z to A
        editor.clickCell(5, 2);
        const QString currentUnit = editor.cell(5, 0);
        editor.dialogs.clear();
        editor.action("mnu_save")->trigger();

        QVERIFY(!editor.dialogs.informed.isEmpty());
        const QString summary = editor.dialogs.informed.first();
        QVERIFY2(summary.startsWith(QStringLiteral("Your old files has been saved as: \r\n")),
                 qPrintable(summary));
        QVERIFY(summary.contains(editor.game.dataFolder() + QStringLiteral("OLD_")));
        QVERIFY(summary.endsWith(QStringLiteral("All these files has to be distributed, to "
                                                "implement all changes made to your E-file.")));
        QVERIFY(!window.state().EquipmentChanged);
        // Rows back in unit order, the corrected cell, the same unit current.
        for (int row = 1; row < sheet.rows(); ++row)
            QCOMPARE(CellNumber(editor.cell(row, 0)), double(row - 1));
        QCOMPARE(editor.cell(4, 21), QStringLiteral(" 31"));
        QCOMPARE(editor.cell(sheet.row(), 0).trimmed(), currentUnit.trimmed());
        // On disk: the previous file kept as OLD_, the new one the same size.
        const QStringList old = backups(editor.game.dataFolder());
        const auto eqp = std::find_if(old.begin(), old.end(), [](const QString& name) {
            return name.endsWith(QStringLiteral(".eqp"), Qt::CaseInsensitive);
        });
        QVERIFY(eqp != old.end());
        QCOMPARE(fileBytes(editor.game.dataFolder() + *eqp), original);
        const QByteArray saved = fileBytes(editor.equipmentFile());
        QCOMPARE(saved.size(), 2 + 168 * 10);
        QCOMPARE(saved.left(2), QByteArray("\x0a\x00", 2));
        QVERIFY(saved != original);
    }

    // Saving what was opened, unchanged, gives back every game and equipment
    // file byte for byte, descriptions of units beyond 2000 included.
    void unchangedSaveKeepsEveryByte_data() {
        QTest::addColumn<int>("units");
        QTest::newRow("sample size") << 40;
        QTest::newRow("3000 units") << 3000;
    }
    void unchangedSaveKeepsEveryByte() {
        QFETCH(int, units);
        EditorHarness editor(units);
        const QString data = editor.game.dataFolder();
        const QStringList files = {"KorEquip.EQP", "KorEquip.TXT", "txt.pfp", "pfpdata.idx",
                                   "ext.idx"};
        QList<QByteArray> before;
        for (const QString& file : files)
            before.append(fileBytes(data + file));
        QVERIFY(editor.startOpen());
        editor.dialogs.clear();
        editor.action("mnu_save")->trigger();
        QCOMPARE(editor.dialogs.informed.size(), 1); // the summary alone
        for (qsizetype f = 0; f < files.size(); ++f)
            QVERIFY2(fileBytes(platform::findNoCase(data, files[f])) == before[f],
                     qPrintable(files[f]));
    }

    // Characters the game cannot store, pasted into a name or typed into a
    // description: the save is refused naming unit, field and characters.
    void unstorableCharactersAreRefused_data() {
        QTest::addColumn<bool>("typed");
        QTest::addColumn<QString>("line");
        QTest::newRow("name pasted into the datasheet")
            << false << QString::fromUtf8("Unit No. 2, Unit Name: Ł ź");
        QTest::newRow("description typed in the form view")
            << true << QString::fromUtf8("Unit No. 0, Long Unit Description: Č");
    }
    void unstorableCharactersAreRefused() {
        QFETCH(bool, typed);
        QFETCH(QString, line);
        EditorHarness editor;
        QVERIFY(editor.startOpen(!typed));
        MainWindow& window = *editor.window;
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QMap<QString, QByteArray> before = testing::FolderBytes(editor.game.dataFolder());
        if (typed) {
            auto* description = window.findChild<QPlainTextEdit*>(QStringLiteral("Text3"));
            description->setFocus();
            QTest::keyClick(description, Qt::Key_End, Qt::ControlModifier);
            QTest::sendKeyEvent(QTest::Click, description, Qt::Key_unknown, QString::fromUtf8("Č"),
                                Qt::NoModifier);
            editor.action("mnu_spread")->trigger(); // commits the form
        } else {
            QGuiApplication::clipboard()->setText(QString::fromUtf8("Łódź 7TP"));
            editor.clickCell(3, 1);
            QTest::keyClick(window.datasheetView(), Qt::Key_V, Qt::ControlModifier);
        }
        QVERIFY(window.state().EquipmentChanged);
        editor.dialogs.clear();
        QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(editor.dialogs.informed,
                 QStringList{testing::English(i18n::msg::CannotStoreCharacters) + "\r\n" + line});
        QCOMPARE(testing::FolderBytes(editor.game.dataFolder()), before);
        QVERIFY(window.state().EquipmentChanged);
    }

    void formViewFollowsItsUnitThroughASave() {
        EditorHarness editor;
        QVERIFY(editor.startOpen(true));
        MainWindow& window = *editor.window;
        editor.clickCell(2, 1);
        editor.rightClickGrid(Qt::ShiftModifier); // names, Z to A
        int row = 1;                              // a unit that the save's sort will move
        while (CellNumber(editor.cell(row, 0)) == row - 1)
            ++row;
        editor.clickCell(row, 1);
        QTest::keyClick(window.datasheetView(), Qt::Key_Return); // the form shows that unit
        const QString unit = editor.cell(row, 0), name = editor.cell(row, 1);
        editor.action("mnu_save")->trigger(); // sorts the rows back into unit order
        const QStringList names = editor.column(1);
        editor.action("mnu_spread")->trigger(); // commits the form
        // The commit went into the unit's new row: no other unit was overwritten.
        QCOMPARE(editor.column(1), names);
        QCOMPARE(editor.cell(window.formView()->shownRow(), 1), name);
        QCOMPARE(CellNumber(editor.cell(window.formView()->shownRow(), 0)), CellNumber(unit));
    }

    void saveAsWritesIntoTheNewFolder() {
        EditorHarness editor;
        QVERIFY(editor.startOpen());
        MainWindow& window = *editor.window;
        const QString target = editor.game.root() + QStringLiteral("copy/");
        QVERIFY(QDir().mkpath(target));
        editor.action("mnu_save_as")->trigger();
        SaveAsDialog* saveAs = window.saveAsDialog();
        QVERIFY(saveAs->isVisible());
        QVERIFY(saveAs->setFolder(target));
        QTest::mouseClick(saveAs->cancelButton(), Qt::LeftButton);
        QVERIFY(QDir(target).isEmpty());

        editor.action("mnu_save_as")->trigger();
        QTest::mouseClick(saveAs->confirmButton(), Qt::LeftButton);
        const QString title =
            QStringLiteral("Quillon : ") + target + QStringLiteral("KOREQUIP.EQP");
        QCOMPARE(window.windowTitle(), title);
        QCOMPARE(fileBytes(platform::findNoCase(target, QStringLiteral("korequip.eqp"))),
                 fileBytes(editor.equipmentFile()));
        QVERIFY(backups(target).isEmpty());

        // A save-as that cannot write leaves Save on the folder it had.
        editor.dialogs.clear();
        editor.action("mnu_save_as")->trigger();
        QVERIFY(saveAs->setFolder(editor.game.root()));
        {
            FolderGone away(editor.game.root());
            QTest::mouseClick(saveAs->confirmButton(), Qt::LeftButton);
        }
        QVERIFY(editor.dialogs.informed.first().startsWith(CannotFindFolder));
        QCOMPARE(window.state().EquipmentFolder, target);
        QCOMPARE(window.windowTitle(), title);
    }

    // Exit and Open ask before leaving a changed file; No leaves it, Yes saves
    // it, and a failed save stops them.
    void leavingAFileAsks_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("saveFails");
        const auto row = [](const char* tag, const char* action, bool changed, bool answer,
                            bool saveFails) {
            QTest::newRow(tag) << QString::fromLatin1(action) << changed << answer << saveFails;
        };
        row("exit unchanged: no question", "mnu_exit", false, false, false);
        row("exit changed, no: nothing saved", "mnu_exit", true, false, false);
        row("exit changed, yes: saved", "mnu_exit", true, true, false);
        row("exit, the save fails: stays", "mnu_exit", true, true, true);
        row("open changed, no: opens", "mnu_open", true, false, false);
        row("open, the save fails: no dialog", "mnu_open", true, true, true);
    }

    void leavingAFileAsks() {
        QFETCH(QString, action);
        QFETCH(bool, changed);
        QFETCH(bool, answer);
        QFETCH(bool, saveFails);
        EditorHarness editor;
        QVERIFY(editor.startOpen());
        MainWindow& window = *editor.window;
        window.state().EquipmentChanged = changed;
        const QByteArray before = fileBytes(editor.equipmentFile());
        editor.dialogs.answers = {answer};
        QSignalSpy ending(&window, &MainWindow::programEnding);
        {
            std::optional<FolderGone> away;
            if (saveFails)
                away.emplace(editor.game.dataFolder());
            window.action(action)->trigger();
        }
        const QString exitQuestion =
            QStringLiteral(
                "The Equipment file has been changed, do you want to save the file before "
                "ending the program?\r\nThe Equipment file will be saved in the following "
                "folder: ") +
            editor.game.dataFolder();
        const QString openQuestion = QStringLiteral(
            "The current equipment file has been changed.  Do you want to save the changes first?");
        const bool exiting = action == QLatin1String("mnu_exit");
        QCOMPARE(editor.dialogs.asked,
                 changed ? QStringList{exiting ? exitQuestion : openQuestion} : QStringList());
        QCOMPARE(ending.count(), exiting && !saveFails ? 1 : 0);
        QCOMPARE(window.isVisible(), !exiting || saveFails);
        QCOMPARE(window.openDialog()->isVisible(), !exiting && !saveFails);
        QCOMPARE(!backups(editor.game.dataFolder()).isEmpty(), answer && !saveFails);
        if (saveFails) {
            QVERIFY(editor.dialogs.informed.first().startsWith(CannotFindFolder));
            QVERIFY(window.state().EquipmentChanged);
            QCOMPARE(fileBytes(editor.equipmentFile()), before);
        }
    }
};

QTEST_MAIN(TestMainWindowFiles)
#include "test_mainwindow_files.moc"
