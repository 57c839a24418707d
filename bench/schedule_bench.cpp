// Prints how late the wall-clock timer wakes the schedule after the moment it
// asked for, and what reading, deciding and listing cost with the most
// entries a schedule takes, of every kind: windows that open, that never
// open, that do not run for months in the far north, that come up once in
// decades.
//
//   build/bench/schedule_bench [wake-ups]

#include "Percentile.h"
#include "ScheduleListing.h"
#include "ScheduleSettings.h"
#include "TimerfdWallClock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>

namespace {

qint64 realtimeNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// Wakes every 50 ms on whole milliseconds, as schedule changes fall.
void measureWakeUps(int count)
{
    schedule::TimerfdWallClock clock;
    std::vector<double> lateMs;
    qint64 asked = 0;
    QObject::connect(&clock, &schedule::WallClock::woken, [&] {
        lateMs.push_back(static_cast<double>(realtimeNanoseconds() - asked * 1000000) / 1e6);
        if (static_cast<int>(lateMs.size()) == count)
            QCoreApplication::quit();
        asked += 50;
        clock.wakeAt(QDateTime::fromMSecsSinceEpoch(asked, QTimeZone::utc()));
    });
    asked = QDateTime::currentMSecsSinceEpoch() + 50;
    clock.wakeAt(QDateTime::fromMSecsSinceEpoch(asked, QTimeZone::utc()));
    QCoreApplication::exec();
    std::printf("wall-clock wake-up, %d at 50 ms: late by median %.3f ms, p99 %.3f ms, max %.3f ms\n", count,
                percentile(lateMs, 0.5), percentile(lateMs, 0.99), percentile(lateMs, 1.0));
}

enum class Kinds { Mixed, Midsummer, Rare };

// 100 entries, the most a schedule takes, cycling through the kinds; or all
// of them windows that open only around midsummer there (dusk comes less
// than 48 minutes after sunset on other days), so that a decision in winter
// looks half a year ahead; or all on 29 February and one weekday, which comes
// once in 28 years.
QString settingsFile(const QTemporaryDir &folder, double latitude, Kinds kinds)
{
    static const char *const mixed[] = {
        "days=Mon-Fri dates=12-01..01-06 on=sunset-15 off=23:00 end=pass", "days=Sat,Sun on=dusk off=01:30",
        "on=dawn off=sunrise+30", "on=sunset+120 off=dusk", "days=Mon dates=02-29 on=17:00 off=18:00",
        "on=dusk off=23:30", "on=sunrise off=sunset", "on=sunset off=sunrise", "on=18:00 off=sunrise-30",
    };
    const QString name = folder.filePath(QStringLiteral("%1-%2.conf").arg(latitude).arg(static_cast<int>(kinds)));
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(name));
    file.write(QStringLiteral("[Schedule]\nLatitude=%1\nLongitude=15.0\n").arg(latitude).toUtf8());
    for (int entry = 1; entry <= 100; ++entry) {
        const QString text = kinds == Kinds::Midsummer ? QStringLiteral("on=sunset+%1 off=dusk-24").arg(entry % 4 + 20)
                             : kinds == Kinds::Rare ? QStringLiteral("days=%1 dates=02-29 on=17:%2 off=23:00")
                                                          .arg(QLocale::c().dayName(entry % 7 + 1, QLocale::ShortFormat))
                                                          .arg(entry % 60, 2, 10, QLatin1Char('0'))
                                                    : QLatin1String(mixed[entry % std::size(mixed)]);
        file.write(QStringLiteral("Entry%1=%2\n").arg(entry).arg(text).toUtf8());
    }
    return name;
}

template <typename Work>
void measure(const QString &what, int times, Work work)
{
    std::vector<double> ms;
    for (int time = 0; time < times; ++time) {
        QElapsedTimer timer;
        timer.start();
        work();
        ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("%s: median %.3f ms, max %.3f ms\n", qPrintable(what), percentile(ms, 0.5), percentile(ms, 1.0));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    measureWakeUps(argc > 1 ? std::atoi(argv[1]) : 200);
    QTemporaryDir folder;
    const QTimeZone zone("Europe/Oslo");
    // A winter's day and a summer's day, in the polar night and the midnight sun up north.
    for (const QDateTime &at : {QDateTime(QDate(2026, 12, 10), QTime(12, 0), QTimeZone::utc()),
                                QDateTime(QDate(2026, 6, 10), QTime(12, 0), QTimeZone::utc())}) {
        for (const auto &[latitude, kinds] : {std::pair{52.5, Kinds::Mixed}, {78.2, Kinds::Mixed}, {52.5, Kinds::Midsummer}, {52.5, Kinds::Rare}}) {
            const SettingsStore store(settingsFile(folder, latitude, kinds));
            static const QString kindNames[] = {QString(), QStringLiteral(" open around midsummer"), QStringLiteral(" on 29 February")};
            const QString where = QStringLiteral("100 entries%1 at %2°N on %3")
                                      .arg(kindNames[static_cast<int>(kinds)])
                                      .arg(latitude)
                                      .arg(at.date().toString(Qt::ISODate));
            measure(where + QStringLiteral(", read and list 7 days (--schedule 7)"), 10,
                    [&] { schedule::listSchedule(schedule::readSchedule(store, zone), at, 7); });
            measure(where + QStringLiteral(", read and first decision"), 10, [&] { schedule::readSchedule(store, zone).shouldPlay(at); });
            const schedule::Schedule known = schedule::readSchedule(store, zone);
            known.shouldPlay(at);
            measure(where + QStringLiteral(", a decision later that day"), 100, [&] { known.shouldPlay(at.addSecs(3600)); });
        }
    }
}
