#include "IncomingFilter.h"

#include <algorithm>

namespace {

std::vector<QByteArray> utf8(const QStringList &topics)
{
    std::vector<QByteArray> encoded;
    for (const QString &topic : topics)
        encoded.push_back(topic.toUtf8());
    return encoded;
}

bool contains(const std::vector<QByteArray> &topics, QByteArrayView topic)
{
    return std::any_of(topics.begin(), topics.end(), [topic](const QByteArray &one) { return one == topic; });
}

} // namespace

IncomingFilter::IncomingFilter(const MqttSubscriptions &subscriptions)
    : commands_(utf8(subscriptions.commands)), notices_(utf8(subscriptions.notices))
{
}

// The size first: a large payload is turned away before its topic is looked at.
IncomingFilter::Verdict IncomingFilter::judge(QByteArrayView topic, qsizetype payloadLength, bool retained) const
{
    if (payloadLength > LargestPayload)
        return Verdict::TooLarge;
    if (contains(commands_, topic))
        return retained ? Verdict::RetainedCommand : Verdict::Heard;
    // Only what was asked for: a topic quoted in the log is then one of ours.
    return contains(notices_, topic) ? Verdict::Heard : Verdict::NotAsked;
}
