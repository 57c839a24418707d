#include "PatternLoader.h"

#include <QCoreApplication>
#include <QFile>

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pattern {

namespace {

// Collects the start of each line while the file streams past, so memory
// stays bounded whatever the length of the lines.
class LineCollector {
public:
    explicit LineCollector(PatternTable &table) : table_(table) {}

    // Returns false once the file has too many lines.
    bool feed(const char *data, qsizetype size)
    {
        for (qsizetype i = 0; i < size; ++i) {
            const char c = data[i];
            if (c == '\n') {
                if (!endLine())
                    return false;
                continue;
            }
            if (length_ < static_cast<qsizetype>(head_.size()))
                head_[static_cast<std::size_t>(length_)] = c;
            ++length_;
            lineOpen_ = true;
        }
        return true;
    }

    bool finish() { return lineOpen_ ? endLine() : true; }

private:
    bool endLine()
    {
        if (table_.rowCount() >= PatternTable::MaxRows)
            return false;
        qsizetype used = std::min<qsizetype>(length_, static_cast<qsizetype>(head_.size()));
        if (length_ == used && used > 0 && head_[static_cast<std::size_t>(used - 1)] == '\r')
            --used;
        // A line cut short here could turn into a wrong time; it keeps its
        // eight characters only.
        if (length_ > static_cast<qsizetype>(head_.size()))
            used = std::min<qsizetype>(used, PatternTable::Lines);
        table_.appendRow(std::string_view(head_.data(), static_cast<std::size_t>(used)));
        length_ = 0;
        lineOpen_ = false;
        return true;
    }

    PatternTable &table_;
    // A row, its own time with room for spaces, and one more, so that a CR
    // at the end can be told from a longer line.
    std::array<char, PatternTable::Lines + 24> head_{};
    qsizetype length_ = 0;
    bool lineOpen_ = false;
};

} // namespace

LoadResult loadPatternFile(const QString &path)
{
    // Without O_NONBLOCK a pipe in the file's place would wait for a writer.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return {std::nullopt, errno == ENOENT ? LoadFailure::Missing : LoadFailure::Unreadable};
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {std::nullopt, LoadFailure::Unreadable};
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return {std::nullopt, LoadFailure::Unreadable};
    if (!S_ISREG(status.st_mode))
        return {std::nullopt, LoadFailure::NotAFile};
    if (status.st_size > MaxSchemeBytes)
        return {std::nullopt, LoadFailure::TooLarge, status.st_size};

    PatternTable table;
    table.reserve(static_cast<int>(std::min<qint64>(status.st_size / 10 + 1, PatternTable::MaxRows)));
    LineCollector lines(table);
    std::array<char, 64 * 1024> buffer;
    // A file that grows while it is read, or one that gives no size, is
    // still read no further than the limit.
    for (qint64 total = 0;;) {
        const qint64 got = file.read(buffer.data(), static_cast<qint64>(buffer.size()));
        if (got < 0)
            return {std::nullopt, LoadFailure::Unreadable};
        if (got == 0)
            break;
        total += got;
        if (total > MaxSchemeBytes)
            return {std::nullopt, LoadFailure::TooLarge, total};
        if (!lines.feed(buffer.data(), got))
            return {std::nullopt, LoadFailure::TooManyLines};
    }
    if (!lines.finish())
        return {std::nullopt, LoadFailure::TooManyLines};
    if (table.rowCount() == 0)
        return {std::nullopt, LoadFailure::Empty};
    return {std::move(table), std::nullopt};
}

QString describe(const LoadResult &result)
{
    switch (result.failure.value_or(LoadFailure::Unreadable)) {
    case LoadFailure::Missing:
        return QCoreApplication::translate("PatternLoader", "the pattern file is missing");
    case LoadFailure::Unreadable:
        return QCoreApplication::translate("PatternLoader", "the pattern file cannot be read");
    case LoadFailure::NotAFile:
        return QCoreApplication::translate("PatternLoader",
                                           "the pattern file is not a plain file (a folder, device or pipe is in its place)");
    case LoadFailure::TooLarge:
        return QCoreApplication::translate("PatternLoader",
                                           "the pattern file is at least %1 bytes, more than the %2 bytes that %3 rows can take")
            .arg(result.fileSize)
            .arg(MaxSchemeBytes)
            .arg(PatternTable::MaxRows);
    case LoadFailure::Empty:
        return QCoreApplication::translate("PatternLoader", "the pattern file has no rows");
    case LoadFailure::TooManyLines:
        return QCoreApplication::translate("PatternLoader", "the pattern file has more than %1 lines").arg(PatternTable::MaxRows);
    }
    return {};
}

} // namespace pattern
