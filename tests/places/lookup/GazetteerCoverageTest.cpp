// The gazetteer as a whole, walked from its own data (libgeonames' list of
// cities, read here through the library's plain calls) and from the
// time-zone database's tables: every state spelling the data uses, every
// large city, every country.
// glib's headers first: Qt's keyword macros must not reach them.
#include <geonames.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "places/lookup/GeonamesDirectory.h"
#include "places/lookup/PlaceFinder.h"

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

}  // namespace
}  // namespace velmora
