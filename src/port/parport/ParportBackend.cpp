#include "ParportBackend.h"

#include "PortText.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>

ParportBackend::ParportBackend(std::string devicePath, std::unique_ptr<SystemCalls> calls)
    : devicePath_(std::move(devicePath)), calls_(std::move(calls))
{
}

std::string ParportBackend::open()
{
    const int fd = calls_->open(devicePath_.c_str(), O_RDWR | O_CLOEXEC, 0);
    if (fd < 0)
        return explain(-fd, portText("ParportBackend", "Cannot open %1: %2."));
    // Without exclusive access a claim can hang in the kernel while another
    // process holds the port.
    int result = calls_->ioctl(fd, PPEXCL, nullptr);
    if (result >= 0)
        result = calls_->ioctl(fd, PPCLAIM, nullptr);
    if (result < 0) {
        calls_->close(fd);
        return explain(-result, portText("ParportBackend", "Cannot claim %1: %2."));
    }
    fd_ = fd;
    return {};
}

std::string ParportBackend::write(std::uint8_t lines)
{
    unsigned char data = lines;
    const int result = calls_->ioctl(fd_, PPWDATA, &data);
    return result < 0 ? explain(-result, portText("ParportBackend", "Cannot write to %1: %2.")) : std::string();
}

std::string ParportBackend::close()
{
    calls_->ioctl(fd_, PPRELEASE, nullptr);
    calls_->close(fd_);
    fd_ = -1;
    return {};
}

std::string ParportBackend::explain(int error, const std::string &otherwise) const
{
    switch (error) {
    case ENOENT:
        return fillIn(portText("ParportBackend", "There is no parallel port device %1. The computer may have no "
                                                 "parallel port, or the ppdev module is not loaded."),
                      {devicePath_});
    case EACCES:
    case EPERM:
        return fillIn(portText("ParportBackend",
                               "No permission to use %1. Add your user to the lp group (sudo adduser $USER lp) and log "
                               "in again."),
                      {devicePath_});
    case ENXIO:
    case EBUSY:
        return fillIn(portText("ParportBackend", "The parallel port %1 is absent or in use by another program."),
                      {devicePath_});
    default:
        return fillIn(otherwise, {devicePath_, std::strerror(error)});
    }
}
