// Reading and writing typed coordinates of a place.
#include "core/place/PlaceText.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace PlaceText {

namespace {

constexpr const char* kExample = "such as 48.857 N, 2.352 E, 35 m";
constexpr size_t kLongestNumber = 24;  // characters of one number

enum class Kind { Number, Degree, Minute, Second, North, South, East, West, Metre, Separator, End };

struct Token {
    Kind kind = Kind::End;
    double value = 0.0;    // Number
    bool sign = false;     // Number written with + or -
    bool fraction = false; // Number written with a decimal point
    std::string text;      // as typed, for messages
};

bool IsHemisphere(Kind k) { return k == Kind::North || k == Kind::South || k == Kind::East || k == Kind::West; }

// Quoted for a message when it is short printable ASCII; described otherwise.
std::string Shown(const std::string& text) {
    if (text.empty() || text.size() > 20) return "unexpected text";
    for (unsigned char c : text)
        if (c < 0x20 || c > 0x7e) return "an unexpected character";
    return "\"" + text + "\"";
}

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

struct Lexer {
    std::string_view text;
    size_t at = 0;
    std::string error;

    bool Starts(std::string_view s) const { return text.substr(at, s.size()) == s; }

    // The multi-byte marks, each with the token it stands for.
    bool Mark(Token& t) {
        static constexpr std::pair<std::string_view, Kind> kMarks[] = {
            {"\xC2\xB0", Kind::Degree},     {"\xC2\xBA", Kind::Degree},     {"''", Kind::Second},
            {"\xE2\x80\xB2", Kind::Minute}, {"\xE2\x80\x99", Kind::Minute}, {"'", Kind::Minute},
            {"\xE2\x80\xB3", Kind::Second}, {"\xE2\x80\x9D", Kind::Second}, {"\"", Kind::Second},
            {",", Kind::Separator},         {";", Kind::Separator}};
        for (const auto& [mark, kind] : kMarks) {
            if (!Starts(mark)) continue;
            t.kind = kind;
            t.text = std::string(mark);
            at += mark.size();
            return true;
        }
        return false;
    }

    bool NumberToken(Token& t) {
        const size_t start = at;
        std::string digits;
        if (Starts("\xE2\x88\x92")) {  // the minus sign
            digits = "-";
            at += 3;
            t.sign = true;
        } else if (text[at] == '+' || text[at] == '-') {
            if (text[at] == '-') digits = "-";
            ++at;
            t.sign = true;
        }
        bool any = false;
        while (at < text.size() && ((text[at] >= '0' && text[at] <= '9') || text[at] == '.')) {
            if (text[at] == '.') {
                if (t.fraction) break;
                t.fraction = true;
            } else {
                any = true;
            }
            digits += text[at++];
        }
        // Letters between two numbers with no blank ("1e5", "48N2E") read as neither.
        size_t letters = at;
        while (letters < text.size() && ((text[letters] >= 'a' && text[letters] <= 'z') || (text[letters] >= 'A' && text[letters] <= 'Z')))
            ++letters;
        if (any && letters > at && letters < text.size() &&
            ((text[letters] >= '0' && text[letters] <= '9') || text[letters] == '.' || text[letters] == '+' || text[letters] == '-')) {
            size_t end = letters;
            while (end < text.size() && ((text[end] >= '0' && text[end] <= '9') || text[end] == '.')) ++end;
            error = Shown(std::string(text.substr(start, end - start))) +
                    " is no number: separate the latitude, the longitude and the height with commas or blanks.";
            return false;
        }
        t.text = std::string(text.substr(start, at - start));
        if (!any || digits.size() > kLongestNumber) {
            error = any ? "The number " + Shown(t.text) + " is too long." : Shown(t.text) + " is no number.";
            return false;
        }
        const char* begin = digits.data() + (digits[0] == '-' ? 1 : 0);
        const auto [end, ec] = std::from_chars(begin, digits.data() + digits.size(), t.value);
        if (ec != std::errc() || end != digits.data() + digits.size()) {
            error = Shown(t.text) + " is no number.";
            return false;
        }
        if (digits[0] == '-') t.value = -t.value;
        t.kind = Kind::Number;
        return true;
    }

    bool Word(Token& t) {
        const size_t start = at;
        while (at < text.size() && ((text[at] >= 'a' && text[at] <= 'z') || (text[at] >= 'A' && text[at] <= 'Z'))) ++at;
        t.text = std::string(text.substr(start, at - start));
        const std::string w = Upper(t.text);
        static constexpr std::pair<std::string_view, Kind> kWords[] = {
            {"N", Kind::North},     {"NORTH", Kind::North},   {"S", Kind::South},      {"SOUTH", Kind::South},
            {"E", Kind::East},      {"EAST", Kind::East},     {"W", Kind::West},       {"WEST", Kind::West},
            {"M", Kind::Metre},     {"METRE", Kind::Metre},   {"METRES", Kind::Metre}, {"METER", Kind::Metre},
            {"METERS", Kind::Metre}, {"DEG", Kind::Degree},   {"DEGREES", Kind::Degree}};
        for (const auto& [word, kind] : kWords)
            if (w == word) {
                t.kind = kind;
                return true;
            }
        error = Shown(t.text) + " is no part of a place: type a latitude and a longitude " + kExample +
                ", or a city of the list.";
        return false;
    }

