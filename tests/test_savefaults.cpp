// Saves that fail or are killed part-way, with real failures: a small file
// system that fills up or is read-only, and every file operation of a save
// failed or killed in turn by a preloaded library, all through
// `quillon-cli import` into the game's data folder with descriptions, so
// that all five files and their backups take part.
#include "platform/Files.h"
#include "samplegame/SampleGame.h"
#include "support/CoreTestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <unistd.h>

using namespace quillon;
using namespace quillon::testing;

namespace {

using Files = QMap<QString, QByteArray>;

const QString CannotWrite = "I cannot write the file: ";
const QString NotUndone =
    "The save did not complete, and these files could not be put back as they were: ";
const QString Interrupted = "A save into this folder was interrupted while it replaced its "
                            "files, so they may not belong together: ";

void Restore(const QString& folder, const Files& files) {
    for (const QString& name : QDir(folder).entryList(QDir::Files)) {
        if (Bytes(folder + name) != files.value(name))
            QFile::remove(folder + name);
    }
    for (auto file = files.begin(); file != files.end(); ++file) {
        if (!QFileInfo::exists(folder + file.key()))
            platform::writeWholeFile(folder + file.key(), file.value());
    }
}

// A sample game whose data folder holds an earlier save and its backups,
// three generations apart, and a table of other units with descriptions.
struct SavedGame {
    QString game, data, table;
    Files before, after; // the data folder before and after importing the table

