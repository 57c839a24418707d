#include "BackendFactory.h"
#include "LockedBackend.h"
#include "Outputs.h"
#include "PortDevice.h"
#include "PortDiscovery.h"
#include "PortSetting.h"
#include "PrintableSetting.h"
#include "RecordingBackend.h"
#include "TestFiles.h"
#if LAMPOTRON_WITH_OLA
#include "OlaBackend.h"
#endif

#include <QTest>

#include <cerrno>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The kernel's answers about a real lock file, but for one that `owner`
// made with `mode` (owner -1 keeps the file's own), or with an open()
// refused with -`openError`.
class AlteredAnswers final : public PosixSystemCalls {
public:
    AlteredAnswers(int owner, mode_t mode, int openError) : owner_(owner), mode_(mode), openError_(openError) {}

    int open(const char *path, int flags, mode_t mode) override
    {
        return openError_ != 0 ? -openError_ : PosixSystemCalls::open(path, flags, mode);
    }
    int fstat(int fd, struct stat &status) override
    {
        const int result = PosixSystemCalls::fstat(fd, status);
        if (owner_ >= 0) {
            status.st_uid = static_cast<uid_t>(owner_);
            status.st_mode = S_IFREG | mode_;
        }
        return result;
    }

private:
    int owner_;
    mode_t mode_;
    int openError_;
};

// A recorded port that takes the first parallel port's lock in `folder`.
std::unique_ptr<PortBackend> lockedParport(const QString &folder,
                                           std::unique_ptr<SystemCalls> calls = std::make_unique<PosixSystemCalls>())
{
    OutputLock lock(folder.toStdString(), "parport", "parport0", "/dev/parport0", std::move(calls));
    return std::make_unique<LockedBackend>(std::move(lock), std::make_unique<RecordingBackend>(std::make_shared<PortRecord>()));
}

// Puts `kind` where the lock file goes; `other` is someone else's file.
bool plant(const QString &kind, const QString &lockFile, const QString &other)
{
    if (kind == "symbolic link")
        return QFile::link(other, lockFile);
    if (kind == "hard link")
        return ::link(qPrintable(other), qPrintable(lockFile)) == 0;
    if (kind == "folder")
        return QDir().mkdir(lockFile);
    if (kind == "FIFO")
        return ::mkfifo(qPrintable(lockFile), 0666) == 0;
    return kind.isEmpty();
}

} // namespace

