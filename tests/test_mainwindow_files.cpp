// End-to-end tests of saving and ending in the real editor window: Save,
// Save As, the questions before opening another file and before exit.
#include "datasheet/CellNumber.h"
#include "platform/Files.h"
#include "shell/ui/FolderDialogs.h"
#include "support/EditorHarness.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace quillon;
using quillon::testing::EditorHarness;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The editor on a ten-unit sample game, with that game's folder opened.
struct OpenEditor : EditorHarness {
    OpenEditor() : EditorHarness(10) {
        ok = game.isValid() && game.writeConfiguration(QStringLiteral("uk"));
        if (!ok)
            return;
        start();
        ok = openDataFolder();
    }
    QString equipmentFile() const { return game.dataFolder() + QStringLiteral("KorEquip.EQP"); }
    bool ok = false;
};

// Takes the folder away for a while (a drive unplugged), so that a save
// into it fails whoever runs the test.
struct FolderGone {
    explicit FolderGone(const QString& path) : path_(QDir::cleanPath(path)) {
        QDir().rename(path_, path_ + QStringLiteral(".away"));
    }
    ~FolderGone() { QDir().rename(path_ + QStringLiteral(".away"), path_); }
    QString path_;
};

} // namespace

class TestMainWindowFiles : public QObject {
    Q_OBJECT
private slots:
    void saveWritesSortedCorrectedUnits();
    void saveAsWritesIntoTheNewFolder();
    void exitAsksOnlyAfterChanges_data();
    void exitAsksOnlyAfterChanges();
    void exitStaysWhenTheAskedSaveFails();
    void openAsksToSaveFirst();
    void openingAFolderWithoutEquipmentFilesKeepsTheDatasheet();
};

void TestMainWindowFiles::saveWritesSortedCorrectedUnits() {
    OpenEditor editor;
    QVERIFY(editor.ok);
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
    QVERIFY(summary.endsWith(QStringLiteral(
        "All these files has to be distributed, to implement all changes made to your E-file.")));
    QVERIFY(!window.state().EquipmentChanged);
    // Rows back in unit order, the corrected cell, the same unit current.
    for (int row = 1; row < sheet.rows(); ++row)
        QCOMPARE(CellNumber(editor.cell(row, 0)), double(row - 1));
    QCOMPARE(editor.cell(4, 21), QStringLiteral(" 31"));
    QCOMPARE(editor.cell(sheet.row(), 0).trimmed(), currentUnit.trimmed());
    // On disk: the previous file kept as OLD_, the new one the same size.
    QDir data(editor.game.dataFolder());
    QStringList backups = data.entryList({QStringLiteral("OLD_*")}, QDir::Files);
    QVERIFY2(backups.size() >= 2, qPrintable(backups.join(QLatin1Char(','))));
    const QString eqpBackup = *std::find_if(backups.begin(), backups.end(), [](const QString& n) {
        return n.endsWith(QStringLiteral(".eqp"), Qt::CaseInsensitive);
    });
    QCOMPARE(fileBytes(data.filePath(eqpBackup)), original);
    const QByteArray saved = fileBytes(editor.equipmentFile());
    QCOMPARE(saved.size(), 2 + 168 * 10);
    QCOMPARE(saved.left(2), QByteArray("\x0a\x00", 2));
    QVERIFY(saved != original);
}

void TestMainWindowFiles::saveAsWritesIntoTheNewFolder() {
    OpenEditor editor;
    QVERIFY(editor.ok);
    MainWindow& window = *editor.window;
    const QString target = editor.game.root() + QStringLiteral("copy/");
    QVERIFY(QDir().mkpath(target));
    editor.action("mnu_save_as")->trigger();
    SaveAsDialog* saveAs = window.saveAsDialog();
    QVERIFY(saveAs->isVisible());
    QVERIFY(saveAs->setFolder(target));
    QTest::mouseClick(saveAs->cancelButton(), Qt::LeftButton);
    QVERIFY(QDir(target).isEmpty());
    QCOMPARE(window.state().EquipmentFolder, editor.game.dataFolder());

    editor.action("mnu_save_as")->trigger();
    QTest::mouseClick(saveAs->confirmButton(), Qt::LeftButton);
    QCOMPARE(window.windowTitle(),
             QStringLiteral("Quillon : ") + target + QStringLiteral("KOREQUIP.EQP"));
    QCOMPARE(window.state().EquipmentFolder, target);
    QCOMPARE(fileBytes(platform::findNoCase(target, QStringLiteral("korequip.eqp"))),
             fileBytes(editor.equipmentFile()));
    // Nothing was there before, so no backups are listed.
    QVERIFY(!editor.dialogs.informed.first().contains(QStringLiteral("OLD_Korequip")));

    // A save-as that cannot write leaves Save on the folder it had.
    const QString title = window.windowTitle();
    editor.dialogs.clear();
    editor.action("mnu_save_as")->trigger();
    QVERIFY(saveAs->setFolder(editor.game.root()));
    {
        FolderGone away(editor.game.root());
        QTest::mouseClick(saveAs->confirmButton(), Qt::LeftButton);
    }
    QVERIFY(editor.dialogs.informed.first().startsWith(QStringLiteral("Cannot find the folder: ")));
    QCOMPARE(window.state().EquipmentFolder, target);
    QCOMPARE(window.windowTitle(), title);
}

