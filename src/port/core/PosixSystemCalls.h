#pragma once

#include "SystemCalls.h"

// Tests derive from it to change one answer of the kernel's.
class PosixSystemCalls : public SystemCalls {
public:
    int open(const char *path, int flags, mode_t mode) override;
    int fstat(int fd, struct stat &status) override;
    int ioctl(int fd, unsigned long request, void *argument) override;
    int close(int fd) override;
};
