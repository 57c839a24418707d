#pragma once

#include "PortDevice.h"

#include <chrono>
#include <vector>

// A port that logs every call with the time it was made.
class RecordingPortDevice final : public PortDevice {
public:
    enum class Kind { SelectWrite, SetLine };
    struct Call {
        Kind kind;
        std::int16_t line; // SetLine only
        std::int16_t value; // the level, or the value written to SelectPort
        std::chrono::steady_clock::time_point at;
    };

    void SelectPort(std::int16_t value) override;
    std::int16_t SelectPort() const override { return open_ && present ? 1 : 0; }
    void SetLine(std::int16_t line, std::int16_t level) override;
    std::string failureReason() const override { return present ? std::string() : reasonWhenAbsent; }

    // The levels of lines 0..7 as the calls left them, "10000000" style.
    std::string levels() const;

    bool present = true;
    std::string reasonWhenAbsent = "no port here";
    std::vector<Call> calls;

private:
    bool open_ = false;
    std::int16_t level_[8] = {};
};
