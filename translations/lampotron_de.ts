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
    <message>
        <source>Usage: lampotron [--port OUTPUT] [--remote ADDRESS:PORT]
       lampotron --play [--port OUTPUT] [--speed MS] [--scheme FILE] [--remote ADDRESS:PORT]
       lampotron --play --follow ola:UNIVERSE[@CHANNEL] [--port OUTPUT] [--remote ADDRESS:PORT]
       lampotron --list-ports
       lampotron --remote-url [--remote ADDRESS:PORT]
       lampotron --schedule [DAYS]
       lampotron --import-fseq FILE --name NAME [--channel N] [--threshold LEVEL]
       lampotron --export-fseq NAME --out FILE [--frame MS]
       lampotron --help | --version</source>
        <translation>Aufruf: lampotron [--port OUTPUT] [--remote ADDRESS:PORT]
        lampotron --play [--port OUTPUT] [--speed MS] [--scheme FILE] [--remote ADDRESS:PORT]
        lampotron --play --follow ola:UNIVERSE[@CHANNEL] [--port OUTPUT] [--remote ADDRESS:PORT]
        lampotron --list-ports
        lampotron --remote-url [--remote ADDRESS:PORT]
        lampotron --schedule [DAYS]
        lampotron --import-fseq FILE --name NAME [--channel N] [--threshold LEVEL]
        lampotron --export-fseq NAME --out FILE [--frame MS]
        lampotron --help | --version</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe zeigen.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Die Version zeigen.</translation>
    </message>
    <message>
        <source>Use this output for this run (see --list-ports):
%1</source>
        <translation>Diesen Ausgang für diesen Lauf nehmen (siehe --list-ports):
