#include "check/UnitCheck.h"
#include "check/UnitCompare.h"
#include "datasheet/Datasheet.h"
#include "datasheet/UnitEditing.h"
#include "equipment/EquipmentFiles.h"
#include "samplegame/SampleGame.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace quillon;

namespace {

QString writeUnits(QTemporaryDir& dir, const QString& name, int units) {
    const QString folder = dir.filePath(name) + QLatin1Char('/');
    QDir().mkpath(folder);
    samplegame::WriteEquipmentFiles(folder, units);
    return folder;
}

// What a modder does to a copy: Fuel changed on every `step`-th unit, one
// unit deleted at a third and one inserted at two thirds of the file.
void editCopy(Datasheet& sheet, int step) {
    for (int r = 1; r < sheet.rows(); r += step)
        sheet.setCell(r, 22, QStringLiteral(" 300"));
    QStringList descriptions;
    sheet.select(sheet.rows() / 3, 1, sheet.rows() / 3, 1);
    DeleteUnit(sheet, descriptions);
    sheet.select(2 * sheet.rows() / 3, 1, 2 * sheet.rows() / 3, 1);
    InsertUnitBefore(sheet, descriptions);
}

// Two loaded files compared; range(1): every how many units one is changed.
void BM_CompareUnits(benchmark::State& state) {
    QTemporaryDir dir;
    const QString folder = writeUnits(dir, QStringLiteral("a"), int(state.range(0)));
    Datasheet a, b;
    LoadEquipmentFiles(folder, a, i18n::Language::English);
    LoadEquipmentFiles(folder, b, i18n::Language::English);
    editCopy(b, int(state.range(1)));
    for (auto _ : state) {
        const check::Comparison comparison = check::CompareUnits(a, b);
        benchmark::DoNotOptimize(comparison.units.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// What `quillon-cli diff` does: load both folders and compare them.
void BM_DiffFolders(benchmark::State& state) {
    QTemporaryDir dir;
    const int units = int(state.range(0));
    const QString folderA = writeUnits(dir, QStringLiteral("a"), units);
    const QString folderB = dir.filePath(QStringLiteral("b")) + QLatin1Char('/');
    QDir().mkpath(folderB);
    {
        Datasheet edited;
        LoadEquipmentFiles(folderA, edited, i18n::Language::English);
        editCopy(edited, 10);
        SaveInputs inputs;
        inputs.equipmentFolder = folderB;
        SaveEquipmentFiles(edited, inputs);
    }
    for (auto _ : state) {
        Datasheet a, b;
        LoadEquipmentFiles(folderA, a, i18n::Language::English);
        LoadEquipmentFiles(folderB, b, i18n::Language::English);
        const check::Comparison comparison = check::CompareUnits(a, b);
        benchmark::DoNotOptimize(comparison.units.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The check of a loaded file without game data.
void BM_CheckUnits(benchmark::State& state) {
    QTemporaryDir dir;
    Datasheet sheet;
    LoadEquipmentFiles(writeUnits(dir, QStringLiteral("a"), int(state.range(0))), sheet,
                       i18n::Language::English);
    for (auto _ : state) {
        const check::CheckReport report = check::CheckUnits(sheet, {});
        benchmark::DoNotOptimize(report.problems.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_CompareUnits)
    ->Args({1095, 10})
    ->Args({32767, 10})
    ->Args({32767, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DiffFolders)->Arg(1095)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckUnits)->Arg(1095)->Arg(32767)->Unit(benchmark::kMillisecond);
