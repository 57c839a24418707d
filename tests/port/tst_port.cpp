#include "BackendFactory.h"
#include "GpioBackend.h"
#include "LockedBackend.h"
#include "Outputs.h"
#include "ParportBackend.h"
#include "PortDevice.h"
#include "PortSetting.h"
#include "PrintableSetting.h"
#include "RecordingBackend.h"
#include "RelayBackend.h"
#include "TestFiles.h"

#if LAMPOTRON_WITH_OLA
#include "OlaBackend.h"
#endif

#include <QTest>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <linux/ppdev.h>
#include <pwd.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

// What the hardware behind a backend sees, whichever backend it is. A text
// in refuseOpen or failWrites makes the next opens or writes fail.
struct Hardware {
    bool held = false;
    std::uint8_t lines = 0xa5; // whatever the last user left
    int writes = 0;
    std::string refuseOpen, failWrites;
};

// ppdev as the kernel answers it; errors come back as -errno.
class FakeParport final : public SystemCalls {
public:
    explicit FakeParport(Hardware &hardware) : hw(hardware) {}

    int open(const char *, int flags) override
    {
        log << (flags == (O_RDWR | O_CLOEXEC) ? "open" : "open with wrong flags");
        return openError ? openError : 7;
    }
    int ioctl(int, unsigned long request, void *argument) override
    {
        if (request == PPWDATA) {
            ++hw.writes;
            if (hw.failWrites.empty())
                hw.lines = *static_cast<unsigned char *>(argument);
            return hw.failWrites.empty() ? 0 : -ENODEV;
        }
        log << (request == PPEXCL ? "excl" : request == PPCLAIM ? "claim" : "release");
        hw.held = request == PPCLAIM && hw.refuseOpen.empty();
        return request == PPEXCL ? exclError : hw.held || request == PPRELEASE ? 0 : -EIO;
    }
    int close(int) override
    {
        log << "close";
        return 0;
    }

    Hardware &hw;
    int openError = 0, exclError = 0;
    QStringList log;
};

// A chip with eight free lines at fixed offsets, so that lines asked for in
// another order are refused.
class FakeGpio final : public GpioLines {
public:
    static constexpr std::array<unsigned, 8> Offsets{17, 18, 27, 22, 23, 24, 25, 4};

    explicit FakeGpio(Hardware &hardware) : hw(hardware) {}

    std::string request(const std::string &, const std::vector<unsigned> &offsets, const std::string &) override
    {
        hw.held = hw.refuseOpen.empty() && std::equal(offsets.begin(), offsets.end(), Offsets.begin(), Offsets.end());
        return hw.held ? "" : "refused";
    }
    std::string setValues(const std::vector<int> &values) override
    {
        ++hw.writes;
        if (!hw.failWrites.empty())
            return hw.failWrites;
        hw.lines = 0;
        for (std::size_t k = 0; k < values.size(); ++k)
            hw.lines |= static_cast<std::uint8_t>(values[k] << k);
        return {};
    }
    void release() override { hw.held = false; }

    Hardware &hw;
};

// Relay boards as hidraw shows them, "USBRelay8:AAAAA" (product, serial),
// "!" in front for one that refuses to open. They answer like real boards.
class FakeRelayHid final : public RelayHid {
public:
    FakeRelayHid(Hardware &hardware, QStringList present) : hw(hardware), boards(std::move(present)) {}

    std::vector<Device> devices() override
    {
        std::vector<Device> devices;
        for (const QString &board : boards)
            devices.push_back({board.toStdString(), board.section(':', 0, 0).remove('!').toStdString()});
        return devices;
    }
    int open(const std::string &path) override
    {
        opened = QString::fromStdString(path);
        hw.held = hw.refuseOpen.empty() && !opened.startsWith('!');
        return opened.startsWith('!') ? -EACCES : hw.held ? 0 : -EBUSY;
    }
    int getFeatureReport(Report &report) override
    {
        const std::string serial = opened.section(':', 1).toStdString();
        std::copy(serial.begin(), serial.end(), report.begin());
        return 0;
    }
    int sendFeatureReport(const Report &report) override
    {
        ++hw.writes;
        const auto bit = static_cast<std::uint8_t>((1u << report[1]) >> 1); // relays count from 1
        if (hw.failWrites.empty())
            hw.lines = report[0] == 0xfc ? 0 : report[0] == 0xff ? hw.lines | bit : hw.lines & ~bit;
        return hw.failWrites.empty() ? 0 : -ENODEV;
    }
    void close() override { hw.held = false; }

    Hardware &hw;
    QStringList boards;
    QString opened;
};

using BackendMaker = std::function<std::unique_ptr<PortBackend>(Hardware &)>;

// A recorded port that takes the first parallel port's lock in `folder`.
std::unique_ptr<PortBackend> lockedParport(const QTemporaryDir &folder)
{
    OutputLock lock(folder.path().toStdString(), "parport", "parport0", "/dev/parport0");
    return std::make_unique<LockedBackend>(std::move(lock), std::make_unique<RecordingBackend>(std::make_shared<PortRecord>()));
}

} // namespace

