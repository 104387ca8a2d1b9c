// The mapping from a place and its clock onto the input window's boxes, checked
// by running the calculation's own rule for UT over the filled boxes.
#include <gtest/gtest.h>

#include "places/Place.h"
#include "places/PlaceEntries.h"

namespace velmora {
namespace {

ClockOnDate Clock(int offsetMinutes, int standardMinutes) {
    return ClockOnDate{"Test/Zone", offsetMinutes * 60, standardMinutes * 60, LocalTimeKind::Normal};
}

// Local clock minus UT as the calculation reads the boxes: the size with the
// longitude's direction, one hour more with DST.
int ModelOffsetSeconds(const ZoneBoxes& z, bool east) {
    const int size = z.hours * 3600 + z.minutes * 60;
    return (east ? size : -size) + (z.dst ? 3600 : 0);
}

struct ClockCase {
    const char* what;
    int offsetMinutes;
    int standardMinutes;
    bool east;
    int hours, minutes;
    bool dst, fits;
    int offByMinutes;
};

void PrintTo(const ClockCase& c, std::ostream* os) { *os << c.what; }

class ZoneBoxesForClock : public ::testing::TestWithParam<ClockCase> {};

TEST_P(ZoneBoxesForClock, FillsSizesAndDstAndSaysWhatTheyMiss) {
    const ClockCase& c = GetParam();
    const ZoneBoxes z = ZoneBoxesFor(Clock(c.offsetMinutes, c.standardMinutes), c.east);
    EXPECT_EQ(z.hours, c.hours);
    EXPECT_EQ(z.minutes, c.minutes);
    EXPECT_EQ(z.dst, c.dst);
    EXPECT_EQ(z.fits, c.fits);
    EXPECT_EQ(z.offBySeconds, c.offByMinutes * 60);
    EXPECT_EQ(z.dstForOffset, z.dst && c.offsetMinutes <= c.standardMinutes);
    // Whatever was filled, the stated miss is exactly the calculation's error.
    EXPECT_EQ(c.offsetMinutes * 60 - ModelOffsetSeconds(z, c.east), z.offBySeconds);
}

INSTANTIATE_TEST_SUITE_P(
    Clocks, ZoneBoxesForClock,
    ::testing::Values(
        ClockCase{"India", 330, 330, true, 5, 30, false, true, 0},
        ClockCase{"India in war time", 390, 330, true, 5, 30, true, true, 0},
        ClockCase{"New York in winter", -300, -300, false, 5, 0, false, true, 0},
        ClockCase{"New York in summer", -240, -300, false, 5, 0, true, true, 0},
        ClockCase{"London in winter", 0, 0, false, 0, 0, false, true, 0},
        ClockCase{"London in summer", 60, 0, false, 0, 0, true, true, 0},
        ClockCase{"Nepal", 345, 345, true, 5, 45, false, true, 0},
        ClockCase{"Lord Howe half-hour summer time", 660, 630, true, 10, 0, true, true, 0},
        ClockCase{"Newfoundland summer", -150, -210, false, 3, 30, true, true, 0},
        // West of Greenwich, up to an hour ahead of it: zone 0:00 (or less)
        // and the DST box give the clock exactly.
        ClockCase{"Madrid in winter", 60, 60, false, 0, 0, true, true, 0},
        ClockCase{"half an hour ahead, west of Greenwich", 30, 30, false, 0, 30, true, true, 0},
        ClockCase{"two hours ahead in winter, west of Greenwich", 120, 120, false, 0, 0, false, false, 120},
        ClockCase{"Madrid in summer", 120, 60, false, 0, 0, true, false, 60},
        ClockCase{"London double summer time", 120, 0, false, 0, 0, true, false, 60},
        ClockCase{"Samoa, west of the date line on UTC+13", 780, 780, false, 0, 0, false, false, 780},
        ClockCase{"a clock behind Greenwich east of it", -60, -60, true, 0, 0, false, false, -60}));

TEST(ZoneBoxesFor, LocalMeanTimeRoundsToTheMinuteAndStillFits) {
    // Madras time, +5:21:10, kept in Kolkata until 1906.
    const ZoneBoxes z = ZoneBoxesFor(ClockOnDate{"Asia/Kolkata", 19270, 19270, LocalTimeKind::Normal}, true);
    EXPECT_EQ(z.hours, 5);
    EXPECT_EQ(z.minutes, 21);
    EXPECT_TRUE(z.fits);
    EXPECT_EQ(z.offBySeconds, 10);
}

TEST(CoordinateBoxes, RoundToTheNearestMinuteWithHemisphere) {
    const CoordinateBoxes pune = LatitudeBoxes(18.51957);
    EXPECT_EQ(pune.degrees, 18);
    EXPECT_EQ(pune.minutes, 31);
    EXPECT_EQ(pune.button, 0);
    const CoordinateBoxes west = LongitudeBoxes(-74.00597);
    EXPECT_EQ(west.degrees, 74);
    EXPECT_EQ(west.minutes, 0);
    EXPECT_EQ(west.button, 1);
    // 59.6 minutes carry into the next degree.
    const CoordinateBoxes carry = LatitudeBoxes(-33.9933);
    EXPECT_EQ(carry.degrees, 34);
    EXPECT_EQ(carry.minutes, 0);
    EXPECT_EQ(carry.button, 1);
}

TEST(CoordinateBoxes, StopAtWhatTheBoxesAccept) {
    const CoordinateBoxes lon = LongitudeBoxes(-179.9999);
    EXPECT_EQ(lon.degrees, 179);
    EXPECT_EQ(lon.minutes, 59);
    const CoordinateBoxes lat = LatitudeBoxes(90.0);
    EXPECT_EQ(lat.degrees, 89);
    EXPECT_EQ(lat.minutes, 59);
    const CoordinateBoxes nan = LongitudeBoxes(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(nan.degrees, 0);
    EXPECT_EQ(nan.minutes, 0);
}

TEST(PlaceEntries, GreenwichMeridianCountsAsWestForTheZone) {
    // A place a few metres east of Greenwich rounds to 0°00' East, which the
    // calculation reads as west: summer time must still come out right.
    const Place place{"Greenwich", "England", "United Kingdom", "GB", "Europe/London", 51.48, 0.0001, 1, true};
    const PlaceEntries e = PlaceEntriesFor(place, Clock(60, 0));
    EXPECT_EQ(e.optLong, 0);
    EXPECT_FALSE(CountedEast(e));
    EXPECT_TRUE(e.zone.fits);
    EXPECT_EQ(e.txtZoneHour, "0");
    EXPECT_EQ(e.chkDST, 1);
}

TEST(PlaceEntries, FillTheFormAsTyping) {
    const Place place{"Kolkata", "West Bengal", "India", "IN", "Asia/Kolkata", 22.56263, 88.36304, 4631392, true};
    const ClockOnDate warTime{"Asia/Kolkata", 390 * 60, 330 * 60, LocalTimeKind::Normal};
    const PlaceEntries e = PlaceEntriesFor(place, warTime);
    InputForm form;
    form.txtName = "ASHA";
    ApplyPlaceEntries(e, form);
    EXPECT_EQ(form.txtName, "ASHA");
    EXPECT_EQ(form.txtMCity, "Kolkata");
    EXPECT_EQ(form.txtMState, "West Bengal");
    EXPECT_EQ(form.txtMCountry, "India");
    EXPECT_EQ(form.txtLatD + ":" + form.txtLatM, "22:34");
    EXPECT_EQ(form.txtLonD + ":" + form.txtLonM, "88:22");
    EXPECT_EQ(form.optLat, 0);
    EXPECT_EQ(form.optLong, 0);
    EXPECT_EQ(form.txtZoneHour + ":" + form.txtZoneMinute, "5:30");
    EXPECT_EQ(form.chkDST, 1);
    EXPECT_EQ(PlaceLine(place, warTime, e),
              "Kolkata, West Bengal, India: 22\u00B0 34' N, 88\u00B0 22' E, zone 5:30 with DST "
              "(Asia/Kolkata, UTC+6:30)");
}

TEST(PlaceTexts, WarningNamesPlaceOffsetAndMiss) {
    const Place madrid{"Madrid", "Madrid", "Spain", "ES", "Europe/Madrid", 40.4165, -3.70256, 3255944, true};
    const ClockOnDate clock{"Europe/Madrid", 7200, 3600, LocalTimeKind::Normal};
    const PlaceEntries e = PlaceEntriesFor(madrid, clock);
    EXPECT_EQ(ClockWarning(madrid, clock, LocalMoment{1990, 7, 1, 12, 0}, e),
              "Madrid, Madrid, Spain kept UTC+2:00 on 1990-07-01 12:00 (Europe/Madrid), a clock ahead of "
              "Greenwich, but it lies west of Greenwich. The window takes the zone's direction from the "
              "longitude, so it cannot hold this clock: with zone 0:00 and DST the results are for a moment "
              "1 hour later than the one entered.");
    const Place kolkata{"Kolkata", "West Bengal", "India", "IN", "Asia/Kolkata", 22.56, 88.36, 1, true};
    const ClockOnDate india{"Asia/Kolkata", 19800, 19800, LocalTimeKind::Normal};
    EXPECT_EQ(ClockWarning(kolkata, india, LocalMoment{}, PlaceEntriesFor(kolkata, india)), "");
    EXPECT_EQ(DstBoxNote(kolkata, india, LocalMoment{}, PlaceEntriesFor(kolkata, india)), "");
    EXPECT_EQ(DstBoxNote(madrid, clock, LocalMoment{1990, 7, 1, 12, 0}, e), "");  // true summer time

    // In winter the DST box is what makes zone 0:00 read UTC+1 west of Greenwich.
    const ClockOnDate winter{"Europe/Madrid", 3600, 3600, LocalTimeKind::Normal};
    const PlaceEntries w = PlaceEntriesFor(madrid, winter);
    EXPECT_EQ(w.txtZoneHour + ":" + w.txtZoneMinute, "0:0");
    EXPECT_EQ(w.chkDST, 1);
    EXPECT_EQ(w.optLong, 1);
    EXPECT_EQ(ClockWarning(madrid, winter, LocalMoment{2024, 1, 15, 12, 0}, w), "");
    EXPECT_EQ(DstBoxNote(madrid, winter, LocalMoment{2024, 1, 15, 12, 0}, w),
              "Madrid, Madrid, Spain kept UTC+1:00 on 2024-01-15 12:00 (Europe/Madrid), a clock ahead of Greenwich, "
              "but it lies west of Greenwich, where the window counts the zone as behind; zone 0:00 with the DST box "
              "ticked gives exactly UTC+1:00, so the box is ticked though no daylight saving was in force.");
}

TEST(PlaceTexts, OffsetsDurationsAndClockChanges) {
    EXPECT_EQ(UtcOffsetText(19800), "UTC+5:30");
    EXPECT_EQ(UtcOffsetText(-14400), "UTC-4:00");
    EXPECT_EQ(UtcOffsetText(0), "UTC+0:00");
    EXPECT_EQ(UtcOffsetText(19270), "UTC+5:21:10");
    EXPECT_EQ(DurationText(3600), "1 hour");
    EXPECT_EQ(DurationText(-5400), "1 hour 30 minutes");
    EXPECT_EQ(DurationText(46800), "13 hours");
    EXPECT_EQ(DurationText(10), "10 seconds");
    const LocalMoment m{1990, 4, 1, 2, 30};
    EXPECT_EQ(LocalTimeNote(ClockOnDate{"America/New_York", -18000, -18000, LocalTimeKind::Skipped}, m),
              "1990-04-01 02:30 did not occur in America/New_York (the clocks were put forward over it); "
              "read as standard time, UTC-5:00.");
    EXPECT_EQ(LocalTimeNote(ClockOnDate{"X", 0, 0, LocalTimeKind::Normal}, m), "");
}

TEST(ParsePlaceText, SplitsCityStateCountryAndTrimsBlanks) {
    const ParsedPlaceText p = ParsePlaceText("  Springfield ,  Illinois,United States  ");
    EXPECT_EQ(p.problem, "");
    EXPECT_EQ(p.query.city, "Springfield");
    EXPECT_EQ(p.query.state, "Illinois");
    EXPECT_EQ(p.query.country, "United States");
    EXPECT_EQ(ParsePlaceText("Coeur d'Alene").query.city, "Coeur d'Alene");
    EXPECT_EQ(ParsePlaceText("S\u00E3o Paulo").query.city, "S\u00E3o Paulo");
    EXPECT_EQ(ParsePlaceText("Pune,,India").query.country, "India");
}

TEST(ParsePlaceText, RefusesWhatCannotBeLookedUp) {
    EXPECT_EQ(ParsePlaceText("").problem, "no city given");
    EXPECT_EQ(ParsePlaceText("     ").problem, "no city given");
    EXPECT_EQ(ParsePlaceText(", Maharashtra").problem, "no city given");
    EXPECT_EQ(ParsePlaceText("a, b, c, d").problem, "a place is at most \"city, state, country\"");
    EXPECT_EQ(ParsePlaceText(std::string(MaxPlaceTextBytes + 1, 'a')).problem,
              "the place name is too long (at most 200 bytes)");
    EXPECT_EQ(ParsePlaceText(std::string(MaxPlaceTextBytes, 'a')).problem, "");
    for (const char* bad : {"\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "Pune\xFF"}) {
        EXPECT_EQ(ParsePlaceText(bad).problem, "the place name is not UTF-8 text") << bad;
    }
    EXPECT_EQ(ParsePlaceText(std::string("Pu\0ne", 5)).problem, "the place name holds a control character (U+0000)");
    // DEL and the C1 controls (U+0080 to U+009F, two bytes in UTF-8) as well as C0.
    EXPECT_EQ(ParsePlaceText("Pune\x7F").problem, "the place name holds a control character (U+007F)");
    EXPECT_EQ(ParsePlaceText("Pune\xC2\x85India").problem, "the place name holds a control character (U+0085)");
    EXPECT_EQ(ParsePlaceText("\xC2\x9F").problem, "the place name holds a control character (U+009F)");
    EXPECT_EQ(ParsePlaceText("K\xC2\xA0ln").problem, "");  // U+00A0, the first character after them, is text
    EXPECT_EQ(ParsePlaceText("\xF0\x9F\x8C\x8D").problem, "");  // an emoji is text, and simply matches nothing
}

TEST(ChoosePlace, ThePlaceMostPeopleMean) {
    auto place = [](const char* name, std::uint32_t population, bool exact, bool begins) {
        Place p;
        p.name = name;
        p.population = population;
        p.exactName = exact;
        p.nameBegins = begins || exact;
        return p;
    };
    // An exact name before a larger place that only contains the words.
    const std::vector<Place> york = {place("New York", 8804190, false, false), place("York", 153717, true, true)};
    EXPECT_EQ(ChoosePlace(york).index, 1u);
    EXPECT_EQ(ChoosePlace(york).reason, ChoiceReason::ExactName);
    EXPECT_EQ(ChoosePlace(york).others, 1u);  // every other match is counted
    // A place whose name begins so wins only when ten times as populous.
    const std::vector<Place> mexico = {place("Mexico City", 12294193, false, true), place("Mexico", 43694, true, true)};
    EXPECT_EQ(ChoosePlace(mexico).index, 0u);
    EXPECT_EQ(ChoosePlace(mexico).reason, ChoiceReason::NameBegins);
    const std::vector<Place> justUnder = {place("Washington Heights", 535259, false, true),
                                          place("Washington", 53526, true, true)};
    EXPECT_EQ(ChoosePlace(justUnder).index, 1u);
    const std::vector<Place> tenTimes = {place("Washington D.C.", 535260, false, true),
                                         place("Washington", 53526, true, true)};
    EXPECT_EQ(ChoosePlace(tenTimes).index, 0u);
    // The most populous of the exact names, in whatever order they come.
    const std::vector<Place> madrid = {place("Madrid", 50437, true, true), place("Las Rozas de Madrid", 95550, false, false),
                                       place("Madrid", 3255944, true, true)};
    EXPECT_EQ(ChoosePlace(madrid).index, 2u);
    EXPECT_EQ(ChoosePlace(madrid).others, 2u);
    // No exact name: the most populous match.
    const std::vector<Place> prefix = {place("Xining", 767531, false, false), place("Xi'an", 1000000, false, true)};
    EXPECT_EQ(ChoosePlace(prefix).index, 1u);
    EXPECT_EQ(ChoosePlace(prefix).reason, ChoiceReason::MostPopulous);
    const std::vector<Place> one = {place("Pune", 3124458, true, true)};
    EXPECT_EQ(ChoosePlace(one).reason, ChoiceReason::Only);
    EXPECT_EQ(ChoosePlace(one).others, 0u);
    EXPECT_EQ(ChoosePlace({}).others, 0u);
    // Populations near the top of the range do not overflow the comparison.
    const std::vector<Place> huge = {place("Big", 4294967295u, false, true), place("B", 429496730u, true, true)};
    EXPECT_EQ(ChoosePlace(huge).index, 1u);
}

TEST(PlaceLabel, ShowsTheFormerNameTheTextMatched) {
    Place mumbai;
    mumbai.name = "Mumbai";
    mumbai.state = "Maharashtra";
    mumbai.country = "India";
    EXPECT_EQ(PlaceLabel(mumbai), "Mumbai, Maharashtra, India");
    mumbai.otherName = "Bombay";
    EXPECT_EQ(PlaceLabel(mumbai), "Mumbai (Bombay), Maharashtra, India");
}

TEST(ShortStateName, DropsTheAdministrativePrefixOnly) {
    EXPECT_EQ(ShortStateName("State of West Bengal"), "West Bengal");
    EXPECT_EQ(ShortStateName("Canton of Zurich"), "Zurich");
    EXPECT_EQ(ShortStateName("District of Columbia"), "District of Columbia");
    EXPECT_EQ(ShortStateName("State of "), "State of ");
    EXPECT_EQ(ShortStateName("Maharashtra"), "Maharashtra");
}

}  // namespace
}  // namespace velmora
