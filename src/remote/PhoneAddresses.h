#pragma once

#include "RemoteConfig.h"

#include <QHostAddress>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The hosts by which a phone on the network can open the remote, best first.
// A remote on one address has that address alone. One on every network is
// named first by the machine's .local name, when Avahi answers for that name
// (after a clash on the network it answers for another), then by each of the
// machine's addresses that a browser can open and the remote listens on:
// loopback reaches nobody else, and an IPv6 link-local address needs an
// interface that a URL cannot carry. With no such address at all, only this
// machine can open it, as localhost.
QStringList phoneHosts(const RemoteConfig &config, const std::optional<QString> &avahiName,
                       const QString &machineName, const QList<QHostAddress> &machineAddresses);

// Whether only this machine can open the remote at these hosts.
bool onlyThisMachine(const QStringList &hosts);
