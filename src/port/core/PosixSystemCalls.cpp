#include "PosixSystemCalls.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

int PosixSystemCalls::open(const char *path, int flags, mode_t mode)
{
    int fd;
    do {
        fd = ::open(path, flags, mode);
    } while (fd < 0 && errno == EINTR);
    return fd < 0 ? -errno : fd;
}

int PosixSystemCalls::fstat(int fd, struct stat &status)
{
    return ::fstat(fd, &status) < 0 ? -errno : 0;
}

int PosixSystemCalls::ioctl(int fd, unsigned long request, void *argument)
{
    int result;
    do {
        result = ::ioctl(fd, request, argument);
    } while (result < 0 && errno == EINTR);
    return result < 0 ? -errno : result;
}

int PosixSystemCalls::close(int fd)
{
    // Retrying close after EINTR may close a descriptor reused by now.
    return ::close(fd) < 0 ? -errno : 0;
}
