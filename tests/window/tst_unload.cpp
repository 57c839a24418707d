#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestUnload : public QObject {
    Q_OBJECT

    QTemporaryDir home;

    struct Run {
        int exitCode;
        QStringList lines;
    };

    Run runChild(const QString &mode, const QString &dataPath)
    {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", home.path());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        child.setProcessEnvironment(environment);
        child.start(QStringLiteral(FORM_CHILD), {mode, dataPath});
        if (!child.waitForFinished(20000)) {
            child.kill();
            child.waitForFinished();
            return {-1, {}};
        }
        const QString out = QString::fromUtf8(child.readAllStandardOutput());
        return {child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -2,
                out.split('\n', Qt::SkipEmptyParts)};
    }

    QString writeData()
    {
        const QString path = home.filePath("Data.inf");
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write("11110000\r\n00001111\r\n");
        return path;
    }

    static const QStringList &allOffAndRelease()
    {
        static const QStringList lines{"write 00000000", "close", "event loop ended"};
        return lines;
    }

private slots:
    void leavingDuringPlayback_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("exit button") << "exit-while-playing";
        QTest::newRow("close box") << "close-while-playing";
    }

    void leavingDuringPlayback()
    {
        QFETCH(QString, mode);
        const Run run = runChild(mode, writeData());
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.lines.contains("write 11110000"));
        const qsizetype closing = run.lines.indexOf("closing");
        QVERIFY(closing > 0);
        // The all-off and release come right after the exit, and nothing follows.
        QCOMPARE(run.lines.mid(closing + 1), allOffAndRelease());
    }

    void trayCloseWhileIdle()
    {
        const Run run = runChild("tray-close-idle", writeData());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.lines, QStringList({"shown", "event loop ended"}));
    }

    void damagedSchemeEndsStartUp_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("exists");
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("empty") << QByteArray() << true;
    }

    void damagedSchemeEndsStartUp()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, exists);
        const QString path = home.filePath("broken.inf");
        QFile::remove(path);
        if (exists) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        const Run run = runChild("load-only", path);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.lines, QStringList({"message: The program is damaged, please reinstall."}));
    }
};

QTEST_GUILESS_MAIN(TestUnload)
#include "tst_unload.moc"
