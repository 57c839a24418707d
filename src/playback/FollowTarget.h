#pragma once

#include <QString>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>

// What a follower takes from the network: eight channels of an OLA universe,
// from `channel` on, each on at or above `threshold`; lines low once no
// frame has come for `hold` (zero holds the last frame for ever).
struct FollowTarget {
    static constexpr int LastFirstChannel = 512 - 7;

    unsigned universe = 0;
    int channel = 1;
    int threshold = 128;
    std::chrono::milliseconds hold{2500};

    // "universe 1 from channel 9", as the status says it.
    QString describe() const;
    // "universe 1", for the lines that name the universe alone.
    QString universeName() const;
    // The lamps one frame gives, bit k for lamp k; nothing for a frame too
    // short to hold all eight channels.
    std::optional<std::uint8_t> lampsOf(const std::uint8_t *data, std::size_t size) const;
};

struct FollowChoice {
    std::optional<FollowTarget> target;
    QString problem; // why the text cannot be followed
};

// "ola:U" or "ola:U@CHANNEL", with the threshold and hold time given apart.
FollowChoice parseFollow(const QString &text, int threshold = 128,
                         std::chrono::milliseconds hold = std::chrono::milliseconds(2500));
