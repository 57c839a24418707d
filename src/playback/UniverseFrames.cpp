#include "UniverseFrames.h"

UniverseFrames::UniverseFrames(unsigned universe, QObject *parent)
    : FrameSource(parent), universe_(universe),
      receiver_(universe, [this](const std::uint8_t *channels, std::size_t count) {
          newest_ = QByteArray(reinterpret_cast<const char *>(channels), static_cast<qsizetype>(count));
          fresh_ = true;
      })
{
}

std::optional<QString> UniverseFrames::start()
{
    if (const std::string problem = receiver_.open(); !problem.empty())
        return QString::fromStdString(problem);
    notifier_ = std::make_unique<QSocketNotifier>(receiver_.descriptor(), QSocketNotifier::Read, this);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &UniverseFrames::onReadable);
    return std::nullopt;
}

void UniverseFrames::onReadable()
{
    const bool alive = receiver_.poll();
    if (fresh_) {
        fresh_ = false;
        emit frame(newest_);
    }
    if (!alive) {
        notifier_->setEnabled(false);
        emit lost(QStringLiteral("olad stopped, so universe %1 can no longer be heard").arg(universe_));
    }
}
