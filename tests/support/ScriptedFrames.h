#pragma once

#include "FrameSource.h"

// A follower's frames as the test hands them on.
class ScriptedFrames final : public FrameSource {
public:
    std::optional<QString> start() override { return std::nullopt; }
    void send(const QByteArray &channels) { emit frame(channels); }
};
