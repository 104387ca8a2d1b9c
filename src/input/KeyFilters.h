#pragma once

#include <optional>
#include <string_view>

#include "input/Refusal.h"

// The key filters of the input window's text boxes. They see one typed
// character code at a time (as the box's key-press handler gets it) and decide
// what the box takes: the code unchanged, a changed code, or nothing. Text that
// is pasted never passes through here; the input check covers it.
namespace velmora {

inline constexpr int KeyBackspace = 8;
inline constexpr int KeyEnter = 13;
inline constexpr int KeyBlank = 32;
inline constexpr int KeyMinus = 45;

enum class KeyFilter {
    Digits,          // coordinate boxes and the zone minute box
    DigitsAndMinus,  // the zone hour box: a sign may be typed
    Letters,         // the name box; lower case becomes capitals
};

struct KeyFilterResult {
    int key = 0;                     // the code the box takes; 0 = key discarded
    std::optional<Refusal> refusal;  // the message box announcing a refused key

    bool operator==(const KeyFilterResult&) const = default;
};

// Digits 48..57 and backspace pass; with `allowMinus` also "-". Anything else
// is refused with "Only Numbers Are Accepted" (critical icon).
KeyFilterResult FilterDigitKey(int key, bool allowMinus);

// Letters A..Z and a..z, backspace, Enter and blank pass; anything else is
// refused with "Please Enter only Letters" (information icon). A passing
// lower-case letter becomes its capital. Beyond ASCII (codes from 128 on) a
// letter or mark of any script passes unchanged, as it does when pasted:
// `letterOfAnyScript` says whether the code is one (the window reads it from
// Unicode's tables: "आशा" is two letters and a vowel sign, a mark).
KeyFilterResult FilterNameKey(int key, bool letterOfAnyScript = false);

KeyFilterResult ApplyKeyFilter(KeyFilter filter, int key, bool letterOfAnyScript = false);

// The filter installed on a text box of the input window, by control name;
// none for the place-name boxes (and any other name).
std::optional<KeyFilter> KeyFilterFor(std::string_view controlName);

}  // namespace velmora
