#include <gtest/gtest.h>
#include <libical/ical.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "results/ics/IcsFile.h"

namespace velmora {
namespace {

CalendarFeed SampleFeed() {
    CalendarFeed feed;
    feed.name = "Velmora observances 2026, New Delhi";
    feed.stamp = {2026, 1, 1, 0, 0, 0};
    CalendarEvent ekadashi;
    ekadashi.uid = "20260114-ekadashi-krishna-new-delhi@velmora";
    ekadashi.summary = "Ekadasi (Krishna)";
    ekadashi.description =
        "Krishna Ekadashi. Tithi 26 from 2026-01-13 15:17:02 +05:30 to 2026-01-14 17:52:40 +05:30. In force at "
        "sunrise; a line long enough to be folded, with a comma, a semicolon; and a backslash \\ in it.";
    ekadashi.category = "Krishna Ekadashi";
    ekadashi.date = {2026, 1, 14};
    CalendarEvent sankranti;
    sankranti.uid = "20260114-sankranti-makara-new-delhi@velmora";
    sankranti.summary = "Makara Sankranti";
    sankranti.category = "Sankranti";
    sankranti.allDay = false;
    sankranti.moment = {2026, 1, 14, 9, 41, 5};
    CalendarEvent purnima;
    purnima.uid = "20261231-purnima-new-delhi@velmora";
    purnima.summary = "Poornami – full moon";
    purnima.date = {2026, 12, 31};
    feed.events = {ekadashi, sankranti, purnima};
    return feed;
}

struct ComponentDeleter {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string RunCommand(const std::string& command) {
    std::string output;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, got);
        ::pclose(pipe);
    }
    return output;
}

TEST(ICalendarText, ReadsBackWithLibicalEventForEvent) {
    const CalendarFeed feed = SampleFeed();
    const std::string text = ICalendarText(feed);
    EXPECT_EQ(text, ICalendarText(SampleFeed()));  // no clock, no counter inside
    EXPECT_NE(text.find("\r\n"), std::string::npos);
    EXPECT_NE(text.find("DTSTART;VALUE=DATE:20260114\r\n"), std::string::npos);
    EXPECT_NE(text.find("DTEND;VALUE=DATE:20270101\r\n"), std::string::npos);
    EXPECT_NE(text.find("DTSTART:20260114T094105Z\r\n"), std::string::npos);
    // A moment lasts no time (RFC 5545 3.8.2.5), so calendars draw no hour's block.
    EXPECT_NE(text.find("DTSTART:20260114T094105Z\r\nDURATION:PT0S\r\n"), std::string::npos);
    EXPECT_NE(text.find("DTSTAMP:20260101T000000Z\r\n"), std::string::npos);

    std::unique_ptr<icalcomponent, ComponentDeleter> parsed(icalparser_parse_string(text.c_str()));
    ASSERT_NE(parsed, nullptr);
    ASSERT_EQ(icalcomponent_isa(parsed.get()), ICAL_VCALENDAR_COMPONENT);
    EXPECT_EQ(icalcomponent_count_errors(parsed.get()), 0);
    std::size_t index = 0;
    for (icalcomponent* event = icalcomponent_get_first_component(parsed.get(), ICAL_VEVENT_COMPONENT);
         event != nullptr; event = icalcomponent_get_next_component(parsed.get(), ICAL_VEVENT_COMPONENT)) {
        ASSERT_LT(index, feed.events.size());
        const CalendarEvent& expected = feed.events[index++];
        EXPECT_EQ(std::string(icalcomponent_get_uid(event)), expected.uid);
        EXPECT_EQ(std::string(icalcomponent_get_summary(event)), expected.summary);
        const icaltimetype start = icalcomponent_get_dtstart(event);
        EXPECT_EQ(start.is_date != 0, expected.allDay);
        if (expected.allDay) {
            EXPECT_EQ(start.year * 10000 + start.month * 100 + start.day,
                      expected.date.year * 10000 + expected.date.month * 100 + expected.date.day);
        } else {
            EXPECT_TRUE(icaltime_is_utc(start));
            EXPECT_EQ(start.hour * 3600 + start.minute * 60 + start.second, 9 * 3600 + 41 * 60 + 5);
        }
        if (!expected.description.empty()) {
            EXPECT_EQ(std::string(icalcomponent_get_description(event)), expected.description);
        }
    }
    EXPECT_EQ(index, feed.events.size());
}

TEST(ICalendarText, ReadsBackWithPythonIcalendar) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "velmora-ics-test";
    std::filesystem::create_directories(folder);
    const std::filesystem::path path = folder / "sample.ics";
    ASSERT_EQ(WriteICalendarFile(SampleFeed(), path.string()), "");
    const std::string script =
        "import icalendar,sys\n"
        "cal=icalendar.Calendar.from_ical(open(sys.argv[1],'rb').read())\n"
        "for e in cal.walk('VEVENT'):\n"
        "  s=e.decoded('DTSTART')\n"
        "  print(e['UID'], '|', str(e['SUMMARY']), '|', s.isoformat(), '|', len(str(e.get('DESCRIPTION',''))))\n";
    const std::filesystem::path reader = folder / "read.py";
    std::ofstream(reader) << script;
    const std::string output = RunCommand("/usr/bin/python3 " + reader.string() + " " + path.string() + " 2>&1");
    EXPECT_EQ(output,
              "20260114-ekadashi-krishna-new-delhi@velmora | Ekadasi (Krishna) | 2026-01-14 | " +
                  std::to_string(SampleFeed().events[0].description.size()) +
                  "\n20260114-sankranti-makara-new-delhi@velmora | Makara Sankranti | 2026-01-14T09:41:05+00:00 | 0\n"
                  "20261231-purnima-new-delhi@velmora | Poornami – full moon | 2026-12-31 | 0\n");
    std::filesystem::remove_all(folder);
}

TEST(WriteICalendarFile, FailureNamesTheFileAndLeavesNothing) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "velmora-ics-missing";
    std::filesystem::remove_all(folder);
    const std::string path = (folder / "v.ics").string();
    const std::string failure = WriteICalendarFile(SampleFeed(), path);
    EXPECT_NE(failure.find(path), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder));

    // A second write replaces the first whole.
    const std::filesystem::path here = std::filesystem::temp_directory_path() / "velmora-ics-twice.ics";
    ASSERT_EQ(WriteICalendarFile(SampleFeed(), here.string()), "");
    const std::string first = ReadFile(here);
    ASSERT_EQ(WriteICalendarFile(SampleFeed(), here.string()), "");
    EXPECT_EQ(ReadFile(here), first);
    EXPECT_FALSE(std::filesystem::exists(here.string() + ".part"));
    std::filesystem::remove(here);
}

}  // namespace
}  // namespace velmora
