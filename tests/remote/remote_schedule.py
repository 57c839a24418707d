"""Adds the schedule entry "on at sunset, off at 23:00" on the remote's page in
headless Chromium at 360 px, as a first-time user would, with the place from
the phone's location, and checks what the program then holds.
  remote_schedule.py URL SCREENSHOT_DIR"""
import json
import os
import sys
import time
import urllib.request

from chromium import came_true, open_browser, step
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import Select

url, shots = sys.argv[1:3]
base, key = url.split("#key=")
BERLIN = (52.52, 13.405)

browser = open_browser(console=True)


def text(element_id):
    return browser.find_element(By.ID, element_id).text


def wait_for(what, condition, seconds=15):
    if not came_true(browser, condition, seconds):
        console = [entry["message"] for entry in browser.get_log("browser")]
        sys.exit(f"FAIL: {what}; the page said: {text('error')!r}, {text('scheduleNext')!r}, {text('placeNote')!r}; "
                 f"its console: {console}")


def screenshot(name, element_id):
    browser.execute_script(f"document.getElementById('{element_id}').scrollIntoView()")
    time.sleep(0.3)
    overflow = browser.execute_script("return document.documentElement.scrollWidth") - 360
    browser.save_screenshot(os.path.join(shots, name))
    if overflow > 0:
        sys.exit(f"FAIL: at 360 px the page is {overflow} px wider than the screen ({name})")


def tap(element_id):
    element = browser.find_element(By.ID, element_id)
    browser.execute_script("arguments[0].scrollIntoView({block: 'center'})", element)
    element.click()


step("a phone's screen, and a location the browser may give")
browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {"width": 360, "height": 740, "deviceScaleFactor": 1, "mobile": True})
browser.execute_cdp_cmd("Browser.grantPermissions", {"origin": base.rstrip("/"), "permissions": ["geolocation"]})
browser.execute_cdp_cmd("Emulation.setGeolocationOverride", {"latitude": BERLIN[0], "longitude": BERLIN[1], "accuracy": 50})

step("the page says there is no schedule yet")
browser.get(url)
wait_for("the live channel did not connect", lambda: text("link") == "live")
wait_for("the schedule is not shown", lambda: "No schedule" in text("scheduleNext"))

step("Add an entry: on at sunset, off at 23:00")
tap("addEntry")
wait_for("the form does not open", lambda: browser.find_element(By.ID, "entryForm").is_displayed())
Select(browser.find_element(By.ID, "onKind")).select_by_visible_text("at sunset")
Select(browser.find_element(By.ID, "offKind")).select_by_visible_text("at a clock time")
# A time field's keys depend on the locale; the value is what the user ends with.
browser.execute_script("const field = document.getElementById('offClock'); field.value = '23:00';"
                       "field.dispatchEvent(new Event('input'))")
wait_for("the entry is not written as on=sunset off=23:00",
         lambda: browser.find_element(By.ID, "entryText").get_attribute("value") == "on=sunset off=23:00")
wait_for("the form does not say that sunset needs the place", lambda: browser.find_element(By.ID, "entryNeedsPlace").is_displayed())
screenshot("schedule-form-360.png", "entryForm")

step("use this phone's location")
tap("locate")
wait_for("the location was not filled in", lambda: browser.find_element(By.ID, "latitude").get_attribute("value") == "52.5200")
screenshot("schedule-place-360.png", "latitude")

step("save the entry")
browser.find_element(By.CSS_SELECTOR, "#entryForm button[type=submit]").click()
wait_for("the form did not close after saving", lambda: not browser.find_element(By.ID, "entryForm").is_displayed())
wait_for("the entry is not listed in words", lambda: "on at sunset, off at 23:00, every day" in text("entries"))
wait_for("the next on and off are not shown", lambda: "Next on:" in text("scheduleNext") and "(entry 1)" in text("scheduleNext"))
screenshot("schedule-saved-360.png", "scheduleTitle")

step("the program holds it")
request = urllib.request.Request(base + "api/v1/schedule", headers={"Authorization": "Bearer " + key})
with urllib.request.urlopen(request, timeout=10) as answer:
    held = json.load(answer)
if held["entries"] != ["on=sunset off=23:00"] or abs(held["place"]["latitude"] - BERLIN[0]) > 1e-3:
    sys.exit(f"FAIL: the program holds {held['entries']} at {held['place']}")
if held["next"]["on"] is None or held["next"]["off"]["time"] != "23:00":
    sys.exit(f"FAIL: the next on and off are {held['next']}")
print("   next:", held["next"]["status"], flush=True)
print("PASS")
