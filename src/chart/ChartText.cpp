#include "chart/ChartText.h"

#include <cmath>
#include <cstdio>

#include "chart/ChartNames.h"
#include "engine/Engine.h"

namespace velmora {

namespace {

std::string_view Name(Graha g) { return GrahaNames[static_cast<std::size_t>(g)].name; }

ChartRow RowOf(const GrahaName& name, const ChartPoint& p) {
    ChartRow r;
    r.name = name.name;
    r.abbreviation = name.abbreviation;
    r.sign = ChartSignNames[static_cast<std::size_t>(p.sign % 12)];
    r.degree = DegreeInSignText(p);
    r.nakshatra = NakshatraNames[static_cast<std::size_t>(p.nakshatra % 27)];
    r.pada = std::to_string(p.pada);
    r.navamsa = ChartSignNames[static_cast<std::size_t>(p.navamsaSign % 12)];
    if (p.retrograde) r.motion = RetrogradeWord;
    return r;
}

std::string PeriodText(const BirthChart& c, const DashaPeriod& maha, const DashaPeriod& antar) {
    return std::string(Name(maha.lord)) + "\xE2\x80\x93" + std::string(Name(antar.lord)) + ", " +
           ChartDateText(antar.startJdUt, c.zoneHours) + " to " + ChartDateText(antar.endJdUt, c.zoneHours);
}

// Columns a UTF-8 text takes (one per code point).
std::size_t Columns(std::string_view s) {
    std::size_t n = 0;
    for (const char ch : s) {
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++n;
    }
    return n;
}

std::string Pad(std::string s, std::size_t width) {
    std::size_t used = Columns(s);
    while (used++ < width) s += ' ';
    return s;
}

}  // namespace

std::vector<ChartRow> ChartRows(const BirthChart& c) {
    std::vector<ChartRow> rows;
    rows.push_back(RowOf(LagnaName, c.lagna));
    for (std::size_t g = 0; g < c.grahas.size(); ++g) rows.push_back(RowOf(GrahaNames[g], c.grahas[g]));
    return rows;
}

std::string NodeKindText(NodeKind node) {
    return node == NodeKind::True ? "Rahu: true node" : "Rahu: mean node";
}

std::string DashaYearsText(double years) {
    if (!std::isfinite(years) || years < 0 || years > 1000) return {};
    // Whole years, whole twelfths of a year, and whole days of the rest
    // (a twelfth of a dasha year is 30.4375 days).
    const double whole = std::floor(years);
    const double twelfths = (years - whole) * 12;
    const double months = std::floor(twelfths);
    const double days = std::floor((twelfths - months) * (DashaYearDays / 12));
    char text[96];
    std::snprintf(text, sizeof text, "%d years %d months %d days", static_cast<int>(whole), static_cast<int>(months),
                  static_cast<int>(days));
    return text;
}

std::string DashaBalanceText(const BirthChart& c) {
    return std::string(Name(c.dasha.birthLord)) + ", " + DashaYearsText(c.dasha.balanceYears);
}

std::optional<std::string> RunningDashaText(const BirthChart& c, double jdUt) {
    const std::optional<RunningDasha> at = DashaRunningAt(c.dasha, jdUt);
    if (!at) return std::nullopt;
    const Mahadasha& md = c.dasha.mahadashas[static_cast<std::size_t>(at->mahadasha)];
    return PeriodText(c, md.period, md.antardashas[static_cast<std::size_t>(at->antardasha)]);
}

std::optional<std::string> NextDashaText(const BirthChart& c, double jdUt) {
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
    return PeriodText(c, md.period, md.antardashas[static_cast<std::size_t>(a)]);
}

std::string ChartPlainText(const BirthChart& c) {
    std::string out = "Chart (sidereal, Lahiri ayanamsa " + DegreeInSignText(ChartPointOf(c.ayanamsa, 0)) + ")\n";
    out += "  " + Pad("", 13) + Pad("Sign", 12) + Pad("Degree", 12) + Pad("Nakshatra", 19) + Pad("Pada", 6) +
           "Navamsa\n";
    for (const ChartRow& r : ChartRows(c)) {
        std::string line = "  " + Pad(r.name + " (" + r.abbreviation + ")", 13) + Pad(r.sign, 12) + Pad(r.degree, 12) +
                           Pad(r.nakshatra, 19) + Pad(r.pada, 6) + Pad(r.navamsa, 12) + r.motion;
        while (!line.empty() && line.back() == ' ') line.pop_back();
        out += line + "\n";
    }
    out += "  " + NodeKindText(c.node) + ", Ketu opposite\n";
    out += "\nVimshottari dasha (a year of 365.25 days)\n";
    out += "  Balance at birth: " + DashaBalanceText(c) + "\n";
    for (const Mahadasha& md : c.dasha.mahadashas) {
        out += "  " + Pad(std::string(Name(md.period.lord)), 10) + ChartDateText(md.period.startJdUt, c.zoneHours) +
               " to " + ChartDateText(md.period.endJdUt, c.zoneHours) + "\n";
        for (const DashaPeriod& p : md.antardashas) {
            out += "    " + Pad(std::string(Name(p.lord)), 10) + ChartDateText(p.startJdUt, c.zoneHours) + " to " +
                   ChartDateText(p.endJdUt, c.zoneHours) + "\n";
        }
    }
    return out;
}

}  // namespace velmora
