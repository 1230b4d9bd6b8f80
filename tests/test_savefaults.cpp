// Saves that fail or are killed part-way, with real failures: a small file
// system that fills up or is read-only, and every file operation of a save
// failed or killed in turn by a preloaded library, all through
// `quillon-cli import` into the game's data folder with descriptions, so
// that all five files and their backups take part.
#include "i18n/Messages.h"
#include "platform/Files.h"
#include "samplegame/SampleGame.h"
#include "support/CoreTestSupport.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using namespace quillon;
using namespace quillon::testing;

namespace {

using Files = QMap<QString, QByteArray>;

void Restore(const QString& folder, const Files& files) {
    for (const QString& name : QDir(folder).entryList(QDir::Files)) {
        if (!files.contains(name))
            QFile::remove(folder + name);
    }
    for (auto file = files.begin(); file != files.end(); ++file) {
        if (Bytes(folder + file.key()) != file.value())
            platform::writeWholeFile(folder + file.key(), file.value());
    }
}

// The names whose bytes are neither as before nor as after the save.
QStringList Torn(const Files& now, const Files& before, const Files& after) {
    QStringList torn;
    QStringList names = before.keys() + after.keys();
    names.removeDuplicates();
    for (const QString& name : names) {
        const QByteArray bytes = now.value(name, "<missing>");
        if (bytes != before.value(name, "<missing>") && bytes != after.value(name, "<missing>"))
            torn.append(name);
    }
    return torn;
}

// Some of the save's files (backups aside) are new and some are not.
bool Mixed(const Files& now, const Files& before, const Files& after) {
    int fresh = 0, stale = 0;
    for (auto file = after.begin(); file != after.end(); ++file) {
        if (file.key().startsWith("OLD_") || file.value() == before.value(file.key()))
            continue;
        (now.value(file.key()) == file.value() ? fresh : stale)++;
    }
    return fresh > 0 && stale > 0;
}

// A sample game whose data folder holds an earlier save and its backups,
// three generations apart, and a table of other units with descriptions.
struct SavedGame {
    QString game, data, table;
    Files before, after; // the data folder before and after importing the table

    bool make(const QString& root, const QString& tableFolder, int tableUnits) {
        game = root + "game/";
        data = game + "data/";
        table = tableFolder + "units.tsv";
        const QString source = tableFolder + "source/";
        if (!samplegame::WriteSampleGame(game, {.units = 12, .icons = 2, .sounds = 1}) ||
            !samplegame::WriteSampleGame(source,
                                         {.units = tableUnits, .icons = 2, .sounds = 1, .seed = 7}))
            return false;
        QList<QByteArray> lines =
            RunCli({"export", data, "--game", game, "--descriptions"}).out.split('\n');
        lines[1] = lines[1].chopped(1) + " (edited)\r";
        if (!platform::writeWholeFile(table, lines.join('\n')) || import().exitCode != 0)
            return false;
        if (RunCli({"export", source + "data/", "--game", source, "--descriptions", "-o", table})
                .exitCode != 0)
            return false;
        before = FolderBytes(data);
        const bool imported = import().exitCode == 0;
        after = FolderBytes(data);
        Restore(data, before);
        return imported && FolderBytes(data) == before;
    }

    CliRun import(const QStringList& environment = {}) const {
        return RunCli({"import", data, table, "--game", game}, environment);
    }

    // The import with a file operation in the data folder failing or killed.
    CliRun importWithFault(const QString& fault) const {
        const QString asan = qEnvironmentVariable("ASAN_OPTIONS");
        return import(
            {"LD_PRELOAD=" + qEnvironmentVariable("QUILLON_FAULT_SHIM"),
             "QUILLON_FAULT_DIR=" + data, "QUILLON_FAULT=" + fault,
             "ASAN_OPTIONS=" + asan + (asan.isEmpty() ? "" : ":") + "verify_asan_link_order=0"});
    }

