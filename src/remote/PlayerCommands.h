#pragma once

#include "Player.h"
#include "Selection.h"
#include "SettingsWriter.h"

#include <QObject>

#include <functional>
#include <optional>

// The commands a face from afar may give, the same for the web API and
// MQTT. Each checks its input, asks the player on its own thread, stores
// what the window would store, and answers with why it could not be done,
// or nothing.
class PlayerCommands : public QObject {
    Q_OBJECT

public:
    using Failure = std::optional<QString>;
    // Builds a scheme from a selection and stores both, as the window's
    // setup button does; answers why not.
    using SchemeBuilder = std::function<Failure(const Selection &)>;

    PlayerCommands(Player &player, const SettingsStore &settings, SchemeBuilder buildScheme,
                   QObject *parent = nullptr);

    Failure start();
    Failure stop();
    Failure pause();
    Failure resume();
    Failure setSpeed(int speedMs);
    Failure chooseOutput(const QString &output);
    Failure openOutput();
    Failure allOff();
    // One built-in effect alone, by index, or the scheme again with -1.
    Failure play(int effect);
    Failure build(const Selection &selection);

    PlayerState state();
    std::uint8_t lamps();

    // What the commands above check of their input before they ask the
    // player, so that a face can tell bad input from a refusal.
    static Failure speedProblem(int speedMs);
    static Failure outputProblem(const QString &output);
    static Failure effectProblem(int effect);
    static Failure selectionProblem(const Selection &selection);

private:
    Player &player_;
    SchemeBuilder buildScheme_;
    SettingsWriter *settingsWriter_;
};
