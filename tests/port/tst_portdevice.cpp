#include "GpioBackend.h"
#include "ParportBackend.h"
#include "PortDevice.h"
#include "RelayBackend.h"

#include <QTest>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <linux/ppdev.h>
#include <sys/ioctl.h>

namespace {

// What the hardware behind a backend sees, whichever backend it is.
struct Hardware {
    bool held = false;
    std::uint8_t lines = 0xa5; // whatever the last user left
    int writes = 0;
    std::string refuseOpen;   // the next opens fail with this
    std::string failWrites;   // the next writes fail with this
};

// ppdev as the kernel answers it; errors come back as -errno.
class FakeParport final : public SystemCalls {
public:
    explicit FakeParport(Hardware &hardware) : hw_(hardware) {}

    int open(const char *, int flags) override
    {
        log << QStringLiteral("open%1").arg(flags == (O_RDWR | O_CLOEXEC) ? "" : " with wrong flags");
        return openError ? openError : 7;
    }
    int ioctl(int, unsigned long request, void *argument) override
    {
        if (request == PPEXCL) {
            log << "excl";
            return exclError;
        }
        if (request == PPCLAIM) {
            log << "claim";
            hw_.held = hw_.refuseOpen.empty();
            return hw_.held ? 0 : -EIO;
        }
        if (request == PPRELEASE) {
            log << "release";
            hw_.held = false;
            return 0;
        }
        ++hw_.writes;
        if (!hw_.failWrites.empty())
            return -ENODEV;
        hw_.lines = *static_cast<unsigned char *>(argument);
        return 0;
    }
    int close(int) override
    {
        log << "close";
        return 0;
    }

    int openError = 0;
    int exclError = 0;
    QStringList log;

private:
    Hardware &hw_;
};

class FakeGpio final : public GpioLines {
public:
    explicit FakeGpio(Hardware &hardware) : hw_(hardware) {}

    std::string request(const std::string &, const std::vector<unsigned> &offsets, const std::string &) override
    {
        requested = offsets;
        hw_.held = hw_.refuseOpen.empty();
        return hw_.refuseOpen;
    }
    std::string setValues(const std::vector<int> &values) override
    {
        ++hw_.writes;
        if (!hw_.failWrites.empty())
            return hw_.failWrites;
        hw_.lines = 0;
        for (std::size_t k = 0; k < values.size(); ++k)
            hw_.lines |= static_cast<std::uint8_t>(values[k] << k);
        return {};
    }
    void release() override { hw_.held = false; }

    std::vector<unsigned> requested;

private:
    Hardware &hw_;
};

// Relay boards as hidraw shows them, each found under its serial. They
// answer like real boards: the serial leads the report; commands switch relays.
struct FakeRelayBoard {
    std::string product = "USBRelay8";
    std::string serial = "AAAAA";
    int openError = 0;
};
using FakeRelayBoards = std::vector<FakeRelayBoard>;

class FakeRelayHid final : public RelayHid {
public:
    FakeRelayHid(Hardware &hardware, FakeRelayBoards boards) : hw_(hardware), boards_(std::move(boards)) {}

    std::vector<Device> devices() override
    {
        std::vector<Device> devices;
        for (const FakeRelayBoard &board : boards_)
            devices.push_back({board.serial, board.product});
        return devices;
    }
    int open(const std::string &path) override
    {
        opened_ = *std::find_if(boards_.begin(), boards_.end(),
                                [&](const FakeRelayBoard &board) { return board.serial == path; });
        hw_.held = hw_.refuseOpen.empty() && opened_.openError == 0;
        return hw_.refuseOpen.empty() ? opened_.openError : -EBUSY;
    }
    int getFeatureReport(Report &report) override
    {
        std::copy(opened_.serial.begin(), opened_.serial.end(), report.begin());
        return 0;
    }
    int sendFeatureReport(const Report &report) override
    {
        ++hw_.writes;
        if (!hw_.failWrites.empty())
            return -ENODEV;
        const auto bit = static_cast<std::uint8_t>((1u << report[1]) >> 1); // relays count from 1
        hw_.lines = report[0] == 0xfc ? 0 : report[0] == 0xff ? hw_.lines | bit : hw_.lines & ~bit;
        return 0;
    }
    void close() override { hw_.held = false; }

private:
    Hardware &hw_;
    FakeRelayBoards boards_;
    FakeRelayBoard opened_;
};

using BackendMaker = std::function<std::unique_ptr<PortBackend>(Hardware &)>;

} // namespace

