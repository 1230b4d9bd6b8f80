#include "BenchSupport.h"

#include "samplegame/SampleGame.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace quillon::bench {

QString MakeEquipmentFolder(const QString& parent, int units) {
    const QString folder = parent + QStringLiteral("/equipment-%1/").arg(units);
    if (!QDir().mkpath(folder) || !samplegame::WriteEquipmentFiles(folder, units))
        return {};
    return folder;
}

QString MakeGameFolder(const QString& parent) {
    const QString folder = parent + QStringLiteral("/game/");
    return samplegame::WriteSampleGame(folder) ? folder : QString();
}

ChildRun RunChild(const QStringList& command) {
    ChildRun run;
    QTemporaryDir dir;
    const QString resultPath = dir.filePath(QStringLiteral("result"));
    std::vector<QByteArray> args{QByteArrayLiteral(QUILLON_PEAK_RUN),
                                 QFile::encodeName(resultPath)};
    for (const QString& arg : command)
        args.push_back(QFile::encodeName(arg));
    std::vector<char*> argv;
    for (QByteArray& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    int out[2];
    if (pipe(out) != 0)
        return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, out[1]);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned == 0) {
        char buffer[4096];
        for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
            run.output.append(buffer, n);
    }
    close(out[0]);
    int status = 0;
    if (spawned != 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return run;

    QFile result(resultPath);
    if (!result.open(QIODevice::ReadOnly))
        return run;
    const QList<QByteArray> fields = result.readAll().trimmed().split(' ');
    if (fields.size() != 4)
        return run;
    run.seconds = fields[0].toDouble();
    run.cpuSeconds = fields[1].toDouble();
    run.peakMiB = fields[2].toDouble() / 1024.0;
    run.ok = fields[3] == "0";
    return run;
}

} // namespace quillon::bench
