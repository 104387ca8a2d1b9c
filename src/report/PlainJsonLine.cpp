#include "report/PlainJsonLine.h"

#include <cstdint>

namespace velmora {

namespace {

bool IsJsonSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

class Scanner {
public:
    explicit Scanner(std::string_view s) : s_(s) {}

    void SkipSpace() {
        while (i_ < s_.size() && IsJsonSpace(s_[i_])) ++i_;
    }
    bool Take(char c) {
        if (i_ < s_.size() && s_[i_] == c) {
            ++i_;
            return true;
        }
        return false;
    }
    bool AtEnd() const { return i_ == s_.size(); }
    char Peek() const { return i_ < s_.size() ? s_[i_] : '\0'; }

    // A string of printable ASCII without escapes, after its opening quote.
    bool String(std::string_view& text) {
        if (!Take('"')) return false;
        const std::size_t from = i_;
        while (i_ < s_.size()) {
            const auto c = static_cast<unsigned char>(s_[i_]);
            if (c == '"') {
                text = s_.substr(from, i_ - from);
                ++i_;
                return true;
            }
            if (c < 0x20 || c >= 0x7F || c == '\\') return false;
            ++i_;
        }
        return false;
    }

    // An integer as JSON writes it (-?(0|[1-9][0-9]*)), at most 15 digits,
    // followed by what may follow a value.
    bool Integer(double& value) {
        const bool negative = Take('-');
        const std::size_t from = i_;
        std::int64_t v = 0;
        while (i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9') {
            // Digits past the sixteenth are only counted: the number is refused below.
            if (i_ - from < 16) v = v * 10 + (s_[i_] - '0');
            ++i_;
        }
        const std::size_t digits = i_ - from;
        if (digits == 0 || digits > 15 || (digits > 1 && s_[from] == '0')) return false;
        const char next = Peek();
        if (!(IsJsonSpace(next) || next == ',' || next == '}')) return false;  // a fraction, an exponent, garbage
        value = static_cast<double>(negative ? -v : v);
        return true;
    }

private:
    std::string_view s_;
    std::size_t i_ = 0;
};

}  // namespace

bool ReadPlainJsonLine(std::string_view line, PlainJsonLine& out) {
    out.count = 0;
    Scanner scan(line);
    scan.SkipSpace();
    if (!scan.Take('{')) return false;
    scan.SkipSpace();
    if (!scan.Take('}')) {
        while (true) {
            if (out.count == out.members.size()) return false;
            PlainMember& m = out.members[out.count++];
            if (!scan.String(m.key)) return false;
            scan.SkipSpace();
            if (!scan.Take(':')) return false;
            scan.SkipSpace();
            m.isString = scan.Peek() == '"';
            m.text = {};
            m.number = 0;
            if (m.isString ? !scan.String(m.text) : !scan.Integer(m.number)) return false;
            scan.SkipSpace();
            if (scan.Take(',')) {
                scan.SkipSpace();
                continue;
            }
            if (scan.Take('}')) break;
            return false;
        }
    }
    scan.SkipSpace();
    return scan.AtEnd();
}

}  // namespace velmora
