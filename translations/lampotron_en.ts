<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1
Try: lampotron --help
</source>
        <translation>%1
Try: lampotron --help
</translation>
    </message>
    <message>
        <source>--schedule takes 1 to 366 days.</source>
        <translation>--schedule takes 1 to 366 days.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Unexpected argument: %1</translation>
    </message>
    <message>
        <source>--speed, --scheme and --follow go with --play.</source>
        <translation>--speed, --scheme and --follow go with --play.</translation>
    </message>
    <message>
        <source>--speed takes a number of milliseconds, not &quot;%1&quot;.</source>
        <translation>--speed takes a number of milliseconds, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--name, --channel and --threshold go with --import-fseq.</source>
        <translation>--name, --channel and --threshold go with --import-fseq.</translation>
    </message>
    <message>
        <source>--out and --frame go with --export-fseq.</source>
        <translation>--out and --frame go with --export-fseq.</translation>
    </message>
    <message>
        <source>Import or export, one at a time.</source>
        <translation>Import or export, one at a time.</translation>
    </message>
    <message>
        <source>--channel takes a channel number from 1 on.</source>
        <translation>--channel takes a channel number from 1 on.</translation>
    </message>
    <message>
        <source>--threshold takes a level from 1 to 255.</source>
        <translation>--threshold takes a level from 1 to 255.</translation>
    </message>
    <message>
        <source>--import-fseq needs --name, the new pattern&apos;s name.</source>
        <translation>--import-fseq needs --name, the new pattern&apos;s name.</translation>
    </message>
    <message>
        <source>--frame takes 25 or 50 (ms).</source>
        <translation>--frame takes 25 or 50 (ms).</translation>
    </message>
    <message>
        <source>--export-fseq needs --out, the file to write.</source>
        <translation>--export-fseq needs --out, the file to write.</translation>
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
        <translation>Usage: lampotron [--port OUTPUT] [--remote ADDRESS:PORT]
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
        <translation>Show this help.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Show the version.</translation>
    </message>
    <message>
        <source>Use this output for this run (see --list-ports):
%1</source>
        <translation>Use this output for this run (see --list-ports):
%1</translation>
    </message>
    <message>
        <source>List the outputs found, and whether each can be opened now.</source>
        <translation>List the outputs found, and whether each can be opened now.</translation>
    </message>
    <message>
        <source>Play the scheme without a window, until SIGTERM or SIGINT; SIGHUP reloads the scheme and the settings.</source>
        <translation>Play the scheme without a window, until SIGTERM or SIGINT; SIGHUP reloads the scheme and the settings.</translation>
    </message>
    <message>
        <source>With --play: the delay between rows, %1 to %2 ms in steps of 50.</source>
        <translation>With --play: the delay between rows, %1 to %2 ms in steps of 50.</translation>
    </message>
    <message>
        <source>With --play: the scheme file to play.</source>
        <translation>With --play: the scheme file to play.</translation>
    </message>
    <message>
        <source>With --play: drive the output from eight channels of a DMX universe that olad receives from the network (E1.31 or Art-Net), from CHANNEL on (1 unless given), instead of the scheme.</source>
        <translation>With --play: drive the output from eight channels of a DMX universe that olad receives from the network (E1.31 or Art-Net), from CHANNEL on (1 unless given), instead of the scheme.</translation>
    </message>
    <message>
        <source>Print when the schedule switches the show on and off over the next DAYS days (7 unless given), and why, then end.</source>
        <translation>Print when the schedule switches the show on and off over the next DAYS days (7 unless given), and why, then end.</translation>
    </message>
    <message>
        <source>Serve the web remote for this run: 127.0.0.1:8080 for this machine only, 0.0.0.0:8080 for the network (see the README).</source>
        <translation>Serve the web remote for this run: 127.0.0.1:8080 for this machine only, 0.0.0.0:8080 for the network (see the README).</translation>
    </message>
    <message>
        <source>Show the web remote&apos;s address with its key, and end.</source>
        <translation>Show the web remote&apos;s address with its key, and end.</translation>
    </message>
    <message>
        <source>Make a pattern from eight channels of an FSEQ sequence (version 1 or 2), and end.</source>
        <translation>Make a pattern from eight channels of an FSEQ sequence (version 1 or 2), and end.</translation>
    </message>
    <message>
        <source>Write a pattern as an FSEQ sequence (version 2), and end.</source>
        <translation>Write a pattern as an FSEQ sequence (version 2), and end.</translation>
    </message>
    <message>
        <source>With --import-fseq: the new pattern&apos;s name.</source>
        <translation>With --import-fseq: the new pattern&apos;s name.</translation>
    </message>
    <message>
        <source>With --import-fseq: the first of the eight channels (1 unless given).</source>
        <translation>With --import-fseq: the first of the eight channels (1 unless given).</translation>
    </message>
    <message>
        <source>With --import-fseq: a channel at or above this level (1 to 255, 128 unless given) lights its lamp.</source>
        <translation>With --import-fseq: a channel at or above this level (1 to 255, 128 unless given) lights its lamp.</translation>
    </message>
    <message>
        <source>With --export-fseq: the file to write.</source>
        <translation>With --export-fseq: the file to write.</translation>
    </message>
    <message>
        <source>With --export-fseq: the frame time, 25 or 50 ms (25 unless given).</source>
        <translation>With --export-fseq: the frame time, 25 or 50 ms (25 unless given).</translation>
    </message>
    <message>
        <source>Plays light effects on eight lamps.</source>
        <translation>Plays light effects on eight lamps.</translation>
    </message>
</context>
<context>
    <name>ConnectionGuard</name>
    <message>
        <source>The request is over %1 bytes.</source>
        <translation>The request is over %1 bytes.</translation>
    </message>
</context>
<context>
    <name>DeviceAccess</name>
    <message>
        <source>no permission: join group %1 (sudo adduser $USER %1, then log in again)</source>
        <translation>no permission: join group %1 (sudo adduser $USER %1, then log in again)</translation>
    </message>
</context>
<context>
    <name>DiskSync</name>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>Cannot save %1: %2</translation>
    </message>
</context>
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
    <name>FacesFromAfar</name>
    <message>
        <source>This machine is on no network: only a browser on it can open the remote. Connect it to the phone&apos;s network and look again.</source>
        <translation>This machine is on no network: only a browser on it can open the remote. Connect it to the phone&apos;s network and look again.</translation>
    </message>
    <message>
        <source>this Lampotron was built without it</source>
        <translation>this Lampotron was built without it</translation>
    </message>
    <message>
        <source>The remote could not be switched on: %1</source>
        <translation>The remote could not be switched on: %1</translation>
    </message>
    <message>
        <source>The remote is off. Switch it on with &quot;Remote: on&quot; in the menu.</source>
        <translation>The remote is off. Switch it on with &quot;Remote: on&quot; in the menu.</translation>
    </message>
    <message>
        <source>The remote is off. Switch it on with &quot;Remote: on&quot; in the window&apos;s menu, with Remote=0.0.0.0:8080 in the [Setting] section of %1, or with --remote ADDRESS:PORT.</source>
        <translation>The remote is off. Switch it on with &quot;Remote: on&quot; in the window&apos;s menu, with Remote=0.0.0.0:8080 in the [Setting] section of %1, or with --remote ADDRESS:PORT.</translation>
    </message>
