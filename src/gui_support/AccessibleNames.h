// What a screen reader hears beyond what Qt gives by itself: a value label read with its title
// ("Common Era: 2026-12-08 CE (Tuesday, December 8, 2026)", anew whenever it changes), a list
// named by a caption (on Linux a list's own name is its current choice, and a reader names it
// by its label), and the program's windows as windows rather than empty panels.
#pragma once
#include <QString>

class QLabel;
class QWidget;

namespace AccessibleNames {

// From now on the value label's accessible name is the title label's text, a blank and its own
// text. The value label must have no accessible name of its own (that would stand instead).
void Pair(QLabel* title, QLabel* value);

// A label for a control that has no visible one: hidden, with the control as its buddy, so that
// the control is labelled by it.
void Caption(QWidget* control, const QString& caption);

// Every top-level window made from a plain widget (the main, log, lunation and saros windows)
// has the role of a window. Installed by the first call of any of these.
void Install();

}  // namespace AccessibleNames
