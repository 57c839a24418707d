#include "HostileDisk.h"
#include "SchemeDraft.h"
#include "SchemeLocation.h"
#include "TestFiles.h"

#include <QTest>

namespace {
bool privateMounts = false;
}

class TestScheme : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QList<int> progress; // what the last build reported, effect by effect

    QString path() const { return dir.filePath("Data.inf"); }

    std::optional<QString> build(const QString &target, const std::vector<scheme::EffectChoice> &chosen)
    {
        scheme::SchemeDraft draft(target);
        progress.clear();
        if (auto failure = draft.write(chosen, {}, [this](int written) { progress << written; }))
            return failure;
        return draft.commit();
    }

    // Where the scheme is found, with the user's first copy made.
    static QString locate(const QString &program, const QString &user, const QString &shipped)
    {
        const scheme::SchemePlace place = scheme::schemePlace(program, user, shipped);
        if (auto failure = scheme::makeFirstCopy(place))
            qWarning() << *failure;
        return place.path;
    }

public:
    static void initMain() { privateMounts = hostiledisk::usePrivateMounts(); }

private slots:
    void init()
    {
        QFile::remove(path());
        QDir(path()).removeRecursively();
    }

    // A rebuild keeps none of the old rows; the shipped file is what the
    // first-run selection builds: all twelve effects once.
    void effectsFollowEachOtherInTheGivenOrder()
    {
        QCOMPARE(build(path(), {{7, 3}}), std::nullopt);
        QCOMPARE(build(path(), {{0, 2}, {4, 1}}), std::nullopt);
        QCOMPARE(progress, QList<int>({1, 2}));
        QCOMPARE(readFile(path()), readFile(LAMPOTRON_DATA_DIR "/Data.inf").left(80).repeated(2)
                                       + QByteArray("10000001\r\n01000010\r\n00100100\r\n00011000\r\n"));
        std::vector<scheme::EffectChoice> everyEffect;
        for (int i = 0; i < 12; ++i)
            everyEffect.push_back({i, 1});
        QCOMPARE(build(path(), everyEffect), std::nullopt);
        QCOMPARE(readFile(path()), readFile(LAMPOTRON_DATA_DIR "/Data.inf"));
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
        const QString target = dir.filePath(where + "Data.inf");
        if (where == "small/") {
            if (!privateMounts)
                QSKIP("needs root to mount a small file system");
            QVERIFY(QDir().mkpath(dir.filePath(where)) && hostiledisk::mountSmall(dir.filePath(where), "size=8k"));
        }
        if (where != "gone/")
            QVERIFY(writeFile(target, "10000001\r\n"));
        if (where == "small/")
            hostiledisk::fill(dir.filePath(where));
        const QByteArray before = readFile(target);
        const auto failure = build(target, {{0, 1}, effect < 0 ? scheme::EffectChoice{0, 0} : scheme::EffectChoice{effect, 10}});
        QVERIFY2(failure && failure->contains(reason), qPrintable(failure.value_or("built")));
        QCOMPARE(readFile(target), before);
        QCOMPARE(QDir(QFileInfo(target).path()).entryList({".Data.inf*"}, QDir::Files | QDir::Hidden), QStringList());
        hostiledisk::unmount(dir.filePath(where));
    }

    void schemeLivesWhereTheUserCanWrite()
    {
        const QString program = dir.filePath("program"), user = dir.filePath("user"), shipped = dir.filePath("shipped.inf");
        QVERIFY(writeFile(shipped, "11111111\r\n") && QDir().mkpath(program));
        // Nothing beside the program: the user's copy, made from the shipped one once.
        QCOMPARE(locate(program, user, shipped), user + "/Data.inf");
        QVERIFY(writeFile(user + "/Data.inf", "10000000\r\n"));
        QCOMPARE(locate(program, user, shipped), user + "/Data.inf");
        QCOMPARE(readFile(user + "/Data.inf"), QByteArray("10000000\r\n"));
        // An unpacked install keeps its scheme beside the program.
        QVERIFY(writeFile(program + "/Data.inf", "01000000\r\n"));
        QCOMPARE(locate(program, user, shipped), program + "/Data.inf");

        if (!privateMounts)
            QSKIP("needs root to make the program's folder read-only");
        QVERIFY(hostiledisk::mountSmall(program) && writeFile(program + "/Data.inf", "00100000\r\n"));
        QVERIFY(hostiledisk::makeReadOnly(program));
        QDir(user).removeRecursively();
        QCOMPARE(locate(program, user, shipped), user + "/Data.inf");
        QCOMPARE(readFile(user + "/Data.inf"), QByteArray("00100000\r\n"));
        hostiledisk::unmount(program);
    }
};

QTEST_GUILESS_MAIN(TestScheme)
#include "tst_scheme.moc"
