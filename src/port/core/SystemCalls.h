#pragma once

#include <sys/stat.h>
#include <sys/types.h>

// The few system calls the port backends and the output lock make, behind a
// seam so that tests can replay the kernel's answers. Failures return -errno.
class SystemCalls {
public:
    virtual ~SystemCalls() = default;
    // `mode` counts only when `flags` has O_CREAT.
    virtual int open(const char *path, int flags, mode_t mode) = 0;
    virtual int fstat(int fd, struct stat &status) = 0;
    virtual int ioctl(int fd, unsigned long request, void *argument) = 0;
    virtual int close(int fd) = 0;
};