%1</translation>
    </message>
    <message>
        <source>List the outputs found, and whether each can be opened now.</source>
        <translation>Die gefundenen Ausgänge auflisten, und ob sich jeder jetzt öffnen lässt.</translation>
    </message>
    <message>
        <source>Play the scheme without a window, until SIGTERM or SIGINT; SIGHUP reloads the scheme and the settings.</source>
        <translation>Das Schema ohne Fenster spielen, bis SIGTERM oder SIGINT; SIGHUP lädt das Schema und die Einstellungen neu.</translation>
    </message>
    <message>
        <source>With --play: the delay between rows, %1 to %2 ms in steps of 50.</source>
        <translation>Mit --play: das Intervall zwischen den Zeilen, %1 bis %2 ms in Schritten von 50.</translation>
    </message>
    <message>
        <source>With --play: the scheme file to play.</source>
        <translation>Mit --play: die Schemadatei, die gespielt wird.</translation>
    </message>
    <message>
        <source>With --play: drive the output from eight channels of a DMX universe that olad receives from the network (E1.31 or Art-Net), from CHANNEL on (1 unless given), instead of the scheme.</source>
        <translation>Mit --play: den Ausgang statt aus dem Schema aus acht Kanälen eines DMX-Universums steuern, das olad aus dem Netz empfängt (E1.31 oder Art-Net), ab CHANNEL (ohne Angabe 1).</translation>
    </message>
    <message>
        <source>Print when the schedule switches the show on and off over the next DAYS days (7 unless given), and why, then end.</source>
        <translation>Ausgeben, wann der Zeitplan die Show in den nächsten DAYS Tagen (ohne Angabe 7) ein- und ausschaltet, und warum, dann enden.</translation>
    </message>
    <message>
        <source>Serve the web remote for this run: 127.0.0.1:8080 for this machine only, 0.0.0.0:8080 for the network (see the README).</source>
        <translation>Die Web-Fernbedienung für diesen Lauf anbieten: 127.0.0.1:8080 nur für diesen Rechner, 0.0.0.0:8080 für das Netz (siehe README).</translation>
    </message>
    <message>
        <source>Show the web remote&apos;s address with its key, and end.</source>
        <translation>Die Adresse der Web-Fernbedienung mit ihrem Schlüssel zeigen, dann enden.</translation>
    </message>
    <message>
        <source>Make a pattern from eight channels of an FSEQ sequence (version 1 or 2), and end.</source>
        <translation>Ein Muster aus acht Kanälen einer FSEQ-Sequenz (Version 1 oder 2) machen, dann enden.</translation>
    </message>
    <message>
        <source>Write a pattern as an FSEQ sequence (version 2), and end.</source>
        <translation>Ein Muster als FSEQ-Sequenz (Version 2) schreiben, dann enden.</translation>
    </message>
    <message>
        <source>With --import-fseq: the new pattern&apos;s name.</source>
        <translation>Mit --import-fseq: der Name des neuen Musters.</translation>
    </message>
    <message>
        <source>With --import-fseq: the first of the eight channels (1 unless given).</source>
        <translation>Mit --import-fseq: der erste der acht Kanäle (ohne Angabe 1).</translation>
    </message>
    <message>
        <source>With --import-fseq: a channel at or above this level (1 to 255, 128 unless given) lights its lamp.</source>
        <translation>Mit --import-fseq: ein Kanal ab diesem Pegel (1 bis 255, ohne Angabe 128) schaltet seine Lampe ein.</translation>
    </message>
    <message>
        <source>With --export-fseq: the file to write.</source>
        <translation>Mit --export-fseq: die Datei, die geschrieben wird.</translation>
    </message>
    <message>
        <source>With --export-fseq: the frame time, 25 or 50 ms (25 unless given).</source>
        <translation>Mit --export-fseq: die Bilddauer, 25 oder 50 ms (ohne Angabe 25).</translation>
    </message>
    <message>
        <source>Plays light effects on eight lamps.</source>
        <translation>Spielt Lichteffekte auf acht Lampen.</translation>
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
    <name>DeviceAccess</name>
    <message>
        <source>no permission: join group %1 (sudo adduser $USER %1, then log in again)</source>
        <translation>keine Berechtigung: treten Sie der Gruppe %1 bei (sudo adduser $USER %1, dann neu anmelden)</translation>
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
    <name>FseqExport</name>
    <message>
        <source>Frames of %1 ms cannot be written; pick 25 or 50 ms.</source>
        <translation>Frames von %1 ms lassen sich nicht schreiben; wählen Sie 25 oder 50 ms.</translation>
    </message>
    <message>
        <source>A step without a time of its own lasts the delay, which is %1 ms; set a delay of at least 1 ms.</source>
        <translation>Ein Schritt ohne eigene Zeit dauert ein Intervall, und das ist %1 ms; stellen Sie ein Intervall von mindestens 1 ms ein.</translation>
    </message>
    <message>
        <source>These steps make %1 frames, a file of %2 MB; a sequence file has at most %3 MB. Pick 50 ms frames or shorten the steps.</source>
        <translation>Diese Schritte ergeben %1 Frames, eine Datei von %2 MB; eine Sequenzdatei hat höchstens %3 MB. Wählen Sie Frames von 50 ms oder kürzen Sie die Schritte.</translation>
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
    <name>FseqImport</name>
    <message>
        <source>The file could not be read; it may have changed meanwhile. Try again.</source>
        <translation>Die Datei konnte nicht gelesen werden; vielleicht hat sie sich inzwischen geändert. Versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>The zstd decompressor could not be set up; there may be too little memory.</source>
        <translation>Der zstd-Dekompressor ließ sich nicht einrichten; vielleicht ist zu wenig Speicher frei.</translation>
    </message>
    <message>
        <source>Compression block %1 is damaged (zstd: %2). Export the sequence again.</source>
        <translation>Kompressionsblock %1 ist beschädigt (zstd: %2). Exportieren Sie die Sequenz noch einmal.</translation>
    </message>
    <message>
        <source>Compression block %1 expands past the %2 bytes its frames take: the file is damaged or hostile. Export the sequence again.</source>
        <translation>Kompressionsblock %1 entpackt sich über die %2 Bytes seiner Frames hinaus: die Datei ist beschädigt oder bösartig. Exportieren Sie die Sequenz noch einmal.</translation>
    </message>
    <message>
        <source>Compression block %1 gives %2 bytes of frames instead of %3: it was cut short or damaged. Export the sequence again.</source>
        <translation>Kompressionsblock %1 ergibt %2 Bytes an Frames statt %3: er wurde abgeschnitten oder beschädigt. Exportieren Sie die Sequenz noch einmal.</translation>
    </message>
    <message>
        <source>The file ends inside its header, after %1 bytes: it was cut short. Copy or export it again.</source>
        <translation>Die Datei endet mitten im Kopf, nach %1 Bytes: sie wurde abgeschnitten. Kopieren oder exportieren Sie sie noch einmal.</translation>
    </message>
    <message>
        <source>The file says it is compressed but lists no compression blocks. Export it again.</source>
        <translation>Die Datei gibt an, komprimiert zu sein, nennt aber keine Kompressionsblöcke. Exportieren Sie sie noch einmal.</translation>
    </message>
    <message>
        <source>The sequence would expand to more than %1 GB (%2 frames of %3 channels); export a shorter sequence or fewer channels.</source>
        <translation>Die Sequenz würde entpackt mehr als %1 GB belegen (%2 Frames mit %3 Kanälen); exportieren Sie eine kürzere Sequenz oder weniger Kanäle.</translation>
    </message>
    <message>
        <source>The compression block table is damaged: block %1 starts at frame %2 in a sequence of %3 frames. Export the sequence again.</source>
        <translation>Die Tabelle der Kompressionsblöcke ist beschädigt: Block %1 beginnt bei Frame %2 in einer Sequenz von %3 Frames. Exportieren Sie die Sequenz noch einmal.</translation>
    </message>
    <message>
        <source>The compression blocks take %1 bytes but the file holds only %2 after its header: it was cut short. Copy or export it again.</source>
        <translation>Die Kompressionsblöcke belegen %1 Bytes, die Datei enthält nach ihrem Kopf aber nur %2: sie wurde abgeschnitten. Kopieren oder exportieren Sie sie noch einmal.</translation>
    </message>
    <message>
        <source>A sparse range of the file holds no channels: the file is damaged. Export it again.</source>
        <translation>Ein Teilbereich (sparse range) der Datei enthält keine Kanäle: die Datei ist beschädigt. Exportieren Sie sie noch einmal.</translation>
    </message>
    <message>
        <source>The sparse ranges hold %1 channels but the header says each frame has %2: the file is damaged. Export it again.</source>
        <translation>Die Teilbereiche (sparse ranges) enthalten %1 Kanäle, laut Kopf hat jeder Frame aber %2: die Datei ist beschädigt. Exportieren Sie sie noch einmal.</translation>
    </message>
    <message>
        <source>This is not an FSEQ sequence: it does not start with &quot;PSEQ&quot;. Pick a sequence exported as FSEQ.</source>
        <translation>Das ist keine FSEQ-Sequenz: sie beginnt nicht mit „PSEQ“. Wählen Sie eine als FSEQ exportierte Sequenz.</translation>
    </message>
    <message>
        <source>This is an FSEQ sequence of version %1, which cannot be read; export it as version 2 or 1.</source>
        <translation>Das ist eine FSEQ-Sequenz der Version %1, die sich nicht lesen lässt; exportieren Sie sie als Version 2 oder 1.</translation>
    </message>
    <message>
        <source>The sequence&apos;s frames last %1 ms; a step lasts at least %2 ms. Export it at 25 or 50 ms per frame.</source>
        <translation>Die Frames der Sequenz dauern %1 ms; ein Schritt dauert mindestens %2 ms. Exportieren Sie sie mit 25 oder 50 ms pro Frame.</translation>
    </message>
    <message>
        <source>The sequence has %1 channels and %2 frames: there is nothing to light.</source>
        <translation>Die Sequenz hat %1 Kanäle und %2 Frames: es gibt nichts zu beleuchten.</translation>
    </message>
    <message>
        <source>The sequence is compressed with zlib, which cannot be read; export it uncompressed or with zstd.</source>
        <translation>Die Sequenz ist mit zlib komprimiert, das sich nicht lesen lässt; exportieren Sie sie unkomprimiert oder mit zstd.</translation>
    </message>
    <message>
        <source>The sequence uses an unknown compression (type %1); export it uncompressed or with zstd.</source>
        <translation>Die Sequenz verwendet eine unbekannte Kompression (Typ %1); exportieren Sie sie unkomprimiert oder mit zstd.</translation>
    </message>
    <message>
        <source>The header says the frames start at byte %1, past the end of the file (%2 bytes): it was cut short. Copy or export it again.</source>
        <translation>Laut Kopf beginnen die Frames bei Byte %1, hinter dem Ende der Datei (%2 Bytes): sie wurde abgeschnitten. Kopieren oder exportieren Sie sie noch einmal.</translation>
    </message>
    <message>
        <source>The header says the frames start at byte %1, inside the header, which takes %2 bytes: the file is damaged. Export it again.</source>
        <translation>Laut Kopf beginnen die Frames bei Byte %1, mitten im Kopf, der %2 Bytes belegt: die Datei ist beschädigt. Exportieren Sie sie noch einmal.</translation>
    </message>
    <message>
        <source>The frames are cut short: the header says %1 frames of %2 channels, but the file holds only %3 bytes of them. Copy or export it again.</source>
        <translation>Die Frames sind abgeschnitten: laut Kopf sind es %1 Frames mit %2 Kanälen, die Datei enthält davon aber nur %3 Bytes. Kopieren oder exportieren Sie sie noch einmal.</translation>
    </message>
    <message>
        <source>The first channel is %1; channels are numbered from 1.</source>
        <translation>Der erste Kanal ist %1; Kanäle werden ab 1 gezählt.</translation>
    </message>
    <message>
        <source>The threshold is %1; it is a channel value from 1 to 255.</source>
        <translation>Die Schwelle ist %1; sie ist ein Kanalwert von 1 bis 255.</translation>
    </message>
    <message>
        <source>Pick a first channel from 1 to %1.</source>
        <translation>Wählen Sie einen ersten Kanal von 1 bis %1.</translation>
    </message>
    <message>
        <source>Eight lamps need eight channels.</source>
        <translation>Acht Lampen brauchen acht Kanäle.</translation>
    </message>
    <message>
        <source>Channel %1 is past the end of this sequence, which has %2 channels. %3</source>
        <translation>Kanal %1 liegt hinter dem Ende dieser Sequenz, die %2 Kanäle hat. %3</translation>
    </message>
    <message>
        <source>Channels %1 to %2 run past the end of this sequence, which has %3 channels. %4</source>
        <translation>Die Kanäle %1 bis %2 reichen über das Ende dieser Sequenz hinaus, die %3 Kanäle hat. %4</translation>
    </message>
    <message>
        <source>Channel %1 is not stored in this sequence, which holds only channels %2. Pick a first channel so that all eight lie among them.</source>
        <translation>Kanal %1 ist in dieser Sequenz nicht gespeichert; sie enthält nur die Kanäle %2. Wählen Sie den ersten Kanal so, dass alle acht darunter liegen.</translation>
    </message>
    <message>
        <source>These channels change so often that they make more than %1 steps, more than a pattern holds. Import a shorter part of the sequence.</source>
        <translation>Diese Kanäle wechseln so oft, dass sie mehr als %1 Schritte ergeben, mehr als ein Muster fasst. Importieren Sie einen kürzeren Teil der Sequenz.</translation>
    </message>
    <message>
        <source>The file has %1 MB; a sequence file may have at most %2 MB.</source>
        <translation>Die Datei hat %1 MB; eine Sequenzdatei darf höchstens %2 MB haben.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1. Check its name and that it may be read.</source>
        <translation>Die Datei lässt sich nicht öffnen: %1. Prüfen Sie ihren Namen und ob sie gelesen werden darf.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1. Try again.</source>
        <translation>Die Datei lässt sich nicht lesen: %1. Versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>This is not a regular file; pick a sequence file.</source>
        <translation>Das ist keine gewöhnliche Datei; wählen Sie eine Sequenzdatei.</translation>
    </message>
