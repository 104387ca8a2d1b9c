#pragma once

#include <array>
#include <initializer_list>
#include <string_view>
#include <optional>
#include <string>
#include <vector>

#include "chart/Chart.h"
#include "names/Language.h"

// The chart's words, shared by the window's table, the printed page, the
// copied text and the report tool: one row per point, the dasha lines, and
// the whole as plain text; in English (the default) or in the language asked
// for, its words from the name tables (names/NameTables.h). Numbers, degrees
// and dates stay as they are in every language.
namespace velmora {

// One row of the table of positions.
struct ChartRow {
    std::string name;        // "Sun", "Lagna"
    std::string abbreviation;// "Su", "As"
    std::string sign;        // "Simha"
    std::string degree;      // "23°04′05″"
    std::string nakshatra;   // "Purva Ashadha"
    std::string pada;        // "3"
    std::string navamsa;     // the navamsa's sign
    std::string motion;      // "retrograde" or empty
};

// The lagna first, then Su Mo Ma Me Ju Ve Sa Ra Ke.
std::vector<ChartRow> ChartRows(const BirthChart& chart, Language language = Language::English);

// "Rahu: mean node" or "Rahu: true node".
std::string NodeKindText(NodeKind node, Language language = Language::English);

// "9 years 0 months 27 days": whole years, twelfths of a year and days of
// the rest (a twelfth of a 365.25-day year is 30.4375 days).
std::string DashaYearsText(double years, Language language = Language::English);

// "Venus, 9 years 0 months 27 days".
std::string DashaBalanceText(const BirthChart& chart, Language language = Language::English);

// "Venus–Mercury, 1941-04-12 to 1944-08-01": the mahadasha and antardasha
// running at a moment (UT), or nothing outside the 120 years.
std::optional<std::string> RunningDashaText(const BirthChart& chart, double jdUt,
                                            Language language = Language::English);

// The antardasha that follows the one running at a moment (into the next
// mahadasha when it is the last), in the same words.
std::optional<std::string> NextDashaText(const BirthChart& chart, double jdUt,
                                         Language language = Language::English);

// The chart as text: the table of positions, the node and the ayanamsa, the
// balance of dasha, the nine mahadashas with their antardashas. Lines end
// with "\n".
std::string ChartPlainText(const BirthChart& chart, Language language = Language::English);

// A chart word or sentence of the Chart name table in `language` ("Sign",
// "Rasi (D1)", "%1 to %2" …), `english` itself when the table lacks it.
std::string ChartWord(std::string_view english, Language language);

// `pattern` with %1, %2 and %3 replaced by the values, in order.
std::string FillChartPattern(std::string_view pattern, std::initializer_list<std::string_view> values);

// A graha's name and its abbreviation in `language`, by the order of enum
// class Graha; the lagna's with LagnaName.
std::string GrahaNameIn(Graha graha, Language language);

}  // namespace velmora
