#include "StartUp.h"
#include "TestFiles.h"

#include <QCryptographicHash>
#include <QTest>

namespace {

const QByteArray TwoRows = "10000000\r\n01000000\r\n";

std::unique_ptr<CommandLine> commandLineOf(const QStringList &arguments)
{
    auto commandLine = std::make_unique<CommandLine>();
    commandLine->read(QStringList{"lampotron"} + arguments);
    return commandLine;
}

} // namespace

class TestStartUp : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString user() const { return dir.filePath("user/Data.inf"); }
    QString shipped() const { return dir.filePath("shipped.inf"); }
    // A file of each case's own: Qt serves a file it has read from memory
    // until its size or time changes, which a rewrite in the same moment
    // may not show.
    QString settingsFile() const
    {
        return dir.filePath(QStringLiteral("%1-%2.conf").arg(QTest::currentTestFunction(), QTest::currentDataTag()));
    }

private slots:
    void init()
    {
        QFile::remove(user());
        QFile::remove(settingsFile());
        QVERIFY(writeFile(shipped(), "11111111\r\n"));
    }

    // What the user plays after a start: the scheme kept, made again from
    // the selection it came from, or the default only on first use.
    void schemeIsReadyToPlay_data()
    {
        QTest::addColumn<QByteArray>("scheme"); // "" for none
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QByteArray>("played");
        QTest::addColumn<QString>("storedEffect3");
        const QByteArray onlyEffect0 = "[Sheme]\nEffect0=1\nNumRetry0=2\nNumEffects=1\n"
                                       + QByteArray("Effect1=0\nEffect2=0\nEffect3=0\nEffect4=0\nEffect5=0\nEffect6=0\n")
                                       + "Effect7=0\nEffect8=0\nEffect9=0\nEffect10=0\nEffect11=0\n";
        const QByteArray runRightTwice = QByteArray("10000000\r\n01000000\r\n00100000\r\n00010000\r\n00001000\r\n"
                                                    "00000100\r\n00000010\r\n00000001\r\n")
                                             .repeated(2);
        const QByteArray staged = "[ShemeStaged]\nEffect3=0\nNumEffects=11\nScheme="
                                  + QCryptographicHash::hash(TwoRows, QCryptographicHash::Sha256).toHex() + "\n";
        QTest::newRow("first use") << QByteArray() << QByteArray() << QByteArray("11111111\r\n") << "-";
        QTest::newRow("kept") << TwoRows << onlyEffect0 << TwoRows << "0";
        QTest::newRow("missing, made again") << QByteArray() << onlyEffect0 << runRightTwice << "0";
        QTest::newRow("missing, nothing ticked") << QByteArray() << QByteArray(onlyEffect0).replace("Effect0=1", "Effect0=0")
                                                 << QByteArray("11111111\r\n") << "0";
        QTest::newRow("a build cut short") << TwoRows << staged << TwoRows << "0";
    }

    void schemeIsReadyToPlay()
    {
        QFETCH(QByteArray, scheme);
        QFETCH(QByteArray, settings);
        QFETCH(QByteArray, played);
        QFETCH(QString, storedEffect3);
        if (!scheme.isEmpty())
            QVERIFY(writeFile(user(), scheme));
        if (!settings.isEmpty())
            QVERIFY(writeFile(settingsFile(), settings));
        const SettingsStore store(settingsFile());
        const auto prepared = startup::prepareScheme(*commandLineOf({}), {user(), shipped()}, store);
        QCOMPARE(prepared.path, user());
        QCOMPARE(readFile(user()), played);
        QCOMPARE(store.read(settings::TextKey{"Sheme", "Effect3", "-"}), storedEffect3);
        QVERIFY(!store.hasSection("ShemeStaged"));
    }

    void namedSchemeIsPlayedAsItIs()
    {
        const QString named = dir.filePath("named.inf");
        const auto prepared = startup::prepareScheme(*commandLineOf({"--play", "--scheme", named}), {user(), shipped()},
                                                     SettingsStore(settingsFile()));
        QCOMPARE(prepared.path, named);
        QVERIFY(!QFileInfo::exists(user()) && !QFileInfo::exists(named));
    }

    // 64 for a mistake on the command line, 78 for one in the settings: a
    // service manager restarts neither.
    void outputThatCannotWorkEndsTheRun_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<int>("exitCode"); // -1: it plays
        QTest::newRow("stored and valid") << QStringList{"--play"} << QByteArray("[Setting]\nPort=ola:1\n") << -1;
        QTest::newRow("stored nonsense") << QStringList{"--play"} << QByteArray("[Setting]\nPort=nonsense\n") << 78;
        QTest::newRow("given nonsense") << QStringList{"--play", "--port", "nonsense"} << QByteArray() << 64;
        QTest::newRow("given over stored nonsense") << QStringList{"--play", "--port", "ola:2"}
                                                    << QByteArray("[Setting]\nPort=nonsense\n") << -1;
        QTest::newRow("settings unreadable") << QStringList{"--play"} << QByteArray("folder") << 78;
        QTest::newRow("settings unreadable, output given") << QStringList{"--play", "--port", "ola:1"}
                                                           << QByteArray("folder") << -1;
    }

    void outputThatCannotWorkEndsTheRun()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, settings);
        QFETCH(int, exitCode);
        QDir(settingsFile()).removeRecursively();
        if (settings == "folder")
            QVERIFY(QDir().mkpath(settingsFile()));
        else if (!settings.isEmpty())
            QVERIFY(writeFile(settingsFile(), settings));
        QCOMPARE(startup::outputMistake(*commandLineOf(arguments), SettingsStore(settingsFile())).value_or(-1), exitCode);
        QDir(settingsFile()).removeRecursively();
    }

    void speedComesToTheGrid_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<int>("speed");
        QTest::newRow("stored on the grid") << QStringList{} << QByteArray("[Setting]\nSpeed=250\n") << 250;
        QTest::newRow("stored off the grid, lower step") << QStringList{} << QByteArray("[Setting]\nSpeed=73\n") << 50;
        QTest::newRow("stored off the grid, upper step") << QStringList{} << QByteArray("[Setting]\nSpeed=77\n") << 100;
        QTest::newRow("stored out of range") << QStringList{} << QByteArray("[Setting]\nSpeed=5000\n") << 1000;
        QTest::newRow("given over stored") << QStringList{"--play", "--speed", "150"}
                                           << QByteArray("[Setting]\nSpeed=73\n") << 150;
    }

    void speedComesToTheGrid()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, settings);
        QFETCH(int, speed);
        QVERIFY(writeFile(settingsFile(), settings));
        QCOMPARE(startup::playerChoices(*commandLineOf(arguments), SettingsStore(settingsFile()), user()).speedMs, speed);
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("Lampotron");
    TestStartUp test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_startup.moc"