void TestMainWindowFiles::exitAsksOnlyAfterChanges_data() {
    QTest::addColumn<bool>("changed");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("savedFiles");
    QTest::newRow("unchanged: no question") << false << false << false;
    QTest::newRow("changed, no: nothing saved") << true << false << false;
    QTest::newRow("changed, yes: saved") << true << true << true;
}

void TestMainWindowFiles::exitAsksOnlyAfterChanges() {
    QFETCH(bool, changed);
    QFETCH(bool, answer);
    QFETCH(bool, savedFiles);
    OpenEditor editor;
    QVERIFY(editor.ok);
    MainWindow& window = *editor.window;
    window.state().EquipmentChanged = changed;
    editor.dialogs.answers = {answer};
    QSignalSpy ending(&window, &MainWindow::programEnding);
    editor.action("mnu_exit")->trigger();

    QCOMPARE(ending.count(), 1);
    QVERIFY(!window.isVisible());
    if (changed)
        QCOMPARE(editor.dialogs.asked,
                 QStringList{QStringLiteral("The Equipment file has been changed, do you want to "
                                            "save the file before ending the program?\r\nThe "
                                            "Equipment file will be saved in the following "
                                            "folder: ") +
                             editor.game.dataFolder()});
    else
        QVERIFY(editor.dialogs.asked.isEmpty());
    const QStringList backups =
        QDir(editor.game.dataFolder()).entryList({QStringLiteral("OLD_*")}, QDir::Files);
    QCOMPARE(!backups.isEmpty(), savedFiles);
}

void TestMainWindowFiles::exitStaysWhenTheAskedSaveFails() {
    OpenEditor editor;
    QVERIFY(editor.ok);
    MainWindow& window = *editor.window;
    window.state().EquipmentChanged = true;
    const QByteArray before = fileBytes(editor.equipmentFile());
    editor.dialogs.answers = {true};
    QSignalSpy ending(&window, &MainWindow::programEnding);
    {
        FolderGone away(editor.game.dataFolder());
        editor.action("mnu_exit")->trigger();
    }
    QVERIFY(editor.dialogs.informed.first().startsWith(QStringLiteral("Cannot find the folder: ")));
    QCOMPARE(ending.count(), 0);
    QVERIFY(window.isVisible());
    QVERIFY(window.state().EquipmentChanged);
    QCOMPARE(fileBytes(editor.equipmentFile()), before);
}

void TestMainWindowFiles::openAsksToSaveFirst() {
    OpenEditor editor;
    QVERIFY(editor.ok);
    MainWindow& window = *editor.window;
    window.state().EquipmentChanged = true;
    const QString question = QStringLiteral(
        "The current equipment file has been changed.  Do you want to save the changes first?");
    editor.dialogs.answers = {false};
    editor.action("mnu_open")->trigger();
    QCOMPARE(editor.dialogs.asked, QStringList{question});
    QVERIFY(window.openDialog()->isVisible());
    QVERIFY(editor.dialogs.informed.isEmpty());
    window.openDialog()->hide();

    // Yes, but the save fails: the open dialog does not come.
    editor.dialogs.clear();
    editor.dialogs.answers = {true};
    {
        FolderGone away(editor.game.dataFolder());
        editor.action("mnu_open")->trigger();
    }
    QVERIFY(editor.dialogs.informed.first().startsWith(QStringLiteral("Cannot find the folder: ")));
    QVERIFY(!window.openDialog()->isVisible());
    QVERIFY(window.state().EquipmentChanged);
}

void TestMainWindowFiles::openingAFolderWithoutEquipmentFilesKeepsTheDatasheet() {
    OpenEditor editor;
    QVERIFY(editor.ok);
    MainWindow& window = *editor.window;
    const QString title = window.windowTitle();
    const QString empty = editor.game.root() + QStringLiteral("empty/");
    QVERIFY(QDir().mkpath(empty));
    QVERIFY(editor.openFolder(empty));
    QCOMPARE(editor.dialogs.informed.size(), 1);
    QCOMPARE(window.state().datasheet.rows(), 11);
    QVERIFY(!editor.cell(1, 1).isEmpty());
    QCOMPARE(window.windowTitle(), title);
    QCOMPARE(window.state().EquipmentFolder, editor.game.dataFolder());
}

QTEST_MAIN(TestMainWindowFiles)
#include "test_mainwindow_files.moc"
