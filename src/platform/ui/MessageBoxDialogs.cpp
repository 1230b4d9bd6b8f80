#include "platform/ui/MessageBoxDialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace quillon::platform {

namespace {

// A box with an empty title; the window system may still show the program
// name in the frame, which is as close as a titled frame gets to none.
QMessageBox::StandardButton showBox(const QString& text, QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton) {
    QMessageBox box(QMessageBox::NoIcon, QString(), text, buttons, QApplication::activeWindow());
    box.setDefaultButton(defaultButton);
    return QMessageBox::StandardButton(box.exec());
}

} // namespace

void MessageBoxDialogs::inform(const QString& text) {
    showBox(text, QMessageBox::Ok, QMessageBox::Ok);
}

bool MessageBoxDialogs::ask(const QString& text) {
    return showBox(text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

} // namespace quillon::platform
