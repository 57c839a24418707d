<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>Effect</name>
    <message>
        <source>бегущий вправо</source>
        <translation>running right</translation>
    </message>
    <message>
        <source>бегущий влево</source>
        <translation>running left</translation>
    </message>
    <message>
        <source>наполнение</source>
        <translation>filling</translation>
    </message>
    <message>
        <source>убывание</source>
        <translation>draining</translation>
    </message>
    <message>
        <source>схождение</source>
        <translation>converging</translation>
    </message>
    <message>
        <source>расхождение</source>
        <translation>diverging</translation>
    </message>
    <message>
        <source>цепь двойная</source>
        <translation>double chain</translation>
    </message>
    <message>
        <source>цепь вправо</source>
        <translation>chain right</translation>
    </message>
    <message>
        <source>чередование</source>
        <translation>alternating</translation>
    </message>
    <message>
        <source>перебор схожд.</source>
        <translation>sweep inward</translation>
    </message>
    <message>
        <source>перебор вправо</source>
        <translation>sweep right</translation>
    </message>
    <message>
        <source>бегущий парный</source>
        <translation>running pair</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Port not presents</source>
        <translation>Port not presents</translation>
    </message>
    <message>
        <source>The settings could not be read; the defaults are used until they can be.</source>
        <translation>The settings could not be read; the defaults are used until they can be.</translation>
    </message>
    <message>
        <source>The program is damaged, please reinstall.</source>
        <translation>The program is damaged, please reinstall.</translation>
    </message>
    <message>
        <source>Port is active</source>
        <translation>Port is active</translation>
    </message>
    <message>
        <source>Port lost</source>
        <translation>Port lost</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>The settings could not be saved.</translation>
    </message>
    <message>
        <source>effects stopped</source>
        <translation>effects stopped</translation>
    </message>
    <message>
        <source>effects paused</source>
        <translation>effects paused</translation>
    </message>
    <message>
        <source>effect %1 started</source>
        <translation>effect %1 started</translation>
    </message>
    <message>
        <source>effects started</source>
        <translation>effects started</translation>
    </message>
    <message>
        <source>following %1</source>
        <translation>following %1</translation>
    </message>
    <message>
        <source>; no data since %1</source>
        <translation>; no data since %1</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>connecting…</source>
        <translation>connecting…</translation>
    </message>
    <message>
        <source>This page needs its key</source>
        <translation>This page needs its key</translation>
    </message>
    <message>
        <source>On the computer that runs Lampotron, run</source>
        <translation>On the computer that runs Lampotron, run</translation>
    </message>
    <message>
        <source>shows the same.</source>
        <translation>shows the same.</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>stopped</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Back to the scheme</source>
        <translation>Back to the scheme</translation>
    </message>
    <message>
        <source>Delay between rows (задержка)</source>
        <translation>Delay between rows (задержка)</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>closed</translation>
    </message>
    <message>
        <source>open</source>
        <translation>open</translation>
    </message>
    <message>
        <source>Open (порт)</source>
        <translation>Open (порт)</translation>
    </message>
    <message>
        <source>All lamps off</source>
        <translation>All lamps off</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effects</translation>
    </message>
    <message>
        <source>Patterns in the scheme</source>
        <translation>Patterns in the scheme</translation>
    </message>
    <message>
        <source>(after the effects)</source>
        <translation>(after the effects)</translation>
    </message>
    <message>
        <source>None: add one with “+ scheme” in the list of patterns.</source>
        <translation>None: add one with “+ scheme” in the list of patterns.</translation>
    </message>
    <message>
        <source>Build the scheme (установка)</source>
        <translation>Build the scheme (установка)</translation>
    </message>
    <message>
        <source>Patterns</source>
        <translation>Patterns</translation>
    </message>
    <message>
        <source>New pattern</source>
        <translation>New pattern</translation>
    </message>
    <message>
        <source>Import an FSEQ sequence</source>
        <translation>Import an FSEQ sequence</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>First channel</source>
        <translation>First channel</translation>
    </message>
    <message>
        <source>On at or above</source>
        <translation>On at or above</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Pattern</translation>
    </message>
    <message>
        <source>Tap a lamp to switch it; arrow keys move between lamps, Space switches. A step without a time lasts the delay.</source>
        <translation>Tap a lamp to switch it; arrow keys move between lamps, Space switches. A step without a time lasts the delay.</translation>
    </message>
    <message>
        <source>Add step</source>
        <translation>Add step</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Preview on the lamps</source>
        <translation>Preview on the lamps</translation>
    </message>
    <message>
        <source>Reload the saved pattern (drops these edits)</source>
        <translation>Reload the saved pattern (drops these edits)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>The eight lamps</source>
        <translation>The eight lamps</translation>
    </message>
    <message>
        <source>Shorter delay</source>
        <translation>Shorter delay</translation>
    </message>
    <message>
        <source>Longer delay</source>
        <translation>Longer delay</translation>
    </message>
    <message>
        <source>Output to use</source>
        <translation>Output to use</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>live</source>
        <translation>live</translation>
    </message>
    <message>
        <source>no key</source>
        <translation>no key</translation>
    </message>
    <message>
        <source>offline, trying again</source>
        <translation>offline, trying again</translation>
    </message>
    <message>
        <source>(tick at least one to build)</source>
        <translation>(tick at least one to build)</translation>
    </message>
    <message>
        <source>Lampotron does not answer. Is it still running, and is this device on its network?</source>
        <translation>Lampotron does not answer. Is it still running, and is this device on its network?</translation>
    </message>
    <message>
        <source>Switch at once (otherwise the new scheme takes over when the pass under way ends)</source>
        <translation>Switch at once (otherwise the new scheme takes over when the pass under way ends)</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Schedule</translation>
    </message>
    <message>
        <source>Add an entry</source>
        <translation>Add an entry</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>New entry</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Switch on</source>
        <translation>Switch on</translation>
    </message>
    <message>
        <source>On at</source>
        <translation>On at</translation>
    </message>
    <message>
        <source>minutes later (− earlier)</source>
        <translation>minutes later (− earlier)</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Switch off</source>
        <translation>Switch off</translation>
    </message>
    <message>
        <source>Off at</source>
        <translation>Off at</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Days</translation>
    </message>
    <message>
        <source>Plays</source>
        <translation>Plays</translation>
    </message>
    <message>
        <source>At the off time, finish the scheme&apos;s pass first</source>
        <translation>At the off time, finish the scheme&apos;s pass first</translation>
    </message>
    <message>
        <source>Sun times need the place: set it below (or use this phone&apos;s location), then save.</source>
        <translation>Sun times need the place: set it below (or use this phone&apos;s location), then save.</translation>
    </message>
    <message>
        <source>As written in the settings</source>
        <translation>As written in the settings</translation>
    </message>
    <message>
        <source>Save the entry</source>
        <translation>Save the entry</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Place, for sunrise and sunset</source>
        <translation>Place, for sunrise and sunset</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Use this phone&apos;s location</source>
        <translation>Use this phone&apos;s location</translation>
    </message>
    <message>
        <source>Save the place</source>
        <translation>Save the place</translation>
    </message>
    <message>
        <source>The days ahead</source>
        <translation>The days ahead</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mon</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Tue</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Wed</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Thu</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>No schedule: the show plays when it is started.</source>
        <translation>No schedule: the show plays when it is started.</translation>
    </message>
    <message>
        <source>The schedule is off (Enabled=0 in the settings).</source>
        <translation>The schedule is off (Enabled=0 in the settings).</translation>
    </message>
    <message>
        <source>Asking the browser…</source>
        <translation>Asking the browser…</translation>
    </message>
    <message>
        <source>The eight lamps: unknown, Lampotron does not answer</source>
        <translation>The eight lamps: unknown, Lampotron does not answer</translation>
    </message>
    <message>
        <source>Lampotron answered %1 %2.</source>
        <translation>Lampotron answered %1 %2.</translation>
    </message>
    <message>
        <source>Lamp %1: on</source>
        <translation>Lamp %1: on</translation>
    </message>
    <message>
        <source>Lamp %1: off</source>
        <translation>Lamp %1: off</translation>
    </message>
    <message>
        <source>stopped; follows %1</source>
        <translation>stopped; follows %1</translation>
    </message>
    <message>
        <source>following %1; no data since %2</source>
        <translation>following %1; no data since %2</translation>
    </message>
    <message>
        <source>following %1</source>
        <translation>following %1</translation>
    </message>
    <message>
        <source>stopped; the scheme has %1 rows</source>
        <translation>stopped; the scheme has %1 rows</translation>
    </message>
    <message>
        <source>paused: “%1” alone</source>
        <translation>paused: “%1” alone</translation>
    </message>
    <message>
        <source>paused: the scheme, %1 rows</source>
        <translation>paused: the scheme, %1 rows</translation>
    </message>
    <message>
        <source>playing: “%1” alone</source>
        <translation>playing: “%1” alone</translation>
    </message>
    <message>
        <source>playing: the scheme, %1 rows</source>
        <translation>playing: the scheme, %1 rows</translation>
    </message>
    <message>
        <source>%1 — not found now</source>
        <translation>%1 — not found now</translation>
    </message>
    <message>
        <source>Fewer repeats of %1</source>
        <translation>Fewer repeats of %1</translation>
    </message>
    <message>
        <source>More repeats of %1</source>
        <translation>More repeats of %1</translation>
    </message>
    <message>
        <source>Play %1 alone</source>
        <translation>Play %1 alone</translation>
    </message>
    <message>
        <source>(%1 ticked)</source>
        <translation>(%1 ticked)</translation>
    </message>
    <message>
        <source>The key was refused.</source>
        <translation>The key was refused.</translation>
    </message>
    <message>
        <source>offline, trying again in %1 s</source>
        <translation>offline, trying again in %1 s</translation>
    </message>
    <message>
        <source>These %1 steps take %2 bytes to send, more than the %3 the program takes at once; delete some steps, or leave the time empty on some.</source>
        <translation>These %1 steps take %2 bytes to send, more than the %3 the program takes at once; delete some steps, or leave the time empty on some.</translation>
    </message>
    <message>
        <source>“%1” (built-in, cannot be changed)</source>
        <translation>“%1” (built-in, cannot be changed)</translation>
    </message>
    <message>
        <source>Pattern “%1”</source>
        <translation>Pattern “%1”</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Step %1</translation>
    </message>
    <message>
        <source>Step %1, lamp %2</source>
        <translation>Step %1, lamp %2</translation>
    </message>
    <message>
        <source>delay</source>
        <translation>delay</translation>
    </message>
    <message>
        <source>Step %1: time in ms, empty for the delay</source>
        <translation>Step %1: time in ms, empty for the delay</translation>
    </message>
    <message>
        <source>Duplicate step %1</source>
        <translation>Duplicate step %1</translation>
    </message>
    <message>
        <source>Dup</source>
        <translation>Dup</translation>
    </message>
    <message>
        <source>Move step %1 up</source>
        <translation>Move step %1 up</translation>
    </message>
    <message>
        <source>Move step %1 down</source>
        <translation>Move step %1 down</translation>
    </message>
    <message>
        <source>Delete step %1</source>
        <translation>Delete step %1</translation>
    </message>
    <message>
        <source>A step lasts %1 to %2 ms; leave the time empty for the delay.</source>
        <translation>A step lasts %1 to %2 ms; leave the time empty for the delay.</translation>
    </message>
    <message>
        <source>Give the pattern a name first.</source>
        <translation>Give the pattern a name first.</translation>
    </message>
    <message>
        <source>Rename “%1” to:</source>
        <translation>Rename “%1” to:</translation>
    </message>
    <message>
        <source>Delete the pattern “%1”? This cannot be undone.</source>
        <translation>Delete the pattern “%1”? This cannot be undone.</translation>
    </message>
    <message>
        <source>Download %1 as an FSEQ sequence</source>
        <translation>Download %1 as an FSEQ sequence</translation>
    </message>
    <message>
        <source>Lampotron answered %1.</source>
        <translation>Lampotron answered %1.</translation>
    </message>
    <message>
        <source>Sending… %1 %</source>
        <translation>Sending… %1 %</translation>
    </message>
    <message>
        <source>The file is over %1 MiB, more than Lampotron takes.</source>
        <translation>The file is over %1 MiB, more than Lampotron takes.</translation>
    </message>
    <message>
        <source>“%1”: %2 steps from %3 frames of %4 ms.</source>
        <translation>“%1”: %2 steps from %3 frames of %4 ms.</translation>
    </message>
    <message>
        <source>built-in, %1 steps</source>
        <translation>built-in, %1 steps</translation>
    </message>
    <message>
        <source>%1 steps</source>
        <translation>%1 steps</translation>
    </message>
    <message>
        <source>View</source>
        <translation>View</translation>
    </message>
    <message>
        <source>View %1</source>
        <translation>View %1</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Edit %1</translation>
    </message>
    <message>
        <source>Copy %1 as a new pattern</source>
        <translation>Copy %1 as a new pattern</translation>
    </message>
    <message>
        <source>+ scheme</source>
        <translation>+ scheme</translation>
    </message>
    <message>
        <source>Add %1 to the scheme</source>
        <translation>Add %1 to the scheme</translation>
    </message>
    <message>
        <source>Copy “%1” as:</source>
        <translation>Copy “%1” as:</translation>
    </message>
    <message>
        <source>A scheme holds at most %1 patterns.</source>
        <translation>A scheme holds at most %1 patterns.</translation>
    </message>
    <message>
        <source>Take %1 out of the scheme</source>
        <translation>Take %1 out of the scheme</translation>
    </message>
    <message>
        <source>none in the year ahead</source>
        <translation>none in the year ahead</translation>
    </message>
    <message>
        <source>today at %1 (entry %2)</source>
        <translation>today at %1 (entry %2)</translation>
    </message>
    <message>
        <source>%1 at %2 (entry %3)</source>
        <translation>%1 at %2 (entry %3)</translation>
    </message>
    <message>
        <source>on at %1</source>
        <translation>on at %1</translation>
    </message>
    <message>
        <source>off at %1</source>
        <translation>off at %1</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>on %1</translation>
    </message>
    <message>
        <source>every day</source>
        <translation>every day</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>from %1 to %2</translation>
    </message>
    <message>
        <source>ends after the last row</source>
        <translation>ends after the last row</translation>
    </message>
    <message>
        <source>plays %1</source>
        <translation>plays %1</translation>
    </message>
    <message>
        <source>plays the scheme</source>
        <translation>plays the scheme</translation>
    </message>
    <message>
        <source>Next on: %1. Next off: %2.</source>
        <translation>Next on: %1. Next off: %2.</translation>
    </message>
    <message>
        <source>On now. %1</source>
        <translation>On now. %1</translation>
    </message>
    <message>
        <source>Change entry %1</source>
        <translation>Change entry %1</translation>
    </message>
    <message>
        <source>Delete entry %1</source>
        <translation>Delete entry %1</translation>
    </message>
    <message>
        <source>Delete entry %1: %2?</source>
        <translation>Delete entry %1: %2?</translation>
    </message>
    <message>
        <source>%1–%2 next day (entry %3)</source>
        <translation>%1–%2 next day (entry %3)</translation>
    </message>
    <message>
        <source>%1–%2 (entry %3)</source>
        <translation>%1–%2 (entry %3)</translation>
    </message>
    <message>
        <source>off</source>
        <translation>off</translation>
    </message>
    <message>
        <source>at sunset</source>
        <translation>at sunset</translation>
    </message>
    <message>
        <source>at sunrise</source>
        <translation>at sunrise</translation>
    </message>
    <message>
        <source>at dusk</source>
        <translation>at dusk</translation>
    </message>
    <message>
        <source>at dawn</source>
        <translation>at dawn</translation>
    </message>
    <message>
        <source>at a clock time</source>
        <translation>at a clock time</translation>
    </message>
    <message>
        <source>the scheme</source>
        <translation>the scheme</translation>
    </message>
    <message>
        <source>Entry %1</source>
        <translation>Entry %1</translation>
    </message>
    <message>
        <source>This browser gives the location only to a page over HTTPS. Type the latitude and longitude instead: a map app shows them when you touch your place.</source>
        <translation>This browser gives the location only to a page over HTTPS. Type the latitude and longitude instead: a map app shows them when you touch your place.</translation>
    </message>
    <message>
        <source>Found; save the place to use it.</source>
        <translation>Found; save the place to use it.</translation>
    </message>
    <message>
        <source>No location: %1. Type it instead.</source>
        <translation>No location: %1. Type it instead.</translation>
    </message>
    <message>
        <source>the browser refused</source>
        <translation>the browser refused</translation>
    </message>
    <message>
        <source>sunset</source>
        <translation>sunset</translation>
    </message>
    <message>
        <source>sunrise</source>
        <translation>sunrise</translation>
    </message>
    <message>
        <source>dusk</source>
        <translation>dusk</translation>
    </message>
    <message>
        <source>dawn</source>
        <translation>dawn</translation>
    </message>
