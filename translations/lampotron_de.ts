<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="ru">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1
Try: lampotron --help
</source>
        <translation>%1
Hilfe: lampotron --help
</translation>
    </message>
    <message>
        <source>--schedule takes 1 to 366 days.</source>
        <translation>--schedule nimmt 1 bis 366 Tage.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>--speed, --scheme and --follow go with --play.</source>
        <translation>--speed, --scheme und --follow gehören zu --play.</translation>
    </message>
    <message>
        <source>--speed takes a number of milliseconds, not &quot;%1&quot;.</source>
        <translation>--speed nimmt eine Zahl von Millisekunden, nicht &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--name, --channel and --threshold go with --import-fseq.</source>
        <translation>--name, --channel und --threshold gehören zu --import-fseq.</translation>
    </message>
    <message>
        <source>--out and --frame go with --export-fseq.</source>
        <translation>--out und --frame gehören zu --export-fseq.</translation>
    </message>
    <message>
        <source>Import or export, one at a time.</source>
        <translation>Importieren oder exportieren, eins nach dem anderen.</translation>
    </message>
    <message>
        <source>--channel takes a channel number from 1 on.</source>
        <translation>--channel nimmt eine Kanalnummer ab 1.</translation>
    </message>
    <message>
        <source>--threshold takes a level from 1 to 255.</source>
        <translation>--threshold nimmt einen Pegel von 1 bis 255.</translation>
    </message>
    <message>
        <source>--import-fseq needs --name, the new pattern&apos;s name.</source>
        <translation>--import-fseq braucht --name, den Namen des neuen Musters.</translation>
    </message>
    <message>
        <source>--frame takes 25 or 50 (ms).</source>
        <translation>--frame nimmt 25 oder 50 (ms).</translation>
    </message>
    <message>
        <source>--export-fseq needs --out, the file to write.</source>
        <translation>--export-fseq braucht --out, die zu schreibende Datei.</translation>
    </message>
</context>
<context>
    <name>ConnectionGuard</name>
    <message>
        <source>The request is over %1 bytes.</source>
        <translation>Die Anfrage ist größer als %1 Bytes.</translation>
    </message>
</context>
<context>
    <name>DiskSync</name>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
</context>
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
    <name>FacesFromAfar</name>
    <message>
        <source>This machine is on no network: only a browser on it can open the remote. Connect it to the phone&apos;s network and look again.</source>
        <translation>Dieser Rechner ist in keinem Netz: nur ein Browser auf ihm kann die Fernbedienung öffnen. Verbinden Sie ihn mit dem Netz des Telefons und sehen Sie erneut nach.</translation>
    </message>
    <message>
        <source>this Lampotron was built without it</source>
        <translation>dieses Lampotron wurde ohne sie gebaut</translation>
    </message>
    <message>
        <source>The remote could not be switched on: %1</source>
        <translation>Die Fernbedienung konnte nicht eingeschaltet werden: %1</translation>
    </message>
    <message>
        <source>The remote is off. Switch it on with &quot;Remote: on&quot; in the menu.</source>
        <translation>Die Fernbedienung ist aus. Schalten Sie sie mit „Remote: on“ im Menü ein.</translation>
    </message>
    <message>
        <source>The remote is off. Switch it on with &quot;Remote: on&quot; in the window&apos;s menu, with Remote=0.0.0.0:8080 in the [Setting] section of %1, or with --remote ADDRESS:PORT.</source>
        <translation>Die Fernbedienung ist aus. Schalten Sie sie mit „Remote: on“ im Menü des Fensters ein, mit Remote=0.0.0.0:8080 im Abschnitt [Setting] von %1 oder mit --remote ADDRESS:PORT.</translation>
    </message>
