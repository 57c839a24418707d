#pragma once

#include "PortDevice.h"

#include <chrono>
#include <memory>
#include <string>
#include <vector>

// Eight lines as text, line 0 first: "10000000".
inline std::string lineText(std::uint8_t lines)
{
    std::string text;
    for (int k = 0; k < 8; ++k)
        text += (lines >> k) & 1 ? '1' : '0';
    return text;
}

// What a recording backend was asked: "open", "write 10000000", "close". A
// failure text makes the next calls fail. It outlives the backend, which the
// port may replace.
struct PortRecord {
    std::string openFailure, writeFailure, closeDoubt;
    std::vector<std::string> calls;
    std::vector<std::chrono::steady_clock::time_point> writeTimes;

    std::vector<std::string> writes() const
    {
        std::vector<std::string> lines;
        for (const std::string &call : calls)
            if (call.starts_with("write "))
                lines.push_back(call.substr(6));
        return lines;
    }
};

class RecordingBackend final : public PortBackend {
public:
    explicit RecordingBackend(std::shared_ptr<PortRecord> record) : record_(std::move(record)) {}

    std::string open() override
    {
        record_->calls.push_back("open");
        return record_->openFailure;
    }
    std::string write(std::uint8_t lines) override
    {
        record_->calls.push_back("write " + lineText(lines));
        record_->writeTimes.push_back(std::chrono::steady_clock::now());
        return record_->writeFailure;
    }
    std::string close() override
    {
        record_->calls.push_back("close");
        return record_->closeDoubt;
    }

private:
    std::shared_ptr<PortRecord> record_;
};

// A port over a recording backend.
struct RecordedPort {
    std::shared_ptr<PortRecord> backend = std::make_shared<PortRecord>();
    PortDevice device{std::make_unique<RecordingBackend>(backend)};
};
