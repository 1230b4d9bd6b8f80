#include "equipment/DescriptionContainer.h"
#include "equipment/EquipmentFiles.h"
#include "platform/Files.h"
#include "samplegame/SampleGame.h"
#include "shell/EditorState.h"
#include "shell/GameFolderCheck.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace quillon;

namespace {

// A generated game with `units` units, checked and loaded as at start-up.
struct CheckedGame {
    QTemporaryDir dir;
    EditorState state;
    bool ok = false;

    explicit CheckedGame(int units) {
        state.GameFolder = dir.path() + QStringLiteral("/");
        samplegame::Options options;
        options.units = units;
        ok = samplegame::WriteSampleGame(state.GameFolder, options) &&
             CheckGameFolder(state).isEmpty() &&
             LoadEquipmentFiles(state.DataFolder, state.datasheet, i18n::Language::English).ok;
    }
    bool ready(benchmark::State& bench) const {
        if (!ok)
            bench.SkipWithError("sample game could not be written or loaded");
        return ok;
    }
};

void BM_CheckGameFolder(benchmark::State& bench) {
    CheckedGame game(int(bench.range(0)));
    if (!game.ready(bench))
        return;
    for (auto _ : bench) {
        const QStringList messages = CheckGameFolder(game.state);
        benchmark::DoNotOptimize(messages.size());
    }
}
BENCHMARK(BM_CheckGameFolder)->Arg(1100)->Unit(benchmark::kMillisecond);

// The in-memory part of the rewrite: grows linearly with the unit count.
void BM_BuildDescriptionContainer(benchmark::State& bench) {
    CheckedGame game(int(bench.range(0)));
    if (!game.ready(bench))
        return;
    const QByteArray container =
        *platform::readWholeFile(game.state.DataFolder + game.state.TextContainerName);
    for (auto _ : bench) {
        const RewriteBuild build =
            BuildDescriptionContainer(container, game.state.index, game.state.LongDescriptions,
                                      game.state.UnitCount(), i18n::Language::English);
        benchmark::DoNotOptimize(build.files.textContainer.size());
    }
    bench.SetComplexityN(bench.range(0));
}
BENCHMARK(BM_BuildDescriptionContainer)
    ->Arg(1100)
    ->Arg(8000)
    ->Arg(32000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

// A whole save into the game's data folder: backups, equipment files, the
// container and both indexes.
void BM_SaveWithContainerRewrite(benchmark::State& bench) {
    CheckedGame game(int(bench.range(0)));
    if (!game.ready(bench))
        return;
    const SaveInputs inputs{game.state.DataFolder, game.state.DataFolder, true,
                            &game.state.LongDescriptions, i18n::Language::English};
    for (auto _ : bench) {
        const SaveResult result = SaveEquipmentFiles(game.state.datasheet, inputs);
        if (!result.containerWritten) {
            bench.SkipWithError("the save did not write the container");
            return;
        }
    }
}
BENCHMARK(BM_SaveWithContainerRewrite)->Arg(1100)->Unit(benchmark::kMillisecond);

} // namespace
