#include "HostileDisk.h"
#include "PatternLoader.h"
#include "SchemeBuilder.h"
#include "SchemeLocation.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {
bool privateMounts = false;
}

class TestSchemeBuilder : public QObject {
    Q_OBJECT

    static QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    static void write(const QString &path, const QByteArray &content)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    static std::optional<QString> build(const QString &path, const std::vector<pattern::EffectChoice> &chosen,
                                        QList<int> *progress = nullptr)
    {
        pattern::SchemeDraft draft(path);
        if (auto failure = draft.write(chosen, [progress](int written) {
                if (progress)
                    *progress << written;
            }))
            return failure;
        return draft.commit();
    }

public:
    static void initMain() { privateMounts = hostiledisk::usePrivateMounts(); }

private slots:
    void effectsFollowEachOtherInTheGivenOrder()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Data.inf");
        QList<int> progress;
        QCOMPARE(build(path, {{0, 2}, {4, 1}}, &progress), std::nullopt);
        QCOMPARE(progress, QList<int>({1, 2}));
        QCOMPARE(pattern::loadPatternFile(path).table->lastRow(), qint16(19));
        QVERIFY(read(path).endsWith("00000001\r\n10000001\r\n01000010\r\n00100100\r\n00011000\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"Data.inf"}));

        QCOMPARE(build(path, {{4, 1}}), std::nullopt);
        QCOMPARE(read(path), QByteArray("10000001\r\n01000010\r\n00100100\r\n00011000\r\n"));
    }

    void failureKeepsTheOldFileAndSaysWhy_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<int>("effect");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no such effect") << "" << 12 << "no effect number 12";
        QTest::newRow("no folder") << "gone/" << 0 << "gone";
        QTest::newRow("full disk") << "small/" << 10 << "No space left on device";
    }

    void failureKeepsTheOldFileAndSaysWhy()
    {
        QFETCH(QString, where);
        QFETCH(int, effect);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(where + "Data.inf");
        if (where == "small/") {
            if (!privateMounts)
                QSKIP("needs root to mount a small file system");
            QVERIFY(QDir().mkpath(dir.filePath(where)) && hostiledisk::mountSmall(dir.filePath(where), "size=8k"));
            write(path, "10000001\r\n");
            hostiledisk::fill(dir.filePath(where));
        } else if (where.isEmpty()) {
            write(path, "10000001\r\n");
        }
        const QByteArray before = read(path);
        const auto failure = build(path, {{0, 1}, {effect, 10}});
        QVERIFY(failure.has_value());
        QVERIFY2(failure->contains(reason), qPrintable(*failure));
        QCOMPARE(read(path), before);
        QCOMPARE(QDir(QFileInfo(path).path()).entryList({".Data.inf*"}, QDir::Files | QDir::Hidden), QStringList());
        hostiledisk::unmount(dir.filePath(where));
    }

    // The new file is on disk before it takes the old one's place, and its
    // name after; a disk that fails there is reported.
    void schemeReachesTheDiskBeforeAndAfterItsRename()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Data.inf");
        write(path, "10000001\r\n");
        QStringList synced;
        pattern::SchemeDraft draft(path, [&](const QString &, bool folder) -> std::optional<QString> {
            synced << (folder ? "folder" : read(path) == "10000001\r\n" ? "file before the rename" : "file too late");
            return folder ? std::optional<QString>("disk error") : std::nullopt;
        });
        QCOMPARE(draft.write({{0, 1}}, [](int) {}), std::nullopt);
        QCOMPARE(draft.commit(), std::nullopt);
        QCOMPARE(draft.syncFolder(), std::optional<QString>("disk error"));
        QCOMPARE(synced, QStringList({"file before the rename", "folder"}));
    }

    // The shipped file is what a build from the first-run selection writes:
    // all twelve effects, once each.
    void shippedSchemeMatchesTheDefaults()
    {
        QTemporaryDir dir;
        std::vector<pattern::EffectChoice> everyEffect;
        for (int i = 0; i < 12; ++i)
            everyEffect.push_back({i, 1});
        QCOMPARE(build(dir.filePath("Data.inf"), everyEffect), std::nullopt);
        QCOMPARE(read(QStringLiteral(LAMPOTRON_DATA_DIR "/Data.inf")), read(dir.filePath("Data.inf")));
    }

    void schemeLivesWhereTheUserCanWrite()
    {
        QTemporaryDir dir;
        const QString program = dir.filePath("program");
        const QString user = dir.filePath("user");
        const QString shipped = dir.filePath("share/Data.inf");
        write(shipped, "11111111\r\n");
        QDir().mkpath(program);
        // Nothing beside the program: the user's copy, made from the shipped one.
        QCOMPARE(pattern::schemeLocation(program, user, shipped), user + "/Data.inf");
        QCOMPARE(read(user + "/Data.inf"), QByteArray("11111111\r\n"));
        // A copy of the user's own is never replaced.
        write(user + "/Data.inf", "10000000\r\n");
        QCOMPARE(pattern::schemeLocation(program, user, shipped), user + "/Data.inf");
        QCOMPARE(read(user + "/Data.inf"), QByteArray("10000000\r\n"));
        // An unpacked install keeps its scheme beside the program.
        write(program + "/Data.inf", "01000000\r\n");
        QCOMPARE(pattern::schemeLocation(program, user, shipped), program + "/Data.inf");

        if (!privateMounts)
            QSKIP("needs root to make the program's folder read-only");
        QVERIFY(hostiledisk::mountSmall(program));
        write(program + "/Data.inf", "00100000\r\n");
        QVERIFY(hostiledisk::makeReadOnly(program));
        QDir(user).removeRecursively();
        QCOMPARE(pattern::schemeLocation(program, user, shipped), user + "/Data.inf");
        QCOMPARE(read(user + "/Data.inf"), QByteArray("00100000\r\n"));
        hostiledisk::unmount(program);
    }

    void staleDraftsAreRemoved()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Data.inf");
        write(dir.filePath(".Data.inf.AbC123"), "1\r\n");
        const QDateTime started = QDateTime::currentDateTime().addSecs(1);
        write(dir.filePath(".Data.inf.XyZ789"), "1\r\n");
        QFile recent(dir.filePath(".Data.inf.XyZ789"));
        QVERIFY(recent.open(QIODevice::ReadWrite) && recent.setFileTime(started.addSecs(5), QFileDevice::FileModificationTime));
        pattern::removeStaleDrafts(path, started);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({".Data.inf.XyZ789"}));
    }
};

QTEST_GUILESS_MAIN(TestSchemeBuilder)
#include "tst_schemebuilder.moc"
