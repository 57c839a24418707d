#include "PatternLoader.h"
#include "SchemeBuilder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestSchemeBuilder : public QObject {
    Q_OBJECT

    static QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

private slots:
    void effectsFollowEachOtherInTheGivenOrder()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Data.inf");
        QList<int> progress;
        QCOMPARE(pattern::buildScheme(path, {{0, 2}, {4, 1}}, [&](int written) { progress << written; }),
                 std::nullopt);
        QCOMPARE(progress, QList<int>({1, 2}));
        const auto loaded = pattern::loadPatternFile(path);
        QVERIFY(loaded.table);
        QCOMPARE(loaded.table->lastRow(), qint16(19));
        QVERIFY(read(path).endsWith("00000001\r\n10000001\r\n01000010\r\n00100100\r\n00011000\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"Data.inf"}));
    }

    void rebuildReplacesTheOldRows()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Data.inf");
        QCOMPARE(pattern::buildScheme(path, {{7, 3}}, [](int) {}), std::nullopt);
        QCOMPARE(pattern::buildScheme(path, {{4, 1}}, [](int) {}), std::nullopt);
        QCOMPARE(read(path), QByteArray("10000001\r\n01000010\r\n00100100\r\n00011000\r\n"));
    }

    void failureKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Data.inf");
        QCOMPARE(pattern::buildScheme(path, {{4, 1}}, [](int) {}), std::nullopt);
        const QByteArray before = read(path);

        const auto refused = pattern::buildScheme(path, {{0, 1}, {12, 1}}, [](int) {});
        QVERIFY(refused.has_value());
        QCOMPARE(read(path), before);

        const auto noFolder = pattern::buildScheme(dir.filePath("gone/Data.inf"), {{0, 1}}, [](int) {});
        QVERIFY(noFolder.has_value());
        QVERIFY2(noFolder->contains("gone"), qPrintable(*noFolder));

        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"Data.inf"}));
    }

    // The shipped file is what a build from the first-run selection writes:
    // all twelve effects, once each.
    void shippedSchemeMatchesTheDefaults()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Data.inf");
        std::vector<pattern::EffectChoice> everyEffect;
        for (int i = 0; i < 12; ++i)
            everyEffect.push_back({i, 1});
        QCOMPARE(pattern::buildScheme(path, everyEffect, [](int) {}), std::nullopt);
        QCOMPARE(read(QStringLiteral(LAMPOTRON_DATA_DIR "/Data.inf")), read(path));
    }
};

QTEST_GUILESS_MAIN(TestSchemeBuilder)
#include "tst_schemebuilder.moc"
