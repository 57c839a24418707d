#include "OlaDevice.h"

#include <ola/Logging.h>

#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <set>
#include <sys/socket.h>

namespace {

std::set<int> openDescriptors()
{
    std::set<int> descriptors;
    if (DIR *folder = ::opendir("/proc/self/fd")) {
        while (const dirent *entry = ::readdir(folder)) {
            const int fd = std::atoi(entry->d_name);
            if (entry->d_name[0] != '.' && fd != ::dirfd(folder))
                descriptors.insert(fd);
        }
        ::closedir(folder);
    }
    return descriptors;
}

// The client writes every change as a small message of its own. With Nagle's
// algorithm the kernel holds each one back until the last is acknowledged,
// which bunches frames together by up to 40 ms. The client does not expose
// its socket, so the one it has just opened is found among the descriptors.
void sendWithoutDelay(const std::set<int> &before)
{
    for (int fd : openDescriptors()) {
        if (before.count(fd))
            continue;
        int type = 0;
        socklen_t length = sizeof type;
        if (::getsockopt(fd, SOL_SOCKET, SO_TYPE, &type, &length) == 0 && type == SOCK_STREAM) {
            const int on = 1;
            ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        }
    }
}

} // namespace

OlaDevice::OlaDevice(unsigned universe, std::uint16_t rpcPort) : universe_(universe), rpcPort_(rpcPort)
{
}

OlaDevice::~OlaDevice()
{
    release();
}

void OlaDevice::SelectPort(std::int16_t value)
{
    if (value == 0) {
        release();
        return;
    }
    if (value != 1 || client_)
        return;
    // A daemon that goes away would otherwise end the program through
    // SIGPIPE on the next send.
    std::signal(SIGPIPE, SIG_IGN);
    ola::InitLogging(ola::OLA_LOG_WARN, ola::OLA_LOG_STDERR);
    ola::client::StreamingClient::Options options;
    options.auto_start = false;
    options.server_port = rpcPort_;
    auto client = std::make_unique<ola::client::StreamingClient>(options);
    const std::set<int> descriptorsBefore = openDescriptors();
    if (!client->Setup()) {
        failure_ = "The OLA daemon (olad) does not answer on port " + std::to_string(rpcPort_)
                   + ". Start it, for example with: sudo systemctl start olad";
        return;
    }
    sendWithoutDelay(descriptorsBefore);
    failure_.clear();
    client_ = std::move(client);
    channels_.Blackout();
    if (!client_->SendDmx(universe_, channels_)) {
        failure_ = "The OLA daemon (olad) stopped answering.";
        release();
    }
}

std::int16_t OlaDevice::SelectPort() const
{
    return client_ ? 1 : 0;
}

void OlaDevice::SetLine(std::int16_t line, std::int16_t level)
{
    if (!client_ || line < 0 || line > 7)
        return;
    channels_.SetChannel(static_cast<unsigned>(line), level != 0 ? 255 : 0);
    if (!client_->SendDmx(universe_, channels_)) {
        failure_ = "The OLA daemon (olad) stopped answering.";
        release();
    }
}

std::string OlaDevice::failureReason() const
{
    return failure_;
}

void OlaDevice::release()
{
    if (!client_)
        return;
    client_->Stop();
    client_.reset();
}
