#include "panchang/PanchangTables.h"

namespace velmora {

namespace {
constexpr std::string_view InauspiciousTithiText =
    "Inauspicious Tithi brings about all kind of financial as well as personal losses. As a result of the malefic planetary effects, the native is bound to suffer from ill health, monetary problems and will have troubles and quarrels with everybody around him.";
constexpr std::string_view AuspiciousTithiText =
    "Time the most powerful factor in the accomplishment of any work. Nothing happens before the appropriate and auspicious time. The auspicious Tithi provides an opportunity to do the right thing at the time in order to get the best advantage for the progress, welfare & happiness of the native.";
}  // namespace

// Tithi rows, row 0 = the first tithi of the bright fortnight, 15 = the first
// of the dark one: name, nature, number, phase, lord, group, feature, type and
// one of the two paragraphs, chosen by the row's type. The texts are shown as
// they are, spelling included.
const std::array<TithiRow, 30> TithiTable = {{
    {"Pratipad",
     "This is good for all auspicious and religious functions.",
     "16", "Shukla", "Agni", "Nanda", "Vriddhi (Increase)", "In-Auspicious",
     InauspiciousTithiText},
    {"Dwithiai",
     "This is good for starting construction work with a strong foundation.",
     "17", "Shukla", "Brahma", "Bhadra", "Auspicious happenings", "In-Auspicious",
     InauspiciousTithiText},
    {"Trithiai",
     "This is good for cutting of hair and shaving.",
     "18", "Shukla", "Gauri", "Jaya", "Power giving", "In-Auspicious",
     InauspiciousTithiText},
    {"Chathurthi",
     "This is a good time for finishing off the enemy.",
     "19", "Shukla", "Ganesha", "Rikta", "Khala", "In-Auspicious",
     InauspiciousTithiText},
    {"Panchami",
     "This is a good time for medical related treatments and surgery.",
     "20", "Shukla", "Naga", "Poorna", "Laxmi (wealth)", "In-Auspicious",
     InauspiciousTithiText},
    {"Shashti",
     "This is a good time for happy occasions and festivities.",
     "21", "Shukla", "Kartikeya", "Nanda", "Fame giving", "Auspicious",
     AuspiciousTithiText},
    {"Saptami",
     "This is a good time for journeys and buying of vehicles.",
     "22", "Shukla", "Sun", "Bhadra", "Firendly", "Auspicious",
     AuspiciousTithiText},
    {"Ashtami",
     "This is a good time for preparing for the battle by making your defense strong.",
     "23", "Shukla", "Shiva", "Jaya", "Conflict", "Auspicious",
     AuspiciousTithiText},
    {"Navami",
     "This is a tithi of destruction and violence.",
     "24", "Shukla", "Durga", "Rikta", "Aggressive", "In-Auspicious",
     InauspiciousTithiText},
    {"Dasami",
     "This is a good time for religious activities.",
     "25", "Shukla", "Yama", "Poorna", "Sober", "Auspicious",
     AuspiciousTithiText},
    {"Ekadasi",
     "This is a day of fasting and remembering the Supreme Lord.",
     "26", "Shukla", "Vishwadeva", "Nanda", "Enjoyments", "Auspicious",
     AuspiciousTithiText},
    {"Dwadasi",
     "This is a good day for religious ceremonies and lighting of the holy fire.",
     "27", "Shukla", "Vishnu", "Bhadra", "Fame and good qualities", "Auspicious",
     AuspiciousTithiText},
    {"Triodasi",
     "This is a good day for starting new relationships.",
     "28", "Shukla", "Kamadeva", "Jaya", "Victory", "Auspicious",
     AuspiciousTithiText},
    {"Chaturdasi",
     "This is a day of spirits.",
     "29", "Shukla", "Shiva", "Rikta", "Aggressive", "In-Auspicious",
     InauspiciousTithiText},
    {"Poornami",
     "This is a day to perform astere rituals.",
     "30", "Shukla", "Moon", "Poorna", "Sober", "Auspicious",
     AuspiciousTithiText},
    {"Pratipad",
     "This is good for all auspiucious and religious functions.",
     "1", "Krishna", "Agni", "Nanda", "Vriddhi (Increase)", "Auspicious",
     AuspiciousTithiText},
    {"Dwithiai",
     "This is good for starting construction work with a strong foundation.",
     "2", "Krishna", "Brahma", "Bhadra", "Auspicious happenings", "Auspicious",
     AuspiciousTithiText},
    {"Trithiai",
     "This is good for cutting of hair and shaving.",
     "3", "Krishna", "Gauri", "Jaya", "Power giving", "Auspicious",
     AuspiciousTithiText},
    {"Chathurthi",
     "This is a good time for finishing off the enemy.",
     "4", "Krishna", "Ganesha", "Rikta", "Khala", "In-Auspicious",
     InauspiciousTithiText},
    {"Panchami",
     "This is a good time for medical related treatments and surgery.",
     "5", "Krishna", "Naga", "Poorna", "Laxmi (wealth)", "Auspicious",
     AuspiciousTithiText},
    {"Shashti",
     "This is a good time for happy occasions and festivities.",
     "6", "Krishna", "Kartikeya", "Nanda", "Fame giving", "Auspicious",
     AuspiciousTithiText},
    {"Saptami",
     "This is a good time for journeys and buying of vehicles.",
     "7", "Krishna", "Sun", "Bhadra", "Firendly", "Auspicious",
     AuspiciousTithiText},
    {"Ashtami",
     "This is a good time for preparing for the battle by making your defense strong.",
     "8", "Krishna", "Shiva", "Jaya", "Conflict", "Auspicious",
     AuspiciousTithiText},
    {"Navami",
     "This is a tithi of destruction and violence.",
     "9", "Krishna", "Durga", "Rikta", "Aggressive", "In-Auspicious",
     InauspiciousTithiText},
    {"Dasami",
     "This is a good time for religious activities.",
     "10", "Krishna", "Yama", "Poorna", "Sober", "Auspicious",
     AuspiciousTithiText},
    {"Ekadasi",
     "This is a day of fasting and remembering the Supreme Lord.",
     "11", "Krishna", "Vishwadeva", "Nanda", "Enjoyments", "In-Auspicious",
     InauspiciousTithiText},
    {"Dwadasi",
     "This is a good day for religious ceremonies and lighting of the holy fire.",
     "12", "Krishna", "Vishnu", "Bhadra", "Fame and good qualities", "In-Auspicious",
     InauspiciousTithiText},
    {"Triodasi",
     "This is a good day for starting new relationships.",
     "13", "Krishna", "Kamadeva", "Jaya", "Victory", "In-Auspicious",
     InauspiciousTithiText},
    {"Chaturdasi",
     "This is a day of spirits.",
     "14", "Krishna", "Shiva", "Rikta", "Aggressive", "In-Auspicious",
     InauspiciousTithiText},
    {"Ammavasai",
     "This is a day to perform austere rituals.",
     "15", "Krishna", "Pitara", "Poorna", "Sober", "In-Auspicious",
     InauspiciousTithiText},
}};

std::optional<std::string_view> TithiNameOf(int index) {
    // A Moon at exactly 360 with the Sun at exactly 0 reaches index 30, whose
    // name is empty and which has no other texts.
    if (index == static_cast<int>(TithiTable.size())) return std::string_view();
    if (const std::optional<TithiRow> row = TableRow(TithiTable, index)) return row->name;
    return std::nullopt;
}

// Row 11 exists and is empty.
const std::array<std::string_view, 12> KaranaNames = {{
    "Bava",
    "Balava",
    "Kaulava",
    "Taitula",
    "Garija",
    "Vanija",
    "Visti",
    "Sakuna",
    "Chatuspada",
    "Naga",
    "Kimstughna",
    "",
}};

// Row 27 exists and is empty: a yoga position of exactly 27 reaches it.
const std::array<std::string_view, 28> YogaNames = {{
    "Vishkambha",
    "Prithi",
    "Ayushman",
    "Saubhagya",
    "Sobhana",
    "Atiganda",
    "Sukarman",
    "Dhrithi",
    "Soola",
    "Ganda",
    "Vridhi",
    "Dhruva",
    "Vyaghata",
    "Harshana",
    "Vajra",
    "Siddhi",
    "Vyatipata",
    "Variyan",
    "Parigha",
    "Siva",
    "Siddha",
    "Sadhya",
    "Subha",
    "Sukla",
    "Bramha",
    "Indra",
    "Vaidhruthi",
    "",
}};

// Rows 4, 6 and 8 end with one blank; rows 27 to 29 read "NA".
const std::array<std::string_view, 30> YogaTexts = {{
    "The Yoga is Vishkambha which means ‘Supported’. A native under this combination acquires property, becomes wealthy. He is also said to emerge out victorious over his enemies and it prevails over others.",
    "The yoga is Priti which means ‘Fondness’. Native under this combination of yoga is known to enjoy life with contentment. The characteristic of this yoga makes him well-liked by his friends and associates.",
    "The yoga is Ayushman which means ‘Long lived’. The combination of this yoga makes the native energetic, enjoy a good health and live over a long period of time.",
    "The yoga is Saubhagya. As the name implies, it means ‘Good fortune’. Native under this combination acquires the scope of enjoying his/her life quite comfortably with full of opportunities and happiness.",
    "The yoga is Sobhana which implies ‘Splendor’. Native with this yoga combination generally becomes obsessed with sex and physical closeness. ",
    "The yoga is Atiganda which implies ‘Danger or Obstacle’. With this combination of yoga, the native is bound to be very short tempered, angry and revengeful as well. This yoga makes life difficult with large number of hurdles and obstacles in the path of success. He/she may be accident prone as well.",
    "The yoga is Sukarma which means ‘Virtuous’. Under this yoga combination, the native performs noble deeds. He will also be interested in charity and will acquire huge property. ",
    "The yoga is Dhriti. As is obvious from the name, it means ‘Determination’. This yoga combo indulges the native to be involved in the hospitality of others. He is also fortuned to enjoy the wealth, goods and as well as the spouses of others.",
    "The yoga is Soola which means ‘Spear, Pain’. The native under this combination acquires a quarrelsome and angry nature. He/she is also prone to become confrontational and contrary to the view points of others. ",
    "The yoga is Ganda, which means ‘Danger or Obstacles’. This combination is the symbol of a troublesome personality. The native will be having flawed morals or ethics.",
    "The yoga is Vriddha. As the name implies, it means ‘Growth’. Life constantly improves with age. The native under this combination will become intelligent, opportunistic and discerning.",
    "The yoga is Dhruva which means ‘Constant’. The native under this combination will be of steady character. He will be able to concentrate in his /her work. He will be persistent and wealthy.",
    "The yoga is Vyagatha which means ‘Beating’. The native will be cruel and will always have an intention to harm others.",
    "The yoga is Harshana which means ‘Thrilling’. The native under this combination will be intelligent. He will also be of a delightful in nature and will be merriful and humorous.",
    "The yoga is Vajra which means ‘Diamond, Thunderbolt’. The native will be of a forceful and unpredictable nature. Financially, he will also be well-off and lecherous.",
    "The yoga is Siddhi which means ‘Success’. The native under this combination will be skillful and accomplished in several areas. He will also be the protector and supporter of others.",
    "The yoga is Vyatapata which means ‘Calamity’. The native will be prone to sudden mishaps and reversals. He/she will also be fickle minded and unreliable.",
    "The yoga is Variyan which means ‘Comfort’. The native under this combination will love ease and luxury. He/she will also be lazy or lascivious.",
    "The yoga is Parigha which means ‘Obstruction’. The native under this combination will be of an irritable and meddlesome nature. Moreover, he/she will be encountering a lot of mishaps and troubles to attain success in life.",
    "The yoga is Siva which means ‘Auspicious’. The native under this combination will be honored by superiors and governments. He will be placid, learned and religious. He will also be wealthy.",
    "The yoga is Siddha which means ‘Accomplished’. The native under this combination will be of an accommodating personality. He/she will also be of a pleasant nature. The native will also be interested in rituals and spirituality.",
    "The yoga is Sadhya which means ‘Amenable’. The native under this combination will well-behaved and will also be of an accomplished manners and etiquette.",
    "The yoga is Subha. As the name implies, the yoga means ‘Auspicious’. The native under this yoga combination will be having problems with health. He/she will also be of an irritable nature. The native will be wealthy and will be acquiring a lustrous body and personality.",
    "The yoga is Sukla which means ‘Bright White’. The native will be of an unsteady and changeable mind. He/she will also be garrulous, flighty, impatient and impulsive.",
    "The yoga is Brahma which means ‘Priest, God’. Under this combination, the native will be trustworthy, confidential, ambitious, good discernment and will have a very good decision making and judgment power.",
    "The yoga is Indira which means ‘Chief’. The native under this yoga combination will be of a helpful and well off nature. He will also be interested in education and knowledge.",
    "The yoga is Vaidhriti which means ‘Poor support’. Under this combination, the native will be of a very powerful and over whelming nature both physically and mentally. He will also be of a critical and scheming nature.",
    "NA",
    "NA",
    "NA",
}};

const std::array<VaraRow, 7> VaraTable = {{
    {"Sunday", "Sun", "Ravi Vara",
     "Day of enjoyment and contentment. Good for work related to gold, copper, trees, fire, silk and coronation. Do not be lazy or violent."},
    {"Monday", "Moon", "Soma Vara",
     "Day of creativity and being receptive. Good for buying new things like gold, clothes, jewelery, making spontaneous decisions. Auspicious for marriage. Do not take tough decisions. Avoid a haircut."},
    {"Tuesday", "Mars", "Mangala Vara",
     "Day of material things. Not a very favorable day. Day of litigations and betting. Do work related to metal, medicine, health care and sports. Do not start new ventures, be careful of injuries and accidents."},
    {"Wednesday", "Mercury", "Budha Vara",
     "Day of wisdom and recognition. This is a good day for deep thinking and making business plans, meeting old friends and communication. Avoid too much of noise."},
    {"Thursday", "Jupiter", "Guru Vara",
     "Day of knowledge and devotion. Good day to get married, give gifts, charity, spend time with children and manage money. Good day for starting education and shopping for expensive items."},
    {"Friday", "Venus", "Shukra Vara",
     "Day of completeness and harmony. Good for buying clothes, jewelery, artistic items. Good for entertaining guests and relatives, travel and journeys. Do not sell important things."},
    {"Saturday", "Saturn", "Shani Vara",
     "Day of rest and relaxation. Good for charity work, work related to iron, land, farming, housing. Take care of your health. Do not do any important work or start any new venture. Do not cut your hair."},
}};

const std::array<std::string_view, 12> SignDisplayNames = {
    "Mesha (Aries)",      "Vrishabha (Taurus)",   "Mithuna (Gemini)",     "Karka (Cancer)",
    "Simha (Leo)",        "Kanya (Virgo)",        "Tula (Libra)",         "Vrishchika (Scorpio)",
    "Dhanu (Sagittarius)", "Makara (Capricorn)", "Kumbha (Aquarius)",    "Meena (Pisces)",
};

// The nakshatra-varna (name syllable) table of the muhurta texts, in the
// Devanagari readings of Muhurtaraj's table "nakshatra-varna, nakshatra-rashi"
// (Hindi edition, p. 84), written in Latin letters with long and short vowels
// alike (ली Li, चू Chu). Abhijit, which has syllables of its own there (Ju, Je,
// Jo, Kha), is no mansion of the 27 and is left out; Shravana keeps Khi, Khu,
// Khe, Kho. Uttara Bhadrapada's last, ञ, has no name that starts with it;
// name lists give Da. Southern lists differ in a few rows (Telugu ones give
// Shravana as Ju, Je, Jo, Kha); the test lists each difference.
const std::array<std::string_view, 108> PadaSyllables = {
    "Chu", "Che", "Cho", "La",    // Ashwini
    "Li",  "Lu",  "Le",  "Lo",    // Bharani
    "A",   "I",   "U",   "E",     // Krittika
    "O",   "Va",  "Vi",  "Vu",    // Rohini
    "Ve",  "Vo",  "Ka",  "Ki",    // Mrigasira
    "Ku",  "Gha", "Nga", "Chha",  // Ardra
    "Ke",  "Ko",  "Ha",  "Hi",    // Punarvasu
    "Hu",  "He",  "Ho",  "Da",    // Pushya
    "Di",  "Du",  "De",  "Do",    // Ashlesha
    "Ma",  "Mi",  "Mu",  "Me",    // Magha
    "Mo",  "Ta",  "Ti",  "Tu",    // Poorva Phalguni
    "Te",  "To",  "Pa",  "Pi",    // Uttara Phalguni
    "Pu",  "Sha", "Na",  "Tha",   // Hasta
    "Pe",  "Po",  "Ra",  "Ri",    // Chitra
    "Ru",  "Re",  "Ro",  "Ta",    // Swati
    "Ti",  "Tu",  "Te",  "To",    // Vishakha
    "Na",  "Ni",  "Nu",  "Ne",    // Anuradha
    "No",  "Ya",  "Yi",  "Yu",    // Jyeshtha
    "Ye",  "Yo",  "Bha", "Bhi",   // Moola
    "Bhu", "Dha", "Pha", "Dha",   // Purva Ashadha
    "Bhe", "Bho", "Ja",  "Ji",    // Uttara Ashadha
    "Khi", "Khu", "Khe", "Kho",   // Shravana
    "Ga",  "Gi",  "Gu",  "Ge",    // Dhanistha
    "Go",  "Sa",  "Si",  "Su",    // Shatabhisha
    "Se",  "So",  "Da",  "Di",    // Poorva Bhadrapada
    "Du",  "Tha", "Jha", "Da",    // Uttara Bhadrapada
    "De",  "Do",  "Cha", "Chi",   // Revati
};

}  // namespace velmora
