#include "HostileDisk.h"
#include "PortSetting.h"
#include "SelectionStore.h"
#include "SettingsWriter.h"
#include "TemporaryConfigHome.h"

#include <QDir>
#include <QTest>

namespace {
bool privateMounts = false;
}

class TestSettingsStore : public QObject {
    Q_OBJECT

    // Where the user's own settings live, so that a store on the user's file
    // and one on a named file work on the same file.
    QString folder() const { return useTemporaryConfigHome().filePath(QStringLiteral("Lampotron")); }
    QString file() const { return folder() + QStringLiteral("/Lampotron.conf"); }

    void handWrite(const QByteArray &content)
    {
        QFile out(file());
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(content);
    }

    static QByteArray contentOf(const QString &path)
    {
        QFile in(path);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<missing>");
    }

    static Selection selectionWith(int tickedEffect, int repeats)
    {
        Selection selection;
        selection.ticked[static_cast<std::size_t>(tickedEffect)] = true;
        selection.repeats.fill(1);
        selection.repeats[static_cast<std::size_t>(tickedEffect)] = repeats;
        selection.numEffects = QStringLiteral("1");
        return selection;
    }

public:
    static void initMain()
    {
        privateMounts = hostiledisk::usePrivateMounts();
        useTemporaryConfigHome();
    }

private slots:
    void init()
    {
        hostiledisk::unmount(folder());
        QDir(folder()).removeRecursively();
        QVERIFY(QDir().mkpath(folder()));
    }

