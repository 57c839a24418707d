#include "HostileDisk.h"
#include "PatternLoader.h"
#include "SchemeBuilder.h"
#include "SchemeLocation.h"
#include "TestFiles.h"

#include <QTest>

#include <sys/stat.h>

using pattern::LoadFailure;
using pattern::PatternTable;

namespace {
bool privateMounts = false;
}

class TestPattern : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QList<int> progress; // what the last build reported, effect by effect

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

    std::optional<QString> build(const QString &target, const std::vector<pattern::EffectChoice> &chosen)
    {
        pattern::SchemeDraft draft(target);
        progress.clear();
        if (auto failure = draft.write(chosen, [this](int written) { progress << written; }))
            return failure;
        return draft.commit();
    }

public:
    static void initMain() { privateMounts = hostiledisk::usePrivateMounts(); }

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

    // A rebuild keeps none of the old rows; the shipped file is what the
    // first-run selection builds: all twelve effects once.
    void effectsFollowEachOtherInTheGivenOrder()
    {
        QCOMPARE(build(path(), {{7, 3}}), std::nullopt);
        QCOMPARE(build(path(), {{0, 2}, {4, 1}}), std::nullopt);
        QCOMPARE(progress, QList<int>({1, 2}));
        QCOMPARE(readFile(path()), readFile(LAMPOTRON_DATA_DIR "/Data.inf").left(80).repeated(2)
                                       + QByteArray("10000001\r\n01000010\r\n00100100\r\n00011000\r\n"));
        std::vector<pattern::EffectChoice> everyEffect;
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
        const auto failure = build(target, {{0, 1}, effect < 0 ? pattern::EffectChoice{0, 0} : pattern::EffectChoice{effect, 10}});
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
};

QTEST_GUILESS_MAIN(TestPattern)
#include "tst_pattern.moc"
