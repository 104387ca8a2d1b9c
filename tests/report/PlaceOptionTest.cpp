// --place of the report tool against the real gazetteer and time-zone database.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "places/lookup/SystemPlaces.h"
#include "report/CommandLine.h"
#include "report/FriendlyReport.h"
#include "report/PlaceOption.h"
#include "report/RunReportTool.h"

using namespace velmora;
using velmora::test::RunReportTool;
using velmora::test::ToolRun;

namespace {

ToolRun Tool(const std::string& arguments) { return RunReportTool(arguments); }

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class PlaceOption : public ::testing::Test {
protected:
    void SetUp() override {
        if (!directory) GTEST_SKIP() << "built without the gazetteer";
    }
    // The form the options give, --place applied.
    PlaceOptionOutcome Apply(const std::vector<std::string>& args, InputForm& form) const {
        auto parsed = ParseCommandLine(args);
        EXPECT_TRUE(std::holds_alternative<CommandLine>(parsed));
        const FriendlyOptions& o = std::get<CommandLine>(parsed).options;
        EXPECT_FALSE(FormFromOptions(o, form).has_value());
        return ApplyPlaceOption(o, directory.get(), form);
    }
    std::unique_ptr<PlaceDirectory> directory = OpenPlaceDirectory();
};

TEST_F(PlaceOption, KolkataInWarTimeGivesExactlyTheResultsOfTheValuesTyped) {
    const ToolRun place = Tool("--name ASHA --date 1943-06-01 --time 12:00 --place Kolkata");
    const ToolRun typed = Tool(
        "--name ASHA --date 1943-06-01 --time 12:00 --city Kolkata --state 'West Bengal' --country India "
        "--lat 22:34N --lon 88:22E --zone 5:30 --dst");
    ASSERT_EQ(place.status, 0) << place.err;
    ASSERT_EQ(typed.status, 0) << typed.err;
    EXPECT_FALSE(place.out.empty());
    EXPECT_EQ(place.out, typed.out);
    EXPECT_EQ(place.err,
              "place: Kolkata, West Bengal, India: 22\u00B0 34' N, 88\u00B0 22' E, zone 5:30 with DST "
              "(Asia/Kolkata, UTC+6:30)\n");
}

TEST_F(PlaceOption, PuneShowsItsCoordinates) {
    const ToolRun r = Tool("--name ASHA --date 1987-08-15 --time 10:30 --place Pune");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Has(r.out, "Latitude                  18\u00B0 31' N")) << r.out;
    EXPECT_TRUE(Has(r.out, "Longitude                 73\u00B0 51' E")) << r.out;
}

TEST_F(PlaceOption, UnknownPlaceEndsWithAMessageAndStatusTwo) {
    const ToolRun r = Tool("--name ASHA --place Qwertzuiop");
    EXPECT_EQ(r.status, kExitUsage);
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(r.err, "velmora-report: --place: no place called \"Qwertzuiop\" in the gazetteer\n");
}

TEST_F(PlaceOption, AmbiguousNameTakesTheMostPopulousAndSaysSo) {
    const ToolRun r = Tool("--name ASHA --date 1990-01-10 --place Springfield");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Has(r.err, "place: Springfield, Missouri,")) << r.err;
    EXPECT_TRUE(Has(r.err, " places match \"Springfield\"; took the most populous of the ")) << r.err;
    EXPECT_TRUE(Has(r.err, "add the state or country to choose another")) << r.err;
}

