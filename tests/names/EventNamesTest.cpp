// The eclipses' and the festivals' texts in Hindi and Tamil: every sentence
// the program writes about the eclipses of two years at two places, in the
// day, the month's box, the calendar file and the window's Day tab, comes out
// with no English word left; the month grid's festivals and eclipses follow
// the language.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calendar/CalendarDays.h"
#include "calendar/CalendarNames.h"
#include "calendar/EclipseNotes.h"
#include "names/NameTables.h"

namespace velmora {
namespace {

const Observer kNewDelhi{28.6139, 77.2090, 216};
const Observer kLondon{51.5074, -0.1278, 11};

// The first run of three Latin letters, or empty.
std::string EnglishLeft(const std::string& text) {
    int run = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        run = ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) ? run + 1 : 0;
        if (run == 3) return text.substr(i - 2, 40);
    }
    return {};
}

TEST(EventNames, EveryEclipseTextOfTwoYearsAtTwoPlacesIsTranslated) {
    struct Place {
        const char* name;
        Observer observer;
        double zoneHours;
    };
    const Place places[] = {{"New Delhi", kNewDelhi, 5.5}, {"London", kLondon, 0}};
    int texts = 0;
    for (const Place& place : places) {
        const FixedZone zone(place.zoneHours);
        for (const int year : {2026, 2027}) {
            const std::vector<Eclipse> eclipses = EclipsesOfYear(year, place.observer, zone);
            ASSERT_GE(eclipses.size(), 4u) << place.name << " " << year;
            std::vector<std::string> english = {EclipsesTable(eclipses, zone), EclipsesTable({}, zone)};
            for (const Eclipse& e : eclipses) {
                english.push_back(EclipseSummary(e, zone));
                english.push_back(EclipseBoxText(e));
                const CalendarEvent event = EclipseEvent(e, zone, "x");
                english.push_back(event.summary);
                english.push_back(event.description);
                for (const std::string& line : EclipseLines(e, zone)) english.push_back(line);
            }
            for (const Language language : {Language::Hindi, Language::Tamil}) {
                for (const std::string& text : english) {
                    // The report tool and the calendar file; the windows.
                    for (const std::string& shown : {LocalizedCalendarText(text, language), LocalizedAny(text, language)}) {
                        EXPECT_EQ(EnglishLeft(shown), "") << place.name << " " << year << ": " << text << "\n→ " << shown;
                        ++texts;
                    }
                }
            }
        }
    }
    EXPECT_GT(texts, 200);
}

// Published Hindi and Tamil almanac words for the lunar eclipse of 3 March
// 2026 at New Delhi (खग्रास चन्द्र ग्रहण, முழு சந்திர கிரகணம்; it rises over
// Delhi eclipsed: visible in part), and the month box of that date, whose
// festival is Holika Dahan.
TEST(EventNames, MonthBoxAndSummaryOfTheLunarEclipseOfMarch2026) {
    const FixedZone ist(5.5);
    const MonthGrid english = BuildMonthGrid(2026, 3, kNewDelhi, ist);
    struct Case {
        Language language;
        const char* box;
        const char* festival;
        const char* summaryStart;
    };
    const Case cases[] = {
        {Language::English, "Chandra Grahan 17:04", "Holika Dahan", "Total lunar eclipse (Chandra Grahan), visible in part: "},
        {Language::Hindi, "चन्द्र ग्रहण 17:04", "होलिका दहन", "खग्रास चन्द्र ग्रहण, आंशिक रूप से दृश्य: "},
        {Language::Tamil, "சந்திர கிரகணம் 17:04", "ஹோலிகா தகனம்", "முழு சந்திர கிரகணம், ஓரளவு தெரியும்: "},
    };
    for (const Case& c : cases) {
        const MonthGrid grid = LocalizedGrid(english, c.language);
        const MonthCell* cell = nullptr;
        for (const auto& week : grid.weeks) {
            for (const MonthCell& at : week) {
                if (at.inMonth && at.date.day == 3) cell = &at;
            }
        }
        ASSERT_NE(cell, nullptr);
        ASSERT_EQ(cell->eclipses.size(), 1u);
        EXPECT_EQ(cell->eclipses[0], c.box);
        ASSERT_FALSE(cell->festivals.empty());
        EXPECT_EQ(cell->festivals[0], c.festival);
        const std::vector<Eclipse> year = EclipsesOfYear(2026, kNewDelhi, ist);
        ASSERT_GE(year.size(), 2u);
        const std::string summary = LocalizedCalendarText(EclipseSummary(year[1], ist), c.language);
        EXPECT_EQ(summary.rfind(c.summaryStart, 0), 0u) << summary;
    }
}

}  // namespace
}  // namespace velmora
