#include "platform/ui/BusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace quillon::platform {

BusyCursor::BusyCursor() {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

BusyCursor::~BusyCursor() {
    release();
}

void BusyCursor::release() {
    if (!active_)
        return;
    active_ = false;
    QGuiApplication::restoreOverrideCursor();
}

} // namespace quillon::platform
