#include "cli/Help.h"
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
#include <QTemporaryFile>
#include <QTest>
#include <cstdio>
#include <unistd.h>

using namespace quillon;
using namespace quillon::testing;
using platform::writeWholeFile;

namespace {

// The commands in this process, with what they print and the exit status
// quillon-cli would end with: each standard stream goes to a file of its own
// for the run.
CliRun RunHere(const QStringList& arguments) {
    std::fflush(stdout);
    QTemporaryFile caught[2];
    int saved[2];
    for (int s = 0; s < 2; ++s) {
        if (!caught[s].open())
            return {};
        saved[s] = dup(s + 1);
        dup2(caught[s].handle(), s + 1);
    }
    const int exitCode = cli::RunCommandLine(QStringList{"quillon-cli"} + arguments);
    std::fflush(stdout);
    std::fflush(stderr);
    for (int s = 0; s < 2; ++s) {
        dup2(saved[s], s + 1);
        close(saved[s]);
    }
    return {exitCode, Bytes(caught[0].fileName()), Bytes(caught[1].fileName())};
}

} // namespace

class CliTest : public QObject {
    Q_OBJECT
    QTemporaryDir temp;
    QString game;
    QString units;               // the game's data folder with 20 units
    QString broken;              // a copy of the game without its ext.idx
    QString seeded;              // a copy with a fault in each of three files
    QString edited;              // a copy of the units edited through export and import
    QString bin;                 // a copy of the program, for what only a process shows
    QString config;              // the user's configuration folder that copy reads
    EditorState checked;         // the sample game as the editor sees it
    QList<QByteArray> exported;  // the lines of the units' table
    QList<QByteArray> described; // the same with their descriptions

    QString freshFolder(const QString& name) {
        const QString folder = temp.filePath(name) + "/";
        QDir().mkpath(folder);
        return folder;
    }

private slots:
    void initTestCase() {
        qputenv("WINEPREFIX", temp.filePath("no-wine").toUtf8());
        qputenv("XDG_CONFIG_HOME", temp.filePath("no-config").toUtf8());
        game = temp.path() + "/game/";
        broken = freshFolder("broken");
        seeded = freshFolder("seeded");
        for (const QString& folder : {game, broken, seeded})
            QVERIFY(samplegame::WriteSampleGame(folder, {.units = 20, .icons = 5, .sounds = 2}));
        checked.GameFolder = game;
        QVERIFY(CheckGameFolder(checked).isEmpty());
        units = checked.DataFolder;
        QVERIFY(QFile::remove(broken + "data/ext.idx"));
        bin = freshFolder("bin");
        config = temp.filePath("config/");
        QVERIFY(QDir().mkpath(config + "Quillon"));
        QVERIFY(QFile::copy(qEnvironmentVariable("QUILLON_TEST_BINARY_DIR") + "/src/quillon-cli",
                            bin + "quillon-cli"));
        QVERIFY(writeWholeFile(config + "Quillon/KorEquipEdit.ini",
                               "gamefolder=" + game.toUtf8() + "\r\n# end\r\n"));
        exported = RunHere({"export", units}).out.split('\n');
        described = RunHere({"export", units, "--game", game, "--descriptions"}).out.split('\n');

        // The kinds of fault the check finds: test_check.
        const QString data = seeded + "data/";
        QByteArray eqp = Bytes(data + "KorEquip.EQP");
        eqp[2 + 168 * 2 + 19] = 40;                                               // Move
        eqp[2 + 168 * 12 + 27] = char(0xFE), eqp[2 + 168 * 12 + 28] = char(0xFF); // U3 -2
        QList<QByteArray> names = Bytes(data + "KorEquip.TXT").split('\n');
        names[15] = "\r";
        QByteArray container = Bytes(data + "txt.pfp");
        container.replace(
            checked.index.PfpIndex[gamedata::FindPfpEntry(checked.index, "16")].offset, 8,
            "16.txt\r\n");
        QVERIFY(writeWholeFile(data + "KorEquip.EQP", eqp) &&
                writeWholeFile(data + "KorEquip.TXT", names.join('\n')) &&
                writeWholeFile(data + "txt.pfp", container));

        // Unit 3's description, unit 5 deleted, unit 8's S.A., a unit
        // inserted after unit 12, unit 15 renamed, units 4 and 9 swapped.
        QList<QList<QByteArray>> rows;
        for (const QByteArray& line : described.mid(1, 20))
            rows.append(line.chopped(1).split('\t'));
        rows[3][74] = "Rebuilt in the north";
        rows[8][3] = "250";
        rows[15][1] = "Renamed Unit";
        rows.append(rows[0]);
        rows.last()[0] = "12.5";
        rows.last()[1] = "Newcomer";
        std::swap(rows[4], rows[9]);
        rows.removeAt(5);
        QByteArray table;
        for (const QList<QByteArray>& cells : rows)
            table += cells.join('\t') + "\r\n";
        edited = freshFolder("edited-copy");
        QVERIFY(writeWholeFile(temp.filePath("edited-copy.tsv"), table));
        QCOMPARE(
            RunHere({"import", edited, temp.filePath("edited-copy.tsv"), "--game", game}).exitCode,
            0);
    }

