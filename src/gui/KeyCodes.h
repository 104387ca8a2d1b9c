#pragma once

#include <optional>

class QKeyEvent;

namespace velmora {

// The character code a key press types into a text box, as a key filter sees
// it: the character itself, 8 for backspace, 13 for Enter. Keys that type no
// character (arrows, Home, Delete, Tab, Escape, function keys) and shortcuts
// held with Ctrl, Alt or Meta give none and never reach a filter, so that
// moving about and copying still work in a filtered box. A character outside
// the 16-bit range, or several at once, gives -1, which every filter refuses.
std::optional<int> TypedCharacterCode(const QKeyEvent& event);

}  // namespace velmora
