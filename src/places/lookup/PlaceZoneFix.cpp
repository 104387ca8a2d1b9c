#include "places/lookup/PlaceZoneFix.h"

#include <cmath>
#include <fstream>
#include <sstream>

#include "places/lookup/PlaceText.h"

namespace velmora {

namespace {

// "+DDMM", "+DDMMSS" (latitude, two degree digits) or "-DDDMM", "-DDDMMSS".
bool ReadAngle(const std::string& text, std::size_t degreeDigits, double& value) {
    if (text.size() != degreeDigits + 3 && text.size() != degreeDigits + 5) return false;
    if (text[0] != '+' && text[0] != '-') return false;
    int parts[3] = {0, 0, 0};
    std::size_t at = 1;
    for (int k = 0; at < text.size(); ++k) {
        const std::size_t width = k == 0 ? degreeDigits : 2;
        for (std::size_t i = 0; i < width; ++i, ++at) {
            if (text[at] < '0' || text[at] > '9') return false;
            parts[k] = parts[k] * 10 + (text[at] - '0');
        }
    }
    if (parts[1] > 59 || parts[2] > 59) return false;
    value = parts[0] + parts[1] / 60.0 + parts[2] / 3600.0;
    if (text[0] == '-') value = -value;
    return true;
}

}  // namespace

bool ReadIso6709(const std::string& text, double& latitude, double& longitude) {
    const std::size_t split = text.find_first_of("+-", 1);
    if (split == std::string::npos) return false;
    return ReadAngle(text.substr(0, split), 2, latitude) && ReadAngle(text.substr(split), 3, longitude) &&
           std::fabs(latitude) <= 90 && std::fabs(longitude) <= 180;
}

double DistanceKilometres(double lat1, double lon1, double lat2, double lon2) {
    constexpr double kRadian = 3.14159265358979323846 / 180;
    constexpr double kEarthKilometres = 6371;
    const double dLat = (lat2 - lat1) * kRadian;
    const double dLon = (lon2 - lon1) * kRadian;
    const double a = std::sin(dLat / 2) * std::sin(dLat / 2) +
                     std::cos(lat1 * kRadian) * std::cos(lat2 * kRadian) * std::sin(dLon / 2) * std::sin(dLon / 2);
    return 2 * kEarthKilometres * std::asin(std::sqrt(std::fmin(1.0, a)));
}

PlaceZoneFix::PlaceZoneFix(std::string zone1970Path) : path_(std::move(zone1970Path)) {}

void PlaceZoneFix::Load() const {
    std::ifstream in(path_);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string countries, coordinates, id;
        if (!std::getline(fields, countries, '\t') || !std::getline(fields, coordinates, '\t') ||
            !std::getline(fields, id, '\t')) {
            continue;
        }
        Zone zone;
        if (!ReadIso6709(coordinates, zone.latitude, zone.longitude)) continue;
        zone.country = countries.substr(0, countries.find(','));
        std::string city = id.substr(id.rfind('/') + 1);
        for (char& c : city) {
            if (c == '_') c = ' ';
        }
        zone.city = FoldedPlaceText(city);
        zone.id = std::move(id);
        zones_.push_back(std::move(zone));
    }
}

bool PlaceZoneFix::Fix(Place& place) const {
    std::call_once(loaded_, [this] { Load(); });
    const QString name = FoldedPlaceText(place.name);
    for (const Zone& zone : zones_) {
        if (zone.city != name || zone.country != place.countryCode || zone.id == place.zoneId) continue;
        if (!(DistanceKilometres(place.latitude, place.longitude, zone.latitude, zone.longitude) <= kNamesakeKilometres)) {
            continue;
        }
        place.gazetteerZoneId = place.zoneId;
        place.zoneId = zone.id;
        return true;
    }
    return false;
}

}  // namespace velmora
