// selvanor-cli lunation: the lunation pages of the lunation window as text, JSON, a PNG or a PDF.
#pragma once
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "core/lunation/LunationPage.h"

namespace Cli {

// Draws a page into a PNG file as the lunation window draws it; returns the empty text on
// success, else what went wrong. Only a program built with Qt Gui has one (see main.cpp).
using LunationPngWriter = std::string (*)(const LunationPage::Page& page, const std::string& file);
void SetLunationPngWriter(LunationPngWriter writer);
// The writer of builds with Qt Gui (LunationPng.cpp, linked into selvanor-cli only there).
std::string WriteLunationPng(const LunationPage::Page& page, const std::string& file);

// Every page, one a sheet, into a PDF file as the lunation window prints them; the empty text
// on success, else what went wrong. Only a program built with Qt Gui has one.
using LunationPdfWriter = std::string (*)(const std::vector<LunationPage::Page>& pages, const std::string& file);
void SetLunationPdfWriter(LunationPdfWriter writer);
std::string WriteLunationPdf(const std::vector<LunationPage::Page>& pages, const std::string& file);

struct CommandDef;
const CommandDef& LunationCommand();

// today: the day number marked as today. Exit status 0, 1 for a usage error, 2 for a refused
// entry or a lunation beyond either limit (the window's message on err), 3 for a file not written.
int RunLunation(std::vector<std::string> args, int32_t today, std::ostream& out, std::ostream& err);

// The text of one page: title, year-and-month line, then one line per day.
std::string LunationPageText(const LunationPage::Page& page);
std::string LunationPageJson(const LunationPage::Page& page);

}  // namespace Cli