    bool Next(Token& t) {
        t = Token{};
        while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
        if (at >= text.size()) return true;
        const char c = text[at];
        if (Mark(t)) return true;
        if ((c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-' || Starts("\xE2\x88\x92")) return NumberToken(t);
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return Word(t);
        // One whole UTF-8 character for the message.
        size_t length = 1;
        const unsigned char u = static_cast<unsigned char>(c);
        if (u >= 0xF0) length = 4;
        else if (u >= 0xE0) length = 3;
        else if (u >= 0xC0) length = 2;
        error = Shown(std::string(text.substr(at, length))) + " is no part of a place: type a latitude and a longitude " +
                kExample + ".";
        return false;
    }
};

struct Coordinate {
    double value = 0.0;  // degrees, signed by the number's sign
    Kind hemisphere = Kind::End;
    bool sign = false;
};

class Parser {
public:
    Parser(const std::vector<Token>& tokens, bool bareDms) : tokens_(tokens), bareDms_(bareDms) {}

    Reading Parse() {
        Reading r;
        Coordinate a, b;
        if (!ReadCoordinate(a, "a latitude")) return Fail();
        if (Peek().kind == Kind::Separator) ++at_;
        if (Peek().kind == Kind::End) return Fail("Type a longitude after the latitude, " + std::string(kExample) + ".");
        if (!ReadCoordinate(b, "a longitude")) return Fail();
        double height = 0.0;
        if (Peek().kind == Kind::Separator) ++at_;
        if (Peek().kind == Kind::Number) {
            height = Peek().value;
            ++at_;
            if (Peek().kind == Kind::Metre) ++at_;
            if (Peek().kind == Kind::Degree || IsHemisphere(Peek().kind) || Peek().kind == Kind::Minute)
                return Fail("Type only a latitude and a longitude (and a height in metres), " + std::string(kExample) + ".");
        }
        if (Peek().kind != Kind::End)
            return Fail("Unexpected " + Shown(Peek().text) + " after the place: type a latitude and a longitude " +
                        kExample + ".");
        // Letters say which is which; without them the latitude comes first.
        const bool aLongitude = a.hemisphere == Kind::East || a.hemisphere == Kind::West;
        const bool bLatitude = b.hemisphere == Kind::North || b.hemisphere == Kind::South;
        const bool aLatitude = a.hemisphere == Kind::North || a.hemisphere == Kind::South;
        const bool bLongitude = b.hemisphere == Kind::East || b.hemisphere == Kind::West;
        if (aLatitude && bLatitude) return Fail("Both coordinates are latitudes (N or S): give a longitude (E or W).");
        if (aLongitude && bLongitude) return Fail("Both coordinates are longitudes (E or W): give a latitude (N or S).");
        if (aLongitude || bLatitude) std::swap(a, b);
        if (a.hemisphere == Kind::East || a.hemisphere == Kind::West || b.hemisphere == Kind::North ||
            b.hemisphere == Kind::South)
            return Fail("Give the latitude with N or S and the longitude with E or W.");
        r.place.latitude = Signed(a);
        r.place.longitude = Signed(b);
        r.place.height = height;
        if (!(std::fabs(r.place.latitude) <= 90.0))
            return Fail("The latitude must lie between 90 S and 90 N (-90 to 90 degrees).");
        if (!(std::fabs(r.place.longitude) <= 180.0))
            return Fail("The longitude must lie between 180 W and 180 E (-180 to 180 degrees).");
        if (!(height >= PlaceLimits::kLowestHeight && height <= PlaceLimits::kHighestHeight))
            return Fail("The height must lie between -1000 m and 20000 m.");
        r.ok = true;
        return r;
    }

private:
    const Token& Peek(size_t ahead = 0) const {
        static const Token kEnd;
        return at_ + ahead < tokens_.size() ? tokens_[at_ + ahead] : kEnd;
    }
    Reading Fail(std::string message = {}) {
        Reading r;
        r.message = message.empty() ? message_ : std::move(message);
        return r;
    }
    static double Signed(const Coordinate& c) {
        return c.hemisphere == Kind::South || c.hemisphere == Kind::West ? -c.value : c.value;
    }

    // [letter] degrees [mark] [minutes mark [seconds mark]] [letter]
    bool ReadCoordinate(Coordinate& c, const char* what) {
        if (IsHemisphere(Peek().kind)) c.hemisphere = tokens_[at_++].kind;
        if (Peek().kind != Kind::Number) {
            message_ = "Type " + std::string(what) + " " + kExample + (Peek().kind == Kind::End ? "." : ", not " + Shown(Peek().text) + ".");
            return false;
        }
        const Token& degrees = tokens_[at_++];
        c.value = degrees.value;
        c.sign = degrees.sign;
        bool marked = false;
        if (Peek().kind == Kind::Degree) {
            ++at_;
            marked = true;
        }
        const Token* minutes = nullptr;
        const Token* seconds = nullptr;
        const bool bare = bareDms_ && !degrees.fraction;
        if (Peek().kind == Kind::Number && Peek(1).kind == Kind::Minute) {
            minutes = Take(2);
            if (Peek().kind == Kind::Number && Peek(1).kind == Kind::Second) seconds = Take(2);
        } else if ((marked || bare) && Peek().kind == Kind::Number && IsHemisphere(Peek(1).kind)) {
            minutes = Take(1);
        } else if ((marked || bare) && Peek().kind == Kind::Number && Peek(1).kind == Kind::Number &&
                   (IsHemisphere(Peek(2).kind) || Peek(2).kind == Kind::Second)) {
            minutes = Take(1);
            seconds = Take(Peek(1).kind == Kind::Second ? 2 : 1);
        }
        if (minutes) {
            const double m = minutes->value, sec = seconds ? seconds->value : 0.0;
            if (degrees.fraction) return Failed("With minutes, give whole degrees.");
            if (minutes->sign || (seconds && seconds->sign) || !(m < 60.0) || !(sec < 60.0))
                return Failed("Minutes and seconds lie from 0 to below 60.");
            if (seconds && minutes->fraction) return Failed("With seconds, give whole minutes.");
            const double magnitude = std::fabs(c.value) + m / 60.0 + sec / 3600.0;
            c.value = std::signbit(c.value) ? -magnitude : magnitude;
        }
        if (IsHemisphere(Peek().kind)) {
            if (c.hemisphere != Kind::End) return Failed("Give one hemisphere letter for each coordinate.");
            c.hemisphere = tokens_[at_++].kind;
        }
        if (c.hemisphere != Kind::End && c.sign)
            return Failed("Give a sign or a hemisphere letter, not both (-33.9 or 33.9 S).");
        return true;
    }
    // The number of a minutes or seconds field, and its mark when there is one (count 2).
    const Token* Take(int count) {
        const Token* t = &tokens_[at_];
        at_ += static_cast<size_t>(count);
        return t;
    }
    bool Failed(std::string message) {
        message_ = std::move(message);
        return false;
    }

    const std::vector<Token>& tokens_;
    bool bareDms_;
    size_t at_ = 0;
    std::string message_;
};

// The shortest decimal text of x that reads back as x.
// The nearest double to x written with that many decimals.
double RoundedTo(double x, int decimals) {
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, decimals);
    double rounded = x;
    if (written.ec == std::errc()) std::from_chars(buffer, written.ptr, rounded);
    return rounded;
}

// A place is read and written to a billionth of a degree (a tenth of a millimetre on the
// ground) and a micrometre of height: finer than any place needs, and few enough digits for
// the reader to take.
constexpr int kDegreeDecimals = 9;
constexpr int kMetreDecimals = 6;

Place Rounded(Place p) {
    p.latitude = RoundedTo(p.latitude, kDegreeDecimals);
    p.longitude = RoundedTo(p.longitude, kDegreeDecimals);
    p.height = RoundedTo(p.height, kMetreDecimals);
    return p;
}

// x to that many decimals, with the fewest digits that read back exactly and without an
// exponent (which the reader does not take).
std::string Shortest(double x, int decimals) {
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, RoundedTo(x, decimals), std::chars_format::fixed);
    return written.ec == std::errc() ? std::string(buffer, written.ptr) : std::string("0");
}

}  // namespace

