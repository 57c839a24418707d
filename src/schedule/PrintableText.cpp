#include "PrintableText.h"

#include <QCoreApplication>

namespace schedule {

namespace {

constexpr qsizetype MostCharactersShown = 80;

// Controls of both ranges, and the separators that would start a new line.
bool needsEscape(QChar character)
{
    const char16_t code = character.unicode();
    return code < 0x20 || (code >= 0x7f && code < 0xa0) || code == 0x2028 || code == 0x2029 ||
           character == QLatin1Char('\\') || character == QLatin1Char('"');
}

} // namespace

QString printable(const QString &text)
{
    QString shown;
    for (qsizetype index = 0; index < std::min(text.size(), MostCharactersShown); ++index) {
        const QChar character = text.at(index);
        if (!needsEscape(character))
            shown += character;
        else if (character == QLatin1Char('\\') || character == QLatin1Char('"'))
            shown += QLatin1Char('\\') + character;
        else if (character.unicode() < 0x100)
            shown += QStringLiteral("\\x%1").arg(character.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += QStringLiteral("\\u%1").arg(character.unicode(), 4, 16, QLatin1Char('0'));
    }
    if (text.size() > MostCharactersShown)
        shown += QCoreApplication::translate("PrintableText", "… (%1 characters)").arg(text.size());
    return shown;
}

} // namespace schedule
