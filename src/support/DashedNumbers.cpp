#include "support/DashedNumbers.h"

#include <limits>

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
constexpr int kMostNumbers = 5;
}  // namespace

bool ReadDashedNumbers(const char* text, int count, bool signedFirst, int32_t* out) {
    if (text == nullptr || count < 1 || count > kMostNumbers) return false;
    int64_t value[kMostNumbers] = {0, 0, 0, 0, 0};
    int field = 0;
    bool negative = false;
    bool haveDigit = false;
    const char* p = text;
    while (IsBlank(*p)) ++p;
    if (signedFirst && *p == '-') {
        negative = true;
        ++p;
    }
    for (;; ++p) {
        const char c = *p;
        if (IsBlank(c)) continue;
        if (c >= '0' && c <= '9') {
            value[field] = value[field] * 10 + (c - '0');
            if (value[field] > 2147483648LL) return false;  // never fits (2^31 only when negative); stops growth
            haveDigit = true;
            continue;
        }
        if (c == '-' || c == '\0') {
            if (!haveDigit) return false;
            if (c == '\0') break;
            if (++field >= count) return false;
            haveDigit = false;
            continue;
        }
        return false;
    }
    if (field != count - 1) return false;
    if (negative) value[0] = -value[0];
    for (int i = 0; i < count; ++i)
        if (value[i] > std::numeric_limits<int32_t>::max()) return false;
    for (int i = 0; i < count; ++i) out[i] = static_cast<int32_t>(value[i]);
    return true;
}
