#include "GpioDevice.h"

#include <QTest>

namespace {

class FakeGpioLines final : public GpioLines {
public:
    std::string request(const std::string &chip, const std::vector<unsigned> &offsets,
                        const std::string &consumer) override
    {
        QString text = QStringLiteral("request %1 by %2:").arg(QString::fromStdString(chip),
                                                               QString::fromStdString(consumer));
        for (unsigned offset : offsets)
            text += QStringLiteral(" %1").arg(offset);
        log << text;
        return requestError;
    }
    std::string setValue(std::size_t index, int value) override
    {
        log << QStringLiteral("line %1 = %2").arg(index).arg(value);
        return setError;
    }
    void release() override { log << QStringLiteral("release"); }

    std::string requestError;
    std::string setError;
    QStringList log;
};

} // namespace

class TestGpioDevice : public QObject {
    Q_OBJECT

    const std::array<unsigned, 8> offsets{17, 18, 27, 22, 23, 24, 25, 4};

private slots:
    void linesMapToTheirOffsets()
    {
        FakeGpioLines lines;
        GpioDevice device("gpiochip0", offsets, lines);
        device.SetLine(0, 1); // not open yet
        device.SelectPort(1);
        QCOMPARE(device.SelectPort(), std::int16_t(1));
        device.SetLine(7, 1);
        device.SetLine(2, 0);
        device.SetLine(9, 1);
        device.SelectPort(0);
        QCOMPARE(device.SelectPort(), std::int16_t(0));
        QCOMPARE(lines.log, QStringList({"request gpiochip0 by lampotron: 17 18 27 22 23 24 25 4",
                                         "line 7 = 1", "line 2 = 0", "release"}));
    }

    void refusedRequestKeepsTheReason()
    {
        FakeGpioLines lines;
        lines.requestError = "lines busy";
        GpioDevice device("gpiochip0", offsets, lines);
        device.SelectPort(1);
        QCOMPARE(device.SelectPort(), std::int16_t(0));
        QCOMPARE(device.failureReason(), std::string("lines busy"));
        device.SetLine(1, 1);
        QCOMPARE(lines.log.size(), 1);
    }

    void failedWriteClosesTheLines()
    {
        FakeGpioLines lines;
        GpioDevice device("gpiochip0", offsets, lines);
        device.SelectPort(1);
        lines.setError = "chip removed";
        device.SetLine(3, 1);
        QCOMPARE(device.SelectPort(), std::int16_t(0));
        QCOMPARE(device.failureReason(), std::string("chip removed"));
        device.SetLine(4, 1);
        QCOMPARE(lines.log.mid(1), QStringList({"line 3 = 1", "release"}));
    }
};

QTEST_GUILESS_MAIN(TestGpioDevice)
#include "tst_gpiodevice.moc"
