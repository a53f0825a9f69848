#include "support/StrProc.h"

#include <algorithm>
#include <charconv>
#include <cctype>
#include <cmath>
#include <limits>

namespace StrProc {

std::string OrdinalOf(int n) {
    std::string digits = std::to_string(n);
    if (n < 0) return digits;
    if (n == 11 || n == 12 || n == 13) return digits + "th";
    switch (n % 10) {
        case 1: return digits + "st";
        case 2: return digits + "nd";
        case 3: return digits + "rd";
        default: return digits + "th";
    }
}

namespace {
std::string Plural(long long count, const char* unit) {
    return std::to_string(count) + " " + unit + (count == 1 ? "" : "s");
}
}  // namespace

std::string DurationText(long long minutes, bool longForm) {
    long long m = minutes;
    long long d = 0, h = 0;
    std::string text;
    if (!longForm) {
        if (m >= 1440) {
            d = m / 1440;
            m %= 1440;
            text = std::to_string(d) + "d ";
        }
        h = m / 60;
        m %= 60;
        return text + std::to_string(h) + "h " + std::to_string(m) + "m";
    }
    if (m >= 1440) {
        d = m / 1440;
        m %= 1440;
        text += Plural(d, "day");
    }
    if (m >= 60) {
        if (d >= 1) text += " and ";
        h = m / 60;
        m %= 60;
        text += Plural(h, "hour");
    }
    if (m >= 1) {
        if (h >= 1 || d >= 1) text += " and ";
        text += Plural(m, "minute");
    }
    if (text.empty()) text = "0 minutes";
    if (CountOccurrences(text, " and", true) >= 2) {
        const auto at = text.find(" and");
        text = Trim(text.substr(0, at)) + "," + text.substr(at + 4);
    }
    return text;
}

int CountOccurrences(std::string_view text, std::string_view pattern, bool caseSensitive) {
    if (text.empty() || pattern.empty()) return 0;
    std::string t(text), p(pattern);
    if (!caseSensitive) {
        auto lower = [](std::string& s) {
            for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        };
        lower(t);
        lower(p);
    }
    int count = 0;
    for (auto at = t.find(p); at != std::string::npos; at = t.find(p, at + p.size())) ++count;
    return count;
}

void RemoveChars(std::string& text, std::string_view chars) {
    if (text.empty() || chars.empty()) return;
    std::erase_if(text, [chars](char c) { return chars.find(c) != std::string_view::npos; });
}

std::string RemoveSpaces(std::string text) {
    RemoveChars(text, " ");
    return text;
}

std::string KeepChars(std::string_view text, std::string_view chars) {
    std::string kept;
    for (char c : text)
        if (chars.find(c) != std::string_view::npos) kept += c;
    return kept;
}

std::string SafeLeft(std::string_view text, long long n) {
    if (n <= 0) return {};
    if (static_cast<unsigned long long>(n) >= text.size()) return std::string(text);
    return std::string(text.substr(0, static_cast<size_t>(n)));
}

bool IsSignedNumber(std::string_view text) {
    std::string t = Trim(text);
    if (t.empty()) return false;
    const auto minus = t.find('-', 1);
    const auto plus = t.find('+', 1);
    if (minus != std::string::npos || plus != std::string::npos) return false;
    if (CountOccurrences(t, ".", true) > 1) return false;
    RemoveChars(t, "0123456789-+,.");
    return t.empty();
}

std::string Trim(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string UpperCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string LowerCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

double LeadingNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    const size_t start = i;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9') continue;
        if (text[i] == '.' && !point) {
            point = true;
            continue;
        }
        break;
    }
    // from_chars is independent of the user's locale, unlike strtod.
    double value = 0.0;
    const auto result = std::from_chars(text.data() + start, text.data() + i, value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large, or so small that it underflows: a whole part of zeros tells which.
        const auto whole = text.substr(start, i - start);
        const bool tiny = whole.substr(0, whole.find('.')).find_first_not_of('0') == std::string_view::npos;
        value = tiny ? 0.0 : std::numeric_limits<double>::max();
    }
    if (!std::isfinite(value)) value = std::numeric_limits<double>::max();
    return negative ? -value : value;
}

long long LeadingInteger(std::string_view text) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    constexpr long long limit = std::numeric_limits<long long>::max() / 10 - 10;
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value > limit ? limit : value * 10 + (text[i] - '0');
    return negative ? -value : value;
}

}  // namespace StrProc
