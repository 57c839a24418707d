#include "PortDevice.h"

PortDevice::PortDevice(std::unique_ptr<PortBackend> backend) : backend_(std::move(backend)) {}

PortDevice::~PortDevice()
{
    release();
}

bool PortDevice::open()
{
    if (open_)
        return true;
    failure_ = backend_->open();
    open_ = failure_.empty();
    // The lines keep whatever the last user left on them.
    writeLines(0);
    return open_;
}

std::string PortDevice::close()
{
    std::string doubt;
    if (open_)
        doubt = backend_->close();
    open_ = false;
    return doubt;
}

void PortDevice::setLine(int line, bool high)
{
    if (line < 0 || line > 7)
        return;
    const auto bit = static_cast<std::uint8_t>(1u << line);
    writeLines(high ? (lines_ | bit) : (lines_ & ~bit));
}

bool PortDevice::writeLines(std::uint8_t lines)
{
    if (!open_)
        return true;
    lines_ = lines;
    std::string failure = backend_->write(lines);
    if (failure.empty())
        return true;
    failure_ = std::move(failure);
    backend_->close();
    open_ = false;
    return false;
}

void PortDevice::replaceBackend(std::unique_ptr<PortBackend> backend)
{
    release();
    backend_ = std::move(backend);
    failure_.clear();
}

void PortDevice::release()
{
    writeLines(0);
    close();
}
