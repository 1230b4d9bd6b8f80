// Starts the real quillon executable on a sample game under the offscreen
// platform and lets it close itself through its test hook.
#include "i18n/Language.h"
#include "support/SampleGameFolder.h"

#include <QFile>
#include <QProcess>
#include <QTest>

using quillon::testing::SampleGameFolder;

class TestSmokeBinary : public QObject {
    Q_OBJECT
private slots:
    void startsShowsAndClosesCleanly_data() {
        QTest::addColumn<bool>("configured");
        QTest::newRow("with a configuration") << true;
        QTest::newRow("first start: setup dialog only") << false;
    }
    void startsShowsAndClosesCleanly() {
        QFETCH(bool, configured);
        const QString buildDir = qEnvironmentVariable("QUILLON_TEST_BINARY_DIR");
        if (buildDir.isEmpty())
            QSKIP("QUILLON_TEST_BINARY_DIR is not set (run through ctest)");
        SampleGameFolder game(40);
        QVERIFY(game.isValid());
        // The configuration lives beside the executable, so run a copy of it.
        const QString program = game.programFolder() + QStringLiteral("quillon");
        QVERIFY(QFile::copy(buildDir + QStringLiteral("/src/quillon"), program));
        if (configured)
            QVERIFY(game.writeConfiguration(QStringLiteral("deu")));

        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("QUILLON_QUIT_AFTER_MS"), QStringLiteral("500"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), game.root() + QStringLiteral("cfg"));
        process.setProcessEnvironment(environment);
        process.start(program, {});
        QVERIFY(process.waitForStarted(10000));
        QVERIFY2(process.waitForFinished(60000), "the editor did not end after its test hook");
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
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
                                   << "Quillon " + quillon::i18n::VersionText().section(' ', 1);
    }
    void answersWithoutADisplay() {
        QFETCH(QString, option);
        QFETCH(QString, outText);
        const QString buildDir = qEnvironmentVariable("QUILLON_TEST_BINARY_DIR");
        if (buildDir.isEmpty())
            QSKIP("QUILLON_TEST_BINARY_DIR is not set (run through ctest)");
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        process.setProcessEnvironment(environment);
        process.start(buildDir + QStringLiteral("/src/quillon"), {option});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QVERIFY(QString::fromLocal8Bit(process.readAllStandardOutput()).contains(outText));
    }
};

QTEST_GUILESS_MAIN(TestSmokeBinary)
#include "test_smoke_binary.moc"
