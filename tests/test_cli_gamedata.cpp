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
        QTest::addColumn<int>("scale"); // of unit icon 2; 0: the flag sheet
        QTest::newRow("icon 2 scaled") << QStringList{"2", "--scale", "4"} << 0 << 4;
        QTest::newRow("flags") << QStringList{"--flags"} << 0 << 0;
        QTest::newRow("beyond the last icon") << QStringList{"5"} << 1 << -1;
        QTest::newRow("scale zero") << QStringList{"2", "--scale", "0"} << 2 << -1;
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
        } else if (scale == 0) {
            const QImage& first = checked.graphics.flags.first();
            QCOMPARE(written.copy(first.rect()).convertToFormat(QImage::Format_ARGB32),
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

QTEST_GUILESS_MAIN(CliGameDataTest)
#include "test_cli_gamedata.moc"