Q_DECLARE_METATYPE(BackendMaker)
Q_DECLARE_METATYPE(FakeRelayBoards)

class TestPortDevice : public QObject {
    Q_OBJECT

private slots:
    void everyBackendKeepsTheContract_data()
    {
        QTest::addColumn<BackendMaker>("make");
        QTest::newRow("parport") << BackendMaker([](Hardware &hw) {
            return std::make_unique<ParportBackend>("/dev/parport0", std::make_unique<FakeParport>(hw));
        });
        QTest::newRow("gpio") << BackendMaker([](Hardware &hw) {
            return std::make_unique<GpioBackend>("gpiochip0", std::array<unsigned, 8>{}, std::make_unique<FakeGpio>(hw));
        });
        QTest::newRow("relay") << BackendMaker([](Hardware &hw) {
            return std::make_unique<RelayBackend>("", std::make_unique<FakeRelayHid>(hw, FakeRelayBoards(1)));
        });
    }

    void everyBackendKeepsTheContract()
    {
        QFETCH(BackendMaker, make);
        Hardware hw;
        {
            PortDevice port(make(hw));
            port.SetLine(2, 1);
            QCOMPARE(hw.writes, 0); // not open yet

            hw.refuseOpen = "refused";
            port.SelectPort(1);
            QCOMPARE(port.SelectPort(), std::int16_t(0));
            QCOMPARE(port.failureReason().empty(), false);
            QVERIFY(!hw.held);

            hw.refuseOpen.clear();
            port.SelectPort(1);
            QCOMPARE(port.SelectPort(), std::int16_t(1));
            QVERIFY(port.failureReason().empty());
            QVERIFY(hw.held);
            QCOMPARE(hw.lines, std::uint8_t(0)); // every line low on opening
            port.SetLine(2, 1);
            const int writesBeforeLine9 = hw.writes;
            port.SetLine(9, 1);
            QCOMPARE(hw.writes, writesBeforeLine9); // none for a line that does not exist
            QVERIFY(port.WriteLines(0x81));
            QCOMPARE(hw.lines, std::uint8_t(0x81));
            port.SetLine(0, 0);
            QCOMPARE(hw.lines, std::uint8_t(0x80));

            hw.failWrites = "gone";
            QVERIFY(!port.WriteLines(0x01));
            QVERIFY(!hw.held);
            QCOMPARE(port.SelectPort(), std::int16_t(0));
            QVERIFY(!port.failureReason().empty());
            const int writesWhenLost = hw.writes;
            QVERIFY(port.WriteLines(0x02)); // closed: nothing to lose
            QCOMPARE(hw.writes, writesWhenLost);

            hw.failWrites.clear();
            port.SelectPort(1);
            port.WriteLines(0xff);
        }
        // Lines low before the release.
        QVERIFY(!hw.held);
        QCOMPARE(hw.lines, std::uint8_t(0));
    }

    void parportClaimsExclusivelyAndExplainsRefusals_data()
    {
        QTest::addColumn<int>("openError");
        QTest::addColumn<int>("exclError");
        QTest::addColumn<QString>("reasonPart");
        QTest::addColumn<QStringList>("calls");
        const QStringList openOnly{"open"};
        const QStringList refusedClaim{"open", "excl", "close"};
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
        port.SelectPort(1);
        QCOMPARE(seen.log, QStringList({"open", "excl", "claim"}));
        port.SelectPort(0);
        QCOMPARE(seen.log.mid(3), QStringList({"release", "close"}));

        seen.log.clear();
        seen.openError = openError;
        seen.exclError = exclError;
        port.SelectPort(1);
        QCOMPARE(port.SelectPort(), std::int16_t(0));
        QCOMPARE(seen.log, calls);
        const QString reason = QString::fromStdString(port.failureReason());
        QVERIFY2(reason.contains(reasonPart), qPrintable(reason));
    }

