#!/usr/bin/env bash
# Installs the Debian packages that Lampotron needs:
#   setup.sh run    what building and running it needs
#   setup.sh test   that, and what the tests need as well
# Only missing packages are fetched, so a second run costs a few dpkg queries.
set -euo pipefail

run_packages=(
  cmake g++ make pkg-config
  qt6-base-dev libgl-dev
  fonts-liberation2
  libola-dev libgpiod-dev libhidapi-dev libsystemd-dev libmosquitto-dev
  libnova-dev libzstd-dev
  qt6-httpserver-dev qt6-websockets-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libqrencode-dev libavahi-client-dev
)
test_packages=(
  xvfb xauth xdotool imagemagick trayer
  ola iproute2
  mosquitto mosquitto-clients python3-paho-mqtt
  qemu-system-x86 busybox-static cpio gzip
  dpkg-dev lintian stress-ng faketime
  chromium chromium-driver python3-selenium zbar-tools
  clang libclang-rt-dev
  curl openssl python3-websockets
  avahi-daemon avahi-utils
)

case "${1:-}" in
  run) packages=("${run_packages[@]}") ;;
  test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
