#include "BackendFactory.h"
#include "LockedBackend.h"
#include "Outputs.h"
#include "PortDevice.h"
#include "PortSetting.h"
#include "PrintableSetting.h"
#include "RecordingBackend.h"
#include "TestFiles.h"
#if LAMPOTRON_WITH_OLA
#include "OlaBackend.h"
#endif

#include <QTest>

#include <pwd.h>
#include <unistd.h>

namespace {

// A recorded port that takes the first parallel port's lock in `folder`.
std::unique_ptr<PortBackend> lockedParport(const QTemporaryDir &folder)
{
    OutputLock lock(folder.path().toStdString(), "parport", "parport0", "/dev/parport0");
    return std::make_unique<LockedBackend>(std::move(lock), std::make_unique<RecordingBackend>(std::make_shared<PortRecord>()));
}

} // namespace

// The Port setting, the table of outputs, and one owner per output.
class TestOutputs : public QObject {
    Q_OBJECT

private slots:
    // `output` is the output's name and the device it names; "" when the
    // setting is refused.
    void settingNamesAnOutput_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("output");
        QTest::newRow("parallel port") << "/dev/parport0" << "parport parport0";
        QTest::newRow("gpio") << "gpio:gpiochip0:17,18,27,22,23,24,25,4" << "gpio gpiochip0";
        QTest::newRow("gpio by path") << "gpio:/dev/gpiochip1:0,1,2,3,4,5,6,7" << "gpio gpiochip1";
        QTest::newRow("gpio by number") << "gpio:2:0,1,2,3,4,5,6,7" << "gpio gpiochip2";
        QTest::newRow("ola") << "ola:03" << "ola 3";
        QTest::newRow("relay by serial") << "relay:QAAMZ" << "relay QAAMZ";
        QTest::newRow("first relay") << "relay:" << "relay ";
        for (const char *refused : {"", "LPT1", "/dev/ttyS0", "/dev/parport", "gpio:gpiochip0:0,1,2,3,4,5,6",
                                    "gpio:gpiochip0:0,1,2,3,4,5,6,7,8", "gpio:gpiochip0:0,1,2,x,4,5,6,7",
                                    "gpio:gpiochip0:0,1,2,-3,4,5,6,7", "gpio::0,1,2,3,4,5,6,7", "ola:", "ola:one",
                                    "relay:AB/CD"})
            QTest::newRow(refused) << refused << "";
        QTest::newRow("endless number") << "/dev/parport" + QString(25000, '9') << "";
    }

    // A refused setting gives a port that never opens and quotes the setting,
    // shortened, in its reason; one for an output left out of this build
    // says so.
    void settingNamesAnOutput()
    {
        QFETCH(QString, text);
        QFETCH(QString, output);
        const PortSetting setting = parsePortSetting(text.toStdString());
        const Output *named = outputFor(text.toStdString());
        const bool leftOut = named != nullptr && !named->built();
        if (setting.kind == PortSetting::Kind::Valid) {
            QCOMPARE(QString::fromStdString(std::string(setting.output->name) + ' ' + setting.device), output);
            return;
        }
        QVERIFY2(output.isEmpty() || leftOut, setting.error.c_str());
        const std::string expected = leftOut ? "This Lampotron was built without" : '"' + text.left(40).toStdString();
        QVERIFY2(setting.error.find(expected) != std::string::npos && setting.error.size() < 300, setting.error.c_str());
        PortDevice port(makeBackend(text.toStdString()));
        port.open();
        QVERIFY(!port.isOpen());
        QCOMPARE(port.failureReason(), setting.error);
    }

    // Choosing what the tray menu found: a setting matches the outputs found
    // on its device, and choosing one of those keeps the user's setting.
    void foundOutputMatchesTheSetting_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("found");
        QTest::addColumn<bool>("same");
        QTest::addColumn<QString>("chosen");
        const QString mine = "gpio:gpiochip0:17,18,27,22,23,24,25,4", other = "gpio:gpiochip1:0,1,2,3,4,5,6,7";
        QTest::newRow("own offsets") << mine << "gpio:gpiochip0:0,1,2,3,4,5,6,7" << true << mine;
        QTest::newRow("other chip") << mine << other << false << other;
        QTest::newRow("first relay board") << "relay:" << "relay:QAAMZ" << true << "relay:QAAMZ";
        QTest::newRow("other relay board") << "relay:AAAAA" << "relay:QAAMZ" << false << "relay:QAAMZ";
        QTest::newRow("universe written twice") << "ola:01" << "ola:1" << true << "ola:01";
        QTest::newRow("other output") << "/dev/parport0" << "ola:0" << false << "ola:0";
        QTest::newRow("refused setting") << "LPT1" << "/dev/parport0" << false << "/dev/parport0";
    }

    void foundOutputMatchesTheSetting()
    {
        QFETCH(QString, current);
        QFETCH(QString, found);
        QFETCH(bool, same);
        QFETCH(QString, chosen);
        if (!outputFor(found.toStdString())->built())
            QSKIP("This output is left out of this build.");
        QCOMPARE(sameDevice(current.toStdString(), found.toStdString()), same);
        QCOMPARE(sameDevice(found.toStdString(), current.toStdString()), same);
        QCOMPARE(QString::fromStdString(settingForChoice(current.toStdString(), found.toStdString())), chosen);
    }

    // A quoted setting can neither flood a log nor forge a line in it.
    void settingIsQuotedSafely_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("quoted");
        QTest::newRow("control characters") << "/dev/parport1\n\x1b[2J\t" << "/dev/parport1\\n\\x1b[2J\\t";
        QTest::newRow("a mebibyte") << "ola:" + QString(1 << 20, 'x') << "ola:" + QString(56, 'x') + "...";
    }

    void settingIsQuotedSafely()
    {
        QFETCH(QString, text);
        QFETCH(QString, quoted);
        QCOMPARE(QString::fromStdString(printableSetting(text.toStdString())), quoted);
        const std::string error = parsePortSetting(text.toStdString()).error;
        QVERIFY2(error.find('"' + quoted.toStdString() + '"') != std::string::npos, error.c_str());
    }

    // What a port finds where its lock goes: another opener holding it (as
    // another process would, with an open file of its own), a note left by a
    // holder that died, or a link to someone else's file.
    void outputHasOneOwner_data()
    {
        QTest::addColumn<QString>("planted");
        QTest::addColumn<bool>("opens");
        QTest::newRow("let go by the one before") << "" << true;
        QTest::newRow("held by another opener") << "held" << false;
        QTest::newRow("left by a holder that died") << "stale" << true;
        QTest::newRow("symbolic link") << "symlink" << true;
        QTest::newRow("hard link") << "hard link" << true;
    }

    void outputHasOneOwner()
    {
        QFETCH(QString, planted);
        QFETCH(bool, opens);
        QTemporaryDir folder;
        const QString lockFile = folder.filePath("lampotron-parport-parport0.lock"), other = folder.filePath("other");
        QVERIFY(writeFile(other, "someone else's\n"));
        if (planted == "stale")
            QVERIFY(writeFile(lockFile, "999999 ghost\n"));
        if (planted == "symlink")
            QVERIFY(QFile::link(other, lockFile));
        if (planted == "hard link")
            QCOMPARE(::link(qPrintable(other), qPrintable(lockFile)), 0);
        PortDevice first(lockedParport(folder)), second(lockedParport(folder));
        QVERIFY(first.open());
        if (planted != "held")
            first.close();
        QCOMPARE(second.open(), opens);
        const std::string inUse = "/dev/parport0 is in use by Lampotron (process " + std::to_string(::getpid())
                                  + ", user " + ::getpwuid(::geteuid())->pw_name + ")";
        QCOMPARE(second.failureReason(), opens ? "" : inUse);
        QCOMPARE(readFile(other), "someone else's\n");
        // The table locks by device, and names the output as the setting does.
        PortDevice made(makeBackend("/dev/parport0", folder.path().toStdString()));
        if (!opens)
            QVERIFY(!made.open() && made.failureReason() == inUse);
        first.close();
        QVERIFY(second.open());
    }

    void outputsThatAreNotThereSaySo()
    {
#if LAMPOTRON_WITH_GPIO
        const QTemporaryDir locks;
        PortDevice gpio(makeBackend("gpio:gpiochip-lampotron-absent:0,1,2,3,4,5,6,7", locks.path().toStdString()));
        gpio.open();
        QVERIFY2(QString::fromStdString(gpio.failureReason()).contains("no GPIO chip"), gpio.failureReason().c_str());
#endif
#if LAMPOTRON_WITH_OLA
        // Nothing listens on this port; the client must not start a daemon.
        PortDevice ola(std::make_unique<OlaBackend>(1, 1));
        ola.open();
        QVERIFY2(QString::fromStdString(ola.failureReason()).contains("does not answer"), ola.failureReason().c_str());
#endif
    }
};

QTEST_GUILESS_MAIN(TestOutputs)
#include "tst_outputs.moc"
