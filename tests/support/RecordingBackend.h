#pragma once

#include "PortDevice.h"

#include <chrono>
#include <memory>
#include <string>
#include <vector>

// What a recording backend was asked: "open", "write 10000000" (line 0
// first), "close". A failure text makes the next calls fail. It outlives the
// backend, which the port may replace.
struct PortRecord {
    std::vector<std::string> writes() const;
    std::string openFailure, writeFailure;
    std::vector<std::string> calls;
    std::vector<std::chrono::steady_clock::time_point> writeTimes;
};

std::string lineText(std::uint8_t lines);

// A port over a recording backend.
struct RecordedPort {
    std::shared_ptr<PortRecord> backend = std::make_shared<PortRecord>();
    PortDevice device;
    RecordedPort();
};
