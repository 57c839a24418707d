#include "MainWindow.h"

#include "Layout.h"
#include "PatternsDialog.h"
#include "EffectCatalogue.h"
#include "SelectionStore.h"
#include "Twips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

// A box with the main text, the details under it, and an OK button.
void showMessage(QMessageBox::Icon icon, const QString &title, const QString &text, const QString &details,
                 QWidget *parent)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setInformativeText(details);
    box.exec();
}

} // namespace

MainWindow::MainWindow(Player &player, PlayerCommands &commands, const SettingsStore &settings, Options options,
                       QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint),
      player_(player), commands_(commands), settings_(settings), options_(std::move(options)), controls_(this),
      tray_(new TrayIcon(options_.findPorts, this)), shown_(commands_.state()),
      playbackStatus_(controls_.statusValue->text())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral(" Flickwerk"));
    setWindowIcon(QIcon(QStringLiteral(":/lampotron/lampotron.png")));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    font.setBold(true);
    setFont(font);
    setClientHeightTwips(layout::ExpandedClientHeight);
    connectControls();
}

void MainWindow::connectControls()
{
    for (int i = 0; i < layout::EffectRows; ++i) {
        const auto at = static_cast<std::size_t>(i);
        // toggled also fires when the program sets the value, as the restore needs.
        connect(controls_.effectBoxes[at], &QCheckBox::toggled, this, [this, i] { tickEffect(i); });
        connect(controls_.repeatBars[at], &QScrollBar::valueChanged, this, [this, i] { showRepeats(i); });
    }
    connect(controls_.speedBar, &QScrollBar::valueChanged, this, &MainWindow::changeSpeed);
    connect(controls_.pauseBox, &QCheckBox::toggled, this, [this](bool paused) { commands_.setPaused(paused); });
    const std::pair<QPushButton *, void (MainWindow::*)()> buttons[] = {
        {controls_.portButton, &MainWindow::openPort},  {controls_.startButton, &MainWindow::start},
        {controls_.stopButton, &MainWindow::stop},      {controls_.expandButton, &MainWindow::expand},
        {controls_.collapseButton, &MainWindow::collapse}, {controls_.buildButton, &MainWindow::buildScheme},
    };
    for (const auto &[button, action] : buttons)
        connect(button, &QPushButton::clicked, this, action);
    connect(controls_.exitButton, &QPushButton::clicked, this, &MainWindow::close);
    connect(tray_, &TrayIcon::closeRequested, this, &MainWindow::close);
    connect(tray_, &TrayIcon::outputChosen, this, &MainWindow::chooseOutput);
    connect(tray_, &TrayIcon::remoteRequested, this, &MainWindow::showRemote);
    connect(tray_, &TrayIcon::patternsRequested, this, &MainWindow::showPatterns);
    connect(tray_, &TrayIcon::remoteSwitched, this, &MainWindow::switchRemote);
    connect(tray_, &TrayIcon::scheduleFollowingSwitched, this, [this](bool on) { options_.followSchedule(on); });
    tray_->showFollowingSchedule(options_.followingSchedule);
    connect(tray_->menu(), &QMenu::aboutToShow, this, [this] { tray_->showRemoteOn(options_.remoteOn()); });
    // For desktops without a tray, the tray's menu on a right click in the window.
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { tray_->menu()->popup(mapToGlobal(at)); });
    connect(&player_, &Player::rowShown, this, [this](std::uint8_t lamps) { controls_.showLamps(lamps); });
    connect(&player_, &Player::stateChanged, this, &MainWindow::showState);
    connect(&player_, &Player::portLost, this, &MainWindow::showPortLost);
    connect(&commands_, &PlayerCommands::settingsFailed, this, &MainWindow::reportSettingsFailure);
}

bool MainWindow::startUp(const QStringList &problems)
{
    tray_->show(shown_.output);
    if (!loadScheme())
        return false;
    for (const QString &problem : problems)
        reportSettingsFailure(problem);
    if (auto unreadable = settings_.readProblem())
        showMessage(QMessageBox::Warning, windowTitle(),
                    tr("The settings could not be read; the defaults are used until they can be."),
                    *unreadable, this);

    // The player has the speed already: restoring it is not a change.
    restoring_ = true;
    controls_.speedBar->setValue(shown_.speedMs);
    restoring_ = false;
    showStoredSelection();
    return true;
}

void MainWindow::showStoredSelection()
{
    restoring_ = true;
    const Selection stored = SelectionStore(settings_).read();
    for (std::size_t i = 0; i < controls_.effectBoxes.size(); ++i) {
        // The box first: ticking it resets the repeat count, which the stored one must override.
        controls_.effectBoxes[i]->setChecked(stored.ticked[i]);
        controls_.repeatBars[i]->setValue(stored.repeats[i]);
    }
    controls_.effectCount->setText(QString::number(stored.numEffects));
    restoring_ = false;
}

