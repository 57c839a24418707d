#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The USB relay boards as the kernel's HID layer shows them, behind a seam
// so that tests can stand in for the boards. One board is open at a time.
// Failures return -errno.
class RelayHid {
public:
    struct Device {
        std::string path;    // the hidraw node, such as /dev/hidraw3
        std::string product; // the USB product name, such as USBRelay8
    };
    // The eight data bytes of the boards' only feature report (number 0).
    using Report = std::array<std::uint8_t, 8>;

    virtual ~RelayHid() = default;

    // Every HID device with the boards' USB id. Other gadgets built on the
    // same free USB stack share that id, so the product name tells them apart.
    virtual std::vector<Device> devices() = 0;
    virtual int open(const std::string &path) = 0;
    virtual int getFeatureReport(Report &report) = 0;
    virtual int sendFeatureReport(const Report &report) = 0;
    virtual void close() = 0;
};
