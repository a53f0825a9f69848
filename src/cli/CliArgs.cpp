#include "cli/CliArgs.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "core/ComputeMoment.h"
#include "support/StrProc.h"

namespace Cli {

std::optional<int> ParseZone(const std::string& text) {
    std::string t = StrProc::UpperCase(StrProc::RemoveSpaces(text));
    if (t.rfind("GMT", 0) == 0 || t.rfind("UTC", 0) == 0) t.erase(0, 3);
    if (t.empty()) return 0;
    int sign = 1;
    if (t[0] == '+' || t[0] == '-') {
        sign = t[0] == '-' ? -1 : 1;
        t.erase(0, 1);
    }
    const auto colon = t.find(':');
    const std::string hh = t.substr(0, colon);
    const std::string mm = colon == std::string::npos ? "0" : t.substr(colon + 1);
    auto digits = [](const std::string& s) {
        return !s.empty() && s.size() <= 2 && s.find_first_not_of("0123456789") == std::string::npos;
    };
    if (!digits(hh) || !digits(mm)) return std::nullopt;
    const int hours = std::stoi(hh), minutes = std::stoi(mm);
    if (minutes > 59 || hours * 60 + minutes > 14 * 60) return std::nullopt;
    return sign * (hours * 60 + minutes);
}

ParsedMoment ParseMomentEntry(const std::string& entry, const TimeFrame& frame) {
    ComputeRequest request;
    request.dateBox = entry;
    request.frame = frame;
    const ComputeResult result = ComputeMoment(request);
    if (!result.Ok()) return {0.0, result.message};
    return {result.ajd, {}};
}

bool ApplyFrameOption(const std::string& name, const std::string& value, TimeFrame& frame, std::string& error) {
    if (name == "--greenwich") {
        frame.greenwich = true;
        return true;
    }
    if (name != "--zone") return false;
    if (const auto zone = ParseZone(value))
        frame.zoneOffsetMinutes = *zone;
    else
        error = "--zone needs an offset such as +05:30 or -08:00";
    return true;
}

std::optional<long long> WholeNumber(const std::string& text, long long least, long long most) {
    long long value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+' && last - first > 1 && first[1] != '-') ++first;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || first == last || value < least || value > most) return std::nullopt;
    return value;
}

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20) {
                    char buffer[8];
                    std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
                    out += buffer;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out + "\"";
}

std::string JsonNumber(double value) {
    if (!std::isfinite(value)) return "null";
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

}  // namespace Cli
