#include "ByteSource.h"

#include <cstring>

namespace fseq {

bool ViewSource::readAt(qint64 offset, char *into, qint64 length)
{
    if (offset < 0 || length < 0 || offset > bytes.size() || length > bytes.size() - offset)
        return false;
    std::memcpy(into, bytes.data() + offset, static_cast<std::size_t>(length));
    return true;
}

bool FileSource::readAt(qint64 offset, char *into, qint64 length)
{
    if (offset < 0 || length < 0 || offset > bytes || length > bytes - offset)
        return false;
    return file.seek(offset) && file.read(into, length) == length;
}

} // namespace fseq
