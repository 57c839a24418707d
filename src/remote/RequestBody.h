#pragma once

#include "Selection.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <variant>

// Reads the JSON body of a command strictly: an object with only the fields
// that command takes, each of the right type. Anything else is refused with
// the reason in words, before anything is done.
namespace body {

struct Problem {
    QString reason;
};
template <typename Value>
using Read = std::variant<Value, Problem>;

// A JSON number without a fraction that fits an int; the field names it.
Read<int> wholeNumber(const QJsonValue &value, const QString &field);
// An empty body reads as {}.
Read<QJsonObject> object(const QByteArray &body, const QStringList &fields);
// {} or nothing, for commands that take no input.
Read<std::monostate> nothing(const QByteArray &body);
// {"speed": 150}
Read<int> speed(const QByteArray &body);
// {"effect": 3}, or {"effect": null} (read as -1) for the scheme.
Read<int> effect(const QByteArray &body);
// {"output": "ola:1"}
Read<QString> output(const QByteArray &body);
// {"effects": [{"ticked": true, "repeats": 2}, ... one for each effect],
//  "patterns": [{"name": "Wave", "repeats": 3}, ...], "atOnce": false}, the
// patterns optional; "atOnce" asks a show that plays to take the new scheme
// at once rather than at the end of its pass.
struct Build {
    Selection selection;
    bool atOnce = false;
};
Read<Build> selection(const QByteArray &body);

} // namespace body