</context>
<context>
    <name>FollowTarget</name>
    <message>
        <source>universe %1 from channel %2</source>
        <translation>universe %1 from channel %2</translation>
    </message>
    <message>
        <source>universe %1</source>
        <translation>universe %1</translation>
    </message>
    <message>
        <source>Cannot follow &quot;%1&quot;: %2</source>
        <translation>Cannot follow &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>it is longer than %1 characters.</source>
        <translation>it is longer than %1 characters.</translation>
    </message>
    <message>
        <source>name an OLA universe, as ola:1, or ola:1@9 to start at channel 9.</source>
        <translation>name an OLA universe, as ola:1, or ola:1@9 to start at channel 9.</translation>
    </message>
    <message>
        <source>the universe is 1 to %1.</source>
        <translation>the universe is 1 to %1.</translation>
    </message>
    <message>
        <source>the first channel is 1 to %1, so that eight fit in a universe.</source>
        <translation>the first channel is 1 to %1, so that eight fit in a universe.</translation>
    </message>
    <message>
        <source>the threshold is 1 to 255, not %1.</source>
        <translation>the threshold is 1 to 255, not %1.</translation>
    </message>
    <message>
        <source>the hold time is 0 (for ever) to 3600000 ms.</source>
        <translation>the hold time is 0 (for ever) to 3600000 ms.</translation>
    </message>
</context>
<context>
    <name>Follower</name>
    <message>
        <source>Following %1.</source>
        <translation>Following %1.</translation>
    </message>
    <message>
        <source>Data from %1 again; following.</source>
        <translation>Data from %1 again; following.</translation>
    </message>
    <message>
        <source>No data from %1 since %2; every line is low.</source>
        <translation>No data from %1 since %2; every line is low.</translation>
    </message>
</context>
<context>
    <name>FseqExport</name>
    <message>
        <source>Frames of %1 ms cannot be written; pick 25 or 50 ms.</source>
        <translation>Frames of %1 ms cannot be written; pick 25 or 50 ms.</translation>
    </message>
    <message>
        <source>A step without a time of its own lasts the delay, which is %1 ms; set a delay of at least 1 ms.</source>
        <translation>A step without a time of its own lasts the delay, which is %1 ms; set a delay of at least 1 ms.</translation>
    </message>
    <message>
        <source>These steps make %1 frames, a file of %2 MB; a sequence file has at most %3 MB. Pick 50 ms frames or shorten the steps.</source>
        <translation>These steps make %1 frames, a file of %2 MB; a sequence file has at most %3 MB. Pick 50 ms frames or shorten the steps.</translation>
    </message>
</context>
<context>
    <name>FseqFiles</name>
    <message>
        <source>%1 was not imported: %2</source>
        <translation>%1 was not imported: %2</translation>
    </message>
    <message>
        <source>There is no pattern &quot;%1&quot;; the patterns are listed on the remote&apos;s page.</source>
        <translation>There is no pattern &quot;%1&quot;; the patterns are listed on the remote&apos;s page.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 cannot be written: %2</translation>
    </message>
</context>
<context>
    <name>FseqImport</name>
    <message>
        <source>The file could not be read; it may have changed meanwhile. Try again.</source>
        <translation>The file could not be read; it may have changed meanwhile. Try again.</translation>
    </message>
    <message>
        <source>The zstd decompressor could not be set up; there may be too little memory.</source>
        <translation>The zstd decompressor could not be set up; there may be too little memory.</translation>
    </message>
    <message>
        <source>Compression block %1 is damaged (zstd: %2). Export the sequence again.</source>
        <translation>Compression block %1 is damaged (zstd: %2). Export the sequence again.</translation>
    </message>
    <message>
        <source>Compression block %1 expands past the %2 bytes its frames take: the file is damaged or hostile. Export the sequence again.</source>
        <translation>Compression block %1 expands past the %2 bytes its frames take: the file is damaged or hostile. Export the sequence again.</translation>
    </message>
    <message>
        <source>Compression block %1 gives %2 bytes of frames instead of %3: it was cut short or damaged. Export the sequence again.</source>
        <translation>Compression block %1 gives %2 bytes of frames instead of %3: it was cut short or damaged. Export the sequence again.</translation>
    </message>
    <message>
        <source>The file ends inside its header, after %1 bytes: it was cut short. Copy or export it again.</source>
        <translation>The file ends inside its header, after %1 bytes: it was cut short. Copy or export it again.</translation>
    </message>
    <message>
        <source>The file says it is compressed but lists no compression blocks. Export it again.</source>
        <translation>The file says it is compressed but lists no compression blocks. Export it again.</translation>
    </message>
    <message>
        <source>The sequence would expand to more than %1 GB (%2 frames of %3 channels); export a shorter sequence or fewer channels.</source>
        <translation>The sequence would expand to more than %1 GB (%2 frames of %3 channels); export a shorter sequence or fewer channels.</translation>
    </message>
    <message>
        <source>The compression block table is damaged: block %1 starts at frame %2 in a sequence of %3 frames. Export the sequence again.</source>
        <translation>The compression block table is damaged: block %1 starts at frame %2 in a sequence of %3 frames. Export the sequence again.</translation>
    </message>
    <message>
        <source>The compression blocks take %1 bytes but the file holds only %2 after its header: it was cut short. Copy or export it again.</source>
        <translation>The compression blocks take %1 bytes but the file holds only %2 after its header: it was cut short. Copy or export it again.</translation>
    </message>
    <message>
        <source>A sparse range of the file holds no channels: the file is damaged. Export it again.</source>
        <translation>A sparse range of the file holds no channels: the file is damaged. Export it again.</translation>
    </message>
    <message>
        <source>The sparse ranges hold %1 channels but the header says each frame has %2: the file is damaged. Export it again.</source>
        <translation>The sparse ranges hold %1 channels but the header says each frame has %2: the file is damaged. Export it again.</translation>
    </message>
    <message>
        <source>This is not an FSEQ sequence: it does not start with &quot;PSEQ&quot;. Pick a sequence exported as FSEQ.</source>
        <translation>This is not an FSEQ sequence: it does not start with &quot;PSEQ&quot;. Pick a sequence exported as FSEQ.</translation>
    </message>
    <message>
        <source>This is an FSEQ sequence of version %1, which cannot be read; export it as version 2 or 1.</source>
        <translation>This is an FSEQ sequence of version %1, which cannot be read; export it as version 2 or 1.</translation>
    </message>
    <message>
        <source>The sequence&apos;s frames last %1 ms; a step lasts at least %2 ms. Export it at 25 or 50 ms per frame.</source>
        <translation>The sequence&apos;s frames last %1 ms; a step lasts at least %2 ms. Export it at 25 or 50 ms per frame.</translation>
    </message>
    <message>
        <source>The sequence has %1 channels and %2 frames: there is nothing to light.</source>
        <translation>The sequence has %1 channels and %2 frames: there is nothing to light.</translation>
    </message>
    <message>
        <source>The sequence is compressed with zlib, which cannot be read; export it uncompressed or with zstd.</source>
        <translation>The sequence is compressed with zlib, which cannot be read; export it uncompressed or with zstd.</translation>
    </message>
    <message>
        <source>The sequence uses an unknown compression (type %1); export it uncompressed or with zstd.</source>
        <translation>The sequence uses an unknown compression (type %1); export it uncompressed or with zstd.</translation>
    </message>
    <message>
        <source>The header says the frames start at byte %1, past the end of the file (%2 bytes): it was cut short. Copy or export it again.</source>
        <translation>The header says the frames start at byte %1, past the end of the file (%2 bytes): it was cut short. Copy or export it again.</translation>
    </message>
    <message>
        <source>The header says the frames start at byte %1, inside the header, which takes %2 bytes: the file is damaged. Export it again.</source>
        <translation>The header says the frames start at byte %1, inside the header, which takes %2 bytes: the file is damaged. Export it again.</translation>
    </message>
    <message>
        <source>The frames are cut short: the header says %1 frames of %2 channels, but the file holds only %3 bytes of them. Copy or export it again.</source>
        <translation>The frames are cut short: the header says %1 frames of %2 channels, but the file holds only %3 bytes of them. Copy or export it again.</translation>
    </message>
    <message>
        <source>The first channel is %1; channels are numbered from 1.</source>
        <translation>The first channel is %1; channels are numbered from 1.</translation>
    </message>
    <message>
        <source>The threshold is %1; it is a channel value from 1 to 255.</source>
        <translation>The threshold is %1; it is a channel value from 1 to 255.</translation>
    </message>
    <message>
        <source>Pick a first channel from 1 to %1.</source>
        <translation>Pick a first channel from 1 to %1.</translation>
    </message>
    <message>
        <source>Eight lamps need eight channels.</source>
        <translation>Eight lamps need eight channels.</translation>
    </message>
    <message>
        <source>Channel %1 is past the end of this sequence, which has %2 channels. %3</source>
        <translation>Channel %1 is past the end of this sequence, which has %2 channels. %3</translation>
    </message>
    <message>
        <source>Channels %1 to %2 run past the end of this sequence, which has %3 channels. %4</source>
        <translation>Channels %1 to %2 run past the end of this sequence, which has %3 channels. %4</translation>
    </message>
    <message>
        <source>Channel %1 is not stored in this sequence, which holds only channels %2. Pick a first channel so that all eight lie among them.</source>
        <translation>Channel %1 is not stored in this sequence, which holds only channels %2. Pick a first channel so that all eight lie among them.</translation>
    </message>
    <message>
        <source>These channels change so often that they make more than %1 steps, more than a pattern holds. Import a shorter part of the sequence.</source>
        <translation>These channels change so often that they make more than %1 steps, more than a pattern holds. Import a shorter part of the sequence.</translation>
    </message>
    <message>
        <source>The file has %1 MB; a sequence file may have at most %2 MB.</source>
        <translation>The file has %1 MB; a sequence file may have at most %2 MB.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1. Check its name and that it may be read.</source>
        <translation>The file cannot be opened: %1. Check its name and that it may be read.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1. Try again.</source>
        <translation>The file cannot be read: %1. Try again.</translation>
    </message>
    <message>
        <source>This is not a regular file; pick a sequence file.</source>
        <translation>This is not a regular file; pick a sequence file.</translation>
    </message>
