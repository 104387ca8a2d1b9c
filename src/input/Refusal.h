#pragma once

#include <string>

namespace velmora {

enum class MessageIcon { Critical, Information };

// A refusal of the input check: the message box to show, and where the
// keyboard focus goes afterwards (a control name; empty leaves it unchanged).
struct Refusal {
    std::string message;
    MessageIcon icon = MessageIcon::Critical;
    std::string focus;

    bool operator==(const Refusal&) const = default;
};

}  // namespace velmora
