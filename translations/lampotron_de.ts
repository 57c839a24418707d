<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="ru">
<context>
    <name>Effect</name>
    <message>
        <source>бегущий вправо</source>
        <translation>Lauf rechts</translation>
    </message>
    <message>
        <source>бегущий влево</source>
        <translation>Lauf links</translation>
    </message>
    <message>
        <source>наполнение</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>убывание</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>схождение</source>
        <translation>Zusammen</translation>
    </message>
    <message>
        <source>расхождение</source>
        <translation>Auseinander</translation>
    </message>
    <message>
        <source>цепь двойная</source>
        <translation>Doppelkette</translation>
    </message>
    <message>
        <source>цепь вправо</source>
        <translation>Kette rechts</translation>
    </message>
    <message>
        <source>чередование</source>
        <translation>Wechsel</translation>
    </message>
    <message>
        <source>перебор схожд.</source>
        <translation>Durchlauf innen</translation>
    </message>
    <message>
        <source>перебор вправо</source>
        <translation>Durchlauf rechts</translation>
    </message>
    <message>
        <source>бегущий парный</source>
        <translation>Paarlauf</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Port not presents</source>
        <translation>Port nicht vorhanden</translation>
    </message>
    <message>
        <source>The settings could not be read; the defaults are used until they can be.</source>
        <translation>Die Einstellungen konnten nicht gelesen werden; bis dahin gelten die Vorgaben.</translation>
    </message>
    <message>
        <source>The program is damaged, please reinstall.</source>
        <translation>Das Programm ist beschädigt, bitte neu installieren.</translation>
    </message>
    <message>
        <source>Port is active</source>
        <translation>Port ist aktiv</translation>
    </message>
    <message>
        <source>Port lost</source>
        <translation>Port verloren</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>effects stopped</source>
        <translation>Effekte gestoppt</translation>
    </message>
    <message>
        <source>effects paused</source>
        <translation>Effekte angehalten</translation>
    </message>
    <message>
        <source>effect %1 started</source>
        <translation>Effekt %1 gestartet</translation>
    </message>
    <message>
        <source>effects started</source>
        <translation>Effekte gestartet</translation>
    </message>
    <message>
        <source>following %1</source>
        <translation>folgt %1</translation>
    </message>
    <message>
        <source>; no data since %1</source>
        <translation>; keine Daten seit %1</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>connecting…</source>
        <translation>verbinde…</translation>
    </message>
    <message>
        <source>This page needs its key</source>
        <translation>Diese Seite braucht ihren Schlüssel</translation>
    </message>
    <message>
        <source>On the computer that runs Lampotron, run</source>
        <translation>Auf dem Rechner, auf dem Lampotron läuft, führen Sie aus</translation>
    </message>
    <message>
        <source>shows the same.</source>
        <translation>zeigt dasselbe.</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>gestoppt</translation>
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
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Back to the scheme</source>
        <translation>Zurück zum Schema</translation>
    </message>
    <message>
        <source>Delay between rows (задержка)</source>
        <translation>Intervall zwischen Zeilen (задержка)</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgang</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>geschlossen</translation>
    </message>
    <message>
        <source>open</source>
        <translation>offen</translation>
    </message>
    <message>
        <source>Open (порт)</source>
        <translation>Öffnen (порт)</translation>
    </message>
    <message>
        <source>All lamps off</source>
        <translation>Alle Lampen aus</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effekte</translation>
    </message>
    <message>
        <source>Patterns in the scheme</source>
        <translation>Muster im Schema</translation>
    </message>
    <message>
        <source>(after the effects)</source>
        <translation>(nach den Effekten)</translation>
    </message>
    <message>
        <source>None: add one with “+ scheme” in the list of patterns.</source>
        <translation>Keine: fügen Sie eines mit „+ Schema“ in der Musterliste hinzu.</translation>
    </message>
    <message>
        <source>Build the scheme (установка)</source>
        <translation>Schema aufbauen (установка)</translation>
    </message>
    <message>
        <source>Patterns</source>
        <translation>Muster</translation>
    </message>
    <message>
        <source>New pattern</source>
        <translation>Neues Muster</translation>
    </message>
    <message>
        <source>Import an FSEQ sequence</source>
        <translation>Eine FSEQ-Sequenz importieren</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>First channel</source>
        <translation>Erster Kanal</translation>
    </message>
    <message>
        <source>On at or above</source>
        <translation>An ab</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Muster</translation>
    </message>
    <message>
        <source>Tap a lamp to switch it; arrow keys move between lamps, Space switches. A step without a time lasts the delay.</source>
        <translation>Tippen Sie auf eine Lampe, um sie umzuschalten; Pfeiltasten wechseln die Lampe, die Leertaste schaltet. Ein Schritt ohne Zeit dauert ein Intervall.</translation>
    </message>
    <message>
        <source>Add step</source>
        <translation>Schritt hinzufügen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Preview on the lamps</source>
        <translation>Vorschau auf den Lampen</translation>
    </message>
    <message>
        <source>Reload the saved pattern (drops these edits)</source>
        <translation>Gespeichertes Muster neu laden (verwirft diese Änderungen)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>The eight lamps</source>
        <translation>Die acht Lampen</translation>
    </message>
    <message>
        <source>Shorter delay</source>
        <translation>Kürzeres Intervall</translation>
    </message>
    <message>
        <source>Longer delay</source>
        <translation>Längeres Intervall</translation>
    </message>
    <message>
        <source>Output to use</source>
        <translation>Zu nutzender Ausgang</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>live</source>
        <translation>live</translation>
    </message>
    <message>
        <source>no key</source>
        <translation>kein Schlüssel</translation>
    </message>
    <message>
        <source>offline, trying again</source>
        <translation>offline, neuer Versuch</translation>
    </message>
    <message>
        <source>(tick at least one to build)</source>
        <translation>(mindestens einen ankreuzen, um aufzubauen)</translation>
    </message>
    <message>
        <source>Lampotron does not answer. Is it still running, and is this device on its network?</source>
        <translation>Lampotron antwortet nicht. Läuft es noch, und ist dieses Gerät in seinem Netz?</translation>
    </message>
    <message>
        <source>Switch at once (otherwise the new scheme takes over when the pass under way ends)</source>
        <translation>Sofort umschalten (sonst übernimmt das neue Schema, wenn der laufende Durchgang endet)</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Zeitplan</translation>
    </message>
    <message>
        <source>Add an entry</source>
        <translation>Eintrag hinzufügen</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>Neuer Eintrag</translation>
    </message>
    <message>
        <source>On</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Switch on</source>
        <translation>Einschalten</translation>
    </message>
    <message>
        <source>On at</source>
        <translation>An um</translation>
    </message>
    <message>
        <source>minutes later (− earlier)</source>
        <translation>Minuten später (− früher)</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Switch off</source>
        <translation>Ausschalten</translation>
    </message>
    <message>
        <source>Off at</source>
        <translation>Aus um</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Plays</source>
        <translation>Spielt</translation>
    </message>
    <message>
        <source>At the off time, finish the scheme&apos;s pass first</source>
        <translation>Zur Ausschaltzeit erst den Durchgang des Schemas beenden</translation>
    </message>
    <message>
        <source>Sun times need the place: set it below (or use this phone&apos;s location), then save.</source>
        <translation>Sonnenzeiten brauchen den Ort: unten eintragen (oder den Standort dieses Telefons nehmen), dann speichern.</translation>
    </message>
    <message>
        <source>As written in the settings</source>
        <translation>Wie in den Einstellungen geschrieben</translation>
    </message>
    <message>
        <source>Save the entry</source>
        <translation>Eintrag speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Place, for sunrise and sunset</source>
        <translation>Ort, für Sonnenauf- und -untergang</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breitengrad</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Längengrad</translation>
    </message>
    <message>
        <source>Use this phone&apos;s location</source>
        <translation>Standort dieses Telefons nehmen</translation>
    </message>
    <message>
        <source>Save the place</source>
        <translation>Ort speichern</translation>
    </message>
    <message>
        <source>The days ahead</source>
        <translation>Die nächsten Tage</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>No schedule: the show plays when it is started.</source>
        <translation>Kein Zeitplan: die Show spielt, wenn sie gestartet wird.</translation>
    </message>
    <message>
        <source>The schedule is off (Enabled=0 in the settings).</source>
        <translation>Der Zeitplan ist aus (Enabled=0 in den Einstellungen).</translation>
    </message>
    <message>
        <source>Asking the browser…</source>
        <translation>Der Browser wird gefragt…</translation>
    </message>
    <message>
        <source>The eight lamps: unknown, Lampotron does not answer</source>
        <translation>Die acht Lampen: unbekannt, Lampotron antwortet nicht</translation>
    </message>
    <message>
        <source>Lampotron answered %1 %2.</source>
        <translation>Lampotron antwortete %1 %2.</translation>
    </message>
    <message>
        <source>Lamp %1: on</source>
        <translation>Lampe %1: an</translation>
    </message>
    <message>
        <source>Lamp %1: off</source>
        <translation>Lampe %1: aus</translation>
    </message>
    <message>
        <source>stopped; follows %1</source>
        <translation>gestoppt; folgt %1</translation>
    </message>
    <message>
        <source>following %1; no data since %2</source>
        <translation>folgt %1; keine Daten seit %2</translation>
    </message>
    <message>
        <source>following %1</source>
        <translation>folgt %1</translation>
    </message>
    <message>
        <source>stopped; the scheme has %1 rows</source>
        <translation>gestoppt; das Schema hat %1 Zeilen</translation>
    </message>
    <message>
        <source>paused: “%1” alone</source>
        <translation>pausiert: nur „%1“</translation>
    </message>
    <message>
        <source>paused: the scheme, %1 rows</source>
        <translation>pausiert: das Schema, %1 Zeilen</translation>
    </message>
    <message>
        <source>playing: “%1” alone</source>
        <translation>spielt: nur „%1“</translation>
    </message>
    <message>
        <source>playing: the scheme, %1 rows</source>
        <translation>spielt: das Schema, %1 Zeilen</translation>
    </message>
    <message>
        <source>%1 — not found now</source>
        <translation>%1 — derzeit nicht gefunden</translation>
    </message>
    <message>
        <source>Fewer repeats of %1</source>
        <translation>Weniger Wiederholungen von %1</translation>
    </message>
    <message>
        <source>More repeats of %1</source>
        <translation>Mehr Wiederholungen von %1</translation>
    </message>
    <message>
        <source>Play %1 alone</source>
        <translation>Nur %1 spielen</translation>
    </message>
    <message>
        <source>(%1 ticked)</source>
        <translation>(%1 angekreuzt)</translation>
    </message>
    <message>
        <source>The key was refused.</source>
        <translation>Der Schlüssel wurde abgelehnt.</translation>
    </message>
    <message>
        <source>offline, trying again in %1 s</source>
        <translation>offline, neuer Versuch in %1 s</translation>
    </message>
    <message>
        <source>These %1 steps take %2 bytes to send, more than the %3 the program takes at once; delete some steps, or leave the time empty on some.</source>
        <translation>Diese %1 Schritte brauchen zum Senden %2 Bytes, mehr als die %3, die das Programm auf einmal annimmt; löschen Sie einige Schritte oder lassen Sie bei einigen die Zeit leer.</translation>
    </message>
    <message>
        <source>“%1” (built-in, cannot be changed)</source>
        <translation>„%1“ (eingebaut, nicht änderbar)</translation>
    </message>
    <message>
        <source>Pattern “%1”</source>
        <translation>Muster „%1“</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Schritt %1</translation>
    </message>
    <message>
        <source>Step %1, lamp %2</source>
        <translation>Schritt %1, Lampe %2</translation>
    </message>
    <message>
        <source>delay</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Step %1: time in ms, empty for the delay</source>
        <translation>Schritt %1: Zeit in ms, leer für das Intervall</translation>
    </message>
    <message>
        <source>Duplicate step %1</source>
        <translation>Schritt %1 verdoppeln</translation>
    </message>
    <message>
        <source>Dup</source>
        <translation>Dopp.</translation>
    </message>
    <message>
        <source>Move step %1 up</source>
        <translation>Schritt %1 nach oben</translation>
    </message>
    <message>
        <source>Move step %1 down</source>
        <translation>Schritt %1 nach unten</translation>
    </message>
    <message>
        <source>Delete step %1</source>
        <translation>Schritt %1 löschen</translation>
    </message>
    <message>
        <source>A step lasts %1 to %2 ms; leave the time empty for the delay.</source>
        <translation>Ein Schritt dauert %1 bis %2 ms; lassen Sie die Zeit für das Intervall leer.</translation>
    </message>
    <message>
        <source>Give the pattern a name first.</source>
        <translation>Geben Sie dem Muster zuerst einen Namen.</translation>
    </message>
    <message>
        <source>Rename “%1” to:</source>
        <translation>„%1“ umbenennen in:</translation>
    </message>
    <message>
        <source>Delete the pattern “%1”? This cannot be undone.</source>
        <translation>Das Muster „%1“ löschen? Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>Download %1 as an FSEQ sequence</source>
        <translation>%1 als FSEQ-Sequenz herunterladen</translation>
    </message>
    <message>
        <source>Lampotron answered %1.</source>
        <translation>Lampotron antwortete %1.</translation>
    </message>
    <message>
        <source>Sending… %1 %</source>
        <translation>Wird gesendet… %1 %</translation>
    </message>
    <message>
        <source>The file is over %1 MiB, more than Lampotron takes.</source>
        <translation>Die Datei ist größer als %1 MiB, mehr als Lampotron annimmt.</translation>
    </message>
    <message>
        <source>“%1”: %2 steps from %3 frames of %4 ms.</source>
        <translation>„%1“: %2 Schritte aus %3 Frames zu je %4 ms.</translation>
    </message>
    <message>
        <source>built-in, %1 steps</source>
        <translation>eingebaut, %1 Schritte</translation>
    </message>
    <message>
        <source>%1 steps</source>
        <translation>%1 Schritte</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansehen</translation>
    </message>
    <message>
        <source>View %1</source>
        <translation>%1 ansehen</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
    <message>
        <source>Copy %1 as a new pattern</source>
        <translation>%1 als neues Muster kopieren</translation>
    </message>
    <message>
        <source>+ scheme</source>
        <translation>+ Schema</translation>
    </message>
    <message>
        <source>Add %1 to the scheme</source>
        <translation>%1 zum Schema hinzufügen</translation>
    </message>
    <message>
        <source>Copy “%1” as:</source>
        <translation>„%1“ kopieren als:</translation>
    </message>
    <message>
        <source>A scheme holds at most %1 patterns.</source>
        <translation>Ein Schema fasst höchstens %1 Muster.</translation>
    </message>
    <message>
        <source>Take %1 out of the scheme</source>
        <translation>%1 aus dem Schema nehmen</translation>
    </message>
    <message>
        <source>none in the year ahead</source>
        <translation>keins im kommenden Jahr</translation>
    </message>
    <message>
        <source>today at %1 (entry %2)</source>
        <translation>heute um %1 (Eintrag %2)</translation>
    </message>
    <message>
        <source>%1 at %2 (entry %3)</source>
        <translation>%1 um %2 (Eintrag %3)</translation>
    </message>
    <message>
        <source>on at %1</source>
        <translation>an: %1</translation>
    </message>
    <message>
        <source>off at %1</source>
        <translation>aus: %1</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>Tage: %1</translation>
    </message>
    <message>
        <source>every day</source>
        <translation>jeden Tag</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>vom %1 bis %2</translation>
    </message>
    <message>
        <source>ends after the last row</source>
        <translation>endet nach der letzten Zeile</translation>
    </message>
    <message>
        <source>plays %1</source>
        <translation>spielt %1</translation>
    </message>
    <message>
        <source>plays the scheme</source>
        <translation>spielt das Schema</translation>
    </message>
    <message>
        <source>Next on: %1. Next off: %2.</source>
        <translation>Nächstes An: %1. Nächstes Aus: %2.</translation>
    </message>
    <message>
        <source>On now. %1</source>
        <translation>Jetzt an. %1</translation>
    </message>
    <message>
        <source>Change entry %1</source>
        <translation>Eintrag %1 ändern</translation>
    </message>
    <message>
        <source>Delete entry %1</source>
        <translation>Eintrag %1 löschen</translation>
    </message>
    <message>
        <source>Delete entry %1: %2?</source>
        <translation>Eintrag %1 löschen: %2?</translation>
    </message>
    <message>
        <source>%1–%2 next day (entry %3)</source>
        <translation>%1–%2 am Folgetag (Eintrag %3)</translation>
    </message>
    <message>
        <source>%1–%2 (entry %3)</source>
        <translation>%1–%2 (Eintrag %3)</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>at sunset</source>
        <translation>bei Sonnenuntergang</translation>
    </message>
    <message>
        <source>at sunrise</source>
        <translation>bei Sonnenaufgang</translation>
    </message>
    <message>
        <source>at dusk</source>
        <translation>in der Abenddämmerung</translation>
    </message>
    <message>
        <source>at dawn</source>
        <translation>in der Morgendämmerung</translation>
    </message>
    <message>
        <source>at a clock time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>the scheme</source>
        <translation>das Schema</translation>
    </message>
    <message>
        <source>Entry %1</source>
        <translation>Eintrag %1</translation>
    </message>
    <message>
        <source>This browser gives the location only to a page over HTTPS. Type the latitude and longitude instead: a map app shows them when you touch your place.</source>
        <translation>Dieser Browser gibt den Standort nur an eine Seite über HTTPS. Geben Sie stattdessen Breiten- und Längengrad ein: eine Karten-App zeigt sie, wenn Sie Ihren Ort antippen.</translation>
    </message>
    <message>
        <source>Found; save the place to use it.</source>
        <translation>Gefunden; speichern Sie den Ort, um ihn zu nutzen.</translation>
    </message>
    <message>
        <source>No location: %1. Type it instead.</source>
        <translation>Kein Standort: %1. Geben Sie ihn stattdessen ein.</translation>
    </message>
    <message>
        <source>the browser refused</source>
        <translation>der Browser hat abgelehnt</translation>
    </message>
    <message>
        <source>sunset</source>
        <translation>Sonnenuntergang</translation>
    </message>
    <message>
        <source>sunrise</source>
        <translation>Sonnenaufgang</translation>
    </message>
    <message>
        <source>dusk</source>
        <translation>Abenddämmerung</translation>
    </message>
    <message>
        <source>dawn</source>
        <translation>Morgendämmerung</translation>
    </message>
