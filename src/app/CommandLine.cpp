#include "CommandLine.h"

#include "FollowTarget.h"
#include "Pattern.h"
#include "Outputs.h"
#include "PlayerCommands.h"
#include "RemoteConfig.h"
#include "SettingsKeys.h"

#include <QCoreApplication>

#include <limits>

namespace {

// Qt's usage line offers every option to every form, and DAYS to all of
// them; these are the forms the program has.
const char *const Usage = QT_TRANSLATE_NOOP("CommandLine",
    "Usage: lampotron [--port OUTPUT] [--remote ADDRESS:PORT]\n"
    "       lampotron --play [--port OUTPUT] [--speed MS] [--scheme FILE] [--remote ADDRESS:PORT]\n"
    "       lampotron --play --follow ola:UNIVERSE[@CHANNEL] [--port OUTPUT] [--remote ADDRESS:PORT]\n"
    "       lampotron --list-ports\n"
    "       lampotron --remote-url [--remote ADDRESS:PORT]\n"
    "       lampotron --schedule [DAYS]\n"
    "       lampotron --import-fseq FILE --name NAME [--channel N] [--threshold LEVEL]\n"
    "       lampotron --export-fseq NAME --out FILE [--frame MS]\n"
    "       lampotron --help | --version");

} // namespace

CommandLine::CommandLine()
    : help_({QStringLiteral("h"), QStringLiteral("help")}, tr("Show this help.")),
      version_({QStringLiteral("v"), QStringLiteral("version")}, tr("Show the version.")),
      port_(QStringLiteral("port"),
            tr("Use this output for this run (see --list-ports):\n%1")
                .arg(QString::fromStdString(outputsHelp()).trimmed()),
            QStringLiteral("OUTPUT")),
      listPorts_(QStringLiteral("list-ports"), tr("List the outputs found, and whether each can be opened now.")),
      play_(QStringLiteral("play"),
            tr("Play the scheme without a window, until SIGTERM or SIGINT; SIGHUP reloads the scheme "
                           "and the settings.")),
      speedOption_(QStringLiteral("speed"), tr("With --play: the delay between rows, %1 to %2 ms in steps of 50.")
                                                .arg(settings::Speed.minimum)
                                                .arg(settings::Speed.maximum),
                   QStringLiteral("MS")),
      scheme_(QStringLiteral("scheme"), tr("With --play: the scheme file to play."), QStringLiteral("FILE")),
      follow_(QStringLiteral("follow"),
              tr("With --play: drive the output from eight channels of a DMX universe that olad receives "
                             "from the network (E1.31 or Art-Net), from CHANNEL on (1 unless given), instead of the "
                             "scheme."),
              QStringLiteral("ola:UNIVERSE[@CHANNEL]")),
      schedule_(QStringLiteral("schedule"),
                tr("Print when the schedule switches the show on and off over the next DAYS days "
                               "(7 unless given), and why, then end.")),
      remote_(QStringLiteral("remote"),
              tr("Serve the web remote for this run: 127.0.0.1:8080 for this machine only, 0.0.0.0:8080 "
                             "for the network (see the README)."),
              QStringLiteral("ADDRESS:PORT")),
      remoteUrl_(QStringLiteral("remote-url"), tr("Show the web remote's address with its key, and end.")),
      importFseq_(QStringLiteral("import-fseq"),
                  tr("Make a pattern from eight channels of an FSEQ sequence (version 1 or 2), and end."),
                  QStringLiteral("FILE")),
      exportFseq_(QStringLiteral("export-fseq"), tr("Write a pattern as an FSEQ sequence (version 2), and end."),
                  QStringLiteral("NAME")),
      name_(QStringLiteral("name"), tr("With --import-fseq: the new pattern's name."), QStringLiteral("NAME")),
      channel_(QStringLiteral("channel"), tr("With --import-fseq: the first of the eight channels (1 unless given)."),
               QStringLiteral("N")),
      threshold_(QStringLiteral("threshold"),
                 tr("With --import-fseq: a channel at or above this level (1 to 255, 128 unless given) "
                                "lights its lamp."),
                 QStringLiteral("LEVEL")),
      out_(QStringLiteral("out"), tr("With --export-fseq: the file to write."), QStringLiteral("FILE")),
      frame_(QStringLiteral("frame"), tr("With --export-fseq: the frame time, 25 or 50 ms (25 unless given)."),
             QStringLiteral("MS"))
{
    parser_.setApplicationDescription(tr("Plays light effects on eight lamps."));
    for (const QCommandLineOption *option :
         {&help_, &version_, &port_, &listPorts_, &play_, &speedOption_, &scheme_, &follow_, &schedule_, &remote_, &remoteUrl_,
          &importFseq_, &exportFseq_, &name_, &channel_, &threshold_, &out_, &frame_})
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
        return Reply{UsageError, tr("%1\nTry: lampotron --help\n").arg(*mistake_)};
    if (wantsHelp()) {
        const QString help = parser_.helpText();
        return Reply{0, tr(Usage) + help.mid(help.indexOf('\n'))};
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
            return tr("--schedule takes 1 to 366 days.");
    }
    if (!positional.isEmpty())
        return tr("Unexpected argument: %1").arg(positional.first());
    if ((parser_.isSet(speedOption_) || parser_.isSet(scheme_) || parser_.isSet(follow_)) && !wantsPlayer())
        return tr("--speed, --scheme and --follow go with --play.");
    if (parser_.isSet(follow_))
        if (const FollowChoice follow = parseFollow(parser_.value(follow_)); !follow.target)
            return follow.problem;
    if (parser_.isSet(speedOption_)) {
        bool number = false;
        const int speed = parser_.value(speedOption_).toInt(&number);
        if (!number)
            return tr("--speed takes a number of milliseconds, not \"%1\".").arg(parser_.value(speedOption_));
        if (auto problem = PlayerCommands::speedProblem(speed))
            return QStringLiteral("--speed: %1").arg(*problem);
        speed_ = speed;
    }
    if (parser_.isSet(remote_))
        if (const RemoteChoice remote = readRemote(parser_.value(remote_), {}, {}); !remote.config)
            return remote.problem;
    return checkFseq();
}

