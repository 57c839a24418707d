#include "Program.h"

#include "BackendFactory.h"
#include "FacesFromAfar.h"
#include "FseqFiles.h"
#include "HeadlessPlayer.h"
#include "MainWindow.h"
#include "PlayerCommands.h"
#include "PlayerThread.h"
#include "PortDiscovery.h"
#include "ScheduleFollower.h"
#include "WindowSchedule.h"
#include "ScheduleListing.h"
#include "ScheduleSettings.h"
#include "ServiceNotifier.h"
#include "SettingsStore.h"
#include "SignalWatcher.h"
#include "StartUp.h"
#include "TimerfdDeadlineTimer.h"
#include "TimerfdWallClock.h"
#include "Translations.h"
#if LAMPOTRON_WITH_OLA
#include "UniverseFrames.h"
#endif

#include <QApplication>
#include <QFont>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>

#include <csignal>
#include <cstdio>
#include <cstdlib>

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
        std::printf("%s\n%s", qPrintable(QCoreApplication::translate("Program", "No output found. Looked for:")),
                    searchedPlaces().c_str());
    const QByteArray canOpen = QCoreApplication::translate("Program", "can be opened").toUtf8();
    for (const FoundPort &port : ports)
        std::printf("%-40s %s: %s\n", port.setting.c_str(), port.description.c_str(),
                    port.problem.empty() ? canOpen.constData() : port.problem.c_str());
    return EXIT_SUCCESS;
}

std::unique_ptr<PortBackend> backendFor(const QString &output)
{
    return makeBackend(output.toStdString());
}

// The frames of a universe olad receives.
std::optional<HeadlessPlayer::Following> following(const std::optional<FollowTarget> &target)
{
#if LAMPOTRON_WITH_OLA
    if (target)
        return HeadlessPlayer::Following{
            *target, [](unsigned universe) -> std::unique_ptr<FrameSource> { return std::make_unique<UniverseFrames>(universe); }};
#else
    Q_UNUSED(target);
#endif
    return std::nullopt;
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

int runWithoutWindow(int argc, char **argv, const QStringList &arguments)
{
    QCoreApplication app(argc, argv);
    nameTheProgram();
    const SettingsStore settings;
    // Chosen before the command line is read, so that its mistakes and the
    // one-shot commands speak the user's language too.
    language::use(language::chosen(settings));
    CommandLine commandLine;
    commandLine.read(arguments);
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
    if (const auto wanted = commandLine.fseqImport())
        return importFseqFile(*wanted);
    if (const auto wanted = commandLine.fseqExport())
        return exportFseqFile(*wanted);
    if (const auto mistake = startup::outputMistake(commandLine, settings))
        return *mistake;
    const startup::FollowDecision follow = startup::followChoice(commandLine, settings);
    if (follow.mistake)
        return *follow.mistake;
    const startup::PreparedScheme scheme =
        follow.target ? startup::PreparedScheme{} : startup::prepareScheme(commandLine, scheme::installedSchemePlace(), settings);
    PlayerThread rows(std::make_unique<Player>(startup::playerChoices(commandLine, settings, scheme.path),
                                               std::make_unique<TimerfdDeadlineTimer>(), backendFor));
    Player &player = rows.player();
    QObject::connect(&player, &Player::finished, &app, &QCoreApplication::exit, Qt::QueuedConnection);
    PlayerCommands commands(player, settings, pattern::PatternLibrary::userFolder());
    HeadlessPlayer face(player, commands, commandLine.speed(), commandLine.port().has_value(), settings,
                        following(follow.target));
    ServiceNotifier service(player, commands.state(), scheme.path);
    schedule::TimerfdWallClock wallClock;
    ScheduleFollower schedule(commands, service, settings, wallClock);
    SignalWatcher signalsToHandle({SIGTERM, SIGINT, SIGHUP});
    QObject::connect(&signalsToHandle, &SignalWatcher::received, &face, &HeadlessPlayer::onSignal);
    QObject::connect(&signalsToHandle, &SignalWatcher::received, &schedule, [&schedule](int signalNumber) {
        if (signalNumber == SIGHUP)
            schedule.reread();
    });
    QObject::connect(&player, &Player::finished, &service, &ServiceNotifier::stopping);
    if (const auto failed = face.start())
        return *failed;
    const FacesFromAfar fromAfar(commandLine, settings, player, commands);
    schedule.start();
    service.ready();
    return app.exec();
}

int runWindow(int argc, char **argv, const QStringList &arguments)
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

    const SettingsStore settings;
    // Chosen before the command line is read, so that its mistakes and the
    // one-shot commands speak the user's language too.
    language::use(language::chosen(settings));
    CommandLine commandLine;
    commandLine.read(arguments);
    const startup::PreparedScheme scheme = startup::prepareScheme(commandLine, scheme::installedSchemePlace(), settings);
    PlayerThread rows(std::make_unique<Player>(startup::playerChoices(commandLine, settings, scheme.path),
                                               std::make_unique<TimerfdDeadlineTimer>(), backendFor));
    Player &player = rows.player();
    QObject::connect(&player, &Player::finished, &app, &QCoreApplication::exit, Qt::QueuedConnection);
    PlayerCommands commands(player, settings, pattern::PatternLibrary::userFolder());
    schedule::TimerfdWallClock wallClock;
    std::optional<WindowSchedule> windowSchedule;
    // Attached once the window has started up; its menu switches the remote,
    // and may be opened during the start-up's messages.
    std::optional<FacesFromAfar> fromAfar;
    const RemoteAddress notYet{{}, QCoreApplication::translate(
        "Program", "The remote starts once the window has; try again in a moment."), {}};
    MainWindow window(player, commands, settings,
                      {.findPorts = findPorts,
                       .remoteAddress = [&] { return fromAfar ? fromAfar->remoteAddress() : notYet; },
                       .switchRemote = [&](bool on) { return fromAfar ? fromAfar->switchRemote(on) : notYet; },
                       .remoteOn = [&] { return fromAfar && fromAfar->remoteOn(); },
                       .followSchedule = [&](bool on) { if (windowSchedule) windowSchedule->setFollowing(on); },
                       .followingSchedule = settings.read(settings::FollowSchedule) == 1});
    // Logging out, shutting down or kill end the program as its exit button does.
    SignalWatcher endings({SIGTERM, SIGINT, SIGHUP});
    QObject::connect(&endings, &SignalWatcher::received, &window, &QWidget::close);
    if (!window.startUp(scheme.problems))
        return EXIT_FAILURE;
    // Setting/Follow makes the window a follower too; its start follows.
    const startup::FollowDecision follow = startup::followChoice(commandLine, settings);
    if (follow.mistake)
        return *follow.mistake;
    if (const auto wanted = following(follow.target))
        if (auto failure = commands.follow(wanted->target, wanted->makeSource(wanted->target.universe)))
            QMessageBox::warning(&window, window.windowTitle(),
                                 QObject::tr("Cannot follow %1: %2").arg(wanted->target.describe(), *failure));
    fromAfar.emplace(commandLine, settings, player, commands);
    windowSchedule.emplace(player, commands, settings, wallClock, [&window](const QString &next) { window.showScheduleNext(next); });
    windowSchedule->start();
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                           window.screen()->availableGeometry()));
    window.show();
    return app.exec();
}
