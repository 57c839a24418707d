#include "RemoteServer.h"

#include "HttpServer.h"
#include "LiveChannel.h"

#include <QCoreApplication>
#include <QFile>
#include <QSslKey>
#include <QWebSocket>

#include <variant>

namespace {

std::variant<QSslConfiguration, QString> tlsFor(const RemoteConfig &config)
{
    if (!QSslSocket::supportsSsl())
        return QCoreApplication::translate(
            "RemoteServer", "HTTPS needs Qt's TLS support with OpenSSL 3 (package libssl3), which is missing");
    const QList<QSslCertificate> chain = QSslCertificate::fromPath(config.certificate, QSsl::Pem);
    if (chain.isEmpty())
        return QCoreApplication::translate(
            "RemoteServer", "no certificate could be read from %1 (RemoteCertificate); give a PEM file").arg(config.certificate);
    QFile keyFile(config.privateKey);
    if (!keyFile.open(QIODevice::ReadOnly))
        return QCoreApplication::translate(
            "RemoteServer", "the private key %1 (RemoteKey) cannot be read: %2").arg(config.privateKey, keyFile.errorString());
    const QByteArray pem = keyFile.readAll();
    QSslKey key;
    for (QSsl::KeyAlgorithm algorithm : {QSsl::Rsa, QSsl::Ec})
        if (key.isNull())
            key = QSslKey(pem, algorithm, QSsl::Pem);
    if (key.isNull())
        return QCoreApplication::translate(
            "RemoteServer", "no private key could be read from %1 (RemoteKey); give an RSA or EC key in PEM, "
                            "without a passphrase")
            .arg(config.privateKey);
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setLocalCertificateChain(chain);
    tls.setPrivateKey(key);
    tls.setPeerVerifyMode(QSslSocket::VerifyNone);
    return tls;
}

} // namespace

RemoteServer::RemoteServer(const Player &player, PlayerCommands &commands, const SettingsStore &settings,
                           QByteArray key, RemoteApi::OutputFinder findOutputs, QObject *parent)
    : QObject(parent), api_(commands, settings, key, limiter_, std::move(findOutputs)),
      live_(new LiveChannel(key, limiter_, commands.state(), commands.lamps(), this)),
      http_(new HttpServer({[this](const HttpRequest &request) { return api_.answer(request); }, RemoteApi::LivePath,
                            [this](const HttpRequest &request) { return api_.admitsLive(request); },
                            [this](std::unique_ptr<QWebSocket> socket) { live_->admit(std::move(socket)); }},
                           this))
{
    connect(&player, &Player::stateChanged, live_, &LiveChannel::showState);
    connect(&player, &Player::rowShown, live_, &LiveChannel::showLamps);
}

RemoteServer::~RemoteServer() = default;

std::optional<QString> RemoteServer::listen(const RemoteConfig &config)
{
    std::optional<QSslConfiguration> tls;
    if (config.secure()) {
        auto loaded = tlsFor(config);
        if (auto *problem = std::get_if<QString>(&loaded))
            return *problem;
        tls = std::get<QSslConfiguration>(loaded);
    }
    if (auto problem = http_->listen(config.address, config.port, tls))
        return tr("cannot listen on %1:%2: %3").arg(config.host).arg(config.port).arg(*problem);
    return std::nullopt;
}

quint16 RemoteServer::port() const
{
    return http_->port();
}
