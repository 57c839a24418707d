#include "HostileDisk.h"
#include "PortSetting.h"
#include "SelectionStore.h"
#include "SettingsWriter.h"
#include "TestFiles.h"

#include <QTest>

#include <sys/fsuid.h>

namespace {
bool privateMounts = false;
}

class TestSettingsStore : public QObject {
    Q_OBJECT

    // The user's own settings file, so that a store on it and one on a named
    // file work on the same file.
    QString folder() const { return useTemporaryHome().filePath("config/Lampotron"); }
    QString file() const { return folder() + "/Lampotron.conf"; }

public:
    static void initMain() { privateMounts = hostiledisk::usePrivateMounts(); }

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
        QTest::addColumn<QString>("problem");
        const QByteArray gpio = "gpio:gpiochip0:17,18,27,22,23,24,25,4";
        QTest::newRow("commas unquoted") << "[Setting]\nPort=" + gpio + "\nSpeed=250\n" << QString(gpio) << 250 << "";
        QTest::newRow("commas quoted") << "[Setting]\nPort=\"" + gpio + "\"\n" << QString(gpio) << 100 << "";
        QTest::newRow("no permission") << QByteArray("[Setting]\nSpeed=250\n") << "/dev/parport0" << 100
                                       << ": permission denied;";
    }

    // Read as a plain user would: root reads any file.
    void valuesReadAsWrittenByHand()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, port);
        QFETCH(int, speed);
        QFETCH(QString, problem);
        QVERIFY(writeFile(file(), content) && (problem.isEmpty() || QFile::setPermissions(file(), {})));
        QVERIFY(QFile::setPermissions(useTemporaryHome().path(), QFile::permissions(folder())));
        const SettingsStore store(file());
        const int owner = ::setfsuid(65534);
        const QString readPort = store.read(settings::Port);
        const int readSpeed = store.read(settings::Speed);
        const QString readProblem = store.readProblem().value_or("");
        ::setfsuid(owner);
        QCOMPARE(readPort, port);
        QVERIFY(parsePortSetting(port.toStdString()).kind != PortSetting::Kind::Invalid);
        QCOMPARE(readSpeed, speed);
        QCOMPARE(readProblem.contains("cannot read the settings file " + file() + problem), !problem.isEmpty());
    }

    // The user's own text, however the store first met it; a second damaged
    // file never takes the place of the first copy.
    void damagedFileIsKeptAsItWas_data()
    {
        QTest::addColumn<bool>("readFirst");
        QTest::addColumn<bool>("readBeforeDamage");
        QTest::newRow("written at once") << false << false;
        QTest::newRow("the user's file, read at start-up") << true << false;
        QTest::newRow("damaged after the store read it") << true << true;
    }

    void damagedFileIsKeptAsItWas()
    {
        QFETCH(bool, readFirst);
        QFETCH(bool, readBeforeDamage);
        QVERIFY(writeFile(file(), "[Setting]\nSpeed=250\n"));
        const SettingsStore early(file());
        QCOMPARE(early.read(settings::Speed), 250);
        for (const QByteArray &damage : {QByteArray("[Setting]\nSpeed=250\n[bad\n\xff\xfe=3\n"), QByteArray("\xff[x\n")}) {
            QVERIFY(writeFile(file(), damage));
            const SettingsStore store = readBeforeDamage ? early : readFirst ? SettingsStore() : SettingsStore(file());
            QCOMPARE(store.fileName(), file());
            if (readFirst)
                store.read(settings::Speed);
            QCOMPARE(store.write({{"Setting", "Speed", "300"}}), std::nullopt);
            QCOMPARE(SettingsStore(file()).read(settings::Speed), 300);
        }
        QCOMPARE(readFile(file() + ".damaged") + readFile(file() + ".damaged.1"),
                 QByteArray("[Setting]\nSpeed=250\n[bad\n\xff\xfe=3\n\xff[x\n"));
    }

    void failedWritesTaintNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("read-only disk") << "read-only" << "read-only";
        QTest::newRow("full disk") << "full" << "the disk is full";
    }

    // Reads still give what is stored; once the disk takes writes again,
    // they are not reported as failures.
    void failedWritesTaintNothing()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        if (!(privateMounts && hostiledisk::mountSmall(folder())))
            QSKIP("needs root to mount a small file system");
        const SettingsStore store(file());
        QCOMPARE(store.write({{"Setting", "Speed", "250"}, {"Sheme", "Effect3", "0"}}), std::nullopt);
        if (kind == "read-only")
            QVERIFY(hostiledisk::makeReadOnly(folder()));
        else
            hostiledisk::fill(folder());
        const auto failure = store.write({{"Setting", "Speed", "300"}});
        QVERIFY2(failure && failure->contains(file()) && failure->contains(reason), qPrintable(failure.value_or("saved")));
        QCOMPARE(store.read(settings::effectTicked(3)), 0);
        hostiledisk::unmount(folder());
        QCOMPARE(store.write({{"Setting", "Speed", "400"}}), std::nullopt);
        QCOMPARE(SettingsStore(file()).read(settings::Speed), 400);
    }

    // Wherever a build is cut short, the selection afterwards is the one the
    // scheme file in place was built from.
    void cutShortBuildLeavesSelectionAndFileInStep_data()
    {
        QTest::addColumn<int>("stepsDone");
        QTest::newRow("before staging") << 0;
        QTest::newRow("after staging") << 1;
        QTest::newRow("after the file moved in") << 2;
        QTest::newRow("after promoting") << 3;
    }

    void cutShortBuildLeavesSelectionAndFileInStep()
    {
        QFETCH(int, stepsDone);
        const SettingsStore store(file());
        const SelectionStore selections(store);
        Selection before, after;
        before.repeats.fill(1);
        after.repeats.fill(3);
        after.ticked[5] = true;
        QVERIFY(!selections.stage(before, "old file") && !selections.promote());
        if (stepsDone >= 1)
            QCOMPARE(selections.stage(after, "new file"), std::nullopt);
        if (stepsDone >= 3)
            QCOMPARE(selections.promote(), std::nullopt);
        QCOMPARE(selections.recover(stepsDone >= 2 ? "new file" : "old file"), std::nullopt);
        QCOMPARE(selections.read().repeats, (stepsDone >= 2 ? after : before).repeats);
        QCOMPARE(selections.read().ticked, (stepsDone >= 2 ? after : before).ticked);
        QVERIFY(!store.hasSection("ShemeStaged"));
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
