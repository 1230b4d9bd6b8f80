// Starts the real quillon executable on a sample game under the offscreen
// platform and lets it close itself through its test hook.
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
        process.setProcessEnvironment(environment);
        process.start(program, {});
        QVERIFY(process.waitForStarted(10000));
        QVERIFY2(process.waitForFinished(60000), "the editor did not end after its test hook");
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        // Starting never writes a configuration the user did not confirm.
        QCOMPARE(QFile::exists(game.configurationPath()), configured);
    }
};

QTEST_GUILESS_MAIN(TestSmokeBinary)
#include "test_smoke_binary.moc"
