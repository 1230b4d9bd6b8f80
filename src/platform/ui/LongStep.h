#pragma once

#include "platform/Progress.h"
#include "platform/ui/BusyCursor.h"

#include <QElapsedTimer>
#include <QProgressDialog>

namespace quillon::platform {

// A step that may take a while: the busy pointer from the start and, once
// the step looks like taking longer than `delayMs`, a window-modal dialog
// with how far the core's loop has come (fed through progress()). It has no
// cancel button: none of these steps can stop halfway and leave nothing done.
class LongStep {
public:
    LongStep(QWidget* window, const QString& label, int delayMs);
    LongStep(const LongStep&) = delete;
    LongStep& operator=(const LongStep&) = delete;

    const Progress& progress() const { return progress_; }
    // Ends the pointer and the dialog early, e.g. before a message box.
    void release();

private:
    BusyCursor busy_;
    QProgressDialog dialog_;
    QElapsedTimer sinceUpdate_;
    Progress progress_;
};

} // namespace quillon::platform
