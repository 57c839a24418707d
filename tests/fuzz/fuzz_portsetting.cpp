#include "PortSetting.h"

#include <cstdint>
#include <cstdlib>

// Any text as the Port setting. A refused setting always tells the user why.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const PortSetting setting = parsePortSetting({reinterpret_cast<const char *>(data), size});
    if ((setting.kind == PortSetting::Kind::Invalid) == setting.error.empty())
        std::abort();
    return 0;
}
