# Shared by the tests that boot Debian's kernel in qemu around a small guest
# program. Source it, then:
#   need_qemu                        exits 77 (skipped) unless qemu and the tools are here
#   prepare_guest CACHE MODULE...    the kernel and these modules (paths under its kernel/
#                                    tree), fetched once into CACHE; a fresh initramfs in $root
#   boot_guest COMMANDS QEMU_ARG...  init loads the modules in the order given, runs COMMANDS
#                                    and powers off; the console is kept in $work/console.log

skip() { echo "SKIPPED: $*" >&2; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }

need_qemu() {
  local tool
  for tool in qemu-system-x86_64 cpio gzip dpkg-deb apt-get flock; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/setup.sh installs it)"
  done
  [ -x /bin/busybox ] && ! ldd /bin/busybox >/dev/null 2>&1 || skip "no static busybox (package busybox-static)"
}

# Debian's current kernel package is kept in CACHE/download, and what the
# tests need of it in CACHE/kernel. Tests that run at once take turns.
fetch_kernel() {
  local cache=$1 lock module deb package missing=()
  shift
  kernel_dir=$cache/kernel
  mkdir -p "$cache"; exec {lock}>"$cache/lock"; flock "$lock"
  [ -f "$kernel_dir/vmlinuz" ] || missing=(vmlinuz)
  for module; do [ -f "$kernel_dir/modules/${module##*/}" ] || missing+=("$module"); done
  if ((${#missing[@]})); then
    if [ -z "$(find "$cache" -path '*/download/*.deb')" ]; then
      package=$(apt-cache depends linux-image-amd64 2>/dev/null | awk '/Depends: linux-image-/ {print $2; exit}') || true
      [ -n "$package" ] || skip "apt-cache cannot name the kernel package (run apt-get update)"
      # Modules only load into the kernel they were built with.
      rm -rf "$cache/download" "$kernel_dir" && mkdir -p "$cache/download"
      (cd "$cache/download" && apt-get download "$package" >/dev/null 2>&1) || skip "cannot download $package"
    fi
    deb=$(find "$cache" -path '*/download/*.deb' | head -n 1)
    # Unpacked aside, so that an interrupted run leaves no half-written file.
    rm -rf "$kernel_dir.new" && mkdir -p "$kernel_dir.new" "$kernel_dir/modules"
    dpkg-deb --fsys-tarfile "$deb" | tar -x -C "$kernel_dir.new" --wildcards './boot/vmlinuz-*' "${@/#/*/kernel/}"
    find "$kernel_dir.new" -name '*.ko' -exec mv {} "$kernel_dir/modules/" \;
    mv "$kernel_dir.new"/boot/vmlinuz-* "$kernel_dir/vmlinuz"
    rm -rf "$kernel_dir.new"
  fi
  exec {lock}>&-
}

prepare_guest() {
  fetch_kernel "$@"
  shift
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  root=$work/root
  guest_modules=("${@##*/}")
  mkdir -p "$root"/{bin,modules,proc,sys,dev}
  cp /bin/busybox "$root/bin/busybox"
  cp "${guest_modules[@]/#/$kernel_dir/modules/}" "$root/modules/"
}

boot_guest() {
  local commands=$1 start
  shift
  cat > "$root/init" <<INIT
#!/bin/busybox sh
/bin/busybox --install -s /bin
mount -t proc proc /proc; mount -t sysfs sysfs /sys; mount -t devtmpfs devtmpfs /dev
for module in ${guest_modules[*]}; do insmod /modules/\$module || break; done
$commands
echo "guest exit code \$?"
poweroff -f
INIT
  chmod +x "$root/init"
  (cd "$root" && find . | cpio -o -H newc --quiet | gzip -1) > "$work/initrd.gz"

  start=$(date +%s%N)
  timeout 180 qemu-system-x86_64 -machine pc -m 256M -nodefaults -display none -no-reboot \
    -serial stdio -kernel "$kernel_dir/vmlinuz" -initrd "$work/initrd.gz" \
    -append "console=ttyS0 panic=-1 quiet" "$@" > "$work/console.log" 2>&1 || true
  echo "qemu run took $(( ($(date +%s%N) - start) / 1000000 )) ms"
  grep '^guest' "$work/console.log" || { cat "$work/console.log"; fail "the guest did not run"; }
  grep -q 'guest exit code 0' "$work/console.log" || fail "the guest program failed"
}
