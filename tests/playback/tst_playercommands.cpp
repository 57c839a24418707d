#include "FakeDeadlineTimer.h"
#include "PlayerCommands.h"
#include "RecordingBackend.h"
#include "ScriptedFrames.h"
#include "TestFiles.h"

#include <QTest>

using namespace std::chrono_literals;

namespace {

// A player at 100 ms on a fake clock over a recorded output, a two-row
// scheme, and the command object every face uses.
struct Rig {
    explicit Rig(const QTemporaryDir &folder)
        : settings(folder.filePath("Lampotron.conf")),
          player({"ola:1", folder.filePath("Data.inf"), 100}, std::unique_ptr<DeadlineTimer>(timer),
                 [this](const QString &) { return std::make_unique<RecordingBackend>(record); }),
          commands(player, settings, folder.filePath("patterns"), 0ms)
    {
        writeFile(player.schemePath(), "10000000\r\n01000000\r\n");
    }

    // Runs one step of a script; returns why it was refused, or "".
    QString run(const QString &step)
    {
        const QString verb = step.section(' ', 0, 0), argument = step.section(' ', 1);
        PlayerCommands::Failure failure;
        if (verb == "load")
            failure = commands.loadScheme();
        else if (verb == "start")
            failure = commands.start();
        else if (verb == "stop")
            failure = commands.stop();
        else if (verb == "pause")
            failure = commands.pause();
        else if (verb == "resume")
            failure = commands.resume();
        else if (verb == "alloff")
            failure = commands.allOff();
        else if (verb == "open")
            failure = commands.openOutput();
        else if (verb == "speed")
            failure = commands.setSpeed(argument.toInt());
        else if (verb == "use")
            failure = commands.useSpeed(argument.toInt());
        else if (verb == "output")
            failure = commands.chooseOutput(QString(argument).replace("<NUL>", QChar(0)));
        else if (verb == "play")
            failure = commands.play(argument.toInt());
        else if (verb == "build")
            failure = commands.build(selectionOf(argument));
        else if (verb == "build-now")
            failure = commands.build(selectionOf(argument), Player::Switch::AtOnce);
        else if (verb == "build-with") {
            Selection selection = selectionOf(argument.section(' ', 0, 0));
            selection.patterns.push_back({argument.section(' ', 1, 1), argument.section(' ', 2).toInt()});
            failure = commands.build(selection);
        }
        else if (verb == "save") {
            std::vector<pattern::Step> steps;
            for (const QString &step : argument.section(' ', 1).split(','))
                steps.push_back({std::uint8_t(std::stoi(step.left(8).toStdString(), nullptr, 2) ), step.section(':', 1).toInt()});
            int version = 0;
            if (const pattern::Outcome refused = commands.savePattern(argument.section(' ', 0, 0), steps, version))
                failure = refused->reason;
        } else if (verb == "pattern")
            failure = commands.playPattern(argument);
        else if (verb == "wait")
            timer->runFor(std::chrono::milliseconds(argument.toInt()));
        else if (verb == "follow") {
            auto source = std::make_unique<ScriptedFrames>();
            frames = source.get();
            failure = commands.follow(*parseFollow(argument).target, std::move(source));
        } else if (verb == "frame")
            frames->send(QByteArray(1, char(argument.toInt())) + QByteArray(7, 0));
        else if (verb == "refuse-open")
            record->openFailure = "no such device";
        return failure.value_or(QString());
    }

    // "1100..." ticks effects 0 and 1, each once.
    static Selection selectionOf(const QString &ticks)
    {
        Selection selection;
        selection.repeats.fill(1);
        for (int i = 0; i < ticks.size() && i < effects::Count; ++i)
            selection.ticked[static_cast<std::size_t>(i)] = ticks[i] == '1';
        return selection;
    }

    // "Running 100 ola:1 2 -1": playback, speed, output, rows, and the effect
    // or the pattern played alone.
    QString stateText()
    {
        const PlayerState state = commands.state();
        static const char *const words[] = {"Stopped", "Running", "Paused"};
        return QStringLiteral("%1 %2 %3 %4 %5")
            .arg(words[int(state.playback)])
            .arg(state.speedMs)
            .arg(state.output)
            .arg(state.rows)
            .arg(state.pattern.isEmpty() ? QString::number(state.effect) : state.pattern);
    }

    FakeDeadlineTimer *timer = new FakeDeadlineTimer;
    ScriptedFrames *frames = nullptr; // the player's, once it follows
    std::shared_ptr<PortRecord> record = std::make_shared<PortRecord>();
    SettingsStore settings;
    Player player;
    PlayerCommands commands;
};

} // namespace

