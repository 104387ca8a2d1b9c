// velmora-report --lang: the readable day and month in Hindi and Tamil, JSON
// whose keys and key values never change with the language, and a Hindi
// calendar file that python3-icalendar reads back with the titles of the
// year's JSON.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <string>

#include "RunReportTool.h"
#include "names/NameTables.h"
#include "places/lookup/SystemPlaces.h"

namespace velmora {
namespace {

using test::ReadWholeFile;
using test::RunReportTool;
using test::ToolRun;
using Json = nlohmann::ordered_json;

bool HavePlaces() { return OpenPlaceDirectory() != nullptr; }

bool Has(const std::string& text, std::string_view part) { return text.find(part) != std::string::npos; }

// Every value but "name" and "title" is the same in both objects, and every
// "name" of the translated one is its table's name for the English one.
void ExpectSameButNames(const Json& english, const Json& other, Language language, const std::string& path) {
    ASSERT_EQ(english.type(), other.type()) << path;
    if (english.is_object()) {
        ASSERT_EQ(english.size(), other.size()) << path;
        auto o = other.begin();
        for (auto e = english.begin(); e != english.end(); ++e, ++o) {
            ASSERT_EQ(e.key(), o.key()) << path;
            if (e.key() == "name" || e.key() == "title") {
                bool known = false;
                for (const NameTable table : AllNameTables) {
                    if (LocalName(table, e.value().get<std::string>(), language) == o.value().get<std::string>() &&
                        o.value() != e.value()) {
                        known = true;
                    }
                }
                // Titles are made of several names; they only must differ.
                if (e.key() == "title") known = o.value() != e.value();
                EXPECT_TRUE(known) << path << "/" << e.key() << ": " << e.value() << " -> " << o.value();
            } else {
                ExpectSameButNames(e.value(), o.value(), language, path + "/" + e.key());
            }
        }
    } else if (english.is_array()) {
        ASSERT_EQ(english.size(), other.size()) << path;
        for (std::size_t i = 0; i < english.size(); ++i) {
            ExpectSameButNames(english[i], other[i], language, path + "/" + std::to_string(i));
        }
    } else {
        EXPECT_EQ(english, other) << path;
    }
}

TEST(LanguageReportTool, ReadableDayAndMonthInHindiAndTamil) {
    struct Case {
        std::string arguments;
        std::vector<std::string_view> expected;  // pieces the text holds
    };
    const std::string typed = " --lat 13:05N --lon 80:16E --zone 5:30";
    const Case cases[] = {
        {"--day 2026-10-20" + typed + " --lang ta",
         {"சூரிய உதயம்", "சூரிய அஸ்தமனம்", "திதி", "நட்சத்திரம்", "ராகு காலம்", "எமகண்டம்", "செவ்வாய்", "சக ", "விக்கிரம "}},
        {"--day 2026-10-20" + typed + " --lang hi",
         {"सूर्योदय", "सूर्यास्त", "तिथि", "नक्षत्र", "राहु काल", "मंगलवार", "शुक्ल", "शक 1948"}},
        {"--month 2026-10" + typed + " --lang ta", {"அக்டோபர் 2026", "சந்திர மாதங்கள்", "உதயத்தில் திதி", "வளர்பிறை", "தேய்பிறை", "செ "}},
        {"--month 2026-10" + typed + " --lang hi", {"अक्टूबर 2026", "चान्द्र मास", "सूर्योदय पर तिथि", "एकादशी", "अमान्त"}},
    };
    for (const Case& c : cases) {
        const ToolRun run = RunReportTool(c.arguments);
        ASSERT_EQ(run.status, 0) << c.arguments << "\n" << run.err;
        for (const std::string_view piece : c.expected) EXPECT_TRUE(Has(run.out, piece)) << c.arguments << ": " << piece << "\n" << run.out;
        // No English name or caption is left.
        for (const std::string_view english : {"Sunrise", "Tithi", "Shukla", "Krishna", "Rahu", "October", "Lunar", "Observances"}) {
            EXPECT_FALSE(Has(run.out, english)) << c.arguments << ": " << english;
        }
    }
}

TEST(LanguageReportTool, EnglishIsTheDefaultByteForByte) {
    const std::string typed = " --lat 28:36N --lon 77:13E --zone 5:30";
    for (const std::string arguments : {"--day 2026-12-07" + typed, "--day 2026-12-07 --json" + typed,
                                        "--month 2026-05" + typed, "--month 2026-05 --json" + typed,
                                        "--year 2026 --json" + typed}) {
        const ToolRun plain = RunReportTool(arguments);
        const ToolRun english = RunReportTool(arguments + " --lang en");
        ASSERT_EQ(plain.status, 0) << arguments;
        EXPECT_EQ(plain.out, english.out) << arguments;
    }
    const ToolRun wrong = RunReportTool("--day 2026-12-07" + typed + " --lang fr");
    EXPECT_EQ(wrong.status, 2);
    EXPECT_TRUE(Has(wrong.err, "en, hi or ta")) << wrong.err;
}

TEST(LanguageReportTool, JsonKeysAndValuesStayOnlyNamesFollowTheLanguage) {
    const std::string typed = " --lat 13:05N --lon 80:16E --zone 5:30";
    for (const Language language : {Language::Hindi, Language::Tamil}) {
        const std::string lang = " --lang " + std::string(LanguageCode(language));
        for (const std::string arguments : {"--day 2026-10-20 --json" + typed, "--month 2026-10 --json" + typed,
                                            "--year 2026 --json" + typed}) {
            const ToolRun english = RunReportTool(arguments);
            const ToolRun other = RunReportTool(arguments + lang);
            ASSERT_EQ(english.status, 0) << arguments;
            ASSERT_EQ(other.status, 0) << arguments << lang;
            ExpectSameButNames(Json::parse(english.out), Json::parse(other.out), language, arguments + lang);
        }
    }
}

TEST(LanguageReportTool, HindiCalendarFileReadsBackWithTheSameTitles) {
    if (!HavePlaces()) GTEST_SKIP() << "no gazetteer";
    const auto folder = std::filesystem::temp_directory_path() / ("velmora-lang-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string ics = (folder / "hi.ics").string();
    const ToolRun run = RunReportTool("--year 2026 --place 'New Delhi' --lang hi --ics '" + ics + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    const ToolRun year = RunReportTool("--year 2026 --place 'New Delhi' --lang hi --json");
    ASSERT_EQ(year.status, 0) << year.err;
    const Json j = Json::parse(year.out);
    std::string titles;
    for (const char* list : {"observances", "sankrantis", "moon_phases"}) {
        for (const Json& entry : j[list]) titles += entry["title"].get<std::string>() + "\n";
    }
    const std::string reader = (folder / "titles.py").string();
    std::ofstream(reader) << "import icalendar,sys\n"
                             "cal=icalendar.Calendar.from_ical(open(sys.argv[1],'rb').read())\n"
                             "print(str(cal['X-WR-CALNAME']))\n"
                             "for e in cal.walk('VEVENT'): print(str(e['SUMMARY']))\n";
    std::string out;
    if (FILE* pipe = ::popen(("/usr/bin/python3 '" + reader + "' '" + ics + "' | sort").c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
        ::pclose(pipe);
    }
    EXPECT_TRUE(Has(out, "वेलमोरा व्रत-पर्व 2026 – New Delhi")) << out;
    EXPECT_TRUE(Has(out, "मकर संक्रान्ति")) << out;
    EXPECT_TRUE(Has(out, "एकादशी (शुक्ल)")) << out;
    // Every title of the JSON is a summary of the file.
    std::size_t start = 0;
    int count = 0;
    for (std::size_t end; (end = titles.find('\n', start)) != std::string::npos; start = end + 1, ++count) {
        EXPECT_TRUE(Has(out, titles.substr(start, end - start) + "\n")) << titles.substr(start, end - start);
    }
    EXPECT_GT(count, 60);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace velmora
