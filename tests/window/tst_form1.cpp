#include "Form1.h"
#include "Layout.h"
#include "RecordingPortDevice.h"
#include "TemporaryConfigHome.h"
#include "Twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
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

void runLater(int milliseconds, const std::function<void()> &step)
{
    QTimer::singleShot(milliseconds, step);
}

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<RecordingPortDevice> port;
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
        port = std::make_unique<RecordingPortDevice>();
        settings = std::make_unique<SettingsStore>();
        form = std::make_unique<Form1>(*port, *settings, dataPath());
    }

    void loadForm(const QByteArray &data = ThreeRows)
    {
        createForm(data);
        form->Form_Load();
        form->show();
    }

    void tickOnly(std::initializer_list<int> effects)
    {
        for (QCheckBox *box : form->chkEffect)
            box->setChecked(false);
        for (int i : effects)
            form->chkEffect[static_cast<std::size_t>(i)]->setChecked(true);
    }

    QString lamps() const
    {
        QString text;
        for (int k = 0; k < 8; ++k)
            text += form->lampColour(k) == QColor(0, 255, 0) ? '1' : form->lampColour(k) == Qt::black ? '0' : '?';
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
        for (QCheckBox *box : form->chkEffect)
            QVERIFY(!box->isChecked());
        QVERIFY(!form->chkPause->isChecked());
        for (QPushButton *off : {form->Command5, form->Command6, form->Command9, form->Command1, form->Command7})
            QVERIFY2(!off->isEnabled(), qPrintable(off->objectName()));
        for (QPushButton *on : {form->Command2, form->Command3, form->Command4, form->Command8})
            QVERIFY2(on->isEnabled(), qPrintable(on->objectName()));
        QCOMPARE(lamps(), QStringLiteral("11111111"));
        QCOMPARE(form->lblStatusLabel->text(), QStringLiteral("stopped"));
        QCOMPARE(form->lblNumEffects->text(), QStringLiteral("0"));
        QCOMPARE(form->windowTitle(), QStringLiteral(" Flickwerk"));
    }

    void startUpWithAnEmptyStore()
    {
        loadForm();
        QCOMPARE(form->SpeedMs, qint16(100));
        QCOMPARE(form->VScroll1->value(), 100);
        for (int i = 0; i < 12; ++i) {
            QVERIFY(form->chkEffect[static_cast<std::size_t>(i)]->isChecked());
            QCOMPARE(form->scrCycle[static_cast<std::size_t>(i)]->value(), 1);
        }
        QCOMPARE(form->lblNumEffects->text(), QStringLiteral("12"));
        QVERIFY(form->Command9->isEnabled());
        QCOMPARE(form->LastRow(), qint16(2));
        QCOMPARE(lamps(), QStringLiteral("00000000"));
        QVERIFY(port->calls.empty());
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
        loadForm();
        QCOMPARE(form->SpeedMs, qint16(250));
        QCOMPARE(form->lblSpeed->text(), QStringLiteral("250"));
        QCOMPARE(stored("Setting/Speed"), QStringLiteral("250"));
        QVERIFY(!form->chkEffect[3]->isChecked());
        QCOMPARE(form->scrCycle[3]->value(), 5);
        QCOMPARE(form->Label1[3]->text(), QStringLiteral("5"));
        QVERIFY(form->chkEffect[4]->isChecked());
        QCOMPARE(form->scrCycle[4]->value(), 5);
        QCOMPARE(form->scrCycle[5]->value(), 10);
        QCOMPARE(form->scrCycle[6]->value(), 1);
        QCOMPARE(form->lblNumEffects->text(), QStringLiteral("7"));
    }

    void startUpWithNothingTickedKeepsSetupDisabled()
    {
        for (int i = 0; i < 12; ++i)
            store(QStringLiteral("Sheme/Effect%1").arg(i), "0");
        store("Setting/Speed", "fast");
        loadForm();
        QVERIFY(!form->Command9->isEnabled());
        QCOMPARE(form->SpeedMs, qint16(100));
    }

    void effectBoxesSteerTheSetupButton()
    {
        loadForm();
        tickOnly({});
        QVERIFY(!form->Command9->isEnabled());
        form->scrCycle[3]->setValue(6);
        QTest::mouseClick(form->chkEffect[3], Qt::LeftButton);
        QVERIFY(form->chkEffect[3]->isChecked());
        QVERIFY(form->Command9->isEnabled());
        QCOMPARE(form->scrCycle[3]->value(), 1);
        QCOMPARE(form->Label1[3]->text(), QStringLiteral("1"));

        tickOnly({0, 5});
        form->scrCycle[0]->setValue(4);
        form->chkEffect[0]->setChecked(false);
        QVERIFY(form->Command9->isEnabled());
        QCOMPARE(form->scrCycle[0]->value(), 1);
        form->chkEffect[5]->setChecked(false);
        QVERIFY(!form->Command9->isEnabled());
    }

    void barsShowTheirValues()
    {
        loadForm();
        form->scrCycle[2]->setValue(7);
        QCOMPARE(form->Label1[2]->text(), QStringLiteral("7"));
        QCOMPARE(stored("Sheme/NumRetry2"), QStringLiteral("<absent>"));

        // One click on the lower arrow of a 16x16 bar moves it by one, and
        // never past its end.
        QScrollBar *bar = form->scrCycle[1];
        const QPoint lowerArrow(bar->width() / 2, bar->height() - 3);
        QTest::mouseClick(bar, Qt::LeftButton, {}, lowerArrow);
        QCOMPARE(bar->value(), 2);
        bar->setValue(10);
        QTest::mouseClick(bar, Qt::LeftButton, {}, lowerArrow);
        QCOMPARE(bar->value(), 10);

        form->VScroll1->setValue(250);
        QCOMPARE(form->SpeedMs, qint16(250));
        QCOMPARE(form->lblSpeed->text(), QStringLiteral("250"));
        QCOMPARE(stored("Setting/Speed"), QStringLiteral("250"));
        form->VScroll1->setValue(5000);
        QCOMPARE(form->SpeedMs, qint16(1000));
    }

    void startPlaysUntilStop()
    {
        loadForm();
        tickOnly({});
        bool clickReturned = false;
        runLater(150, [&] {
            QVERIFY(!clickReturned);
            QVERIFY(form->Running);
            for (QCheckBox *box : form->chkEffect)
                QVERIFY(!box->isEnabled());
            QVERIFY(!form->Command4->isEnabled());
            QVERIFY(form->Command5->isEnabled());
            QVERIFY(!form->Command9->isEnabled());
            QCOMPARE(form->lblStatusLabel->text(), QStringLiteral("effects started"));
            QCOMPARE(lamps(), QString::fromStdString(port->levels()));
            QTest::mouseClick(form->Command5, Qt::LeftButton);
        });
        QTest::mouseClick(form->Command4, Qt::LeftButton);
        clickReturned = true;
        QVERIFY(!form->Running);
        for (QCheckBox *box : form->chkEffect)
            QVERIFY(box->isEnabled());
        QVERIFY(form->Command4->isEnabled());
        QVERIFY(!form->Command5->isEnabled());
        QVERIFY(form->Command9->isEnabled()); // even with nothing ticked
        QCOMPARE(form->lblStatusLabel->text(), QStringLiteral("effects stopped"));
        QCOMPARE(port->levels(), std::string("00000000"));
        QCOMPARE(lamps(), QStringLiteral("00000000"));
        QVERIFY(port->calls.size() >= 16);
    }

    void collapseAndExpand()
    {
        loadForm();
        QCOMPARE(form->height(), twips::toPixels(layout::ExpandedClientHeight));
        QTest::mouseClick(form->Command8, Qt::LeftButton);
        QCOMPARE(form->height(), twips::toPixels(layout::CollapsedClientHeight));
        QVERIFY(form->Command6->isEnabled());
        // Whole controls of the lower band only are cut off.
        for (QWidget *child : form->findChildren<QWidget *>()) {
            if (!child->isVisible() || child->parentWidget() != form.get())
                continue;
            const QRect rect = child->geometry();
            QVERIFY2(rect.top() >= form->height() || rect.bottom() < form->height(),
                     qPrintable(child->objectName()));
        }
        QTest::mouseClick(form->Command6, Qt::LeftButton);
        QCOMPARE(form->height(), twips::toPixels(layout::ExpandedClientHeight));
        QVERIFY(!form->Command6->isEnabled());
    }

    void portButton()
    {
        loadForm();
        port->present = false;
        port->reasonWhenAbsent = "join the lp group";
        const QString said = answerMessageBoxes([&] { QTest::mouseClick(form->Command3, Qt::LeftButton); });
        QCOMPARE(said, QStringLiteral("Error|Port not presents|join the lp group\n"));
        QVERIFY(form->Command3->isEnabled());
        QCOMPARE(form->lblStatusLabel->text(), QStringLiteral("stopped"));

        port->present = true;
        port->calls.clear();
        QTest::mouseClick(form->Command3, Qt::LeftButton);
        QVERIFY(!form->Command3->isEnabled());
        QCOMPARE(form->lblStatusLabel->text(), QStringLiteral("Port is active"));
        QCOMPARE(port->calls.size(), std::size_t(9));
        QCOMPARE(port->levels(), std::string("00000000"));
    }

    void buildWritesFileSettingsAndTable()
    {
        loadForm();
        tickOnly({0, 4});
        form->scrCycle[0]->setValue(2);
        form->scrCycle[7]->setValue(5);
        runLater(300, [&] {
            QVERIFY(!form->Command4->isEnabled());
            QVERIFY(!form->chkEffect[2]->isEnabled());
            QVERIFY(!form->scrCycle[2]->isEnabled());
            QCOMPARE(form->lblNumEffects->text(), QStringLiteral("2"));
        });
        QTest::mouseClick(form->Command9, Qt::LeftButton);
        QCOMPARE(form->LastRow(), qint16(19));
        QCOMPARE(form->lblNumEffects->text(), QStringLiteral("2"));
        QVERIFY(read(dataPath()).startsWith("10000000\r\n01000000\r\n"));
        QVERIFY(read(dataPath()).endsWith("00000001\r\n10000001\r\n01000010\r\n00100100\r\n00011000\r\n"));
        QCOMPARE(stored("Sheme/Effect0"), QStringLiteral("1"));
        QCOMPARE(stored("Sheme/Effect1"), QStringLiteral("0"));
        QCOMPARE(stored("Sheme/Effect4"), QStringLiteral("1"));
        QCOMPARE(stored("Sheme/NumRetry0"), QStringLiteral("2"));
        QCOMPARE(stored("Sheme/NumRetry7"), QStringLiteral("5"));
        QCOMPARE(stored("Sheme/NumEffects"), QStringLiteral("2"));
        QVERIFY(!form->Command9->isEnabled());
        QVERIFY(form->Command4->isEnabled());
        QVERIFY(form->chkEffect[2]->isEnabled());
        QVERIFY(!form->Running);
        QCOMPARE(lamps(), QStringLiteral("00000000"));
        QVERIFY(port->calls.empty());
    }

    void buildWithNothingTickedChangesNothing()
    {
        loadForm();
        tickOnly({});
        runLater(50, [&] { QTest::mouseClick(form->Command5, Qt::LeftButton); });
        QTest::mouseClick(form->Command4, Qt::LeftButton);
        QVERIFY(form->Command9->isEnabled());
        const QString said = answerMessageBoxes([&] { QTest::mouseClick(form->Command9, Qt::LeftButton); });
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
        const QString said = answerMessageBoxes([&] { QTest::mouseClick(form->Command9, Qt::LeftButton); });
        QVERIFY2(said.contains("could not be built"), qPrintable(said));
        QCOMPARE(form->LastRow(), qint16(2));
        QCOMPARE(form->lblNumEffects->text(), QStringLiteral("12"));
        QCOMPARE(stored("Sheme/Effect4"), QStringLiteral("<absent>"));
        QCOMPARE(QDir(folder->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList({"Data.inf"}));
        QVERIFY(form->Command9->isEnabled());
        QVERIFY(form->Command4->isEnabled());
        QVERIFY(form->scrCycle[4]->isEnabled());
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
