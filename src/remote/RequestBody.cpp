#include "RequestBody.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

#include <cmath>
#include <limits>

namespace body {

namespace {

Problem missing(const QString &field)
{
    return {QCoreApplication::translate("RequestBody", "\"%1\" is missing.").arg(field)};
}

// Reads one field of a body with only that field.
Read<QJsonValue> onlyField(const QByteArray &body, const QString &field)
{
    auto read = object(body, {field});
    if (auto *problem = std::get_if<Problem>(&read))
        return *problem;
    const QJsonObject fields = std::get<QJsonObject>(read);
    if (!fields.contains(field))
        return missing(field);
    return fields.value(field);
}

Read<std::pair<bool, int>> effectChoice(const QJsonValue &item, int index)
{
    const QString where = QStringLiteral("effects[%1]").arg(index);
    if (!item.isObject())
        return Problem{QCoreApplication::translate(
            "RequestBody", "%1 must be an object such as {\"ticked\": true, \"repeats\": 1}.").arg(where)};
    const QJsonObject choice = item.toObject();
    for (auto field = choice.begin(); field != choice.end(); ++field)
        if (field.key() != QLatin1String("ticked") && field.key() != QLatin1String("repeats"))
            return Problem{QCoreApplication::translate(
                "RequestBody", "Unknown field \"%1\" in %2; it takes ticked and repeats.").arg(field.key(), where)};
    if (!choice.value(QLatin1String("ticked")).isBool())
        return Problem{QCoreApplication::translate("RequestBody", "%1.ticked must be true or false.").arg(where)};
    const auto repeats = wholeNumber(choice.value(QLatin1String("repeats")), where + QStringLiteral(".repeats"));
    if (auto *problem = std::get_if<Problem>(&repeats))
        return *problem;
    return std::pair{choice.value(QLatin1String("ticked")).toBool(), std::get<int>(repeats)};
}

Read<PatternPick> patternPick(const QJsonValue &item, int index)
{
    const QString where = QStringLiteral("patterns[%1]").arg(index);
    if (!item.isObject())
        return Problem{QCoreApplication::translate(
            "RequestBody", "%1 must be an object such as {\"name\": \"Wave\", \"repeats\": 1}.").arg(where)};
    const QJsonObject pick = item.toObject();
    for (auto field = pick.begin(); field != pick.end(); ++field)
        if (field.key() != QLatin1String("name") && field.key() != QLatin1String("repeats"))
            return Problem{QCoreApplication::translate(
                "RequestBody", "Unknown field \"%1\" in %2; it takes name and repeats.").arg(field.key(), where)};
    if (!pick.value(QLatin1String("name")).isString())
        return Problem{QCoreApplication::translate("RequestBody", "%1.name must be a text.").arg(where)};
    const auto repeats = wholeNumber(pick.value(QLatin1String("repeats")), where + QStringLiteral(".repeats"));
    if (auto *problem = std::get_if<Problem>(&repeats))
        return *problem;
    return PatternPick{pick.value(QLatin1String("name")).toString(), std::get<int>(repeats)};
}

} // namespace

Read<int> wholeNumber(const QJsonValue &value, const QString &field)
{
    const double number = value.toDouble(std::numeric_limits<double>::quiet_NaN());
    if (!value.isDouble() || number != std::floor(number) || std::abs(number) > std::numeric_limits<int>::max())
        return Problem{QCoreApplication::translate("RequestBody", "\"%1\" must be a whole number.").arg(field)};
    return static_cast<int>(number);
}

Read<QJsonObject> object(const QByteArray &body, const QStringList &fields)
{
    if (body.trimmed().isEmpty())
        return QJsonObject();
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError)
        return Problem{QCoreApplication::translate(
            "RequestBody", "The body is not JSON: %1 at byte %2.").arg(error.errorString()).arg(error.offset)};
    if (!document.isObject())
        return Problem{QCoreApplication::translate("RequestBody", "The body must be a JSON object, such as {}.")};
    const QJsonObject read = document.object();
    for (auto field = read.begin(); field != read.end(); ++field)
        if (!fields.contains(field.key()))
            return Problem{
                fields.isEmpty()
                    ? QCoreApplication::translate("RequestBody", "Unknown field \"%1\"; this request takes no fields.")
                          .arg(field.key())
                    : QCoreApplication::translate("RequestBody", "Unknown field \"%1\"; this request takes: %2.")
                          .arg(field.key(), fields.join(QStringLiteral(", ")))};
    return read;
}

