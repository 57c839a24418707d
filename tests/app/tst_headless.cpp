#include "FakeDeadlineTimer.h"
#include "FakeWallClock.h"
#include "HeadlessPlayer.h"
#include "RecordingBackend.h"
#include "ScheduleFollower.h"
#include "ScriptedFrames.h"
#include "ServiceNotifier.h"
#include "TestFiles.h"

#include <QSignalSpy>
#include <QTemporaryFile>
#include <QTest>

#include <csignal>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

// The player without a window on a recorded output and a fake clock.
struct Rig {
    explicit Rig(const QTemporaryDir &folder, const QByteArray &settingsText = {},
                 std::optional<HeadlessPlayer::Following> following = std::nullopt)
        : settings((writeFile(folder.filePath("Lampotron.conf"), settingsText), folder.filePath("Lampotron.conf"))),
          player({"ola:1", folder.filePath("Data.inf"), 100}, std::unique_ptr<DeadlineTimer>(timer),
                 [this](const QString &) { return std::make_unique<RecordingBackend>(record); }),
          commands(player, settings, folder.filePath("patterns"), 0ms), face(player, commands, std::nullopt, false, settings, std::move(following)), ended(&player, &Player::finished)
    {
        writeFile(player.schemePath(), "10000000\r\n01000000\r\n");
    }

    FakeDeadlineTimer *timer = new FakeDeadlineTimer;
    std::shared_ptr<PortRecord> record = std::make_shared<PortRecord>();
    SettingsStore settings;
    Player player;
    PlayerCommands commands;
    HeadlessPlayer face;
    QSignalSpy ended;
};

// A socket where systemd would listen, named in NOTIFY_SOCKET.
struct NotifySocket {
    explicit NotifySocket(const QTemporaryDir &folder) : path(folder.filePath("notify").toLocal8Bit())
    {
        fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.constData(), sizeof(address.sun_path) - 1);
        ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address));
        qputenv("NOTIFY_SOCKET", path);
    }
    ~NotifySocket()
    {
        ::close(fd);
        qunsetenv("NOTIFY_SOCKET");
    }
    QStringList received() const
    {
        QStringList messages;
        char buffer[1024];
        for (ssize_t size; (size = ::recv(fd, buffer, sizeof buffer, 0)) > 0;)
            messages << QString::fromUtf8(buffer, size);
        return messages;
    }

    QByteArray path;
    int fd = -1;
};

// What the player logs on stderr while it lives.
class CapturedStderr {
public:
    CapturedStderr()
    {
        file_.open();
        std::fflush(stderr);
        saved_ = ::dup(STDERR_FILENO);
        ::dup2(file_.handle(), STDERR_FILENO);
    }
    ~CapturedStderr()
    {
        std::fflush(stderr);
        ::dup2(saved_, STDERR_FILENO);
        ::close(saved_);
    }
    QString text() const
    {
        std::fflush(stderr);
        QFile written(file_.fileName());
        return written.open(QIODevice::ReadOnly) ? QString::fromUtf8(written.readAll()) : QString();
    }

private:
    QTemporaryFile file_;
    int saved_ = -1;
};

} // namespace

class TestHeadless : public QObject {
    Q_OBJECT

private slots:
    // 1 and 69 tell a service manager what will not mend itself and what may.
    void startEndsWithTheRightCode_data()
    {
        QTest::addColumn<QByteArray>("scheme");
        QTest::addColumn<QString>("openFailure");
        QTest::addColumn<int>("code"); // -1: it plays
        QTest::newRow("plays") << QByteArray("10000000\r\n") << "" << -1;
        QTest::newRow("scheme unusable") << QByteArray() << "" << 1;
        QTest::newRow("output does not answer") << QByteArray("10000000\r\n") << "no such device" << 69;
    }

    void startEndsWithTheRightCode()
    {
        QFETCH(QByteArray, scheme);
        QFETCH(QString, openFailure);
        QFETCH(int, code);
        const QTemporaryDir folder;
        Rig rig(folder);
        QVERIFY(writeFile(rig.player.schemePath(), scheme));
        rig.record->openFailure = openFailure.toStdString();
        QCOMPARE(rig.face.start().value_or(-1), code);
    }

