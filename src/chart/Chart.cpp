#include "chart/Chart.h"

#include <cmath>
#include <cstdio>

#include "astronomy/Calendar.h"
#include "astronomy/Epochs.h"
#include "engine/Engine.h"
#include "panchang/PanchangReport.h"

namespace velmora {

ChartPoint ChartPointOf(double siderealDeg, double speedDegPerDay) {
    ChartPoint p;
    double lon = std::fmod(siderealDeg, 360.0);
    if (!(lon >= 0)) lon = lon < 0 ? lon + 360.0 : 0.0;  // NaN becomes 0°
    if (lon >= 360.0) lon = 0;
    p.longitude = lon;
    p.speed = speedDegPerDay;
    // Whole arcseconds, cut (never rounded up into the next sign).
    const long long seconds = static_cast<long long>(std::floor(lon * 3600.0));
    p.sign = static_cast<int>(seconds / (30 * 3600)) % 12;
    const long long inSign = seconds % (30 * 3600);
    p.degree = static_cast<int>(inSign / 3600);
    p.minute = static_cast<int>(inSign / 60 % 60);
    p.second = static_cast<int>(inSign % 60);
    // 13°20′ = 48,000″ a nakshatra, 12,000″ a pada (= a navamsa's 3°20′).
    const long long quarter = seconds / 12000;
    p.nakshatra = static_cast<int>(quarter / 4) % 27;
    p.pada = static_cast<int>(quarter % 4) + 1;
    p.navamsaSign = static_cast<int>(quarter % 12);
    p.retrograde = speedDegPerDay < 0;
    return p;
}

std::optional<BirthChart> ChartAt(double jdUt, double deltaTSeconds, double latitudeDeg, double longitudeEastDeg,
                                  double zoneHours, NodeKind node) {
    if (!std::isfinite(jdUt) || !std::isfinite(deltaTSeconds) || !std::isfinite(latitudeDeg) ||
        !std::isfinite(longitudeEastDeg) || !std::isfinite(zoneHours)) {
        return std::nullopt;
    }
    const SiderealSky sky = SiderealSkyAt(jdUt, deltaTSeconds, latitudeDeg, longitudeEastDeg, node);
    BirthChart c;
    c.node = node;
    c.jdUt = jdUt;
    c.zoneHours = zoneHours;
    c.ayanamsa = sky.ayanamsa;
    c.lagna = ChartPointOf(sky.lagna, 0);
    for (int g = 0; g < GrahaCount; ++g) {
        const GrahaPlace& place = sky.grahas[static_cast<std::size_t>(g)];
        c.grahas[static_cast<std::size_t>(g)] = ChartPointOf(place.longitude, place.speed);
    }
    // The luminaries never go backwards; a tiny negative rate would only be
    // rounding.
    c.grahas[static_cast<int>(Graha::Sun)].retrograde = false;
    c.grahas[static_cast<int>(Graha::Moon)].retrograde = false;
    const std::optional<Vimshottari> dasha =
        VimshottariOf(c.grahas[static_cast<int>(Graha::Moon)].longitude, jdUt);
    if (!dasha) return std::nullopt;
    c.dasha = *dasha;
    return c;
}

std::optional<BirthChart> ChartOf(const BirthRecord& birth, NodeKind node) {
    if (birth.QueryMonth < 1 || birth.QueryMonth > 12 || birth.QueryDay < 1 || birth.QueryDay > 31) return std::nullopt;
    // The moment exactly as the panchang's report forms it.
    const WorkingValues working = PrepareWorkingValues(birth, J2000);
    const PanchangMoment moment = PanchangTimeChain(working);
    const double latitude = (birth.LatDegrees + birth.LatMinutes / 60.0) * (birth.LatIsSouth ? -1 : 1);
    const double longitude = (birth.LonDegrees + birth.LonMinutes / 60.0) * (birth.LonIsEast ? 1 : -1);
    return ChartAt(moment.jdUt, moment.deltaT * 3600.0, latitude, longitude, working.SignedZone, node);
}

std::string DegreeInSignText(const ChartPoint& p) {
    char text[48];
    std::snprintf(text, sizeof text, "%d\xC2\xB0%02d\xE2\x80\xB2%02d\xE2\x80\xB3", p.degree, p.minute, p.second);
    return text;
}

std::string ChartDateText(double jdUt, double zoneHours) {
    CalendarMoment local;
    if (!std::isfinite(jdUt) || !std::isfinite(zoneHours) || !CalendarFromJulianDay(jdUt + zoneHours / 24, local)) {
        return {};
    }
    char text[32];
    std::snprintf(text, sizeof text, "%04lld-%02lld-%02lld", local.year, local.month, local.day);
    return text;
}

}  // namespace velmora
