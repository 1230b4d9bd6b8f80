// Starts the real quillon executable: on a sample game under the offscreen
// platform, closing itself through its test hook, and without a display for
// --help and --version. The runs wait for the program more than they work,
// so they all run at once.
#include "support/SampleGameFolder.h"

#include <QFile>
#include <QProcess>
#include <QTest>
#include <memory>
#include <vector>

using namespace quillon::testing;

class TestSmokeBinary : public QObject {
    Q_OBJECT
    std::vector<std::unique_ptr<QProcess>> runs;

    // Its own variables last: they replace the inherited ones of the same name.
    void start(const QString& program, const QStringList& args, const QStringList& environment) {
        runs.push_back(std::make_unique<QProcess>());
        runs.back()->setEnvironment(QProcess::systemEnvironment() + environment);
        runs.back()->start(program, args);
    }

private slots:
    void startsShowsClosesAndAnswers() {
        const QString editor = qEnvironmentVariable("QUILLON_TEST_BINARY_DIR") + "/src/quillon";
        SampleGameFolder configured(40), firstStart(40);
        QVERIFY(configured.isValid() && firstStart.isValid());
        QVERIFY(configured.writeConfiguration("deu"));
        // The configuration lives beside the executable, so each game runs a copy of it.
        for (SampleGameFolder* game : {&configured, &firstStart}) {
            const QString program = game->programFolder() + "quillon";
            QVERIFY(QFile::copy(editor, program));
            start(program, {},
                  {"QT_QPA_PLATFORM=offscreen", "QUILLON_QUIT_AFTER_MS=0",
                   "XDG_CONFIG_HOME=" + game->root() + "cfg",
                   "WINEPREFIX=" + game->root() + "wine"});
        }
        for (const char* option : {"--help", "--version"})
            start(editor, {option}, {"DISPLAY=", "WAYLAND_DISPLAY=", "QT_QPA_PLATFORM=xcb"});

        const QStringList printed{"", "", "[FOLDER | FOLDER/KorEquip.EQP]", "Quillon 2.0.1"};
        for (size_t i = 0; i < runs.size(); ++i) {
            QVERIFY(runs[i]->waitForFinished(60000));
            QCOMPARE(runs[i]->exitStatus(), QProcess::NormalExit);
            QCOMPARE(runs[i]->exitCode(), 0);
            QVERIFY(QString::fromLocal8Bit(runs[i]->readAllStandardOutput()).contains(printed[i]));
        }
        // Starting never writes a configuration the user did not confirm.
        QVERIFY(QFile::exists(configured.configurationPath()));
        QVERIFY(!QFile::exists(firstStart.configurationPath()));
    }
};

QTEST_GUILESS_MAIN(TestSmokeBinary)
#include "test_smoke_binary.moc"
