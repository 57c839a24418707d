#!/usr/bin/env bash
# Boots a Debian kernel in qemu with an emulated parallel port, runs the
# ppdev backend inside it, and checks every byte that reached the port's
# data register, as qemu's trace saw it.
#   parport_in_qemu.sh PARPORT_GUEST_BINARY CACHE_DIR
# Exits 77 (skipped) with a reason when qemu or the kernel cannot be had.
set -euo pipefail

guest=$1
cache=$2
skip() { echo "SKIPPED: $*" >&2; exit 77; }

for tool in qemu-system-x86_64 cpio gzip dpkg-deb apt-get; do
  command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/setup.sh installs it)"
done
busybox=/bin/busybox
[ -x "$busybox" ] && ! ldd "$busybox" >/dev/null 2>&1 || skip "no static busybox (package busybox-static)"

# The kernel and its parallel-port modules, from Debian's current kernel package.
mkdir -p "$cache"
kernel_dir=$cache/kernel
if [ ! -f "$kernel_dir/vmlinuz" ]; then
  package=$(apt-cache depends linux-image-amd64 2>/dev/null | awk '/Depends: linux-image-/ {print $2; exit}')
  [ -n "$package" ] || skip "apt-cache cannot name the kernel package (run apt-get update)"
  rm -rf "$cache/download" && mkdir -p "$cache/download"
  (cd "$cache/download" && apt-get download "$package" >/dev/null 2>&1) || skip "cannot download $package"
  rm -rf "$kernel_dir.new" && mkdir -p "$kernel_dir.new/modules"
  dpkg-deb --fsys-tarfile "$cache"/download/*.deb \
    | tar -x -C "$kernel_dir.new" --wildcards './boot/vmlinuz-*' \
        '*/drivers/parport/parport.ko' '*/drivers/parport/parport_pc.ko' '*/drivers/char/ppdev.ko'
  find "$kernel_dir.new" -name '*.ko' -exec mv {} "$kernel_dir.new/modules/" \;
  mv "$kernel_dir.new"/boot/vmlinuz-* "$kernel_dir.new/vmlinuz"
  rm -rf "$kernel_dir" "$cache/download" && mv "$kernel_dir.new" "$kernel_dir"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
mkdir -p "$root/bin" "$root/modules"
cp "$busybox" "$root/bin/busybox"
cp "$kernel_dir"/modules/*.ko "$root/modules/"
cp "$guest" "$root/parport_guest"
cat > "$root/init" <<'INIT'
#!/bin/busybox sh
/bin/busybox --install -s /bin
mkdir -p /proc /sys /dev
mount -t proc proc /proc
mount -t sysfs sysfs /sys
mount -t devtmpfs devtmpfs /dev
insmod /modules/parport.ko && insmod /modules/parport_pc.ko && insmod /modules/ppdev.ko
/parport_guest run
echo "guest exit code $?"
poweroff -f
INIT
chmod +x "$root/init"
(cd "$root" && find . | cpio -o -H newc --quiet | gzip -1) > "$work/initrd.gz"

start=$(date +%s%N)
timeout 180 qemu-system-x86_64 -machine pc -m 256M -nodefaults -display none -no-reboot \
  -serial stdio -parallel null \
  -kernel "$kernel_dir/vmlinuz" -initrd "$work/initrd.gz" \
  -append "console=ttyS0 panic=-1 quiet" \
  -msg timestamp=on -trace "parallel_ioport_write,file=$work/trace.log" \
  > "$work/console.log" 2>&1 || true
echo "qemu run took $(( ($(date +%s%N) - start) / 1000000 )) ms"

grep '^guest' "$work/console.log" || { cat "$work/console.log"; echo "FAIL: the guest did not run" >&2; exit 1; }
grep -q 'guest exit code 0' "$work/console.log" || { echo "FAIL: the guest program failed" >&2; exit 1; }

# Writes to the data register (offset 0): "seconds value" per line.
awk '/parallel_ioport_write/ && /addr 0x00 / {
       split($1, stamp, "[@:]"); print stamp[2], $NF }' "$work/trace.log" > "$work/data.txt"
"$guest" expect > "$work/expected.txt"
count=$(wc -l < "$work/expected.txt")
total=$(wc -l < "$work/data.txt")
echo "data register writes: $total in all, the last $count are ours"
# The probe of parport_pc writes before us; ours must be the last ones, and
# nothing may follow the release.
tail -n "$count" "$work/data.txt" | awk '{print $2}' > "$work/seen.txt"
if ! diff -u "$work/expected.txt" "$work/seen.txt"; then
  echo "FAIL: the bytes on the data register differ from the expected sequence" >&2
  exit 1
fi
echo "bytes: $(tr '\n' ' ' < "$work/seen.txt")"

# Pacing: the eight running-light rows come just before the last write.
tail -n 9 "$work/data.txt" | head -n 8 | awk '{ if (NR > 1) printf "%.1f ", ($1 - last) * 1000; last = $1 }
  END { print "ms between rows (paced at 50 ms)" }'
echo "PASS"
