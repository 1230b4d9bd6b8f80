#pragma once

#include <QList>
#include <QObject>
#include <functional>

class QAbstractButton;
class QCheckBox;
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
    // While any of `boxes` has the focus, the first `highlighted` of them
    // show an orange background.
    void highlightWhileFocused(const QList<QCheckBox*>& boxes, int highlighted);
    // A focused button clicks on Enter, and keeps clicking while Enter is held.
    void clickOnEnter(QAbstractButton* button);

    static QColor highlightColour();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Role { SelectOnFocus, SelectOnClick, Nation, EnterClicks };
    void watch(QObject* object, Role role);
    void paintNations(bool focused);

    QList<QPair<QObject*, Role>> roles_;
    QList<QCheckBox*> nationBoxes_;
    int highlighted_ = 0;
};

} // namespace quillon::formview
