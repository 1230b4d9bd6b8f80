// quillon-peak-run RESULT PROGRAM [ARGS...]: runs PROGRAM and writes its wall
// time, CPU time (user + system) in seconds, peak resident memory in KiB and
// exit status into the file RESULT. A small process of its own: Linux counts
// the memory of the process a program replaces into that program's peak, so
// a child started straight from a large benchmark would report the
// benchmark's peak instead of its own.
#include <chrono>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: quillon-peak-run RESULT PROGRAM [ARGS...]\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid)
        return 1;
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const auto seconds = [](const timeval& t) {
        return double(t.tv_sec) + double(t.tv_usec) / 1e6;
    };
    std::FILE* result = std::fopen(argv[1], "w");
    if (!result)
        return 1;
    std::fprintf(result, "%.6f %.6f %ld %d\n", wall,
                 seconds(usage.ru_utime) + seconds(usage.ru_stime), usage.ru_maxrss,
                 WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    return std::fclose(result) == 0 ? 0 : 1;
}
