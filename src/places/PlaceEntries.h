#pragma once

#include <string>

#include "input/InputForm.h"
#include "places/Place.h"

// From a place and the clock it kept on a date to what the input window's
// boxes hold. The window's model of a clock: a zone size in hours and minutes
// with no sign, its direction taken from the longitude (east: ahead of
// Greenwich, west or 0°00': behind), and a DST box that puts the clock one
// hour ahead. Not every clock fits that model; these functions say when and by
// how much the results would then be off.
namespace velmora {

// A local date and clock time as the window holds them.
struct LocalMoment {
    int year = 1901;
    int month = 1;  // 1..12
    int day = 1;    // 1..31; a day past the month's end rolls over, as in the calculation
    int hour = 0;
    int minute = 0;
};

// How the local time reads on the clock's calendar.
enum class LocalTimeKind {
    Normal,    // occurs once
    Skipped,   // fell into the hour the clocks were put forward: never shown on a clock
    Repeated,  // the clocks were put back over it: shown twice
};

// The clock a zone kept at a local moment, as the time-zone database has it.
// For a skipped or repeated time this is the standard-time reading: the
// smaller of the two offsets around the change.
struct ClockOnDate {
    std::string zoneId;       // IANA name
    int offsetSeconds = 0;    // local clock minus UT
    int standardSeconds = 0;  // the zone's standard time then; below offsetSeconds while daylight saving applies
    LocalTimeKind kind = LocalTimeKind::Normal;

    bool Daylight() const { return offsetSeconds > standardSeconds; }
};

// The zone boxes for a clock.
struct ZoneBoxes {
    int hours = 0;      // size, no sign
    int minutes = 0;    // 0..59
    bool dst = false;   // the DST box: ticked while daylight saving (or war time) applies, or for dstForOffset
    bool fits = true;   // the boxes give the clock's UT (to the minute)
    // The DST box is ticked without daylight saving, because only with it do
    // the boxes give the clock: a clock up to one hour ahead of Greenwich at a
    // place west of it (Madrid's UTC+1 as zone 0:00 with DST).
    bool dstForOffset = false;
    // UT of the calculation minus the true UT, seconds: positive when the
    // results are for a later moment than the one entered. A few seconds when
    // the clock ran on a local mean time that is no whole number of minutes.
    int offBySeconds = 0;
};

// `countedEast`: the calculation counts the longitude as east (East chosen and
// not 0°00'). A clock that does not fit as it is may fit with the DST box
// ticked (dstForOffset). When it still does not fit, the zone size is 0:00 (as
// close as the boxes get with the DST box as it is) and offBySeconds says how
// far off.
ZoneBoxes ZoneBoxesFor(const ClockOnDate& clock, bool countedEast);

// A coordinate rounded to whole minutes, as the degree and minute boxes hold it.
// Latitude stops at 89°59' and longitude at 179°59', the most the boxes accept.
struct CoordinateBoxes {
    int degrees = 0;
    int minutes = 0;
    int button = 0;  // 0: North / East, 1: South / West
};
CoordinateBoxes LatitudeBoxes(double latitude);
CoordinateBoxes LongitudeBoxes(double longitude);

// Everything a chosen place writes into the window, as texts of its boxes.
struct PlaceEntries {
    std::string txtMCity, txtMState, txtMCountry;
    std::string txtLatD, txtLatM;
    int optLat = 0;
    std::string txtLonD, txtLonM;
    int optLong = 0;
    std::string txtZoneHour, txtZoneMinute;
    int chkDST = 0;  // 0 or 1
    ZoneBoxes zone;
};

PlaceEntries PlaceEntriesFor(const Place& place, const ClockOnDate& clock);

// Whether the calculation counts the entries' longitude as east.
bool CountedEast(const PlaceEntries& entries);

// The zone part alone, for a longitude already in the boxes (date changed).
void FillZone(PlaceEntries& entries, const ClockOnDate& clock);

// Writes the entries into a form, as typing them would.
void ApplyPlaceEntries(const PlaceEntries& entries, InputForm& form);

// "UTC+5:30", "UTC-4:00", "UTC+5:21:10".
std::string UtcOffsetText(int offsetSeconds);

// "1943-06-01 12:00".
std::string MomentText(const LocalMoment& moment);

// "1 hour", "30 minutes", "1 hour 30 minutes", "10 seconds".
std::string DurationText(int seconds);

// The sentence for a place whose clock does not fit the boxes: names the
// place, its offset on the date, and what the results will be off by.
// Empty when the clock fits.
std::string ClockWarning(const Place& place, const ClockOnDate& clock, const LocalMoment& moment,
                         const PlaceEntries& entries);

// The sentence for a DST box ticked without daylight saving (dstForOffset):
// why it is ticked. Empty otherwise.
std::string DstBoxNote(const Place& place, const ClockOnDate& clock, const LocalMoment& moment,
                       const PlaceEntries& entries);

// The sentence for a local time skipped or repeated by a clock change; empty
// for a normal one.
std::string LocalTimeNote(const ClockOnDate& clock, const LocalMoment& moment);

// One line for the place a look-up took: label, coordinates, zone boxes, IANA
// name and offset. "Kolkata, West Bengal, India: 22° 34' N, 88° 22' E, zone
// 5:30 with DST (Asia/Kolkata, UTC+6:30)".
std::string PlaceLine(const Place& place, const ClockOnDate& clock, const PlaceEntries& entries);

}  // namespace velmora