    void valuesReadAsWrittenByHand_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("port");
        QTest::addColumn<int>("speed");
        const QString gpio = QStringLiteral("gpio:gpiochip0:17,18,27,22,23,24,25,4");
        QTest::newRow("commas unquoted") << QByteArray("[Setting]\nPort=" + gpio.toLatin1() + "\n") << gpio << 100;
        QTest::newRow("commas quoted") << QByteArray("[Setting]\nPort=\"" + gpio.toLatin1() + "\"\n") << gpio << 100;
        QTest::newRow("plain") << QByteArray("[Setting]\nPort=ola:1\nSpeed=250\n") << "ola:1" << 250;
        QTest::newRow("not a number") << QByteArray("[Setting]\nSpeed=fast\n") << "/dev/parport0" << 100;
        QTest::newRow("too large") << QByteArray("[Setting]\nSpeed=99999999999\n") << "/dev/parport0" << 1000;
        QTest::newRow("too small") << QByteArray("[Setting]\nSpeed=-3\n") << "/dev/parport0" << 50;
        QByteArray garbage;
        for (int i = 0; i < 4096; ++i)
            garbage += static_cast<char>((i * 131) % 256);
        QTest::newRow("damaged") << garbage << "/dev/parport0" << 100;
    }

    void valuesReadAsWrittenByHand()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, port);
        QFETCH(int, speed);
        handWrite(content);
        const SettingsStore store(file());
        QCOMPARE(store.read(settings::Port), port);
        QCOMPARE(parsePortSetting(store.read(settings::Port).toStdString()).kind == PortSetting::Kind::Invalid, false);
        QCOMPARE(store.read(settings::Speed), speed);
    }

    void damagedFileIsKeptAsItWas_data()
    {
        QTest::addColumn<bool>("userFile");
        QTest::addColumn<bool>("readFirst");
        QTest::newRow("written at once") << false << false;
        QTest::newRow("read before the write") << false << true;
        QTest::newRow("the user's file, as at start-up") << true << false;
    }

    // The user's own text of a damaged file is kept, however the store first
    // met it, and a second damaged file never takes the place of the first copy.
    void damagedFileIsKeptAsItWas()
    {
        QFETCH(bool, userFile);
        QFETCH(bool, readFirst);
        for (const QByteArray &damage : {QByteArray("[Setting]\nSpeed=250\n[bad\n\xff\xfe=3\n"), QByteArray("\xff[x\n")}) {
            handWrite(damage);
            const SettingsStore store = userFile ? SettingsStore() : SettingsStore(file());
            QCOMPARE(store.fileName(), file());
            if (readFirst)
                store.read(settings::Speed);
            QCOMPARE(store.write({{"Setting", "Speed", "300"}}), std::nullopt);
            QCOMPARE(SettingsStore(file()).read(settings::Speed), 300);
        }
        QCOMPARE(contentOf(file() + ".damaged"), QByteArray("[Setting]\nSpeed=250\n[bad\n\xff\xfe=3\n"));
        QCOMPARE(contentOf(file() + ".damaged.1"), QByteArray("\xff[x\n"));
    }

    void failedWritesTaintNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder in the file's place") << "folder" << "a folder is in its place";
        QTest::newRow("read-only disk") << "read-only" << "read-only";
        QTest::newRow("full disk") << "full" << "the disk is full";
    }

    void failedWritesTaintNothing()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        if (kind != "folder" && !privateMounts)
            QSKIP("needs root to mount a small file system");
        if (kind != "folder")
            QVERIFY(hostiledisk::mountSmall(folder()));
        const SettingsStore store(file());
        QCOMPARE(store.write({{"Setting", "Speed", "250"}, {"Sheme", "Effect3", "0"}}), std::nullopt);

        if (kind == "folder") {
            QVERIFY(QFile::remove(file()));
            QVERIFY(QDir().mkdir(file()));
        } else if (kind == "read-only") {
            QVERIFY(hostiledisk::makeReadOnly(folder()));
        } else {
            hostiledisk::fill(folder());
        }
        const auto failure = store.write({{"Setting", "Speed", "300"}});
        QVERIFY(failure.has_value());
        QVERIFY2(failure->contains(file()) && failure->contains(reason), qPrintable(*failure));
        if (kind == "folder")
            return;
        // What is stored still reads as stored, not as its fallback.
        QCOMPARE(store.read(settings::effectTicked(3)), 0);

        // Once the disk takes writes again, they are not reported as failures.
        hostiledisk::unmount(folder());
        QCOMPARE(store.write({{"Setting", "Speed", "400"}}), std::nullopt);
        QCOMPARE(SettingsStore(file()).read(settings::Speed), 400);
    }

    // Wherever a build is cut short, the stored selection afterwards is the
    // one the scheme file in place was built from.
    void cutShortBuildLeavesSelectionAndFileInStep_data()
    {
        QTest::addColumn<int>("stepsDone");
        QTest::addColumn<bool>("newInPlace");
        QTest::newRow("before staging") << 0 << false;
        QTest::newRow("after staging") << 1 << false;
        QTest::newRow("after the file moved in") << 2 << true;
        QTest::newRow("after promoting") << 3 << true;
    }

    void cutShortBuildLeavesSelectionAndFileInStep()
    {
        QFETCH(int, stepsDone);
        QFETCH(bool, newInPlace);
        const SettingsStore store(file());
        const SelectionStore selections(store);
        const Selection before = selectionWith(2, 1);
        const Selection after = selectionWith(5, 3);
        QCOMPARE(selections.stage(before, "old file"), std::nullopt);
        QCOMPARE(selections.promote(), std::nullopt);

        if (stepsDone >= 1)
            QCOMPARE(selections.stage(after, "new file"), std::nullopt);
        const QByteArray fileInPlace = stepsDone >= 2 ? "new file" : "old file";
        if (stepsDone >= 3)
            QCOMPARE(selections.promote(), std::nullopt);

        QCOMPARE(selections.recover(fileInPlace), std::nullopt);
        QCOMPARE(selections.read(), newInPlace ? after : before);
        QVERIFY(!store.hasSection(QStringLiteral("ShemeStaged")));
    }

    // A burst of changes is written once, after a quiet moment, off this thread.
    void writerWaitsForQuiet()
    {
        const SettingsStore store(file());
        SettingsWriter writer(store, std::chrono::seconds(10));
        for (int speed = 100; speed <= 500; speed += 50)
            writer.store({"Setting", "Speed", QString::number(speed)});
        QCOMPARE(store.read(settings::Speed), 100);
        writer.flush();
        QCOMPARE(store.read(settings::Speed), 500);
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
