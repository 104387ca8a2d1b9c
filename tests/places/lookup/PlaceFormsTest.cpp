// Places as people write them, against the real gazetteer (libgeonames), the
// real iso-codes and the real time-zone database. Expected zones and offsets
// are the published ones (tzdata's zone1970.tab and its NEWS for the 2022
// Ciudad Juárez split), not the program's.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <fstream>
#include <string>

#include "places/lookup/FormerNames.h"
#include "places/lookup/GeonamesDirectory.h"
#include "places/lookup/IsoRegions.h"
#include "places/lookup/PlaceFinder.h"
#include "places/lookup/PlaceZoneFix.h"
#include "places/lookup/PlaceText.h"

namespace velmora {
namespace {

const GeonamesDirectory& Directory() {
    static const GeonamesDirectory directory;
    return directory;
}

PlaceAnswer Look(const std::string& text, LocalMoment moment = {2024, 7, 15, 12, 0}) {
    return FindPlaceOnDate(Directory(), text, moment);
}

struct Written {
    const char* text;
    const char* label;      // what the look-up takes, as PlaceLabel writes it
    const char* zone;
    int offsetMinutes;      // on 2024-07-15 12:00 local
};

void PrintTo(const Written& w, std::ostream* os) { *os << w.text; }

class PlaceAsWritten : public ::testing::TestWithParam<Written> {};

TEST_P(PlaceAsWritten, GivesThePlaceMostPeopleMeanWithItsClock) {
    const Written& w = GetParam();
    const PlaceAnswer a = Look(w.text);
    ASSERT_TRUE(a.found) << a.problem;
    EXPECT_EQ(PlaceLabel(a.place.place), w.label);
    EXPECT_EQ(a.place.clock.zoneId, w.zone);
    EXPECT_EQ(a.place.clock.offsetSeconds, w.offsetMinutes * 60);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, PlaceAsWritten,
    ::testing::Values(
        // city, country: by name, common name or ISO code
        Written{"Paris, France", "Paris, \u00CEle-de-France Region, France", "Europe/Paris", 120},
        Written{"Delhi, India", "Delhi, National Capital Territory of Delhi, India", "Asia/Kolkata", 330},
        Written{"London, UK", "London, England, United Kingdom", "Europe/London", 60},
        Written{"London, GBR", "London, England, United Kingdom", "Europe/London", 60},
        Written{"Hyderabad, Pakistan", "Hyder\u0101b\u0101d, Sindh Province, Pakistan", "Asia/Karachi", 300},
        Written{"Moscow, Russia", "Moscow, Moscow, Russia", "Europe/Moscow", 180},
        Written{"Paris, USA", "Paris, Texas, United States of America", "America/Chicago", -300},
        // city, state code (postal abbreviations, ISO 3166-2)
        Written{"Paris, TX", "Paris, Texas, United States of America", "America/Chicago", -300},
        Written{"Phoenix, AZ", "Phoenix, Arizona, United States of America", "America/Phoenix", -420},
        Written{"Springfield, US-IL", "Springfield, Illinois, United States of America", "America/Chicago", -300},
        Written{"Pune, MH", "Pune, Maharashtra, India", "Asia/Kolkata", 330},
        Written{"Cuttack, Orissa, India", "Cuttack, Odisha, India", "Asia/Kolkata", 330},
        Written{"Paris, Texas, US", "Paris, Texas, United States of America", "America/Chicago", -300},
        // former names
        Written{"Bombay", "Mumbai (Bombay), Maharashtra, India", "Asia/Kolkata", 330},
        Written{"Calcutta", "Kolkata (Calcutta), West Bengal, India", "Asia/Kolkata", 330},
        Written{"Madras", "Chennai (Madras), Tamil Nadu, India", "Asia/Kolkata", 330},
        Written{"Poona", "Pune (Poona), Maharashtra, India", "Asia/Kolkata", 330},
        Written{"Benares", "Varanasi (Benares), Uttar Pradesh, India", "Asia/Kolkata", 330},
        Written{"Peking", "Beijing (Peking), Beijing Municipality, China", "Asia/Shanghai", 480},
        Written{"Saigon", "Ho Chi Minh City (Saigon), Ho Chi Minh City, Vietnam", "Asia/Ho_Chi_Minh", 420},
        Written{"M\u00FCnchen", "Munich (M\u00FCnchen), Bavaria, Germany", "Europe/Berlin", 120},
        Written{"Koln", "Cologne (K\u00F6ln), North Rhine-Westphalia, Germany", "Europe/Berlin", 120},
        Written{"New York City", "New York (New York City), New York, United States of America", "America/New_York",
                -240},
        Written{"Gurugram", "Gurgaon (Gurugram), Haryana, India", "Asia/Kolkata", 330},
        // the place most people mean
        Written{"Mexico", "Mexico City, Mexico City, Mexico", "America/Mexico_City", -360},
        Written{"Washington", "Washington D.C., District of Columbia, United States of America", "America/New_York",
                -240},
        // zones tzdata has split off since the gazetteer was made
        Written{"Ciudad Juarez", "Ciudad Ju\u00E1rez, Chihuahua, Mexico", "America/Ciudad_Juarez", -360},
        Written{"Vincennes, Indiana", "Vincennes, Indiana, United States of America", "America/Indiana/Vincennes",
                -240},
        // Kyiv: a zone renamed in 2022
        Written{"Kiev", "Kyiv (Kiev), Kyiv City, Ukraine", "Europe/Kyiv", 180}));

TEST(PlaceMostPeopleMean, AmbiguousNamesAndATrueCount) {
    struct Case {
        const char* text;
        const char* name;
        const char* countryCode;
    };
    for (const Case& c : {Case{"Hyderabad", "Hyderabad", "IN"}, Case{"Springfield", "Springfield", "US"},
                          Case{"Paris", "Paris", "FR"}, Case{"Delhi", "Delhi", "IN"}, Case{"Victoria", "Victoria", "CA"},
                          Case{"C\u00F3rdoba", "C\u00F3rdoba", "AR"}, Case{"Cordoba", "C\u00F3rdoba", "AR"},
                          Case{"York", "York", "GB"}, Case{"Mexico", "Mexico City", "MX"}}) {
        const PlaceAnswer a = Look(c.text);
        ASSERT_TRUE(a.found) << c.text;
        EXPECT_EQ(a.place.place.name, c.name) << c.text;
        EXPECT_EQ(a.place.place.countryCode, c.countryCode) << c.text;
        const std::vector<Place> matches = Directory().Find(PlaceQuery{c.text, "", ""}, AllPlaces);
        EXPECT_EQ(a.place.matches, matches.size()) << c.text;
        const auto exact = std::count_if(matches.begin(), matches.end(), [](const Place& p) { return p.exactName; });
        if (exact == 1 && a.place.place.exactName) {
            // The one place of the very name typed: nothing to say.
            EXPECT_TRUE(a.notes.empty()) << c.text << ": " << a.notes[0];
        } else {
            ASSERT_FALSE(a.notes.empty()) << c.text;
            EXPECT_EQ(a.notes[0].rfind(std::to_string(matches.size()) + " places match", 0), 0u) << a.notes[0];
        }
    }
    // Washington: 7 places, Washington D.C. among them, over ten times the
    // largest place named exactly so (Washington, England).
    const PlaceAnswer washington = Look("Washington");
    EXPECT_EQ(washington.place.matches, 7u);
    EXPECT_EQ(washington.notes[0].rfind("7 places match \"Washington\"; took the most populous whose name begins so", 0),
              0u)
        << washington.notes[0];
    // "San": a city whose name begins with the word, not Santiago or San, Mali.
    const std::vector<Place> san = Directory().Find(PlaceQuery{"San", "", ""}, AllPlaces);
    const PlaceAnswer a = Look("San");
    ASSERT_TRUE(a.found);
    EXPECT_EQ(a.place.place.name.rfind("San ", 0), 0u) << a.place.place.name;
    for (const Place& p : san) {
        if (p.name.rfind("San ", 0) == 0) EXPECT_LE(p.population, a.place.place.population) << p.name;
        if (p.exactName) EXPECT_GE(a.place.place.population, p.population * 10ull) << p.name;
    }
}

TEST(FormerNames, EveryEntryFindsItsCityFirst) {
    for (const FormerName& f : FormerNames()) {
        const PlaceAnswer a = Look(f.written);
        ASSERT_TRUE(a.found) << f.written;
        EXPECT_EQ(a.place.place.name, f.gazetteer) << f.written;
        EXPECT_EQ(a.place.place.countryCode, f.country) << f.written;
        EXPECT_EQ(a.place.place.otherName, f.written) << f.written;
    }
}

TEST(Translations, FindWhatNoNameMatchesAndNeverCrowdANameThatDoes) {
    // The gazetteer's translations in Latin letters, read from libgeonames-common.
    EXPECT_GT(Directory().TranslatedNames(), 10000u);
    const PlaceAnswer moskau = Look("Moskau");
    ASSERT_TRUE(moskau.found);
    EXPECT_EQ(PlaceLabel(moskau.place.place), "Moscow (Moskau), Moscow, Russia");
    // Hong Kong is "Victoria" in some language: not among the Victorias.
    for (const Place& p : Directory().Find(PlaceQuery{"Victoria", "", ""}, AllPlaces)) {
        EXPECT_NE(p.countryCode, "HK");
        EXPECT_TRUE(p.otherName.empty()) << p.name;
    }
}

TEST(CountryAndStateCodes, NarrowTheMatchesAndNeverWidenThem) {
    const GeonamesDirectory& d = Directory();
    // "Paris, TX" and "Paris, Texas" are the same single place.
    ASSERT_EQ(d.Find(PlaceQuery{"Paris", "TX", ""}, AllPlaces).size(), 1u);
    EXPECT_EQ(d.Find(PlaceQuery{"Paris", "Texas", ""}, AllPlaces).size(), 1u);
    EXPECT_EQ(d.Find(PlaceQuery{"Paris", "tx", ""}, AllPlaces)[0].state, "Texas");
    // A code of another country's state gives nothing rather than a guess.
    EXPECT_TRUE(d.Find(PlaceQuery{"Paris", "MH", ""}, AllPlaces).empty());
    EXPECT_TRUE(d.Find(PlaceQuery{"Charleston", "VA", ""}, AllPlaces).empty());  // West Virginia is not Virginia
    EXPECT_FALSE(d.Find(PlaceQuery{"Charleston", "WV", ""}, AllPlaces).empty());
    // City, state, country with codes in both places.
    const std::vector<Place> pune = d.Find(PlaceQuery{"Pune", "MH", "IN"}, AllPlaces);
    ASSERT_EQ(pune.size(), 1u);
    EXPECT_EQ(pune[0].state, "Maharashtra");
    EXPECT_TRUE(d.Find(PlaceQuery{"Pune", "MH", "US"}, AllPlaces).empty());
}

TEST(IsoRegions, CodesNamesAndShortForms) {
    const IsoRegions regions;
    ASSERT_TRUE(regions.Loaded());
    auto countries = [&regions](const char* text) { return regions.Read(FoldedPlaceText(text)).countries; };
    auto has = [](const std::vector<std::string>& codes, const char* code) {
        return std::find(codes.begin(), codes.end(), code) != codes.end();
    };
    EXPECT_TRUE(has(countries("UK"), "GB"));
    EXPECT_TRUE(has(countries("U.K."), "GB"));
    EXPECT_TRUE(has(countries("gbr"), "GB"));
    EXPECT_TRUE(has(countries("USA"), "US"));
    EXPECT_TRUE(has(countries("U.S.A."), "US"));
    EXPECT_TRUE(has(countries("Russia"), "RU"));  // iso-codes: "Russian Federation"
    EXPECT_TRUE(has(countries("South Korea"), "KR"));
    EXPECT_TRUE(has(countries("T\u00FCrkiye"), "TR"));
    EXPECT_TRUE(countries("Atlantis").empty());
    const IsoRegions::Meaning tx = regions.Read(FoldedPlaceText("TX"));
    ASSERT_EQ(tx.states.size(), 1u);
    EXPECT_EQ(tx.states[0].first, "US");
    EXPECT_EQ(tx.states[0].second, IsoRegions::StateKey("Texas"));
    EXPECT_EQ(IsoRegions::StateKey("National Capital Territory of Delhi"), IsoRegions::StateKey("Delhi"));
    EXPECT_EQ(IsoRegions::StateKey("State of Mah\u0101r\u0101shtra"), IsoRegions::StateKey("Maharashtra"));
    EXPECT_NE(IsoRegions::StateKey("West Virginia"), IsoRegions::StateKey("Virginia"));
    // Without the files nothing is known, and nothing breaks.
    const IsoRegions none("/nonexistent");
    EXPECT_FALSE(none.Loaded());
    EXPECT_TRUE(none.Read(FoldedPlaceText("TX")).Empty());
}

TEST(PlaceZoneFix, TakesTheZoneNamedForThePlaceOnlyThere) {
    double lat = 0, lon = 0;
    ASSERT_TRUE(ReadIso6709("+3144-10629", lat, lon));
    EXPECT_NEAR(lat, 31 + 44 / 60.0, 1e-12);
    EXPECT_NEAR(lon, -(106 + 29 / 60.0), 1e-12);
    ASSERT_TRUE(ReadIso6709("+384038-0873143", lat, lon));
    EXPECT_NEAR(lat, 38 + 40 / 60.0 + 38 / 3600.0, 1e-12);
    EXPECT_NEAR(lon, -(87 + 31 / 60.0 + 43 / 3600.0), 1e-12);
    for (const char* bad : {"", "+", "+3144", "3144-10629", "+31a4-10629", "+3160-10629", "+9900-10629", "+3144-1062"}) {
        EXPECT_FALSE(ReadIso6709(bad, lat, lon)) << bad;
    }
    EXPECT_NEAR(DistanceKilometres(0, 0, 0, 1), 111.19, 0.01);

    const std::string path = ::testing::TempDir() + "zone1970-test.tab";
    {
        std::ofstream tab(path);
        tab << "# comment\nMX\t+3144-10629\tAmerica/Ciudad_Juarez\tChihuahua\nCH,DE,LI\t+4723+00832\tEurope/Zurich\n"
               "XX\tnonsense\tBad/Line\n";
    }
    const PlaceZoneFix fix(path);
    Place juarez;
    juarez.name = "Ciudad Ju\u00E1rez";
    juarez.countryCode = "MX";
    juarez.zoneId = "America/Ojinaga";
    juarez.latitude = 31.72024;
    juarez.longitude = -106.46084;
    Place moved = juarez;
    EXPECT_TRUE(fix.Fix(moved));
    EXPECT_EQ(moved.zoneId, "America/Ciudad_Juarez");
    EXPECT_EQ(moved.gazetteerZoneId, "America/Ojinaga");
    Place far = juarez;  // a namesake 300 km away keeps its zone
    far.latitude += 3;
    EXPECT_FALSE(fix.Fix(far));
    Place elsewhere = juarez;  // in another country
    elsewhere.countryCode = "US";
    EXPECT_FALSE(fix.Fix(elsewhere));
    Place nowhere = juarez;
    nowhere.latitude = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(fix.Fix(nowhere));
    // A German Zurich (were there one) is not in the zone's first country.
    Place zurich;
    zurich.name = "Zurich";
    zurich.countryCode = "DE";
    zurich.zoneId = "Europe/Berlin";
    zurich.latitude = 47.38;
    zurich.longitude = 8.54;
    EXPECT_FALSE(fix.Fix(zurich));
    std::remove(path.c_str());
    // No file: nothing changes.
    EXPECT_FALSE(PlaceZoneFix("/nonexistent").Fix(juarez));
}

TEST(MadridInWinter, ZoneZeroWithDstGivesItsClockAndSaysWhy) {
    const PlaceAnswer january = Look("Madrid", {2024, 1, 15, 12, 0});
    ASSERT_TRUE(january.found);
    const PlaceEntries& e = january.place.entries;
    EXPECT_EQ(e.txtLonD + ":" + e.txtLonM + (e.optLong == 1 ? "W" : "E"), "3:42W");
    EXPECT_EQ(e.txtZoneHour + ":" + e.txtZoneMinute, "0:0");
    EXPECT_EQ(e.chkDST, 1);
    EXPECT_TRUE(e.zone.fits);
    EXPECT_TRUE(e.zone.dstForOffset);
    ASSERT_FALSE(january.notes.empty());
    EXPECT_NE(january.notes.back().find("so the box is ticked though no daylight saving was in force"),
              std::string::npos)
        << january.notes.back();
    // UTC+2 in summer still cannot be held, and that is said.
    const PlaceAnswer july = Look("Madrid", {2024, 7, 15, 12, 0});
    EXPECT_FALSE(july.place.entries.zone.fits);
    EXPECT_NE(july.notes.back().find("cannot hold this clock"), std::string::npos) << july.notes.back();
}

// The gazetteer's names are folded to words (case, punctuation and blanks
// aside) the quick way when they are plain ASCII: a name with hyphens, points
// or capitals is found whole however its words are written.
TEST(PlaceNameWords, PunctuationAndCaseAsideTheWholeNameMatches) {
    struct Case {
        const char* text;
        const char* name;
    };
    for (const Case& c : {Case{"winston salem", "Winston-Salem"}, Case{"WINSTON-SALEM", "Winston-Salem"},
                          Case{"Port au Prince", "Port-au-Prince"}, Case{"st. louis", "St Louis"},
                          Case{"washington d c", "Washington D.C."}, Case{"  Washington   D.C. ", "Washington D.C."}}) {
        const std::vector<Place> found = Directory().Find(PlaceQuery{c.text, "", ""}, 1);
        ASSERT_EQ(found.size(), 1u) << c.text;
        EXPECT_EQ(found[0].name, c.name) << c.text;
        EXPECT_TRUE(found[0].exactName) << c.text;
    }
    // An apostrophe parts words: "St. John's" is "st john s", so "st johns" is no name of it.
    for (const Place& p : Directory().Find(PlaceQuery{"st johns", "", ""}, AllPlaces)) {
        EXPECT_NE(p.name, "St. John's") << p.name;
    }
}

}  // namespace
}  // namespace velmora
