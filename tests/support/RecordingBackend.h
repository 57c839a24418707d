#pragma once

#include "PortBackend.h"
#include "PortDevice.h"

#include <chrono>
#include <memory>
#include <string>
#include <vector>

// What a recording backend was asked to do: "open", "write 10000000" (line 0
// first), "close". Set a failure text to make the next calls fail. It
// outlives the backend, which the port may replace.
struct PortRecord {
    // The writes only, "10000000" style.
    std::vector<std::string> writes() const;

    std::string openFailure;
    std::string writeFailure;
    std::vector<std::string> calls;
    std::vector<std::chrono::steady_clock::time_point> writeTimes;
};

class RecordingBackend final : public PortBackend {
public:
    explicit RecordingBackend(std::shared_ptr<PortRecord> record) : record_(std::move(record)) {}

    std::string open() override;
    std::string write(std::uint8_t lines) override;
    void close() override;

private:
    std::shared_ptr<PortRecord> record_;
};

// "10000000" for bit 0 set.
std::string lineText(std::uint8_t lines);

// A port over a recording backend.
struct RecordedPort {
    std::shared_ptr<PortRecord> backend = std::make_shared<PortRecord>();
    PortDevice device{std::make_unique<RecordingBackend>(backend)};
};
