#include "mdlEffects.h"

#include <QTemporaryDir>
#include <QTest>

class TestEffectWriter : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString path;

    QByteArray content() const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

private slots:
    void init()
    {
        path = dir.filePath(QStringLiteral("Data.inf"));
        QFile::remove(path);
    }

    void writeCreatesTheFile()
    {
        QCOMPARE(mdlEffects::WriteEffect(path, 4, 1), std::nullopt);
        QCOMPARE(content(), QByteArray("10000001\r\n01000010\r\n00100100\r\n00011000\r\n"));
    }

    void repetitionsAndCallsFollowEachOtherDirectly()
    {
        QCOMPARE(mdlEffects::WriteEffect(path, 5, 2), std::nullopt);
        QCOMPARE(content(), QByteArray("00011000\r\n00100100\r\n01000010\r\n10000001\r\n"
                                       "00011000\r\n00100100\r\n01000010\r\n10000001\r\n"));
        init();
        QCOMPARE(mdlEffects::WriteEffect(path, 0, 1), std::nullopt);
        QCOMPARE(mdlEffects::WriteEffect(path, 1, 1), std::nullopt);
        const QList<QByteArray> lines = content().split('\n');
        QCOMPARE(lines.size(), 17); // sixteen rows and what follows the last LF
        QCOMPARE(lines[7], QByteArray("00000001\r"));
        QCOMPARE(lines[8], QByteArray("00000001\r"));
        QCOMPARE(lines[16], QByteArray());
    }

    void refusedCallsWriteNothing_data()
    {
        QTest::addColumn<int>("effect");
        QTest::addColumn<int>("repeats");
        QTest::newRow("effect -1") << -1 << 1;
        QTest::newRow("effect 12") << 12 << 1;
        QTest::newRow("no repeat") << 0 << 0;
        QTest::newRow("negative repeat") << 3 << -2;
    }

    void refusedCallsWriteNothing()
    {
        QFETCH(int, effect);
        QFETCH(int, repeats);
        QVERIFY(mdlEffects::WriteEffect(path, effect, repeats).has_value());
        QVERIFY(!QFile::exists(path));
    }

    void openFailureIsReported()
    {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Data.inf")));
        const auto error = mdlEffects::WriteEffect(path, 0, 1);
        QVERIFY(error.has_value());
        QVERIFY2(error->contains(path), qPrintable(*error));
        QDir(dir.path()).rmdir(QStringLiteral("Data.inf"));
    }
};

QTEST_GUILESS_MAIN(TestEffectWriter)
#include "tst_effectwriter.moc"
