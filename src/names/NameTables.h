#pragma once

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "names/Language.h"

// The almanac's names in every language the program speaks: one table per kind
// of name, one row per name, the English column exactly the program's own
// spelling (so English output never changes). Both programs read these: the
// windows for what the core hands them in English, the report tool for its
// readable text and its calendar file. Plain data, no Qt.
namespace velmora {

enum class NameTable {
    Weekday,              // 0 Sunday .. 6 Saturday
    WeekdayShort,         // "Sun" .. "Sat"
    Tithi,                // the tithi table's 30 rows, 0 Shukla Pratipad .. 29 Ammavasai
    Paksha,               // 0 Shukla, 1 Krishna
    Nakshatra,            // 0 Ashwini .. 26 Revati
    Yoga,                 // 0 Vishkambha .. 26 Vaidhruthi
    Karana,               // 0 Bava .. 10 Kimstughna
    LunarMonth,           // 0 Chaitra .. 11 Phalguna
    Sign,                 // 0 Mesha .. 11 Meena
    SignDisplay,          // "Mesha (Aries)" .. "Meena (Pisces)"
    TamilSolarMonth,      // by the Sun's sign: 0 Chithirai (Mesha) .. 11 Panguni
    MalayalamSolarMonth,  // by the Sun's sign: 0 Medam (Mesha) .. 4 Chingam (Simha) .. 11 Meenam
    BengaliSolarMonth,    // by the Sun's sign: 0 Boishakh (Mesha) .. 11 Choitro
    Observance,           // in the order of AllObservances: Purnima .. Krishna Pradosh
    Kalam,                // the kalams and muhurtas of the day
    Graha,                // the nine grahas, Sun .. Ketu
    Planet,               // the weekday lords as the results window names them
    CivilMonth,           // 0 January .. 11 December
    TithiWords,           // the tithi tab's lords, groups, features and types
    Words,                // the words and phrases of the readable texts
    Festival,             // keyed by the festival keys of festivals/FestivalNames.h, the same English
    Texts,                // the captions, sentences and messages the core writes
    Paragraphs,           // the results' paragraphs, each translated whole
    Choghadiya,           // ChoghadiyaNames' order: 0 Udveg .. 6 Rog (day/GoodHoursTables.h)
    Gowri,                // GowriNames' order: 0 Uthi .. 7 Visham
    Samvatsara,           // SamvatsaraNames' order: 0 Prabhava .. 59 Akshaya
    Ritu,                 // RituNames' order: 0 Vasanta .. 5 Shishira
    Ayana,                // AyanaNames' order: 0 Uttarayana, 1 Dakshinayana
    Tara,                 // TaraNames' order: 0 Janma .. 8 Parama Mitra
    Events,               // the eclipses' and the festivals' words (EventTable.cpp)
    Chart,                // the birth chart's words and sentences (ChartTable.cpp)
};

inline constexpr std::initializer_list<NameTable> AllNameTables = {
    NameTable::Weekday,        NameTable::WeekdayShort,        NameTable::Tithi,
    NameTable::Paksha,         NameTable::Nakshatra,           NameTable::Yoga,
    NameTable::Karana,         NameTable::LunarMonth,          NameTable::Sign,
    NameTable::SignDisplay,    NameTable::TamilSolarMonth,     NameTable::MalayalamSolarMonth,
    NameTable::BengaliSolarMonth, NameTable::Observance,       NameTable::Kalam,
    NameTable::Graha,          NameTable::Planet,              NameTable::CivilMonth,
    NameTable::TithiWords,     NameTable::Words,               NameTable::Festival,
    NameTable::Texts,          NameTable::Paragraphs,
    NameTable::Choghadiya,     NameTable::Gowri,               NameTable::Samvatsara,
    NameTable::Ritu,           NameTable::Ayana,               NameTable::Tara,
    NameTable::Events,         NameTable::Chart};

// One name in every language. `key` is a stable identifier (never shown,
// never translated).
struct NameRow {
    std::string_view key;
    std::string_view en;
    std::string_view hi;
    std::string_view ta;
    std::string_view In(Language language) const {
        switch (language) {
            case Language::Hindi: return hi;
            case Language::Tamil: return ta;
            case Language::English: break;
        }
        return en;
    }
};

// Every row of a table, in its index order.
std::span<const NameRow> NameRows(NameTable table);

// The name at `index` of a table, or nothing for an index outside it.
std::optional<std::string_view> NameAt(NameTable table, int index, Language language);

// The row whose key is `key` in any table, or nothing.
const NameRow* NameRowByKey(std::string_view key);

// The name in `language` of the English name `english` of a table; `english`
// itself when the table does not hold it (an empty name stays empty).
std::string_view LocalName(NameTable table, std::string_view english, Language language);

// `text` with every English name of the listed tables replaced by its name in
// `language`: whole words only (a name is not replaced inside a longer word),
// the longest name first, and where two tables hold the same English name
// (Shravana: a month and a mansion) the earlier table in `tables` wins. For
// English the text comes back unchanged.
std::string LocalizedText(std::string_view text, Language language, std::initializer_list<NameTable> tables);

// `text` with the names and words of every table replaced, in the order the
// windows and the printed pages read them: observances before tithis
// ("Shukla Ekadashi" is one name), mansions before months (a lone "Shravana"
// is the mansion), the weekday lords as planets ("Sun"), the words last.
std::string LocalizedAny(std::string_view text, Language language);

// `text` with every English word of `rows` replaced by its word in
// `language`, as LocalizedText does with a table's names.
std::string LocalizedWords(std::string_view text, Language language, std::span<const NameRow> rows);

// `text` line by line: a line that is one of the program's sentences with
// values in it (a place's clock the zone boxes cannot hold, a DST box ticked
// without summer time, a time skipped or repeated by a clock change,
// SentenceTable.cpp) translated whole, its values in the sentence's own order
// and their words in `language`; every other line as LocalizedAny.
std::string LocalizedSentences(std::string_view text, Language language);

// A paragraph in `language` when a table holds it whole; otherwise the text
// unchanged (a paragraph is never translated word by word).
std::string LocalizedWhole(std::string_view text, Language language);

// The rows of the Texts table (TextTable.cpp), of the Paragraphs table
// (ParagraphTable.cpp), of the Events table (EventTable.cpp) and of the Chart
// table (ChartTable.cpp).
std::span<const NameRow> WindowTextRows();
std::span<const NameRow> ParagraphRows();
std::span<const NameRow> EventRows();
std::span<const NameRow> ChartNameRows();

}  // namespace velmora