Q_DECLARE_METATYPE(BackendMaker)

class TestPort : public QObject {
    Q_OBJECT

    const QTemporaryDir locks_;

private slots:
    void everyBackendKeepsTheContract_data()
    {
        QTest::addColumn<BackendMaker>("make");
        QTest::newRow("parport") << BackendMaker([](Hardware &hw) {
            return std::make_unique<ParportBackend>("/dev/parport0", std::make_unique<FakeParport>(hw));
        });
        QTest::newRow("parport with its lock") << BackendMaker([this](Hardware &hw) {
            auto parport = std::make_unique<ParportBackend>("/dev/parport0", std::make_unique<FakeParport>(hw));
            OutputLock lock(locks_.path().toStdString(), "parport", "parport0", "/dev/parport0");
            return std::make_unique<LockedBackend>(std::move(lock), std::move(parport));
        });
        QTest::newRow("gpio") << BackendMaker([](Hardware &hw) {
            return std::make_unique<GpioBackend>("gpiochip0", FakeGpio::Offsets, std::make_unique<FakeGpio>(hw));
        });
        QTest::newRow("relay") << BackendMaker([](Hardware &hw) {
            return std::make_unique<RelayBackend>("", std::make_unique<FakeRelayHid>(hw, QStringList{"USBRelay8:AAAAA"}));
        });
    }

    void everyBackendKeepsTheContract()
    {
        QFETCH(BackendMaker, make);
        Hardware hw;
        {
            PortDevice port(make(hw));
            port.setLine(2, 1); // not open yet: nothing
            hw.refuseOpen = "refused";
            port.open();
            QVERIFY(!port.isOpen() && !port.failureReason().empty() && !hw.held && hw.writes == 0);
            hw.refuseOpen.clear();
            port.open();
            QVERIFY(port.isOpen() && port.failureReason().empty() && hw.held);
            QCOMPARE(hw.lines, std::uint8_t(0)); // every line low on opening
            port.setLine(2, 1);
            const int writes = hw.writes;
            port.setLine(9, 1); // no such line: nothing
            QCOMPARE(hw.writes, writes);
            QVERIFY(port.writeLines(0x81));
            port.setLine(0, 0);
            QCOMPARE(hw.lines, std::uint8_t(0x80));

            hw.failWrites = "gone";
            QVERIFY(!port.writeLines(0x01) && !hw.held && !port.isOpen() && !port.failureReason().empty());
            const int writesWhenLost = hw.writes;
            QVERIFY(port.writeLines(0x02) && hw.writes == writesWhenLost); // closed: nothing to lose
            hw.failWrites.clear();
            port.open();
            port.writeLines(0xff);
        }
        QVERIFY(!hw.held && hw.lines == 0); // lines low before the release
    }

    void parportClaimsExclusivelyAndExplainsRefusals_data()
    {
        QTest::addColumn<int>("openError");
        QTest::addColumn<int>("exclError");
        QTest::addColumn<QString>("reasonPart");
        QTest::addColumn<QStringList>("calls");
        const QStringList openOnly{"open"}, refusedClaim{"open", "excl", "close"};
        QTest::newRow("no node") << -ENOENT << 0 << "no parallel port device /dev/parport0" << openOnly;
        QTest::newRow("no permission") << -EACCES << 0 << "lp group" << openOnly;
        QTest::newRow("absent") << -ENXIO << 0 << "absent or in use" << openOnly;
        QTest::newRow("held by another") << 0 << -EBUSY << "absent or in use" << refusedClaim;
        QTest::newRow("other") << -EIO << 0 << "Input/output error" << openOnly;
    }

    void parportClaimsExclusivelyAndExplainsRefusals()
    {
        QFETCH(int, openError);
        QFETCH(int, exclError);
        QFETCH(QString, reasonPart);
        QFETCH(QStringList, calls);
        Hardware hw;
        auto kernel = std::make_unique<FakeParport>(hw);
        FakeParport &seen = *kernel;
        PortDevice port(std::make_unique<ParportBackend>("/dev/parport0", std::move(kernel)));
        port.open();
        port.close();
        QCOMPARE(seen.log, QStringList({"open", "excl", "claim", "release", "close"}));
        seen.log.clear();
        seen.openError = openError;
        seen.exclError = exclError;
        port.open();
        QCOMPARE(seen.log, calls);
        QVERIFY2(!port.isOpen() && QString::fromStdString(port.failureReason()).contains(reasonPart),
                 port.failureReason().c_str());
    }

