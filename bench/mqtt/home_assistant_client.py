#!/usr/bin/env python3
"""Home Assistant's side of the MQTT timing: commands, their state echo, and
what the DMX listener heard.

  home_assistant_client.py PORT BASE latency COUNT FRAMES
      COUNT times the light on with an effect, then off; prints how long each
      took to reach the port (the first matching frame FRAMES holds) and for
      its state to come back
  home_assistant_client.py PORT BASE flood SECONDS
      delay commands alternating 50 and 100 ms every 10 ms; prints how many
      state messages came back
  home_assistant_client.py steps FRAMES
      |step - nearer of 50 and 100 ms| median, p99 and max of the row changes
"""
import json
import queue
import random
import sys
import time

import paho.mqtt.client as mqtt

FILL = "наполнение"  # its first row lights lamp 1 alone; no row is dark
FIRST_ROW_OF_FILL = (255, 0, 0, 0, 0, 0, 0, 0)
DARK = (0,) * 8
DELAYS_MS = (50, 100)


def connect(port, base, states):
    client = mqtt.Client()
    client.on_message = lambda _client, _data, message: states.put(
        (time.monotonic_ns(), json.loads(message.payload)))
    client.connect("127.0.0.1", port)
    client.subscribe(base + "/state")
    client.loop_start()
    states.get(timeout=5)  # the retained state: subscribed
    return client


def read_frames(path):
    frames = []
    with open(path) as listened:
        for line in listened:
            fields = line.split()
            if len(fields) == 9:
                frames.append((int(fields[0]), tuple(int(f) for f in fields[1:])))
    return frames


def percentiles(values):
    values = sorted(values)
    pick = lambda share: values[min(len(values) - 1, int(share * len(values)))]
    return f"n={len(values)} median={pick(0.5):.2f} ms p95={pick(0.95):.2f} ms max={values[-1]:.2f} ms"


def latency(port, base, count, frames_path):
    states = queue.Queue()
    client = connect(port, base, states)
    sent = []

    def command(payload, done):
        at = time.monotonic_ns()
        client.publish(base + "/light/set", json.dumps(payload))
        while True:
            echoed, state = states.get(timeout=5)
            if done(state):
                return at, echoed

    command({"state": "OFF"}, lambda state: state["state"] == "OFF")
    for _ in range(count):
        time.sleep(random.uniform(0.1, 0.2))
        sent.append((FIRST_ROW_OF_FILL, *command({"state": "ON", "effect": FILL},
                                                 lambda state: state["state"] == "ON" and state["effect"] == FILL)))
        time.sleep(random.uniform(0.1, 0.2))
        sent.append((DARK, *command({"state": "OFF"}, lambda state: state["state"] == "OFF")))
    time.sleep(0.5)
    frames = read_frames(frames_path)
    written = [next(at for at, lamps in frames if at >= sent_at and lamps == row) - sent_at
               for row, sent_at, _ in sent]
    print("command to the port write:", percentiles([ns / 1e6 for ns in written]))
    print("command to the state echo:", percentiles([(echoed - at) / 1e6 for _, at, echoed in sent]))


def flood(port, base, seconds):
    states = queue.Queue()
    client = connect(port, base, states)
    commands = 0
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        client.publish(base + "/delay/set", str(DELAYS_MS[commands % 2]))
        commands += 1
        time.sleep(0.01)
    time.sleep(0.5)
    print(f"flood: {commands} delay commands in {seconds} s, {states.qsize()} states came back")


def steps(frames_path):
    changes = []
    previous = None
    for at, lamps in read_frames(frames_path):
        if previous is not None and lamps != previous:
            changes.append(at)
        previous = lamps
    errors = [min(abs((b - a) / 1e6 - d) for d in DELAYS_MS) for a, b in zip(changes, changes[1:])]
    errors.sort()
    pick = lambda share: errors[min(len(errors) - 1, int(share * len(errors)))]
    print(f"rows={len(errors)} median_ms={pick(0.5):.3f} p99_ms={pick(0.99):.3f} max_ms={errors[-1]:.3f}")


if __name__ == "__main__":
    if sys.argv[1] == "steps":
        steps(sys.argv[2])
    elif sys.argv[3] == "latency":
        latency(int(sys.argv[1]), sys.argv[2], int(sys.argv[4]), sys.argv[5])
    else:
        flood(int(sys.argv[1]), sys.argv[2], float(sys.argv[4]))
