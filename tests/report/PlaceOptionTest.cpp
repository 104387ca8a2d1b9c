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
    EXPECT_TRUE(Has(r.err, "note: took the most populous of ")) << r.err;
    EXPECT_TRUE(Has(r.err, "others matched")) << r.err;
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
              "velmora-report: --place \"Pune\\u0085India\": expected a city, \"city, state\" or \"city, state, "
              "country\"; the place name holds a control character (U+0085)\n");
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
