// Whole processes at the format's sizes: quillon-cli beside a plain Python
// script doing the same conversion. The time is the child's CPU time (user +
// system, start-up included), with its wall time and peak memory beside it.
#include "BenchSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

using namespace quillon::bench;

namespace {

const QString Script = QStringLiteral(QUILLON_SOURCE_DIR "/bench/equipment_table.py");

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The files of one size, made once and shared by the four scenarios.
struct Inputs {
    QTemporaryDir dir;
    QString folder; // the equipment files as generated
    QString noGame; // an empty game folder: no run depends on an installed game
    QString table;  // quillon-cli's export, the import's input
    QString output; // where the runs write
    QByteArray eqp, txt, tableBytes;
    bool ok = false;

    explicit Inputs(int units) {
        folder = MakeEquipmentFolder(dir.path(), units);
        noGame = dir.filePath(QStringLiteral("no-game"));
        table = dir.filePath(QStringLiteral("table.tsv"));
        output = dir.filePath(QStringLiteral("out")) + QLatin1Char('/');
        eqp = fileBytes(folder + QStringLiteral("KorEquip.EQP"));
        txt = fileBytes(folder + QStringLiteral("KorEquip.TXT"));
        ok = !folder.isEmpty() && QDir().mkpath(noGame) && QDir().mkpath(output) &&
             RunChild({QStringLiteral(QUILLON_CLI), QStringLiteral("export"), folder,
                       QStringLiteral("--game"), noGame, QStringLiteral("-o"), table})
                 .ok;
        tableBytes = fileBytes(table);
    }
    // Puts the generated equipment files where an import writes over them.
    bool resetOutput() const {
        for (const char* name : {"KorEquip.EQP", "KorEquip.TXT"}) {
            QFile::remove(output + QLatin1String(name));
            if (!QFile::copy(folder + QLatin1String(name), output + QLatin1String(name)))
                return false;
        }
        return true;
    }
};

const Inputs& inputsFor(int units) {
    static std::map<int, std::unique_ptr<Inputs>> made;
    std::unique_ptr<Inputs>& inputs = made[units];
    if (!inputs)
        inputs = std::make_unique<Inputs>(units);
    return *inputs;
}

// Runs `command` once per iteration; the result must be the expected bytes,
// so that both programs are seen to do the same conversion.
void runEach(benchmark::State& state, const QStringList& command,
             const std::map<QString, QByteArray>& expected) {
    double peak = 0, wall = 0;
    for (auto _ : state) {
        const ChildRun run = RunChild(command);
        if (!run.ok) {
            state.SkipWithError("the program failed");
            return;
        }
        state.SetIterationTime(run.cpuSeconds);
        peak = std::max(peak, run.peakMiB);
        wall += run.seconds;
    }
    for (const auto& [path, bytes] : expected) {
        if (fileBytes(path) != bytes) {
            state.SkipWithError("the result differs from the expected file");
            return;
        }
    }
    state.counters["peak_MiB"] = peak;
    state.counters["wall_ms"] = 1000 * wall / double(state.iterations());
}

void exportWith(benchmark::State& state, bool python) {
    const Inputs& in = inputsFor(int(state.range(0)));
    if (!in.ok) {
        state.SkipWithError("the inputs could not be made");
        return;
    }
    const QString table = in.output + QStringLiteral("export.tsv");
    const QStringList command = python ? QStringList{QStringLiteral(QUILLON_PYTHON), Script,
                                                     QStringLiteral("export"), in.folder, table}
                                       : QStringList{QStringLiteral(QUILLON_CLI),
                                                     QStringLiteral("export"),
                                                     in.folder,
                                                     QStringLiteral("--game"),
                                                     in.noGame,
                                                     QStringLiteral("-o"),
                                                     table};
    runEach(state, command, {{table, in.tableBytes}});
}

void importWith(benchmark::State& state, bool python) {
    const Inputs& in = inputsFor(int(state.range(0)));
    if (!in.ok || !in.resetOutput()) {
        state.SkipWithError("the inputs could not be made");
        return;
    }
    const QStringList command = python ? QStringList{QStringLiteral(QUILLON_PYTHON), Script,
                                                     QStringLiteral("import"), in.output, in.table}
                                       : QStringList{QStringLiteral(QUILLON_CLI),
                                                     QStringLiteral("import"),
                                                     in.output,
                                                     in.table,
                                                     QStringLiteral("--game"),
                                                     in.noGame};
    runEach(state, command,
            {{in.output + QStringLiteral("KorEquip.EQP"), in.eqp},
             {in.output + QStringLiteral("KorEquip.TXT"), in.txt}});
}

void BM_Export_QuillonCli(benchmark::State& state) {
    exportWith(state, false);
}
void BM_Export_PythonScript(benchmark::State& state) {
    exportWith(state, true);
}
void BM_Import_QuillonCli(benchmark::State& state) {
    importWith(state, false);
}
void BM_Import_PythonScript(benchmark::State& state) {
    importWith(state, true);
}

void sizes(benchmark::internal::Benchmark* b) {
    b->Arg(1095)->Arg(8000)->Arg(32767)->UseManualTime()->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(BM_Export_QuillonCli)->Apply(sizes);
BENCHMARK(BM_Export_PythonScript)->Apply(sizes);
BENCHMARK(BM_Import_QuillonCli)->Apply(sizes);
BENCHMARK(BM_Import_PythonScript)->Apply(sizes);
