#pragma once

#include <string>
#include <string_view>

namespace velmora {

// Appends `text` as a JSON string literal (with its quotes). The output is
// always valid UTF-8 JSON: quotes, backslashes and control characters are
// escaped, and a byte that does not belong to a well-formed UTF-8 sequence
// becomes U+FFFD.
void AppendJsonString(std::string& out, std::string_view text);

}  // namespace velmora
