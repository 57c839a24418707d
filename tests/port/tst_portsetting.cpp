#include "BackendFactory.h"
#include "OlaBackend.h"
#include "PortDevice.h"
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

        QCOMPARE(parsePortSetting("relay:QAAMZ").device, std::string("QAAMZ"));
        QCOMPARE(parsePortSetting("relay:").kind, Kind::Relay);
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
        QTest::newRow("odd serial") << "relay:AB/CD";
        QTest::newRow("endless number") << "/dev/parport" + QString(25000, '9');
    }

    void refusedSettings()
    {
        QFETCH(QString, text);
        const PortSetting setting = parsePortSetting(text.toStdString());
        QCOMPARE(setting.kind, Kind::Invalid);
        QVERIFY(setting.error.find('"' + text.left(40).toStdString()) != std::string::npos);
        QVERIFY(setting.error.size() < 300);

        // The port button then reports the reason instead of opening anything.
        PortDevice port(makeBackend(text.toStdString()));
        port.SelectPort(1);
        QCOMPARE(port.SelectPort(), std::int16_t(0));
        QCOMPARE(port.failureReason(), setting.error);
    }

    void missingGpioChipIsReported()
    {
        PortDevice port(makeBackend("gpio:gpiochip-lampotron-absent:0,1,2,3,4,5,6,7"));
        port.SelectPort(1);
        QCOMPARE(port.SelectPort(), std::int16_t(0));
        const QString reason = QString::fromStdString(port.failureReason());
        QVERIFY2(reason.contains("no GPIO chip gpiochip-lampotron-absent"), qPrintable(reason));
    }

    void unreachableOlaDaemonIsReported()
    {
        // Nothing listens on this port; the client must not start a daemon.
        PortDevice port(std::make_unique<OlaBackend>(1, 1));
        port.SelectPort(1);
        QCOMPARE(port.SelectPort(), std::int16_t(0));
        QVERIFY(QString::fromStdString(port.failureReason()).contains("olad"));
    }
};

QTEST_GUILESS_MAIN(TestPortSetting)
#include "tst_portsetting.moc"
