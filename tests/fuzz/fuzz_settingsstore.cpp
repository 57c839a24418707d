#include "SelectionStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

// Any bytes as the user's settings file: every key the program reads, then
// one write, which must take and must keep the user's own text aside. Each
// input gets a folder of its own, as QSettings caches files by path.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QTemporaryDir home;
    static int count = 0;
    const QString folder = home.filePath(QString::number(count++));
    const QString path = folder + QStringLiteral("/Lampotron.conf");
    const QByteArray original(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QFile file(path);
    if (!QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly) || file.write(original) != original.size())
        qFatal("cannot write %s", qPrintable(path));
    file.close();

    const SettingsStore store(path);
    store.read(settings::Port);
    SelectionStore(store).read();
    if (const auto failure = store.write({{"Setting", "Speed", "300"}}))
        qFatal("%s", qPrintable(*failure));
    if (store.read(settings::Speed) != 300)
        qFatal("the speed just written reads back as something else");
    QFile kept(path + QStringLiteral(".damaged"));
    if (kept.open(QIODevice::ReadOnly) && kept.readAll() != original)
        qFatal("the copy kept aside differs from the user's file");
    QDir(folder).removeRecursively();
    return 0;
}
