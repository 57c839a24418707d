#pragma once

#include <string>

// Why the device node at `path` cannot be opened for writing now, in words
// that say what to do; "" when it can. `group` is the group that usually
// gives access to it.
std::string whyDeviceCannotOpen(const std::string &path, const std::string &group);
