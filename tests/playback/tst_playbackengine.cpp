#include "FakeDeadlineTimer.h"
#include "PlaybackEngine.h"
#include "RecordingBackend.h"

#include <QRegularExpression>
#include <QTest>

using namespace std::chrono_literals;

namespace {

pattern::PatternTable tableOf(const QStringList &rows)
{
    pattern::PatternTable table;
    for (const QString &row : rows)
        table.appendRow(row.toStdString());
    return table;
}

// An engine at 50 ms on a fake clock over an open recording port, with a log
// of every row shown: "12:10000000" is the row shown 12 ms after the start.
struct Rig {
    explicit Rig(const QStringList &rows)
    {
        engine.loadTable(tableOf(rows));
        engine.setDelay(50ms);
        port.device.open();
        QObject::connect(&engine, &PlaybackEngine::rowShown, [this](std::uint8_t lamps) {
            shown << QStringLiteral("%1:%2").arg((timer.now() - start) / 1ms).arg(QString::fromStdString(lineText(lamps)));
        });
        engine.start();
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
    // "run MS" lets the clock run; "late MS LATE" too, each wake LATE late.
    void playsOnItsSchedule_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("shown");
        QTest::newRow("in order, wrapping, odd cells dark")
            << "run 200" << "0:10000000 50:01000000 100:10100000 150:10000000 200:01000000";
        QTest::newRow("pause holds, then the next row at once")
            << "run 60,pause,run 1000,resume,run 60" << "0:10000000 50:01000000 1060:10100000 1110:10000000";
        QTest::newRow("stop darkens, start begins at row 0")
            << "run 60,stop,run 1000,start" << "0:10000000 50:01000000 60:00000000 1060:10000000";
        QTest::newRow("a new delay from the next row")
            << "run 20,delay 200,run 500" << "0:10000000 50:01000000 250:10100000 450:10000000";
        QTest::newRow("a stall restarts the schedule") << "late 330 280,run 70" << "0:10000000 330:01000000 380:10100000";
        QTest::newRow("a shorter table from its first row")
            << "run 60,load,run 100" << "0:10000000 50:01000000 100:00000001 150:00000001";
        QTest::newRow("steps on their own times, the others at the delay")
            << "timed,run 700" << "0:10000000 50:10000000 60:01000000 110:00100000 610:10000000 620:01000000 670:00100000";
        QTest::newRow("a new delay changes only the steps without a time")
            << "timed,run 55,delay 200,run 800" << "0:10000000 50:10000000 60:01000000 260:00100000 760:10000000 770:01000000";
        QTest::newRow("a table for the end of the pass, no dark frame between")
            << "run 60,next,run 150" << "0:10000000 50:01000000 100:10100000 150:00000001 200:00000001";
        QTest::newRow("a table for the end of the pass, stopped before")
            << "run 60,next,stop,start,run 60" << "0:10000000 50:01000000 60:00000000 60:00000001 110:00000001";
        QTest::newRow("stop at the end of the pass")
            << "run 60,end,run 1000,start,run 10" << "0:10000000 50:01000000 100:10100000 150:00000000 1060:10000000";
    }

    void playsOnItsSchedule()
    {
        QFETCH(QString, script);
        QFETCH(QString, shown);
        Rig rig({"10000000", "01000000", "1x1"});
        for (const QString &step : script.split(',')) {
            const QString verb = step.section(' ', 0, 0);
            const auto ms = step.section(' ', 1, 1).toInt() * 1ms;
            if (verb == "run" || verb == "late")
                rig.timer.runFor(ms, step.section(' ', 2).toInt() * 1ms);
            else if (verb == "delay")
                rig.engine.setDelay(ms);
            else if (verb == "load")
                rig.engine.loadTable(tableOf({"00000001"}));
            else if (verb == "next")
                rig.engine.loadTableAtEndOfPass(tableOf({"00000001"}));
            else if (verb == "timed")
                rig.engine.loadTable(tableOf({"10000000 10", "01000000", "00100000\t500"}));
            else if (verb == "end")
                rig.engine.stopAtEndOfPass();
            else if (verb == "pause" || verb == "resume")
                rig.engine.setPaused(verb == "pause");
            else
                verb == "stop" ? rig.engine.stop() : rig.engine.start();
        }
        QCOMPARE(rig.shown.join(' '), shown);
        // One write per row, the port before the lamps; the first is the opening's.
        QString written;
        for (const std::string &row : rig.port.backend->writes())
            written += QString::fromStdString(row) + ' ';
        QCOMPARE(written, "00000000 " + shown.replace(QRegularExpression("\\d+:"), "") + ' ');
    }

    // Every wake a millisecond late, and still no drift.
    void deadlinesDoNotDriftOver1000Rows()
    {
        Rig rig({"10000000", "01000000"});
        rig.timer.runFor(50ms * 999 + 1ms, 1ms);
        QCOMPARE(rig.shown.size(), 1000);
        QCOMPARE(rig.shown.last(), QStringLiteral("49951:01000000"));
    }
};

QTEST_GUILESS_MAIN(TestPlaybackEngine)
#include "tst_playbackengine.moc"
