#include "OlaDevice.h"

#include <ola/Logging.h>

#include <csignal>

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
    if (!client->Setup()) {
        failure_ = "The OLA daemon (olad) does not answer on port " + std::to_string(rpcPort_)
                   + ". Start it, for example with: sudo systemctl start olad";
        return;
    }
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
