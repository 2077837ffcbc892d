#!/usr/bin/python3
"""The JSON of `caelix batch` and `caelix chart --json` against docs/chart.schema.json, on charts
drawn from the whole input domain (years -9999 to 99999, every longitude, latitudes to +-66, the
three house systems) and on its edges; and what the schema cannot say: the sign and the house of
each body agree with its longitude and the cusps, the counts add up, the README's example is real
output.

Usage: validate_charts.py CAELIX SOURCE_DIR [ROWS]
"""
import json
import math
import random
import re
import subprocess
import sys

import jsonschema

caelix, source = sys.argv[1], sys.argv[2]
rows_wanted = int(sys.argv[3]) if len(sys.argv) > 3 else 1500
failures = []


def fail(message):
    failures.append(message)
    if len(failures) <= 20:
        print("FAILED:", message, file=sys.stderr)


with open(f"{source}/docs/chart.schema.json", encoding="utf-8") as f:
    schema = json.load(f)
jsonschema.Draft202012Validator.check_schema(schema)
validator = jsonschema.Draft202012Validator(schema)

# Rows: the edges of every range, then random charts over the whole domain.
rows = [
    "-9999-01-01,00:00,-360,-65.999,K",
    "99999-12-31,23:59.999,360,65.999,C",
    "-44-03-15,12:00,0,0,P",
    "2000-01-01,12:00,14.417,50.083,P",
    "1800-03-05,12:00,-0.1,51.5,K",  # the first day of the monthly table series
    "2099-12-31,23:59,139.7,35.7,C",
    "2024-02-29,00:00,-179.99,-65.9,P",
    "1582-10-15,00:00,12.5,41.9,K",  # the first day of the Gregorian calendar
    "1582-10-04,23:59,12.5,41.9,P",  # the last of the Julian
]
rnd = random.Random(15)
for n in range(rows_wanted):
    if n % 3 == 0:
        year = rnd.randint(1800, 2100)  # where the twelve tables answer
    else:
        year = rnd.randint(-9999, 99999)
    month = rnd.randint(1, 12)
    day = rnd.randint(1, 28)
    minute = rnd.uniform(0, 1440)
    hour = int(minute // 60)
    rows.append(f"{year}-{month:02d}-{day:02d},{hour:02d}:{minute - 60 * hour:06.3f},"
                f"{rnd.uniform(-360, 360):.4f},{rnd.uniform(-65.99, 65.99):.4f},{rnd.choice('PCK')}")

run = subprocess.run([caelix, "batch", "--pages", "--threads", "2"], input="\n".join(rows) + "\n",
                     capture_output=True, text=True, check=False)
if run.returncode != 0:
    fail(f"batch exited {run.returncode}: {run.stderr[:500]}")
lines = run.stdout.splitlines()
if len(lines) != len(rows):
    fail(f"batch wrote {len(lines)} lines for {len(rows)} rows")

seen = {"null longitude": 0, "table body with value": 0, "applying": 0, "separating": 0, "retrograde": 0}


def reduced(angle):
    """The angle reduced into [0, 360) as the program reduces it."""
    r = math.fmod(angle, 360.0)
    if r < 0:
        r += 360.0
    if r >= 360.0:
        r -= 360.0
    return r


def check_chart(row, chart):
    for error in validator.iter_errors(chart):
        fail(f"{row}: {error.json_path}: {error.message}")
        return
    cusps = chart["houses"]["cusps"]
    planets = 0
    for body in chart["bodies"]:
        lon = body["longitude"]
        if lon is None:
            seen["null longitude"] += 1
            continue
        if body["id"] >= 22:
            seen["table body with value"] += 1
        if body["sign"]["index"] != int(lon // 30):
            fail(f"{row}: {body['key']} at {lon} in sign {body['sign']}")
        d = body["inSign"]
        within = body["sign"]["index"] * 30 + d["degrees"] + d["minutes"] / 60 + d["seconds"] / 3600
        if abs(within - lon) > 1e-9:
            fail(f"{row}: {body['key']} at {lon} split as {d}")
        # The house whose cusp comes last at or before the longitude (a distance that rounds to
        # 360 is 0: a hair before a cusp is on it).
        behind = [reduced(lon - c) for c in cusps]
        if body["house"] != 1 + behind.index(min(behind)):
            fail(f"{row}: {body['key']} at {lon} in house {body['house']}, cusps {cusps}")
        if body["speed"] is not None:
            if body["retrograde"] != (body["speed"] < 0):
                fail(f"{row}: {body['key']} speed {body['speed']} retrograde {body['retrograde']}")
            seen["retrograde"] += body["retrograde"]
        if 1 <= body["id"] <= 10:
            planets += 1
    for name in ("elements", "modalities", "quadruplicityByHouse"):
        total = sum(chart["counts"][name].values())
        if total > planets or (name != "quadruplicityByHouse" and total != planets):
            fail(f"{row}: counts.{name} add up to {total} for {planets} bodies")
    for aspect in chart["aspects"]:
        if aspect["orb"] > aspect["maxOrb"] + 1e-9:
            fail(f"{row}: {aspect}")
        if aspect["applying"] is not None:
            seen["applying" if aspect["applying"] else "separating"] += 1


for row, line in zip(rows, lines):
    try:
        chart = json.loads(line)
    except json.JSONDecodeError as e:
        fail(f"{row}: not JSON: {e}")
        continue
    check_chart(row, chart)

# What the checks must have met at least once, lest they pass on nothing.
for what, count in seen.items():
    if count == 0:
        fail(f"no chart had a {what}")

# chart --json writes the same object as batch for the same row.
for row, line in list(zip(rows, lines))[:4]:
    date, time, lon, lat, houses = row.split(",")
    one = subprocess.run([caelix, "chart", f"--date={date}", f"--time={time}", f"--lon={lon}", f"--lat={lat}",
                          f"--houses={houses}", "--json"], capture_output=True, text=True, check=False)
    if one.stdout.rstrip("\n") != line:
        fail(f"{row}: chart --json and batch differ")

# The README's example is real output: the command it shows, and the object it shows under it
# compared with the member of that command's output it names.
with open(f"{source}/README.md", encoding="utf-8") as f:
    readme = f.read()
example = re.search(r"<!-- json example: (.+?) -->\n```\n\$ (caelix .+?)\n```\n\n```json\n(.+?)\n```", readme, re.S)
if not example:
    fail("README.md has no JSON example")
else:
    member, command, shown = example.group(1), example.group(2), example.group(3)
    args = command.split()[1:]
    real = json.loads(subprocess.run([caelix] + args, capture_output=True, text=True, check=True).stdout)
    for step in member.split("."):
        real = real[int(step)] if step.isdigit() else real[step]
    if json.loads(shown) != real:
        fail(f"README.md's example is not what `{command}` prints at {member}:\n{json.dumps(real, indent=2)}")

print(f"{len(lines)} charts checked against the schema; {seen}")
sys.exit(1 if failures else 0)
