#pragma once

#include "Pattern.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

namespace fseq {

// Larger files are refused unread.
inline constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;
// What a compressed file may expand to in all; more is refused, so a small
// file cannot keep the importer busy for minutes.
inline constexpr qint64 MaxChannelDataBytes = 4LL * 1024 * 1024 * 1024;
inline constexpr int LampCount = 8;

struct ImportOptions {
    int firstChannel = 1; // 1-based: lamp k comes from channel firstChannel + k
    int threshold = 128;  // a channel at or above it lights its lamp
};

struct ImportResult {
    std::vector<pattern::Step> steps;
    QString problem; // empty when the file was read
    qint64 frames = 0;
    int frameMs = 0;
};

ImportResult importBytes(QByteArrayView file, const ImportOptions &options);
// A regular file only: a pipe or a device is refused without waiting on it.
ImportResult importFile(const QString &path, const ImportOptions &options);

inline constexpr int ExportFrameMsChoices[] = {25, 50};

struct ExportResult {
    QByteArray file;
    QString problem; // empty when the file was made
};

// Version 2, uncompressed, eight channels at 255 (lit) or 0. A step lasts
// the nearest whole number of frames, at least one; a step without a time
// of its own lasts delayMs.
ExportResult exportSteps(const std::vector<pattern::Step> &steps, int frameMs, int delayMs);

} // namespace fseq
