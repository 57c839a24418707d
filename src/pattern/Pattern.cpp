#include "Pattern.h"

#include <QCoreApplication>
#include <QList>

namespace pattern {

QString nameProblem(const QString &name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return QCoreApplication::translate("Pattern", "A pattern needs a name.");
    if (trimmed != name)
        return QCoreApplication::translate("Pattern", "A pattern's name may not start or end with a space.");
    if (name.toUcs4().size() > MaxNameChars)
        return QCoreApplication::translate("Pattern", "A pattern's name has at most %1 characters.").arg(MaxNameChars);
    for (const QChar c : name)
        if (!c.isPrint() && !c.isSurrogate())
            return QCoreApplication::translate("Pattern", "A pattern's name may not hold control characters.");
    return {};
}

QString stepsProblem(const std::vector<Step> &steps)
{
    if (steps.empty())
        return QCoreApplication::translate("Pattern", "A pattern needs at least one step.");
    if (steps.size() > static_cast<std::size_t>(MaxSteps))
        return QCoreApplication::translate("Pattern", "A pattern has at most %1 steps, not %2.").arg(MaxSteps).arg(steps.size());
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const int ms = steps[i].ms;
        if (ms != 0 && (ms < MinStepMs || ms > MaxStepMs))
            return QCoreApplication::translate("Pattern",
                                               "Step %1 lasts %2 ms; a step lasts %3 to %4 ms, or the delay when it has no time.")
                .arg(i + 1)
                .arg(ms)
                .arg(MinStepMs)
                .arg(MaxStepMs);
    }
    return {};
}

} // namespace pattern
