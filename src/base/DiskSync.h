#pragma once

#include <QString>

#include <functional>
#include <optional>

// Puts an open file, or an open folder's list of names, on disk; `path`
// names it in the message. Returns what went wrong. A parameter of this type
// lets a test stand in for a disk that fails.
using DiskSync = std::function<std::optional<QString>(int fd, const QString &path)>;
std::optional<QString> syncToDisk(int fd, const QString &path);