</context>
<context>
    <name>GpioOutput</name>
    <message>
        <source>GPIO chip %1 (%2) with %3 lines; put your eight line offsets in place of 0..7</source>
        <translation>GPIO-Chip %1 (%2) mit %3 Leitungen; setzen Sie Ihre acht Leitungs-Offsets an die Stelle von 0..7</translation>
    </message>
</context>
<context>
    <name>LibgpiodLines</name>
    <message>
        <source>There is no GPIO chip %1 (%2).</source>
        <translation>Es gibt keinen GPIO-Chip %1 (%2).</translation>
    </message>
    <message>
        <source>Cannot take the GPIO lines of %1 as outputs (%2). Check the line offsets and that no other program holds them.</source>
        <translation>Die GPIO-Leitungen von %1 lassen sich nicht als Ausgänge belegen (%2). Prüfen Sie die Leitungs-Offsets und ob ein anderes Programm sie belegt.</translation>
    </message>
    <message>
        <source>A GPIO line stopped answering (%1).</source>
        <translation>Eine GPIO-Leitung antwortet nicht mehr (%1).</translation>
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
    <name>OlaBackend</name>
    <message>
        <source>The OLA daemon (olad) does not answer on port %1. Start it, for example with: sudo systemctl start olad</source>
        <translation>Der OLA-Dienst (olad) antwortet nicht auf Port %1. Starten Sie ihn, zum Beispiel mit: sudo systemctl start olad</translation>
    </message>
    <message>
        <source>The OLA daemon (olad) stopped answering. Start it again, then open the port again.</source>
        <translation>Der OLA-Dienst (olad) antwortet nicht mehr. Starten Sie ihn neu und öffnen Sie dann den Port erneut.</translation>
    </message>
    <message>
        <source>the OLA daemon (olad) did not confirm the last frame, so lamps may still be lit.</source>
        <translation>der OLA-Dienst (olad) hat den letzten Frame nicht bestätigt, daher leuchten womöglich noch Lampen.</translation>
    </message>
</context>
<context>
    <name>OlaOutput</name>
    <message>
        <source>sent to the network over %1</source>
        <translation>über %1 ins Netzwerk gesendet</translation>
    </message>
    <message>
        <source>received from the network over %1</source>
        <translation>über %1 aus dem Netzwerk empfangen</translation>
    </message>
    <message>
        <source>DMX universe 1 through olad</source>
        <translation>DMX-Universum 1 über olad</translation>
    </message>
    <message>
        <source>olad has no universe patched yet: patch one to an output with ola_patch</source>
        <translation>olad hat noch kein Universum gepatcht: verbinden Sie mit ola_patch eines mit einem Ausgang</translation>
    </message>
    <message>
        <source>DMX universe %1 (%2) through olad, not on the network</source>
        <translation>DMX-Universum %1 (%2) über olad, nicht im Netzwerk</translation>
    </message>
    <message>
        <source>DMX universe %1 (%2) through olad, %3</source>
        <translation>DMX-Universum %1 (%2) über olad, %3</translation>
    </message>
