#pragma once

#include <QList>
#include <QObject>
#include <functional>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLineEdit;

namespace quillon::formview {

// The range rule of a numeric box: every real change of its text calls
// `changed` (which enables Undo), then a value above `upper` becomes the
// limit and, with `lowerRule`, a value of 0 or below becomes "0". Replacing
// the text runs the rule again on the corrected text.
void InstallRangeRule(QLineEdit* box, int upper, bool lowerRule, std::function<void()> changed);

// Replaces the text only when it differs, so that a rule never re-runs on
// an unchanged field.
void SetTextIfChanged(QLineEdit* box, const QString& text);

// Keyboard and focus behaviour of the form's fields.
class FieldFocusFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Whole text selected whenever the box gets the focus.
    void selectOnFocus(QLineEdit* box);
    // Whole text selected when the box is clicked.
    void selectOnClick(QLineEdit* box);
    // While any of `boxes` has the focus, the first `highlighted` of
    // `areas` (each box's cell) are filled orange.
    void highlightWhileFocused(const QList<QCheckBox*>& boxes, const QList<QWidget*>& areas,
                               int highlighted);
    // A focused button clicks on Enter, and keeps clicking while Enter is
    // held, but only the button the key went down on and only while it is
    // enabled: a button that disables itself hands the focus on, and the
    // held key must not start clicking the next one.
    void clickOnEnter(QAbstractButton* button);
    // The wheel changes the list only while the list has the focus; otherwise
    // it scrolls whatever holds the list.
    void wheelOnlyWhenFocused(QComboBox* list);

    static QColor highlightColour();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Role { SelectOnFocus, SelectOnClick, Nation, EnterClicks, WheelNeedsFocus };
    bool enterOnButton(QAbstractButton* button, QEvent* event);
    void watch(QObject* object, Role role);
    void paintNations(bool focused);

    QList<QPair<QObject*, Role>> roles_;
    QList<QWidget*> nationAreas_;
    int highlighted_ = 0;
    QObject* enterPressedOn_ = nullptr; // while Enter is held
};

} // namespace quillon::formview