std::optional<QString> CommandLine::checkFseq()
{
    const bool importing = parser_.isSet(importFseq_), exporting = parser_.isSet(exportFseq_);
    if ((parser_.isSet(name_) || parser_.isSet(channel_) || parser_.isSet(threshold_)) && !importing)
        return tr("--name, --channel and --threshold go with --import-fseq.");
    if ((parser_.isSet(out_) || parser_.isSet(frame_)) && !exporting)
        return tr("--out and --frame go with --export-fseq.");
    if (importing && exporting)
        return tr("Import or export, one at a time.");
    const auto number = [this](const QCommandLineOption &option, int fallback, int lowest, int highest) -> std::optional<int> {
        if (!parser_.isSet(option))
            return fallback;
        bool ok = false;
        const int value = parser_.value(option).toInt(&ok);
        return ok && value >= lowest && value <= highest ? std::optional(value) : std::nullopt;
    };
    if (importing) {
        const auto channel = number(channel_, 1, 1, std::numeric_limits<int>::max());
        if (!channel)
            return tr("--channel takes a channel number from 1 on.");
        const auto threshold = number(threshold_, 128, 1, 255);
        if (!threshold)
            return tr("--threshold takes a level from 1 to 255.");
        if (!parser_.isSet(name_))
            return tr("--import-fseq needs --name, the new pattern's name.");
        if (const QString problem = pattern::nameProblem(parser_.value(name_)); !problem.isEmpty())
            return QStringLiteral("--name: %1").arg(problem);
        fseqImport_ = FseqImport{parser_.value(importFseq_), parser_.value(name_), *channel, *threshold};
    }
    if (exporting) {
        const auto frame = number(frame_, 25, 25, 50);
        if (!frame || (*frame != 25 && *frame != 50))
            return tr("--frame takes 25 or 50 (ms).");
        if (!parser_.isSet(out_))
            return tr("--export-fseq needs --out, the file to write.");
        fseqExport_ = FseqExport{parser_.value(exportFseq_), parser_.value(out_), *frame};
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

std::optional<QString> CommandLine::follow() const
{
    return parser_.isSet(follow_) ? std::optional(parser_.value(follow_)) : std::nullopt;
}


std::optional<QString> CommandLine::remote() const
{
    return parser_.isSet(remote_) ? std::optional(parser_.value(remote_)) : std::nullopt;
}
