#pragma once

#include "FakeDeadlineTimer.h"
#include "MainWindow.h"
#include "RecordingBackend.h"
#include "RemoteDialog.h"
#include "TestFiles.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

using namespace std::chrono_literals;
using Stored = QMap<QString, QString>;
Q_DECLARE_METATYPE(Stored)

// A window on a recorded output and a fake clock, and what the tests ask of it.
class WindowTest : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<QTemporaryDir> folder;
    std::shared_ptr<PortRecord> port;
    FakeDeadlineTimer *clock = nullptr;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<Player> player;
    std::unique_ptr<PlayerCommands> commands;
    std::unique_ptr<MainWindow> form;
    RemoteAddress remote;
    // What "Remote: on/off" asked, and whether the fake remote listens.
    QList<bool> remoteSwitches;
    bool remoteOn = false;

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
        port = std::make_shared<PortRecord>();
        settings = std::make_unique<SettingsStore>();
        auto timer = std::make_unique<FakeDeadlineTimer>();
        clock = timer.get();
        player = std::make_unique<Player>(Player::Choices{settings->read(settings::Port), dataPath(), settings->read(settings::Speed)},
                                          std::move(timer),
                                          [this](const QString &) { return std::make_unique<RecordingBackend>(port); });
        const auto findPorts = [] {
            return std::vector<FoundPort>{{"ola:1", "DMX universe 1", ""},
                                          {"gpio:gpiochip0:0,1,2,3,4,5,6,7", "GPIO chip", ""},
                                          {"/dev/parport0", "parallel port", ""}};
        };
        commands = std::make_unique<PlayerCommands>(*player, *settings, folder->filePath("patterns"), 0ms);
        form = std::make_unique<MainWindow>(*player, *commands, *settings, MainWindow::Options{findPorts, 0ms, [this] { return remote; },
                                                                                            [this](bool on) { return switchRemote(on); },
                                                                                            [this] { return remoteOn; }, {}});
        if (load) {
            QVERIFY(form->startUp());
            form->show();
        }
    }

    // A remote that switches on when it has an address to show.
    RemoteAddress switchRemote(bool on)
    {
        remoteSwitches << on;
        remoteOn = on && !remote.url.isEmpty();
        return remote;
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
    QString lastWrite() const { return QString::fromStdString(port->writes().back()); }
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

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::PaletteChange && (port->calls.empty() || port->calls.back() != "drawn"))
            port->calls.push_back("drawn");
        return QObject::eventFilter(watched, event);
    }

protected slots:
    void init()
    {
        QSettings("Lampotron", "Lampotron").clear();
        folder = std::make_unique<QTemporaryDir>();
        remote = {};
        remoteSwitches.clear();
        remoteOn = false;
    }

    void cleanup()
    {
        form.reset();
        commands.reset();
        player.reset();
    }
};
