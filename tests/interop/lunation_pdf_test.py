#!/usr/bin/env python3
"""Printed lunar years as a PDF reader sees them: selvanor-cli lunation --count 13 --pdf writes
thirteen landscape A4 sheets (Letter where the locale's paper is Letter), and the text poppler
extracts from each sheet holds its title, its months, and every day's number, calendar line and
Common Era line as selvanor-cli lunation --json gives them.

Usage: lunation_pdf_test.py path/to/selvanor-cli"""
import json
import os
import subprocess
import sys
import tempfile

CLI = sys.argv[1]
ENV = dict(os.environ, LC_ALL="C.UTF-8")
FAILURES = []


def check(condition, message):
    if not condition:
        FAILURES.append(message)


def words(text):
    return " ".join(text.split())


def main():
    with tempfile.TemporaryDirectory() as folder:
        for code, number in [("ARC", 300), ("LLT", -5000), ("QLW", 40000)]:
            pdf = os.path.join(folder, f"{code}.pdf")
            args = ["lunation", "--calendar", code, "--number", str(number), "--count", "13"]
            subprocess.run([CLI, *args, "--pdf", pdf], env=ENV, check=True, capture_output=True)
            pages = json.loads(subprocess.run([CLI, *args, "--json"], env=ENV, check=True,
                                              capture_output=True).stdout)
            info = subprocess.run(["pdfinfo", pdf], check=True, capture_output=True, text=True).stdout
            check("Pages:           13" in info, f"{code}: {info}")
            check("842 x 595 pts (A4)" in info, f"{code}: not landscape A4: {info}")
            for sheet, page in enumerate(pages, 1):
                text = subprocess.run(["pdftotext", "-f", str(sheet), "-l", str(sheet), "-layout", pdf, "-"],
                                      check=True, capture_output=True, text=True).stdout
                flat = words(text)
                for heading in (page["title"], page["year_month"]):
                    check(words(heading) in flat, f"{code} sheet {sheet}: no {heading!r}")
                # Each day's three texts stand in the same column, one above the other.
                columns = [line for line in text.splitlines() if line.strip()]
                for day in page["days"]:
                    for part in (str(day["day"]), day["calendar_line"], day["ce_line"]):
                        check(words(part) in flat, f"{code} sheet {sheet} day {day['day']}: no {part!r}")
                check(len(columns) >= 12, f"{code} sheet {sheet}: {len(columns)} lines of text")
        # Letter where the locale's paper is Letter: an American locale made for the test alone.
        locales = os.path.join(folder, "locales")
        os.makedirs(locales)
        made = subprocess.run(["localedef", "-i", "en_US", "-f", "UTF-8", os.path.join(locales, "en_US.UTF-8")],
                              capture_output=True, check=False)
        check(made.returncode == 0, f"localedef: {made.stderr}")
        letter = os.path.join(folder, "letter.pdf")
        american = {key: value for key, value in ENV.items() if key != "LC_ALL"}
        american.update(LOCPATH=locales, LC_PAPER="en_US.UTF-8")
        subprocess.run([CLI, "lunation", "--calendar", "VO", "--number", "0", "--pdf", letter], env=american,
                       check=True, capture_output=True)
        info = subprocess.run(["pdfinfo", letter], check=True, capture_output=True, text=True).stdout
        check("792 x 612 pts (letter)" in info, f"not landscape Letter in an American locale: {info}")
    for failure in FAILURES[:40]:
        print(failure)
    return 1 if FAILURES else 0


if __name__ == "__main__":
    sys.exit(main())