class TestPlayerCommands : public QObject {
    Q_OBJECT

private slots:
    // Every command, and every refusal with what it leaves unchanged.
    void commands_data()
    {
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<QString>("refusal"); // of the last step; "" when done
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("stored"); // Speed and Port in the settings file
        QTest::addColumn<QString>("lastWrite");
        const QString nothingStored = "100 /dev/parport0";
        QTest::newRow("start without a scheme") << QStringList{"start"} << "no scheme to play" << "Stopped 100 ola:1 0 -1" << nothingStored << "";
        QTest::newRow("start") << QStringList{"load", "open", "start"} << "" << "Running 100 ola:1 2 -1" << nothingStored << "10000000";
        QTest::newRow("rows follow the clock") << QStringList{"load", "open", "start", "wait 100"} << "" << "Running 100 ola:1 2 -1" << nothingStored << "01000000";
        QTest::newRow("stop") << QStringList{"load", "open", "start", "stop"} << "" << "Stopped 100 ola:1 2 -1" << nothingStored << "00000000";
        QTest::newRow("a stopped show stays stopped through pause")
            << QStringList{"load", "open", "start", "stop", "pause", "resume", "wait 300"} << "" << "Stopped 100 ola:1 2 -1" << nothingStored << "00000000";
        QTest::newRow("pause") << QStringList{"load", "open", "start", "pause", "wait 300"} << "" << "Paused 100 ola:1 2 -1" << nothingStored << "10000000";
        QTest::newRow("resume") << QStringList{"load", "open", "start", "pause", "resume", "wait 100"} << "" << "Running 100 ola:1 2 -1" << nothingStored << "01000000";
        QTest::newRow("speed is stored") << QStringList{"speed 150"} << "" << "Stopped 150 ola:1 0 -1" << "150 /dev/parport0" << "";
        QTest::newRow("speed off the steps") << QStringList{"speed 73"} << "steps of 50" << "Stopped 100 ola:1 0 -1" << nothingStored << "";
        QTest::newRow("speed too short") << QStringList{"speed 20"} << "50 to 1000" << "Stopped 100 ola:1 0 -1" << nothingStored << "";
        QTest::newRow("speed for this run") << QStringList{"use 200"} << "" << "Stopped 200 ola:1 0 -1" << nothingStored << "";
        QTest::newRow("output is stored") << QStringList{"output ola:2"} << "" << "Stopped 100 ola:2 0 -1" << "100 ola:2" << "";
        QTest::newRow("output nonsense") << QStringList{"output nonsense"} << "not understood" << "Stopped 100 ola:1 0 -1" << nothingStored << "";
        QTest::newRow("output traversal") << QStringList{"output ../../etc/passwd"} << "cannot work" << "Stopped 100 ola:1 0 -1" << nothingStored << "";
        QTest::newRow("output with a NUL") << QStringList{"output ola:1<NUL>"} << "cannot work" << "Stopped 100 ola:1 0 -1" << nothingStored << "";
        QTest::newRow("output far too long") << QStringList{"output " + QString(15000, 'x')} << "longer than" << "Stopped 100 ola:1 0 -1" << nothingStored << "";
        QTest::newRow("output empty") << QStringList{"output "} << "cannot work" << "Stopped 100 ola:1 0 -1" << nothingStored << "";
        QTest::newRow("output that does not answer") << QStringList{"refuse-open", "open"} << "Port not presents: no such device" << "Stopped 100 ola:1 0 -1" << nothingStored << "";
        QTest::newRow("all off") << QStringList{"load", "open", "start", "alloff"} << "" << "Stopped 100 ola:1 2 -1" << nothingStored << "00000000";
        QTest::newRow("one effect alone") << QStringList{"open", "play 3"} << "" << "Running 100 ola:1 8 3" << nothingStored << "11111111";
        QTest::newRow("no such effect") << QStringList{"play 12"} << "numbered 0 to 11" << "Stopped 100 ola:1 0 -1" << nothingStored << "";
        QTest::newRow("back to the scheme") << QStringList{"open", "play 3", "play -1"} << "" << "Running 100 ola:1 2 -1" << nothingStored << "10000000";
        QTest::newRow("build") << QStringList{"load", "build 001000000000"} << "" << "Stopped 100 ola:1 8 -1" << nothingStored << "";
        QTest::newRow("build with nothing ticked") << QStringList{"load", "build 000000000000"} << "Tick at least one effect" << "Stopped 100 ola:1 2 -1" << nothingStored << "";
        QTest::newRow("following") << QStringList{"open", "follow ola:1", "start", "frame 255"} << "" << "Running 100 ola:1 0 -1" << nothingStored << "10000000";
        QTest::newRow("following, started again") << QStringList{"open", "follow ola:1", "start", "start"} << "Following universe 1 from channel 1 already" << "Running 100 ola:1 0 -1" << nothingStored << "00000000";
        QTest::newRow("following, a build") << QStringList{"open", "follow ola:1", "build 001000000000"} << "plays no scheme" << "Stopped 100 ola:1 0 -1" << nothingStored << "00000000";
        QTest::newRow("following, an effect") << QStringList{"open", "follow ola:1", "start", "play 3"} << "plays no scheme" << "Running 100 ola:1 0 -1" << nothingStored << "00000000";
        QTest::newRow("following, stopped") << QStringList{"open", "follow ola:1", "start", "frame 255", "stop", "frame 255"} << "" << "Stopped 100 ola:1 0 -1" << nothingStored << "00000000";
        QTest::newRow("following, resumed") << QStringList{"open", "follow ola:1", "start", "stop", "start", "frame 255"} << "" << "Running 100 ola:1 0 -1" << nothingStored << "10000000";
        // Lamps are written lamp 1 first, the bits of a step lamp 8 first.
        QTest::newRow("a pattern alone, on its own times")
            << QStringList{"save P 00000011:30,00000001", "open", "pattern P", "wait 30"} << "" << "Running 100 ola:1 2 P" << nothingStored << "10000000";
        QTest::newRow("a step without a time at the speed")
            << QStringList{"save P 00000011:30,00000001", "open", "pattern P", "wait 129"} << "" << "Running 100 ola:1 2 P" << nothingStored << "10000000";
        QTest::newRow("a built-in by its name") << QStringList{"open", "pattern наполнение"} << "" << "Running 100 ola:1 8 2" << nothingStored << "10000000";
        QTest::newRow("no such pattern") << QStringList{"open", "pattern Nope"} << "There is no pattern" << "Stopped 100 ola:1 0 -1" << nothingStored << "00000000";
        QTest::newRow("a pattern while following")
            << QStringList{"save P 00000011", "open", "follow ola:1", "pattern P"} << "plays no scheme" << "Stopped 100 ola:1 0 -1" << nothingStored << "00000000";
        QTest::newRow("a scheme with a pattern, its times kept")
            << QStringList{"save P 00000011:30,00000001", "open", "build-with 001000000000 P 2", "start", "wait 835"}
            << "" << "Running 100 ola:1 12 -1" << nothingStored << "10000000";
        QTest::newRow("a scheme naming a missing pattern")
            << QStringList{"load", "build-with 001000000000 Nope 1"} << "There is no pattern" << "Stopped 100 ola:1 2 -1" << nothingStored << "";
        QTest::newRow("a build from afar while playing waits for the end of the pass")
            << QStringList{"load", "open", "start", "build 001000000000", "wait 150"} << "" << "Running 100 ola:1 2 -1" << nothingStored << "01000000";
        QTest::newRow("then takes over")
            << QStringList{"load", "open", "start", "build 001000000000", "wait 300"} << "" << "Running 100 ola:1 8 -1" << nothingStored << "11000000";
        QTest::newRow("or at once, if asked")
            << QStringList{"load", "open", "start", "build-now 001000000000", "wait 100"} << "" << "Running 100 ola:1 8 -1" << nothingStored << "10000000";
    }

