#!/usr/bin/env python3
"""Calendar files as a calendar program reads them: every file of selvanor-cli ics parses
without an error in python3-icalendar and keeps to RFC 5545's line rules; its months are the
program's own month starts (read back through selvanor-cli convert), one after the other with
none missing; its phases and eclipses are those of selvanor-cli phases and eclipses; and a
second export over another span gives the same UIDs to the same events.

Usage: ics_file_test.py path/to/selvanor-cli"""
import datetime
import json
import os
import subprocess
import sys

import icalendar

CLI = sys.argv[1]
ENV = dict(os.environ, SOURCE_DATE_EPOCH="1700000000")
FAILURES = []


def check(condition, message):
    if not condition:
        FAILURES.append(message)


def run(*args, stdin=None, env=ENV):
    result = subprocess.run([CLI, *args], input=stdin, capture_output=True, env=env, check=False)
    if result.returncode != 0:
        raise SystemExit(f"selvanor-cli {' '.join(args)}: status {result.returncode}: {result.stderr.decode()}")
    return result.stdout


def export(code, start, end, *extra, env=ENV):
    return run("ics", "--calendar", code, "--from", start, "--to", end, *extra, env=env)


def check_lines(name, raw):
    check(raw.endswith(b"\r\n"), f"{name}: the file does not end with CR LF")
    for number, line in enumerate(raw.split(b"\r\n")[:-1], 1):
        check(b"\n" not in line and b"\r" not in line, f"{name}: line {number} has a bare line break")
        check(len(line) <= 75, f"{name}: line {number} has {len(line)} octets")


def fields_of(code, dates):
    """The program's own reading of each Common Era date in the calendar: its date fields at noon."""
    lines = run("convert", "--json", "-", stdin="".join(f"{d.isoformat()} CE\n" for d in dates).encode())
    return [json.loads(line)["calendars"][code]["fields"] for line in lines.decode().splitlines()]


def first_of_month(fields):
    return fields["day"] == 1 and fields.get("triday", 1) == 1 and fields.get("week", 1) == 1


def check_months(code, events, start, end):
    months = sorted((e for e in events if e["UID"].startswith(f"{code}-month-")), key=lambda e: e.decoded("DTSTART"))
    check(len(months) >= 120, f"{code}: only {len(months)} months in ten years")
    firsts = [m.decoded("DTSTART") for m in months]
    lengths = [int(str(m["DESCRIPTION"]).split(": ")[1].split(" days")[0]) for m in months]
    for month, first in zip(months, firsts):
        check(month.decoded("DTEND") - first == datetime.timedelta(days=1), f"{code} {first}: not one whole day")
        check(isinstance(first, datetime.date) and not isinstance(first, datetime.datetime), f"{code}: {first} is timed")
    # Each month begins the day after the one before it ends, on a first day, the day before
    # being none: so no month start of the span is missing or doubled.
    for i in range(len(months) - 1):
        check(firsts[i] + datetime.timedelta(days=lengths[i]) == firsts[i + 1], f"{code}: a gap after {firsts[i]}")
    before = [d - datetime.timedelta(days=1) for d in firsts]
    for first, fields, fields_before in zip(firsts, fields_of(code, firsts), fields_of(code, before)):
        check(first_of_month(fields), f"{code}: {first} is {fields}, not the first of a month")
        check(not first_of_month(fields_before), f"{code}: the day before {first} is a first too")
    # The span's edges: the first month is the first to begin on or after the start.
    start_fields = fields_of(code, [start])[0]
    check(firsts[0] - start < datetime.timedelta(days=31), f"{code}: the first month {firsts[0]} is late")
    check(first_of_month(start_fields) == (firsts[0] == start), f"{code}: the start {start} is misread")
    check(firsts[-1] <= end < firsts[-1] + datetime.timedelta(days=lengths[-1] + 31), f"{code}: the last month")
    check(str(months[0]["SUMMARY"]).startswith("1 ") and str(months[0]["SUMMARY"]).endswith(f" {code}"),
          f"{code}: summary {months[0]['SUMMARY']}")