TEST_F(PlaceOption, PlacesAsPeopleWriteThemWithTheirClockOnTheDate) {
    struct Case {
        const char* place;
        const char* line;  // the start of the "place:" line
    };
    // Offsets on 2024-07-15 as tzdata publishes them: Ciudad Juárez on its own
    // zone since November 2022 (UTC-6 in summer), Vincennes on Eastern time.
    for (const Case& c : {
             Case{"Paris, France", "place: Paris, \u00CEle-de-France Region, France: 48\u00B0 51' N, 2\u00B0 21' E, "
                                   "zone 1:00 with DST (Europe/Paris, UTC+2:00)"},
             Case{"Paris, TX", "place: Paris, Texas, United States of America: 33\u00B0 40' N, 95\u00B0 33' W, zone "
                               "6:00 with DST (America/Chicago, UTC-5:00)"},
             Case{"Delhi, India", "place: Delhi, National Capital Territory of Delhi, India: 28\u00B0 39' N, "
                                  "77\u00B0 14' E, zone 5:30 (Asia/Kolkata, UTC+5:30)"},
             Case{"London, UK", "place: London, England, United Kingdom: 51\u00B0 31' N, 0\u00B0 8' W, zone 0:00 "
                                "with DST (Europe/London, UTC+1:00)"},
             Case{"Bombay", "place: Mumbai (Bombay), Maharashtra, India: 19\u00B0 4' N, 72\u00B0 53' E, zone 5:30 "
                            "(Asia/Kolkata, UTC+5:30)"},
             Case{"Calcutta", "place: Kolkata (Calcutta), West Bengal, India:"},
             Case{"Madras", "place: Chennai (Madras), Tamil Nadu, India:"},
             Case{"Mexico", "place: Mexico City, Mexico City, Mexico: 19\u00B0 26' N, 99\u00B0 8' W, zone 6:00 "
                            "(America/Mexico_City, UTC-6:00)"},
             Case{"Ciudad Juarez", "place: Ciudad Ju\u00E1rez, Chihuahua, Mexico: 31\u00B0 43' N, 106\u00B0 28' W, "
                                   "zone 7:00 with DST (America/Ciudad_Juarez, UTC-6:00)"},
             Case{"Vincennes, Indiana", "place: Vincennes, Indiana, United States of America: 38\u00B0 41' N, "
                                       "87\u00B0 32' W, zone 5:00 with DST (America/Indiana/Vincennes, UTC-4:00)"},
         }) {
        const ToolRun r = Tool(std::string("--name ASHA --date 2024-07-15 --time 12:00 --place '") + c.place + "'");
        ASSERT_EQ(r.status, 0) << c.place << ": " << r.err;
        EXPECT_EQ(r.err.rfind(c.line, 0), 0u) << r.err;
    }
    const ToolRun juarez = Tool("--name ASHA --date 2024-07-15 --place 'Ciudad Juarez'");
    EXPECT_TRUE(Has(juarez.err, "note: took the zone America/Ciudad_Juarez, which the time-zone database names for "
                                "Ciudad Ju\u00E1rez; the gazetteer gives America/Ojinaga"))
        << juarez.err;
}

TEST_F(PlaceOption, MadridInJanuaryIsZoneZeroWithDstAndSaysWhy) {
    const ToolRun place = Tool("--name ASHA --date 2024-01-15 --time 12:00 --place Madrid");
    const ToolRun typed = Tool(
        "--name ASHA --date 2024-01-15 --time 12:00 --city Madrid --state Madrid --country Spain "
        "--lat 40:25N --lon 3:42W --zone 0:00 --dst");
    ASSERT_EQ(place.status, 0) << place.err;
    ASSERT_EQ(typed.status, 0) << typed.err;
    EXPECT_FALSE(place.out.empty());
    EXPECT_EQ(place.out, typed.out);
    EXPECT_EQ(place.err,
              "place: Madrid, Madrid, Spain: 40\u00B0 25' N, 3\u00B0 42' W, zone 0:00 with DST (Europe/Madrid, "
              "UTC+1:00)\n"
              "note: 4 places match \"Madrid\"; took the most populous of the 2 named exactly so, Madrid, Madrid, "
              "Spain; add the state or country to choose another, as in \"city, state, country\"\n"
              "note: Madrid, Madrid, Spain kept UTC+1:00 on 2024-01-15 12:00 (Europe/Madrid), a clock ahead of "
              "Greenwich, but it lies west of Greenwich, where the window counts the zone as behind; zone 0:00 with "
              "the DST box ticked gives exactly UTC+1:00, so the box is ticked though no daylight saving was in "
              "force.\n");
}

TEST_F(PlaceOption, ExplicitValuesWinAndThatIsSaid) {
    InputForm form;
    const PlaceOptionOutcome o =
        Apply({"--name", "ASHA", "--date", "1990-07-15", "--place", "New York", "--lat", "10:00S", "--zone", "7:00"},
              form);
    ASSERT_TRUE(o.failure.empty()) << o.failure;
    EXPECT_EQ(form.txtLatD + ":" + form.txtLatM, "10:00");
    EXPECT_EQ(form.optLat, 1);
    EXPECT_EQ(form.txtLonD + ":" + form.txtLonM, "74:0");
    EXPECT_EQ(form.txtZoneHour + ":" + form.txtZoneMinute, "7:00");
    EXPECT_EQ(form.chkDST, 0);  // the zone was given, and without --dst
    EXPECT_EQ(form.txtMCity, "New York");
    ASSERT_FALSE(o.said.empty());
    EXPECT_EQ(o.said.back(), "note: --lat, --zone given beside --place: they win over the place's own values");
}

