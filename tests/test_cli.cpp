#include "gamedata/Graphics.h"
#include "gamedata/TextLists.h"
#include "i18n/Messages.h"
#include "platform/Files.h"
#include "samplegame/SampleGame.h"
#include "shell/EditorState.h"
#include "shell/GameFolderCheck.h"
#include "support/CoreTestSupport.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;
using namespace quillon::testing;
using platform::writeWholeFile;

class CliTest : public QObject {
    Q_OBJECT
    QTemporaryDir temp;
    QString game;
    QString units;       // the game's data folder with 20 units
    EditorState checked; // the sample game as the editor sees it

    QString freshFolder(const QString& name) {
        const QString folder = temp.filePath(name) + "/";
        QDir().mkpath(folder);
        return folder;
    }

private slots:
    void initTestCase() {
        game = temp.path() + "/game/";
        QVERIFY(samplegame::WriteSampleGame(game, {.units = 20, .icons = 5, .sounds = 2}));
        checked.GameFolder = game;
        QVERIFY(CheckGameFolder(checked).isEmpty());
        units = checked.DataFolder;
    }

    void exportThenImportReproducesTheFiles() {
        const QString table = temp.filePath("units.tsv");
        QCOMPARE(RunCli({"export", units, "-o", table}).exitCode, 0);
        const QByteArray text = Bytes(table);
        QCOMPARE(RunCli({"export", units}).out, text);
        const QList<QByteArray> lines = text.split('\n');
        QCOMPARE(lines.size(), 22); // heading, 20 units, nothing after the last CR LF
        QCOMPARE(lines[1].count('\t'), 73);
        QVERIFY(lines[0].startsWith("Unit No.\tUnit Name\t") && lines[1].startsWith(" 0\t"));

        const QString copy = freshFolder("copy");
        const CliRun imported = RunCli({"import", copy, table});
        QCOMPARE(imported.exitCode, 0);
        QCOMPARE(Bytes(copy + "KorEquip.EQP"), Bytes(units + "KorEquip.EQP"));
        QCOMPARE(Bytes(copy + "KorEquip.TXT"), Bytes(units + "KorEquip.TXT"));
    }

    // Names become cells: blanks around them trimmed, a TAB of their own a
    // blank, Windows-1252 kept.
    void exportWritesNamesAsCells() {
        const QString folder = freshFolder("names");
        QVERIFY(samplegame::WriteEquipmentFiles(folder, 2));
        QVERIFY(writeWholeFile(folder + "KorEquip.TXT", "  Pz\tIV \xe9\x80 \r\nTiger\r\n"));
        const QList<QByteArray> lines = RunCli({"export", folder}).out.split('\n');
        QCOMPARE(lines.value(1).split('\t').value(1), QByteArray("Pz IV \xe9\x80"));
        QCOMPARE(lines.value(2).split('\t').value(1), QByteArray("Tiger"));
    }

    // Rows without heading, in another order, with LF line ends; unit 1
    // renamed with a Move of 40.
    void editedTableIsSavedWithCorrections() {
        const QString folder = freshFolder("edited");
        QVERIFY(samplegame::WriteEquipmentFiles(folder, 3, 4));
        const QByteArray before = Bytes(folder + "KorEquip.EQP");
        QList<QByteArray> lines = RunCli({"export", folder}).out.replace('\r', "").split('\n');
        lines.removeFirst();
        std::swap(lines[0], lines[2]);
        QList<QByteArray> unit1 = lines[1].split('\t');
        unit1[1] = "  Renamed  ";
        unit1[21] = "40";
        lines[1] = unit1.join('\t');
        const QString table = temp.filePath("edited.tsv");
        QVERIFY(writeWholeFile(table, lines.join('\n')));

        const CliRun imported = RunCli({"import", folder, table});
        QCOMPARE(imported.exitCode, 0);
        QVERIFY(
            imported.out.contains(QDir::toNativeSeparators(folder + "OLD_KorEquip.EQP").toUtf8()));
        QCOMPARE(Bytes(folder + "OLD_KorEquip.EQP"), before);
        const QByteArray eqp = Bytes(folder + "KorEquip.EQP");
        QCOMPARE(int(eqp[2 + 168 + 19]), 31);
        QCOMPARE(eqp.mid(2 + 2 * 168), before.mid(2 + 2 * 168));
        QCOMPARE(Bytes(folder + "KorEquip.TXT").split('\n').value(1), QByteArray("Renamed\r"));
    }

