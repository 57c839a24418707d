"""Drives the remote's page in headless Chromium against the real program and
checks the DMX frames olad handed on while it did. At the end it stops the
program (PID), sees the page offline, and starts it again with COMMAND.
  remote_page.py URL FRAMES_FILE SCREENSHOT_DIR PID LOG_FILE COMMAND..."""
import atexit
import os
import signal
import subprocess
import sys
import time
import urllib.request

from chromium import came_true, open_browser, step
from selenium.webdriver.common.by import By

url, frames_file, shots, player, log_file = sys.argv[1:6]
restart = sys.argv[6:]
browser = open_browser()


def wait_for(what, condition, seconds=10):
    if not came_true(browser, condition, seconds):
        sys.exit(f"FAIL: {what}; the page said: {text('error')!r}, {text('playback')!r}, {text('link')!r}")


def text(element_id):
    return browser.find_element(By.ID, element_id).text


def click(element_id):
    browser.find_element(By.ID, element_id).click()


def lamps():
    return browser.find_element(By.ID, "lamps").get_attribute("data-row")


def dmx_rows():
    """The lit patterns olad handed on, one per frame, as "10000000"."""
    with open(frames_file) as frames:
        return ["".join("1" if v == "255" else "0" for v in line.split()[1:9])
                for line in frames if not line.startswith("ready")]


def dmx_after(count):
    """Waits a moment for frames to settle; answers those heard after the first `count`."""
    time.sleep(0.5)
    return dmx_rows()[count:]


