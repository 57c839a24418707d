#include "FakeDeadlineTimer.h"
#include "Follower.h"
#include "RecordingBackend.h"
#include "ScriptedFrames.h"

#include <QTest>

using namespace std::chrono_literals;

namespace {

// "255 0 128" as channel values from channel 1 on.
QByteArray channelsOf(const QString &values)
{
    QByteArray channels;
    for (const QString &value : values.split(' ', Qt::SkipEmptyParts))
        channels.append(char(value.toInt()));
    return channels;
}

} // namespace

class TestFollower : public QObject {
    Q_OBJECT

private slots:
    void channelsBecomeLamps_data()
    {
        QTest::addColumn<QString>("follow");
        QTest::addColumn<int>("threshold");
        QTest::addColumn<QString>("channels");
        QTest::addColumn<QString>("lamps"); // "-" for a frame that is not read
        QTest::newRow("from channel 1") << "ola:1" << 128 << "255 0 0 0 0 0 0 255" << "10000001";
        QTest::newRow("threshold is on") << "ola:1" << 128 << "128 127 0 0 0 0 0 0" << "10000000";
        QTest::newRow("a threshold of its own") << "ola:1" << 10 << "10 9 0 0 0 0 0 0" << "10000000";
        QTest::newRow("from channel 9") << "ola:2@9" << 128 << "0 0 0 0 0 0 0 0 255 255 0 0 0 0 0 255" << "11000001";
        QTest::newRow("frame too short") << "ola:2@9" << 128 << "255 255 255 255 255 255 255 255 255" << "-";
        QTest::newRow("last channels of the universe") << "ola:1@505" << 128 << QString("0 ").repeated(504) + "255 0 0 0 0 0 0 255" << "10000001";
    }

    void channelsBecomeLamps()
    {
        QFETCH(QString, follow);
        QFETCH(int, threshold);
        QFETCH(QString, channels);
        QFETCH(QString, lamps);
        const FollowChoice choice = parseFollow(follow, threshold);
        QVERIFY2(choice.target, qPrintable(choice.problem));
        const QByteArray data = channelsOf(channels);
        const auto read = choice.target->lampsOf(reinterpret_cast<const std::uint8_t *>(data.constData()), std::size_t(data.size()));
        QCOMPARE(read ? QString::fromStdString(lineText(*read)) : QString("-"), lamps);
    }

    void followRefusesWhatCannotBeHeard_data()
    {
        QTest::addColumn<QString>("follow");
        QTest::addColumn<QString>("said");
        QTest::newRow("not OLA") << "artnet:1" << "name an OLA universe";
        QTest::newRow("no universe") << "ola:" << "universe is 1 to 63999";
        QTest::newRow("universe 0") << "ola:0" << "universe is 1 to 63999";
        QTest::newRow("universe too high") << "ola:64000" << "universe is 1 to 63999";
        QTest::newRow("channel 0") << "ola:1@0" << "first channel is 1 to 505";
        QTest::newRow("channel too high") << "ola:1@506" << "first channel is 1 to 505";
        QTest::newRow("channel not a number") << "ola:1@x" << "first channel";
        QTest::newRow("sign") << "ola:+1" << "universe is 1";
        QTest::newRow("far too long") << "ola:" + QString(100, '1') << "longer than 64";
        QTest::newRow("control character") << QString("ola:1\n") << "universe is 1";
    }

    void followRefusesWhatCannotBeHeard()
    {
        QFETCH(QString, follow);
        QFETCH(QString, said);
        const FollowChoice choice = parseFollow(follow);
        QVERIFY(!choice.target);
        QVERIFY2(choice.problem.contains(said) && !choice.problem.contains('\n'), qPrintable(choice.problem));
    }

    // Only changes reach the output; a silent universe goes dark after the
    // hold time, once, and comes back with the next frame.
    void followsAndHolds()
    {
        RecordedPort port;
        port.device.open();
        FakeDeadlineTimer timer;
        ScriptedFrames frames;
        Follower follower(*parseFollow("ola:1", 128, 2500ms).target, frames, port.device, timer);
        QStringList noted;
        connect(&follower, &Follower::noted, [&noted](const QString &line) { noted << line; });
        follower.resume();
        const QByteArray lit = channelsOf("255 0 0 0 0 0 0 0");
        for (int i = 0; i < 1000; ++i)
            frames.send(lit);
        timer.runFor(2400ms);
        frames.send(channelsOf("0 255 0 0 0 0 0 0 0 0 0 0"));
        timer.runFor(2499ms);
        QVERIFY(!follower.noDataSince());
        timer.runFor(2ms);
        QVERIFY(follower.noDataSince());
        timer.runFor(10s);
        frames.send(lit);
        QCOMPARE(port.backend->writes(), (std::vector<std::string>{"00000000", "10000000", "01000000", "00000000", "10000000"}));
        QCOMPARE(noted.size(), 4);
        QVERIFY2(noted[2].startsWith("No data from universe 1 since") && noted[3].startsWith("Data from universe 1 again"),
                 qPrintable(noted.join('|')));
    }

    // Stopped, it lets frames go and keeps the lines low; a hold of 0 keeps
    // the last frame for ever.
    void stopAndHoldForEver()
    {
        RecordedPort port;
        port.device.open();
        FakeDeadlineTimer timer;
        ScriptedFrames frames;
        Follower follower(*parseFollow("ola:1", 128, 0ms).target, frames, port.device, timer);
        follower.resume();
        frames.send(channelsOf("255 255 0 0 0 0 0 0"));
        timer.runFor(1h);
        QCOMPARE(port.backend->writes().back(), "11000000");
        follower.stop();
        frames.send(channelsOf("0 0 255 0 0 0 0 0"));
        QCOMPARE(port.backend->writes().back(), "00000000");
        QVERIFY(!follower.active() && !follower.noDataSince());
    }
};

QTEST_GUILESS_MAIN(TestFollower)
#include "tst_follower.moc"
