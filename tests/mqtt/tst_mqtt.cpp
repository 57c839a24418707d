#include "IncomingFilter.h"
#include "MqttCommand.h"
#include "MqttSettings.h"
#include "ReconnectBackoff.h"
#include "ThrottledTally.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

class TestMqtt : public QObject {
    Q_OBJECT

private slots:
    void readsCommands_data()
    {
        QTest::addColumn<QString>("entity");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<int>("kind"); // -1: refused
        QTest::addColumn<QString>("value"); // the delay, or the effect's name
        QTest::addColumn<QString>("problem");
        using Kind = MqttCommand::Kind;
        QTest::newRow("on") << "light" << QByteArray(R"({"state":"ON"})") << int(Kind::Start) << "" << "";
        QTest::newRow("off") << "light" << QByteArray(R"({"state":"OFF","effect":"x"})") << int(Kind::AllOff) << "" << "";
        QTest::newRow("scheme") << "light" << QByteArray(R"({"state":"ON","effect":"Scheme"})") << int(Kind::Play) << "Scheme" << "";
        QTest::newRow("built-in effect") << "light" << QByteArray(R"({"state":"ON","effect":"бегущий вправо"})")
                                         << int(Kind::Play) << "бегущий вправо" << "";
        QTest::newRow("user pattern") << "light" << QByteArray(R"({"state":"ON","effect":"Lamps 1 and 8 blink"})")
                                      << int(Kind::Play) << "Lamps 1 and 8 blink" << "";
        QTest::newRow("name too long") << "light" << QByteArray(R"({"state":"ON","effect":")" + QByteArray(41, 'x') + R"("})")
                                       << -1 << "" << "is no effect: A pattern's name has at most 40";
        QTest::newRow("name not text") << "light" << QByteArray(R"({"state":"ON","effect":3})") << -1 << "" << "is no effect";
        QTest::newRow("lower case") << "light" << QByteArray(R"({"state":"on"})") << -1 << "" << "\"ON\" or \"OFF\"";
        QTest::newRow("not json") << "light" << QByteArray("ON") << -1 << "" << "JSON object";
        QTest::newRow("delay") << "delay" << QByteArray("150") << int(Kind::SetDelay) << "150" << "";
        QTest::newRow("delay as float") << "delay" << QByteArray("250.0") << int(Kind::SetDelay) << "250" << "";
        QTest::newRow("delay fraction") << "delay" << QByteArray("150.5") << -1 << "" << "whole number";
        QTest::newRow("delay huge") << "delay" << QByteArray("1e12") << -1 << "" << "whole number";
        QTest::newRow("pause") << "pause" << QByteArray("ON") << int(Kind::Pause) << "" << "";
        QTest::newRow("resume") << "pause" << QByteArray("OFF") << int(Kind::Resume) << "" << "";
        QTest::newRow("pause other") << "pause" << QByteArray("1") << -1 << "" << "\"ON\" or \"OFF\"";
        QTest::newRow("elsewhere") << "other" << QByteArray("ON") << -1 << "" << "Nothing listens";
    }

    void readsCommands()
    {
        QFETCH(QString, entity);
        QFETCH(QByteArray, payload);
        QFETCH(int, kind);
        QFETCH(QString, value);
        QFETCH(QString, problem);
        const HomeAssistantDevice device(QStringLiteral("Lamp.Test"), QStringLiteral("1.0"));
        const QString topic = QStringLiteral("lampotron/lamp_test/%1/set").arg(entity);
        const ParsedMqttCommand parsed = parseMqttCommand(device.topics(), topic, payload);
        QCOMPARE(parsed.command ? int(parsed.command->kind) : -1, kind);
        const bool delay = parsed.command && parsed.command->kind == MqttCommand::Kind::SetDelay;
        QCOMPARE(delay ? QString::number(parsed.command->value) : parsed.command ? parsed.command->effect : QString(), value);
        QVERIFY2(parsed.problem.contains(problem) && parsed.problem.isEmpty() == problem.isEmpty(), qPrintable(parsed.problem));
    }

