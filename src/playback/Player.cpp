#include "Player.h"

#include "EffectCatalogue.h"
#include "Follower.h"
#include "PatternLoader.h"

#include <cstdio>

Player::Player(Choices choices, std::unique_ptr<DeadlineTimer> timer, BackendMaker makeBackend, QObject *parent)
    : QObject(parent), choices_(std::move(choices)), makeBackend_(std::move(makeBackend)), timer_(timer.release()),
      port_(makeBackend_(choices_.output)), engine_(new PlaybackEngine(port_, *timer_, this))
{
    timer_->setParent(this);
    qRegisterMetaType<PlayerState>();
    state_.output = choices_.output;
    state_.speedMs = choices_.speedMs;
    engine_->setDelay(std::chrono::milliseconds(choices_.speedMs));
    connect(engine_, &PlaybackEngine::rowShown, this, &Player::onRow);
    connect(engine_, &PlaybackEngine::portLost, this, &Player::onPortLost);
    connect(engine_, &PlaybackEngine::tableSwitched, this, &Player::showScheme);
    connect(engine_, &PlaybackEngine::stoppedAtEndOfPass, this, [this] {
        update([](PlayerState &state) { state.playback = PlayerState::Playback::Stopped; });
    });
}

// The port's own destructor puts the lines low and releases it; whatever
// writes to it goes first.
Player::~Player()
{
    delete follower_;
    delete source_;
    delete engine_;
}

std::optional<QString> Player::follow(const FollowTarget &target, std::unique_ptr<FrameSource> source)
{
    engine_->stop();
    if (auto problem = source->start())
        return problem;
    source_ = source.release();
    source_->setParent(this);
    follower_ = new Follower(target, *source_, port_, *timer_, this);
    connect(follower_, &Follower::rowShown, this, &Player::onRow);
    connect(follower_, &Follower::portLost, this, &Player::onPortLost);
    connect(follower_, &Follower::noted, this, &Player::noted);
    connect(follower_, &Follower::dataChanged, this, &Player::showFollowerData);
    connect(source_, &FrameSource::lost, this, &Player::onPortLost);
    update([&target](PlayerState &state) {
        state.following = target.describe();
        state.rows = 0;
        state.effect = -1;
        state.pattern.clear();
    });
    return std::nullopt;
}

void Player::showFollowerData()
{
    const auto since = follower_->noDataSince();
    update([&since](PlayerState &state) {
        state.noDataSince = since ? since->toString(QStringLiteral("HH:mm:ss")) : QString();
    });
}

std::optional<QString> Player::loadScheme(Switch when)
{
    auto loaded = pattern::loadPatternFile(choices_.schemePath);
    if (!loaded.table)
        return pattern::describe(loaded);
    if (when == Switch::AtEndOfPass && state_.playback != PlayerState::Playback::Stopped) {
        engine_->loadTableAtEndOfPass(std::move(*loaded.table));
        return std::nullopt;
    }
    const int rows = loaded.table->rowCount();
    engine_->loadTable(std::move(*loaded.table));
    showScheme(rows);
    return std::nullopt;
}

void Player::showScheme(int rows)
{
    update([rows](PlayerState &state) {
        state.rows = rows;
        state.effect = -1;
        state.pattern.clear();
    });
}

void Player::playEffect(int effect)
{
    const pattern::Effect *chosen = pattern::effect(effect);
    if (!chosen)
        return;
    pattern::PatternTable table;
    for (std::string_view row : chosen->rows)
        table.appendRow(row);
    const int rows = table.rowCount();
    engine_->loadTable(std::move(table));
    update([rows, effect](PlayerState &state) {
        state.rows = rows;
        state.effect = effect;
        state.pattern.clear();
    });
    start();
}

void Player::playPattern(const QString &name, const std::vector<pattern::Step> &steps)
{
    pattern::PatternTable table;
    table.reserve(static_cast<int>(steps.size()));
    for (const pattern::Step &step : steps)
        table.appendStep(step);
    const int rows = table.rowCount();
    engine_->loadTable(std::move(table));
    update([rows, &name](PlayerState &state) {
        state.rows = rows;
        state.effect = -1;
        state.pattern = name;
    });
    start();
}

Player::OpenResult Player::openOutput()
{
    if (port_.open()) {
        update([](PlayerState &state) {
            state.outputState = PlayerState::Output::Open;
            state.outputProblem.clear();
        });
        return {true, QString(), QString::fromStdString(port_.notice())};
    }
    const QString problem = QString::fromStdString(port_.failureReason());
    update([&problem](PlayerState &state) {
        state.outputState = PlayerState::Output::Closed;
        state.outputProblem = problem;
    });
    return {false, problem, QString()};
}

void Player::chooseOutput(const QString &output)
{
    port_.replaceBackend(makeBackend_(output));
    choices_.output = output;
    update([&output](PlayerState &state) {
        state.output = output;
        state.outputState = PlayerState::Output::Closed;
        state.outputProblem.clear();
    });
}

void Player::setSpeed(int speedMs)
{
    engine_->setDelay(std::chrono::milliseconds(speedMs));
    update([speedMs](PlayerState &state) { state.speedMs = speedMs; });
}

void Player::start()
{
    if (follower_) {
        if (!follower_->active())
            follower_->resume();
        update([](PlayerState &state) { state.playback = PlayerState::Playback::Running; });
        return;
    }
    engine_->start();
    if (state_.rows > 0)
        update([this](PlayerState &state) {
            state.playback = paused_ ? PlayerState::Playback::Paused : PlayerState::Playback::Running;
        });
}

void Player::stop()
{
    if (follower_)
        follower_->stop();
    engine_->stop();
    update([](PlayerState &state) { state.playback = PlayerState::Playback::Stopped; });
}

void Player::stopAtEndOfPass()
{
    engine_->stopAtEndOfPass();
}

void Player::setPaused(bool paused)
{
    if (follower_)
        return;
    paused_ = paused;
    engine_->setPaused(paused);
    if (state_.playback == PlayerState::Playback::Stopped)
        return;
    update([paused](PlayerState &state) {
        state.playback = paused ? PlayerState::Playback::Paused : PlayerState::Playback::Running;
    });
}

void Player::allOff()
{
    engine_->allOff();
}

QString Player::release()
{
    if (follower_)
        follower_->stop();
    engine_->stop();
    QString doubt = QString::fromStdString(port_.close());
    if (state_.outputState == PlayerState::Output::Lost)
        doubt = tr("the output %1 was lost (%2), so whether its lines are low is unknown.")
                    .arg(state_.output, state_.outputProblem);
    update([](PlayerState &state) {
        state.playback = PlayerState::Playback::Stopped;
        if (state.outputState == PlayerState::Output::Open)
            state.outputState = PlayerState::Output::Closed;
    });
    return doubt;
}

void Player::finish(int exitCode)
{
    if (finished_)
        return;
    finished_ = true;
    emit finished(exitCode);
}

void Player::shutDown(int exitCode)
{
    if (const QString doubt = release(); !doubt.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(tr("Lampotron ended, but %1").arg(doubt)));
    finish(exitCode);
}

void Player::onRow(std::uint8_t lamps)
{
    lamps_ = lamps;
    emit rowShown(lamps);
}

void Player::onPortLost(const QString &reason)
{
    update([&reason](PlayerState &state) {
        state.outputState = PlayerState::Output::Lost;
        state.outputProblem = reason;
    });
    emit portLost(reason);
}

void Player::update(const std::function<void(PlayerState &)> &change)
{
    PlayerState next = state_;
    change(next);
    if (next == state_)
        return;
    state_ = std::move(next);
    emit stateChanged(state_);
}
