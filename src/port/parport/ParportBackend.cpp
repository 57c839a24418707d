#include "ParportBackend.h"

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
        return explain("open", -fd);
    // Without exclusive access a claim can hang in the kernel while another
    // process holds the port.
    int result = calls_->ioctl(fd, PPEXCL, nullptr);
    if (result >= 0)
        result = calls_->ioctl(fd, PPCLAIM, nullptr);
    if (result < 0) {
        calls_->close(fd);
        return explain("claim", -result);
    }
    fd_ = fd;
    return {};
}

std::string ParportBackend::write(std::uint8_t lines)
{
    unsigned char data = lines;
    const int result = calls_->ioctl(fd_, PPWDATA, &data);
    return result < 0 ? explain("write to", -result) : std::string();
}

std::string ParportBackend::close()
{
    calls_->ioctl(fd_, PPRELEASE, nullptr);
    calls_->close(fd_);
    fd_ = -1;
    return {};
}

std::string ParportBackend::explain(const std::string &what, int error) const
{
    switch (error) {
    case ENOENT:
        return "There is no parallel port device " + devicePath_
               + ". The computer may have no parallel port, or the ppdev module is not loaded.";
    case EACCES:
    case EPERM:
        return "No permission to use " + devicePath_
               + ". Add your user to the lp group (sudo adduser $USER lp) and log in again.";
    case ENXIO:
    case EBUSY:
        return "The parallel port " + devicePath_ + " is absent or in use by another program.";
    default:
        return "Cannot " + what + " " + devicePath_ + ": " + std::strerror(error) + ".";
    }
}