</context>
<context>
    <name>GpioOutput</name>
    <message>
        <source>GPIO chip %1 (%2) with %3 lines; put your eight line offsets in place of 0..7</source>
        <translation>GPIO chip %1 (%2) with %3 lines; put your eight line offsets in place of 0..7</translation>
    </message>
</context>
<context>
    <name>LibgpiodLines</name>
    <message>
        <source>There is no GPIO chip %1 (%2).</source>
        <translation>There is no GPIO chip %1 (%2).</translation>
    </message>
    <message>
        <source>Cannot take the GPIO lines of %1 as outputs (%2). Check the line offsets and that no other program holds them.</source>
        <translation>Cannot take the GPIO lines of %1 as outputs (%2). Check the line offsets and that no other program holds them.</translation>
    </message>
    <message>
        <source>A GPIO line stopped answering (%1).</source>
        <translation>A GPIO line stopped answering (%1).</translation>
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
    <name>OlaBackend</name>
    <message>
        <source>The OLA daemon (olad) does not answer on port %1. Start it, for example with: sudo systemctl start olad</source>
        <translation>The OLA daemon (olad) does not answer on port %1. Start it, for example with: sudo systemctl start olad</translation>
    </message>
    <message>
        <source>The OLA daemon (olad) stopped answering. Start it again, then open the port again.</source>
        <translation>The OLA daemon (olad) stopped answering. Start it again, then open the port again.</translation>
    </message>
    <message>
        <source>the OLA daemon (olad) did not confirm the last frame, so lamps may still be lit.</source>
        <translation>the OLA daemon (olad) did not confirm the last frame, so lamps may still be lit.</translation>
    </message>
</context>
<context>
    <name>OlaOutput</name>
    <message>
        <source>sent to the network over %1</source>
        <translation>sent to the network over %1</translation>
    </message>
    <message>
        <source>received from the network over %1</source>
        <translation>received from the network over %1</translation>
    </message>
    <message>
        <source>DMX universe 1 through olad</source>
        <translation>DMX universe 1 through olad</translation>
    </message>
    <message>
        <source>olad has no universe patched yet: patch one to an output with ola_patch</source>
        <translation>olad has no universe patched yet: patch one to an output with ola_patch</translation>
    </message>
    <message>
        <source>DMX universe %1 (%2) through olad, not on the network</source>
        <translation>DMX universe %1 (%2) through olad, not on the network</translation>
    </message>
    <message>
        <source>DMX universe %1 (%2) through olad, %3</source>
        <translation>DMX universe %1 (%2) through olad, %3</translation>
    </message>
</context>
<context>
    <name>OlaUniverseReceiver</name>
    <message>
        <source>olad does not answer at localhost:%1; start it (Lampotron never starts it).</source>
        <translation>olad does not answer at localhost:%1; start it (Lampotron never starts it).</translation>
    </message>
    <message>
        <source>olad did not answer the registration for universe %1.</source>
        <translation>olad did not answer the registration for universe %1.</translation>
    </message>
    <message>
        <source>olad refused universe %1: %2</source>
        <translation>olad refused universe %1: %2</translation>
    </message>
</context>
<context>
    <name>OutputLock</name>
    <message>
        <source>The lock file %1 is not a plain file; remove it (sudo rm -r %1) and open the output again.</source>
        <translation>The lock file %1 is not a plain file; remove it (sudo rm -r %1) and open the output again.</translation>
    </message>
    <message>
        <source>The lock file %1 is a hard link, one of %2 names of a file; remove it (sudo rm -r %1) and open the output again.</source>
        <translation>The lock file %1 is a hard link, one of %2 names of a file; remove it (sudo rm -r %1) and open the output again.</translation>
    </message>
    <message>
        <source>The lock file %1 belongs to user %2 and not every user may write it; remove it (sudo rm -r %1) and open the output again.</source>
        <translation>The lock file %1 belongs to user %2 and not every user may write it; remove it (sudo rm -r %1) and open the output again.</translation>
    </message>
    <message>
        <source>The lock file %1 is a symbolic link; remove it (sudo rm -r %1) and open the output again.</source>
        <translation>The lock file %1 is a symbolic link; remove it (sudo rm -r %1) and open the output again.</translation>
    </message>
    <message>
        <source>The lock file %1 is a folder; remove it (sudo rm -r %1) and open the output again.</source>
        <translation>The lock file %1 is a folder; remove it (sudo rm -r %1) and open the output again.</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be opened (%2), so not every user may write it; remove it (sudo rm -r %1) and open the output again.</source>
        <translation>The lock file %1 cannot be opened (%2), so not every user may write it; remove it (sudo rm -r %1) and open the output again.</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be opened (%2); open the output again once that is put right.</source>
        <translation>The lock file %1 cannot be opened (%2); open the output again once that is put right.</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be made (%2); the folder must be there and let every user make files in it (mode 1777).</source>
        <translation>The lock file %1 cannot be made (%2); the folder must be there and let every user make files in it (mode 1777).</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be examined (%2); remove it (sudo rm -r %1) and open the output again.</source>
        <translation>The lock file %1 cannot be examined (%2); remove it (sudo rm -r %1) and open the output again.</translation>
    </message>
    <message>
        <source>The lock file %1 was removed and made again while it was opened; open the output again.</source>
        <translation>The lock file %1 was removed and made again while it was opened; open the output again.</translation>
    </message>
    <message>
        <source>process unknown, user unknown</source>
        <translation>process unknown, user unknown</translation>
    </message>
    <message>
        <source>process %1, user %2</source>
        <translation>process %1, user %2</translation>
    </message>
    <message>
        <source>%1 is in use by Lampotron (%2)</source>
        <translation>%1 is in use by Lampotron (%2)</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be locked (%2); open the output again.</source>
        <translation>The lock file %1 cannot be locked (%2); open the output again.</translation>
    </message>
