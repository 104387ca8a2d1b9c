#include "report/ChartJson.h"

#include <cmath>

#include <nlohmann/json.hpp>

#include "chart/ChartNames.h"
#include "chart/ChartText.h"
#include "engine/Engine.h"

namespace velmora {

namespace {

// Degrees to the 1/100,000 (under 0.04″): more would only show the theory's noise.
double Rounded(double deg) { return std::round(deg * 1e5) / 1e5; }

nlohmann::ordered_json PointJson(const GrahaName& name, const ChartPoint& p, bool withMotion) {
    nlohmann::ordered_json j;
    j["name"] = name.name;
    j["abbreviation"] = name.abbreviation;
    j["longitude"] = Rounded(p.longitude);
    j["sign"] = ChartSignNames[static_cast<std::size_t>(p.sign % 12)];
    j["degree"] = DegreeInSignText(p);
    j["nakshatra"] = NakshatraNames[static_cast<std::size_t>(p.nakshatra % 27)];
    j["pada"] = p.pada;
    j["navamsa"] = ChartSignNames[static_cast<std::size_t>(p.navamsaSign % 12)];
    if (withMotion) j["retrograde"] = p.retrograde;
    return j;
}

nlohmann::ordered_json PeriodJson(const BirthChart& c, const DashaPeriod& p) {
    nlohmann::ordered_json j;
    j["lord"] = GrahaNames[static_cast<std::size_t>(p.lord)].name;
    j["start"] = ChartDateText(p.startJdUt, c.zoneHours);
    j["end"] = ChartDateText(p.endJdUt, c.zoneHours);
    return j;
}

}  // namespace

std::string ChartJson(const BirthChart& c) {
    nlohmann::ordered_json j;
    j["node"] = c.node == NodeKind::True ? "true" : "mean";
    j["ayanamsa"] = Rounded(c.ayanamsa);
    j["lagna"] = PointJson(LagnaName, c.lagna, false);
    nlohmann::ordered_json grahas = nlohmann::ordered_json::array();
    nlohmann::ordered_json navamsa = nlohmann::ordered_json::array();
    navamsa.push_back({{"name", LagnaName.name}, {"sign", ChartSignNames[static_cast<std::size_t>(c.lagna.navamsaSign % 12)]}});
    for (std::size_t g = 0; g < c.grahas.size(); ++g) {
        grahas.push_back(PointJson(GrahaNames[g], c.grahas[g], true));
        navamsa.push_back(
            {{"name", GrahaNames[g].name}, {"sign", ChartSignNames[static_cast<std::size_t>(c.grahas[g].navamsaSign % 12)]}});
    }
    j["grahas"] = std::move(grahas);
    j["navamsa"] = std::move(navamsa);
    j["dasha_year_days"] = DashaYearDays;
    j["balance"] = {{"lord", GrahaNames[static_cast<std::size_t>(c.dasha.birthLord)].name},
                    {"years", std::round(c.dasha.balanceYears * 1e6) / 1e6},
                    {"text", DashaYearsText(c.dasha.balanceYears)}};
    nlohmann::ordered_json dasha = nlohmann::ordered_json::array();
    for (const Mahadasha& md : c.dasha.mahadashas) {
        nlohmann::ordered_json m = PeriodJson(c, md.period);
        nlohmann::ordered_json subs = nlohmann::ordered_json::array();
        for (const DashaPeriod& p : md.antardashas) subs.push_back(PeriodJson(c, p));
        m["antardashas"] = std::move(subs);
        dasha.push_back(std::move(m));
    }
    j["dasha"] = std::move(dasha);
    return j.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace velmora
