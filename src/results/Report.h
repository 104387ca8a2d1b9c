#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chart/Chart.h"
#include "chart/ChartStyle.h"
#include "names/Language.h"
#include "results/DayTab.h"
#include "results/ResultsPage.h"
#include "shared/CalculationState.h"
#include "shared/Version.h"

// The report a person keeps: what the results window shows, in its order,
// arranged once for every way it leaves the program (printed, saved as PDF,
// copied as text). Built from the results page, so that each value is exactly
// the text the window shows.
namespace velmora {

// The program's name and version, as every window's caption and the report's
// footer show it.
inline constexpr std::string_view ProgramNameAndVersion = "Velmora v" VELMORA_VERSION;

// A caption and the value shown beside it ("Lord", "Shani").
struct ReportField {
    std::string caption;
    std::string value;
};

// A paragraph under its caption (an empty caption continues the field above).
struct ReportParagraph {
    std::string caption;
    std::string text;
};

// One element of the panchang, as its tab shows it.
struct ReportSection {
    std::string title;                        // the tab's caption
    std::vector<ReportField> values;          // the short values, in the tab's order
    ReportField span;                         // when the element begins and ends; no caption for none
    std::vector<ReportParagraph> paragraphs;  // the tab's texts
    std::vector<ReportField> below;           // values the tab shows below its texts, in its order
};

struct Report {
    std::string kicker;                 // the line above the name: what this is
    std::string name;                   // the person (or the query's name) as shown
    std::vector<ReportField> details;   // "Your Details": date, time, place, coordinates, zone
    ReportField ayanamsa;
    std::vector<ReportSection> elements;  // Vaar, Nakshatra, Tithi, Yoga, Karna, and Day (results/DayTab.h) when the run has one
    std::string footer;                   // the program's name and version
    // The Chart page, when the window shows a chart: printed on a page of its
    // own in this style, and added to the copied text. BuildReport leaves it
    // empty, so the report tool's text and PDF stay as they were.
    std::optional<BirthChart> chart;
    ChartStyle chartStyle = ChartStyle::NorthIndian;
    std::string detailsTitle = "Your Details";  // the heading over `details`
    std::string nameCaption = "Name";           // the plain text's caption of `name`
    std::string kickerJoin = " for ";           // the plain text's "Panchang for NAME"
    // The language of the Chart page and of the chart's text (LocalizedReport
    // sets it; the other texts above are already in it).
    Language language = Language::English;
};

// The zone the calculation used, as a reader understands it: its size with the
// direction the longitude gives it ("5:30 ahead of GMT"), or "GMT".
std::string ZoneEchoText(const BirthRecord& birth);

// The report of one results page. `birth` is the birth record of the run that
// filled the page (the page itself has no zone or daylight saving line).
Report BuildReport(const ResultsPage& page, const BirthRecord& birth);

// The same with the Day section holding `day` as shown (a day read on another
// clock than the record's zone boxes); none: no Day section.
Report BuildReport(const ResultsPage& page, const BirthRecord& birth, const std::optional<DayTabValues>& day);

// The report as plain text: headings, captions padded to one column, values
// and paragraphs wrapped at 78 columns; lines end with "\n".
std::string ReportPlainText(const Report& report);

// A file name to offer when the report is saved: "Panchang-<name>-<date>.pdf"
// with the date as YYYY-MM-DD, keeping letters, digits and non-ASCII
// characters of the name (anything else becomes one '-'), at most 80 bytes.
std::string DefaultReportFileName(const ResultsPage& page, const BirthRecord& birth);

}  // namespace velmora
