#pragma once

#include "i18n/Language.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace quillon::platform {
class Dialogs;
}

namespace quillon::formview {

// The About window (frmAbout): title, version, description, disclaimer and
// the program's icon. OK discards the window (the next opening creates it
// anew); "System Info..." says that no system information is available here.
class AboutWindow : public QWidget {
    Q_OBJECT
public:
    AboutWindow(platform::Dialogs& dialogs, QWidget* parent = nullptr);

    // Caption and description of `language`.
    void applyLanguage(i18n::Language language);

private:
    platform::Dialogs& dialogs_;
    QLabel* description_;
};

} // namespace quillon::formview
