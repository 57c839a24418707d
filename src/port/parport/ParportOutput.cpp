#include "ParportOutput.h"

#include "DeviceAccess.h"
#include "ParportBackend.h"
#include "PortText.h"
#include "PosixSystemCalls.h"

#include <algorithm>
#include <cctype>
#include <glob.h>

SettingCheck ParportOutput::check(std::string_view number)
{
    const bool digits = !number.empty()
                        && std::all_of(number.begin(), number.end(), [](unsigned char c) { return std::isdigit(c); });
    if (!digits)
        return {{}, portText("PortSetting", "is not understood.")};
    return {"parport" + std::string(number), {}};
}

std::unique_ptr<PortBackend> ParportOutput::make(std::string_view number)
{
    return std::make_unique<ParportBackend>("/dev/parport" + std::string(number), std::make_unique<PosixSystemCalls>());
}

std::vector<FoundPort> ParportOutput::find()
{
    std::vector<FoundPort> ports;
    glob_t found{};
    if (::glob("/dev/parport[0-9]*", 0, nullptr, &found) == 0)
        for (std::size_t k = 0; k < found.gl_pathc; ++k)
            ports.push_back({found.gl_pathv[k], portText("ParportOutput", "parallel port"),
                             whyDeviceCannotOpen(found.gl_pathv[k], "lp")});
    ::globfree(&found);
    return ports;
}
