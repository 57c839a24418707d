"""Draws a pattern in the remote's step editor in headless Chromium against the
real program, saves it, plays it alone and checks, in the DMX frames olad
handed on, that its steps come in order with their own times.
  remote_patterns.py URL FRAMES_FILE SCREENSHOT_DIR"""
import json
import os
import statistics
import sys
import tempfile
import time
import urllib.parse
import urllib.request

from chromium import came_true, open_browser, step
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

url, frames_file, shots = sys.argv[1:4]
base, key = url.split("#key=")
NAME = "Волна/1"
STEPS = [("10000001", 100), ("01100000", 300)]
# Each step's time as heard, on a busy 2-core machine: the rows are due on
# absolute deadlines, so the middle of many runs stays close even when one is late.
TOLERANCE_MS = 30

browser = open_browser()


def text(element_id):
    return browser.find_element(By.ID, element_id).text


def wait_for(what, condition, seconds=10):
    if not came_true(browser, condition, seconds):
        sys.exit(f"FAIL: {what}; the page said: {text('error')!r}, {text('editorProblem')!r}, {text('playback')!r}")


def cell(row, lamp):
    return browser.find_element(By.CSS_SELECTOR, f'#grid [data-step="{row}"][data-lamp="{lamp}"]')


def grid():
    return browser.execute_script("return [...document.querySelectorAll('#grid .step')].map((step) => "
                                  "[[...step.querySelectorAll('.cell')].map((c) => c.getAttribute('aria-pressed') === 'true' ? '1' : '0').join(''),"
                                  " step.querySelector('.time').value])")


def frames():
    """(seconds, "10000001") for every frame olad handed on."""
    with open(frames_file) as heard:
        return [(int(line.split()[0]) / 1e9, "".join("1" if v == "255" else "0" for v in line.split()[1:9]))
                for line in heard if not line.startswith("ready")]


