#include "HidapiRelayHid.h"

#include <algorithm>
#include <cerrno>

namespace {

// The shared USB id of gadgets built on V-USB, which the relay boards use.
constexpr unsigned short VendorId = 0x16c0;
constexpr unsigned short ProductId = 0x05df;

// hidapi keeps errno from the failed system call; a failure without one
// still has to read as a failure.
int lastError()
{
    return errno != 0 ? -errno : -EIO;
}

// Product names are plain ASCII; anything else cannot match a relay board.
std::string narrow(const wchar_t *text)
{
    std::string narrowed;
    for (; text != nullptr && *text != L'\0'; ++text)
        narrowed += *text < 0x80 ? static_cast<char>(*text) : '?';
    return narrowed;
}

} // namespace

HidapiRelayHid::~HidapiRelayHid()
{
    close();
}

std::vector<RelayHid::Device> HidapiRelayHid::devices()
{
    std::vector<Device> found;
    hid_device_info *list = hid_enumerate(VendorId, ProductId);
    for (const hid_device_info *info = list; info != nullptr; info = info->next)
        found.push_back({info->path, narrow(info->product_string)});
    hid_free_enumeration(list);
    return found;
}

int HidapiRelayHid::open(const std::string &path)
{
    errno = 0;
    device_ = hid_open_path(path.c_str());
    return device_ != nullptr ? 0 : lastError();
}

int HidapiRelayHid::getFeatureReport(Report &report)
{
    // hidapi puts the report number in front of the data.
    unsigned char buffer[1 + std::tuple_size_v<Report>] = {0};
    errno = 0;
    if (hid_get_feature_report(device_, buffer, sizeof buffer) < 0)
        return lastError();
    std::copy(buffer + 1, buffer + sizeof buffer, report.begin());
    return 0;
}

int HidapiRelayHid::sendFeatureReport(const Report &report)
{
    unsigned char buffer[1 + std::tuple_size_v<Report>] = {0};
    std::copy(report.begin(), report.end(), buffer + 1);
    errno = 0;
    return hid_send_feature_report(device_, buffer, sizeof buffer) < 0 ? lastError() : 0;
}

void HidapiRelayHid::close()
{
    hid_close(device_);
    device_ = nullptr;
}
