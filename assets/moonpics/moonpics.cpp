// moonpics: draws the Moon display's bitmaps and the lunation calendar's day pictures into
// the folder given as its one argument.
#include <cstdio>
#include <string>

#include "ImageFiles.h"
#include "MoonArt.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: moonpics <output folder>\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    struct Named {
        const char* name;
        MoonArt::DisplayPicture which;
    };
    const Named bitmaps[] = {{"darkmoon.bmp", MoonArt::DisplayPicture::DarkMoon},
                             {"1stquarter.bmp", MoonArt::DisplayPicture::FirstQuarter},
                             {"fullmoon.bmp", MoonArt::DisplayPicture::FullMoon},
                             {"lastquarter.bmp", MoonArt::DisplayPicture::LastQuarter}};
    int failures = 0;
    for (const Named& b : bitmaps) {
        const std::string path = folder + b.name;
        if (!ImageFiles::WriteBmp24(path, MoonArt::RenderDisplayPicture(b.which))) {
            std::fprintf(stderr, "moonpics: cannot write %s\n", path.c_str());
            ++failures;
        }
    }
    for (int number = 1; number <= 32; ++number) {
        const std::string path = folder + "day" + std::to_string(number) + ".gif";
        if (!ImageFiles::WriteGif(path, MoonArt::RenderDayPicture(MoonArt::DayPictureAge(number)))) {
            std::fprintf(stderr, "moonpics: cannot write %s\n", path.c_str());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
