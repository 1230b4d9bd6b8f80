#include "datasheet/Datasheet.h"
#include "gamedata/Graphics.h"
#include "gamedata/IndexFiles.h"
#include "gamedata/TextLists.h"
#include "i18n/Language.h"
#include "i18n/Messages.h"
#include "platform/Files.h"
#include "samplegame/SampleGame.h"
#include "shell/EditorState.h"
#include "shell/GameFolderCheck.h"
#include "support/CoreTestSupport.h"

#include <QDir>
#include <QFile>
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
    // renamed, a CR inside its name, with a Move of 40.
    void editedTableIsSavedWithCorrections() {
        const QString folder = freshFolder("edited");
        QVERIFY(samplegame::WriteEquipmentFiles(folder, 3, 4));
        const QByteArray before = Bytes(folder + "KorEquip.EQP");
        const QList<QByteArray> namesBefore = Bytes(folder + "KorEquip.TXT").split('\n');
        QList<QByteArray> lines = RunCli({"export", folder}).out.replace('\r', "").split('\n');
        lines.removeFirst();
        std::swap(lines[0], lines[2]);
        QList<QByteArray> unit1 = lines[1].split('\t');
        unit1[1] = "  Re\rnamed  "; // a line break in a cell must not move the names
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
        const QList<QByteArray> names = Bytes(folder + "KorEquip.TXT").split('\n');
        QCOMPARE(names.size(), 4); // three lines
        QCOMPARE(names[1], QByteArray("Re named\r"));
        QCOMPARE(names[2], namesBefore[2]);
    }

    // %U: the units folder, %M: a missing path, %T: a table made from the
    // units folder's export as the row's recipe says, %P: equipment files
    // without a description container.
    void exitStatus_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("table"); // how %T is made
        QTest::addColumn<QString>("error"); // stderr begins with it; %T: the table
        const auto row = [](const char* name, const QStringList& args, int code,
                            const QString& table, const QString& error) {
            QTest::newRow(name) << args << code << table << error;
        };
        const QStringList import{"import", "%U", "%T"};
        const QString shape = English(i18n::msg::TableRowShape);
        const QString noFile = English(i18n::msg::CannotFindFile);
        row("no command", {}, 2, "", "usage:");
        row("unknown command", {"frobnicate"}, 2, "", "unknown");
        row("export without folder", {"export"}, 2, "", "export");
        row("unknown option", {"export", "%U", "--bogus"}, 2, "", "unknown option");
        row("option without value", {"export", "%U", "-o"}, 2, "", "-o needs");
        row("import without file", {"import", "%U"}, 2, "", "import");
        row("export of a folder without files", {"export", "%M"}, 1, "", noFile);
        row("export to a folder path", {"export", "%U", "-o", "%U"}, 1, "",
            English(i18n::msg::CannotWriteFile));
        row("import of a missing table", {"import", "%U", "%M/t"}, 1, "", noFile);
        row("import into a missing folder", {"import", "%M", "%T"}, 1, "units",
            English(i18n::msg::CannotFindFolder));
        row("import of a heading alone", import, 1, "heading",
            English(i18n::msg::BadUnitCount, "%T"));
        row("import of five lines of text", import, 1, "text", shape.arg(1).arg(1).arg(74) + "%T");
        row("import of a row of 10 cells", import, 1, "short row",
            shape.arg(5).arg(10).arg(74) + "%T");
        row("import of one row with a description", import, 1, "75 cells",
            shape.arg(7).arg(75).arg(74) + "%T");
        row("import of more rows than units can be", import, 1, "too long",
            English(i18n::msg::TableTooLong, "%T"));
        // Without the game's data no descriptions are written, and so nothing at all.
        const QString noGame = English(i18n::msg::GameFolderNotFound);
        row("export of descriptions without the game",
            {"export", "%U", "--descriptions", "-o", "%M", "--game", "%M"}, 1, "", noGame);
        row("import of descriptions without the game", {"import", "%U", "%T", "--game", "%M"}, 1,
            "descriptions", noGame);
        row("check without folder", {"check"}, 2, "", "check");
        row("check of a folder without files", {"check", "%M"}, 1, "", noFile);
        row("diff of one folder", {"diff", "%U"}, 2, "", "diff");
        row("diff with a folder without files", {"diff", "%U", "%M"}, 1, "", noFile);
        row("diff of descriptions without game data", {"diff", "%U", "%P", "--descriptions"}, 1, "",
            "");
    }
    void exitStatus() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, table);
        QFETCH(QString, error);
        const QString path = temp.filePath("status.tsv");
        QStringList exportArgs{"export", units};
        if (table == "descriptions")
            exportArgs += QStringList{"--descriptions", "--game", game};
        QList<QByteArray> lines = RunCli(exportArgs).out.split('\n');
        if (table == "heading")
            lines = lines.mid(0, 1);
        if (table == "text")
            lines = {"Some notes", "on units", "", "to import", "later"};
        if (table == "short row")
            lines[4] = "1\t2\t3\t4\t5\t6\t7\t8\t9\t10";
        if (table == "75 cells")
            lines[6] = lines[6].chopped(1) + "\tA description\r";
        if (table == "too long")
            lines = QList<QByteArray>(Datasheet::MaxUnits + 1, lines[1]);
        QVERIFY(writeWholeFile(path, lines.join('\n')));
        const QMap<QString, QByteArray> before = FolderBytes(units);
        const QString plain = freshFolder("plain");
        QVERIFY(samplegame::WriteEquipmentFiles(plain, 3));
        for (QString& arg : args) {
            arg.replace("%U", units).replace("%M", temp.filePath("missing"));
            arg.replace("%T", path).replace("%P", plain);
        }
        const CliRun result = RunCli(args);
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY(!result.err.isEmpty());
        QVERIFY2(QString(result.err).startsWith(error.replace("%T", path)), result.err.constData());
        QCOMPARE(FolderBytes(units), before);
        QVERIFY(!QFileInfo::exists(temp.filePath("missing")));
    }

    // Options before the command are the program's, after it the command's.
    void helpAndVersion_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("outText");
        QTest::newRow("--help") << QStringList{"--help"} << 0
                                << "\n  import FOLDER FILE [--game G]\n";
        QTest::newRow("--version: the About window's")
            << QStringList{"--version"} << 0
            << "quillon-cli " + i18n::VersionText().section(' ', 1) + "\n";
        QTest::newRow("-h after a command") << QStringList{"info", "-h"} << 2 << QString();
        QTest::newRow("unknown option before the command")
            << QStringList{"--bogus", "info"} << 2 << QString();
    }
    void helpAndVersion() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, outText);
        const CliRun run = RunCli(args);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(QString(run.out).contains(outText), run.out.constData());
        QCOMPARE(run.err.isEmpty(), exitCode == 0);
    }

    // The editor's setup names the game: the file beside the program first,
    // else the one in the user's configuration folder.
    void gameFolderFromTheEditorsSettings_data() {
        QTest::addColumn<bool>("besideProgram"); // naming a folder without the game
        QTest::addColumn<int>("exitCode");
        QTest::newRow("the user's folder") << false << 0;
        QTest::newRow("beside the program first") << true << 1;
    }
    void gameFolderFromTheEditorsSettings() {
        QFETCH(bool, besideProgram);
        QTemporaryDir dir;
        const QString bin = dir.path() + "/bin/", config = dir.path() + "/config/";
        QVERIFY(QDir().mkpath(bin) && QDir().mkpath(config + "Quillon"));
        QVERIFY(QFile::copy(qEnvironmentVariable("QUILLON_TEST_BINARY_DIR") + "/src/quillon-cli",
                            bin + "quillon-cli"));
        QVERIFY(writeWholeFile(config + "Quillon/KorEquipEdit.ini",
                               "gamefolder=" + game.toUtf8() + "\r\n# end\r\n"));
        if (besideProgram)
            QVERIFY(writeWholeFile(bin + "KorEquipEdit.ini", "gamefolder=" + config.toUtf8()));
        QTEST(RunCli({"info"}, {"XDG_CONFIG_HOME=" + config}, bin + "quillon-cli").exitCode,
              "exitCode");
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

    // The sample game is clean; a copy with a fault seeded into each of its
    // three files reports exactly those (the kinds of fault: test_check).
    void checkReportsExactlyTheSeededFaults() {
        const CliRun clean = RunCli({"check", units, "--game", game});
        QCOMPARE(clean.exitCode, 0);
        QVERIFY2(clean.out.endsWith("\n20 units checked: 0 errors, 0 warnings, 0 notes.\n"),
                 clean.out.constData());

        const QString copy = temp.filePath("seeded") + "/", data = copy + "data/";
        QVERIFY(samplegame::WriteSampleGame(copy, {.units = 20, .icons = 5, .sounds = 2}));
        QByteArray eqp = Bytes(data + "KorEquip.EQP");
        eqp[2 + 168 * 2 + 19] = 40;                                               // Move
        eqp[2 + 168 * 12 + 27] = char(0xFE), eqp[2 + 168 * 12 + 28] = char(0xFF); // U3 -2
        QVERIFY(writeWholeFile(data + "KorEquip.EQP", eqp));
        QList<QByteArray> names = Bytes(data + "KorEquip.TXT").split('\n');
        names[15] = "\r";
        QVERIFY(writeWholeFile(data + "KorEquip.TXT", names.join('\n')));
        QByteArray container = Bytes(data + "txt.pfp");
        gamedata::GameIndex index;
        gamedata::ReadPfpIndex(Bytes(data + "pfpdata.idx"), index);
        container.replace(index.PfpIndex[gamedata::FindPfpEntry(index, "16")].offset, 8,
                          "16.txt\r\n");
        QVERIFY(writeWholeFile(data + "txt.pfp", container));

        const CliRun seeded = RunCli({"check", data, "--game", copy, "--tsv"});
        QCOMPARE(seeded.exitCode, 3);
        QStringList found;
        for (const QByteArray& line : seeded.out.split('\n').mid(1, seeded.out.count('\n') - 1)) {
            const QList<QByteArray> cells = line.split('\t');
            found << cells[0] + ',' + cells[2] + ',' + cells[6];
        }
        QCOMPARE(found, (QStringList{"2,21,out-of-range", "12,28,out-of-range", "15,1,empty-name",
                                     "16,74,placeholder-description"}));
    }

    // An edited copy made through export and import: unit 3's description,
    // unit 5 deleted, unit 8's S.A., a unit inserted after unit 12, unit
    // 15 renamed. Found: change, unit in A, unit in B, column, value in B.
    void diffReportsExactlyTheEdits_data() {
        QTest::addColumn<bool>("edited");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("a folder against itself") << false << QStringList{};
        QTest::newRow("an edited copy")
            << true
            << QStringList{"changed,3,3,74,Rebuilt in the north", "only in A,5,,,",
                           "changed,8,7,3,250", "only in B,,12,,", "changed,15,15,1,Renamed Unit"};
    }
    void diffReportsExactlyTheEdits() {
        QFETCH(bool, edited);
        QFETCH(QStringList, expected);
        QString other = units;
        if (edited) {
            const QByteArray exported =
                RunCli({"export", units, "--game", game, "--descriptions"}).out;
            QList<QList<QByteArray>> rows;
            for (const QByteArray& line : exported.split('\n').mid(1, 20))
                rows.append(line.chopped(1).split('\t'));
            rows[3][74] = "Rebuilt in the north";
            rows[8][3] = "250";
            rows[15][1] = "Renamed Unit";
            QList<QByteArray> inserted = rows[0];
            inserted[0] = "12.5";
            inserted[1] = "Newcomer";
            rows.append(inserted);
            rows.removeAt(5);
            QByteArray table;
            for (const QList<QByteArray>& cells : rows)
                table += cells.join('\t') + "\r\n";
            QVERIFY(writeWholeFile(temp.filePath("edited-copy.tsv"), table));
            other = freshFolder("edited-copy");
            QCOMPARE(RunCli({"import", other, temp.filePath("edited-copy.tsv"), "--game", game})
                         .exitCode,
                     0);
        }
        const QStringList args{"diff", units, other, "--game", game, "--descriptions"};
        const CliRun table = RunCli(args + QStringList{"--tsv"});
        QCOMPARE(table.exitCode, edited ? 3 : 0);
        QStringList found;
        for (const QByteArray& line : table.out.split('\n').mid(1, table.out.count('\n') - 1)) {
            const QList<QByteArray> cells = line.chopped(1).split('\t');
            found << QStringList{cells[0], cells[1], cells[2], cells[4], cells[7].trimmed()}.join(
                ',');
        }
        QCOMPARE(found, expected);
        const QByteArray summary =
            edited ? "5 units differ: 3 changed, 1 only in A, 1 only in B.\n" : "No differences.\n";
        QVERIFY(RunCli(args).out.endsWith(summary));
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "test_cli.moc"
