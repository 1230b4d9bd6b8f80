#pragma once

#include "datasheet/Datasheet.h"
#include "formview/ui/FormView.h"
#include "i18n/Language.h"

#include <QPointer>
#include <array>
#include <optional>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace quillon::formview {
class AboutWindow;
class CountryFrame;
class FieldFocusFilter;
class HowToWindow;
class IconFrame;
class SoundFrame;
} // namespace quillon::formview

namespace quillon {

struct FormView::Private {
    FormView* q;
    EditorState& state;
    platform::Dialogs& dialogs;
    platform::WavePlayer& player;

    // Controls, indexed by the number of their name (Text1 is text[1]).
    std::array<QLineEdit*, 29> text{}; // Text3 is the description below
    QPlainTextEdit* description = nullptr;
    std::array<QComboBox*, 13> combo{}; // no Combo11
    std::array<QRadioButton*, 6> option{};
    QButtonGroup* targetGroup = nullptr;
    std::array<QPushButton*, 10> command{};
    std::array<QLabel*, 23> symbol{};    // Picture3..Picture22
    std::array<QLabel*, 23> valueName{}; // the value's name beside its symbol
    formview::CountryFrame* country = nullptr;
    formview::IconFrame* icon = nullptr;
    formview::SoundFrame* sounds = nullptr;
    formview::FieldFocusFilter* focus = nullptr;
    formview::HowToWindow* howTo = nullptr;
    QPointer<formview::AboutWindow> about;
    bool aboutCreated = false;

    // The unit on show: its row and its cells as they were when shown, for
    // the columns without a field and the values no field can represent.
    int shownRow = -1;
    Datasheet::Row shownCells;
    bool targetShown = false;           // the cell's target type selected an option
    bool targetTouched = false;         // the user clicked an option since
    std::array<bool, 3> soundKept{};    // the cell names a sound that is not listed
    std::array<bool, 3> soundTouched{}; // the user picked an entry since
    // What a commit would write right after showing (or committing): any
    // difference is an edit the user has not committed yet.
    Datasheet::Row shownForm;
    QString shownDescription;
    // The description as Paste left it, until the next unit is shown.
    std::optional<QString> pastedDescription;
    FormView::CommitSink commitSink;

    Private(FormView* owner, EditorState& s, platform::Dialogs& d, platform::WavePlayer& p)
        : q(owner), state(s), dialogs(d), player(p) {}

    // Construction (FormView.cpp).
    void buildControls();
    QWidget* buildLayout();
    void wireRules();
    void setTabOrder();
    void applyOwnCaptions(i18n::Language language);

    // The unit (FormViewUnit.cpp).
    void show(int row);
    Datasheet::Row formRow() const;
    void commit();
    // The description box's text exactly as typed (no-break spaces kept),
    // lines separated by LF.
    QString descriptionText() const;
    bool onlyDescriptionPasted() const;
    // Field undo histories belong to the unit they were typed for.
    void forgetTyping();
    void previous();
    void next();
    void commitAndShow(int row);
    void undo();
    void select();
    bool hasShownRow() const;
    int lastRow() const;

    void enableUndo();
};

} // namespace quillon
