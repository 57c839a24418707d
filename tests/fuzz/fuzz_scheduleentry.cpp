#include "EntryParser.h"
#include "Schedule.h"

#include <cstdint>

// Any text as an entry of [Schedule]: it is read, or refused with a reason
// that is short and holds no control character, whatever the text held. One
// that is read decides a moment of polar night and one as the clocks go
// forward, north of the Arctic Circle, each with its next change after it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QTimeZone zone("Europe/Oslo");
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const std::variant<schedule::Entry, QString> parsed = schedule::parseEntry(1, text);
    if (const QString *problem = std::get_if<QString>(&parsed)) {
        if (problem->isEmpty())
            qFatal("an entry was refused without a reason");
        if (problem->size() > 600)
            qFatal("a reason of %lld characters", static_cast<long long>(problem->size()));
        for (QChar character : *problem) {
            if (character.category() == QChar::Other_Control)
                qFatal("a reason holds the control character %#x", character.unicode());
        }
        return 0;
    }
    const schedule::Schedule schedule({std::get<schedule::Entry>(parsed)}, schedule::Place{69.6, 18.96}, zone);
    for (const QDateTime &at : {QDateTime(QDate(2026, 12, 21), QTime(12, 0), QTimeZone::utc()),
                                QDateTime(QDate(2026, 3, 29), QTime(0, 59), QTimeZone::utc())}) {
        const schedule::Verdict verdict = schedule.shouldPlay(at);
        if (verdict.nextChange.isValid() && verdict.nextChange <= at)
            qFatal("the next change, %s, is not after %s", qPrintable(verdict.nextChange.toString(Qt::ISODate)),
                   qPrintable(at.toString(Qt::ISODate)));
    }
    return 0;
}
