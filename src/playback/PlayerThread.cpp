#include "PlayerThread.h"

#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

// High enough to come before ordinary work, low enough to leave room above
// for what the kernel and the audio stack run at.
constexpr int WantedPriority = 50;

} // namespace

PlayerThread::PlayerThread(std::unique_ptr<Player> player) : player_(player.release())
{
    thread_.setObjectName(QStringLiteral("rows"));
    QObject::connect(&thread_, &QThread::started, [this] { raisePriority(); });
    player_->moveToThread(&thread_);
    thread_.start();
    lowerCallingThread();
}

PlayerThread::~PlayerThread()
{
    QMetaObject::invokeMethod(player_, [this] { delete player_; }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
}

// A service may start the whole process at real-time priority. The rows'
// thread has it now; every other thread, this one and those it starts,
// goes back to the normal policy, so that no work of theirs can hold a row
// back however long it takes.
void PlayerThread::lowerCallingThread()
{
    int policy = SCHED_OTHER;
    sched_param parameters{};
    if (::pthread_getschedparam(::pthread_self(), &policy, &parameters) != 0 || policy == SCHED_OTHER)
        return;
    parameters.sched_priority = 0;
    ::pthread_setschedparam(::pthread_self(), SCHED_OTHER, &parameters);
}

// Where the system does not grant it, the rows still play, only less
// steadily on a busy machine; say so once. Without CAP_SYS_NICE the
// real-time limit caps the priority.
void PlayerThread::raisePriority()
{
    sched_param parameters{};
    parameters.sched_priority = WantedPriority;
    int error = ::pthread_setschedparam(::pthread_self(), SCHED_FIFO, &parameters);
    rlimit limit{};
    if (error == EPERM && ::getrlimit(RLIMIT_RTPRIO, &limit) == 0 && limit.rlim_cur > 0) {
        parameters.sched_priority = static_cast<int>(std::min<rlim_t>(WantedPriority, limit.rlim_cur));
        error = ::pthread_setschedparam(::pthread_self(), SCHED_FIFO, &parameters);
    }
    if (error != 0)
        std::fprintf(stderr,
                     "Rows play at normal priority (real-time priority refused: %s); on a busy machine they may "
                     "come late. Allow it with a real-time limit (ulimit -r) or CAP_SYS_NICE.\n",
                     std::strerror(error));
}
