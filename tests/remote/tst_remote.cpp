#include "FakeDeadlineTimer.h"
#include "RecordingBackend.h"
#include "RemoteApi.h"
#include "RemoteConfig.h"
#include "RemoteKey.h"
#include "StateJson.h"
#include "TestFiles.h"

#include <QJsonDocument>
#include <QRegularExpression>
#include <QTest>

namespace {

const QByteArray Key = "0123456789abcdef0123456789abcdef";

// A player on a recorded output with a two-row scheme, and the API over it,
// with a clock that moves when the test says.
struct Remote {
    explicit Remote(const QTemporaryDir &folder)
        : settings(folder.filePath(QStringLiteral("Lampotron.conf"))),
          player({QStringLiteral("recorded"), folder.filePath(QStringLiteral("Data.inf")), 100},
                 std::make_unique<FakeDeadlineTimer>(), [this](const QString &) { return std::make_unique<RecordingBackend>(record); }),
          commands(player, settings, folder.filePath(QStringLiteral("patterns"))),
          api(commands, settings, Key, limiter, [] { return std::vector<FoundPort>{{"recorded", "a recording", ""}}; })
    {
        writeFile(player.schemePath(), "10000000\r\n01000000\r\n");
        player.loadScheme();
        player.openOutput();
    }

    HttpResponse ask(const QByteArray &method, const QString &path, const QStringList &headers = {},
                     const QByteArray &body = {})
    {
        HttpRequest request{method, path, {}, body, QHostAddress::LocalHost, false, QHostAddress::LocalHost, 8080};
        for (const QString &header : headers)
            request.headers.emplaceBack(header.section(QLatin1String(": "), 0, 0).toLatin1(), header.section(QLatin1String(": "), 1).toLatin1());
        request.headers.emplaceBack("Host", "127.0.0.1:8080");
        return api.answer(request).result();
    }

    // What a request could change: playback, the lamps and what the output was asked.
    QByteArray snapshot()
    {
        return QJsonDocument(stateJson::state(player.state(), player.lamps())).toJson() + QByteArray::number(record->calls.size());
    }

    std::shared_ptr<PortRecord> record = std::make_shared<PortRecord>();
    FailureLimiter::Clock::time_point now{};
    FailureLimiter limiter{[this] { return now; }};
    SettingsStore settings;
    Player player;
    PlayerCommands commands;
    RemoteApi api;
};

} // namespace

class TestRemote : public QObject {
    Q_OBJECT

private slots:
    void requestsAreRefusedWithoutChange_data()
    {
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("wrongKeysBefore");
        QTest::addColumn<int>("minutesLater");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("changes");
        const QStringList key{"Authorization: Bearer " + Key};
        const QByteArray large = "{\"speed\": 200" + QByteArray(MaxBodyBytes, ' ') + "}";
        QTest::newRow("right key starts") << QByteArray("POST") << "/api/v1/start" << key << QByteArray() << 0 << 0 << 200 << true;
        QTest::newRow("right key sets the speed") << QByteArray("PUT") << "/api/v1/speed" << key << QByteArray("{\"speed\": 200}") << 0 << 0 << 200 << true;
        QTest::newRow("page without key") << QByteArray("GET") << "/" << QStringList() << QByteArray() << 0 << 0 << 200 << false;
        QTest::newRow("no key") << QByteArray("POST") << "/api/v1/start" << QStringList() << QByteArray() << 0 << 0 << 401 << false;
        QTest::newRow("wrong key") << QByteArray("POST") << "/api/v1/start" << QStringList{"Authorization: Bearer " + QByteArray(32, '0')} << QByteArray() << 0 << 0 << 401 << false;
        QTest::newRow("key not as bearer") << QByteArray("POST") << "/api/v1/start" << QStringList{"Authorization: Basic " + Key} << QByteArray() << 0 << 0 << 401 << false;
        QTest::newRow("from another site") << QByteArray("POST") << "/api/v1/start" << key + QStringList{"Origin: http://evil.example"} << QByteArray() << 0 << 0 << 403 << false;
        QTest::newRow("another site on the remote's port") << QByteArray("POST") << "/api/v1/start" << key + QStringList{"Origin: http://evil.example:8080"} << QByteArray() << 0 << 0 << 403 << false;
        QTest::newRow("a name of another site") << QByteArray("POST") << "/api/v1/start" << key + QStringList{"Host: rebound.example:8080"} << QByteArray() << 0 << 0 << 421 << false;
        QTest::newRow("the page by another site's name") << QByteArray("GET") << "/" << QStringList{"Host: rebound.example:8080"} << QByteArray() << 0 << 0 << 421 << false;
        QTest::newRow("body over 16 kB") << QByteArray("PUT") << "/api/v1/speed" << key << large << 0 << 0 << 413 << false;
        QTest::newRow("length over 16 kB") << QByteArray("PUT") << "/api/v1/speed" << key + QStringList{"Content-Length: 16385"} << QByteArray("{\"speed\": 200}") << 0 << 0 << 413 << false;
        QTest::newRow("malformed JSON") << QByteArray("PUT") << "/api/v1/speed" << key << QByteArray("{\"speed\": 200") << 0 << 0 << 400 << false;
        QTest::newRow("unknown field") << QByteArray("PUT") << "/api/v1/speed" << key << QByteArray("{\"speed\": 200, \"loud\": 1}") << 0 << 0 << 400 << false;
        QTest::newRow("field on a plain command") << QByteArray("POST") << "/api/v1/start" << key << QByteArray("{\"now\": true}") << 0 << 0 << 400 << false;
        QTest::newRow("speed out of range") << QByteArray("PUT") << "/api/v1/speed" << key << QByteArray("{\"speed\": 20}") << 0 << 0 << 400 << false;
        QTest::newRow("speed off the steps") << QByteArray("PUT") << "/api/v1/speed" << key << QByteArray("{\"speed\": 73}") << 0 << 0 << 400 << false;
        QTest::newRow("output that cannot work") << QByteArray("PUT") << "/api/v1/output" << key << QByteArray("{\"output\": \"../../etc/passwd\"}") << 0 << 0 << 400 << false;
        QTest::newRow("unknown path") << QByteArray("POST") << "/api/v1/launch" << key << QByteArray() << 0 << 0 << 404 << false;
        QTest::newRow("wrong method") << QByteArray("GET") << "/api/v1/start" << key << QByteArray() << 0 << 0 << 405 << false;
        QTest::newRow("after five wrong keys") << QByteArray("POST") << "/api/v1/start" << key << QByteArray() << 5 << 0 << 429 << false;
        QTest::newRow("a minute after") << QByteArray("POST") << "/api/v1/start" << key << QByteArray() << 5 << 1 << 200 << true;
        QTest::newRow("five wrong keys after the table filled") << QByteArray("POST") << "/api/v1/start" << key << QByteArray() << 5 << 0 << 429 << false;
        QTest::newRow("four wrong keys") << QByteArray("POST") << "/api/v1/start" << key << QByteArray() << 4 << 0 << 200 << true;
    }