</context>
<context>
    <name>Outputs</name>
    <message>
        <source>the data lines of parallel port N; /dev/parport0 is the first</source>
        <translation>the data lines of parallel port N; /dev/parport0 is the first</translation>
    </message>
    <message>
        <source>parallel ports as /dev/parport*: load the ppdev module (sudo modprobe ppdev), and see that the port is enabled in the firmware setup</source>
        <translation>parallel ports as /dev/parport*: load the ppdev module (sudo modprobe ppdev), and see that the port is enabled in the firmware setup</translation>
    </message>
    <message>
        <source>eight GPIO lines of a chip, by offset, for lines 0..7</source>
        <translation>eight GPIO lines of a chip, by offset, for lines 0..7</translation>
    </message>
    <message>
        <source>GPIO chips as /dev/gpiochip*: a chip you may not open is not listed, so join the group that owns them (gpio on Raspberry Pi OS)</source>
        <translation>GPIO chips as /dev/gpiochip*: a chip you may not open is not listed, so join the group that owns them (gpio on Raspberry Pi OS)</translation>
    </message>
    <message>
        <source>GPIO output</source>
        <translation>GPIO output</translation>
    </message>
    <message>
        <source>a DMX universe through the OLA daemon, channels 1..8 for lines 0..7</source>
        <translation>a DMX universe through the OLA daemon, channels 1..8 for lines 0..7</translation>
    </message>
    <message>
        <source>DMX universes from olad at localhost:9010: start olad (Lampotron never starts it)</source>
        <translation>DMX universes from olad at localhost:9010: start olad (Lampotron never starts it)</translation>
    </message>
    <message>
        <source>DMX output through OLA</source>
        <translation>DMX output through OLA</translation>
    </message>
    <message>
        <source>a USB relay board by its serial; relay: alone takes the first one found</source>
        <translation>a USB relay board by its serial; relay: alone takes the first one found</translation>
    </message>
    <message>
        <source>USB relay boards as hidraw devices with the USB id 16c0:05df: plug one in (lsusb lists it)</source>
        <translation>USB relay boards as hidraw devices with the USB id 16c0:05df: plug one in (lsusb lists it)</translation>
    </message>
    <message>
        <source>USB relay boards</source>
        <translation>USB relay boards</translation>
    </message>
    <message>
        <source>%1 (left out of this build)</source>
        <translation>%1 (left out of this build)</translation>
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
    <name>ParportBackend</name>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>Cannot open %1: %2.</translation>
    </message>
    <message>
        <source>Cannot claim %1: %2.</source>
        <translation>Cannot claim %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2.</source>
        <translation>Cannot write to %1: %2.</translation>
    </message>
    <message>
        <source>There is no parallel port device %1. The computer may have no parallel port, or the ppdev module is not loaded.</source>
        <translation>There is no parallel port device %1. The computer may have no parallel port, or the ppdev module is not loaded.</translation>
    </message>
    <message>
        <source>No permission to use %1. Add your user to the lp group (sudo adduser $USER lp) and log in again.</source>
        <translation>No permission to use %1. Add your user to the lp group (sudo adduser $USER lp) and log in again.</translation>
    </message>
    <message>
        <source>The parallel port %1 is absent or in use by another program.</source>
        <translation>The parallel port %1 is absent or in use by another program.</translation>
    </message>
</context>
<context>
    <name>ParportOutput</name>
    <message>
        <source>parallel port</source>
        <translation>parallel port</translation>
    </message>
</context>
<context>
    <name>Pattern</name>
    <message>
        <source>A pattern needs a name.</source>
        <translation>A pattern needs a name.</translation>
    </message>
    <message>
        <source>A pattern&apos;s name may not start or end with a space.</source>
        <translation>A pattern&apos;s name may not start or end with a space.</translation>
    </message>
    <message>
        <source>A pattern&apos;s name has at most %1 characters.</source>
        <translation>A pattern&apos;s name has at most %1 characters.</translation>
    </message>
    <message>
        <source>A pattern&apos;s name may not hold control characters.</source>
        <translation>A pattern&apos;s name may not hold control characters.</translation>
    </message>
    <message>
        <source>A pattern needs at least one step.</source>
        <translation>A pattern needs at least one step.</translation>
    </message>
    <message>
        <source>A pattern has at most %1 steps, not %2.</source>
        <translation>A pattern has at most %1 steps, not %2.</translation>
    </message>
    <message>
        <source>Step %1 lasts %2 ms; a step lasts %3 to %4 ms, or the delay when it has no time.</source>
        <translation>Step %1 lasts %2 ms; a step lasts %3 to %4 ms, or the delay when it has no time.</translation>
    </message>
</context>
<context>
    <name>PatternBody</name>
    <message>
        <source>%1 must be an object such as {&quot;lamps&quot;: &quot;10000001&quot;, &quot;ms&quot;: 250}.</source>
        <translation>%1 must be an object such as {&quot;lamps&quot;: &quot;10000001&quot;, &quot;ms&quot;: 250}.</translation>
    </message>
    <message>
        <source>Unknown field &quot;%1&quot; in %2; it takes lamps and ms.</source>
        <translation>Unknown field &quot;%1&quot; in %2; it takes lamps and ms.</translation>
    </message>
    <message>
        <source>%1.lamps must be eight 0s and 1s, lamp 1 first, such as &quot;10000001&quot;.</source>
        <translation>%1.lamps must be eight 0s and 1s, lamp 1 first, such as &quot;10000001&quot;.</translation>
    </message>
    <message>
        <source>&quot;steps&quot; must be a list such as [{&quot;lamps&quot;: &quot;10000001&quot;, &quot;ms&quot;: 250}].</source>
        <translation>&quot;steps&quot; must be a list such as [{&quot;lamps&quot;: &quot;10000001&quot;, &quot;ms&quot;: 250}].</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing.</source>
        <translation>&quot;%1&quot; is missing.</translation>
    </message>
    <message>
        <source>&quot;to&quot; must be a text: the new name.</source>
        <translation>&quot;to&quot; must be a text: the new name.</translation>
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
    <name>PatternLibrary</name>
    <message>
        <source>&quot;%1&quot; was copied to &quot;%2&quot;, but the old file could not be removed; delete &quot;%1&quot; by hand.</source>
        <translation>&quot;%1&quot; was copied to &quot;%2&quot;, but the old file could not be removed; delete &quot;%1&quot; by hand.</translation>
    </message>
    <message>
        <source>There is no pattern &quot;%1&quot;.</source>
        <translation>There is no pattern &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 could not be removed; check that the folder is writable.</source>
        <translation>%1 could not be removed; check that the folder is writable.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a built-in effect; choose another name.</source>
        <translation>&quot;%1&quot; is a built-in effect; choose another name.</translation>
    </message>
    <message>
        <source>A pattern named &quot;%1&quot; exists; choose another name.</source>
        <translation>A pattern named &quot;%1&quot; exists; choose another name.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a built-in effect and cannot be changed; copy it to edit it.</source>
        <translation>&quot;%1&quot; is a built-in effect and cannot be changed; copy it to edit it.</translation>
    </message>
    <message>
        <source>There is no pattern &quot;%1&quot;; it may have been deleted meanwhile.</source>
        <translation>There is no pattern &quot;%1&quot;; it may have been deleted meanwhile.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed elsewhere (version %2, this edit started from %3); load it again and redo the change.</source>
        <translation>&quot;%1&quot; was changed elsewhere (version %2, this edit started from %3); load it again and redo the change.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made; check its parent&apos;s permissions.</source>
        <translation>The folder %1 cannot be made; check its parent&apos;s permissions.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 cannot be written: %2</translation>
    </message>
    <message>
        <source>%1 is saved but may not survive a power cut: %2</source>
        <translation>%1 is saved but may not survive a power cut: %2</translation>
    </message>
