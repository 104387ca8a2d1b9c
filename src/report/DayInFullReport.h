#pragma once

#include <string>

#include "day/DayInFull.h"
#include "day/DayZone.h"
#include "names/Language.h"

// The day in full in the report tool's --day output: the keys after the
// day's own (choghadiya, hora, gowri, durmuhurta, varjyam, amrit_kalam,
// panchak, samvatsara, ritu, ayana, solar) and the matching readable lines.
namespace velmora {

// Appends the keys `"choghadiya":…` to `"solar":…` (no braces around them)
// to `out`, the text of a day's JSON object. The "name" values (choghadiya,
// Gowri) follow `language`; keys and every other value do not.
void AppendDayInFullJson(std::string& out, const DayInFull& full, const DayZone& zone,
                         Language language = Language::English);

// Readable lines in the day text's style (an 18-column caption, then the
// value), the captions, names and words in `language`.
std::string DayInFullText(const DayInFull& full, const DayZone& zone, Language language = Language::English);

}  // namespace velmora
