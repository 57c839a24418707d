#include "CommandLine.h"
#include "FollowTarget.h"
#include "LanguageChoice.h"
#include "PlayerCommands.h"
#include "RequestBody.h"
#include "SettingsStore.h"
#include "Translations.h"
#include "WindowControls.h"

#include <QAbstractButton>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

class LanguagesTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { language::use({}); }

    void chooses_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QStringList>("userLanguages");
        QTest::addColumn<QString>("chosen");
        const QStringList both{"de", "en"};
        QTest::newRow("C locale") << "" << QStringList{"C"} << "";
        QTest::newRow("Russian") << "" << QStringList{"ru-RU", "ru-Cyrl-RU", "ru"} << "";
        QTest::newRow("British English") << "" << QStringList{"en-GB", "en-Latn-GB"} << "en";
        QTest::newRow("German") << "" << QStringList{"de-DE", "de-Latn-DE", "de"} << "de";
        QTest::newRow("first with a translation") << "" << QStringList{"fr-FR", "fr", "de"} << "de";
        QTest::newRow("none fits") << "" << QStringList{"fr-FR", "fr"} << "";
        QTest::newRow("setting over the locale") << "de" << QStringList{"en-US"} << "de";
        QTest::newRow("setting asks for Russian") << " ru " << QStringList{"en-US"} << "";
        QTest::newRow("setting with a region") << "en_US.UTF-8" << QStringList{"C"} << "en";
    }

    void chooses()
    {
        QFETCH(QString, setting);
        QFETCH(QStringList, userLanguages);
        QTEST(language::choose(setting, userLanguages, {"de", "en"}), "chosen");
    }

    void settingOverridesTheLocale()
    {
        QTemporaryDir folder;
        const SettingsStore settings(folder.filePath("Lampotron.conf"));
        QVERIFY(!settings.write({{settings::Language.section, settings::Language.key, "de"}}));
        QCOMPARE(language::chosen(settings), "de");
    }

    void windowCaptions_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("object");
        QTest::addColumn<QString>("caption");
        const QString gap(16, ' ');
        QTest::newRow("source start") << "" << "Command4" << "пуск";
        QTest::newRow("source stop") << "" << "Command5" << "стор";
        QTest::newRow("source effect") << "" << "chkEffect(3)" << "убывание";
        QTest::newRow("source frame") << "" << "Frame1(0)" << "Эффект" + gap + "Повтор";
        QTest::newRow("source status") << "" << "Label4" << "Selected effects:";
        QTest::newRow("en start") << "en" << "Command4" << "start";
        QTest::newRow("en effect") << "en" << "chkEffect(3)" << "draining";
        QTest::newRow("en frame") << "en" << "Frame1(1)" << "Effect" + gap + "Repeat";
        QTest::newRow("en status") << "en" << "Label4" << "Selected effects:";
        QTest::newRow("de stop") << "de" << "Command5" << "Stopp";
        QTest::newRow("de effect") << "de" << "chkEffect(3)" << "Leeren";
        QTest::newRow("de status") << "de" << "Label4" << "Effekte:";
    }

    void windowCaptions()
    {
        QFETCH(QString, language);
        QFETCH(QString, object);
        language::use(language);
        QWidget window;
        const WindowControls controls(&window);
        auto *widget = window.findChild<QWidget *>(object);
        QVERIFY2(widget, qPrintable(object));
        QString shown;
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            shown = button->text();
        else if (auto *label = qobject_cast<QLabel *>(widget))
            shown = label->text();
        else if (auto *frame = qobject_cast<QGroupBox *>(widget))
            shown = frame->title();
        QTEST(shown, "caption");
    }

    // The refusals made below the window, each by the real code, in the
    // chosen language; "" shows the English source.
    void commandMessagesSpeakTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("layer");
        QTest::addColumn<QString>("message");
        QTest::newRow("source speed") << "" << "speed" << "The speed is 50 to 1000 ms in steps of 50, not 75.";
        QTest::newRow("de speed") << "de" << "speed" << "Die Geschwindigkeit ist 50 bis 1000 ms in Schritten von 50, nicht 75.";
        QTest::newRow("source selection") << "" << "selection"
                                          << "Tick at least one effect to build a scheme. The current scheme is kept.";
        QTest::newRow("de selection") << "de" << "selection"
                                      << "Wählen Sie mindestens einen Effekt, um ein Schema zu erstellen. Das aktuelle Schema bleibt.";
        QTest::newRow("source API body") << "" << "API body" << "The body must be a JSON object, such as {}.";
        QTest::newRow("de API body") << "de" << "API body" << "Der Inhalt muss ein JSON-Objekt sein, etwa {}.";
        QTest::newRow("source follower") << "" << "follower" << "universe 1 from channel 9";
        QTest::newRow("de follower") << "de" << "follower" << "Universum 1 ab Kanal 9";
        QTest::newRow("source command line") << "" << "command line" << "--schedule takes 1 to 366 days.";
        QTest::newRow("de command line") << "de" << "command line" << "--schedule nimmt 1 bis 366 Tage.";
    }

    void commandMessagesSpeakTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, layer);
        language::use(language);
        QString said;
        if (layer == QLatin1String("speed")) {
            said = PlayerCommands::speedProblem(75).value_or(QString());
        } else if (layer == QLatin1String("selection")) {
            said = PlayerCommands::selectionProblem(Selection{}).value_or(QString());
        } else if (layer == QLatin1String("API body")) {
            const auto read = body::speed("[150]");
            if (const auto *problem = std::get_if<body::Problem>(&read))
                said = problem->reason;
        } else if (layer == QLatin1String("follower")) {
            said = FollowTarget{1, 9}.describe();
        } else {
            CommandLine commandLine;
            said = commandLine.read({QStringLiteral("lampotron"), QStringLiteral("--schedule"), QStringLiteral("0")})
                       .value_or(QString());
        }
        QTEST(said, "message");
    }

    // Every translation is complete, keeps the placeholders, and is built in.
    void translationsComplete()
    {
        const QDir folder(LAMPOTRON_TRANSLATIONS_DIR);
        const QStringList files = folder.entryList({"lampotron_*.ts"});
        QVERIFY(files.size() >= 2);
        static const QRegularExpression placeholder(QStringLiteral("%\\d"));
        const auto placeholders = [](const QString &text) {
            QStringList found;
            for (const auto &match : placeholder.globalMatch(text))
                found << match.captured();
            found.sort();
            return found;
        };
        for (const QString &name : files) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QXmlStreamReader xml(&file);
            QString source;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement)
                    continue;
                if (xml.name() == QLatin1String("source")) {
                    source = xml.readElementText();
                } else if (xml.name() == QLatin1String("translation")) {
                    const bool unfinished = xml.attributes().value("type") == QLatin1String("unfinished");
                    const QString translation = xml.readElementText();
                    QVERIFY2(!unfinished && !translation.isEmpty(), qPrintable(name + ": " + source));
                    QVERIFY2(placeholders(source) == placeholders(translation), qPrintable(name + ": " + source));
                }
            }
            QVERIFY2(!xml.hasError(), qPrintable(name + ": " + xml.errorString()));
            QVERIFY(language::available().contains(name.mid(10).chopped(3)));
        }
    }
};

QTEST_MAIN(LanguagesTest)
#include "tst_languages.moc"
