"""What the page tests share: headless Chromium, and an error that says which
step it broke."""
import atexit
import sys
import tempfile

from selenium import webdriver
from selenium.webdriver.support.ui import WebDriverWait

doing = "starting Chromium"


def step(text):
    global doing
    doing = text
    print("--", text, flush=True)


def _say_what_failed(kind, value, trace):
    """An error that is not a check's own failure still says which step it broke."""
    sys.__excepthook__(kind, value, trace)
    print(f"FAIL: an error while {doing!r}", file=sys.stderr)


def open_browser(language=None, console=False):
    """Headless Chromium, in LANGUAGE (such as "de") if given, keeping the
    page's console if asked."""
    options = webdriver.ChromeOptions()
    for flag in ("--headless --no-sandbox --disable-gpu --disable-quic --no-first-run --disable-background-networking "
                 "--disable-component-update --disable-sync").split():
        options.add_argument(flag)
    options.add_argument("--user-data-dir=" + tempfile.mkdtemp())
    if language:
        options.add_argument("--lang=" + language)
        options.add_experimental_option("prefs", {"intl.accept_languages": language})
    if console:
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    browser = webdriver.Chrome(options=options)
    atexit.register(browser.quit)
    sys.excepthook = _say_what_failed
    return browser


def came_true(browser, condition, seconds):
    """Whether condition() came true within the time, polled often."""
    try:
        WebDriverWait(browser, seconds, poll_frequency=0.05).until(lambda _: condition())
        return True
    except Exception:
        return False
