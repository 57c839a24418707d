#include "EntryParser.h"

#include "Pattern.h"
#include "PrintableText.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>

namespace schedule {

namespace {

constexpr int MaxOffsetMinutes = 180;
// The longest sensible entry is about 70 characters.
constexpr qsizetype MaxEntryLength = 200;

// Bit 0 is Monday; the names are Qt's short English ones, Mon..Sun.
std::optional<int> weekdayBit(const QString &name)
{
    for (int day = Qt::Monday; day <= Qt::Sunday; ++day) {
        if (name.compare(QLocale::c().dayName(day, QLocale::ShortFormat), Qt::CaseInsensitive) == 0)
            return day - 1;
    }
    return std::nullopt;
}

// "Mon-Fri,Sun"; a range may wrap over the week's end, as Fri-Mon does.
std::optional<std::bitset<7>> parseDays(const QString &value)
{
    std::bitset<7> days;
    for (const QString &item : value.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList ends = item.split(QLatin1Char('-'));
        const std::optional<int> first = weekdayBit(ends.first());
        const std::optional<int> last = weekdayBit(ends.last());
        if (ends.size() > 2 || !first || !last)
            return std::nullopt;
        for (int day = *first;; day = (day + 1) % 7) {
            days.set(day);
            if (day == *last)
                break;
        }
    }
    return days;
}

// "12-24" as 1224. Any day of a leap year is allowed.
std::optional<int> parseMonthDay(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d\\d)-(\\d\\d)$"));
    const QRegularExpressionMatch match = pattern.match(text);
    const int month = match.captured(1).toInt();
    const int day = match.captured(2).toInt();
    if (!match.hasMatch() || !QDate(2000, month, day).isValid())
        return std::nullopt;
    return month * 100 + day;
}

// "12-01..01-06", or one day as "12-24".
std::optional<DateRange> parseDates(const QString &value)
{
    const QStringList ends = value.split(QStringLiteral(".."));
    const std::optional<int> first = parseMonthDay(ends.first());
    const std::optional<int> last = parseMonthDay(ends.last());
    if (ends.size() > 2 || !first || !last)
        return std::nullopt;
    return DateRange{*first, *last};
}

// "23:00", "dusk", "sunset-15", "sunrise+30".
std::optional<SwitchTime> parseSwitchTime(const QString &value)
{
    static const QRegularExpression clock(QStringLiteral("^(\\d{1,2}):(\\d\\d)$"));
    static const QRegularExpression sun(QStringLiteral("^(sunrise|sunset|dawn|dusk)(?:([+-])(\\d{1,3}))?$"),
                                        QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch match = clock.match(value); match.hasMatch()) {
        const QTime time(match.captured(1).toInt(), match.captured(2).toInt());
        if (time.isValid())
            return SwitchTime{std::nullopt, time, 0};
    }
    if (const QRegularExpressionMatch match = sun.match(value); match.hasMatch()) {
        const int offset = match.captured(3).toInt() * (match.captured(2) == QLatin1String("-") ? -1 : 1);
        if (std::abs(offset) > MaxOffsetMinutes)
            return std::nullopt;
        for (SunEvent event : {SunEvent::Sunrise, SunEvent::Sunset, SunEvent::Dawn, SunEvent::Dusk}) {
            if (match.captured(1).compare(sunEventName(event), Qt::CaseInsensitive) == 0)
                return SwitchTime{event, QTime(), offset};
        }
    }
    return std::nullopt;
}

// Sun events in the order they come every day, wherever they come at all.
int orderInTheDay(SunEvent event)
{
    switch (event) {
    case SunEvent::Dawn:
        return 0;
    case SunEvent::Sunrise:
        return 1;
    case SunEvent::Sunset:
        return 2;
    case SunEvent::Dusk:
        break;
    }
    return 3;
}

// A window that stays within one day must close after it opens. One that
// ends at a sun event that always comes first, as on=dusk off=sunset, never
// opens. Between a clock time and a sun time, it depends on the day.
bool closesBeforeOpening(const Entry &entry)
{
    if (entry.closesNextDay())
        return false;
    if (entry.on.sun && entry.off.sun)
        return orderInTheDay(*entry.off.sun) <= orderInTheDay(*entry.on.sun) && entry.off.offsetMinutes <= entry.on.offsetMinutes;
    if (entry.on.sun || entry.off.sun)
        return false;
    return entry.off.clock <= entry.on.clock;
}

// The first character that is neither printable nor a space or tab.
qsizetype firstControl(const QString &text)
{
    for (qsizetype index = 0; index < text.size(); ++index) {
        const QChar character = text.at(index);
        if (character != QLatin1Char('\t') && (character.category() == QChar::Other_Control || character.category() == QChar::Separator_Line ||
                                                 character.category() == QChar::Separator_Paragraph))
            return index;
    }
    return -1;
}

// A built-in effect's caption or a user pattern's name; whether there is
// one by that name is known only when the window opens.
QString readPlay(Entry &entry, const QString &name)
{
    static const QRegularExpression anotherField(QStringLiteral("\\s(days|dates|on|off|end|play)="), QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch match = anotherField.match(name); match.hasMatch())
        return QCoreApplication::translate("ScheduleEntry",
                                           "%1= comes after play=; write play= last, as the name it takes may hold spaces")
            .arg(match.captured(1).toLower());
    if (const QString problem = pattern::nameProblem(name); !problem.isEmpty())
        return QCoreApplication::translate("ScheduleEntry",
                                           "play=%1 names nothing to play: %2 Write the name of an effect or a pattern, such as "
                                           "play=наполнение")
            .arg(printable(name), problem);
    entry.pattern = name;
    return {};
}

QString readField(Entry &entry, const QString &name, const QString &value)
{
    if (name == QLatin1String("days")) {
        const std::optional<std::bitset<7>> days = parseDays(value);
        entry.days = days.value_or(std::bitset<7>());
        return days ? QString()
                    : QCoreApplication::translate("ScheduleEntry",
                                                  "\"%1\" is not a list of days; write days such as Mon-Fri or Sat,Sun "
                                                  "(Mon, Tue, Wed, Thu, Fri, Sat, Sun)")
                          .arg(printable(value));
    }
    if (name == QLatin1String("dates")) {
        entry.dates = parseDates(value);
        return entry.dates ? QString()
                           : QCoreApplication::translate("ScheduleEntry",
                                                         "\"%1\" is not a range of dates; write it as month-day..month-day, "
                                                         "such as 12-01..01-06")
                                 .arg(printable(value));
    }
    if (name == QLatin1String("on") || name == QLatin1String("off")) {
        const std::optional<SwitchTime> time = parseSwitchTime(value);
        (name == QLatin1String("on") ? entry.on : entry.off) = time.value_or(SwitchTime());
        return time ? QString()
                    : QCoreApplication::translate("ScheduleEntry",
                                                  "\"%1\" is not a time; write a clock time such as 23:00, or sunrise, sunset, "
                                                  "dawn or dusk, moved by up to %2 minutes as in sunset-15")
                          .arg(printable(value), QString::number(MaxOffsetMinutes));
    }
    if (value.compare(QLatin1String("pass"), Qt::CaseInsensitive) == 0)
        entry.end = EndOfShow::AfterPass;
    else if (value.compare(QLatin1String("now"), Qt::CaseInsensitive) != 0)
        return QCoreApplication::translate("ScheduleEntry",
                                           "\"%1\" is not a way to end; write end=now (stop at once) or end=pass "
                                           "(stop after the scheme's last row)")
            .arg(printable(value));
    return {};
}

} // namespace