    void commands()
    {
        QFETCH(QStringList, script);
        QFETCH(QString, refusal);
        QFETCH(QString, state);
        QFETCH(QString, stored);
        QFETCH(QString, lastWrite);
        const QTemporaryDir folder;
        Rig rig(folder);
        QString said;
        for (const QString &step : script)
            said = rig.run(step);
        QVERIFY2(refusal.isEmpty() ? said.isEmpty() : said.contains(refusal), qPrintable(said));
        QCOMPARE(rig.stateText(), state);
        QCOMPARE(rig.commands.flushSettings(), std::nullopt);
        QCOMPARE(QStringLiteral("%1 %2").arg(rig.settings.read(settings::Speed)).arg(rig.settings.read(settings::Port)), stored);
        const std::vector<std::string> writes = rig.record->writes();
        QCOMPARE(writes.empty() ? QString() : QString::fromStdString(writes.back()), lastWrite);
    }

    // Every face hears a change, whoever made it; a command that changes
    // nothing says nothing.
    void stateChangesAreHeardOnce()
    {
        const QTemporaryDir folder;
        Rig rig(folder);
        QList<PlayerState> heard;
        connect(&rig.player, &Player::stateChanged, [&heard](const PlayerState &state) { heard << state; });
        rig.run("load");
        rig.run("start");
        rig.run("start");
        rig.run("pause");
        rig.run("stop");
        rig.run("stop");
        QCOMPARE(heard.size(), 4);
        QCOMPARE(heard.back().playback, PlayerState::Playback::Stopped);
    }
};

QTEST_GUILESS_MAIN(TestPlayerCommands)
#include "tst_playercommands.moc"
