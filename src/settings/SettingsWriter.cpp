#include "SettingsWriter.h"

SettingsWriter::SettingsWriter(SettingsStore store, std::chrono::milliseconds quiet, QObject *parent)
    : QObject(parent), store_(std::move(store))
{
    quiet_.setSingleShot(true);
    quiet_.setInterval(quiet);
    connect(&quiet_, &QTimer::timeout, this, &SettingsWriter::writePending);
    inThread_.moveToThread(&thread_);
    thread_.start();
}

SettingsWriter::~SettingsWriter()
{
    flush();
    thread_.quit();
    thread_.wait();
}

void SettingsWriter::store(const SettingsStore::Value &value)
{
    pending_.removeIf([&value](const SettingsStore::Value &earlier) {
        return earlier.section == value.section && earlier.key == value.key;
    });
    pending_.append(value);
    quiet_.start();
}

std::optional<QString> SettingsWriter::flush()
{
    quiet_.stop();
    std::optional<QString> failure;
    QMetaObject::invokeMethod(
        &inThread_,
        [this, &failure, values = std::exchange(pending_, {})] {
            if (!values.isEmpty())
                failure = store_.write(values);
        },
        Qt::BlockingQueuedConnection);
    return failure;
}

void SettingsWriter::writePending()
{
    if (pending_.isEmpty())
        return;
    QMetaObject::invokeMethod(&inThread_, [this, values = std::exchange(pending_, {})] {
        if (auto failure = store_.write(values))
            emit failed(*failure);
    });
}
