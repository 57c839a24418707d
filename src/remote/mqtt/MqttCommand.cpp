#include "MqttCommand.h"

#include "Pattern.h"
#include "PrintableValue.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

using Kind = MqttCommand::Kind;

// What the JSON light sends: {"state": "ON"|"OFF"} and, with an effect
// chosen, "effect": its name. Fields a plain on-off light does not use are
// ignored.
ParsedMqttCommand parseLight(const QByteArray &payload)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(payload, &error);
    if (!document.isObject())
        return {std::nullopt, QStringLiteral("The light takes a JSON object such as {\"state\":\"ON\"}, not \"%1\".")
                                  .arg(printableValue(payload))};
    const QJsonObject light = document.object();
    const QString state = light.value("state").toString();
    if (state == QLatin1String("OFF"))
        return {MqttCommand{Kind::AllOff}, QString()};
    if (state != QLatin1String("ON"))
        return {std::nullopt, QStringLiteral("The light's \"state\" is \"ON\" or \"OFF\".")};
    if (!light.contains("effect"))
        return {MqttCommand{Kind::Start}, QString()};
    const QString effect = light.value("effect").toString();
    if (const QString problem = pattern::nameProblem(effect); !problem.isEmpty())
        return {std::nullopt, QStringLiteral("\"%1\" is no effect: %2").arg(printableValue(effect), problem)};
    return {MqttCommand{Kind::Play, 0, effect}, QString()};
}

// Home Assistant sends a number as text, "150" or "150.0".
ParsedMqttCommand parseDelay(const QByteArray &payload)
{
    bool number = false;
    const double delay = payload.trimmed().toDouble(&number);
    if (!number || delay != std::trunc(delay) || std::abs(delay) > 1e6)
        return {std::nullopt, QStringLiteral("The delay is a whole number of milliseconds, not \"%1\".")
                                  .arg(printableValue(payload))};
    return {MqttCommand{Kind::SetDelay, int(delay)}, QString()};
}

ParsedMqttCommand parsePause(const QByteArray &payload)
{
    if (payload == "ON")
        return {MqttCommand{Kind::Pause}, QString()};
    if (payload == "OFF")
        return {MqttCommand{Kind::Resume}, QString()};
    return {std::nullopt, QStringLiteral("Pause is \"ON\" or \"OFF\", not \"%1\".").arg(printableValue(payload))};
}

} // namespace

ParsedMqttCommand parseMqttCommand(const HomeAssistantDevice::Topics &topics, const QString &topic,
                                   const QByteArray &payload)
{
    if (topic == topics.lightCommand)
        return parseLight(payload);
    if (topic == topics.delayCommand)
        return parseDelay(payload);
    if (topic == topics.pauseCommand)
        return parsePause(payload);
    return {std::nullopt, QStringLiteral("Nothing listens on %1.").arg(printableValue(topic))};
}
