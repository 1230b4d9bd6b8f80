// Starts the real quillon executable on a sample game under the offscreen
// platform and lets it close itself through its test hook.
#include "support/CoreTestSupport.h"
#include "support/SampleGameFolder.h"

#include <QFile>
#include <QTest>

using namespace quillon::testing;

class TestSmokeBinary : public QObject {
    Q_OBJECT
    const QString editor = qEnvironmentVariable("QUILLON_TEST_BINARY_DIR") + "/src/quillon";
private slots:
    void startsShowsAndClosesCleanly_data() {
        QTest::addColumn<bool>("configured");
        QTest::newRow("with a configuration") << true;
        QTest::newRow("first start: setup dialog only") << false;
    }
    void startsShowsAndClosesCleanly() {
        QFETCH(bool, configured);
        SampleGameFolder game(40);
        QVERIFY(game.isValid());
        // The configuration lives beside the executable, so run a copy of it.
        const QString program = game.programFolder() + "quillon";
        QVERIFY(QFile::copy(editor, program));
        if (configured)
            QVERIFY(game.writeConfiguration("deu"));
        const CliRun run = RunCli({},
                                  {"QT_QPA_PLATFORM=offscreen", "QUILLON_QUIT_AFTER_MS=500",
                                   "XDG_CONFIG_HOME=" + game.root() + "cfg"},
                                  program);
        QCOMPARE(run.exitCode, 0);
        // Starting never writes a configuration the user did not confirm.
        QCOMPARE(QFile::exists(game.configurationPath()), configured);
    }

    // --help and --version answer without a display.
    void answersWithoutADisplay_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("outText");
        QTest::newRow("--help") << "--help"
                                << "[FOLDER | FOLDER/KorEquip.EQP]";
        QTest::newRow("--version") << "--version"
                                   << "Quillon 2.0.1";
    }
    void answersWithoutADisplay() {
        QFETCH(QString, option);
        QFETCH(QString, outText);
        const CliRun run =
            RunCli({option}, {"DISPLAY=", "WAYLAND_DISPLAY=", "QT_QPA_PLATFORM=xcb"}, editor);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(QString::fromLocal8Bit(run.out).contains(outText));
    }
};

QTEST_GUILESS_MAIN(TestSmokeBinary)
#include "test_smoke_binary.moc"
