#include "Form1.h"
#include "Layout.h"
#include "RecordingBackend.h"
#include "TemporaryConfigHome.h"
#include "Twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

const QByteArray ThreeRows = "10000000\r\n01000000\r\n00100000\r\n";

// Answers every message box that opens while `action` runs, and gives back
// what they said.
QString answerMessageBoxes(const std::function<void()> &action)
{
    QString said;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            said += box->windowTitle() + "|" + box->text() + "|" + box->informativeText() + "\n";
            box->accept();
        }
    });
    poll.start();
    action();
    return said;
}

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<RecordedPort> port;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<Form1> form;

    QString dataPath() const { return folder->filePath("Data.inf"); }

    static QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    static QString stored(const QString &key)
    {
        QSettings direct(QStringLiteral("Lampotron"), QStringLiteral("Lampotron"));
        return direct.value(key, QStringLiteral("<absent>")).toString();
    }

    static void store(const QString &key, const QString &value)
    {
        QSettings direct(QStringLiteral("Lampotron"), QStringLiteral("Lampotron"));
        direct.setValue(key, value);
    }

    void createForm(const QByteArray &data = ThreeRows)
    {
        QFile file(dataPath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(data);
        file.close();
        port = std::make_unique<RecordedPort>();
        settings = std::make_unique<SettingsStore>();
        form = std::make_unique<Form1>(port->device, "/dev/parport0", *settings, dataPath(), [] {
            return std::vector<FoundPort>{{"ola:1", "DMX universe 1", ""}, {"/dev/parport0", "parallel port", ""}};
        });
    }

    void loadForm(const QByteArray &data = ThreeRows)
    {
        createForm(data);
        QVERIFY(form->Form_Load());
        form->show();
    }

    template <typename Widget = QWidget>
    Widget *w(const QString &name, int index = -1) const
    {
        auto *widget = form->findChild<Widget *>(index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index));
        if (!widget)
            qFatal("no control %s(%d)", qPrintable(name), index);
        return widget;
    }
    QPushButton *button(const char *name) const { return w<QPushButton>(name); }
    QCheckBox *box(int i) const { return w<QCheckBox>("chkEffect", i); }
    QScrollBar *bar(int i) const { return w<QScrollBar>("scrCycle", i); }
    QString text(const char *label) const { return w<QLabel>(label)->text(); }

    void tickOnly(std::initializer_list<int> effects)
    {
        for (int i = 0; i < 12; ++i)
            box(i)->setChecked(false);
        for (int i : effects)
            box(i)->setChecked(true);
    }

    QString lamps() const
    {
        QString text;
        for (int k = 0; k < 8; ++k) {
            const QColor colour = w("lamp", k)->palette().color(QPalette::Window);
            text += colour == QColor(0, 255, 0) ? '1' : colour == Qt::black ? '0' : '?';
        }
        return text;
    }

public:
    static void initMain() { useTemporaryConfigHome(); }

