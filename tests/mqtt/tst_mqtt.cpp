#include "MqttCommand.h"

#include <QTest>

class TestMqtt : public QObject {
    Q_OBJECT

private slots:
    void readsCommands_data()
    {
        QTest::addColumn<QString>("entity");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<int>("kind"); // -1: refused
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("problem");
        using Kind = MqttCommand::Kind;
        QTest::newRow("on") << "light" << QByteArray(R"({"state":"ON"})") << int(Kind::Start) << 0 << "";
        QTest::newRow("off") << "light" << QByteArray(R"({"state":"OFF","effect":"x"})") << int(Kind::AllOff) << 0 << "";
        QTest::newRow("scheme") << "light" << QByteArray(R"({"state":"ON","effect":"Scheme"})") << int(Kind::Play) << -1 << "";
        QTest::newRow("first effect") << "light" << QByteArray(R"({"state":"ON","effect":"бегущий вправо"})")
                                      << int(Kind::Play) << 0 << "";
        QTest::newRow("last effect") << "light" << QByteArray(R"({"state":"ON","effect":"бегущий парный"})")
                                     << int(Kind::Play) << 11 << "";
        QTest::newRow("unknown effect") << "light" << QByteArray(R"({"state":"ON","effect":"disco"})") << -1 << 0
                                        << "no effect \"disco\"";
        QTest::newRow("lower case") << "light" << QByteArray(R"({"state":"on"})") << -1 << 0 << "\"ON\" or \"OFF\"";
        QTest::newRow("not json") << "light" << QByteArray("ON") << -1 << 0 << "JSON object";
        QTest::newRow("delay") << "delay" << QByteArray("150") << int(Kind::SetDelay) << 150 << "";
        QTest::newRow("delay as float") << "delay" << QByteArray("250.0") << int(Kind::SetDelay) << 250 << "";
        QTest::newRow("delay fraction") << "delay" << QByteArray("150.5") << -1 << 0 << "whole number";
        QTest::newRow("delay huge") << "delay" << QByteArray("1e12") << -1 << 0 << "whole number";
        QTest::newRow("pause") << "pause" << QByteArray("ON") << int(Kind::Pause) << 0 << "";
        QTest::newRow("resume") << "pause" << QByteArray("OFF") << int(Kind::Resume) << 0 << "";
        QTest::newRow("pause other") << "pause" << QByteArray("1") << -1 << 0 << "\"ON\" or \"OFF\"";
        QTest::newRow("elsewhere") << "other" << QByteArray("ON") << -1 << 0 << "Nothing listens";
    }

    void readsCommands()
    {
        QFETCH(QString, entity);
        QFETCH(QByteArray, payload);
        QFETCH(int, kind);
        QFETCH(int, value);
        QFETCH(QString, problem);
        const HomeAssistantDevice device(QStringLiteral("Lamp.Test"), QStringLiteral("1.0"));
        const QString topic = QStringLiteral("lampotron/lamp_test/%1/set").arg(entity);
        const ParsedMqttCommand parsed = parseMqttCommand(device.topics(), topic, payload);
        QCOMPARE(parsed.command ? int(parsed.command->kind) : -1, kind);
        QCOMPARE(parsed.command ? parsed.command->value : 0, value);
        QVERIFY2(parsed.problem.contains(problem) && parsed.problem.isEmpty() == problem.isEmpty(), qPrintable(parsed.problem));
    }
};

QTEST_GUILESS_MAIN(TestMqtt)
#include "tst_mqtt.moc"