</context>
<context>
    <name>OlaUniverseReceiver</name>
    <message>
        <source>olad does not answer at localhost:%1; start it (Lampotron never starts it).</source>
        <translation>olad antwortet nicht unter localhost:%1; starten Sie ihn (Lampotron startet ihn nie).</translation>
    </message>
    <message>
        <source>olad did not answer the registration for universe %1.</source>
        <translation>olad hat auf die Anmeldung für Universum %1 nicht geantwortet.</translation>
    </message>
    <message>
        <source>olad refused universe %1: %2</source>
        <translation>olad hat Universum %1 abgelehnt: %2</translation>
    </message>
</context>
<context>
    <name>OutputLock</name>
    <message>
        <source>The lock file %1 is not a plain file; remove it (sudo rm -r %1) and open the output again.</source>
        <translation>Die Sperrdatei %1 ist keine gewöhnliche Datei; entfernen Sie sie (sudo rm -r %1) und öffnen Sie den Ausgang erneut.</translation>
    </message>
    <message>
        <source>The lock file %1 is a hard link, one of %2 names of a file; remove it (sudo rm -r %1) and open the output again.</source>
        <translation>Die Sperrdatei %1 ist ein harter Link, einer von %2 Namen einer Datei; entfernen Sie sie (sudo rm -r %1) und öffnen Sie den Ausgang erneut.</translation>
    </message>
    <message>
        <source>The lock file %1 belongs to user %2 and not every user may write it; remove it (sudo rm -r %1) and open the output again.</source>
        <translation>Die Sperrdatei %1 gehört dem Benutzer %2, und nicht jeder Benutzer darf sie schreiben; entfernen Sie sie (sudo rm -r %1) und öffnen Sie den Ausgang erneut.</translation>
    </message>
    <message>
        <source>The lock file %1 is a symbolic link; remove it (sudo rm -r %1) and open the output again.</source>
        <translation>Die Sperrdatei %1 ist ein symbolischer Link; entfernen Sie ihn (sudo rm -r %1) und öffnen Sie den Ausgang erneut.</translation>
    </message>
    <message>
        <source>The lock file %1 is a folder; remove it (sudo rm -r %1) and open the output again.</source>
        <translation>Die Sperrdatei %1 ist ein Ordner; entfernen Sie ihn (sudo rm -r %1) und öffnen Sie den Ausgang erneut.</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be opened (%2), so not every user may write it; remove it (sudo rm -r %1) and open the output again.</source>
        <translation>Die Sperrdatei %1 lässt sich nicht öffnen (%2), also darf nicht jeder Benutzer sie schreiben; entfernen Sie sie (sudo rm -r %1) und öffnen Sie den Ausgang erneut.</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be opened (%2); open the output again once that is put right.</source>
        <translation>Die Sperrdatei %1 lässt sich nicht öffnen (%2); öffnen Sie den Ausgang erneut, sobald das behoben ist.</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be made (%2); the folder must be there and let every user make files in it (mode 1777).</source>
        <translation>Die Sperrdatei %1 lässt sich nicht anlegen (%2); der Ordner muss vorhanden sein und jedem Benutzer erlauben, darin Dateien anzulegen (Modus 1777).</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be examined (%2); remove it (sudo rm -r %1) and open the output again.</source>
        <translation>Die Sperrdatei %1 lässt sich nicht prüfen (%2); entfernen Sie sie (sudo rm -r %1) und öffnen Sie den Ausgang erneut.</translation>
    </message>
    <message>
        <source>The lock file %1 was removed and made again while it was opened; open the output again.</source>
        <translation>Die Sperrdatei %1 wurde beim Öffnen entfernt und neu angelegt; öffnen Sie den Ausgang erneut.</translation>
    </message>
    <message>
        <source>process unknown, user unknown</source>
        <translation>Prozess unbekannt, Benutzer unbekannt</translation>
    </message>
    <message>
        <source>process %1, user %2</source>
        <translation>Prozess %1, Benutzer %2</translation>
    </message>
    <message>
        <source>%1 is in use by Lampotron (%2)</source>
        <translation>%1 wird von Lampotron benutzt (%2)</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be locked (%2); open the output again.</source>
        <translation>Die Sperrdatei %1 lässt sich nicht sperren (%2); öffnen Sie den Ausgang erneut.</translation>
    </message>
