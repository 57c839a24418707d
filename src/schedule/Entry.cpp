#include "Entry.h"

#include <QCoreApplication>

namespace schedule {

QString sunEventName(SunEvent event)
{
    switch (event) {
    case SunEvent::Sunrise:
        return QStringLiteral("sunrise");
    case SunEvent::Sunset:
        return QStringLiteral("sunset");
    case SunEvent::Dawn:
        return QStringLiteral("dawn");
    case SunEvent::Dusk:
        break;
    }
    return QStringLiteral("dusk");
}

bool SwitchTime::isMorning() const
{
    if (sun)
        return *sun == SunEvent::Sunrise || *sun == SunEvent::Dawn;
    return clock.hour() < 12;
}

QString SwitchTime::text() const
{
    if (!sun)
        return clock.toString(QStringLiteral("HH:mm"));
    if (offsetMinutes == 0)
        return sunEventName(*sun);
    return QStringLiteral("%1%2%3").arg(sunEventName(*sun), offsetMinutes > 0 ? QStringLiteral("+") : QString()).arg(offsetMinutes);
}

QString SwitchTime::sunText() const
{
    if (!sun)
        return {};
    if (offsetMinutes == 0)
        return sunEventName(*sun);
    const QString sign = offsetMinutes > 0 ? QStringLiteral("+") : QStringLiteral("\u2212");
    return QCoreApplication::translate("ScheduleEntry", "%1 %2%3 min").arg(sunEventName(*sun), sign).arg(std::abs(offsetMinutes));
}

bool DateRange::contains(QDate day) const
{
    const int date = day.month() * 100 + day.day();
    if (first <= last)
        return first <= date && date <= last;
    return date >= first || date <= last;
}

bool Entry::opensOn(QDate day) const
{
    return days.test(day.dayOfWeek() - 1) && (!dates || dates->contains(day));
}

} // namespace schedule
