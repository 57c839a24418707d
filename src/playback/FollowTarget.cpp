#include "FollowTarget.h"

#include "PrintableSetting.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace {

// E1.31 numbers its universes 1 to 63999; Art-Net's fit inside.
constexpr unsigned LastUniverse = 63999;
constexpr int LongestText = 64;

std::optional<unsigned> wholeNumber(const QString &text)
{
    const bool digitsOnly = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    bool ok = false;
    const qulonglong number = text.toULongLong(&ok);
    if (!digitsOnly || !ok || number > std::numeric_limits<unsigned>::max())
        return std::nullopt;
    return static_cast<unsigned>(number);
}

} // namespace

QString FollowTarget::describe() const
{
    return QCoreApplication::translate("FollowTarget", "universe %1 from channel %2").arg(universe).arg(channel);
}

QString FollowTarget::universeName() const
{
    return QCoreApplication::translate("FollowTarget", "universe %1").arg(universe);
}

std::optional<std::uint8_t> FollowTarget::lampsOf(const std::uint8_t *data, std::size_t size) const
{
    const std::size_t first = static_cast<std::size_t>(channel - 1);
    if (size < first + 8)
        return std::nullopt;
    std::uint8_t lamps = 0;
    for (int k = 0; k < 8; ++k)
        if (data[first + static_cast<std::size_t>(k)] >= threshold)
            lamps |= static_cast<std::uint8_t>(1u << k);
    return lamps;
}

FollowChoice parseFollow(const QString &text, int threshold, std::chrono::milliseconds hold)
{
    const auto refuse = [&text](const QString &why) {
        return FollowChoice{std::nullopt, QCoreApplication::translate("FollowTarget", "Cannot follow \"%1\": %2")
                                              .arg(QString::fromStdString(printableSetting(text.left(LongestText).toStdString())), why)};
    };
    if (text.size() > LongestText)
        return refuse(QCoreApplication::translate(
            "FollowTarget", "it is longer than %1 characters.").arg(LongestText));
    if (!text.startsWith(QLatin1String("ola:")))
        return refuse(QCoreApplication::translate(
            "FollowTarget", "name an OLA universe, as ola:1, or ola:1@9 to start at channel 9."));
    const QString universeText = text.mid(4).section(QLatin1Char('@'), 0, 0);
    const QString channelText = text.contains(QLatin1Char('@')) ? text.section(QLatin1Char('@'), 1) : QStringLiteral("1");
    const auto universe = wholeNumber(universeText);
    if (!universe || *universe < 1 || *universe > LastUniverse)
        return refuse(QCoreApplication::translate(
            "FollowTarget", "the universe is 1 to %1.").arg(LastUniverse));
    const auto channel = wholeNumber(channelText);
    if (!channel || *channel < 1 || *channel > unsigned(FollowTarget::LastFirstChannel))
        return refuse(QCoreApplication::translate(
            "FollowTarget", "the first channel is 1 to %1, so that eight fit in a universe.")
            .arg(FollowTarget::LastFirstChannel));
    if (threshold < 1 || threshold > 255)
        return refuse(QCoreApplication::translate(
            "FollowTarget", "the threshold is 1 to 255, not %1.").arg(threshold));
    if (hold.count() < 0 || hold > std::chrono::hours(1))
        return refuse(QCoreApplication::translate(
            "FollowTarget", "the hold time is 0 (for ever) to 3600000 ms."));
    return {FollowTarget{*universe, int(*channel), threshold, hold}, {}};
}
