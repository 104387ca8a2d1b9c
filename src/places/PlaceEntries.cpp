#include "places/PlaceEntries.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace velmora {

namespace {

constexpr int kHour = 3600;

// Whole minutes nearest to a size in seconds (halves away from zero).
int RoundToMinutes(int seconds) {
    return seconds >= 0 ? (seconds + 30) / 60 : -((-seconds + 30) / 60);
}

CoordinateBoxes Coordinate(double value, int maxDegrees) {
    CoordinateBoxes boxes;
    if (!std::isfinite(value)) return boxes;
    boxes.button = value < 0 ? 1 : 0;
    const double limit = maxDegrees * 60.0 + 59.0;
    const double minutes = std::fmin(std::round(std::fabs(value) * 60.0), limit);
    const int total = static_cast<int>(minutes);
    boxes.degrees = total / 60;
    boxes.minutes = total % 60;
    return boxes;
}

std::string Two(int n) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

}  // namespace

bool CountedEast(const PlaceEntries& e) {
    // 0°00' East counts as west in the calculation.
    return e.optLong == 0 && (e.txtLonD != "0" || e.txtLonM != "0");
}

ZoneBoxes ZoneBoxesFor(const ClockOnDate& clock, bool countedEast) {
    auto boxes = [&clock, countedEast](bool dst) {
        ZoneBoxes z;
        z.dst = dst;
        const int dstSeconds = dst ? kHour : 0;
        // East: clock = UT + size + DST. West: clock = UT - size + DST.
        const int needed = countedEast ? clock.offsetSeconds - dstSeconds : dstSeconds - clock.offsetSeconds;
        int size = RoundToMinutes(needed);
        z.fits = size >= 0;
        if (!z.fits) size = 0;
        z.hours = size / 60;
        z.minutes = size % 60;
        const int model = (countedEast ? size * 60 : -size * 60) + dstSeconds;
        z.offBySeconds = clock.offsetSeconds - model;
        return z;
    };
    const ZoneBoxes asItIs = boxes(clock.Daylight());
    if (asItIs.fits || asItIs.dst) return asItIs;
    ZoneBoxes ticked = boxes(true);
    if (!ticked.fits) return asItIs;
    ticked.dstForOffset = true;
    return ticked;
}

CoordinateBoxes LatitudeBoxes(double latitude) { return Coordinate(latitude, 89); }
CoordinateBoxes LongitudeBoxes(double longitude) { return Coordinate(longitude, 179); }

void FillZone(PlaceEntries& e, const ClockOnDate& clock) {
    e.zone = ZoneBoxesFor(clock, CountedEast(e));
    e.txtZoneHour = std::to_string(e.zone.hours);
    e.txtZoneMinute = std::to_string(e.zone.minutes);
    e.chkDST = e.zone.dst ? 1 : 0;
}

PlaceEntries PlaceEntriesFor(const Place& place, const ClockOnDate& clock) {
    PlaceEntries e;
    e.txtMCity = place.name;
    e.txtMState = place.state;
    e.txtMCountry = place.country;
    const CoordinateBoxes lat = LatitudeBoxes(place.latitude);
    e.txtLatD = std::to_string(lat.degrees);
    e.txtLatM = std::to_string(lat.minutes);
    e.optLat = lat.button;
    const CoordinateBoxes lon = LongitudeBoxes(place.longitude);
    e.txtLonD = std::to_string(lon.degrees);
    e.txtLonM = std::to_string(lon.minutes);
    e.optLong = lon.button;
    FillZone(e, clock);
    return e;
}

void ApplyPlaceEntries(const PlaceEntries& e, InputForm& form) {
    form.txtMCity = e.txtMCity;
    form.txtMState = e.txtMState;
    form.txtMCountry = e.txtMCountry;
    form.txtLatD = e.txtLatD;
    form.txtLatM = e.txtLatM;
    form.optLat = e.optLat;
    form.txtLonD = e.txtLonD;
    form.txtLonM = e.txtLonM;
    form.optLong = e.optLong;
    form.txtZoneHour = e.txtZoneHour;
    form.txtZoneMinute = e.txtZoneMinute;
    form.chkDST = e.chkDST;
}

