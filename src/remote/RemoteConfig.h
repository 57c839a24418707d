#pragma once

#include "SettingsStore.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QString>

#include <optional>

// Where the web remote listens, and whether over HTTPS. It is off unless an
// address is named, on the command line or in the settings.
struct RemoteConfig {
    QHostAddress address;
    QString host; // as written, such as "127.0.0.1" or "0.0.0.0"
    quint16 port = 0;
    QString certificate; // PEM files; both empty for plain HTTP
    QString privateKey;

    bool secure() const { return !certificate.isEmpty(); }
};

// A usable config, none when the remote is off, or what is wrong.
struct RemoteChoice {
    std::optional<RemoteConfig> config;
    QString problem;
};

// "ADDRESS:PORT" ("[::1]:8080" for IPv6) and the PEM files, which go together.
RemoteChoice readRemote(const QString &address, const QString &certificate, const QString &privateKey);
// The address given for this run wins over the stored one.
RemoteChoice chooseRemote(const std::optional<QString> &givenAddress, const SettingsStore &settings);

// 0.0.0.0 or ::, as against one address.
bool listensOnEveryNetwork(const QHostAddress &address);

// Whether the Host header of a request names this remote: the address it
// listens on (on every network: any address of the machine, its name and
// localhost) and its port. A name of another site that leads to this
// machine does not, so that a page cannot reach the remote by renaming it.
bool namesThisRemote(QByteArrayView hostHeader, const QHostAddress &listenAddress, quint16 listenPort, bool secure,
                     const QString &machineName, const QList<QHostAddress> &machineAddresses);

// The address a phone opens, with the key after the '#', which a browser
// never sends: http(s)://HOST:PORT/#key=KEY. A remote open to every network
// is named by the machine's name.
QString remoteUrl(const RemoteConfig &config, const QString &key,
                  const QString &machineName = QHostInfo::localHostName());
