#pragma once

#include "i18n/Language.h"

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace quillon::formview {

// The how-to window (Form4): the how-to text in Text1 and an OK button
// (Command1) that hides the window. Modeless; created once, shown and
// hidden afterwards.
class HowToWindow : public QWidget {
    Q_OBJECT
public:
    explicit HowToWindow(QWidget* parent = nullptr);

    // Caption, how-to text and the button's tooltip of `language`.
    void applyLanguage(i18n::Language language, bool tooltipsOn);
    // The tooltip switch alone: the caption and the text stay.
    void applyTooltip(i18n::Language language, bool tooltipsOn);
    // Shows the window and brings it to the front; its text stays.
    void showWindow();

    QPlainTextEdit* text() const { return text_; }
    QPushButton* okButton() const { return ok_; }

private:
    QPlainTextEdit* text_;
    QPushButton* ok_;
};

} // namespace quillon::formview
