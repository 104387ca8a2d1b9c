#include "chart/ChartText.h"

#include <cmath>
#include <cstdio>

#include "chart/ChartNames.h"
#include "engine/Engine.h"
#include "names/NameTables.h"
#include "names/TextColumns.h"

namespace velmora {

namespace {

std::string Abbreviation(std::string_view english, Language language) { return ChartWord(english, language); }

std::string SignIn(int sign, Language language) {
    const std::size_t index = static_cast<std::size_t>(((sign % 12) + 12) % 12);
    if (language == Language::English) return std::string(ChartSignNames[index]);
    return std::string(NameAt(NameTable::Sign, static_cast<int>(index), language).value_or(ChartSignNames[index]));
}

std::string NakshatraIn(int nakshatra, Language language) {
    const std::size_t index = static_cast<std::size_t>(((nakshatra % 27) + 27) % 27);
    if (language == Language::English) return std::string(NakshatraNames[index]);
    return std::string(NameAt(NameTable::Nakshatra, static_cast<int>(index), language).value_or(NakshatraNames[index]));
}

ChartRow RowOf(std::string name, std::string_view abbreviation, const ChartPoint& p, Language language) {
    ChartRow r;
    r.name = std::move(name);
    r.abbreviation = Abbreviation(abbreviation, language);
    r.sign = SignIn(p.sign, language);
    r.degree = DegreeInSignText(p);
    r.nakshatra = NakshatraIn(p.nakshatra, language);
    r.pada = std::to_string(p.pada);
    r.navamsa = SignIn(p.navamsaSign, language);
    if (p.retrograde) r.motion = ChartWord(RetrogradeWord, language);
    return r;
}

std::string PeriodText(const BirthChart& c, const DashaPeriod& maha, const DashaPeriod& antar, Language language) {
    return GrahaNameIn(maha.lord, language) + "\xE2\x80\x93" + GrahaNameIn(antar.lord, language) + ", " +
           FillChartPattern(ChartWord("%1 to %2", language),
                            {ChartDateText(antar.startJdUt, c.zoneHours), ChartDateText(antar.endJdUt, c.zoneHours)});
}

// Widths count the columns a terminal shows (a vowel sign takes none).
std::string Pad(std::string s, std::size_t width) { return PaddedToColumns(std::move(s), width); }

}  // namespace

std::string ChartWord(std::string_view english, Language language) {
    return std::string(LocalName(NameTable::Chart, english, language));
}

std::string FillChartPattern(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string out;
    out.reserve(pattern.size() + 32);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const std::size_t n = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (n < values.size()) {
                out += *(values.begin() + n);
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

std::string GrahaNameIn(Graha g, Language language) {
    const auto index = static_cast<std::size_t>(g);
    if (index >= GrahaNames.size()) return {};
    if (language == Language::English) return std::string(GrahaNames[index].name);
    return std::string(NameAt(NameTable::Graha, static_cast<int>(index), language).value_or(GrahaNames[index].name));
}

std::vector<ChartRow> ChartRows(const BirthChart& c, Language language) {
    std::vector<ChartRow> rows;
    rows.push_back(RowOf(ChartWord(LagnaName.name, language), LagnaName.abbreviation, c.lagna, language));
    for (std::size_t g = 0; g < c.grahas.size(); ++g) {
        rows.push_back(RowOf(GrahaNameIn(static_cast<Graha>(g), language), GrahaNames[g].abbreviation, c.grahas[g],
                             language));
    }
    return rows;
}

std::string NodeKindText(NodeKind node, Language language) {
    return ChartWord(node == NodeKind::True ? "Rahu: true node" : "Rahu: mean node", language);
}

std::string DashaYearsText(double years, Language language) {
    if (!std::isfinite(years) || years < 0 || years > 1000) return {};
    // Whole years, whole twelfths of a year, and whole days of the rest
    // (a twelfth of a dasha year is 30.4375 days).
    const double whole = std::floor(years);
    const double twelfths = (years - whole) * 12;
    const double months = std::floor(twelfths);
    const double days = std::floor((twelfths - months) * (DashaYearDays / 12));
    return FillChartPattern(ChartWord("%1 years %2 months %3 days", language),
                            {std::to_string(static_cast<int>(whole)), std::to_string(static_cast<int>(months)),
                             std::to_string(static_cast<int>(days))});
}

std::string DashaBalanceText(const BirthChart& c, Language language) {
    return GrahaNameIn(c.dasha.birthLord, language) + ", " + DashaYearsText(c.dasha.balanceYears, language);
}

std::optional<std::string> RunningDashaText(const BirthChart& c, double jdUt, Language language) {
    const std::optional<RunningDasha> at = DashaRunningAt(c.dasha, jdUt);
    if (!at) return std::nullopt;
    const Mahadasha& md = c.dasha.mahadashas[static_cast<std::size_t>(at->mahadasha)];
    return PeriodText(c, md.period, md.antardashas[static_cast<std::size_t>(at->antardasha)], language);
}

std::optional<std::string> NextDashaText(const BirthChart& c, double jdUt, Language language) {
    const std::optional<RunningDasha> at = DashaRunningAt(c.dasha, jdUt);
    if (!at) return std::nullopt;
    int m = at->mahadasha;
    int a = at->antardasha + 1;
    if (a == 9) {
        a = 0;
        ++m;
    }
    if (m == 9) return std::nullopt;
    const Mahadasha& md = c.dasha.mahadashas[static_cast<std::size_t>(m)];
    return PeriodText(c, md.period, md.antardashas[static_cast<std::size_t>(a)], language);
}

std::string ChartPlainText(const BirthChart& c, Language language) {
    const auto word = [language](std::string_view english) { return ChartWord(english, language); };
    const auto span = [&](double from, double to) {
        return FillChartPattern(word("%1 to %2"), {ChartDateText(from, c.zoneHours), ChartDateText(to, c.zoneHours)});
    };
    std::string out =
        FillChartPattern(word("Chart (sidereal, Lahiri ayanamsa %1)"), {DegreeInSignText(ChartPointOf(c.ayanamsa, 0))});
    out += "\n  " + Pad("", 13) + Pad(word("Sign"), 12) + Pad(word("Degree"), 12) + Pad(word("Nakshatra"), 19) +
           Pad(word("Pada"), 6) + word("Navamsa") + "\n";
    for (const ChartRow& r : ChartRows(c, language)) {
        std::string line = "  " + Pad(r.name + " (" + r.abbreviation + ")", 13) + Pad(r.sign, 12) + Pad(r.degree, 12) +
                           Pad(r.nakshatra, 19) + Pad(r.pada, 6) + Pad(r.navamsa, 12) + r.motion;
        while (!line.empty() && line.back() == ' ') line.pop_back();
        out += line + "\n";
    }
    // Appended piece by piece: GCC 12 at -O3 takes `"  " + std::string&&` for an overlapping copy.
    out += "  ";
    out += FillChartPattern(word("%1, Ketu opposite"), {NodeKindText(c.node, language)});
    out += "\n\n";
    out += word("Vimshottari dasha");
    out += " ";
    out += word("(a year of 365.25 days)");
    out += "\n  ";
    out += FillChartPattern(word("Balance at birth: %1"), {DashaBalanceText(c, language)});
    out += "\n";
    for (const Mahadasha& md : c.dasha.mahadashas) {
        out += "  " + Pad(GrahaNameIn(md.period.lord, language), 10) + span(md.period.startJdUt, md.period.endJdUt) +
               "\n";
        for (const DashaPeriod& p : md.antardashas) {
            out += "    " + Pad(GrahaNameIn(p.lord, language), 10) + span(p.startJdUt, p.endJdUt) + "\n";
        }
    }
    return out;
}

}  // namespace velmora
