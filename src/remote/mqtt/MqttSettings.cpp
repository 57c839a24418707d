#include "MqttSettings.h"

#include "PrintableValue.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace {

constexpr int PlainPort = 1883;
constexpr int TlsPort = 8883;

// A host name, an IPv4 address or an IPv6 one in brackets, and a port.
std::optional<QString> readBroker(const QString &text, bool tls, MqttSettings &settings)
{
    const QUrl url(QStringLiteral("mqtt://") + text.trimmed(), QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty() || !url.path().isEmpty() || !url.userInfo().isEmpty()
        || url.hasQuery() || url.hasFragment())
        return QStringLiteral("[Mqtt] Broker=%1 is not a broker's address; write host:port, such as "
                              "Broker=localhost:1883.")
            .arg(printableValue(text));
    settings.host = url.host();
    settings.port = url.port(tls ? TlsPort : PlainPort);
    return std::nullopt;
}

// The file holds one line "user:password"; the password may hold colons.
// Others must not be able to read it, nor change whom we log in as.
std::optional<QString> readCredentials(const QString &fileName, MqttSettings &settings)
{
    const QFileInfo info(fileName);
    constexpr auto othersMayUse = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
                                  | QFile::WriteOther | QFile::ExeOther;
    if (info.exists() && (info.permissions() & othersMayUse))
        return QStringLiteral("The MQTT credentials file %1 may be read by others, so it is not used; make it "
                              "private (chmod 600 %1).")
            .arg(printableValue(fileName));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("The MQTT credentials file %1 cannot be read (%2); name a file of mode 0600 "
                              "holding user:password.")
            .arg(printableValue(fileName), file.errorString());
    const QString line = QString::fromUtf8(file.readLine()).remove(QLatin1Char('\n')).remove(QLatin1Char('\r'));
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    if (colon <= 0)
        return QStringLiteral("The MQTT credentials file %1 must hold one line user:password.")
            .arg(printableValue(fileName));
    settings.user = line.left(colon);
    settings.password = line.mid(colon + 1);
    return std::nullopt;
}

} // namespace

MqttSettingsRead readMqttSettings(const SettingsStore &store)
{
    const QString broker = store.read(settings::MqttBroker);
    if (broker.trimmed().isEmpty())
        return {};
    MqttSettings settings;
    settings.caFile = store.read(settings::MqttCaFile);
    auto problem = readBroker(broker, !settings.caFile.isEmpty(), settings);
    const QString credentials = store.read(settings::MqttCredentialsFile);
    if (!problem && !credentials.isEmpty())
        problem = readCredentials(credentials, settings);
    if (!problem && !settings.caFile.isEmpty() && !QFileInfo(settings.caFile).isReadable())
        problem = QStringLiteral("The CA file %1 for MQTT cannot be read; name the PEM file of the authority that "
                                 "signed the broker's certificate.")
                      .arg(printableValue(settings.caFile));
    if (problem)
        return {std::nullopt, *problem + QStringLiteral(" MQTT stays off.")};
    return {settings, QString()};
}
