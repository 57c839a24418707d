#include "LampPicker.h"

namespace fseq {

bool LampPicker::take(const char *bytes, qint64 length)
{
    while (length > 0) {
        const qint64 piece = std::min(length, channelsPerFrame - position);
        for (std::size_t k = 0; k < offsets.size(); ++k) {
            const qint64 at = offsets[k] - position;
            if (at >= 0 && at < piece && static_cast<unsigned char>(bytes[at]) >= threshold)
                lamps |= static_cast<std::uint8_t>(1u << k);
        }
        bytes += piece;
        length -= piece;
        position += piece;
        if (position == channelsPerFrame) {
            position = 0;
            const bool more = steps.addFrame(lamps);
            lamps = 0;
            if (!more)
                return false;
        }
    }
    return true;
}

} // namespace fseq
