#pragma once

#include "RelayHid.h"

#include <hidapi.h>

// The relay boards through hidapi on the kernel's hidraw devices.
class HidapiRelayHid final : public RelayHid {
public:
    HidapiRelayHid() = default;
    ~HidapiRelayHid() override;

    HidapiRelayHid(const HidapiRelayHid &) = delete;
    HidapiRelayHid &operator=(const HidapiRelayHid &) = delete;

    std::vector<Device> devices() override;
    int open(const std::string &path) override;
    int getFeatureReport(Report &report) override;
    int sendFeatureReport(const Report &report) override;
    void close() override;

private:
    hid_device *device_ = nullptr;
};