</context>
<context>
    <name>Outputs</name>
    <message>
        <source>the data lines of parallel port N; /dev/parport0 is the first</source>
        <translation>die Datenleitungen des Parallelports N; /dev/parport0 ist der erste</translation>
    </message>
    <message>
        <source>parallel ports as /dev/parport*: load the ppdev module (sudo modprobe ppdev), and see that the port is enabled in the firmware setup</source>
        <translation>Parallelports als /dev/parport*: laden Sie das Modul ppdev (sudo modprobe ppdev) und sehen Sie nach, ob der Port im Firmware-Setup eingeschaltet ist</translation>
    </message>
    <message>
        <source>eight GPIO lines of a chip, by offset, for lines 0..7</source>
        <translation>acht GPIO-Leitungen eines Chips, nach Offset, für die Leitungen 0..7</translation>
    </message>
    <message>
        <source>GPIO chips as /dev/gpiochip*: a chip you may not open is not listed, so join the group that owns them (gpio on Raspberry Pi OS)</source>
        <translation>GPIO-Chips als /dev/gpiochip*: ein Chip, den Sie nicht öffnen dürfen, wird nicht aufgeführt; treten Sie also der Gruppe bei, der sie gehören (gpio unter Raspberry Pi OS)</translation>
    </message>
    <message>
        <source>GPIO output</source>
        <translation>GPIO-Ausgabe</translation>
    </message>
    <message>
        <source>a DMX universe through the OLA daemon, channels 1..8 for lines 0..7</source>
        <translation>ein DMX-Universum über den OLA-Dienst, Kanäle 1..8 für die Leitungen 0..7</translation>
    </message>
    <message>
        <source>DMX universes from olad at localhost:9010: start olad (Lampotron never starts it)</source>
        <translation>DMX-Universen von olad unter localhost:9010: starten Sie olad (Lampotron startet ihn nie)</translation>
    </message>
    <message>
        <source>DMX output through OLA</source>
        <translation>DMX-Ausgabe über OLA</translation>
    </message>
    <message>
        <source>a USB relay board by its serial; relay: alone takes the first one found</source>
        <translation>eine USB-Relaiskarte nach ihrer Seriennummer; relay: allein nimmt die erste gefundene</translation>
    </message>
    <message>
        <source>USB relay boards as hidraw devices with the USB id 16c0:05df: plug one in (lsusb lists it)</source>
        <translation>USB-Relaiskarten als hidraw-Geräte mit der USB-ID 16c0:05df: stecken Sie eine ein (lsusb listet sie auf)</translation>
    </message>
    <message>
        <source>USB relay boards</source>
        <translation>USB-Relaiskarten</translation>
    </message>
    <message>
        <source>%1 (left out of this build)</source>
        <translation>%1 (in diesem Build nicht enthalten)</translation>
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
    <name>ParportBackend</name>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>%1 lässt sich nicht öffnen: %2.</translation>
    </message>
    <message>
        <source>Cannot claim %1: %2.</source>
        <translation>%1 lässt sich nicht belegen: %2.</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2.</source>
        <translation>Auf %1 lässt sich nicht schreiben: %2.</translation>
    </message>
    <message>
        <source>There is no parallel port device %1. The computer may have no parallel port, or the ppdev module is not loaded.</source>
        <translation>Es gibt kein Parallelport-Gerät %1. Der Computer hat vielleicht keinen Parallelport, oder das Modul ppdev ist nicht geladen.</translation>
    </message>
    <message>
        <source>No permission to use %1. Add your user to the lp group (sudo adduser $USER lp) and log in again.</source>
        <translation>Keine Berechtigung für %1. Fügen Sie Ihren Benutzer der Gruppe lp hinzu (sudo adduser $USER lp) und melden Sie sich neu an.</translation>
    </message>
    <message>
        <source>The parallel port %1 is absent or in use by another program.</source>
        <translation>Der Parallelport %1 fehlt oder wird von einem anderen Programm benutzt.</translation>
    </message>
</context>
<context>
    <name>ParportOutput</name>
    <message>
        <source>parallel port</source>
        <translation>Parallelport</translation>
    </message>
</context>
<context>
    <name>Pattern</name>
    <message>
        <source>A pattern needs a name.</source>
        <translation>Ein Muster braucht einen Namen.</translation>
    </message>
    <message>
        <source>A pattern&apos;s name may not start or end with a space.</source>
        <translation>Der Name eines Musters darf nicht mit einem Leerzeichen beginnen oder enden.</translation>
    </message>
    <message>
        <source>A pattern&apos;s name has at most %1 characters.</source>
        <translation>Der Name eines Musters hat höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>A pattern&apos;s name may not hold control characters.</source>
        <translation>Der Name eines Musters darf keine Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>A pattern needs at least one step.</source>
        <translation>Ein Muster braucht mindestens einen Schritt.</translation>
    </message>
    <message>
        <source>A pattern has at most %1 steps, not %2.</source>
        <translation>Ein Muster hat höchstens %1 Schritte, nicht %2.</translation>
    </message>
    <message>
        <source>Step %1 lasts %2 ms; a step lasts %3 to %4 ms, or the delay when it has no time.</source>
        <translation>Schritt %1 dauert %2 ms; ein Schritt dauert %3 bis %4 ms, oder ein Intervall, wenn er keine Zeit hat.</translation>
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
    <name>PatternLibrary</name>
    <message>
        <source>&quot;%1&quot; was copied to &quot;%2&quot;, but the old file could not be removed; delete &quot;%1&quot; by hand.</source>
        <translation>„%1“ wurde nach „%2“ kopiert, aber die alte Datei ließ sich nicht entfernen; löschen Sie „%1“ von Hand.</translation>
    </message>
    <message>
        <source>There is no pattern &quot;%1&quot;.</source>
        <translation>Es gibt kein Muster „%1“.</translation>
    </message>
    <message>
        <source>%1 could not be removed; check that the folder is writable.</source>
        <translation>%1 ließ sich nicht entfernen; prüfen Sie, ob der Ordner beschreibbar ist.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a built-in effect; choose another name.</source>
        <translation>„%1“ ist ein eingebauter Effekt; wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>A pattern named &quot;%1&quot; exists; choose another name.</source>
        <translation>Ein Muster namens „%1“ gibt es schon; wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a built-in effect and cannot be changed; copy it to edit it.</source>
        <translation>„%1“ ist ein eingebauter Effekt und lässt sich nicht ändern; kopieren Sie ihn, um ihn zu bearbeiten.</translation>
    </message>
    <message>
        <source>There is no pattern &quot;%1&quot;; it may have been deleted meanwhile.</source>
        <translation>Es gibt kein Muster „%1“; es wurde vielleicht inzwischen gelöscht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed elsewhere (version %2, this edit started from %3); load it again and redo the change.</source>
        <translation>„%1“ wurde anderswo geändert (Version %2, diese Bearbeitung ging von %3 aus); laden Sie es neu und nehmen Sie die Änderung noch einmal vor.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made; check its parent&apos;s permissions.</source>
        <translation>Der Ordner %1 lässt sich nicht anlegen; prüfen Sie die Rechte des übergeordneten Ordners.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>%1 is saved but may not survive a power cut: %2</source>
        <translation>%1 ist gespeichert, übersteht aber einen Stromausfall vielleicht nicht: %2</translation>
    </message>
</context>
<context>
    <name>PatternLoader</name>
    <message>
        <source>the pattern file is missing</source>
        <translation>die Musterdatei fehlt</translation>
    </message>
    <message>
        <source>the pattern file cannot be read</source>
        <translation>die Musterdatei lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>the pattern file is not a plain file (a folder, device or pipe is in its place)</source>
        <translation>die Musterdatei ist keine gewöhnliche Datei (an ihrer Stelle steht ein Ordner, ein Gerät oder eine Pipe)</translation>
    </message>
    <message>
        <source>the pattern file is at least %1 bytes, more than the %2 bytes that %3 rows can take</source>
        <translation>die Musterdatei hat mindestens %1 Bytes, mehr als die %2 Bytes, die %3 Zeilen belegen können</translation>
    </message>
    <message>
        <source>the pattern file has no rows</source>
        <translation>die Musterdatei hat keine Zeilen</translation>
    </message>
    <message>
        <source>the pattern file has more than %1 lines</source>
        <translation>die Musterdatei hat mehr als %1 Zeilen</translation>
    </message>