bool MainWindow::loadScheme()
{
    if (auto failure = commands_.loadScheme()) {
        endAfterDamage(*failure);
        return false;
    }
    controls_.showLamps(0);
    return true;
}

void MainWindow::endAfterDamage(const QString &reason)
{
    showMessage(QMessageBox::Critical, QString(), tr("The program is damaged, please reinstall."),
                QStringLiteral("%1: %2").arg(reason, commands_.schemePath()), nullptr);
    tray_->hide();
    commands_.shutDown(EXIT_FAILURE);
}

// What any face changed shows here.
void MainWindow::showState(const PlayerState &state)
{
    const bool wasStopped = shown_.playback == PlayerState::Playback::Stopped;
    const bool stopped = state.playback == PlayerState::Playback::Stopped;
    if (wasStopped != stopped)
        controls_.buildButton->setEnabled(stopped && !building_);
    if (state.playback != shown_.playback || state.effect != shown_.effect || state.pattern != shown_.pattern
        || state.following != shown_.following || state.noDataSince != shown_.noDataSince)
        showPlaybackStatus(state);
    if (state.playback != PlayerState::Playback::Stopped) {
        const QSignalBlocker quiet(controls_.pauseBox);
        controls_.pauseBox->setChecked(state.playback == PlayerState::Playback::Paused);
    }
    if (state.outputState != shown_.outputState || state.output != shown_.output) {
        const bool open = state.outputState == PlayerState::Output::Open;
        controls_.portButton->setEnabled(!open);
        if (open)
            controls_.statusValue->setText(tr("Port is active"));
    }
    if (state.speedMs != controls_.speedBar->value()) {
        const QSignalBlocker quiet(controls_.speedBar);
        controls_.speedBar->setValue(state.speedMs);
    }
    controls_.speedValue->setText(QString::number(state.speedMs));
    // A scheme built from afar shows the selection it was built from.
    if (state.rows != shown_.rows && shown_.rows != 0 && stopped && !building_)
        showStoredSelection();
    shown_ = state;
    enableForPlayback();
}

