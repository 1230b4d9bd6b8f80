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

namespace {

QString fileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

QString menuTitle(MainWindow& window, const char* name) {
    return window.findChild<QMenu*>(QString::fromLatin1(name))->title();
}

} // namespace

class TestMainWindowStartup : public QObject {
    Q_OBJECT
private slots:
    void startsReadyWithAConfiguration();
    void appliesTheConfiguredLanguage_data();
    void appliesTheConfiguredLanguage();
    void withoutConfigurationOnlyTheSetupDialogShows();
    void cancellingTheFirstSetupEndsTheProgram();
    void missingIndexFileLeadsToTheSetupDialog();
    void setupConfirmWritesConfigurationAndReloads();
    void setupRefusesAFolderWithoutTheGame();
    void locateDialogShowsOnlyTheGameExecutable();
    void f2TogglesTooltipsInTheCurrentLanguage();
};

void TestMainWindowStartup::startsReadyWithAConfiguration() {
    EditorHarness editor;
    QVERIFY(editor.game.isValid());
    QVERIFY(editor.game.writeConfiguration(QStringLiteral("uk")));
    QGuiApplication::clipboard()->setText(QStringLiteral("left over"));
    MainWindow& window = editor.start();

    QVERIFY(window.isVisible());
    QVERIFY(!window.setupDialog()->isVisible());
    QVERIFY(editor.dialogs.informed.isEmpty());
    QVERIFY(!window.datasheetShown());
    QCOMPARE(window.windowTitle(), QStringLiteral("Quillon"));
    QVERIFY(window.state().ExtIndexFound && window.state().PfpIndexFound);
    for (const char* on : {"mnu_open", "mnu_exit", "mnu_copy", "mnu_paste", "mnu_folders"})
        QVERIFY2(editor.enabled(on), on);
    for (const char* off :
         {"mnu_save", "mnu_save_as", "mnu_ins_after", "mnu_ins_before", "del_unit", "mnu_spread"})
        QVERIFY2(!editor.enabled(off), off);
    QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
    QCOMPARE(editor.action("mnu_spread")->text(), QStringLiteral("&Toggle Spreadsheet"));
    QCOMPARE(editor.action("mnu_save_as")->shortcut(), QKeySequence(QStringLiteral("Ctrl+A")));
    QCOMPARE(editor.action("mnu_about")->shortcut(), QKeySequence(QStringLiteral("Ctrl+F1")));
}

void TestMainWindowStartup::appliesTheConfiguredLanguage_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("storedCode");
    QTest::addColumn<QString>("fileMenu");
    QTest::addColumn<QString>("nameHeading");
    QTest::addColumn<QString>("setupTitle");
    QTest::newRow("english") << "uk"
                             << "uk"
                             << "File"
                             << "Unit Name"
                             << "Quillon - Setup Information.";
    QTest::newRow("german, capitals") << "DEU"
                                      << "deu"
                                      << "Datei"
                                      << "Einheitenname"
                                      << "Quillon - Setup Information.";
    QTest::newRow("french") << "fra"
                            << "fra"
                            << "Fichier"
                            << "Nom de l'unité"
                            << "Quillon - Informations d'Installation.";
    QTest::newRow("unknown is english") << "es"
                                        << "uk"
                                        << "File"
                                        << "Unit Name"
                                        << "Quillon - Setup Information.";
}

void TestMainWindowStartup::appliesTheConfiguredLanguage() {
    QFETCH(QString, code);
    EditorHarness editor;
    QVERIFY(editor.game.writeConfiguration(code));
    MainWindow& window = editor.start();
    QFETCH(QString, storedCode);
    QCOMPARE(window.state().LanguageCode, storedCode);
    QTEST(menuTitle(window, "mnu_file"), "fileMenu");
    QTEST(window.state().datasheet.cell(0, 1), "nameHeading");
    QTEST(window.setupDialog()->windowTitle(), "setupTitle");
    // Texts outside the tables stay as designed.
    QCOMPARE(menuTitle(window, "mnu_setup"), QStringLiteral("Setup"));
    QCOMPARE(editor.action("mnu_tips")->text(), QStringLiteral("Toggle Tooltiptexts"));
}

void TestMainWindowStartup::withoutConfigurationOnlyTheSetupDialogShows() {
    EditorHarness editor;
    MainWindow& window = editor.start();
    QVERIFY(!window.state().ConfigLoaded);
    QVERIFY(!window.isVisible());
    QVERIFY(window.setupDialog()->isVisible());
    QVERIFY(window.setupDialog()->isModal());
    QVERIFY(editor.dialogs.informed.isEmpty());
    QVERIFY(!QFile::exists(editor.game.configurationPath()));
}

