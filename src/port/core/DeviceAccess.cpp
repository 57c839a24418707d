#include "DeviceAccess.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

std::string whyDeviceCannotOpen(const std::string &path, const std::string &group)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (fd >= 0) {
        ::close(fd);
        return {};
    }
    if (errno == EACCES || errno == EPERM)
        return "no permission: join group " + group + " (sudo adduser $USER " + group + ", then log in again)";
    return std::strerror(errno);
}
