#pragma once

#include <string>
#include <vector>

// Eight GPIO lines requested together, behind a seam so that tests can
// stand in for the kernel. Every call returns an error text, empty on success.
class GpioLines {
public:
    virtual ~GpioLines() = default;
    virtual std::string request(const std::string &chip, const std::vector<unsigned> &offsets,
                                const std::string &consumer) = 0;
    // One value per requested line, all set in one request to the kernel.
    virtual std::string setValues(const std::vector<int> &values) = 0;
    virtual void release() = 0;
};
