// Eclipses against published canons and local tables.
//
// Global: the Five Millennium Canons of solar and lunar eclipses (Espenak &
// Meeus, NASA), as NASA's eclipse web site and the eclipse pages built from it
// list them: the greatest eclipse of a solar eclipse in TD (terrestrial time;
// NASA's UT depends on the ΔT it guessed), of a lunar one in UT with its
// contacts, the kind, γ and the umbral magnitude. The 2027 July 18 eclipse's
// greatest moment is astronomy-engine's (npm, 2.1), the canon's page gives
// none.
//
// Local: times published for the public (the minute shown, so ±1 minute): the
// Ministry of Earth Sciences' and the Indian Institute of Astrophysics' times
// for New Delhi, and the UK times of the Royal Astronomical Society, ITV and
// timeanddate for London; the obscuration (fraction of the Sun's area) where
// they give it.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "astronomy/ApparentSun.h"
#include "astronomy/Calendar.h"
#include "astronomy/Eclipses.h"

using namespace velmora;

namespace {

const Observer kNewDelhi{28.6139, 77.2090, 216};
const Observer kLondon{51.5074, -0.1278, 11};

double Jd(int y, int m, int d, double hours = 0) { return JulianDayFromDate(m, d, y) + hours / 24; }
double Hms(int h, int m, int s) { return h + m / 60.0 + s / 3600.0; }

const EclipseContact* Find(const Eclipse& e, const std::string& key) {
    for (const EclipseContact& c : e.contacts)
        if (c.key == key) return &c;
    return nullptr;
}

struct CanonRow {
    int y, m, d;
    EclipseKind kind;
    double greatestHours;  // TD for solar, UT for lunar
    double gamma;          // solar: signed; lunar: unsigned here
    double umbralMagnitude;  // lunar only
};

const CanonRow kCanon[] = {
    {2026, 2, 17, EclipseKind::AnnularSolar, Hms(12, 13, 6), -0.9743, 0},
    {2026, 3, 3, EclipseKind::TotalLunar, Hms(11, 33, 37), 0.3765, 1.1507},
    {2026, 8, 12, EclipseKind::TotalSolar, Hms(17, 47, 6), 0.8977, 0},
    {2026, 8, 28, EclipseKind::PartialLunar, Hms(4, 12, 49), 0.4964, 0.9299},
    {2027, 2, 6, EclipseKind::AnnularSolar, Hms(16, 0, 48), -0.2952, 0},
    {2027, 2, 20, EclipseKind::PenumbralLunar, Hms(23, 12, 51), 1.0480, -0.0549},
    {2027, 7, 18, EclipseKind::PenumbralLunar, Hms(16, 2, 55), 1.5759, -1.0662},
    {2027, 8, 2, EclipseKind::TotalSolar, Hms(10, 7, 50), 0.1421, 0},
    {2027, 8, 17, EclipseKind::PenumbralLunar, Hms(7, 13, 43), 1.2797, -0.5234},
};

}  // namespace

// Every eclipse of 2026 and 2027, none more: date, kind, greatest eclipse
// within 30 s (the goal is a minute), γ and the umbral magnitude.
TEST(Eclipses, TheYears2026And2027AsTheCanonListsThem) {
    std::vector<Eclipse> found = EclipsesBetween(Jd(2026, 1, 1), Jd(2027, 1, 1), kNewDelhi);
    const std::vector<Eclipse> next = EclipsesBetween(Jd(2027, 1, 1), Jd(2028, 1, 1), kNewDelhi);
    found.insert(found.end(), next.begin(), next.end());
    ASSERT_EQ(found.size(), std::size(kCanon));
    for (std::size_t i = 0; i < found.size(); ++i) {
        const CanonRow& row = kCanon[i];
        const Eclipse& e = found[i];
        SCOPED_TRACE(std::to_string(row.y) + "-" + std::to_string(row.m) + "-" + std::to_string(row.d));
        EXPECT_EQ(EclipseKindName(e.kind), EclipseKindName(row.kind));
        const double published = Jd(row.y, row.m, row.d, row.greatestHours);
        const double ours = IsSolar(row.kind) ? TerrestrialFromUniversal(e.greatestJdUt) : e.greatestJdUt;
        EXPECT_NEAR((ours - published) * 86400, 0, 30);
        EXPECT_NEAR(e.gamma, row.gamma, 0.002);
        if (!IsSolar(row.kind)) EXPECT_NEAR(e.magnitude, row.umbralMagnitude, 0.006);
    }
}

