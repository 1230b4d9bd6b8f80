// End-to-end tests of the editor window's start-up, setup dialog and
// languages, on a sample game in a temporary folder.
#include "formview/ui/FormView.h"
#include "i18n/ui/ApplyLanguageUi.h"
#include "platform/Files.h"
#include "shell/ui/FolderBrowser.h"
#include "shell/ui/FolderDialogs.h"
#include "shell/ui/SetupDialog.h"
#include "support/EditorHarness.h"
#include "support/RowFields.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

using namespace quillon;
using namespace Qt::StringLiterals;
using quillon::testing::EditorHarness;
using quillon::testing::fileBytes;

namespace {

QString menuTitle(MainWindow& window, const char* name) {
    return window.findChild<QMenu*>(QString::fromLatin1(name))->title();
}

// The File menu, Open, frame 3, the previous unit button, the last nation
// box, the setup's Use button and title; then the first four words of the
// previous unit button's tooltip, and the soft attack picture's and frame 3's.
QString Texts(MainWindow& window) {
    QWidget* form = window.formView();
    QWidget* setup = window.setupDialog();
    auto* previous = form->findChild<QPushButton*>(u"Command1"_s);
    auto* frame = form->findChild<QGroupBox*>(u"Frame3"_s);
    return QStringList{menuTitle(window, "mnu_file"),
                       window.findChild<QAction*>(u"mnu_open"_s)->text(),
                       frame->title(),
                       previous->text(),
                       form->findChild<QCheckBox*>(u"Check1_31"_s)->text(),
                       setup->findChild<QPushButton*>(u"Command1"_s)->text(),
                       setup->windowTitle(),
                       previous->toolTip().section(u' ', 0, 3),
                       form->findChild<QLabel*>(u"Picture3"_s)->toolTip() + frame->toolTip()}
        .join(u'|');
}
const QHash<QString, QString> LanguageTexts{
    {u"uk"_s, u"&File|&Open|Attack Values|Prev. Unit|Unused|Use|Quillon - Setup Information."
              "|Previous Unit. To scroll|Soft Attack"_s},
    {u"deu"_s, u"&Datei|Ö&ffnen|Angriffswerte|Vorherige Einheit|Nicht benutzt|Anwenden|Quillon - "
               "Setup Information.|Vorherige Einheit. Zum schnellen|Weicher Angriff"_s},
    {u"fra"_s, u"&Fichier|&Ouvrir|Valeurs d'attaque|Unité Précédente|Inemployé|Employer|Quillon - "
               "Informations d'Installation.|Unité précédente. Pour faire|Attaque "
               "anti-personnelle"_s},
};

QImage picture(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

class TestMainWindowStartup : public QObject {
    Q_OBJECT
    // One window for every test: each row starts it again over a new game.
    EditorHarness editor;

private slots:
    void init() {
        QVERIFY(editor.game.reset());
        editor.dialogs.clear();
    }

    // The setup dialog at start-up: alone on a first start, after one message
    // when ext.idx is missing. Cancelling ends only the first start.
    void cancellingSetup_data() {
        // the configured language, none: a first start|the messages' first lines (%D the data
        // folder)
        QTest::addColumn<QString>("row");
        QTest::newRow("first start: the program ends") << u"|This will end the program."_s;
        QTest::newRow("ext.idx missing: back to the window")
            << u"deu|Folgende Datei wurde nicht gefunden:%Dext.idx"_s;
    }

    void cancellingSetup() {
        auto [code, messages] = testing::RowFields<2>();
        const bool configured = !code.isEmpty();
        if (configured) {
            QVERIFY(editor.game.writeConfiguration(code));
            QVERIFY(QFile::remove(editor.game.dataFolder() + u"ext.idx"_s));
        }
        MainWindow& window = editor.restart();
        QVERIFY(window.setupDialog()->isVisible());
        QCOMPARE(window.isVisible(), configured);
        // The first start shows the texts of every later one.
        QCOMPARE(window.setupDialog()->windowTitle() + u'|' +
                     window.setupDialog()->findChild<QRadioButton*>(u"Option2"_s)->text(),
                 "Quillon - Setup Information.|Deutsch");
        QSignalSpy ending(&window, &MainWindow::programEnding);
        QTest::mouseClick(window.setupDialog()->cancelButton(), Qt::LeftButton);
        QVERIFY(!window.setupDialog()->isVisible());
        QCOMPARE(ending.count(), configured ? 0 : 1);
        QCOMPARE(editor.dialogs.informed.join(u'/').section(u"\r\n"_s, 0, 0),
                 messages.replace(u"%D"_s, editor.game.dataFolder()));
        QCOMPARE(QFile::exists(editor.game.configurationPath()), configured);
        if (!configured)
            return;
        // Working without the game's index: a save says the descriptions were not written.
        QVERIFY(editor.openDataFolder());
        editor.dialogs.clear();
        editor.action("mnu_save")->trigger();
        QCOMPARE(editor.dialogs.informed.size(), 2);
        QVERIFY(editor.dialogs.informed[1].startsWith(
            u"Die Einheitenbeschreibungen wurden nicht gespeichert"_s));
    }

    // The setup's choice is remembered for the next start, or the user is
    // told why it cannot be.
    void setupConfirm_data() {
        // where the configuration is: "program" (a file beside it), "read-only" (an installed
        // program's folder) or "blocked" (neither it nor the user's folder can be written)|the
        // folder chosen: the game's or its data folder, without KORVATH.EXE|the game folder's
        // name|the file that holds the choice afterwards|the message (%U the user's folder)
        QTest::addColumn<QString>("row");
        QTest::newRow("first start, read-only program: the user's folder")
            << u"read-only|game|game|user-config/KorEquipEdit.ini"_s;
        QTest::newRow("beside the program: rewritten there")
            << u"program|game|game|program/KorEquipEdit.ini"_s;
        QTest::newRow("no game in the folder: refused, ini untouched")
            << u"program|data|game||Cannot find 'Korvath Gamefolder'"_s;
        QTest::newRow("nowhere to write: told, used for this session")
            << u"blocked|game|game||Folgende Datei kann nicht geschrieben werden: "
               "%UKorEquipEdit.ini"_s;
        QTest::newRow("a folder outside Windows-1252: remembered")
            << u"read-only|game|Łukasz|user-config/KorEquipEdit.ini"_s;
    }

    void setupConfirm() {
        auto [where, chosen, folderName, written, message] = testing::RowFields<5>();
        const bool configured = where == u"program";
        const bool gameFolder = chosen == u"game";
        const QString game = editor.game.root() + folderName + QLatin1Char('/');
        QVERIFY(game == editor.game.gameFolder() || QDir().rename(editor.game.gameFolder(), game));
        const QString program = editor.game.programFolder();
        const auto writable = QFile::permissions(program);
        const auto restore = qScopeGuard([&] { QFile::setPermissions(program, writable); });
        if (configured)
            QVERIFY(editor.game.writeConfiguration(u"uk"_s));
        else // an installed program's folder
            QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
        if (where == u"blocked") // a file where the folder should be
            QVERIFY(platform::writeWholeFile(editor.game.root() + "user-config", "x"));
        MainWindow& window = editor.restart();
        const QByteArray before = fileBytes(editor.game.configurationPath());
        if (configured)
            editor.action("mnu_folders")->trigger();
        SetupDialog* setup = window.setupDialog();
        QString typed = gameFolder ? game : game + u"data/"_s;
        typed.chop(1); // without the final separator
        setup->setFolderText(u"  "_s + typed);
        setup->findChild<QRadioButton*>(u"Option2"_s)->click();
        // Enter in the folder field is "Use".
        QTest::keyClick(setup->findChild<QLineEdit*>(u"Text1"_s), Qt::Key_Return);

        QCOMPARE(setup->isVisible(), !gameFolder);
        QCOMPARE(fileBytes(editor.game.configurationPath()) != before,
                 written.startsWith(u"program/"_s));
        QCOMPARE(editor.dialogs.informed.join(u'/'),
                 message.replace(u"%U"_s, editor.game.userConfigFolder()));
        if (!gameFolder)
            return;
        QVERIFY(window.isVisible());
        QCOMPARE(menuTitle(window, "mnu_file") + u'|' + window.openDialog()->windowTitle(),
                 "&Datei|EQP-Datei suchen");
        if (!written.isEmpty()) {
            // Windows-1252 as ever, UTF-8 behind a byte order mark when it must.
            const QByteArray bytes = fileBytes(editor.game.root() + written);
            const QString ini = bytes.startsWith("\xef\xbb\xbf") ? QString::fromUtf8(bytes.mid(3))
                                                                 : QString::fromLatin1(bytes);
            QVERIFY2(ini.contains(u"nationalit=deu\r\n"_s), qPrintable(ini));
            QVERIFY(ini.contains(u"gamefolder="_s + game + u"\r\n"_s));
        }

        // The next start: straight to the main window, or the setup again.
        editor.dialogs.clear();
        MainWindow& next = editor.restart();
        QCOMPARE(next.setupDialog()->isVisible(), written.isEmpty());
        if (written.isEmpty())
            return;
        QCOMPARE(next.state().GameFolder + u'|' + menuTitle(next, "mnu_file"), game + u"|&Datei"_s);
        QVERIFY(next.state().ExtIndexFound && next.state().PfpIndexFound);
        QVERIFY(editor.dialogs.informed.isEmpty());
    }

    // The locate dialog opens at the folder typed in the setup window, its
    // tree focused, and shows only the game's executable, whatever its
    // spelling. Escape leaves the typed folder; confirming puts its own.
    void locateDialogShowsOnlyTheGameExecutable() {
        MainWindow& window = editor.restart();
        QFile::rename(editor.game.gameFolder() + u"KORVATH.EXE"_s,
                      editor.game.gameFolder() + u"Korvath.exe"_s);
        QVERIFY(platform::writeWholeFile(editor.game.gameFolder() + u"readme.txt"_s, {}));
        const QString data = editor.game.dataFolder();
        window.setupDialog()->setFolderText(data);
        LocateGameDialog* locate = window.locateGameDialog();
        QTest::mouseDClick(window.setupDialog()->findChild<QLineEdit*>(u"Text1"_s), Qt::LeftButton);
        QVERIFY(locate->isVisible());
        QCOMPARE(locate->chosenFolder(), data);
        QCOMPARE(locate->focusWidget(), locate->browser()->folderTree());
        QVERIFY(locate->setFolder(editor.game.gameFolder()));
        QCOMPARE(locate->browser()->fileNames(), QStringList{u"Korvath.exe"_s});
        QTest::keyClick(locate->focusWidget(), Qt::Key_Escape);
        QVERIFY(!locate->isVisible());
        QCOMPARE(window.setupDialog()->folderText(), data);
        locate->show();
        QTest::mouseClick(locate->confirmButton(), Qt::LeftButton);
        QCOMPARE(window.setupDialog()->folderText() + QLatin1Char('/'), editor.game.gameFolder());
    }

    // A start with a configuration, or the first one; with quillon PATH the
    // folder, or one of its equipment files, opened as File > Open does, at
    // a first start once the setup has found the game.
    void startsWithAConfiguration_data() {
        // the configured language, none: a first start|path (%D: the data folder without its
        // separator)|the language used|the message, none if empty
        QTest::addColumn<QString>("row");
        QTest::newRow("english") << u"uk||uk"_s;
        QTest::newRow("german, capitals") << u"DEU||deu"_s;
        QTest::newRow("french") << u"fra||fra"_s;
        QTest::newRow("unknown is english") << u"es||uk"_s;
        QTest::newRow("folder") << u"uk|%D|uk"_s;
        QTest::newRow("its KorEquip.EQP") << u"DEU|%D/KorEquip.EQP|deu"_s;
        QTest::newRow("names file, other case") << u"uk|%D/korequip.txt|uk"_s;
        QTest::newRow("first start: after the setup") << u"|%D/|uk"_s;
        QTest::newRow("another file: refused")
            << u"uk|%D/ext.idx|uk|This is not an equipment file (KorEquip.EQP or KorEquip.TXT): "
               "%D/ext.idx"_s;
        QTest::newRow("missing folder: the load's message")
            << u"uk|%D/gone|uk|I cannot find the file: %D/gone/KorEquip.EQP"_s;
    }
    void startsWithAConfiguration() {
        auto [code, path, storedCode, message] = testing::RowFields<4>();
        QString data = editor.game.dataFolder();
        data.chop(1);
        path.replace(u"%D"_s, data);
        message.replace(u"%D"_s, data);
        if (!code.isEmpty())
            QVERIFY(editor.game.writeConfiguration(code));
        QGuiApplication::clipboard()->setText(u"left over"_s);
        MainWindow& window = editor.restart();
        QVERIFY(window.isVisible() || code.isEmpty());
        QCOMPARE(window.setupDialog()->isVisible(), code.isEmpty());
        if (!path.isEmpty())
            window.OpenAtStart(path);
        if (code.isEmpty()) {
            QVERIFY(!window.state().FileLoaded);
            window.setupDialog()->setFolderText(editor.game.gameFolder());
            QTest::mouseClick(window.setupDialog()->useButton(), Qt::LeftButton);
        }
        QCOMPARE(editor.dialogs.informed.join(u'/'), message);
        QCOMPARE(window.state().LanguageCode, storedCode);
        const bool loaded = !path.isEmpty() && message.isEmpty();
        QCOMPARE(window.state().FileLoaded, loaded);
        QCOMPARE(window.windowTitle(),
                 loaded ? u"Quillon : "_s + data + u"/KorEquip.EQP"_s : u"Quillon"_s);
        QVERIFY(!window.datasheetShown());
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
        QString items; // on (1) or off (0)
        for (const char* item : {"mnu_open", "mnu_copy", "mnu_paste", "mnu_folders", "mnu_save",
                                 "mnu_save_as", "mnu_spread", "mnu_ins_after", "del_unit"})
            items += editor.enabled(item) ? u'1' : u'0';
        QCOMPARE(items, loaded ? "111111100" : "111100000");
        // Without a file there is nothing to undo, whatever is typed.
        QTest::keyClicks(window.findChild<QLineEdit*>(u"Text4"_s), u"7"_s);
        QCOMPARE(window.findChild<QPushButton*>(u"Command3"_s)->isEnabled(), loaded);
        // Each window has its own form's captions and tooltips (the setup's
        // Command1 is not the form's), and keeps them when the main window's
        // are applied again; F2 clears the tooltips, but not the nation names
        // from the game, and brings them back.
        const QString texts = LanguageTexts.value(storedCode);
        QCOMPARE(Texts(window), texts);
        QCOMPARE(editor.action("mnu_ins_after")->text(), "Insert Unit &After"); // in every language
        auto* use = window.setupDialog()->findChild<QPushButton*>(u"Command1"_s);
        const QString useTip = use->toolTip();
        i18n::ApplyCaptions(&window, window.state().language(), u"Form1"_s);
        i18n::ApplyTooltips(&window, window.state().language(), u"Form1"_s);
        QCOMPARE(Texts(window) + use->toolTip(), texts + useTip);
        auto* nation = window.formView()->findChild<QCheckBox*>(u"Check1_0"_s);
        const QString nationTip = nation->toolTip();
        QVERIFY(!nationTip.isEmpty());
        editor.action("mnu_tips")->trigger();
        QCOMPARE(Texts(window).section(u'|', 7) + nation->toolTip(), u'|' + nationTip);
        editor.action("mnu_tips")->trigger();
        QCOMPARE(Texts(window), texts);
        // The main window and the About window show the icon theme's picture.
        const QPixmap icon(u":/icons/48x48/quillon.png"_s);
        QVERIFY(!icon.isNull());
        QCOMPARE(picture(window.windowIcon().pixmap(48)), picture(icon));
        editor.action("mnu_about")->trigger();
        QCOMPARE(picture(window.findChild<QLabel*>(u"picIcon"_s)->pixmap()),
                 picture(QPixmap(u":/icons/64x64/quillon.png"_s)));
    }
};

QTEST_MAIN(TestMainWindowStartup)
#include "test_mainwindow_startup.moc"
