#include "FacesFromAfar.h"
#include "FakeDeadlineTimer.h"
#include "RecordingBackend.h"
#include "TestFiles.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

using namespace std::chrono_literals;

namespace {

bool answers(quint16 port, const QHostAddress &host = QHostAddress::LocalHost)
{
    QTcpSocket socket;
    socket.connectToHost(host, port);
    return socket.waitForConnected(2000);
}

bool machineHasIpv6()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHostIPv6);
}

} // namespace

// "Remote: on/off" while the program runs: the server starts and stops, and
// the choice is stored for the next run.
class TestFacesFromAfar : public QObject {
    Q_OBJECT

private slots:
    void remoteSwitchesAndIsStored_data()
    {
        QTest::addColumn<bool>("portTaken");
        QTest::newRow("on, off, on again at the same port") << false;
        QTest::newRow("port taken: off, and nothing stored") << true;
    }

    void remoteSwitchesAndIsStored()
    {
        QFETCH(bool, portTaken);
        QTemporaryDir folder;
        QTcpServer other;
        QVERIFY(other.listen(QHostAddress::AnyIPv4));
        const quint16 port = other.serverPort();
        if (!portTaken)
            other.close();
        const SettingsStore settings(folder.filePath("Lampotron.conf"));
        QVERIFY(!settings.write({{settings::RemotePort.section, settings::RemotePort.key, QString::number(port)}}));
        QVERIFY(writeFile(folder.filePath("Data.inf"), "10000000\r\n"));
        auto record = std::make_shared<PortRecord>();
        Player player({"recorded", folder.filePath("Data.inf"), 100}, std::make_unique<FakeDeadlineTimer>(),
                      [&record](const QString &) { return std::make_unique<RecordingBackend>(record); });
        PlayerCommands commands(player, settings, folder.filePath("patterns"), 0ms);
        CommandLine commandLine;
        commandLine.read({"lampotron"});
        FacesFromAfar fromAfar(commandLine, settings, player, commands);
        QVERIFY(!fromAfar.remoteOn());

        const RemoteAddress on = fromAfar.switchRemote(true);
        QVERIFY(!commands.flushSettings());
        if (portTaken) {
            QVERIFY2(on.url.isEmpty() && on.problem.contains(QString::number(port)), qPrintable(on.problem));
            QVERIFY(!fromAfar.remoteOn());
            QCOMPARE(settings.read(settings::Remote), QString());
            return;
        }
        QVERIFY2(on.url.contains(QStringLiteral(":%1/#key=").arg(int(port))), qPrintable(on.url + on.problem));
        QVERIFY(fromAfar.remoteOn() && answers(port));
        if (machineHasIpv6())
            QVERIFY2(answers(port, QHostAddress::LocalHostIPv6), "a phone on IPv6 is turned away");
        QCOMPARE(settings.read(settings::Remote), QStringLiteral("[::]:%1").arg(int(port)));

        QVERIFY(fromAfar.switchRemote(false).url.isEmpty());
        QVERIFY(!commands.flushSettings());
        QVERIFY(!fromAfar.remoteOn() && !answers(port));
        QCOMPARE(settings.read(settings::Remote), QString());
        QCOMPARE(settings.read(settings::RemotePort), int(port));

        QVERIFY(fromAfar.switchRemote(true).url.contains(QStringLiteral(":%1/").arg(int(port))));
        QVERIFY(answers(port));
    }
};

QTEST_GUILESS_MAIN(TestFacesFromAfar)
#include "tst_facesfromafar.moc"