    // After a crash every file is whole, old or new. The next load, or
    // the next save, takes the temporary files away and tells of a mix; a
    // save then changes nothing. Without a mix the folder is as before or
    // after the save. Empty when all is well.
    QString problemsAfterCrash(bool nextIsSave, bool* mixed = nullptr) const {
        Files now = FolderBytes(data);
        const CliRun next = nextIsSave ? import() : RunCli({"export", data});
        const bool mix = Mixed(now, before, after);
        if (mixed)
            *mixed = mix;
        now.removeIf(
            [&](auto file) { return !before.contains(file.key()) && !after.contains(file.key()); });
        const Files later = FolderBytes(data);
        QString problems;
        if (!Torn(now, before, after).isEmpty())
            problems += "torn: " + Torn(now, before, after).join(' ');
        if (next.exitCode != (mix && nextIsSave ? 1 : 0) ||
            mix != QString(next.err).contains(English(i18n::msg::SaveInterrupted) + data))
            problems += " next load or save: " + next.err;
        // Temporary files count too: they must be gone.
        if (mix ? later != now : later != before && later != after)
            problems += " afterwards: " + QStringList(later.keys()).join(' ');
        return problems;
    }
};

// A tmpfs of `kib` KiB mounted over `folder` for one test, unmounted on
// every way out of it.
struct SmallDisk {
    QString folder;
    bool mounted = false;
    SmallDisk(const QString& where, int kib) : folder(where) {
        mounted = QProcess::execute("mount", {"-t", "tmpfs", "-o", QString("size=%1k").arg(kib),
                                              "tmpfs", folder}) == 0;
    }
    ~SmallDisk() {
        if (mounted)
            QProcess::execute("umount", {"-l", folder});
    }
};

} // namespace

class SaveFaultsTest : public QObject {
    Q_OBJECT
    // Saves on a tmpfs where there is one: syncing to a real disk costs time only.
    QTemporaryDir root{QDir("/dev/shm").isReadable() ? "/dev/shm/quillon-XXXXXX" : QString()};
    QTemporaryDir tables;
    SavedGame saved;

private slots:
    void initTestCase() { QVERIFY(saved.make(root.path() + "/", tables.path() + "/", 30)); }
    void cleanup() { Restore(saved.data, saved.before); }

    // Every open for writing, write, sync and rename of the save in turn
    // fails, or, with "+", it and every later one, so that putting files
    // back fails too: the folder is as it was, or the message says which
    // files could not be put back and the next load tells of the mix.
    void injectedFailures_data() {
        QTest::addColumn<QString>("operation");
        for (const char* operation : {"open", "write", "fsync", "rename", "rename+"})
            QTest::newRow(operation) << QString(operation);
    }
    void injectedFailures() {
        QFETCH(QString, operation);
        const QString onwards = operation.endsWith('+') ? "+" : "";
        operation.remove('+');
        int n = 1;
        for (;; ++n) {
            const QString when = QString("%1 %2").arg(operation).arg(n);
            const CliRun run =
                saved.importWithFault(operation + ':' + QString::number(n) + onwards);
            if (run.exitCode == 0)
                break;
            QCOMPARE(run.exitCode, 1);
            QVERIFY2(QString(run.err).startsWith(English(i18n::msg::CannotWriteFile, saved.data)),
                     qPrintable(when + ": " + run.err));
            if (QString(run.err).contains(English(i18n::msg::SaveNotUndone))) {
                QVERIFY2(!onwards.isEmpty(), qPrintable(when));
                const QString problems = saved.problemsAfterCrash(false);
                QVERIFY2(problems.isEmpty(), qPrintable(when + ": " + problems));
                Restore(saved.data, saved.before);
            } else {
                QVERIFY2(FolderBytes(saved.data) == saved.before, qPrintable(when));
            }
        }
        QVERIFY2(n > 5, "the faults never reached the save's files");
        QCOMPARE(FolderBytes(saved.data), saved.after);
    }

    // The process is killed right before each file operation of the save
    // in turn: every file is whole, old or new, and a mix is reported.
    void killedSaves_data() {
        QTest::addColumn<QString>("operation");
        for (const char* operation : {"write", "fsync", "rename"})
            QTest::newRow(operation) << QString(operation);
    }
    void killedSaves() {
        QFETCH(QString, operation);
        int n = 1, mixes = 0;
        for (;; ++n) {
            const CliRun run =
                saved.importWithFault("kill:" + operation + ':' + QString::number(n));
            if (run.exitCode == 0)
                break;
            QCOMPARE(run.exitCode, -1);
            bool mixed = false;
            const QString problems = saved.problemsAfterCrash(n % 2 == 0, &mixed);
            QVERIFY2(problems.isEmpty(),
                     qPrintable(QString("%1 %2: ").arg(operation).arg(n) + problems));
            mixes += mixed;
            Restore(saved.data, saved.before);
        }
        QVERIFY2(n > 5, "the kills never reached the save's files");
        // Killed between two renames of files, the set is a mix.
        QCOMPARE(mixes > 0, operation == "rename");
    }

