#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Text-to-number conversion, written once and used by every part of the program
// that reads a number from a text: the input check, the driver, the vara.
//
// Grammar of a number text (both conversions): blanks (the space character
// only) around it are ignored; then an optional sign, digits with an optional
// decimal point and fraction (at least one digit in all), and an optional
// exponent (e or E, an optional sign, digits). A number too small for a double
// (below about 4.9e-324, however it is written) reads as 0, like any other
// small number; only one too large (above about 1.8e308) is not a number.
namespace velmora {

// Removes leading and trailing space characters (not tabs or other white space).
std::string_view TrimBlanks(std::string_view text);

// The number as a double, or nothing when the text does not follow the grammar
// or its value is not finite.
std::optional<double> TextToDouble(std::string_view text);

// The number rounded to the nearest integer, halves to the even neighbour, or
// nothing when the text does not follow the grammar or the result lies outside
// -32768..32767.
std::optional<std::int16_t> TextToInt16(std::string_view text);

// A double rounded half to even into a 16-bit integer; nothing when not finite
// or out of range.
std::optional<std::int16_t> DoubleToInt16(double value);

// The leading number of a text as the degree checks read it: after leading
// blanks, an optional sign, digits and at most one decimal point, stopping at
// the first other character. A text in which no digit is read gives 0; a
// number too large gives infinity, one too small 0.
double LeadingNumber(std::string_view text);

// Plain decimal text of a whole number (no leading zeros, '-' when negative).
std::string IntText(long long value);

// The same digits appended to `text`, without a temporary string.
void AppendIntText(std::string& text, long long value);

}  // namespace velmora
