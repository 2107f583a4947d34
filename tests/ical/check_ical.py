#!/usr/bin/python3
"""Reads the suite's calendar exports back with a real iCalendar parser (Debian's
python3-icalendar) and compares their events with dates worked out by hand.

usage: check_ical.py RUNNER

The scenario runner plays each script below, writes the exports under its temporary root
and prints them with `cat`; nothing is kept on disk.
"""
import datetime
import json
import subprocess
import sys

import icalendar

RUNNER = sys.argv[1]
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def play(script):
    """The files the script printed with `cat`, by path, as bytes."""
    run = subprocess.run([RUNNER, "-"], input=script.encode(), capture_output=True, timeout=300)
    files = {}
    for line in run.stdout.decode().splitlines():
        event = json.loads(line)
        if event["event"] == "error":
            raise SystemExit("the runner stopped: " + event["message"])
        if event["event"] == "file":
            files[event["path"]] = event["content"].encode()
    return files


def raw_lines(data, name):
    """The file's physical lines: CRLF everywhere, at most 75 octets, whole UTF-8."""
    check(data.endswith(b"\r\n"), name + ": does not end with CRLF")
    lines = data.split(b"\r\n")[:-1]
    for number, line in enumerate(lines, 1):
        check(b"\n" not in line and b"\r" not in line, "%s line %d: a bare line break" % (name, number))
        check(len(line) <= 75, "%s line %d: %d octets" % (name, number, len(line)))
        try:
            line.decode("utf-8")
        except UnicodeDecodeError:
            failures.append("%s line %d: a character split by the folding" % (name, number))
    return lines


def events(data, name, product):
    """(date, summary) of every event, in file order, after the file-level checks."""
    raw_lines(data, name)
    calendar = icalendar.Calendar.from_ical(data)
    check(str(calendar["VERSION"]) == "2.0", name + ": VERSION")
    check(str(calendar["PRODID"]) == "-//Mystorin//" + product + "//EN", name + ": PRODID " + str(calendar["PRODID"]))
    found, uids = [], []
    for event in calendar.walk("VEVENT"):
        start = event["DTSTART"].dt
        end = event["DTEND"].dt
        check(type(start) is datetime.date, name + ": DTSTART is not a date")
        check(end == start + datetime.timedelta(days=1), name + ": DTEND is not the next day")
        check("DTSTAMP" in event, name + ": no DTSTAMP")
        uids.append(str(event["UID"]))
        found.append((start, str(event["SUMMARY"])))
    check(len(set(uids)) == len(uids), name + ": two events share a UID")
    return found, uids, calendar


def days(year, month, numbers):
    return [datetime.date(year, month, d) for d in numbers]


# Stars: all three birthdays make the star numbers 1, 2, 4, 3, 6 (own 1/1/1920, parents
# 1/1/1900). A day is good when the digit sum of DateDigit(month) + DateDigit(day) +
# YearDigit(year) is 1, 2 or 3, i.e. (month + day + year digit) mod 9 is 1, 2 or 3; bad
# when it is 4 or 6. Year digit: 2001 -> 2, 2002 -> 3.
# December 2001: (12 + day + 2) mod 9 = (5 + day) mod 9 in {1, 2, 3}: day mod 9 in {5, 6, 7}.
GOOD_DECEMBER_2001 = days(2001, 12, [5, 6, 7, 14, 15, 16, 23, 24, 25])
# bad: day mod 9 in {8, 1}.
BAD_DECEMBER_2001 = days(2001, 12, [1, 8, 10, 17, 19, 26, 28])
# 2002: (month + day + 3) mod 9 in {1, 2, 3}: (month + day) mod 9 in {7, 8, 0}.
GOOD_2002 = (days(2002, 1, [6, 7, 8, 15, 16, 17, 24, 25, 26]) +  # day mod 9 in {6, 7, 8}
             days(2002, 2, [5, 6, 7, 14, 15, 16, 23, 24, 25]) +  # {5, 6, 7}, 28 days
             days(2002, 3, [4, 5, 6, 13, 14, 15, 22, 23, 24, 31]) +  # {4, 5, 6}
             days(2002, 4, [3, 4, 5, 12, 13, 14, 21, 22, 23, 30]) +  # {3, 4, 5}
             days(2002, 5, [2, 3, 4, 11, 12, 13, 20, 21, 22, 29, 30, 31]) +  # {2, 3, 4}
             days(2002, 6, [1, 2, 3, 10, 11, 12, 19, 20, 21, 28, 29, 30]) +  # {1, 2, 3}
             days(2002, 7, [1, 2, 9, 10, 11, 18, 19, 20, 27, 28, 29]) +  # {0, 1, 2}
             days(2002, 8, [1, 8, 9, 10, 17, 18, 19, 26, 27, 28]) +  # {8, 0, 1}
             days(2002, 9, [7, 8, 9, 16, 17, 18, 25, 26, 27]) +  # {7, 8, 0}
             days(2002, 10, [6, 7, 8, 15, 16, 17, 24, 25, 26]) +  # 10 -> 1: {6, 7, 8}
             days(2002, 11, [5, 6, 7, 14, 15, 16, 23, 24, 25]))  # 11 -> 2: {5, 6, 7}
