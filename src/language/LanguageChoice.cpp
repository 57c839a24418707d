#include "LanguageChoice.h"

namespace language {

namespace {

// The source texts are Russian; C and POSIX mean no translation at all.
bool wantsSource(const QString &language)
{
    return language.isEmpty() || language == QLatin1String("ru") || language == QLatin1String("C")
           || language == QLatin1String("POSIX");
}

// "pt-BR.UTF-8" gives "pt_br", then "pt".
QStringList candidates(QString wanted)
{
    wanted = wanted.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    wanted.replace(QLatin1Char('-'), QLatin1Char('_'));
    const QString primary = wanted.section(QLatin1Char('_'), 0, 0);
    return wanted == primary ? QStringList{primary} : QStringList{wanted, primary};
}

} // namespace

QString choose(const QString &setting, const QStringList &userLanguages, const QStringList &available)
{
    const QStringList wanted = setting.trimmed().isEmpty() ? userLanguages : QStringList{setting.trimmed()};
    for (const QString &language : wanted) {
        for (const QString &candidate : candidates(language)) {
            if (wantsSource(candidate))
                return {};
            for (const QString &offered : available) {
                if (offered.compare(candidate, Qt::CaseInsensitive) == 0)
                    return offered;
            }
        }
    }
    return {};
}

QStringList browserLanguages(const QByteArray &acceptLanguage)
{
    QStringList wanted;
    for (const QByteArray &part : acceptLanguage.left(MaxLanguagesBytes).split(','))
        wanted << QString::fromLatin1(part.split(';').first().trimmed().left(35));
    return wanted;
}

} // namespace language
