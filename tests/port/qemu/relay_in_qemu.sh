#!/usr/bin/env bash
# Boots a Debian kernel in qemu, makes a USBRelay8 board there through uhid,
# drives it with the relay backend through hidapi and hidraw, and checks every
# set-report the board received.
#   relay_in_qemu.sh RELAY_GUEST VIRTUAL_RELAY_BOARD CACHE_DIR
# Exits 77 (skipped) with a reason when qemu or the kernel cannot be had.
set -euo pipefail

source "$(dirname "$0")/qemu_guest.sh"
need_qemu
prepare_guest "$3" drivers/hid/hid.ko drivers/hid/hid-generic.ko drivers/hid/uhid.ko
# hidapi finds boards through libudev, which only comes as a shared library:
# the programs go in with the libraries they load and the loader.
for program in "$1" "$2"; do
  cp "$program" "$root/"
  for library in $(ldd "$program" | grep -o '/[^ ]*'); do
    mkdir -p "$root${library%/*}" && cp -L "$library" "$root$library"
  done
done
boot_guest "/virtual_relay_board QEMU8 & board=\$!; /relay_guest; code=\$?; sleep 0.3; kill \$board; wait \$board; (exit \$code)"

tr -d '\r' < "$work/console.log" > "$work/guest.log"
sed -n 's/^set-report [0-9.]* ms: //p' "$work/guest.log" > "$work/seen.txt"
# What the board must have received, from the rows the guest played and the
# board's rules alone: all off on opening; for each row, in relay order, one
# command per relay that differs from the row before; every line low on
# letting go; nothing after. A report is the report number 0, the command
# (0xfc all off, 0xff on, 0xfd off), the relay counted from 1, then zeros.
awk 'function hex(text) { return index("0123456789abcdef", substr(text, 3, 1)) * 16 \
                                + index("0123456789abcdef", substr(text, 4, 1)) - 17 }
     function play(row,  relay, now) {
       for (relay = 1; relay <= 8; relay++) {
         now = int(row / 2 ^ (relay - 1)) % 2
         if (now != int(relays / 2 ^ (relay - 1)) % 2) printf "00 %s %02x 00 00 00 00 00 00\n", now ? "ff" : "fd", relay
       }
       relays = row }
     /^guest: port claimed/ { print "00 fc 00 00 00 00 00 00 00" }
     /^guest: row / { play(hex($3)) }
     /^guest: letting go/ { play(0) }' "$work/guest.log" > "$work/expected.txt"
if ! diff -u "$work/expected.txt" "$work/seen.txt"; then
  echo "FAIL: the set-reports the board received differ from the expected sequence" >&2
  exit 1
fi
grep '^set-report' "$work/guest.log" | awk '{ if (NR > 1) printf "%.2f ", $2 - last; last = $2 } END { print "ms between reports" }'
echo "set-reports: $(wc -l < "$work/seen.txt"), as expected"
echo "PASS"
