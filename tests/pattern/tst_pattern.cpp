#include "PatternLoader.h"
#include "TestFiles.h"

#include <QTest>

#include <sys/stat.h>

using pattern::LoadFailure;
using pattern::PatternTable;

class TestPattern : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString path() const { return dir.filePath("Data.inf"); }

    // Cell by cell, "_" for an empty one, a row per line.
    static QString cells(const PatternTable &table)
    {
        QString text;
        for (int r = 0; r < table.rowCount(); ++r) {
            for (int k = 0; k < PatternTable::Lines; ++k)
                text += table.cell(k, r).empty() ? QChar('_') : QChar(table.cell(k, r)[0]);
            text += '\n';
        }
        return text;
    }

private slots:
    void init()
    {
        QFile::remove(path());
        QDir(path()).removeRecursively();
    }

    void loaderShapes_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("rows");
        QTest::newRow("four characters") << QByteArray("1010\r\n") << "1010____\n";
        QTest::newRow("ten characters") << QByteArray("1100110011\r\n") << "11001100\n";
        QTest::newRow("lone LF, no last ending") << QByteArray("01\n10000000\r\n001") << "01______\n10000000\n001_____\n";
        QTest::newRow("CR after eighth") << QByteArray("00000001\r") << "00000001\n";
        QTest::newRow("blank line") << QByteArray("\r\n") << "________\n";
        QTest::newRow("odd characters") << QByteArray("x2 1\t\r\n") << "x2 1\t___\n";
    }

    void loaderShapes()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, rows);
        QVERIFY(writeFile(path(), content));
        const auto loaded = pattern::loadPatternFile(path());
        QVERIFY(loaded.table);
        QCOMPARE(cells(*loaded.table), rows);
    }

    // A step's own time follows its eight characters after a space; what is
    // not a time in range leaves the row at the delay, as before.
    void loaderStepTimes_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QList<int>>("times");
        QTest::newRow("times and none") << QByteArray("10000001 250\r\n00000000\r\n11111111\t60000\r\n") << QList<int>{250, 0, 60000};
        QTest::newRow("out of range") << QByteArray("10000001 9\r\n10000001 60001\r\n") << QList<int>{0, 0};
        QTest::newRow("not a number") << QByteArray("10000001 25ms\r\n10000001 -25\n") << QList<int>{0, 0};
        QTest::newRow("no space before it") << QByteArray("1000000125\r\n") << QList<int>{0};
        QTest::newRow("spaces around it") << QByteArray("10000001   40  \r\n") << QList<int>{40};
        QTest::newRow("a long line is not cut into a time")
            << QByteArray("10000001" + QByteArray(20, ' ') + "25000000\r\n10000001 25 " + QByteArray(30, 'x') + "\n")
            << QList<int>{0, 0};
    }

    void loaderStepTimes()
    {
        QFETCH(QByteArray, content);
        QFETCH(QList<int>, times);
        QVERIFY(writeFile(path(), content));
        const auto loaded = pattern::loadPatternFile(path());
        QVERIFY(loaded.table);
        QList<int> read;
        for (int row = 0; row < loaded.table->rowCount(); ++row)
            read << loaded.table->stepMs(row);
        QCOMPARE(read, times);
    }

    void loaderRefusals_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("failure"); // -1: loads
        QTest::addColumn<QString>("said");
        QByteArray full;
        for (int i = 0; i < PatternTable::MaxRows; ++i)
            full += i % 2 ? "01010101\r\n" : "10101010\r\n";
        QTest::newRow("largest") << full << -1 << "";
        QTest::newRow("one line too many") << full + "1\r\n" << int(LoadFailure::TooManyLines) << "32768 lines";
        QTest::newRow("empty") << QByteArray() << int(LoadFailure::Empty) << "no rows";
        QTest::newRow("missing") << QByteArray("<missing>") << int(LoadFailure::Missing) << "missing";
        QTest::newRow("a folder") << QByteArray("<folder>") << int(LoadFailure::NotAFile) << "not a plain file";
        QTest::newRow("a pipe, never waited for") << QByteArray("<fifo>") << int(LoadFailure::NotAFile) << "pipe";
        QTest::newRow("a sparse GiB") << QByteArray("<GiB>") << int(LoadFailure::TooLarge) << "1073741824 bytes";
    }

    void loaderRefusals()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, failure);
        QFETCH(QString, said);
        if (content == "<folder>")
            QVERIFY(QDir().mkpath(path()));
        else if (content == "<fifo>")
            QCOMPARE(::mkfifo(QFile::encodeName(path()).constData(), 0600), 0);
        else if (content != "<missing>")
            QVERIFY(writeFile(path(), content) && (content != "<GiB>" || QFile::resize(path(), 1 << 30)));
        const auto loaded = pattern::loadPatternFile(path());
        if (failure >= 0) {
            QCOMPARE(loaded.failure, LoadFailure(failure));
            QVERIFY2(pattern::describe(loaded).contains(said), qPrintable(pattern::describe(loaded)));
            return;
        }
        QCOMPARE(loaded.table->rowCount(), 32768);
        QVERIFY(loaded.table->isLit(0, 32766) && loaded.table->isLit(1, 32767));
        QVERIFY(loaded.table->bytesUsed() < 1024 * 1024);
    }
};

QTEST_GUILESS_MAIN(TestPattern)
#include "tst_pattern.moc"
