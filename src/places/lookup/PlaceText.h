#pragma once

#include <QString>

#include <string>

namespace velmora {

// A place name as compared with what the user typed: accents dropped
// ("São" reads "sao"), case folded, typographic apostrophes as plain ones,
// blanks trimmed.
QString FoldedPlaceText(const std::string& text);

}  // namespace velmora
