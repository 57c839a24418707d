// Prints how late the wall-clock timer wakes the schedule after the moment it
// asked for, and what deciding and listing cost, with sun times looked up
// afresh and once known.
//
//   build/bench/schedule_bench [wake-ups]

#include "EntryParser.h"
#include "Percentile.h"
#include "ScheduleListing.h"
#include "TimerfdWallClock.h"

#include <QCoreApplication>
#include <QElapsedTimer>

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

schedule::Schedule berlinSchedule()
{
    QList<schedule::Entry> entries;
    for (const char *text : {"days=Mon-Fri dates=12-01..01-06 on=sunset-15 off=23:00 end=pass",
                             "days=Sat,Sun on=dusk off=01:30", "on=dawn off=sunrise+30"})
        entries << std::get<schedule::Entry>(schedule::parseEntry(static_cast<int>(entries.size()) + 1, QString::fromLatin1(text)));
    return schedule::Schedule(entries, schedule::Place{52.52, 13.40}, QTimeZone("Europe/Berlin"));
}

template <typename Work>
void measure(const char *what, int times, Work work)
{
    QElapsedTimer timer;
    timer.start();
    for (int time = 0; time < times; ++time)
        work();
    std::printf("%s: %.3f ms each\n", what, static_cast<double>(timer.nsecsElapsed()) / 1e6 / times);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    measureWakeUps(argc > 1 ? std::atoi(argv[1]) : 200);
    const QDateTime start = QDateTime::currentDateTimeUtc();
    measure("shouldPlay, sun times looked up afresh", 50, [&] { berlinSchedule().shouldPlay(start); });
    const schedule::Schedule schedule = berlinSchedule();
    measure("shouldPlay, sun times known", 1000, [&] { schedule.shouldPlay(start); });
    measure("listing of 7 days, sun times looked up afresh", 20, [&] { schedule::listSchedule(berlinSchedule(), start, 7); });
}
