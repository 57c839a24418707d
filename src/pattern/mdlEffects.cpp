#include "mdlEffects.h"

#include "EffectCatalogue.h"

#include <QFile>

namespace mdlEffects {

namespace {

// The rows of one effect, repeated, each ending in CR LF.
QByteArray effectText(const pattern::Effect &chosen, int repeats)
{
    QByteArray text;
    text.reserve(static_cast<qsizetype>(chosen.rows.size()) * 10 * repeats);
    for (int pass = 0; pass < repeats; ++pass) {
        for (std::string_view row : chosen.rows) {
            text.append(row.data(), static_cast<qsizetype>(row.size()));
            text.append("\r\n");
        }
    }
    return text;
}

} // namespace

std::optional<QString> WriteEffect(const QString &path, int effect, int repeats)
{
    const pattern::Effect *chosen = pattern::effect(effect);
    if (!chosen)
        return QStringLiteral("There is no effect number %1.").arg(effect);
    if (repeats < 1)
        return QStringLiteral("An effect must be written at least once, not %1 times.").arg(repeats);

    const QByteArray text = effectText(*chosen, repeats);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return QStringLiteral("Cannot open %1 for writing: %2").arg(path, file.errorString());
    if (file.write(text) != text.size() || !file.flush())
        return QStringLiteral("Cannot write to %1: %2").arg(path, file.errorString());
    file.close();
    if (file.error() != QFileDevice::NoError)
        return QStringLiteral("Cannot write to %1: %2").arg(path, file.errorString());
    return std::nullopt;
}

} // namespace mdlEffects
