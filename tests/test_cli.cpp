#include "platform/Files.h"
#include "samplegame/SampleGame.h"
#include "support/CoreTestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon::testing;
using quillon::platform::writeWholeFile;

class CliTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString units; // a folder with 40 sample units

    QString freshFolder(const QString& name) {
        const QString folder = dir.filePath(name) + "/";
        QDir().mkpath(folder);
        return folder;
    }

private slots:
    void initTestCase() {
        units = freshFolder("units");
        QVERIFY(quillon::samplegame::WriteEquipmentFiles(units, 40, 9));
    }

    void exportThenImportReproducesTheFiles() {
        const QString table = dir.filePath("units.tsv");
        QCOMPARE(RunCli({"export", units, "-o", table}).exitCode, 0);
        const QByteArray text = Bytes(table);
        QCOMPARE(RunCli({"export", units}).out, text);
        const QList<QByteArray> lines = text.split('\n');
        QCOMPARE(lines.size(), 42); // heading, 40 units, nothing after the last CR LF
        QCOMPARE(lines[1].count('\t'), 73);
        QVERIFY(lines[0].startsWith("Unit No.\tUnit Name\t") && lines[1].startsWith(" 0\t"));

        const QString copy = freshFolder("copy");
        const CliRun imported = RunCli({"import", copy, table});
        QCOMPARE(imported.exitCode, 0);
        QCOMPARE(Bytes(copy + "KorEquip.EQP"), Bytes(units + "KorEquip.EQP"));
        QCOMPARE(Bytes(copy + "KorEquip.TXT"), Bytes(units + "KorEquip.TXT"));
    }

    // Rows without heading, in another order, with LF line ends; unit 1
    // renamed with a Move of 40.
    void editedTableIsSavedWithCorrections() {
        const QString folder = freshFolder("edited");
        QVERIFY(quillon::samplegame::WriteEquipmentFiles(folder, 3, 4));
        const QByteArray before = Bytes(folder + "KorEquip.EQP");
        QList<QByteArray> lines = RunCli({"export", folder}).out.replace('\r', "").split('\n');
        lines.removeFirst();
        std::swap(lines[0], lines[2]);
        QList<QByteArray> unit1 = lines[1].split('\t');
        unit1[1] = "  Renamed  ";
        unit1[21] = "40";
        lines[1] = unit1.join('\t');
        const QString table = dir.filePath("edited.tsv");
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
        const QString table = dir.filePath("status.tsv"), empty = dir.filePath("empty.tsv");
        QVERIFY(writeWholeFile(table, RunCli({"export", units}).out));
        QVERIFY(writeWholeFile(empty, "Unit No.\tUnit Name\r\n"));
        const QMap<QString, QByteArray> before = FolderBytes(units);
        for (QString& arg : args) {
            arg.replace("%U", units).replace("%M", dir.filePath("missing"));
            arg.replace("%T", table).replace("%E", empty);
        }
        const CliRun result = RunCli(args);
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY(!result.err.isEmpty());
        QCOMPARE(FolderBytes(units), before);
        QVERIFY(!QFileInfo::exists(dir.filePath("missing")));
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "test_cli.moc"
