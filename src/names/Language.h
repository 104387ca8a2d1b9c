#pragma once

#include <array>
#include <optional>
#include <string_view>

// The languages the almanac speaks. English is the program's own spelling of
// every name and text; the others are read from the name tables
// (names/NameTables.h) and, in the windows, from Qt's translation files.
namespace velmora {

enum class Language { English, Hindi, Tamil };

inline constexpr std::array<Language, 3> AllLanguages = {Language::English, Language::Hindi, Language::Tamil};

// "en", "hi", "ta".
std::string_view LanguageCode(Language language);

// The language's name in its own script: "English", "हिन्दी", "தமிழ்".
std::string_view LanguageNativeName(Language language);

// The language of a code "en", "hi" or "ta" (letter case ignored), or nothing.
std::optional<Language> LanguageFromCode(std::string_view code);

// The language of a POSIX locale name as LANG or LC_MESSAGES hold it
// ("hi_IN.UTF-8", "ta_IN", "ta", "hi_IN@devanagari"); English for any other
// locale, "C" and "POSIX" included, and for an empty name.
Language LanguageFromLocaleName(std::string_view locale);

}  // namespace velmora
