#include "SignalWatcher.h"

#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

namespace {

int pipeEnds[2] = {-1, -1};

void writeNumber(int signalNumber)
{
    const int savedErrno = errno;
    const auto number = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &number, 1);
    errno = savedErrno;
}

// Blocks or unblocks the signals for this thread and the threads it starts.
void mask(int how, std::initializer_list<int> signalNumbers)
{
    sigset_t set;
    sigemptyset(&set);
    for (int signalNumber : signalNumbers)
        sigaddset(&set, signalNumber);
    ::pthread_sigmask(how, &set, nullptr);
}

} // namespace

void SignalWatcher::hold(std::initializer_list<int> signalNumbers)
{
    mask(SIG_BLOCK, signalNumbers);
}

SignalWatcher::SignalWatcher(std::initializer_list<int> signalNumbers, QObject *parent)
    : QObject(parent), signalNumbers_(signalNumbers)
{
    if (::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        qFatal("Cannot watch for signals: no pipe");
    notifier_ = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SignalWatcher::readPipe);
    for (int signalNumber : signalNumbers) {
        struct sigaction action {};
        action.sa_handler = writeNumber;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        ::sigaction(signalNumber, &action, nullptr);
    }
    // Whatever came while they were held is delivered now, into the pipe.
    mask(SIG_UNBLOCK, signalNumbers);
}

SignalWatcher::~SignalWatcher()
{
    for (int signalNumber : signalNumbers_)
        std::signal(signalNumber, SIG_DFL);
    delete notifier_;
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
}

// A burst of the same signal counts once: a hundred reloads asked for at once
// are one reload.
void SignalWatcher::readPipe()
{
    unsigned char numbers[256];
    std::vector<int> arrived;
    ssize_t count = 0;
    while ((count = ::read(pipeEnds[0], numbers, sizeof numbers)) > 0)
        for (ssize_t k = 0; k < count; ++k)
            if (std::find(arrived.begin(), arrived.end(), numbers[k]) == arrived.end())
                arrived.push_back(numbers[k]);
    for (int signalNumber : arrived)
        emit received(signalNumber);
}
