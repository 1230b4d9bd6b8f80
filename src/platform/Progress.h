#pragma once

#include <QtGlobal>
#include <functional>

namespace quillon::platform {

// Told how far a long loop has come, `done` of `total`, so that a window can
// show it; empty when nobody watches.
using Progress = std::function<void(qint64 done, qint64 total)>;

inline void Report(const Progress& progress, qint64 done, qint64 total) {
    if (progress)
        progress(done, total);
}

} // namespace quillon::platform
