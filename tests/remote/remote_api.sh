#!/usr/bin/env bash
# The real program plays through a private olad with the remote on. Every
# route is asked without the key, from another site, with oversized and
# malformed bodies and past the limit of wrong keys; none of it may change
# what plays. Then the right key does, and the live channel sends the state
# and the rows to the right key only, even while pages without the key
# flood it.
#   remote_api.sh PATH_TO_LAMPOTRON PATH_TO_OLA_PROBE LIBRARY   (beside a private olad)
set -Eeuo pipefail
probe=$2 work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
# shellcheck source=../../bench/ola/x_and_listener.sh
. "$3"
fail() { echo "FAIL: $*" >&2; cat "$work/player.log" >&2 || true; exit 1; }
trap 'fail "line $LINENO: \"$BASH_COMMAND\" ended with $?"' ERR
python=/usr/bin/python3
"$python" -c 'import websockets' 2>/dev/null || { echo "SKIPPED: python3-websockets is not installed" >&2; exit 77; }
port=$("$python" -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
run=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$work" XDG_DATA_HOME="$work" "$1")
routes=("GET state" "POST start" "POST stop" "POST pause" "POST resume" "POST alloff" "PUT speed" "GET effects"
        "POST build" "POST play" "GET outputs" "PUT output" "POST output/open")

printf '10000000\r\n01000000\r\n' > "$work/scheme.inf"
listen heard
"${run[@]}" --play --port "ola:$OLA_UNIVERSE" --scheme "$work/scheme.inf" --speed 50 --remote "127.0.0.1:$port" \
  2> "$work/player.log" &
player=$!
wait_for 30 "the remote to listen over HTTP" grep -q "The remote is on at http:" "$work/player.log"
key=$("${run[@]}" --remote-url --remote "127.0.0.1:$port" | sed -n 's/^http:.*#key=\([0-9a-f]\{32\}\)$/\1/p')
[ -n "$key" ] || fail "--remote-url gave no key"
auth=(-H "Authorization: Bearer $key")
# ask STATUS METHOD ROUTE [CURL ARGUMENTS...]
ask() {
  local status code=0
  status=$(curl -s -o "$work/answer" -D "$work/headers" -w '%{http_code}' -X "$2" "${@:4}" "http://127.0.0.1:$port/api/v1/$3") \
    || code=$?
  [ "$code" -eq 0 ] || fail "$2 $3 ${*:4}: curl ended with $code (status $status), not with the answer $1"
  [ "$status" = "$1" ] || fail "$2 $3 ${*:4}: $status, not $1: $(cat "$work/answer")"
  ! grep -qi '^access-control' "$work/headers" || fail "$2 $3 was answered with Access-Control headers"
}
state() { curl -sS "${auth[@]}" "http://127.0.0.1:$port/api/v1/state" | sed 's/"lamps":"[01]*",//'; }
before=$(state)
frames_before=$(wc -l < "$work/heard.frames")

for route in "${routes[@]}"; do
  ask 401 $route
  ask 403 $route "${auth[@]}" -H "Origin: http://evil.example"
done
head -c 20000 /dev/zero > "$work/20k"
head -c 1000000 /dev/zero > "$work/1M"
ask 413 PUT speed "${auth[@]}" --data-binary "@$work/20k"
ask 413 PUT speed "${auth[@]}" --data-binary "@$work/1M"
ask 400 PUT speed "${auth[@]}" -d '{"speed": 150'
ask 400 POST build "${auth[@]}" -d '{"effects": [], "now": true}'
ask 404 GET lights "${auth[@]}"
ask 421 GET state "${auth[@]}" -H "Host: rebound.example:$port"
grep -qi '^referrer-policy: no-referrer' "$work/headers" || fail "no Referrer-Policy on an answer"
for wrong in 1 2 3 4 5; do ask 401 POST stop --interface 127.0.0.2 -H "Authorization: Bearer $(printf %032d $wrong)"; done
ask 429 POST stop --interface 127.0.0.2 "${auth[@]}"
sleep 0.5
[ "$(state)" = "$before" ] || fail "the state changed: $(state), not $before"
[ "$(wc -l < "$work/heard.frames")" -gt $((frames_before + 5)) ] || fail "the rows stopped"
[ "$(rows_heard heard | tail -n 4 | sort -u | tr '\n' ' ')" = "01000000 10000000 " ] || fail "the rows changed"

ask 200 PUT speed "${auth[@]}" -d '{"speed": 100}'
grep -q '"speed":100' "$work/answer" || fail "the right key did not set the speed: $(cat "$work/answer")"
"$python" - "ws://127.0.0.1:$port/api/v1/live" "$key" <<'PY' || fail "the live channel"
import asyncio, json, sys, websockets
async def main(url, key):
    async with websockets.connect(url) as live:
        await live.send(json.dumps({"key": key}))
        kinds = {json.loads(await live.recv())["type"] for _ in range(4)}
        assert kinds == {"state", "lamps"}, kinds
    async with websockets.connect(url) as live:
        await live.send(json.dumps({"key": "0" * 32}))
        try:
            sys.exit(f"a wrong key was sent {await live.recv()}")
        except websockets.ConnectionClosed as closed:
            assert closed.code == 4401, closed.code
    try:
        async with websockets.connect(url, origin="http://evil.example"):
            sys.exit("another site opened the live channel")
    except websockets.InvalidStatusCode as refused:
        assert refused.status_code == 403, refused.status_code
    # Every place taken by pages without the key, four from each of 16
    # addresses; a fifth from one of them is refused, the page with the key
    # still gets in, and the keyless ones are closed within a few seconds.
    flood = [await websockets.connect(url, local_addr=(f"127.0.1.{i // 4 + 1}", 0)) for i in range(64)]
    refused = await websockets.connect(url, local_addr=("127.0.1.1", 0))
    await asyncio.wait_for(refused.wait_closed(), 5)
    assert refused.close_code == 4503, f"a fifth keyless page from one address was closed with {refused.close_code}"
    async with websockets.connect(url) as live:
        await live.send(json.dumps({"key": key}))
        message = json.loads(await asyncio.wait_for(live.recv(), 5))
        assert message["type"] in ("state", "lamps"), message
    for page in flood:
        await asyncio.wait_for(page.wait_closed(), 10)
    codes = {page.close_code for page in flood}
    assert codes <= {4401, 4503}, f"keyless pages were closed with {codes}"
asyncio.run(main(*sys.argv[1:]))
PY
[ "$(grep -c 'live channel' "$work/player.log" || true)" -le 1 ] || fail "the refusals were logged one by one"
! grep -E 'QIODevice|qt\.httpserver' "$work/player.log" || fail "refused connections were logged, above"

kill -TERM "$player"
status=0; wait "$player" || status=$?
[ "$status" -eq 0 ] || fail "exit code $status after SIGTERM"

# Over HTTPS with the PEM files named in the settings.
openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj /CN=127.0.0.1 -addext subjectAltName=IP:127.0.0.1 \
  -keyout "$work/key.pem" -out "$work/cert.pem" 2> /dev/null
printf '[Setting]\nRemoteCertificate=%s\nRemoteKey=%s\n' "$work/cert.pem" "$work/key.pem" > "$work/Lampotron/Lampotron.conf"
"${run[@]}" --play --port "ola:$OLA_UNIVERSE" --scheme "$work/scheme.inf" --remote "127.0.0.1:$port" 2> "$work/player.log" &
player=$!
wait_for 30 "the remote to listen over HTTPS" grep -q "The remote is on at https:" "$work/player.log"
curl -sf --cacert "$work/cert.pem" "${auth[@]}" "https://127.0.0.1:$port/api/v1/state" | grep -q '"running":true' \
  || fail "the state did not come over HTTPS"
kill -TERM "$player"
status=0; wait "$player" || status=$?
[ "$status" -eq 0 ] || fail "exit code $status after SIGTERM, over HTTPS"
echo PASS
