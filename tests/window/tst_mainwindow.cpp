#include "Layout.h"
#include "MessageBoxes.h"
#include "QrCode.h"
#include "Twips.h"
#include "WindowTest.h"

#include <QCryptographicHash>

class TestMainWindow : public WindowTest {
    Q_OBJECT

private slots:
    void newWindowBeforeStartUp()
    {
        open({}, false);
        QCOMPARE(shown(), QStringLiteral("000000000000 111111111111 011100010 stopped 0 100 11111111"));
        QCOMPARE(form->windowTitle() + QString::number(w<QCheckBox>("chkPause")->isChecked()), QStringLiteral(" Flickwerk0"));
        QVERIFY(form->objectName() == "Form1" && !w<QLabel>("Image1")->pixmap().isNull());
        // Lamp 0 at the left; the right frame holds effects 6..11 bottom-up.
        QCOMPARE(w("lamp", 7)->x() - w("lamp", 0)->x(), twips::toPixels(7 * 360));
        QVERIFY(at(box(0)).y() < at(box(5)).y() && at(box(11)).y() < at(box(6)).y() && at(box(5)).x() < at(box(6)).x());
    }

    void startUpRestoresWithoutWriting_data()
    {
        QTest::addColumn<Stored>("values");
        QTest::addColumn<QString>("expected");
        QTest::newRow("nothing stored") << Stored{} << "111111111111 111111111111 011100011 stopped 12 100 00000000";
        QTest::newRow("stored") << Stored{{"Setting/Speed", "250"}, {"Sheme/Effect3", "0"}, {"Sheme/NumRetry3", "5"},
                                          {"Sheme/Effect4", "1"}, {"Sheme/NumRetry4", "5"}, {"Sheme/NumRetry5", "99"},
                                          {"Sheme/NumRetry6", "many"}, {"Sheme/NumEffects", "7"}}
                                << "111011111111 1115510111111 011100011 stopped 7 250 00000000";
        Stored noneTicked{{"Setting/Speed", "fast"}};
        for (int i = 0; i < 12; ++i)
            noneTicked.insert(QStringLiteral("Sheme/Effect%1").arg(i), "0");
        QTest::newRow("none ticked") << noneTicked << "000000000000 111111111111 011100010 stopped 12 100 00000000";
    }

    void startUpRestoresWithoutWriting()
    {
        QFETCH(Stored, values);
        QFETCH(QString, expected);
        open(values);
        const QDateTime written = QFileInfo(settings->fileName()).lastModified();
        QCOMPARE(shown(), expected);
        QCOMPARE(player->state().rows, 3);
        form->close(); // writes whatever is pending
        QCOMPARE(QFileInfo(settings->fileName()).lastModified(), written);
    }

    // Ticking or clearing a box resets its count; setup needs a ticked box.
    void controlsShowTheirValuesAndStoreOnlyTheSpeed()
    {
        open();
        tickOnly({0, 5});
        bar(3)->setValue(6);
        bar(5)->setValue(7);
        box(0)->setChecked(false);
        QCOMPARE(shown().section(' ', 0, 2), QStringLiteral("000001000000 111617111111 011100011"));
        box(5)->setChecked(false);
        QTest::mouseClick(box(3), Qt::LeftButton);
        QCOMPARE(shown().section(' ', 0, 2), QStringLiteral("000100000000 111111111111 011100011"));
        box(3)->setChecked(false);
        QVERIFY(!w("Command9")->isEnabled());
        w<QScrollBar>("VScroll1")->setValue(5000);
        QVERIFY(shown().contains(" 1000 "));
        QTRY_COMPARE(stored("Setting/Speed"), QStringLiteral("1000"));
        QCOMPARE(stored("Sheme/NumRetry5"), QStringLiteral("-"));
    }

