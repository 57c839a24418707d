#include "PatternLoader.h"

#include <QTemporaryDir>
#include <QTest>

using pattern::LoadFailure;
using pattern::loadPatternFile;
using pattern::PatternTable;

class TestPatternLoader : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString write(const QByteArray &content)
    {
        const QString path = dir.filePath(QStringLiteral("Data.inf"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
            qFatal("cannot write test file");
        return path;
    }

    static QString row(const PatternTable &table, int r)
    {
        QString text;
        for (int k = 0; k < PatternTable::Lines; ++k) {
            const std::string_view cell = table.cell(k, r);
            text += cell.empty() ? QStringLiteral("_") : QString::fromLatin1(cell.data(), 1);
        }
        return text;
    }

private slots:
    void rowsComeInFileOrder()
    {
        const auto result = loadPatternFile(write("10000000\r\n01000000\r\n00100000\r\n"));
        QVERIFY(result.table);
        QCOMPARE(result.table->lastRow(), qint16(2));
        QCOMPARE(row(*result.table, 0), QStringLiteral("10000000"));
        QCOMPARE(row(*result.table, 1), QStringLiteral("01000000"));
        QCOMPARE(row(*result.table, 2), QStringLiteral("00100000"));
        QVERIFY(result.table->isLit(1, 1));
        QVERIFY(!result.table->isLit(0, 1));
    }

    void shortAndLongLines_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected");
        QTest::newRow("four characters") << QByteArray("1010\r\n") << QStringLiteral("1010____");
        QTest::newRow("ten characters") << QByteArray("1100110011\r\n") << QStringLiteral("11001100");
        QTest::newRow("lone LF") << QByteArray("01\n") << QStringLiteral("01______");
        QTest::newRow("no line ending") << QByteArray("11111111") << QStringLiteral("11111111");
        QTest::newRow("CR after eighth") << QByteArray("00000001\r") << QStringLiteral("00000001");
        QTest::newRow("blank line") << QByteArray("\r\n") << QStringLiteral("________");
        QTest::newRow("odd characters") << QByteArray("x2 1\t\r\n") << QStringLiteral("x2 1\t___");
    }

    void shortAndLongLines()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        const auto result = loadPatternFile(write(content));
        QVERIFY(result.table);
        QCOMPARE(result.table->rowCount(), 1);
        QCOMPARE(row(*result.table, 0), expected);
    }

    void mixedLineEndingsKeepEveryRow()
    {
        const auto result = loadPatternFile(write("10000000\n01000000\r\n00100000"));
        QVERIFY(result.table);
        QCOMPARE(result.table->rowCount(), 3);
        QCOMPARE(row(*result.table, 2), QStringLiteral("00100000"));
    }

    void sizeLimit()
    {
        QByteArray full;
        for (int i = 0; i < PatternTable::MaxRows; ++i)
            full += (i % 2 ? "01010101\r\n" : "10101010\r\n");
        const auto largest = loadPatternFile(write(full));
        QVERIFY(largest.table);
        QCOMPARE(largest.table->lastRow(), qint16(32767));
        QCOMPARE(row(*largest.table, 32767), QStringLiteral("01010101"));
        QVERIFY(largest.table->bytesUsed() < 1024 * 1024);

        const auto tooLarge = loadPatternFile(write(full + "11111111\r\n"));
        QVERIFY(!tooLarge.table);
        QCOMPARE(tooLarge.failure, LoadFailure::TooManyLines);
    }

    void refusedFiles()
    {
        QCOMPARE(loadPatternFile(dir.filePath(QStringLiteral("absent.inf"))).failure, LoadFailure::Missing);
        QCOMPARE(loadPatternFile(write(QByteArray())).failure, LoadFailure::Empty);
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.inf")));
        QCOMPARE(loadPatternFile(dir.filePath(QStringLiteral("folder.inf"))).failure, LoadFailure::Unreadable);
    }

    void binaryGarbageLoadsWithoutHarm()
    {
        QByteArray garbage(200000, '\0');
        for (int i = 0; i < garbage.size(); ++i)
            garbage[i] = static_cast<char>((i * 7919) % 251);
        const auto result = loadPatternFile(write(garbage));
        QVERIFY(result.table);
        QVERIFY(result.table->rowCount() > 0);
        QVERIFY(result.table->cell(0, result.table->rowCount()).empty());
        QVERIFY(result.table->cell(8, 0).empty());
    }
};

QTEST_GUILESS_MAIN(TestPatternLoader)
#include "tst_patternloader.moc"
