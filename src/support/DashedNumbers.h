// The numbers of a date written as decimal numbers joined by '-' ("104-06-07-29", "-3-12-5-2-1").
#pragma once
#include <cstdint>

// Reads exactly `count` (at most 5) decimal numbers separated by '-', blanks anywhere ignored;
// with signedFirst a leading '-' makes the first number negative. Every number, its sign
// applied, must fit in 32 bits. False, with out untouched, when the text is anything else.
bool ReadDashedNumbers(const char* text, int count, bool signedFirst, int32_t* out);
