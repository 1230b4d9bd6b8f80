#include "datasheet/CellNumber.h"
#include "datasheet/Datasheet.h"

#include <benchmark/benchmark.h>

using quillon::Datasheet;

namespace {

// Unit rows as loading writes them: numbers with the blank for the sign,
// a name, nation flags and the 120 unknown bytes as one text.
std::vector<Datasheet::Row> makeUnitRows(int units) {
    static const char* const kinds[] = {"Panzer",   "Spitfire", "Destroyer",
                                        "Infantry", "howitzer", "U-Boat"};
    std::vector<Datasheet::Row> rows(static_cast<size_t>(units));
    unsigned seed = 12345;
    auto next = [&seed](unsigned range) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % range;
    };
    for (int u = 0; u < units; ++u) {
        Datasheet::Row& row = rows[size_t(u)];
        row[0] = quillon::NumberText(u);
        row[1] = QStringLiteral("%1 %2").arg(QLatin1String(kinds[next(6)])).arg(next(900));
        for (int c = 2; c <= 33; ++c)
            row[size_t(c)] = quillon::NumberText(next(c == 30 ? 50 : 256));
        for (int c = 34; c <= 65; ++c)
            row[size_t(c)] = next(2) ? QStringLiteral(" 1") : QStringLiteral(" 0");
        for (int c = 66; c <= 72; ++c)
            row[size_t(c)] = quillon::NumberText(next(300));
        QString unknown;
        unknown.reserve(480);
        for (int b = 0; b < 120; ++b)
            unknown += u' ' + QString::number(next(8) == 0 ? next(256) : 0);
        row[73] = unknown;
    }
    return rows;
}

void selectAllUnits(Datasheet& sheet) {
    sheet.select(1, 1, sheet.rows() - 1, Datasheet::ColumnCount - 1);
}

void BM_ClipAllUnits(benchmark::State& state) {
    Datasheet sheet;
    sheet.replaceUnitRows(makeUnitRows(int(state.range(0))));
    selectAllUnits(sheet);
    // The editor puts the block on the clipboard as UTF-8 bytes.
    for (auto _ : state)
        benchmark::DoNotOptimize(sheet.clipUtf8());
}

void BM_SetClipAllUnits(benchmark::State& state) {
    Datasheet sheet;
    sheet.replaceUnitRows(makeUnitRows(int(state.range(0))));
    selectAllUnits(sheet);
    // A spreadsheet's copy: CR LF line ends and one final line end.
    const QByteArray text = sheet.clipUtf8().replace('\r', "\r\n") + "\r\n";
    for (auto _ : state)
        sheet.setClipUtf8(text);
}

void sortOnColumn(benchmark::State& state, int col, Datasheet::SortKind kind) {
    const std::vector<Datasheet::Row> rows = makeUnitRows(int(state.range(0)));
    Datasheet sheet;
    for (auto _ : state) {
        state.PauseTiming();
        sheet.replaceUnitRows(rows);
        sheet.select(1, col, 1, col);
        state.ResumeTiming();
        sheet.sort(kind);
    }
}

void BM_SortNumeric(benchmark::State& state) {
    sortOnColumn(state, 26, Datasheet::NumericAscending);
}

void BM_SortName(benchmark::State& state) {
    sortOnColumn(state, 1, Datasheet::TextDescending);
}

} // namespace

BENCHMARK(BM_ClipAllUnits)->Arg(1095)->Arg(8000)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SetClipAllUnits)->Arg(1095)->Arg(8000)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortNumeric)->Arg(1095)->Arg(8000)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortName)->Arg(1095)->Arg(8000)->Arg(32767)->Unit(benchmark::kMillisecond);
