#include "FakeDeadlineTimer.h"
#include "FakeWallClock.h"
#include "RecordingBackend.h"
#include "RemoteApi.h"
#include "ScheduleFollower.h"
#include "ScheduleJson.h"
#include "ScheduleSettings.h"
#include "ServiceNotifier.h"
#include "TestFiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

namespace {

const QByteArray Key = "0123456789abcdef0123456789abcdef";

// The API over a stopped player with a scheme, and the schedule followed on a clock at noon.
struct Remote {
    explicit Remote(const QTemporaryDir &folder)
        : settings(withEntry(folder.filePath(QStringLiteral("Lampotron.conf")))),
          player({QStringLiteral("recorded"), folder.filePath(QStringLiteral("Data.inf")), 100},
                 std::make_unique<FakeDeadlineTimer>(), [this](const QString &) { return std::make_unique<RecordingBackend>(record); }),
          commands(player, settings, folder.filePath(QStringLiteral("patterns"))),
          api(commands, settings, Key, limiter, [] { return std::vector<FoundPort>{}; }),
          service(player, commands.state(), player.schemePath()),
          follower(commands, service, settings, wallClock)
    {
        writeFile(player.schemePath(), "10000000\r\n01000000\r\n");
        player.loadScheme();
        player.openOutput();
        follower.start();
    }

    // An entry far from noon, so that the show waits.
    static QString withEntry(const QString &path)
    {
        writeFile(path, "[Schedule]\nEntry1=on=03:00 off=03:01\n");
        return path;
    }

    HttpResponse ask(const QByteArray &method, const QByteArray &body = {})
    {
        HttpRequest request{method, QStringLiteral("/api/v1/schedule"), {}, {{"Authorization", "Bearer " + Key}, {"Host", "127.0.0.1:8080"}},
                            body, QHostAddress::LocalHost, false, QHostAddress::LocalHost, 8080};
        return api.answer(request).result();
    }

    int version() { return QJsonDocument::fromJson(ask("GET").body).object().value("version").toInt(); }

    std::shared_ptr<PortRecord> record = std::make_shared<PortRecord>();
    FailureLimiter limiter{[] { return FailureLimiter::Clock::time_point{}; }};
    SettingsStore settings;
    Player player;
    PlayerCommands commands;
    RemoteApi api;
    FakeWallClock wallClock{QDateTime(QDate(2026, 6, 10), QTime(12, 0), Qt::UTC)};
    ServiceNotifier service;
    ScheduleFollower follower;
};

QByteArray change(const QStringList &entries, const QByteArray &place, const QByteArray &version = "VERSION")
{
    return "{\"version\": " + version + ", \"entries\": " + QJsonDocument(QJsonArray::fromStringList(entries)).toJson() +
           ", \"place\": " + place + "}";
}

} // namespace

