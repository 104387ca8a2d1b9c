#include "places/Place.h"

#include <array>

#include "shared/LineText.h"

namespace velmora {

namespace {

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

}  // namespace

ParsedPlaceText ParsePlaceText(std::string_view text) {
    ParsedPlaceText parsed;
    if (text.size() > MaxPlaceTextBytes) {
        parsed.problem = "the place name is too long (at most " + std::to_string(MaxPlaceTextBytes) + " bytes)";
        return parsed;
    }
    if (const std::string problem = OneLineTextProblem(text); !problem.empty()) {
        parsed.problem = "the place name " + problem;
        return parsed;
    }
    std::array<std::string_view, 3> parts{};
    std::size_t count = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        if (count == parts.size()) {
            parsed.problem = "a place is at most \"city, state, country\"";
            return parsed;
        }
        parts[count++] = TrimBlanks(text.substr(start, comma == std::string_view::npos ? comma : comma - start));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    if (parts[0].empty()) {
        parsed.problem = "no city given";
        return parsed;
    }
    parsed.query.city = std::string(parts[0]);
    parsed.query.state = std::string(parts[1]);
    parsed.query.country = std::string(parts[2]);
    return parsed;
}

std::string ShortStateName(std::string_view state) {
    for (const std::string_view prefix : {"State of ", "Province of ", "Canton of "}) {
        if (state.size() > prefix.size() && state.substr(0, prefix.size()) == prefix) {
            return std::string(state.substr(prefix.size()));
        }
    }
    return std::string(state);
}

std::string PlaceLabel(const Place& place) {
    std::string label = place.name;
    if (!place.otherName.empty()) label += " (" + place.otherName + ")";
    for (const std::string* part : {&place.state, &place.country}) {
        if (part->empty()) continue;
        if (!label.empty()) label += ", ";
        label += *part;
    }
    return label;
}

PlaceChoice ChoosePlace(const std::vector<Place>& matches) {
    PlaceChoice choice;
    if (matches.empty()) return choice;
    choice.others = matches.size() - 1;
    // The most populous of a group; the matches may come in any order.
    auto best = [&matches](auto&& inGroup) {
        std::size_t found = matches.size();
        for (std::size_t i = 0; i < matches.size(); ++i) {
            if (inGroup(matches[i]) && (found == matches.size() || matches[i].population > matches[found].population)) {
                found = i;
            }
        }
        return found;
    };
    const std::size_t exact = best([](const Place& p) { return p.exactName; });
    const std::size_t begins = best([](const Place& p) { return p.nameBegins && !p.exactName; });
    const std::size_t any = best([](const Place&) { return true; });
    if (exact == matches.size()) {
        choice.index = any;
        choice.reason = matches.size() == 1 ? ChoiceReason::Only : ChoiceReason::MostPopulous;
    } else if (begins != matches.size() &&
               static_cast<std::uint64_t>(matches[begins].population) >=
                   static_cast<std::uint64_t>(matches[exact].population) * kFarMorePopulous) {
        choice.index = begins;
        choice.reason = ChoiceReason::NameBegins;
    } else {
        choice.index = exact;
        choice.reason = matches.size() == 1 ? ChoiceReason::Only : ChoiceReason::ExactName;
    }
    return choice;
}

}  // namespace velmora
