#include "PatternBody.h"

#include "StateJson.h"

#include <QCoreApplication>
#include <QJsonObject>

namespace body {

namespace {

Read<pattern::Step> step(const QJsonValue &item, qsizetype index)
{
    const QString where = QStringLiteral("steps[%1]").arg(index);
    if (!item.isObject())
        return Problem{QCoreApplication::translate(
            "PatternBody", "%1 must be an object such as {\"lamps\": \"10000001\", \"ms\": 250}.").arg(where)};
    const QJsonObject fields = item.toObject();
    for (auto field = fields.begin(); field != fields.end(); ++field)
        if (field.key() != QLatin1String("lamps") && field.key() != QLatin1String("ms"))
            return Problem{QCoreApplication::translate(
                "PatternBody", "Unknown field \"%1\" in %2; it takes lamps and ms.").arg(field.key(), where)};
    const QString lamps = fields.value(QLatin1String("lamps")).toString();
    if (lamps.size() != 8 || lamps.count(QLatin1Char('0')) + lamps.count(QLatin1Char('1')) != 8)
        return Problem{QCoreApplication::translate(
            "PatternBody", "%1.lamps must be eight 0s and 1s, lamp 1 first, such as \"10000001\".").arg(where)};
    pattern::Step read;
    for (int k = 0; k < 8; ++k)
        if (lamps[k] == QLatin1Char('1'))
            read.lamps |= static_cast<std::uint8_t>(1u << k);
    if (fields.contains(QLatin1String("ms"))) {
        const auto ms = wholeNumber(fields.value(QLatin1String("ms")), where + QStringLiteral(".ms"));
        if (auto *problem = std::get_if<Problem>(&ms))
            return *problem;
        read.ms = std::get<int>(ms);
    }
    return read;
}

// The limits of a step's time and of their number are the library's, which
// refuses them with the same words whichever face they came from.
Read<std::vector<pattern::Step>> steps(const QJsonValue &value)
{
    if (!value.isArray())
        return Problem{QCoreApplication::translate(
            "PatternBody", "\"steps\" must be a list such as [{\"lamps\": \"10000001\", \"ms\": 250}].")};
    const QJsonArray items = value.toArray();
    std::vector<pattern::Step> read;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const auto one = step(items.at(i), i);
        if (auto *problem = std::get_if<Problem>(&one))
            return *problem;
        read.push_back(std::get<pattern::Step>(one));
    }
    return read;
}

Read<QJsonObject> withRequired(const QByteArray &body, const QStringList &fields, const QStringList &required)
{
    auto read = object(body, fields);
    if (auto *problem = std::get_if<Problem>(&read))
        return *problem;
    for (const QString &field : required)
        if (!std::get<QJsonObject>(read).contains(field))
            return Problem{QCoreApplication::translate("PatternBody", "\"%1\" is missing.").arg(field)};
    return read;
}

} // namespace

Read<PatternEdit> patternEdit(const QByteArray &body)
{
    const QStringList fields{QStringLiteral("steps"), QStringLiteral("version")};
    const auto read = withRequired(body, fields, fields);
    if (auto *problem = std::get_if<Problem>(&read))
        return *problem;
    const QJsonObject edit = std::get<QJsonObject>(read);
    const auto version = wholeNumber(edit.value(QLatin1String("version")), QStringLiteral("version"));
    if (auto *problem = std::get_if<Problem>(&version))
        return *problem;
    auto given = steps(edit.value(QLatin1String("steps")));
    if (auto *problem = std::get_if<Problem>(&given))
        return *problem;
    return PatternEdit{std::move(std::get<std::vector<pattern::Step>>(given)), std::get<int>(version)};
}

Read<std::optional<std::vector<pattern::Step>>> stepsToPlay(const QByteArray &body)
{
    const auto read = object(body, {QStringLiteral("steps")});
    if (auto *problem = std::get_if<Problem>(&read))
        return *problem;
    const QJsonObject fields = std::get<QJsonObject>(read);
    if (!fields.contains(QLatin1String("steps")))
        return std::optional<std::vector<pattern::Step>>();
    auto given = steps(fields.value(QLatin1String("steps")));
    if (auto *problem = std::get_if<Problem>(&given))
        return *problem;
    return std::optional(std::move(std::get<std::vector<pattern::Step>>(given)));
}

Read<int> version(const QByteArray &body)
{
    const QStringList fields{QStringLiteral("version")};
    const auto read = withRequired(body, fields, fields);
    if (auto *problem = std::get_if<Problem>(&read))
        return *problem;
    return wholeNumber(std::get<QJsonObject>(read).value(QLatin1String("version")), QStringLiteral("version"));
}

Read<NewName> newName(const QByteArray &body, bool withVersion)
{
    const QStringList fields = withVersion ? QStringList{QStringLiteral("to"), QStringLiteral("version")}
                                           : QStringList{QStringLiteral("to")};
    const auto read = withRequired(body, fields, fields);
    if (auto *problem = std::get_if<Problem>(&read))
        return *problem;
    const QJsonObject given = std::get<QJsonObject>(read);
    if (!given.value(QLatin1String("to")).isString())
        return Problem{QCoreApplication::translate("PatternBody", "\"to\" must be a text: the new name.")};
    NewName named{given.value(QLatin1String("to")).toString(), 0};
    if (withVersion) {
        const auto version = wholeNumber(given.value(QLatin1String("version")), QStringLiteral("version"));
        if (auto *problem = std::get_if<Problem>(&version))
            return *problem;
        named.version = std::get<int>(version);
    }
    return named;
}

QJsonArray stepsJson(const std::vector<pattern::Step> &steps)
{
    QJsonArray written;
    for (const pattern::Step &step : steps) {
        QJsonObject one{{QStringLiteral("lamps"), stateJson::lampsText(step.lamps)}};
        if (step.ms > 0)
            one.insert(QStringLiteral("ms"), step.ms);
        written.append(one);
    }
    return written;
}

} // namespace body
