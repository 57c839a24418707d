#pragma once

#include "PortBackend.h"
#include "SystemCalls.h"

#include <memory>
#include <string>

// A PC parallel port through the kernel's ppdev driver (/dev/parportN).
// The eight data lines D0..D7 are lines 0..7.
class ParportBackend final : public PortBackend {
public:
    ParportBackend(std::string devicePath, std::unique_ptr<SystemCalls> calls);

    std::string open() override;
    std::string write(std::uint8_t lines) override;
    std::string close() override;

private:
    std::string explain(int error, const std::string &otherwise) const;

    std::string devicePath_;
    std::unique_ptr<SystemCalls> calls_;
    int fd_ = -1;
};
