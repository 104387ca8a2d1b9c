#include <gtest/gtest.h>

#include <map>
#include <string>

#include "input/CalculationDriver.h"
#include "input/InputForm.h"
#include "panchang/Calendar.h"
#include "panchang/PanchangReport.h"
#include "results/ResultsPage.h"
#include "WorkedExamples.h"

// Whole calculations, form to filled results page, through the driver.
namespace velmora {
namespace {

// 14 January 2024, 06:05 at 77°2' W, 12°3' S, zone -5: every result differs
// from the Delhi run's.
InputForm Lima2024() {
    InputForm f;
    f.txtName = "Ravi K";
    f.cboMonth = 0;
    f.cboDate = 13;
    f.cboYear = 2024 - FirstYear;
    f.cboHH = 6;
    f.cboMM = 5;
    f.txtMCity = "Lima";
    f.txtMState = "Lima Province";
    f.txtMCountry = "Peru";
    f.txtLatD = "12";
    f.txtLatM = "3";
    f.optLat = 1;
    f.txtLonD = "77";
    f.txtLonM = "2";
    f.optLong = 1;
    f.txtZoneHour = "-5";
    f.txtZoneMinute = "0";
    return f;
}

const std::map<std::string, std::string>& Delhi1987Expected() {
    static const std::map<std::string, std::string> expected = {
        {"lblName", "ASHA"},
        {"lblDOB", "August/15/1987"},
        {"lblTOB", "10:30"},
        {"lblLongitude", "77\u00B0 13' E"},
        {"lblLatitude", "28\u00B0 36' N"},
        {"lblCity", "New Delhi"},
        {"lblState", "Delhi"},
        {"lblCountry", "India"},
        {"lblAyanamsa", "-23\u00B0 41' 5\""},
        {"lblDay", "Saturday"},
        {"lblAlternateName", "Shani Vara"},
        {"lblLord", "Saturn"},
        {"txtMoreAboutDayOfBirth",
         "Day of rest and relaxation. Good for charity work, work related to iron, land, farming, housing. "
         "Take care of your health. Do not do any important work or start any new venture. Do not cut your "
         "hair."},
        {"lblNakshatra", "Bharani"},
        {"lblType", "Adhomukhi Nakshatra"},
        {"lblNakshatraCharacterstic", "Downward Looking"},
        {"txtMoreAboutNakshatra",
         "This nakshatra is good for tasks for which you need to look down like digging wells, foundations, "
         "canals, seeking treasure, etc."},
        // Six days after the full moon of 9 August: Krishna Saptami.
        {"lblTithi", "Saptami"},
        {"lblTithiLord", "Sun"},
        {"lblNumber", "7"},
        {"lblPhase", "Krishna"},
        {"lblGroup", "Bhadra"},
        {"lblFeature", "Firendly"},
        {"lblTtype", "Auspicious"},
        {"txtType",
         "Time the most powerful factor in the accomplishment of any work. Nothing happens before the "
         "appropriate and auspicious time. The auspicious Tithi provides an opportunity to do the right thing "
         "at the time in order to get the best advantage for the progress, welfare & happiness of the native."},
        {"txtTithiDesc", "This is a good time for journeys and buying of vehicles."},
        {"lblTithiTime", "15.08.1987 01:31  to 16.08.1987 01:36"},
        // Moon just inside Bharani, Sun near 118.6° sidereal: the sum ends Ganda at 11:18.
        {"lblYoga", "Ganda"},
        {"lblYogaTime", "14.08.1987 12:36  to 15.08.1987 11:18"},
        {"txtYogaDesc",
         "The yoga is Ganda, which means \u2018Danger or Obstacles\u2019. This combination is the symbol of a "
         "troublesome personality. The native will be having flawed morals or ethics."},
        // First half of Krishna Saptami (half-tithi 42).
        {"lblKarna", "Visti"},
        {"lblKarnaTime", "15.08.1987 01:31  to 15.08.1987 13:27"},
    };
    return expected;
}

void ExpectSameResults(const PanchangResults& a, const PanchangResults& b) {
    EXPECT_EQ(a.CurrentTithi, b.CurrentTithi);
    EXPECT_EQ(a.CurrentTithiSpan, b.CurrentTithiSpan);
    EXPECT_EQ(a.CurrentYoga, b.CurrentYoga);
    EXPECT_EQ(a.CurrentYogaSpan, b.CurrentYogaSpan);
    EXPECT_EQ(a.CurrentKarana, b.CurrentKarana);
    EXPECT_EQ(a.CurrentKaranaSpan, b.CurrentKaranaSpan);
}

TEST(PanchangWholeRunTest, Delhi1987FillsEveryControl) {
    CalculationState state;
    ResultsPage page;
    ASSERT_FALSE(RunCalculation(Delhi1987(), state, page));
    const auto& expected = Delhi1987Expected();
    EXPECT_EQ(expected.size(), ResultsControls().size());
    for (const ResultsControl& control : ResultsControls()) {
        const auto it = expected.find(std::string(control.name));
        ASSERT_NE(it, expected.end()) << control.name;
        EXPECT_EQ(page.*control.text, it->second) << control.name;
    }
    EXPECT_EQ(state.results.CurrentTithi, "Saptami");
    EXPECT_EQ(state.results.CurrentTithiSpan, "15.08.1987 01:31  to 16.08.1987 01:36");
    EXPECT_EQ(state.results.CurrentYoga, "Ganda");
    EXPECT_EQ(state.results.CurrentYogaSpan, "14.08.1987 12:36  to 15.08.1987 11:18");
    EXPECT_EQ(state.results.CurrentKarana, "Visti");
    EXPECT_EQ(state.results.CurrentKaranaSpan, "15.08.1987 01:31  to 15.08.1987 13:27");
    EXPECT_EQ(state.panchang.TithiIndex, 21);
    EXPECT_EQ(state.panchang.VaraNumber, std::optional<int>(7));
    EXPECT_NEAR(state.panchang.NegAyanamsa, -23.684828568385065, 1e-12);
}

// A second run in the same session writes every control and shared result:
// with the page and state of the first run reused, it ends exactly where a
// run of its own input in a fresh session ends, and nothing of the first run
// is left.
TEST(PanchangWholeRunTest, SecondRunOverwritesEverything) {
    CalculationState session;
    ResultsPage page;
    ASSERT_FALSE(RunCalculation(Delhi1987(), session, page));
    const ResultsPage first = page;
    const PanchangResults firstResults = session.results;

    ASSERT_FALSE(RunCalculation(Lima2024(), session, page));

    CalculationState alone;
    ResultsPage alonePage;
    ASSERT_FALSE(RunCalculation(Lima2024(), alone, alonePage));

    for (const ResultsControl& control : ResultsControls()) {
        EXPECT_EQ(page.*control.text, alonePage.*control.text) << control.name;
        EXPECT_NE(page.*control.text, first.*control.text) << control.name;
    }
    ExpectSameResults(session.results, alone.results);
    EXPECT_NE(session.results.CurrentTithi, firstResults.CurrentTithi);
    EXPECT_NE(session.results.CurrentTithiSpan, firstResults.CurrentTithiSpan);
    EXPECT_NE(session.results.CurrentYoga, firstResults.CurrentYoga);
    EXPECT_NE(session.results.CurrentYogaSpan, firstResults.CurrentYogaSpan);
    EXPECT_NE(session.results.CurrentKarana, firstResults.CurrentKarana);
    EXPECT_NE(session.results.CurrentKaranaSpan, firstResults.CurrentKaranaSpan);

    // The Lima results themselves, frozen.
    EXPECT_EQ(page.lblDay, "Sunday");
    EXPECT_EQ(page.lblNakshatra, "Shatabhisha");
    EXPECT_EQ(page.lblTithi, "Chathurthi");
    EXPECT_EQ(page.lblPhase, "Shukla");
    EXPECT_EQ(page.lblNumber, "19");
    EXPECT_EQ(page.lblTtype, "In-Auspicious");
    EXPECT_EQ(page.lblTithiTime, "13.01.2024 21:31  to 14.01.2024 18:30");
    EXPECT_EQ(page.lblYoga, "Vyatipata");
    EXPECT_EQ(page.lblYogaTime, "13.01.2024 19:52  to 14.01.2024 16:09");
    EXPECT_EQ(page.lblKarna, "Vanija");
    EXPECT_EQ(page.lblKarnaTime, "13.01.2024 21:31  to 14.01.2024 07:59");
    EXPECT_EQ(page.lblAyanamsa, "-24\u00B0 11' 31\"");
}

TEST(PanchangWholeRunTest, SameInputGivesIdenticalResults) {
    CalculationState a, b;
    ResultsPage pageA, pageB;
    ASSERT_FALSE(RunCalculation(Delhi1987(), a, pageA));
    ASSERT_FALSE(RunCalculation(Delhi1987(), b, pageB));
    // And the same input again in the first session.
    ResultsPage pageA2;
    ASSERT_FALSE(RunCalculation(Delhi1987(), a, pageA2));
    for (const ResultsControl& control : ResultsControls()) {
        EXPECT_EQ(pageA.*control.text, pageB.*control.text) << control.name;
        EXPECT_EQ(pageA.*control.text, pageA2.*control.text) << control.name;
    }
    ExpectSameResults(a.results, b.results);
    EXPECT_EQ(a.panchang.NegAyanamsa, b.panchang.NegAyanamsa);
    EXPECT_EQ(a.panchang.MoonLongitudeRaw, b.panchang.MoonLongitudeRaw);
    EXPECT_EQ(a.panchang.SunLongitudeRaw, b.panchang.SunLongitudeRaw);
    EXPECT_EQ(a.panchang.MoonDailyMotion, b.panchang.MoonDailyMotion);
    EXPECT_EQ(a.panchang.TithiIndex, b.panchang.TithiIndex);
    EXPECT_EQ(a.panchang.VaraNumber, b.panchang.VaraNumber);
}

// Daylight saving in the west makes the zone one hour smaller: zone 5 with
// DST puts local time at UT − 4.
TEST(PanchangWholeRunTest, WestZone5WithDaylightSavingIsMinus4) {
    InputForm f = Delhi1987();
    f.txtLonD = "75";
    f.txtLonM = "0";
    f.optLong = 1;
    f.txtZoneHour = "5";
    f.txtZoneMinute = "0";
    f.chkDST = 1;
    f.cboHH = 12;
    f.cboMM = 0;
    CalculationState state;
    ResultsPage page;
    ASSERT_FALSE(RunCalculation(f, state, page));
    EXPECT_EQ(state.engine.ZoneOffset, 4.0);
    const PanchangMoment m = PanchangTimeChain(state);
    EXPECT_EQ(m.z, -4.0);
    EXPECT_DOUBLE_EQ(m.jdUt, JulianDayFromDate(8, 15, 1987) + 16.0 / 24);
}

// A refused form computes nothing: the page and the shared results stay.
TEST(PanchangWholeRunTest, RefusalLeavesThePanchangAlone) {
    CalculationState state;
    ResultsPage page;
    ASSERT_FALSE(RunCalculation(Delhi1987(), state, page));
    const PanchangResults before = state.results;
    InputForm bad = Delhi1987();
    bad.txtName.clear();
    ResultsPage fresh;
    ASSERT_TRUE(RunCalculation(bad, state, fresh));
    ExpectSameResults(state.results, before);
    EXPECT_EQ(fresh.lblTithi, ResultsPage().lblTithi);
    EXPECT_EQ(fresh.lblDay, ResultsPage().lblDay);
}

}  // namespace
}  // namespace velmora