</context>
<context>
    <name>PatternEditor</name>
    <message>
        <source>&amp;Add step</source>
        <translation>Schritt &amp;hinzufügen</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>D&amp;uplizieren</translation>
    </message>
    <message>
        <source>&amp;Move up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>De&amp;lete steps</source>
        <translation>Schritte &amp;löschen</translation>
    </message>
    <message>
        <source>Und&amp;o</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Add step %1</source>
        <translation>Schritt %1 hinzufügen</translation>
    </message>
    <message>
        <source>Duplicate steps</source>
        <translation>Schritte duplizieren</translation>
    </message>
    <message>
        <source>Move step %1</source>
        <translation>Schritt %1 verschieben</translation>
    </message>
    <message>
        <source>Delete steps</source>
        <translation>Schritte löschen</translation>
    </message>
</context>
<context>
    <name>PatternsDialog</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Umbenennen…</translation>
    </message>
    <message>
        <source>Dele&amp;te</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Pre&amp;view on the lamps</source>
        <translation>&amp;Vorschau auf den Lampen</translation>
    </message>
    <message>
        <source>Patterns</source>
        <translation>Muster</translation>
    </message>
    <message>
        <source>&amp;New…</source>
        <translation>&amp;Neu…</translation>
    </message>
    <message>
        <source>&amp;Copy…</source>
        <translation>&amp;Kopieren…</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
    <message>
        <source>Plays the saved pattern alone, in a loop.</source>
        <translation>Spielt das gespeicherte Muster allein, in einer Schleife.</translation>
    </message>
    <message>
        <source>Patt&amp;erns:</source>
        <translation>&amp;Muster:</translation>
    </message>
    <message>
        <source>%1 (built-in)</source>
        <translation>%1 (eingebaut)</translation>
    </message>
    <message>
        <source>A built-in effect: it cannot be changed; Copy makes one you can edit.</source>
        <translation>Ein eingebauter Effekt: er kann nicht geändert werden; Kopieren macht einen, den Sie bearbeiten können.</translation>
    </message>
    <message>
        <source>There is no pattern &quot;%1&quot; any more; it may have been deleted elsewhere.</source>
        <translation>Das Muster „%1“ gibt es nicht mehr; es wurde vielleicht anderswo gelöscht.</translation>
    </message>
    <message>
        <source>%1: a built-in effect, read-only. Copy it to make one you can change.</source>
        <translation>%1: ein eingebauter Effekt, nur lesbar. Kopieren Sie ihn, um einen änderbaren zu erhalten.</translation>
    </message>
    <message>
        <source>%1: click a lamp or press Space to light or darken it; type a time in ms, or leave it empty for the delay.</source>
        <translation>%1: Klicken Sie auf eine Lampe oder drücken Sie die Leertaste, um sie ein- oder auszuschalten; geben Sie eine Zeit in ms ein oder lassen Sie sie leer für das Intervall.</translation>
    </message>
    <message>
        <source> (not saved)</source>
        <translation> (nicht gespeichert)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is saved.</source>
        <translation>„%1“ ist gespeichert.</translation>
    </message>
    <message>
        <source>Reload shows the stored steps and drops yours. Keep editing leaves yours here; Copy saves them under another name.</source>
        <translation>Neu laden zeigt die gespeicherten Schritte und verwirft Ihre. Weiter bearbeiten lässt Ihre hier; Kopieren speichert sie unter einem anderen Namen.</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Keep editing</source>
        <translation>Weiter bearbeiten</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is now &quot;%2&quot;.</source>
        <translation>„%1“ heißt jetzt „%2“.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>%1 copy</source>
        <translation>%1 Kopie</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is saved; edit it here.</source>
        <translation>„%1“ ist gespeichert; bearbeiten Sie es hier.</translation>
    </message>
    <message>
        <source>New pattern</source>
        <translation>Neues Muster</translation>
    </message>
    <message>
        <source>Delete the pattern &quot;%1&quot;? This cannot be undone.</source>
        <translation>Das Muster „%1“ löschen? Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is deleted.</source>
        <translation>„%1“ ist gelöscht.</translation>
    </message>
    <message>
        <source>The preview cannot play this: %1</source>
        <translation>Die Vorschau kann das nicht spielen: %1</translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; are not saved.</source>
        <translation>Die Änderungen an „%1“ sind nicht gespeichert.</translation>
    </message>
    <message>
        <source>Discard them, or cancel and save them first.</source>
        <translation>Verwerfen Sie sie, oder brechen Sie ab und speichern Sie sie zuerst.</translation>
    </message>
    <message>
        <source>Name, at most %1 characters:</source>
        <translation>Name, höchstens %1 Zeichen:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cannot follow %1: %2</source>
        <translation>Kann %1 nicht folgen: %2</translation>
    </message>