// The Port setting, the table of outputs, and one owner per output.
class TestOutputs : public QObject {
    Q_OBJECT

private slots:
    // `output` is the output's name and the device it names; "" when the
    // setting is refused.
    void settingNamesAnOutput_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("output");
        QTest::newRow("parallel port") << "/dev/parport0" << "parport parport0";
        QTest::newRow("gpio") << "gpio:gpiochip0:17,18,27,22,23,24,25,4" << "gpio gpiochip0";
        QTest::newRow("gpio by path") << "gpio:/dev/gpiochip1:0,1,2,3,4,5,6,7" << "gpio gpiochip1";
        QTest::newRow("gpio by number") << "gpio:2:0,1,2,3,4,5,6,7" << "gpio gpiochip2";
        QTest::newRow("ola") << "ola:03" << "ola 3";
        QTest::newRow("relay by serial") << "relay:QAAMZ" << "relay QAAMZ";
        QTest::newRow("first relay") << "relay:" << "relay ";
        for (const char *refused : {"", "LPT1", "/dev/ttyS0", "/dev/parport", "gpio:gpiochip0:0,1,2,3,4,5,6",
                                    "gpio:gpiochip0:0,1,2,3,4,5,6,7,8", "gpio:gpiochip0:0,1,2,x,4,5,6,7",
                                    "gpio:gpiochip0:0,1,2,-3,4,5,6,7", "gpio::0,1,2,3,4,5,6,7", "ola:", "ola:one",
                                    "relay:AB/CD"})
            QTest::newRow(refused) << refused << "";
        QTest::newRow("endless number") << "/dev/parport" + QString(25000, '9') << "";
    }

    // A refused setting gives a port that never opens and quotes the setting,
    // shortened, in its reason; one for an output left out of this build
    // says so.
    void settingNamesAnOutput()
    {
        QFETCH(QString, text);
        QFETCH(QString, output);
        const PortSetting setting = parsePortSetting(text.toStdString());
        const Output *named = outputFor(text.toStdString());
        const bool leftOut = named != nullptr && !named->built();
        if (setting.kind == PortSetting::Kind::Valid) {
            QCOMPARE(QString::fromStdString(std::string(setting.output->name) + ' ' + setting.device), output);
            return;
        }
        QVERIFY2(output.isEmpty() || leftOut, setting.error.c_str());
        const std::string expected = leftOut ? "This Lampotron was built without" : '"' + text.left(40).toStdString();
        QVERIFY2(setting.error.find(expected) != std::string::npos && setting.error.size() < 300, setting.error.c_str());
        PortDevice port(makeBackend(text.toStdString()));
        port.open();
        QVERIFY(!port.isOpen());
        QCOMPARE(port.failureReason(), setting.error);
    }

    // Choosing what the tray menu found: a setting matches the outputs found
    // on its device, and choosing one of those keeps the user's setting.
    void foundOutputMatchesTheSetting_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("found");
        QTest::addColumn<bool>("same");
        QTest::addColumn<QString>("chosen");
        const QString mine = "gpio:gpiochip0:17,18,27,22,23,24,25,4", other = "gpio:gpiochip1:0,1,2,3,4,5,6,7";
        QTest::newRow("own offsets") << mine << "gpio:gpiochip0:0,1,2,3,4,5,6,7" << true << mine;
        QTest::newRow("other chip") << mine << other << false << other;
        QTest::newRow("first relay board") << "relay:" << "relay:QAAMZ" << true << "relay:QAAMZ";
        QTest::newRow("other relay board") << "relay:AAAAA" << "relay:QAAMZ" << false << "relay:QAAMZ";
        QTest::newRow("universe written twice") << "ola:01" << "ola:1" << true << "ola:01";
        QTest::newRow("other output") << "/dev/parport0" << "ola:0" << false << "ola:0";
        QTest::newRow("refused setting") << "LPT1" << "/dev/parport0" << false << "/dev/parport0";
    }

    void foundOutputMatchesTheSetting()
    {
        QFETCH(QString, current);
        QFETCH(QString, found);
        QFETCH(bool, same);
        QFETCH(QString, chosen);
        if (!outputFor(found.toStdString())->built())
            QSKIP("This output is left out of this build.");
        QCOMPARE(sameDevice(current.toStdString(), found.toStdString()), same);
        QCOMPARE(sameDevice(found.toStdString(), current.toStdString()), same);
        QCOMPARE(QString::fromStdString(settingForChoice(current.toStdString(), found.toStdString())), chosen);
    }

    // A quoted setting can neither flood a log nor forge a line in it.
    void settingIsQuotedSafely_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("quoted");
        QTest::newRow("control characters") << "/dev/parport1\n\x1b[2J\t" << "/dev/parport1\\n\\x1b[2J\\t";
        QTest::newRow("a mebibyte") << "ola:" + QString(1 << 20, 'x') << "ola:" + QString(56, 'x') + "...";
    }

    void settingIsQuotedSafely()
    {
        QFETCH(QString, text);
        QFETCH(QString, quoted);
        QCOMPARE(QString::fromStdString(printableSetting(text.toStdString())), quoted);
        const std::string error = parsePortSetting(text.toStdString()).error;
        QVERIFY2(error.find('"' + quoted.toStdString() + '"') != std::string::npos, error.c_str());
    }

    // What a port finds where its lock goes: another opener holding it (as
    // another process would, with an open file of its own), or a note left
    // by a holder that died.
    void outputHasOneOwner_data()
    {
        QTest::addColumn<bool>("held");
        QTest::newRow("let go by the one before") << false;
        QTest::newRow("held by another opener") << true;
    }

    void outputHasOneOwner()
    {
        QFETCH(bool, held);
        QTemporaryDir folder;
        QVERIFY(writeFile(folder.filePath("lampotron-parport-parport0.lock"), "999999 ghost\n"));
        PortDevice first(lockedParport(folder.path())), second(lockedParport(folder.path()));
        QVERIFY(first.open());
        if (!held)
            first.close();
        QCOMPARE(second.open(), !held);
        const std::string inUse = "/dev/parport0 is in use by Lampotron (process " + std::to_string(::getpid())
                                  + ", user " + ::getpwuid(::geteuid())->pw_name + ")";
        QCOMPARE(second.failureReason(), held ? inUse : "");
        // The table locks by device, and names the output as the setting does.
        PortDevice made(makeBackend("/dev/parport0", folder.path().toStdString()));
        if (held)
            QVERIFY(!made.open() && made.failureReason() == inUse);
        first.close();
        QVERIFY(second.open());
    }

    // Whatever is found where the lock goes, the output opens only on a lock
    // every Lampotron takes, and is otherwise refused with the path and the
    // fault; nothing found there is changed. `owner` and `mode` are what the
    // kernel says of the file (owner -1: the truth), `openError` its refusal.
    void lockFileInTheWayKeepsTheOutputClosed_data()
    {
        QTest::addColumn<QString>("planted");
        QTest::addColumn<int>("owner");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("openError");
        QTest::addColumn<QString>("said");
        const int stranger = ::geteuid() == 4242 ? 4243 : 4242;
        QTest::newRow("symbolic link") << "symbolic link" << -1 << 0 << 0 << "is a symbolic link";
        QTest::newRow("hard link") << "hard link" << -1 << 0 << 0 << "is a hard link";
        QTest::newRow("folder") << "folder" << -1 << 0 << 0 << "is a folder";
        QTest::newRow("FIFO") << "FIFO" << -1 << 0 << 0 << "is not a plain file";
        QTest::newRow("another user's 0600 file") << "" << stranger << 0600 << 0 << "not every user may write it";
        QTest::newRow("not ours to open") << "" << -1 << 0 << EACCES << "not every user may write it";
        QTest::newRow("no lock folder") << "no folder" << -1 << 0 << 0 << "cannot be made (No such file";
        QTest::newRow("another user's Lampotron's lock") << "" << stranger << 0666 << 0 << "";
        QTest::newRow("root's file") << "" << 0 << 0644 << 0 << "";
    }

    void lockFileInTheWayKeepsTheOutputClosed()
    {
        QFETCH(QString, planted);
        QFETCH(int, owner);
        QFETCH(int, mode);
        QFETCH(int, openError);
        QFETCH(QString, said);
        QTemporaryDir top;
        const QString folder = planted == "no folder" ? top.filePath("missing") : top.path();
        const QString lockFile = folder + "/lampotron-parport-parport0.lock", other = top.filePath("other");
        QVERIFY(writeFile(other, "someone else's\n"));
        QVERIFY(plant(planted, lockFile, other) || planted == "no folder");
        PortDevice port(lockedParport(folder, std::make_unique<AlteredAnswers>(owner, mode, openError)));
        const std::string reason = port.open() ? "" : port.failureReason();
        const bool named = reason.find("The lock file " + lockFile.toStdString() + ' ') == 0;
        QVERIFY2(said.isEmpty() ? reason.empty() : named && QString::fromStdString(reason).contains(said), reason.c_str());
        QCOMPARE(readFile(other), "someone else's\n");
        // A lock taken keeps the next one out; what was planted keeps it
        // closed still, and a refusal leaves nothing held.
        PortDevice second(lockedParport(folder));
        QCOMPARE(second.open(), !said.isEmpty() && planted.isEmpty());
    }

    // Every output this build has says that its device is not there; one
    // left out of the build says so instead.
    void outputsThatAreNotThereSaySo_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("said");
        QTest::newRow("parallel port") << "/dev/parport99" << "no parallel port device /dev/parport99";
        QTest::newRow("GPIO chip") << "gpio:gpiochip-lampotron-absent:0,1,2,3,4,5,6,7" << "no GPIO chip";
        QTest::newRow("olad") << "ola:1" << "does not answer";
    }

    void outputsThatAreNotThereSaySo()
    {
        QFETCH(QString, setting);
        QFETCH(QString, said);
        const QTemporaryDir locks;
        const Output &output = *outputFor(setting.toStdString());
        std::unique_ptr<PortBackend> backend = makeBackend(setting.toStdString(), locks.path().toStdString());
#if LAMPOTRON_WITH_OLA
        // Nothing listens on this port; the client must not start a daemon.
        if (output.name == "ola")
            backend = std::make_unique<OlaBackend>(1, 1);
#endif
        PortDevice port(std::move(backend));
        port.open();
        const QString reason = QString::fromStdString(port.failureReason());
        QVERIFY2(reason.contains(output.built() ? said : "This Lampotron was built without"), qPrintable(reason));
    }

    // With nothing found, --list-ports says where it looked: at every kind
    // of output this build has, and at none it lacks.
    void searchedPlacesAreTheBuiltOutputs()
    {
        const std::string places = searchedPlaces();
        for (const Output &output : outputs())
            QCOMPARE(places.find(output.searched) != std::string::npos, output.built());
    }
};

QTEST_GUILESS_MAIN(TestOutputs)
#include "tst_outputs.moc"
