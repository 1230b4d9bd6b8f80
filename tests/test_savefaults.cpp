// Saves that fail or are killed part-way, with real failures: a small file
// system that fills up or is read-only, and the file operations of a save
// failed or killed one at a time by a preloaded library, all through
// `quillon-cli import` into the game's data folder with descriptions, so
// that all five files and their backups take part.
#include "i18n/Messages.h"
#include "platform/Files.h"
#include "samplegame/SampleGame.h"
#include "support/CoreTestSupport.h"

#include <QDir>
#include <QProcess>
#include <QScopeGuard>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using namespace quillon;
using namespace quillon::testing;

namespace {

using Files = QMap<QString, QByteArray>;

const QString CannotWrite = English(i18n::msg::CannotWriteFile);

// A sample game whose data folder holds an earlier save and its backups,
// three generations apart, and a table of other units with descriptions.
struct SavedGame {
    QString game, data, table;
    QString fault;            // what was done to its import, named in problems
    Files before, after;      // the data folder before and after importing the table
    QMap<QString, int> count; // of each file operation of the import

    bool make(const QString& root) {
        game = root + "game/";
        data = game + "data/";
        table = root + "units.tsv";
        const QString source = root + "source/";
        if (!QDir().mkpath(root) ||
            !samplegame::WriteSampleGame(game, {.units = 12, .icons = 2, .sounds = 1}) ||
            !samplegame::WriteSampleGame(source, {240, 2, 1, 7}))
            return false;
        QList<QByteArray> lines =
            RunCli({"export", data, "--game", game, "--descriptions"}).out.split('\n');
        lines[1] = lines[1].chopped(1) + " (edited)\r";
        if (!platform::writeWholeFile(table, lines.join('\n')) ||
            RunCli(importArguments()).exitCode != 0 ||
            RunCli({"export", source + "data/", "--game", source, "--descriptions", "-o", table})
                    .exitCode != 0)
            return false;
        before = FolderBytes(data);
        // Counted and seen in a copy, so that this folder stays as it was.
        const SavedGame counted = copyTo(root + "counted/");
        const bool imported =
            RunCli(counted.importArguments(),
                   counted.shimEnvironment("QUILLON_FAULT_COUNTS=" + root + "counts"))
                .exitCode == 0;
        const QList<QByteArray> numbers = Bytes(root + "counts").trimmed().split(' ');
        for (int op = 0; op < 4 && numbers.size() == 4; ++op)
            count[QStringList{"open", "write", "fsync", "rename"}[op]] = numbers[op].toInt();
        after = FolderBytes(counted.data);
        return imported && after != before && count.size() == 4;
    }

    // The same game and table copied into `root`.
    SavedGame copyTo(const QString& root) const {
        SavedGame copy = *this;
        copy.game = root + "game/";
        copy.data = copy.game + "data/";
        copy.table = root + "units.tsv";
        CopyFolder(game, copy.game);
        QFile::copy(table, copy.table);
        return copy;
    }

    QStringList importArguments() const { return {"import", data, table, "--game", game}; }

    // With the fault library preloaded and `variable` ("NAME=value") set.
    QStringList shimEnvironment(const QString& variable) const {
        const QString asan = qEnvironmentVariable("ASAN_OPTIONS");
        return {"LD_PRELOAD=" + qEnvironmentVariable("QUILLON_FAULT_SHIM"),
                "QUILLON_FAULT_DIR=" + data, variable,
                "ASAN_OPTIONS=" + asan + (asan.isEmpty() ? "" : ":") + "verify_asan_link_order=0"};
    }
};

// Runs quillon-cli with each of `runs` (arguments, environment), a few at a time.
QList<CliRun> RunAll(const QList<std::pair<QStringList, QStringList>>& runs) {
    QList<CliRun> results;
    for (qsizetype first = 0; first < runs.size(); first += 6) {
        std::vector<std::unique_ptr<QProcess>> batch;
        for (const auto& [arguments, environment] : runs.mid(first, 6))
            batch.push_back(StartCli(arguments, environment));
        for (const auto& process : batch)
            results.append(FinishCli(*process));
    }
    return results;
}

} // namespace

class SaveFaultsTest : public QObject {
    Q_OBJECT
    QTemporaryDir root{MemoryTempTemplate()};
    SavedGame saved;
    int copies = 0;

    SavedGame copy() { return saved.copyTo(root.path() + QString("/copy%1/").arg(++copies)); }

private slots:
    void initTestCase() { QVERIFY(saved.make(root.path() + "/saved/")); }

