#include "formview/ui/HowToWindow.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillon::formview {

HowToWindow::HowToWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), text_(new QPlainTextEdit(this)),
      ok_(new QPushButton(QStringLiteral("OK"), this)) {
    setObjectName(QStringLiteral("Form4"));
    text_->setObjectName(QStringLiteral("Text1"));
    text_->setReadOnly(true);
    ok_->setObjectName(QStringLiteral("Command1"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(ok_, 0, Qt::AlignHCenter);
    resize(640, 520);
    connect(ok_, &QPushButton::clicked, this, &QWidget::hide);
}

void HowToWindow::applyLanguage(i18n::Language language, bool tooltipsOn) {
    const auto form = QStringLiteral("Form4");
    setWindowTitle(i18n::Caption(language, form, u"Caption"));
    const QString howTo = i18n::Caption(language, form, u"Text1");
    text_->setPlainText(howTo.isEmpty() ? i18n::HowToText(language) : howTo);
    applyTooltip(language, tooltipsOn);
}

void HowToWindow::applyTooltip(i18n::Language language, bool tooltipsOn) {
    ok_->setToolTip(tooltipsOn ? i18n::Tooltip(language, QStringLiteral("Form4"), u"Command1")
                               : QString());
}

void HowToWindow::showWindow() {
    show();
    raise();
    activateWindow();
}

} // namespace quillon::formview
