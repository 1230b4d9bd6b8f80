#pragma once

#include "platform/Dialogs.h"

class QWidget;

namespace quillon::platform {

// Message boxes without a title of their own, over the active window.
class MessageBoxDialogs : public Dialogs {
public:
    void inform(const QString& text) override;
    bool ask(const QString& text) override;
};

} // namespace quillon::platform
