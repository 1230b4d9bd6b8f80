#pragma once

#include <QString>
#include <QTranslator>

namespace quillon::platform {

// Qt's own texts (the Yes, No, OK and Cancel buttons of message boxes, the
// text boxes' context menus) in the editor's language, from the
// translations Qt ships. Without them the buttons stay English.
class QtTextTranslation {
public:
    QtTextTranslation() = default;
    QtTextTranslation(const QtTextTranslation&) = delete;
    QtTextTranslation& operator=(const QtTextTranslation&) = delete;
    ~QtTextTranslation();

    // "de", "fr"; anything else (English) removes the translation.
    void use(const QString& languageTag);

private:
    QTranslator translator_;
    bool installed_ = false;
};

} // namespace quillon::platform
