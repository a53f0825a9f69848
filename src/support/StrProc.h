// Small text operations shared by the date parsers, the date texts and the durations.
#pragma once
#include <string>
#include <string_view>

namespace StrProc {

// The decimal digits of n and its English ordinal suffix (1st, 2nd, 11th, 111st).
// Negative numbers get no suffix.
std::string OrdinalOf(int n);

// A length of time in words ("1 day, 1 hour and 1 minute") or compact ("1d 1h 0m").
std::string DurationText(long long minutes, bool longForm);

// Non-overlapping occurrences of pattern in text; 0 when either is empty.
int CountOccurrences(std::string_view text, std::string_view pattern, bool caseSensitive);

// Deletes from text every character found in chars.
void RemoveChars(std::string& text, std::string_view chars);

// The text without any blank.
std::string RemoveSpaces(std::string text);

// Only the characters of text that are in chars, in their order.
std::string KeepChars(std::string_view text, std::string_view chars);

// The first n characters; empty when n <= 0; the whole text when n >= its length.
std::string SafeLeft(std::string_view text, long long n);

// True for an acceptable signed decimal amount of days: 12, -12, +1,000, " 7 ".
bool IsSignedNumber(std::string_view text);

// Leading and trailing blanks removed.
std::string Trim(std::string_view text);

// ASCII upper and lower case (entries are read without regard to case).
std::string UpperCase(std::string text);
std::string LowerCase(std::string text);

// The number at the start of text, as the entry grammar reads one: optional blanks, an
// optional sign, digits with at most one decimal point. 0 when there is none.
double LeadingNumber(std::string_view text);

// The whole number at the start of text (optional sign, digits), 0 when there is none.
// Saturates instead of overflowing.
long long LeadingInteger(std::string_view text);

}  // namespace StrProc
