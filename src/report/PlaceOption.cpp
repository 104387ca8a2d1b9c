#include "report/PlaceOption.h"

#include "places/lookup/PlaceFinder.h"
#include "report/CommandLine.h"

namespace velmora {

PlaceOptionOutcome ApplyPlaceOption(const FriendlyOptions& o, const PlaceDirectory* directory, InputForm& form) {
    PlaceOptionOutcome outcome;
    if (o.place.empty()) return outcome;
    if (directory == nullptr) {
        outcome.failure = "--place: this velmora-report was built without the gazetteer (libgeonames)";
        outcome.status = kExitFailure;
        return outcome;
    }
    const LocalMoment moment{FirstYear + form.cboYear, form.cboMonth + 1, form.cboDate + 1, form.cboHH, form.cboMM};
    const PlaceAnswer answer = FindPlaceOnDate(*directory, o.place, moment);
    if (!answer.found) {
        outcome.failure = "--place: " + answer.problem;
        outcome.status = kExitUsage;
        return outcome;
    }
    const FoundPlace& found = answer.place;
    PlaceEntries e = found.entries;

    // What the options gave themselves stays; the zone is worked out for the
    // longitude that ends up in the form.
    std::string explicitOptions;
    auto keep = [&explicitOptions](const std::string& given, const char* name) {
        if (given.empty()) return false;
        explicitOptions += explicitOptions.empty() ? "" : ", ";
        explicitOptions += name;
        return true;
    };
    if (keep(o.city, "--city")) e.txtMCity = form.txtMCity;
    if (keep(o.state, "--state")) e.txtMState = form.txtMState;
    if (keep(o.country, "--country")) e.txtMCountry = form.txtMCountry;
    if (keep(o.lat, "--lat")) {
        e.txtLatD = form.txtLatD;
        e.txtLatM = form.txtLatM;
        e.optLat = form.optLat;
    }
    if (keep(o.lon, "--lon")) {
        e.txtLonD = form.txtLonD;
        e.txtLonM = form.txtLonM;
        e.optLong = form.optLong;
        FillZone(e, found.clock);
    }
    const bool zoneGiven = keep(o.zone, "--zone");
    const bool dstGiven = o.dst && keep("--dst", "--dst");
    if (zoneGiven) {
        e.txtZoneHour = form.txtZoneHour;
        e.txtZoneMinute = form.txtZoneMinute;
    }
    if (zoneGiven || dstGiven) e.chkDST = form.chkDST;
    ApplyPlaceEntries(e, form);

    outcome.said.push_back("place: " + PlaceLine(found.place, found.clock, found.entries));
    // The finder's sentences about the zone boxes were for the place's own
    // boxes; they are said again below for the boxes the form ends up with.
    const std::string ownWarning = ClockWarning(found.place, found.clock, moment, found.entries);
    const std::string ownDstNote = DstBoxNote(found.place, found.clock, moment, found.entries);
    for (const std::string& note : answer.notes) {
        if (note != ownWarning && note != ownDstNote) outcome.said.push_back("note: " + note);
    }
    if (!zoneGiven) {
        if (const std::string warning = ClockWarning(found.place, found.clock, moment, e); !warning.empty()) {
            outcome.said.push_back("note: " + warning);
        }
        if (const std::string note = DstBoxNote(found.place, found.clock, moment, e); !note.empty()) {
            outcome.said.push_back("note: " + note);
        }
    }
    if (!explicitOptions.empty()) {
        outcome.said.push_back("note: " + explicitOptions + " given beside --place: " +
                               (explicitOptions.find(", ") == std::string::npos ? "it wins" : "they win") +
                               " over the place's own values");
    }
    return outcome;
}

}  // namespace velmora