std::variant<Entry, QString> parseEntry(int number, const QString &text)
{
    static const QStringList names{QStringLiteral("days"), QStringLiteral("dates"), QStringLiteral("on"),
                                   QStringLiteral("off"), QStringLiteral("end")};
    if (text.size() > MaxEntryLength)
        return QCoreApplication::translate("ScheduleEntry",
                                           "it is %1 characters long, and an entry has at most %2; write one window per entry, "
                                           "such as on=sunset off=23:00")
            .arg(text.size())
            .arg(MaxEntryLength);
    if (const qsizetype control = firstControl(text); control >= 0)
        return QCoreApplication::translate(
                   "ScheduleEntry", "it holds a control character, \"%1\" at character %2; write it as plain text on one line")
            .arg(printable(text.mid(control, 1)))
            .arg(control + 1);
    Entry entry;
    entry.number = number;
    entry.days.set();
    // A name may hold spaces, so play= takes the rest of the line.
    static const QRegularExpression play(QStringLiteral("(?:^|\\s)play=(.*)$"), QRegularExpression::CaseInsensitiveOption);
    QString fields = text;
    if (const QRegularExpressionMatch match = play.match(text); match.hasMatch()) {
        fields = text.left(match.capturedStart());
        if (const QString problem = readPlay(entry, match.captured(1).trimmed()); !problem.isEmpty())
            return problem;
    }
    QSet<QString> seen;
    static const QRegularExpression spaces(QStringLiteral("\\s+"));
    for (const QString &field : fields.split(spaces, Qt::SkipEmptyParts)) {
        const qsizetype equals = field.indexOf(QLatin1Char('='));
        const QString name = field.left(equals).toLower();
        if (equals < 0 || !names.contains(name))
            return QCoreApplication::translate("ScheduleEntry", "\"%1\" is none of days=, dates=, on=, off=, end= and play=")
                .arg(printable(field));
        if (seen.contains(name))
            return QCoreApplication::translate("ScheduleEntry", "%1= is given twice").arg(name);
        seen.insert(name);
        if (const QString problem = readField(entry, name, field.mid(equals + 1)); !problem.isEmpty())
            return problem;
    }
    if (!seen.contains(QStringLiteral("on")) || !seen.contains(QStringLiteral("off")))
        return QCoreApplication::translate("ScheduleEntry", "it needs a start and an end, such as on=sunset off=23:00");
    if (closesBeforeOpening(entry) && entry.on.sun && entry.on.sun != entry.off.sun)
        return QCoreApplication::translate("ScheduleEntry", "it would never run: %1 comes before %2 every day")
            .arg(entry.off.text(), entry.on.text());
    if (closesBeforeOpening(entry)) {
        return QCoreApplication::translate("ScheduleEntry",
                                           "it would end at %1, before it starts at %2; a window runs past midnight only from "
                                           "the afternoon (12:00 or later, sunset, dusk) into the morning (before 12:00, "
                                           "sunrise, dawn)")
            .arg(entry.off.text(), entry.on.text());
    }
    return entry;
}

} // namespace schedule
