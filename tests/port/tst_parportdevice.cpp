#include "ParportDevice.h"

#include <QTest>

#include <cerrno>
#include <fcntl.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>

namespace {

// Replays the kernel's side of ppdev and logs what the backend asked of it.
class FakeSystemCalls final : public SystemCalls {
public:
    int openResult = 7;
    int exclResult = 0;
    int claimResult = 0;
    int writeResult = 0;
    QStringList log;

    int open(const char *path, int flags) override
    {
        log << QStringLiteral("open %1%2").arg(QString::fromLatin1(path),
                                                (flags & (O_RDWR | O_CLOEXEC)) == (O_RDWR | O_CLOEXEC)
                                                    ? QStringLiteral(" rw,cloexec")
                                                    : QStringLiteral(" ?"));
        return openResult;
    }

    int ioctl(int fd, unsigned long request, void *argument) override
    {
        QString name;
        int result = 0;
        if (request == PPEXCL) {
            name = QStringLiteral("excl");
            result = exclResult;
        } else if (request == PPCLAIM) {
            name = QStringLiteral("claim");
            result = claimResult;
        } else if (request == PPRELEASE) {
            name = QStringLiteral("release");
        } else if (request == PPWDATA) {
            name = QStringLiteral("data %1").arg(*static_cast<unsigned char *>(argument), 8, 2, QLatin1Char('0'));
            result = writeResult;
        } else {
            name = QStringLiteral("unknown");
        }
        log << QStringLiteral("%1 fd%2").arg(name).arg(fd);
        return result;
    }

    int close(int fd) override
    {
        log << QStringLiteral("close fd%1").arg(fd);
        return 0;
    }
};

} // namespace

class TestParportDevice : public QObject {
    Q_OBJECT

private slots:
    void openSetAndRelease()
    {
        FakeSystemCalls calls;
        ParportDevice port("/dev/parport0", calls);
        QCOMPARE(port.SelectPort(), std::int16_t(0));
        port.SelectPort(1);
        QCOMPARE(port.SelectPort(), std::int16_t(1));
        QVERIFY(port.failureReason().empty());
        port.SetLine(0, 1);
        port.SetLine(7, 1);
        port.SetLine(0, 0);
        port.SetLine(8, 1); // not a line: ignored
        port.SelectPort(0);
        QCOMPARE(port.SelectPort(), std::int16_t(0));
        port.SetLine(3, 1); // after release: ignored
        QCOMPARE(calls.log, QStringList({
                                "open /dev/parport0 rw,cloexec",
                                "excl fd7",
                                "claim fd7",
                                "data 00000000 fd7",
                                "data 00000001 fd7",
                                "data 10000001 fd7",
                                "data 10000000 fd7",
                                "release fd7",
                                "close fd7",
                            }));
    }

    void setLineBeforeOpenDoesNothing()
    {
        FakeSystemCalls calls;
        ParportDevice port("/dev/parport0", calls);
        port.SetLine(2, 1);
        QVERIFY(calls.log.isEmpty());
    }

    void failedOpensExplainThemselves_data()
    {
        QTest::addColumn<int>("openResult");
        QTest::addColumn<int>("claimResult");
        QTest::addColumn<QString>("reasonPart");
        QTest::addColumn<QStringList>("expectedLog");
        const QStringList openOnly{"open /dev/parport0 rw,cloexec"};
        const QStringList claimed{"open /dev/parport0 rw,cloexec", "excl fd7", "claim fd7", "close fd7"};
        QTest::newRow("no node") << -ENOENT << 0 << "no parallel port device /dev/parport0" << openOnly;
        QTest::newRow("no permission") << -EACCES << 0 << "lp group" << openOnly;
        QTest::newRow("absent on open") << -ENXIO << 0 << "absent or in use" << openOnly;
        QTest::newRow("busy on claim") << 7 << -ENXIO << "absent or in use" << claimed;
        QTest::newRow("other error") << -EIO << 0 << "Input/output error" << openOnly;
    }

    void failedOpensExplainThemselves()
    {
        QFETCH(int, openResult);
        QFETCH(int, claimResult);
        QFETCH(QString, reasonPart);
        QFETCH(QStringList, expectedLog);
        FakeSystemCalls calls;
        calls.openResult = openResult;
        calls.claimResult = claimResult;
        ParportDevice port("/dev/parport0", calls);
        port.SelectPort(1);
        QCOMPARE(port.SelectPort(), std::int16_t(0));
        const QString reason = QString::fromStdString(port.failureReason());
        QVERIFY2(reason.contains(reasonPart), qPrintable(reason));
        port.SetLine(0, 1);
        QCOMPARE(calls.log, expectedLog);
    }

    void writeFailureClosesThePortOnce()
    {
        FakeSystemCalls calls;
        ParportDevice port("/dev/parport0", calls);
        port.SelectPort(1);
        calls.writeResult = -ENODEV;
        calls.log.clear();
        port.SetLine(1, 1);
        QCOMPARE(port.SelectPort(), std::int16_t(0));
        QVERIFY(!port.failureReason().empty());
        port.SetLine(2, 1);
        QCOMPARE(calls.log, QStringList({"data 00000010 fd7", "release fd7", "close fd7"}));
    }

    void destructorReleasesAnOpenPort()
    {
        FakeSystemCalls calls;
        {
            ParportDevice port("/dev/parport0", calls);
            port.SelectPort(1);
        }
        QCOMPARE(calls.log.mid(calls.log.size() - 2), QStringList({"release fd7", "close fd7"}));
    }
};

QTEST_GUILESS_MAIN(TestParportDevice)
#include "tst_parportdevice.moc"
