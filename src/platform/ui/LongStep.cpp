#include "platform/ui/LongStep.h"

#include <QGuiApplication>

namespace quillon::platform {

LongStep::LongStep(QWidget* window, const QString& label, int delayMs)
    : dialog_(label, QString(), 0, 100, window) {
    dialog_.setWindowTitle(QGuiApplication::applicationDisplayName());
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setCancelButton(nullptr);
    dialog_.setAutoReset(false); // a step of several loops keeps its dialog
    dialog_.setMinimumDuration(delayMs);
    dialog_.setValue(0); // the step's clock starts here
    sinceUpdate_.start();
    // Each update of a shown modal dialog handles the window's pending events
    // (repaints, view layouts), which can cost more than the loop's work:
    // once it shows, a few updates a second are enough for the eye.
    progress_ = [this](qint64 done, qint64 total) {
        const int percent = total > 0 ? int(done * 100 / total) : 100;
        if (percent == dialog_.value() ||
            (dialog_.isVisible() && percent < 100 && sinceUpdate_.elapsed() < 100))
            return;
        sinceUpdate_.restart();
        dialog_.setValue(percent);
    };
}

void LongStep::release() {
    busy_.release();
    dialog_.reset(); // hides it and stops its timer
}

} // namespace quillon::platform