    void gpioRequestsTheOffsetsInLineOrder()
    {
        Hardware hw;
        auto lines = std::make_unique<FakeGpio>(hw);
        FakeGpio &seen = *lines;
        PortDevice port(std::make_unique<GpioBackend>("gpiochip0", std::array<unsigned, 8>{17, 18, 27, 22, 23, 24, 25, 4},
                                                      std::move(lines)));
        port.SelectPort(1);
        QCOMPARE(seen.requested, (std::vector<unsigned>{17, 18, 27, 22, 23, 24, 25, 4}));
    }

    // Each row opens the port on the boards, writes 0x0f, then `lines`: the
    // board must show `relays`, having had one report per relay that changed,
    // and the port must say `said`: its notice once open, else why it is not.
    void relayBoardIsFoundAndSwitched_data()
    {
        using Byte = std::uint8_t;
        QTest::addColumn<FakeRelayBoards>("boards");
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<Byte>("lines");
        QTest::addColumn<Byte>("relays");
        QTest::addColumn<QString>("said");
        const FakeRelayBoard eight{}, four{"USBRelay4"}, two{"USBRelay2", "BBBBB"}, gadget{"USBGadget"};
        const FakeRelayBoard forbidden{"USBRelay8", "CCCCC", -EACCES};
        const Byte untouched = Hardware().lines;
        QTest::newRow("all at once") << FakeRelayBoards{eight} << "" << Byte(0xf0) << Byte(0xf0) << "";
        QTest::newRow("no change") << FakeRelayBoards{eight} << "" << Byte(0x0f) << Byte(0x0f) << "";
        QTest::newRow("beyond 4 relays") << FakeRelayBoards{four} << "" << Byte(0xf3) << Byte(0x03) << "4 relays: lines 4 to 7";
        QTest::newRow("by serial") << FakeRelayBoards{eight, two} << "BBBBB" << Byte(0xf3) << Byte(0x03) << "2 relays";
        QTest::newRow("first that opens") << FakeRelayBoards{forbidden, two} << "" << Byte(0xf3) << Byte(0x03) << "2 relays";
        QTest::newRow("none") << FakeRelayBoards{} << "" << Byte(0xf3) << untouched << "No USB relay board was found";
        QTest::newRow("not a relay board") << FakeRelayBoards{gadget} << "" << Byte(0xf3) << untouched << "No USB relay";
        QTest::newRow("no permission") << FakeRelayBoards{forbidden} << "" << Byte(0xf3) << untouched << "udev rule";
        QTest::newRow("serial not found") << FakeRelayBoards{eight, two} << "ZZZZZ" << Byte(0xf3) << untouched
                                          << "found are AAAAA, BBBBB";
    }

    void relayBoardIsFoundAndSwitched()
    {
        QFETCH(FakeRelayBoards, boards);
        QFETCH(QString, wanted);
        QFETCH(std::uint8_t, lines);
        QFETCH(std::uint8_t, relays);
        QFETCH(QString, said);
        Hardware hw;
        PortDevice port(
            std::make_unique<RelayBackend>(wanted.toStdString(), std::make_unique<FakeRelayHid>(hw, boards)));
        port.SelectPort(1);
        port.WriteLines(0x0f);
        const int writes = hw.writes;
        const std::uint8_t before = hw.lines;
        port.WriteLines(lines);
        QCOMPARE(hw.lines, relays);
        QCOMPARE(hw.writes - writes, std::popcount(unsigned(before ^ relays)));
        const std::string text = port.SelectPort() == 1 ? port.notice() : port.failureReason();
        QVERIFY2(QString::fromStdString(text).contains(said) && text.empty() == said.isEmpty(), text.c_str());
    }
};

QTEST_GUILESS_MAIN(TestPortDevice)
#include "tst_portdevice.moc"