def check_phases_and_eclipses(events, start, end):
    span = ["--from", f"{start} CE", "--to", f"{end} CE", "--csv"]
    phases = run("phases", *span).decode().splitlines()[1:]
    times = {}
    for row in phases:
        lunation, phase, _, jd_ut = row.split(",")[:4]
        times[f"phase-{lunation}-{phase}@selvanor"] = float(jd_ut)
    timed = {str(e["UID"]): e.decoded("DTSTART") for e in events if str(e["UID"]).startswith("phase-")}
    check(set(timed) == set(times), f"phases: {len(timed)} events for {len(times)} phases")
    epoch = datetime.datetime(1970, 1, 1, tzinfo=datetime.timezone.utc)
    for uid, moment in timed.items():
        check(moment.tzinfo is not None and moment.utcoffset() == datetime.timedelta(0), f"{uid}: not in UTC")
        julian = 2440587.5 + (moment - epoch).total_seconds() / 86400
        check(abs(julian - times.get(uid, 0)) * 86400 <= 0.5, f"{uid}: {moment} is not the phase's time")
    eclipses = run("eclipses", *span).decode().splitlines()[1:]
    expected = {f"eclipse-{row.split(',')[0]}-{row.split(',')[1]}@selvanor": row.split(",")[3] for row in eclipses}
    found = {str(e["UID"]): str(e["SUMMARY"]) for e in events if str(e["UID"]).startswith("eclipse-")}
    check(set(found) == set(expected), f"eclipses: {sorted(set(found) ^ set(expected))}")
    for uid, summary in found.items():
        check(summary.endswith(f"(saros {expected.get(uid)})"), f"{uid}: {summary}")


def main():
    start, end = datetime.date(2020, 1, 1), datetime.date(2029, 12, 31)
    for code in ["ARC", "VO", "LLT", "DVG", "QLW"]:
        raw = export(code, f"{start} CE", f"{end} CE", "--phases", "--eclipses")
        check_lines(code, raw)
        calendar = icalendar.Calendar.from_ical(raw)
        for component in calendar.walk():
            check(not component.errors, f"{code}: {component.name}: {component.errors}")
        check(str(calendar["VERSION"]) == "2.0" and "PRODID" in calendar, f"{code}: no VERSION or PRODID")
        events = calendar.walk("VEVENT")
        uids = [str(e["UID"]) for e in events]
        check(len(uids) == len(set(uids)), f"{code}: a UID is used twice")
        for event in events:
            check(all(key in event for key in ("UID", "DTSTAMP", "DTSTART", "SUMMARY")), f"{code}: {event}")
        check_months(code, events, start, end)
        if code == "ARC":
            check_phases_and_eclipses(events, start, end)
            # Again a year later and at another time: the events of both spans keep their UIDs.
            later = dict(ENV, SOURCE_DATE_EPOCH="1800000000")
            again = icalendar.Calendar.from_ical(export(code, "2021-01-01 CE", "2030-12-31 CE", "--phases",
                                                        "--eclipses", env=later))
            first_uids = {str(e["UID"]): e.decoded("DTSTART") for e in events}
            second_uids = {str(e["UID"]): e.decoded("DTSTART") for e in again.walk("VEVENT")}
            common = set(first_uids) & set(second_uids)
            check(len(common) > 500, f"only {len(common)} events in both exports")
            check(all(first_uids[uid] == second_uids[uid] for uid in common), "an event moved between exports")
            check(str(again.walk("VEVENT")[0]["DTSTAMP"].to_ical()) != str(events[0]["DTSTAMP"].to_ical()),
                  "DTSTAMP does not follow the time of the export")
    refused = subprocess.run([CLI, "ics", "--calendar", "ARC", "--from", "-1-01-01 CE", "--to", "2000-01-01 CE"],
                             capture_output=True, check=False)
    check(refused.returncode == 2 and b"year 1" in refused.stderr, "a span before the year 1 is not refused")
    for failure in FAILURES[:40]:
        print(failure)
    return 1 if FAILURES else 0


if __name__ == "__main__":
    sys.exit(main())
