#include "gamedata/Graphics.h"
#include "gamedata/TextLists.h"
#include "i18n/Messages.h"
#include "platform/Files.h"
#include "samplegame/SampleGame.h"
#include "shell/EditorState.h"
#include "shell/GameFolderCheck.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run RunCli(const QStringList& arguments) {
    QProcess process;
    process.start(qEnvironmentVariable("QUILLON_TEST_BINARY_DIR") + "/src/quillon-cli", arguments);
    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

QString English(const char* name) {
    return i18n::Message(i18n::Language::English, name);
}

// The descriptions a text container and index in `folder` hold.
QStringList SavedDescriptions(const QString& folder, int units) {
    gamedata::GameIndex index;
    gamedata::ReadPfpIndex(platform::readWholeFile(folder + "PFPDATA.IDX").value_or(""), index);
    gamedata::TextLists lists;
    QStringList descriptions;
    gamedata::LoadTextLists(platform::readWholeFile(folder + "TXT.PFP").value_or(""), index, lists,
                            descriptions);
    return descriptions.mid(0, units);
}

} // namespace

class CliGameDataTest : public QObject {
    Q_OBJECT
    QTemporaryDir temp;
    QString game;
    EditorState checked; // the sample game as the editor sees it

private slots:
    void initTestCase() {
        game = temp.path() + "/game/";
        QVERIFY(samplegame::WriteSampleGame(game, {.units = 20, .icons = 5, .sounds = 2}));
        checked.GameFolder = game;
        QVERIFY(CheckGameFolder(checked).isEmpty());
    }

    void infoReportsWhatTheCheckFinds_data() {
        QTest::addColumn<bool>("gameExists");
        QTest::addColumn<QString>("removed");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("outLines");
        QTest::addColumn<QString>("errText");
        const QString sounds = QString("Sound files: %1").arg(checked.soundFiles.size());
        QTest::newRow("sample game")
            << true << QString() << 0
            << QStringList{"Text container: txt.pfp",
                           "Unit icons: 5",
                           QString("Flags: %1").arg(checked.graphics.flags.size()),
                           QString("Nations: %1").arg(checked.lists.NationNames.size()),
                           "  " + checked.lists.classes.value(0),
                           sounds}
            << QString();
        QTest::newRow("ext.idx missing")
            << true << "data/ext.idx" << 1 << QStringList{sounds} << "@missing";
        QTest::newRow("no game folder") << false << QString() << 1 << QStringList{"Sound files: 0"}
                                        << English(i18n::msg::GameFolderNotFound);
    }
    void infoReportsWhatTheCheckFinds() {
        QFETCH(bool, gameExists);
        QFETCH(QString, removed);
        QFETCH(int, exitCode);
        QFETCH(QStringList, outLines);
        QFETCH(QString, errText);
        QTemporaryDir copy;
        QString folder = gameExists ? game : copy.path() + "/nothing/";
        if (!removed.isEmpty()) {
            folder = copy.path() + "/";
            QVERIFY(samplegame::WriteSampleGame(folder, {.units = 20, .icons = 5, .sounds = 2}));
            QVERIFY(QFile::remove(folder + removed));
        }
        if (errText == "@missing")
            errText = MissingDataFileMessage(checked, folder + removed).replace("\r\n", "\n");
        const Run run = RunCli({"info", "--game", folder});
        QCOMPARE(run.exitCode, exitCode);
        const QStringList lines = run.out.split('\n');
        for (const QString& line : outLines)
            QVERIFY2(lines.contains(line), qPrintable(line));
        QVERIFY2(errText.isEmpty() ? run.err.isEmpty() : run.err.contains(errText),
                 qPrintable(run.err));
    }