</context>
<context>
    <name>PatternText</name>
    <message>
        <source>The pattern file is over %1 bytes.</source>
        <translation>Die Musterdatei ist größer als %1 Bytes.</translation>
    </message>
    <message>
        <source>Line %1: the version is not a whole number.</source>
        <translation>Zeile %1: die Version ist keine ganze Zahl.</translation>
    </message>
    <message>
        <source>The pattern has more than %1 steps.</source>
        <translation>Das Muster hat mehr als %1 Schritte.</translation>
    </message>
    <message>
        <source>Line %1 is not a step: a step is eight characters 0 or 1, then its time in ms if it has one.</source>
        <translation>Zeile %1 ist kein Schritt: ein Schritt besteht aus acht Zeichen 0 oder 1, danach seiner Zeit in ms, falls er eine hat.</translation>
    </message>
    <message>
        <source>The pattern file has no &quot;name:&quot; line.</source>
        <translation>Die Musterdatei hat keine Zeile „name:“.</translation>
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
    <name>PortSetting</name>
    <message>
        <source>does not name a GPIO chip and its line offsets.</source>
        <translation>nennt keinen GPIO-Chip mit seinen Leitungs-Offsets.</translation>
    </message>
    <message>
        <source>needs exactly eight line offsets, separated by commas.</source>
        <translation>braucht genau acht Leitungs-Offsets, durch Kommas getrennt.</translation>
    </message>
    <message>
        <source>does not name a DMX universe number.</source>
        <translation>nennt keine DMX-Universumsnummer.</translation>
    </message>
    <message>
        <source>is not understood.</source>
        <translation>wird nicht verstanden.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>The port setting &quot;%1&quot; %2 Use %3.</source>
        <translation>Die Port-Einstellung „%1“ %2 Verwenden Sie %3.</translation>
    </message>
    <message>
        <source>This Lampotron was built without %1 (the build option %2 was off).</source>
        <translation>Dieses Lampotron wurde ohne %1 gebaut (die Build-Option %2 war aus).</translation>
    </message>
    <message>
        <source>is longer than %1 characters.</source>
        <translation>ist länger als %1 Zeichen.</translation>
    </message>
    <message>
        <source>does not name a relay board&apos;s serial (letters and digits, or nothing for the first board).</source>
        <translation>nennt keine Seriennummer einer Relaiskarte (Buchstaben und Ziffern, oder nichts für die erste Karte).</translation>
    </message>
</context>
<context>
    <name>PrintableText</name>
    <message>
        <source>… (%1 characters)</source>
        <translation>… (%1 Zeichen)</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>The remote starts once the window has; try again in a moment.</source>
        <translation>Die Fernbedienung startet, sobald das Fenster gestartet ist; versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>No output found. Looked for:</source>
        <translation>Kein Ausgang gefunden. Gesucht wurde:</translation>
    </message>
    <message>
        <source>can be opened</source>
        <translation>lässt sich öffnen</translation>
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
    <name>RelayBackend</name>
    <message>
        <source>No USB relay board was found. Plug one in: it shows up as USB device 16c0:05df named USBRelay1, USBRelay2, USBRelay4 or USBRelay8.</source>
        <translation>Es wurde keine USB-Relaiskarte gefunden. Stecken Sie eine ein: sie erscheint als USB-Gerät 16c0:05df mit dem Namen USBRelay1, USBRelay2, USBRelay4 oder USBRelay8.</translation>
    </message>
    <message>
        <source>There is no USB relay board with serial %1; the boards found are %2.</source>
        <translation>Es gibt keine USB-Relaiskarte mit der Seriennummer %1; gefunden wurden die Karten %2.</translation>
    </message>
    <message>
        <source>Cannot open the USB relay board %1 (%2).</source>
        <translation>Die USB-Relaiskarte %1 lässt sich nicht öffnen (%2).</translation>
    </message>
    <message>
        <source>The USB relay board %1 does not take commands (%2).</source>
        <translation>Die USB-Relaiskarte %1 nimmt keine Befehle an (%2).</translation>
    </message>
    <message>
        <source>The USB relay board %1 stopped answering (%2). Check that it is still plugged in.</source>
        <translation>Die USB-Relaiskarte %1 antwortet nicht mehr (%2). Prüfen Sie, ob sie noch eingesteckt ist.</translation>
    </message>
    <message>
        <source>This board has %1 relay: lines %1 to 7 are not connected.</source>
        <translation>Diese Karte hat %1 Relais: die Leitungen %1 bis 7 sind nicht angeschlossen.</translation>
    </message>
    <message>
        <source>This board has %1 relays: line 7 is not connected.</source>
        <translation>Diese Karte hat %1 Relais: Leitung 7 ist nicht angeschlossen.</translation>
    </message>
    <message>
        <source>This board has %1 relays: lines %1 to 7 are not connected.</source>
        <translation>Diese Karte hat %1 Relais: die Leitungen %1 bis 7 sind nicht angeschlossen.</translation>
    </message>
</context>
<context>
    <name>RelayBoards</name>
    <message>
        <source>No permission to use the USB relay board %1. Add a udev rule that gives the plugdev group access to USB device 16c0:05df, add your user to plugdev and plug the board in again (see &quot;Connecting lamps&quot; in the README).</source>
        <translation>Keine Berechtigung für die USB-Relaiskarte %1. Legen Sie eine udev-Regel an, die der Gruppe plugdev Zugriff auf das USB-Gerät 16c0:05df gibt, fügen Sie Ihren Benutzer der Gruppe plugdev hinzu und stecken Sie die Karte neu ein (siehe „Connecting lamps“ im README).</translation>
    </message>
    <message>
        <source>Cannot open the USB relay board %1 (%2).</source>
        <translation>Die USB-Relaiskarte %1 lässt sich nicht öffnen (%2).</translation>
    </message>
    <message>
        <source>The USB relay board %1 does not answer (%2).</source>
        <translation>Die USB-Relaiskarte %1 antwortet nicht (%2).</translation>
    </message>
