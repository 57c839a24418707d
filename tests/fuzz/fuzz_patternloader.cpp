#include "PatternLoader.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

// Any bytes as the pattern file, loaded and then read row by row as playback does.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Data.inf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size)) != static_cast<qint64>(size))
        qFatal("cannot write %s", qPrintable(path));
    file.close();

    const pattern::LoadResult result = pattern::loadPatternFile(path);
    if (result.table.has_value() == result.failure.has_value())
        qFatal("a load must give either a table or a failure");
    for (int row = 0; result.table && row < result.table->rowCount(); ++row)
        result.table->litLines(row);
    return 0;
}