</context>
<context>
    <name>PatternLoader</name>
    <message>
        <source>the pattern file is missing</source>
        <translation>the pattern file is missing</translation>
    </message>
    <message>
        <source>the pattern file cannot be read</source>
        <translation>the pattern file cannot be read</translation>
    </message>
    <message>
        <source>the pattern file is not a plain file (a folder, device or pipe is in its place)</source>
        <translation>the pattern file is not a plain file (a folder, device or pipe is in its place)</translation>
    </message>
    <message>
        <source>the pattern file is at least %1 bytes, more than the %2 bytes that %3 rows can take</source>
        <translation>the pattern file is at least %1 bytes, more than the %2 bytes that %3 rows can take</translation>
    </message>
    <message>
        <source>the pattern file has no rows</source>
        <translation>the pattern file has no rows</translation>
    </message>
    <message>
        <source>the pattern file has more than %1 lines</source>
        <translation>the pattern file has more than %1 lines</translation>
    </message>
</context>
<context>
    <name>PatternText</name>
    <message>
        <source>The pattern file is over %1 bytes.</source>
        <translation>The pattern file is over %1 bytes.</translation>
    </message>
    <message>
        <source>Line %1: the version is not a whole number.</source>
        <translation>Line %1: the version is not a whole number.</translation>
    </message>
    <message>
        <source>The pattern has more than %1 steps.</source>
        <translation>The pattern has more than %1 steps.</translation>
    </message>
    <message>
        <source>Line %1 is not a step: a step is eight characters 0 or 1, then its time in ms if it has one.</source>
        <translation>Line %1 is not a step: a step is eight characters 0 or 1, then its time in ms if it has one.</translation>
    </message>
    <message>
        <source>The pattern file has no &quot;name:&quot; line.</source>
        <translation>The pattern file has no &quot;name:&quot; line.</translation>
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
    <name>Player</name>
    <message>
        <source>the output %1 was lost (%2), so whether its lines are low is unknown.</source>
        <translation>the output %1 was lost (%2), so whether its lines are low is unknown.</translation>
    </message>
    <message>
        <source>Lampotron ended, but %1</source>
        <translation>Lampotron ended, but %1</translation>
    </message>
</context>
<context>
    <name>PlayerCommands</name>
    <message>
        <source>There is no pattern &quot;%1&quot;.</source>
        <translation>There is no pattern &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>There is no pattern &quot;%1&quot;; the current scheme is kept.</source>
        <translation>There is no pattern &quot;%1&quot;; the current scheme is kept.</translation>
    </message>
    <message>
        <source>The scheme would have %1 rows, more than the %2 a scheme can hold; choose fewer repeats or shorter patterns.</source>
        <translation>The scheme would have %1 rows, more than the %2 a scheme can hold; choose fewer repeats or shorter patterns.</translation>
    </message>
    <message>
        <source>Following %1 already.</source>
        <translation>Following %1 already.</translation>
    </message>
    <message>
        <source>There is no scheme to play; build one first.</source>
        <translation>There is no scheme to play; build one first.</translation>
    </message>
    <message>
        <source>The scheme cannot be played: %1</source>
        <translation>The scheme cannot be played: %1</translation>
    </message>
    <message>
        <source>Stop playing before building a new scheme.</source>
        <translation>Stop playing before building a new scheme.</translation>
    </message>
    <message>
        <source>The new scheme cannot be read: %1</source>
        <translation>The new scheme cannot be read: %1</translation>
    </message>
    <message>
        <source>This player follows %1 from the network; it plays no scheme or effect of its own.</source>
        <translation>This player follows %1 from the network; it plays no scheme or effect of its own.</translation>
    </message>
    <message>
        <source>The schedule was changed meanwhile (version %1, not %2); load it again and redo the change.</source>
        <translation>The schedule was changed meanwhile (version %1, not %2); load it again and redo the change.</translation>
    </message>
    <message>
        <source>The speed is %1 to %2 ms in steps of %3, not %4.</source>
        <translation>The speed is %1 to %2 ms in steps of %3, not %4.</translation>
    </message>
    <message>
        <source>That output cannot work: %1 See the outputs found.</source>
        <translation>That output cannot work: %1 See the outputs found.</translation>
    </message>
    <message>
        <source>There is no effect %1; they are numbered 0 to %2.</source>
        <translation>There is no effect %1; they are numbered 0 to %2.</translation>
    </message>
    <message>
        <source>Tick at least one effect to build a scheme. The current scheme is kept.</source>
        <translation>Tick at least one effect to build a scheme. The current scheme is kept.</translation>
    </message>
    <message>
        <source>Each effect repeats 1 to %1 times, not %2.</source>
        <translation>Each effect repeats 1 to %1 times, not %2.</translation>
    </message>
    <message>
        <source>A scheme holds at most %1 patterns, not %2.</source>
        <translation>A scheme holds at most %1 patterns, not %2.</translation>
    </message>
    <message>
        <source>Each pattern repeats 1 to %1 times, not %2.</source>
        <translation>Each pattern repeats 1 to %1 times, not %2.</translation>
    </message>
</context>
<context>
    <name>PortSetting</name>
    <message>
        <source>does not name a GPIO chip and its line offsets.</source>
        <translation>does not name a GPIO chip and its line offsets.</translation>
    </message>
    <message>
        <source>needs exactly eight line offsets, separated by commas.</source>
        <translation>needs exactly eight line offsets, separated by commas.</translation>
    </message>
    <message>
        <source>does not name a DMX universe number.</source>
        <translation>does not name a DMX universe number.</translation>
    </message>
    <message>
        <source>is not understood.</source>
        <translation>is not understood.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 or %2</translation>
    </message>
    <message>
        <source>The port setting &quot;%1&quot; %2 Use %3.</source>
        <translation>The port setting &quot;%1&quot; %2 Use %3.</translation>
    </message>
    <message>
        <source>This Lampotron was built without %1 (the build option %2 was off).</source>
        <translation>This Lampotron was built without %1 (the build option %2 was off).</translation>
    </message>
    <message>
        <source>is longer than %1 characters.</source>
        <translation>is longer than %1 characters.</translation>
    </message>
    <message>
        <source>does not name a relay board&apos;s serial (letters and digits, or nothing for the first board).</source>
        <translation>does not name a relay board&apos;s serial (letters and digits, or nothing for the first board).</translation>
    </message>
</context>
<context>
    <name>PrintableText</name>
    <message>
        <source>… (%1 characters)</source>
        <translation>… (%1 characters)</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>The remote starts once the window has; try again in a moment.</source>
        <translation>The remote starts once the window has; try again in a moment.</translation>
    </message>
    <message>
        <source>No output found. Looked for:</source>
        <translation>No output found. Looked for:</translation>
    </message>
    <message>
        <source>can be opened</source>
        <translation>can be opened</translation>
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
    <name>RelayBackend</name>
    <message>
        <source>No USB relay board was found. Plug one in: it shows up as USB device 16c0:05df named USBRelay1, USBRelay2, USBRelay4 or USBRelay8.</source>
        <translation>No USB relay board was found. Plug one in: it shows up as USB device 16c0:05df named USBRelay1, USBRelay2, USBRelay4 or USBRelay8.</translation>
    </message>
    <message>
        <source>There is no USB relay board with serial %1; the boards found are %2.</source>
        <translation>There is no USB relay board with serial %1; the boards found are %2.</translation>
    </message>
    <message>
        <source>Cannot open the USB relay board %1 (%2).</source>
        <translation>Cannot open the USB relay board %1 (%2).</translation>
    </message>
    <message>
        <source>The USB relay board %1 does not take commands (%2).</source>
        <translation>The USB relay board %1 does not take commands (%2).</translation>
    </message>
    <message>
        <source>The USB relay board %1 stopped answering (%2). Check that it is still plugged in.</source>
        <translation>The USB relay board %1 stopped answering (%2). Check that it is still plugged in.</translation>
    </message>
    <message>
        <source>This board has %1 relay: lines %1 to 7 are not connected.</source>
        <translation>This board has %1 relay: lines %1 to 7 are not connected.</translation>
    </message>
    <message>
        <source>This board has %1 relays: line 7 is not connected.</source>
        <translation>This board has %1 relays: line 7 is not connected.</translation>
    </message>
    <message>
        <source>This board has %1 relays: lines %1 to 7 are not connected.</source>
        <translation>This board has %1 relays: lines %1 to 7 are not connected.</translation>
    </message>