class TestScheduleRoutes : public QObject {
    Q_OBJECT

private slots:
    void changesAreRefusedWithTheReason_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("reason");
        const QByteArray berlin = "{\"latitude\": 52.52, \"longitude\": 13.40}";
        QTest::newRow("bad entry") << change({"on=sunset off=25:00"}, berlin) << 400 << "Entry 1 cannot be used: \"25:00\" is not a time";
        QTest::newRow("second entry bad") << change({"on=18:00 off=19:00", "on=sunset"}, berlin) << 400 << "Entry 2 cannot be used: it needs a start and an end";
        QTest::newRow("too many entries") << change(QStringList(101, "on=18:00 off=19:00"), "null") << 400 << "at most 100";
        QTest::newRow("latitude out of range") << change({"on=18:00 off=19:00"}, "{\"latitude\": 91, \"longitude\": 0}") << 400 << "latitude goes from -90 to 90";
        QTest::newRow("sun without a place") << change({"on=sunset off=23:00"}, "null") << 400 << "sunset needs the place";
        QTest::newRow("never runs there") << change({"dates=12-10..12-31 on=sunrise off=sunset"}, "{\"latitude\": 85, \"longitude\": 0}") << 400 << "it never runs";
        QTest::newRow("wrong version") << change({"on=18:00 off=19:00"}, "null", "1") << 409 << "changed meanwhile";
        QTest::newRow("place as text") << change({"on=18:00 off=19:00"}, "\"Berlin\"") << 400 << "\"place\" must be null or";
        QTest::newRow("entry not a text") << QByteArray("{\"version\": VERSION, \"entries\": [3], \"place\": null}") << 400 << "must be a text";
        QTest::newRow("no version") << QByteArray("{\"entries\": [], \"place\": null}") << 400 << "\"version\" is missing";
    }

    void changesAreRefusedWithTheReason()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, status);
        QFETCH(QString, reason);
        const QTemporaryDir folder;
        Remote remote(folder);
        const QByteArray before = readFile(remote.settings.fileName());
        const HttpResponse answer = remote.ask("PUT", body.replace("VERSION", QByteArray::number(remote.version())));
        QCOMPARE(answer.status, status);
        const QString said = QJsonDocument::fromJson(answer.body).object().value("error").toString();
        QVERIFY2(said.contains(reason), qPrintable(said));
        QCOMPARE(readFile(remote.settings.fileName()), before);
    }

    // The show starts at once when an entry opens now, as after SIGHUP, and
    // a change made from the older version is refused.
    void aChangeTakesEffectAtOnce()
    {
        const QTemporaryDir folder;
        Remote remote(folder);
        const int version = remote.version();
        QCOMPARE(remote.commands.state().playback, PlayerState::Playback::Stopped);
        const HttpResponse answer = remote.ask("PUT", change({"on=00:00 off=23:59 play=Wave"}, "null", QByteArray::number(version)));
        QCOMPARE(answer.status, 200);
        QCOMPARE(remote.commands.state().playback, PlayerState::Playback::Running);
        const QJsonObject shown = QJsonDocument::fromJson(answer.body).object();
        QCOMPARE(shown.value("entries").toArray(), QJsonArray({"on=00:00 off=23:59 play=Wave"}));
        QVERIFY(shown.value("version").toInt() != version);
        QCOMPARE(schedule::readSchedule(remote.settings).entries().first().pattern, QStringLiteral("Wave"));
        QCOMPARE(remote.ask("PUT", change({}, "null", QByteArray::number(version))).status, 409);
    }

    void theNextOnAndOffComeWithTheirEntries_data()
    {
        QTest::addColumn<QTime>("at");
        QTest::addColumn<QString>("on");
        QTest::addColumn<int>("onEntry");
        QTest::addColumn<QString>("off");
        QTest::addColumn<int>("offEntry");
        QTest::newRow("before both") << QTime(12, 0) << "16:00" << 1 << "18:00" << 1;
        QTest::newRow("in the first") << QTime(17, 0) << "20:00" << 2 << "18:00" << 1;
        QTest::newRow("between") << QTime(19, 0) << "20:00" << 2 << "23:00" << 2;
        QTest::newRow("in the second") << QTime(21, 0) << "16:00" << 1 << "23:00" << 2;
    }

    void theNextOnAndOffComeWithTheirEntries()
    {
        QFETCH(QTime, at);
        QFETCH(QString, on);
        QFETCH(int, onEntry);
        QFETCH(QString, off);
        QFETCH(int, offEntry);
        const QTemporaryDir folder;
        const SettingsStore settings(folder.filePath(QStringLiteral("Lampotron.conf")));
        writeFile(settings.fileName(), "[Schedule]\nEntry1=on=16:00 off=18:00\nEntry2=on=20:00 off=23:00\n");
        const QJsonObject shown = scheduleJson::schedule(schedule::readStoredSchedule(settings),
                                                         schedule::readSchedule(settings, QTimeZone::utc()),
                                                         QDateTime(QDate(2026, 6, 10), at, Qt::UTC), 2);
        const QJsonObject next = shown.value("next").toObject();
        QCOMPARE(next.value("on").toObject().value("time").toString(), on);
        QCOMPARE(next.value("on").toObject().value("entry").toInt(), onEntry);
        QCOMPARE(next.value("off").toObject().value("time").toString(), off);
        QCOMPARE(next.value("off").toObject().value("entry").toInt(), offEntry);
        QCOMPARE(shown.value("days").toArray().size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestScheduleRoutes)
#include "tst_scheduleroutes.moc"
