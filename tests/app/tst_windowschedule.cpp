#include "FakeDeadlineTimer.h"
#include "FakeWallClock.h"
#include "PlayerCommands.h"
#include "RecordingBackend.h"
#include "SettingsKeys.h"
#include "TestFiles.h"
#include "WindowSchedule.h"

#include <QTest>

using namespace std::chrono_literals;

// The window's player on a fake clock, with a schedule on from 17:00 to 23:00.
struct Rig {
    explicit Rig(const QTemporaryDir &folder, const QByteArray &follow)
        : settings((writeFile(folder.filePath("Lampotron.conf"),
                              "[Setting]\nFollowSchedule=" + follow + "\n[Schedule]\nEntry1=on=17:00 off=23:00\n"),
                    folder.filePath("Lampotron.conf"))),
          player({"ola:1", folder.filePath("Data.inf"), 100}, std::unique_ptr<DeadlineTimer>(timer),
                 [this](const QString &) { return std::make_unique<RecordingBackend>(record); }),
          commands(player, settings, folder.filePath("patterns"), 0ms),
          schedule(player, commands, settings, wallClock, [this](const QString &next) { shown = next; })
    {
        writeFile(player.schemePath(), "10000000\r\n01000000\r\n");
        commands.loadScheme();
    }

    bool playsAt(QTime time)
    {
        wallClock.runUntil(QDateTime(QDate(2026, 6, 10), time, Qt::UTC));
        return commands.state().playback == PlayerState::Playback::Running;
    }

    FakeDeadlineTimer *timer = new FakeDeadlineTimer;
    std::shared_ptr<PortRecord> record = std::make_shared<PortRecord>();
    SettingsStore settings;
    Player player;
    PlayerCommands commands;
    FakeWallClock wallClock{QDateTime(QDate(2026, 6, 10), QTime(16, 0), Qt::UTC)};
    QString shown;
    WindowSchedule schedule;
};

class TestWindowSchedule : public QObject {
    Q_OBJECT

private slots:
    // Unticked, the window plays as it always did; the next switch is shown either way.
    void followsOnlyWhenTicked_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("tickAt1630");
        QTest::addColumn<bool>("playsAt1700");
        QTest::newRow("off, as by default") << QByteArray("0") << false << false;
        QTest::newRow("ticked in the menu") << QByteArray("0") << true << true;
        QTest::newRow("ticked at the last start") << QByteArray("1") << false << true;
    }

    void followsOnlyWhenTicked()
    {
        QFETCH(QByteArray, stored);
        QFETCH(bool, tickAt1630);
        QFETCH(bool, playsAt1700);
        const QTemporaryDir folder;
        Rig rig(folder, stored);
        rig.schedule.start();
        QVERIFY2(rig.shown.startsWith("on at 17:00"), qPrintable(rig.shown));
        QVERIFY(!rig.playsAt(QTime(16, 30)));
        if (tickAt1630)
            rig.schedule.setFollowing(true);
        QCOMPARE(rig.playsAt(QTime(17, 0, 1)), playsAt1700);
        QVERIFY2(rig.shown.startsWith("off at 23:00"), qPrintable(rig.shown));
        QCOMPARE(rig.commands.flushSettings(), std::nullopt);
        QCOMPARE(rig.settings.read(settings::FollowSchedule), playsAt1700 ? 1 : 0);
    }

    // Unticked while it plays, the show is left as it is at the off time.
    void untickedLeavesTheShowAlone()
    {
        const QTemporaryDir folder;
        Rig rig(folder, "1");
        rig.schedule.start();
        QVERIFY(rig.playsAt(QTime(17, 0, 1)));
        rig.schedule.setFollowing(false);
        rig.playsAt(QTime(23, 0, 1));
        rig.timer->runFor(300ms);
        QCOMPARE(rig.commands.state().playback, PlayerState::Playback::Running);
    }
};

QTEST_GUILESS_MAIN(TestWindowSchedule)
#include "tst_windowschedule.moc"
