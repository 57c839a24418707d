#pragma once

#include "PatternLibrary.h"
#include "Player.h"
#include "ScheduleEdit.h"
#include "SchemeTransaction.h"
#include "Selection.h"
#include "SettingsWriter.h"

#include <QObject>

#include <chrono>
#include <functional>
#include <optional>
#include <variant>

// The one way every face gives the player a command: the window, the player
// without a window, the schedule, the web API and MQTT. Each command checks
// its input, asks the player on its own thread, and stores what the user
// changed through the one settings writer of the process, so that each rule
// and each settings write lives here once. Used from one thread, the faces'.
class PlayerCommands : public QObject {
    Q_OBJECT

public:
    using Failure = std::optional<QString>;

    // What the window says when the output does not answer.
    static inline const QString PortNotPresent = QString::fromUtf8(QT_TRANSLATE_NOOP("MainWindow", "Port not presents"));

    // A build that was refused before it began, or how it went.
    struct BuildAnswer {
        Failure refused;
        scheme::SchemeBuildResult result;
    };

    PlayerCommands(Player &player, const SettingsStore &settings, const QString &patternsFolder,
                   std::chrono::milliseconds settingsQuiet = std::chrono::milliseconds(300), QObject *parent = nullptr);

    Failure start();
    Failure stop();
    // Stops when the pass through the scheme under way ends.
    Failure stopAtEndOfPass();
    Failure pause();
    Failure resume();
    Failure setPaused(bool paused);
    // Plays at this speed from now on and stores it.
    Failure setSpeed(int speedMs);
    // Plays at this speed for this run; nothing is stored.
    Failure useSpeed(int speedMs);
    Failure chooseOutput(const QString &output);
    // Stores where the remote listens, ADDRESS:PORT or empty for off, and the
    // port it listens on when next switched on; the faces' owner starts or
    // stops it.
    // Whether the window follows the schedule, for the next start too.
    void storeFollowSchedule(bool on);
    void storeRemote(const QString &address, quint16 port);
    // For the window and the log: the headline and the reason apart.
    Player::OpenResult openPort();
    // For a face from afar: why not, in one line.
    Failure openOutput();
    Failure allOff();
    // One built-in effect alone, by index, or the scheme again with -1.
    Failure play(int effect);

    // The window's build: the scheme is replaced and the selection stored,
    // and the player goes on with the table it has until loadScheme.
    BuildAnswer buildScheme(const Selection &selection, const std::function<void(int effectsWritten)> &afterEffect);
    // A build from afar, allowed while the show plays: the new scheme takes
    // over at the end of the pass under way, or at once if asked, without a
    // dark frame between. What went wrong once the scheme was replaced is
    // logged, and does not fail it.
    Failure build(const Selection &selection, Player::Switch when = Player::Switch::AtEndOfPass);
    // The built-in effects and the user's patterns, and changes to the
    // latter; a change names the version it was made from (0 for a new
    // pattern) and learns the new one.
    using PatternList = std::vector<pattern::Pattern>;
    PatternList patterns() const;
    std::optional<pattern::Pattern> findPattern(const QString &name) const;
    pattern::Outcome savePattern(const QString &name, const std::vector<pattern::Step> &steps, int &version);
    pattern::Outcome renamePattern(const QString &from, const QString &to, int version);
    pattern::Outcome copyPattern(const QString &from, const QString &to);
    pattern::Outcome deletePattern(const QString &name, int version);
    // One pattern alone, in a loop; the scheme file stays as it is.
    Failure playPattern(const QString &name);
    // Steps not saved yet, played alone as the editor shows them.
    Failure previewPattern(const QString &name, const std::vector<pattern::Step> &steps);

    // Reads the scheme file into the player; the reason when it cannot.
    Failure loadScheme();
    // Takes the rows from a universe on the network from the next start on;
    // the source moves to the player.
    Failure follow(const FollowTarget &target, std::unique_ptr<FrameSource> source);

    // Lines low and the output released; why that may not have reached the
    // lamps, or "" when it surely did.
    QString release();
    // The program should end with this code; the player says so.
    void finish(int exitCode);
    // Both, for the window: says on stderr when the lamps may not be dark.
    void shutDown(int exitCode);

    PlayerState state();
    std::uint8_t lamps();
    QString schemePath();

    // Replaces the whole of [Schedule] at once, when the edit was made from
    // the stored `version` and every entry reads; then whoever follows the
    // schedule reads it anew.
    Failure setSchedule(const schedule::ScheduleEdit &edit, int version);

    // Writes the settings still on their way; returns what went wrong.
    std::optional<QString> flushSettings();

    // What the commands above check of their input before they ask the
    // player, so that a face can tell bad input from a refusal.
    static Failure speedProblem(int speedMs);
    static Failure outputProblem(const QString &output);
    static Failure effectProblem(int effect);
    static Failure selectionProblem(const Selection &selection);
    static Failure scheduleProblem(const schedule::ScheduleEdit &edit);

    // The patterns a selection names, in its order, or why they cannot make
    // a scheme.
    using ChosenPatterns = std::variant<std::vector<scheme::PatternChoice>, QString>;
    static ChosenPatterns chosenPatterns(const Selection &selection, const pattern::PatternLibrary &library);

    // The nearest speed the player plays at.
    static int nearestSpeed(int speedMs);
    // The stored speed, brought to the grid; a stored value off it is
    // logged, once per reading.
    static int storedSpeed(const SettingsStore &settings);

signals:
    // A settings write failed: the file and the reason.
    void settingsFailed(const QString &reason);
    // A user pattern was saved, renamed, copied or deleted.
    void patternsChanged();
    // [Schedule] was written anew.
    void scheduleChanged();

private:
    template <typename Call>
    auto ask(Call call);
    // Why a command of the scheme makes no sense now, for a follower.
    Failure followingProblem();
    // Both builds: the checks, then the scheme and the selection written.
    BuildAnswer writeScheme(const Selection &selection, const std::function<void(int)> &afterEffect);
    pattern::Outcome announced(pattern::Outcome outcome);

    Player &player_;
    const SettingsStore &settings_;
    pattern::PatternLibrary library_;
    SettingsWriter *settingsWriter_;
};