</context>
<context>
    <name>RemoteDialog</name>
    <message>
        <source>Remote</source>
        <translation>Fernbedienung</translation>
    </message>
    <message>
        <source>Scan the code with a phone, or open the address in a browser. Anyone with this address can control the lamps.</source>
        <translation>Scannen Sie den Code mit einem Telefon oder öffnen Sie die Adresse in einem Browser. Jeder mit dieser Adresse kann die Lampen steuern.</translation>
    </message>
    <message>
        <source>If the phone cannot open it, try:</source>
        <translation>Falls das Telefon sie nicht öffnen kann, versuchen Sie:</translation>
    </message>
</context>
<context>
    <name>StepListModel</name>
    <message>
        <source>%1 in step %2</source>
        <translation>%1 in Schritt %2</translation>
    </message>
    <message>
        <source>delay</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>%1 to %2 ms; empty: the player&apos;s delay</source>
        <translation>%1 bis %2 ms; leer: das Intervall des Players</translation>
    </message>
    <message>
        <source>lit</source>
        <translation>an</translation>
    </message>
    <message>
        <source>dark</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a step time: type %2 to %3 ms, or leave it empty for the delay.</source>
        <translation>„%1“ ist keine Schrittzeit: geben Sie %2 bis %3 ms ein oder lassen Sie sie leer für das Intervall.</translation>
    </message>
    <message>
        <source>Time of step %1</source>
        <translation>Zeit von Schritt %1</translation>
    </message>
    <message>
        <source>Lamp %1</source>
        <translation>Lampe %1</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Output</source>
        <translation>Ausgang</translation>
    </message>
    <message>
        <source>Patterns…</source>
        <translation>Muster…</translation>
    </message>
    <message>
        <source>Remote…</source>
        <translation>Fernbedienung…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Lampotron (%1)</source>
        <translation>Lampotron (%1)</translation>
    </message>
    <message>
        <source>searching…</source>
        <translation>suche…</translation>
    </message>
    <message>
        <source>not found now</source>
        <translation>jetzt nicht gefunden</translation>
    </message>
    <message>
        <source>Remote: on</source>
        <translation>Fernbedienung: an</translation>
    </message>
    <message>
        <source>Remote: off</source>
        <translation>Fernbedienung: aus</translation>
    </message>
    <message>
        <source>Follow the schedule</source>
        <translation>Dem Zeitplan folgen</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>порт</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>пуск</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>стор</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>пауза</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Speed (ms)</source>
        <translation>Tempo (ms)</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>gestoppt</translation>
    </message>
    <message>
        <source>Selected effects:</source>
        <translation>Effekte:</translation>
    </message>
    <message>
        <source>задержка:</source>
        <translation>Intervall:</translation>
    </message>
    <message>
        <source>схема</source>
        <translation>Schema</translation>
    </message>
    <message>
        <source>выход</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Эффект                Повтор</source>
        <translation>Effekt                Wdh.</translation>
    </message>
    <message>
        <source>установка</source>
        <translation>Aufbauen</translation>
    </message>
    <message>
        <source>скрыть</source>
        <translation>Verbergen</translation>
    </message>
</context>
</TS>
