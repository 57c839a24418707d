#include "BackendFactory.h"
#include "CommandLine.h"
#include "EntryParser.h"
#include "FollowTarget.h"
#include "Fseq.h"
#include "LanguageChoice.h"
#include "PatternLibrary.h"
#include "PatternLoader.h"
#include "PlayerCommands.h"
#include "PortSetting.h"
#include "RequestBody.h"
#include "SchemeDraft.h"
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

#include <functional>

// Makes one refusal through the real code, in the language in use.
using MakeRefusal = std::function<QString()>;
Q_DECLARE_METATYPE(MakeRefusal)

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

    // Messages made below the window, each by the real code, in German and
    // in the English source.
    void messagesSpeakTheLanguage_data()
    {
        QTest::addColumn<MakeRefusal>("refusal");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("german");
        QTest::newRow("pattern named like a built-in effect")
            << MakeRefusal([] {
                   QTemporaryDir folder;
                   int version = 0;
                   const auto refused = pattern::PatternLibrary(folder.path()).save("наполнение", {pattern::Step{1, 0}}, version);
                   return refused ? refused->reason : QString();
               })
            << "\"наполнение\" is a built-in effect; choose another name."
            << "„наполнение“ ist ein eingebauter Effekt; wählen Sie einen anderen Namen.";
        QTest::newRow("pattern name with a leading space")
            << MakeRefusal([] { return pattern::nameProblem(" lamps"); })
            << "A pattern's name may not start or end with a space."
            << "Der Name eines Musters darf nicht mit einem Leerzeichen beginnen oder enden.";
        QTest::newRow("schedule entry with a bad time")
            << MakeRefusal([] {
                   const auto parsed = schedule::parseEntry(1, "on=25:00 off=23:00");
                   return std::holds_alternative<QString>(parsed) ? std::get<QString>(parsed) : QString();
               })
            << "\"25:00\" is not a time; write a clock time such as 23:00, or sunrise, sunset, dawn or dusk, moved by up "
               "to 180 minutes as in sunset-15"
            << "„25:00“ ist keine Zeit; schreiben Sie eine Uhrzeit wie 23:00 oder sunrise, sunset, dawn oder dusk, um bis "
               "zu 180 Minuten verschoben wie in sunset-15";
        QTest::newRow("FSEQ file with a wrong magic")
            << MakeRefusal([] { return fseq::importBytes(QByteArray(64, 'x'), {}).problem; })
            << "This is not an FSEQ sequence: it does not start with \"PSEQ\". Pick a sequence exported as FSEQ."
            << "Das ist keine FSEQ-Sequenz: sie beginnt nicht mit „PSEQ“. Wählen Sie eine als FSEQ exportierte Sequenz.";
        QTest::newRow("scheme file missing")
            << MakeRefusal([] {
                   QTemporaryDir folder;
                   return pattern::describe(pattern::loadPatternFile(folder.filePath("Data.inf")));
               })
            << "the pattern file is missing" << "die Musterdatei fehlt";
        QTest::newRow("scheme built with an effect that is not there")
            << MakeRefusal([] {
                   QTemporaryDir folder;
                   return scheme::SchemeDraft(folder.filePath("Data.inf")).write({{99, 1}}, {}, [](int) {}).value_or(QString());
               })
            << "There is no effect number 99." << "Es gibt keinen Effekt Nummer 99.";
        QTest::newRow("speed out of range")
            << MakeRefusal([] { return PlayerCommands::speedProblem(75).value_or(QString()); })
            << "The speed is 50 to 1000 ms in steps of 50, not 75."
            << "Die Geschwindigkeit ist 50 bis 1000 ms in Schritten von 50, nicht 75.";
        QTest::newRow("nothing ticked")
            << MakeRefusal([] { return PlayerCommands::selectionProblem(Selection{}).value_or(QString()); })
            << "Tick at least one effect to build a scheme. The current scheme is kept."
            << "Wählen Sie mindestens einen Effekt, um ein Schema zu erstellen. Das aktuelle Schema bleibt.";
        QTest::newRow("API body not an object")
            << MakeRefusal([] {
                   const auto read = body::speed("[150]");
                   const auto *problem = std::get_if<body::Problem>(&read);
                   return problem ? problem->reason : QString();
               })
            << "The body must be a JSON object, such as {}." << "Der Inhalt muss ein JSON-Objekt sein, etwa {}.";
        QTest::newRow("what a follower follows")
            << MakeRefusal([] { return FollowTarget{1, 9}.describe(); }) << "universe 1 from channel 9"
            << "Universum 1 ab Kanal 9";
        QTest::newRow("command line mistake")
            << MakeRefusal([] {
                   CommandLine commandLine;
                   return commandLine.read({"lampotron", "--schedule", "0"}).value_or(QString());
               })
            << "--schedule takes 1 to 366 days." << "--schedule nimmt 1 bis 366 Tage.";
        // The "%2" a user typed stays as typed, though the sentence fills a %2 of its own.
        QTest::newRow("port setting not understood")
            << MakeRefusal([] { return QString::fromStdString(parsePortSetting("lamps%2").error); })
            << "The port setting \"lamps%2\" is not understood. Use /dev/parportN, gpio:CHIP:O0,O1,O2,O3,O4,O5,O6,O7, "
               "ola:UNIVERSE or relay:SERIAL."
            << "Die Port-Einstellung „lamps%2“ wird nicht verstanden. Verwenden Sie /dev/parportN, "
               "gpio:CHIP:O0,O1,O2,O3,O4,O5,O6,O7, ola:UNIVERSE oder relay:SERIAL.";
        QTest::newRow("GPIO setting with seven offsets")
            << MakeRefusal([] { return QString::fromStdString(parsePortSetting("gpio:gpiochip0:0,1,2,3,4,5,6").error); })
            << "The port setting \"gpio:gpiochip0:0,1,2,3,4,5,6\" needs exactly eight line offsets, separated by "
               "commas. Use /dev/parportN, gpio:CHIP:O0,O1,O2,O3,O4,O5,O6,O7, ola:UNIVERSE or relay:SERIAL."
            << "Die Port-Einstellung „gpio:gpiochip0:0,1,2,3,4,5,6“ braucht genau acht Leitungs-Offsets, durch Kommas "
               "getrennt. Verwenden Sie /dev/parportN, gpio:CHIP:O0,O1,O2,O3,O4,O5,O6,O7, ola:UNIVERSE oder relay:SERIAL.";
        QTest::newRow("parallel port that is not there")
            << MakeRefusal([] {
                   QTemporaryDir locks;
                   return QString::fromStdString(makeBackend("/dev/parport99", locks.path().toStdString())->open());
               })
            << "There is no parallel port device /dev/parport99. The computer may have no parallel port, "
               "or the ppdev module is not loaded."
            << "Es gibt kein Parallelport-Gerät /dev/parport99. Der Computer hat vielleicht keinen "
               "Parallelport, oder das Modul ppdev ist nicht geladen.";
    }

    void messagesSpeakTheLanguage()
    {
        QFETCH(MakeRefusal, refusal);
        language::use("de");
        QTEST(refusal(), "german");
        language::use({});
        QTEST(refusal(), "english");
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
