#include "names/Language.h"

namespace velmora {

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string_view LanguageCode(Language language) {
    switch (language) {
        case Language::Hindi: return "hi";
        case Language::Tamil: return "ta";
        case Language::English: break;
    }
    return "en";
}

std::string_view LanguageNativeName(Language language) {
    switch (language) {
        case Language::Hindi: return "हिन्दी";
        case Language::Tamil: return "தமிழ்";
        case Language::English: break;
    }
    return "English";
}

std::optional<Language> LanguageFromCode(std::string_view code) {
    if (code.size() != 2) return std::nullopt;
    const char a = Lower(code[0]);
    const char b = Lower(code[1]);
    for (const Language language : AllLanguages) {
        const std::string_view known = LanguageCode(language);
        if (known[0] == a && known[1] == b) return language;
    }
    return std::nullopt;
}

Language LanguageFromLocaleName(std::string_view locale) {
    // language[_territory][.codeset][@modifier]: the language is what comes
    // before the first '_', '.', '@' or '-'.
    const std::size_t end = locale.find_first_of("_.@-");
    const std::string_view code = locale.substr(0, end);
    return LanguageFromCode(code).value_or(Language::English);
}

}  // namespace velmora
