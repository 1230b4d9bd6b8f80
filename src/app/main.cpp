// quillon: the equipment editor.
#include "platform/ui/MessageBoxDialogs.h"
#include "platform/ui/QtWavePlayer.h"
#include "shell/Configuration.h"
#include "shell/ui/MainWindow.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillon"));
    // The program ends through the main window (closing it, or Exit), never
    // because the last visible window went away: the setup dialog may be the
    // only window for a while.
    QApplication::setQuitOnLastWindowClosed(false);

    quillon::platform::MessageBoxDialogs dialogs;
    quillon::platform::QtWavePlayer player;
    quillon::MainWindow window(dialogs, player, QCoreApplication::applicationDirPath(),
                               quillon::DefaultGameFolder());
    QObject::connect(&window, &quillon::MainWindow::programEnding, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);

    // Test hook for the smoke test: close the window after the given time.
    bool ok = false;
    const int quitAfterMs = qEnvironmentVariableIntValue("QUILLON_QUIT_AFTER_MS", &ok);
    if (ok && quitAfterMs >= 0)
        QTimer::singleShot(quitAfterMs, &window, &QWidget::close);

    window.start();
    if (window.programEnded())
        return 0;
    return app.exec();
}
