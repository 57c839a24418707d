#include "PortDevice.h"

PortDevice::PortDevice(std::unique_ptr<PortBackend> backend) : backend_(std::move(backend)) {}

PortDevice::~PortDevice()
{
    release();
}

void PortDevice::SelectPort(std::int16_t value)
{
    if (value == 0) {
        if (open_)
            backend_->close();
        open_ = false;
        return;
    }
    if (value != 1 || open_)
        return;
    failure_ = backend_->open();
    open_ = failure_.empty();
    // The lines keep whatever the last user left on them.
    WriteLines(0);
}

std::int16_t PortDevice::SelectPort() const
{
    return open_ ? 1 : 0;
}

void PortDevice::SetLine(std::int16_t line, std::int16_t level)
{
    if (line < 0 || line > 7)
        return;
    const auto bit = static_cast<std::uint8_t>(1u << line);
    WriteLines(level != 0 ? (lines_ | bit) : (lines_ & ~bit));
}

bool PortDevice::WriteLines(std::uint8_t lines)
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
    WriteLines(0);
    SelectPort(0);
}
