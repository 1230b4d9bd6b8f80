#include "platform/Files.h"
#include "samplegame/SampleGame.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray read(const QString& path) {
    return quillon::platform::readWholeFile(path).value_or("<missing>");
}

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

} // namespace

class CliTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString units; // a folder with 40 sample units

    Run run(const QStringList& args) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // No default game installation of this machine may take part.
        environment.insert("WINEPREFIX", dir.filePath("wine"));
        process.setProcessEnvironment(environment);
        process.start(qEnvironmentVariable("QUILLON_TEST_BINARY_DIR") + "/src/quillon-cli", args);
        if (!process.waitForFinished(60000))
            return {};
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                process.readAllStandardOutput(), process.readAllStandardError()};
    }

    QString freshFolder(const QString& name) {
        const QString folder = dir.filePath(name) + "/";
        QDir().mkpath(folder);
        return folder;
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        units = freshFolder("units");
        QVERIFY(quillon::samplegame::WriteEquipmentFiles(units, 40, 9));
    }

    void exportThenImportReproducesTheFiles() {
        const QString table = dir.filePath("units.tsv");
        const Run exported = run({"export", units, "-o", table});
        QCOMPARE(exported.exitCode, 0);
        const QByteArray text = read(table);
        QCOMPARE(run({"export", units}).out, text);

        const QList<QByteArray> lines = text.split('\n');
        QCOMPARE(lines.size(), 42); // heading, 40 units, nothing after the last CR LF
        QVERIFY(lines.last().isEmpty());
        for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
            QVERIFY(lines[i].endsWith('\r'));
            QCOMPARE(lines[i].count('\t'), 73);
        }
        QVERIFY(lines[0].startsWith("Unit No.\tUnit Name\t"));
        QVERIFY(lines[1].startsWith(" 0\t"));

        const QString copy = freshFolder("copy");
        const Run imported = run({"import", copy, table});
        QCOMPARE(imported.exitCode, 0);
        QVERIFY(imported.out.startsWith("Your old files has been saved as: "));
        QCOMPARE(read(copy + "KorEquip.EQP"), read(units + "KorEquip.EQP"));
        QCOMPARE(read(copy + "KorEquip.TXT"), read(units + "KorEquip.TXT"));
    }

    void editedTableIsSavedWithCorrections() {
        const QString folder = freshFolder("edited");
        QVERIFY(quillon::samplegame::WriteEquipmentFiles(folder, 3, 4));
        const QByteArray before = read(folder + "KorEquip.EQP");
        QList<QByteArray> lines = run({"export", folder}).out.split('\n');
        lines.removeFirst(); // no heading line: the rows alone are a table too
        // Rows in another order, LF line ends, unit 1 renamed with a Move of 40.
        std::swap(lines[0], lines[2]);
        QList<QByteArray> unit1 = lines[1].chopped(1).split('\t');
        unit1[1] = "  Renamed  ";
        unit1[21] = "40";
        lines[1] = unit1.join('\t');
        for (QByteArray& line : lines) {
            if (line.endsWith('\r'))
                line.chop(1);
        }
        const QString table = dir.filePath("edited.tsv");
        QVERIFY(quillon::platform::writeWholeFile(table, lines.join('\n')));

        const Run imported = run({"import", folder, table});
        QCOMPARE(imported.exitCode, 0);
        QVERIFY(
            imported.out.contains(QDir::toNativeSeparators(folder + "OLD_KorEquip.EQP").toUtf8()));
        QCOMPARE(read(folder + "OLD_KorEquip.EQP"), before);
        const QByteArray eqp = read(folder + "KorEquip.EQP");
        QCOMPARE(eqp.size(), before.size());
        QCOMPARE(int(eqp[2 + 168 + 19]), 31);
        QCOMPARE(eqp.mid(2 + 2 * 168), before.mid(2 + 2 * 168));
        QCOMPARE(read(folder + "KorEquip.TXT").split('\n').value(1), QByteArray("Renamed\r"));
    }

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
        QTest::newRow("export with game option")
            << QStringList{"export", "%U", "--game", "%M"} << 0;
    }
    void exitStatus() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        const QString table = dir.filePath("status.tsv");
        const QString empty = dir.filePath("empty.tsv");
        QVERIFY(quillon::platform::writeWholeFile(table, run({"export", units}).out));
        QVERIFY(quillon::platform::writeWholeFile(empty, "Unit No.\tUnit Name\r\n"));
        const QByteArray eqp = read(units + "KorEquip.EQP");
        for (QString& arg : args) {
            arg.replace("%U", units).replace("%M", dir.filePath("missing"));
            arg.replace("%T", table).replace("%E", empty);
        }
        const Run result = run(args);
        QCOMPARE(result.exitCode, exitCode);
        QCOMPARE(result.err.isEmpty(), exitCode == 0);
        QCOMPARE(read(units + "KorEquip.EQP"), eqp);
        QVERIFY(!QFileInfo::exists(dir.filePath("missing")));
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "test_cli.moc"
