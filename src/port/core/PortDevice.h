#pragma once

#include "PortBackend.h"

#include <cstdint>
#include <memory>
#include <string>

// The eight output lines that the lamps hang on, over whichever backend the
// user chose. Opening it sets every line low. A backend that fails closes at
// once, keeps its reason, and can be opened again.
class PortDevice {
public:
    explicit PortDevice(std::unique_ptr<PortBackend> backend);
    // Lines low and the port released.
    ~PortDevice();

    PortDevice(const PortDevice &) = delete;
    PortDevice &operator=(const PortDevice &) = delete;

    // Returns whether the port is open; failureReason() says why not.
    bool open();
    // Releases the port as the lines are. Returns why the last write may not
    // have reached the lines, or "" when it surely did.
    std::string close();
    bool isOpen() const { return open_; }

    // Line 0..7 high or low; one write.
    void setLine(int line, bool high);

    // Line k to bit k of `lines`, in one write. Returns false only when this
    // write found the output gone; the port is then closed.
    bool writeLines(std::uint8_t lines);

    // Why the last open failed, or why the port stopped answering; empty
    // when nothing went wrong.
    std::string failureReason() const { return failure_; }

    // What the user should know about the open port; "" when nothing.
    std::string notice() const { return open_ ? backend_->notice() : std::string(); }

    // Lines low, the old output released, and the new one in its place,
    // closed until it is selected.
    void replaceBackend(std::unique_ptr<PortBackend> backend);

private:
    void release();

    std::unique_ptr<PortBackend> backend_;
    bool open_ = false;
    std::uint8_t lines_ = 0;
    std::string failure_;
};