    // The port opens on the boards and writes 0x0f, then `lines`: the board
    // shows `relays`, having had one report per relay that changed, and the
    // port says `said`: its notice once open, else why it is not.
    void relayBoardIsFoundAndSwitched_data()
    {
        using Byte = std::uint8_t;
        QTest::addColumn<QStringList>("boards");
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<Byte>("relays");
        QTest::addColumn<QString>("said");
        const QString eight = "USBRelay8:AAAAA", two = "USBRelay2:BBBBB", locked = "!USBRelay8:CCCCC";
        const Byte untouched = Hardware().lines;
        QTest::newRow("beyond 4 relays") << QStringList{"USBRelay4:DDDDD"} << "" << Byte(0x03) << "4 relays: lines 4 to 7";
        QTest::newRow("by serial") << QStringList{eight, two} << "BBBBB" << Byte(0x03) << "2 relays";
        QTest::newRow("first that opens") << QStringList{locked, two} << "" << Byte(0x03) << "2 relays";
        QTest::newRow("none") << QStringList{"USBGadget:EEEEE"} << "" << untouched << "No USB relay board was found";
        QTest::newRow("no permission") << QStringList{locked} << "" << untouched << "udev rule";
        QTest::newRow("serial not found") << QStringList{eight, two} << "ZZZZZ" << untouched << "found are AAAAA, BBBBB";
    }

    void relayBoardIsFoundAndSwitched()
    {
        QFETCH(QStringList, boards);
        QFETCH(QString, wanted);
        QFETCH(std::uint8_t, relays);
        QFETCH(QString, said);
        Hardware hw;
        PortDevice port(std::make_unique<RelayBackend>(wanted.toStdString(), std::make_unique<FakeRelayHid>(hw, boards)));
        port.open();
        port.writeLines(0x0f);
        const int writes = hw.writes;
        const std::uint8_t before = hw.lines;
        port.writeLines(0xf3);
        QCOMPARE(hw.lines, relays);
        QCOMPARE(hw.writes - writes, std::popcount(unsigned(before ^ relays)));
        const std::string text = port.isOpen() ? port.notice() : port.failureReason();
        QVERIFY2(QString::fromStdString(text).contains(said) && text.empty() == said.isEmpty(), text.c_str());
        QVERIFY(port.isOpen() || !hw.held); // boards looked at are let go again
    }

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
    // another process would, with an open file of its own), a note left by a
    // holder that died, or a link to someone else's file.
    void outputHasOneOwner_data()
    {
        QTest::addColumn<QString>("planted");
        QTest::addColumn<bool>("opens");
        QTest::newRow("let go by the one before") << "" << true;
        QTest::newRow("held by another opener") << "held" << false;
        QTest::newRow("left by a holder that died") << "stale" << true;
        QTest::newRow("symbolic link") << "symlink" << true;
        QTest::newRow("hard link") << "hard link" << true;
    }

    void outputHasOneOwner()
    {
        QFETCH(QString, planted);
        QFETCH(bool, opens);
        QTemporaryDir folder;
        const QString lockFile = folder.filePath("lampotron-parport-parport0.lock"), other = folder.filePath("other");
        QVERIFY(writeFile(other, "someone else's\n"));
        if (planted == "stale")
            QVERIFY(writeFile(lockFile, "999999 ghost\n"));
        if (planted == "symlink")
            QVERIFY(QFile::link(other, lockFile));
        if (planted == "hard link")
            QCOMPARE(::link(qPrintable(other), qPrintable(lockFile)), 0);
        PortDevice first(lockedParport(folder)), second(lockedParport(folder));
        QVERIFY(first.open());
        if (planted != "held")
            first.close();
        QCOMPARE(second.open(), opens);
        const std::string inUse = "/dev/parport0 is in use by Lampotron (process " + std::to_string(::getpid())
                                  + ", user " + ::getpwuid(::geteuid())->pw_name + ")";
        QCOMPARE(second.failureReason(), opens ? "" : inUse);
        QCOMPARE(readFile(other), "someone else's\n");
        // The table locks by device, and names the output as the setting does.
        PortDevice made(makeBackend("/dev/parport0", folder.path().toStdString()));
        if (!opens)
            QVERIFY(!made.open() && made.failureReason() == inUse);
        first.close();
        QVERIFY(second.open());
    }

    void outputsThatAreNotThereSaySo()
    {
#if LAMPOTRON_WITH_GPIO
        const QTemporaryDir locks;
        PortDevice gpio(makeBackend("gpio:gpiochip-lampotron-absent:0,1,2,3,4,5,6,7", locks.path().toStdString()));
        gpio.open();
        QVERIFY2(QString::fromStdString(gpio.failureReason()).contains("no GPIO chip"), gpio.failureReason().c_str());
#endif
#if LAMPOTRON_WITH_OLA
        // Nothing listens on this port; the client must not start a daemon.
        PortDevice ola(std::make_unique<OlaBackend>(1, 1));
        ola.open();
        QVERIFY2(QString::fromStdString(ola.failureReason()).contains("does not answer"), ola.failureReason().c_str());
#endif
    }
};

QTEST_GUILESS_MAIN(TestPort)
#include "tst_port.moc"
