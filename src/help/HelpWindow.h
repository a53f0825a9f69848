// The help window: a short user guide.
#pragma once
#include <QTextBrowser>

class HelpWindow : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    static QString GuideHtml();
};
