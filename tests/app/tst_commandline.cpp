#include "CommandLine.h"

#include <QTest>

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void answersOrRuns_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode"); // -1: it runs
        QTest::addColumn<QString>("said");
        QTest::newRow("window") << QStringList{} << -1 << "";
        QTest::newRow("player") << QStringList{"--play", "--speed", "150", "--scheme", "x"} << -1 << "";
        QTest::newRow("help") << QStringList{"--help"} << 0 << "--list-ports";
        QTest::newRow("days only with --schedule") << QStringList{"--help"} << 0 << "\n       lampotron --schedule [DAYS]\n";
        QTest::newRow("no help-all") << QStringList{"--help-all"} << 64 << "help-all";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "Lampotron 1";
        QTest::newRow("speed out of range") << QStringList{"--play", "--speed", "20"} << 64 << "50 to 1000";
        QTest::newRow("speed off the steps") << QStringList{"--play", "--speed", "73"} << 64 << "steps of 50";
        QTest::newRow("speed not a number") << QStringList{"--play", "--speed", "fast"} << 64 << "\"fast\"";
        QTest::newRow("scheme without play") << QStringList{"--scheme", "x"} << 64 << "go with --play";
        QTest::newRow("unknown option") << QStringList{"--colour"} << 64 << "colour";
        QTest::newRow("import") << QStringList{"--import-fseq", "f", "--name", "A", "--channel", "9"} << -1 << "";
        QTest::newRow("import without a name") << QStringList{"--import-fseq", "f"} << 64 << "needs --name";
        QTest::newRow("import, channel 0") << QStringList{"--import-fseq", "f", "--name", "A", "--channel", "0"} << 64 << "from 1 on";
        QTest::newRow("import, threshold 256")
            << QStringList{"--import-fseq", "f", "--name", "A", "--threshold", "256"} << 64 << "1 to 255";
        QTest::newRow("import, a name too long") << QStringList{"--import-fseq", "f", "--name", QString(41, 'x')} << 64 << "40";
        QTest::newRow("export at 40 ms") << QStringList{"--export-fseq", "A", "--out", "f", "--frame", "40"} << 64 << "25 or 50";
        QTest::newRow("export without a file") << QStringList{"--export-fseq", "A"} << 64 << "needs --out";
        QTest::newRow("channel without import") << QStringList{"--play", "--channel", "3"} << 64 << "go with --import-fseq";
        QTest::newRow("remote without a port") << QStringList{"--remote", "127.0.0.1"} << 64 << "ADDRESS:PORT";
        QTest::newRow("stray argument") << QStringList{"x"} << 64 << "Unexpected argument";
        QTest::newRow("schedule") << QStringList{"--schedule", "3"} << -1 << "";
        QTest::newRow("schedule days") << QStringList{"--schedule", "0"} << 64 << "1 to 366";
    }

    void answersOrRuns()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        CommandLine commandLine;
        commandLine.read(QStringList{"lampotron"} + arguments);
        const auto reply = commandLine.reply();
        QCOMPARE(reply ? reply->exitCode : -1, exitCode);
        QVERIFY2(!reply || reply->text.contains(said), reply ? qPrintable(reply->text) : "");
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("Lampotron");
    QCoreApplication::setApplicationVersion("1.0");
    TestCommandLine test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_commandline.moc"