// The lunar contacts (UT) of the canon, each within 30 s.
TEST(Eclipses, LunarContactsOfTheCanon) {
    struct Row {
        int y, m, d;
        const char* key;
        double hours;  // UT, on the eclipse's date (a P4 after midnight adds 24)
    };
    const Row rows[] = {
        {2026, 3, 3, "P1", Hms(8, 44, 22)},  {2026, 3, 3, "U1", Hms(9, 50, 0)},   {2026, 3, 3, "U2", Hms(11, 4, 26)},
        {2026, 3, 3, "U3", Hms(12, 2, 45)},  {2026, 3, 3, "U4", Hms(13, 17, 10)}, {2026, 3, 3, "P4", Hms(14, 22, 59)},
        {2026, 8, 28, "P1", Hms(1, 23, 55)}, {2026, 8, 28, "U1", Hms(2, 33, 48)}, {2026, 8, 28, "U4", Hms(5, 51, 55)},
        {2026, 8, 28, "P4", Hms(7, 1, 41)},  {2027, 2, 20, "P1", Hms(21, 12, 20)}, {2027, 2, 20, "P4", Hms(25, 13, 19)},
        {2027, 8, 17, "P1", Hms(5, 24, 29)}, {2027, 8, 17, "P4", Hms(9, 3, 3)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.y) + "-" + std::to_string(row.m) + "-" + std::to_string(row.d) + " " + row.key);
        const std::vector<Eclipse> e = EclipsesBetween(Jd(row.y, row.m, row.d) - 1, Jd(row.y, row.m, row.d) + 1, kLondon);
        ASSERT_EQ(e.size(), 1u);
        const EclipseContact* c = Find(e[0], row.key);
        ASSERT_NE(c, nullptr);
        EXPECT_NEAR((c->jdUt - Jd(row.y, row.m, row.d, row.hours)) * 86400, 0, 30);
    }
    // A partial eclipse has no total phase, a penumbral one no umbral contact.
    const std::vector<Eclipse> partial = EclipsesBetween(Jd(2026, 8, 27), Jd(2026, 8, 29), kLondon);
    ASSERT_EQ(partial.size(), 1u);
    EXPECT_EQ(Find(partial[0], "U2"), nullptr);
    const std::vector<Eclipse> penumbral = EclipsesBetween(Jd(2027, 2, 19), Jd(2027, 2, 22), kLondon);
    ASSERT_EQ(penumbral.size(), 1u);
    EXPECT_EQ(Find(penumbral[0], "U1"), nullptr);
    EXPECT_FALSE(penumbral[0].sutakFromJdUt.has_value()) << "no sutak for a penumbral eclipse";
}

// Local circumstances of solar eclipses published for the public, to the
// minute (clock times given here in UT), with the obscuration where given.
TEST(Eclipses, SolarEclipsesAtNewDelhiAndLondonAsPublished) {
    struct Row {
        const char* what;
        Observer place;
        int y, m, d;
        double c1, max, c4;   // UT hours; NaN where not published
        double obscuration;   // NaN where not published
    };
    const double none = std::nan("");
    const Row rows[] = {
        // Ministry of Earth Sciences: 10:20, 12:01, 13:48 IST, 94 % at Delhi.
        {"New Delhi 2020-06-21", kNewDelhi, 2020, 6, 21, Hms(4, 50, 0), Hms(6, 31, 0), Hms(8, 18, 0), 0.94},
        // Indian Institute of Astrophysics: begins 16:29 IST, greatest 17:30 IST (the Sun sets eclipsed).
        {"New Delhi 2022-10-25", kNewDelhi, 2022, 10, 25, Hms(10, 59, 0), Hms(12, 0, 0), none, none},
        // ITV: 8.24am, 9.31am, 10.41am GMT.
        {"London 2015-03-20", kLondon, 2015, 3, 20, Hms(8, 24, 0), Hms(9, 31, 0), Hms(10, 41, 0), none},
        // Royal Astronomical Society: 09:33, 10:18, 11:05 BST, 12 % of the Sun blocked.
        {"London 2008-08-01", kLondon, 2008, 8, 1, Hms(8, 33, 0), Hms(9, 18, 0), Hms(10, 5, 0), 0.12},
        // timeanddate (as londondays.co.uk quotes it): 18:17, 19:13, 20:06 BST, 91.38 %.
        {"London 2026-08-12", kLondon, 2026, 8, 12, Hms(17, 17, 0), Hms(18, 13, 0), Hms(19, 6, 0), 0.9138},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const std::vector<Eclipse> found =
            EclipsesBetween(Jd(row.y, row.m, row.d) - 1, Jd(row.y, row.m, row.d) + 1, row.place);
        ASSERT_EQ(found.size(), 1u);
        const Eclipse& e = found[0];
        EXPECT_TRUE(e.seenFromPlace);
        EXPECT_TRUE(e.visible);
        ASSERT_TRUE(e.sutakFromJdUt.has_value());
        const EclipseContact* c1 = Find(e, "C1");
        ASSERT_NE(c1, nullptr);
        EXPECT_NEAR(*e.sutakFromJdUt, c1->jdUt - 0.5, 1e-9) << "sutak from 12 hours before the first contact";
        const double base = Jd(row.y, row.m, row.d);
        EXPECT_NEAR((c1->jdUt - base) * 1440, row.c1 * 60, 1.0);
        const EclipseContact* max = Find(e, "max");
        ASSERT_NE(max, nullptr);
        EXPECT_NEAR((max->jdUt - base) * 1440, row.max * 60, 1.0);
        if (!std::isnan(row.c4)) {
            const EclipseContact* c4 = Find(e, "C4");
            ASSERT_NE(c4, nullptr);
            EXPECT_NEAR((c4->jdUt - base) * 1440, row.c4 * 60, 1.0);
        }
        if (!std::isnan(row.obscuration)) EXPECT_NEAR(e.localObscuration, row.obscuration, 0.01);
    }
}

