#pragma once

#include "names/Language.h"
#include "results/Report.h"

// The report in another language: every caption, title, value and paragraph
// with the almanac's names and the program's words replaced from the name
// tables (names/NameTables.h). Numbers, dates and what the user typed stay as
// they are; in English the report comes back unchanged.
namespace velmora {

Report LocalizedReport(Report report, Language language);

}  // namespace velmora
