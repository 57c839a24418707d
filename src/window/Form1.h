#pragma once

#include "PatternTable.h"
#include "PlaybackEngine.h"
#include "PlaybackHost.h"
#include "PortDevice.h"
#include "SettingsStore.h"

#include <QWidget>

#include <array>

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

// The main window. It owns the controls and the state that the playback
// loop, the scheme builder and the handlers share.
class Form1 : public QWidget, private PlaybackHost {
    Q_OBJECT

public:
    Form1(PortDevice &port, SettingsStore &settings, QString dataPath, QWidget *parent = nullptr);

    // Start-up: tray icon, pattern table, then speed and selection restored
    // from the settings. Ends the program when the pattern file is unusable.
    void Form_Load();

    void Activate();
    void Deactivate();
    // Loads the pattern file into PatternTable; ends the program when it fails.
    void ReadData();

    qint16 LastRow() const { return PatternTable.lastRow(); }
    QColor lampColour(int line) const;

    // Shared state
    pattern::PatternTable PatternTable;
    qint16 SpeedMs = 100;
    bool Running = false;

    // Controls
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
    QAction *mnuClose = nullptr;
    QSystemTrayIcon *trayIcon = nullptr;
    QTimer *Timer1 = nullptr;
    PortDevice &LPT1;

public slots:
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

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void styleControls();
    void connectHandlers();
    void createTrayIcon();
    void setClientHeightTwips(int height);
    void setBuildLock(bool locked);
    void storeSelection();
    [[noreturn]] void Form_Unload();
    [[noreturn]] void endAfterDamage(const QString &reason);

    // PlaybackHost
    void showLamp(int line, bool lit) override;
    void showSpeed(qint16 milliseconds) override;
    bool isPaused() const override;

    SettingsStore &settings_;
    const QString dataPath_;
    PlaybackEngine engine_;
    bool speedSaveFailureShown_ = false;
};
