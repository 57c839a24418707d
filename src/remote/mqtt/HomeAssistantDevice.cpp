#include "HomeAssistantDevice.h"

#include "EffectCatalogue.h"
#include "SettingsKeys.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

const QString DiscoveryPrefix = QStringLiteral("homeassistant");
constexpr int DelayStepMs = 50;
// Home Assistant keeps no longer state than this.
constexpr int LongestState = 255;

QString on(bool yes)
{
    return yes ? QStringLiteral("ON") : QStringLiteral("OFF");
}

// Where the show comes from: the scheme, or the network for a follower.
QString describeSource(const PlayerState &state)
{
    if (state.following.isEmpty())
        return QStringLiteral("the scheme");
    if (state.noDataSince.isEmpty())
        return QStringLiteral("following %1").arg(state.following);
    return QStringLiteral("following %1; no data since %2").arg(state.following, state.noDataSince);
}

QString describeOutput(const PlayerState &state)
{
    switch (state.outputState) {
    case PlayerState::Output::Open:
        return QStringLiteral("%1 open").arg(state.output);
    case PlayerState::Output::Lost:
        return QStringLiteral("%1 lost: %2").arg(state.output, state.outputProblem);
    case PlayerState::Output::Closed:
        break;
    }
    if (state.outputProblem.isEmpty())
        return QStringLiteral("%1 closed").arg(state.output);
    return QStringLiteral("%1 closed: %2").arg(state.output, state.outputProblem);
}

QStringList builtInEffectNames()
{
    QStringList names;
    for (int index = 0; index < effects::Count; ++index) {
        names << pattern::caption(*pattern::effect(index));
    }
    return names;
}

// What plays alone, by its name, or the scheme. A pattern shown unsaved
// from an editor may have a name never checked, so it is cut.
QString describeEffect(const PlayerState &state)
{
    if (!state.pattern.isEmpty())
        return state.pattern.left(LongestState);
    if (state.effect < 0)
        return HomeAssistantDevice::SchemeEffect;
    return builtInEffectNames().value(state.effect, HomeAssistantDevice::SchemeEffect);
}

} // namespace

const QString HomeAssistantDevice::SchemeEffect = QStringLiteral("Scheme");

HomeAssistantDevice::HomeAssistantDevice(const QString &hostName, const QString &version)
    : hostName_(hostName), version_(version), nodeId_(nodeIdFor(hostName))
{
    const QString base = QStringLiteral("lampotron/") + nodeId_;
    topics_ = {base + QStringLiteral("/availability"), base + QStringLiteral("/state"),
               base + QStringLiteral("/light/set"), base + QStringLiteral("/delay/set"),
               base + QStringLiteral("/pause/set")};
}

QString HomeAssistantDevice::nodeIdFor(const QString &hostName)
{
    QString id;
    for (const QChar c : hostName.toLower()) {
        const bool allowed = (c.isLetterOrNumber() && c.unicode() < 128) || c == QLatin1Char('-') || c == QLatin1Char('_');
        id += allowed ? c : QLatin1Char('_');
    }
    return id.isEmpty() ? QStringLiteral("lampotron") : id;
}

QStringList HomeAssistantDevice::effectNames() const
{
    return QStringList{SchemeEffect} + builtInEffectNames() + patternNames_;
}

// A pattern called like the scheme's effect is left out: that name plays
// the scheme.
bool HomeAssistantDevice::setPatternNames(const QStringList &names)
{
    QStringList listed;
    for (const QString &name : names) {
        if (listed.size() == MostListedPatterns)
            break;
        if (name != SchemeEffect)
            listed << name;
    }
    if (listed == patternNames_)
        return false;
    patternNames_ = listed;
    return true;
}

QStringList HomeAssistantDevice::commandTopics() const
{
    return {topics_.lightCommand, topics_.delayCommand, topics_.pauseCommand};
}

std::vector<MqttMessage> HomeAssistantDevice::discovery() const
{
    // Every entity but the light takes its value from one field of the state.
    const auto field = [](const char *key) { return QStringLiteral("{{ value_json.%1 }}").arg(QLatin1String(key)); };
    return {
        lightConfig(),
        config(QStringLiteral("number"), QStringLiteral("delay"), QStringLiteral("Delay"),
               {{"command_topic", topics_.delayCommand},
                {"value_template", field("delay")},
                {"min", settings::Speed.minimum},
                {"max", settings::Speed.maximum},
                {"step", DelayStepMs},
                {"unit_of_measurement", "ms"},
                {"icon", "mdi:timer-outline"}}),
        config(QStringLiteral("switch"), QStringLiteral("pause"), QStringLiteral("Pause"),
               {{"command_topic", topics_.pauseCommand},
                {"value_template", field("paused")},
                {"icon", "mdi:pause"}}),
        config(QStringLiteral("sensor"), QStringLiteral("output"), QStringLiteral("Output"),
               {{"value_template", field("output")},
                {"entity_category", "diagnostic"},
                {"icon", "mdi:export"}}),
        config(QStringLiteral("sensor"), QStringLiteral("source"), QStringLiteral("Source"),
               {{"value_template", field("source")},
                {"entity_category", "diagnostic"},
                {"icon", "mdi:lan-connect"}}),
    };
}

MqttMessage HomeAssistantDevice::lightConfig() const
{
    return config(QStringLiteral("light"), QStringLiteral("light"), QStringLiteral("Lamps"),
                  {{"schema", "json"},
                   {"command_topic", topics_.lightCommand},
                   {"supported_color_modes", QJsonArray{"onoff"}},
                   {"effect", true},
                   {"effect_list", QJsonArray::fromStringList(effectNames())}});
}

MqttMessage HomeAssistantDevice::config(const QString &component, const QString &objectId, const QString &name,
                                        QJsonObject fields) const
{
    fields.insert("name", name);
    fields.insert("unique_id", QStringLiteral("lampotron_%1_%2").arg(nodeId_, objectId));
    fields.insert("state_topic", topics_.state);
    fields.insert("availability_topic", topics_.availability);
    fields.insert("device", QJsonObject{{"identifiers", QJsonArray{QStringLiteral("lampotron_") + nodeId_}},
                                        {"name", hostName_},
                                        {"model", "Lampotron"},
                                        {"sw_version", version_}});
    return {QStringLiteral("%1/%2/%3/%4/config").arg(DiscoveryPrefix, component, nodeId_, objectId),
            QJsonDocument(fields).toJson(QJsonDocument::Compact)};
}

MqttMessage HomeAssistantDevice::availability(bool online) const
{
    return {topics_.availability, online ? "online" : "offline"};
}

MqttMessage HomeAssistantDevice::state(const PlayerState &state) const
{
    const QJsonObject fields{
        {"state", on(state.playback != PlayerState::Playback::Stopped)},
        {"color_mode", "onoff"},
        {"effect", describeEffect(state)},
        {"delay", state.speedMs},
        {"paused", on(state.playback == PlayerState::Playback::Paused)},
        {"output", describeOutput(state).left(LongestState)},
        {"source", describeSource(state)},
    };
    return {topics_.state, QJsonDocument(fields).toJson(QJsonDocument::Compact)};
}
