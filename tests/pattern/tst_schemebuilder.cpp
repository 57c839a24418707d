#include "HostileDisk.h"
#include "SchemeBuilder.h"
#include "SchemeLocation.h"
#include "TestFiles.h"

#include <QTest>

namespace {
bool privateMounts = false;
}

class TestSchemeBuilder : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    static std::optional<QString> build(const QString &path, const std::vector<pattern::EffectChoice> &chosen,
                                        QList<int> *progress = nullptr)
    {
        pattern::SchemeDraft draft(path);
        auto count = [progress](int written) {
            if (progress)
                *progress << written;
        };
        if (auto failure = draft.write(chosen, count))
            return failure;
        return draft.commit();
    }

public:
    static void initMain() { privateMounts = hostiledisk::usePrivateMounts(); }

private slots:
    // A rebuild keeps none of the old rows; the shipped file is what the
    // first-run selection builds: all twelve effects once.
    void effectsFollowEachOtherInTheGivenOrder()
    {
        const QString path = dir.filePath("Data.inf");
        QList<int> progress;
        QCOMPARE(build(path, {{7, 3}}), std::nullopt);
        QCOMPARE(build(path, {{0, 2}, {4, 1}}, &progress), std::nullopt);
        QCOMPARE(progress, QList<int>({1, 2}));
        QCOMPARE(readFile(path), readFile(LAMPOTRON_DATA_DIR "/Data.inf").left(80).repeated(2)
                                     + QByteArray("10000001\r\n01000010\r\n00100100\r\n00011000\r\n"));
        std::vector<pattern::EffectChoice> everyEffect;
        for (int i = 0; i < 12; ++i)
            everyEffect.push_back({i, 1});
        QCOMPARE(build(path, everyEffect), std::nullopt);
        QCOMPARE(readFile(path), readFile(LAMPOTRON_DATA_DIR "/Data.inf"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"Data.inf"}));
    }

    void failureKeepsTheOldFileAndSaysWhy_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<int>("effect");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no such effect") << "" << 12 << "no effect number 12";
        QTest::newRow("no repeat") << "" << -1 << "at least once";
        QTest::newRow("no folder") << "gone/" << 0 << "gone";
        QTest::newRow("full disk") << "small/" << 10 << "No space left on device";
    }

    void failureKeepsTheOldFileAndSaysWhy()
    {
        QFETCH(QString, where);
        QFETCH(int, effect);
        QFETCH(QString, reason);
        const QString path = dir.filePath(where + "Data.inf");
        if (where == "small/") {
            if (!privateMounts)
                QSKIP("needs root to mount a small file system");
            QVERIFY(QDir().mkpath(dir.filePath(where)) && hostiledisk::mountSmall(dir.filePath(where), "size=8k"));
        }
        if (where != "gone/")
            QVERIFY(writeFile(path, "10000001\r\n"));
        if (where == "small/")
            hostiledisk::fill(dir.filePath(where));
        const QByteArray before = readFile(path);
        const auto failure = build(path, {{0, 1}, effect < 0 ? pattern::EffectChoice{0, 0} : pattern::EffectChoice{effect, 10}});
        QVERIFY2(failure && failure->contains(reason), qPrintable(failure.value_or("built")));
        QCOMPARE(readFile(path), before);
        QCOMPARE(QDir(QFileInfo(path).path()).entryList({".Data.inf*"}, QDir::Files | QDir::Hidden), QStringList());
        hostiledisk::unmount(dir.filePath(where));
    }

    // The new file is on disk before it takes the old one's place, and its
    // name after; a disk that fails there is reported.
    void schemeReachesTheDiskBeforeAndAfterItsRename()
    {
        const QString path = dir.filePath("Data.inf");
        QVERIFY(writeFile(path, "10000001\r\n"));
        QStringList synced;
        pattern::SchemeDraft draft(path, [&](const QString &, bool folder) -> std::optional<QString> {
            synced << (folder ? "folder" : readFile(path) == "10000001\r\n" ? "file before the rename" : "file too late");
            return folder ? std::optional<QString>("disk error") : std::nullopt;
        });
        QCOMPARE(draft.write({{0, 1}}, [](int) {}), std::nullopt);
        QCOMPARE(draft.commit(), std::nullopt);
        QCOMPARE(draft.syncFolder(), std::optional<QString>("disk error"));
        QCOMPARE(synced, QStringList({"file before the rename", "folder"}));
    }

    void schemeLivesWhereTheUserCanWrite()
    {
        const QString program = dir.filePath("program"), user = dir.filePath("user"), shipped = dir.filePath("Data.inf");
        QVERIFY(writeFile(shipped, "11111111\r\n") && QDir().mkpath(program));
        // Nothing beside the program: the user's copy, made from the shipped one once.
        QCOMPARE(pattern::schemeLocation(program, user, shipped), user + "/Data.inf");
        QVERIFY(writeFile(user + "/Data.inf", "10000000\r\n"));
        QCOMPARE(pattern::schemeLocation(program, user, shipped), user + "/Data.inf");
        QCOMPARE(readFile(user + "/Data.inf"), QByteArray("10000000\r\n"));
        // An unpacked install keeps its scheme beside the program.
        QVERIFY(writeFile(program + "/Data.inf", "01000000\r\n"));
        QCOMPARE(pattern::schemeLocation(program, user, shipped), program + "/Data.inf");

        if (!privateMounts)
            QSKIP("needs root to make the program's folder read-only");
        QVERIFY(hostiledisk::mountSmall(program) && writeFile(program + "/Data.inf", "00100000\r\n"));
        QVERIFY(hostiledisk::makeReadOnly(program));
        QDir(user).removeRecursively();
        QCOMPARE(pattern::schemeLocation(program, user, shipped), user + "/Data.inf");
        QCOMPARE(readFile(user + "/Data.inf"), QByteArray("00100000\r\n"));
        hostiledisk::unmount(program);
    }

    void staleDraftsAreRemoved()
    {
        QVERIFY(writeFile(dir.filePath(".Data.inf.AbC123"), "1\r\n"));
        const QDateTime started = QDateTime::currentDateTime().addSecs(1);
        QFile recent(dir.filePath(".Data.inf.XyZ789"));
        QVERIFY(recent.open(QIODevice::WriteOnly) && recent.setFileTime(started.addSecs(5), QFileDevice::FileModificationTime));
        pattern::removeStaleDrafts(dir.filePath("Data.inf"), started);
        QCOMPARE(QDir(dir.path()).entryList({".Data.inf.*"}, QDir::Files | QDir::Hidden), QStringList({".Data.inf.XyZ789"}));
    }
};

QTEST_GUILESS_MAIN(TestSchemeBuilder)
#include "tst_schemebuilder.moc"
