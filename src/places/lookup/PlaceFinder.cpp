#include "places/lookup/PlaceFinder.h"

#include <optional>

#include "places/lookup/ZoneOnDate.h"

namespace velmora {

PlaceAnswer FindPlaceOnDate(const PlaceDirectory& directory, std::string_view text, const LocalMoment& moment) {
    PlaceAnswer answer;
    const ParsedPlaceText parsed = ParsePlaceText(text);
    if (!parsed.problem.empty()) {
        answer.problem = parsed.problem;
        return answer;
    }
    const std::vector<Place> matches = directory.Find(parsed.query, AllPlaces);
    if (matches.empty()) {
        answer.problem = "no place called \"" + std::string(text) + "\" in the gazetteer";
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
    if (choice.others > 0) {
        answer.notes.push_back("took the most populous of " + std::to_string(choice.others + 1) + " places matching \"" +
                               std::string(text) + "\" (" + std::to_string(choice.others) +
                               (choice.others == 1 ? " other matched" : " others matched") +
                               "); add the state or country to choose another, as in \"city, state, country\"");
    }
    if (std::string note = LocalTimeNote(*clock, moment); !note.empty()) answer.notes.push_back(std::move(note));
    if (std::string warning = ClockWarning(place, *clock, moment, answer.place.entries); !warning.empty()) {
        answer.notes.push_back(std::move(warning));
    }
    return answer;
}

}  // namespace velmora
