#include "HostileDisk.h"
#include "SchemeTransaction.h"
#include "SelectionStore.h"
#include "SettingsWriter.h"
#include "TestFiles.h"

#include <QTest>

#include <sys/fsuid.h>
#include <sys/wait.h>

namespace {
bool privateMounts = false;
}

class TestSettingsStore : public QObject {
    Q_OBJECT

    // The user's own settings file, so that a store on it and one on a named
    // file work on the same file.
    QString folder() const { return useTemporaryHome().filePath("config/Lampotron"); }
    QString file() const { return folder() + "/Lampotron.conf"; }

    QString schemeFolder() const { return useTemporaryHome().filePath("data"); }
    QString scheme() const { return schemeFolder() + "/Data.inf"; }
    QStringList drafts() const { return QDir(schemeFolder()).entryList({".Data.inf*"}, QDir::Files | QDir::Hidden); }

    // Effect 0 twice and effect 4 once: 200 bytes.
    static Selection built() { return {{1, 0, 0, 0, 1}, {2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, {}, {}}; }

    // The new scheme or the old one, and the selection it was built from.
    void checkInStep(const SettingsStore &store, bool replaced, int promoted)
    {
        QCOMPARE(readFile(scheme()).size(), replaced ? 200 : 10);
        const Selection stored = SelectionStore(store).read();
        if (promoted >= 0)
            QCOMPARE(stored.ticked == built().ticked && stored.repeats == built().repeats && stored.numEffects == 2,
                     bool(promoted));
        QVERIFY(!store.hasSection("ShemeStaged"));
        QCOMPARE(drafts(), QStringList());
    }

public:
    static void initMain() { privateMounts = hostiledisk::usePrivateMounts(); }

private slots:
    void init()
    {
        hostiledisk::unmount(folder());
        QDir(folder()).removeRecursively();
        QVERIFY(QDir().mkpath(folder()));
        // Qt keeps its view of a file in memory for the whole process; one
        // look at the file now gone drops what the case before left there.
        SettingsStore(file()).hasSection(QStringLiteral("Sheme"));
        QDir(schemeFolder()).removeRecursively();
        QVERIFY(writeFile(scheme(), "10000001\r\n"));
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
                                       << ": permission denied";
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
        QCOMPARE(readSpeed, speed);
        QCOMPARE(readProblem.contains("cannot read the settings file " + file() + problem), !problem.isEmpty());
    }

    // The user's own text, however the store first met it; a second damaged
    // file never takes the place of the first copy.
    void damagedFileIsKeptAsItWas_data()
    {
        QTest::addColumn<bool>("readFirst");
        QTest::addColumn<bool>("oneStore");
        QTest::newRow("written at once") << false << false;
        QTest::newRow("the user's file, read at start-up") << true << false;
        QTest::newRow("one store for both") << false << true;
    }

    void damagedFileIsKeptAsItWas()
    {
        QFETCH(bool, readFirst);
        QFETCH(bool, oneStore);
        const SettingsStore throughout(file());
        for (const QByteArray &damage : {QByteArray("[Setting]\nSpeed=250\n[bad\n\xff\xfe=3\n"), QByteArray("\xff[x\n")}) {
            QVERIFY(writeFile(file(), damage));
            const SettingsStore fresh = readFirst ? SettingsStore() : SettingsStore(file());
            const SettingsStore &store = oneStore ? throughout : fresh;
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

    // Whatever fails, whatever another copy of the program does meanwhile,
    // and wherever the build dies before the next start puts things right,
    // the scheme in place and the stored selection belong together.
    void buildKeepsSchemeAndSelectionInStep_data()
    {
        QTest::addColumn<QString>("meanwhile"); // when: what
        QTest::addColumn<int>("problem");       // a scheme::SchemeBuildProblem::Kind, -1 for none
        QTest::addColumn<QString>("reason");
        QTest::newRow("nothing goes wrong") << "" << -1 << "";
        QTest::newRow("selection cannot be staged") << "before: settings folder" << 0 << "a folder is in its place";
        QTest::newRow("scheme cannot be replaced") << "before: scheme folder" << 0 << "Cannot replace";
        QTest::newRow("draft removed") << "file sync: remove draft" << 0 << "was removed while it was written";
        QTest::newRow("another copy starts") << "file sync: recover" << -1 << "";
        QTest::newRow("draft not on disk") << "file sync: fails" << 0 << "disk error";
        QTest::newRow("folder not on disk") << "folder sync: fails" << 1 << "disk error";
        QTest::newRow("a copy that saw the old scheme recovers") << "folder sync: old recover" << -1 << "";
        QTest::newRow("selection cannot be promoted") << "folder sync: settings folder" << 2 << "a folder is in its place";
        QTest::newRow("dies before staging") << "file sync: dies" << 0 << "";
        QTest::newRow("dies after the rename") << "folder sync: dies" << -1 << "";
    }

    void buildKeepsSchemeAndSelectionInStep()
    {
        QFETCH(QString, meanwhile);
        QFETCH(int, problem);
        QFETCH(QString, reason);
        const SettingsStore store(file());
        const QByteArray oldFingerprint = scheme::fingerprint(scheme());
        const auto disturb = [&](const QString &when) -> std::optional<QString> {
            const QString what = meanwhile.startsWith(when) ? meanwhile.mid(when.size()) : QString();
            if (what == "remove draft")
                QFile::remove(schemeFolder() + '/' + drafts().value(0));
            if (what.endsWith("folder")) {
                const QString blocked = what == "scheme folder" ? scheme() : file();
                QFile::remove(blocked);
                QDir().mkpath(blocked);
            }
            if (what == "recover")
                scheme::SchemeTransaction(scheme(), SettingsStore(file())).recover();
            // As a copy that looked at the scheme before the rename would.
            if (what == "old recover")
                SelectionStore(store).recover(oldFingerprint);
            if (what == "dies")
                ::_exit(0);
            return what == "fails" ? std::optional<QString>("disk error") : std::nullopt;
        };
        disturb("before: ");
        const scheme::SchemeTransaction build(scheme(), store, [&](int, const QString &name) {
            return disturb(QFileInfo(name).isDir() ? "folder sync: " : "file sync: ");
        });
        const Selection wanted = built();
        if (meanwhile.endsWith("dies")) {
            const pid_t child = ::fork();
            if (child == 0)
                build.build(wanted, {}, [](int) {}), ::_exit(1);
            int status = -1;
            QVERIFY(::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0);
            QCOMPARE(scheme::SchemeTransaction(scheme(), store).recover(), std::nullopt);
        } else {
            const auto result = build.build(wanted, {}, [](int) {});
            QCOMPARE(result.problems.size(), problem < 0 ? 0u : 1u);
            if (problem >= 0)
                QVERIFY2(int(result.problems[0].kind) == problem && result.problems[0].reason.contains(reason),
                         qPrintable(result.problems[0].reason));
        }
        if (QDir().rmdir(scheme()))
            QVERIFY(writeFile(scheme(), "10000001\r\n"));
        QDir().rmdir(file());
        // A failed write leaves what it could not store in Qt's view of the file.
        checkInStep(store, problem != 0, problem == 2 ? -1 : problem != 0);
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
