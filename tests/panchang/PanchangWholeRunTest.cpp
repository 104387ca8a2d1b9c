#include <gtest/gtest.h>

#include <map>
#include <string>

#include "engine/Engine.h"
#include "input/CalculationDriver.h"
#include "input/InputForm.h"
#include "astronomy/Calendar.h"
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
        {"lblTithiTime", "15.08.1987 01:30  to 16.08.1987 01:35"},
        // Moon just inside Bharani, Sun near 118.6° sidereal: the sum ends Ganda at 11:17.
        {"lblYoga", "Ganda"},
        {"lblYogaTime", "14.08.1987 12:35  to 15.08.1987 11:17"},
        {"txtYogaDesc",
         "The yoga is Ganda, which means \u2018Danger or Obstacles\u2019. This combination is the symbol of a "
         "troublesome personality. The native will be having flawed morals or ethics."},
        // First half of Krishna Saptami (half-tithi 42).
        {"lblKarna", "Visti"},
        {"lblKarnaTime", "15.08.1987 01:30  to 15.08.1987 13:27"},
        // The panchang's Moon at 14.7° sidereal (the ephemeris: 14.698°),
        // Bharani's first pada; the Sun at 118.2° (Karka).
        {"lblNakshatraTime", "15.08.1987 07:58  to 16.08.1987 08:57"},
        {"lblPada", "1"},
        {"lblPadaTime", "15.08.1987 07:58  to 15.08.1987 14:09"},
        {"lblSyllable", "Li"},
        {"lblMoonSign", "Mesha (Aries)"},
        {"lblMoonSignTime", "14.08.1987 07:45  to 16.08.1987 15:19"},
        {"lblSunSign", "Karka (Cancer)"},
        {"lblNakshatraNote", ""},
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
    EXPECT_EQ(state.results.CurrentTithiSpan, "15.08.1987 01:30  to 16.08.1987 01:35");
    EXPECT_EQ(state.results.CurrentYoga, "Ganda");
    EXPECT_EQ(state.results.CurrentYogaSpan, "14.08.1987 12:35  to 15.08.1987 11:17");
    EXPECT_EQ(state.results.CurrentKarana, "Visti");
    EXPECT_EQ(state.results.CurrentKaranaSpan, "15.08.1987 01:30  to 15.08.1987 13:27");
    EXPECT_EQ(state.VaraNumber, std::optional<int>(7));
    EXPECT_EQ(state.MoonNakshatra, "Bharani");
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
        // The nakshatra's line is empty in both runs: the names agree.
        if (control.name == "lblNakshatraNote") continue;
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
    EXPECT_EQ(page.lblTithiTime, "13.01.2024 21:30  to 14.01.2024 18:29");
    EXPECT_EQ(page.lblYoga, "Vyatipata");
    EXPECT_EQ(page.lblYogaTime, "13.01.2024 19:51  to 14.01.2024 16:08");
    EXPECT_EQ(page.lblKarna, "Vanija");
    EXPECT_EQ(page.lblKarnaTime, "13.01.2024 21:30  to 14.01.2024 07:57");
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
    EXPECT_EQ(a.VaraNumber, b.VaraNumber);
    EXPECT_EQ(a.MoonNakshatra, b.MoonNakshatra);
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
    const WorkingValues w = ComputeMoonNakshatra(state.birth).working;
    EXPECT_EQ(w.ZoneOffset, 4.0);
    const PanchangMoment m = PanchangTimeChain(w);
    EXPECT_EQ(m.z, -4.0);
    EXPECT_DOUBLE_EQ(m.jdUt, JulianDayFromDate(8, 15, 1987) + 16.0 / 24);
}

// Shown start and end times are local clock times: ΔT (about a minute after
// 1950, more after 2030) is taken back out of every shown moment, so a span
// holds the moment it was computed for. Before, Chennai at 03:54 on 17 September
// 2034 showed a Panchami that began at 03:55.
struct ClockCase {
    const char* what;
    int year, month, day, hour, minute;
    const char* lonD;
    const char* lonM;
    int optLong;
    const char* zoneHour;
    const char* zoneMinute;
    const char* tithi;
    const char* tithiTime;
    const char* karanaTime;
    const char* yogaTime;
};

TEST(PanchangWholeRunTest, ShownTimesAreLocalClockTimesThatHoldTheMoment) {
    const ClockCase cases[] = {
        {"Chennai 2034, a minute after the Panchami began", 2034, 9, 17, 3, 54, "80", "17", 0, "5", "30",
         "Panchami", "17.09.2034 03:53  to 18.09.2034 06:18", "17.09.2034 03:53  to 17.09.2034 17:05",
         "17.09.2034 02:11  to 18.09.2034 03:04"},
        {"New York, the last minute of 1949", 1949, 12, 31, 23, 59, "74", "0", 1, "5", "0", "Dwadasi",
         "30.12.1949 22:38  to  1.01.1950 00:32", "31.12.1949 11:39  to  1.01.1950 00:32",
         "31.12.1949 15:45  to  1.01.1950 15:48"},
        {"Kolkata, the first minute of 1950", 1950, 1, 1, 0, 0, "88", "22", 0, "5", "30", "Dwadasi",
         "31.12.1949 09:08  to  1.01.1950 11:02", "31.12.1949 22:09  to  1.01.1950 11:02",
         "31.12.1949 01:48  to  1.01.1950 02:15"},
        {"Tokyo, May 2030", 2030, 5, 28, 12, 34, "139", "41", 0, "9", "0", "Dwadasi",
         "28.05.2030 05:35  to 29.05.2030 07:45", "28.05.2030 05:35  to 28.05.2030 18:37",
         "28.05.2030 11:47  to 29.05.2030 12:35"},
        {"Honolulu, August 2030", 2030, 8, 4, 3, 57, "157", "51", 1, "10", "0", "Shashti",
         " 3.08.2030 22:56  to  4.08.2030 21:26", " 3.08.2030 22:56  to  4.08.2030 10:13",
         " 3.08.2030 08:20  to  4.08.2030 06:14"},
    };
    for (const ClockCase& c : cases) {
        InputForm f = Delhi1987();
        f.cboYear = c.year - FirstYear;
        f.cboMonth = c.month - 1;
        f.cboDate = c.day - 1;
        f.cboHH = c.hour;
        f.cboMM = c.minute;
        f.txtLonD = c.lonD;
        f.txtLonM = c.lonM;
        f.optLong = c.optLong;
        f.txtZoneHour = c.zoneHour;
        f.txtZoneMinute = c.zoneMinute;
        CalculationState state;
        ResultsPage page;
        ASSERT_FALSE(RunCalculation(f, state, page)) << c.what;
        EXPECT_EQ(page.lblTithi, c.tithi) << c.what;
        EXPECT_EQ(page.lblTithiTime, c.tithiTime) << c.what;
        EXPECT_EQ(page.lblKarnaTime, c.karanaTime) << c.what;
        EXPECT_EQ(page.lblYogaTime, c.yogaTime) << c.what;
    }
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
