#include "EffectCatalogue.h"
#include "FakeDeadlineTimer.h"
#include "Translations.h"
#include "Fseq.h"
#include "RecordingBackend.h"
#include "RemoteApi.h"
#include "RemoteConfig.h"
#include "RemoteKey.h"
#include "StateJson.h"
#include "TestFiles.h"

#include <QDirIterator>
#include <QJsonArray>
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
        HttpRequest request{method, path.section('?', 0, 0), path.section('?', 1).toLatin1(), {}, body,
                            QHostAddress::LocalHost, false, QHostAddress::LocalHost, 8080};
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
    // The translations installed as the program installs them, speaking the
    // source texts.
    void initTestCase() { language::use({}); }

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

    // Each row starts from one saved pattern, "Wave" at version 1, and checks
    // one field of the answer; a pattern saved under a name must read back
    // under it, and no file may land outside the patterns' folder.
    void patternRoutes_data()
    {
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<QString>("name");   // percent-encoded into the path
        QTest::addColumn<QString>("action"); // after the name: "", "/play" ...
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QJsonValue>("value");
        const QByteArray one = R"({"steps": [{"lamps": "10000001", "ms": 250}, {"lamps": "01000000"}], "version": 0})";
        const QString builtIn = stateJson::effectName(0);
        QTest::newRow("list") << QByteArray("GET") << "" << "" << QByteArray() << 200 << "patterns" << QJsonValue(13);
        QTest::newRow("read") << QByteArray("GET") << "Wave" << "" << QByteArray() << 200 << "steps" << QJsonValue(R"([{"lamps":"11000000","ms":100},{"lamps":"00110000"}])");
        QTest::newRow("read a built-in") << QByteArray("GET") << builtIn << "" << QByteArray() << 200 << "builtIn" << QJsonValue(true);
        QTest::newRow("read unknown") << QByteArray("GET") << "Nope" << "" << QByteArray() << 404 << "" << QJsonValue();
        QTest::newRow("save new") << QByteArray("PUT") << "New" << "" << one << 200 << "version" << QJsonValue(1);
        QTest::newRow("save on its version") << QByteArray("PUT") << "Wave" << "" << QByteArray(one).replace("\"version\": 0", "\"version\": 1") << 200 << "version" << QJsonValue(2);
        QTest::newRow("save stale") << QByteArray("PUT") << "Wave" << "" << QByteArray(one).replace("\"version\": 0", "\"version\": 7") << 409 << "" << QJsonValue();
        QTest::newRow("save new over a taken name") << QByteArray("PUT") << "Wave" << "" << one << 409 << "" << QJsonValue();
        QTest::newRow("save a built-in") << QByteArray("PUT") << builtIn << "" << one << 409 << "" << QJsonValue();
        QTest::newRow("seven lamps") << QByteArray("PUT") << "New" << "" << QByteArray(one).replace("01000000", "0100000") << 400 << "" << QJsonValue();
        QTest::newRow("step too short") << QByteArray("PUT") << "New" << "" << QByteArray(one).replace("250", "5") << 400 << "" << QJsonValue();
        QTest::newRow("no steps") << QByteArray("PUT") << "New" << "" << QByteArray(R"({"steps": [], "version": 0})") << 400 << "" << QJsonValue();
        QTest::newRow("no version") << QByteArray("PUT") << "New" << "" << QByteArray(R"({"steps": [{"lamps": "10000000"}]})") << 400 << "" << QJsonValue();
        QTest::newRow("unknown step field") << QByteArray("PUT") << "New" << "" << QByteArray(one).replace("\"ms\"", "\"mss\"") << 400 << "" << QJsonValue();
        QTest::newRow("name too long") << QByteArray("PUT") << QString(41, 'x') << "" << one << 400 << "" << QJsonValue();
        QTest::newRow("control character") << QByteArray("GET") << "a\x01" << "" << QByteArray() << 400 << "" << QJsonValue();
        QTest::newRow("name with a slash") << QByteArray("PUT") << "a/b" << "" << one << 200 << "name" << QJsonValue("a/b");
        QTest::newRow("name ..") << QByteArray("PUT") << ".." << "" << one << 200 << "name" << QJsonValue("..");
        QTest::newRow("Cyrillic name") << QByteArray("PUT") << "Волна" << "" << one << 200 << "name" << QJsonValue("Волна");
        QTest::newRow("emoji name") << QByteArray("PUT") << "🌊 wave" << "" << one << 200 << "name" << QJsonValue("🌊 wave");
        QTest::newRow("delete stale") << QByteArray("DELETE") << "Wave" << "" << QByteArray(R"({"version": 2})") << 409 << "" << QJsonValue();
        QTest::newRow("delete") << QByteArray("DELETE") << "Wave" << "" << QByteArray(R"({"version": 1})") << 200 << "deleted" << QJsonValue("Wave");
        QTest::newRow("delete one gone meanwhile") << QByteArray("DELETE") << "Nope" << "" << QByteArray(R"({"version": 1})") << 409 << "" << QJsonValue();
        QTest::newRow("play") << QByteArray("POST") << "Wave" << "/play" << QByteArray() << 200 << "pattern" << QJsonValue("Wave");
        QTest::newRow("play a built-in") << QByteArray("POST") << builtIn << "/play" << QByteArray() << 200 << "effect" << QJsonValue(builtIn);
        QTest::newRow("play unknown") << QByteArray("POST") << "Nope" << "/play" << QByteArray() << 404 << "" << QJsonValue();
        QTest::newRow("preview unsaved") << QByteArray("POST") << "Nope" << "/play" << QByteArray(R"({"steps": [{"lamps": "10000000"}]})") << 200 << "pattern" << QJsonValue("Nope");
        QTest::newRow("preview no steps") << QByteArray("POST") << "Wave" << "/play" << QByteArray(R"({"steps": []})") << 400 << "" << QJsonValue();
        QTest::newRow("rename") << QByteArray("POST") << "Wave" << "/rename" << QByteArray(R"({"to": "Sea", "version": 1})") << 200 << "name" << QJsonValue("Sea");
        QTest::newRow("rename stale") << QByteArray("POST") << "Wave" << "/rename" << QByteArray(R"({"to": "Sea", "version": 3})") << 409 << "" << QJsonValue();
        QTest::newRow("rename a built-in") << QByteArray("POST") << builtIn << "/rename" << QByteArray(R"({"to": "Sea", "version": 0})") << 409 << "" << QJsonValue();
        QTest::newRow("copy a built-in") << QByteArray("POST") << builtIn << "/copy" << QByteArray(R"({"to": "Sea"})") << 200 << "version" << QJsonValue(1);
        QTest::newRow("copy onto a taken name") << QByteArray("POST") << builtIn << "/copy" << QByteArray(R"({"to": "Wave"})") << 409 << "" << QJsonValue();
        QTest::newRow("wrong method") << QByteArray("POST") << "Wave" << "" << QByteArray() << 405 << "" << QJsonValue();
        QTest::newRow("unknown action") << QByteArray("POST") << "Wave" << "/launch" << QByteArray() << 404 << "" << QJsonValue();
        QTest::newRow("build with a pattern") << QByteArray("POST") << "" << "build" << QByteArray(R"({"effects": [)" + QByteArray(R"({"ticked": false, "repeats": 1},)").repeated(11) + R"({"ticked": true, "repeats": 1}], "patterns": [{"name": "Wave", "repeats": 3}]})") << 200 << "rows" << QJsonValue(static_cast<int>(pattern::effect(11)->rows.size()) + 3 * 2);
        const auto sequence = [](int steps) {
            std::vector<pattern::Step> alternating;
            for (int i = 0; i < steps; ++i)
                alternating.push_back({std::uint8_t(i % 2 ? 0x81 : 0x18), 50});
            return fseq::exportSteps(alternating, 25, 100).file;
        };
        QTest::newRow("export") << QByteArray("GET") << "Wave" << ".fseq?frame=50" << QByteArray() << 200 << "" << QJsonValue();
        QTest::newRow("export at 40 ms") << QByteArray("GET") << "Wave" << ".fseq?frame=40" << QByteArray() << 400 << "" << QJsonValue();
        QTest::newRow("export unknown") << QByteArray("GET") << "Nope" << ".fseq" << QByteArray() << 404 << "" << QJsonValue();
        QTest::newRow("import") << QByteArray("POST") << "Сполох" << "import" << sequence(5) << 200 << "steps" << QJsonValue(5);
        QTest::newRow("import over 16 kB") << QByteArray("POST") << "Big" << "import" << sequence(3000) << 200 << "steps" << QJsonValue(3000);
        QTest::newRow("import a damaged file") << QByteArray("POST") << "Bad" << "import" << sequence(5).left(40) << 400 << "" << QJsonValue();
        QTest::newRow("import onto a taken name") << QByteArray("POST") << "Wave" << "import" << sequence(5) << 409 << "" << QJsonValue();
        QTest::newRow("import without a name") << QByteArray("POST") << "" << "import" << sequence(5) << 400 << "" << QJsonValue();
        QTest::newRow("build with an unknown pattern") << QByteArray("POST") << "" << "build" << QByteArray(R"({"effects": [)" + QByteArray(R"({"ticked": false, "repeats": 1},)").repeated(11) + R"({"ticked": true, "repeats": 1}], "patterns": [{"name": "Nope", "repeats": 1}]})") << 409 << "" << QJsonValue();
    }

    void patternRoutes()
    {
        QFETCH(QByteArray, method);
        QFETCH(QString, name);
        QFETCH(QString, action);
        QFETCH(QByteArray, body);
        QFETCH(int, status);
        QFETCH(QString, field);
        QFETCH(QJsonValue, value);
        const QTemporaryDir folder;
        Remote remote(folder);
        int version = 0;
        QVERIFY(!remote.commands.savePattern("Wave", {{0b11, 100}, {0b1100, 0}}, version));
        const QStringList key{"Authorization: Bearer " + Key};
        const auto path = [](const QString &named) { return "/api/v1/patterns/" + QUrl::toPercentEncoding(named); };
        const QString asked = action == "build"    ? "/api/v1/build"
                              : action == "import" ? "/api/v1/patterns/import?name=" + QUrl::toPercentEncoding(name)
                              : name.isEmpty()     ? "/api/v1/patterns"
                                                   : path(name) + action;

        const HttpResponse response = remote.ask(method, asked, key, body);
        QVERIFY2(response.status == status, response.body.constData());
        const QJsonObject answer = QJsonDocument::fromJson(response.body).object();
        const QJsonValue got = answer[field].isArray() && value.isDouble() ? QJsonValue(answer[field].toArray().size())
                               : answer[field].isArray() ? QJsonValue(QString(QJsonDocument(answer[field].toArray()).toJson(QJsonDocument::Compact)))
                                                         : answer[field];
        QVERIFY2(field.isEmpty() || got == value, response.body.constData());
        QVERIFY(status == 200 || answer["error"].toString().size() > 10);
        if (action.startsWith(".fseq") && status == 200)
            QCOMPARE(fseq::importBytes(response.body, {}).steps.size(), std::size_t(2));
        if (field == "name")
            QCOMPARE(QJsonDocument::fromJson(remote.ask("GET", path(value.toString()), key).body)["name"], value);
        QDirIterator files(folder.path(), QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext())
            QVERIFY2(QRegularExpression("/(patterns/[^/]+\\.pattern|Lampotron.conf|Data.inf)$").match(files.next()).hasMatch(), qPrintable(files.filePath()));
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

    // A refusal speaks the browser's language, unless the settings name
    // one; the program itself goes on in its own.
    void refusalsSpeakTheBrowsersLanguage_data()
    {
        QTest::addColumn<QString>("acceptLanguage");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("refusal");
        const QString english = "The speed is 50 to 1000 ms in steps of 50, not 75.";
        const QString german = "Die Geschwindigkeit ist 50 bis 1000 ms in Schritten von 50, nicht 75.";
        QTest::newRow("German browser") << "de-CH,de;q=0.9,en;q=0.8" << "" << german;
        QTest::newRow("English browser") << "en-GB" << "" << english;
        QTest::newRow("no language sent") << "" << "" << english;
        QTest::newRow("the settings' Russian wins") << "de" << "ru" << english;
        QTest::newRow("the settings' German wins") << "en" << "de" << german;
    }

    void refusalsSpeakTheBrowsersLanguage()
    {
        QFETCH(QString, acceptLanguage);
        QFETCH(QString, setting);
        QTemporaryDir folder;
        Remote remote(folder);
        QVERIFY(!remote.settings.write({{"Setting", "Language", setting}}));
        QStringList headers{"Authorization: Bearer " + Key};
        if (!acceptLanguage.isEmpty())
            headers << "Accept-Language: " + acceptLanguage;
        const HttpResponse answer = remote.ask("PUT", "/api/v1/speed", headers, R"({"speed": 75})");
        QCOMPARE(answer.status, 400);
        QTEST(QJsonDocument::fromJson(answer.body)["error"].toString(), "refusal");
        QCOMPARE(*PlayerCommands::speedProblem(75), "The speed is 50 to 1000 ms in steps of 50, not 75.");
    }
};

QTEST_GUILESS_MAIN(TestRemote)
#include "tst_remote.moc"
