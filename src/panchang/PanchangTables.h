#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

// The constant tables of the panchang report: tithi, karana, yoga and vara
// texts, byte for byte as the program shows them (UTF-8). Some tables carry an
// empty row past their last name; reading it gives an empty text, while an
// index beyond a table's range is a failed read.
namespace velmora {

// One tithi: the texts the "Tithi" tab shows for it.
struct TithiRow {
    std::string_view name;      // lblTithi
    std::string_view nature;    // txtTithiDesc
    std::string_view number;    // lblNumber
    std::string_view phase;     // lblPhase ("Shukla", "Krishna")
    std::string_view lord;      // lblTithiLord
    std::string_view group;     // lblGroup
    std::string_view feature;   // lblFeature
    std::string_view type;      // lblTtype
    std::string_view typeText;  // txtType
};

// Indexed by the tithi index 0..29 (0..14 bright fortnight ending with the full
// moon, 15..29 dark fortnight ending with the new moon).
extern const std::array<TithiRow, 30> TithiTable;

// Karana names 0..10; row 11 empty.
extern const std::array<std::string_view, 12> KaranaNames;

// Yoga names 0..26; row 27 empty.
extern const std::array<std::string_view, 28> YogaNames;
// Yoga paragraphs 0..26 (typographic quotes U+2018/U+2019); rows 27..29 "NA".
extern const std::array<std::string_view, 30> YogaTexts;

// The four texts the "Vaar" tab shows for a weekday.
struct VaraRow {
    std::string_view lblDay;
    std::string_view lblLord;
    std::string_view lblAlternateName;
    std::string_view txtMoreAboutDayOfBirth;
};

// Row 0 is VaraNumber 1 (Sunday), row 6 is VaraNumber 7 (Saturday).
extern const std::array<VaraRow, 7> VaraTable;

// The twelve sidereal signs of 30° each from 0° (Mesha), with the English
// name beside: "Mesha (Aries)" … "Meena (Pisces)".
extern const std::array<std::string_view, 12> SignDisplayNames;

// The name syllable of each pada (quarter of 3°20′) of the 27 mansions, from
// 0° sidereal: row 4 × mansion + pada − 1 (Ashwini's four are rows 0..3,
// Revati's 104..107).
extern const std::array<std::string_view, 108> PadaSyllables;

// Checked table read: the row's text, or nothing when the index lies outside
// the table (a failed step for the caller).
template <typename T, std::size_t N>
std::optional<T> TableRow(const std::array<T, N>& table, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= N) return std::nullopt;
    return table[static_cast<std::size_t>(index)];
}

// The tithi's name for an index 0..29; the empty name for 30 (which has no
// other texts); nothing for any other index.
std::optional<std::string_view> TithiNameOf(int index);

// The tithi's row for an index 0..29, or nothing.
inline std::optional<TithiRow> TithiRowOf(int index) { return TableRow(TithiTable, index); }

// The vara row of a weekday number 1..7, or nothing for any other number.
inline std::optional<VaraRow> VaraRowOf(int varaNumber) { return TableRow(VaraTable, varaNumber - 1); }

}  // namespace velmora
