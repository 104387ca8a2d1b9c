#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <regex>
#include <utility>
#include <string>

#include "engine/Engine.h"
#include "input/CalculationDriver.h"
#include "input/InputForm.h"
#include "panchang/PanchangTables.h"
#include "WorkedExamples.h"

using namespace velmora;

namespace {

struct Run {
    std::optional<Refusal> refusal;
    ResultsPage page;
};

// Each run fills a freshly created results window, as the program does.
Run Calculate(const InputForm& f, CalculationState& state) {
    Run r;
    r.refusal = RunCalculation(f, state, r.page);
    return r;
}

}  // namespace

TEST(CalculationDriver, BharaniEndToEnd) {
    CalculationState state;
    const auto r = Calculate(Delhi1987(), state);
    ASSERT_FALSE(r.refusal);
    EXPECT_EQ(r.page.lblNakshatra, "Bharani");
    EXPECT_EQ(r.page.lblType, "Adhomukhi Nakshatra");
    EXPECT_EQ(r.page.lblNakshatraCharacterstic, "Downward Looking");
    EXPECT_EQ(r.page.txtMoreAboutNakshatra,
              "This nakshatra is good for tasks for which you need to look down like digging "
              "wells, foundations, canals, seeking treasure, etc.");
    EXPECT_EQ(r.page.lblAyanamsa, "-23\u00B0 41' 5\"");
    EXPECT_EQ(r.page.lblName, "ASHA");
    EXPECT_EQ(r.page.lblDOB, "August/15/1987");
    EXPECT_EQ(r.page.lblTOB, "10:30");
    EXPECT_EQ(r.page.lblLatitude, "28\u00B0 36' N");
    EXPECT_EQ(r.page.lblLongitude, "77\u00B0 13' E");
    EXPECT_EQ(r.page.lblCity, "New Delhi");
    EXPECT_EQ(r.page.lblState, "Delhi");
    EXPECT_EQ(r.page.lblCountry, "India");
    EXPECT_EQ(state.birth.ZoneHours, 5);
    EXPECT_EQ(state.birth.ZoneMinutes, 30);
    EXPECT_TRUE(state.birth.LonIsEast);
    EXPECT_FALSE(state.birth.LatIsSouth);
    EXPECT_EQ(ComputeMoonNakshatra(state.birth).working.UniversalHours, 5.0);
}

TEST(CalculationDriver, SwatiEndToEnd) {
    InputForm f;
    f.txtName = "B";
    f.cboYear = 2000 - 1901;
    f.cboHH = 12;
    f.txtLatD = "0";
    f.txtLatM = "0";
    f.txtLonD = "0";
    f.txtLonM = "0";
    f.txtZoneHour = "0";
    f.txtZoneMinute = "0";
    CalculationState state;
    const auto r = Calculate(f, state);
    ASSERT_FALSE(r.refusal);
    EXPECT_EQ(r.page.lblNakshatra, "Swati");
    EXPECT_EQ(r.page.lblType, "Parshvamukhi Nakshatra");
    EXPECT_EQ(r.page.lblNakshatraCharacterstic, "Looking on all sides");
    EXPECT_EQ(r.page.lblAyanamsa, "-23\u00B0 51' 14\"");
    EXPECT_EQ(r.page.lblDOB, "January/1/2000");
    EXPECT_EQ(r.page.lblTOB, "12:0");
    EXPECT_EQ(r.page.lblLongitude, "0\u00B0 0' E");
    EXPECT_EQ(ComputeMoonNakshatra(state.birth).working.BirthCenturies, 0.0);
}

