#include "OlaDevice.h"
#include "PortChoice.h"
#include "PortSetting.h"

#include <QTest>

using Kind = PortSetting::Kind;

class TestPortSetting : public QObject {
    Q_OBJECT

private slots:
    void understoodSettings()
    {
        const PortSetting lpt1 = parsePortSetting(DefaultPortSetting);
        QCOMPARE(lpt1.kind, Kind::Parport);
        QCOMPARE(lpt1.device, std::string("/dev/parport0"));
        QCOMPARE(parsePortSetting("/dev/parport2").device, std::string("/dev/parport2"));

        const PortSetting gpio = parsePortSetting("gpio:gpiochip0:17,18,27,22,23,24,25,4");
        QCOMPARE(gpio.kind, Kind::Gpio);
        QCOMPARE(gpio.device, std::string("gpiochip0"));
        QCOMPARE(gpio.offsets, (std::array<unsigned, 8>{17, 18, 27, 22, 23, 24, 25, 4}));
        QCOMPARE(parsePortSetting("gpio:/dev/gpiochip1:0,1,2,3,4,5,6,7").device, std::string("/dev/gpiochip1"));

        const PortSetting ola = parsePortSetting("ola:3");
        QCOMPARE(ola.kind, Kind::Ola);
        QCOMPARE(ola.universe, 3u);
    }

    void refusedSettings_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("windows name") << "LPT1";
        QTest::newRow("other device") << "/dev/ttyS0";
        QTest::newRow("parport without number") << "/dev/parport";
        QTest::newRow("seven offsets") << "gpio:gpiochip0:0,1,2,3,4,5,6";
        QTest::newRow("nine offsets") << "gpio:gpiochip0:0,1,2,3,4,5,6,7,8";
        QTest::newRow("bad offset") << "gpio:gpiochip0:0,1,2,x,4,5,6,7";
        QTest::newRow("negative offset") << "gpio:gpiochip0:0,1,2,-3,4,5,6,7";
        QTest::newRow("no chip") << "gpio::0,1,2,3,4,5,6,7";
        QTest::newRow("no universe") << "ola:";
        QTest::newRow("bad universe") << "ola:one";
    }

    void refusedSettings()
    {
        QFETCH(QString, text);
        const PortSetting setting = parsePortSetting(text.toStdString());
        QCOMPARE(setting.kind, Kind::Invalid);
        QVERIFY(setting.error.find('"' + text.toStdString() + '"') != std::string::npos);

        // The port button then reports the reason instead of opening anything.
        PortChoice choice(text.toStdString());
        choice.device().SelectPort(1);
        QCOMPARE(choice.device().SelectPort(), std::int16_t(0));
        QCOMPARE(choice.device().failureReason(), setting.error);
    }

    void missingGpioChipIsReported()
    {
        PortChoice choice("gpio:gpiochip-lampotron-absent:0,1,2,3,4,5,6,7");
        choice.device().SelectPort(1);
        QCOMPARE(choice.device().SelectPort(), std::int16_t(0));
        const QString reason = QString::fromStdString(choice.device().failureReason());
        QVERIFY2(reason.contains("no GPIO chip gpiochip-lampotron-absent"), qPrintable(reason));
        choice.device().SetLine(0, 1);
    }

    void unreachableOlaDaemonIsReported()
    {
        // Nothing listens on this port; the client must not start a daemon.
        OlaDevice device(1, 1);
        device.SelectPort(1);
        QCOMPARE(device.SelectPort(), std::int16_t(0));
        QVERIFY(QString::fromStdString(device.failureReason()).contains("olad"));
    }
};

QTEST_GUILESS_MAIN(TestPortSetting)
#include "tst_portsetting.moc"
