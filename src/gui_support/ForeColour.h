// The text colour of a label, option or check box.
#pragma once
#include <QWidget>

// Both roles a style may draw the text with.
inline void SetForeColour(QWidget* widget, const QColor& colour) {
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::ButtonText, colour);
    widget->setPalette(p);
}
