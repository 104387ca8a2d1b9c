#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// The everyday shape of an input line, read in one pass without the general
// JSON reader: one object whose values are strings or small integers, in
// printable ASCII without escapes, e.g.
//   {"txtName":"ASHA","cboMonth":"August","chkDST":0}
// A line of any other shape (an escape, a byte outside printable ASCII, a
// fraction, true/false/null, a nested value, a syntax error, more members
// than fit) is not taken here, and the general reader answers it; so every
// line gets exactly the answer the general reader gives.
namespace velmora {

struct PlainMember {
    std::string_view key;
    bool isString = false;   // else an integer
    std::string_view text;   // a string's characters (no escapes in this shape)
    double number = 0;       // an integer's value (at most 15 digits: exact)
};

inline constexpr std::size_t kPlainMembersMax = 32;

struct PlainJsonLine {
    std::array<PlainMember, kPlainMembersMax> members{};
    std::size_t count = 0;
};

// True when `line` is of the plain shape; `out` then holds its members in
// line order. False otherwise (`out` is then of no use).
bool ReadPlainJsonLine(std::string_view line, PlainJsonLine& out);

}  // namespace velmora