TEST(CalculationDriver, EchoUsesPlainNumbersAndTheOptionButtons) {
    InputForm f = Delhi1987();
    f.txtName = "  ASHA ";  // echoed as typed
    f.cboMonth = 2;
    f.cboDate = 4;
    f.cboYear = 1984 - 1901;
    f.cboHH = 7;
    f.cboMM = 5;
    f.txtLonD = "077";
    f.txtLonM = "12";
    f.txtMCity = " Pune ";
    CalculationState state;
    auto r = Calculate(f, state);
    EXPECT_EQ(r.page.lblName, "  ASHA ");
    EXPECT_EQ(r.page.lblDOB, "March/5/1984");
    EXPECT_EQ(r.page.lblTOB, "7:5");
    EXPECT_EQ(r.page.lblLatitude, "28\u00B0 36' N");
    EXPECT_EQ(r.page.lblLongitude, "77\u00B0 12' E");
    EXPECT_EQ(r.page.lblCity, " Pune ");

    f.optLat = 1;
    f.optLong = 1;
    r = Calculate(f, state);
    EXPECT_EQ(r.page.lblLatitude, "28\u00B0 36' S");
    EXPECT_EQ(r.page.lblLongitude, "77\u00B0 12' W");
    EXPECT_TRUE(state.birth.LatIsSouth);
    EXPECT_FALSE(state.birth.LonIsEast);
}

struct ZoneCase {
    const char* hour;
    const char* minute;
    int hours, minutes;
};

class ZoneTest : public ::testing::TestWithParam<ZoneCase> {};

TEST_P(ZoneTest, StoredAsRoundedMagnitude) {
    InputForm f = Delhi1987();
    f.txtZoneHour = GetParam().hour;
    f.txtZoneMinute = GetParam().minute;
    CalculationState state;
    ASSERT_FALSE(Calculate(f, state).refusal);
    EXPECT_EQ(state.birth.ZoneHours, GetParam().hours);
    EXPECT_EQ(state.birth.ZoneMinutes, GetParam().minutes);
}

INSTANTIATE_TEST_SUITE_P(Zones, ZoneTest,
                         ::testing::Values(ZoneCase{"-5", "30", 5, 30}, ZoneCase{"5", "-30", 5, 30},
                                           ZoneCase{"5.5", "0", 6, 0}, ZoneCase{"4.5", "0", 4, 0},
                                           ZoneCase{"-5.5", "0", 6, 0}, ZoneCase{" 13 ", "45", 13, 45},
                                           ZoneCase{"0.5", "29.5", 0, 30}));

TEST(CalculationDriver, DaylightSavingAnyTickCounts) {
    InputForm f = Delhi1987();
    CalculationState state;
    f.chkDST = 2;
    Calculate(f, state);
    EXPECT_TRUE(state.birth.DstOn);
    EXPECT_EQ(ComputeMoonNakshatra(state.birth).working.ZoneOffset, 6.5);
    f.chkDST = 0;
    Calculate(f, state);
    EXPECT_FALSE(state.birth.DstOn);
}

TEST(CalculationDriver, FailedConversionsKeepThePreviousRunsValues) {
    CalculationState state;
    ASSERT_FALSE(Calculate(Delhi1987(), state).refusal);

    InputForm f = Delhi1987();
    f.txtZoneHour = "";       // no check covers the zone
    f.txtZoneMinute = "abc";
    f.txtLonD = "abc";        // passes its check as 0, but is no number
    f.txtLatD = "12x";        // likewise
    f.txtLonM = "7";
    const auto r = Calculate(f, state);
    ASSERT_FALSE(r.refusal);
    EXPECT_EQ(state.birth.ZoneHours, 5);
    EXPECT_EQ(state.birth.ZoneMinutes, 30);
    EXPECT_EQ(state.birth.LonDegrees, 77);
    EXPECT_EQ(state.birth.LatDegrees, 28);
    EXPECT_EQ(state.birth.LonMinutes, 7);
    EXPECT_EQ(r.page.lblLongitude, "77\u00B0 7' E");
    EXPECT_EQ(r.page.lblLatitude, "28\u00B0 36' N");
}

