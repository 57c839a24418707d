#pragma once

#include "Player.h"

#include <QThread>

#include <type_traits>

// Runs `call` on the player's own thread and waits for its answer, so that
// a face on another thread never touches the output itself. On the same
// thread it is a plain call.
template <typename Call>
auto callPlayer(Player &player, Call call)
{
    const auto type = player.thread() == QThread::currentThread() ? Qt::DirectConnection : Qt::BlockingQueuedConnection;
    using Answer = decltype(call(player));
    if constexpr (std::is_void_v<Answer>) {
        QMetaObject::invokeMethod(&player, [&] { call(player); }, type);
    } else {
        Answer answer{};
        QMetaObject::invokeMethod(&player, [&] { answer = call(player); }, type);
        return answer;
    }
}
