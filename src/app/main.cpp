#include "BackendFactory.h"
#include "CommandLine.h"
#include "Form1.h"
#include "HeadlessPlayer.h"
#include "PortDiscovery.h"
#include "SchemeFile.h"
#include "SettingsStore.h"
#include "SignalWatcher.h"

#include <QApplication>
#include <QDateTime>
#include <QFont>
#include <QScreen>
#include <QStyle>

#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace {

enum { UsageError = 64 };

void nameTheProgram()
{
    QCoreApplication::setApplicationName(QStringLiteral("Lampotron"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LAMPOTRON_VERSION));
}

int listPorts()
{
    const std::vector<FoundPort> ports = findPorts();
    if (ports.empty())
        std::puts("No output found.");
    for (const FoundPort &port : ports)
        std::printf("%-40s %s: %s\n", port.setting.c_str(), port.description.c_str(),
                    port.problem.empty() ? "can be opened" : port.problem.c_str());
    return EXIT_SUCCESS;
}

int runWithoutWindow(int argc, char **argv, CommandLine &commandLine, const QDateTime &started)
{
    QCoreApplication app(argc, argv);
    nameTheProgram();
    if (commandLine.wantsHelp() || commandLine.wantsVersion())
        commandLine.answerHelpOrVersion();
    if (commandLine.wantsPortList())
        return listPorts();
    const SettingsStore settings;
    HeadlessPlayer player({commandLine.scheme().value_or(schemeFile(started)), commandLine.speed(), commandLine.port()},
                          settings);
    SignalWatcher signalsToHandle({SIGTERM, SIGINT, SIGHUP});
    QObject::connect(&signalsToHandle, &SignalWatcher::received, &player, &HeadlessPlayer::onSignal);
    if (const auto failed = player.start())
        return *failed;
    return app.exec();
}

// Qt ends the program with a long message when it cannot reach a display,
// whether none is set or the one set does not answer. Say it plainly, and
// keep what Qt says on the way for a start that works.
QStringList messagesWhileStarting;

void explainMissingDisplay(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtFatalMsg) {
        messagesWhileStarting << message;
        return;
    }
    const QByteArray display = qgetenv("DISPLAY");
    std::fprintf(stderr, "Lampotron needs a graphical desktop, and none could be reached (%s). "
                         "Without one, play with: lampotron --play\n",
                 display.isEmpty() ? "DISPLAY is not set" : qPrintable("DISPLAY is " + display));
    std::_Exit(EXIT_FAILURE);
}

int runWindow(int argc, char **argv, const CommandLine &commandLine, const QDateTime &started)
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    // The narrow captions were sized for a font that Linux lacks.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    // Drawing through shared memory costs an extra wake-up for every repaint
    // while the X server reports it done; the lamps are a few pixels, cheaper
    // to send as they are.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    qInstallMessageHandler(explainMissingDisplay);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    for (const QString &message : std::as_const(messagesWhileStarting))
        qWarning().noquote() << message;
    nameTheProgram();

    SettingsStore settings;
    const QString portSetting = commandLine.port().value_or(settings.read(settings::Port));
    PortDevice port(makeBackend(portSetting.toStdString()));
    Form1 form(port, portSetting, settings, schemeFile(started));
    // Logging out, shutting down or kill end the program as its exit button does.
    SignalWatcher endings({SIGTERM, SIGINT, SIGHUP});
    QObject::connect(&endings, &SignalWatcher::received, &form, &QWidget::close);
    if (!form.Form_Load())
        return EXIT_FAILURE;
    form.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, form.size(),
                                         form.screen()->availableGeometry()));
    form.show();
    return app.exec();
}

} // namespace

int main(int argc, char **argv)
{
    const QDateTime started = QDateTime::currentDateTime();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    CommandLine commandLine;
    if (const auto mistake = commandLine.read(arguments)) {
        std::fprintf(stderr, "%s\nTry: lampotron --help\n", qPrintable(*mistake));
        return UsageError;
    }
    if (commandLine.needsWindow())
        return runWindow(argc, argv, commandLine, started);
    return runWithoutWindow(argc, argv, commandLine, started);
}
