#include "PatternText.h"

#include <QCoreApplication>
#include <QList>

namespace pattern {

namespace {

constexpr QByteArrayView NameField = "name:";
constexpr QByteArrayView VersionField = "version:";

std::optional<Step> parseStep(QByteArrayView line)
{
    if (line.size() < 8)
        return std::nullopt;
    Step step;
    for (int k = 0; k < 8; ++k) {
        if (line[k] == '1')
            step.lamps |= static_cast<std::uint8_t>(1u << k);
        else if (line[k] != '0')
            return std::nullopt;
    }
    const QByteArrayView rest = line.sliced(8).trimmed();
    if (rest.isEmpty())
        return step;
    if (line[8] != ' ' && line[8] != '\t')
        return std::nullopt;
    bool ok = false;
    step.ms = rest.toInt(&ok);
    if (!ok || step.ms <= 0)
        return std::nullopt;
    return step;
}

} // namespace

QByteArray writePatternText(const Pattern &pattern)
{
    QByteArray text = "# Lampotron pattern\n";
    text += NameField.toByteArray() + ' ' + pattern.name.toUtf8() + '\n';
    text += VersionField.toByteArray() + ' ' + QByteArray::number(pattern.version) + '\n';
    for (const Step &step : pattern.steps) {
        for (int k = 0; k < 8; ++k)
            text += (step.lamps >> k) & 1 ? '1' : '0';
        if (step.ms != 0)
            text += ' ' + QByteArray::number(step.ms);
        text += '\n';
    }
    return text;
}

ParsedPattern readPatternText(QByteArrayView text)
{
    ParsedPattern parsed;
    if (text.size() > MaxPatternTextBytes) {
        parsed.problem =
            QCoreApplication::translate("PatternText", "The pattern file is over %1 bytes.").arg(MaxPatternTextBytes);
        return parsed;
    }
    bool named = false;
    int lineNumber = 0;
    for (QByteArrayView rest = text; !rest.isEmpty();) {
        const qsizetype end = rest.indexOf('\n');
        QByteArrayView line = end < 0 ? rest : rest.first(end);
        rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
        ++lineNumber;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith('#'))
            continue;
        if (line.startsWith(NameField)) {
            parsed.pattern.name = QString::fromUtf8(line.sliced(NameField.size()).trimmed());
            named = true;
        } else if (line.startsWith(VersionField)) {
            bool ok = false;
            parsed.pattern.version = line.sliced(VersionField.size()).trimmed().toInt(&ok);
            if (!ok || parsed.pattern.version < 0) {
                parsed.problem =
                    QCoreApplication::translate("PatternText", "Line %1: the version is not a whole number.").arg(lineNumber);
                return parsed;
            }
        } else if (const auto step = parseStep(line)) {
            if (parsed.pattern.steps.size() >= static_cast<std::size_t>(MaxSteps)) {
                parsed.problem = QCoreApplication::translate("PatternText", "The pattern has more than %1 steps.").arg(MaxSteps);
                return parsed;
            }
            parsed.pattern.steps.push_back(*step);
        } else {
            parsed.problem =
                QCoreApplication::translate("PatternText", "Line %1 is not a step: a step is eight characters 0 or 1, then "
                                                           "its time in ms if it has one.")
                    .arg(lineNumber);
            return parsed;
        }
    }
    if (!named)
        parsed.problem = QCoreApplication::translate("PatternText", "The pattern file has no \"name:\" line.");
    else if (QString problem = nameProblem(parsed.pattern.name); !problem.isEmpty())
        parsed.problem = problem;
    else
        parsed.problem = stepsProblem(parsed.pattern.steps);
    return parsed;
}

} // namespace pattern
