// glib's headers first: Qt's keyword macros (signals, slots) must not reach them.
#include <geonames.h>

#include "places/lookup/GeonamesDirectory.h"

#include <algorithm>
#include <memory>

#include "places/lookup/PlaceText.h"

namespace velmora {

namespace {

std::string Utf8(const char* text) { return text == nullptr ? std::string() : std::string(text); }

struct CityDeleter {
    void operator()(GeonamesCity* c) const { geonames_city_free(c); }
};
using City = std::unique_ptr<GeonamesCity, CityDeleter>;

bool Matches(const QStringList& typed, const QStringList& words) {
    for (const QString& t : typed) {
        const bool found = std::any_of(words.begin(), words.end(), [&t](const QString& w) { return w.startsWith(t); });
        if (!found) return false;
    }
    return true;
}

}  // namespace

void GeonamesDirectory::Load() const {
    const int count = geonames_get_n_cities();
    entries_.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        const City c(geonames_get_city(i));
        if (!c) continue;
        Entry entry{i, geonames_city_get_population(c.get()), FoldedPlaceText(Utf8(geonames_city_get_name(c.get()))), {}};
        entry.words = PlaceWords(entry.folded);
        entries_.push_back(std::move(entry));
    }
    // Most populous first, so that matching keeps that order.
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const Entry& a, const Entry& b) { return a.population > b.population; });
}

std::vector<Place> GeonamesDirectory::Find(const PlaceQuery& query, std::size_t limit) const {
    std::vector<Place> places;
    if (query.city.size() > MaxPlaceTextBytes || query.state.size() > MaxPlaceTextBytes ||
        query.country.size() > MaxPlaceTextBytes) {
        return places;
    }
    const QString city = FoldedPlaceText(query.city);
    const QStringList typed = PlaceWords(city);
    if (typed.isEmpty() || limit == 0) return places;
    std::call_once(loaded_, [this] { Load(); });

    const QString state = FoldedPlaceText(query.state);
    const QString country = FoldedPlaceText(query.country);
    for (const Entry& entry : entries_) {
        if (!Matches(typed, entry.words)) continue;
        const City c(geonames_get_city(entry.index));
        if (!c) continue;
        Place place;
        place.name = Utf8(geonames_city_get_name(c.get()));
        place.state = ShortStateName(Utf8(geonames_city_get_state(c.get())));
        place.country = Utf8(geonames_city_get_country(c.get()));
        place.countryCode = Utf8(geonames_city_get_country_code(c.get()));
        place.zoneId = Utf8(geonames_city_get_timezone(c.get()));
        place.latitude = geonames_city_get_latitude(c.get());
        place.longitude = geonames_city_get_longitude(c.get());
        place.population = entry.population;
        if (!state.isEmpty() && !FoldedPlaceText(place.state).startsWith(state)) continue;
        if (!country.isEmpty() && !FoldedPlaceText(place.country).startsWith(country) &&
            FoldedPlaceText(place.countryCode) != country) {
            continue;
        }
        place.exactName = entry.folded == city;
        places.push_back(std::move(place));
        if (places.size() == limit) break;
    }
    return places;
}

}  // namespace velmora
