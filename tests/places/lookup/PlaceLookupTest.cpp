// The place look-up against the real gazetteer (libgeonames) and the real
// time-zone database (tzdata through QTimeZone).
#include <gtest/gtest.h>

#include <string>

#include "places/lookup/GeonamesDirectory.h"
#include "places/lookup/PlaceFinder.h"
#include "places/lookup/ZoneOnDate.h"

namespace velmora {
namespace {

ClockOnDate ClockAt(const char* zone, LocalMoment moment) {
    const std::optional<ClockOnDate> clock = ClockOnLocalDate(zone, moment);
    EXPECT_TRUE(clock.has_value()) << zone;
    return clock.value_or(ClockOnDate{});
}

TEST(ClockOnLocalDate, HistoricalOffsetsDaylightSavingAndWarTime) {
    // India kept +6:30 war time from September 1942 to October 1945.
    const ClockOnDate war = ClockAt("Asia/Kolkata", {1943, 6, 1, 12, 0});
    EXPECT_EQ(war.offsetSeconds, 23400);
    EXPECT_EQ(war.standardSeconds, 19800);
    EXPECT_TRUE(war.Daylight());
    EXPECT_FALSE(ClockAt("Asia/Kolkata", {1950, 6, 1, 12, 0}).Daylight());
    // Madras time, +5:21:10, until 1906.
    EXPECT_EQ(ClockAt("Asia/Kolkata", {1901, 6, 1, 0, 0}).offsetSeconds, 19270);

    EXPECT_EQ(ClockAt("America/New_York", {1990, 1, 15, 12, 0}).offsetSeconds, -18000);
    EXPECT_FALSE(ClockAt("America/New_York", {1990, 1, 15, 12, 0}).Daylight());
    EXPECT_EQ(ClockAt("America/New_York", {1990, 7, 15, 12, 0}).offsetSeconds, -14400);
    EXPECT_TRUE(ClockAt("America/New_York", {1990, 7, 15, 12, 0}).Daylight());
    // Eastern War Time all year round.
    EXPECT_TRUE(ClockAt("America/New_York", {1943, 1, 15, 12, 0}).Daylight());
    // British double summer time: two hours ahead of standard.
    const ClockOnDate double_ = ClockAt("Europe/London", {1943, 6, 1, 12, 0});
    EXPECT_EQ(double_.offsetSeconds, 7200);
    EXPECT_EQ(double_.standardSeconds, 0);
}

TEST(ClockOnLocalDate, NegativeDaylightSavingCountsAsStandardTime) {
    // tzdata keeps Irish winter time as "negative DST"; the window's DST box
    // means one hour ahead, which is Irish summer time.
    const ClockOnDate winter = ClockAt("Europe/Dublin", {2020, 1, 15, 12, 0});
    const ClockOnDate summer = ClockAt("Europe/Dublin", {2020, 7, 15, 12, 0});
    EXPECT_EQ(winter.offsetSeconds, 0);
    EXPECT_FALSE(winter.Daylight());
    EXPECT_EQ(summer.offsetSeconds, 3600);
    EXPECT_TRUE(summer.Daylight());
}

TEST(ClockOnLocalDate, SkippedAndRepeatedTimesReadAsStandardTime) {
    // 1 April 1990 2:30 in New York: the clocks went from 2:00 to 3:00.
    const ClockOnDate skipped = ClockAt("America/New_York", {1990, 4, 1, 2, 30});
    EXPECT_EQ(skipped.kind, LocalTimeKind::Skipped);
    EXPECT_EQ(skipped.offsetSeconds, -18000);
    EXPECT_FALSE(skipped.Daylight());
    // 28 October 1990 1:30 came twice: EDT, then EST.
    const ClockOnDate repeated = ClockAt("America/New_York", {1990, 10, 28, 1, 30});
    EXPECT_EQ(repeated.kind, LocalTimeKind::Repeated);
    EXPECT_EQ(repeated.offsetSeconds, -18000);
    EXPECT_FALSE(repeated.Daylight());
    // Either side of the change, one reading each.
    EXPECT_EQ(ClockAt("America/New_York", {1990, 10, 28, 0, 59}).kind, LocalTimeKind::Normal);
    EXPECT_EQ(ClockAt("America/New_York", {1990, 10, 28, 2, 0}).kind, LocalTimeKind::Normal);
    EXPECT_EQ(ClockAt("America/New_York", {1990, 4, 1, 3, 0}).offsetSeconds, -14400);
}

TEST(ClockOnLocalDate, RollsOverLikeTheCalculationAndRefusesNonsense) {
    // 30 February 2001 is 2 March 2001.
    EXPECT_EQ(ClockAt("America/New_York", {2001, 2, 30, 12, 0}).offsetSeconds,
              ClockAt("America/New_York", {2001, 3, 2, 12, 0}).offsetSeconds);
    EXPECT_FALSE(ClockOnLocalDate("Nowhere/Atlantis", {1990, 1, 1, 0, 0}));
    EXPECT_FALSE(ClockOnLocalDate("", {1990, 1, 1, 0, 0}));
    EXPECT_FALSE(ClockOnLocalDate("../../etc/passwd", {1990, 1, 1, 0, 0}));
    EXPECT_FALSE(ClockOnLocalDate("Asia/Kolkata", {1990, 13, 1, 0, 0}));
    EXPECT_FALSE(ClockOnLocalDate("Asia/Kolkata", {1990, 1, 1, 24, 0}));
    // The whole range of the window's years, first and last minute.
    EXPECT_TRUE(ClockOnLocalDate("Asia/Kolkata", {1901, 1, 1, 0, 0}));
    EXPECT_TRUE(ClockOnLocalDate("Pacific/Apia", {2050, 12, 31, 23, 59}));
}

class Gazetteer : public ::testing::Test {
protected:
    std::vector<Place> Find(const char* city, const char* state = "", const char* country = "") const {
        return directory.Find(PlaceQuery{city, state, country}, AllPlaces);
    }
    GeonamesDirectory directory;
};

TEST_F(Gazetteer, FindsCitiesWithStateCountryCoordinatesAndZone) {
    const std::vector<Place> kolkata = Find("Kolkata");
    ASSERT_FALSE(kolkata.empty());
    EXPECT_EQ(kolkata[0].name, "Kolkata");
    EXPECT_EQ(kolkata[0].state, "West Bengal");
    EXPECT_EQ(kolkata[0].country, "India");
    EXPECT_EQ(kolkata[0].zoneId, "Asia/Kolkata");
    EXPECT_NEAR(kolkata[0].latitude, 22.5626, 1e-3);
    EXPECT_NEAR(kolkata[0].longitude, 88.3630, 1e-3);
    EXPECT_TRUE(kolkata[0].exactName);
}

TEST_F(Gazetteer, MostPopulousFirstAndNarrowedByStateOrCountry) {
    const std::vector<Place> all = Find("Springfield");
    ASSERT_GE(all.size(), 5u);
    for (std::size_t i = 1; i < all.size(); ++i) EXPECT_GE(all[i - 1].population, all[i].population);
    const std::vector<Place> illinois = Find("Springfield", "illinois");
    ASSERT_EQ(illinois.size(), 1u);
    EXPECT_EQ(illinois[0].state, "Illinois");
    const std::vector<Place> colombia = Find("Madrid", "", "Colombia");
    ASSERT_EQ(colombia.size(), 1u);
    EXPECT_EQ(colombia[0].zoneId, "America/Bogota");
    EXPECT_EQ(Find("Madrid", "", "co").size(), 1u);  // by country code too
    EXPECT_TRUE(Find("Madrid", "", "Atlantis").empty());
}

TEST_F(Gazetteer, AccentsApostrophesAndOddTextNeverHurt) {
    ASSERT_FALSE(Find("Sao Paulo").empty());
    EXPECT_EQ(Find("Sao Paulo")[0].name, "S\u00E3o Paulo");
    EXPECT_TRUE(Find("Sao Paulo")[0].exactName);
    EXPECT_EQ(Find("S\u00C3O PAULO")[0].name, "S\u00E3o Paulo");
    ASSERT_FALSE(Find("Coeur d'Alene").empty());
    EXPECT_EQ(Find("Coeur d'Alene")[0].state, "Idaho");
    EXPECT_EQ(Find("Coeur d\u2019Alene")[0].name, "Coeur d'Alene");
    for (const char* odd : {"", "'", "%", "\\", "*", "\u6771\u4EAC", "\xF0\x9F\x8C\x8D", "' OR 1=1 --"}) {
        (void)Find(odd);  // a clear answer, matches or none; never a crash
    }
    EXPECT_TRUE(Find(std::string(500, 'x').c_str()).empty());
}

TEST(FindPlaceOnDate, KolkataInWarTimeFillsZoneWithDst) {
    const GeonamesDirectory directory;
    const PlaceAnswer a = FindPlaceOnDate(directory, "Kolkata", {1943, 6, 1, 12, 0});
    ASSERT_TRUE(a.found) << a.problem;
    const PlaceEntries& e = a.place.entries;
    EXPECT_EQ(e.txtLatD + ":" + e.txtLatM + (e.optLat == 0 ? "N" : "S"), "22:34N");
    EXPECT_EQ(e.txtLonD + ":" + e.txtLonM + (e.optLong == 0 ? "E" : "W"), "88:22E");
    EXPECT_EQ(e.txtZoneHour + ":" + e.txtZoneMinute, "5:30");
    EXPECT_EQ(e.chkDST, 1);
    EXPECT_TRUE(a.notes.empty());
}

TEST(FindPlaceOnDate, PuneCoordinates) {
    const GeonamesDirectory directory;
    const PlaceAnswer a = FindPlaceOnDate(directory, "Pune", {1987, 8, 15, 10, 30});
    ASSERT_TRUE(a.found) << a.problem;
    EXPECT_EQ(PlaceLine(a.place.place, a.place.clock, a.place.entries),
              "Pune, Maharashtra, India: 18\u00B0 31' N, 73\u00B0 51' E, zone 5:30 (Asia/Kolkata, UTC+5:30)");
}

TEST(FindPlaceOnDate, WesternPlaceWithAndWithoutDaylightSaving) {
    const GeonamesDirectory directory;
    const PlaceAnswer january = FindPlaceOnDate(directory, "New York", {1990, 1, 15, 12, 0});
    const PlaceAnswer july = FindPlaceOnDate(directory, "New York, New York", {1990, 7, 15, 12, 0});
    ASSERT_TRUE(january.found && july.found);
    EXPECT_EQ(january.place.entries.optLong, 1);
    EXPECT_EQ(january.place.entries.txtZoneHour, "5");
    EXPECT_EQ(january.place.entries.chkDST, 0);
    EXPECT_EQ(july.place.entries.txtZoneHour, "5");
    EXPECT_EQ(july.place.entries.chkDST, 1);
    EXPECT_TRUE(january.notes.empty());  // West New York is no "New York"
}

TEST(FindPlaceOnDate, ClockTheWindowCannotHoldIsSaid) {
    const GeonamesDirectory directory;
    const PlaceAnswer a = FindPlaceOnDate(directory, "Madrid, , Spain", {1990, 7, 1, 12, 0});
    ASSERT_TRUE(a.found);
    EXPECT_FALSE(a.place.entries.zone.fits);
    EXPECT_EQ(a.place.entries.zone.offBySeconds, 3600);
    ASSERT_FALSE(a.notes.empty());
    EXPECT_EQ(a.notes.back().rfind("Madrid, Madrid, Spain kept UTC+2:00", 0), 0u) << a.notes.back();
}

TEST(FindPlaceOnDate, AmbiguousTakesMostPopulousAndSaysHowManyOthers) {
    const GeonamesDirectory directory;
    const PlaceAnswer a = FindPlaceOnDate(directory, "Springfield", {1990, 1, 1, 12, 0});
    ASSERT_TRUE(a.found);
    EXPECT_EQ(a.place.place.state, "Missouri");
    ASSERT_FALSE(a.notes.empty());
    // The count is of every match, exact or not.
    EXPECT_EQ(a.place.matches, directory.Find(PlaceQuery{"Springfield", "", ""}, AllPlaces).size());
    EXPECT_EQ(a.notes[0].rfind(std::to_string(a.place.matches) + " places match \"Springfield\"; took the most "
                               "populous of the ", 0), 0u)
        << a.notes[0];
    EXPECT_EQ(a.place.others + 1, a.place.matches);
    EXPECT_GE(a.place.others, 4u);
}

TEST(FindPlaceOnDate, UnknownBlankAndOverlongPlacesGiveAClearAnswer) {
    const GeonamesDirectory directory;
    const LocalMoment m{1990, 1, 1, 12, 0};
    EXPECT_EQ(FindPlaceOnDate(directory, "Qwertzuiop", m).problem,
              "no place called \"Qwertzuiop\" in the gazetteer");
    EXPECT_EQ(FindPlaceOnDate(directory, "   ", m).problem, "no city given");
    EXPECT_FALSE(FindPlaceOnDate(directory, std::string(100000, 'a'), m).found);
    EXPECT_FALSE(FindPlaceOnDate(directory, "\xFF\xFE", m).found);
    const PlaceAnswer sao = FindPlaceOnDate(directory, "S\u00E3o Paulo", m);
    ASSERT_TRUE(sao.found);
    EXPECT_EQ(sao.place.entries.optLat, 1);
    EXPECT_EQ(sao.place.entries.optLong, 1);
}

}  // namespace
}  // namespace velmora
