#include "GpioBackend.h"

GpioBackend::GpioBackend(std::string chip, std::array<unsigned, 8> offsets, std::unique_ptr<GpioLines> lines)
    : chip_(std::move(chip)), offsets_(offsets), lines_(std::move(lines))
{
}

std::string GpioBackend::open()
{
    return lines_->request(chip_, {offsets_.begin(), offsets_.end()}, "lampotron");
}

std::string GpioBackend::write(std::uint8_t lines)
{
    std::vector<int> values(offsets_.size());
    for (std::size_t k = 0; k < values.size(); ++k)
        values[k] = (lines >> k) & 1;
    return lines_->setValues(values);
}

std::string GpioBackend::close()
{
    lines_->release();
    return {};
}