</context>
<context>
    <name>FollowTarget</name>
    <message>
        <source>universe %1 from channel %2</source>
        <translation>Universum %1 ab Kanal %2</translation>
    </message>
    <message>
        <source>universe %1</source>
        <translation>Universum %1</translation>
    </message>
    <message>
        <source>Cannot follow &quot;%1&quot;: %2</source>
        <translation>Kann „%1“ nicht folgen: %2</translation>
    </message>
    <message>
        <source>it is longer than %1 characters.</source>
        <translation>der Text ist länger als %1 Zeichen.</translation>
    </message>
    <message>
        <source>name an OLA universe, as ola:1, or ola:1@9 to start at channel 9.</source>
        <translation>nennen Sie ein OLA-Universum, etwa ola:1, oder ola:1@9, um bei Kanal 9 zu beginnen.</translation>
    </message>
    <message>
        <source>the universe is 1 to %1.</source>
        <translation>das Universum ist 1 bis %1.</translation>
    </message>
    <message>
        <source>the first channel is 1 to %1, so that eight fit in a universe.</source>
        <translation>der erste Kanal ist 1 bis %1, damit acht in ein Universum passen.</translation>
    </message>
    <message>
        <source>the threshold is 1 to 255, not %1.</source>
        <translation>die Schwelle ist 1 bis 255, nicht %1.</translation>
    </message>
    <message>
        <source>the hold time is 0 (for ever) to 3600000 ms.</source>
        <translation>die Haltezeit ist 0 (für immer) bis 3600000 ms.</translation>
    </message>
</context>
<context>
    <name>Follower</name>
    <message>
        <source>Following %1.</source>
        <translation>Folgt %1.</translation>
    </message>
    <message>
        <source>Data from %1 again; following.</source>
        <translation>Wieder Daten von %1; folgt.</translation>
    </message>
    <message>
        <source>No data from %1 since %2; every line is low.</source>
        <translation>Keine Daten von %1 seit %2; alle Leitungen sind aus.</translation>
    </message>
</context>
<context>
    <name>FseqFiles</name>
    <message>
        <source>%1 was not imported: %2</source>
        <translation>%1 wurde nicht importiert: %2</translation>
    </message>
    <message>
        <source>There is no pattern &quot;%1&quot;; the patterns are listed on the remote&apos;s page.</source>
        <translation>Es gibt kein Muster „%1“; die Muster stehen auf der Seite der Fernbedienung.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
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
        <translation>Keine: fügen Sie eines mit „+ scheme“ in der Musterliste hinzu.</translation>
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
</context>
<context>
    <name>PatternBody</name>
    <message>
        <source>%1 must be an object such as {&quot;lamps&quot;: &quot;10000001&quot;, &quot;ms&quot;: 250}.</source>
        <translation>%1 muss ein Objekt sein, etwa {&quot;lamps&quot;: &quot;10000001&quot;, &quot;ms&quot;: 250}.</translation>
    </message>
    <message>
        <source>Unknown field &quot;%1&quot; in %2; it takes lamps and ms.</source>
        <translation>Unbekanntes Feld &quot;%1&quot; in %2; es nimmt lamps und ms.</translation>
    </message>
    <message>
        <source>%1.lamps must be eight 0s and 1s, lamp 1 first, such as &quot;10000001&quot;.</source>
        <translation>%1.lamps müssen acht Nullen und Einsen sein, Lampe 1 zuerst, etwa &quot;10000001&quot;.</translation>
    </message>
    <message>
        <source>&quot;steps&quot; must be a list such as [{&quot;lamps&quot;: &quot;10000001&quot;, &quot;ms&quot;: 250}].</source>
        <translation>&quot;steps&quot; muss eine Liste sein, etwa [{&quot;lamps&quot;: &quot;10000001&quot;, &quot;ms&quot;: 250}].</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing.</source>
        <translation>&quot;%1&quot; fehlt.</translation>
    </message>
    <message>
        <source>&quot;to&quot; must be a text: the new name.</source>
        <translation>&quot;to&quot; muss ein Text sein: der neue Name.</translation>
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
    <name>Player</name>
    <message>
        <source>the output %1 was lost (%2), so whether its lines are low is unknown.</source>
        <translation>der Ausgang %1 ging verloren (%2), daher ist unbekannt, ob seine Leitungen aus sind.</translation>
    </message>
    <message>
        <source>Lampotron ended, but %1</source>
        <translation>Lampotron wurde beendet, aber %1</translation>
    </message>
