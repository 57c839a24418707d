#include "Translations.h"

#include "LanguageChoice.h"
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

// Ours, and Qt's own for its buttons (OK, Cancel...) where Debian has it.
std::vector<std::unique_ptr<QTranslator>> &installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
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
    for (const auto &translator : installed())
        QCoreApplication::removeTranslator(translator.get());
    installed().clear();
    installPortTranslator(&translatePortText);
    auto ours = load(language);
    if (!ours)
        return;
    auto qts = std::make_unique<QTranslator>();
    if (qts->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installed().push_back(std::move(qts));
    installed().push_back(std::move(ours));
    for (const auto &translator : installed())
        QCoreApplication::installTranslator(translator.get());
}

} // namespace language