TEST_F(PlaceOption, ZoneFollowsTheLongitudeGivenBesideIt) {
    // New York in summer is UTC-4. Given East, the window can only hold a
    // clock ahead of Greenwich: the zone falls to 0:00 and that is said.
    InputForm form;
    const PlaceOptionOutcome o = Apply({"--date", "1990-07-15", "--place", "New York", "--lon", "74:00E"}, form);
    EXPECT_EQ(form.optLong, 0);
    EXPECT_EQ(form.txtZoneHour + ":" + form.txtZoneMinute, "0:0");
    EXPECT_EQ(form.chkDST, 1);
    ASSERT_GE(o.said.size(), 2u);
    EXPECT_TRUE(Has(o.said[o.said.size() - 2], "but it lies east of Greenwich")) << o.said[o.said.size() - 2];
}

TEST_F(PlaceOption, ClockTheWindowCannotHoldIsSaid) {
    const ToolRun r = Tool("--name ASHA --date 1990-07-01 --time 12:00 --place 'Madrid, Madrid, Spain'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Has(r.err, "note: Madrid, Madrid, Spain kept UTC+2:00 on 1990-07-01 12:00 (Europe/Madrid)")) << r.err;
    EXPECT_TRUE(Has(r.err, "1 hour later than the one entered")) << r.err;
}

TEST_F(PlaceOption, BadTextNeverReachesTheGazetteer) {
    const FriendlyOption* place = FindFriendlyOption("place");
    ASSERT_NE(place, nullptr);
    FriendlyOptions o;
    for (const std::string bad : {std::string(), std::string("   "), std::string(201, 'x'), std::string("\xFF"),
                                  std::string("a,b,c,d"), std::string("Pune\tIndia")}) {
        EXPECT_TRUE(place->take(bad, o).has_value()) << bad;
    }
    EXPECT_TRUE(o.place.empty());
    EXPECT_EQ(Tool("--name ASHA --place '   '").status, kExitUsage);
    for (const char* good : {"S\u00E3o Paulo", "Coeur d'Alene", "\u6771\u4EAC", "Pune, Maharashtra, India"}) {
        EXPECT_FALSE(place->take(good, o).has_value()) << good;
    }
    const ToolRun accents = Tool("--name ASHA --place 'Coeur d'\\''Alene' --date 1990-04-01 --time 2:30");
    EXPECT_EQ(accents.status, 0) << accents.err;
    EXPECT_TRUE(Has(accents.err, "did not occur in America/Los_Angeles")) << accents.err;
}

TEST(PlaceOptionText, ControlCharactersAreRefusedAndQuotedShortAndEscaped) {
    // U+0085 (NEXT LINE), a C1 control, between two words.
    const ToolRun c1 = Tool("--name ASHA --place \"$(printf 'Pune\\302\\205India')\"");
    EXPECT_EQ(c1.status, kExitUsage);
    EXPECT_TRUE(c1.out.empty());
    EXPECT_EQ(c1.err,
              "velmora-report: --place \"Pune\\u0085India\": expected a city, \"city, state\", \"city, country\" or "
              "\"city, state, country\"; the place name holds a control character (U+0085)\n");
    // A value of 131,000 bytes is quoted by its first characters and its size.
    const ToolRun huge = Tool("--name ASHA --place \"$(head -c 131000 /dev/zero | tr '\\0' x)\"");
    EXPECT_EQ(huge.status, kExitUsage);
    EXPECT_LT(huge.err.size(), 300u) << huge.err.size();
    EXPECT_TRUE(Has(huge.err, "xxx...\" (131000 bytes): expected")) << huge.err;
}

TEST(PlaceOptionWithoutGazetteer, SaysItIsNotAvailable) {
    FriendlyOptions o;
    o.place = "Pune";
    InputForm form;
    const PlaceOptionOutcome outcome = ApplyPlaceOption(o, nullptr, form);
    EXPECT_EQ(outcome.status, kExitFailure);
    EXPECT_EQ(outcome.failure, "--place: this velmora-report was built without the gazetteer (libgeonames)");
    EXPECT_TRUE(form.txtLatD.empty());
}

}  // namespace
