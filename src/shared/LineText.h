#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// One-line texts typed by the user (a place, a city, a state, a country):
// which ones are taken, and how a refused one is quoted back.
namespace velmora {

// Well-formed UTF-8: no stray continuation bytes, no overlong forms, no
// surrogates, nothing above U+10FFFF.
bool IsUtf8(std::string_view text);

// Why a value meant as one line of text is refused, as words that follow its
// subject ("the place name " + problem): it is not UTF-8, or it holds a
// control character, C0 (U+0000 to U+001F, tabs and line breaks among them),
// DEL (U+007F) or C1 (U+0080 to U+009F), a line or paragraph separator
// (U+2028, U+2029) or a text direction control (U+202A to U+202E, U+2066 to
// U+2069). Empty when the text is fit.
std::string OneLineTextProblem(std::string_view text);

// A value as a message may quote it, in double quotes: quotes, backslashes
// and control characters escaped (\", \\, \t, \u0085; the separators and
// direction controls too, \u2028, \u202E), a byte that is not
// UTF-8 as \xFF, and a value longer than `maxCharacters` characters cut
// there with "..." and its whole size in bytes after the closing quote. The
// result is a few hundred bytes at most, whatever the value.
std::string ExcerptForMessage(std::string_view text, std::size_t maxCharacters = 40);

// A whole message line as a terminal may show it: unchanged when it is one
// line of UTF-8 text without controls and at most 1,000 bytes long (every
// message the programs make themselves), else quoted as ExcerptForMessage
// quotes it, with up to 300 characters (a file name typed with an escape
// sequence in it, say).
std::string PrintableMessage(std::string_view text);

}  // namespace velmora
