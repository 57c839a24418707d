#include "GpioBackend.h"
#include "ParportBackend.h"
#include "PortDevice.h"

#include <QTest>

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

using BackendMaker = std::function<std::unique_ptr<PortBackend>(Hardware &)>;

} // namespace

Q_DECLARE_METATYPE(BackendMaker)

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
            port.SetLine(9, 1);
            QVERIFY(port.WriteLines(0x81));
            QCOMPARE(hw.lines, std::uint8_t(0x81));
            port.SetLine(0, 0);
            QCOMPARE(hw.lines, std::uint8_t(0x80));
            QCOMPARE(hw.writes, 4); // one per call, none for a line that does not exist

            hw.failWrites = "gone";
            QVERIFY(!port.WriteLines(0x01));
            QVERIFY(!hw.held);
            QCOMPARE(port.SelectPort(), std::int16_t(0));
            QVERIFY(!port.failureReason().empty());
            QVERIFY(port.WriteLines(0x02)); // closed: nothing to lose
            QCOMPARE(hw.writes, 5);

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
};

QTEST_GUILESS_MAIN(TestPortDevice)
#include "tst_portdevice.moc"
