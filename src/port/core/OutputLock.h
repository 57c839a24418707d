#pragma once

#include <string>
#include <string_view>

// Where the outputs' locks live: every user can make a file there, and no
// one can remove another's (the folder is sticky).
inline constexpr const char *DefaultLockFolder = "/run/lock";

// Keeps one output to one Lampotron at a time, whoever runs it: an flock on
// a file named after the device, which holds the holder's process and user
// for the message the next one gets. The kernel lets go of the lock when
// the holder dies, so a file left behind never blocks anyone.
class OutputLock {
public:
    // The lock of `device` of output `output` (a name from the outputs
    // table); `setting` names the output in messages.
    OutputLock(std::string_view folder, std::string_view output, std::string_view device,
               std::string_view setting);
    OutputLock(OutputLock &&other) noexcept;
    ~OutputLock();

    OutputLock(const OutputLock &) = delete;
    OutputLock &operator=(const OutputLock &) = delete;
    OutputLock &operator=(OutputLock &&) = delete;

    // Returns who holds the output, or "" once this holds it. Without a
    // lock file to be had, the output is not held back: a missing folder
    // must not keep the lamps dark, and each device still refuses what it
    // cannot share.
    std::string take();
    void release();

private:
    std::string path_;
    std::string setting_;
    int fd_ = -1;
};