</context>
<context>
    <name>PatternEditor</name>
    <message>
        <source>&amp;Add step</source>
        <translation>&amp;Add step</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>D&amp;uplicate</translation>
    </message>
    <message>
        <source>&amp;Move up</source>
        <translation>&amp;Move up</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>Move do&amp;wn</translation>
    </message>
    <message>
        <source>De&amp;lete steps</source>
        <translation>De&amp;lete steps</translation>
    </message>
    <message>
        <source>Und&amp;o</source>
        <translation>Und&amp;o</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>Re&amp;do</translation>
    </message>
    <message>
        <source>Add step %1</source>
        <translation>Add step %1</translation>
    </message>
    <message>
        <source>Duplicate steps</source>
        <translation>Duplicate steps</translation>
    </message>
    <message>
        <source>Move step %1</source>
        <translation>Move step %1</translation>
    </message>
    <message>
        <source>Delete steps</source>
        <translation>Delete steps</translation>
    </message>
</context>
<context>
    <name>PatternsDialog</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Rename…</translation>
    </message>
    <message>
        <source>Dele&amp;te</source>
        <translation>Dele&amp;te</translation>
    </message>
    <message>
        <source>Pre&amp;view on the lamps</source>
        <translation>Pre&amp;view on the lamps</translation>
    </message>
    <message>
        <source>Patterns</source>
        <translation>Patterns</translation>
    </message>
    <message>
        <source>&amp;New…</source>
        <translation>&amp;New…</translation>
    </message>
    <message>
        <source>&amp;Copy…</source>
        <translation>&amp;Copy…</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Play</translation>
    </message>
    <message>
        <source>Plays the saved pattern alone, in a loop.</source>
        <translation>Plays the saved pattern alone, in a loop.</translation>
    </message>
    <message>
        <source>Patt&amp;erns:</source>
        <translation>Patt&amp;erns:</translation>
    </message>
    <message>
        <source>%1 (built-in)</source>
        <translation>%1 (built-in)</translation>
    </message>
    <message>
        <source>A built-in effect: it cannot be changed; Copy makes one you can edit.</source>
        <translation>A built-in effect: it cannot be changed; Copy makes one you can edit.</translation>
    </message>
    <message>
        <source>There is no pattern &quot;%1&quot; any more; it may have been deleted elsewhere.</source>
        <translation>There is no pattern &quot;%1&quot; any more; it may have been deleted elsewhere.</translation>
    </message>
    <message>
        <source>%1: a built-in effect, read-only. Copy it to make one you can change.</source>
        <translation>%1: a built-in effect, read-only. Copy it to make one you can change.</translation>
    </message>
    <message>
        <source>%1: click a lamp or press Space to light or darken it; type a time in ms, or leave it empty for the delay.</source>
        <translation>%1: click a lamp or press Space to light or darken it; type a time in ms, or leave it empty for the delay.</translation>
    </message>
    <message>
        <source> (not saved)</source>
        <translation> (not saved)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is saved.</source>
        <translation>&quot;%1&quot; is saved.</translation>
    </message>
    <message>
        <source>Reload shows the stored steps and drops yours. Keep editing leaves yours here; Copy saves them under another name.</source>
        <translation>Reload shows the stored steps and drops yours. Keep editing leaves yours here; Copy saves them under another name.</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>Keep editing</source>
        <translation>Keep editing</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is now &quot;%2&quot;.</source>
        <translation>&quot;%1&quot; is now &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>%1 copy</source>
        <translation>%1 copy</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is saved; edit it here.</source>
        <translation>&quot;%1&quot; is saved; edit it here.</translation>
    </message>
    <message>
        <source>New pattern</source>
        <translation>New pattern</translation>
    </message>
    <message>
        <source>Delete the pattern &quot;%1&quot;? This cannot be undone.</source>
        <translation>Delete the pattern &quot;%1&quot;? This cannot be undone.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is deleted.</source>
        <translation>&quot;%1&quot; is deleted.</translation>
    </message>
    <message>
        <source>The preview cannot play this: %1</source>
        <translation>The preview cannot play this: %1</translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; are not saved.</source>
        <translation>The changes to &quot;%1&quot; are not saved.</translation>
    </message>
    <message>
        <source>Discard them, or cancel and save them first.</source>
        <translation>Discard them, or cancel and save them first.</translation>
    </message>
    <message>
        <source>Name, at most %1 characters:</source>
        <translation>Name, at most %1 characters:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cannot follow %1: %2</source>
        <translation>Cannot follow %1: %2</translation>
    </message>