</context>
<context>
    <name>PlayerCommands</name>
    <message>
        <source>There is no pattern &quot;%1&quot;.</source>
        <translation>Es gibt kein Muster „%1“.</translation>
    </message>
    <message>
        <source>There is no pattern &quot;%1&quot;; the current scheme is kept.</source>
        <translation>Es gibt kein Muster „%1“; das aktuelle Schema bleibt.</translation>
    </message>
    <message>
        <source>The scheme would have %1 rows, more than the %2 a scheme can hold; choose fewer repeats or shorter patterns.</source>
        <translation>Das Schema hätte %1 Zeilen, mehr als die %2, die ein Schema fassen kann; wählen Sie weniger Wiederholungen oder kürzere Muster.</translation>
    </message>
    <message>
        <source>Following %1 already.</source>
        <translation>Folgt bereits %1.</translation>
    </message>
    <message>
        <source>There is no scheme to play; build one first.</source>
        <translation>Es gibt kein Schema zum Abspielen; erstellen Sie zuerst eines.</translation>
    </message>
    <message>
        <source>The scheme cannot be played: %1</source>
        <translation>Das Schema kann nicht abgespielt werden: %1</translation>
    </message>
    <message>
        <source>Stop playing before building a new scheme.</source>
        <translation>Beenden Sie die Wiedergabe, bevor Sie ein neues Schema erstellen.</translation>
    </message>
    <message>
        <source>The new scheme cannot be read: %1</source>
        <translation>Das neue Schema kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>This player follows %1 from the network; it plays no scheme or effect of its own.</source>
        <translation>Dieser Player folgt %1 aus dem Netz; er spielt kein eigenes Schema und keinen eigenen Effekt.</translation>
    </message>
    <message>
        <source>The schedule was changed meanwhile (version %1, not %2); load it again and redo the change.</source>
        <translation>Der Zeitplan wurde inzwischen geändert (Version %1, nicht %2); laden Sie ihn neu und nehmen Sie die Änderung erneut vor.</translation>
    </message>
    <message>
        <source>The speed is %1 to %2 ms in steps of %3, not %4.</source>
        <translation>Die Geschwindigkeit ist %1 bis %2 ms in Schritten von %3, nicht %4.</translation>
    </message>
    <message>
        <source>That output cannot work: %1 See the outputs found.</source>
        <translation>Dieser Ausgang kann nicht funktionieren: %1 Siehe die gefundenen Ausgänge.</translation>
    </message>
    <message>
        <source>There is no effect %1; they are numbered 0 to %2.</source>
        <translation>Es gibt keinen Effekt %1; sie sind von 0 bis %2 nummeriert.</translation>
    </message>
    <message>
        <source>Tick at least one effect to build a scheme. The current scheme is kept.</source>
        <translation>Wählen Sie mindestens einen Effekt, um ein Schema zu erstellen. Das aktuelle Schema bleibt.</translation>
    </message>
    <message>
        <source>Each effect repeats 1 to %1 times, not %2.</source>
        <translation>Jeder Effekt wiederholt sich 1 bis %1 Mal, nicht %2.</translation>
    </message>
    <message>
        <source>A scheme holds at most %1 patterns, not %2.</source>
        <translation>Ein Schema fasst höchstens %1 Muster, nicht %2.</translation>
    </message>
    <message>
        <source>Each pattern repeats 1 to %1 times, not %2.</source>
        <translation>Jedes Muster wiederholt sich 1 bis %1 Mal, nicht %2.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>The remote starts once the window has; try again in a moment.</source>
        <translation>Die Fernbedienung startet, sobald das Fenster gestartet ist; versuchen Sie es gleich noch einmal.</translation>
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
    <name>RemoteApi</name>
    <message>
        <source>?channel= takes a channel from 1 on, ?threshold= a level from 1 to 255.</source>
        <translation>?channel= nimmt einen Kanal ab 1, ?threshold= einen Pegel von 1 bis 255.</translation>
    </message>
    <message>
        <source>The sequence was not imported: %1</source>
        <translation>Die Sequenz wurde nicht importiert: %1</translation>
    </message>
    <message>
        <source>?frame= takes 25 or 50 (ms).</source>
        <translation>?frame= nimmt 25 oder 50 (ms).</translation>
    </message>
    <message>
        <source>There is no pattern &quot;%1&quot;.</source>
        <translation>Es gibt kein Muster „%1“.</translation>
    </message>
    <message>
        <source>Open %1 as a WebSocket; its first message is {&quot;key&quot;: &quot;KEY&quot;}.</source>
        <translation>Öffnen Sie %1 als WebSocket; seine erste Nachricht ist {&quot;key&quot;: &quot;KEY&quot;}.</translation>
    </message>
    <message>
        <source>This remote answers to its own address only, not to &quot;%1&quot;; open the address lampotron --remote-url shows.</source>
        <translation>Diese Fernbedienung antwortet nur unter ihrer eigenen Adresse, nicht unter „%1“; öffnen Sie die Adresse, die lampotron --remote-url zeigt.</translation>
    </message>
    <message>
        <source>Too many wrong keys from this address; try again in a minute.</source>
        <translation>Zu viele falsche Schlüssel von dieser Adresse; versuchen Sie es in einer Minute wieder.</translation>
    </message>
    <message>
        <source>The body is over %1 bytes.</source>
        <translation>Der Inhalt ist größer als %1 Bytes.</translation>
    </message>
    <message>
        <source>This request came from another site (%1); the remote answers its own page only.</source>
        <translation>Diese Anfrage kam von einer anderen Seite (%1); die Fernbedienung beantwortet nur ihre eigene Seite.</translation>
    </message>
    <message>
        <source>No key: send &quot;Authorization: Bearer KEY&quot; with the key that lampotron --remote-url shows.</source>
        <translation>Kein Schlüssel: senden Sie &quot;Authorization: Bearer KEY&quot; mit dem Schlüssel, den lampotron --remote-url zeigt.</translation>
    </message>
    <message>
        <source>Wrong key; the right one is in the address lampotron --remote-url shows.</source>
        <translation>Falscher Schlüssel; der richtige steht in der Adresse, die lampotron --remote-url zeigt.</translation>
    </message>
    <message>
        <source>There is no %1 in the API.</source>
        <translation>%1 gibt es in der API nicht.</translation>
    </message>
    <message>
        <source>%1 takes %2, not %3.</source>
        <translation>%1 nimmt %2, nicht %3.</translation>
    </message>
    <message>
        <source>There is no page at %1.</source>
        <translation>Unter %1 gibt es keine Seite.</translation>
    </message>
    <message>
        <source>The page is read with GET.</source>
        <translation>Die Seite wird mit GET gelesen.</translation>
    </message>
    <message>
        <source>?days= takes 0 to %1 days.</source>
        <translation>?days= nimmt 0 bis %1 Tage.</translation>
    </message>