// Visibility and sutak as the almanacs print them: the total lunar eclipse of
// 2026-03-03 rises over New Delhi in its last partial phase (the Moon is
// below the horizon until after the total phase) and is not seen from London
// at all; the total solar eclipse of 2026-08-12 passes New Delhi while the
// Sun is down there, and the annular one of 2026-02-17 misses both cities.
TEST(Eclipses, VisibilityAndSutakAtThePlace) {
    const std::vector<Eclipse> delhi = EclipsesBetween(Jd(2026, 1, 1), Jd(2027, 1, 1), kNewDelhi);
    const std::vector<Eclipse> london = EclipsesBetween(Jd(2026, 1, 1), Jd(2027, 1, 1), kLondon);
    ASSERT_EQ(delhi.size(), 4u);
    ASSERT_EQ(london.size(), 4u);

    EXPECT_FALSE(delhi[0].seenFromPlace);
    EXPECT_FALSE(delhi[0].visible);
    EXPECT_FALSE(london[0].visible);
    EXPECT_FALSE(delhi[0].sutakFromJdUt.has_value());

    const Eclipse& lunar = delhi[1];
    EXPECT_TRUE(lunar.visible);
    ASSERT_NE(Find(lunar, "U3"), nullptr);
    EXPECT_FALSE(Find(lunar, "U3")->aboveHorizon);
    EXPECT_TRUE(Find(lunar, "U4")->aboveHorizon);
    ASSERT_TRUE(lunar.sutakFromJdUt.has_value());
    EXPECT_NEAR(*lunar.sutakFromJdUt, Find(lunar, "U1")->jdUt - 9.0 / 24, 1e-9);
    EXPECT_NEAR(*lunar.sutakToJdUt, Find(lunar, "U4")->jdUt, 1e-9);
    EXPECT_FALSE(london[1].visible);
    EXPECT_FALSE(london[1].sutakFromJdUt.has_value()) << "no sutak where the eclipse is not seen";

    EXPECT_FALSE(delhi[2].visible);
    EXPECT_TRUE(london[2].visible);
    EXPECT_EQ(london[2].localKind, EclipseKind::PartialSolar);
}

// Nonsense in, nothing out: never a hang or a made-up eclipse.
TEST(Eclipses, RangesAndPlacesThatAreNoQuestion) {
    const double nan = std::nan("");
    EXPECT_TRUE(EclipsesBetween(nan, Jd(2026, 1, 1), kLondon).empty());
    EXPECT_TRUE(EclipsesBetween(Jd(2026, 1, 1), Jd(2025, 1, 1), kLondon).empty());
    EXPECT_TRUE(EclipsesBetween(Jd(2000, 1, 1), Jd(2026, 1, 1), kLondon).empty());
    EXPECT_TRUE(EclipsesBetween(Jd(2026, 1, 1), Jd(2027, 1, 1), Observer{nan, 0, 0}).empty());
    EXPECT_TRUE(EclipsesBetween(Jd(2026, 1, 1), Jd(2027, 1, 1), Observer{95, 0, 0}).empty());
    EXPECT_TRUE(EclipsesBetween(Jd(2026, 5, 1), Jd(2026, 7, 1), kLondon).empty());
}
