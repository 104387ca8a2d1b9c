#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Columns of plain text in a terminal or a fixed-width table: a UTF-8 letter
// takes one column whatever its bytes, and the vowel signs and viramas of
// Devanagari and Tamil, which join the letter before them, take none.
namespace velmora {

std::size_t DisplayColumns(std::string_view text);

// `text` with blanks appended up to `columns` columns (unchanged when it is
// that wide already).
std::string PaddedToColumns(std::string text, std::size_t columns);

}  // namespace velmora