Reading Read(std::string_view text) {
    Reading r;
    if (text.size() > PlaceLimits::kLongestText) {
        r.message = "The place is too long: type a latitude and a longitude " + std::string(kExample) + ".";
        return r;
    }
    Lexer lexer{text, 0, {}};
    std::vector<Token> tokens;
    for (;;) {
        Token t;
        if (!lexer.Next(t)) {
            r.message = lexer.error;
            return r;
        }
        if (t.kind == Kind::End) break;
        tokens.push_back(t);
    }
    if (tokens.empty()) {
        r.message = "Type a latitude and a longitude " + std::string(kExample) + ".";
        return r;
    }
    // Degrees, minutes and seconds without marks ("48 51 24 N") are read only when the plain
    // reading fails ("48 2 E" is a latitude and a longitude).
    Reading plain = Parser(tokens, false).Parse();
    if (!plain.ok) {
        const Reading dms = Parser(tokens, true).Parse();
        if (dms.ok) plain = dms;
    }
    if (plain.ok) plain.place = Rounded(plain.place);
    return plain;
}

std::string WriteCoordinates(const Place& place) {
    const double lat = place.latitude, lon = place.longitude;
    return Shortest(std::fabs(lat), kDegreeDecimals) + (lat < 0.0 ? " S, " : " N, ") +
           Shortest(std::fabs(lon), kDegreeDecimals) + (lon < 0.0 ? " W" : " E");
}

std::string Write(const Place& place) {
    std::string text = WriteCoordinates(place);
    if (place.height != 0.0) text += ", " + Shortest(place.height, kMetreDecimals) + " m";
    return text;
}

}  // namespace PlaceText
