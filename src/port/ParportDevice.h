#pragma once

#include "PortDevice.h"
#include "SystemCalls.h"

#include <cstdint>
#include <string>

// A PC parallel port through the kernel's ppdev driver (/dev/parportN).
// The eight data lines D0..D7 are lines 0..7.
class ParportDevice final : public PortDevice {
public:
    ParportDevice(std::string devicePath, SystemCalls &calls);
    ~ParportDevice() override;

    ParportDevice(const ParportDevice &) = delete;
    ParportDevice &operator=(const ParportDevice &) = delete;

    void SelectPort(std::int16_t value) override;
    std::int16_t SelectPort() const override;
    void SetLine(std::int16_t line, std::int16_t level) override;
    std::string failureReason() const override;

private:
    void open();
    void release();
    bool writeData();
    void fail(const std::string &what, int error);

    std::string devicePath_;
    SystemCalls &calls_;
    int fd_ = -1;
    bool claimed_ = false;
    unsigned char data_ = 0; // bit k mirrors line k
    std::string failure_;
};
