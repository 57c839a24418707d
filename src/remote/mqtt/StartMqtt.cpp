#include "StartMqtt.h"

#include "MqttSettings.h"

#include <QDebug>

#ifdef LAMPOTRON_WITH_MQTT
#include "MqttFace.h"

#include <QSysInfo>
#endif

std::unique_ptr<QObject> startMqtt(const Player &player, PlayerCommands &commands, const SettingsStore &settings)
{
    const MqttSettingsRead read = readMqttSettings(settings);
    if (!read.problem.isEmpty())
        qWarning().noquote() << read.problem;
    if (!read.settings)
        return nullptr;
#ifdef LAMPOTRON_WITH_MQTT
    auto face = std::make_unique<MqttFace>(player, commands, *read.settings, QSysInfo::machineHostName());
    if (const auto failure = face->start()) {
        qWarning().noquote() << *failure;
        return nullptr;
    }
    return face;
#else
    Q_UNUSED(player)
    Q_UNUSED(commands)
    qWarning().noquote() << QStringLiteral("This Lampotron was built without MQTT (LAMPOTRON_WITH_MQTT); the [Mqtt] "
                                           "section is ignored.");
    return nullptr;
#endif
}