    bool make(const QString& root, const QString& tables, int tableUnits) {
        game = root + "game/";
        data = game + "data/";
        table = tables + "units.tsv";
        const QString source = tables + "source/";
        if (!samplegame::WriteSampleGame(game, {.units = 12, .icons = 2, .sounds = 1}) ||
            !samplegame::WriteSampleGame(source, {tableUnits, 2, 1, 7}))
            return false;
        QList<QByteArray> lines =
            RunCli({"export", data, "--game", game, "--descriptions"}).out.split('\n');
        lines[1] = lines[1].chopped(1) + " (edited)\r";
        if (!platform::writeWholeFile(table, lines.join('\n')) || import().exitCode != 0 ||
            RunCli({"export", source + "data/", "--game", source, "--descriptions", "-o", table})
                    .exitCode != 0)
            return false;
        before = FolderBytes(data);
        const bool imported = import().exitCode == 0;
        after = FolderBytes(data);
        Restore(data, before);
        return imported && after != before;
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
    // the next save, takes the temporary files away and tells of a mix of
    // new and old files; a save then changes nothing. Without a mix the
    // folder is as before or after the save. Empty when all is well.
    QString problemsAfterCrash(bool nextIsSave, bool& mixed) const {
        Files now = FolderBytes(data);
        int fresh = 0, stale = 0;
        QString problems;
        for (auto file = after.begin(); file != after.end(); ++file) {
            const QByteArray bytes = now.value(file.key());
            if (bytes != file.value() && bytes != before.value(file.key()))
                problems += " torn: " + file.key();
            if (!file.key().startsWith("OLD_") && file.value() != before.value(file.key()))
                ++(bytes == file.value() ? fresh : stale);
        }
        mixed = fresh > 0 && stale > 0;
        now.removeIf([&](auto file) { return !after.contains(file.key()); });
        const CliRun next = nextIsSave ? import() : RunCli({"export", data});
        if (next.exitCode != (mixed && nextIsSave ? 1 : 0) ||
            mixed != QString(next.err).contains(Interrupted + data))
            problems += " next load or save: " + next.err;
        // Temporary files count too: they must be gone.
        const Files later = FolderBytes(data);
        if (mixed ? later != now : later != before && later != after)
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
    std::map<int, SavedGame> onDisks; // by the units of their tables

private slots:
    void initTestCase() { QVERIFY(saved.make(root.path() + "/", tables.path() + "/", 30)); }
    void cleanup() { Restore(saved.data, saved.before); }

    // Each open for writing, write, sync or rename of the save in turn
    // fails; fails with every later one, so that putting files back fails
    // too ("+"); or kills the process right before it ("kill:"). The
    // folder is as it was, or the message names the files that could not
    // be put back and the crash checks hold.
    void faultAtEveryOperation_data() {
        QTest::addColumn<QString>("fault");
        for (const char* fault :
             {"open", "write", "fsync", "rename", "rename+", "kill:write", "kill:rename"})
            QTest::newRow(fault) << QString(fault);
    }
    void faultAtEveryOperation() {
        QFETCH(QString, fault);
        const bool kill = fault.startsWith("kill:");
        int n = 1, mixes = 0;
        for (;; ++n) {
            const QString when = fault.endsWith('+') ? fault.chopped(1) + QString(":%1+").arg(n)
                                                     : fault + QString(":%1").arg(n);
            const CliRun run = saved.importWithFault(when);
            if (run.exitCode == 0)
                break;
            QCOMPARE(run.exitCode, kill ? -1 : 1);
            const QString error = QString(run.err);
            QVERIFY2(kill || error.startsWith(CannotWrite + saved.data),
                     qPrintable(when + ": " + error));
            if (!kill && !error.contains(NotUndone)) {
                QVERIFY2(FolderBytes(saved.data) == saved.before, qPrintable(when));
                continue;
            }
            bool mixed = false;
            const QString problems = saved.problemsAfterCrash(n % 2 == 0, mixed);
            QVERIFY2(problems.isEmpty(), qPrintable(when + ":" + problems));
            mixes += mixed;
            Restore(saved.data, saved.before);
        }
        QVERIFY2(n > 5, "the faults never reached the save's files");
        QCOMPARE(FolderBytes(saved.data), saved.after);
        // Stopped between the renames of two of the files, the set is a mix.
        QCOMPARE(mixes > 0, fault == "kill:rename" || fault == "rename+");
    }

    // A large import killed from outside at moments spread over its run.
    void killedAtRandomMoments() {
        QTemporaryDir bigRoot{root.path() + "/big-XXXXXX"}, bigTables;
        SavedGame big;
        QVERIFY(big.make(bigRoot.path() + "/", bigTables.path() + "/", 1500));
        // Kill moments are spread over the time one whole import takes here.
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(big.import().exitCode, 0);
        const int whole = int(clock.elapsed()) + 1;
        Restore(big.data, big.before);
        QRandomGenerator random(9);
        for (int kill = 0; kill < 6; ++kill) {
            QProcess process;
            process.start(qEnvironmentVariable("QUILLON_TEST_BINARY_DIR") + "/src/quillon-cli",
                          {"import", big.data, big.table, "--game", big.game});
            QVERIFY(process.waitForStarted());
            QTest::qSleep(int(random.bounded(whole)));
            process.kill();
            process.waitForFinished();
            if (process.exitStatus() == QProcess::NormalExit) { // done before the kill
                QCOMPARE(process.exitCode(), 0);
                QVERIFY(FolderBytes(big.data) == big.after);
                Restore(big.data, big.before);
                continue;
            }
            bool mixed = false;
            const QString problems = big.problemsAfterCrash(kill % 2 == 0, mixed);
            QVERIFY2(problems.isEmpty(), qPrintable(QString("kill %1:").arg(kill) + problems));
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
        QTemporaryDir mountPoint;
        SmallDisk disk(mountPoint.path(), 1024);
        if (!disk.mounted)
            QSKIP("this machine does not let the test mount a tmpfs");
        // Each size of game is made once, then copied onto each disk.
        auto made = onDisks.find(units);
        if (made == onDisks.end()) {
            const QString where = root.path() + QString("/disk%1/").arg(units);
            made = onDisks.emplace(units, SavedGame()).first;
            QVERIFY(QDir().mkpath(where + "tables/"));
            QVERIFY(made->second.make(where, where + "tables/", units));
        }
        SavedGame onDisk = made->second;
        onDisk.game = mountPoint.path() + "/game/";
        onDisk.data = onDisk.game + "data/";
        QDirIterator files(made->second.game, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString from = files.next();
            const QString to = onDisk.game + QDir(made->second.game).relativeFilePath(from);
            QVERIFY(QDir().mkpath(QFileInfo(to).path()) && QFile::copy(from, to));
        }
        const QString names = onDisk.data + "KorEquip.TXT";
        if (freeKib >= 0) {
            const qint64 available = QStorageInfo(mountPoint.path()).bytesAvailable();
            QVERIFY(platform::writeWholeFile(mountPoint.path() + "/filler",
                                             QByteArray(available - freeKib * 1024, 'f')));
        } else if (freeKib == -1) {
            QCOMPARE(QProcess::execute("mount", {"-o", "remount,ro", mountPoint.path()}), 0);
        } else {
            QCOMPARE(QProcess::execute("mount", {"--bind", names, names}), 0);
            QCOMPARE(QProcess::execute("mount", {"-o", "remount,ro,bind", names}), 0);
        }
        const Files rootBefore = FolderBytes(mountPoint.path() + "/");
        const CliRun run = onDisk.import();
        if (freeKib == -2)
            QProcess::execute("umount", {names});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(QString(run.err).startsWith(CannotWrite + onDisk.data + file),
                 run.err.constData());
        QCOMPARE(FolderBytes(onDisk.data), onDisk.before);
        QCOMPARE(FolderBytes(mountPoint.path() + "/"), rootBefore);
    }
};

QTEST_GUILESS_MAIN(SaveFaultsTest)
#include "test_savefaults.moc"
