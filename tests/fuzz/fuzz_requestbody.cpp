#include "RequestBody.h"

#include <cstdint>
#include <cstdlib>
#include <optional>

namespace {

// A refusal always says why.
template <typename Value>
std::optional<Value> readOrExplain(const body::Read<Value> &read)
{
    if (const auto *problem = std::get_if<body::Problem>(&read)) {
        if (problem->reason.isEmpty())
            std::abort();
        return std::nullopt;
    }
    return std::get<Value>(read);
}

} // namespace

// Any bytes as the body of every command the remote takes. A selection that
// is read counts its ticked effects as the window does.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray body(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    readOrExplain(body::nothing(body));
    readOrExplain(body::speed(body));
    readOrExplain(body::output(body));
    readOrExplain(body::effect(body));
    if (const auto build = readOrExplain(body::selection(body))) {
        const auto ticked = std::count(build->selection.ticked.begin(), build->selection.ticked.end(), true);
        if (build->selection.numEffects != ticked)
            std::abort();
    }
    return 0;
}
