#include "input/KeyFilters.h"

namespace velmora {

namespace {

bool IsDigit(int key) { return key >= 48 && key <= 57; }
bool IsUpper(int key) { return key >= 65 && key <= 90; }
bool IsLower(int key) { return key >= 97 && key <= 122; }

}  // namespace

KeyFilterResult FilterDigitKey(int key, bool allowMinus) {
    if (IsDigit(key) || key == KeyBackspace || (allowMinus && key == KeyMinus)) return {key, std::nullopt};
    return {0, Refusal{"Only Numbers Are Accepted", MessageIcon::Critical, ""}};
}

KeyFilterResult FilterNameKey(int key, bool letterOfAnyScript) {
    if (key >= 128 && letterOfAnyScript) return {key, std::nullopt};
    if (!(IsUpper(key) || IsLower(key) || key == KeyBackspace || key == KeyEnter || key == KeyBlank)) {
        return {0, Refusal{"Please Enter only Letters", MessageIcon::Information, ""}};
    }
    // The name is always entered in capitals.
    if (IsLower(key)) key -= 32;
    return {key, std::nullopt};
}

KeyFilterResult ApplyKeyFilter(KeyFilter filter, int key, bool letterOfAnyScript) {
    switch (filter) {
        case KeyFilter::Digits: return FilterDigitKey(key, false);
        case KeyFilter::DigitsAndMinus: return FilterDigitKey(key, true);
        case KeyFilter::Letters: return FilterNameKey(key, letterOfAnyScript);
    }
    return {key, std::nullopt};
}

std::optional<KeyFilter> KeyFilterFor(std::string_view controlName) {
    if (controlName == "txtName") return KeyFilter::Letters;
    if (controlName == "txtZoneHour") return KeyFilter::DigitsAndMinus;
    if (controlName == "txtLatD" || controlName == "txtLatM" || controlName == "txtLonD" ||
        controlName == "txtLonM" || controlName == "txtZoneMinute") {
        return KeyFilter::Digits;
    }
    return std::nullopt;
}

}  // namespace velmora
