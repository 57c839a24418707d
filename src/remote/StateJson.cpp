#include "StateJson.h"

#include "EffectCatalogue.h"

namespace stateJson {

QString lampsText(std::uint8_t lamps)
{
    QString text(8, QLatin1Char('0'));
    for (int k = 0; k < 8; ++k)
        if ((lamps >> k) & 1)
            text[k] = QLatin1Char('1');
    return text;
}

QString effectName(int effect)
{
    const pattern::Effect *found = pattern::effect(effect);
    return found ? QString::fromUtf8(found->caption.data(), static_cast<qsizetype>(found->caption.size())) : QString();
}

QJsonObject state(const PlayerState &state, std::uint8_t lamps)
{
    static const char *const outputStates[] = {"closed", "open", "lost"};
    return {
        {QStringLiteral("running"), state.playback != PlayerState::Playback::Stopped},
        {QStringLiteral("paused"), state.playback == PlayerState::Playback::Paused},
        {QStringLiteral("speed"), state.speedMs},
        {QStringLiteral("output"), state.output},
        {QStringLiteral("outputState"), QLatin1String(outputStates[static_cast<int>(state.outputState)])},
        {QStringLiteral("outputProblem"), state.outputProblem},
        {QStringLiteral("rows"), state.rows},
        {QStringLiteral("effect"), state.effect < 0 ? QJsonValue(QJsonValue::Null) : QJsonValue(effectName(state.effect))},
        {QStringLiteral("pattern"), state.pattern.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(state.pattern)},
        {QStringLiteral("lamps"), lampsText(lamps)},
        {QStringLiteral("following"), state.following.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(state.following)},
        {QStringLiteral("noDataSince"),
         state.noDataSince.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(state.noDataSince)},
    };
}

} // namespace stateJson