</context>
<context>
    <name>RemoteDialog</name>
    <message>
        <source>Remote</source>
        <translation>Remote</translation>
    </message>
    <message>
        <source>Scan the code with a phone, or open the address in a browser. Anyone with this address can control the lamps.</source>
        <translation>Scan the code with a phone, or open the address in a browser. Anyone with this address can control the lamps.</translation>
    </message>
    <message>
        <source>If the phone cannot open it, try:</source>
        <translation>If the phone cannot open it, try:</translation>
    </message>
</context>
<context>
    <name>StepListModel</name>
    <message>
        <source>%1 in step %2</source>
        <translation>%1 in step %2</translation>
    </message>
    <message>
        <source>delay</source>
        <translation>delay</translation>
    </message>
    <message>
        <source>%1 to %2 ms; empty: the player&apos;s delay</source>
        <translation>%1 to %2 ms; empty: the player&apos;s delay</translation>
    </message>
    <message>
        <source>lit</source>
        <translation>lit</translation>
    </message>
    <message>
        <source>dark</source>
        <translation>dark</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a step time: type %2 to %3 ms, or leave it empty for the delay.</source>
        <translation>&quot;%1&quot; is not a step time: type %2 to %3 ms, or leave it empty for the delay.</translation>
    </message>
    <message>
        <source>Time of step %1</source>
        <translation>Time of step %1</translation>
    </message>
    <message>
        <source>Lamp %1</source>
        <translation>Lamp %1</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Output</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Patterns…</source>
        <translation>Patterns…</translation>
    </message>
    <message>
        <source>Remote…</source>
        <translation>Remote…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Lampotron (%1)</source>
        <translation>Lampotron (%1)</translation>
    </message>
    <message>
        <source>searching…</source>
        <translation>searching…</translation>
    </message>
    <message>
        <source>not found now</source>
        <translation>not found now</translation>
    </message>
    <message>
        <source>Remote: on</source>
        <translation>Remote: on</translation>
    </message>
    <message>
        <source>Remote: off</source>
        <translation>Remote: off</translation>
    </message>
    <message>
        <source>Follow the schedule</source>
        <translation>Follow the schedule</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>порт</source>
        <translation>port</translation>
    </message>
    <message>
        <source>пуск</source>
        <translation>start</translation>
    </message>
    <message>
        <source>стор</source>
        <translation>stop</translation>
    </message>
    <message>
        <source>пауза</source>
        <translation>pause</translation>
    </message>
    <message>
        <source>Speed (ms)</source>
        <translation>Speed (ms)</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>stopped</translation>
    </message>
    <message>
        <source>Selected effects:</source>
        <translation>Selected effects:</translation>
    </message>
    <message>
        <source>задержка:</source>
        <translation>delay:</translation>
    </message>
    <message>
        <source>схема</source>
        <translation>scheme</translation>
    </message>
    <message>
        <source>выход</source>
        <translation>exit</translation>
    </message>
    <message>
        <source>Эффект                Повтор</source>
        <translation>Effect                Repeat</translation>
    </message>
    <message>
        <source>установка</source>
        <translation>setup</translation>
    </message>
    <message>
        <source>скрыть</source>
        <translation>hide</translation>
    </message>
</context>
</TS>
