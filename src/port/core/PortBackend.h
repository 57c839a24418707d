#pragma once

#include <cstdint>
#include <string>

// One kind of output for the eight lines: a parallel port, GPIO lines, a DMX
// universe... A backend only opens, writes a whole row and closes; PortDevice
// does the rest the same way for all of them.
class PortBackend {
public:
    virtual ~PortBackend() = default;

    // Takes the output. Returns why it could not, or "" on success.
    virtual std::string open() = 0;

    // Sets line k to bit k of `lines` in one write. Returns why it failed,
    // or "" on success. Called only while open.
    virtual std::string write(std::uint8_t lines) = 0;

    // Lets the output go. Called only while open, after a last write.
    // Returns why that last write may not have reached the lines, or "" when
    // it surely did.
    virtual std::string close() = 0;

    // Something the user should know about an output that did open, such as
    // lines that lead nowhere; "" when there is nothing to say.
    virtual std::string notice() const { return {}; }
};
