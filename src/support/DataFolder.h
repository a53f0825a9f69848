// Where the program's pictures are: beside the program in the build tree, or in the installed
// share/selvanor folder next to the program's bin folder.
#pragma once
#include <filesystem>
#include <string>

// The folder of the Moon and day pictures for a program in programFolder: programFolder itself
// when it holds them, otherwise ../share/selvanor from it (the installed layout).
inline std::string PictureFolder(const std::string& programFolder) {
    namespace fs = std::filesystem;
    const fs::path here(programFolder);
    std::error_code error;
    if (fs::exists(here / "fullmoon.bmp", error)) return here.string();
    const fs::path installed = here.parent_path() / "share" / "selvanor";
    if (fs::exists(installed / "fullmoon.bmp", error)) return installed.string();
    return here.string();
}
