#include "festivals/FestivalNames.h"

namespace velmora {

std::optional<std::string_view> FestivalNameOf(std::string_view key) {
    for (const FestivalName& row : FestivalNames) {
        if (row.key == key) return row.name;
    }
    return std::nullopt;
}

std::optional<std::string_view> EkadashiKey(int amanta, bool shukla, bool adhika) {
    // Shukla and Krishna of each amanta month, Chaitra first; the adhika pair
    // last (FestivalNames.h).
    static constexpr std::string_view keys[] = {
        "ekadashi-kamada",           "ekadashi-varuthini", "ekadashi-mohini",     "ekadashi-apara",
        "ekadashi-nirjala",          "ekadashi-yogini",    "ekadashi-devshayani", "ekadashi-kamika",
        "ekadashi-shravana-putrada", "ekadashi-aja",       "ekadashi-parsva",     "ekadashi-indira",
        "ekadashi-papankusha",       "ekadashi-rama",      "ekadashi-prabodhini", "ekadashi-utpanna",
        "ekadashi-mokshada",         "ekadashi-saphala",   "ekadashi-pausha-putrada", "ekadashi-shattila",
        "ekadashi-jaya",             "ekadashi-vijaya",    "ekadashi-amalaki",    "ekadashi-papmochani",
        "ekadashi-padmini",          "ekadashi-parama"};
    if (amanta < 0 || amanta > 11) return std::nullopt;
    const int index = adhika ? 24 + (shukla ? 0 : 1) : amanta * 2 + (shukla ? 0 : 1);
    return keys[index];
}

}  // namespace velmora
