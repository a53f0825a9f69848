// The PNG and PDF output of selvanor-cli lunation: the pages drawn by the lunation window's own
// painting code, offscreen. Built only with the desktop program.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <memory>

#include "cli/LunationCommand.h"
#include "lunation_calendar/LunationPainter.h"
#include "lunation_calendar/LunationPrint.h"
#include "support/DataFolder.h"

namespace Cli {

namespace {

// Fonts, image formats and PDF need an application object; no display is ever used.
std::unique_ptr<QGuiApplication> GuiApplication() {
    if (QCoreApplication::instance()) return nullptr;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "selvanor-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

// The day pictures lie beside the program, as for the desktop program.
LunationPainter::DayPictures Pictures() {
    return LunationPainter::LoadDayPictures(
        QString::fromStdString(PictureFolder(QCoreApplication::applicationDirPath().toStdString())));
}

}  // namespace

std::string WriteLunationPng(const LunationPage::Page& page, const std::string& file) {
    const auto app = GuiApplication();
    const QImage image = LunationPainter::RenderLunationPage(page, Pictures());
    if (!image.save(QString::fromStdString(file), "PNG")) return "cannot write " + file;
    return {};
}

std::string WriteLunationPdf(const std::vector<LunationPage::Page>& pages, const std::string& file) {
    const auto app = GuiApplication();
    return LunationPrint::WritePdf(QString::fromStdString(file), pages, Pictures(), LunationPrint::LocalePaper());
}

}  // namespace Cli
