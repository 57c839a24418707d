#pragma once

#include "DeadlineTimer.h"
#include "FollowTarget.h"
#include "FrameSource.h"
#include "Pattern.h"
#include "PlaybackEngine.h"
#include "PlayerState.h"
#include "PortDevice.h"

#include <QObject>

class Follower;

#include <functional>
#include <memory>
#include <optional>

// The one playback session behind every face: the window, the player without
// a window and whatever drives it from afar. It owns the output, the engine
// and its clock, knows where the scheme lives and the speed; the faces call
// it and listen to it, so each sees what the others did.
class Player : public QObject {
    Q_OBJECT

public:
    using BackendMaker = std::function<std::unique_ptr<PortBackend>(const QString &output)>;

    struct Choices {
        QString output;     // the output's setting, such as "/dev/parport0"
        QString schemePath;
        int speedMs = 100;
    };

    struct OpenResult {
        bool opened = false;
        QString problem; // why not
        QString notice;  // what the user should know about an output that did open
    };

    Player(Choices choices, std::unique_ptr<DeadlineTimer> timer, BackendMaker makeBackend,
           QObject *parent = nullptr);
    ~Player() override;

    // Reads the scheme file into the engine. Returns why it could not; the
    // table in use then stays. While playing, the new scheme may wait for
    // the end of the pass under way, and takes over without a dark frame.
    enum class Switch { AtOnce, AtEndOfPass };
    std::optional<QString> loadScheme(Switch when = Switch::AtOnce);
    // Plays one built-in effect alone, in a loop; the scheme file stays as it is.
    void playEffect(int effect);
    // Plays these steps alone, in a loop, under the pattern's name.
    void playPattern(const QString &name, const std::vector<pattern::Step> &steps);
    QString schemePath() const { return choices_.schemePath; }

    // Takes its rows from a universe on the network instead of the scheme,
    // from now on, once started. Returns why the source cannot be heard.
    std::optional<QString> follow(const FollowTarget &target, std::unique_ptr<FrameSource> source);
    bool following() const { return follower_ != nullptr; }

    OpenResult openOutput();
    // The open output lets go with its lines low; the new one stays closed
    // until it is opened.
    void chooseOutput(const QString &output);

    void setSpeed(int speedMs);
    void start();
    void stop();
    // Stops when the pass through the scheme under way ends.
    void stopAtEndOfPass();
    void setPaused(bool paused);
    void allOff();

    // Lines low and the output released. Returns why that may not have
    // reached the lamps (a lost output, a daemon that did not confirm), or
    // "" when it surely did.
    QString release();
    // The program should end: `finished` follows with the code.
    void finish(int exitCode);
    // Both; says on stderr when the lamps may not be dark.
    void shutDown(int exitCode);

    const PlayerState &state() const { return state_; }
    std::uint8_t lamps() const { return lamps_; }

signals:
    void rowShown(std::uint8_t lamps);
    void portLost(const QString &reason);
    void stateChanged(const PlayerState &state);
    // A line for the log, such as a follower's data stopping.
    void noted(const QString &line);
    // The program should end with this code.
    void finished(int exitCode);

private:
    void onRow(std::uint8_t lamps);
    void onPortLost(const QString &reason);
    void update(const std::function<void(PlayerState &)> &change);
    void showFollowerData();
    void showScheme(int rows);

    Choices choices_;
    BackendMaker makeBackend_;
    DeadlineTimer *timer_; // a child, so that it moves to the player's thread with it
    PortDevice port_;
    PlaybackEngine *engine_;
    FrameSource *source_ = nullptr; // children, with the follower
    Follower *follower_ = nullptr;
    PlayerState state_;
    std::uint8_t lamps_ = 0;
    bool paused_ = false;
    bool finished_ = false;
};
