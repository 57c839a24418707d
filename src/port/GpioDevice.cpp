#include "GpioDevice.h"

GpioDevice::GpioDevice(std::string chip, std::array<unsigned, 8> offsets, GpioLines &lines)
    : chip_(std::move(chip)), offsets_(offsets), lines_(lines)
{
}

GpioDevice::~GpioDevice()
{
    release();
}

void GpioDevice::SelectPort(std::int16_t value)
{
    if (value == 0) {
        release();
        return;
    }
    if (value != 1 || open_)
        return;
    failure_ = lines_.request(chip_, {offsets_.begin(), offsets_.end()}, "lampotron");
    open_ = failure_.empty();
}

std::int16_t GpioDevice::SelectPort() const
{
    return open_ ? 1 : 0;
}

void GpioDevice::SetLine(std::int16_t line, std::int16_t level)
{
    if (!open_ || line < 0 || line > 7)
        return;
    failure_ = lines_.setValue(static_cast<std::size_t>(line), level != 0 ? 1 : 0);
    if (!failure_.empty())
        release();
}

std::string GpioDevice::failureReason() const
{
    return failure_;
}

void GpioDevice::release()
{
    if (!open_)
        return;
    lines_.release();
    open_ = false;
}