    void requestsAreRefusedWithoutChange()
    {
        QFETCH(QByteArray, method);
        QFETCH(QString, path);
        QFETCH(QStringList, headers);
        QFETCH(QByteArray, body);
        QFETCH(int, wrongKeysBefore);
        QFETCH(int, minutesLater);
        QFETCH(int, status);
        QFETCH(bool, changes);
        const QTemporaryDir folder;
        Remote remote(folder);
        // Other addresses, one wrong key each, until the table of them is full.
        if (QByteArray(QTest::currentDataTag()).contains("table filled"))
            for (quint32 i = 0; i < FailureLimiter::MaxAddresses; ++i)
                remote.limiter.recordFailure(QHostAddress(0x0a000000 + i));
        for (int i = 0; i < wrongKeysBefore; ++i)
            QCOMPARE(remote.ask("GET", "/api/v1/state", {"Authorization: Bearer " + QString(32, QLatin1Char('f'))}).status, 401);
        remote.now += std::chrono::minutes(minutesLater);
        const QByteArray before = remote.snapshot();

        const HttpResponse response = remote.ask(method, path, headers, body);
        QVERIFY2(response.status == status, response.body.constData());
        QCOMPARE(remote.snapshot() != before, changes);
        const auto has = [&response](const QByteArray &name, const QByteArray &value) {
            return response.headers.contains({name, value});
        };
        QVERIFY(has("Content-Security-Policy", "default-src 'self'") && has("X-Content-Type-Options", "nosniff"));
        QVERIFY(has("Referrer-Policy", "no-referrer"));
        QVERIFY(!path.startsWith("/api/") || has("Cache-Control", "no-store"));
        QVERIFY(status == 200 || QJsonDocument::fromJson(response.body)["error"].toString().size() > 10);
    }

    // Every route the server knows is in the file with the same method, and
    // no other.
    void routesAreThoseOfTheOpenApiFile()
    {
        QStringList described, served;
        QString path;
        static const QRegularExpression pathLine(QStringLiteral("^  (/\\S+):$")), methodLine(QStringLiteral("^    (get|put|post|delete|patch):$"));
        for (const QString &line : QString::fromUtf8(readFile(LAMPOTRON_SOURCE_DIR "/docs/openapi.yaml")).split('\n')) {
            if (const auto match = pathLine.match(line); match.hasMatch())
                path = match.captured(1);
            if (const auto match = methodLine.match(line); match.hasMatch())
                described << match.captured(1).toUpper() + ' ' + path;
        }
        for (const RemoteApi::Route &route : RemoteApi::routes())
            served << QString::fromLatin1(route.method) + ' ' + route.path;
        described.sort();
        served.sort();
        QCOMPARE(described, served);
    }

