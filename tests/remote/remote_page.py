"""Drives the remote's page in headless Chromium against the real program and
checks the DMX frames olad handed on while it did.
  remote_page.py URL FRAMES_FILE SCREENSHOT_DIR"""
import atexit
import os
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

url, frames_file, shots = sys.argv[1:4]
options = webdriver.ChromeOptions()
for flag in ("--headless --no-sandbox --disable-gpu --disable-quic --no-first-run --disable-background-networking "
             "--disable-component-update --disable-sync").split():
    options.add_argument(flag)
options.add_argument("--user-data-dir=" + tempfile.mkdtemp())
browser = webdriver.Chrome(options=options)
atexit.register(browser.quit)


def step(text):
    print("--", text, flush=True)


def wait_for(what, condition, seconds=10):
    try:
        return WebDriverWait(browser, seconds, poll_frequency=0.05).until(lambda _: condition())
    except Exception:
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
browser.get(url.split("#")[0])
wait_for("the delay was not kept", lambda: text("speedValue") == f"{int(before.split()[0]) + 50} ms")
print("PASS")
