#include "Program.h"

#include "BackendFactory.h"
#include "HeadlessPlayer.h"
#include "MainWindow.h"
#include "PlayerThread.h"
#include "PortDiscovery.h"
#include "PortSetting.h"
#include "ScheduleFollower.h"
#include "ScheduleListing.h"
#include "ScheduleSettings.h"
#include "QrCode.h"
#include "RemoteConfig.h"
#include "RemoteKey.h"
#include "SchemeFile.h"
#include "ServiceNotifier.h"
#include "SettingsStore.h"
#include "SignalWatcher.h"
#include "StartMqtt.h"
#include "TimerfdDeadlineTimer.h"
#ifdef LAMPOTRON_WITH_REMOTE
#include "RemoteServer.h"
#endif

#include <QApplication>
#include <QFont>
#include <QScreen>
#include <QStyle>

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include <unistd.h>

namespace {

void nameTheProgram()
{
    QCoreApplication::setApplicationName(QStringLiteral("Lampotron"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LAMPOTRON_VERSION));
}

int listPorts()
{
    const std::vector<FoundPort> ports = findPorts();
    if (ports.empty())
        std::printf("No output found. Looked for:\n%s", searchedPlaces().c_str());
    for (const FoundPort &port : ports)
        std::printf("%-40s %s: %s\n", port.setting.c_str(), port.description.c_str(),
                    port.problem.empty() ? "can be opened" : port.problem.c_str());
    return EXIT_SUCCESS;
}

// The address a phone opens, with the key, or why there is none.
RemoteAddress remoteAddress(const CommandLine &commandLine, const SettingsStore &settings)
{
    const RemoteChoice remote = chooseRemote(commandLine.remote(), settings);
    if (!remote.config)
        return {{},
                remote.problem.isEmpty()
                    ? QStringLiteral("The remote is off. Switch it on with Remote=127.0.0.1:8080 in the [Setting] "
                                     "section of %1, or with --remote ADDRESS:PORT.")
                          .arg(settings.fileName())
                    : remote.problem};
    const RemoteKey key = RemoteKey::loadOrMake(RemoteKey::pathBeside(settings.fileName()));
    if (key.key.isEmpty())
        return {{}, key.problem};
    return {remoteUrl(*remote.config, QString::fromLatin1(key.key)), {}};
}

// The web remote's address and key; in a terminal also as a QR code, for a
// phone's camera. A script reading the output gets the address alone.
int printRemoteUrl(const CommandLine &commandLine)
{
    const RemoteAddress address = remoteAddress(commandLine, SettingsStore());
    if (address.url.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(address.problem));
        return EXIT_FAILURE;
    }
    std::printf("%s\n", qPrintable(address.url));
    if (isatty(STDOUT_FILENO))
        std::fputs(QrCode(address.url).toTerminalText().toUtf8().constData(), stdout);
    return EXIT_SUCCESS;
}

// The web remote, where it is asked for. When it cannot start, the program
// plays on without it and says why.
std::unique_ptr<QObject> startRemote(const CommandLine &commandLine, const SettingsStore &settings, Player &player)
{
    const RemoteChoice remote = chooseRemote(commandLine.remote(), settings);
    const auto off = [](const QString &why) {
        std::fprintf(stderr, "The remote is off: %s\n", qPrintable(why));
        return nullptr;
    };
    if (!remote.config)
        return remote.problem.isEmpty() ? nullptr : off(remote.problem);
#ifdef LAMPOTRON_WITH_REMOTE
    const RemoteKey key = RemoteKey::loadOrMake(RemoteKey::pathBeside(settings.fileName()));
    if (key.key.isEmpty())
        return off(key.problem);
    auto server = std::make_unique<RemoteServer>(player, settings, key.key, findPorts);
    if (auto problem = server->listen(*remote.config))
        return off(*problem);
    std::fprintf(stderr, "The remote is on at %s (lampotron --remote-url shows it with the key)\n",
                 qPrintable(remoteUrl(*remote.config, {}).section(QLatin1Char('#'), 0, 0)));
    return server;
#else
    Q_UNUSED(player);
    return off(QStringLiteral("this Lampotron was built without it"));
#endif
}

// The player every face drives, on the output and at the speed chosen for
// this run or stored.
Player::Choices choicesFor(const CommandLine &commandLine, const SettingsStore &settings, QString schemePath)
{
    return {commandLine.port().value_or(settings.read(settings::Port)), std::move(schemePath),
            commandLine.speed().value_or(settings.read(settings::Speed))};
}

