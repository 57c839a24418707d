#include "MqttFace.h"

#include "PrintableValue.h"

#include <QCoreApplication>
#include <QDebug>
#include <QRandomGenerator>

namespace {

const QString HomeAssistantStatus = QStringLiteral("homeassistant/status");

// Home Assistant asks everyone to wait a moment after it comes back, so that
// not every device answers in the same instant.
std::chrono::milliseconds announceDelay()
{
    return std::chrono::milliseconds(QRandomGenerator::global()->bounded(1000, 3000));
}

} // namespace

MqttFace::MqttFace(const Player &player, PlayerCommands &commands, const MqttSettings &mqtt, const QString &hostName,
                   QObject *parent)
    : QObject(parent), device_(hostName, QCoreApplication::applicationVersion()), commands_(commands),
      connection_(mqtt, device_.clientId(), device_.availability(false),
                  {device_.commandTopics(), {HomeAssistantStatus}})
{
    announceAgain_.setSingleShot(true);
    connect(&announceAgain_, &QTimer::timeout, this, &MqttFace::announce);
    connect(&connection_, &MqttConnection::connected, this, &MqttFace::announce);
    connect(&connection_, &MqttConnection::received, this, &MqttFace::onMessage);
    // Queued even where the player shares this thread, so that publishing
    // never runs inside a change the player is making.
    connect(&player, &Player::stateChanged, this,
            [this](const PlayerState &state) { connection_.publish(device_.state(state)); }, Qt::QueuedConnection);
    // Every face changes the patterns through the commands, so hearing them
    // keeps the list current at once, without reading the folder again and
    // again to find out.
    connect(&commands_, &PlayerCommands::patternsChanged, this, [this] {
        if (listPatterns())
            connection_.publish(device_.lightConfig());
    });
}

MqttFace::~MqttFace()
{
    connection_.close(device_.availability(false));
}

std::optional<QString> MqttFace::start()
{
    return connection_.start();
}

bool MqttFace::listPatterns()
{
    QStringList names;
    for (const pattern::Pattern &pattern : commands_.patterns())
        if (!pattern.builtIn())
            names << pattern.name;
    return device_.setPatternNames(names);
}

void MqttFace::announce()
{
    listPatterns();
    for (const MqttMessage &message : device_.discovery())
        connection_.publish(message);
    connection_.publish(device_.availability(true));
    connection_.publish(device_.state(commands_.state()));
}

void MqttFace::onMessage(const QString &topic, const QByteArray &payload)
{
    if (topic == HomeAssistantStatus) {
        if (payload == "online" && !announceAgain_.isActive())
            announceAgain_.start(announceDelay());
        return;
    }
    const ParsedMqttCommand parsed = parseMqttCommand(device_.topics(), topic, payload);
    const PlayerCommands::Failure failure = parsed.command ? run(*parsed.command) : parsed.problem;
    if (failure)
        qWarning().noquote() << QStringLiteral("MQTT: not done (%1): %2").arg(topic, *failure);
}

// A light that is turned on lights up: the output is opened first if the
// window has not opened it.
PlayerCommands::Failure MqttFace::openOutput()
{
    if (commands_.state().outputState == PlayerState::Output::Open)
        return std::nullopt;
    return commands_.openOutput();
}

// A user pattern, like a built-in effect, plays alone.
PlayerCommands::Failure MqttFace::play(const QString &effect)
{
    const bool scheme = effect == HomeAssistantDevice::SchemeEffect;
    if (!scheme && !commands_.findPattern(effect))
        return QStringLiteral("There is no effect \"%1\"; the effects are: %2.")
            .arg(printableValue(effect), device_.effectNames().join(QStringLiteral(", ")));
    if (auto failure = openOutput())
        return failure;
    return scheme ? commands_.play(-1) : commands_.playPattern(effect);
}

PlayerCommands::Failure MqttFace::run(const MqttCommand &command)
{
    switch (command.kind) {
    case MqttCommand::Kind::Start:
        // Turning on a light that is on leaves it as it is.
        if (commands_.state().playback != PlayerState::Playback::Stopped)
            return std::nullopt;
        if (auto failure = openOutput())
            return failure;
        return commands_.start();
    case MqttCommand::Kind::AllOff:
        return commands_.allOff();
    case MqttCommand::Kind::Play:
        return play(command.effect);
    case MqttCommand::Kind::SetDelay:
        return commands_.setSpeed(command.value);
    case MqttCommand::Kind::Pause:
        return commands_.pause();
    case MqttCommand::Kind::Resume:
        return commands_.resume();
    }
    return std::nullopt;
}
