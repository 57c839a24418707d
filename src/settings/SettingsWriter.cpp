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

void SettingsWriter::flush()
{
    quiet_.stop();
    writePending();
    QMetaObject::invokeMethod(&inThread_, [] {}, Qt::BlockingQueuedConnection);
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
