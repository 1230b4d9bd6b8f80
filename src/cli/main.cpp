// quillon-cli: the equipment files as text, for scripts, batch edits and
// version control.
#include "cli/Help.h"

#include <QCoreApplication>

#ifdef __GLIBC__
#include <cstdint>
#include <cstdlib>
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace {

// A run of 32,767 units touches tens of megabytes once. In pages of 4 KiB
// each first touch is a fault of its own, which costs more than the work
// done on the page; so the heap is made one large area that may use huge
// pages, and nothing large is handed back to the system before the exit.
void UseOneLargeHeap() {
#ifdef __GLIBC__
    constexpr int Reserve = 256 << 20;
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 2 * Reserve);
    mallopt(M_TOP_PAD, Reserve);
    const auto pageSize = std::uintptr_t(sysconf(_SC_PAGESIZE));
    const auto start = (std::uintptr_t(sbrk(0)) + pageSize - 1) & ~(pageSize - 1);
    void* volatile block = malloc(1 << 20); // grows the heap by the reserve
    free(block);
    const auto end = std::uintptr_t(sbrk(0));
    if (end > start)
        madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
#endif
}

} // namespace

int main(int argc, char* argv[]) {
    UseOneLargeHeap();
    QCoreApplication app(argc, argv);
    // The editor's name: both programs find the same configuration folder.
    QCoreApplication::setApplicationName(QStringLiteral("Quillon"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUILLON_VERSION));
    return quillon::cli::RunCommandLine(app.arguments());
}
