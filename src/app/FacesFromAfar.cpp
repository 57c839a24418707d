#include "FacesFromAfar.h"

#include "AvahiHostName.h"
#include "LogLine.h"
#include "PhoneAddresses.h"
#include "PortDiscovery.h"
#include "QrCode.h"
#include "RemoteKey.h"
#include "StartMqtt.h"
#ifdef LAMPOTRON_WITH_REMOTE
#include "RemoteServer.h"
#endif

#include <QCoreApplication>
#include <QNetworkInterface>

#include <cstdio>

#include <unistd.h>

namespace {

// "Remote: on" serves every network, IPv4 and IPv6 alike.
const QString EveryAddress = QStringLiteral("[::]:%1");

// Every address a phone can open, with the key.
RemoteAddress addressOf(const RemoteConfig &config, const SettingsStore &settings)
{
    const RemoteKey key = RemoteKey::loadOrMake(RemoteKey::pathBeside(settings.fileName()));
    if (key.key.isEmpty())
        return {{}, key.problem, {}};
    const QStringList hosts =
        phoneHosts(config, avahiHostName(), QHostInfo::localHostName(), QNetworkInterface::allAddresses());
    QStringList urls;
    for (const QString &host : hosts)
        urls << remoteUrl(config, QString::fromLatin1(key.key), host);
    const QString limit = onlyThisMachine(hosts) && listensOnEveryNetwork(config.address)
                              ? QCoreApplication::translate(
                                  "FacesFromAfar", "This machine is on no network: only a browser on it can open the "
                                                   "remote. Connect it to the phone's network and look again.")
                              : QString();
    return {urls.takeFirst(), limit, urls};
}

} // namespace

FacesFromAfar::FacesFromAfar(const CommandLine &commandLine, const SettingsStore &settings, const Player &player,
                             PlayerCommands &commands)
    : settings_(settings), player_(player), commands_(commands),
      port_(static_cast<quint16>(settings.read(settings::RemotePort)))
{
    const RemoteChoice remote = chooseRemote(commandLine.remote(), settings);
    if (remote.config) {
        port_ = remote.config->port;
        if (auto problem = startRemote(*remote.config))
            logLine(QStringLiteral("The remote is off: %1").arg(*problem));
    } else if (!remote.problem.isEmpty()) {
        problem_ = remote.problem;
        logLine(QStringLiteral("The remote is off: %1").arg(remote.problem));
    }
    homeAssistant_ = startMqtt(player, commands, settings);
}

FacesFromAfar::~FacesFromAfar() = default;

std::optional<QString> FacesFromAfar::startRemote(const RemoteConfig &config)
{
#ifdef LAMPOTRON_WITH_REMOTE
    const RemoteKey key = RemoteKey::loadOrMake(RemoteKey::pathBeside(settings_.fileName()));
    if (key.key.isEmpty())
        return problem_ = key.problem;
    auto server = std::make_unique<RemoteServer>(player_, commands_, settings_, key.key, findPorts);
    if (auto problem = server->listen(config))
        return problem_ = *problem;
    // Listening on port 0 takes any free one; the address names the real one.
    running_ = config;
    running_->port = server->port();
    port_ = running_->port;
    remote_ = std::move(server);
    problem_.clear();
    if (listensOnEveryNetwork(config.address))
        announcer_ = std::make_unique<AvahiAnnouncer>(running_->port, config.secure());
    logLine(QStringLiteral("The remote is on at %1 (lampotron --remote-url shows it with the key)")
                .arg(remoteUrl(*running_, {}).section(QLatin1Char('#'), 0, 0)));
    return std::nullopt;
#else
    Q_UNUSED(config);
    return problem_ = QCoreApplication::translate("FacesFromAfar", "this Lampotron was built without it");
#endif
}

RemoteAddress FacesFromAfar::switchRemote(bool on)
{
    if (!on) {
        announcer_.reset();
        remote_.reset();
        running_.reset();
        problem_.clear();
        commands_.storeRemote(QString(), port_);
        logLine(QStringLiteral("The remote is off"));
        return remoteAddress();
    }
    if (!remote_) {
        const RemoteChoice choice =
            readRemote(EveryAddress.arg(port_), settings_.read(settings::RemoteCertificate).trimmed(),
                       settings_.read(settings::RemoteKey).trimmed());
        if (!choice.config)
            return {{}, choice.problem, {}};
        if (auto problem = startRemote(*choice.config))
            return {{}, QCoreApplication::translate(
                "FacesFromAfar", "The remote could not be switched on: %1").arg(*problem), {}};
        commands_.storeRemote(EveryAddress.arg(running_->port), running_->port);
    }
    return remoteAddress();
}

RemoteAddress FacesFromAfar::remoteAddress() const
{
    if (running_)
        return addressOf(*running_, settings_);
    if (!problem_.isEmpty())
        return {{}, problem_, {}};
    return {{}, QCoreApplication::translate(
        "FacesFromAfar", "The remote is off. Switch it on with \"Remote: on\" in the menu."), {}};
}

RemoteAddress remoteAddress(const CommandLine &commandLine, const SettingsStore &settings)
{
    const RemoteChoice remote = chooseRemote(commandLine.remote(), settings);
    if (!remote.config)
        return {{},
                remote.problem.isEmpty()
                    ? QCoreApplication::translate(
                        "FacesFromAfar", "The remote is off. Switch it on with \"Remote: on\" in the window's menu, "
                                         "with Remote=0.0.0.0:8080 in the [Setting] section of %1, or with "
                                         "--remote ADDRESS:PORT.")
                          .arg(settings.fileName())
                    : remote.problem,
                {}};
    return addressOf(*remote.config, settings);
}

// A script reading the first line gets the address to use.
int printRemoteUrl(const CommandLine &commandLine)
{
    const RemoteAddress address = remoteAddress(commandLine, SettingsStore());
    if (address.url.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(address.problem));
        return EXIT_FAILURE;
    }
    for (const QString &url : QStringList{address.url} + address.otherUrls)
        std::printf("%s\n", qPrintable(url));
    if (!address.problem.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(address.problem));
    if (isatty(STDOUT_FILENO))
        std::fputs(QrCode(address.url).toTerminalText().toUtf8().constData(), stdout);
    return EXIT_SUCCESS;
}