void TestMainWindowStartup::cancellingTheFirstSetupEndsTheProgram() {
    EditorHarness editor;
    MainWindow& window = editor.start();
    QSignalSpy ending(&window, &MainWindow::programEnding);
    QTest::mouseClick(window.setupDialog()->cancelButton(), Qt::LeftButton);
    QCOMPARE(editor.dialogs.informed, QStringList{QStringLiteral("This will end the program.")});
    QCOMPARE(ending.count(), 1);
    QVERIFY(!window.setupDialog()->isVisible());
    QVERIFY(!QFile::exists(editor.game.configurationPath()));
}

void TestMainWindowStartup::missingIndexFileLeadsToTheSetupDialog() {
    EditorHarness editor;
    QVERIFY(editor.game.writeConfiguration(QStringLiteral("deu")));
    QVERIFY(QFile::remove(editor.game.dataFolder() + QStringLiteral("ext.idx")));
    MainWindow& window = editor.start();
    QCOMPARE(editor.dialogs.informed.size(), 1);
    QVERIFY(editor.dialogs.informed[0].contains(QStringLiteral("ext.idx")));
    QVERIFY(window.isVisible());
    QVERIFY(window.setupDialog()->isVisible());
    QCOMPARE(window.setupDialog()->selectedLanguage(), i18n::Language::English);
    // Cancelling with a configuration only closes the dialog.
    QSignalSpy ending(&window, &MainWindow::programEnding);
    QTest::mouseClick(window.setupDialog()->cancelButton(), Qt::LeftButton);
    QCOMPARE(ending.count(), 0);
    QVERIFY(!window.setupDialog()->isVisible());
}

void TestMainWindowStartup::setupConfirmWritesConfigurationAndReloads() {
    EditorHarness editor;
    MainWindow& window = editor.start();
    SetupDialog* setup = window.setupDialog();
    QString typed = editor.game.gameFolder();
    typed.chop(1); // without the final separator
    setup->setFolderText(QStringLiteral("  ") + typed);
    setup->findChild<QRadioButton*>(QStringLiteral("Option2"))->click();
    QTest::mouseClick(setup->useButton(), Qt::LeftButton);

    const QString ini = fileText(editor.game.configurationPath());
    QVERIFY2(ini.contains(QStringLiteral("nationalit=deu\r\n")), qPrintable(ini));
    QVERIFY(ini.contains(QStringLiteral("gamefolder=") + editor.game.gameFolder() +
                         QStringLiteral("\r\n")));
    QVERIFY(window.state().PfpIndexFound);
    QVERIFY(window.isVisible());
    QVERIFY(!setup->isVisible());
    QCOMPARE(menuTitle(window, "mnu_file"), QStringLiteral("Datei"));
    QCOMPARE(window.openDialog()->windowTitle(), QStringLiteral("EQP-Datei suchen"));
    QVERIFY(editor.dialogs.informed.isEmpty());
}

void TestMainWindowStartup::setupRefusesAFolderWithoutTheGame() {
    EditorHarness editor;
    QVERIFY(editor.game.writeConfiguration(QStringLiteral("uk")));
    MainWindow& window = editor.start();
    const QString before = fileText(editor.game.configurationPath());
    editor.action("mnu_folders")->trigger();
    QVERIFY(window.setupDialog()->isVisible());
    window.setupDialog()->setFolderText(editor.game.dataFolder());
    QTest::mouseClick(window.setupDialog()->useButton(), Qt::LeftButton);
    QCOMPARE(editor.dialogs.informed,
             QStringList{QStringLiteral("Cannot find 'Korvath Gamefolder'")});
    QVERIFY(window.setupDialog()->isVisible());
    QCOMPARE(fileText(editor.game.configurationPath()), before);
}

void TestMainWindowStartup::locateDialogShowsOnlyTheGameExecutable() {
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
    QString expected = editor.game.gameFolder();
    expected.chop(1);
    QCOMPARE(window.setupDialog()->folderText(), expected);
    QVERIFY(!locate->isVisible());
}

void TestMainWindowStartup::f2TogglesTooltipsInTheCurrentLanguage() {
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
    QCOMPARE(editor.action("mnu_tips")->text(), QStringLiteral("Toggle Tooltiptexts"));
}

QTEST_MAIN(TestMainWindowStartup)
#include "test_mainwindow_startup.moc"
