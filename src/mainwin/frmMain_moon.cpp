// The Moon for the displayed moment: phase and illumination, lunation and age, the picture.
#include <QImage>
#include <QPixmap>

#include "astro/Syzyg.h"
#include "mainwin/frmMain.h"
#include "moondata/MoonData.h"

namespace {
// Pictures are read with Qt and handed to the drawing as plain 0xRRGGBB pixels.
bool LoadPicture(const std::string& path, MoonData::PixelImage& image) {
    QImage file;
    if (!file.load(QString::fromStdString(path))) return false;
    file = file.convertToFormat(QImage::Format_RGB32);
    image = MoonData::PixelImage::Filled(file.width(), file.height(), 0);
    for (int y = 0; y < file.height(); ++y)
        for (int x = 0; x < file.width(); ++x) image.SetPixel(x, y, file.pixel(x, y) & 0xFFFFFFu);
    return true;
}

QPixmap ToPixmap(const MoonData::PixelImage& image) {
    QImage out(image.width, image.height, QImage::Format_RGB32);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) out.setPixel(x, y, 0xFF000000u | image.Pixel(x, y));
    return QPixmap::fromImage(out);
}
}  // namespace

void frmMain::DisplayMoonData(QColor colour) {
    const MoonData::MoonState state = MoonData::ComputeMoonState(state_.dblCurrentAJDate, state_.blnExact);
    lblAgeOfMoon[1]->setText(QString::fromStdString(state.ageLabel));
    lblAgeOfMoon[1]->setToolTip(LunationToolTip(Syzyg::LunationAt(state_.dblCurrentAJDate)));
    if (!state.Ok()) {
        Dialogs().Show(this, DialogService::Icon::Warning, MoonData::GetPhaseErrorTitle,
                       QString::fromStdString(state.errorText));
        return;
    }
    state_.blnExact = state.exact;
    lblPhaseOfMoon[1]->setText(QString::fromStdString(state.phaseLabel));
    repaint();
    const uint32_t rgb = colour.rgb() & 0xFFFFFFu;
    const MoonData::MoonPicture picture = MoonData::DrawMoonPicture(
        state.illumination, state.waxing, rgb, state_.intMaxX, state_.intMaxY, state_.strPicPath, LoadPicture);
    QPalette p = picMoon->palette();
    p.setColor(QPalette::Window, colour);
    picMoon->setPalette(p);
    picMoon->setPixmap(ToPixmap(picture.image));
    picMoon->setVisible(true);
    picMoon->update();
}