</context>
<context>
    <name>RelayBoards</name>
    <message>
        <source>No permission to use the USB relay board %1. Add a udev rule that gives the plugdev group access to USB device 16c0:05df, add your user to plugdev and plug the board in again (see &quot;Connecting lamps&quot; in the README).</source>
        <translation>No permission to use the USB relay board %1. Add a udev rule that gives the plugdev group access to USB device 16c0:05df, add your user to plugdev and plug the board in again (see &quot;Connecting lamps&quot; in the README).</translation>
    </message>
    <message>
        <source>Cannot open the USB relay board %1 (%2).</source>
        <translation>Cannot open the USB relay board %1 (%2).</translation>
    </message>
    <message>
        <source>The USB relay board %1 does not answer (%2).</source>
        <translation>The USB relay board %1 does not answer (%2).</translation>
    </message>
</context>
<context>
    <name>RelayOutput</name>
    <message>
        <source>USB relay board %1 with %2 relay; lines %2 to 7 go nowhere</source>
        <translation>USB relay board %1 with %2 relay; lines %2 to 7 go nowhere</translation>
    </message>
    <message>
        <source>USB relay board %1 with %2 relays; lines %2 to 7 go nowhere</source>
        <translation>USB relay board %1 with %2 relays; lines %2 to 7 go nowhere</translation>
    </message>
    <message>
        <source>USB relay board %1 with %2 relays</source>
        <translation>USB relay board %1 with %2 relays</translation>
    </message>
</context>
<context>
    <name>RemoteApi</name>
    <message>
        <source>?channel= takes a channel from 1 on, ?threshold= a level from 1 to 255.</source>
        <translation>?channel= takes a channel from 1 on, ?threshold= a level from 1 to 255.</translation>
    </message>
    <message>
        <source>The sequence was not imported: %1</source>
        <translation>The sequence was not imported: %1</translation>
    </message>
    <message>
        <source>?frame= takes 25 or 50 (ms).</source>
        <translation>?frame= takes 25 or 50 (ms).</translation>
    </message>
    <message>
        <source>There is no pattern &quot;%1&quot;.</source>
        <translation>There is no pattern &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Open %1 as a WebSocket; its first message is {&quot;key&quot;: &quot;KEY&quot;}.</source>
        <translation>Open %1 as a WebSocket; its first message is {&quot;key&quot;: &quot;KEY&quot;}.</translation>
    </message>
    <message>
        <source>This remote answers to its own address only, not to &quot;%1&quot;; open the address lampotron --remote-url shows.</source>
        <translation>This remote answers to its own address only, not to &quot;%1&quot;; open the address lampotron --remote-url shows.</translation>
    </message>
    <message>
        <source>Too many wrong keys from this address; try again in a minute.</source>
        <translation>Too many wrong keys from this address; try again in a minute.</translation>
    </message>
    <message>
        <source>The body is over %1 bytes.</source>
        <translation>The body is over %1 bytes.</translation>
    </message>
    <message>
        <source>This request came from another site (%1); the remote answers its own page only.</source>
        <translation>This request came from another site (%1); the remote answers its own page only.</translation>
    </message>
    <message>
        <source>No key: send &quot;Authorization: Bearer KEY&quot; with the key that lampotron --remote-url shows.</source>
        <translation>No key: send &quot;Authorization: Bearer KEY&quot; with the key that lampotron --remote-url shows.</translation>
    </message>
    <message>
        <source>Wrong key; the right one is in the address lampotron --remote-url shows.</source>
        <translation>Wrong key; the right one is in the address lampotron --remote-url shows.</translation>
    </message>
    <message>
        <source>There is no %1 in the API.</source>
        <translation>There is no %1 in the API.</translation>
    </message>
    <message>
        <source>%1 takes %2, not %3.</source>
        <translation>%1 takes %2, not %3.</translation>
    </message>
    <message>
        <source>There is no page at %1.</source>
        <translation>There is no page at %1.</translation>
    </message>
    <message>
        <source>The page is read with GET.</source>
        <translation>The page is read with GET.</translation>
    </message>
    <message>
        <source>?days= takes 0 to %1 days.</source>
        <translation>?days= takes 0 to %1 days.</translation>
    </message>
</context>
<context>
    <name>RemoteConfig</name>
    <message>
        <source>The remote address &quot;%1&quot; is unusable: %2. Give ADDRESS:PORT, such as 127.0.0.1:8080 for this machine only or 0.0.0.0:8080 for the network.</source>
        <translation>The remote address &quot;%1&quot; is unusable: %2. Give ADDRESS:PORT, such as 127.0.0.1:8080 for this machine only or 0.0.0.0:8080 for the network.</translation>
    </message>
    <message>
        <source>no port</source>
        <translation>no port</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IP address</source>
        <translation>&quot;%1&quot; is not an IP address</translation>
    </message>
    <message>
        <source>the port is 1 to 65535</source>
        <translation>the port is 1 to 65535</translation>
    </message>
    <message>
        <source>HTTPS needs both RemoteCertificate and RemoteKey in [Setting] (PEM files); only one is set.</source>
        <translation>HTTPS needs both RemoteCertificate and RemoteKey in [Setting] (PEM files); only one is set.</translation>
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
    <name>RemoteKey</name>
    <message>
        <source>The remote&apos;s key %1 cannot be read: %2.</source>
        <translation>The remote&apos;s key %1 cannot be read: %2.</translation>
    </message>
    <message>
        <source>The remote&apos;s key %1 is not a plain file; remove it and a new key is made.</source>
        <translation>The remote&apos;s key %1 is not a plain file; remove it and a new key is made.</translation>
    </message>
    <message>
        <source>The remote&apos;s key %1 could be read by other users; make it private (chmod 600 %1, owned by the user Lampotron runs as).</source>
        <translation>The remote&apos;s key %1 could be read by other users; make it private (chmod 600 %1, owned by the user Lampotron runs as).</translation>
    </message>
    <message>
        <source>The remote&apos;s key %1 is damaged; remove it and a new key is made.</source>
        <translation>The remote&apos;s key %1 is damaged; remove it and a new key is made.</translation>
    </message>
    <message>
        <source>No random numbers for the remote&apos;s key: %1.</source>
        <translation>No random numbers for the remote&apos;s key: %1.</translation>
    </message>
    <message>
        <source>The remote&apos;s key cannot be made in %1: %2.</source>
        <translation>The remote&apos;s key cannot be made in %1: %2.</translation>
    </message>
    <message>
        <source>The remote&apos;s key cannot be written to %1: %2.</source>
        <translation>The remote&apos;s key cannot be written to %1: %2.</translation>
    </message>
    <message>
        <source>The remote&apos;s key cannot be put in %1: %2.</source>
        <translation>The remote&apos;s key cannot be put in %1: %2.</translation>
    </message>
    <message>
        <source>The folder for the remote&apos;s key, %1, cannot be made.</source>
        <translation>The folder for the remote&apos;s key, %1, cannot be made.</translation>
    </message>