def screenshot(width, height, name):
    browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                            {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": width < 600})
    time.sleep(0.3)
    browser.execute_script("document.getElementById('editor').scrollIntoView()")
    overflow = browser.execute_script("return document.documentElement.scrollWidth") - width
    browser.save_screenshot(os.path.join(shots, name))
    if overflow > 0:
        sys.exit(f"FAIL: at {width}x{height} the page is {overflow} px wider than the screen")
    smallest = browser.execute_script("return Math.min(...[...document.querySelectorAll('#grid .cell')]"
                                      ".map((c) => Math.min(c.offsetWidth, c.offsetHeight)))")
    if smallest < 40:
        sys.exit(f"FAIL: at {width}x{height} a lamp of the editor is {smallest} px, under 40")


def put_as_another_face(version):
    request = urllib.request.Request(f"{base}api/v1/patterns/{urllib.parse.quote(NAME, safe='')}", method="PUT",
                                     headers={"Authorization": "Bearer " + key, "Content-Type": "application/json"},
                                     data=json.dumps({"steps": [{"lamps": "11111111"}], "version": version}).encode())
    with urllib.request.urlopen(request, timeout=10) as answer:
        return json.load(answer)["version"]


def play_and_check(name, steps):
    """Plays a listed pattern alone and checks its steps in the frames heard."""
    heard = len(frames())
    browser.find_element(By.CSS_SELECTOR, f'#patterns li[data-name="{name}"] .play').click()
    wait_for("the page does not show it playing alone", lambda: f"“{name}” alone" in text("playback"))
    time.sleep(4)
    wanted = dict(steps)
    played = frames()[heard:]
    # What played before goes on until the pattern takes over.
    played = played[next((i for i, (_, lamps) in enumerate(played) if lamps in wanted), len(played)):]
    changes = [(t, lamps) for i, (t, lamps) in enumerate(played) if i == 0 or played[i - 1][1] != lamps]
    # The first change may be cut by the start; the rest come as the pattern plays.
    runs = [(lamps, (changes[i + 1][0] - t) * 1000) for i, (t, lamps) in enumerate(changes[1:-1], 1)]
    order = [lamps for lamps, _ in runs]
    if len(runs) < 8 or any(lamps not in wanted for lamps in order) or any(a == b for a, b in zip(order, order[1:])):
        sys.exit(f"FAIL: the frames do not alternate between the two steps: {[(l, round(ms)) for l, ms in runs]}")
    for lamps, ms in steps:
        middle = statistics.median(took for seen, took in runs if seen == lamps)
        if abs(middle - ms) > TOLERANCE_MS:
            sys.exit(f"FAIL: step {lamps} lasts {middle:.0f} ms in DMX, not {ms} ± {TOLERANCE_MS}: {[(l, round(t)) for l, t in runs]}")
    print("   heard", [(lamps, round(ms)) for lamps, ms in runs[:6]], flush=True)


def fseq_v2(path, channels, frame_ms, frames):
    """An uncompressed FSEQ version 2 file, written from the format's description."""
    header = (b"PSEQ" + (32).to_bytes(2, "little") + bytes([0, 2]) + (32).to_bytes(2, "little")
              + channels.to_bytes(4, "little") + len(frames).to_bytes(4, "little") + bytes([frame_ms, 0, 0, 0, 0, 0])
              + (0).to_bytes(8, "little"))
    with open(path, "wb") as out:
        out.write(header + b"".join(frames))


step("the page, and the list of patterns with the built-ins marked")
browser.get(url)
wait_for("the live channel did not connect", lambda: text("link") == "live")
wait_for("the built-in patterns are not listed", lambda: len(browser.find_elements(By.CSS_SELECTOR, "#patterns li")) >= 12)
if "built-in" not in browser.find_element(By.CSS_SELECTOR, "#patterns li").text:
    sys.exit("FAIL: the first pattern is not marked built-in: " + browser.find_element(By.CSS_SELECTOR, "#patterns li").text)

step("a new pattern drawn with taps and the keyboard")
browser.find_element(By.ID, "newPattern").click()
wait_for("the editor did not open", lambda: browser.find_element(By.ID, "editor").is_displayed())
browser.find_element(By.ID, "patternName").send_keys(NAME)
cell(0, 0).click()
cell(0, 7).click()
browser.find_element(By.CSS_SELECTOR, "#grid .step .time").send_keys("100", Keys.TAB)
browser.find_element(By.ID, "addStep").click()
cell(1, 0).click()
cell(1, 0).send_keys(Keys.ARROW_RIGHT)
browser.switch_to.active_element.send_keys(Keys.SPACE)
browser.switch_to.active_element.send_keys(Keys.ARROW_RIGHT, Keys.SPACE)
cell(1, 0).click()
times = browser.find_elements(By.CSS_SELECTOR, "#grid .step .time")
times[1].send_keys("300", Keys.TAB)
wait_for(f"the grid does not hold {STEPS}", lambda: grid() == [[lamps, str(ms)] for lamps, ms in STEPS])
browser.find_element(By.ID, "undo").click()
wait_for("undo did not take the last time back", lambda: grid()[1] == ["01100000", ""])
times = browser.find_elements(By.CSS_SELECTOR, "#grid .step .time")
times[1].send_keys("300", Keys.TAB)
screenshot(360, 740, "remote-editor-phone.png")
screenshot(1280, 800, "remote-editor-desktop.png")

step("save, and the pattern is listed")
browser.find_element(By.ID, "savePattern").click()
wait_for("the pattern was not saved", lambda: text("editorTitle") == f"Pattern “{NAME}”")
row = f'#patterns li[data-name="{NAME}"]'
wait_for("the saved pattern is not listed", lambda: browser.find_elements(By.CSS_SELECTOR, row))

step("play it alone: the frames come in order with their times")
play_and_check(NAME, STEPS)

step("preview: an edit plays on the lamps at once; off, what played before plays again")
browser.find_element(By.ID, "stop").click()
wait_for("stop not shown", lambda: text("playback").startswith("stopped"))
browser.find_element(By.ID, "preview").click()
cell(0, 3).click()
wait_for("the preview does not play", lambda: f"“{NAME}” alone" in text("playback"))
heard = len(frames())
time.sleep(0.6)
if "10010001" not in {lamps for _, lamps in frames()[heard:]}:
    sys.exit(f"FAIL: the edited step is not heard in the preview: {sorted({lamps for _, lamps in frames()[heard:]})}")
browser.find_element(By.ID, "preview").click()
wait_for("the preview did not give way to what played before", lambda: text("playback").startswith("stopped"))

step("another face saved meanwhile: the page says so and offers to reload")
put_as_another_face(1)
cell(0, 3).click()
browser.find_element(By.ID, "savePattern").click()
wait_for("a stale save is not shown", lambda: browser.find_element(By.ID, "reloadPattern").is_displayed())
browser.find_element(By.ID, "reloadPattern").click()
wait_for("reload did not show the other face's steps", lambda: grid() == [["11111111", ""]])

step("the pattern in the scheme, after the effects")
browser.find_element(By.ID, "build").click()
wait_for("the scheme of the effects alone was not built", lambda: text("playback").startswith("stopped; the scheme has"))
effect_rows = int(text("playback").split()[-2])
browser.find_element(By.CSS_SELECTOR, row + " .pick").click()
browser.find_element(By.CSS_SELECTOR, "#picks li .repeats button:last-child").click()
browser.find_element(By.ID, "build").click()
wait_for("the scheme with the pattern twice was not built",
         lambda: text("playback") == f"stopped; the scheme has {effect_rows + 2} rows")
step("an FSEQ sequence uploaded on the page, lamps from channel 9, then played alone")
browser.find_element(By.ID, "stop").click()
UPLOADED = [("11000000", 100), ("00000011", 300)]
sequence = os.path.join(tempfile.mkdtemp(), "show.fseq")
level = {"1": 200, "0": 20}
fseq_v2(sequence, 16, 25, [bytes([255] * 8 + [level[c] for c in lamps]) for lamps, ms in UPLOADED * 2 for _ in range(ms // 25)])
browser.find_element(By.CSS_SELECTOR, "details.import summary").click()
browser.find_element(By.ID, "importFile").send_keys(sequence)
browser.find_element(By.ID, "importName").send_keys("Uploaded")
channel = browser.find_element(By.ID, "importChannel")
channel.clear()
channel.send_keys("9")
browser.find_element(By.CSS_SELECTOR, "#importForm button[type=submit]").click()
wait_for("the upload was not made a pattern of four steps", lambda: text("importProgress").startswith("“Uploaded”: 4 steps"))
wait_for("the uploaded pattern is not listed", lambda: browser.find_elements(By.CSS_SELECTOR, '#patterns li[data-name="Uploaded"]'))
play_and_check("Uploaded", UPLOADED)
print("PASS")
