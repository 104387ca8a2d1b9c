#include "places/Place.h"

#include <array>

namespace velmora {

namespace {

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

// Well-formed UTF-8: no stray continuation bytes, no overlong forms, no
// surrogates, nothing above U+10FFFF. The gazetteer must never see anything else.
bool IsUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t extra = 0;
        std::uint32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        }
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
            return false;
        }
        if (s.size() - i <= extra) return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto b = static_cast<unsigned char>(s[i + k]);
            if ((b & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (b & 0x3Fu);
        }
        constexpr std::array<std::uint32_t, 4> smallest = {0, 0x80, 0x800, 0x10000};
        if (cp < smallest[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += extra + 1;
    }
    return true;
}

}  // namespace

ParsedPlaceText ParsePlaceText(std::string_view text) {
    ParsedPlaceText parsed;
    if (text.size() > MaxPlaceTextBytes) {
        parsed.problem = "the place name is too long (at most " + std::to_string(MaxPlaceTextBytes) + " bytes)";
        return parsed;
    }
    if (!IsUtf8(text)) {
        parsed.problem = "the place name is not UTF-8 text";
        return parsed;
    }
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            parsed.problem = "the place name holds a control character";
            return parsed;
        }
    }
    std::array<std::string_view, 3> parts{};
    std::size_t count = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        if (count == parts.size()) {
            parsed.problem = "a place is at most \"city, state, country\"";
            return parsed;
        }
        parts[count++] = TrimBlanks(text.substr(start, comma == std::string_view::npos ? comma : comma - start));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    if (parts[0].empty()) {
        parsed.problem = "no city given";
        return parsed;
    }
    parsed.query.city = std::string(parts[0]);
    parsed.query.state = std::string(parts[1]);
    parsed.query.country = std::string(parts[2]);
    return parsed;
}

std::string ShortStateName(std::string_view state) {
    for (const std::string_view prefix : {"State of ", "Province of ", "Canton of "}) {
        if (state.size() > prefix.size() && state.substr(0, prefix.size()) == prefix) {
            return std::string(state.substr(prefix.size()));
        }
    }
    return std::string(state);
}

std::string PlaceLabel(const Place& place) {
    std::string label = place.name;
    for (const std::string* part : {&place.state, &place.country}) {
        if (part->empty()) continue;
        if (!label.empty()) label += ", ";
        label += *part;
    }
    return label;
}

PlaceChoice ChoosePlace(const std::vector<Place>& matches) {
    PlaceChoice choice;
    std::size_t exact = 0;
    bool found = false;
    for (std::size_t i = 0; i < matches.size(); ++i) {
        if (!matches[i].exactName) continue;
        if (!found) choice.index = i;
        found = true;
        ++exact;
    }
    const std::size_t group = found ? exact : matches.size();
    choice.others = group == 0 ? 0 : group - 1;
    return choice;
}

}  // namespace velmora
