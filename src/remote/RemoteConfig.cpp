#include "RemoteConfig.h"

#include <QCoreApplication>
#include <QUrl>

RemoteChoice readRemote(const QString &address, const QString &certificate, const QString &privateKey)
{
    const auto unusable = [&address](const QString &why) {
        return RemoteChoice{std::nullopt, QCoreApplication::translate(
            "RemoteConfig", "The remote address \"%1\" is unusable: %2. Give ADDRESS:PORT, "
                            "such as 127.0.0.1:8080 for this machine only or "
                            "0.0.0.0:8080 for the network.")
                                              .arg(address, why)};
    };
    const qsizetype colon = address.lastIndexOf(QLatin1Char(':'));
    if (colon < 0)
        return unusable(QCoreApplication::translate("RemoteConfig", "no port"));
    RemoteConfig config;
    config.host = address.left(colon);
    if (config.host.startsWith(QLatin1Char('[')) && config.host.endsWith(QLatin1Char(']')))
        config.host = config.host.mid(1, config.host.size() - 2);
    if (!config.address.setAddress(config.host))
        return unusable(QCoreApplication::translate("RemoteConfig", "\"%1\" is not an IP address").arg(config.host));
    // As Linux binds "::" by default: IPv6 and IPv4 alike.
    if (config.address == QHostAddress::AnyIPv6)
        config.address = QHostAddress::Any;
    bool number = false;
    const uint port = address.mid(colon + 1).toUInt(&number);
    if (!number || port < 1 || port > 65535)
        return unusable(QCoreApplication::translate("RemoteConfig", "the port is 1 to 65535"));
    config.port = static_cast<quint16>(port);
    if (certificate.isEmpty() != privateKey.isEmpty())
        return {std::nullopt, QCoreApplication::translate(
            "RemoteConfig", "HTTPS needs both RemoteCertificate and RemoteKey in [Setting] "
                            "(PEM files); only one is set.")};
    config.certificate = certificate;
    config.privateKey = privateKey;
    return {config, {}};
}

RemoteChoice chooseRemote(const std::optional<QString> &givenAddress, const SettingsStore &settings)
{
    const QString address = givenAddress.value_or(settings.read(settings::Remote).trimmed());
    if (address.isEmpty())
        return {};
    return readRemote(address, settings.read(settings::RemoteCertificate).trimmed(),
                      settings.read(settings::RemoteKey).trimmed());
}

bool listensOnEveryNetwork(const QHostAddress &address)
{
    return address == QHostAddress::AnyIPv4 || address == QHostAddress::AnyIPv6 || address == QHostAddress::Any;
}

QString remoteUrl(const RemoteConfig &config, const QString &key, const QString &machineName)
{
    QString host = listensOnEveryNetwork(config.address) ? machineName : config.host;
    if (host.contains(QLatin1Char(':')))
        host = QLatin1Char('[') + host + QLatin1Char(']');
    return QStringLiteral("%1://%2:%3/#key=%4")
        .arg(config.secure() ? QStringLiteral("https") : QStringLiteral("http"), host)
        .arg(config.port)
        .arg(key);
}

bool namesThisRemote(QByteArrayView hostHeader, const QHostAddress &listenAddress, quint16 listenPort, bool secure,
                     const QString &machineName, const QList<QHostAddress> &machineAddresses)
{
    const QUrl named(QStringLiteral("//") + QString::fromLatin1(hostHeader), QUrl::StrictMode);
    if (hostHeader.isEmpty() || !named.isValid() || !named.userInfo().isEmpty() || !named.path().isEmpty()
        || named.port(secure ? 443 : 80) != listenPort)
        return false;
    const bool everyNetwork = listensOnEveryNetwork(listenAddress);
    const QString host = named.host();
    const QHostAddress address(host);
    if (address.isNull()) {
        const bool machine = everyNetwork
                             && (host.compare(machineName, Qt::CaseInsensitive) == 0
                                 || host.compare(machineName + QStringLiteral(".local"), Qt::CaseInsensitive) == 0);
        return machine || (host == QLatin1String("localhost") && (everyNetwork || listenAddress.isLoopback()));
    }
    if (!everyNetwork)
        return address.isEqual(listenAddress);
    return std::any_of(machineAddresses.begin(), machineAddresses.end(),
                       [&address](const QHostAddress &own) { return address.isEqual(own); });
}