    // Exported to a file as to standard output, a table imports back to the
    // same records. Names become cells: blanks around them trimmed, a TAB of
    // their own a blank, Windows-1252 kept. Imported rows come without
    // heading, in another order, with LF line ends; unit 1 renamed, a CR
    // inside its name, with a Move of 40.
    void exportedTableImportsBack() {
        const QString folder = freshFolder("edited"), copy = freshFolder("copy");
        const QString table = temp.filePath("edited.tsv");
        QVERIFY(samplegame::WriteEquipmentFiles(folder, 3, 4));
        QVERIFY(writeWholeFile(folder + "KorEquip.TXT", "  Pz\tIV \xe9\x80 \r\nTiger\r\nC\r\n"));
        const QByteArray before = Bytes(folder + "KorEquip.EQP");
        QCOMPARE(RunHere({"export", folder, "-o", table}).exitCode, 0);
        QCOMPARE(Bytes(table), RunHere({"export", folder}).out);
        QCOMPARE(RunHere({"import", copy, table}).exitCode, 0);
        QCOMPARE(Bytes(copy + "KorEquip.EQP"), before);
        QCOMPARE(Bytes(copy + "KorEquip.TXT"), QByteArray("Pz IV \xe9\x80\r\nTiger\r\nC\r\n"));
        QList<QByteArray> lines = Bytes(table).replace('\r', "").split('\n');
        QCOMPARE(lines.size(), 5); // heading, 3 units, nothing after the last line end
        QVERIFY(lines[0].startsWith("Unit No.\tUnit Name\t") && lines[1].startsWith(" 0\t"));
        QCOMPARE(lines[1].count('\t'), 73);
        QVERIFY(described[0].endsWith("\tDescription\r"));
        lines.removeFirst();
        std::swap(lines[0], lines[2]);
        QList<QByteArray> unit1 = lines[1].split('\t');
        unit1[1] = "  Re\rnamed  "; // a line break in a cell must not move the names
        unit1[21] = "40";
        lines[1] = unit1.join('\t');
        QVERIFY(writeWholeFile(table, lines.join('\n')));

        const CliRun imported = RunHere({"import", folder, table});
        QCOMPARE(imported.exitCode, 0);
        QVERIFY(
            imported.out.contains(QDir::toNativeSeparators(folder + "OLD_KorEquip.EQP").toUtf8()));
        QCOMPARE(Bytes(folder + "OLD_KorEquip.EQP"), before);
        QByteArray records = before;
        records[2 + 168 + 19] = 31; // unit 1's Move, corrected; the rows back in order
        QCOMPARE(Bytes(folder + "KorEquip.EQP"), records);
        QCOMPARE(Bytes(folder + "KorEquip.TXT"), QByteArray("Pz IV \xe9\x80\r\nRe named\r\nC\r\n"));
    }