TEST(CalculationDriver, EmptyZoneBeforeAnyRunIsZero) {
    InputForm f = Delhi1987();
    f.txtZoneHour = "";
    f.txtZoneMinute = "";
    CalculationState state;
    ASSERT_FALSE(Calculate(f, state).refusal);
    EXPECT_EQ(state.birth.ZoneHours, 0);
    EXPECT_EQ(state.birth.ZoneMinutes, 0);
    EXPECT_EQ(ComputeMoonNakshatra(state.birth).working.UniversalHours, 10.5);
}

TEST(CalculationDriver, NoMonthChosenKeepsTheDateCaption) {
    InputForm f = Delhi1987();
    f.cboMonth = -1;
    f.cboDate = -1;
    CalculationState fresh;
    auto r = Calculate(f, fresh);
    ASSERT_FALSE(r.refusal);
    EXPECT_EQ(r.page.lblDOB, "LblDOB");

    // After a run that set the month, the previous month and day stay in use.
    CalculationState used;
    Calculate(Delhi1987(), used);
    r = Calculate(f, used);
    EXPECT_EQ(r.page.lblDOB, "August/15/1987");
}

// A date without a day or a year has no weekday: the vara of the previous
// calculation stays, and before any the page keeps its design texts.
TEST(CalculationDriver, AVaraThatCannotBeFormedKeepsThePreviousOne) {
    InputForm noDay = Delhi1987();
    noDay.cboDate = -1;
    CalculationState fresh;
    auto r = Calculate(noDay, fresh);
    ASSERT_FALSE(r.refusal);
    EXPECT_FALSE(fresh.VaraNumber);
    EXPECT_EQ(r.page.lblDay, ResultsPage().lblDay);
    EXPECT_EQ(r.page.lblAlternateName, ResultsPage().lblAlternateName);

    CalculationState used;
    InputForm monday = Delhi1987();
    monday.cboMonth = 2;
    monday.cboDate = 4;
    monday.cboYear = 1984 - 1901;
    ASSERT_FALSE(Calculate(monday, used).refusal);
    ASSERT_EQ(used.VaraNumber, std::optional<int>(2));
    InputForm noYear = Delhi1987();
    noYear.cboYear = -1;
    r = Calculate(noYear, used);
    ASSERT_FALSE(r.refusal);
    EXPECT_EQ(used.VaraNumber, std::optional<int>(2));
    EXPECT_EQ(r.page.lblDay, "Monday");
    EXPECT_EQ(r.page.lblAlternateName, "Soma Vara");
}

TEST(CalculationDriver, RefusalTouchesNothing) {
    CalculationState state;
    ASSERT_FALSE(Calculate(Delhi1987(), state).refusal);
    const BirthRecord before = state.birth;
    const std::string nakshatra = state.MoonNakshatra;

    InputForm f = Delhi1987();
    f.cboYear = 0;
    f.txtName = " ";
    const auto r = Calculate(f, state);
    ASSERT_TRUE(r.refusal);
    EXPECT_EQ(r.refusal->message, "Please Enter Name");
    EXPECT_EQ(state.birth.QueryYear, before.QueryYear);
    EXPECT_EQ(state.MoonNakshatra, nakshatra);
    const ResultsPage design;
    for (const auto& c : ResultsControls()) {
        EXPECT_EQ(r.page.*(c.text), design.*(c.text)) << c.name;
    }
}

TEST(CalculationDriver, PanchangTextsComeFromTheState) {
    CalculationState state;
    state.results.CurrentTithi = "T";
    state.results.CurrentTithiSpan = "TS";
    state.results.CurrentYoga = "Y";
    state.results.CurrentYogaSpan = "YS";
    state.results.CurrentKarana = "K";
    state.results.CurrentKaranaSpan = "KS";
    const auto r = Calculate(Delhi1987(), state);
    EXPECT_EQ(r.page.lblTithi, state.results.CurrentTithi);
    EXPECT_EQ(r.page.lblTithiTime, state.results.CurrentTithiSpan);
    EXPECT_EQ(r.page.lblYoga, state.results.CurrentYoga);
    EXPECT_EQ(r.page.lblYogaTime, state.results.CurrentYogaSpan);
    EXPECT_EQ(r.page.lblKarna, state.results.CurrentKarana);
    EXPECT_EQ(r.page.lblKarnaTime, state.results.CurrentKaranaSpan);
}

