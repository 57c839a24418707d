#include "WindowSchedule.h"

#include "PlayerCommands.h"
#include "ScheduleSettings.h"
#include "SettingsKeys.h"

WindowSchedule::WindowSchedule(Player &player, PlayerCommands &commands, const SettingsStore &settings,
                               schedule::WallClock &wallClock, std::function<void(const QString &)> showNext,
                               QObject *parent)
    : QObject(parent), player_(player), commands_(commands), settings_(settings), wallClock_(wallClock),
      showNext_(std::move(showNext)), clock_(schedule::readSchedule(settings), wallClock),
      service_(player, commands.state(), commands.schemePath())
{
    connect(&clock_, &schedule::ScheduleClock::shouldPlayChanged, this, &WindowSchedule::showNext);
    connect(&clock_, &schedule::ScheduleClock::statusChanged, this, &WindowSchedule::showNext);
    connect(&commands_, &PlayerCommands::scheduleChanged, this, &WindowSchedule::reread);
}

void WindowSchedule::start()
{
    clock_.start();
    if (settings_.read(settings::FollowSchedule) == 1)
        setFollowing(true);
}

void WindowSchedule::setFollowing(bool on)
{
    if (on == following())
        return;
    commands_.storeFollowSchedule(on);
    if (!on) {
        follower_.reset();
        return;
    }
    follower_ = std::make_unique<ScheduleFollower>(commands_, service_, settings_, wallClock_);
    follower_->start();
}

void WindowSchedule::reread()
{
    clock_.setSchedule(schedule::readSchedule(settings_));
    showNext();
}

void WindowSchedule::showNext()
{
    showNext_(clock_.schedule().inUse() ? clock_.status() : QString());
}