</context>
<context>
    <name>RelayOutput</name>
    <message>
        <source>USB relay board %1 with %2 relay; lines %2 to 7 go nowhere</source>
        <translation>USB-Relaiskarte %1 mit %2 Relais; die Leitungen %2 bis 7 führen nirgendwohin</translation>
    </message>
    <message>
        <source>USB relay board %1 with %2 relays; lines %2 to 7 go nowhere</source>
        <translation>USB-Relaiskarte %1 mit %2 Relais; die Leitungen %2 bis 7 führen nirgendwohin</translation>
    </message>
    <message>
        <source>USB relay board %1 with %2 relays</source>
        <translation>USB-Relaiskarte %1 mit %2 Relais</translation>
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
    <name>Schedule</name>
    <message>
        <source>[Schedule] Entry%1 is ignored: %2 needs the place in [Schedule], such as Latitude=52.52 and Longitude=13.40 (degrees north and east).</source>
        <translation>[Schedule] Entry%1 wird übergangen: %2 braucht den Ort in [Schedule], etwa Latitude=52.52 und Longitude=13.40 (Grad Nord und Ost).</translation>
    </message>
    <message>
        <source>[Schedule] Entry%1 is ignored: at %2 it never runs, as on=%3 does not come before off=%4 on any day of the year.</source>
        <translation>[Schedule] Entry%1 wird übergangen: bei %2 läuft er nie, denn on=%3 liegt an keinem Tag des Jahres vor off=%4.</translation>
    </message>
    <message>
        <source>[Schedule] Entry%1 names no days, so it never runs.</source>
        <translation>[Schedule] Entry%1 nennt keine Tage und läuft daher nie.</translation>
    </message>
    <message>
        <source>there is no %1 on %2 at %3</source>
        <translation>am %2 gibt es bei %3 kein %1</translation>
    </message>
    <message>
        <source>it would start at %1, after its end at %2</source>
        <translation>er würde um %1 beginnen, nach seinem Ende um %2</translation>
    </message>
    <message>
        <source>entry %1 does not run on %2: %3</source>
        <translation>Eintrag %1 läuft am %2 nicht: %3</translation>
    </message>
    <message>
        <source>on all the time: no schedule</source>
        <translation>immer an: kein Zeitplan</translation>
    </message>
    <message>
        <source>on, with no end in the next %1 days (entry %2)</source>
        <translation>an, ohne Ende in den nächsten %1 Tagen (Eintrag %2)</translation>
    </message>
    <message>
        <source>off at %1 (entry %2%3%4)</source>
        <translation>aus um %1 (Eintrag %2%3%4)</translation>
    </message>
    <message>
        <source>, at the end of the pass</source>
        <translation>, am Ende des Durchgangs</translation>
    </message>
    <message>
        <source>off: [Schedule] has no entry that can be used</source>
        <translation>aus: [Schedule] hat keinen brauchbaren Eintrag</translation>
    </message>
    <message>
        <source>off: no entry starts in the year ahead</source>
        <translation>aus: im kommenden Jahr beginnt kein Eintrag</translation>
    </message>
    <message>
        <source>on at %1 (entry %2%3)</source>
        <translation>an um %1 (Eintrag %2%3)</translation>
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
    <name>ScheduleEdit</name>
    <message>
        <source>There are %1 entries, and a schedule holds at most %2. Join windows that follow each other into one entry, or use days= and dates= to cover more days.</source>
        <translation>Es sind %1 Einträge, und ein Zeitplan fasst höchstens %2. Fassen Sie aufeinanderfolgende Zeitfenster zu einem Eintrag zusammen oder decken Sie mit days= und dates= mehr Tage ab.</translation>
    </message>
    <message>
        <source>The place is at latitude %1, longitude %2; latitude goes from -90 to 90 and longitude from -180 to 180 degrees (north and east are positive).</source>
        <translation>Der Ort liegt bei Breite %1, Länge %2; die Breite reicht von -90 bis 90 und die Länge von -180 bis 180 Grad (Nord und Ost sind positiv).</translation>
    </message>
    <message>
        <source>Entry %1 cannot be used: %2.</source>
        <translation>Eintrag %1 ist nicht brauchbar: %2.</translation>
    </message>
</context>
<context>
    <name>ScheduleEntry</name>
    <message>
        <source>%1 %2%3 min</source>
        <translation>%1 %2%3 min</translation>
    </message>
    <message>
        <source>%1= comes after play=; write play= last, as the name it takes may hold spaces</source>
        <translation>%1= steht nach play=; schreiben Sie play= zuletzt, denn der Name dahinter darf Leerzeichen enthalten</translation>
    </message>
    <message>
        <source>play=%1 names nothing to play: %2 Write the name of an effect or a pattern, such as play=наполнение</source>
        <translation>play=%1 nennt nichts zum Abspielen: %2 Schreiben Sie den Namen eines Effekts oder Musters, etwa play=наполнение</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a list of days; write days such as Mon-Fri or Sat,Sun (Mon, Tue, Wed, Thu, Fri, Sat, Sun)</source>
        <translation>„%1“ ist keine Liste von Tagen; schreiben Sie Tage wie Mon-Fri oder Sat,Sun (Mon, Tue, Wed, Thu, Fri, Sat, Sun)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a range of dates; write it as month-day..month-day, such as 12-01..01-06</source>
        <translation>„%1“ ist kein Datumsbereich; schreiben Sie ihn als Monat-Tag..Monat-Tag, etwa 12-01..01-06</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time; write a clock time such as 23:00, or sunrise, sunset, dawn or dusk, moved by up to %2 minutes as in sunset-15</source>
        <translation>„%1“ ist keine Zeit; schreiben Sie eine Uhrzeit wie 23:00 oder sunrise, sunset, dawn oder dusk, um bis zu %2 Minuten verschoben wie in sunset-15</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a way to end; write end=now (stop at once) or end=pass (stop after the scheme&apos;s last row)</source>
        <translation>„%1“ ist keine Art zu enden; schreiben Sie end=now (sofort anhalten) oder end=pass (nach der letzten Zeile des Schemas anhalten)</translation>
    </message>
    <message>
        <source>it is %1 characters long, and an entry has at most %2; write one window per entry, such as on=sunset off=23:00</source>
        <translation>er ist %1 Zeichen lang, und ein Eintrag hat höchstens %2; schreiben Sie ein Zeitfenster pro Eintrag, etwa on=sunset off=23:00</translation>
    </message>
    <message>
        <source>it holds a control character, &quot;%1&quot; at character %2; write it as plain text on one line</source>
        <translation>er enthält ein Steuerzeichen, „%1“ an Stelle %2; schreiben Sie ihn als einfachen Text in einer Zeile</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is none of days=, dates=, on=, off=, end= and play=</source>
        <translation>„%1“ ist keines von days=, dates=, on=, off=, end= und play=</translation>
    </message>
    <message>
        <source>%1= is given twice</source>
        <translation>%1= ist zweimal angegeben</translation>
    </message>
    <message>
        <source>it needs a start and an end, such as on=sunset off=23:00</source>
        <translation>er braucht einen Anfang und ein Ende, etwa on=sunset off=23:00</translation>
    </message>
    <message>
        <source>it would never run: %1 comes before %2 every day</source>
        <translation>er würde nie laufen: %1 liegt an jedem Tag vor %2</translation>
    </message>
    <message>
        <source>it would end at %1, before it starts at %2; a window runs past midnight only from the afternoon (12:00 or later, sunset, dusk) into the morning (before 12:00, sunrise, dawn)</source>
        <translation>er würde um %1 enden, bevor er um %2 beginnt; ein Zeitfenster reicht nur vom Nachmittag (12:00 oder später, sunset, dusk) in den Morgen (vor 12:00, sunrise, dawn) über Mitternacht hinaus</translation>
    </message>
