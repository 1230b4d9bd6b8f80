#include "gamedata/Graphics.h"
#include "gamedata/TextLists.h"
#include "platform/Files.h"
#include "samplegame/SampleGame.h"

#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>

using namespace quillon;
using namespace quillon::gamedata;

namespace {

// A generated game folder with its index files read, as the game folder
// check has it before the text lists and graphics.
struct SampleData {
    QTemporaryDir dir;
    QString dataFolder;
    GameIndex index;

    explicit SampleData(int icons) {
        samplegame::Options options;
        options.icons = icons;
        if (!samplegame::WriteSampleGame(dir.path(), options))
            return;
        dataFolder = dir.path() + QStringLiteral("/data/");
        ReadExtIndex(platform::readWholeFile(dataFolder + "ext.idx").value_or(QByteArray()), index);
        ReadPfpIndex(platform::readWholeFile(dataFolder + "pfpdata.idx").value_or(QByteArray()),
                     index);
    }
    bool ready(benchmark::State& state) const {
        if (index.PfpIndex.isEmpty())
            state.SkipWithError("sample game could not be written");
        return !index.PfpIndex.isEmpty();
    }
};

void BM_ReadIndexFiles(benchmark::State& state) {
    const SampleData sample(400);
    if (!sample.ready(state))
        return;
    for (auto _ : state) {
        GameIndex index;
        ReadExtIndex(*platform::readWholeFile(sample.dataFolder + "ext.idx"), index);
        ReadPfpIndex(*platform::readWholeFile(sample.dataFolder + "pfpdata.idx"), index);
        benchmark::DoNotOptimize(index.PfpIndex.data());
    }
}
BENCHMARK(BM_ReadIndexFiles)->Unit(benchmark::kMicrosecond);

void BM_LoadTextLists(benchmark::State& state) {
    const SampleData sample(400);
    if (!sample.ready(state))
        return;
    TextLists lists;
    QStringList descriptions;
    for (auto _ : state) {
        const QByteArray container =
            *platform::readWholeFile(sample.dataFolder + TextContainerName(sample.index));
        LoadTextLists(container, sample.index, lists, descriptions);
        benchmark::DoNotOptimize(descriptions.data());
    }
    // What was found, so that a reader of the numbers sees real work was done.
    state.counters["classes"] = double(lists.classes.size());
    state.counters["nations"] = double(lists.NationNames.size());
    state.counters["moveMedia"] = double(lists.moveMedia.size());
    state.counters["placeholders"] =
        double(std::count_if(descriptions.begin(), descriptions.end(),
                             [](const QString& d) { return d.endsWith(QLatin1String(".txt")); }));
}
BENCHMARK(BM_LoadTextLists)->Unit(benchmark::kMicrosecond);

void BM_LoadGraphics(benchmark::State& state) {
    const SampleData sample(int(state.range(0)));
    if (!sample.ready(state))
        return;
    Graphics graphics;
    GraphicsReport report;
    for (auto _ : state) {
        graphics = Graphics{};
        report = LoadGraphics(sample.dataFolder, sample.index, graphics);
        benchmark::DoNotOptimize(graphics.flags.data());
    }
    state.counters["flags"] = double(graphics.flags.size());
    state.counters["invalidFlags"] = double(report.invalidFlags.size());
    state.counters["icons"] = graphics.IconCount;
}
BENCHMARK(BM_LoadGraphics)->Arg(400)->Arg(4000)->Unit(benchmark::kMicrosecond);

// Browsing through every icon, as the icon buttons of the form view do.
void BM_DecodeAllIcons(benchmark::State& state) {
    const SampleData sample(int(state.range(0)));
    if (!sample.ready(state))
        return;
    Graphics graphics;
    LoadGraphics(sample.dataFolder, sample.index, graphics);
    const QByteArray shp = *platform::readWholeFile(sample.dataFolder + "shp.pfp");
    QByteArray data;
    for (auto _ : state) {
        for (const qint64 start : graphics.IconStart) {
            const std::optional<ImageHeader> header = ReadImage(shp, start, data);
            if (header)
                benchmark::DoNotOptimize(DecodeToImage(*header, data, graphics.palette, 25));
        }
    }
    state.SetItemsProcessed(state.iterations() * graphics.IconCount);
}
BENCHMARK(BM_DecodeAllIcons)->Arg(400)->Arg(4000)->Unit(benchmark::kMillisecond);

void BM_ShowUnitIcon(benchmark::State& state) {
    const SampleData sample(400);
    if (!sample.ready(state))
        return;
    Graphics graphics;
    LoadGraphics(sample.dataFolder, sample.index, graphics);
    int n = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ShowUnitIcon(sample.dataFolder, graphics, n));
        n = (n + 1) % std::max(graphics.IconCount, 1);
    }
}
BENCHMARK(BM_ShowUnitIcon)->Unit(benchmark::kMicrosecond);

} // namespace
