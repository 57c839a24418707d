#include "BackendFactory.h"
#include "PortDevice.h"
#include "PortSetting.h"

#ifdef LAMPOTRON_WITH_OLA
#include "OlaBackend.h"
#endif

#include <QTest>

class TestPortSetting : public QObject {
    Q_OBJECT

private slots:
    // `output` is the kind (0 parport, 1 gpio, 2 ola, 3 relay, 4 refused),
    // the device and the universe.
    void settingNamesAnOutput_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("output");
        QTest::newRow("default") << DefaultPortSetting << "0 /dev/parport0 0";
        QTest::newRow("gpio") << "gpio:gpiochip0:17,18,27,22,23,24,25,4" << "1 gpiochip0 0";
        QTest::newRow("gpio by path") << "gpio:/dev/gpiochip1:0,1,2,3,4,5,6,7" << "1 /dev/gpiochip1 0";
        QTest::newRow("ola") << "ola:3" << "2  3";
        QTest::newRow("relay by serial") << "relay:QAAMZ" << "3 QAAMZ 0";
        QTest::newRow("first relay") << "relay:" << "3  0";
        for (const char *refused : {"", "LPT1", "/dev/ttyS0", "/dev/parport", "gpio:gpiochip0:0,1,2,3,4,5,6",
                                    "gpio:gpiochip0:0,1,2,3,4,5,6,7,8", "gpio:gpiochip0:0,1,2,x,4,5,6,7",
                                    "gpio:gpiochip0:0,1,2,-3,4,5,6,7", "gpio::0,1,2,3,4,5,6,7", "ola:", "ola:one",
                                    "relay:AB/CD"})
            QTest::newRow(refused) << refused << "4  0";
        QTest::newRow("endless number") << "/dev/parport" + QString(25000, '9') << "4  0";
    }

    // A refused setting gives a port that never opens and quotes the setting,
    // shortened, in its reason.
    void settingNamesAnOutput()
    {
        QFETCH(QString, text);
        QFETCH(QString, output);
        const PortSetting setting = parsePortSetting(text.toStdString());
        QCOMPARE(QStringLiteral("%1 %2 %3").arg(int(setting.kind)).arg(QString::fromStdString(setting.device)).arg(setting.universe),
                 output);
        if (text.startsWith("gpio:gpiochip0:17"))
            QCOMPARE(setting.offsets, (std::array<unsigned, 8>{17, 18, 27, 22, 23, 24, 25, 4}));
        if (setting.kind != PortSetting::Kind::Invalid)
            return;
        QVERIFY(setting.error.find('"' + text.left(40).toStdString()) != std::string::npos && setting.error.size() < 300);
        PortDevice port(makeBackend(text.toStdString()));
        port.SelectPort(1);
        QCOMPARE(port.SelectPort(), std::int16_t(0));
        QCOMPARE(port.failureReason(), setting.error);
    }

    void outputsThatAreNotThereSaySo()
    {
#ifdef LAMPOTRON_WITH_GPIO
        PortDevice gpio(makeBackend("gpio:gpiochip-lampotron-absent:0,1,2,3,4,5,6,7"));
        gpio.SelectPort(1);
        QVERIFY2(QString::fromStdString(gpio.failureReason()).contains("no GPIO chip"), gpio.failureReason().c_str());
#endif
#ifdef LAMPOTRON_WITH_OLA
        // Nothing listens on this port; the client must not start a daemon.
        PortDevice ola(std::make_unique<OlaBackend>(1, 1));
        ola.SelectPort(1);
        QVERIFY2(QString::fromStdString(ola.failureReason()).contains("does not answer"), ola.failureReason().c_str());
#endif
    }
};

QTEST_GUILESS_MAIN(TestPortSetting)
#include "tst_portsetting.moc"
