#pragma once

#include <QString>

namespace quillon::platform {

// Modal message boxes without a title of their own. The program uses
// message boxes (platform/ui/MessageBoxDialogs); tests use a recording double
// so that no modal box ever blocks them.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void inform(const QString& text) = 0; // OK button only
    virtual bool ask(const QString& text) = 0;    // Yes (true) / No (false)
};

} // namespace quillon::platform
