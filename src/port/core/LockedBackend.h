#pragma once

#include "OutputLock.h"
#include "PortBackend.h"

#include <memory>
#include <string>

// A backend whose output one Lampotron at a time may hold: the lock is taken
// before the output opens, and let go once the output is closed.
class LockedBackend final : public PortBackend {
public:
    LockedBackend(OutputLock lock, std::unique_ptr<PortBackend> backend)
        : lock_(std::move(lock)), backend_(std::move(backend))
    {
    }

    std::string open() override
    {
        std::string failure = lock_.take();
        if (failure.empty())
            failure = backend_->open();
        if (!failure.empty())
            lock_.release();
        return failure;
    }
    std::string write(std::uint8_t lines) override { return backend_->write(lines); }
    std::string close() override
    {
        std::string doubt = backend_->close();
        lock_.release();
        return doubt;
    }
    std::string notice() const override { return backend_->notice(); }

private:
    OutputLock lock_;
    std::unique_ptr<PortBackend> backend_;
};
