#include "names/NameTables.h"

namespace velmora {

namespace {

bool IsWordByte(char c) {
    // ASCII letters and digits; any byte of a multi-byte UTF-8 letter counts
    // too, so that a name never matches inside a longer word in any script.
    const auto u = static_cast<unsigned char>(c);
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || u >= 0x80;
}

// A name matches at `at` when the text holds it there and it neither starts
// nor ends inside a word (an edge of the name that is not a letter or digit
// needs no boundary: ": the entered time" may follow a digit).
bool MatchesAt(std::string_view text, std::size_t at, std::string_view name) {
    if (name.empty() || text.compare(at, name.size(), name) != 0) return false;
    if (at > 0 && IsWordByte(name.front()) && IsWordByte(text[at - 1])) return false;
    const std::size_t end = at + name.size();
    if (end < text.size() && IsWordByte(name.back()) && IsWordByte(text[end])) return false;
    return true;
}

// `text` with each name that `rows` offers (a callable handing every row to
// the callable it is given) replaced by its name in `language`: the longest
// name where several match, the first offered among names of one length.
template <typename Rows>
std::string ReplaceNames(std::string_view text, Language language, const Rows& rows) {
    if (language == Language::English) return std::string(text);
    std::string out;
    out.reserve(text.size() * 2);
    std::size_t at = 0;
    while (at < text.size()) {
        const NameRow* best = nullptr;
        // Only where a word may begin (or at a byte that is no letter).
        if (at == 0 || !IsWordByte(text[at - 1]) || !IsWordByte(text[at])) {
            rows([&](const NameRow& row) {
                if ((best == nullptr || row.en.size() > best->en.size()) && MatchesAt(text, at, row.en)) best = &row;
            });
        }
        if (best != nullptr) {
            out += best->In(language);
            at += best->en.size();
        } else {
            out += text[at];
            ++at;
        }
    }
    return out;
}

// The order in which the windows and the printed pages read a text of the
// core: festivals and eclipses before observances, observances before tithis ("Shukla Ekadashi" is one name), mansions
// before months (a lone "Shravana" is the mansion), the weekday lords as
// planets ("Sun"), the words last.
constexpr std::initializer_list<NameTable> kReadingOrder = {
    NameTable::Texts,      NameTable::Festival,    NameTable::Events,          NameTable::Observance,
    NameTable::Nakshatra,  NameTable::Tithi,       NameTable::Yoga,       NameTable::Karana,      NameTable::Paksha,          NameTable::LunarMonth,
    NameTable::SignDisplay, NameTable::Sign,       NameTable::Kalam,           NameTable::Planet,
    NameTable::TithiWords, NameTable::Weekday,     NameTable::CivilMonth,      NameTable::TamilSolarMonth,
    NameTable::Graha,      NameTable::Words,
    // The day in full's names (the hours, the year, the taras, the other solar
    // months) after every older table, so a name two tables share keeps the
    // older table's translation.
    NameTable::Choghadiya, NameTable::Gowri,      NameTable::Samvatsara,      NameTable::Ritu,
    NameTable::Ayana,      NameTable::Tara,       NameTable::MalayalamSolarMonth, NameTable::BengaliSolarMonth};

}  // namespace

std::optional<std::string_view> NameAt(NameTable table, int index, Language language) {
    const std::span<const NameRow> rows = NameRows(table);
    if (index < 0 || static_cast<std::size_t>(index) >= rows.size()) return std::nullopt;
    return rows[static_cast<std::size_t>(index)].In(language);
}

const NameRow* NameRowByKey(std::string_view key) {
    for (const NameTable table : AllNameTables) {
        for (const NameRow& row : NameRows(table)) {
            if (row.key == key) return &row;
        }
    }
    return nullptr;
}

std::string_view LocalName(NameTable table, std::string_view english, Language language) {
    if (language == Language::English || english.empty()) return english;
    for (const NameRow& row : NameRows(table)) {
        if (row.en == english) return row.In(language);
    }
    return english;
}

std::string LocalizedText(std::string_view text, Language language, std::initializer_list<NameTable> tables) {
    return ReplaceNames(text, language, [tables](const auto& offer) {
        for (const NameTable table : tables) {
            for (const NameRow& row : NameRows(table)) offer(row);
        }
    });
}

std::string LocalizedWords(std::string_view text, Language language, std::span<const NameRow> rows) {
    return ReplaceNames(text, language, [rows](const auto& offer) {
        for (const NameRow& row : rows) offer(row);
    });
}

std::string LocalizedWhole(std::string_view text, Language language) {
    if (language != Language::English && !text.empty()) {
        for (const NameTable table : kReadingOrder) {
            for (const NameRow& row : NameRows(table)) {
                if (row.en == text) return std::string(row.In(language));
            }
        }
        for (const NameRow& row : NameRows(NameTable::Paragraphs)) {
            if (row.en == text) return std::string(row.In(language));
        }
    }
    return std::string(text);
}

std::string LocalizedAny(std::string_view text, Language language) {
    return LocalizedText(text, language, kReadingOrder);
}

}  // namespace velmora