    void iconWritesPng_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("scale"); // of unit icon 2; 0: the flag sheet
        QTest::newRow("icon 2") << QStringList{"2"} << 0 << 1;
        QTest::newRow("icon 2 scaled") << QStringList{"2", "--scale", "4"} << 0 << 4;
        QTest::newRow("flags") << QStringList{"--flags"} << 0 << 0;
        QTest::newRow("beyond the last icon") << QStringList{"5"} << 1 << -1;
        QTest::newRow("number and flags") << QStringList{"2", "--flags"} << 2 << -1;
        QTest::newRow("neither") << QStringList{} << 2 << -1;
        QTest::newRow("scale zero") << QStringList{"2", "--scale", "0"} << 2 << -1;
    }
    void iconWritesPng() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(int, scale);
        const QString png = temp.path() + "/out.png";
        QFile::remove(png);
        const Run run =
            RunCli(QStringList{"icon"} + arguments + QStringList{"-o", png, "--game", game});
        QCOMPARE(run.exitCode, exitCode);
        const QImage written(png);
        QCOMPARE(written.isNull(), exitCode != 0);
        if (scale > 0) {
            const QImage icon =
                gamedata::ShowUnitIcon(checked.DataFolder, checked.graphics, 2).image;
            QCOMPARE(written.size(), icon.size() * scale);
            QCOMPARE(written.pixel(scale * (icon.width() - 1), scale * (icon.height() - 1)),
                     icon.pixel(icon.width() - 1, icon.height() - 1));
        } else if (scale == 0) {
            const QImage& first = checked.graphics.flags.first();
            QCOMPARE(written.copy(0, 0, first.width(), first.height())
                         .convertToFormat(QImage::Format_ARGB32),
                     first.convertToFormat(QImage::Format_ARGB32));
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
        QList<QByteArray> lines = platform::readWholeFile(table).value_or("").split('\n');
        QCOMPARE(lines.size(), 22); // headings, 20 units, nothing after the last CR LF
        QVERIFY(lines[0].startsWith("Unit No.\t") && lines[0].endsWith("\tDescription\r"));
        QVERIFY(lines[0].contains('\t' + checked.lists.NationNames[0].toLatin1() + '\t'));
        QVERIFY(lines[4].endsWith('\t' + checked.LongDescriptions[3].toLatin1() + '\r'));
        lines[4] = lines[4].left(lines[4].lastIndexOf('\t')) + "\tRebuilt in the north\r";
        std::swap(lines[4], lines[9]);
        QVERIFY(platform::writeWholeFile(table, lines.join('\n')));

        const QString mine = temp.path() + "/mine/";
        QVERIFY(QDir().mkpath(mine));
        const Run run = RunCli({"import", mine, table, "--game", game});
        QCOMPARE(run.exitCode, 0);
        QStringList expected = checked.LongDescriptions.mid(0, 20);
        expected[3] = "Rebuilt in the north";
        QCOMPARE(SavedDescriptions(mine, 20), expected);
    }

    void descriptionsNeedGameData_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("equipmentWritten");
        QTest::newRow("export") << "export" << false;
        QTest::newRow("import") << "import" << true;
    }
    void descriptionsNeedGameData() {
        QFETCH(QString, command);
        QFETCH(bool, equipmentWritten);
        QTemporaryDir work;
        const QString table = work.path() + "/units.tsv";
        const QString nowhere = work.path() + "/nowhere/";
        const QString target = work.path() + "/";
        QStringList arguments{"export", checked.DataFolder, "--descriptions", "-o", table};
        if (command == "import") {
            QCOMPARE(RunCli(arguments + QStringList{"--game", game}).exitCode, 0);
            arguments = QStringList{"import", target, table};
        }
        const Run run = RunCli(arguments + QStringList{"--game", nowhere});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(English(i18n::msg::GameFolderNotFound)), qPrintable(run.err));
        QCOMPARE(platform::fileExists(table), equipmentWritten);
        QCOMPARE(platform::fileExists(target + "KorEquip.EQP"), equipmentWritten);
        QVERIFY(!platform::fileExists(target + "TXT.PFP"));
    }
};

QTEST_GUILESS_MAIN(CliGameDataTest)
#include "test_cli_gamedata.moc"
