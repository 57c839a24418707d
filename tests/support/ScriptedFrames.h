#pragma once

#include "FrameSource.h"

// A follower's frames as the test hands them on.
class ScriptedFrames final : public FrameSource {
public:
    explicit ScriptedFrames(std::optional<QString> refusal = std::nullopt) : refusal_(std::move(refusal)) {}

    std::optional<QString> start() override { return refusal_; }
    void send(const QByteArray &channels) { emit frame(channels); }

private:
    std::optional<QString> refusal_; // why start() fails, as when olad is not there
};