    // A file operation of the save fails; fails with every later one, so
    // that putting files back fails too ("+"); or kills the process right
    // before it ("kill:"): every operation of the kind, or the first and
    // the last few, which take in the first and the last file of the save
    // and its own records. The folder is as it was, or the message names
    // the files that could not be put back and the crash checks hold.
    void faultAtEveryOperation_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("ends"); // operations taken at each end; 0: all
        for (const char* fault : {"open", "write", "fsync"})
            QTest::newRow(fault) << QString(fault) << 3;
        // Renames decide what a crash leaves: each one, on both sides of the
        // first file put in place.
        for (const char* fault : {"rename", "rename+", "kill:rename"})
            QTest::newRow(fault) << QString(fault) << 0;
        QTest::newRow("kill:write") << "kill:write" << 1;
    }
    void faultAtEveryOperation() {
        QFETCH(QString, fault);
        QFETCH(int, ends);
        const bool kill = fault.startsWith("kill:"), onwards = fault.endsWith('+');
        const int count = saved.count.value(fault.section(':', -1).remove('+'));
        QVERIFY2(count > 5, "the faults never reach the save's files");
        QList<SavedGame> games;
        QList<std::pair<QStringList, QStringList>> runs;
        for (int n = 1; n <= count; ++n) {
            if (ends > 0 && n > ends && n <= count - ends)
                continue;
            games.append(copy());
            games.last().fault =
                fault.chopped(onwards) + QString(":%1").arg(n) + (onwards ? "+" : "");
            runs.append({games.last().importArguments(),
                         games.last().shimEnvironment("QUILLON_FAULT=" + games.last().fault)});
        }
        const QList<CliRun> results = RunAll(runs);
        // After a crash every file is whole, old or new. The next load, or
        // the next save, takes the temporary files away and tells of a mix
        // of new and old files; a save then changes nothing. Without a mix
        // the folder is as before or after the save.
        QList<SavedGame> crashed;
        QList<Files> kept; // the files of the save as the crash left them
        QList<bool> mixed;
        runs.clear();
        for (qsizetype i = 0; i < games.size(); ++i) {
            const SavedGame& game = games[i];
            const QString error = QString(results[i].err);
            QCOMPARE(results[i].exitCode, kill ? -1 : 1);
            QVERIFY2(kill || error.startsWith(CannotWrite + game.data),
                     qPrintable(game.fault + ": " + error));
            Files now = FolderBytes(game.data);
            if (!kill && !error.contains(English(i18n::msg::SaveNotUndone))) {
                QVERIFY2(now == saved.before, qPrintable(game.fault));
                continue;
            }
            int fresh = 0, stale = 0;
            for (auto file = saved.after.begin(); file != saved.after.end(); ++file) {
                const QByteArray bytes = now.value(file.key());
                QVERIFY2(bytes == file.value() || bytes == saved.before.value(file.key()),
                         qPrintable(game.fault + " tore " + file.key()));
                if (!file.key().startsWith("OLD_") &&
                    file.value() != saved.before.value(file.key()))
                    ++(bytes == file.value() ? fresh : stale);
            }
            crashed.append(game);
            mixed.append(fresh > 0 && stale > 0);
            now.removeIf([&](auto file) { return !saved.after.contains(file.key()); });
            kept.append(now);
            runs.append(
                {runs.size() % 2 ? game.importArguments() : QStringList{"export", game.data}, {}});
        }
        const QList<CliRun> next = RunAll(runs);
        for (qsizetype g = 0; g < crashed.size(); ++g) {
            const QString data = crashed[g].data, told = QString(next[g].err);
            QVERIFY2(next[g].exitCode == (mixed[g] && g % 2 ? 1 : 0) &&
                         mixed[g] == told.contains(English(i18n::msg::SaveInterrupted, data)),
                     qPrintable(crashed[g].fault + ", next load or save: " + told));
            // Temporary files count too: they must be gone.
            const Files later = FolderBytes(data);
            QVERIFY2(mixed[g] ? later == kept[g] : later == saved.before || later == saved.after,
                     qPrintable(crashed[g].fault +
                                " afterwards: " + QStringList(later.keys()).join(' ')));
        }
        // Stopped between the renames of two of the files, the set is a mix.
        QCOMPARE(mixed.contains(true), fault == "kill:rename" || fault == "rename+");
    }

    // A real small disk that is full, or read-only as a folder or as one
    // file: the message names the file, the import ends with status 1 and
    // every file, backups included, is as it was.
    void fullOrReadOnlyDisk_data() {
        QTest::addColumn<int>("freeKib");  // -1: read-only folder, -2: read-only names file
        QTest::addColumn<QString>("file"); // the file named; empty: any file of the folder
        QTest::newRow("40 KiB of records onto a full disk") << 0 << "KorEquip.EQP";
        QTest::newRow("8 KiB free") << 8 << "";
        QTest::newRow("15 KiB free") << 15 << "KorEquip.EQP";
        QTest::newRow("17 KiB free") << 17 << "KorEquip.EQP";
        QTest::newRow("48 KiB free") << 48 << "";
        QTest::newRow("100 KiB free") << 100 << "";
        QTest::newRow("read-only folder") << -1 << "KorEquip.EQP";
        QTest::newRow("read-only names file") << -2 << "KorEquip.TXT";
    }
    void fullOrReadOnlyDisk() {
        QFETCH(int, freeKib);
        QFETCH(QString, file);
        if (geteuid() != 0)
            QSKIP("mounting a small file system needs root (CI runs the tests as root)");
        // A tmpfs of 1 MiB, unmounted on every way out of the test.
        QTemporaryDir mountPoint;
        if (QProcess::execute("mount",
                              {"-t", "tmpfs", "-o", "size=1024k", "tmpfs", mountPoint.path()}) != 0)
            QSKIP("this machine does not let the test mount a tmpfs");
        const auto unmount = qScopeGuard([&] {
            QProcess::execute("umount", {"-l", mountPoint.path()});
        });
        const SavedGame onDisk = saved.copyTo(mountPoint.path() + "/");
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
        const CliRun run = RunCli(onDisk.importArguments());
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
