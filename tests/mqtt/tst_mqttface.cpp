#include "FakeDeadlineTimer.h"
#include "MqttFace.h"
#include "RecordingBackend.h"
#include "TestFiles.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

using namespace std::chrono_literals;

// Home Assistant's commands as the player sees them: a light turned on
// lights up, whoever else drives the player.
class TestMqttFace : public QObject {
    Q_OBJECT

private slots:
    void commandsReachThePlayer_data()
    {
        QTest::addColumn<QStringList>("messages"); // "entity payload"
        QTest::addColumn<QString>("openFailure");
        QTest::addColumn<QString>("state"); // playback speed output-state effect
        QTest::addColumn<QString>("said"); // the start of the warning, if any
        const QString fill = QString::fromUtf8(R"(light {"state":"ON","effect":"наполнение"})");
        QTest::newRow("on opens the output and plays") << QStringList{R"(light {"state":"ON"})"} << "" << "Running 100 Open Scheme" << "";
        QTest::newRow("on twice plays on") << QStringList{R"(light {"state":"ON"})", R"(light {"state":"ON"})"} << "" << "Running 100 Open Scheme" << "";
        QTest::newRow("on with an output that does not answer") << QStringList{R"(light {"state":"ON"})"} << "gone" << "Stopped 100 Closed Scheme" << "MQTT: not done (lampotron/box/light/set): Port not presents";
        QTest::newRow("off") << QStringList{R"(light {"state":"ON"})", R"(light {"state":"OFF"})"} << "" << "Stopped 100 Open Scheme" << "";
        QTest::newRow("an effect alone") << QStringList{fill} << "" << "Running 100 Open наполнение" << "";
        QTest::newRow("the scheme again") << QStringList{fill, R"(light {"state":"ON","effect":"Scheme"})"} << "" << "Running 100 Open Scheme" << "";
        QTest::newRow("delay") << QStringList{"delay 150"} << "" << "Stopped 150 Closed Scheme" << "";
        QTest::newRow("delay off the steps") << QStringList{"delay 77"} << "" << "Stopped 100 Closed Scheme" << "MQTT: not done (lampotron/box/delay/set)";
        QTest::newRow("pause") << QStringList{R"(light {"state":"ON"})", "pause ON"} << "" << "Paused 100 Open Scheme" << "";
        QTest::newRow("resume") << QStringList{R"(light {"state":"ON"})", "pause ON", "pause OFF"} << "" << "Running 100 Open Scheme" << "";
        QTest::newRow("a user pattern alone") << QStringList{R"(light {"state":"ON","effect":"Blink"})"} << "" << "Running 100 Open Blink" << "";
        QTest::newRow("an unknown name") << QStringList{R"(light {"state":"ON","effect":"disco"})"} << "" << "Stopped 100 Closed Scheme"
                                         << QString::fromUtf8("MQTT: not done (lampotron/box/light/set): There is no effect \"disco\"; the effects are: "
                                                              "Scheme, бегущий вправо, бегущий влево, наполнение, убывание, схождение, расхождение, "
                                                              "цепь двойная, цепь вправо, чередование, перебор схожд., перебор вправо, бегущий парный, Blink.");
        QTest::newRow("not understood") << QStringList{"light ON"} << "" << "Stopped 100 Closed Scheme" << "MQTT: not done (lampotron/box/light/set): The light takes a JSON object";
    }

    void commandsReachThePlayer()
    {
        QFETCH(QStringList, messages);
        QFETCH(QString, openFailure);
        QFETCH(QString, state);
        QFETCH(QString, said);
        const QTemporaryDir folder;
        const SettingsStore settings(folder.filePath("Lampotron.conf"));
        auto record = std::make_shared<PortRecord>();
        record->openFailure = openFailure.toStdString();
        Player player({"ola:1", folder.filePath("Data.inf"), 100}, std::make_unique<FakeDeadlineTimer>(),
                      [record](const QString &) { return std::make_unique<RecordingBackend>(record); });
        QVERIFY(writeFile(player.schemePath(), "10000000\r\n01000000\r\n"));
        PlayerCommands commands(player, settings, folder.filePath("patterns"), 0ms);
        QCOMPARE(commands.loadScheme(), std::nullopt);
        MqttFace face(player, commands, MqttSettings{"127.0.0.1", 1, {}, {}, {}}, "box");
        // Saved once the face is there: the face hears of it.
        int version = 0;
        QCOMPARE(commands.savePattern("Blink", {{0x81, 250}, {0x00, 250}}, version), std::nullopt);
        if (!said.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^" + QRegularExpression::escape(said)));
        const QString base = "lampotron/box/";
        for (const QString &message : messages)
            face.onMessage(base + message.section(' ', 0, 0) + "/set", message.section(' ', 1).toUtf8());
        const PlayerState now = commands.state();
        static const char *const playback[] = {"Stopped", "Running", "Paused"};
        static const char *const output[] = {"Closed", "Open", "Lost"};
        const QJsonObject published = QJsonDocument::fromJson(HomeAssistantDevice("box", "1").state(now).payload).object();
        QCOMPARE(QStringLiteral("%1 %2 %3 %4").arg(playback[int(now.playback)]).arg(now.speedMs).arg(output[int(now.outputState)],
                                                                                        published.value("effect").toString()),
                 state);
    }
};

QTEST_GUILESS_MAIN(TestMqttFace)
#include "tst_mqttface.moc"