// Playback goes on, on screen; "порт" opens the port again.
void MainWindow::showPortLost(const QString &reason)
{
    controls_.statusValue->setText(tr("Port lost"));
    auto *box = new QMessageBox(QMessageBox::Critical, tr("Error"), tr("Port lost"),
                                QMessageBox::Ok, this);
    box->setInformativeText(reason);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

// Once a run is enough: later writes that work put everything on disk.
void MainWindow::reportSettingsFailure(const QString &reason)
{
    if (settingsFailureShown_)
        return;
    settingsFailureShown_ = true;
    showMessage(QMessageBox::Warning, windowTitle(), tr("The settings could not be saved."), reason, this);
}

// Controls cut off below the window's edge must not take the keyboard focus.
void MainWindow::setClientHeightTwips(int height)
{
    setFixedSize(twips::toPixels(layout::ClientWidth), twips::toPixels(height));
    for (QWidget *widget : controls_.lowerBand)
        widget->setVisible(height > layout::CollapsedClientHeight);
}

void MainWindow::tickEffect(int index)
{
    const bool anyTicked = std::any_of(controls_.effectBoxes.begin(), controls_.effectBoxes.end(),
                                       [](const QCheckBox *box) { return box->isChecked(); });
    controls_.buildButton->setEnabled(anyTicked);
    controls_.repeatBars[static_cast<std::size_t>(index)]->setValue(1);
}

void MainWindow::showRepeats(int index)
{
    const auto at = static_cast<std::size_t>(index);
    controls_.repeatLabels[at]->setText(QString::number(controls_.repeatBars[at]->value()));
}

void MainWindow::changeSpeed()
{
    const int speedMs = controls_.speedBar->value();
    controls_.speedValue->setText(QString::number(speedMs));
    if (!restoring_)
        commands_.setSpeed(speedMs);
}

void MainWindow::openPort()
{
    const Player::OpenResult result = commands_.openPort();
    if (!result.opened) {
        showMessage(QMessageBox::Critical, tr("Error"), tr(PlayerCommands::PortNotPresent.toUtf8().constData()), result.problem,
                    this);
        return;
    }
    if (!result.notice.isEmpty())
        showMessage(QMessageBox::Information, windowTitle(), tr("Port is active"), result.notice, this);
}

void MainWindow::start()
{
    commands_.start();
}

void MainWindow::stop()
{
    commands_.stop();
}

void MainWindow::expand()
{
    setClientHeightTwips(layout::ExpandedClientHeight);
    controls_.expandButton->setEnabled(false);
}

void MainWindow::collapse()
{
    setClientHeightTwips(layout::CollapsedClientHeight);
    controls_.expandButton->setEnabled(true);
}

// The open port lets go with its lines low; "порт" then opens the new one.
// A status that spoke of the old output gives way to what playback does.
void MainWindow::chooseOutput(const QString &output)
{
    if (auto refused = commands_.chooseOutput(output)) {
        showMessage(QMessageBox::Warning, windowTitle(), *refused, QString(), this);
        return;
    }
    tray_->setOutput(output);
    if (controls_.statusValue->text() != playbackStatus_)
        controls_.statusValue->setText(playbackStatus_);
}

void MainWindow::showPlaybackStatus(const PlayerState &state)
{
    switch (state.playback) {
    case PlayerState::Playback::Stopped:
        playbackStatus_ = tr("effects stopped");
        break;
    case PlayerState::Playback::Paused:
        playbackStatus_ = tr("effects paused");
        break;
    case PlayerState::Playback::Running:
        const pattern::Effect *alone = pattern::effect(state.effect);
        const QString name = alone ? pattern::label(*alone) : state.pattern;
        playbackStatus_ = !state.following.isEmpty() ? tr("following %1").arg(state.following)
                          : name.isEmpty()           ? tr("effects started")
                                                     : tr("effect %1 started").arg(name);
        if (!state.noDataSince.isEmpty())
            playbackStatus_ += tr("; no data since %1").arg(state.noDataSince);
        break;
    }
    showStatusLine();
}

void MainWindow::showStatusLine()
{
    controls_.statusValue->setText(scheduleNext_.isEmpty() ? playbackStatus_ : playbackStatus_ + QStringLiteral("; ") + scheduleNext_);
}

// Without a schedule the status line stays exactly as it was.
void MainWindow::showScheduleNext(const QString &next)
{
    if (next == scheduleNext_)
        return;
    if (playbackStatus_.isEmpty())
        playbackStatus_ = controls_.statusValue->text();
    scheduleNext_ = next;
    tray_->setNext(next);
    showStatusLine();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    // Nothing more is saved; settings still on their way are written first.
    if (auto failure = commands_.flushSettings())
        std::fprintf(stderr, "The settings could not be saved: %s\n", qPrintable(*failure));
    tray_->hide();
    commands_.shutDown(EXIT_SUCCESS);
}

void MainWindow::buildScheme()
{
    controls_.buildButton->setEnabled(false);
    building_ = true;
    enableForPlayback();
    const QString previousCount = controls_.effectCount->text();
    controls_.effectCount->setText(QStringLiteral("0"));
    const PlayerCommands::BuildAnswer answer = commands_.buildScheme(currentSelection(), [this](int written) {
        controls_.effectCount->setText(QString::number(written));
        controls_.effectCount->repaint();
    });
    if (answer.refused)
        QMessageBox::information(this, windowTitle(), *answer.refused);
    for (const scheme::SchemeBuildProblem &problem : answer.result.problems)
        showMessage(QMessageBox::Warning, windowTitle(), problem.headline(), problem.reason, this);
    if (answer.refused || !answer.result.replaced()) {
        controls_.effectCount->setText(previousCount);
        building_ = false;
        enableForPlayback();
        controls_.buildButton->setEnabled(!answer.refused && shown_.playback == PlayerState::Playback::Stopped);
        return;
    }
    // A short pause so the count can be read before the new table loads;
    // the lock holds until then.
    QTimer::singleShot(options_.buildPause, this, &MainWindow::finishBuild);
}

// The player may have started meanwhile, from afar: the controls follow
// the state it is in now.
void MainWindow::finishBuild()
{
    if (!loadScheme())
        return;
    building_ = false;
    enableForPlayback();
}

Selection MainWindow::currentSelection() const
{
    Selection selection;
    for (std::size_t i = 0; i < controls_.effectBoxes.size(); ++i) {
        selection.ticked[i] = controls_.effectBoxes[i]->isChecked();
        selection.repeats[i] = controls_.repeatBars[i]->value();
    }
    selection.numEffects = controls_.effectCount->text().toInt();
    // The window shows the built-in effects only; the patterns chosen on the
    // page stay in the scheme.
    selection.patterns = SelectionStore(settings_).read().patterns;
    return selection;
}

// While a scheme is built nothing may start playback or change the
// selection; while it plays, the selection and start wait for a stop.
void MainWindow::enableForPlayback()
{
    const bool stopped = shown_.playback == PlayerState::Playback::Stopped;
    controls_.startButton->setEnabled(stopped && !building_);
    controls_.stopButton->setEnabled(!stopped);
    for (std::size_t i = 0; i < controls_.effectBoxes.size(); ++i) {
        controls_.effectBoxes[i]->setEnabled(stopped && !building_);
        controls_.repeatBars[i]->setEnabled(!building_);
    }
}
