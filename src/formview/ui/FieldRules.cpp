#include "formview/ui/FieldRules.h"

#include "datasheet/CellNumber.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace quillon::formview {

void SetTextIfChanged(QLineEdit* box, const QString& text) {
    if (box->text() != text)
        box->setText(text);
}

void InstallRangeRule(QLineEdit* box, int upper, bool lowerRule, std::function<void()> changed) {
    QObject::connect(box, &QLineEdit::textChanged, box,
                     [box, upper, lowerRule, changed = std::move(changed)](const QString& text) {
                         changed();
                         if (CellNumber(text) > upper)
                             SetTextIfChanged(box, QString::number(upper));
                         if (lowerRule && CellNumber(box->text()) <= 0)
                             SetTextIfChanged(box, QStringLiteral("0"));
                     });
}

QColor FieldFocusFilter::highlightColour() {
    return QColor(255, 128, 0);
}

void FieldFocusFilter::watch(QObject* object, Role role) {
    roles_.append({object, role});
    object->installEventFilter(this);
}

void FieldFocusFilter::selectOnFocus(QLineEdit* box) {
    watch(box, Role::SelectOnFocus);
}

void FieldFocusFilter::selectOnClick(QLineEdit* box) {
    watch(box, Role::SelectOnClick);
}

void FieldFocusFilter::highlightWhileFocused(const QList<QCheckBox*>& boxes,
                                             const QList<QWidget*>& areas, int highlighted) {
    nationAreas_ = areas;
    highlighted_ = highlighted;
    for (QCheckBox* box : boxes)
        watch(box, Role::Nation);
    for (QWidget* area : areas)
        area->setAutoFillBackground(true);
    paintNations(false);
}

void FieldFocusFilter::clickOnEnter(QAbstractButton* button) {
    watch(button, Role::EnterClicks);
}

void FieldFocusFilter::wheelOnlyWhenFocused(QComboBox* list) {
    list->setFocusPolicy(Qt::StrongFocus);
    watch(list, Role::WheelNeedsFocus);
}

bool FieldFocusFilter::enterOnButton(QAbstractButton* button, QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    if (event->type() == QEvent::KeyRelease) {
        if (!key->isAutoRepeat())
            enterPressedOn_ = nullptr;
        return false;
    }
    if (!key->isAutoRepeat())
        enterPressedOn_ = button;
    if (enterPressedOn_ == button && button->isEnabled())
        button->click();
    return true;
}

void FieldFocusFilter::paintNations(bool focused) {
    const QColor face = QApplication::palette().color(QPalette::Button);
    for (int i = 0; i < nationAreas_.size(); ++i) {
        QPalette palette = nationAreas_[i]->palette();
        const QColor colour = focused && i < highlighted_ ? highlightColour() : face;
        palette.setColor(QPalette::Window, colour);
        palette.setColor(QPalette::Button, colour);
        nationAreas_[i]->setPalette(palette);
    }
}

bool FieldFocusFilter::eventFilter(QObject* watched, QEvent* event) {
    for (const auto& [object, role] : std::as_const(roles_)) {
        if (object != watched)
            continue;
        switch (role) {
        case Role::SelectOnFocus:
            if (event->type() == QEvent::FocusIn) {
                // After the click that gave the focus has placed the cursor.
                auto* box = static_cast<QLineEdit*>(watched);
                QTimer::singleShot(0, box, [box] { box->selectAll(); });
            }
            break;
        case Role::SelectOnClick:
            if (event->type() == QEvent::MouseButtonRelease)
                static_cast<QLineEdit*>(watched)->selectAll();
            break;
        case Role::Nation:
            if (event->type() == QEvent::FocusIn)
                paintNations(true);
            else if (event->type() == QEvent::FocusOut)
                paintNations(false);
            break;
        case Role::EnterClicks:
            if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) &&
                enterOnButton(static_cast<QAbstractButton*>(watched), event))
                return true;
            break;
        case Role::WheelNeedsFocus:
            if (event->type() == QEvent::Wheel && !static_cast<QWidget*>(watched)->hasFocus()) {
                // Handed to the parent, from where it travels up to the scroll
                // area; delivered once, whether anything scrolled or not.
                if (QWidget* parent = static_cast<QWidget*>(watched)->parentWidget())
                    QCoreApplication::sendEvent(parent, event);
                event->accept();
                return true;
            }
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quillon::formview
