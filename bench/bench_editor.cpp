// The editor's main window at scale, offscreen, in a process of its own so
// that the peak memory is the editor's: open a folder, switch to the form
// and back, sort all units, copy them to the clipboard, paste them back
// changed, take the paste back, save.
#include "BenchSupport.h"

#include "datasheet/ui/DatasheetView.h"
#include "platform/Dialogs.h"
#include "platform/WavePlayer.h"
#include "shell/Configuration.h"
#include "shell/ui/FolderDialogs.h"
#include "shell/ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <utility>

using namespace quillon;
using namespace quillon::bench;

namespace {

class QuietDialogs : public platform::Dialogs {
public:
    void inform(const QString&) override {}
    bool ask(const QString&) override { return false; }
};

class QuietPlayer : public platform::WavePlayer {
public:
    void stop() override {}
    void play(const QString&) override {}
};

// The process's peak resident memory so far, in KiB.
long peakKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

double cpuMilliseconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

} // namespace

namespace quillon::bench {

// The child: prints one line per step, "name cpu-ms wall-ms peak-KiB".
int RunEditorSession(const QString& gameFolder, const QString& equipmentFolder) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "quillon-bench";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QTemporaryDir programFolder;
    EditorState settings;
    settings.ProgramFolder = programFolder.path() + QLatin1Char('/');
    settings.GameFolder = gameFolder;
    settings.LanguageCode = QStringLiteral("uk");
    if (!WriteConfiguration(settings))
        return 1;

    QuietDialogs dialogs;
    QuietPlayer player;
    MainWindow window(dialogs, player, settings.ProgramFolder, QString(), settings.ProgramFolder);
    window.resize(1280, 900);
    window.start();
    window.show();
    QCoreApplication::processEvents();
    Datasheet& sheet = window.state().datasheet;
    const auto trigger = [&](const char* action) {
        window.action(QString::fromLatin1(action))->trigger();
    };
    // Each step's preparation is not timed: the paste takes back a text in
    // which every number changed, as a spreadsheet gives it back, in the
    // UTF-8 bytes that another program's text arrives in.
    struct Step {
        const char* name;
        std::function<void()> prepare, run;
    };
    const Step steps[] = {
        {"open",
         {},
         [&] {
             trigger("mnu_open");
             window.openDialog()->setFolder(equipmentFolder);
             window.openDialog()->confirmButton()->click();
         }},
        {"toggle", {}, [&] { trigger("mnu_spread"); }},
        {"toggle_back", {}, [&] { trigger("mnu_spread"); }},
        {"sort", [&] { sheet.select(1, 2, sheet.rows() - 1, 2); },
         [&] { emit window.datasheetView()->sortRequested(Qt::NoModifier); }},
        {"copy", [&] { sheet.select(1, 1, sheet.rows() - 1, Datasheet::ColumnCount - 1); },
         [&] { trigger("mnu_copy"); }},
        {"paste",
         [&] {
             QClipboard* clipboard = QGuiApplication::clipboard();
             QByteArray text = clipboard->mimeData()->data(QStringLiteral("text/plain"));
             clipboard->clear(); // only one copy of the block at a time
             // A spreadsheet drops the blank before a number; a text with
             // blanks inside (column 73's bytes) comes back as it went.
             QByteArray edited;
             edited.reserve(text.size());
             qsizetype cellStart = 0;
             for (qsizetype i = 0; i <= text.size(); ++i) {
                 if (i < text.size() && text[i] != '\t' && text[i] != '\n')
                     continue;
                 QByteArrayView cell = QByteArrayView(text).sliced(cellStart, i - cellStart);
                 if (cell.startsWith(' ') && !cell.sliced(1).contains(' '))
                     cell = cell.sliced(1);
                 edited += cell;
                 if (i < text.size())
                     edited += text[i];
                 cellStart = i + 1;
             }
             text = QByteArray(); // gone before the new one is offered
             auto* mime = new QMimeData;
             mime->setData(QStringLiteral("text/plain"), edited);
             clipboard->setMimeData(mime);
         },
         [&] { trigger("mnu_paste"); }},
        {"undo", {}, [&] { trigger("mnu_undo"); }},
        {"save", {}, [&] { trigger("mnu_save"); }},
    };
    for (const Step& step : steps) {
        if (step.prepare)
            step.prepare();
        const double cpu = cpuMilliseconds();
        const auto start = std::chrono::steady_clock::now();
        step.run();
        QCoreApplication::processEvents();
        const double wall =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        std::printf("%s %.3f %.3f %ld\n", step.name, cpuMilliseconds() - cpu, wall, peakKiB());
    }
    return window.state().FileLoaded && !window.state().EquipmentChanged ? 0 : 1;
}

} // namespace quillon::bench

namespace {

void BM_EditorSession(benchmark::State& state) {
    static QTemporaryDir dir;
    static const QString game = MakeGameFolder(dir.path());
    const QString equipment = MakeEquipmentFolder(dir.path(), int(state.range(0)));
    if (game.isEmpty() || equipment.isEmpty()) {
        state.SkipWithError("the inputs could not be made");
        return;
    }
    const QString self = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    for (auto _ : state) {
        const ChildRun run =
            RunChild({self, QString::fromLatin1(EditorSessionFlag), game, equipment});
        // The iteration's time is the CPU time of all steps; every step is
        // a counter of its own.
        double total = 0;
        for (const QByteArray& line : run.output.split('\n')) {
            const QList<QByteArray> fields = line.split(' ');
            if (fields.size() != 4)
                continue;
            const double ms = fields[1].toDouble();
            state.counters[(fields[0] + "_ms").toStdString()] = ms;
            state.counters[(fields[0] + "_wall_ms").toStdString()] = fields[2].toDouble();
            total += ms;
        }
        if (!run.ok) {
            state.SkipWithError("the editor session failed");
            return;
        }
        state.SetIterationTime(total / 1000);
        state.counters["peak_MiB"] = run.peakMiB;
    }
}

} // namespace

BENCHMARK(BM_EditorSession)
    ->Arg(1095)
    ->Arg(8000)
    ->Arg(32767)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
