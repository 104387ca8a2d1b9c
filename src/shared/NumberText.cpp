#include "shared/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace velmora {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// For a number text (digits with at most one point, then perhaps an exponent;
// no sign) that from_chars found out of range: true when it is too small for
// a double, false when too large. The number lies in [10^(p-1), 10^p) where p
// counts from the point to its first significant digit, plus the exponent:
// an underflow has p <= 0 (beyond 10^-323), an overflow p > 0 (beyond 10^308).
bool TooSmall(std::string_view body) {
    const auto e = body.find_first_of("eE");
    const std::string_view mantissa = body.substr(0, e);
    // The exponent, saturated far beyond any double, so any digit count is safe.
    constexpr long long kCap = 1'000'000'000'000'000;
    long long exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view digits = body.substr(e + 1);
        bool negative = false;
        if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
            negative = digits.front() == '-';
            digits.remove_prefix(1);
        }
        for (const char c : digits) exponent = std::min(exponent * 10 + (c - '0'), kCap);
        if (negative) exponent = -exponent;
    }
    const auto point = mantissa.find('.');
    const std::size_t pointAt = point == std::string_view::npos ? mantissa.size() : point;
    const auto first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return true;  // zero: never out of range, but small
    const long long position = first < pointAt ? static_cast<long long>(std::min(pointAt - first, std::size_t{kCap}))
                                               : -static_cast<long long>(std::min(first - pointAt - 1, std::size_t{kCap}));
    return position + exponent <= 0;
}

// Checks the grammar on an already trimmed text and parses it. from_chars is
// locale independent and exact (correctly rounded), which a desktop program
// whose user may run under any locale needs.
std::optional<double> ParseNumber(std::string_view s) {
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    const std::size_t mantissaStart = i;
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < s.size() && IsDigit(s[i])) {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;

    std::string_view body = s.substr(mantissaStart);
    // from_chars accepts neither a leading '+' nor a leading '-' of ours here;
    // it does accept ".5" and "5." in general format.
    double value = 0.0;
    auto [ptr, ec] = std::from_chars(body.data(), body.data() + body.size(), value,
                                     std::chars_format::general);
    if (ec == std::errc::result_out_of_range && ptr == body.data() + body.size()) {
        // A number too small for a double is as good as zero and reads as 0, as
        // any small number rounds; one too large is not a number we can use.
        if (!TooSmall(body)) return std::nullopt;
        value = 0.0;
    } else if (ec != std::errc() || ptr != body.data() + body.size()) {
        return std::nullopt;
    }
    if (!std::isfinite(value)) return std::nullopt;
    return negative ? -value : value;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::optional<double> TextToDouble(std::string_view text) {
    return ParseNumber(TrimBlanks(text));
}

std::optional<std::int16_t> DoubleToInt16(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    // nearbyint rounds in the current mode, which is round-half-even.
    const double rounded = std::nearbyint(value);
    if (rounded < -32768.0 || rounded > 32767.0) return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::optional<std::int16_t> TextToInt16(std::string_view text) {
    const auto value = TextToDouble(text);
    if (!value) return std::nullopt;
    return DoubleToInt16(*value);
}

double LeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') number.push_back('-');
        ++i;
    }
    bool seenPoint = false;
    bool seenDigit = false;
    std::string digits;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            digits.push_back(c);
            seenDigit = true;
        } else if (c == '.' && !seenPoint) {
            digits.push_back(c);
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!seenDigit) return 0.0;
    double value = 0.0;
    auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                     std::chars_format::fixed);
    if (ec == std::errc::result_out_of_range) {
        // Too large is infinite (and refused by the range checks); too small is 0.
        value = TooSmall(digits) ? 0.0 : std::numeric_limits<double>::infinity();
    } else if (ec != std::errc()) {
        return 0.0;
    }
    (void)ptr;
    return number == "-" ? -value : value;
}

std::string IntText(long long value) { return std::to_string(value); }

void AppendIntText(std::string& text, long long value) {
    char digits[24];
    const std::to_chars_result r = std::to_chars(digits, digits + sizeof digits, value);
    text.append(digits, r.ptr);
}

}  // namespace velmora
