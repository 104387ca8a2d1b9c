#include "places/lookup/ZoneTablePlaces.h"

#include <fstream>
#include <map>
#include <set>

#include "places/lookup/PlaceZoneFix.h"

namespace velmora {

namespace {

// The tab-separated fields of the table's lines that are not comments.
std::vector<std::vector<std::string>> TableRows(const std::string& path) {
    std::vector<std::vector<std::string>> rows;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields;
        std::size_t start = 0;
        while (true) {
            const std::size_t tab = line.find('\t', start);
            fields.push_back(line.substr(start, tab == std::string::npos ? tab : tab - start));
            if (tab == std::string::npos) break;
            start = tab + 1;
        }
        rows.push_back(std::move(fields));
    }
    return rows;
}

}  // namespace

std::vector<IndexedPlace> ZoneTablePlaces(const std::vector<IndexedPlace>& gazetteer,
                                          std::string (*words)(const std::string&), const std::string& zoneTab,
                                          const std::string& countryTab) {
    std::map<std::string, std::string> countryNames;
    for (const auto& row : TableRows(countryTab)) {
        if (row.size() >= 2 && row[0].size() == 2) countryNames.emplace(row[0], row[1]);
    }
    struct Zone {
        std::string country, id;
        double latitude = 0, longitude = 0;
    };
    std::vector<Zone> zones;
    std::map<std::string, int> zonesOfCountry;
    for (const auto& row : TableRows(zoneTab)) {
        Zone zone;
        if (row.size() < 3 || row[0].size() != 2 || row[2].empty() ||
            !ReadIso6709(row[1], zone.latitude, zone.longitude)) {
            continue;
        }
        zone.country = row[0];
        zone.id = row[2];
        ++zonesOfCountry[zone.country];
        zones.push_back(std::move(zone));
    }
    std::map<std::string, std::vector<const IndexedPlace*>> citiesOfCountry;
    for (const IndexedPlace& p : gazetteer) citiesOfCountry[p.countryCode].push_back(&p);

    std::vector<IndexedPlace> places;
    for (const Zone& zone : zones) {
        const auto cities = citiesOfCountry.find(zone.country);
        const bool noCity = cities == citiesOfCountry.end();
        const bool oneZone = zonesOfCountry[zone.country] == 1;
        if (!noCity && !oneZone) continue;
        IndexedPlace place;
        place.name = zone.id.substr(zone.id.rfind('/') + 1);
        for (char& c : place.name) {
            if (c == '_') c = ' ';
        }
        place.words = words(place.name);
        if (place.words.empty()) continue;
        // The gazetteer has the place already: near the zone's point, or by
        // the very name (Longyearbyen lies 26 km from Arctic/Longyearbyen's
        // point, which is rounded to whole degrees).
        bool known = false;
        if (!noCity) {
            for (const IndexedPlace* city : cities->second) {
                if (city->words == place.words ||
                    DistanceKilometres(zone.latitude, zone.longitude, city->latitude, city->longitude) <=
                        PlaceZoneFix::kNamesakeKilometres) {
                    known = true;
                    break;
                }
            }
        }
        if (known) continue;
        const auto listed = countryNames.find(zone.country);
        place.country = !noCity ? cities->second.front()->country
                                : listed != countryNames.end() ? listed->second : zone.country;
        place.countryCode = zone.country;
        place.zoneId = zone.id;
        place.latitude = zone.latitude;
        place.longitude = zone.longitude;
        if (noCity && oneZone) {
            IndexedName other{place.country, words(place.country)};
            if (!other.words.empty() && other.words != place.words) place.others.push_back(std::move(other));
        }
        places.push_back(std::move(place));
    }
    return places;
}

}  // namespace velmora
