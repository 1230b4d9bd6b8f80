#include "i18n/ui/ApplyLanguageUi.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMultiHash>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace quillon::i18n {
namespace {

constexpr char WindowTitleControl[] = "Caption";

// Other top-level windows parented to this one (dialogs) are not part of it;
// menus are windows too but belong to their menu bar.
bool BelongsToWindow(const QObject* object) {
    const auto* widget = qobject_cast<const QWidget*>(object);
    return !widget || !widget->isWindow() || qobject_cast<const QMenu*>(widget);
}

using ControlsByName = QMultiHash<QString, QObject*>;

void CollectNamed(QObject* parent, ControlsByName& controls) {
    for (QObject* child : parent->children()) {
        if (!BelongsToWindow(child))
            continue;
        if (!child->objectName().isEmpty())
            controls.insert(child->objectName(), child);
        CollectNamed(child, controls);
    }
}

// One walk over the window for all its controls.
ControlsByName ControlsOf(QWidget* window) {
    ControlsByName controls;
    CollectNamed(window, controls);
    return controls;
}

// The tables keep CR LF line ends, as the message boxes show them; widgets
// break lines at LF alone.
void SetText(QObject* object, QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (auto* action = qobject_cast<QAction*>(object))
        action->setText(text);
    else if (auto* menu = qobject_cast<QMenu*>(object))
        menu->setTitle(text);
    else if (auto* group = qobject_cast<QGroupBox*>(object))
        group->setTitle(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(object))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(object))
        label->setText(text);
    else if (auto* line = qobject_cast<QLineEdit*>(object))
        line->setText(text);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(object))
        plain->setPlainText(text);
    else if (auto* rich = qobject_cast<QTextEdit*>(object))
        rich->setPlainText(text);
}

void SetToolTip(QObject* object, const QString& text) {
    if (auto* action = qobject_cast<QAction*>(object))
        action->setToolTip(text);
    else if (auto* widget = qobject_cast<QWidget*>(object))
        widget->setToolTip(text);
}

template <typename TextFor>
void SetTooltipsOf(QWidget* window, const QString& windowKey, TextFor textFor) {
    const ControlsByName controls = ControlsOf(window);
    for (const QString& control : TooltipControls(windowKey)) {
        const QString text = textFor(control);
        for (QObject* object : controls.values(control))
            SetToolTip(object, text);
    }
}

} // namespace

void ApplyCaptions(QWidget* window, Language language, const QString& windowKey) {
    const ControlsByName controls = ControlsOf(window);
    for (const QString& control : CaptionControls(windowKey)) {
        const QString text = CaptionWithAccessKey(language, windowKey, control);
        if (control == QLatin1StringView(WindowTitleControl)) {
            window->setWindowTitle(text);
            continue;
        }
        for (QObject* object : controls.values(control))
            SetText(object, text);
    }
}

void ApplyTooltips(QWidget* window, Language language, const QString& windowKey) {
    SetTooltipsOf(window, windowKey,
                  [&](const QString& control) { return Tooltip(language, windowKey, control); });
}

void ClearTooltips(QWidget* window, const QString& windowKey) {
    SetTooltipsOf(window, windowKey, [](const QString&) { return QString(); });
}

} // namespace quillon::i18n
