#pragma once

#include "FailureLimiter.h"
#include "PlayerCommands.h"
#include "RemoteApi.h"
#include "RemoteConfig.h"

#include <QObject>

class HttpServer;
class LiveChannel;

// The web remote: the page, the JSON API and the live channel on one port,
// driving the player through the commands every face shares. It runs on
// the thread that makes it; the player may be on another.
class RemoteServer : public QObject {
    Q_OBJECT

public:
    RemoteServer(const Player &player, PlayerCommands &commands, const SettingsStore &settings, QByteArray key,
                 RemoteApi::OutputFinder findOutputs, QObject *parent = nullptr);
    ~RemoteServer() override;

    // Listens where `config` says, over HTTPS when it names the PEM files.
    // Returns why it cannot.
    std::optional<QString> listen(const RemoteConfig &config);
    quint16 port() const;

private:
    FailureLimiter limiter_;
    RemoteApi api_;
    LiveChannel *live_;
    HttpServer *http_;
};