</context>
<context>
    <name>RemoteConfig</name>
    <message>
        <source>The remote address &quot;%1&quot; is unusable: %2. Give ADDRESS:PORT, such as 127.0.0.1:8080 for this machine only or 0.0.0.0:8080 for the network.</source>
        <translation>Die Adresse der Fernbedienung „%1“ ist unbrauchbar: %2. Geben Sie ADDRESS:PORT an, etwa 127.0.0.1:8080 nur für diesen Rechner oder 0.0.0.0:8080 für das Netz.</translation>
    </message>
    <message>
        <source>no port</source>
        <translation>kein Port</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IP address</source>
        <translation>„%1“ ist keine IP-Adresse</translation>
    </message>
    <message>
        <source>the port is 1 to 65535</source>
        <translation>der Port ist 1 bis 65535</translation>
    </message>
    <message>
        <source>HTTPS needs both RemoteCertificate and RemoteKey in [Setting] (PEM files); only one is set.</source>
        <translation>HTTPS braucht sowohl RemoteCertificate als auch RemoteKey in [Setting] (PEM-Dateien); nur eines ist gesetzt.</translation>
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
    <name>RemoteKey</name>
    <message>
        <source>The remote&apos;s key %1 cannot be read: %2.</source>
        <translation>Der Schlüssel der Fernbedienung %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The remote&apos;s key %1 is not a plain file; remove it and a new key is made.</source>
        <translation>Der Schlüssel der Fernbedienung %1 ist keine gewöhnliche Datei; entfernen Sie sie, dann wird ein neuer Schlüssel erzeugt.</translation>
    </message>
    <message>
        <source>The remote&apos;s key %1 could be read by other users; make it private (chmod 600 %1, owned by the user Lampotron runs as).</source>
        <translation>Der Schlüssel der Fernbedienung %1 könnte von anderen Benutzern gelesen werden; machen Sie ihn privat (chmod 600 %1, Eigentümer ist der Benutzer, unter dem Lampotron läuft).</translation>
    </message>
    <message>
        <source>The remote&apos;s key %1 is damaged; remove it and a new key is made.</source>
        <translation>Der Schlüssel der Fernbedienung %1 ist beschädigt; entfernen Sie ihn, dann wird ein neuer erzeugt.</translation>
    </message>
    <message>
        <source>No random numbers for the remote&apos;s key: %1.</source>
        <translation>Keine Zufallszahlen für den Schlüssel der Fernbedienung: %1.</translation>
    </message>
    <message>
        <source>The remote&apos;s key cannot be made in %1: %2.</source>
        <translation>Der Schlüssel der Fernbedienung kann in %1 nicht erzeugt werden: %2.</translation>
    </message>
    <message>
        <source>The remote&apos;s key cannot be written to %1: %2.</source>
        <translation>Der Schlüssel der Fernbedienung kann nicht nach %1 geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The remote&apos;s key cannot be put in %1: %2.</source>
        <translation>Der Schlüssel der Fernbedienung kann nicht in %1 abgelegt werden: %2.</translation>
    </message>
    <message>
        <source>The folder for the remote&apos;s key, %1, cannot be made.</source>
        <translation>Der Ordner für den Schlüssel der Fernbedienung, %1, kann nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>RemoteServer</name>
    <message>
        <source>HTTPS needs Qt&apos;s TLS support with OpenSSL 3 (package libssl3), which is missing</source>
        <translation>HTTPS braucht Qts TLS-Unterstützung mit OpenSSL 3 (Paket libssl3), die fehlt</translation>
    </message>
    <message>
        <source>no certificate could be read from %1 (RemoteCertificate); give a PEM file</source>
        <translation>aus %1 konnte kein Zertifikat gelesen werden (RemoteCertificate); geben Sie eine PEM-Datei an</translation>
    </message>
    <message>
        <source>the private key %1 (RemoteKey) cannot be read: %2</source>
        <translation>der private Schlüssel %1 (RemoteKey) kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>no private key could be read from %1 (RemoteKey); give an RSA or EC key in PEM, without a passphrase</source>
        <translation>aus %1 konnte kein privater Schlüssel gelesen werden (RemoteKey); geben Sie einen RSA- oder EC-Schlüssel in PEM an, ohne Passphrase</translation>
    </message>
    <message>
        <source>cannot listen on %1:%2: %3</source>
        <translation>kann nicht auf %1:%2 lauschen: %3</translation>
    </message>
