#include "LanguageRouter.h"

#include "Translations.h"

namespace {

thread_local const QString *requestLanguage = nullptr;

} // namespace

void LanguageRouter::setProgramLanguage(const QString &language)
{
    const QMutexLocker lock(&mutex_);
    programLanguage_ = language;
}

QString LanguageRouter::translate(const char *context, const char *sourceText, const char *disambiguation, int n) const
{
    const QMutexLocker lock(&mutex_);
    const QTranslator *translator = translatorFor(requestLanguage ? *requestLanguage : programLanguage_);
    return translator ? translator->translate(context, sourceText, disambiguation, n) : QString();
}

const QTranslator *LanguageRouter::translatorFor(const QString &language) const
{
    if (language.isEmpty())
        return nullptr;
    auto found = loaded_.find(language);
    if (found == loaded_.end())
        found = loaded_.emplace(language, language::load(language)).first;
    return found->second.get();
}

LanguageRouter::Speaking::Speaking(const QString &language)
    : before_(requestLanguage), language_(language)
{
    requestLanguage = &language_;
}

LanguageRouter::Speaking::~Speaking()
{
    requestLanguage = before_;
}

std::optional<QString> LanguageRouter::Speaking::current()
{
    return requestLanguage ? std::optional(*requestLanguage) : std::nullopt;
}
