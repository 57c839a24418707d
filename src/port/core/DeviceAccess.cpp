#include "DeviceAccess.h"

#include "PortText.h"

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
        return fillIn(portText("DeviceAccess", "no permission: join group %1 (sudo adduser $USER %1, then log in again)"),
                      {group});
    return std::strerror(errno);
}
