#pragma once

#include <cstdint>
#include <string>

// The eight output lines that the lamps hang on. Every backend offers the
// same two operations: select the port (1 opens, 0 releases; reading gives 1
// while the port is open and present) and set one line to a level.
class PortDevice {
public:
    virtual ~PortDevice() = default;

    virtual void SelectPort(std::int16_t value) = 0;
    virtual std::int16_t SelectPort() const = 0;

    // Does nothing while the port is not open.
    virtual void SetLine(std::int16_t line, std::int16_t level) = 0;

    // Why the last open failed, or why the port stopped answering; empty when
    // nothing went wrong.
    virtual std::string failureReason() const = 0;
};