// An output setting that can never work is a mistake in the configuration:
// trying again every few seconds would not mend it. Says so and gives the
// code to end with: usage for --port, configuration for the stored setting.
std::optional<int> outputMistake(const CommandLine &commandLine, const SettingsStore &settings)
{
    // Without its settings the player cannot know which output is meant;
    // guessing the default would blame the wrong device every few seconds.
    if (const auto unreadable = settings.readProblem(); unreadable && !commandLine.port()) {
        std::fprintf(stderr, "Lampotron %s, so it does not know which output to use. Make the file readable, or name "
                             "the output with --port.\n",
                     qPrintable(*unreadable));
        return int(HeadlessPlayer::ConfigurationError);
    }
    const QString output = commandLine.port().value_or(settings.read(settings::Port));
    const PortSetting parsed = parsePortSetting(output.toStdString());
    if (parsed.kind == PortSetting::Kind::Valid)
        return std::nullopt;
    const QString where = commandLine.port() ? QStringLiteral("--port")
                                             : QStringLiteral("Port= in %1").arg(settings.fileName());
    std::fprintf(stderr, "The output setting cannot work: %s Correct %s (see lampotron --help and --list-ports).\n",
                 parsed.error.c_str(), qPrintable(where));
    return commandLine.port() ? int(CommandLine::UsageError) : int(HeadlessPlayer::ConfigurationError);
}

std::unique_ptr<PortBackend> backendFor(const QString &output)
{
    return makeBackend(output.toStdString());
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

} // namespace

int runWithoutWindow(int argc, char **argv, const CommandLine &commandLine)
{
    QCoreApplication app(argc, argv);
    nameTheProgram();
    if (const auto reply = commandLine.reply()) {
        std::fputs(qPrintable(reply->text), reply->exitCode == 0 ? stdout : stderr);
        return reply->exitCode;
    }
    if (commandLine.wantsPortList())
        return listPorts();
    if (const auto days = commandLine.scheduleDays()) {
        std::fputs(qPrintable(schedule::listSchedule(schedule::readSchedule(SettingsStore()),
                                                     QDateTime::currentDateTimeUtc(), *days)),
                   stdout);
        return EXIT_SUCCESS;
    }
    if (commandLine.wantsRemoteUrl())
        return printRemoteUrl(commandLine);
    const SettingsStore settings;
    if (const auto mistake = outputMistake(commandLine, settings))
        return *mistake;
    // A scheme named for this run is played as it is; nothing else is touched.
    const QString scheme = commandLine.scheme() ? *commandLine.scheme() : schemeFile();
    Player player(choicesFor(commandLine, settings, scheme), std::make_unique<TimerfdDeadlineTimer>(), backendFor);
    QObject::connect(&player, &Player::finished, &app, &QCoreApplication::exit, Qt::QueuedConnection);
    HeadlessPlayer face(player, commandLine.speed(), commandLine.port().has_value(), settings);
    ServiceNotifier service(player);
    ScheduleFollower schedule(player, service, settings);
    SignalWatcher signalsToHandle({SIGTERM, SIGINT, SIGHUP});
    QObject::connect(&signalsToHandle, &SignalWatcher::received, &face, &HeadlessPlayer::onSignal);
    QObject::connect(&signalsToHandle, &SignalWatcher::received, &schedule, [&schedule](int signalNumber) {
        if (signalNumber == SIGHUP)
            schedule.reread();
    });
    QObject::connect(&player, &Player::finished, &service, &ServiceNotifier::stopping);
    if (const auto failed = face.start())
        return *failed;
    schedule.start();
    const auto homeAssistant = startMqtt(player, settings);
    service.ready();
    const auto remote = startRemote(commandLine, settings, player);
    return app.exec();
}

int runWindow(int argc, char **argv, const CommandLine &commandLine)
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
    // The player says when the program ends, not the last window.
    app.setQuitOnLastWindowClosed(false);

    SettingsStore settings;
    PlayerThread rows(std::make_unique<Player>(choicesFor(commandLine, settings, schemeFile()),
                                               std::make_unique<TimerfdDeadlineTimer>(), backendFor));
    QObject::connect(&rows.player(), &Player::finished, &app, &QCoreApplication::exit, Qt::QueuedConnection);
    MainWindow window(rows.player(), settings,
                      {.findPorts = findPorts, .remoteAddress = [&] { return remoteAddress(commandLine, settings); }});
    // Logging out, shutting down or kill end the program as its exit button does.
    SignalWatcher endings({SIGTERM, SIGINT, SIGHUP});
    QObject::connect(&endings, &SignalWatcher::received, &window, &QWidget::close);
    if (!window.startUp())
        return EXIT_FAILURE;
    // The remote answers from this thread and reaches the player on its own.
    const auto remote = startRemote(commandLine, settings, rows.player());
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                           window.screen()->availableGeometry()));
    window.show();
    const auto homeAssistant = startMqtt(rows.player(), settings);
    return app.exec();
}
