// velmora-report --day: the day in full (good hours, year names, solar
// dates) in the JSON and the text. The boundaries are checked against the
// Swiss Ephemeris's sunrise and sunset for the same place (swetest 2.10
// -rise -geopos80.2785,13.0878,0: 2026-12-07 rise 00:48:37.3 UT, set
// 12:11:46.3 UT), to 30 s.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cctype>
#include <string>
#include <vector>

#include "RunReportTool.h"
#include "places/lookup/SystemPlaces.h"

namespace velmora {
namespace {

using test::RunReportTool;
using test::ToolRun;
using Json = nlohmann::json;

// Seconds of UT since 2026-12-07 00:00 of "2026-12-0DTHH:MM:SS+05:30".
double UtSeconds(const Json& local) {
    const std::string t = local.get<std::string>();
    EXPECT_EQ(t.size(), 25u) << t;
    EXPECT_EQ(t.substr(19), "+05:30");
    return (std::stoi(t.substr(8, 2)) - 7) * 86400.0 + std::stoi(t.substr(11, 2)) * 3600 +
           std::stoi(t.substr(14, 2)) * 60 + std::stoi(t.substr(17, 2)) - 5.5 * 3600;
}

TEST(DayInFullTool, ChennaiJsonCarriesTheDayInFull) {
    if (OpenPlaceDirectory() == nullptr) GTEST_SKIP() << "built without the gazetteer";
    const ToolRun r = RunReportTool("--day 2026-12-07 --place Chennai --json");
    ASSERT_EQ(r.status, 0) << r.err;
    const Json j = Json::parse(r.out);
    for (const char* key : {"choghadiya", "hora", "gowri", "durmuhurta", "varjyam", "amrit_kalam", "panchak",
                            "samvatsara", "ritu", "ayana", "solar"}) {
        EXPECT_TRUE(j.contains(key)) << key;
    }
    const double rise = 48 * 60 + 37.3, set = 12 * 3600 + 11 * 60 + 46.3;
    const Json& day = j["choghadiya"]["day"];
    ASSERT_EQ(day.size(), 8u);
    ASSERT_EQ(j["choghadiya"]["night"].size(), 8u);
    for (std::size_t k = 0; k < 8; ++k) {
        EXPECT_NEAR(UtSeconds(day[k]["start"]), rise + k * (set - rise) / 8, 30) << k;
        EXPECT_TRUE(day[k]["quality"] == "good" || day[k]["quality"] == "neutral" || day[k]["quality"] == "bad");
    }
    // A Monday: Amrit first and last by day, Char first by night.
    EXPECT_EQ(day[0]["name"], "Amrit");
    EXPECT_EQ(day[7]["name"], "Amrit");
    EXPECT_EQ(j["choghadiya"]["night"][0]["name"], "Char");
    EXPECT_EQ(j["choghadiya"]["night"][7]["end"], j["next_sunrise"]);
    const Json& hora = j["hora"];
    ASSERT_EQ(hora.size(), 24u);
    EXPECT_EQ(hora[0]["lord"], "Moon");
    EXPECT_EQ(hora[12]["lord"], "Venus");
    EXPECT_NEAR(UtSeconds(hora[12]["start"]), set, 30);
    ASSERT_EQ(j["gowri"]["day"].size(), 8u);
    ASSERT_EQ(j["gowri"]["night"].size(), 8u);
    EXPECT_EQ(j["gowri"]["day"][0]["name"], "Amirtham");
    // Monday's durmuhurtas: the 9th and the 12th of fifteen.
    ASSERT_EQ(j["durmuhurta"].size(), 2u);
    EXPECT_NEAR(UtSeconds(j["durmuhurta"][0]["start"]), rise + 8 * (set - rise) / 15, 30);
    EXPECT_NEAR(UtSeconds(j["durmuhurta"][1]["end"]), rise + 12 * (set - rise) / 15, 30);
    for (const char* list : {"varjyam", "amrit_kalam"}) {
        for (const Json& s : j[list]) {
            EXPECT_LT(s["start"].get<std::string>(), s["end"].get<std::string>());
            EXPECT_TRUE(s["nakshatra"].is_string());
        }
    }
    // Shaka 1948 (from Ugadi 2026) is Parabhava, the Tamil year from
    // 2026-04-14 too; Vikram 2083 Raudra (zeenews.india.com, 2026-02-24).
    EXPECT_EQ(j["samvatsara"]["south"], "Parabhava");
    EXPECT_EQ(j["samvatsara"]["tamil"], "Parabhava");
    EXPECT_EQ(j["samvatsara"]["north"], "Raudra");
    EXPECT_EQ(j["ayana"], "Dakshinayana");
    for (const char* calendar : {"tamil", "malayalam", "bengali"}) {
        const Json& s = j["solar"][calendar];
        ASSERT_TRUE(s.is_object()) << calendar;
        EXPECT_TRUE(s["month"].is_string());
        EXPECT_GE(s["day"].get<int>(), 1);
        EXPECT_LE(s["day"].get<int>(), 32);
    }
    EXPECT_EQ(j["solar"]["malayalam"]["year"], 1202);
    EXPECT_EQ(j["solar"]["bengali"]["year"], 1433);

    const ToolRun text = RunReportTool("--day 2026-12-07 --place Chennai");
    ASSERT_EQ(text.status, 0) << text.err;
    for (const char* caption : {"Choghadiya day", "Hora night", "Gowri day", "Durmuhurta", "Varjyam", "Amrit kalam",
                                "Panchak", "Samvatsara", "Tamil date", "Malayalam date", "Bengali date"}) {
        EXPECT_NE(text.out.find(caption), std::string::npos) << caption;
    }
}


// --lang: the day in full's captions, names and words in Hindi and Tamil in
// the text; in the JSON only the "name" values follow (as for every key).
TEST(DayInFullTool, ChennaiInHindiAndTamil) {
    if (OpenPlaceDirectory() == nullptr) GTEST_SKIP() << "built without the gazetteer";
    struct Case {
        const char* lang;
        const char* firstChoghadiya;  // Monday: Amrit
        std::vector<const char*> lines;
    };
    const Case cases[] = {
        {"hi", "अमृत",
         {"चौघड़िया दिन", "होरा रात", "दुर्मुहूर्त", "12:22-13:08, 14:39-15:25", "पंचक", "इस दिन नहीं",
          "रौद्र (उत्तर), पराभव (दक्षिण), पराभव (तमिल)", "शरद्, दक्षिणायन", "कार्तिगै 21, पराभव", "वृश्चिकम 21, 1202",
          "अग्रहायण 21, 1433"}},
        {"ta", "அமிர்தம்",
         {"சௌகடியா பகல்", "ஹோரை இரவு", "20:12-21:58 (அனுஷம்)", "ரௌத்திரி (வடக்கு), பராபவ (தெற்கு), பராபவ (தமிழ்)",
          "சரத், தட்சிணாயனம்", "கார்த்திகை 21, பராபவ", "ஓக்ரோஹாயோன் 21, 1433"}},
    };
    for (const Case& c : cases) {
        const ToolRun text = RunReportTool(std::string("--day 2026-12-07 --place Chennai --lang ") + c.lang);
        ASSERT_EQ(text.status, 0) << text.err;
        for (const char* line : c.lines) EXPECT_NE(text.out.find(line), std::string::npos) << c.lang << ": " << line;
        // From the first choghadiya line on, no English word is left.
        const std::size_t from = text.out.find(c.lines[0]);
        ASSERT_NE(from, std::string::npos);
        const std::size_t to = text.out.find("place:", from);
        const std::string rest = text.out.substr(from, to == std::string::npos ? std::string::npos : to - from);
        for (std::size_t i = 0; i + 1 < rest.size(); ++i) {
            const bool latin = std::isalpha(static_cast<unsigned char>(rest[i])) && std::isalpha(static_cast<unsigned char>(rest[i + 1]));
            ASSERT_FALSE(latin) << c.lang << ": " << rest.substr(i, 40);
        }
        const ToolRun json = RunReportTool(std::string("--day 2026-12-07 --place Chennai --json --lang ") + c.lang);
        ASSERT_EQ(json.status, 0) << json.err;
        const Json j = Json::parse(json.out);
        EXPECT_EQ(j["choghadiya"]["day"][0]["name"], c.firstChoghadiya) << c.lang;
        EXPECT_EQ(j["choghadiya"]["day"][0]["quality"], "good") << c.lang;
        // Only names follow the language; the other values stay as in English.
        EXPECT_EQ(j["hora"][0]["lord"], "Moon") << c.lang;
        EXPECT_EQ(j["samvatsara"]["tamil"], "Parabhava") << c.lang;
        EXPECT_EQ(j["solar"]["tamil"]["month"], "Karthigai") << c.lang;
        EXPECT_EQ(j["solar"]["tamil"]["day"], 21) << c.lang;
        EXPECT_EQ(j["solar"]["bengali"]["year"], 1433) << c.lang;
    }
}

}  // namespace
}  // namespace velmora