def screenshot(width, height, name):
    browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                            {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": width < 600})
    time.sleep(0.3)
    overflow = browser.execute_script("return document.documentElement.scrollWidth") - width
    browser.save_screenshot(os.path.join(shots, name))
    if overflow > 0:
        sys.exit(f"FAIL: at {width}x{height} the page is {overflow} px wider than the screen")
    cut = browser.execute_script("const d = document.getElementById('outputDescription');"
                                 "return d.textContent ? d.scrollWidth - d.clientWidth : -1")
    if cut != 0:
        sys.exit(f"FAIL: at {width}x{height} the chosen output is not shown in full ({cut})")


def offline():
    return browser.execute_script("return document.body.classList.contains('offline')")


step("the icon")
with urllib.request.urlopen(url.split("#")[0] + "favicon.ico", timeout=10) as icon:
    if icon.headers["Content-Type"] != "image/png" or not icon.read().startswith(b"\x89PNG"):
        sys.exit(f"FAIL: /favicon.ico is {icon.headers['Content-Type']}, not the PNG icon")

step("a wrong key: the page says how to get the right one")
browser.get(url.split("#")[0] + "#key=" + "0" * 32)
wait_for("no advice after a wrong key", lambda: browser.find_element(By.ID, "nokey").is_displayed())
if "lampotron --remote-url" not in text("nokey") or not text("error"):
    sys.exit("FAIL: the advice or the server's reason is missing")

step("the right key: kept, and gone from the address bar")
browser.get(url)
wait_for("the live channel did not connect", lambda: text("link") == "live")
if "key=" in browser.current_url:
    sys.exit("FAIL: the key stayed in the address bar: " + browser.current_url)
browser.get(url.split("#")[0])
wait_for("the stored key was not used", lambda: text("link") == "live")
wait_for("the output is not shown open", lambda: text("outputState") == "open")

step("stop: the lamps go dark, on the page and in DMX")
if browser.find_element(By.ID, "stop").is_enabled():
    click("stop")
wait_for("stop not shown", lambda: text("playback").startswith("stopped"))
dmx_after(0)
if dmx_rows()[-1] != "00000000":
    sys.exit("FAIL: the last DMX frame after stop is not dark: " + dmx_rows()[-1])
heard = len(dmx_rows())

step("start: the lamps change on the page, and the frames come")
click("start")
seen = set()
wait_for("the lamps did not change on the page", lambda: seen.add(lamps()) or len(seen - {"00000000"}) >= 2)
if not any(row != "00000000" for row in dmx_after(heard)):
    sys.exit("FAIL: no lit DMX frame after start")
said, shown = browser.execute_script(
    "return [[...document.querySelectorAll('#lamps span')]"
    ".map((lamp) => lamp.getAttribute('aria-label').endsWith(': on') ? '1' : '0').join(''),"
    "document.getElementById('lamps').dataset.row]")
if said != shown:
    sys.exit(f"FAIL: a screen reader hears the lamps as {said}, the page shows {shown}")
screenshot(360, 740, "remote-phone.png")
screenshot(1280, 800, "remote-desktop.png")

step("stop, a longer delay, then a scheme of the first effect twice")
click("stop")
wait_for("stop not shown", lambda: text("playback").startswith("stopped"))
before = text("speedValue")
click("longer")
wait_for("the delay did not change", lambda: text("speedValue") == f"{int(before.split()[0]) + 50} ms")
rows = browser.find_elements(By.CSS_SELECTOR, "#effects li")
for i, row in enumerate(rows):
    tick = row.find_element(By.TAG_NAME, "input")
    if tick.is_selected() != (i == 0):
        tick.click()
rows[0].find_elements(By.CSS_SELECTOR, ".repeats button")[1].click()
click("build")
wait_for("the new scheme was not built", lambda: text("playback") == "stopped; the scheme has 16 rows")

step("the new scheme plays in DMX; stop leaves it dark")
heard = len(dmx_rows())
click("start")
time.sleep(2)
click("stop")
played = dmx_after(heard)
running_light = ["0" * k + "1" + "0" * (7 - k) for k in range(8)]
if not set(running_light) <= set(played) or played[-1] != "00000000":
    sys.exit(f"FAIL: the built scheme did not play, or the last frame is not dark: {played[-12:]}")
step("change the show while it plays: the new scheme takes over with no dark frame between")
heard = len(dmx_rows())
click("start")
wait_for("start not shown", lambda: text("playback").startswith("playing"))
browser.find_elements(By.CSS_SELECTOR, "#effects li input")[2].click()
click("build")
wait_for("the fill of the new scheme is not heard", lambda: "11100000" in dmx_after(heard), seconds=20)
click("stop")
wait_for("stop not shown", lambda: text("playback").startswith("stopped"))
played = dmx_after(heard)
lit = [i for i, row in enumerate(played) if row != "00000000"]
dark_inside = [i for i in range(lit[0], lit[-1]) if played[i] == "00000000"]
if dark_inside:
    sys.exit(f"FAIL: a dark frame while the show changed: {played[max(0, dark_inside[0] - 4):dark_inside[0] + 4]}")
browser.get(url.split("#")[0])
wait_for("the delay was not kept", lambda: text("speedValue") == f"{int(before.split()[0]) + 50} ms")

step("the program ends: lamps grey, controls off")
click("start")
wait_for("start not shown", lambda: text("playback").startswith("playing"))
os.kill(int(player), signal.SIGTERM)
wait_for("the page does not show the program gone", offline)
grey = browser.execute_script("return [...document.querySelectorAll('#lamps span')]"
                              ".every((lamp) => getComputedStyle(lamp).boxShadow === 'none')")
live_controls = browser.execute_script("return [...document.querySelectorAll('#remote button, #remote input, #remote select')]"
                                       ".filter((control) => !control.disabled).map((control) => control.id || control.tagName)")
if not grey or live_controls:
    sys.exit(f"FAIL: offline, the lamps are {'grey' if grey else 'lit'} and these controls live: {live_controls}")
screenshot(360, 740, "remote-phone-offline.png")

step("the program starts again: the page answers again")
with open(log_file, "a") as log:
    again = subprocess.Popen(restart, stderr=log)
atexit.register(again.terminate)
wait_for("the page did not come back", lambda: not offline() and text("link") == "live", seconds=60)
if not browser.find_element(By.ID, "stop").is_enabled() and not browser.find_element(By.ID, "start").is_enabled():
    sys.exit("FAIL: back online, neither start nor stop can be pressed")
print("PASS")
