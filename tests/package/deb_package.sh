#!/usr/bin/env bash
# Builds the Debian package from a build tree, checks what it holds and what it
# depends on, unpacks it and runs the unpacked program. Exits 77 (skipped) when
# dpkg-shlibdeps is missing.
#   deb_package.sh BUILD_DIR DEPENDENCY...
set -euo pipefail
command -v dpkg-shlibdeps >/dev/null || { echo "SKIPPED: dpkg-shlibdeps is not installed (package dpkg-dev)" >&2; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$1" && cpack -G DEB -B "$work/out" >/dev/null)
deb=$(ls "$work"/out/lampotron_*.deb)
echo "built $(basename "$deb"), $(stat -c %s "$deb") bytes"
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' > "$work/files"
for file in /usr/bin/lampotron /usr/share/lampotron/Data.inf /usr/share/applications/lampotron.desktop \
            /usr/share/icons/hicolor/32x32/apps/lampotron.png /usr/lib/systemd/system/lampotron.service; do
  grep -qx "$file" "$work/files" || fail "$file is not in the package"
done
depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
for package in "${@:2}"; do [[ ", $depends" == *", $package"* ]] || fail "the package does not depend on $package"; done

dpkg -x "$deb" "$work/root"
grep -qx 'Exec=/usr/bin/lampotron' "$work/root/usr/share/applications/lampotron.desktop" || fail "the desktop entry does not start /usr/bin/lampotron"
grep -qx 'ExecStart=/usr/bin/lampotron --play' "$work/root/usr/lib/systemd/system/lampotron.service" || fail "the service does not run lampotron --play"
[ "$(stat -c %a "$work/root/usr/share/lampotron/Data.inf")" = 444 ] || fail "the shipped scheme is not read-only"
version=$(env -u DISPLAY -u QT_QPA_PLATFORM "$work/root/usr/bin/lampotron" --version)
echo "unpacked program says: $version"
[ "$version" = "Lampotron 1.0" ] || fail "the unpacked program did not give its version"
echo PASS