</context>
<context>
    <name>ScheduleListing</name>
    <message>
        <source>%1  on %2  off %3  entry %4: on=%5 off=%6%7%8</source>
        <extracomment>on=%5 off=%6 repeat the entry as written in the settings, so they stay as they are.</extracomment>
        <translation>%1  an %2  aus %3  Eintrag %4: on=%5 off=%6%7%8</translation>
    </message>
    <message>
        <source>No schedule: [Schedule] in the settings has no entries, or Enabled=0. The show plays all the time.
</source>
        <translation>Kein Zeitplan: [Schedule] in den Einstellungen hat keine Einträge, oder Enabled=0. Die Show spielt die ganze Zeit.
</translation>
    </message>
    <message>
        <source>On and off times of the %1 days from %2, in %3:</source>
        <translation>Ein- und Ausschaltzeiten der %1 Tage ab %2, in %3:</translation>
    </message>
    <message>
        <source>entry %1 runs on none of these days; its next day is %2</source>
        <translation>Eintrag %1 läuft an keinem dieser Tage; sein nächster Tag ist %2</translation>
    </message>
</context>
<context>
    <name>ScheduleSettings</name>
    <message>
        <source>[Schedule] %1=%2 is not usable: write degrees from -%3 to %3 with a decimal point, such as %1=%4.</source>
        <translation>[Schedule] %1=%2 ist nicht brauchbar: schreiben Sie Grad von -%3 bis %3 mit einem Dezimalpunkt, etwa %1=%4.</translation>
    </message>
    <message>
        <source>[Schedule] %1 is ignored: the keys there are Enabled, Latitude, Longitude and Entry1, Entry2 and so on.</source>
        <translation>[Schedule] %1 wird übergangen: die Schlüssel dort sind Enabled, Latitude, Longitude und Entry1, Entry2 und so weiter.</translation>
    </message>
    <message>
        <source>[Schedule] %1 more keys are ignored.</source>
        <translation>[Schedule] %1 weitere Schlüssel werden übergangen.</translation>
    </message>
    <message>
        <source>[Schedule] has %1 entries; only the first %2, up to Entry%3, are used. Join windows that follow each other into one entry, or use days= and dates= to cover more days.</source>
        <translation>[Schedule] hat %1 Einträge; nur die ersten %2, bis Entry%3, werden verwendet. Fassen Sie aufeinanderfolgende Zeitfenster zu einem Eintrag zusammen oder decken Sie mit days= und dates= mehr Tage ab.</translation>
    </message>
    <message>
        <source>[Schedule] Entry%1 is ignored: %2.</source>
        <translation>[Schedule] Entry%1 wird übergangen: %2.</translation>
    </message>
</context>
<context>
    <name>SchemeDraft</name>
    <message>
        <source>Cannot create a new scheme file in %1: %2</source>
        <translation>In %1 lässt sich keine neue Schemadatei anlegen: %2</translation>
    </message>
    <message>
        <source>Cannot lock %1: %2</source>
        <translation>%1 lässt sich nicht sperren: %2</translation>
    </message>
    <message>
        <source>A pattern must be written at least once, not %1 times.</source>
        <translation>Ein Muster muss mindestens einmal geschrieben werden, nicht %1-mal.</translation>
    </message>
    <message>
        <source>There is no effect number %1.</source>
        <translation>Es gibt keinen Effekt Nummer %1.</translation>
    </message>
    <message>
        <source>An effect must be written at least once, not %1 times.</source>
        <translation>Ein Effekt muss mindestens einmal geschrieben werden, nicht %1-mal.</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2</source>
        <translation>In %1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>The new scheme file %1 was removed while it was written; build the scheme again.</source>
        <translation>Die neue Schemadatei %1 wurde entfernt, während sie geschrieben wurde; bauen Sie das Schema noch einmal auf.</translation>
    </message>
    <message>
        <source>Cannot replace %1: %2</source>
        <translation>%1 lässt sich nicht ersetzen: %2</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>%1 lässt sich nicht sichern: %2</translation>
    </message>
</context>
<context>
    <name>SchemeLocation</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 lässt sich nicht schreiben: %2</translation>
    </message>
</context>
<context>
    <name>SchemeTransaction</name>
    <message>
        <source>The scheme could not be built. The previous scheme is kept.</source>
        <translation>Das Schema konnte nicht aufgebaut werden. Das bisherige Schema bleibt erhalten.</translation>
    </message>
    <message>
        <source>The scheme was built, but the disk reported an error: it may be lost if the power fails now.</source>
        <translation>Das Schema wurde aufgebaut, aber der Datenträger meldete einen Fehler: es kann verloren gehen, wenn jetzt der Strom ausfällt.</translation>
    </message>
    <message>
        <source>The scheme was built, but the selection could not be saved.</source>
        <translation>Das Schema wurde aufgebaut, aber die Auswahl konnte nicht gespeichert werden.</translation>
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
