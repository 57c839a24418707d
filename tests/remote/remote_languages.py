"""The remote's page at 360 px in each language a phone may ask for: its
headings in that language, and nothing wider than the screen.
  remote_languages.py URL SCREENSHOT_DIR"""
import os
import sys

from selenium.webdriver.common.by import By

from chromium import came_true, open_browser, step

url, shots = sys.argv[1:3]
# The browser's language, and the headings of the effects, the patterns and the schedule in it.
HEADINGS = {"en": ["Effects", "Patterns", "Schedule"], "de": ["Effekte", "Muster", "Zeitplan"]}

for language, wanted in HEADINGS.items():
    step(f"the page in {language}")
    browser = open_browser(language)
    browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                            {"width": 360, "height": 740, "deviceScaleFactor": 1, "mobile": True})
    browser.get(url)

    def headings():
        return [heading.text.split(" (")[0].strip() for heading in browser.find_elements(By.CSS_SELECTOR, "h2")]

    if not came_true(browser, lambda: all(title in headings() for title in wanted), 15):
        sys.exit(f"FAIL: in {language} the headings are {headings()}, not {wanted}")
    overflow = browser.execute_script("return document.documentElement.scrollWidth") - 360
    browser.save_screenshot(os.path.join(shots, f"remote-phone-{language}.png"))
    if overflow > 0:
        sys.exit(f"FAIL: in {language} the page is {overflow} px wider than the screen")
    browser.quit()
print("PASS")
