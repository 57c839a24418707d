#include "ParportDevice.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>

ParportDevice::ParportDevice(std::string devicePath, SystemCalls &calls)
    : devicePath_(std::move(devicePath)), calls_(calls)
{
}

ParportDevice::~ParportDevice()
{
    release();
}

void ParportDevice::SelectPort(std::int16_t value)
{
    if (value == 1)
        open();
    else if (value == 0)
        release();
}

std::int16_t ParportDevice::SelectPort() const
{
    return claimed_ ? 1 : 0;
}

void ParportDevice::SetLine(std::int16_t line, std::int16_t level)
{
    if (!claimed_ || line < 0 || line > 7)
        return;
    const auto bit = static_cast<unsigned char>(1u << line);
    data_ = level != 0 ? (data_ | bit) : (data_ & ~bit);
    writeData();
}

std::string ParportDevice::failureReason() const
{
    return failure_;
}

void ParportDevice::open()
{
    if (claimed_)
        return;
    failure_.clear();
    const int fd = calls_.open(devicePath_.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        fail("open", -fd);
        return;
    }
    fd_ = fd;
    // Without exclusive access a claim can hang in the kernel while another
    // process holds the port.
    int result = calls_.ioctl(fd_, PPEXCL, nullptr);
    if (result >= 0)
        result = calls_.ioctl(fd_, PPCLAIM, nullptr);
    if (result < 0) {
        fail("claim", -result);
        calls_.close(fd_);
        fd_ = -1;
        return;
    }
    claimed_ = true;
    // The data lines keep whatever the last user left on them.
    data_ = 0;
    writeData();
}

void ParportDevice::release()
{
    if (fd_ < 0)
        return;
    if (claimed_)
        calls_.ioctl(fd_, PPRELEASE, nullptr);
    calls_.close(fd_);
    fd_ = -1;
    claimed_ = false;
}

bool ParportDevice::writeData()
{
    const int result = calls_.ioctl(fd_, PPWDATA, &data_);
    if (result >= 0)
        return true;
    fail("write to", -result);
    release();
    return false;
}

void ParportDevice::fail(const std::string &what, int error)
{
    switch (error) {
    case ENOENT:
        failure_ = "There is no parallel port device " + devicePath_
                   + ". The computer may have no parallel port, or the ppdev module is not loaded.";
        break;
    case EACCES:
    case EPERM:
        failure_ = "No permission to use " + devicePath_
                   + ". Add your user to the lp group (sudo adduser $USER lp) and log in again.";
        break;
    case ENXIO:
    case EBUSY:
        failure_ = "The parallel port " + devicePath_
                   + " is absent or in use by another program.";
        break;
    default:
        failure_ = "Cannot " + what + " " + devicePath_ + ": " + std::strerror(error) + ".";
        break;
    }
}
