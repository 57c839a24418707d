#pragma once

#include "Player.h"

#include <QThread>

#include <memory>

// Runs a player on a thread of its own, raised to real-time priority where
// the system grants it, so that nothing else in the process, drawing the
// window or a message from afar, ever delays a row. Only that thread touches
// the output; faces ask it through the command object.
class PlayerThread {
public:
    explicit PlayerThread(std::unique_ptr<Player> player);
    // The player ends on its own thread, and the thread with it.
    ~PlayerThread();

    PlayerThread(const PlayerThread &) = delete;
    PlayerThread &operator=(const PlayerThread &) = delete;

    Player &player() { return *player_; }

private:
    void raisePriority();
    static void lowerCallingThread();

    QThread thread_;
    Player *player_;
};
