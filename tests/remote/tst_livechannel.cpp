#include "HttpServer.h"
#include "LiveChannel.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QTimer>
#include <QWebSocket>

#include <memory>

namespace {

using namespace std::chrono_literals;
const QByteArray Key = "0123456789abcdef0123456789abcdef";

// The channel behind the remote's HTTP server on loopback, on a clock that
// moves when the test says.
struct Channel {
    explicit Channel(int clients)
        : channel(Key, limiter, PlayerState{}, 0, nullptr, {clients, 4, 1s}, [this] { return now; })
    {
        if (const auto problem = server.listen(QHostAddress::LocalHost, 0, std::nullopt))
            qFatal("cannot listen: %s", qPrintable(*problem));
    }

    // A page that opens the channel and, by `how`, gives the key ('k'), a
    // wrong one ('w') or none ('-').
    struct Page {
        QWebSocket socket;
        QStringList received;
        bool opened = false;
        int closeCode = 0; // 0 while open
    };
    // Waits on the event loop itself, not in steps of QTest's polling, as
    // every handshake takes several turns of it.
    template <typename Done>
    static bool waitFor(Done done)
    {
        QTimer limit;
        limit.start(2000);
        while (!done() && limit.isActive())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        return done();
    }

    Page &open(char how)
    {
        auto &page = *pages.emplace_back(std::make_unique<Page>());
        QObject::connect(&page.socket, &QWebSocket::textMessageReceived, [&page](const QString &text) { page.received << text; });
        QObject::connect(&page.socket, &QWebSocket::connected, [&page] { page.opened = true; });
        QObject::connect(&page.socket, &QWebSocket::disconnected, [&page] { page.closeCode = page.socket.closeCode(); });
        page.socket.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/live").arg(server.port())));
        if (!waitFor([&page] { return page.opened; }))
            qFatal("a page could not open the channel");
        if (how != '-')
            page.socket.sendTextMessage(QStringLiteral("{\"key\":\"%1\"}").arg(how == 'k' ? Key : QByteArray(32, '0')));
        if (how == 'k' && !waitFor([&page] { return !page.received.isEmpty(); }))
            qFatal("a page with the key heard nothing");
        return page;
    }

    QList<int> closeCodes() const
    {
        QList<int> codes;
        for (const auto &page : pages)
            codes << page->closeCode;
        return codes;
    }

    QString lastOfType(const Page &page, const QString &type) const
    {
        for (auto text = page.received.crbegin(); text != page.received.crend(); ++text)
            if (QJsonDocument::fromJson(text->toUtf8())["type"].toString() == type)
                return *text;
        return {};
    }

    FailureLimiter::Clock::time_point now{};
    FailureLimiter limiter{[this] { return now; }};
    LiveChannel channel;
    HttpServer server{{[](const HttpRequest &) { return QtFuture::makeReadyFuture(HttpResponse{404, {}, {}, {}}); },
                       QStringLiteral("/live"), [](const HttpRequest &) { return true; },
                       [this](std::unique_ptr<QWebSocket> socket) { channel.admit(std::move(socket)); }}};
    std::vector<std::unique_ptr<Page>> pages;
};

} // namespace

class TestLiveChannel : public QObject {
    Q_OBJECT

private slots:
    void pageWithKeyHearsStateAndRows()
    {
        Channel live(4);
        Channel::Page &page = live.open('k');
        QTRY_VERIFY(!live.lastOfType(page, "state").isEmpty() && !live.lastOfType(page, "lamps").isEmpty());
        live.channel.showLamps(0b0000'0101);
        QTRY_COMPARE(live.lastOfType(page, "lamps"), R"({"type":"lamps","lamps":"10100000"})");
        PlayerState state;
        state.speedMs = 250;
        live.channel.showState(state);
        QTRY_VERIFY(live.lastOfType(page, "state").contains(R"("speed":250)"));
        // Every five seconds, the state again, however quiet the player.
        const auto heard = page.received.size();
        live.now += 5s;
        live.channel.tick();
        QTRY_COMPARE(page.received.size(), heard + 1);
        QCOMPARE(page.closeCode, 0);
    }

    // Each character opens a page in turn: 'k' with the key, 'w' with a
    // wrong one, '-' with none; then the clock moves on. Each page ends
    // open (0) or closed with the code given.
    void admission_data()
    {
        QTest::addColumn<QByteArray>("pages");
        QTest::addColumn<int>("clients");
        QTest::addColumn<int>("laterMs");
        QTest::addColumn<QList<int>>("codes");
        QTest::newRow("right key") << QByteArray("k") << 4 << 5000 << QList<int>{0};
        QTest::newRow("wrong key") << QByteArray("w") << 4 << 0 << QList<int>{4401};
        QTest::newRow("no key within a second") << QByteArray("-") << 4 << 1000 << QList<int>{4401};
        QTest::newRow("no key yet") << QByteArray("-") << 4 << 999 << QList<int>{0};
        QTest::newRow("fifth keyless page from one address") << QByteArray("-----") << 8 << 0 << QList<int>{0, 0, 0, 0, 4503};
        QTest::newRow("keyed pages do not count as keyless") << QByteArray("kkkkk-") << 8 << 0 << QList<int>{0, 0, 0, 0, 0, 0};
        QTest::newRow("full: the oldest keyless place is taken") << QByteArray("--k") << 2 << 0 << QList<int>{4503, 0, 0};
        QTest::newRow("full: a keyed page takes a keyless place") << QByteArray("k-k") << 2 << 0 << QList<int>{0, 4503, 0};
        QTest::newRow("full of keyed pages") << QByteArray("kk-") << 2 << 0 << QList<int>{0, 0, 4503};
    }

    void admission()
    {
        QFETCH(QByteArray, pages);
        QFETCH(int, clients);
        QFETCH(int, laterMs);
        QFETCH(QList<int>, codes);
        Channel live(clients);
        for (const char how : pages)
            live.open(how);
        live.now += std::chrono::milliseconds(laterMs);
        live.channel.tick();
        QTRY_COMPARE(live.closeCodes(), codes);
        QTest::qWait(50);
        QCOMPARE(live.closeCodes(), codes);
    }

    // A flood of refused pages costs one line a minute, not one each.
    void refusalsAreReportedOnceAMinute()
    {
        Channel live(2);
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        for (const char how : QByteArray("kk---"))
            live.open(how);
        QTRY_COMPARE(live.closeCodes(), (QList<int>{0, 0, 4503, 4503, 4503}));
        live.now += 59s;
        live.channel.tick();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("turned away 3 connections in the last minute")));
        live.now += 1s;
        live.channel.tick();
        live.open('-');
        live.now += 59s;
        live.channel.tick();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("turned away 1 connections")));
        live.now += 1s;
        live.channel.tick();
    }
};

QTEST_GUILESS_MAIN(TestLiveChannel)
#include "tst_livechannel.moc"
