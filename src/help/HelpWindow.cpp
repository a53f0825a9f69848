#include "help/HelpWindow.h"

HelpWindow::HelpWindow(QWidget* parent) : QTextBrowser(parent) {
    setObjectName("frmHelp");
    setWindowTitle("Selvanor Help");
    setHtml(GuideHtml());
    resize(640, 560);
}

QString HelpWindow::GuideHtml() {
    return QStringLiteral(R"(
<h2>Selvanor</h2>
<p>Selvanor shows one moment in nine notations at once, with the Moon as it was, is or will be
at that moment.</p>
<h3>Entering a moment</h3>
<p>Type a date into the box, followed by its calendar code and, if you like, a time of day, then
press <b>Enter</b> or <b>Convert</b>. Letters may be in any case; blanks and commas are ignored.</p>
<table border="1" cellpadding="3">
<tr><td><code>2003-12-31 CE 15:55</code></td><td>a Common Era date and time</td></tr>
<tr><td><code>-44-03-15 JC</code></td><td>a Julian Calendar date (year 0 exists, so -44 is 45 BC)</td></tr>
<tr><td><code>4696-11-25 ARC</code></td><td>an Archetypes Calendar date: year-month-day</td></tr>
<tr><td><code>104-06-07-29 VO 6:30</code></td><td>a Varnel-Ostrik Solilunar date: cycle-year-month-day</td></tr>
<tr><td><code>123-07-05-2 LLT</code></td><td>a Lunar Liberalia Triday date: [cycle-]year-month-triday-day</td></tr>
<tr><td><code>1-94-08-25 DVG</code></td><td>a Dunhale-Varnel Goddess date: [cycle-]year-month-day</td></tr>
<tr><td><code>5001-01-3-3 QLW</code></td><td>a Quillon Lunar Week date: year-month-week-day</td></tr>
<tr><td><code>2,455,900.920 AJD</code></td><td>an astronomical Julian date (no time of day)</td></tr>
<tr><td><code>2455901.42 CJD</code></td><td>a chronological Julian date (no time of day)</td></tr>
</table>
<p>Without a time the moment is 12:00. Without a code the date is read in the entry calendar,
the one whose title is white. Times are read as hh:mm or h:mm after the code. A number in the
<i>plus/minus days</i> box is added to or subtracted from the entry (fractions allowed); with the
date box empty, it moves the moment on show.</p>
<h3>The nine notations</h3>
<ul>
<li><b>CE</b>: Common Era, the Gregorian calendar extended to all years.</li>
<li><b>JC</b>: the Julian Calendar.</li>
<li><b>ARC</b>: the Archetypes Calendar, a lunar calendar of 12 or 13 months on a cycle of 1803 years.</li>
<li><b>VO</b>: the Varnel-Ostrik Solilunar Calendar: months of the mean Moon, years of the mean Sun, 60 years a cycle.</li>
<li><b>LLT</b>: the Lunar Liberalia Triday Calendar: 12 months of three-day tridays, 384 years a cycle.</li>
<li><b>DVG</b>: the Dunhale-Varnel Goddess Calendar: 13 months a year, 470 years a cycle.</li>
<li><b>QLW</b>: the Quillon Lunar Week Calendar, read from the sky: years begin after the new moon
nearest the March equinox, months are lunations, weeks run from one principal phase to the next;
its days begin at 06:00.</li>
<li><b>CJD</b>: the chronological Julian date, counting days from midnight in the chosen time.</li>
<li><b>AJD</b>: the astronomical Julian date, counting days from Greenwich noon.</li>
</ul>
<p>Click a date to copy it into the date box; click a title to make its calendar the entry calendar.
Click the time line to put the time on show after the date in the box.</p>
<h3>Time</h3>
<p>Choose a time zone and <i>Local</i> or <i>Greenwich</i>. Changing the zone keeps the local date
and time on show and moves the moment. <b>Now</b> shows the present moment and follows the
computer's clock (a check mark shows while it does). Delta T is the difference between
dynamical time and Greenwich time for the year on show.</p>
<h3>The Moon</h3>
<p>The Moon's phase, its illumination (the lit fraction of the disk), whether it is waxing or
waning, the number of the lunation (lunation 0 began with the new moon of 2000-01-06) and the
Moon's age since the new moon are shown, with a picture of the lit part of the disk.</p>
<h3>The lunation page</h3>
<p>Choose a lunar calendar in the list beside <b>Display lunation with</b> and press the button:
a calendar page of the lunation on show opens, one cell per day from the day of the new moon to
the day before the next one. Each cell shows the Moon, the day of the lunation, the date in the
chosen calendar and the Common Era date (underlined on Saturdays and Sundays); today's cell is
framed. Days are those of the time zone chosen in the main window; the days of the Quillon Lunar
Week Calendar begin at 06:00. <b>Display previous lunation</b> and <b>Display next lunation</b>
page from lunation -64316 to lunation 49472.</p>
<h3>Range</h3>
<p>Moments from the end of the year -3201 to 6000-01-01 CE are accepted.</p>
)");
}
