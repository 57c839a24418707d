#include "FakeDeadlineTimer.h"
#include "PlaybackEngine.h"
#include "RecordingBackend.h"
#include "TimerfdDeadlineTimer.h"

#include <QSignalSpy>
#include <QTest>

using namespace std::chrono_literals;

namespace {

// An engine on a fake clock over an open recording port, with a log of every
// row shown: "12:10000000" is the row shown 12 ms after the start.
struct Rig {
    explicit Rig(std::initializer_list<const char *> rows)
    {
        pattern::PatternTable table;
        for (const char *row : rows)
            table.appendRow(row);
        engine.loadTable(std::move(table));
        engine.setDelay(50ms);
        port.device.SelectPort(1);
        QObject::connect(&engine, &PlaybackEngine::rowShown, [this](std::uint8_t lamps) {
            const auto at = std::chrono::duration_cast<std::chrono::milliseconds>(timer.now() - start);
            shown << QStringLiteral("%1:%2").arg(at.count()).arg(QString::fromStdString(lineText(lamps)));
        });
    }

    QStringList writesAfterOpen() const
    {
        QStringList writes;
        for (const std::string &row : port.backend->writes())
            writes << QString::fromStdString(row);
        return writes.mid(1);
    }

    RecordedPort port;
    FakeDeadlineTimer timer;
    PlaybackEngine engine{port.device, timer};
    DeadlineTimer::Clock::time_point start = timer.now();
    QStringList shown;
};

} // namespace

class TestPlaybackEngine : public QObject {
    Q_OBJECT

private slots:
    // One write per row, in file order, wrapping; anything but "1" is dark.
    void rowsPlayInOrderAndWrap()
    {
        Rig rig{"10000000", "01000000", "1x1"};
        rig.engine.start();
        rig.timer.runFor(200ms);
        QCOMPARE(rig.shown, QStringList({"0:10000000", "50:01000000", "100:10100000", "150:10000000",
                                         "200:01000000"}));
        QCOMPARE(rig.writesAfterOpen(), QStringList({"10000000", "01000000", "10100000", "10000000", "01000000"}));
    }

    void deadlinesDoNotDriftOver1000Rows()
    {
        Rig rig{"10000000", "01000000"};
        rig.engine.start();
        rig.timer.runFor(50ms * 999);
        QCOMPARE(rig.shown.size(), 1000);
        QCOMPARE(rig.shown.last(), QStringLiteral("49950:01000000"));
    }

    void pauseHoldsTheRowAndResumesWithTheNext()
    {
        Rig rig{"10000000", "01000000", "00100000"};
        rig.engine.start();
        rig.timer.runFor(60ms);
        rig.engine.setPaused(true);
        rig.timer.runFor(1s);
        QCOMPARE(rig.shown, QStringList({"0:10000000", "50:01000000"}));
        rig.engine.setPaused(false);
        rig.timer.runFor(60ms);
        QCOMPARE(rig.shown.mid(2), QStringList({"1060:00100000", "1110:10000000"}));
    }

    void stopLeavesEverythingOffAndStartBeginsAtRowZero()
    {
        Rig rig{"11111111", "01000000"};
        rig.engine.start();
        rig.timer.runFor(60ms);
        rig.engine.stop();
        rig.timer.runFor(1s);
        QCOMPARE(rig.shown.last(), QStringLiteral("60:00000000"));
        QCOMPARE(rig.writesAfterOpen().last(), QStringLiteral("00000000"));
        QVERIFY(!rig.engine.isRunning());
        rig.engine.start();
        QCOMPARE(rig.shown.last(), QStringLiteral("1060:11111111"));
    }

    void newDelayAppliesFromTheNextRow()
    {
        Rig rig{"10000000", "01000000"};
        rig.engine.start();
        rig.timer.runFor(20ms);
        rig.engine.setDelay(200ms);
        rig.timer.runFor(500ms);
        QCOMPARE(rig.shown, QStringList({"0:10000000", "50:01000000", "250:10000000", "450:01000000"}));
    }

    void stallRestartsTheScheduleWithoutABurst()
    {
        Rig rig{"10000000", "01000000"};
        rig.engine.start();
        rig.timer.stallUntil(rig.start + 330ms);
        rig.timer.runUntil(rig.start + 400ms);
        QCOMPARE(rig.shown, QStringList({"0:10000000", "330:01000000", "380:10000000"}));
    }

    void lostPortIsReportedOnceAndPlaybackGoesOn()
    {
        Rig rig{"10000000", "01000000"};
        QSignalSpy lost(&rig.engine, &PlaybackEngine::portLost);
        rig.engine.start();
        rig.port.backend->writeFailure = "unplugged";
        rig.timer.runFor(200ms);
        QCOMPARE(lost.count(), 1);
        QCOMPARE(lost.first().first().toString(), QStringLiteral("unplugged"));
        QCOMPARE(rig.port.device.SelectPort(), std::int16_t(0));
        QCOMPARE(rig.shown.size(), 5);
        QCOMPARE(rig.port.backend->calls.back(), std::string("close"));
    }

    void timerfdWakesAtItsDeadlineOnly()
    {
        TimerfdDeadlineTimer timer;
        QSignalSpy expired(&timer, &DeadlineTimer::expired);
        timer.arm(timer.now() + 20ms);
        timer.disarm();
        QVERIFY(!expired.wait(100));
        timer.arm(timer.now() - 1s);
        QVERIFY(expired.wait(1000));
    }
};

QTEST_GUILESS_MAIN(TestPlaybackEngine)
#include "tst_playbackengine.moc"