struct FacingCase {
    const char* name;
    const char* type;
};

class FacingTest : public ::testing::TestWithParam<FacingCase> {};

TEST_P(FacingTest, Class) {
    ResultsPage page;
    WriteNakshatraFacing(GetParam().name, page);
    EXPECT_EQ(page.lblType, GetParam().type) << "'" << GetParam().name << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Names, FacingTest,
    ::testing::Values(FacingCase{"Moola", "Adhomukhi Nakshatra"}, FacingCase{"Hasta", "Parshvamukhi Nakshatra"},
                      FacingCase{"Dhanistha", "Urdhvamukhi Nakshtra"},
                      FacingCase{"Hasta ", "Parshvamukhi Nakshatra"},
                      FacingCase{"  Moola ", "Adhomukhi Nakshatra"},
                      FacingCase{"Purva Ashadha", "Adhomukhi Nakshatra"},
                      FacingCase{"Poorva Bhadrapada", "Adhomukhi Nakshatra"},
                      FacingCase{"Purva Bhadrapada", "Urdhvamukhi Nakshtra"},
                      FacingCase{"Jyeshtha", "Parshvamukhi Nakshatra"},
                      FacingCase{"hasta", "Urdhvamukhi Nakshtra"}, FacingCase{"", "Urdhvamukhi Nakshtra"},
                      FacingCase{"Rohini", "Urdhvamukhi Nakshtra"}));

// Every one of the 27 mansions in its facing class: nine look down, nine look
// on all sides, nine look up.
TEST(CalculationDriver, EveryNakshatraHasItsFacingClass) {
    const std::pair<const char*, const char*> classes[] = {
        {"Ashwini", "Parshvamukhi Nakshatra"},          {"Bharani", "Adhomukhi Nakshatra"},
        {"Krittika", "Adhomukhi Nakshatra"},            {"Rohini", "Urdhvamukhi Nakshtra"},
        {"Mrigasira", "Parshvamukhi Nakshatra"},        {"Ardra", "Urdhvamukhi Nakshtra"},
        {"Punarvasu", "Parshvamukhi Nakshatra"},        {"Pushya", "Urdhvamukhi Nakshtra"},
        {"Ashlesha", "Adhomukhi Nakshatra"},            {"Magha", "Adhomukhi Nakshatra"},
        {"Poorva Phalguni", "Adhomukhi Nakshatra"},     {"Uttara Phalguni", "Urdhvamukhi Nakshtra"},
        {"Hasta", "Parshvamukhi Nakshatra"},            {"Chitra", "Parshvamukhi Nakshatra"},
        {"Swati", "Parshvamukhi Nakshatra"},            {"Vishakha", "Adhomukhi Nakshatra"},
        {"Anuradha", "Parshvamukhi Nakshatra"},         {"Jyeshtha", "Parshvamukhi Nakshatra"},
        {"Moola", "Adhomukhi Nakshatra"},               {"Purva Ashadha", "Adhomukhi Nakshatra"},
        {"Uttara Ashadha", "Urdhvamukhi Nakshtra"},     {"Shravana", "Urdhvamukhi Nakshtra"},
        {"Dhanistha", "Urdhvamukhi Nakshtra"},          {"Shatabhisha", "Urdhvamukhi Nakshtra"},
        {"Poorva Bhadrapada", "Adhomukhi Nakshatra"},   {"Uttara Bhadrapada", "Urdhvamukhi Nakshtra"},
        {"Revati", "Parshvamukhi Nakshatra"},
    };
    ASSERT_EQ(std::size(classes), 27u);
    for (std::size_t i = 0; i < std::size(classes); ++i) {
        EXPECT_EQ(NakshatraNames[i], classes[i].first);
        ResultsPage page;
        WriteNakshatraFacing(classes[i].first, page);
        EXPECT_EQ(page.lblType, classes[i].second) << classes[i].first;
    }
}

