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
