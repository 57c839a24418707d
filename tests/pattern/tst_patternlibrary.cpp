#include "EffectLimits.h"
#include "PatternLibrary.h"
#include "PatternText.h"
#include "TestFiles.h"

#include <QDirIterator>
#include <QTest>

using pattern::Refusal;
using pattern::Step;

namespace {

// What reaches the disk is not the question here; syncing would only slow the test.
const DiskSync noSync = [](int, const QString &) { return std::optional<QString>(); };

const std::vector<Step> Blink{{0x81, 250}, {0x00, 250}, {0xff, 0}};

// A script of library calls, one per line: "save NAME VERSION", "rename FROM
// TO VERSION", "copy FROM TO", "remove NAME VERSION"; each line's outcome is
// "ok" (with the new version after a save: "ok 2") or the refusal's kind.
QString run(pattern::PatternLibrary &library, const QString &script)
{
    static const QStringList kinds{"bad", "missing", "stale", "taken", "builtin", "disk"};
    QStringList outcomes;
    for (const QString &line : script.split(';')) {
        const QStringList words = line.split('|');
        pattern::Outcome outcome;
        int version = words.value(2).toInt();
        if (words[0] == "save")
            outcome = library.save(words[1], Blink, version);
        else if (words[0] == "rename")
            outcome = library.rename(words[1], words[2], words[3].toInt());
        else if (words[0] == "copy")
            outcome = library.copy(words[1], words[2]);
        else
            outcome = library.remove(words[1], version);
        outcomes << (outcome ? kinds[static_cast<int>(outcome->kind)]
                             : words[0] == "save" ? QStringLiteral("ok %1").arg(version) : QStringLiteral("ok"));
    }
    return outcomes.join(';');
}

} // namespace

class TestPatternLibrary : public QObject {
    Q_OBJECT

private slots:
    void changes_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("outcomes");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("new, then saved from its version") << "save|A|0;save|A|1" << "ok 1;ok 2" << QStringList{"A"};
        QTest::newRow("a save from an older version is refused")
            << "save|A|0;save|A|1;save|A|1" << "ok 1;ok 2;stale" << QStringList{"A"};
        QTest::newRow("a new one may not take a name") << "save|A|0;save|A|0" << "ok 1;taken" << QStringList{"A"};
        QTest::newRow("a saved one that went meanwhile") << "save|A|3" << "stale" << QStringList{};
        QTest::newRow("built-ins cannot be changed or deleted")
            << "save|бегущий вправо|1;remove|бегущий вправо|0" << "builtin;builtin" << QStringList{};
        QTest::newRow("a built-in's name is taken") << "save|бегущий вправо|0" << "taken" << QStringList{};
        QTest::newRow("copy of a built-in, then edited")
            << "copy|бегущий вправо|Run;save|Run|1" << "ok;ok 2" << QStringList{"Run"};
        QTest::newRow("rename keeps one file") << "save|A|0;rename|A|B|1;save|B|2" << "ok 1;ok;ok 3" << QStringList{"B"};
        QTest::newRow("rename from an older version") << "save|A|0;save|A|1;rename|A|B|1" << "ok 1;ok 2;stale" << QStringList{"A"};
        QTest::newRow("delete needs the current version")
            << "save|A|0;remove|A|0;remove|A|1;remove|A|1" << "ok 1;stale;ok;stale" << QStringList{};
        QTest::newRow("names no file system likes, kept apart")
            << "save|../x|0;save|a/b|0;save|.|0;save|Ёлка 🎄|0;save|🎄🎄🎄🎄🎄🎄🎄🎄🎄🎄🎄🎄🎄🎄🎄🎄🎄🎄🎄🎄🎄🎄🎄🎄🎄🎄🎄🎄🎄🎄🎄🎄🎄🎄🎄🎄🎄🎄🎄🎄|0"
            << "ok 1;ok 1;ok 1;ok 1;ok 1"
            << QStringList{".", "../x", "a/b", "Ёлка 🎄", QString("🎄").repeated(40)};
        QTest::newRow("names refused") << "save| A|0;save||0;save|a\nb|0;save|" + QString(41, 'x') + "|0"
                                       << "bad;bad;bad;bad" << QStringList{};
    }

    void changes()
    {
        QFETCH(QString, script);
        QFETCH(QString, outcomes);
        QFETCH(QStringList, names);
        QTemporaryDir home;
        pattern::PatternLibrary library(home.filePath("patterns"), noSync);
        QCOMPARE(run(library, script), outcomes);
        QStringList own;
        for (const pattern::Pattern &found : library.list())
            if (!found.builtIn())
                own << found.name;
        own.sort();
        names.sort();
        QCOMPARE(own, names);
        // One file per pattern, every one inside the folder.
        QStringList files;
        for (QDirIterator it(home.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            files << QFileInfo(it.next()).path();
        QCOMPARE(files, QStringList(names.size(), home.filePath("patterns")));
        for (const QString &name : names)
            QCOMPARE(library.find(name)->steps, Blink);
    }

    void builtInsComeFirst()
    {
        QTemporaryDir home;
        pattern::PatternLibrary library(home.path());
        const auto listed = library.list();
        QCOMPARE(listed.size(), std::size_t(effects::Count));
        for (int i = 0; i < effects::Count; ++i)
            QCOMPARE(listed[static_cast<std::size_t>(i)].effect, i);
    }

    // A disk that fails while saving leaves the saved version as it was.
    void aFailedSaveKeepsTheOldFile()
    {
        QTemporaryDir home;
        pattern::PatternLibrary good(home.path(), noSync);
        int version = 0;
        QVERIFY(!good.save("A", Blink, version));
        pattern::PatternLibrary failing(home.path(), [](int, const QString &) { return std::optional<QString>("disk full"); });
        const std::vector<Step> other{{0x01, 0}};
        const auto outcome = failing.save("A", other, version);
        QVERIFY(outcome && outcome->kind == Refusal::Kind::Disk);
        QCOMPARE(good.find("A")->steps, Blink);
        QCOMPARE(good.find("A")->version, 1);
    }

    void textRefusals_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("problem");
        QTest::newRow("fine") << QByteArray("name: A\nversion: 2\n10000001 250\n00000000\n") << "";
        QTest::newRow("no name") << QByteArray("10000001\n") << "no \"name:\" line";
        QTest::newRow("no steps") << QByteArray("name: A\n") << "at least one step";
        QTest::newRow("a step too short") << QByteArray("name: A\n10000001 9\n") << "Step 1 lasts 9 ms";
        QTest::newRow("not a step") << QByteArray("name: A\n1000000x\n") << "Line 2 is not a step";
        QTest::newRow("glued time") << QByteArray("name: A\n10000001250\n") << "Line 2 is not a step";
        QTest::newRow("bad version") << QByteArray("name: A\nversion: two\n10000001\n") << "version";
    }

    void textRefusals()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, problem);
        const pattern::ParsedPattern parsed = pattern::readPatternText(text);
        if (problem.isEmpty()) {
            QCOMPARE(parsed.problem, QString());
            QCOMPARE(pattern::writePatternText(parsed.pattern), "# Lampotron pattern\n" + text);
        } else {
            QVERIFY2(parsed.problem.contains(problem), qPrintable(parsed.problem));
        }
    }
};

QTEST_GUILESS_MAIN(TestPatternLibrary)
#include "tst_patternlibrary.moc"
