#include "PlaybackEngine.h"
#include "RecordingPortDevice.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

class FakeHost final : public PlaybackHost {
public:
    void showLamp(int line, bool lit) override
    {
        lamps[static_cast<std::size_t>(line)] = lit ? '1' : '0';
        if (onLamp)
            onLamp(line);
    }
    void showSpeed(qint16 milliseconds) override
    {
        speedShown = milliseconds;
        ++frames;
        if (onFrame)
            onFrame();
    }
    bool isPaused() const override { return paused; }

    std::string lamps = "????????";
    qint16 speedShown = -1;
    int frames = 0;
    bool paused = false;
    std::function<void()> onFrame;
    std::function<void(int)> onLamp;
};

// The pieces a window would own, wired to an engine.
struct Rig {
    explicit Rig(std::initializer_list<const char *> rows)
    {
        for (const char *row : rows)
            table.appendRow(row);
    }

    void stop()
    {
        running = false;
        engine.deactivate();
    }

    // Every eight SetLine calls as one "10000000" style frame.
    QStringList framesSent() const
    {
        QStringList frames;
        QString frame;
        for (const auto &call : port.calls) {
            if (call.kind != RecordingPortDevice::Kind::SetLine)
                continue;
            frame += QChar(u'0' + call.value);
            if (frame.size() == 8)
                frames << std::exchange(frame, QString());
        }
        if (!frame.isEmpty())
            frames << frame;
        return frames;
    }

    FakeHost host;
    RecordingPortDevice port;
    pattern::PatternTable table;
    qint16 speed = 1;
    bool running = true;
    PlaybackEngine engine{host, port, table, speed, running};
};

} // namespace

class TestPlaybackEngine : public QObject {
    Q_OBJECT

private slots:
    void rowsPlayInOrderAndWrap()
    {
        Rig rig{"10000000", "01000000", "00100000"};
        rig.host.onFrame = [&] {
            QCOMPARE(rig.host.lamps, rig.port.levels());
            if (rig.host.frames == 7)
                rig.stop();
        };
        rig.engine.activate();
        QCOMPARE(rig.framesSent(), QStringList({"10000000", "01000000", "00100000", "10000000",
                                                "01000000", "00100000", "10000000", "00000000"}));
        QCOMPARE(rig.host.lamps, std::string("00000000"));
    }

    void oddCellsAreDarkAndLow()
    {
        Rig rig{"1x1", "2"};
        rig.host.onFrame = [&] {
            if (rig.host.frames == 1)
                QCOMPARE(rig.host.lamps, std::string("10100000"));
            if (rig.host.frames == 2)
                rig.stop();
        };
        rig.engine.activate();
        QCOMPARE(rig.framesSent().mid(0, 2), QStringList({"10100000", "00000000"}));
    }

    void pauseHoldsTheFrame()
    {
        Rig rig{"10000000", "01000000"};
        rig.host.paused = true;
        int callsWhilePaused = -1;
        QTimer::singleShot(100, [&] {
            callsWhilePaused = static_cast<int>(rig.port.calls.size());
            QCOMPARE(rig.host.lamps, std::string("10000000"));
            rig.host.paused = false;
            rig.engine.pauseChanged();
        });
        rig.host.onFrame = [&] {
            if (rig.host.frames == 2)
                rig.stop();
        };
        rig.engine.activate();
        QCOMPARE(callsWhilePaused, 8);
        QCOMPARE(rig.framesSent(), QStringList({"10000000", "01000000", "00000000"}));
    }

    void stopInsideARowLeavesEverythingOff()
    {
        Rig rig{"11111111"};
        rig.host.onLamp = [&](int line) {
            if (line == 3 && rig.running)
                QTimer::singleShot(0, [&] { rig.stop(); });
        };
        rig.engine.activate();
        QCOMPARE(rig.port.levels(), std::string("00000000"));
        QCOMPARE(rig.host.lamps, std::string("00000000"));
        QCOMPARE(rig.framesSent(), QStringList({"11100000", "000"}));
    }

    void oneRowKeepsPlayingWhileRunning()
    {
        Rig rig{"00011000"};
        QElapsedTimer clock;
        clock.start();
        QTimer::singleShot(200, [&] { rig.stop(); });
        rig.engine.activate();
        QVERIFY(clock.elapsed() >= 200);
        const QStringList frames = rig.framesSent();
        QVERIFY2(frames.size() > 20, qPrintable(QString::number(frames.size())));
        QCOMPARE(frames.count(QStringLiteral("00011000")), frames.size() - 1);
    }

    void newSpeedAppliesFromTheNextWait()
    {
        Rig rig{"10000000", "01000000"};
        rig.speed = 300;
        QTimer::singleShot(50, [&] { rig.speed = 20; });
        std::vector<std::chrono::steady_clock::time_point> frameStarts;
        rig.host.onFrame = [&] {
            if (rig.host.frames == 3)
                rig.stop();
        };
        rig.engine.activate();
        for (const auto &call : rig.port.calls)
            if (call.line == 0 && frameStarts.size() < 3)
                frameStarts.push_back(call.at);
        QCOMPARE(frameStarts.size(), std::size_t(3));
        using std::chrono::milliseconds;
        QVERIFY(frameStarts[1] - frameStarts[0] >= milliseconds(300));
        QVERIFY(frameStarts[2] - frameStarts[1] < milliseconds(150));
        QCOMPARE(rig.host.speedShown, qint16(20));
    }

    // Stop while paused, start again, stop again, clear the pause: both
    // loops must come back.
    void startAfterStopWhilePausedNests()
    {
        Rig rig{"10000000", "01000000"};
        rig.host.paused = true;
        bool innerReturned = false;
        QTimer::singleShot(30, [&] {
            rig.stop();
            rig.running = true;
            QTimer::singleShot(30, [&] {
                rig.host.paused = false;
                rig.engine.pauseChanged();
            });
            QTimer::singleShot(80, [&] { rig.stop(); });
            rig.engine.activate();
            innerReturned = true;
        });
        rig.engine.activate();
        QVERIFY(innerReturned);
        QCOMPARE(rig.port.levels(), std::string("00000000"));
        QCOMPARE(rig.host.lamps, std::string("00000000"));
    }

    // Once the application is asked to quit, no local event loop runs any
    // more; the loop must return instead of racing through its frames.
    void quittingEndsTheLoop()
    {
        Rig rig{"10000000", "01000000"};
        rig.speed = 20;
        bool returned = false;
        QTimer::singleShot(0, [&] {
            rig.engine.activate();
            returned = true;
        });
        QTimer::singleShot(100, [] { QCoreApplication::quit(); });
        QCoreApplication::exec();
        QVERIFY(returned);
        QVERIFY(rig.running);
        // About five frames fit before the quit; a loop that missed it would never return.
        QVERIFY2(rig.host.frames <= 7, qPrintable(QString::number(rig.host.frames)));
    }
};

QTEST_GUILESS_MAIN(TestPlaybackEngine)
#include "tst_playbackengine.moc"
