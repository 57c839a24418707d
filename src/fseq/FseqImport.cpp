#include "Fseq.h"

#include "ChannelData.h"
#include "LampPicker.h"

#include <QCoreApplication>
#include <QStringList>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fseq {

namespace {

QString optionsProblem(const ImportOptions &options)
{
    if (options.firstChannel < 1)
        return QCoreApplication::translate("FseqImport", "The first channel is %1; channels are numbered from 1.")
            .arg(options.firstChannel);
    if (options.threshold < 1 || options.threshold > 255)
        return QCoreApplication::translate("FseqImport", "The threshold is %1; it is a channel value from 1 to 255.")
            .arg(options.threshold);
    return {};
}

QString storedRanges(const FseqHeader &header)
{
    constexpr int Shown = 4;
    QStringList shown;
    for (std::size_t i = 0; i < header.ranges.size() && i < Shown; ++i)
        shown << QStringLiteral("%1-%2").arg(header.ranges[i].start + 1).arg(header.ranges[i].start + header.ranges[i].count);
    if (header.ranges.size() > Shown)
        shown << QStringLiteral("...");
    return shown.join(QStringLiteral(", "));
}

// Where each lamp's channel sits in a stored frame, or why the eight
// channels from the first one are not all in the file.
QString lampOffsets(const FseqHeader &header, qint64 first, std::array<qint64, LampCount> &offsets)
{
    const qint64 last = header.lastChannel();
    const qint64 lastLamp = first + LampCount - 1;
    const QString pick =
        last >= LampCount
            ? QCoreApplication::translate("FseqImport", "Pick a first channel from 1 to %1.").arg(last - LampCount + 1)
            : QCoreApplication::translate("FseqImport", "Eight lamps need eight channels.");
    if (first > last)
        return QCoreApplication::translate("FseqImport", "Channel %1 is past the end of this sequence, which has %2 channels. %3")
            .arg(first)
            .arg(last)
            .arg(pick);
    if (lastLamp > last)
        return QCoreApplication::translate("FseqImport",
                                           "Channels %1 to %2 run past the end of this sequence, which has %3 channels. %4")
            .arg(first)
            .arg(lastLamp)
            .arg(last)
            .arg(pick);
    for (int k = 0; k < LampCount; ++k) {
        offsets[k] = header.frameOffsetOf(first + k);
        if (offsets[k] < 0)
            return QCoreApplication::translate("FseqImport",
                                               "Channel %1 is not stored in this sequence, which holds only channels %2. "
                                               "Pick a first channel so that all eight lie among them.")
                .arg(first + k)
                .arg(storedRanges(header));
    }
    return {};
}

ImportResult importFrom(ByteSource &source, const ImportOptions &options)
{
    ImportResult result;
    FseqHeader header;
    std::array<qint64, LampCount> offsets{};
    result.problem = optionsProblem(options);
    if (result.problem.isEmpty())
        result.problem = readHeader(source, header);
    if (result.problem.isEmpty())
        result.problem = lampOffsets(header, options.firstChannel, offsets);
    if (!result.problem.isEmpty())
        return result;

    StepCollector collector(header.frameMs);
    LampPicker picker(offsets, header.channelsPerFrame, options.threshold, collector);
    result.problem = readChannelData(source, header, [&picker](const char *bytes, qint64 length) {
        return picker.take(bytes, length);
    });
    std::vector<pattern::Step> steps = collector.finish();
    if (result.problem.isEmpty() && collector.tooMany())
        result.problem =
            QCoreApplication::translate("FseqImport", "These channels change so often that they make more than %1 steps, "
                                                      "more than a pattern holds. Import a shorter part of the sequence.")
                .arg(pattern::MaxSteps);
    if (result.problem.isEmpty()) {
        result.steps = std::move(steps);
        result.frames = header.frames;
        result.frameMs = header.frameMs;
    }
    return result;
}

} // namespace

ImportResult importBytes(QByteArrayView file, const ImportOptions &options)
{
    if (file.size() > MaxFileBytes)
        return {{},
                QCoreApplication::translate("FseqImport", "The file has %1 MB; a sequence file may have at most %2 MB.")
                    .arg(file.size() >> 20)
                    .arg(MaxFileBytes >> 20)};
    ViewSource source(file);
    return importFrom(source, options);
}

ImportResult importFile(const QString &path, const ImportOptions &options)
{
    // Opened without waiting, so that a pipe or a device named here cannot
    // hold the caller; only then is it checked to be a regular file.
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0)
        return {
            {},
            QCoreApplication::translate("FseqImport", "The file cannot be opened: %1. Check its name and that it may be read.")
                .arg(QString::fromLocal8Bit(strerror(errno)))};
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return {{}, QCoreApplication::translate("FseqImport", "The file cannot be read: %1. Try again.").arg(file.errorString())};
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode))
        return {{}, QCoreApplication::translate("FseqImport", "This is not a regular file; pick a sequence file.")};
    if (status.st_size > MaxFileBytes)
        return {{},
                QCoreApplication::translate("FseqImport", "The file has %1 MB; a sequence file may have at most %2 MB.")
                    .arg(status.st_size >> 20)
                    .arg(MaxFileBytes >> 20)};
    FileSource source(file, status.st_size);
    return importFrom(source, options);
}

} // namespace fseq
