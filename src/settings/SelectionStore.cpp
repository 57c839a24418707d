#include "SelectionStore.h"

namespace {

const QString Staged = QStringLiteral("ShemeStaged");
const QString FingerprintKey = QStringLiteral("Scheme");

template <typename Key>
Key inSection(Key key, const QString &section)
{
    key.section = section;
    return key;
}

Selection readFrom(const SettingsStore &store, const QString &section)
{
    Selection selection;
    for (int i = 0; i < effects::Count; ++i) {
        const auto at = static_cast<std::size_t>(i);
        selection.ticked[at] = store.read(inSection(settings::effectTicked(i), section)) == 1;
        selection.repeats[at] = store.read(inSection(settings::effectRepeats(i), section));
    }
    selection.numEffects = store.read(inSection(settings::NumEffects, section));
    const int patterns = store.read(inSection(settings::NumPatterns, section));
    for (int i = 0; i < patterns; ++i) {
        const QString name = store.read(inSection(settings::patternName(i), section));
        if (!name.isEmpty())
            selection.patterns.push_back({name, store.read(inSection(settings::patternRepeats(i), section))});
    }
    return selection;
}

QList<SettingsStore::Value> valuesOf(const Selection &selection, const QString &section)
{
    QList<SettingsStore::Value> values;
    for (int i = 0; i < effects::Count; ++i) {
        const auto at = static_cast<std::size_t>(i);
        values.append({section, settings::effectTicked(i).key, selection.ticked[at] ? QStringLiteral("1") : QStringLiteral("0")});
        values.append({section, settings::effectRepeats(i).key, QString::number(selection.repeats[at])});
    }
    values.append({section, settings::NumEffects.key, QString::number(selection.numEffects)});
    values.append({section, settings::NumPatterns.key, QString::number(selection.patterns.size())});
    for (std::size_t i = 0; i < selection.patterns.size(); ++i) {
        const int at = static_cast<int>(i);
        values.append({section, settings::patternName(at).key, selection.patterns[i].name});
        values.append({section, settings::patternRepeats(at).key, QString::number(selection.patterns[i].repeats)});
    }
    return values;
}

} // namespace

Selection SelectionStore::read() const
{
    return readFrom(store_, settings::NumEffects.section);
}

std::optional<QString> SelectionStore::stage(const Selection &selection, const QByteArray &schemeFingerprint) const
{
    QList<SettingsStore::Value> values = valuesOf(selection, Staged);
    values.append({Staged, FingerprintKey, QString::fromLatin1(schemeFingerprint)});
    return store_.write(values, Staged);
}

std::optional<QString> SelectionStore::promote(const Selection &built) const
{
    return store_.write(valuesOf(built, settings::NumEffects.section), Staged);
}

std::optional<QString> SelectionStore::dropStaged() const
{
    return store_.write({}, Staged);
}

std::optional<QString> SelectionStore::recover(const QByteArray &schemeFingerprint) const
{
    if (!store_.hasSection(Staged))
        return std::nullopt;
    const QString staged = store_.read(settings::TextKey{Staged, FingerprintKey, QString()});
    return staged == QString::fromLatin1(schemeFingerprint) ? promote(readFrom(store_, Staged)) : dropStaged();
}