    void keyIsMadeOnceAndKeptPrivate()
    {
        const QTemporaryDir folder;
        const QString path = RemoteKey::pathBeside(folder.filePath(QStringLiteral("config/Lampotron.conf")));
        const RemoteKey made = RemoteKey::loadOrMake(path);
        QVERIFY2(made.key.size() == 32 && QByteArray::fromHex(made.key).toHex() == made.key, qPrintable(made.problem));
        QCOMPARE(QFileInfo(path).permissions(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
        QCOMPARE(RemoteKey::loadOrMake(path).key, made.key);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
        QVERIFY(RemoteKey::loadOrMake(path).problem.contains("chmod 600"));

        const QString linked = folder.filePath(QStringLiteral("linked.key")), elsewhere = folder.filePath(QStringLiteral("elsewhere"));
        QVERIFY(QFile::link(elsewhere, linked));
        QVERIFY(RemoteKey::loadOrMake(linked).key.isEmpty());
        QVERIFY(!QFileInfo::exists(elsewhere));
    }

    void hostNamesTheRemote_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("listen");
        QTest::addColumn<bool>("named");
        QTest::newRow("its address") << "127.0.0.1:8080" << "127.0.0.1" << true;
        QTest::newRow("localhost") << "localhost:8080" << "127.0.0.1" << true;
        QTest::newRow("IPv6") << "[::1]:8080" << "::1" << true;
        QTest::newRow("another site's name") << "evil.example:8080" << "127.0.0.1" << false;
        QTest::newRow("another port") << "127.0.0.1:8081" << "127.0.0.1" << false;
        QTest::newRow("no port on 8080") << "127.0.0.1" << "127.0.0.1" << false;
        QTest::newRow("no Host") << "" << "127.0.0.1" << false;
        QTest::newRow("with a user") << "me@127.0.0.1:8080" << "127.0.0.1" << false;
        QTest::newRow("every network: the machine's name") << "Box:8080" << "0.0.0.0" << true;
        QTest::newRow("every network: its mDNS name") << "box.local:8080" << "0.0.0.0" << true;
        QTest::newRow("every network: an address of it") << "192.168.1.5:8080" << "0.0.0.0" << true;
        QTest::newRow("every network: another address") << "192.168.1.6:8080" << "0.0.0.0" << false;
        QTest::newRow("every network over IPv6: the machine's name") << "box:8080" << "::" << true;
        QTest::newRow("every network: another name") << "evil.example:8080" << "0.0.0.0" << false;
        QTest::newRow("the machine's name on loopback only") << "box:8080" << "127.0.0.1" << false;
        QTest::newRow("an address not listened on") << "192.168.1.5:8080" << "127.0.0.1" << false;
    }

    void hostNamesTheRemote()
    {
        QFETCH(QString, host);
        QFETCH(QString, listen);
        QFETCH(bool, named);
        const QList<QHostAddress> machine{QHostAddress::LocalHost, QHostAddress(QStringLiteral("192.168.1.5"))};
        QCOMPARE(namesThisRemote(host.toLatin1(), QHostAddress(listen), 8080, false, "box", machine), named);
    }

    void addressAndUrl_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("certificate");
        QTest::addColumn<QString>("url"); // empty: refused
        QTest::newRow("this machine") << "127.0.0.1:8080" << "" << "http://127.0.0.1:8080/#key=K";
        QTest::newRow("every network") << "0.0.0.0:8080" << "" << "http://box:8080/#key=K";
        QTest::newRow("IPv6") << "[::1]:8080" << "" << "http://[::1]:8080/#key=K";
        QTest::newRow("HTTPS") << "127.0.0.1:8443" << "cert.pem" << "https://127.0.0.1:8443/#key=K";
        QTest::newRow("no port") << "127.0.0.1" << "" << "";
        QTest::newRow("port out of range") << "127.0.0.1:70000" << "" << "";
        QTest::newRow("a name, not an address") << "phone:8080" << "" << "";
    }

    void addressAndUrl()
    {
        QFETCH(QString, address);
        QFETCH(QString, certificate);
        QFETCH(QString, url);
        const RemoteChoice choice = readRemote(address, certificate, certificate.isEmpty() ? QString() : "key.pem");
        QCOMPARE(choice.config ? remoteUrl(*choice.config, "K", "box") : QString(), url);
        QCOMPARE(choice.problem.isEmpty(), !url.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRemote)
#include "tst_remote.moc"