    // A large import killed from outside at moments spread over its run.
    void killedAtRandomMoments() {
        QTemporaryDir bigRoot{root.path() + "/big-XXXXXX"}, bigTables;
        SavedGame big;
        QVERIFY(big.make(bigRoot.path() + "/", bigTables.path() + "/", 6000));
        QRandomGenerator random(9);
        for (int kill = 0; kill < 8; ++kill) {
            QProcess process;
            process.start(qEnvironmentVariable("QUILLON_TEST_BINARY_DIR") + "/src/quillon-cli",
                          {"import", big.data, big.table, "--game", big.game});
            QVERIFY(process.waitForStarted());
            QTest::qSleep(int(random.bounded(50, 1500)));
            process.kill();
            process.waitForFinished();
            const QString problems = big.problemsAfterCrash(kill % 2 == 0);
            QVERIFY2(problems.isEmpty(), qPrintable(QString("kill %1: ").arg(kill) + problems));
            Restore(big.data, big.before);
        }
    }

    // A real small disk that is full, or read-only as a folder or as one
    // file: the message names the file, the import ends with status 1 and
    // every file, backups included, is as it was.
    void fullOrReadOnlyDisk_data() {
        QTest::addColumn<int>("units");
        QTest::addColumn<int>("freeKib");  // -1: read-only folder, -2: read-only names file
        QTest::addColumn<QString>("file"); // the file named; empty: any file of the folder
        QTest::newRow("3 KiB records onto a full disk") << 20 << 0 << "KorEquip.EQP";
        QTest::newRow("8 KiB free") << 20 << 8 << "";
        QTest::newRow("15 KiB free for 40 KiB of records") << 240 << 15 << "KorEquip.EQP";
        QTest::newRow("17 KiB free for 40 KiB of records") << 240 << 17 << "KorEquip.EQP";
        QTest::newRow("48 KiB free") << 240 << 48 << "";
        QTest::newRow("100 KiB free") << 240 << 100 << "";
        QTest::newRow("read-only folder") << 20 << -1 << "KorEquip.EQP";
        QTest::newRow("read-only names file") << 20 << -2 << "KorEquip.TXT";
    }
    void fullOrReadOnlyDisk() {
        QFETCH(int, units);
        QFETCH(int, freeKib);
        QFETCH(QString, file);
        if (geteuid() != 0)
            QSKIP("mounting a small file system needs root (CI runs the tests as root)");
        QTemporaryDir mountPoint, tables;
        SmallDisk disk(mountPoint.path(), 1024);
        if (!disk.mounted)
            QSKIP("this machine does not let the test mount a tmpfs");
        SavedGame saved;
        QVERIFY(saved.make(mountPoint.path() + "/", tables.path() + "/", units));
        const QString filler = mountPoint.path() + "/filler";
        const QString names = saved.data + "KorEquip.TXT";
        if (freeKib >= 0) {
            const qint64 available = QStorageInfo(mountPoint.path()).bytesAvailable();
            QVERIFY(platform::writeWholeFile(filler, QByteArray(available - freeKib * 1024, 'f')));
        } else if (freeKib == -1) {
            QCOMPARE(QProcess::execute("mount", {"-o", "remount,ro", mountPoint.path()}), 0);
        } else {
            QCOMPARE(QProcess::execute("mount", {"--bind", names, names}), 0);
            QCOMPARE(QProcess::execute("mount", {"-o", "remount,ro,bind", names}), 0);
        }
        const Files rootBefore = FolderBytes(mountPoint.path() + "/");
        const CliRun run = saved.import();
        if (freeKib == -2)
            QProcess::execute("umount", {names});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(
            QString(run.err).startsWith(English(i18n::msg::CannotWriteFile, saved.data + file)),
            run.err.constData());
        QCOMPARE(FolderBytes(saved.data), saved.before);
        QCOMPARE(FolderBytes(mountPoint.path() + "/"), rootBefore);
    }
};

QTEST_GUILESS_MAIN(SaveFaultsTest)
#include "test_savefaults.moc"
