#include "names/TextColumns.h"

namespace velmora {

namespace {

// Marks that join the letter before them (Unicode category Mn or Mc) in the
// Devanagari and Tamil blocks, and the zero-width joiners.
bool Joins(char32_t c) {
    if (c >= 0x0900 && c <= 0x0903) return true;
    if (c >= 0x093A && c <= 0x094F && c != 0x093D) return true;
    if ((c >= 0x0951 && c <= 0x0957) || c == 0x0962 || c == 0x0963) return true;
    if (c == 0x0B82 || (c >= 0x0BBE && c <= 0x0BCD) || c == 0x0BD7) return true;
    return c == 0x200C || c == 0x200D;
}

}  // namespace

std::size_t DisplayColumns(std::string_view text) {
    std::size_t columns = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        std::size_t length = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 1;
        if (i + length > text.size()) length = text.size() - i;
        char32_t c = length == 1 ? b : b & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        if (!Joins(c)) ++columns;
        i += length;
    }
    return columns;
}

std::string PaddedToColumns(std::string text, std::size_t columns) {
    const std::size_t shown = DisplayColumns(text);
    if (shown < columns) text.append(columns - shown, ' ');
    return text;
}

}  // namespace velmora
