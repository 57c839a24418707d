#pragma once

#include "FoundPort.h"
#include "PlaybackEngine.h"
#include "PortDevice.h"
#include "Selection.h"
#include "SettingsStore.h"
#include "SettingsWriter.h"

#include <QWidget>

#include <array>
#include <functional>
#include <vector>

class QAction;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QScrollBar;
class QSystemTrayIcon;
class QTimer;

// The main window: the controls, their handlers and the tray icon. Playback
// itself belongs to the engine; the window starts and stops it and shows the
// rows it plays. Each control's object name is its name in the layout table,
// such as "Command4" or "chkEffect(3)".
class Form1 : public QWidget {
    Q_OBJECT

public:
    using PortFinder = std::function<std::vector<FoundPort>()>;

    // `portSetting` names the output behind `port`; the tray menu offers the
    // outputs that `findPorts` finds in its place.
    Form1(PortDevice &port, QString portSetting, SettingsStore &settings, QString dataPath,
          PortFinder findPorts = nullptr, QWidget *parent = nullptr);

    // Start-up: tray icon, pattern table, then speed and selection restored
    // from the settings. Returns false, after saying why, when the pattern
    // file is unusable; the program must then end with code 1.
    bool Form_Load();

    // The index of the last row of the table loaded last.
    qint16 LastRow() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void chkEffect_Click(int index);
    void scrCycle_Change(int index);
    void VScroll1_Change();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command8_Click();
    void Command9_Click();
    void mnuClose_Click();

private:
    void createControls();
    void styleControls();
    void connectHandlers();
    void createTrayIcon();
    void fillOutputMenu();
    void chooseOutput(const QString &portSetting);
    void showOutputInTip();
    void setClientHeightTwips(int height);
    void setBuildLock(bool locked);
    void finishBuild();
    Selection currentSelection() const;
    bool ReadData();
    void showLamps(std::uint8_t lamps);
    void showPortLost(const QString &reason);
    void reportSettingsFailure(const QString &reason);
    void Form_Unload();
    void endAfterDamage(const QString &reason);
    void releaseAndExit(int code);

    SettingsStore &settings_;
    const QString dataPath_;
    PortDevice &LPT1;
    QString portSetting_;
    PortFinder findPorts_;
    PlaybackEngine *engine_ = nullptr;
    SettingsWriter *settingsWriter_ = nullptr;
    std::vector<QWidget *> lowerBand_;
    bool restoring_ = false;
    bool settingsFailureShown_ = false;
    bool unloaded_ = false;

    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *Command6 = nullptr;
    QPushButton *Command7 = nullptr;
    QPushButton *Command8 = nullptr;
    QPushButton *Command9 = nullptr;
    QCheckBox *chkPause = nullptr;
    QFrame *Picture1 = nullptr;
    std::array<QFrame *, 8> lamp{};
    QLabel *Label2 = nullptr;
    QLabel *lblSpeed = nullptr;
    QLabel *lblStatus = nullptr;
    QLabel *lblStatusLabel = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *lblNumEffects = nullptr;
    QGroupBox *Frame2 = nullptr;
    QLabel *Label3 = nullptr;
    QScrollBar *VScroll1 = nullptr;
    std::array<QGroupBox *, 2> Frame1{};
    std::array<QFrame *, 12> picEffect{};
    std::array<QCheckBox *, 12> chkEffect{};
    std::array<QLabel *, 12> Label1{};
    std::array<QScrollBar *, 12> scrCycle{};
    QGroupBox *Frame3 = nullptr;
    QLabel *Image1 = nullptr;
    QMenu *mnuMenu = nullptr;
    QMenu *mnuOutput = nullptr;
    QAction *mnuClose = nullptr;
    QSystemTrayIcon *trayIcon = nullptr;
};
