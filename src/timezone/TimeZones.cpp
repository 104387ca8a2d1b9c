#include "timezone/TimeZones.h"

#include <cmath>

namespace velmora {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Blanks only: the entries use the space character and nothing else.
std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

}  // namespace

std::optional<ZoneValues> ZoneValuesFromEntry(std::string_view entry) {
    const auto comma = entry.rfind(',');
    if (comma == std::string_view::npos) return std::nullopt;
    std::string_view offset = TrimBlanks(entry.substr(comma + 1));

    // East of Greenwich is positive in the entry text.
    int eastSign = 1;
    if (!offset.empty() && (offset.front() == '+' || offset.front() == '-')) {
        if (offset.front() == '-') eastSign = -1;
        offset.remove_prefix(1);
    }

    // Whole hours: at most a few digits, so the sum cannot overflow.
    int wholeHours = 0;
    std::size_t digits = 0;
    while (digits < offset.size() && IsDigit(offset[digits])) {
        if (digits == 4) return std::nullopt;
        wholeHours = wholeHours * 10 + (offset[digits] - '0');
        ++digits;
    }
    if (digits == 0) return std::nullopt;
    offset.remove_prefix(digits);

    bool fractional = false;
    if (!offset.empty()) {
        if (offset.front() != '.') return std::nullopt;
        offset.remove_prefix(1);
        for (char c : offset) {
            if (!IsDigit(c)) return std::nullopt;
            if (c != '0') fractional = true;
        }
    }

    // The boxes count west positive: reverse the sign. A fraction is always a
    // half hour ("+5.3" is 5 h 30 min, not 5 h 18 min).
    const int westSign = -eastSign;
    ZoneValues values;
    values.hour = westSign * wholeHours;
    values.minute = fractional ? westSign * 30 : 0;
    return values;
}

std::optional<ZoneTexts> ZoneTextsAt(int position) {
    if (position < 0 || position >= TimeZoneCount) return std::nullopt;
    const auto values = ZoneValuesFromEntry(TimeZoneEntries[static_cast<std::size_t>(position)]);
    if (!values) return std::nullopt;
    return ZoneTexts{std::to_string(values->hour), std::to_string(values->minute)};
}

int TwipsToPixels(int twips, double dotsPerInch) {
    if (!std::isfinite(dotsPerInch) || dotsPerInch <= 0.0) dotsPerInch = 96.0;
    // Screens report sane resolutions; the bound only keeps the cast defined.
    const double pixels = std::round(static_cast<double>(twips) * dotsPerInch / TwipsPerInch);
    if (!(pixels > -1.0e6 && pixels < 1.0e6)) return 0;
    return static_cast<int>(pixels);
}

PixelPoint PickerTopLeft(const PickerAnchor& a, double dotsPerInch) {
    PixelPoint p;
    p.x = a.windowLeft + a.zoneFrameLeft + a.labelLeft + a.labelWidth;
    p.y = a.windowTop + a.zoneFrameTop + a.labelTop + a.labelHeight +
          TwipsToPixels(PickerDropTwips, dotsPerInch);
    return p;
}

}  // namespace velmora
