// The city list of the time-zone database and the matching of typed names.
#include "core/place/CityList.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>

namespace {

constexpr std::streamsize kLargestTable = 1 << 20;  // bytes: the tables are some 20 KB

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return std::string(text.substr(first, last - first + 1));
}

std::vector<std::string> Fields(std::string_view line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        const size_t tab = line.find('\t', start);
        fields.emplace_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) return fields;
        start = tab + 1;
    }
}

// ISO 6709 as the table writes it: +-DDMM or +-DDMMSS (latitude), +-DDDMM or +-DDDMMSS
// (longitude); false for anything else.
bool Angle(std::string_view text, int degreeDigits, double& degrees) {
    if (text.size() != static_cast<size_t>(1 + degreeDigits + 2) && text.size() != static_cast<size_t>(1 + degreeDigits + 4))
        return false;
    if (text[0] != '+' && text[0] != '-') return false;
    for (size_t i = 1; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9') return false;
    auto number = [&](size_t from, size_t count) {
        int n = 0;
        for (size_t i = from; i < from + count; ++i) n = n * 10 + (text[i] - '0');
        return n;
    };
    const size_t d = static_cast<size_t>(degreeDigits);
    const int minutes = number(1 + d, 2), seconds = text.size() > 1 + d + 2 ? number(3 + d, 2) : 0;
    if (minutes >= 60 || seconds >= 60) return false;
    degrees = number(1, d) + minutes / 60.0 + seconds / 3600.0;
    if (text[0] == '-') degrees = -degrees;
    return true;
}

bool Coordinates(std::string_view text, Place& place) {
    const size_t split = text.find_first_of("+-", 1);
    if (split == std::string_view::npos) return false;
    return Angle(text.substr(0, split), 2, place.latitude) && Angle(text.substr(split), 3, place.longitude) &&
           std::abs(place.latitude) <= 90.0 && std::abs(place.longitude) <= 180.0;
}

bool ReadFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    text.resize(static_cast<size_t>(kLargestTable));
    in.read(text.data(), kLargestTable);
    text.resize(static_cast<size_t>(in.gcount()));
    return !in.bad();
}

template <typename Each>
void ForEachLine(std::string_view text, Each&& each) {
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.empty() && line[0] != '#') each(line);
        start = end + 1;
    }
}

}  // namespace

std::string City::ShortName() const {
    const size_t bracket = name.find(" (");
    return bracket == std::string::npos ? name : name.substr(0, bracket);
}

namespace CityList {

std::vector<City> FromTables(std::string_view zone1970, std::string_view iso3166) {
    std::map<std::string, std::string> countries;
    ForEachLine(iso3166, [&](std::string_view line) {
        const std::vector<std::string> f = Fields(line);
        if (f.size() >= 2 && !f[0].empty()) countries[f[0]] = Trimmed(f[1]);
    });
    std::vector<City> cities;
    ForEachLine(zone1970, [&](std::string_view line) {
        const std::vector<std::string> f = Fields(line);
        if (f.size() < 3 || f[0].empty() || f[2].empty()) return;
        City city;
        if (!Coordinates(f[1], city.place)) return;
        city.zone = Trimmed(f[2]);
        // The zone's last part is its principal place: "America/Argentina/Buenos_Aires".
        std::string place = city.zone.substr(city.zone.rfind('/') + 1);
        std::replace(place.begin(), place.end(), '_', ' ');
        if (place.empty()) return;
        const std::string code = f[0].substr(0, f[0].find(','));
        const auto country = countries.find(code);
        city.name = place + " (" + (country != countries.end() && !country->second.empty() ? country->second : code) + ")";
        cities.push_back(std::move(city));
    });
    std::sort(cities.begin(), cities.end(), [](const City& a, const City& b) { return a.name < b.name; });
    return cities;
}

Loading Load(const std::string& folder) {
    Loading loading;
    std::string zones, countries;
    const std::string zonePath = folder + "/zone1970.tab", countryPath = folder + "/iso3166.tab";
    if (!ReadFile(zonePath, zones)) {
        loading.error = "No city list: " + zonePath + " cannot be read.";
        return loading;
    }
    if (!ReadFile(countryPath, countries)) countries.clear();  // names fall back to the codes
    loading.cities = FromTables(zones, countries);
    if (loading.cities.empty()) loading.error = "No city list: " + zonePath + " names no place.";
    return loading;
}

Match Find(const std::vector<City>& cities, std::string_view text) {
    Match match;
    const std::string wanted = Lower(Trimmed(text));
    if (wanted.empty()) return match;
    auto collect = [&](auto&& fits) {
        match.candidates.clear();
        for (const City& c : cities)
            if (fits(c)) match.candidates.push_back(c);
        return !match.candidates.empty();
    };
    if (collect([&](const City& c) { return Lower(c.name) == wanted; }) ||
        collect([&](const City& c) { return Lower(c.ShortName()) == wanted; }) ||
        collect([&](const City& c) { return Lower(c.name).find(wanted) != std::string::npos; }))
        match.status = match.candidates.size() == 1 ? Match::Status::Exact : Match::Status::Ambiguous;
    return match;
}

}  // namespace CityList
