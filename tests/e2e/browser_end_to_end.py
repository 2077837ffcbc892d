"""The chart page end to end in Debian's chromium, headless, driven through chromedriver (selenium).

A person's way through the page: type the birth data, type part of the town's name and pick it
among the suggestions, draw the chart, see the wheel, the positions table and the local time read
in the town's zone, point at a symbol and read its name; then open an address that carries the
inputs (coordinates and a zone) and see its chart drawn directly. Screenshots go to the folder
given. Exit 77 (skipped) when chromium, chromedriver or selenium is missing.

Usage: browser_end_to_end.py CAELIX SCREENSHOT_DIR
"""
import os
import re
import shutil
import sys
import tempfile
import urllib.parse

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'web'))
from serving import Serving  # noqa: E402

CHROMIUM = '/usr/bin/chromium'
CHROMEDRIVER = '/usr/bin/chromedriver'

try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.action_chains import ActionChains
    from selenium.webdriver.common.by import By
    from selenium.webdriver.support import expected_conditions as ec
    from selenium.webdriver.support.ui import WebDriverWait
except ImportError:
    print('skipped: python3-selenium is not installed')
    sys.exit(77)


def browser(profile):
    options = webdriver.ChromeOptions()
    options.binary_location = CHROMIUM
    for arg in ('--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                '--disable-background-networking', '--disable-component-update', '--disable-sync',
                '--disable-dev-shm-usage', f'--user-data-dir={profile}', '--window-size=1280,1400'):
        options.add_argument(arg)
    options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
    return webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)


def type_into(driver, field, text):
    box = driver.find_element(By.ID, field)
    box.clear()
    box.send_keys(text)


def wait_for_chart(driver, wait):
    wait.until(ec.visibility_of_element_located((By.CSS_SELECTOR, '#wheel svg')))
    rows = driver.find_elements(By.CSS_SELECTOR, '#positions tbody tr')
    assert len(rows) >= 30, f'{len(rows)} rows in the positions table'
    return rows


# A point of the element's box where the element itself (or one of its children) is drawn on top,
# as an offset from the box's centre; a symbol's box also holds empty space and its neighbours.
FIND_DRAWN_POINT = '''
const element = arguments[0];
const box = element.getBoundingClientRect();
for (let step = 2; step <= 32; step *= 2) {
  for (let i = 1; i < step; i += 2) {
    for (let j = 1; j < step; j += 2) {
      const x = box.left + box.width * i / step, y = box.top + box.height * j / step;
      const hit = document.elementFromPoint(x, y);
      if (hit && element.contains(hit)) return [x - (box.left + box.width / 2), y - (box.top + box.height / 2)];
    }
  }
}
return null;
'''


def point_at(driver, element):
    """Moves the pointer onto a drawn part of element."""
    driver.execute_script('arguments[0].scrollIntoView({block: "center"})', element)
    offset = driver.execute_script(FIND_DRAWN_POINT, element)
    assert offset is not None, 'the symbol is hidden under others'
    ActionChains(driver).move_to_element_with_offset(element, int(offset[0]), int(offset[1])).perform()


def check_no_page_errors(driver):
    """No script error, no refused resource; the 400 answers the test asks for are not errors."""
    severe = [e for e in driver.get_log('browser') if e['level'] == 'SEVERE' and 'status of 400' not in e['message']]
    assert not severe, f'the page logged errors: {severe}'


