#include "BenchSupport.h"

#include "datasheet/Datasheet.h"
#include "equipment/EquipmentFiles.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace quillon;

namespace {

void BM_LoadEquipmentFiles(benchmark::State& state) {
    QTemporaryDir dir;
    const QString folder = bench::MakeEquipmentFolder(dir.path(), int(state.range(0)));
    Datasheet sheet;
    for (auto _ : state) {
        const LoadResult result = LoadEquipmentFiles(folder, sheet, i18n::Language::English);
        benchmark::DoNotOptimize(result.ok);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Sort, convert every row, back up and write both files (no game data).
void BM_SaveEquipmentFiles(benchmark::State& state) {
    QTemporaryDir dir;
    const QString folder = bench::MakeEquipmentFolder(dir.path(), int(state.range(0)));
    Datasheet sheet;
    LoadEquipmentFiles(folder, sheet, i18n::Language::English);
    SaveInputs inputs;
    inputs.equipmentFolder = folder;
    for (auto _ : state) {
        const SaveResult result = SaveEquipmentFiles(sheet, inputs);
        benchmark::DoNotOptimize(result.ok);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_LoadEquipmentFiles)->Arg(1095)->Arg(8000)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveEquipmentFiles)->Arg(1095)->Arg(8000)->Arg(32767)->Unit(benchmark::kMillisecond);
