#include "shared/LineText.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace velmora {

namespace {

// The code point of the well-formed UTF-8 sequence at s[i] and its length, or
// a length of 0 when the bytes there are no such sequence.
struct Decoded {
    std::uint32_t cp = 0;
    std::size_t length = 0;
};

Decoded DecodeAt(std::string_view s, std::size_t i) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) return {c, 1};
    std::size_t extra = 0;
    std::uint32_t cp = 0;
    if (c >= 0xC2 && c <= 0xDF) {
        extra = 1;
        cp = c & 0x1Fu;
    } else if (c >= 0xE0 && c <= 0xEF) {
        extra = 2;
        cp = c & 0x0Fu;
    } else if (c >= 0xF0 && c <= 0xF4) {
        extra = 3;
        cp = c & 0x07u;
    } else {
        return {};
    }
    if (s.size() - i <= extra) return {};
    for (std::size_t k = 1; k <= extra; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) return {};
        cp = (cp << 6) | (b & 0x3Fu);
    }
    constexpr std::array<std::uint32_t, 4> smallest = {0, 0x80, 0x800, 0x10000};
    if (cp < smallest[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return {};
    return {cp, extra + 1};
}

bool IsControl(std::uint32_t cp) { return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F); }

// U+2028 and U+2029 end a line in some readers; the embeddings, overrides and
// isolates (U+202A to U+202E, U+2066 to U+2069) turn the text that follows
// them around, so a value can show as something else than it is.
bool IsLineSeparator(std::uint32_t cp) { return cp == 0x2028 || cp == 0x2029; }
bool IsDirectionControl(std::uint32_t cp) {
    return (cp >= 0x202A && cp <= 0x202E) || (cp >= 0x2066 && cp <= 0x2069);
}

std::string CodePointText(std::uint32_t cp) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(cp));
    return text;
}

}  // namespace

bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const Decoded d = DecodeAt(text, i);
        if (d.length == 0) return false;
        i += d.length;
    }
    return true;
}

std::string OneLineTextProblem(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const Decoded d = DecodeAt(text, i);
        if (d.length == 0) return "is not UTF-8 text";
        if (IsControl(d.cp)) return "holds a control character (" + CodePointText(d.cp) + ")";
        if (IsLineSeparator(d.cp)) return "holds a line or paragraph separator (" + CodePointText(d.cp) + ")";
        if (IsDirectionControl(d.cp)) return "holds a text direction control (" + CodePointText(d.cp) + ")";
        i += d.length;
    }
    return {};
}

std::string ExcerptForMessage(std::string_view text, std::size_t maxCharacters) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out = "\"";
    std::size_t i = 0;
    std::size_t shown = 0;
    for (; i < text.size() && shown < maxCharacters; ++shown) {
        const Decoded d = DecodeAt(text, i);
        if (d.length == 0) {
            const auto b = static_cast<unsigned char>(text[i]);
            out += "\\x";
            out.push_back(hex[b >> 4]);
            out.push_back(hex[b & 0xF]);
            ++i;
            continue;
        }
        switch (d.cp) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (IsControl(d.cp) || IsLineSeparator(d.cp) || IsDirectionControl(d.cp)) {
                    out += "\\u";
                    for (const int shift : {12, 8, 4, 0}) out.push_back(hex[(d.cp >> shift) & 0xF]);
                } else {
                    out.append(text.substr(i, d.length));
                }
        }
        i += d.length;
    }
    out += '"';
    if (i < text.size()) {
        out.insert(out.size() - 1, "...");
        out += " (" + std::to_string(text.size()) + " bytes)";
    }
    return out;
}

std::string PrintableMessage(std::string_view text) {
    if (text.size() <= 1000 && OneLineTextProblem(text).empty()) return std::string(text);
    return ExcerptForMessage(text, 300);
}

}  // namespace velmora
