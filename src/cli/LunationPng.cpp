// The PNG output of selvanor-cli lunation: the page drawn by the lunation window's own painting
// code, offscreen. Built only with the desktop program.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <memory>

#include "support/DataFolder.h"
#include "cli/LunationCommand.h"
#include "lunation_calendar/LunationPainter.h"

namespace Cli {

std::string WriteLunationPng(const LunationPage::Page& page, const std::string& file) {
    // Fonts and image formats need an application object; no display is ever used.
    std::unique_ptr<QGuiApplication> app;
    if (!QCoreApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "selvanor-cli";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    // The day pictures lie beside the program, as for the desktop program.
    const LunationPainter::DayPictures pictures =
        LunationPainter::LoadDayPictures(
            QString::fromStdString(PictureFolder(QCoreApplication::applicationDirPath().toStdString())));
    const QImage image = LunationPainter::RenderLunationPage(page, pictures);
    if (!image.save(QString::fromStdString(file), "PNG")) return "cannot write " + file;
    return {};
}

}  // namespace Cli
