#include "Translations.h"

#include "LanguageChoice.h"
#include "LanguageRouter.h"
#include "PortText.h"
#include "SettingsKeys.h"
#include "SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace language {

namespace {

const QString Folder = QStringLiteral(":/i18n");
const QString Prefix = QStringLiteral("lampotron_");

LanguageRouter &router()
{
    static LanguageRouter ours;
    return ours;
}

// Qt's own for its buttons (OK, Cancel...) where Debian has it.
std::unique_ptr<QTranslator> &qtsInstalled()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

// The outputs' texts are plain UTF-8 strings: they know no Qt.
std::string translatePortText(const char *context, const char *source)
{
    return QCoreApplication::translate(context, source).toStdString();
}

} // namespace

QStringList available()
{
    QStringList languages;
    const QStringList files = QDir(Folder).entryList({Prefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    for (const QString &file : files)
        languages << file.mid(Prefix.size()).chopped(3);
    return languages;
}

std::unique_ptr<QTranslator> load(const QString &language)
{
    auto translator = std::make_unique<QTranslator>();
    if (language.isEmpty() || !available().contains(language) || !translator->load(Prefix + language, Folder))
        return nullptr;
    return translator;
}

QString chosen(const SettingsStore &settings)
{
    return choose(settings.read(settings::Language), QLocale::system().uiLanguages(), available());
}

void use(const QString &language)
{
    installPortTranslator(&translatePortText);
    if (qtsInstalled()) {
        QCoreApplication::removeTranslator(qtsInstalled().get());
        qtsInstalled().reset();
    }
    const bool built = available().contains(language);
    router().setProgramLanguage(built ? language : QString());
    // Installed anew, so that the windows hear of the change.
    QCoreApplication::removeTranslator(&router());
    QCoreApplication::installTranslator(&router());
    auto qts = std::make_unique<QTranslator>();
    if (built && qts->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qts.get());
        qtsInstalled() = std::move(qts);
    }
}

QString forRequest(const SettingsStore &settings, const QByteArray &acceptLanguage)
{
    return choose(settings.read(settings::Language), browserLanguages(acceptLanguage), available());
}

} // namespace language
