#!/usr/bin/env bash
# Boots a Debian kernel in qemu with an emulated parallel port, runs the
# ppdev backend inside it, and checks every byte that reached the port's
# data register, as qemu's trace saw it. Exits 77 (skipped) with a reason
# when qemu or the kernel cannot be had.
#   parport_in_qemu.sh PARPORT_GUEST_BINARY CACHE_DIR
set -euo pipefail

source "$(dirname "$0")/qemu_guest.sh"
need_qemu
prepare_guest "$2" drivers/parport/parport.ko drivers/parport/parport_pc.ko drivers/char/ppdev.ko
cp "$1" "$root/parport_guest"
boot_guest /parport_guest -parallel null \
  -msg timestamp=on -trace "parallel_ioport_write,file=$work/trace.log"

# Writes to the data register (offset 0): "seconds value" per line.
awk '/parallel_ioport_write/ && /addr 0x00 / {
       split($1, stamp, "[@:]"); print stamp[2], $NF }' "$work/trace.log" > "$work/data.txt"
# The probe of parport_pc writes before us. Ours must be the last: every line
# low on the claim, the lines up one by one, the running light, every line
# low; nothing may follow the release.
printf '%s\n' 0x00 0x01 0x03 0x07 0x0f 0x1f 0x3f 0x7f 0xff 0x01 0x02 0x04 0x08 0x10 0x20 0x40 0x80 0x00 > "$work/expected.txt"
count=$(wc -l < "$work/expected.txt")
echo "data register writes: $(wc -l < "$work/data.txt") in all, the last $count are ours"
tail -n "$count" "$work/data.txt" | awk '{print $2}' > "$work/seen.txt"
diff -u "$work/expected.txt" "$work/seen.txt" || fail "the bytes on the data register differ from the expected sequence"
echo "bytes: $(tr '\n' ' ' < "$work/seen.txt")"

# Pacing: the eight running-light rows come just before the last write.
tail -n 9 "$work/data.txt" | head -n 8 | awk '{ if (NR > 1) printf "%.1f ", ($1 - last) * 1000; last = $1 }
  END { print "ms between rows (paced at 50 ms)" }'
echo "PASS"