</context>
<context>
    <name>RemoteServer</name>
    <message>
        <source>HTTPS needs Qt&apos;s TLS support with OpenSSL 3 (package libssl3), which is missing</source>
        <translation>HTTPS needs Qt&apos;s TLS support with OpenSSL 3 (package libssl3), which is missing</translation>
    </message>
    <message>
        <source>no certificate could be read from %1 (RemoteCertificate); give a PEM file</source>
        <translation>no certificate could be read from %1 (RemoteCertificate); give a PEM file</translation>
    </message>
    <message>
        <source>the private key %1 (RemoteKey) cannot be read: %2</source>
        <translation>the private key %1 (RemoteKey) cannot be read: %2</translation>
    </message>
    <message>
        <source>no private key could be read from %1 (RemoteKey); give an RSA or EC key in PEM, without a passphrase</source>
        <translation>no private key could be read from %1 (RemoteKey); give an RSA or EC key in PEM, without a passphrase</translation>
    </message>
    <message>
        <source>cannot listen on %1:%2: %3</source>
        <translation>cannot listen on %1:%2: %3</translation>
    </message>
</context>
<context>
    <name>RequestBody</name>
    <message>
        <source>&quot;%1&quot; is missing.</source>
        <translation>&quot;%1&quot; is missing.</translation>
    </message>
    <message>
        <source>%1 must be an object such as {&quot;ticked&quot;: true, &quot;repeats&quot;: 1}.</source>
        <translation>%1 must be an object such as {&quot;ticked&quot;: true, &quot;repeats&quot;: 1}.</translation>
    </message>
    <message>
        <source>Unknown field &quot;%1&quot; in %2; it takes ticked and repeats.</source>
        <translation>Unknown field &quot;%1&quot; in %2; it takes ticked and repeats.</translation>
    </message>
    <message>
        <source>%1.ticked must be true or false.</source>
        <translation>%1.ticked must be true or false.</translation>
    </message>
    <message>
        <source>%1 must be an object such as {&quot;name&quot;: &quot;Wave&quot;, &quot;repeats&quot;: 1}.</source>
        <translation>%1 must be an object such as {&quot;name&quot;: &quot;Wave&quot;, &quot;repeats&quot;: 1}.</translation>
    </message>
    <message>
        <source>Unknown field &quot;%1&quot; in %2; it takes name and repeats.</source>
        <translation>Unknown field &quot;%1&quot; in %2; it takes name and repeats.</translation>
    </message>
    <message>
        <source>%1.name must be a text.</source>
        <translation>%1.name must be a text.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number.</source>
        <translation>&quot;%1&quot; must be a whole number.</translation>
    </message>
    <message>
        <source>The body is not JSON: %1 at byte %2.</source>
        <translation>The body is not JSON: %1 at byte %2.</translation>
    </message>
    <message>
        <source>The body must be a JSON object, such as {}.</source>
        <translation>The body must be a JSON object, such as {}.</translation>
    </message>
    <message>
        <source>Unknown field &quot;%1&quot;; this request takes no fields.</source>
        <translation>Unknown field &quot;%1&quot;; this request takes no fields.</translation>
    </message>
    <message>
        <source>Unknown field &quot;%1&quot;; this request takes: %2.</source>
        <translation>Unknown field &quot;%1&quot;; this request takes: %2.</translation>
    </message>
    <message>
        <source>&quot;output&quot; must be a text, such as &quot;ola:1&quot;.</source>
        <translation>&quot;output&quot; must be a text, such as &quot;ola:1&quot;.</translation>
    </message>
    <message>
        <source>&quot;effects&quot; must list all %1 effects in order.</source>
        <translation>&quot;effects&quot; must list all %1 effects in order.</translation>
    </message>
    <message>
        <source>&quot;atOnce&quot; must be true or false.</source>
        <translation>&quot;atOnce&quot; must be true or false.</translation>
    </message>
    <message>
        <source>&quot;patterns&quot; must be a list of at most %1 patterns.</source>
        <translation>&quot;patterns&quot; must be a list of at most %1 patterns.</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>[Schedule] Entry%1 is ignored: %2 needs the place in [Schedule], such as Latitude=52.52 and Longitude=13.40 (degrees north and east).</source>
        <translation>[Schedule] Entry%1 is ignored: %2 needs the place in [Schedule], such as Latitude=52.52 and Longitude=13.40 (degrees north and east).</translation>
    </message>
    <message>
        <source>[Schedule] Entry%1 is ignored: at %2 it never runs, as on=%3 does not come before off=%4 on any day of the year.</source>
        <translation>[Schedule] Entry%1 is ignored: at %2 it never runs, as on=%3 does not come before off=%4 on any day of the year.</translation>
    </message>
    <message>
        <source>[Schedule] Entry%1 names no days, so it never runs.</source>
        <translation>[Schedule] Entry%1 names no days, so it never runs.</translation>
    </message>
    <message>
        <source>there is no %1 on %2 at %3</source>
        <translation>there is no %1 on %2 at %3</translation>
    </message>
    <message>
        <source>it would start at %1, after its end at %2</source>
        <translation>it would start at %1, after its end at %2</translation>
    </message>
    <message>
        <source>entry %1 does not run on %2: %3</source>
        <translation>entry %1 does not run on %2: %3</translation>
    </message>
    <message>
        <source>on all the time: no schedule</source>
        <translation>on all the time: no schedule</translation>
    </message>
    <message>
        <source>on, with no end in the next %1 days (entry %2)</source>
        <translation>on, with no end in the next %1 days (entry %2)</translation>
    </message>
    <message>
        <source>off at %1 (entry %2%3%4)</source>
        <translation>off at %1 (entry %2%3%4)</translation>
    </message>
    <message>
        <source>, at the end of the pass</source>
        <translation>, at the end of the pass</translation>
    </message>
    <message>
        <source>off: [Schedule] has no entry that can be used</source>
        <translation>off: [Schedule] has no entry that can be used</translation>
    </message>
    <message>
        <source>off: no entry starts in the year ahead</source>
        <translation>off: no entry starts in the year ahead</translation>
    </message>
    <message>
        <source>on at %1 (entry %2%3)</source>
        <translation>on at %1 (entry %2%3)</translation>
    </message>
</context>
<context>
    <name>ScheduleBody</name>
    <message>
        <source>&quot;place&quot; must be null or {&quot;latitude&quot;: 52.52, &quot;longitude&quot;: 13.40}, in degrees north and east.</source>
        <translation>&quot;place&quot; must be null or {&quot;latitude&quot;: 52.52, &quot;longitude&quot;: 13.40}, in degrees north and east.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing.</source>
        <translation>&quot;%1&quot; is missing.</translation>
    </message>
    <message>
        <source>&quot;entries&quot; must be a list of texts, such as [&quot;on=sunset off=23:00&quot;].</source>
        <translation>&quot;entries&quot; must be a list of texts, such as [&quot;on=sunset off=23:00&quot;].</translation>
    </message>
    <message>
        <source>&quot;entries&quot; holds %1 entries, and a schedule holds at most %2.</source>
        <translation>&quot;entries&quot; holds %1 entries, and a schedule holds at most %2.</translation>
    </message>
    <message>
        <source>Each of &quot;entries&quot; must be a text, such as &quot;on=sunset off=23:00&quot;.</source>
        <translation>Each of &quot;entries&quot; must be a text, such as &quot;on=sunset off=23:00&quot;.</translation>
    </message>
