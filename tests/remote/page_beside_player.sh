# What the page tests share, sourced: Chromium and selenium at hand (or the
# test is skipped), a scratch folder with the program's own copy, settings on
# olad's universe and a two-row scheme, failures that say what they were
# doing, and the player with its remote on a free port of 127.0.0.1, so that
# page tests run side by side.
#   . page_beside_player.sh PATH_TO_LAMPOTRON [LISTENER_LIBRARY] [TOOL...]
# sets work, port, lampotron and url; start_player sets player.
for tool in chromium chromedriver "${@:3}"; do
  command -v "$tool" >/dev/null || { echo "SKIPPED: missing $tool (scripts/setup.sh test installs it)" >&2; exit 77; }
done
/usr/bin/python3 -c 'import selenium' 2>/dev/null || { echo "SKIPPED: missing python3-selenium" >&2; exit 77; }
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
if [ -n "${2:-}" ]; then
  # shellcheck source=../../bench/ola/x_and_listener.sh
  . "$2"
fi
fail() { echo "FAIL: $*" >&2; cat "$work/lampotron.log" >&2 || true; exit 1; }
trap 'fail "line $LINENO: \"$BASH_COMMAND\" ended with $?"' ERR
mkdir -p "$work/config/Lampotron"
printf '[Setting]\nSpeed=50\nPort=ola:%d\n' "$OLA_UNIVERSE" > "$work/config/Lampotron/Lampotron.conf"
# Beside its own copy of the program, the scheme is built there and nowhere else.
cp "$1" "$work/lampotron"
printf '11000000\r\n00110000\r\n' > "$work/Data.inf"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work"
port=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
lampotron=("$work/lampotron" --remote "127.0.0.1:$port")
url=$(env -u DISPLAY "${lampotron[@]}" --remote-url | head -n 1)

# The player without a window, once its remote listens.
start_player() {
  env -u DISPLAY "${lampotron[@]}" --play 2> "$work/lampotron.log" &
  player=$!
  for _ in $(seq 300); do (: </dev/tcp/127.0.0.1/"$port") 2>/dev/null && break; sleep 0.1; done
  (: </dev/tcp/127.0.0.1/"$port") 2>/dev/null || fail "the remote did not listen on 127.0.0.1:$port within 30 s"
}
