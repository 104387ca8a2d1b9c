#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "input/InputForm.h"
#include "names/Language.h"
#include "results/ResultsPage.h"
#include "shared/CalculationState.h"

// The readable mode of velmora-report: birth data as options, the results as
// readable text.
namespace velmora {

// The values of the readable mode's options, each already checked by its
// entry in FriendlyOptionTable(). Empty means "not given": the fresh window's
// value stays.
struct FriendlyOptions {
    std::string name;   // letters and blanks, in capitals
    std::string date;   // YYYY-MM-DD, a real date in 1901..2050; or the three below
    std::string day;    // 1..31
    std::string month;  // 1..12 or the English name
    std::string year;   // 1901..2050
    std::string time;   // H:MM or HH:MM, 24-hour local clock time
    std::string city, state, country;
    std::string lat;   // DEG:MIN and N or S, e.g. 28:36N
    std::string lon;   // DEG:MIN and E or W, e.g. 77:13E
    std::string zone;  // H:MM, e.g. 5:30 (its direction follows the longitude)
    bool dst = false;
    std::string place;  // "city", "city, state" or "city, state, country": looked up offline
    std::string pdf;    // write the printed report to this file instead of the text
    std::string paper;  // "A4" or "Letter" for --pdf; empty: the locale's paper
    // The Hindu day mode: --day YYYY-MM-DD (instead of a day of the month),
    // --days N, --json.
    std::string hinduDay;  // YYYY-MM-DD, a real date in 1901..2050
    int days = 0;          // 1..3660; 0: not given (one day)
    bool json = false;
    // The calendar modes: --month YYYY-MM (instead of a month of the
    // moment), and --year YYYY with --ics FILE or --json.
    std::string calendarMonth;  // YYYY-MM, 1901-01..2050-12
    std::string ics;            // the calendar file to write
    // --lang en|hi|ta: the language of the readable text, the calendar file's
    // titles and the JSON "name" values (keys never change).
    Language language = Language::English;
    // The birth chart after the moment's report (--chart), with the true
    // node instead of the mean one (--node true).
    bool chart = false;
    bool trueNode = false;
    // --festivals YYYY: the year's festivals, readable or with --json.
    std::string festivals;      // YYYY, 1901..2050
};

// One option of the readable mode. Every option is written here once: the
// command line, --help and the checks all come from the table.
struct FriendlyOption {
    std::string_view name;       // without the leading "--"
    std::string_view valueName;  // placeholder in --help; empty for a switch
    std::string_view help;
    // Checks the value (a switch gets an empty one) and stores it in
    // `options`. Returns nothing when the value is good, otherwise what a good
    // value looks like ("a date from 1901-01-01 to 2050-12-31 …").
    std::optional<std::string> (*take)(std::string_view value, FriendlyOptions& options);
};

std::span<const FriendlyOption> FriendlyOptionTable();

// The option of that name (without "--"), or null.
const FriendlyOption* FindFriendlyOption(std::string_view name);

// Fills the input form as a user would: the coordinate and zone parts go into
// their boxes, the date and time choose list entries, the DST box is ticked.
// Options that are only wrong together (--date with --day, the 30th of
// February from --day and --month) give one line saying what is wrong, and the
// form is not to be used. The window's own input check runs later, as in the
// window.
std::optional<std::string> FormFromOptions(const FriendlyOptions& options, InputForm& form);

// The details (with the zone and daylight saving of the run's birth record),
// the ayanamsa and the five tabs as plain text, one value per line under the
// window's captions, paragraphs wrapped at 78 columns: the report's plain text.
// The captions and the almanac's names follow `language`.
std::string ReadableReport(const ResultsPage& page, const BirthRecord& birth, Language language = Language::English);

}  // namespace velmora