</context>
<context>
    <name>RequestBody</name>
    <message>
        <source>&quot;%1&quot; is missing.</source>
        <translation>&quot;%1&quot; fehlt.</translation>
    </message>
    <message>
        <source>%1 must be an object such as {&quot;ticked&quot;: true, &quot;repeats&quot;: 1}.</source>
        <translation>%1 muss ein Objekt sein, etwa {&quot;ticked&quot;: true, &quot;repeats&quot;: 1}.</translation>
    </message>
    <message>
        <source>Unknown field &quot;%1&quot; in %2; it takes ticked and repeats.</source>
        <translation>Unbekanntes Feld &quot;%1&quot; in %2; es nimmt ticked und repeats.</translation>
    </message>
    <message>
        <source>%1.ticked must be true or false.</source>
        <translation>%1.ticked muss true oder false sein.</translation>
    </message>
    <message>
        <source>%1 must be an object such as {&quot;name&quot;: &quot;Wave&quot;, &quot;repeats&quot;: 1}.</source>
        <translation>%1 muss ein Objekt sein, etwa {&quot;name&quot;: &quot;Wave&quot;, &quot;repeats&quot;: 1}.</translation>
    </message>
    <message>
        <source>Unknown field &quot;%1&quot; in %2; it takes name and repeats.</source>
        <translation>Unbekanntes Feld &quot;%1&quot; in %2; es nimmt name und repeats.</translation>
    </message>
    <message>
        <source>%1.name must be a text.</source>
        <translation>%1.name muss ein Text sein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number.</source>
        <translation>&quot;%1&quot; muss eine ganze Zahl sein.</translation>
    </message>
    <message>
        <source>The body is not JSON: %1 at byte %2.</source>
        <translation>Der Inhalt ist kein JSON: %1 bei Byte %2.</translation>
    </message>
    <message>
        <source>The body must be a JSON object, such as {}.</source>
        <translation>Der Inhalt muss ein JSON-Objekt sein, etwa {}.</translation>
    </message>
    <message>
        <source>Unknown field &quot;%1&quot;; this request takes no fields.</source>
        <translation>Unbekanntes Feld &quot;%1&quot;; diese Anfrage nimmt keine Felder.</translation>
    </message>
    <message>
        <source>Unknown field &quot;%1&quot;; this request takes: %2.</source>
        <translation>Unbekanntes Feld &quot;%1&quot;; diese Anfrage nimmt: %2.</translation>
    </message>
    <message>
        <source>&quot;output&quot; must be a text, such as &quot;ola:1&quot;.</source>
        <translation>&quot;output&quot; muss ein Text sein, etwa &quot;ola:1&quot;.</translation>
    </message>
    <message>
        <source>&quot;effects&quot; must list all %1 effects in order.</source>
        <translation>&quot;effects&quot; muss alle %1 Effekte der Reihe nach aufführen.</translation>
    </message>
    <message>
        <source>&quot;atOnce&quot; must be true or false.</source>
        <translation>&quot;atOnce&quot; muss true oder false sein.</translation>
    </message>
    <message>
        <source>&quot;patterns&quot; must be a list of at most %1 patterns.</source>
        <translation>&quot;patterns&quot; muss eine Liste von höchstens %1 Mustern sein.</translation>
    </message>
