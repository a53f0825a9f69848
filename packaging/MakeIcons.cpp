// Draws the program's icon files from the full Moon picture: the key colour around the disk
// becomes transparent, and the picture is scaled smoothly to each size.
// Usage: selvanor_icons fullmoon.bmp OUTPUT_FOLDER SIZE...
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "support/Colours.h"

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: selvanor_icons fullmoon.bmp OUTPUT_FOLDER SIZE...\n");
        return 1;
    }
    QImage moon(QString::fromLocal8Bit(argv[1]));
    if (moon.isNull()) {
        std::fprintf(stderr, "selvanor_icons: cannot read %s\n", argv[1]);
        return 1;
    }
    moon = moon.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = Colours::PictureKey.Value();
    for (int y = 0; y < moon.height(); ++y)
        for (int x = 0; x < moon.width(); ++x)
            if ((moon.pixel(x, y) & 0xFFFFFFu) == (key & 0xFFFFFFu)) moon.setPixel(x, y, qRgba(0, 0, 0, 0));
    for (int i = 3; i < argc; ++i) {
        const int size = QString::fromLocal8Bit(argv[i]).toInt();
        const QString folder = QString::fromLocal8Bit(argv[2]) + "/" + QString::number(size);
        QDir().mkpath(folder);
        const QImage icon = moon.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (!icon.save(folder + "/selvanor.png")) {
            std::fprintf(stderr, "selvanor_icons: cannot write %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
