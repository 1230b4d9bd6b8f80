#include "shell/ui/FindBar.h"

#include "i18n/Language.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quillon {

namespace {

template <typename Widget> Widget* Named(const char* name, QWidget* parent) {
    auto* widget = new Widget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

FindBar::FindBar(QWidget* parent)
    : QWidget(parent), field_(Named<QLineEdit>("FindText", this)),
      everywhere_(Named<QCheckBox>("FindEverywhere", this)),
      note_(Named<QLabel>("FindNote", this)) {
    setObjectName(QStringLiteral("FindBar"));
    auto* label = Named<QLabel>("FindLabel", this);
    label->setBuddy(field_);
    auto* previous = Named<QPushButton>("FindPrevious", this);
    auto* next = Named<QPushButton>("FindNext", this);
    auto* close = Named<QPushButton>("FindClose", this);
    // The keys act from the field; the buttons are for the mouse.
    for (QPushButton* button : {previous, next, close}) {
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::NoFocus);
    }
    field_->setClearButtonEnabled(true);
    field_->installEventFilter(this);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(label);
    layout->addWidget(field_, 2);
    layout->addWidget(everywhere_);
    layout->addWidget(previous);
    layout->addWidget(next);
    layout->addWidget(note_, 3);
    layout->addWidget(close);

    connect(previous, &QPushButton::clicked, this, [this] { emit findRequested(true); });
    connect(next, &QPushButton::clicked, this, [this] { emit findRequested(false); });
    connect(close, &QPushButton::clicked, this, &FindBar::closeBar);
    connect(field_, &QLineEdit::textEdited, this, [this] { setNote(QString()); });
    // English until the window applies a language.
    label->setText(i18n::Caption(i18n::Language::English, u"Form1", label->objectName()));
    for (QAbstractButton* button :
         {static_cast<QAbstractButton*>(everywhere_), static_cast<QAbstractButton*>(previous),
          static_cast<QAbstractButton*>(next), static_cast<QAbstractButton*>(close)})
        button->setText(i18n::Caption(i18n::Language::English, u"Form1", button->objectName()));
    hide();
}

QString FindBar::query() const {
    return field_->text();
}

bool FindBar::everywhere() const {
    return everywhere_->isChecked();
}

void FindBar::open() {
    show();
    field_->setFocus(Qt::ShortcutFocusReason);
    field_->selectAll();
}

void FindBar::setNote(const QString& note, bool problem) {
    QPalette palette = note_->palette();
    palette.setColor(QPalette::WindowText,
                     problem ? QColor(192, 0, 0) : field_->palette().color(QPalette::WindowText));
    note_->setPalette(palette);
    note_->setText(note);
}

QString FindBar::note() const {
    return note_->text();
}

void FindBar::closeBar() {
    setNote(QString());
    hide();
    emit closed();
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == field_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            emit findRequested(key->modifiers().testFlag(Qt::ShiftModifier));
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            closeBar();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace quillon
