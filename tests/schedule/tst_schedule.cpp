#include "EntryParser.h"
#include "FakeWallClock.h"
#include "ScheduleClock.h"
#include "ScheduleListing.h"
#include "ScheduleSettings.h"
#include "TestFiles.h"

#include <QTest>

using namespace schedule;

namespace {

// A town in each zone used.
Place placeIn(const QByteArray &zone)
{
    static const QHash<QByteArray, Place> places{{"Europe/Berlin", {52.52, 13.40}},
                                                 {"America/New_York", {40.71, -74.01}},
                                                 {"Australia/Sydney", {-33.87, 151.21}},
                                                 {"Europe/Oslo", {69.6, 18.96}}};
    return places.value(zone);
}

// Entries as written after Entry1=, Entry2=...
Schedule scheduleOf(const QStringList &entries, const QByteArray &zone)
{
    QList<Entry> parsed;
    for (const QString &text : entries)
        parsed << std::get<Entry>(parseEntry(parsed.size() + 1, text));
    return Schedule(parsed, placeIn(zone), QTimeZone(zone));
}

QDateTime localTime(const QString &text, const QByteArray &zone)
{
    QDateTime moment = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm"));
    moment.setTimeZone(QTimeZone(zone));
    return moment;
}

} // namespace

class TestSchedule : public QObject {
    Q_OBJECT

private slots:
    // Two years on a clock that wakes only when asked: each window starts and
    // stops once, on its own weekdays, at its clock times across the changes
    // to and from summer time; a sun time moves by minutes from one day to
    // the next, never by an hour or a day.
    void followsTwoYears_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("weekdays");
        QTest::addColumn<int>("starts");
        QTest::addColumn<QString>("on");
        QTest::addColumn<QString>("off");
        QTest::newRow("Berlin, weekdays") << QByteArray("Europe/Berlin") << "days=Mon-Fri on=17:00 off=23:00" << "12345" << 522 << "17:00" << "23:00";
        QTest::newRow("Berlin, daytime by the sun") << QByteArray("Europe/Berlin") << "on=sunrise+60 off=sunset-60" << "1234567" << 730 << "" << "";
        QTest::newRow("New York, Friday and Saturday nights") << QByteArray("America/New_York") << "days=Fri,Sat on=dusk off=01:30" << "56" << 209 << "" << "01:30";
        QTest::newRow("Sydney, over New Year") << QByteArray("Australia/Sydney") << "dates=12-20..01-10 on=sunset-30 off=02:30" << "1234567" << 44 << "" << "02:30";
    }

    void followsTwoYears()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QString, entry);
        QFETCH(QString, weekdays);
        QFETCH(int, starts);
        QFETCH(QString, on);
        QFETCH(QString, off);
        FakeWallClock clock(localTime(QStringLiteral("2026-01-01 03:00"), zone));
        ScheduleClock scheduleClock(scheduleOf({entry}, zone), clock);
        QList<QDateTime> changes;
        connect(&scheduleClock, &ScheduleClock::shouldPlayChanged, [&](bool play) {
            QCOMPARE(play, changes.size() % 2 == 1);
            changes << clock.now().toTimeZone(QTimeZone(zone));
        });
        scheduleClock.start();
        clock.runUntil(localTime(QStringLiteral("2028-01-01 03:00"), zone));
        QCOMPARE(changes.size(), 1 + 2 * starts);
        for (int change = 1; change < changes.size(); ++change) {
            const QDateTime &now = changes[change];
            const bool starting = change % 2 == 1;
            if (starting)
                QVERIFY2(weekdays.contains(QString::number(now.date().dayOfWeek())), qPrintable(now.toString(Qt::ISODate)));
            if (!(starting ? on : off).isEmpty())
                QCOMPARE(now.time().toString(QStringLiteral("HH:mm:ss.zzz")), (starting ? on : off) + ":00.000");
            else if (change > 2) {
                const QDateTime &before = changes[change - 2];
                const qint64 days = before.date().daysTo(now.date());
                QVERIFY2(std::abs(before.secsTo(now) - days * 86400) <= days * 300, qPrintable(now.toString(Qt::ISODate)));
            }
        }
    }

    // What should be so at one moment; the next change in UTC, within a
    // minute for sun times (figures from the reference in SolarReference.h).
    void decidesByState_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("at");
        QTest::addColumn<bool>("play");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("next");
        QTest::addColumn<QString>("note");
        const QByteArray berlin = "Europe/Berlin", newYork = "America/New_York";
        QTest::newRow("boot at 18:30 inside 17:00-23:00") << berlin << QStringList{"on=17:00 off=23:00"} << "2026-06-10 18:30" << true << 1 << "2026-06-10T21:00:00Z" << "";
        QTest::newRow("after midnight in Friday's window") << newYork << QStringList{"days=Fri on=dusk off=01:30"} << "2026-06-13 00:45" << true << 1 << "2026-06-13T05:30:00Z" << "";
        QTest::newRow("Saturday, Friday's entry") << newYork << QStringList{"days=Fri on=20:00 off=23:00"} << "2026-06-13 21:00" << false << 1 << "2026-06-20T00:00:00Z" << "";
        QTest::newRow("a day after a range over New Year") << berlin << QStringList{"dates=12-20..01-10 on=17:00 off=23:00"} << "2027-01-11 18:00" << false << 1 << "2027-12-20T16:00:00Z" << "";
        QTest::newRow("overlapping windows hand over") << berlin << QStringList{"on=17:00 off=20:00", "on=19:00 off=23:00"} << "2026-06-10 17:30" << true << 2 << "2026-06-10T21:00:00Z" << "";
        QTest::newRow("02:30 in the gap starts as the clocks jump") << berlin << QStringList{"on=02:30 off=05:00"} << "2026-03-29 01:00" << false << 1 << "2026-03-29T01:00:00Z" << "";
        QTest::newRow("02:30 twice ends at the first") << berlin << QStringList{"on=01:00 off=02:30"} << "2026-10-25 01:30" << true << 1 << "2026-10-25T00:30:00Z" << "";
        QTest::newRow("sunset+30, next day in UTC") << newYork << QStringList{"on=sunset+30 off=23:30"} << "2026-06-21 12:00" << false << 1 << "2026-06-22T01:00:46Z" << "";
        QTest::newRow("sunrise-10, day before in UTC") << QByteArray("Australia/Sydney") << QStringList{"on=sunrise-10 off=09:00"} << "2026-06-21 03:00" << false << 1 << "2026-06-20T20:49:57Z" << "";
        QTest::newRow("dusk+15 as the clocks go back") << berlin << QStringList{"on=dusk+15 off=23:00"} << "2026-10-25 12:00" << false << 1 << "2026-10-25T16:40:41Z" << "";
        QTest::newRow("polar night, no sunset") << QByteArray("Europe/Oslo") << QStringList{"on=sunset off=23:00"} << "2026-12-21 12:00" << false << 1 << ""
                                                << "entry 1 does not run on 2026-12-21: there is no sunset on 2026-12-21 at 69.6°N";
    }

    void decidesByState()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QStringList, entries);
        QFETCH(QString, at);
        QFETCH(bool, play);
        QFETCH(int, entry);
        QFETCH(QString, next);
        QFETCH(QString, note);
        const Verdict verdict = scheduleOf(entries, zone).shouldPlay(localTime(at, zone));
        QCOMPARE(verdict.play, play);
        QCOMPARE(verdict.entry, entry);
        if (!next.isEmpty())
            QVERIFY2(std::abs(verdict.nextChange.secsTo(QDateTime::fromString(next, Qt::ISODate))) <= 60, qPrintable(verdict.nextChange.toString(Qt::ISODate)));
        QCOMPARE(verdict.notes, note.isEmpty() ? QStringList() : QStringList{note});
    }

    void refusesBadEntries_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("problem");
        QTest::newRow("day") << "days=Mon-Fry on=17:00 off=23:00" << "\"Mon-Fry\" is not a list of days";
        QTest::newRow("date") << "dates=02-30..03-01 on=17:00 off=23:00" << "\"02-30..03-01\" is not a range of dates";
        QTest::newRow("offset") << "on=sunset-181 off=23:00" << "\"sunset-181\" is not a time";
        QTest::newRow("a placeholder in the text") << "on=sunset-%1 off=23:00" << "\"sunset-%1\" is not a time; write a clock time such as 23:00, or sunrise, sunset, dawn or dusk, moved by up to 180 minutes";
        QTest::newRow("order") << "on=10:00 off=09:00" << "it would end at 09:00, before it starts at 10:00";
        QTest::newRow("end") << "on=sunset off=23:00 end=later" << "\"later\" is not a way to end";
        QTest::newRow("no end") << "on=17:00" << "it needs a start and an end";
        QTest::newRow("never opens") << "on=dusk off=sunset" << "it would never run: sunset comes before dusk every day";
        QTest::newRow("never opens, with offsets") << "on=sunrise+10 off=dawn+5" << "it would never run: dawn+5 comes before sunrise+10";
        QTest::newRow("play nothing") << "on=17:00 off=23:00 play= " << "play= names nothing to play: A pattern needs a name.";
        QTest::newRow("play a name too long") << "on=17:00 off=23:00 play=" + QString(41, 'x')
                                              << "play=" + QString(41, 'x') + " names nothing to play: A pattern's name has at most 40 characters.";
        QTest::newRow("play before the times") << "play=Blink on=17:00 off=23:00" << "on= comes after play=; write play= last";
        QTest::newRow("play twice") << "on=17:00 off=23:00 play=Blink play=Wave" << "play= comes after play=";
    }

    void refusesBadEntries()
    {
        QFETCH(QString, text);
        QFETCH(QString, problem);
        const std::variant<Entry, QString> parsed = parseEntry(1, text);
        QVERIFY(std::holds_alternative<QString>(parsed));
        QVERIFY2(std::get<QString>(parsed).startsWith(problem), qPrintable(std::get<QString>(parsed)));
    }

    // play= takes the rest of the line: a name may hold spaces, dots and
    // equals signs.
    void readsWhatToPlay_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("the scheme") << "on=17:00 off=23:00 end=pass" << "";
        QTest::newRow("a caption") << "on=17:00 off=23:00 play=перебор схожд." << "перебор схожд.";
        QTest::newRow("spaces within, and around") << "on=17:00 off=23:00\tPLAY=  a = b  c  " << "a = b  c";
        QTest::newRow("a field's name within a word") << "on=17:00 off=23:00 play=lights=on" << "lights=on";
    }

    void readsWhatToPlay()
    {
        QFETCH(QString, text);
        QFETCH(QString, pattern);
        const std::variant<Entry, QString> parsed = parseEntry(1, text);
        const Entry *entry = std::get_if<Entry>(&parsed);
        QVERIFY2(entry, qPrintable(entry ? QString() : std::get<QString>(parsed)));
        QCOMPARE(entry->pattern, pattern);
    }

    // Written by hand: a comma list unquoted, a decimal comma, a stray key.
    void readsTheSettingsFile()
    {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("Lampotron.conf"));
        QVERIFY(writeFile(file, "[Schedule]\nLatitude=52,52\nLongitude=13.40\nEntry1=days=Sat, Sun on=dusk off=01:30\n"
                                "Entry2=on=17:00 off=23:00 end=pass\nEntry10=days= on=17:00 off=18:00\nentry3=on=1\n"));
        const Schedule schedule = readSchedule(SettingsStore(file), QTimeZone("Europe/Berlin"));
        QCOMPARE(schedule.problems(), QStringList({
            "[Schedule] entry3 is ignored: the keys there are Enabled, Latitude, Longitude and Entry1, Entry2 and so on.",
            "[Schedule] Latitude=52,52 is not usable: write degrees from -90 to 90 with a decimal point, such as Latitude=52.52.",
            "[Schedule] Entry1 is ignored: dusk needs the place in [Schedule], such as Latitude=52.52 and Longitude=13.40 (degrees north and east).",
            "[Schedule] Entry10 names no days, so it never runs."}));
        QCOMPARE(schedule.entries().size(), 2);
        QCOMPARE(schedule.entries().first().end, EndOfShow::AfterPass);
    }

    // What the file holds is bounded and made printable before it is quoted:
    // the number of entries, their length, control characters, long values.
    void boundsWhatItReads_data()
    {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<int>("entries");
        QByteArray manyEntries;
        for (int entry = 1; entry <= 150; ++entry)
            manyEntries += "Entry" + QByteArray::number(entry * 2) + "=on=17:00 off=23:00\n";
        QTest::newRow("150 entries") << manyEntries << "[Schedule] has 150 entries; only the first 100, up to Entry200, are used." << 100;
        QTest::newRow("a raw NUL") << QByteArray("Entry1=on=17:00") + '\0' + " off=23:00\nEntry2=on=17:00 off=23:00\n"
                                   << "[Schedule] Entry1 is ignored: it holds a control character, \"\\x00\" at character 9;" << 1;
        QTest::newRow("a 100 kB entry") << "Entry1=days=" + QByteArray(100000, 'M') + "\n"
                                        << "[Schedule] Entry1 is ignored: it is 100005 characters long, and an entry has at most 200;" << 0;
        QTest::newRow("a 100 kB latitude") << "Latitude=" + QByteArray(100000, '5') + "\nEntry1=on=17:00 off=23:00\n"
                                           << "[Schedule] Latitude=" + QString(80, '5') + "\u2026 (100000 characters) is not usable" << 1;
        QTest::newRow("a long field") << "Entry1=days=" + QByteArray(150, 'M') + "\n"
                                      << "[Schedule] Entry1 is ignored: \"" + QString(80, 'M') + "\u2026 (150 characters)\" is not a list of days" << 0;
        QTest::newRow("never opens here") << QByteArray("Latitude=52.5\nLongitude=13.4\nEntry1=on=sunset+100 off=dusk\nEntry2=dates=06-21 on=sunset+40 off=dusk\n")
                                          << "[Schedule] Entry1 is ignored: at 52.5°N it never runs, as on=sunset+100 does not come before off=dusk on any day of the year." << 1;
        QTest::newRow("a control in a key") << QByteArray("Ke\x1by=1\nEntry1=on=17:00 off=23:00\n")
                                            << "[Schedule] Ke\\x1by is ignored" << 1;
    }

    void boundsWhatItReads()
    {
        QFETCH(QByteArray, section);
        QFETCH(QString, problem);
        QFETCH(int, entries);
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("Lampotron.conf"));
        QVERIFY(writeFile(file, "[Schedule]\n" + section));
        const Schedule schedule = readSchedule(SettingsStore(file), QTimeZone("Europe/Berlin"));
        const QString listed = listSchedule(schedule, localTime(QStringLiteral("2026-06-12 10:00"), "Europe/Berlin"), 1);
        QVERIFY2(listed.contains(problem), qPrintable(listed.left(1000)));
        QVERIFY2(listed.size() < 20000 && !listed.contains(QChar(0)), qPrintable(listed.left(1000)));
        QCOMPARE(schedule.entries().size(), entries);
    }

    // Told at once on start, when the clock is set, at the exact second of a
    // change, and when the settings are read anew.
    void followsTheClockWhenSet()
    {
        const QByteArray berlin = "Europe/Berlin";
        FakeWallClock clock(localTime(QStringLiteral("2026-06-10 12:00"), berlin));
        ScheduleClock scheduleClock(scheduleOf({"on=17:00 off=23:00 end=pass"}, berlin), clock);
        QStringList heard;
        connect(&scheduleClock, &ScheduleClock::shouldPlayChanged, [&](bool play, EndOfShow end, const QString &status) {
            heard << QStringLiteral("%1 %2%3: %4").arg(clock.now().toTimeZone(QTimeZone(berlin)).toString(QStringLiteral("HH:mm:ss.zzz")),
                                                        play ? "on" : "off", end == EndOfShow::AfterPass ? " after the pass" : "", status);
        });
        scheduleClock.start();
        clock.set(localTime(QStringLiteral("2026-06-10 18:30"), berlin));
        clock.runUntil(localTime(QStringLiteral("2026-06-11 12:00"), berlin));
        scheduleClock.setSchedule(scheduleOf({"on=11:00 off=13:00"}, berlin));
        QCOMPARE(heard, QStringList({"12:00:00.000 off: on at 17:00 (entry 1)",
                                     "18:30:00.000 on: off at 23:00 (entry 1, at the end of the pass)",
                                     "23:00:00.000 off after the pass: on at Thu 2026-06-11 17:00 (entry 1)",
                                     "12:00:00.000 on: off at 13:00 (entry 1)"}));
    }

    void listsTheDaysAhead()
    {
        const QByteArray berlin = "Europe/Berlin";
        const Schedule schedule = scheduleOf({"days=Fri on=21:00 off=01:30 end=pass", "dates=12-24..12-26 on=17:00 off=22:00",
                                              "on=sunset-30 off=sunset+30 play=перебор схожд.", "days=Mon dates=02-29 on=17:00 off=18:00",
                                              "days=Sat dates=12-31..01-02 on=17:00 off=18:00"}, berlin);
        // Sunset on the 18th is at 15:52:48 (SolarReference.h): to the nearest minute.
        QCOMPARE(listSchedule(schedule, localTime(QStringLiteral("2026-12-18 10:00"), berlin), 2),
                 "On and off times of the 2 days from Fri 2026-12-18, in Europe/Berlin:\n"
                 "Fri 2026-12-18  on 15:23  off 16:23      entry 3: on=sunset-30 off=sunset+30 play=перебор схожд.\n"
                 "Fri 2026-12-18  on 21:00  off Sat 01:30  entry 1: on=21:00 off=01:30 end=pass\n"
                 "Sat 2026-12-19  on 15:23  off 16:23      entry 3: on=sunset-30 off=sunset+30 play=перебор схожд.\n"
                 "entry 2 runs on none of these days; its next day is Thu 2026-12-24\n"
                 "entry 4 runs on none of these days; its next day is Mon 2044-02-29\n"
                 "entry 5 runs on none of these days; its next day is Sat 2027-01-02\n");
    }
};

QTEST_GUILESS_MAIN(TestSchedule)
#include "tst_schedule.moc"