std::string UtcOffsetText(int offsetSeconds) {
    const int size = std::abs(offsetSeconds);
    char text[32];
    if (size % 60 != 0) {
        std::snprintf(text, sizeof text, "UTC%c%d:%02d:%02d", offsetSeconds < 0 ? '-' : '+', size / kHour,
                      size % kHour / 60, size % 60);
    } else {
        std::snprintf(text, sizeof text, "UTC%c%d:%02d", offsetSeconds < 0 ? '-' : '+', size / kHour,
                      size % kHour / 60);
    }
    return text;
}

std::string MomentText(const LocalMoment& m) {
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", m.year, m.month, m.day, m.hour, m.minute);
    return text;
}

std::string DurationText(int seconds) {
    const int size = std::abs(seconds);
    const int hours = size / kHour;
    const int minutes = size % kHour / 60;
    std::string text;
    auto add = [&text](int n, const char* unit) {
        if (n == 0) return;
        if (!text.empty()) text += ' ';
        text += std::to_string(n) + " " + unit + (n == 1 ? "" : "s");
    };
    add(hours, "hour");
    add(minutes, "minute");
    if (text.empty()) add(size % 60, "second");
    return text.empty() ? "0 minutes" : text;
}

std::string ClockWarning(const Place& place, const ClockOnDate& clock, const LocalMoment& moment,
                         const PlaceEntries& e) {
    if (e.zone.fits) return {};
    const bool west = !CountedEast(e);
    std::string text = PlaceLabel(place) + " kept " + UtcOffsetText(clock.offsetSeconds) + " on " +
                       MomentText(moment) + " (" + clock.zoneId + "), a clock " +
                       (clock.offsetSeconds > 0 ? "ahead of" : "behind") + " Greenwich, but it lies " +
                       (west ? "west" : "east") + " of Greenwich. The window takes the zone's direction from the " +
                       "longitude, so it cannot hold this clock: with zone " + e.txtZoneHour + ":" +
                       Two(e.zone.minutes) + (e.zone.dst ? " and DST" : "") + " the results are for a moment " +
                       DurationText(e.zone.offBySeconds) + (e.zone.offBySeconds > 0 ? " later" : " earlier") +
                       " than the one entered.";
    return text;
}

std::string DstBoxNote(const Place& place, const ClockOnDate& clock, const LocalMoment& moment,
                       const PlaceEntries& e) {
    if (!e.zone.dstForOffset) return {};
    return PlaceLabel(place) + " kept " + UtcOffsetText(clock.offsetSeconds) + " on " + MomentText(moment) + " (" +
           clock.zoneId + "), a clock ahead of Greenwich, but it lies west of Greenwich, where the window counts " +
           "the zone as behind; zone " + e.txtZoneHour + ":" + Two(e.zone.minutes) +
           " with the DST box ticked gives exactly " + UtcOffsetText(clock.offsetSeconds) +
           ", so the box is ticked though no daylight saving was in force.";
}

std::string LocalTimeNote(const ClockOnDate& clock, const LocalMoment& moment) {
    switch (clock.kind) {
        case LocalTimeKind::Normal:
            return {};
        case LocalTimeKind::Skipped:
            return MomentText(moment) + " did not occur in " + clock.zoneId +
                   " (the clocks were put forward over it); read as standard time, " +
                   UtcOffsetText(clock.offsetSeconds) + ".";
        case LocalTimeKind::Repeated:
            return MomentText(moment) + " occurred twice in " + clock.zoneId +
                   " (the clocks were put back over it); read as standard time, " +
                   UtcOffsetText(clock.offsetSeconds) + ".";
    }
    return {};
}

std::string PlaceLine(const Place& place, const ClockOnDate& clock, const PlaceEntries& e) {
    const char* lat = e.optLat == 0 ? " N" : " S";
    const char* lon = e.optLong == 0 ? " E" : " W";
    return PlaceLabel(place) + ": " + e.txtLatD + "\u00B0 " + e.txtLatM + "'" + lat + ", " + e.txtLonD + "\u00B0 " +
           e.txtLonM + "'" + lon + ", zone " + e.txtZoneHour + ":" + Two(e.zone.minutes) +
           (e.zone.dst ? " with DST" : "") + " (" + clock.zoneId + ", " + UtcOffsetText(clock.offsetSeconds) + ")";
}

}  // namespace velmora
