#pragma once

#include "PortBackend.h"
#include "PortDevice.h"

#include <chrono>
#include <memory>
#include <string>
#include <vector>

// A backend that logs every call: "open", "write 10000000" (line 0 first),
// "close". Set a failure text to make the next calls fail.
class RecordingBackend final : public PortBackend {
public:
    std::string open() override;
    std::string write(std::uint8_t lines) override;
    void close() override;

    // The writes only, "10000000" style.
    std::vector<std::string> writes() const;

    std::string openFailure;
    std::string writeFailure;
    std::vector<std::string> calls;
    std::vector<std::chrono::steady_clock::time_point> writeTimes;
};

// "10000000" for bit 0 set.
std::string lineText(std::uint8_t lines);

// A port over a recording backend that the test can still look at.
struct RecordedPort {
    RecordingBackend *backend = new RecordingBackend;
    PortDevice device{std::unique_ptr<PortBackend>(backend)};
};
