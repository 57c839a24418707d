#include "FakeDeadlineTimer.h"
#include "PlayerCommands.h"
#include "RecordingBackend.h"
#include "RemoteServer.h"
#include "TestFiles.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>
#include <QWebSocket>

using namespace std::chrono_literals;

namespace {

const QByteArray Key = "0123456789abcdef0123456789abcdef";

} // namespace

// The remote as a whole: what another face does reaches the pages.
class TestRemoteServer : public QObject {
    Q_OBJECT

private slots:
    void pagesHearChangesMadeElsewhere()
    {
        const QTemporaryDir folder;
        const SettingsStore settings(folder.filePath("Lampotron.conf"));
        auto record = std::make_shared<PortRecord>();
        Player player({"ola:1", folder.filePath("Data.inf"), 100}, std::make_unique<FakeDeadlineTimer>(),
                      [record](const QString &) { return std::make_unique<RecordingBackend>(record); });
        QVERIFY(writeFile(player.schemePath(), "10000000\r\n01000000\r\n"));
        PlayerCommands commands(player, settings, folder.filePath("patterns"), 0ms);
        QCOMPARE(commands.loadScheme(), std::nullopt);
        RemoteServer server(player, commands, settings, Key, [] { return std::vector<FoundPort>(); });
        RemoteConfig config;
        config.address = QHostAddress::LocalHost;
        config.host = "127.0.0.1";
        QCOMPARE(server.listen(config), std::nullopt);

        QWebSocket page;
        page.setParent(this);
        QStringList heard;
        connect(&page, &QWebSocket::textMessageReceived, [&heard](const QString &message) { heard << message; });
        QSignalSpy connected(&page, &QWebSocket::connected);
        QNetworkRequest request(QUrl(QStringLiteral("ws://127.0.0.1:%1/api/v1/live").arg(server.port())));
        request.setRawHeader("Origin", QStringLiteral("http://127.0.0.1:%1").arg(server.port()).toLatin1());
        page.open(request);
        QVERIFY(connected.wait(5000));
        page.sendTextMessage(QStringLiteral("{\"key\": \"%1\"}").arg(QString::fromLatin1(Key)));
        const auto playback = [&heard] {
            for (auto message = heard.crbegin(); message != heard.crend(); ++message) {
                const QJsonObject object = QJsonDocument::fromJson(message->toUtf8()).object();
                if (object.value("type") == "state")
                    return object.value("running").toBool() ? QStringLiteral("running") : QStringLiteral("stopped");
            }
            return QString();
        };
        QTRY_COMPARE_WITH_TIMEOUT(playback(), QStringLiteral("stopped"), 5000);
        // As the window or the schedule would.
        QCOMPARE(commands.start(), std::nullopt);
        QTRY_COMPARE_WITH_TIMEOUT(playback(), QStringLiteral("running"), 5000);
        page.close();
    }
};

QTEST_GUILESS_MAIN(TestRemoteServer)
#include "tst_remoteserver.moc"