</context>
<context>
    <name>ScheduleBody</name>
    <message>
        <source>&quot;place&quot; must be null or {&quot;latitude&quot;: 52.52, &quot;longitude&quot;: 13.40}, in degrees north and east.</source>
        <translation>&quot;place&quot; muss null oder {&quot;latitude&quot;: 52.52, &quot;longitude&quot;: 13.40} sein, in Grad Nord und Ost.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing.</source>
        <translation>&quot;%1&quot; fehlt.</translation>
    </message>
    <message>
        <source>&quot;entries&quot; must be a list of texts, such as [&quot;on=sunset off=23:00&quot;].</source>
        <translation>&quot;entries&quot; muss eine Liste von Texten sein, etwa [&quot;on=sunset off=23:00&quot;].</translation>
    </message>
    <message>
        <source>&quot;entries&quot; holds %1 entries, and a schedule holds at most %2.</source>
        <translation>&quot;entries&quot; enthält %1 Einträge, und ein Zeitplan fasst höchstens %2.</translation>
    </message>
    <message>
        <source>Each of &quot;entries&quot; must be a text, such as &quot;on=sunset off=23:00&quot;.</source>
        <translation>Jeder Eintrag von &quot;entries&quot; muss ein Text sein, etwa &quot;on=sunset off=23:00&quot;.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>cannot read the settings file %1: %2</source>
        <translation>die Einstellungsdatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the disk is mounted read-only</source>
        <translation>die Platte ist nur lesbar eingehängt</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>an ihrer Stelle steht ein Ordner</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>ihr Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>its folder is read-only</source>
        <translation>ihr Ordner ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>die Platte ist voll</translation>
    </message>
    <message>
        <source>the system gave no reason</source>
        <translation>das System nannte keinen Grund</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>The default scheme could not be copied: %1</source>
        <translation>Das Standardschema konnte nicht kopiert werden: %1</translation>
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