private slots:
    void init()
    {
        QSettings direct(QStringLiteral("Lampotron"), QStringLiteral("Lampotron"));
        direct.clear();
        direct.sync();
        folder = std::make_unique<QTemporaryDir>();
    }

    void cleanup()
    {
        form.reset();
    }

    void newWindowBeforeStartUp()
    {
        createForm();
        for (int i = 0; i < 12; ++i)
            QVERIFY(!box(i)->isChecked());
        QVERIFY(!w<QCheckBox>("chkPause")->isChecked());
        for (const char *off : {"Command5", "Command6", "Command9", "Command1", "Command7"})
            QVERIFY2(!button(off)->isEnabled(), off);
        for (const char *on : {"Command2", "Command3", "Command4", "Command8"})
            QVERIFY2(button(on)->isEnabled(), on);
        QCOMPARE(lamps(), QStringLiteral("11111111"));
        QCOMPARE(text("lblStatusLabel"), QStringLiteral("stopped"));
        QCOMPARE(text("lblNumEffects"), QStringLiteral("0"));
        QCOMPARE(form->windowTitle(), QStringLiteral(" Flickwerk"));
    }

    void startUpWithAnEmptyStore()
    {
        loadForm();
        QCOMPARE(w<QScrollBar>("VScroll1")->value(), 100);
        QCOMPARE(text("lblSpeed"), QStringLiteral("100"));
        for (int i = 0; i < 12; ++i) {
            QVERIFY(box(i)->isChecked());
            QCOMPARE(bar(i)->value(), 1);
        }
        QCOMPARE(text("lblNumEffects"), QStringLiteral("12"));
        QVERIFY(button("Command9")->isEnabled());
        QCOMPARE(form->LastRow(), qint16(2));
        QCOMPARE(lamps(), QStringLiteral("00000000"));
        QVERIFY(port->backend->calls.empty());
    }

    void startUpRestoresTheStoredSelection()
    {
        store("Setting/Speed", "250");
        store("Sheme/Effect3", "0");
        store("Sheme/NumRetry3", "5");
        store("Sheme/Effect4", "1");
        store("Sheme/NumRetry4", "5");
        store("Sheme/NumRetry5", "99");
        store("Sheme/NumRetry6", "many");
        store("Sheme/NumEffects", "7");
        const QByteArray before = read(settings->fileName());
        loadForm();
        QCOMPARE(text("lblSpeed"), QStringLiteral("250"));
        // Restoring is not a change: nothing is written back.
        QTest::qWait(500);
        QCOMPARE(read(settings->fileName()), before);
        QVERIFY(!box(3)->isChecked());
        QCOMPARE(bar(3)->value(), 5);
        QCOMPARE(w<QLabel>("Label1", 3)->text(), QStringLiteral("5"));
        QVERIFY(box(4)->isChecked());
        QCOMPARE(bar(4)->value(), 5);
        QCOMPARE(bar(5)->value(), 10);
        QCOMPARE(bar(6)->value(), 1);
        QCOMPARE(text("lblNumEffects"), QStringLiteral("7"));
    }

    void startUpWithNothingTickedKeepsSetupDisabled()
    {
        for (int i = 0; i < 12; ++i)
            store(QStringLiteral("Sheme/Effect%1").arg(i), "0");
        store("Setting/Speed", "fast");
        loadForm();
        QVERIFY(!button("Command9")->isEnabled());
        QCOMPARE(text("lblSpeed"), QStringLiteral("100"));
    }

    void effectBoxesSteerTheSetupButton()
    {
        loadForm();
        tickOnly({});
        QVERIFY(!button("Command9")->isEnabled());
        bar(3)->setValue(6);
        QTest::mouseClick(box(3), Qt::LeftButton);
        QVERIFY(box(3)->isChecked());
        QVERIFY(button("Command9")->isEnabled());
        QCOMPARE(bar(3)->value(), 1);
        QCOMPARE(w<QLabel>("Label1", 3)->text(), QStringLiteral("1"));

        tickOnly({0, 5});
        bar(0)->setValue(4);
        box(0)->setChecked(false);
        QVERIFY(button("Command9")->isEnabled());
        QCOMPARE(bar(0)->value(), 1);
        box(5)->setChecked(false);
        QVERIFY(!button("Command9")->isEnabled());
    }

    void barsShowTheirValues()
    {
        loadForm();
        bar(2)->setValue(7);
        QCOMPARE(w<QLabel>("Label1", 2)->text(), QStringLiteral("7"));
        QCOMPARE(stored("Sheme/NumRetry2"), QStringLiteral("<absent>"));

        auto *speed = w<QScrollBar>("VScroll1");
        speed->setValue(250);
        QCOMPARE(text("lblSpeed"), QStringLiteral("250"));
        QTRY_COMPARE(stored("Setting/Speed"), QStringLiteral("250"));
        speed->setValue(5000);
        QCOMPARE(text("lblSpeed"), QStringLiteral("1000"));
    }

    void startPlaysUntilStop()
    {
        loadForm();
        tickOnly({});
        QTest::mouseClick(button("Command3"), Qt::LeftButton);
        QTest::mouseClick(button("Command4"), Qt::LeftButton);
        for (int i = 0; i < 12; ++i)
            QVERIFY(!box(i)->isEnabled());
        QVERIFY(!button("Command4")->isEnabled());
        QVERIFY(button("Command5")->isEnabled());
        QVERIFY(!button("Command9")->isEnabled());
        QCOMPARE(text("lblStatusLabel"), QStringLiteral("effects started"));
        // Rows go on from the event loop, lamps and lines alike.
        QTRY_VERIFY(port->backend->writes().size() >= 4);
        QCOMPARE(lamps(), QString::fromStdString(port->backend->writes().back()));

        QTest::mouseClick(button("Command5"), Qt::LeftButton);
        for (int i = 0; i < 12; ++i)
            QVERIFY(box(i)->isEnabled());
        QVERIFY(button("Command4")->isEnabled());
        QVERIFY(!button("Command5")->isEnabled());
        QVERIFY(button("Command9")->isEnabled()); // even with nothing ticked
        QCOMPARE(text("lblStatusLabel"), QStringLiteral("effects stopped"));
        QCOMPARE(port->backend->writes().back(), std::string("00000000"));
        QCOMPARE(lamps(), QStringLiteral("00000000"));
        const std::size_t writesAtStop = port->backend->writes().size();
        QTest::qWait(200);
        QCOMPARE(port->backend->writes().size(), writesAtStop);
    }

    void collapseAndExpand()
    {
        loadForm();
        QApplication::setActiveWindow(form.get());
        QCOMPARE(form->height(), twips::toPixels(layout::ExpandedClientHeight));
        QTest::mouseClick(button("Command8"), Qt::LeftButton);
        QCOMPARE(form->height(), twips::toPixels(layout::CollapsedClientHeight));
        QVERIFY(button("Command6")->isEnabled());
        // Whole controls of the lower band only are cut off.
        for (QWidget *child : form->findChildren<QWidget *>()) {
            if (!child->isVisible() || child->parentWidget() != form.get())
                continue;
            const QRect rect = child->geometry();
            QVERIFY2(rect.top() >= form->height() || rect.bottom() < form->height(),
                     qPrintable(child->objectName()));
        }
        // The keyboard never reaches what is cut off.
        for (int tab = 0; tab < 40; ++tab) {
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form.get(), Qt::Key_Tab);
            QVERIFY(QApplication::focusWidget());
            QVERIFY2(QApplication::focusWidget()->mapTo(form.get(), QPoint()).y() < form->height(),
                     qPrintable(QApplication::focusWidget()->objectName()));
        }
        QTest::mouseClick(button("Command6"), Qt::LeftButton);
        QCOMPARE(form->height(), twips::toPixels(layout::ExpandedClientHeight));
        QVERIFY(!button("Command6")->isEnabled());
    }

    void portButton()
    {
        loadForm();
        port->backend->openFailure = "join the lp group";
        const QString said = answerMessageBoxes([&] { QTest::mouseClick(button("Command3"), Qt::LeftButton); });
        QCOMPARE(said, QStringLiteral("Error|Port not presents|join the lp group\n"));
        QVERIFY(button("Command3")->isEnabled());
        QCOMPARE(text("lblStatusLabel"), QStringLiteral("stopped"));

        port->backend->openFailure.clear();
        port->backend->calls.clear();
        QTest::mouseClick(button("Command3"), Qt::LeftButton);
        QVERIFY(!button("Command3")->isEnabled());
        QCOMPARE(text("lblStatusLabel"), QStringLiteral("Port is active"));
        QCOMPARE(port->backend->calls, std::vector<std::string>({"open", "write 00000000"}));
    }

    void lostPortIsShownAndCanBeOpenedAgain()
    {
        loadForm();
        QTest::mouseClick(button("Command3"), Qt::LeftButton);
        QTest::mouseClick(button("Command4"), Qt::LeftButton);
        port->backend->writeFailure = "unplugged";
        const QString said = answerMessageBoxes([&] {
            QTRY_COMPARE(text("lblStatusLabel"), QStringLiteral("Port lost"));
            QTest::qWait(300);
        });
        QCOMPARE(said, QStringLiteral("Error|Port lost|unplugged\n"));
        QVERIFY(button("Command3")->isEnabled());
        // The lamps go on.
        const QString lampsNow = lamps();
        QTRY_VERIFY(lamps() != lampsNow);
        port->backend->writeFailure.clear();
        QTest::mouseClick(button("Command3"), Qt::LeftButton);
        QCOMPARE(text("lblStatusLabel"), QStringLiteral("Port is active"));
        QTRY_VERIFY(port->backend->writes().back() != "00000000");
    }

    void outputChosenFromTheTrayMenu()
    {
        loadForm();
        QTest::mouseClick(button("Command3"), Qt::LeftButton);
        auto *output = form->findChild<QMenu *>()->actions().first()->menu();
        emit output->aboutToShow();
        QCOMPARE(output->actions().size(), 2);
        QVERIFY(output->actions().last()->isChecked());
        output->actions().first()->trigger();
        const auto &calls = port->backend->calls;
        QCOMPARE(std::vector<std::string>(calls.end() - 2, calls.end()), std::vector<std::string>({"write 00000000", "close"}));
        QVERIFY(button("Command3")->isEnabled());
        QTRY_COMPARE(stored("Setting/Port"), QStringLiteral("ola:1"));
        emit output->aboutToShow();
        QVERIFY(output->actions().first()->isChecked());
    }

    // Reported once, with the file; the window goes on as before.
    void settingsThatCannotBeSavedAreReportedOnce()
    {
        loadForm();
        QVERIFY(QFile::remove(settings->fileName()) || !QFile::exists(settings->fileName()));
        QVERIFY(QDir().mkpath(settings->fileName()));
        const QString said = answerMessageBoxes([&] {
            for (int speed : {150, 200}) {
                w<QScrollBar>("VScroll1")->setValue(speed);
                QTest::qWait(600);
            }
        });
        QVERIFY(QDir().rmdir(settings->fileName()));
        QCOMPARE(said.count("The settings could not be saved."), 1);
        QVERIFY2(said.contains(settings->fileName()), qPrintable(said));
    }

    void buildWritesFileSettingsAndTable()
    {
        loadForm();
        tickOnly({0, 4});
        bar(0)->setValue(2);
        bar(7)->setValue(5);
        QTest::mouseClick(button("Command9"), Qt::LeftButton);
        // Locked until the new table is loaded a second later.
        QVERIFY(!button("Command4")->isEnabled());
        QVERIFY(!box(2)->isEnabled());
        QVERIFY(!bar(2)->isEnabled());
        QCOMPARE(text("lblNumEffects"), QStringLiteral("2"));
        QCOMPARE(form->LastRow(), qint16(2));
        QTRY_COMPARE(form->LastRow(), qint16(19));
        QVERIFY(read(dataPath()).startsWith("10000000\r\n01000000\r\n"));
        QVERIFY(read(dataPath()).endsWith("00000001\r\n10000001\r\n01000010\r\n00100100\r\n00011000\r\n"));
        QCOMPARE(stored("Sheme/Effect0"), QStringLiteral("1"));
        QCOMPARE(stored("Sheme/Effect1"), QStringLiteral("0"));
        QCOMPARE(stored("Sheme/Effect4"), QStringLiteral("1"));
        QCOMPARE(stored("Sheme/NumRetry0"), QStringLiteral("2"));
        QCOMPARE(stored("Sheme/NumRetry7"), QStringLiteral("5"));
        QCOMPARE(stored("Sheme/NumEffects"), QStringLiteral("2"));
        QVERIFY(!button("Command9")->isEnabled());
        QVERIFY(button("Command4")->isEnabled());
        QVERIFY(box(2)->isEnabled());
        QCOMPARE(lamps(), QStringLiteral("00000000"));
        QVERIFY(port->backend->calls.empty());
    }

    void buildWithNothingTickedChangesNothing()
    {
        loadForm();
        tickOnly({});
        QTest::mouseClick(button("Command4"), Qt::LeftButton);
        QTest::mouseClick(button("Command5"), Qt::LeftButton);
        QVERIFY(button("Command9")->isEnabled());
        const QString said = answerMessageBoxes([&] { QTest::mouseClick(button("Command9"), Qt::LeftButton); });
        QVERIFY2(said.contains("Tick at least one effect"), qPrintable(said));
        QCOMPARE(read(dataPath()), ThreeRows);
        QCOMPARE(form->LastRow(), qint16(2));
        QCOMPARE(stored("Sheme/NumEffects"), QStringLiteral("<absent>"));
    }

    void failedBuildKeepsTheOldScheme()
    {
        loadForm();
        tickOnly({4});
        // A folder in the file's place: the new file is written, but cannot
        // be put in place.
        QVERIFY(QFile::remove(dataPath()));
        QVERIFY(QDir(folder->path()).mkdir("Data.inf"));
        const QString said = answerMessageBoxes([&] { QTest::mouseClick(button("Command9"), Qt::LeftButton); });
        QVERIFY2(said.contains("could not be built"), qPrintable(said));
        QCOMPARE(form->LastRow(), qint16(2));
        QCOMPARE(text("lblNumEffects"), QStringLiteral("12"));
        QCOMPARE(stored("Sheme/Effect4"), QStringLiteral("<absent>"));
        QCOMPARE(QDir(folder->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList({"Data.inf"}));
        QVERIFY(button("Command9")->isEnabled());
        QVERIFY(button("Command4")->isEnabled());
        QVERIFY(bar(4)->isEnabled());
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
