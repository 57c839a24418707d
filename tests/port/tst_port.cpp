#include "GpioBackend.h"
#include "LockedBackend.h"
#include "ParportBackend.h"
#include "PortDevice.h"
#include "RecordingBackend.h"
#include "RelayBackend.h"

#include <QTest>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <linux/ppdev.h>
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

    int open(const char *, int flags, mode_t) override
    {
        log << (flags == (O_RDWR | O_CLOEXEC) ? "open" : "open with wrong flags");
        return openError ? openError : 7;
    }
    int fstat(int, struct stat &) override { return -ENOTTY; }
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
};

QTEST_GUILESS_MAIN(TestPort)
#include "tst_port.moc"
