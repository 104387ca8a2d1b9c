// The gazetteer as a whole, walked from its own data (libgeonames' list of
// cities, read here through the library's plain calls) and from the
// time-zone database's tables: every state spelling the data uses, every
// large city, every country.
// glib's headers first: Qt's keyword macros must not reach them.
#include <geonames.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <memory>
#include <string>
#include <vector>

#include "places/lookup/GeonamesDirectory.h"
#include "places/lookup/PlaceFinder.h"
#include "places/lookup/PlaceZoneFix.h"

namespace velmora {
namespace {

struct LibraryCity {
    std::string name, state, country, countryCode, zone;
    double latitude = 0, longitude = 0;
    unsigned population = 0;
};

std::string Text(const char* s) { return s == nullptr ? std::string() : std::string(s); }

// Every city of the library, as it gives them.
const std::vector<LibraryCity>& LibraryCities() {
    static const std::vector<LibraryCity> cities = [] {
        std::vector<LibraryCity> all;
        for (int i = 0; i < geonames_get_n_cities(); ++i) {
            GeonamesCity* c = geonames_get_city(i);
            if (c == nullptr) continue;
            all.push_back(LibraryCity{Text(geonames_city_get_name(c)), Text(geonames_city_get_state(c)),
                                      Text(geonames_city_get_country(c)), Text(geonames_city_get_country_code(c)),
                                      Text(geonames_city_get_timezone(c)), geonames_city_get_latitude(c),
                                      geonames_city_get_longitude(c), geonames_city_get_population(c)});
            geonames_city_free(c);
        }
        return all;
    }();
    return cities;
}

const GeonamesDirectory& Directory() {
    static const GeonamesDirectory directory;
    return directory;
}

bool Among(const std::vector<Place>& places, const LibraryCity& city) {
    for (const Place& p : places) {
        if (p.name == city.name && p.countryCode == city.countryCode && std::fabs(p.latitude - city.latitude) < 1e-9 &&
            std::fabs(p.longitude - city.longitude) < 1e-9) {
            return true;
        }
    }
    return false;
}

TEST(GazetteerStates, TheDatasOwnStateSpellingsFindTheirCities) {
    // 323 Indian cities (and others elsewhere) carry "State of …", "Province
    // of …" or "Canton of …" in the data; the labels show the short form, and
    // both are taken, in any case.
    std::size_t walked = 0;
    for (const LibraryCity& city : LibraryCities()) {
        if (ShortStateName(city.state) == city.state) continue;
        ++walked;
        const std::vector<Place> three = Directory().Find(PlaceQuery{city.name, city.state, city.country}, AllPlaces);
        EXPECT_TRUE(Among(three, city)) << city.name << ", " << city.state << ", " << city.country;
        if (city.countryCode != "IN") continue;
        const std::vector<Place> two = Directory().Find(PlaceQuery{city.name, city.state, ""}, AllPlaces);
        EXPECT_TRUE(Among(two, city)) << city.name << ", " << city.state;
    }
    EXPECT_GT(walked, 323u);
    std::printf("%zu cities with such a state walked\n", walked);
    struct Case {
        const char* text;
        const char* label;
    };
    for (const Case& c : {Case{"Konch, State of Uttar Pradesh, India", "Konch, Uttar Pradesh, India"},
                          Case{"konch, state of uttar pradesh", "Konch, Uttar Pradesh, India"},
                          Case{"Konch, Uttar Pradesh, India", "Konch, Uttar Pradesh, India"},
                          Case{"Pune, State of Mah\u0101r\u0101shtra, India", "Pune, Maharashtra, India"}}) {
        const PlaceAnswer a = FindPlaceOnDate(Directory(), c.text, {2026, 12, 7, 12, 0});
        ASSERT_TRUE(a.found) << c.text << ": " << a.problem;
        EXPECT_EQ(PlaceLabel(a.place.place), c.label) << c.text;
        EXPECT_EQ(a.place.clock.zoneId, "Asia/Kolkata");
    }
    // The words alone are no state: nothing is widened by them.
    EXPECT_TRUE(Directory().Find(PlaceQuery{"Konch", "State of", "India"}, AllPlaces).empty());
    EXPECT_TRUE(Directory().Find(PlaceQuery{"Konch", "State of Texas", ""}, AllPlaces).empty());
}


TEST(GazetteerCities, EveryCityOfOverAMillionFoundByItsName) {
    std::size_t walked = 0;
    for (const LibraryCity& city : LibraryCities()) {
        if (city.population <= 1000000) continue;
        ++walked;
        // Its name alone finds it among the matches, and takes a place of that very name.
        const std::vector<Place> matches = Directory().Find(PlaceQuery{city.name, "", ""}, AllPlaces);
        EXPECT_TRUE(Among(matches, city)) << city.name;
        const PlaceAnswer byName = FindPlaceOnDate(Directory(), city.name, {2026, 12, 7, 12, 0});
        ASSERT_TRUE(byName.found) << city.name << ": " << byName.problem;
        EXPECT_TRUE(byName.place.place.exactName) << city.name << " took " << PlaceLabel(byName.place.place);
        // With its country it is the one taken.
        const PlaceAnswer withCountry =
            FindPlaceOnDate(Directory(), city.name + ", , " + city.country, {2026, 12, 7, 12, 0});
        ASSERT_TRUE(withCountry.found) << city.name << ": " << withCountry.problem;
        if (withCountry.place.place.population == city.population) {
            EXPECT_EQ(withCountry.place.place.zoneId.empty(), false);
        } else {
            // Two of that name in one country: the look-up takes the larger.
            EXPECT_GT(withCountry.place.place.population, city.population) << city.name;
        }
    }
    EXPECT_GT(walked, 400u);
}

// The time-zone database's tables, read here on their own.
struct ZoneRow {
    std::string country, zone;
    double latitude = 0, longitude = 0;
};
std::vector<ZoneRow> ZoneTab() {
    std::vector<ZoneRow> rows;
    std::ifstream in("/usr/share/zoneinfo/zone.tab");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        ZoneRow row;
        std::string coordinates;
        std::getline(fields, row.country, '\t');
        std::getline(fields, coordinates, '\t');
        std::getline(fields, row.zone, '\t');
        if (!ReadIso6709(coordinates, row.latitude, row.longitude)) continue;
        rows.push_back(row);
    }
    return rows;
}

TEST(GazetteerCountries, EveryCountryOfTheZoneTablesHasItsPlaces) {
    const std::vector<ZoneRow> zones = ZoneTab();
    ASSERT_GT(zones.size(), 300u);
    std::map<std::string, int> zonesOf;
    for (const ZoneRow& z : zones) ++zonesOf[z.country];
    std::set<std::string> countries;
    for (const LibraryCity& c : LibraryCities()) countries.insert(c.countryCode);
    std::size_t walked = 0;
    for (const ZoneRow& z : zones) {
        // A country with no city in the data, or on one clock: the place its
        // zone is named for lies within 25 km of a place found by that
        // place's name, on that place's zone.
        if (countries.count(z.country) != 0 && zonesOf[z.country] != 1) continue;
        ++walked;
        std::string name = z.zone.substr(z.zone.rfind('/') + 1);
        for (char& c : name) {
            if (c == '_') c = ' ';
        }
        bool near = false;
        for (const LibraryCity& c : LibraryCities()) {
            near = near || (c.countryCode == z.country &&
                            (c.name == name || DistanceKilometres(c.latitude, c.longitude, z.latitude, z.longitude) <= 25));
        }
        if (near) continue;  // the data's own city there, or of that name
        auto fromTable = [&z](const Place& p) {
            return p.countryCode == z.country && p.zoneId == z.zone && p.state.empty() && p.population == 0 &&
                   DistanceKilometres(p.latitude, p.longitude, z.latitude, z.longitude) < 0.01;
        };
        // With its country's code it is found.
        const std::vector<Place> inCountry = Directory().Find(PlaceQuery{name, "", z.country}, AllPlaces);
        EXPECT_TRUE(std::any_of(inCountry.begin(), inCountry.end(), fromTable)) << z.country << " " << z.zone;
        // By its name alone: found, unless the gazetteer's cities answer that
        // name, which then find what they found before (Troll finds
        // Trollhättan, Wake Wakefield), never the two mixed.
        const std::vector<Place> byName = Directory().Find(PlaceQuery{name, "", ""}, AllPlaces);
        const auto tables = std::count_if(byName.begin(), byName.end(), fromTable);
        EXPECT_TRUE(tables == 0 || static_cast<std::size_t>(tables) == byName.size()) << name;
        EXPECT_FALSE(byName.empty()) << name;
    }
    EXPECT_GT(walked, 60u);
}

TEST(GazetteerCountries, CityStatesAndCapitalsTheDataLacks) {
    // The zones' points as zone.tab publishes them; the clocks in December 2026.
    struct Case {
        const char* text;
        const char* label;
        const char* zone;
        int offsetMinutes;
        double latitude, longitude;  // degrees
    };
    for (const Case& c : {
             Case{"Singapore", "Singapore, Singapore", "Asia/Singapore", 480, 1 + 17 / 60.0, 103 + 51 / 60.0},
             Case{"singapore, SG", "Singapore, Singapore", "Asia/Singapore", 480, 1 + 17 / 60.0, 103 + 51 / 60.0},
             Case{"Nouakchott", "Nouakchott, Mauritania", "Africa/Nouakchott", 0, 18 + 6 / 60.0, -(15 + 57 / 60.0)},
             Case{"Gibraltar", "Gibraltar, Gibraltar", "Europe/Gibraltar", 60, 36 + 8 / 60.0, -(5 + 21 / 60.0)},
             Case{"Vatican City", "Vatican (Vatican City), Vatican City", "Europe/Vatican", 60,
                  41 + 54 / 60.0 + 8 / 3600.0, 12 + 27 / 60.0 + 11 / 3600.0},
             Case{"Macau, Macau", "Macau, Macau", "Asia/Macau", 480, 22 + 11 / 60.0 + 50 / 3600.0,
                  113 + 32 / 60.0 + 30 / 3600.0},
         }) {
        const PlaceAnswer a = FindPlaceOnDate(Directory(), c.text, {2026, 12, 7, 12, 0});
        ASSERT_TRUE(a.found) << c.text << ": " << a.problem;
        EXPECT_EQ(PlaceLabel(a.place.place), c.label) << c.text;
        EXPECT_EQ(a.place.clock.zoneId, c.zone) << c.text;
        EXPECT_EQ(a.place.clock.offsetSeconds, c.offsetMinutes * 60) << c.text;
        EXPECT_NEAR(a.place.place.latitude, c.latitude, 1e-4) << c.text;
        EXPECT_NEAR(a.place.place.longitude, c.longitude, 1e-4) << c.text;
    }
    // A name the gazetteer's cities answer keeps its answer: the tables'
    // places are looked at only where none matches.
    for (const auto& [text, name] : {std::pair{"Wake", "Wakefield"}, std::pair{"Troll", "Trollh\u00E4ttan"},
                                     std::pair{"Wake, UM", "Wake"}, std::pair{"Stanley, Falkland", "Stanley"}}) {
        const PlaceAnswer a = FindPlaceOnDate(Directory(), text, {2026, 12, 7, 12, 0});
        ASSERT_TRUE(a.found) << text;
        EXPECT_EQ(a.place.place.name, name) << text;
    }
    // Kazakhstan's capital by its name since 2022 (the data has the one of
    // 2019), on the country's single clock of UTC+5 since March 2024.
    const PlaceAnswer astana = FindPlaceOnDate(Directory(), "Astana", {2026, 12, 7, 12, 0});
    ASSERT_TRUE(astana.found);
    EXPECT_EQ(astana.place.place.name, "Nur-Sultan");
    EXPECT_EQ(astana.place.place.otherName, "Astana");
    EXPECT_EQ(astana.place.clock.offsetSeconds, 5 * 3600);
}

}  // namespace
}  // namespace velmora
