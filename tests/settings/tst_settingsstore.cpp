#include "SettingsStore.h"
#include "TemporaryConfigHome.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
QTemporaryDir *configHome = nullptr;
}

class TestSettingsStore : public QObject {
    Q_OBJECT

    QString confPath() const { return configHome->filePath(QStringLiteral("Lampotron/Lampotron.conf")); }

    void replaceFile(const QByteArray &content)
    {
        QDir().mkpath(configHome->filePath(QStringLiteral("Lampotron")));
        QFile file(confPath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

public:
    static void initMain()
    {
        configHome = &useTemporaryConfigHome();
    }

private slots:
    void init()
    {
        QFile::remove(confPath());
        QDir(configHome->path()).removeRecursively();
        QDir().mkpath(configHome->path());
    }

    void emptyStoreGivesDefaults()
    {
        SettingsStore store;
        QCOMPARE(store.fileName(), confPath());
        QCOMPARE(store.read("Setting", "Speed", "100"), QStringLiteral("100"));
        QCOMPARE(store.read("Sheme", "NumEffects", "12"), QStringLiteral("12"));
        QCOMPARE(store.readInt("Sheme", "NumRetry3", 1, 1, 10), 1);
    }

    void writeReachesTheDiskAtOnce()
    {
        SettingsStore store;
        QCOMPARE(store.write("Setting", "Speed", "250"), std::nullopt);
        QCOMPARE(store.write("Sheme", "NumRetry11", "7"), std::nullopt);
        QFile file(confPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray onDisk = file.readAll();
        QVERIFY2(onDisk.contains("[Setting]\nSpeed=250"), onDisk.constData());
        QVERIFY2(onDisk.contains("[Sheme]\nNumRetry11=7"), onDisk.constData());
        QCOMPARE(SettingsStore().read("Setting", "Speed", "100"), QStringLiteral("250"));
    }

    void keysAreCaseSensitive()
    {
        SettingsStore store;
        QCOMPARE(store.write("Sheme", "Effect3", "0"), std::nullopt);
        QCOMPARE(store.read("Sheme", "effect3", "1"), QStringLiteral("1"));
        QCOMPARE(store.read("Sheme", "Effect3", "1"), QStringLiteral("0"));
    }

    void integersAreCheckedAndClamped_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("plain") << QByteArray("250") << 250;
        QTest::newRow("not a number") << QByteArray("fast") << 100;
        QTest::newRow("empty") << QByteArray("") << 100;
        QTest::newRow("too large") << QByteArray("99999999999") << 1000;
        QTest::newRow("too small") << QByteArray("-3") << 50;
    }

    void integersAreCheckedAndClamped()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, expected);
        replaceFile("[Setting]\nSpeed=" + stored + "\n");
        QCOMPARE(SettingsStore().readInt("Setting", "Speed", 100, 50, 1000), expected);
    }

    void damagedFileReadsAsDefaults()
    {
        QByteArray garbage;
        for (int i = 0; i < 4096; ++i)
            garbage += static_cast<char>((i * 131) % 256);
        replaceFile(garbage);
        SettingsStore store;
        QCOMPARE(store.read("Setting", "Speed", "100"), QStringLiteral("100"));
        QCOMPARE(store.write("Setting", "Speed", "300"), std::nullopt);
        QCOMPARE(SettingsStore().read("Setting", "Speed", "100"), QStringLiteral("300"));
        QVERIFY(QFile::exists(confPath() + ".damaged"));
    }

    void failedWriteIsReported()
    {
        // A folder where the file should be makes every write fail, even for root.
        QVERIFY(QDir().mkpath(confPath()));
        SettingsStore store;
        const auto error = store.write("Setting", "Speed", "250");
        QVERIFY(error.has_value());
        QVERIFY2(error->contains("Speed"), qPrintable(*error));
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
