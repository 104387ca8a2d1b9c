#pragma once

#include <optional>
#include <string_view>

// The stable keys of the festivals and the named Ekadashis with their English
// names, in one table. Keys never change (scripts and the JSON outputs rely
// on them); a translation is a table of its own keyed by the same keys.
namespace velmora {

struct FestivalName {
    std::string_view key;
    std::string_view name;  // English
};

inline constexpr FestivalName FestivalNames[] = {
    {"makar-sankranti", "Makar Sankranti"},
    {"pongal", "Pongal"},
    {"thaipusam", "Thaipusam"},
    {"vasant-panchami", "Vasant Panchami"},
    {"guru-ravidas-jayanti", "Guru Ravidas Jayanti"},
    {"maha-shivaratri", "Maha Shivaratri"},
    {"holika-dahan", "Holika Dahan"},
    {"holi", "Holi"},
    {"ugadi", "Ugadi / Gudi Padwa"},
    {"rama-navami", "Rama Navami"},
    {"mahavir-jayanti", "Mahavir Jayanti"},
    {"hanuman-jayanti", "Hanuman Jayanti"},
    {"vaisakhi", "Vaisakhi"},
    {"vishu", "Vishu"},
    {"puthandu", "Puthandu (Tamil New Year)"},
    {"akshaya-tritiya", "Akshaya Tritiya"},
    {"buddha-purnima", "Buddha Purnima"},
    {"rath-yatra", "Rath Yatra"},
    {"guru-purnima", "Guru Purnima"},
    {"nag-panchami", "Nag Panchami"},
    {"raksha-bandhan", "Raksha Bandhan"},
    {"janmashtami", "Janmashtami"},
    {"ganesh-chaturthi", "Ganesh Chaturthi"},
    {"onam", "Onam"},
    {"navaratri", "Navaratri begins"},
    {"durga-ashtami", "Durga Ashtami"},
    {"maha-navami", "Maha Navami"},
    {"dussehra", "Dussehra"},
    {"sharad-purnima", "Sharad Purnima"},
    {"valmiki-jayanti", "Valmiki Jayanti"},
    {"karwa-chauth", "Karwa Chauth"},
    {"dhanteras", "Dhanteras"},
    {"naraka-chaturdashi", "Naraka Chaturdashi"},
    {"diwali", "Diwali (Lakshmi Puja)"},
    {"govardhan-puja", "Govardhan Puja"},
    {"bhai-dooj", "Bhai Dooj"},
    {"chhath-puja", "Chhath Puja"},
    {"kartika-purnima", "Kartika Purnima (Guru Nanak Jayanti)"},

    // The Ekadashis by amanta month, Shukla then Krishna, and the two of an
    // adhika month.
    {"ekadashi-kamada", "Kamada Ekadashi"},
    {"ekadashi-varuthini", "Varuthini Ekadashi"},
    {"ekadashi-mohini", "Mohini Ekadashi"},
    {"ekadashi-apara", "Apara Ekadashi"},
    {"ekadashi-nirjala", "Nirjala Ekadashi"},
    {"ekadashi-yogini", "Yogini Ekadashi"},
    {"ekadashi-devshayani", "Devshayani Ekadashi"},
    {"ekadashi-kamika", "Kamika Ekadashi"},
    {"ekadashi-shravana-putrada", "Shravana Putrada Ekadashi"},
    {"ekadashi-aja", "Aja Ekadashi"},
    {"ekadashi-parsva", "Parsva Ekadashi"},
    {"ekadashi-indira", "Indira Ekadashi"},
    {"ekadashi-papankusha", "Papankusha Ekadashi"},
    {"ekadashi-rama", "Rama Ekadashi"},
    {"ekadashi-prabodhini", "Prabodhini Ekadashi"},
    {"ekadashi-utpanna", "Utpanna Ekadashi"},
    {"ekadashi-mokshada", "Mokshada Ekadashi"},
    {"ekadashi-saphala", "Saphala Ekadashi"},
    {"ekadashi-pausha-putrada", "Pausha Putrada Ekadashi"},
    {"ekadashi-shattila", "Shattila Ekadashi"},
    {"ekadashi-jaya", "Jaya Ekadashi"},
    {"ekadashi-vijaya", "Vijaya Ekadashi"},
    {"ekadashi-amalaki", "Amalaki Ekadashi"},
    {"ekadashi-papmochani", "Papmochani Ekadashi"},
    {"ekadashi-padmini", "Padmini Ekadashi"},
    {"ekadashi-parama", "Parama Ekadashi"},
};

// The English name of a key, or nothing for a key not in the table.
std::optional<std::string_view> FestivalNameOf(std::string_view key);

// The key of the Ekadashi of an amanta month (0 = Chaitra .. 11 = Phalguna)
// and paksha; an adhika month's two have names of their own. Nothing for a
// month outside 0..11.
std::optional<std::string_view> EkadashiKey(int amanta, bool shukla, bool adhika);

}  // namespace velmora
