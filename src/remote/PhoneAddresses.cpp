#include "PhoneAddresses.h"

namespace {

const QString Localhost = QStringLiteral("localhost");

bool listensFor(const QHostAddress &listen, const QHostAddress &address)
{
    if (listen == QHostAddress::AnyIPv4)
        return address.protocol() == QAbstractSocket::IPv4Protocol;
    if (listen == QHostAddress::AnyIPv6)
        return address.protocol() == QAbstractSocket::IPv6Protocol;
    return true;
}

bool reachableFromAfar(const QHostAddress &address)
{
    const bool ipv6LinkLocal = address.protocol() == QAbstractSocket::IPv6Protocol && address.isLinkLocal();
    return !address.isLoopback() && !ipv6LinkLocal && !address.isMulticast() && !address.isNull();
}

} // namespace

QStringList phoneHosts(const RemoteConfig &config, const std::optional<QString> &avahiName,
                       const QString &machineName, const QList<QHostAddress> &machineAddresses)
{
    if (!listensOnEveryNetwork(config.address))
        return {config.host};
    QStringList hosts;
    // The remote takes requests for the machine's own name only.
    if (avahiName && avahiName->compare(machineName + QStringLiteral(".local"), Qt::CaseInsensitive) == 0)
        hosts << *avahiName;
    for (const QHostAddress &address : machineAddresses)
        if (reachableFromAfar(address) && listensFor(config.address, address))
            hosts << address.toString();
    hosts.removeDuplicates();
    return hosts.isEmpty() ? QStringList{Localhost} : hosts;
}

bool onlyThisMachine(const QStringList &hosts)
{
    return hosts.size() == 1 && (hosts.front() == Localhost || QHostAddress(hosts.front()).isLoopback());
}
