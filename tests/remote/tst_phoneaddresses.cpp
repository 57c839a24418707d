#include "PhoneAddresses.h"

#include <QTest>

// Which hosts a phone is shown for the remote, best first.
class TestPhoneAddresses : public QObject {
    Q_OBJECT

private slots:
    void hostsAPhoneCanUse_data()
    {
        QTest::addColumn<QString>("listen");
        QTest::addColumn<QString>("avahiName"); // empty: Avahi is not running
        QTest::addColumn<QStringList>("machine");
        QTest::addColumn<QStringList>("hosts");
        const QStringList lan{"127.0.0.1", "::1", "192.168.1.5", "fe80::5", "fd00::5"};
        QTest::newRow("one address: that one") << "192.168.1.5:8080" << "box.local" << lan << QStringList{"192.168.1.5"};
        QTest::newRow("Avahi answers for the name") << "0.0.0.0:8080" << "box.local" << lan
                                                    << QStringList{"box.local", "192.168.1.5"};
        QTest::newRow("Avahi under another case") << "0.0.0.0:8080" << "BOX.local" << lan
                                                  << QStringList{"BOX.local", "192.168.1.5"};
        QTest::newRow("no Avahi: the first address") << "0.0.0.0:8080" << "" << lan << QStringList{"192.168.1.5"};
        QTest::newRow("Avahi answers for another name after a clash")
            << "0.0.0.0:8080" << "box-2.local" << lan << QStringList{"192.168.1.5"};
        QTest::newRow("[::]: both families, no link-local") << "[::]:8080" << "" << lan
                                                           << QStringList{"192.168.1.5", "fd00::5"};
        QTest::newRow("IPv4 link-local serves a phone on the same cable")
            << "0.0.0.0:8080" << "" << QStringList{"127.0.0.1", "169.254.7.8"} << QStringList{"169.254.7.8"};
        QTest::newRow("every address in the machine's order")
            << "0.0.0.0:8080" << "" << QStringList{"10.0.0.2", "127.0.0.1", "192.168.1.5"}
            << QStringList{"10.0.0.2", "192.168.1.5"};
        QTest::newRow("loopback only: this machine alone")
            << "0.0.0.0:8080" << "" << QStringList{"127.0.0.1", "::1"} << QStringList{"localhost"};
        QTest::newRow("IPv6 link-local only: this machine alone")
            << "[::]:8080" << "" << QStringList{"::1", "fe80::5"} << QStringList{"localhost"};
    }

    void hostsAPhoneCanUse()
    {
        QFETCH(QString, listen);
        QFETCH(QString, avahiName);
        QFETCH(QStringList, machine);
        QFETCH(QStringList, hosts);
        QList<QHostAddress> addresses;
        for (const QString &address : machine)
            addresses << QHostAddress(address);
        const RemoteChoice choice = readRemote(listen, {}, {});
        QVERIFY(choice.config);
        const QStringList chosen = phoneHosts(
            *choice.config, avahiName.isEmpty() ? std::nullopt : std::optional(avahiName), "box", addresses);
        QCOMPARE(chosen, hosts);
        QCOMPARE(onlyThisMachine(chosen), hosts == QStringList{"localhost"});
    }
};

QTEST_GUILESS_MAIN(TestPhoneAddresses)
#include "tst_phoneaddresses.moc"
