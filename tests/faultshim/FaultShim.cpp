// Loaded with LD_PRELOAD into a process under test: makes one file
// operation inside a folder fail, or kills the process right before it.
//   QUILLON_FAULT_DIR  the folder whose files count (a path prefix)
//   QUILLON_FAULT      "<op>:<n>"      the n-th such operation fails
//                      "<op>:<n>+"     it and every later one fail
//                      "kill:<op>:<n>" the process is killed before it
//   QUILLON_FAULT_COUNTS  a file that gets, at exit, how many of each op
//                      the process made in the folder
// op is open (for writing), write, fsync (or fdatasync) or rename.
#include <cerrno>
#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

struct Fault {
    char op[16] = "";
    long at = 0;
    bool onwards = false;
    bool kill = false;
    const char* folder = nullptr;
};

const Fault& Settings() {
    static const Fault fault = [] {
        Fault parsed;
        const char* wanted = std::getenv("QUILLON_FAULT");
        parsed.folder = std::getenv("QUILLON_FAULT_DIR");
        if (wanted && *wanted && parsed.folder) {
            parsed.kill = std::strncmp(wanted, "kill:", 5) == 0;
            std::sscanf(wanted + (parsed.kill ? 5 : 0), "%15[a-z]:%ld", parsed.op, &parsed.at);
            parsed.onwards = wanted[std::strlen(wanted) - 1] == '+';
        }
        return parsed;
    }();
    return fault;
}

bool Inside(const char* path) {
    const char* folder = Settings().folder;
    return path && folder && std::strncmp(path, folder, std::strlen(folder)) == 0;
}

bool InsideFd(int fd) {
    char link[64], path[4096] = "";
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    return readlink(link, path, sizeof path - 1) > 0 && Inside(path);
}

enum Op { Open, Write, Fsync, Rename };
const char* const OpNames[] = {"open", "write", "fsync", "rename"};
long seen[4] = {};

// Counts an operation on a file of the folder; true when it is to fail
// (errno set to `error`).
bool Fails(Op op, bool inside, int error) {
    const Fault& fault = Settings();
    const long n = inside ? ++seen[op] : 0;
    if (!inside || std::strcmp(fault.op, OpNames[op]) != 0 || n < fault.at ||
        (n > fault.at && !fault.onwards))
        return false;
    if (fault.kill)
        raise(SIGKILL);
    errno = error;
    return true;
}

template <typename Function> Function Next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

__attribute__((destructor)) void WriteCounts() {
    const char* path = std::getenv("QUILLON_FAULT_COUNTS");
    if (FILE* out = path ? std::fopen(path, "w") : nullptr) {
        std::fprintf(out, "%ld %ld %ld %ld\n", seen[Open], seen[Write], seen[Fsync], seen[Rename]);
        std::fclose(out);
    }
}

} // namespace

extern "C" {

ssize_t write(int fd, const void* buffer, size_t count) {
    static const auto next = Next<ssize_t (*)(int, const void*, size_t)>("write");
    return Fails(Write, InsideFd(fd), ENOSPC) ? -1 : next(fd, buffer, count);
}

int fsync(int fd) {
    static const auto next = Next<int (*)(int)>("fsync");
    return Fails(Fsync, InsideFd(fd), EIO) ? -1 : next(fd);
}

int fdatasync(int fd) {
    static const auto next = Next<int (*)(int)>("fdatasync");
    return Fails(Fsync, InsideFd(fd), EIO) ? -1 : next(fd);
}

int rename(const char* from, const char* to) {
    static const auto next = Next<int (*)(const char*, const char*)>("rename");
    return Fails(Rename, Inside(to), EIO) ? -1 : next(from, to);
}

int open(const char* path, int flags, ...) {
    static const auto next = Next<int (*)(const char*, int, ...)>("open");
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = (flags & (O_CREAT | O_TMPFILE)) ? mode_t(va_arg(arguments, int)) : 0;
    va_end(arguments);
    return Fails(Open, (flags & (O_WRONLY | O_RDWR | O_CREAT)) && Inside(path), EACCES)
               ? -1
               : next(path, flags, mode);
}

// On 64-bit systems the two are one and the same call.
int open64(const char* path, int flags, ...) __attribute__((alias("open")));

} // extern "C"
