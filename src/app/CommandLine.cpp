#include "CommandLine.h"

#include "Outputs.h"
#include "SettingsKeys.h"

#include <QCoreApplication>

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
      speedOption_(QStringLiteral("speed"), QStringLiteral("With --play: the delay between rows, %1 to %2 ms.")
                                                .arg(settings::Speed.minimum)
                                                .arg(settings::Speed.maximum),
                   QStringLiteral("MS")),
      scheme_(QStringLiteral("scheme"), QStringLiteral("With --play: the scheme file to play."), QStringLiteral("FILE"))
{
    parser_.setApplicationDescription(QStringLiteral("Plays light effects on eight lamps."));
    for (const QCommandLineOption *option : {&help_, &version_, &port_, &listPorts_, &play_, &speedOption_, &scheme_})
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
    if (wantsHelp())
        return Reply{0, parser_.helpText()};
    if (wantsVersion())
        return Reply{0, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                      QCoreApplication::applicationVersion())};
    return std::nullopt;
}

std::optional<QString> CommandLine::check(const QStringList &arguments)
{
    if (!parser_.parse(arguments))
        return parser_.errorText();
    if (!parser_.positionalArguments().isEmpty())
        return QStringLiteral("Unexpected argument: %1").arg(parser_.positionalArguments().first());
    if ((parser_.isSet(speedOption_) || parser_.isSet(scheme_)) && !wantsPlayer())
        return QStringLiteral("--speed and --scheme go with --play.");
    if (parser_.isSet(speedOption_)) {
        bool number = false;
        const int speed = parser_.value(speedOption_).toInt(&number);
        if (!number || speed < settings::Speed.minimum || speed > settings::Speed.maximum)
            return QStringLiteral("--speed takes %1 to %2 milliseconds, not \"%3\".")
                .arg(settings::Speed.minimum)
                .arg(settings::Speed.maximum)
                .arg(parser_.value(speedOption_));
        speed_ = speed;
    }
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

