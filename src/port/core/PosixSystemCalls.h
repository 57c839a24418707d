#pragma once

#include "SystemCalls.h"

class PosixSystemCalls final : public SystemCalls {
public:
    int open(const char *path, int flags) override;
    int ioctl(int fd, unsigned long request, void *argument) override;
    int close(int fd) override;
};
