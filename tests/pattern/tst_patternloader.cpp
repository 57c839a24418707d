#include "PatternLoader.h"
#include "TestFiles.h"

#include <QTest>

using pattern::LoadFailure;
using pattern::PatternTable;

class TestPatternLoader : public QObject {
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
        QTest::newRow("three rows") << QByteArray("10000000\r\n01000000\r\n00100000\r\n")
                                    << "10000000\n01000000\n00100000\n";
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
        QByteArray full;
        for (int i = 0; i < PatternTable::MaxRows; ++i)
            full += i % 2 ? "01010101\r\n" : "10101010\r\n";
        QTest::newRow("largest") << full << -1;
        QTest::newRow("one line too many") << full + "1\r\n" << int(LoadFailure::TooManyLines);
        QTest::newRow("empty") << QByteArray() << int(LoadFailure::Empty);
        QTest::newRow("missing") << QByteArray("<missing>") << int(LoadFailure::Missing);
        QTest::newRow("a folder") << QByteArray("<folder>") << int(LoadFailure::Unreadable);
    }

    void loaderRefusals()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, failure);
        if (content == "<folder>")
            QVERIFY(QDir().mkpath(path()));
        else if (content != "<missing>")
            QVERIFY(writeFile(path(), content));
        const auto loaded = pattern::loadPatternFile(path());
        if (failure >= 0) {
            QCOMPARE(loaded.failure, LoadFailure(failure));
            return;
        }
        QCOMPARE(loaded.table->lastRow(), qint16(32767));
        QVERIFY(loaded.table->isLit(0, 32766) && loaded.table->isLit(1, 32767));
        QVERIFY(loaded.table->bytesUsed() < 1024 * 1024);
    }
};

QTEST_GUILESS_MAIN(TestPatternLoader)
#include "tst_patternloader.moc"
