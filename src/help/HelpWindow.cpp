#include "help/HelpWindow.h"

#include <QFile>

// The guide lives in a resource of this static library, which must be registered by name.
static void RegisterGuideResource() { Q_INIT_RESOURCE(help); }

HelpWindow::HelpWindow(QWidget* parent) : QTextBrowser(parent) {
    setObjectName("frmHelp");
    setWindowTitle("Selvanor Help");
    setHtml(GuideHtml());
    resize(640, 560);
}

QString HelpWindow::GuideHtml() {
    RegisterGuideResource();
    QFile guide(QStringLiteral(":/help/guide.html"));
    if (!guide.open(QIODevice::ReadOnly)) return QStringLiteral("<p>The guide could not be read.</p>");
    return QString::fromUtf8(guide.readAll());
}