    // %U: the units folder, %M: a missing path, %T: a table, %E: a table without units.
    void exitStatus_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("no command") << QStringList{} << 2;
        QTest::newRow("unknown command") << QStringList{"frobnicate"} << 2;
        QTest::newRow("export without folder") << QStringList{"export"} << 2;
        QTest::newRow("unknown option") << QStringList{"export", "%U", "--bogus"} << 2;
        QTest::newRow("option without value") << QStringList{"export", "%U", "-o"} << 2;
        QTest::newRow("import without file") << QStringList{"import", "%U"} << 2;
        QTest::newRow("export of a folder without files") << QStringList{"export", "%M"} << 1;
        QTest::newRow("export to a folder path") << QStringList{"export", "%U", "-o", "%U"} << 1;
        QTest::newRow("import of a missing table") << QStringList{"import", "%U", "%M/t"} << 1;
        QTest::newRow("import into a missing folder") << QStringList{"import", "%M", "%T"} << 1;
        QTest::newRow("import of an empty table") << QStringList{"import", "%U", "%E"} << 1;
    }
    void exitStatus() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        const QString table = temp.filePath("status.tsv"), empty = temp.filePath("empty.tsv");
        QVERIFY(writeWholeFile(table, RunCli({"export", units}).out));
        QVERIFY(writeWholeFile(empty, "Unit No.\tUnit Name\r\n"));
        const QMap<QString, QByteArray> before = FolderBytes(units);
        for (QString& arg : args) {
            arg.replace("%U", units).replace("%M", temp.filePath("missing"));
            arg.replace("%T", table).replace("%E", empty);
        }
        const CliRun result = RunCli(args);
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY(!result.err.isEmpty());
        QCOMPARE(FolderBytes(units), before);
        QVERIFY(!QFileInfo::exists(temp.filePath("missing")));
    }

    void infoReportsWhatTheCheckFinds_data() {
        QTest::addColumn<QString>("removed"); // "-": no game folder at all
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("outLine");
        QTest::addColumn<QString>("errText");
        QTest::newRow("sample game") << QString() << 0 << "Unit icons: 5" << QString();
        QTest::newRow("ext.idx missing")
            << "data/ext.idx" << 1 << QString("Sound files: %1").arg(checked.soundFiles.size())
            << "@missing";
        QTest::newRow("no game folder")
            << "-" << 1 << "Sound files: 0" << English(i18n::msg::GameFolderNotFound);
    }
    void infoReportsWhatTheCheckFinds() {
        QFETCH(QString, removed);
        QFETCH(int, exitCode);
        QFETCH(QString, outLine);
        QFETCH(QString, errText);
        QTemporaryDir copy;
        QString folder = removed == "-" ? copy.path() + "/nothing/" : game;
        if (!removed.isEmpty() && removed != "-") {
            folder = copy.path() + "/";
            QVERIFY(samplegame::WriteSampleGame(folder, {.units = 20, .icons = 5, .sounds = 2}));
            QVERIFY(QFile::remove(folder + removed));
            errText = MissingDataFileMessage(checked, folder + removed).replace("\r\n", "\n");
        }
        const CliRun run = RunCli({"info", "--game", folder});
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(QString(run.out).split('\n').contains(outLine), run.out.constData());
        QVERIFY2(errText.isEmpty() ? run.err.isEmpty() : QString(run.err).contains(errText),
                 run.err.constData());
    }

    void iconWritesPng_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("scale"); // of unit icon 2
        QTest::newRow("icon 2 scaled") << QStringList{"2", "--scale", "4"} << 0 << 4;
        QTest::newRow("beyond the last icon") << QStringList{"5"} << 1 << -1;
    }
    void iconWritesPng() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(int, scale);
        const QString png = temp.path() + "/out.png";
        QFile::remove(png);
        QCOMPARE(RunCli(QStringList{"icon"} + arguments + QStringList{"-o", png, "--game", game})
                     .exitCode,
                 exitCode);
        const QImage written(png);
        QCOMPARE(written.isNull(), exitCode != 0);
        if (scale > 0) {
            const QImage icon =
                gamedata::ShowUnitIcon(checked.DataFolder, checked.graphics, 2).image;
            QCOMPARE(written.size(), icon.size() * scale);
            QCOMPARE(written.pixel(scale * (icon.width() - 1), scale * (icon.height() - 1)),
                     icon.pixel(icon.width() - 1, icon.height() - 1));
        }
    }

    // Descriptions travel through the 75th column with their units, also
    // when the rows come back in another order.
    void descriptionsRoundTripThroughTheTable() {
        const QString table = temp.path() + "/units.tsv";
        QCOMPARE(
            RunCli({"export", checked.DataFolder, "--game", game, "--descriptions", "-o", table})
                .exitCode,
            0);
        QList<QByteArray> lines = Bytes(table).split('\n');
        QVERIFY(lines[0].endsWith("\tDescription\r"));
        QVERIFY(lines[4].endsWith('\t' + checked.LongDescriptions[3].toLatin1() + '\r'));
        lines[4] = lines[4].left(lines[4].lastIndexOf('\t')) + "\tRebuilt in the north\r";
        std::swap(lines[4], lines[9]);
        QVERIFY(platform::writeWholeFile(table, lines.join('\n')));

        const QString mine = temp.path() + "/mine/";
        QVERIFY(QDir().mkpath(mine));
        QCOMPARE(RunCli({"import", mine, table, "--game", game}).exitCode, 0);
        gamedata::GameIndex index;
        gamedata::ReadPfpIndex(Bytes(mine + "PFPDATA.IDX"), index);
        gamedata::TextLists lists;
        QStringList saved;
        gamedata::LoadTextLists(Bytes(mine + "TXT.PFP"), index, lists, saved);
        QStringList expected = checked.LongDescriptions.mid(0, 20);
        expected[3] = "Rebuilt in the north";
        QCOMPARE(saved.mid(0, 20), expected);
    }

    // Without the game's data neither command writes descriptions; import
    // still saves the equipment files.
    void descriptionsNeedGameData_data() {
        QTest::addColumn<bool>("import");
        QTest::newRow("export") << false;
        QTest::newRow("import") << true;
    }
    void descriptionsNeedGameData() {
        QFETCH(bool, import);
        QTemporaryDir work;
        const QString table = work.path() + "/units.tsv", target = work.path() + "/";
        QStringList arguments{"export", checked.DataFolder, "--descriptions", "-o", table};
        if (import) {
            QCOMPARE(RunCli(arguments + QStringList{"--game", game}).exitCode, 0);
            arguments = QStringList{"import", target, table};
        }
        const CliRun run = RunCli(arguments + QStringList{"--game", work.path() + "/nowhere/"});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(QString(run.err).contains(English(i18n::msg::GameFolderNotFound)),
                 run.err.constData());
        QCOMPARE(platform::fileExists(table), import);
        QCOMPARE(platform::fileExists(target + "KorEquip.EQP"), import);
        QVERIFY(!platform::fileExists(target + "TXT.PFP"));
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "test_cli.moc"
