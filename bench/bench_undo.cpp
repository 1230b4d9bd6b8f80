#include "datasheet/Datasheet.h"
#include "datasheet/UnitChanges.h"
#include "equipment/EquipmentFiles.h"
#include "samplegame/SampleGame.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace quillon;

namespace {

// The sample game's units loaded from their files, every unit cell
// selected, and the text a spreadsheet gives back for them after an edit of
// nearly every cell (the blanks before the numbers gone, CR LF line ends).
struct PasteAll {
    QTemporaryDir dir;
    Datasheet sheet;
    QStringList descriptions;
    QString text;

    explicit PasteAll(int units) {
        const QString folder = dir.filePath(QStringLiteral("units")) + QLatin1Char('/');
        QDir().mkpath(folder);
        samplegame::WriteEquipmentFiles(folder, units);
        LoadEquipmentFiles(folder, sheet, i18n::Language::English);
        sheet.select(1, 1, sheet.rows() - 1, Datasheet::ColumnCount - 1);
        text = sheet.clip().remove(u' ').replace(u'\r', QStringLiteral("\r\n")) +
               QStringLiteral("\r\n");
    }
};

// The paste as the editor does it: the block kept before and after.
void BM_PasteAllKeepingHistory(benchmark::State& state) {
    PasteAll paste(int(state.range(0)));
    const QString original = paste.sheet.clip();
    for (auto _ : state) {
        BlockChange change(paste.sheet);
        paste.sheet.setClip(paste.text);
        benchmark::DoNotOptimize(change.finish(paste.sheet));
        state.PauseTiming();
        paste.sheet.setClip(original);
        state.ResumeTiming();
    }
    // What the step holds: the block's text before and after, two bytes a character.
    state.counters["history_MB"] =
        double(original.size() + paste.sheet.clip().size()) * 2 / (1024 * 1024);
}

void undoOrRedo(benchmark::State& state, bool undo) {
    PasteAll paste(int(state.range(0)));
    BlockChange change(paste.sheet);
    paste.sheet.setClip(paste.text);
    change.finish(paste.sheet);
    for (auto _ : state) {
        if (!undo) {
            state.PauseTiming();
            change.undo(paste.sheet, paste.descriptions);
            state.ResumeTiming();
            change.redo(paste.sheet, paste.descriptions);
        } else {
            change.undo(paste.sheet, paste.descriptions);
            state.PauseTiming();
            change.redo(paste.sheet, paste.descriptions);
            state.ResumeTiming();
        }
    }
}

void BM_UndoPasteAll(benchmark::State& state) {
    undoOrRedo(state, true);
}

void BM_RedoPasteAll(benchmark::State& state) {
    undoOrRedo(state, false);
}

} // namespace

BENCHMARK(BM_PasteAllKeepingHistory)->Arg(1095)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoPasteAll)->Arg(1095)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedoPasteAll)->Arg(1095)->Arg(32767)->Unit(benchmark::kMillisecond);
