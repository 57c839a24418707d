#include "CommandLine.h"

#include "FollowTarget.h"
#include "Outputs.h"
#include "PlayerCommands.h"
#include "RemoteConfig.h"
#include "SettingsKeys.h"

#include <QCoreApplication>

namespace {

// Qt's usage line offers every option to every form, and DAYS to all of
// them; these are the forms the program has.
const QString Usage = QStringLiteral(
    "Usage: lampotron [--port OUTPUT] [--remote ADDRESS:PORT]\n"
    "       lampotron --play [--port OUTPUT] [--speed MS] [--scheme FILE] [--remote ADDRESS:PORT]\n"
    "       lampotron --play --follow ola:UNIVERSE[@CHANNEL] [--port OUTPUT] [--remote ADDRESS:PORT]\n"
    "       lampotron --list-ports\n"
    "       lampotron --remote-url [--remote ADDRESS:PORT]\n"
    "       lampotron --schedule [DAYS]\n"
    "       lampotron --help | --version");

} // namespace

CommandLine::CommandLine()
    : help_({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help.")),
      version_({QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Show the version.")),
      port_(QStringLiteral("port"),
            QStringLiteral("Use this output for this run (see --list-ports):\n%1")
                .arg(QString::fromStdString(outputsHelp()).trimmed()),
            QStringLiteral("OUTPUT")),
      listPorts_(QStringLiteral("list-ports"), QStringLiteral("List the outputs found, and whether each can be opened now.")),
      play_(QStringLiteral("play"),
            QStringLiteral("Play the scheme without a window, until SIGTERM or SIGINT; SIGHUP reloads the scheme "
                           "and the settings.")),
      speedOption_(QStringLiteral("speed"), QStringLiteral("With --play: the delay between rows, %1 to %2 ms in steps of 50.")
                                                .arg(settings::Speed.minimum)
                                                .arg(settings::Speed.maximum),
                   QStringLiteral("MS")),
      scheme_(QStringLiteral("scheme"), QStringLiteral("With --play: the scheme file to play."), QStringLiteral("FILE")),
      follow_(QStringLiteral("follow"),
              QStringLiteral("With --play: drive the output from eight channels of a DMX universe that olad receives "
                             "from the network (E1.31 or Art-Net), from CHANNEL on (1 unless given), instead of the "
                             "scheme."),
              QStringLiteral("ola:UNIVERSE[@CHANNEL]")),
      schedule_(QStringLiteral("schedule"),
                QStringLiteral("Print when the schedule switches the show on and off over the next DAYS days "
                               "(7 unless given), and why, then end.")),
      remote_(QStringLiteral("remote"),
              QStringLiteral("Serve the web remote for this run: 127.0.0.1:8080 for this machine only, 0.0.0.0:8080 "
                             "for the network (see the README)."),
              QStringLiteral("ADDRESS:PORT")),
      remoteUrl_(QStringLiteral("remote-url"), QStringLiteral("Show the web remote's address with its key, and end."))
{
    parser_.setApplicationDescription(QStringLiteral("Plays light effects on eight lamps."));
    for (const QCommandLineOption *option :
         {&help_, &version_, &port_, &listPorts_, &play_, &speedOption_, &scheme_, &follow_, &schedule_, &remote_, &remoteUrl_})
        parser_.addOption(*option);
}

std::optional<QString> CommandLine::read(const QStringList &arguments)
{
    mistake_ = check(arguments);
    return mistake_;
}

std::optional<CommandLine::Reply> CommandLine::reply() const
{
    if (mistake_)
        return Reply{UsageError, QStringLiteral("%1\nTry: lampotron --help\n").arg(*mistake_)};
    if (wantsHelp()) {
        const QString help = parser_.helpText();
        return Reply{0, Usage + help.mid(help.indexOf('\n'))};
    }
    if (wantsVersion())
        return Reply{0, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                      QCoreApplication::applicationVersion())};
    return std::nullopt;
}

std::optional<QString> CommandLine::check(const QStringList &arguments)
{
    if (!parser_.parse(arguments))
        return parser_.errorText();
    QStringList positional = parser_.positionalArguments();
    if (parser_.isSet(schedule_)) {
        bool number = true;
        scheduleDays_ = positional.isEmpty() ? 7 : positional.takeFirst().toInt(&number);
        if (!number || *scheduleDays_ < 1 || *scheduleDays_ > 366)
            return QStringLiteral("--schedule takes 1 to 366 days.");
    }
    if (!positional.isEmpty())
        return QStringLiteral("Unexpected argument: %1").arg(positional.first());
    if ((parser_.isSet(speedOption_) || parser_.isSet(scheme_) || parser_.isSet(follow_)) && !wantsPlayer())
        return QStringLiteral("--speed, --scheme and --follow go with --play.");
    if (parser_.isSet(follow_))
        if (const FollowChoice follow = parseFollow(parser_.value(follow_)); !follow.target)
            return follow.problem;
    if (parser_.isSet(speedOption_)) {
        bool number = false;
        const int speed = parser_.value(speedOption_).toInt(&number);
        if (!number)
            return QStringLiteral("--speed takes a number of milliseconds, not \"%1\".").arg(parser_.value(speedOption_));
        if (auto problem = PlayerCommands::speedProblem(speed))
            return QStringLiteral("--speed: %1").arg(*problem);
        speed_ = speed;
    }
    if (parser_.isSet(remote_))
        if (const RemoteChoice remote = readRemote(parser_.value(remote_), {}, {}); !remote.config)
            return remote.problem;
    return std::nullopt;
}

std::optional<QString> CommandLine::port() const
{
    return parser_.isSet(port_) ? std::optional(parser_.value(port_)) : std::nullopt;
}

std::optional<QString> CommandLine::scheme() const
{
    return parser_.isSet(scheme_) ? std::optional(parser_.value(scheme_)) : std::nullopt;
}

std::optional<QString> CommandLine::follow() const
{
    return parser_.isSet(follow_) ? std::optional(parser_.value(follow_)) : std::nullopt;
}


std::optional<QString> CommandLine::remote() const
{
    return parser_.isSet(remote_) ? std::optional(parser_.value(remote_)) : std::nullopt;
}
