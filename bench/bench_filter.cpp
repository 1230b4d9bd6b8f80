#include "datasheet/ui/DatasheetFilter.h"
#include "datasheet/ui/DatasheetPage.h"
#include "datasheet/ui/RightClickSort.h"
#include "equipment/EquipmentFiles.h"
#include "samplegame/SampleGame.h"
#include "shell/EditorState.h"
#include "shell/GameFolderCheck.h"
#include "shell/ui/FilterVocabulary.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

using namespace quillon;

namespace {

// The widgets need an application; without a display it draws offscreen.
void EnsureApplication() {
    static int argc = 1;
    static char name[] = "quillon-bench";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(argc, argv);
}

// The datasheet view on show over an equipment file of `units` units beside
// a complete game whose lists give the class names, loaded as the editor
// loads it.
struct ShownFile {
    QTemporaryDir dir;
    EditorState state;
    std::unique_ptr<DatasheetPage> page;

    explicit ShownFile(int units) {
        EnsureApplication();
        state.GameFolder = dir.path() + QStringLiteral("/");
        const QString folder = dir.path() + QStringLiteral("/units/");
        if (!samplegame::WriteSampleGame(state.GameFolder) || !CheckGameFolder(state).isEmpty() ||
            !QDir().mkpath(folder) || !samplegame::WriteEquipmentFiles(folder, units) ||
            !LoadEquipmentFiles(folder, state.datasheet, i18n::Language::English).ok)
            return;
        page = std::make_unique<DatasheetPage>(state.datasheet);
        page->resize(1280, 800);
        page->applyLanguage(i18n::Language::English, FilterVocabularyFor(state));
        page->show();
        QCoreApplication::processEvents();
    }
    bool ready(benchmark::State& bench) const {
        if (!page)
            bench.SkipWithError("the large equipment file could not be written or loaded");
        return page != nullptr;
    }
};

// One keystroke in the filter field: the filter read, every unit tested,
// the grid laid out and drawn again, the status line written. Each run
// types the last character or takes it back.
void BM_FilterKeystroke(benchmark::State& bench, const char* before, const char* after) {
    ShownFile file(int(bench.range(0)));
    if (!file.ready(bench))
        return;
    const QString texts[] = {QString::fromUtf8(before), QString::fromUtf8(after)};
    size_t typed = 0;
    for (auto _ : bench) {
        file.page->filterField()->setText(texts[typed++ % 2]);
        QCoreApplication::processEvents();
    }
    if (!file.page->problemText().isEmpty())
        bench.SkipWithError(qPrintable(file.page->problemText()));
    bench.counters["shown"] = file.page->filter()->rowCount();
}

// A right-click sort on the name column while a filter shows about half the
// units: only the shown rows change places.
void BM_SortShownRows(benchmark::State& bench) {
    ShownFile file(int(bench.range(0)));
    if (!file.ready(bench))
        return;
    file.page->filterField()->setText(QStringLiteral("hard attack >= 20"));
    Datasheet& sheet = file.state.datasheet;
    sheet.select(1, 1, 1, 1);
    // Descending, then ascending: every run moves the shown rows.
    bool descending = true;
    for (auto _ : bench) {
        RightClickSort(sheet, descending ? Qt::ShiftModifier : Qt::NoModifier,
                       file.page->filter()->rowShown());
        QCoreApplication::processEvents();
        descending = !descending;
    }
    bench.counters["shown"] = file.page->filter()->rowCount();
}

} // namespace

BENCHMARK(BM_SortShownRows)->Arg(1095)->Arg(32767)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_FilterKeystroke, name_word, "tan", "tank")
    ->Arg(32767)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_FilterKeystroke, two_columns, "class = tank year available < 4",
                  "class = tank year available < 40")
    ->Arg(32767)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_FilterKeystroke, filter_cleared, "", "hard attack >= 10")
    ->Arg(32767)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
