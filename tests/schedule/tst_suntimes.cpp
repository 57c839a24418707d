#include "SolarReference.h"
#include "SunCalendar.h"

#include <QTest>
#include <QTimeZone>

using namespace schedule;

// Sun times against an independent computation, the NOAA solar calculator's
// algorithm in SolarReference.h, across latitudes up to 65° and the seasons.
class TestSunTimes : public QObject {
    Q_OBJECT

private slots:
    void matchesTheReference_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<int>("event");
        const auto add = [](const char *name, double latitude, double longitude, QDate day, SunEvent event) {
            QTest::newRow(name) << latitude << longitude << day << static_cast<int>(event);
        };
        add("Berlin, sunset before Christmas", 52.52, 13.40, QDate(2026, 12, 18), SunEvent::Sunset);
        add("52.5° N, sunset at the solstice", 52.5, 13.40, QDate(2026, 12, 20), SunEvent::Sunset);
        add("Berlin, sunrise in winter", 52.52, 13.40, QDate(2026, 12, 20), SunEvent::Sunrise);
        add("Berlin, dusk at midsummer", 52.52, 13.40, QDate(2026, 6, 21), SunEvent::Dusk);
        add("Berlin, dawn at midsummer", 52.52, 13.40, QDate(2026, 6, 21), SunEvent::Dawn);
        add("New York, sunrise at the equinox", 40.71, -74.01, QDate(2026, 3, 20), SunEvent::Sunrise);
        add("New York, dusk in autumn", 40.71, -74.01, QDate(2026, 9, 23), SunEvent::Dusk);
        add("Sydney, sunrise in winter", -33.87, 151.21, QDate(2026, 6, 21), SunEvent::Sunrise);
        add("Sydney, dusk at New Year", -33.87, 151.21, QDate(2027, 1, 1), SunEvent::Dusk);
        add("Quito, sunset", -0.18, -78.47, QDate(2026, 2, 10), SunEvent::Sunset);
        add("Helsinki, sunset at the solstice", 60.17, 24.94, QDate(2026, 12, 21), SunEvent::Sunset);
        add("Reykjavik, sunrise in December", 64.15, -21.94, QDate(2026, 12, 10), SunEvent::Sunrise);
        add("65° N, sunset in March", 65.0, -147.72, QDate(2026, 3, 1), SunEvent::Sunset);
        add("65° N, dawn in October", 65.0, -147.72, QDate(2026, 10, 15), SunEvent::Dawn);
        add("65° S, dusk in November", -65.0, -64.0, QDate(2026, 11, 1), SunEvent::Dusk);
        add("Tromsø, no sunset in polar night", 69.6, 18.96, QDate(2026, 12, 21), SunEvent::Sunset);
        add("Tromsø, no sunset under the midnight sun", 69.6, 18.96, QDate(2026, 6, 21), SunEvent::Sunset);
        add("Tromsø, no dusk in the white nights", 69.6, 18.96, QDate(2026, 5, 10), SunEvent::Dusk);
    }

    void matchesTheReference()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(QDate, day);
        QFETCH(int, event);
        const auto sunEvent = static_cast<SunEvent>(event);
        const bool twilight = sunEvent == SunEvent::Dawn || sunEvent == SunEvent::Dusk;
        const bool rising = sunEvent == SunEvent::Sunrise || sunEvent == SunEvent::Dawn;
        const std::optional<double> minutes = solar_reference::eventMinutes(day, latitude, longitude, twilight ? -6 : -0.8333, rising);
        const std::optional<qint64> found = SunCalendar(Place{latitude, longitude}).find(sunEvent, day, 0);
        QCOMPARE(found.has_value(), minutes.has_value());
        if (!minutes)
            return;
        const QDateTime foundTime = QDateTime::fromSecsSinceEpoch(*found, QTimeZone::utc());
        const QDateTime expected = QDateTime(day, QTime(0, 0), QTimeZone::utc()).addMSecs(std::llround(*minutes * 60000));
        QVERIFY2(std::abs(foundTime.secsTo(expected)) <= 30,
                 qPrintable(QStringLiteral("%1, expected %2").arg(foundTime.toString(Qt::ISODate), expected.toString(Qt::ISODateWithMs))));
    }
};

QTEST_GUILESS_MAIN(TestSunTimes)
#include "tst_suntimes.moc"