Read<std::monostate> nothing(const QByteArray &body)
{
    auto read = object(body, {});
    if (auto *problem = std::get_if<Problem>(&read))
        return *problem;
    return std::monostate();
}

Read<int> speed(const QByteArray &body)
{
    const auto value = onlyField(body, QStringLiteral("speed"));
    if (auto *problem = std::get_if<Problem>(&value))
        return *problem;
    return wholeNumber(std::get<QJsonValue>(value), QStringLiteral("speed"));
}

Read<int> effect(const QByteArray &body)
{
    const auto value = onlyField(body, QStringLiteral("effect"));
    if (auto *problem = std::get_if<Problem>(&value))
        return *problem;
    if (std::get<QJsonValue>(value).isNull())
        return -1;
    return wholeNumber(std::get<QJsonValue>(value), QStringLiteral("effect"));
}

Read<QString> output(const QByteArray &body)
{
    const auto value = onlyField(body, QStringLiteral("output"));
    if (auto *problem = std::get_if<Problem>(&value))
        return *problem;
    if (!std::get<QJsonValue>(value).isString())
        return Problem{QCoreApplication::translate("RequestBody", "\"output\" must be a text, such as \"ola:1\".")};
    return std::get<QJsonValue>(value).toString();
}

Read<Build> selection(const QByteArray &body)
{
    const auto read = object(body, {QStringLiteral("effects"), QStringLiteral("patterns"), QStringLiteral("atOnce")});
    if (auto *problem = std::get_if<Problem>(&read))
        return *problem;
    const QJsonObject fields = std::get<QJsonObject>(read);
    if (!fields.contains(QLatin1String("effects")))
        return missing(QStringLiteral("effects"));
    const QJsonArray items = fields.value(QLatin1String("effects")).toArray();
    if (!fields.value(QLatin1String("effects")).isArray() || items.size() != effects::Count)
        return Problem{QCoreApplication::translate(
            "RequestBody", "\"effects\" must list all %1 effects in order.").arg(effects::Count)};
    Selection chosen;
    int ticked = 0;
    for (int i = 0; i < effects::Count; ++i) {
        const auto choice = effectChoice(items.at(i), i);
        if (auto *problem = std::get_if<Problem>(&choice))
            return *problem;
        const auto at = static_cast<std::size_t>(i);
        std::tie(chosen.ticked[at], chosen.repeats[at]) = std::get<std::pair<bool, int>>(choice);
        ticked += chosen.ticked[at];
    }
    // The count the window shows after a build: the effects written.
    chosen.numEffects = ticked;
    const QJsonValue atOnce = fields.value(QLatin1String("atOnce"));
    if (!atOnce.isUndefined() && !atOnce.isBool())
        return Problem{QCoreApplication::translate("RequestBody", "\"atOnce\" must be true or false.")};
    const QJsonValue patterns = fields.value(QLatin1String("patterns"));
    if (patterns.isUndefined())
        return Build{chosen, atOnce.toBool()};
    if (!patterns.isArray() || patterns.toArray().size() > Selection::MaxPatterns)
        return Problem{QCoreApplication::translate(
            "RequestBody", "\"patterns\" must be a list of at most %1 patterns.").arg(Selection::MaxPatterns)};
    for (qsizetype i = 0; i < patterns.toArray().size(); ++i) {
        const auto pick = patternPick(patterns.toArray().at(i), static_cast<int>(i));
        if (auto *problem = std::get_if<Problem>(&pick))
            return *problem;
        chosen.patterns.push_back(std::get<PatternPick>(pick));
    }
    return Build{chosen, atOnce.toBool()};
}

} // namespace body
