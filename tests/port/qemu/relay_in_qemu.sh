#!/usr/bin/env bash
# Boots a Debian kernel in qemu, makes a USBRelay8 board there through uhid,
# drives it with the relay backend through hidapi and hidraw, and checks every
# set-report the board received. Exits 77 (skipped) with a reason when qemu or
# the kernel cannot be had.
#   relay_in_qemu.sh RELAY_GUEST VIRTUAL_RELAY_BOARD CACHE_DIR
set -euo pipefail

source "$(dirname "$0")/qemu_guest.sh"
need_qemu
prepare_guest "$3" drivers/hid/hid.ko drivers/hid/hid-generic.ko drivers/hid/uhid.ko
# hidapi finds boards through libudev, which only comes as a shared library:
# the programs go in with the libraries they load and the loader.
cp "$1" "$2" "$root/"
for library in $(ldd "$1" "$2" | grep -o '\s/[^ ]*'); do mkdir -p "$root${library%/*}" && cp -L "$library" "$root$library"; done
boot_guest "/virtual_relay_board QEMU8 & board=\$!; /relay_guest; code=\$?; sleep 0.3; kill \$board; wait \$board; (exit \$code)"

tr -d '\r' < "$work/console.log" > "$work/guest.log"
sed -n 's/^set-report [0-9.]* ms: //p' "$work/guest.log" > "$work/seen.txt"
# Expected from the rows the guest played and the board's rules alone: all off
# on opening; for each row, in relay order, one command per relay that differs
# from the row before; every line low on letting go; nothing after. A report is
# the report number 0, the command (0xfc all off, 0xff on, 0xfd off), the relay
# counted from 1, then zeros.
awk 'function play(row,  relay, now) {
       for (relay = 1; relay <= 8; relay++)
         if ((now = int(row / 2 ^ (relay - 1)) % 2) != int(relays / 2 ^ (relay - 1)) % 2)
           printf "00 %s %02x 00 00 00 00 00 00\n", now ? "ff" : "fd", relay
       relays = row }
     /^guest: port claimed/ { print "00 fc 00 00 00 00 00 00 00" }
     /^guest: row / { play($5) }
     /^guest: letting go/ { play(0) }' "$work/guest.log" > "$work/expected.txt"
diff -u "$work/expected.txt" "$work/seen.txt" || fail "the set-reports the board received differ from the expected sequence"
awk '/^set-report/ { if (n++) printf "%.2f ", $2 - last; last = $2 } END { print "ms between reports" }' "$work/guest.log"
echo "set-reports: $(wc -l < "$work/seen.txt"), as expected"
echo "PASS"
