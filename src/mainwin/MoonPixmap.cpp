#include "mainwin/MoonPixmap.h"

#include <QImage>

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
}  // namespace

QPixmap MoonPixmap(double illumination, bool waxing, int size, const std::string& pictureFolder) {
    const MoonData::MoonPicture picture =
        MoonData::DrawMoonPicture(illumination, waxing, Colours::Navy.Value(), size - 1, size - 1, pictureFolder, LoadPicture);
    const MoonData::PixelImage& image = picture.image;
    QImage out(image.width, image.height, QImage::Format_RGB32);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) out.setPixel(x, y, 0xFF000000u | image.Pixel(x, y));
    return QPixmap::fromImage(out);
}
