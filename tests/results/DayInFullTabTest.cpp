// The Day tab's hours and year pages for an entered moment: New Delhi
// (28°36'N 77°13'E, zone 5:30 ahead), 2022-01-26 10:30, against Drik
// Panchang's daily panjika for that date and place (durmuhurta 12:12 to
// 12:55, Bengali date Magh 12, 1428) and the moment's own nakshatra, which
// counts as the person's birth star (Janma).
#include <gtest/gtest.h>

#include <string>

#include "results/DayInFullTab.h"

namespace velmora {
namespace {

BirthRecord Delhi(int year, int month, int day, int hour, int minute) {
    BirthRecord b;
    b.QueryYear = static_cast<std::int16_t>(year);
    b.QueryMonth = static_cast<std::int16_t>(month);
    b.QueryDay = static_cast<std::int16_t>(day);
    b.QueryHour = static_cast<std::int16_t>(hour);
    b.QueryMinute = static_cast<std::int16_t>(minute);
    b.ZoneHours = 5;
    b.ZoneMinutes = 30;
    b.LatDegrees = 28;
    b.LatMinutes = 36;
    b.LonDegrees = 77;
    b.LonMinutes = 13;
    b.LonIsEast = true;
    return b;
}

std::string More(const DayInFullTab& t, const std::string& caption) {
    for (const auto& [c, v] : t.more) {
        if (c == caption) return v;
    }
    return "(missing)";
}

TEST(DayInFullTab, NewDelhiAsThePublishedPanjika) {
    const std::optional<DayInFullTab> t = DayInFullTabOf(Delhi(2022, 1, 26, 10, 30));
    ASSERT_TRUE(t);
    ASSERT_EQ(t->choghadiyaDay.size(), 8u);
    ASSERT_EQ(t->choghadiyaNight.size(), 8u);
    ASSERT_EQ(t->horaDay.size(), 12u);
    ASSERT_EQ(t->gowriNight.size(), 8u);
    // A Wednesday: Labh first, Mercury's hour first.
    EXPECT_EQ(t->choghadiyaDay[0].name, "Labh");
    EXPECT_EQ(t->choghadiyaDay[0].quality, "good");
    EXPECT_EQ(t->horaDay[0].name, "Mercury");
    EXPECT_EQ(t->horaDay[0].quality, "");
    EXPECT_EQ(More(*t, "Durmuhurta"), "12:12–12:55");
    EXPECT_EQ(More(*t, "Bengali Date"), "Magh 12, 1428");
    EXPECT_EQ(More(*t, "Samvatsara"), "Ananda (north), Plava (south), Plava (Tamil)");
    // Swati until about 10:07 (Drik Panchang), then the moment's Vishakha:
    // counted from Vishakha, Swati is the 27th, the ninth tara.
    EXPECT_EQ(More(*t, "Tarabalam").rfind("Parama Mitra (good) to 10:0", 0), 0u) << More(*t, "Tarabalam");
    EXPECT_NE(More(*t, "Tarabalam").find(", Janma (good)"), std::string::npos) << More(*t, "Tarabalam");
    EXPECT_EQ(More(*t, "Chandrabalam").rfind("1st from the birth sign (good)", 0), 0u) << More(*t, "Chandrabalam");
    ASSERT_EQ(t->more.size(), std::size(MoreRows));
    for (std::size_t i = 0; i < t->more.size(); ++i) EXPECT_EQ(t->more[i].first, MoreRows[i]);
    // A record no run has filled has no day.
    EXPECT_FALSE(DayInFullTabOf(BirthRecord{}));
}


// Panchak on the Year page: the whole span as date and clock at both ends,
// or the words for a day it does not touch (Dhanishta's second half through
// Revati, 5 to 10 January 2022 at New Delhi; none on 26 January).
TEST(DayInFullTab, PanchakAsDateAndClockOrNone) {
    struct Case {
        int day;
        std::string_view starts;  // the text's start, "" for none
    };
    const Case cases[] = {{6, "2022-01-05 19:5"}, {9, "2022-01-05 19:5"}, {26, ""}};
    for (const Case& c : cases) {
        const std::optional<DayInFullTab> t = DayInFullTabOf(Delhi(2022, 1, c.day, 12, 0));
        ASSERT_TRUE(t) << c.day;
        const std::string panchak = More(*t, "Panchak");
        if (c.starts.empty()) {
            EXPECT_EQ(panchak, "none in this day") << c.day;
            continue;
        }
        EXPECT_EQ(panchak.rfind(c.starts, 0), 0u) << c.day << ": " << panchak;
        ASSERT_EQ(panchak.size(), 36u) << panchak;
        EXPECT_EQ(panchak.substr(16, 4), " to ") << panchak;
        EXPECT_EQ(panchak.substr(20, 11), "2022-01-10 ") << panchak;
    }
}

}  // namespace
}  // namespace velmora