// The seven refusals of the input check, and the shape of a span line.
const std::string kRefusals[] = {
    "Please Enter Name",
    "Please Enter Value Between 0 And 179 in the Degree of Longitude",
    "Please Enter Value Between 0 And 59 in the  Minute of Longitude",
    "Please Enter Value Between 0 And 89 in the Degree of Latitude",
    "Please Enter Value Between 0 And 59 in the  Minute of Latitude",
    "Please Enter Correct Date Or Month!",
    "Please Enter Correct Date Or Month !",
};
const std::regex kSpanShape(R"([ 0-9]\d\.\d\d\.\d{4} \d\d:\d\d  to [ 0-9]\d\.\d\d\.\d{4} \d\d:\d\d)");

TEST(CalculationDriver, AnyTextInAnyBoxGivesRefusalOrResults) {
    // Random texts of number-like pieces and arbitrary bytes in every box, and
    // any list position, over one long session.
    std::mt19937 rng(20261207);
    const char* pieces[] = {"0", "1", "5", "9", "59", "60", "179", "-", "+", ".", "e", "E", " ", "x",
                            "\t", "\xC3\xA9", "\xFF", "32767", "32768", "1e308", "1e-400", "nan", "inf",
                            "0x1", ",", "\0"};
    auto text = [&]() {
        std::string s;
        const int n = std::uniform_int_distribution<int>(0, 5)(rng);
        for (int i = 0; i < n; ++i) s += pieces[std::uniform_int_distribution<std::size_t>(0, std::size(pieces) - 1)(rng)];
        return s;
    };
    auto position = [&](int count) { return std::uniform_int_distribution<int>(-3, count + 3)(rng); };
    CalculationState state;
    int results = 0;
    for (int i = 0; i < 20000; ++i) {
        InputForm f;
        f.txtName = i % 5 == 0 ? text() : "N" + text();
        f.txtMCity = text();
        f.txtMState = text();
        f.txtMCountry = text();
        f.txtLatD = text();
        f.txtLatM = i % 3 ? std::to_string(position(59)) : text();
        f.txtLonD = text();
        f.txtLonM = i % 2 ? std::to_string(position(59)) : text();
        f.txtZoneHour = text();
        f.txtZoneMinute = text();
        f.cboMonth = position(12);
        f.cboDate = position(31);
        f.cboYear = position(150);
        f.cboHH = position(24);
        f.cboMM = position(60);
        f.cboSS = position(60);
        f.optLat = position(2);
        f.optLong = position(2);
        f.chkDST = position(3);
        ResultsPage page;
        const auto refusal = RunCalculation(f, state, page);
        if (!refusal) {
            ++results;
            // Whatever the boxes held, the results are the program's own texts:
            // a mansion, a tithi and a karana of the tables, spans of the shown shape.
            EXPECT_NE(std::find(NakshatraNames.begin(), NakshatraNames.end(), page.lblNakshatra), NakshatraNames.end())
                << page.lblNakshatra;
            EXPECT_TRUE(std::any_of(TithiTable.begin(), TithiTable.end(),
                                    [&](const TithiRow& row) { return row.name == page.lblTithi; }))
                << page.lblTithi;
            EXPECT_NE(std::find(KaranaNames.begin(), KaranaNames.end(), page.lblKarna), KaranaNames.end())
                << page.lblKarna;
            for (const std::string* span : {&page.lblTithiTime, &page.lblYogaTime, &page.lblKarnaTime}) {
                EXPECT_TRUE(std::regex_match(*span, kSpanShape)) << *span;
            }
        } else {
            EXPECT_NE(std::find(std::begin(kRefusals), std::end(kRefusals), refusal->message), std::end(kRefusals))
                << refusal->message;
        }
    }
    EXPECT_GT(results, 1000);
}