    // The user's patterns follow the scheme and the twelve built-in effects,
    // each name once, and the list stays bounded however many there are.
    void listsPatterns_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QString>("listed"); // after the built-in effects
        QStringList many;
        for (int i = 0; i < 150; ++i)
            many << QString::number(i);
        QTest::newRow("none") << QStringList() << false << "";
        QTest::newRow("two") << QStringList{"Blink", "Wave"} << true << "Blink,Wave";
        QTest::newRow("one named like the scheme") << QStringList{"Blink", "Scheme"} << true << "Blink";
        QTest::newRow("more than are listed") << many << true << many.mid(0, 100).join(',');
    }

    void listsPatterns()
    {
        QFETCH(QStringList, names);
        QFETCH(bool, changed);
        QFETCH(QString, listed);
        HomeAssistantDevice device(QStringLiteral("Lamp"), QStringLiteral("1.0"));
        QCOMPARE(device.setPatternNames(names), changed);
        QCOMPARE(device.setPatternNames(names), false);
        QCOMPARE(device.effectNames().mid(13).join(','), listed);
        const QJsonObject light = QJsonDocument::fromJson(device.lightConfig().payload).object();
        QCOMPARE(light.value("effect_list").toVariant().toStringList(), device.effectNames());
    }

    // A value from afar is quoted cut and escaped: a newline in it cannot
    // forge a log line, nor a huge one flood the log.
    void quotesValuesSafely_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QByteArray>("value");
        // In JSON the newline is written \n; the effect's name holds a real one.
        QTest::newRow("effect") << "light/set"
                                << QByteArray(R"({"state":"ON","effect":"x\nMQTT: connected to the broker evil:1883."})");
        QTest::newRow("huge effect") << "light/set"
                                     << QByteArray(R"({"state":"ON","effect":")" + QByteArray(15000, 'e') + R"("})");
        QTest::newRow("delay") << "delay/set" << QByteArray("1\n2");
        QTest::newRow("pause") << "pause/set" << QByteArray("ON\r\nMQTT: forged");
        QTest::newRow("topic") << "light/set\nMQTT: forged" << QByteArray("ON");
        QTest::newRow("broker") << "broker" << QByteArray("evil:1883\nMQTT: connected to the broker evil:1883.");
    }

    void quotesValuesSafely()
    {
        QFETCH(QString, where);
        QFETCH(QByteArray, value);
        QString problem;
        if (where == QLatin1String("broker")) {
            QTemporaryDir dir;
            const SettingsStore store(dir.filePath(QStringLiteral("Lampotron.conf")));
            QVERIFY(!store.write({{QStringLiteral("Mqtt"), QStringLiteral("Broker"), QString::fromUtf8(value)}}));
            problem = readMqttSettings(store).problem;
        } else {
            const HomeAssistantDevice device(QStringLiteral("Lamp"), QStringLiteral("1.0"));
            problem = parseMqttCommand(device.topics(), QStringLiteral("lampotron/lamp/") + where, value).problem;
        }
        QVERIFY2(!problem.contains(QLatin1Char('\n')) && !problem.contains(QLatin1Char('\r')), qPrintable(problem));
        QVERIFY2(problem.size() < 400, qPrintable(problem.left(400)));
    }

    void filtersIncoming_data()
    {
        QTest::addColumn<QByteArray>("topic");
        QTest::addColumn<qsizetype>("size");
        QTest::addColumn<bool>("retained");
        QTest::addColumn<int>("verdict");
        using Verdict = IncomingFilter::Verdict;
        QTest::newRow("command") << QByteArray("a/set") << qsizetype(2) << false << int(Verdict::Heard);
        QTest::newRow("largest command") << QByteArray("a/set") << qsizetype(16384) << false << int(Verdict::Heard);
        QTest::newRow("one byte more") << QByteArray("a/set") << qsizetype(16385) << false << int(Verdict::TooLarge);
        QTest::newRow("large notice") << QByteArray("ha/status") << qsizetype(1 << 20) << true << int(Verdict::TooLarge);
        QTest::newRow("retained command") << QByteArray("a/set") << qsizetype(2) << true << int(Verdict::RetainedCommand);
        QTest::newRow("retained notice") << QByteArray("ha/status") << qsizetype(6) << true << int(Verdict::Heard);
        QTest::newRow("not asked") << QByteArray("a/set/x") << qsizetype(2) << false << int(Verdict::NotAsked);
    }

    void filtersIncoming()
    {
        QFETCH(QByteArray, topic);
        QFETCH(qsizetype, size);
        QFETCH(bool, retained);
        QFETCH(int, verdict);
        const IncomingFilter filter({{QStringLiteral("a/set"), QStringLiteral("b/set")}, {QStringLiteral("ha/status")}});
        QCOMPARE(int(filter.judge(topic, size, retained)), verdict);
    }

    // Events at milliseconds: the back-off is told "c"onnected or asked for a
    // "p"ause (what it said in seconds); the tally "c"ounts one or is asked
    // whether a line is "d"ue (how many it said).
    void followsTheClock_data()
    {
        QTest::addColumn<bool>("backoff");
        QTest::addColumn<QString>("events");
        QTest::addColumn<QString>("said");
        QTest::newRow("never connected") << true << "p@0 p@1000 p@3000 p@7000 p@15000 p@31000 p@61000 p@91000"
                                         << "1 2 4 8 16 30 30 30";
        QTest::newRow("lost: at once, then growing") << true << "c@0 p@60000 p@60000 p@61000" << "0 1 2";
        QTest::newRow("steady just long enough") << true << "c@0 p@5000" << "0";
        QTest::newRow("lost at once again") << true << "c@0 p@60000 p@60000 c@61000 p@65999 p@66000" << "0 1 2 4";
        QTest::newRow("steady again") << true << "c@0 p@60000 p@60000 c@61000 p@66000 p@66000" << "0 1 0 1";
        QTest::newRow("first line at once") << false << "c@0 d@0 c@1000 d@1000 d@2000" << "1";
        QTest::newRow("the rest after a minute") << false << "c@0 d@0 c@1000 c@30000 d@59999 d@60000 d@70000" << "1 2";
        QTest::newRow("counted while waiting") << false << "c@0 d@0 c@1000 c@61000 c@62000 d@200000" << "1 3";
        QTest::newRow("quiet, then at once") << false << "c@0 d@0 d@100000 c@500000 d@500000" << "1 1";
    }

    void followsTheClock()
    {
        QFETCH(bool, backoff);
        QFETCH(QString, events);
        QFETCH(QString, said);
        ReconnectBackoff pauses;
        ThrottledTally tally;
        QStringList heard;
        for (const QString &event : events.split(QLatin1Char(' '))) {
            const std::chrono::steady_clock::time_point now(std::chrono::milliseconds(event.mid(2).toLongLong()));
            if (event[0] == QLatin1Char('p'))
                heard << QString::number(std::chrono::duration_cast<std::chrono::seconds>(pauses.nextPause(now)).count());
            else if (const auto line = event[0] == QLatin1Char('d') ? tally.due(now) : std::nullopt)
                heard << QString::number(*line);
            else if (event[0] == QLatin1Char('c'))
                backoff ? pauses.connected(now) : tally.count();
        }
        QCOMPARE(heard.join(QLatin1Char(' ')), said);
    }
};

QTEST_GUILESS_MAIN(TestMqtt)
#include "tst_mqtt.moc"