    void collapseShowsOnlyTheTopBand()
    {
        open();
        QApplication::setActiveWindow(form.get());
        click("Command8");
        QCOMPARE(form->height(), twips::toPixels(layout::CollapsedClientHeight));
        QVERIFY(w("Command6")->isEnabled());
        // The keyboard never reaches what is cut off.
        for (int tab = 0; tab < 40; ++tab) {
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form.get(), Qt::Key_Tab);
            QVERIFY2(at(QApplication::focusWidget()).y() < form->height(), qPrintable(QApplication::focusWidget()->objectName()));
        }
        click("Command6");
        QCOMPARE(form->height(), twips::toPixels(layout::ExpandedClientHeight));
        QVERIFY(!w("Command6")->isEnabled() && at(w("Command8")).y() < form->height());
    }

    void portOpensOrSaysWhyAndALostOneCanBeOpenedAgain()
    {
        open();
        port->openFailure = "join the lp group";
        QCOMPARE(answerMessageBoxes([&] { click("Command3"); }), QStringLiteral("Error|Port not presents|join the lp group\n"));
        QVERIFY(shown().contains(" 011100011 stopped "));
        port->openFailure.clear();
        port->calls.clear();
        click("Command3");
        QVERIFY(shown().contains(" 010100011 Port is active "));
        QCOMPARE(port->calls, std::vector<std::string>({"open", "write 00000000"}));
        click("Command4");
        port->writeFailure = "unplugged";
        QCOMPARE(answerMessageBoxes([&] {
                     clock->runFor(300ms);
                     QTest::qWait(20);
                 }),
                 QStringLiteral("Error|Port lost|unplugged\n"));
        QVERIFY(shown().contains(" 011010010 Port lost "));
        const QString lampsNow = shown().right(8);
        clock->runFor(100ms);
        QVERIFY(shown().right(8) != lampsNow); // the lamps go on
        port->writeFailure.clear();
        click("Command3");
        clock->runFor(100ms);
        QVERIFY(lastWrite() != "00000000");
    }

    // The output in use is found by its device: a chip in use is listed as a
    // template of lines, and choosing it keeps the user's own lines.
    void outputChosenFromTheTrayMenu_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QString>("kept");
        const QString mine = "gpio:gpiochip0:17,18,27,22,23,24,25,4";
        QTest::newRow("another output") << "/dev/parport0" << 0 << "ola:1";
        QTest::newRow("the chip in use") << mine << 1 << mine;
    }

    void outputChosenFromTheTrayMenu()
    {
        QFETCH(QString, current);
        QFETCH(int, chosen);
        QFETCH(QString, kept);
        open({{"Setting/Port", current}});
        click("Command3");
        auto *output = form->findChild<QMenu *>()->actions().first()->menu();
        emit output->aboutToShow();
        QTRY_COMPARE(output->actions().size(), 3);
        QVERIFY(output->actions()[current.startsWith("gpio") ? 1 : 2]->isChecked());
        output->actions()[chosen]->trigger();
        const auto &calls = port->calls;
        QCOMPARE(calls[calls.size() - 2] + ", " + calls.back(), std::string("write 00000000, close"));
        QVERIFY(w("Command3")->isEnabled() && !shown().contains("Port is active"));
        QCOMPARE(player->state().output, kept);
        QTRY_COMPARE(stored("Setting/Port"), kept);
    }

    // The code is drawn in whole pixels per module, with no grey at the edges.
    void remoteAddressFromTheTrayMenu()
    {
        remote = {"http://192.0.2.7:8080/#key=00112233445566778899aabbccddeeff", {}, {}};
        open();
        const auto actions = form->findChild<QMenu *>()->actions();
        (*std::find_if(actions.begin(), actions.end(), [](QAction *a) { return a->text() == "Remote\u2026"; }))->trigger();
        auto *dialog = form->findChild<RemoteDialog *>();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->findChild<QLabel *>("remoteUrl")->text(), remote.url);
        const QImage shown = dialog->findChild<QLabel *>("remoteCode")->pixmap().toImage();
        const QrCode code(remote.url);
        const int scale = shown.width() / code.size();
        QVERIFY(scale >= 4 && shown.width() == code.size() * scale);
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                QCOMPARE(shown.pixelColor(x, y), code.isDark(x / scale, y / scale) ? Qt::black : Qt::white);
    }

    // Once, with the file; the window goes on as before.
    void settingsThatCannotBeSavedAreReportedOnce()
    {
        open();
        QFile::remove(settings->fileName());
        QVERIFY(QDir().mkpath(settings->fileName()));
        const QString said = answerMessageBoxes([&] {
            for (int speed : {150, 200}) {
                w<QScrollBar>("VScroll1")->setValue(speed);
                QTest::qWait(50);
            }
        });
        QVERIFY(QDir().rmdir(settings->fileName()));
        QCOMPARE(said.count("The settings could not be saved."), 1);
        QVERIFY2(said.contains(settings->fileName()), qPrintable(said));
    }

    void buildWritesFileSelectionAndTable()
    {
        open();
        tickOnly({0, 4});
        bar(0)->setValue(2);
        bar(7)->setValue(5);
        click("Command9");
        // Locked until the new table is loaded a second later.
        QCOMPARE(shown().section(' ', 0, 4), QStringLiteral("1---1------- 211111151111 011000010 stopped 2"));
        QVERIFY(!bar(2)->isEnabled());
        QTRY_COMPARE(player->state().rows, 20);
        QVERIFY(readFile(dataPath()).endsWith("00000001\r\n10000001\r\n01000010\r\n00100100\r\n00011000\r\n"));
        QString selection;
        for (const char *key : {"Effect0", "Effect1", "Effect4", "NumRetry0", "NumRetry7", "NumEffects"})
            selection += stored(QStringLiteral("Sheme/") + key);
        QCOMPARE(selection, QStringLiteral("101252"));
        QCOMPARE(shown(), QStringLiteral("100010000000 211111151111 011100010 stopped 2 100 00000000"));
        QVERIFY(port->calls.empty());
    }

    void buildFailuresKeepTheOldScheme_data()
    {
        QTest::addColumn<QString>("blocked");
        QTest::addColumn<QString>("said");
        QTest::newRow("nothing ticked") << "" << "Tick at least one effect";
        QTest::newRow("file cannot be replaced") << "Data.inf" << "Cannot replace";
        QTest::newRow("selection cannot be saved") << "settings" << "a folder is in its place";
    }

    // The old file, table, count and selection stay; the controls are free.
    void buildFailuresKeepTheOldScheme()
    {
        QFETCH(QString, blocked);
        QFETCH(QString, said);
        open();
        tickOnly(blocked.isEmpty() ? std::initializer_list<int>{} : std::initializer_list<int>{4});
        click("Command4");
        click("Command5");
        const QString path = blocked == "settings" ? settings->fileName() : dataPath();
        if (!blocked.isEmpty()) {
            QFile::remove(path);
            QVERIFY(QDir().mkpath(path));
        }
        const QString answer = answerMessageBoxes([&] { click("Command9"); });
        if (!blocked.isEmpty())
            QVERIFY(QDir().rmdir(path) && writeFile(dataPath(), "10000000\r\n01000000\r\n00100000\r\n"));
        QVERIFY2(answer.contains(said), qPrintable(answer));
        QCOMPARE(player->state().rows, 3);
        QCOMPARE(shown().section(' ', 2, 5), blocked.isEmpty() ? "011100010 effects stopped 12" : "011100011 effects stopped 12");
        QVERIFY(bar(4)->isEnabled() && stored("Sheme/Effect4") == "-");
        QCOMPARE(QDir(folder->path()).entryList({".Data.inf*"}, QDir::Files | QDir::Hidden), QStringList());
    }

    void unusableSchemeEndsStartUp()
    {
        open({}, false);
        QVERIFY(writeFile(dataPath(), QByteArray()));
        bool loaded = true;
        QSignalSpy finished(player.get(), &Player::finished);
        const QString said = answerMessageBoxes([&] { loaded = form->startUp(); });
        QVERIFY(!loaded && finished.size() == 1 && finished[0][0] == 1);
        QVERIFY2(said.startsWith("|The program is damaged, please reinstall.|"), qPrintable(said));
    }

    void startPlaysUntilStop()
    {
        open();
        tickOnly({});
        click("Command3");
        // The lamps are drawn after the port is written, never before.
        w("lamp", 0)->installEventFilter(this);
        click("Command4");
        QVERIFY(shown().startsWith("------------ 111111111111 010010010 effects started"));
        clock->runFor(160ms);
        QCOMPARE(port->calls.back(), std::string("drawn"));
        QVERIFY(std::find(port->calls.begin(), port->calls.end(), "write 10000000") + 1
                == std::find(port->calls.begin(), port->calls.end(), "drawn"));
        w("lamp", 0)->removeEventFilter(this);
        QVERIFY(shown().endsWith(lastWrite()));
        click("Command5");
        // The setup button too, even with nothing ticked.
        QCOMPARE(shown(), QStringLiteral("000000000000 111111111111 010100011 effects stopped 12 100 00000000"));
        QCOMPARE(lastWrite(), QStringLiteral("00000000"));
        const std::size_t writesAtStop = port->writes().size();
        clock->runFor(200ms);
        QCOMPARE(port->writes().size(), writesAtStop);
        // Leaving while playing: the lines low, then the port released.
        click("Command4");
        form->close();
        const auto &calls = port->calls;
        QCOMPARE(calls[calls.size() - 2] + ", " + calls.back(), std::string("write 00000000, close"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
