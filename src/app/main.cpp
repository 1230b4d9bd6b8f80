// quillon: the equipment editor.
#include "platform/ui/MessageBoxDialogs.h"
#include "platform/ui/ProgramIcon.h"
#include "platform/ui/QtWavePlayer.h"
#include "shell/Configuration.h"
#include "shell/ConfigurationLocation.h"
#include "shell/ui/MainWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

namespace {

void describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Edits the unit database of the wargame Korvath: KorEquip.EQP, "
                       "KorEquip.TXT and the unit descriptions of the game's text container."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("path"),
        QStringLiteral("A folder with KorEquip.EQP and KorEquip.TXT, or its KorEquip.EQP, to "
                       "open at start."),
        QStringLiteral("[FOLDER | FOLDER/KorEquip.EQP]"));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication::setApplicationName(QStringLiteral("Quillon"));
    QApplication::setApplicationVersion(QStringLiteral(QUILLON_VERSION));
    QCommandLineParser parser;
    describe(parser);
    {
        // --help and --version answer without a display.
        QStringList arguments;
        for (int i = 0; i < argc; ++i)
            arguments.append(QString::fromLocal8Bit(argv[i]));
        if (parser.parse(arguments) &&
            (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version")))) {
            QCoreApplication info(argc, argv);
            parser.process(info);
        }
    }
    QApplication app(argc, argv);
    parser.process(app);
    if (parser.positionalArguments().size() > 1) {
        qCritical("%s", qPrintable(QStringLiteral("Only one folder or file can be opened.\n") +
                                   parser.helpText()));
        return 2;
    }
    QApplication::setWindowIcon(quillon::platform::ProgramIcon());
    // The program ends through the main window (closing it, or Exit), never
    // because the last visible window went away: the setup dialog may be the
    // only window for a while.
    QApplication::setQuitOnLastWindowClosed(false);

    quillon::platform::MessageBoxDialogs dialogs;
    quillon::platform::QtWavePlayer player;
    quillon::MainWindow window(dialogs, player, QCoreApplication::applicationDirPath(),
                               quillon::DefaultGameFolder(), quillon::UserConfigurationFolder());
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
    if (!parser.positionalArguments().isEmpty())
        window.OpenAtStart(parser.positionalArguments().first());
    return app.exec();
}