</context>
<context>
    <name>ScheduleEdit</name>
    <message>
        <source>There are %1 entries, and a schedule holds at most %2. Join windows that follow each other into one entry, or use days= and dates= to cover more days.</source>
        <translation>There are %1 entries, and a schedule holds at most %2. Join windows that follow each other into one entry, or use days= and dates= to cover more days.</translation>
    </message>
    <message>
        <source>The place is at latitude %1, longitude %2; latitude goes from -90 to 90 and longitude from -180 to 180 degrees (north and east are positive).</source>
        <translation>The place is at latitude %1, longitude %2; latitude goes from -90 to 90 and longitude from -180 to 180 degrees (north and east are positive).</translation>
    </message>
    <message>
        <source>Entry %1 cannot be used: %2.</source>
        <translation>Entry %1 cannot be used: %2.</translation>
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
        <translation>%1= comes after play=; write play= last, as the name it takes may hold spaces</translation>
    </message>
    <message>
        <source>play=%1 names nothing to play: %2 Write the name of an effect or a pattern, such as play=наполнение</source>
        <translation>play=%1 names nothing to play: %2 Write the name of an effect or a pattern, such as play=наполнение</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a list of days; write days such as Mon-Fri or Sat,Sun (Mon, Tue, Wed, Thu, Fri, Sat, Sun)</source>
        <translation>&quot;%1&quot; is not a list of days; write days such as Mon-Fri or Sat,Sun (Mon, Tue, Wed, Thu, Fri, Sat, Sun)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a range of dates; write it as month-day..month-day, such as 12-01..01-06</source>
        <translation>&quot;%1&quot; is not a range of dates; write it as month-day..month-day, such as 12-01..01-06</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time; write a clock time such as 23:00, or sunrise, sunset, dawn or dusk, moved by up to %2 minutes as in sunset-15</source>
        <translation>&quot;%1&quot; is not a time; write a clock time such as 23:00, or sunrise, sunset, dawn or dusk, moved by up to %2 minutes as in sunset-15</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a way to end; write end=now (stop at once) or end=pass (stop after the scheme&apos;s last row)</source>
        <translation>&quot;%1&quot; is not a way to end; write end=now (stop at once) or end=pass (stop after the scheme&apos;s last row)</translation>
    </message>
    <message>
        <source>it is %1 characters long, and an entry has at most %2; write one window per entry, such as on=sunset off=23:00</source>
        <translation>it is %1 characters long, and an entry has at most %2; write one window per entry, such as on=sunset off=23:00</translation>
    </message>
    <message>
        <source>it holds a control character, &quot;%1&quot; at character %2; write it as plain text on one line</source>
        <translation>it holds a control character, &quot;%1&quot; at character %2; write it as plain text on one line</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is none of days=, dates=, on=, off=, end= and play=</source>
        <translation>&quot;%1&quot; is none of days=, dates=, on=, off=, end= and play=</translation>
    </message>
    <message>
        <source>%1= is given twice</source>
        <translation>%1= is given twice</translation>
    </message>
    <message>
        <source>it needs a start and an end, such as on=sunset off=23:00</source>
        <translation>it needs a start and an end, such as on=sunset off=23:00</translation>
    </message>
    <message>
        <source>it would never run: %1 comes before %2 every day</source>
        <translation>it would never run: %1 comes before %2 every day</translation>
    </message>
    <message>
        <source>it would end at %1, before it starts at %2; a window runs past midnight only from the afternoon (12:00 or later, sunset, dusk) into the morning (before 12:00, sunrise, dawn)</source>
        <translation>it would end at %1, before it starts at %2; a window runs past midnight only from the afternoon (12:00 or later, sunset, dusk) into the morning (before 12:00, sunrise, dawn)</translation>
    </message>
</context>
<context>
    <name>ScheduleListing</name>
    <message>
        <source>%1  on %2  off %3  entry %4: on=%5 off=%6%7%8</source>
        <extracomment>on=%5 off=%6 repeat the entry as written in the settings, so they stay as they are.</extracomment>
        <translation>%1  on %2  off %3  entry %4: on=%5 off=%6%7%8</translation>
    </message>
    <message>
        <source>No schedule: [Schedule] in the settings has no entries, or Enabled=0. The show plays all the time.
</source>
        <translation>No schedule: [Schedule] in the settings has no entries, or Enabled=0. The show plays all the time.
</translation>
    </message>
    <message>
        <source>On and off times of the %1 days from %2, in %3:</source>
        <translation>On and off times of the %1 days from %2, in %3:</translation>
    </message>
    <message>
        <source>entry %1 runs on none of these days; its next day is %2</source>
        <translation>entry %1 runs on none of these days; its next day is %2</translation>
    </message>
</context>
<context>
    <name>ScheduleSettings</name>
    <message>
        <source>[Schedule] %1=%2 is not usable: write degrees from -%3 to %3 with a decimal point, such as %1=%4.</source>
        <translation>[Schedule] %1=%2 is not usable: write degrees from -%3 to %3 with a decimal point, such as %1=%4.</translation>
    </message>
    <message>
        <source>[Schedule] %1 is ignored: the keys there are Enabled, Latitude, Longitude and Entry1, Entry2 and so on.</source>
        <translation>[Schedule] %1 is ignored: the keys there are Enabled, Latitude, Longitude and Entry1, Entry2 and so on.</translation>
    </message>
    <message>
        <source>[Schedule] %1 more keys are ignored.</source>
        <translation>[Schedule] %1 more keys are ignored.</translation>
    </message>
    <message>
        <source>[Schedule] has %1 entries; only the first %2, up to Entry%3, are used. Join windows that follow each other into one entry, or use days= and dates= to cover more days.</source>
        <translation>[Schedule] has %1 entries; only the first %2, up to Entry%3, are used. Join windows that follow each other into one entry, or use days= and dates= to cover more days.</translation>
    </message>
    <message>
        <source>[Schedule] Entry%1 is ignored: %2.</source>
        <translation>[Schedule] Entry%1 is ignored: %2.</translation>
    </message>
</context>
<context>
    <name>SchemeDraft</name>
    <message>
        <source>Cannot create a new scheme file in %1: %2</source>
        <translation>Cannot create a new scheme file in %1: %2</translation>
    </message>
    <message>
        <source>Cannot lock %1: %2</source>
        <translation>Cannot lock %1: %2</translation>
    </message>
    <message>
        <source>A pattern must be written at least once, not %1 times.</source>
        <translation>A pattern must be written at least once, not %1 times.</translation>
    </message>
    <message>
        <source>There is no effect number %1.</source>
        <translation>There is no effect number %1.</translation>
    </message>
    <message>
        <source>An effect must be written at least once, not %1 times.</source>
        <translation>An effect must be written at least once, not %1 times.</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2</source>
        <translation>Cannot write to %1: %2</translation>
    </message>
    <message>
        <source>The new scheme file %1 was removed while it was written; build the scheme again.</source>
        <translation>The new scheme file %1 was removed while it was written; build the scheme again.</translation>
    </message>
    <message>
        <source>Cannot replace %1: %2</source>
        <translation>Cannot replace %1: %2</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>Cannot save %1: %2</translation>
    </message>
</context>
<context>
    <name>SchemeLocation</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 cannot be read: %2</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>the folder %1 cannot be made</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 cannot be written: %2</translation>
    </message>
</context>
<context>
    <name>SchemeTransaction</name>
    <message>
        <source>The scheme could not be built. The previous scheme is kept.</source>
        <translation>The scheme could not be built. The previous scheme is kept.</translation>
    </message>
    <message>
        <source>The scheme was built, but the disk reported an error: it may be lost if the power fails now.</source>
        <translation>The scheme was built, but the disk reported an error: it may be lost if the power fails now.</translation>
    </message>
    <message>
        <source>The scheme was built, but the selection could not be saved.</source>
        <translation>The scheme was built, but the selection could not be saved.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation>The settings could not be saved to %1: %2.</translation>
    </message>
    <message>
        <source>cannot read the settings file %1: %2</source>
        <translation>cannot read the settings file %1: %2</translation>
    </message>
    <message>
        <source>the disk is mounted read-only</source>
        <translation>the disk is mounted read-only</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>a folder is in its place</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>the file is read-only</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>its folder cannot be made</translation>
    </message>
    <message>
        <source>its folder is read-only</source>
        <translation>its folder is read-only</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>the system gave no reason</source>
        <translation>the system gave no reason</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>The default scheme could not be copied: %1</source>
        <translation>The default scheme could not be copied: %1</translation>
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