    // A follower needs no scheme; one whose olad cannot be reached ends with
    // 69, so that systemd tries again.
    void followerStartsWithoutAScheme_data()
    {
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<int>("code");
        QTest::newRow("follows") << "" << -1;
        QTest::newRow("olad not there") << "olad does not answer" << 69;
    }

    void followerStartsWithoutAScheme()
    {
        QFETCH(QString, refusal);
        QFETCH(int, code);
        const QTemporaryDir folder;
        const HeadlessPlayer::Following following{*parseFollow("ola:3@9").target, [refusal](unsigned) {
                                                      return std::make_unique<ScriptedFrames>(
                                                          refusal.isEmpty() ? std::nullopt : std::optional(refusal));
                                                  }};
        Rig rig(folder, {}, following);
        QFile::remove(rig.player.schemePath());
        QCOMPARE(rig.face.start().value_or(-1), code);
        QCOMPARE(rig.commands.state().following, code < 0 ? QStringLiteral("universe 3 from channel 9") : QString());
    }

    // "Every line is low" only when the output confirmed it.
    void endingSaysWhetherTheLampsAreDark_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("code");
        QTest::newRow("SIGTERM") << "SIGTERM" << 0;
        QTest::newRow("SIGINT") << "SIGINT" << 0;
        QTest::newRow("no confirmation") << "doubt" << 69;
        QTest::newRow("output lost") << "lost" << 69;
    }

    void endingSaysWhetherTheLampsAreDark()
    {
        QFETCH(QString, how);
        QFETCH(int, code);
        const QTemporaryDir folder;
        Rig rig(folder);
        QCOMPARE(rig.face.start(), std::nullopt);
        rig.commands.start();
        if (how == "doubt")
            rig.record->closeDoubt = "olad did not confirm";
        if (how == "lost") {
            rig.record->writeFailure = "gone";
            rig.timer->runFor(100ms);
        } else {
            rig.face.onSignal(how == "SIGINT" ? SIGINT : SIGTERM);
        }
        QCOMPARE(rig.ended.size(), 1);
        QCOMPARE(rig.ended.at(0).at(0).toInt(), code);
    }

    // SIGHUP takes the scheme and the speed as stored now; nothing is written.
    void reloadTakesTheStoredScheme()
    {
        const QTemporaryDir folder;
        Rig rig(folder, "[Setting]\nSpeed=1000\n");
        QCOMPARE(rig.face.start(), std::nullopt);
        QVERIFY(writeFile(rig.settings.fileName(), "[Setting]\nSpeed=260\n"));
        QVERIFY(writeFile(rig.player.schemePath(), "10000000\r\n01000000\r\n00100000\r\n"));
        rig.face.onSignal(SIGHUP);
        QCOMPARE(rig.commands.state().rows, 3);
        QCOMPARE(rig.commands.state().speedMs, 250);
        QVERIFY(writeFile(rig.player.schemePath(), ""));
        rig.face.onSignal(SIGHUP);
        QCOMPARE(rig.commands.state().rows, 3);
        QCOMPARE(rig.commands.flushSettings(), std::nullopt);
        QCOMPARE(readFile(rig.settings.fileName()), QByteArray("[Setting]\nSpeed=260\n"));
        QCOMPARE(rig.ended.size(), 0);
    }

    // The show plays inside its window, what the entry names, and stops
    // outside it. A name that is gone plays the scheme, and says so.
    void scheduleStartsAndStopsTheShow_data()
    {
        QTest::addColumn<QByteArray>("entries");
        QTest::addColumn<QTime>("at");
        QTest::addColumn<QString>("playing"); // the pattern's name, the effect's number, or "scheme"
        QTest::addColumn<QString>("said");
        QTest::newRow("the scheme") << QByteArray("Entry1=on=17:00 off=23:00\n") << QTime(17, 0, 1) << "scheme" << "Playing by the schedule";
        QTest::newRow("a pattern") << QByteArray("Entry1=on=17:00 off=23:00 play=Blink twice\n") << QTime(17, 0, 1) << "Blink twice"
                                   << "Playing \"Blink twice\" by the schedule";
        QTest::newRow("a built-in effect") << QByteArray("Entry1=on=17:00 off=23:00 play=перебор схожд.\n") << QTime(17, 0, 1) << "9" << "";
        QTest::newRow("a pattern that is gone") << QByteArray("Entry1=on=17:00 off=23:00 play=Gone\n") << QTime(17, 0, 1) << "scheme"
                                                << "The schedule names \"Gone\" to play, and there is no such effect or pattern; playing the scheme instead.";
        QTest::newRow("the scheme after a pattern") << QByteArray("Entry1=on=17:00 off=18:00 play=Blink twice\nEntry2=on=20:00 off=23:00\n")
                                                    << QTime(20, 0, 1) << "scheme" << "";
    }

    void scheduleStartsAndStopsTheShow()
    {
        QFETCH(QByteArray, entries);
        QFETCH(QTime, at);
        QFETCH(QString, playing);
        QFETCH(QString, said);
        const QTemporaryDir folder;
        Rig rig(folder, "[Schedule]\n" + entries);
        int version = 0;
        QCOMPARE(rig.commands.savePattern("Blink twice", {{0x81, 250}, {0x00, 250}, {0x81, 250}}, version), std::nullopt);
        QCOMPARE(rig.face.start(), std::nullopt);
        ServiceNotifier service(rig.player, rig.commands.state(), rig.player.schemePath());
        FakeWallClock wallClock(QDateTime(QDate(2026, 6, 10), QTime(16, 0), Qt::UTC));
        ScheduleFollower follower(rig.commands, service, rig.settings, wallClock);
        const CapturedStderr log;
        follower.start();
        QCOMPARE(rig.commands.state().playback, PlayerState::Playback::Stopped);
        wallClock.runUntil(QDateTime(QDate(2026, 6, 10), at, Qt::UTC));
        const PlayerState state = rig.commands.state();
        QCOMPARE(state.playback, PlayerState::Playback::Running);
        QCOMPARE(!state.pattern.isEmpty() ? state.pattern : state.effect >= 0 ? QString::number(state.effect) : "scheme", playing);
        const QString heard = log.text();
        QVERIFY2(heard.count(said) == 1 || said.isEmpty(), qPrintable(heard));
        rig.timer->runFor(100ms);
        wallClock.runUntil(QDateTime(QDate(2026, 6, 10), QTime(23, 0, 1), Qt::UTC));
        rig.timer->runFor(300ms);
        QCOMPARE(rig.commands.state().playback, PlayerState::Playback::Stopped);
    }

    // Every status after a watchdog ping still reaches systemd.
    void systemdHearsEveryStatus()
    {
        const QTemporaryDir folder;
        Rig rig(folder);
        const NotifySocket socket(folder);
        qputenv("WATCHDOG_USEC", "10000");
        ServiceNotifier service(rig.player, rig.commands.state(), rig.player.schemePath());
        qunsetenv("WATCHDOG_USEC");
        QCOMPARE(rig.face.start(), std::nullopt);
        service.ready();
        QStringList said;
#ifdef LAMPOTRON_WITH_SYSTEMD
        QTRY_VERIFY_WITH_TIMEOUT((said += socket.received(), said.count("WATCHDOG=1") >= 2), 5000);
        rig.commands.start();
        said += socket.received();
        QVERIFY2(said.contains("READY=1") && said.last().startsWith("STATUS=playing"), qPrintable(said.join('|')));
        service.stopping();
        QTest::qWait(20);
        said = socket.received();
        QCOMPARE(said.filter("WATCHDOG").size(), 0);
        QVERIFY2(said.contains("STOPPING=1"), qPrintable(said.join('|')));
#else
        QTest::qWait(20);
        QCOMPARE(socket.received(), QStringList());
#endif
    }
};

int main(int argc, char **argv)
{
    qputenv("TZ", "UTC");
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("Lampotron");
    TestHeadless test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_headless.moc"
