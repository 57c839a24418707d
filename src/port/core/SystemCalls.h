#pragma once

// The few system calls the port backends make, behind a seam so that tests
// can replay the kernel's answers. Failures return -errno.
class SystemCalls {
public:
    virtual ~SystemCalls() = default;
    virtual int open(const char *path, int flags) = 0;
    virtual int ioctl(int fd, unsigned long request, void *argument) = 0;
    virtual int close(int fd) = 0;
};
