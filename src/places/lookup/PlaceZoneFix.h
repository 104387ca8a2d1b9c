#pragma once

#include <QString>

#include <mutex>
#include <string>
#include <vector>

#include "places/Place.h"

namespace velmora {

// Zones the time-zone database has split off since the gazetteer was made.
// tzdata names a new zone for the city it starts from and lists it in
// zone1970.tab with that city's coordinates: Ciudad Juárez left
// America/Ojinaga for America/Ciudad_Juarez in 2022, and Vincennes, Indiana,
// has America/Indiana/Vincennes while the gazetteer says America/Chicago. The
// rule: a place takes the zone named for it (the zone's last part, "_" read
// as a blank, is the place's name, accents and case ignored) when the zone's
// first country is the place's and its principal location lies within
// kNamesakeKilometres of the place. Read on the first question.
class PlaceZoneFix {
public:
    explicit PlaceZoneFix(std::string zone1970Path = "/usr/share/zoneinfo/zone1970.tab");

    // Sets place.zoneId to the zone named for the place, keeping the
    // gazetteer's in place.gazetteerZoneId, when the two differ. True when it
    // changed the place.
    bool Fix(Place& place) const;

    static constexpr double kNamesakeKilometres = 25;

private:
    struct Zone {
        std::string id;       // "America/Ciudad_Juarez"
        std::string country;  // first of its countries, "MX"
        QString city;         // folded: "ciudad juarez"
        double latitude = 0, longitude = 0;
    };
    void Load() const;

    std::string path_;
    mutable std::once_flag loaded_;
    mutable std::vector<Zone> zones_;
};

// Degrees and minutes (and seconds) of zone1970.tab, "+3144-10629" or
// "+384038-0873143", as latitude and longitude in degrees; false when the
// text is not of that form.
bool ReadIso6709(const std::string& text, double& latitude, double& longitude);

// Great-circle distance in kilometres.
double DistanceKilometres(double lat1, double lon1, double lat2, double lon2);

}  // namespace velmora