    // %U: the units folder, %M: a missing path, %G: the game, %B: the game
    // without ext.idx, %S: the seeded game, %E: the edited copy, %T: a table
    // made from the units' export as the row's recipe says. Standard output
    // holds `out`; standard error begins with `error`, and is empty on
    // success and on findings (3). The units' files and the missing path
    // stay as they were. What only a process shows runs the program's copy:
    // its version, and the game folder the editor's setup names (the file
    // beside the program first, else the one in the user's folder).
    void exitStatusAndMessages_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("setup"); // how %T is made, or the process the row runs
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("error"); // %T: the table, %B: the broken game
        const auto row = [](const char* name, const QStringList& args, int code,
                            const QString& setup, const QString& error, const QString& out = {}) {
            QTest::newRow(name) << args << code << setup << out << error;
        };
        const QStringList import{"import", "%U", "%T"};
        const QString shape = English(i18n::msg::TableRowShape);
        const QString noFile = English(i18n::msg::CannotFindFile);
        const QString noGame = English(i18n::msg::GameFolderNotFound);
        // Options before the command are the program's, after it the command's.
        row("--help", {"--help"}, 0, "", "", "\n  import FOLDER FILE [--game G]\n");
        row("-h after a command", {"info", "-h"}, 2, "", "unknown option -h");
        row("unknown option before the command", {"--bogus", "info"}, 2, "", "Unknown option");
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
        row("export of descriptions without the game",
            {"export", "%U", "--descriptions", "-o", "%M", "--game", "%M"}, 1, "", noGame);
        row("import of descriptions without the game", {"import", "%U", "%T", "--game", "%M"}, 1,
            "descriptions", noGame);
        row("check without folder", {"check"}, 2, "", "check");
        row("check of a folder without files", {"check", "%M"}, 1, "", noFile);
        row("diff of one folder", {"diff", "%U"}, 2, "", "diff");
        row("diff with a folder without files", {"diff", "%U", "%M"}, 1, "", noFile);
        row("diff of descriptions without game data", {"diff", "%U", "%B", "--descriptions"}, 1, "",
            "");
        row("check of the sample game", {"check", "%U", "--game", "%G"}, 0, "", "",
            "\n20 units checked: 0 errors, 0 warnings, 0 notes.\n");
        // A fault in each file of the game, and the edits of the copy: found
        // exactly, descriptions with their units also in another order.
        row("check of a game with seeded faults", {"check", "%Sdata/", "--game", "%S", "--tsv"}, 3,
            "", "",
            "Reason\r\n"
            "2\tAurore CV\t21\tMove\t 40\tError\tout-of-range\tOut of range; a save stores 31\r\n"
            "12\tTk III F3\t28\tU3\t-2\tError\tout-of-range\tOut of range; a save stores 0\r\n"
            "15\t\t1\tUnit Name\t\tWarning\tempty-name\tThe unit has no name\r\n"
            "16\tGrenadiers 45\t74\tLong Unit Description\t16.txt\tWarning\tplaceholder-"
            "description\tThe description is still a placeholder\r\n");
        row("diff of an edited copy",
            {"diff", "%U", "%E", "--game", "%G", "--descriptions", "--tsv"}, 3, "", "",
            "\r\nchanged\t3\t3\tKv I A2\t74\tLong Unit Description\tThe Kv I A2 is a tank of "
            "the army of Sarkand, in service from July 1939.\tRebuilt in the north\r\n"
            "only in A\t5\t\tLynx H3\t\t\t\t\r\n"
            "changed\t8\t7\tPioneers 41\t3\tS.A.\t 6\t 250\r\n"
            "only in B\t\t12\tNewcomer\t\t\t\t\r\n"
            "changed\t15\t15\tScout Car G4\t1\tUnit Name\tScout Car G4\tRenamed Unit\r\n");
        row("diff of the copy without descriptions, told", {"diff", "%U", "%E"}, 3, "", "",
            "\n\n4 units differ: 2 changed, 1 only in A, 1 only in B.\n");
        row("diff of a folder against itself",
            {"diff", "%U", "%U", "--game", "%G", "--descriptions"}, 0, "", "", "No differences.\n");
        // info: what the game folder check finds.
        row("info on the sample game", {"info", "--game", "%G"}, 0, "", "", "\nUnit icons: 5\n");
        row("info without ext.idx", {"info", "--game", "%B"}, 1, "", "%B",
            QString("\nSound files: %1\n").arg(checked.soundFiles.size()));
        row("info without a game folder", {"info", "--game", "%M"}, 1, "", noGame,
            "\nSound files: 0\n");
        row("--version: the About window's", {"--version"}, 0, "process", "",
            "quillon-cli " + i18n::VersionText().section(' ', 1) + "\n");
        row("the game from the user's folder", {"info"}, 0, "process", "", "\nUnit icons: 5\n");
        row("the file beside the program first", {"info"}, 1, "beside", "", "\nSound files: 0\n");
        row("icon beyond the last", {"icon", "5", "-o", "%M", "--game", "%G"}, 1, "",
            English(i18n::msg::IconNumber, " 5 (0-4)"));
    }
    void exitStatusAndMessages() {
        QFETCH(QStringList, args);
        QFETCH(QString, setup);
        QFETCH(QString, out);
        QFETCH(QString, error);
        const QString path = temp.filePath("status.tsv");
        QList<QByteArray> lines = setup == "descriptions" ? described : exported;
        if (setup == "heading")
            lines = lines.mid(0, 1);
        if (setup == "text")
            lines = {"Some notes", "on units", "", "to import", "later"};
        if (setup == "short row")
            lines[4] = "1\t2\t3\t4\t5\t6\t7\t8\t9\t10";
        if (setup == "75 cells")
            lines[6] = lines[6].chopped(1) + "\tA description\r";
        if (setup == "too long") // too many lines is told before any line's shape
            lines = QList<QByteArray>(Datasheet::MaxUnits + 1, "1");
        QVERIFY(writeWholeFile(path, lines.join('\n')));
        QFile::remove(bin + "KorEquipEdit.ini");
        if (setup == "beside") // naming a folder without the game
            QVERIFY(writeWholeFile(bin + "KorEquipEdit.ini", "gamefolder=" + config.toUtf8()));
        const QMap<QString, QByteArray> before = FolderBytes(units);
        for (QString& arg : args) {
            arg.replace("%U", units).replace("%M", temp.filePath("missing"));
            arg.replace("%T", path).replace("%G", game).replace("%B", broken);
            arg.replace("%S", seeded).replace("%E", edited);
        }
        if (error == "%B")
            error = MissingDataFileMessage(checked, broken + "data/ext.idx").replace("\r\n", "\n");

        const CliRun result = setup == "process" || setup == "beside"
                                  ? RunCli(args, {"XDG_CONFIG_HOME=" + config}, bin + "quillon-cli")
                                  : RunHere(args);
        QTEST(result.exitCode, "exitCode");
        QVERIFY2(QString(result.out).contains(out), result.out.constData());
        QCOMPARE(result.err.isEmpty(), result.exitCode == 0 || result.exitCode == 3);
        QVERIFY2(error.isEmpty() || QString(result.err).startsWith(error.replace("%T", path)),
                 result.err.constData());
        QCOMPARE(FolderBytes(units), before);
        QVERIFY(!QFileInfo::exists(temp.filePath("missing")));
    }

    // Every pixel of the written file: an icon scaled up, or the flags in
    // rows of eight, each in a cell as large as the largest flag, two
    // pixels apart.
    void iconWritesScaledPng_data() {
        QTest::addColumn<QStringList>("what");
        QTest::addColumn<int>("scale");
        QTest::newRow("icon 2 at four times") << QStringList{"2"} << 4;
        QTest::newRow("the flags") << QStringList{"--flags"} << 1;
    }
    void iconWritesScaledPng() {
        QFETCH(QStringList, what);
        QFETCH(int, scale);
        const QString png = temp.path() + "/out.png";
        QCOMPARE(RunHere(QStringList{"icon"} + what +
                         QStringList{"--scale", QString::number(scale), "-o", png, "--game", game})
                     .exitCode,
                 0);
        const QImage written(png);
        QVector<gamedata::Picture> pictures = checked.graphics.flags;
        if (what[0] != "--flags")
            pictures = {gamedata::ShowUnitIcon(checked.DataFolder, checked.graphics, 2).image};
        int cellWidth = 0, cellHeight = 0;
        for (const gamedata::Picture& picture : pictures) {
            cellWidth = std::max(cellWidth, picture.width() + 2);
            cellHeight = std::max(cellHeight, picture.height() + 2);
        }
        const qsizetype count = pictures.size();
        QCOMPARE(written.size(), QSize(std::min<qsizetype>(count, 8) * cellWidth - 2,
                                       (count + 7) / 8 * cellHeight - 2) *
                                     scale);
        QVERIFY(count == 1 || count > 8); // the flags fill more than one row
        for (int y = 0; y < written.height(); ++y)
            for (int x = 0; x < written.width(); ++x) {
                const int cx = x / scale % cellWidth, cy = y / scale % cellHeight;
                const qsizetype f = y / scale / cellHeight * 8 + x / scale / cellWidth;
                const bool inside =
                    f < count && cx < pictures[f].width() && cy < pictures[f].height();
                QCOMPARE(written.pixel(x, y), inside ? pictures[f].pixel(cx, cy) : 0u);
            }
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "test_cli.moc"
