#include "PageTexts.h"

#include "EffectCatalogue.h"
#include "Translations.h"
#include "LanguageChoice.h"

#include <QTranslator>

namespace pageTexts {

namespace {

// Each text as the page has it, in index.html or set by its scripts; a
// text node or label that is one of these whole is shown translated, and the
// scripts' t() looks up the others.
constexpr const char *Sources[] = {
    QT_TRANSLATE_NOOP("Page", "connecting…"),
    QT_TRANSLATE_NOOP("Page", "This page needs its key"),
    QT_TRANSLATE_NOOP("Page", "On the computer that runs Lampotron, run"),
    QT_TRANSLATE_NOOP("Page", "shows the same."),
    QT_TRANSLATE_NOOP("Page", "stopped"),
    QT_TRANSLATE_NOOP("Page", "Start"),
    QT_TRANSLATE_NOOP("Page", "Pause"),
    QT_TRANSLATE_NOOP("Page", "Stop"),
    QT_TRANSLATE_NOOP("Page", "Back to the scheme"),
    QT_TRANSLATE_NOOP("Page", "Delay between rows (задержка)"),
    QT_TRANSLATE_NOOP("Page", "Output"),
    QT_TRANSLATE_NOOP("Page", "closed"),
    QT_TRANSLATE_NOOP("Page", "open"),
    QT_TRANSLATE_NOOP("Page", "Open (порт)"),
    QT_TRANSLATE_NOOP("Page", "All lamps off"),
    QT_TRANSLATE_NOOP("Page", "Effects"),
    QT_TRANSLATE_NOOP("Page", "Patterns in the scheme"),
    QT_TRANSLATE_NOOP("Page", "(after the effects)"),
    QT_TRANSLATE_NOOP("Page", "None: add one with “+ scheme” in the list of patterns."),
    QT_TRANSLATE_NOOP("Page", "Build the scheme (установка)"),
    QT_TRANSLATE_NOOP("Page", "Patterns"),
    QT_TRANSLATE_NOOP("Page", "New pattern"),
    QT_TRANSLATE_NOOP("Page", "Import an FSEQ sequence"),
    QT_TRANSLATE_NOOP("Page", "File"),
    QT_TRANSLATE_NOOP("Page", "Name"),
    QT_TRANSLATE_NOOP("Page", "First channel"),
    QT_TRANSLATE_NOOP("Page", "On at or above"),
    QT_TRANSLATE_NOOP("Page", "Import"),
    QT_TRANSLATE_NOOP("Page", "Pattern"),
    QT_TRANSLATE_NOOP("Page", "Tap a lamp to switch it; arrow keys move between lamps, Space switches. A step without a time lasts the delay."),
    QT_TRANSLATE_NOOP("Page", "Add step"),
    QT_TRANSLATE_NOOP("Page", "Undo"),
    QT_TRANSLATE_NOOP("Page", "Preview on the lamps"),
    QT_TRANSLATE_NOOP("Page", "Reload the saved pattern (drops these edits)"),
    QT_TRANSLATE_NOOP("Page", "Save"),
    QT_TRANSLATE_NOOP("Page", "Rename"),
    QT_TRANSLATE_NOOP("Page", "Copy"),
    QT_TRANSLATE_NOOP("Page", "Delete"),
    QT_TRANSLATE_NOOP("Page", "Close"),
    QT_TRANSLATE_NOOP("Page", "Edit"),
    QT_TRANSLATE_NOOP("Page", "The eight lamps"),
    QT_TRANSLATE_NOOP("Page", "Shorter delay"),
    QT_TRANSLATE_NOOP("Page", "Longer delay"),
    QT_TRANSLATE_NOOP("Page", "Output to use"),
    QT_TRANSLATE_NOOP("Page", "Steps"),
    QT_TRANSLATE_NOOP("Page", "live"),
    QT_TRANSLATE_NOOP("Page", "no key"),
    QT_TRANSLATE_NOOP("Page", "offline, trying again"),
    QT_TRANSLATE_NOOP("Page", "(tick at least one to build)"),
    QT_TRANSLATE_NOOP("Page", "Lampotron does not answer. Is it still running, and is this device on its network?"),
    QT_TRANSLATE_NOOP("Page", "Switch at once (otherwise the new scheme takes over when the pass under way ends)"),
    QT_TRANSLATE_NOOP("Page", "Schedule"),
    QT_TRANSLATE_NOOP("Page", "Add an entry"),
    QT_TRANSLATE_NOOP("Page", "New entry"),
    QT_TRANSLATE_NOOP("Page", "On"),
    QT_TRANSLATE_NOOP("Page", "Switch on"),
    QT_TRANSLATE_NOOP("Page", "On at"),
    QT_TRANSLATE_NOOP("Page", "minutes later (− earlier)"),
    QT_TRANSLATE_NOOP("Page", "Off"),
    QT_TRANSLATE_NOOP("Page", "Switch off"),
    QT_TRANSLATE_NOOP("Page", "Off at"),
    QT_TRANSLATE_NOOP("Page", "Days"),
    QT_TRANSLATE_NOOP("Page", "Plays"),
    QT_TRANSLATE_NOOP("Page", "At the off time, finish the scheme's pass first"),
    QT_TRANSLATE_NOOP("Page", "Sun times need the place: set it below (or use this phone's location), then save."),
    QT_TRANSLATE_NOOP("Page", "As written in the settings"),
    QT_TRANSLATE_NOOP("Page", "Save the entry"),
    QT_TRANSLATE_NOOP("Page", "Cancel"),
    QT_TRANSLATE_NOOP("Page", "Place, for sunrise and sunset"),
    QT_TRANSLATE_NOOP("Page", "Latitude"),
    QT_TRANSLATE_NOOP("Page", "Longitude"),
    QT_TRANSLATE_NOOP("Page", "Use this phone's location"),
    QT_TRANSLATE_NOOP("Page", "Save the place"),
    QT_TRANSLATE_NOOP("Page", "The days ahead"),
    QT_TRANSLATE_NOOP("Page", "Mon"),
    QT_TRANSLATE_NOOP("Page", "Tue"),
    QT_TRANSLATE_NOOP("Page", "Wed"),
    QT_TRANSLATE_NOOP("Page", "Thu"),
    QT_TRANSLATE_NOOP("Page", "Fri"),
    QT_TRANSLATE_NOOP("Page", "Sat"),
    QT_TRANSLATE_NOOP("Page", "Sun"),
    QT_TRANSLATE_NOOP("Page", "Change"),
    QT_TRANSLATE_NOOP("Page", "No schedule: the show plays when it is started."),
    QT_TRANSLATE_NOOP("Page", "The schedule is off (Enabled=0 in the settings)."),
    QT_TRANSLATE_NOOP("Page", "Asking the browser…"),
    // Built by the scripts with t(), %1... filled in there.
    QT_TRANSLATE_NOOP("Page", "The eight lamps: unknown, Lampotron does not answer"),
    QT_TRANSLATE_NOOP("Page", "Lampotron answered %1 %2."),
    QT_TRANSLATE_NOOP("Page", "Lamp %1: on"),
    QT_TRANSLATE_NOOP("Page", "Lamp %1: off"),
    QT_TRANSLATE_NOOP("Page", "stopped; follows %1"),
    QT_TRANSLATE_NOOP("Page", "following %1; no data since %2"),
    QT_TRANSLATE_NOOP("Page", "following %1"),
    QT_TRANSLATE_NOOP("Page", "stopped; the scheme has %1 rows"),
    QT_TRANSLATE_NOOP("Page", "paused: “%1” alone"),
    QT_TRANSLATE_NOOP("Page", "paused: the scheme, %1 rows"),
    QT_TRANSLATE_NOOP("Page", "playing: “%1” alone"),
    QT_TRANSLATE_NOOP("Page", "playing: the scheme, %1 rows"),
    QT_TRANSLATE_NOOP("Page", "%1 — not found now"),
    QT_TRANSLATE_NOOP("Page", "Fewer repeats of %1"),
    QT_TRANSLATE_NOOP("Page", "More repeats of %1"),
    QT_TRANSLATE_NOOP("Page", "Play %1 alone"),
    QT_TRANSLATE_NOOP("Page", "(%1 ticked)"),
    QT_TRANSLATE_NOOP("Page", "The key was refused."),
    QT_TRANSLATE_NOOP("Page", "offline, trying again in %1 s"),
    QT_TRANSLATE_NOOP("Page", "These %1 steps take %2 bytes to send, more than the %3 the program takes at once; delete some steps, or leave the time empty on some."),
    QT_TRANSLATE_NOOP("Page", "“%1” (built-in, cannot be changed)"),
    QT_TRANSLATE_NOOP("Page", "Pattern “%1”"),
    QT_TRANSLATE_NOOP("Page", "Step %1"),
    QT_TRANSLATE_NOOP("Page", "Step %1, lamp %2"),
    QT_TRANSLATE_NOOP("Page", "delay"),
    QT_TRANSLATE_NOOP("Page", "Step %1: time in ms, empty for the delay"),
    QT_TRANSLATE_NOOP("Page", "Duplicate step %1"),
    QT_TRANSLATE_NOOP("Page", "Dup"),
    QT_TRANSLATE_NOOP("Page", "Move step %1 up"),
    QT_TRANSLATE_NOOP("Page", "Move step %1 down"),
    QT_TRANSLATE_NOOP("Page", "Delete step %1"),
    QT_TRANSLATE_NOOP("Page", "A step lasts %1 to %2 ms; leave the time empty for the delay."),
    QT_TRANSLATE_NOOP("Page", "Give the pattern a name first."),
    QT_TRANSLATE_NOOP("Page", "Rename “%1” to:"),
    QT_TRANSLATE_NOOP("Page", "Delete the pattern “%1”? This cannot be undone."),
    QT_TRANSLATE_NOOP("Page", "Download %1 as an FSEQ sequence"),
    QT_TRANSLATE_NOOP("Page", "Lampotron answered %1."),
    QT_TRANSLATE_NOOP("Page", "Sending… %1 %"),
    QT_TRANSLATE_NOOP("Page", "The file is over %1 MiB, more than Lampotron takes."),
    QT_TRANSLATE_NOOP("Page", "“%1”: %2 steps from %3 frames of %4 ms."),
    QT_TRANSLATE_NOOP("Page", "built-in, %1 steps"),
    QT_TRANSLATE_NOOP("Page", "%1 steps"),
    QT_TRANSLATE_NOOP("Page", "View"),
    QT_TRANSLATE_NOOP("Page", "View %1"),
    QT_TRANSLATE_NOOP("Page", "Edit %1"),
    QT_TRANSLATE_NOOP("Page", "Copy %1 as a new pattern"),
    QT_TRANSLATE_NOOP("Page", "+ scheme"),
    QT_TRANSLATE_NOOP("Page", "Add %1 to the scheme"),
    QT_TRANSLATE_NOOP("Page", "Copy “%1” as:"),
    QT_TRANSLATE_NOOP("Page", "A scheme holds at most %1 patterns."),
    QT_TRANSLATE_NOOP("Page", "Take %1 out of the scheme"),
    QT_TRANSLATE_NOOP("Page", "none in the year ahead"),
    QT_TRANSLATE_NOOP("Page", "today at %1 (entry %2)"),
    QT_TRANSLATE_NOOP("Page", "%1 at %2 (entry %3)"),
    QT_TRANSLATE_NOOP("Page", "on at %1"),
    QT_TRANSLATE_NOOP("Page", "off at %1"),
    QT_TRANSLATE_NOOP("Page", "on %1"),
    QT_TRANSLATE_NOOP("Page", "every day"),
    QT_TRANSLATE_NOOP("Page", "from %1 to %2"),
    QT_TRANSLATE_NOOP("Page", "ends after the last row"),
    QT_TRANSLATE_NOOP("Page", "plays %1"),
    QT_TRANSLATE_NOOP("Page", "plays the scheme"),
    QT_TRANSLATE_NOOP("Page", "Next on: %1. Next off: %2."),
    QT_TRANSLATE_NOOP("Page", "On now. %1"),
    QT_TRANSLATE_NOOP("Page", "Change entry %1"),
    QT_TRANSLATE_NOOP("Page", "Delete entry %1"),
    QT_TRANSLATE_NOOP("Page", "Delete entry %1: %2?"),
    QT_TRANSLATE_NOOP("Page", "%1–%2 next day (entry %3)"),
    QT_TRANSLATE_NOOP("Page", "%1–%2 (entry %3)"),
    QT_TRANSLATE_NOOP("Page", "off"),
    QT_TRANSLATE_NOOP("Page", "at sunset"),
    QT_TRANSLATE_NOOP("Page", "at sunrise"),
    QT_TRANSLATE_NOOP("Page", "at dusk"),
    QT_TRANSLATE_NOOP("Page", "at dawn"),
    QT_TRANSLATE_NOOP("Page", "at a clock time"),
    QT_TRANSLATE_NOOP("Page", "sunset"),
    QT_TRANSLATE_NOOP("Page", "sunrise"),
    QT_TRANSLATE_NOOP("Page", "dusk"),
    QT_TRANSLATE_NOOP("Page", "dawn"),
    QT_TRANSLATE_NOOP("Page", "the scheme"),
    QT_TRANSLATE_NOOP("Page", "Entry %1"),
    QT_TRANSLATE_NOOP("Page", "This browser gives the location only to a page over HTTPS. Type the latitude and longitude instead: a map app shows them when you touch your place."),
    QT_TRANSLATE_NOOP("Page", "Found; save the place to use it."),
    QT_TRANSLATE_NOOP("Page", "No location: %1. Type it instead."),
    QT_TRANSLATE_NOOP("Page", "the browser refused"),
};

} // namespace

// browserLanguages as Accept-Language has them: "de-DE,de;q=0.9,en;q=0.8".
QJsonObject forBrowser(const QString &setting, const QByteArray &browserLanguages)
{
    QStringList wanted;
    for (const QByteArray &part : browserLanguages.left(MaxLanguagesBytes).split(','))
        wanted << QString::fromLatin1(part.split(';').first().trimmed().left(35));
    const QString chosen = language::choose(setting, wanted, language::available());
    const auto translator = language::load(chosen);
    QJsonObject texts;
    if (translator) {
        for (const char *source : Sources)
            texts.insert(QString::fromUtf8(source), translator->translate("Page", source));
        for (int index = 0; index < effects::Count; ++index) {
            const pattern::Effect *effect = pattern::effect(index);
            texts.insert(pattern::caption(*effect), translator->translate("Effect", effect->caption.data()));
        }
    }
    return {{QStringLiteral("language"), chosen}, {QStringLiteral("texts"), texts}};
}

} // namespace pageTexts
