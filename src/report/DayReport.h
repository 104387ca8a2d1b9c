#pragma once

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "day/HinduDay.h"
#include "day/SolarCalendars.h"
#include "names/Language.h"
#include "festivals/Festivals.h"
#include "places/Place.h"
#include "report/FriendlyReport.h"

// The Hindu day mode of velmora-report (--day YYYY-MM-DD): the place and
// clock from --place (the zone from the time-zone database for every moment)
// or from --lat, --lon, --zone [--dst] (one offset, its direction taken from
// the longitude as in the window), then one report per day, as readable text
// or as one JSON object on one line.
namespace velmora {

struct DaySite {
    Observer observer;
    std::unique_ptr<DayZone> zone;
    std::vector<std::string> said;  // the place taken (for standard error)
    std::string failure;            // empty on success
    int status = 0;                 // exit status for a failure
};

// `directory` may be null (no gazetteer); it is used only with --place.
DaySite DaySiteFromOptions(const FriendlyOptions& options, const PlaceDirectory* directory);

// The days asked for: --day and the --days - 1 dates after it.
struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
};
std::vector<CivilDate> DatesFromOptions(const FriendlyOptions& options);

// One day as a JSON object on one line (with the newline), keys in a fixed
// order: date, latitude, longitude, zone, sunrise, sunset, next_sunrise,
// moonrise, moonset (clock times with their offset, or null), note (null or
// why a rising or setting is missing), vara, tithi, nakshatra, yoga, karana
// (lists of spans), rahu_kalam, yamaganda, gulika_kalam, abhijit_muhurta,
// brahma_muhurta (spans or null), masa, shaka_year, vikram_year, sankranti,
// eclipses (a list, EclipseJson.h; empty on most days).
// festivals (a list of {"key","name"}: those of `festivals` dated this day),
// then the day in full (report/DayInFullReport.h). Days of one place and zone
// may share a SolarMonthCache for that place and zone.
// The "name" values follow `language`; keys and every other value do not.
std::string DayJsonLine(const HinduDay& day, const DayZone& zone, Language language = Language::English,
                        std::span<const FestivalDay> festivals = {}, SolarMonthCache* solar = nullptr);

// One day as readable text, one value per line under a caption.
std::string DayText(const HinduDay& day, const DayZone& zone, Language language = Language::English,
                    std::span<const FestivalDay> festivals = {}, SolarMonthCache* solar = nullptr);

// A date of a run of days that has no Hindu day (one the zone's clock skips),
// in place of its day: {"date":"2011-12-30","trouble":"…"} on one line, or
// the readable "Day" and "Trouble" lines.
std::string DayTroubleJsonLine(const CivilDate& date, const std::string& trouble);
std::string DayTroubleText(const CivilDate& date, const std::string& trouble);

}  // namespace velmora