GOOD = "Good day: Stars reading"
BAD = "Bad day: Stars reading"

STARS = """today 2001-12-25
program zendary
set 1026 1920
answer yes
menu "Stars &Calendar..."
export calendar month.ics
export calendar again.ics
export calendar year.ics year
export calendar bad.ics bad
cat month.ics
cat again.ics
cat year.ics
cat bad.ics
press "&Close"
close
"""
stars = play(STARS)
month, month_uids, month_calendar = events(stars["month.ics"], "month.ics", "Zendary 2000")
check(month == [(d, GOOD) for d in GOOD_DECEMBER_2001], "month.ics: %r" % month)
check(b"1920" not in stars["month.ics"] and b"1900" not in stars["month.ics"], "month.ics: a birthday is in the file")
check(str(month_calendar.walk("VEVENT")[0]["DTSTAMP"].to_ical().decode()) == "20011225T120000Z",
      "month.ics: DTSTAMP is not the clock's time in UTC")
again, again_uids, _ = events(stars["again.ics"], "again.ics", "Zendary 2000")
check(again_uids == month_uids, "the same export twice gave other UIDs")
year, _, _ = events(stars["year.ics"], "year.ics", "Zendary 2000")
check(year == [(d, GOOD) for d in GOOD_DECEMBER_2001 + GOOD_2002], "year.ics: %r" % year)
bad, bad_uids, _ = events(stars["bad.ics"], "bad.ics", "Zendary 2000")
check(sorted(bad) == sorted([(d, GOOD) for d in GOOD_DECEMBER_2001] + [(d, BAD) for d in BAD_DECEMBER_2001]),
      "bad.ics: %r" % bad)
check(set(month_uids) <= set(bad_uids), "bad.ics: the good days changed their UIDs")

# Another run at another time: the same UIDs, a new DTSTAMP.
later = play(STARS.replace("today 2001-12-25", "today 2001-12-25 18:45:10"))
_, later_uids, later_calendar = events(later["month.ics"], "later month.ics", "Zendary 2000")
check(later_uids == month_uids, "a later export gave other UIDs")
check(later_calendar.walk("VEVENT")[0]["DTSTAMP"].to_ical().decode() == "20011225T184510Z", "later DTSTAMP")

# Critical days of 90 days from 1 March 2000 (born 1 January 2000). The day count c of
# 1 March is 59, and from there it runs on by one a day to 29 May (c 148); 29 February
# counts 57. A cycle's meter stands at 50 on these counts, and every crossing of 50 goes
# through such a day (the 50 band is wider than a day):
#   physical   c mod 23 in {0, 11, 22}: 68 69 80 91 92 103 114 115 126 137 138
#   emotional  c mod 14 = 0 (50 Active, or from 57 down to 49 Passive): 70 84 98 112 126 140
#   intellectual c mod 33 in {0, 16, 32}: 65 66 82 98 99 115 131 132 148
# 1 March itself (c 59 against 57) crosses nothing. Date = 1 March + (c - 59) days.
P, E, I = "Critical day: Physical", "Critical day: Emotional", "Critical day: Intellectual"
CRITICAL = [
    ((3, 7), I), ((3, 8), I), ((3, 10), P), ((3, 11), P), ((3, 12), E), ((3, 22), P), ((3, 24), I),
    ((3, 26), E), ((4, 2), P), ((4, 3), P), ((4, 9), E), ((4, 9), I), ((4, 10), I), ((4, 14), P),
    ((4, 23), E), ((4, 25), P), ((4, 26), P), ((4, 26), I), ((5, 7), P), ((5, 7), E), ((5, 12), I),
    ((5, 13), I), ((5, 18), P), ((5, 19), P), ((5, 21), E), ((5, 29), I),
]
NAME = "Zoë Ångström-Šimůnková, Jr.; née Łukasiewicz-Żółkiewska \\ the elder"
PULSARA = """today 2000-03-01
program pulsara
set 1001 "%s"
set 1011 1
set 1012 1
set 1013 2000
answer yes
menu "Biorhythm &Chart..."
export critical critical.ics
export critical again.ics
cat critical.ics
cat again.ics
close
press &EX
""" % NAME.replace("\\", "\\\\")
pulsara = play(PULSARA)
critical, critical_uids, critical_calendar = events(pulsara["critical.ics"], "critical.ics", "Pulsara 2000")
check(critical == [(datetime.date(2000, m, d), s) for (m, d), s in CRITICAL], "critical.ics: %r" % critical)
description = str(critical_calendar.walk("VEVENT")[0]["DESCRIPTION"])
check(description == "Biorhythm of " + NAME, "critical.ics: DESCRIPTION %r" % description)
check(any(line.startswith(b" ") for line in raw_lines(pulsara["critical.ics"], "critical.ics")),
      "critical.ics: the long description was not folded")
_, again_critical_uids, _ = events(pulsara["again.ics"], "again.ics", "Pulsara 2000")
check(again_critical_uids == critical_uids, "the same critical-days export twice gave other UIDs")

for failure in failures:
    print("FAIL:", failure)
print("%d failures" % len(failures))
sys.exit(1 if failures else 0)
