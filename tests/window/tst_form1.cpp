#include "Form1.h"
#include "Layout.h"
#include "MessageBoxes.h"
#include "RecordingBackend.h"
#include "TestFiles.h"
#include "Twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTest>

using Stored = QMap<QString, QString>;
Q_DECLARE_METATYPE(Stored)

class TestForm1 : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<RecordedPort> port;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<Form1> form;

    QString dataPath() const { return folder->filePath("Data.inf"); }
    static QString stored(const QString &key) { return QSettings("Lampotron", "Lampotron").value(key, "-").toString(); }

    // A window on a three-row scheme, loaded and shown unless `load` is false.
    void open(const Stored &values = {}, bool load = true)
    {
        QSettings direct("Lampotron", "Lampotron");
        for (auto value = values.begin(); value != values.end(); ++value)
            direct.setValue(value.key(), value.value());
        direct.sync();
        QVERIFY(writeFile(dataPath(), "10000000\r\n01000000\r\n00100000\r\n"));
        port = std::make_unique<RecordedPort>();
        settings = std::make_unique<SettingsStore>();
        form = std::make_unique<Form1>(port->device, "/dev/parport0", *settings, dataPath(), [] {
            return std::vector<FoundPort>{{"ola:1", "DMX universe 1", ""}, {"/dev/parport0", "parallel port", ""}};
        });
        if (load) {
            QVERIFY(form->Form_Load());
            form->show();
        }
    }

    template <typename Widget = QWidget>
    Widget *w(const QString &name, int index = -1) const
    {
        return form->findChild<Widget *>(index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index));
    }
    QCheckBox *box(int i) const { return w<QCheckBox>("chkEffect", i); }
    QScrollBar *bar(int i) const { return w<QScrollBar>("scrCycle", i); }
    void click(const char *name) const { QTest::mouseClick(w<QPushButton>(name), Qt::LeftButton); }
    QPoint at(QWidget *widget) const { return widget->mapTo(form.get(), QPoint()); }
    QString lastWrite() const { return QString::fromStdString(port->backend->writes().back()); }
    void tickOnly(std::initializer_list<int> effects) const
    {
        for (int i = 0; i < 12; ++i)
            box(i)->setChecked(std::find(effects.begin(), effects.end(), i) != effects.end());
    }

    // What the window shows: each effect box ("1" ticked, "0" clear, "-"
    // clear and disabled), each repeat label, Command1..9 ("1" enabled), the
    // status, the effect count, the speed, and the lamps ("1" lit).
    QString shown() const
    {
        QString ticks, counts, buttons, lamps;
        for (int i = 0; i < 12; ++i) {
            ticks += box(i)->isChecked() ? '1' : box(i)->isEnabled() ? '0' : '-';
            counts += w<QLabel>("Label1", i)->text();
        }
        for (int i = 1; i <= 9; ++i)
            buttons += w(QStringLiteral("Command%1").arg(i))->isEnabled() ? '1' : '0';
        for (int k = 0; k < 8; ++k)
            lamps += w("lamp", k)->palette().color(QPalette::Window) == QColor(0, 255, 0) ? '1' : '0';
        return QStringList{ticks, counts, buttons, w<QLabel>("lblStatusLabel")->text(), w<QLabel>("lblNumEffects")->text(),
                           w<QLabel>("lblSpeed")->text(), lamps}
            .join(' ');
    }

public:
    static void initMain() { useTemporaryHome(); }

