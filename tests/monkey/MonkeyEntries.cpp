#include "monkey/MonkeyEntries.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "calendars/registry/CalendarRegistry.h"
#include "core/DateDisplay.h"
#include "core/History.h"
#include "support/AcceptedRange.h"

namespace Monkey {
namespace {

template <typename T>
const T& Pick(std::mt19937_64& random, const std::vector<T>& items) {
    return items[std::uniform_int_distribution<size_t>(0, items.size() - 1)(random)];
}

bool Chance(std::mt19937_64& random, double p) { return std::bernoulli_distribution(p)(random); }

// A moment of the accepted range, often near one of its ends or another edge of a calendar.
double Moment(std::mt19937_64& random) {
    static const std::vector<double> edges = {dblEarliestAJD, dblLatestAJD, 1721423.5, 2299160.5, 2451544.5, 2460000.0};
    if (Chance(random, 0.3)) return Pick(random, edges) + std::uniform_real_distribution<double>(-400, 400)(random);
    return std::uniform_real_distribution<double>(dblEarliestAJD - 50, dblLatestAJD + 50)(random);
}

std::string Mutated(std::mt19937_64& random, std::string text) {
    static const std::string alphabet = "0123456789-:,. /()+CEJARVOLTDGQWcejarvoltdgqw\t";
    static const std::vector<std::string> pieces = {"CE", "QLW", "AJD", "-", ":", "99999999999", "(", " ", "0", "13"};
    const int edits = std::uniform_int_distribution<int>(1, 3)(random);
    for (int i = 0; i < edits; ++i) {
        const size_t at = text.empty() ? 0 : std::uniform_int_distribution<size_t>(0, text.size())(random);
        switch (std::uniform_int_distribution<int>(0, 3)(random)) {
            case 0:
                text.insert(at, 1, alphabet[std::uniform_int_distribution<size_t>(0, alphabet.size() - 1)(random)]);
                break;
            case 1: text.insert(at, Pick(random, pieces)); break;
            case 2:
                if (at < text.size()) text.erase(at, 1);
                break;
            default:
                if (at < text.size())
                    text[at] = alphabet[std::uniform_int_distribution<size_t>(0, alphabet.size() - 1)(random)];
        }
    }
    return text;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

Entries::Entries(const std::string& corpusFolder) {
    std::error_code error;
    for (const auto& target : std::filesystem::directory_iterator(corpusFolder, error)) {
        if (!target.is_directory()) continue;
        for (const auto& file : std::filesystem::directory_iterator(target.path(), error)) {
            std::ifstream in(file.path(), std::ios::binary);
            std::ostringstream text;
            text << in.rdbuf();
            // The window's date box holds one line.
            std::string line = text.str().substr(0, 200);
            std::replace(line.begin(), line.end(), '\n', ' ');
            corpus_.push_back(line);
        }
    }
}

std::string Entries::Date(std::mt19937_64& random) const {
    if (!corpus_.empty() && Chance(random, 0.1)) return Pick(random, corpus_);
    const TimeFrame frame{Chance(random, 0.5), 30 * std::uniform_int_distribution<int>(-24, 24)(random)};
    const double moment = Moment(random);
    const DateDisplay display = ComputeAllDates(moment, frame, NumberFormat{});
    const int calendar = std::uniform_int_distribution<int>(0, CalendarTable::kBuiltInCount - 1)(random);
    std::string text;
    switch (std::uniform_int_distribution<int>(0, 5)(random)) {
        case 0: text = display.labels[static_cast<size_t>(calendar)].shortText; break;
        case 1: text = DateBoxTextOfLabel(display, calendar, frame); break;    // with the time of day
        case 2: text = History::EntryTextOf(display, calendar, frame); break;  // as the history writes it
        case 3: {
            // Without its code: the entry calendar's is assumed.
            text = display.labels[static_cast<size_t>(calendar)].shortText;
            const size_t blank = text.rfind(' ');
            if (blank != std::string::npos) text.erase(blank);
            break;
        }
        case 4: text = Lower(DateBoxTextOfLabel(display, calendar, frame)); break;
        default: text = "  " + display.labels[static_cast<size_t>(calendar)].shortText + "  "; break;
    }
    return Chance(random, 0.25) ? Mutated(random, text) : text;
}

std::string Entries::Days(std::mt19937_64& random) const {
    static const std::vector<std::string> days = {
        "",   "1",       "-1",   "+7",    "1,000", "0.5",      "365.2425", "1e9", "abc", "99999999999",
        "-0", "3000000", " 12 ", "1.5e3", "10000", "-2000000", ",",        "+",   "0x10"};
    if (Chance(random, 0.5)) return std::to_string(std::uniform_int_distribution<int>(-40000, 40000)(random));
    return Pick(random, days);
}

}  // namespace Monkey
