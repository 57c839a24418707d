#!/usr/bin/env bash
# The remote as a phone uses it: reads back the QR code that
# `lampotron --remote-url` draws in a terminal, then plays with --play and its
# remote beside a private olad with a listener, and drives the page in
# headless Chromium (remote_page.py), which also takes the screenshots.
#   remote_page.sh PATH_TO_LAMPOTRON PATH_TO_OLA_PROBE LIBRARY SCREENSHOT_DIR   (beside a private olad)
set -Eeuo pipefail
probe=$2 shots=$4 here=$(dirname "$0")
# shellcheck source=page_beside_player.sh
. "$here/page_beside_player.sh" "$1" "$3" zbarimg script
mkdir -p "$shots"

[[ $url == "http://127.0.0.1:$port/#key="* ]] || fail "--remote-url printed: $url"
# In a terminal the QR code follows: half blocks back into modules, then an image.
script -qec "env -u DISPLAY ${lampotron[*]} --remote-url" /dev/null > "$work/terminal.txt"
/usr/bin/python3 - "$work/terminal.txt" "$work/code.pbm" <<'PY'
import re, sys
lines = [re.sub(r"\x1b\[[0-9;]*m", "", line) for line in open(sys.argv[1], encoding="utf-8").read().splitlines()]
halves = {" ": (0, 0), "\u2580": (1, 0), "\u2584": (0, 1), "\u2588": (1, 1)}
rows = [[halves[c][h] for c in line] for line in lines if line and set(line) <= set(halves) for h in (0, 1)]
with open(sys.argv[2], "w") as image:
    image.write(f"P1\n{len(rows[0]) * 4} {len(rows) * 4}\n")
    image.writelines((" ".join(str(module) for module in row for _ in range(4)) + "\n") * 4 for row in rows)
PY
decoded=$(zbarimg -q --raw --nodbus "$work/code.pbm") || fail "the terminal's QR code could not be read"
[ "$decoded" = "$url" ] || fail "the terminal's QR code reads $decoded"

listen heard
start_player
# The page ends the program once to see it shown offline, and starts it again.
TMPDIR="$work" /usr/bin/python3 "$here/remote_page.py" "$url" "$work/heard.frames" "$shots" "$player" \
  "$work/lampotron.log" env -u DISPLAY "${lampotron[@]}" --play || fail "the page, above"
stop_listening
echo "screenshots in $shots"
echo PASS