def main():
    caelix, shots = sys.argv[1], sys.argv[2]
    for tool in (CHROMIUM, CHROMEDRIVER):
        if not os.access(tool, os.X_OK):
            print(f'skipped: {tool} is not installed')
            return 77
    os.makedirs(shots, exist_ok=True)
    profile = tempfile.mkdtemp(prefix='caelix-chromium-')
    try:
        with Serving(caelix) as server:
            driver = browser(profile)
            try:
                wait = WebDriverWait(driver, 20)
                driver.get(server.url)
                type_into(driver, 'name', 'Ada')
                type_into(driver, 'date', '1985-07-14')
                type_into(driver, 'time', '09:20')
                # A town the atlas would not find first by its name (London has "City of London" as
                # an alternate name): picking it gives its own coordinates and zone as well.
                type_into(driver, 'place', 'City of Lon')
                wait.until(ec.visibility_of_element_located((By.CSS_SELECTOR, '#place-list li')))
                city = next((o for o in driver.find_elements(By.CSS_SELECTOR, '#place-list li')
                             if o.text.startswith('City of London,')), None)
                assert city is not None, 'City of London is not suggested'
                city.click()
                wait.until(lambda d: d.find_element(By.ID, 'tz').get_attribute('value') == 'Europe/London')
                lon = float(driver.find_element(By.ID, 'lon').get_attribute('value'))
                assert abs(lon - -0.0918) < 1e-3, f'the longitude of the City of London is {lon}'

                # The town: typed in part, then picked among the atlas' suggestions.
                type_into(driver, 'place', 'Madri')
                wait.until(ec.visibility_of_element_located((By.CSS_SELECTOR, '#place-list li')))
                options = driver.find_elements(By.CSS_SELECTOR, '#place-list li')
                texts = [o.text for o in options]
                pick = next((o for o in options if o.text.startswith('Madrid, Madrid, Spain')), None)
                assert pick is not None, f'no suggestion is Madrid, Spain: {texts}'
                driver.save_screenshot(os.path.join(shots, 'browser_suggestions.png'))
                pick.click()
                assert driver.find_element(By.ID, 'place').get_attribute('value') == 'Madrid, Madrid, ES'
                info = driver.find_element(By.ID, 'place-info')
                assert info.is_displayed() and 'Europe/Madrid' in info.text and ' N 3.' in info.text, info.text
                assert not driver.find_element(By.ID, 'place-list').is_displayed(), 'the suggestions stayed open'
                for field in ('lon', 'lat', 'tz'):
                    assert driver.find_element(By.ID, field).get_attribute('value') == '', f'{field} kept a value'
                driver.find_element(By.ID, 'draw').click()
                rows = wait_for_chart(driver, wait)
                first = rows[0].find_elements(By.TAG_NAME, 'td')
                assert first[0].text == 'So Sun', first[0].text
                assert driver.find_element(By.ID, 'chart-title').text == 'Chart of Ada'
                summary = driver.find_element(By.ID, 'chart-summary').text
                # Madrid kept summer time in 1985: 09:20 there was 07:20 UT.
                for part in ('Madrid, Madrid, Spain', '1985-07-14 09:20 Europe/Madrid (CEST, +02:00)',
                             '1985-07-14 07:20 UT'):
                    assert part in summary, f'{part!r} not in {summary!r}'
                for page in ('elements', 'modalities', 'aspects'):
                    assert driver.find_element(By.ID, page).text.strip(), f'the {page} are empty'
                # The address now carries the inputs.
                query = urllib.parse.parse_qs(urllib.parse.urlparse(driver.current_url).query)
                assert query['date'] == ['1985-07-14'] and query['place'] == ['Madrid, Madrid, ES'], driver.current_url

                # Pointing at a symbol names it in the status line: the Sun, then the Moon.
                status = driver.find_element(By.ID, 'status')
                titles = driver.find_elements(By.CSS_SELECTOR, '#wheel svg title')
                assert titles, 'the wheel has no named symbols'
                for label in ('So', 'Mo'):
                    # The body's own symbol ("Mo 29Ge12 ..."), not an aspect line ("Mo conjunction Ve").
                    title = next(t for t in titles if re.match(label + r' \d', t.get_attribute('textContent')))
                    name = title.get_attribute('textContent').strip()
                    point_at(driver, title.find_element(By.XPATH, '..'))
                    try:
                        wait.until(lambda d: status.text.strip() == name)
                    except Exception:
                        raise AssertionError(f"status {status.text!r}, pointing at {name!r}")
                driver.save_screenshot(os.path.join(shots, 'browser_chart.png'))

                # A bad value is named under the form and the chart goes.
                type_into(driver, 'lat', '95')
                driver.find_element(By.ID, 'draw').click()
                error = driver.find_element(By.ID, 'error')
                wait.until(lambda d: error.is_displayed())
                assert error.text.startswith('lat: '), error.text
                assert driver.find_element(By.ID, 'lat').get_attribute('aria-invalid') == 'true'
                check_no_page_errors(driver)

                # An address with the inputs draws its chart when opened: coordinates and a zone typed
                # in, not a town.
                params = {'name': 'Link', 'date': '2000-01-01', 'time': '13:00', 'lon': '14.417', 'lat': '50.083',
                          'tz': '+01:00', 'houses': 'K'}
                driver.get(server.url + '?' + urllib.parse.urlencode(params))
                wait_for_chart(driver, wait)
                assert driver.find_element(By.ID, 'chart-title').text == 'Chart of Link'
                assert driver.find_element(By.ID, 'houses').get_attribute('value') == 'K'
                assert driver.find_element(By.ID, 'tz').get_attribute('value') == '+01:00'
                summary = driver.find_element(By.ID, 'chart-summary').text
                for part in ('2000-01-01 13:00 UTC+01:00, ', '2000-01-01 12:00 UT', 'Koch'):
                    assert part in summary, f'{part!r} not in {summary!r}'
                driver.save_screenshot(os.path.join(shots, 'browser_link.png'))
                check_no_page_errors(driver)
            finally:
                driver.quit()
    finally:
        shutil.rmtree(profile, ignore_errors=True)
    print('the page drew both charts')
    return 0


if __name__ == '__main__':
    sys.exit(main())
