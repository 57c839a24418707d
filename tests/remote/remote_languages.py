"""The remote's page at 360 px in each language a phone may ask for: its
headings, and the texts its scripts build (the ticked count, the playback
line after Start, the schedule's next switch and entry), in that language,
as is a text index.html breaks over lines, and nothing wider than the screen.
  remote_languages.py URL SCREENSHOT_DIR"""
import json
import os
import sys
import time
import urllib.request

from selenium.webdriver.common.by import By

from chromium import came_true, open_browser, step

url, shots = sys.argv[1:3]
base, key = url.split("#key=")
# Per language: the headings of the effects, the patterns and the schedule; then
# what the ticked count, the playback line, the schedule, the editor's note and
# the output's description say.
WANTED = {
    "en": {"headings": ["Effects", "Patterns", "Schedule"], "rows": "(1 ticked)",
           "playback": "playing: the scheme, 2 rows", "next": ["Next on: ", "(entry 1)"],
           "entry": "on at 18:00, off at 23:00, on Mon-Fri, plays the scheme", "note": "Tap a lamp",
           "output": "through olad"},
    "de": {"headings": ["Effekte", "Muster", "Zeitplan"], "rows": "(1 angekreuzt)",
           "playback": "spielt: das Schema, 2 Zeilen", "next": ["Nächstes An: ", "(Eintrag 1)"],
           "entry": "an: 18:00, aus: 23:00, Tage: Mo-Fr, spielt das Schema", "note": "Tippen Sie",
           "output": "über olad"},
}


def ask(method, path, body=None):
    request = urllib.request.Request(base + "api/v1/" + path, method=method,
                                     data=None if body is None else json.dumps(body).encode(),
                                     headers={"Authorization": "Bearer " + key, "Content-Type": "application/json"})
    with urllib.request.urlopen(request, timeout=10) as answer:
        return json.load(answer)


step("a schedule entry for the page to put in words")
ask("PUT", "schedule", {"version": ask("GET", "schedule")["version"], "entries": ["on=18:00 off=23:00 days=Mon-Fri"],
                       "place": None})

for language, wanted in WANTED.items():
    step(f"the page in {language}")
    browser = open_browser(language)
    browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                            {"width": 360, "height": 740, "deviceScaleFactor": 1, "mobile": True})
    browser.get(url)

    def text(element_id):
        return browser.find_element(By.ID, element_id).text

    def wait_for(what, condition):
        if not came_true(browser, condition, 15):
            sys.exit(f"FAIL: in {language}, {what}; the page says {text('playback')!r}, {text('rows')!r}, "
                     f"{text('scheduleNext')!r}, {text('entries')!r}, {text('error')!r}")

    def headings():
        return [heading.text.split(" (")[0].strip() for heading in browser.find_elements(By.CSS_SELECTOR, "h2")]

    def screenshot(name, element_id):
        browser.execute_script(f"document.getElementById('{element_id}').scrollIntoView()")
        time.sleep(0.3)
        browser.save_screenshot(os.path.join(shots, name))
        overflow = browser.execute_script("return document.documentElement.scrollWidth") - 360
        if overflow > 0:
            sys.exit(f"FAIL: in {language} the page is {overflow} px wider than the screen ({name})")

    wait_for(f"the headings are {headings()}, not {wanted['headings']}",
             lambda: all(title in headings() for title in wanted["headings"]))
    note = browser.execute_script("return document.querySelector('#editor .note').textContent.trim()")
    if not note.startswith(wanted["note"]):
        sys.exit(f"FAIL: in {language} the editor's note is {note!r}")
    step(f"in {language}: tick one effect, and start")
    wait_for("no effects are listed", lambda: browser.find_elements(By.CSS_SELECTOR, "#effects input"))
    for tick in browser.find_elements(By.CSS_SELECTOR, "#effects input:checked"):
        tick.click()
    browser.find_element(By.CSS_SELECTOR, "#effects input").click()
    wait_for(f"the count is not {wanted['rows']!r}", lambda: text("rows") == wanted["rows"])
    browser.find_element(By.ID, "start").click()
    wait_for(f"the playback line is not {wanted['playback']!r}", lambda: text("playback") == wanted["playback"])
    # Made by the program for this request, in the browser's language.
    wait_for(f"the output is not described {wanted['output']!r}: {text('outputDescription')!r}",
             lambda: wanted["output"] in text("outputDescription"))
    screenshot(f"remote-phone-{language}.png", "link")
    step(f"in {language}: the FSEQ import opened, and the schedule")
    browser.execute_script("document.querySelector('details.import').open = true")
    wait_for(f"the next switch does not say {wanted['next']}", lambda: all(part in text("scheduleNext") for part in wanted["next"]))
    wait_for(f"the entry is not {wanted['entry']!r}", lambda: wanted["entry"] in text("entries"))
    screenshot(f"remote-phone-schedule-{language}.png", "scheduleTitle")
    browser.find_element(By.ID, "stop").click()
    wait_for("Stop did not stop", lambda: not browser.find_element(By.ID, "start").get_attribute("disabled"))
    browser.quit()
print("PASS")
