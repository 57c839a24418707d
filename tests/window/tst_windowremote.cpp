#include "WindowTest.h"

#include <QContextMenuEvent>

namespace {

const QString Url = QStringLiteral("http://box.local:8080/#key=00112233445566778899aabbccddeeff");

QAction *action(QMenu *menu, const QString &text)
{
    const auto actions = menu->actions();
    const auto found = std::find_if(actions.begin(), actions.end(), [&text](QAction *a) { return a->text() == text; });
    return found == actions.end() ? nullptr : *found;
}

} // namespace

// "Remote: on/off" in the menu that the tray and the window share.
class TestWindowRemote : public WindowTest {
    Q_OBJECT

    QMenu *menu() const { return form->findChild<QMenu *>(QString(), Qt::FindDirectChildrenOnly); }

private slots:
    void remoteIsSwitchedFromTheMenu_data()
    {
        QTest::addColumn<bool>("onBefore");
        QTest::addColumn<QString>("url"); // what the switch answers
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("after"); // the entry's text once switched
        QTest::addColumn<QString>("dialog"); // what it shows; empty: none
        QTest::newRow("on: the address at once") << false << Url << "" << "Remote: on" << Url;
        QTest::newRow("on, refused: why") << false << "" << "port 8080 is taken" << "Remote: off"
                                          << "port 8080 is taken";
        QTest::newRow("off: nothing to show") << true << "" << "" << "Remote: off" << "";
    }

    void remoteIsSwitchedFromTheMenu()
    {
        QFETCH(bool, onBefore);
        QFETCH(QString, url);
        QFETCH(QString, problem);
        QFETCH(QString, after);
        QFETCH(QString, dialog);
        remoteOn = onBefore;
        open();
        remote = {url, problem, {"http://192.0.2.7:8080/#key=00112233445566778899aabbccddeeff"}};
        emit menu()->aboutToShow();
        QAction *remoteSwitch = action(menu(), onBefore ? "Remote: on" : "Remote: off");
        QVERIFY2(remoteSwitch && remoteSwitch->isChecked() == onBefore, "the menu shows the remote's state");
        remoteSwitch->trigger();
        QCOMPARE(remoteSwitches, QList<bool>{!onBefore});
        QCOMPARE(remoteSwitch->text() + (remoteSwitch->isChecked() ? " ticked" : ""),
                 after + (after.endsWith("on") ? " ticked" : ""));
        auto *shown = form->findChild<RemoteDialog *>();
        QCOMPARE(shown != nullptr, !dialog.isEmpty());
        if (!shown)
            return;
        const auto labels = shown->findChildren<QLabel *>();
        QVERIFY(std::any_of(labels.begin(), labels.end(), [&dialog](QLabel *l) { return l->text() == dialog; }));
        if (!url.isEmpty())
            QVERIFY(shown->findChild<QLabel *>("otherUrls")->text().endsWith(remote.otherUrls.front()));
    }

    // Desktops without a tray reach Output and Remote by a right click in the window.
    void windowContextMenuHoldsOutputAndRemote()
    {
        open();
        QWidget *status = w("lblStatusLabel");
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(2, 2), status->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(status, &click);
        QTRY_VERIFY(menu()->isVisible());
        QVERIFY(action(menu(), "Output") && action(menu(), "Remote: off") && action(menu(), "Remote\u2026"));
        menu()->hide();
    }
};

QTEST_MAIN(TestWindowRemote)
#include "tst_windowremote.moc"
