// glib's headers first: Qt's keyword macros (signals, slots) must not reach them.
#include <geonames.h>

#include "places/lookup/GeonamesDirectory.h"

#include <QString>

#include <algorithm>
#include <memory>

#include "places/lookup/PlaceText.h"

namespace velmora {

namespace {

std::string Utf8(const char* text) { return text == nullptr ? std::string() : std::string(text); }

struct GFreeDeleter {
    void operator()(gint* p) const { g_free(p); }
};

struct CityDeleter {
    void operator()(GeonamesCity* c) const { geonames_city_free(c); }
};

}  // namespace

std::vector<Place> GeonamesDirectory::Find(const PlaceQuery& query) const {
    std::vector<Place> places;
    if (query.city.empty() || query.city.size() > MaxPlaceTextBytes) return places;
    guint length = 0;
    GError* error = nullptr;
    std::unique_ptr<gint, GFreeDeleter> found(
        geonames_query_cities_sync(query.city.c_str(), GEONAMES_QUERY_DEFAULT, &length, nullptr, &error));
    if (error != nullptr) g_error_free(error);
    if (!found) return places;

    const QString city = FoldedPlaceText(query.city);
    const QString state = FoldedPlaceText(query.state);
    const QString country = FoldedPlaceText(query.country);
    const int count = geonames_get_n_cities();
    for (guint i = 0; i < length; ++i) {
        const gint index = found.get()[i];
        if (index < 0 || index >= count) continue;
        const std::unique_ptr<GeonamesCity, CityDeleter> c(geonames_get_city(index));
        if (!c) continue;
        Place place;
        place.name = Utf8(geonames_city_get_name(c.get()));
        place.state = ShortStateName(Utf8(geonames_city_get_state(c.get())));
        place.country = Utf8(geonames_city_get_country(c.get()));
        place.countryCode = Utf8(geonames_city_get_country_code(c.get()));
        place.zoneId = Utf8(geonames_city_get_timezone(c.get()));
        place.latitude = geonames_city_get_latitude(c.get());
        place.longitude = geonames_city_get_longitude(c.get());
        place.population = geonames_city_get_population(c.get());
        if (!state.isEmpty() && !FoldedPlaceText(place.state).startsWith(state)) continue;
        if (!country.isEmpty() && !FoldedPlaceText(place.country).startsWith(country) &&
            FoldedPlaceText(place.countryCode) != country) {
            continue;
        }
        place.exactName = FoldedPlaceText(place.name) == city;
        places.push_back(std::move(place));
    }
    std::stable_sort(places.begin(), places.end(),
                     [](const Place& a, const Place& b) { return a.population > b.population; });
    return places;
}

}  // namespace velmora
