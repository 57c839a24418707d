#include "FacesFromAfar.h"

#include "LogLine.h"
#include "PortDiscovery.h"
#include "QrCode.h"
#include "RemoteConfig.h"
#include "RemoteKey.h"
#include "StartMqtt.h"
#ifdef LAMPOTRON_WITH_REMOTE
#include "RemoteServer.h"
#endif

#include <cstdio>

#include <unistd.h>

namespace {

std::unique_ptr<QObject> startRemote(const CommandLine &commandLine, const SettingsStore &settings,
                                     const Player &player, PlayerCommands &commands)
{
    const RemoteChoice remote = chooseRemote(commandLine.remote(), settings);
    const auto off = [](const QString &why) {
        logLine(QStringLiteral("The remote is off: %1").arg(why));
        return nullptr;
    };
    if (!remote.config)
        return remote.problem.isEmpty() ? nullptr : off(remote.problem);
#ifdef LAMPOTRON_WITH_REMOTE
    const RemoteKey key = RemoteKey::loadOrMake(RemoteKey::pathBeside(settings.fileName()));
    if (key.key.isEmpty())
        return off(key.problem);
    auto server = std::make_unique<RemoteServer>(player, commands, settings, key.key, findPorts);
    if (auto problem = server->listen(*remote.config))
        return off(*problem);
    logLine(QStringLiteral("The remote is on at %1 (lampotron --remote-url shows it with the key)")
                .arg(remoteUrl(*remote.config, {}).section(QLatin1Char('#'), 0, 0)));
    return server;
#else
    Q_UNUSED(player);
    Q_UNUSED(commands);
    return off(QStringLiteral("this Lampotron was built without it"));
#endif
}

} // namespace

FacesFromAfar::FacesFromAfar(const CommandLine &commandLine, const SettingsStore &settings, const Player &player,
                             PlayerCommands &commands)
    : remote_(startRemote(commandLine, settings, player, commands)),
      homeAssistant_(startMqtt(player, commands, settings))
{
}

FacesFromAfar::~FacesFromAfar() = default;

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

// A script reading the output gets the address alone.
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
