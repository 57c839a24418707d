#pragma once

#include <QByteArrayView>
#include <QFile>

namespace fseq {

// Where a sequence's bytes come from: memory already given, or a file read
// piece by piece, so that a large file is never held whole.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual qint64 size() const = 0;
    // Copies exactly length bytes from offset; false when they cannot be read
    // (a file cut short while it was being read).
    virtual bool readAt(qint64 offset, char *into, qint64 length) = 0;
};

class ViewSource final : public ByteSource {
public:
    explicit ViewSource(QByteArrayView bytes) : bytes(bytes) {}
    qint64 size() const override { return bytes.size(); }
    bool readAt(qint64 offset, char *into, qint64 length) override;

private:
    QByteArrayView bytes;
};

class FileSource final : public ByteSource {
public:
    // size: as the file was found when opened; later growth is not read.
    FileSource(QFile &file, qint64 size) : file(file), bytes(size) {}
    qint64 size() const override { return bytes; }
    bool readAt(qint64 offset, char *into, qint64 length) override;

private:
    QFile &file;
    qint64 bytes;
};

} // namespace fseq
