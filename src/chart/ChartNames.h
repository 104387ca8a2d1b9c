#pragma once

#include <array>
#include <string_view>

// The chart's English display names, in one place: the grahas with the
// abbreviations the charts draw, the twelve signs and the nine lords of the
// dasha. Everything that shows a chart (the window, the printed page, the
// report tool) reads its names from here.
namespace velmora {

struct GrahaName {
    std::string_view name;          // "Sun"
    std::string_view abbreviation;  // "Su"
};

// In the order of enum class Graha: Su Mo Ma Me Ju Ve Sa Ra Ke.
inline constexpr std::array<GrahaName, 9> GrahaNames = {{
    {"Sun", "Su"},
    {"Moon", "Mo"},
    {"Mars", "Ma"},
    {"Mercury", "Me"},
    {"Jupiter", "Ju"},
    {"Venus", "Ve"},
    {"Saturn", "Sa"},
    {"Rahu", "Ra"},
    {"Ketu", "Ke"},
}};

inline constexpr GrahaName LagnaName = {"Lagna", "As"};

// The signs of 30° from 0° sidereal.
inline constexpr std::array<std::string_view, 12> ChartSignNames = {
    "Mesha", "Vrishabha", "Mithuna", "Karka",  "Simha",  "Kanya",
    "Tula",  "Vrishchika", "Dhanu",  "Makara", "Kumbha", "Meena"};

// The mark after a retrograde graha's abbreviation in a chart, and the word in
// the tables.
inline constexpr std::string_view RetrogradeMark = "(R)";
inline constexpr std::string_view RetrogradeWord = "retrograde";

}  // namespace velmora