private slots:
    void init()
    {
        QSettings("Lampotron", "Lampotron").clear();
        folder = std::make_unique<QTemporaryDir>();
    }

    void cleanup() { form.reset(); }

    void newWindowBeforeStartUp()
    {
        open({}, false);
        QCOMPARE(shown(), QStringLiteral("000000000000 111111111111 011100010 stopped 0 100 11111111"));
        QCOMPARE(form->windowTitle() + QString::number(w<QCheckBox>("chkPause")->isChecked()), QStringLiteral(" Flickwerk0"));
        // Lamp 0 at the left; the right frame holds effects 6..11 bottom-up.
        QCOMPARE(w("lamp", 7)->x() - w("lamp", 0)->x(), twips::toPixels(7 * 360));
        QVERIFY(at(box(0)).y() < at(box(5)).y() && at(box(11)).y() < at(box(6)).y() && at(box(5)).x() < at(box(6)).x());
    }

    void startUpRestoresWithoutWriting_data()
    {
        QTest::addColumn<Stored>("values");
        QTest::addColumn<QString>("expected");
        QTest::newRow("nothing stored") << Stored{} << "111111111111 111111111111 011100011 stopped 12 100 00000000";
        QTest::newRow("stored") << Stored{{"Setting/Speed", "250"}, {"Sheme/Effect3", "0"}, {"Sheme/NumRetry3", "5"},
                                          {"Sheme/Effect4", "1"}, {"Sheme/NumRetry4", "5"}, {"Sheme/NumRetry5", "99"},
                                          {"Sheme/NumRetry6", "many"}, {"Sheme/NumEffects", "7"}}
                                << "111011111111 1115510111111 011100011 stopped 7 250 00000000";
        Stored noneTicked{{"Setting/Speed", "fast"}};
        for (int i = 0; i < 12; ++i)
            noneTicked.insert(QStringLiteral("Sheme/Effect%1").arg(i), "0");
        QTest::newRow("none ticked") << noneTicked << "000000000000 111111111111 011100010 stopped 12 100 00000000";
    }

    void startUpRestoresWithoutWriting()
    {
        QFETCH(Stored, values);
        QFETCH(QString, expected);
        open(values);
        const QDateTime written = QFileInfo(settings->fileName()).lastModified();
        QCOMPARE(shown(), expected);
        QCOMPARE(form->LastRow(), qint16(2));
        QTest::qWait(400);
        QCOMPARE(QFileInfo(settings->fileName()).lastModified(), written);
    }

    // Ticking or clearing a box resets its count; setup needs a ticked box.
    void controlsShowTheirValuesAndStoreOnlyTheSpeed()
    {
        open();
        tickOnly({0, 5});
        bar(3)->setValue(6);
        bar(5)->setValue(7);
        box(0)->setChecked(false);
        QCOMPARE(shown().section(' ', 0, 2), QStringLiteral("000001000000 111617111111 011100011"));
        box(5)->setChecked(false);
        QTest::mouseClick(box(3), Qt::LeftButton);
        QCOMPARE(shown().section(' ', 0, 2), QStringLiteral("000100000000 111111111111 011100011"));
        box(3)->setChecked(false);
        QVERIFY(!w("Command9")->isEnabled());
        w<QScrollBar>("VScroll1")->setValue(5000);
        QVERIFY(shown().contains(" 1000 "));
        QTRY_COMPARE(stored("Setting/Speed"), QStringLiteral("1000"));
        QCOMPARE(stored("Sheme/NumRetry5"), QStringLiteral("-"));
    }

    void collapseShowsOnlyTheTopBand()
    {
        open();
        QApplication::setActiveWindow(form.get());
        click("Command8");
        QCOMPARE(form->height(), twips::toPixels(layout::CollapsedClientHeight));
        QVERIFY(w("Command6")->isEnabled());
        // The keyboard never reaches what is cut off.
        for (int tab = 0; tab < 40; ++tab) {
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form.get(), Qt::Key_Tab);
            QVERIFY2(at(QApplication::focusWidget()).y() < form->height(), qPrintable(QApplication::focusWidget()->objectName()));
        }
        click("Command6");
        QCOMPARE(form->height(), twips::toPixels(layout::ExpandedClientHeight));
        QVERIFY(!w("Command6")->isEnabled() && at(w("Command8")).y() < form->height());
    }

    void portOpensOrSaysWhyAndALostOneCanBeOpenedAgain()
    {
        open();
        port->backend->openFailure = "join the lp group";
        QCOMPARE(answerMessageBoxes([&] { click("Command3"); }), QStringLiteral("Error|Port not presents|join the lp group\n"));
        QVERIFY(shown().contains(" 011100011 stopped "));
        port->backend->openFailure.clear();
        port->backend->calls.clear();
        click("Command3");
        QVERIFY(shown().contains(" 010100011 Port is active "));
        QCOMPARE(port->backend->calls, std::vector<std::string>({"open", "write 00000000"}));
        click("Command4");
        port->backend->writeFailure = "unplugged";
        QCOMPARE(answerMessageBoxes([&] { QTest::qWait(300); }), QStringLiteral("Error|Port lost|unplugged\n"));
        QVERIFY(shown().contains(" 011010010 Port lost "));
        const QString lampsNow = shown().right(8);
        QTRY_VERIFY(shown().right(8) != lampsNow); // the lamps go on
        port->backend->writeFailure.clear();
        click("Command3");
        QTRY_VERIFY(lastWrite() != "00000000");
    }

    void outputChosenFromTheTrayMenu()
    {
        open();
        click("Command3");
        auto *output = form->findChild<QMenu *>()->actions().first()->menu();
        emit output->aboutToShow();
        QCOMPARE(output->actions().size(), 2);
        QVERIFY(output->actions().last()->isChecked());
        output->actions().first()->trigger();
        const auto &calls = port->backend->calls;
        QCOMPARE(calls[calls.size() - 2] + ", " + calls.back(), std::string("write 00000000, close"));
        QVERIFY(w("Command3")->isEnabled());
        QTRY_COMPARE(stored("Setting/Port"), QStringLiteral("ola:1"));
        emit output->aboutToShow();
        QVERIFY(output->actions().first()->isChecked());
    }

    // Once, with the file; the window goes on as before.
    void settingsThatCannotBeSavedAreReportedOnce()
    {
        open();
        QFile::remove(settings->fileName());
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

    void buildWritesFileSelectionAndTable()
    {
        open();
        tickOnly({0, 4});
        bar(0)->setValue(2);
        bar(7)->setValue(5);
        click("Command9");
        // Locked until the new table is loaded a second later.
        QCOMPARE(shown().section(' ', 0, 4), QStringLiteral("1---1------- 211111151111 011000010 stopped 2"));
        QVERIFY(!bar(2)->isEnabled());
        QTRY_COMPARE(form->LastRow(), qint16(19));
        QVERIFY(readFile(dataPath()).endsWith("00000001\r\n10000001\r\n01000010\r\n00100100\r\n00011000\r\n"));
        QString selection;
        for (const char *key : {"Effect0", "Effect1", "Effect4", "NumRetry0", "NumRetry7", "NumEffects"})
            selection += stored(QStringLiteral("Sheme/") + key);
        QCOMPARE(selection, QStringLiteral("101252"));
        QCOMPARE(shown(), QStringLiteral("100010000000 211111151111 011100010 stopped 2 100 00000000"));
        QVERIFY(port->backend->calls.empty());
    }

    void buildFailuresKeepTheOldScheme_data()
    {
        QTest::addColumn<QString>("blocked");
        QTest::addColumn<QString>("said");
        QTest::newRow("nothing ticked") << "" << "Tick at least one effect";
        QTest::newRow("file cannot be replaced") << "Data.inf" << "Cannot replace";
        QTest::newRow("selection cannot be saved") << "settings" << "a folder is in its place";
    }

    // The old file, table, count and selection stay; the controls are free.
    void buildFailuresKeepTheOldScheme()
    {
        QFETCH(QString, blocked);
        QFETCH(QString, said);
        open();
        tickOnly(blocked.isEmpty() ? std::initializer_list<int>{} : std::initializer_list<int>{4});
        click("Command4");
        click("Command5");
        const QString path = blocked == "settings" ? settings->fileName() : dataPath();
        if (!blocked.isEmpty()) {
            QFile::remove(path);
            QVERIFY(QDir().mkpath(path));
        }
        const QString answer = answerMessageBoxes([&] { click("Command9"); });
        if (!blocked.isEmpty())
            QVERIFY(QDir().rmdir(path) && writeFile(dataPath(), "10000000\r\n01000000\r\n00100000\r\n"));
        QVERIFY2(answer.contains(said), qPrintable(answer));
        QCOMPARE(form->LastRow(), qint16(2));
        QCOMPARE(shown().section(' ', 2, 5), blocked.isEmpty() ? "011100010 effects stopped 12" : "011100011 effects stopped 12");
        QVERIFY(bar(4)->isEnabled() && stored("Sheme/Effect4") == "-");
        QCOMPARE(QDir(folder->path()).entryList({".Data.inf*"}, QDir::Files | QDir::Hidden), QStringList());
    }

    // Last: the exits they ask for end every event loop after them.
    void unusableSchemeEndsStartUp()
    {
        open({}, false);
        QVERIFY(writeFile(dataPath(), QByteArray()));
        bool loaded = true;
        const QString said = answerMessageBoxes([&] { loaded = form->Form_Load(); });
        QVERIFY(!loaded);
        QVERIFY2(said.startsWith("|The program is damaged, please reinstall.|"), qPrintable(said));
    }

    void startPlaysUntilStop()
    {
        open();
        tickOnly({});
        click("Command3");
        click("Command4");
        QVERIFY(shown().startsWith("------------ 111111111111 010010010 effects started"));
        QTRY_VERIFY(port->backend->writes().size() >= 4);
        QVERIFY(shown().endsWith(lastWrite()));
        click("Command5");
        // The setup button too, even with nothing ticked.
        QCOMPARE(shown(), QStringLiteral("000000000000 111111111111 010100011 effects stopped 12 100 00000000"));
        QCOMPARE(lastWrite(), QStringLiteral("00000000"));
        const std::size_t writesAtStop = port->backend->writes().size();
        QTest::qWait(200);
        QCOMPARE(port->backend->writes().size(), writesAtStop);
        // Leaving while playing: the lines low, then the port released.
        click("Command4");
        form->close();
        const auto &calls = port->backend->calls;
        QCOMPARE(calls[calls.size() - 2] + ", " + calls.back(), std::string("write 00000000, close"));
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
