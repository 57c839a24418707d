#include "Layout.h"

#include <QSet>
#include <QTest>

using namespace layout;

class TestLayout : public QObject {
    Q_OBJECT

    static bool inLowerBand(const Control &control)
    {
        static const QSet<QString> lower{"Command7", "Frame1", "picEffect", "chkEffect", "Label1",
                                         "scrCycle", "Frame3", "Image1",    "Command9",  "Command8"};
        return lower.contains(control.name);
    }

private slots:
    void collapsingHidesExactlyTheLowerBand()
    {
        for (const Control &control : controls()) {
            const QRect rect = clientRect(control);
            if (inLowerBand(control))
                QVERIFY2(rect.top() >= CollapsedClientHeight, qPrintable(displayName(control)));
            else
                QVERIFY2(rect.top() >= 0 && rect.top() + rect.height() <= CollapsedClientHeight,
                         qPrintable(displayName(control)));
        }
    }

    void everythingFitsTheExpandedWindow()
    {
        const QRect client(0, 0, ClientWidth, ExpandedClientHeight);
        for (const Control &control : controls()) {
            const QRect rect = clientRect(control);
            QVERIFY2(rect.left() >= 0 && rect.top() >= 0 && rect.left() + rect.width() <= ClientWidth
                         && rect.top() + rect.height() <= ExpandedClientHeight,
                     qPrintable(displayName(control)));
        }
        QCOMPARE(controls().size(), std::size_t(24 + LampCount + 4 * EffectRows));
    }

    void lampsRunLeftToRight()
    {
        for (int k = 1; k < LampCount; ++k)
            QCOMPARE(clientRect(*find("lamp", k)).left() - clientRect(*find("lamp", k - 1)).left(), 360);
        QCOMPARE(clientRect(*find("lamp", 0)).top(), clientRect(*find("lamp", 7)).top());
    }

    void effectRowsSitInTheirSlots()
    {
        const auto rowTop = [](int effect) { return clientRect(*find("picEffect", effect)).top(); };
        const auto rowLeft = [](int effect) { return clientRect(*find("picEffect", effect)).left(); };
        const int top = clientRect(*find("Frame1", 0)).top() + 225;
        QCOMPARE(rowTop(0), top);
        QCOMPARE(rowTop(5), top + 5 * 360);
        QCOMPARE(rowTop(11), top);
        QCOMPARE(rowTop(6), top + 5 * 360);
        QVERIFY(rowLeft(0) < rowLeft(11));
        for (int i = 0; i < EffectRows; ++i) {
            const Control *box = find("chkEffect", i);
            QCOMPARE(box->container, QStringLiteral("picEffect"));
            QCOMPARE(box->containerIndex, i);
        }
        QCOMPARE(find("chkEffect", 9)->caption, QStringLiteral("перебор схожд."));
    }
};

QTEST_GUILESS_MAIN(TestLayout)
#include "tst_layout.moc"
