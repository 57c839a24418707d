#pragma once

#include "PosixSystemCalls.h"

#include <memory>
#include <string>
#include <string_view>

// Where the outputs' locks live: every user can make a file there, and no
// one can remove another's (the folder is sticky).
inline constexpr const char *DefaultLockFolder = "/run/lock";

// Keeps one output to one Lampotron at a time, whoever runs it: an flock on
// a file named after the device, which holds the holder's process and user
// for the message the next one gets. The kernel lets go of the lock when
// the holder dies, so a file left behind never blocks anyone.
//
// The file is shared by every user's Lampotron, so a plain file of one name
// is used when it is ours, root's, or another user's that every user may
// write (as every Lampotron makes it). Anything else found in its place
// keeps the output closed, saying what it is: with a lock that another
// Lampotron might not take, two could drive the same lamps.
class OutputLock {
public:
    // The lock of `device` of output `output` (a name from the outputs
    // table); `setting` names the output in messages.
    OutputLock(std::string_view folder, std::string_view output, std::string_view device, std::string_view setting,
               std::unique_ptr<SystemCalls> calls = std::make_unique<PosixSystemCalls>());
    OutputLock(OutputLock &&other) noexcept;
    ~OutputLock();

    OutputLock(const OutputLock &) = delete;
    OutputLock &operator=(const OutputLock &) = delete;
    OutputLock &operator=(OutputLock &&) = delete;

    // Returns who holds the output, or what is wrong with its lock file and
    // what to do; "" once this holds it.
    std::string take();
    void release();

private:
    std::string path_;
    std::string setting_;
    std::unique_ptr<SystemCalls> calls_;
    int fd_ = -1;
};
