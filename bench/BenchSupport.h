#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quillon::bench {

// The inputs of the large scenarios, made by the sample-game generator.
// KorEquip.EQP and KorEquip.TXT with `units` units in a new folder below
// `parent`; the folder (ending with '/'), or empty when it could not be
// written.
QString MakeEquipmentFolder(const QString& parent, int units);
// A whole sample game (index, texts, icons, sounds) in a new folder below
// `parent`; the folder (ending with '/'), or empty.
QString MakeGameFolder(const QString& parent);

// One run of another program, from start to exit.
struct ChildRun {
    bool ok = false;       // exited normally with status 0
    double seconds = 0;    // wall clock
    double cpuSeconds = 0; // user + system time: what the machine's other load leaves alone
    double peakMiB = 0;    // the child's peak resident memory
    QByteArray output;     // its standard output
};
// Runs `command` (program first, found on PATH) through quillon-peak-run,
// so that the peak memory is the program's own, and waits for it.
ChildRun RunChild(const QStringList& command);

// quillon-bench started with this flag, a game folder and an equipment
// folder runs the editor session of BM_EditorSession instead of benchmarks.
inline constexpr char EditorSessionFlag[] = "--editor-session";
int RunEditorSession(const QString& gameFolder, const QString& equipmentFolder);

} // namespace quillon::bench
