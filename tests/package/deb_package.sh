#!/usr/bin/env bash
# Builds the Debian package from a build tree, checks what it holds and what it
# depends on, has lintian and systemd-analyze judge it, unpacks it and runs the
# unpacked program. Exits 77 (skipped) when dpkg-shlibdeps is missing.
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
            /usr/share/icons/hicolor/32x32/apps/lampotron.png /usr/lib/systemd/system/lampotron.service \
            /usr/share/man/man1/lampotron.1.gz /usr/share/doc/lampotron/copyright /usr/share/doc/lampotron/changelog.gz; do
  grep -qx "$file" "$work/files" || fail "$file is not in the package"
done
depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
for package in "${@:2}"; do [[ ", $depends" == *", $package"* ]] || fail "the package does not depend on $package"; done

# The one warning kept is explained in the README; hardening is checked too.
if command -v lintian >/dev/null; then
  lintian --pedantic --display-info --tag-display-limit 0 "$deb" | tee "$work/lintian" || true
  grep -q '^E:' "$work/lintian" && fail "lintian reports errors"
  grep -q 'hardening-no-' "$work/lintian" && fail "the program is built without Debian's hardening flags"
  warnings=$(sed -n 's/^W: lampotron: \([^ ]*\).*/\1/p' "$work/lintian" | sort -u | paste -sd ' ')
  [ "$warnings" = non-standard-file-perm ] || fail "lintian warns of '$warnings', not just the read-only Data.inf"
else
  echo "SKIPPED lintian: it is not installed (package lintian)"
fi

dpkg -x "$deb" "$work/root"
unit="$work/root/usr/lib/systemd/system/lampotron.service"
if command -v systemd-analyze >/dev/null; then
  exposure=$(systemd-analyze security --offline=true "$unit" | sed -n 's/.*exposure level for lampotron.service: \([0-9.]*\).*/\1/p' || true)
  echo "service exposure: ${exposure:-not rated}"
  awk -v e="$exposure" 'BEGIN { exit !(e != "" && e <= 3.0) }' || fail "the service is exposed beyond 3.0"
else
  echo "SKIPPED exposure of the service: systemd-analyze is not installed (package systemd)"
fi
grep -qx 'Exec=/usr/bin/lampotron' "$work/root/usr/share/applications/lampotron.desktop" || fail "the desktop entry does not start /usr/bin/lampotron"
grep -qx 'ExecStart=/usr/bin/lampotron --play' "$unit" || fail "the service does not run lampotron --play"
[ "$(stat -c %a "$work/root/usr/share/lampotron/Data.inf")" = 444 ] || fail "the shipped scheme is not read-only"
version=$(env -u DISPLAY -u QT_QPA_PLATFORM "$work/root/usr/bin/lampotron" --version)
echo "unpacked program says: $version"
[ "$version" = "Lampotron 1.0" ] || fail "the unpacked program did not give its version"
echo PASS
