#include "ScriptedFrames.h"
#include "WindowTest.h"

// The status line and the controls follow the player, whoever moved it.
class TestWindowStatus : public WindowTest {
    Q_OBJECT

private slots:
    void statusSaysWhatPlays_data()
    {
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<QString>("status");
        QTest::newRow("loaded") << QStringList{} << "stopped";
        QTest::newRow("started") << QStringList{"Command4"} << "effects started";
        QTest::newRow("paused") << QStringList{"Command4", "chkPause"} << "effects paused";
        QTest::newRow("resumed") << QStringList{"Command4", "chkPause", "chkPause"} << "effects started";
        QTest::newRow("stopped") << QStringList{"Command4", "Command5"} << "effects stopped";
        QTest::newRow("one effect alone from afar") << QStringList{"alone 2"} << QString::fromUtf8("effect наполнение started");
        QTest::newRow("following") << QStringList{"follow", "Command4", "frame"} << "following universe 1 from channel 9";
        QTest::newRow("a pattern alone from afar") << QStringList{"pattern Blink"} << "effect Blink started";
        QTest::newRow("output chosen before playing") << QStringList{"choose"} << "stopped";
        QTest::newRow("output chosen after opening one") << QStringList{"Command3", "choose"} << "stopped";
        QTest::newRow("output chosen while playing") << QStringList{"Command4", "Command3", "choose"} << "effects started";
    }

    void statusSaysWhatPlays()
    {
        QFETCH(QStringList, script);
        QFETCH(QString, status);
        ScriptedFrames *frames = nullptr; // the player's, once it follows
        open();
        for (const QString &step : script) {
            if (step.startsWith("alone"))
                commands->play(step.section(' ', 1).toInt());
            else if (step == "follow") {
                auto source = std::make_unique<ScriptedFrames>();
                frames = source.get();
                QVERIFY(!commands->follow(*parseFollow("ola:1@9").target, std::move(source)));
            } else if (step == "frame")
                frames->send(QByteArray(16, char(255)));
            else if (step.startsWith("pattern")) {
                int version = 0;
                QVERIFY(!commands->savePattern(step.section(' ', 1), {{0x81, 0}}, version));
                QVERIFY(!commands->playPattern(step.section(' ', 1)));
            }
            else if (step == "chkPause")
                w<QCheckBox>("chkPause")->click();
            else if (step == "choose")
                chooseOutput(0);
            else
                click(qPrintable(step));
        }
        QTRY_COMPARE(w<QLabel>("lblStatusLabel")->text(), status);
    }

    // A start from afar while a build holds the window: when the build
    // ends, the controls are those of a window that plays.
    void buildEndsInTheStateThePlayerIsIn()
    {
        open();
        tickOnly({1});
        click("Command9");
        QCOMPARE(commands->start(), std::nullopt);
        QTRY_COMPARE(player->state().rows, 8);
        QCOMPARE(shown().section(" ", 0, 4), QStringLiteral("-1---------- 111111111111 011010010 effects started"));
        click("Command5");
        QCOMPARE(shown().section(" ", 0, 4), QStringLiteral("010000000000 111111111111 011100011 effects stopped"));
    }

    // A build from afar while the window was stopped shows what it was
    // built from.
    void buildFromAfarShowsItsSelection()
    {
        open();
        Selection third;
        third.ticked[2] = true;
        third.repeats.fill(1);
        QCOMPARE(commands->build(third), std::nullopt);
        QTRY_COMPARE(shown().section(' ', 0, 0), QStringLiteral("001000000000"));
    }

private:
    void chooseOutput(int index)
    {
        auto *output = form->findChild<QMenu *>()->actions().first()->menu();
        emit output->aboutToShow();
        QTRY_COMPARE(output->actions().size(), 3);
        output->actions()[index]->trigger();
    }
};

QTEST_MAIN(TestWindowStatus)
#include "tst_windowstatus.moc"
