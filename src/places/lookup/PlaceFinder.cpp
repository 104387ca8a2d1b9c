#include "places/lookup/PlaceFinder.h"

#include <algorithm>
#include <optional>

#include "places/lookup/ZoneOnDate.h"
#include "shared/LineText.h"

namespace velmora {

namespace {

std::string Places(std::size_t n) { return std::to_string(n) + (n == 1 ? " place" : " places"); }

// Which place of several was taken, and why, when there was a doubt; the
// count is of every match.
std::string ChoiceNote(const PlaceChoice& choice, const std::vector<Place>& matches, std::string_view text) {
    const std::size_t exact = static_cast<std::size_t>(
        std::count_if(matches.begin(), matches.end(), [](const Place& p) { return p.exactName; }));
    std::string note = Places(matches.size()) + " match " + ExcerptForMessage(text) + "; took ";
    switch (choice.reason) {
        case ChoiceReason::Only:
            return {};
        case ChoiceReason::ExactName:
            // The only place of the very name typed: nothing was in doubt.
            if (exact == 1) return {};
            note += exact == matches.size() ? std::string("the most populous")
                                            : "the most populous of the " + std::to_string(exact) + " named exactly so";
            break;
        case ChoiceReason::NameBegins:
            note += "the most populous whose name begins so, over " + std::to_string(kFarMorePopulous) +
                    " times as populous as any named exactly so";
            break;
        case ChoiceReason::MostPopulous:
            note += "the most populous";
            break;
    }
    return note + ", " + PlaceLabel(matches[choice.index]) +
           "; add the state or country to choose another, as in \"city, state, country\"";
}

}  // namespace

PlaceAnswer FindPlaceOnDate(const PlaceDirectory& directory, std::string_view text, const LocalMoment& moment) {
    PlaceAnswer answer;
    const ParsedPlaceText parsed = ParsePlaceText(text);
    if (!parsed.problem.empty()) {
        answer.problem = parsed.problem;
        return answer;
    }
    const std::vector<Place> matches = directory.Find(parsed.query, AllPlaces);
    if (matches.empty()) {
        answer.problem = "no place called " + ExcerptForMessage(text) + " in the gazetteer";
        return answer;
    }
    const PlaceChoice choice = ChoosePlace(matches);
    const Place& place = matches[choice.index];
    const std::optional<ClockOnDate> clock = ClockOnLocalDate(place.zoneId, moment);
    if (!clock) {
        answer.problem = "the time-zone database does not know the zone " + place.zoneId + " of " + PlaceLabel(place);
        return answer;
    }
    answer.found = true;
    answer.place.place = place;
    answer.place.clock = *clock;
    answer.place.entries = PlaceEntriesFor(place, *clock);
    answer.place.others = choice.others;
    answer.place.matches = matches.size();
    if (std::string note = ChoiceNote(choice, matches, text); !note.empty()) answer.notes.push_back(std::move(note));
    if (!place.gazetteerZoneId.empty()) {
        answer.notes.push_back("took the zone " + place.zoneId + ", which the time-zone database names for " +
                               place.name + "; the gazetteer gives " + place.gazetteerZoneId);
    }
    if (std::string note = LocalTimeNote(*clock, moment); !note.empty()) answer.notes.push_back(std::move(note));
    if (std::string warning = ClockWarning(place, *clock, moment, answer.place.entries); !warning.empty()) {
        answer.notes.push_back(std::move(warning));
    }
    if (std::string note = DstBoxNote(place, *clock, moment, answer.place.entries); !note.empty()) {
        answer.notes.push_back(std::move(note));
    }
    return answer;
}

}  // namespace velmora
