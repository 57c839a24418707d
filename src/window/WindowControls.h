#pragma once

#include <QWidget>

#include <array>
#include <vector>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;

// The main window's controls, made from the layout table and named for what
// they do here. Each widget's object name stays its name in the table, such
// as "Command4" or "chkEffect(3)".
struct WindowControls {
    explicit WindowControls(QWidget *window);

    QPushButton *topPanel = nullptr;
    QPushButton *exitButton = nullptr;
    QPushButton *portButton = nullptr;
    QPushButton *startButton = nullptr;
    QPushButton *stopButton = nullptr;
    QPushButton *expandButton = nullptr;
    QPushButton *lowerPanel = nullptr;
    QPushButton *collapseButton = nullptr;
    QPushButton *buildButton = nullptr;
    QCheckBox *pauseBox = nullptr;
    QFrame *lampPanel = nullptr;
    std::array<QFrame *, 8> lamps{};
    QLabel *speedCaption = nullptr;
    QLabel *speedValue = nullptr;
    QLabel *statusCaption = nullptr;
    QLabel *statusValue = nullptr;
    QLabel *effectCountCaption = nullptr;
    QLabel *effectCount = nullptr;
    QGroupBox *speedFrame = nullptr;
    QLabel *delayCaption = nullptr;
    QScrollBar *speedBar = nullptr;
    std::array<QGroupBox *, 2> effectFrames{};
    std::array<QFrame *, 12> effectRows{};
    std::array<QCheckBox *, 12> effectBoxes{};
    std::array<QLabel *, 12> repeatLabels{};
    std::array<QScrollBar *, 12> repeatBars{};
    QGroupBox *pictureFrame = nullptr;
    QLabel *picture = nullptr;

    // The controls below the fold, which collapsing hides.
    std::vector<QWidget *> lowerBand;

    // Only the lamps that change are repainted.
    void showLamps(std::uint8_t lamps);

private:
    void make(QWidget *window);
    void style();
};
