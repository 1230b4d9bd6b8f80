// End-to-end tests of the editor window's start-up, setup dialog and
// languages, on a sample game in a temporary folder.
#include "datasheet/ui/DatasheetView.h"
#include "shell/ui/FolderBrowser.h"
#include "shell/ui/FolderDialogs.h"
#include "shell/ui/SetupDialog.h"
#include "support/EditorHarness.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace quillon;
using quillon::testing::EditorHarness;
using quillon::testing::fileBytes;

namespace {

QString menuTitle(MainWindow& window, const char* name) {
    return window.findChild<QMenu*>(QString::fromLatin1(name))->title();
}

} // namespace

class TestMainWindowStartup : public QObject {
    Q_OBJECT
private slots:
    void startsWithAConfiguration_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("storedCode");
        QTest::addColumn<QString>("fileMenu");
        const auto row = [](const char* tag, const char* code, const char* stored,
                            const char* menu) {
            QTest::newRow(tag) << QString::fromLatin1(code) << QString::fromLatin1(stored)
                               << QString::fromLatin1(menu);
        };
        row("english", "uk", "uk", "&File");
        row("german, capitals", "DEU", "deu", "&Datei");
        row("unknown is english", "es", "uk", "&File");
    }

    void startsWithAConfiguration() {
        QFETCH(QString, code);
        EditorHarness editor;
        QVERIFY(editor.game.writeConfiguration(code));
        QGuiApplication::clipboard()->setText(QStringLiteral("left over"));
        MainWindow& window = editor.start();
        QVERIFY(window.isVisible());
        QVERIFY(!window.setupDialog()->isVisible());
        QVERIFY(editor.dialogs.informed.isEmpty());
        QTEST(window.state().LanguageCode, "storedCode");
        QTEST(menuTitle(window, "mnu_file"), "fileMenu");
        QVERIFY(!window.datasheetShown());
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
        for (const char* on : {"mnu_open", "mnu_copy", "mnu_paste", "mnu_folders"})
            QVERIFY2(editor.enabled(on), on);
        for (const char* off :
             {"mnu_save", "mnu_save_as", "mnu_ins_after", "del_unit", "mnu_spread"})
            QVERIFY2(!editor.enabled(off), off);
        // Without a file there is nothing to undo, whatever is typed.
        QTest::keyClicks(window.findChild<QLineEdit*>(QStringLiteral("Text4")),
                         QStringLiteral("7"));
        QVERIFY(!window.findChild<QPushButton*>(QStringLiteral("Command3"))->isEnabled());
    }

    // The setup dialog at start-up: alone on a first start, after one message
    // when ext.idx is missing. Cancelling ends only the first start.
    void cancellingSetup_data() {
        QTest::addColumn<bool>("configured");
        QTest::newRow("first start: the program ends") << false;
        QTest::newRow("ext.idx missing: back to the window") << true;
    }

    void cancellingSetup() {
        QFETCH(bool, configured);
        EditorHarness editor;
        if (configured) {
            QVERIFY(editor.game.writeConfiguration(QStringLiteral("deu")));
            QVERIFY(QFile::remove(editor.game.dataFolder() + QStringLiteral("ext.idx")));
        }
        MainWindow& window = editor.start();
        QVERIFY(window.setupDialog()->isVisible());
        QCOMPARE(window.isVisible(), configured);
        // The first start shows the texts of every later one.
        QCOMPARE(window.setupDialog()->windowTitle(),
                 QStringLiteral("Quillon - Setup Information."));
        QCOMPARE(window.setupDialog()->findChild<QRadioButton*>(QStringLiteral("Option2"))->text(),
                 QStringLiteral("Deutsch"));
        if (configured) { // exactly one message, then the setup dialog
            QCOMPARE(editor.dialogs.informed.size(), 1);
            QVERIFY(editor.dialogs.informed[0].contains(QStringLiteral("ext.idx")));
            editor.dialogs.clear();
        }
        QSignalSpy ending(&window, &MainWindow::programEnding);
        QTest::mouseClick(window.setupDialog()->cancelButton(), Qt::LeftButton);
        QVERIFY(!window.setupDialog()->isVisible());
        QCOMPARE(ending.count(), configured ? 0 : 1);
        QCOMPARE(editor.dialogs.informed,
                 configured ? QStringList()
                            : QStringList{QStringLiteral("This will end the program.")});
        QCOMPARE(QFile::exists(editor.game.configurationPath()), configured);
        if (!configured)
            return;
        // Working without the game's index: a save says the descriptions were not written.
        QVERIFY(editor.openDataFolder());
        editor.dialogs.clear();
        editor.action("mnu_save")->trigger();
        QCOMPARE(editor.dialogs.informed.size(), 2);
        QVERIFY(editor.dialogs.informed[1].startsWith(
            QStringLiteral("Die Einheitenbeschreibungen wurden nicht gespeichert")));
    }

    void setupConfirm_data() {
        QTest::addColumn<bool>("configured");
        QTest::addColumn<bool>("gameFolder"); // else the data folder, without KORVATH.EXE
        QTest::newRow("first start, German: written and reloaded") << false << true;
        QTest::newRow("no game in the folder: refused, ini untouched") << true << false;
    }

    void setupConfirm() {
        QFETCH(bool, configured);
        QFETCH(bool, gameFolder);
        EditorHarness editor;
        if (configured)
            QVERIFY(editor.game.writeConfiguration(QStringLiteral("uk")));
        MainWindow& window = editor.start();
        const QByteArray before = fileBytes(editor.game.configurationPath());
        if (configured)
            editor.action("mnu_folders")->trigger();
        SetupDialog* setup = window.setupDialog();
        QString typed = gameFolder ? editor.game.gameFolder() : editor.game.dataFolder();
        typed.chop(1); // without the final separator
        setup->setFolderText(QStringLiteral("  ") + typed);
        setup->findChild<QRadioButton*>(QStringLiteral("Option2"))->click();
        // Enter in the folder field is "Use".
        QTest::keyClick(setup->findChild<QLineEdit*>(QStringLiteral("Text1")), Qt::Key_Return);

        const QString ini = QString::fromLatin1(fileBytes(editor.game.configurationPath()));
        QCOMPARE(setup->isVisible(), !gameFolder);
        if (!gameFolder) {
            QCOMPARE(editor.dialogs.informed,
                     QStringList{QStringLiteral("Cannot find 'Korvath Gamefolder'")});
            QCOMPARE(ini.toLatin1(), before);
            return;
        }
        QVERIFY2(ini.contains(QStringLiteral("nationalit=deu\r\n")), qPrintable(ini));
        QVERIFY(ini.contains(QStringLiteral("gamefolder=") + editor.game.gameFolder() +
                             QStringLiteral("\r\n")));
        QVERIFY(window.isVisible());
        QCOMPARE(menuTitle(window, "mnu_file"), QStringLiteral("&Datei"));
        QCOMPARE(window.openDialog()->windowTitle(), QStringLiteral("EQP-Datei suchen"));
        QVERIFY(editor.dialogs.informed.isEmpty());
    }

    void locateDialogShowsOnlyTheGameExecutable() {
        EditorHarness editor;
        MainWindow& window = editor.start();
        // Other spellings of the executable are still the executable.
        QFile::rename(editor.game.gameFolder() + QStringLiteral("KORVATH.EXE"),
                      editor.game.gameFolder() + QStringLiteral("Korvath.exe"));
        QFile other(editor.game.gameFolder() + QStringLiteral("readme.txt"));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.close();
        window.setupDialog()->setFolderText(QStringLiteral("unchanged"));
        LocateGameDialog* locate = window.locateGameDialog();
        QTest::mouseDClick(window.setupDialog()->findChild<QLineEdit*>(QStringLiteral("Text1")),
                           Qt::LeftButton);
        QVERIFY(locate->isVisible());
        QVERIFY(locate->setFolder(editor.game.gameFolder()));
        QCOMPARE(locate->browser()->fileNames(), QStringList{QStringLiteral("Korvath.exe")});
        QTest::mouseClick(locate->cancelButton(), Qt::LeftButton);
        QCOMPARE(window.setupDialog()->folderText(), QStringLiteral("unchanged"));
        locate->show();
        QTest::mouseClick(locate->confirmButton(), Qt::LeftButton);
        QCOMPARE(window.setupDialog()->folderText() + QLatin1Char('/'), editor.game.gameFolder());
    }

    void f2TogglesTooltipsInTheCurrentLanguage() {
        EditorHarness editor;
        QVERIFY(editor.game.writeConfiguration(QStringLiteral("deu")));
        MainWindow& window = editor.start();
        const QString german = window.datasheetView()->toolTip();
        QVERIFY(german.startsWith(QStringLiteral("Mit einem linken Mausklick")));
        editor.action("mnu_tips")->trigger();
        QVERIFY(window.datasheetView()->toolTip().isEmpty());
        QVERIFY(window.openDialog()->confirmButton()->toolTip().isEmpty());
        // Loading applies the language again and keeps them off.
        QVERIFY(editor.openDataFolder());
        QVERIFY(window.datasheetView()->toolTip().isEmpty());
        editor.action("mnu_tips")->trigger();
        QCOMPARE(window.datasheetView()->toolTip(), german);
    }
};

QTEST_MAIN(TestMainWindowStartup)
#include "test_mainwindow_startup.moc"
