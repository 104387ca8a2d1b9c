#include "names/NameTables.h"

#include <array>

// The names of the almanac in English (the program's own spellings), Hindi and
// Tamil.
//
// Sources:
// - Hindi: the standard Sanskrit forms in Devanagari as the national almanacs
//   print them (Rashtriya Panchang of the Positional Astronomy Centre, Kolkata;
//   Thakur Prasad and Vishwa Vijay panchangs of Varanasi and Delhi), spelt as in
//   the Central Hindi Directorate's standard Devanagari (anusvara in पंचमी,
//   कुंभ; nukta in आषाढ़).
// - Tamil: the names Tamil almanacs print (Pambu Panchangam, Vakya and
//   Thirukkanitha panchangams; the Tamil Nadu government's calendar): the Tamil
//   mansions (அஸ்வினி, பரணி, கார்த்திகை … திருவோணம் …), the Tamil solar months
//   (சித்திரை … தை, மாசி, பங்குனி), the pakshas as வளர்பிறை and தேய்பிறை,
//   the karanas as Tamil almanacs name them (கரசை, வணிசை, பத்திரை) and the
//   yogas Shukla, Brahma and Indra as சுப்பிரம், பிராம்யம், ஐந்திரம்.
// - Malayalam and Bengali solar months: the Kerala government's Kollam-era
//   calendar (Chingam begins with the Sun in Simha) and the Bangla calendar of
//   West Bengal (Boishakh begins with the Sun in Mesha), their names written in
//   Devanagari and Tamil script as those scripts write them.
// Digits stay Latin in every language, as modern almanacs print them.
namespace velmora {

namespace {

using Row = NameRow;

constexpr std::array<Row, 7> kWeekday = {{
    {"sunday", "Sunday", "रविवार", "ஞாயிறு"},
    {"monday", "Monday", "सोमवार", "திங்கள்"},
    {"tuesday", "Tuesday", "मंगलवार", "செவ்வாய்"},
    {"wednesday", "Wednesday", "बुधवार", "புதன்"},
    {"thursday", "Thursday", "गुरुवार", "வியாழன்"},
    {"friday", "Friday", "शुक्रवार", "வெள்ளி"},
    {"saturday", "Saturday", "शनिवार", "சனி"},
}};

constexpr std::array<Row, 7> kWeekdayShort = {{
    {"sun-short", "Sun", "रवि", "ஞா"},
    {"mon-short", "Mon", "सोम", "தி"},
    {"tue-short", "Tue", "मंगल", "செ"},
    {"wed-short", "Wed", "बुध", "பு"},
    {"thu-short", "Thu", "गुरु", "வி"},
    {"fri-short", "Fri", "शुक्र", "வெ"},
    {"sat-short", "Sat", "शनि", "ச"},
}};

constexpr std::array<Row, 30> kTithi = {{
    {"tithi-1", "Pratipad", "प्रतिपदा", "பிரதமை"},
    {"tithi-2", "Dwithiai", "द्वितीया", "துவிதியை"},
    {"tithi-3", "Trithiai", "तृतीया", "திருதியை"},
    {"tithi-4", "Chathurthi", "चतुर्थी", "சதுர்த்தி"},
    {"tithi-5", "Panchami", "पंचमी", "பஞ்சமி"},
    {"tithi-6", "Shashti", "षष्ठी", "சஷ்டி"},
    {"tithi-7", "Saptami", "सप्तमी", "சப்தமி"},
    {"tithi-8", "Ashtami", "अष्टमी", "அஷ்டமி"},
    {"tithi-9", "Navami", "नवमी", "நவமி"},
    {"tithi-10", "Dasami", "दशमी", "தசமி"},
    {"tithi-11", "Ekadasi", "एकादशी", "ஏகாதசி"},
    {"tithi-12", "Dwadasi", "द्वादशी", "துவாதசி"},
    {"tithi-13", "Triodasi", "त्रयोदशी", "திரயோதசி"},
    {"tithi-14", "Chaturdasi", "चतुर्दशी", "சதுர்த்தசி"},
    {"tithi-15", "Poornami", "पूर्णिमा", "பௌர்ணமி"},
    {"tithi-16", "Pratipad", "प्रतिपदा", "பிரதமை"},
    {"tithi-17", "Dwithiai", "द्वितीया", "துவிதியை"},
    {"tithi-18", "Trithiai", "तृतीया", "திருதியை"},
    {"tithi-19", "Chathurthi", "चतुर्थी", "சதுர்த்தி"},
    {"tithi-20", "Panchami", "पंचमी", "பஞ்சமி"},
    {"tithi-21", "Shashti", "षष्ठी", "சஷ்டி"},
    {"tithi-22", "Saptami", "सप्तमी", "சப்தமி"},
    {"tithi-23", "Ashtami", "अष्टमी", "அஷ்டமி"},
    {"tithi-24", "Navami", "नवमी", "நவமி"},
    {"tithi-25", "Dasami", "दशमी", "தசமி"},
    {"tithi-26", "Ekadasi", "एकादशी", "ஏகாதசி"},
    {"tithi-27", "Dwadasi", "द्वादशी", "துவாதசி"},
    {"tithi-28", "Triodasi", "त्रयोदशी", "திரயோதசி"},
    {"tithi-29", "Chaturdasi", "चतुर्दशी", "சதுர்த்தசி"},
    {"tithi-30", "Ammavasai", "अमावस्या", "அமாவாசை"},
}};

constexpr std::array<Row, 2> kPaksha = {{
    {"shukla", "Shukla", "शुक्ल", "வளர்பிறை"},
    {"krishna", "Krishna", "कृष्ण", "தேய்பிறை"},
}};

constexpr std::array<Row, 27> kNakshatra = {{
    {"ashwini", "Ashwini", "अश्विनी", "அஸ்வினி"},
    {"bharani", "Bharani", "भरणी", "பரணி"},
    {"krittika", "Krittika", "कृत्तिका", "கார்த்திகை"},
    {"rohini", "Rohini", "रोहिणी", "ரோகிணி"},
    {"mrigashira", "Mrigasira", "मृगशिरा", "மிருகசீரிடம்"},
    {"ardra", "Ardra", "आर्द्रा", "திருவாதிரை"},
    {"punarvasu", "Punarvasu", "पुनर्वसु", "புனர்பூசம்"},
    {"pushya", "Pushya", "पुष्य", "பூசம்"},
    {"ashlesha", "Ashlesha", "आश्लेषा", "ஆயில்யம்"},
    {"magha", "Magha", "मघा", "மகம்"},
    {"purva-phalguni", "Poorva Phalguni", "पूर्वा फाल्गुनी", "பூரம்"},
    {"uttara-phalguni", "Uttara Phalguni", "उत्तरा फाल्गुनी", "உத்திரம்"},
    {"hasta", "Hasta", "हस्त", "அஸ்தம்"},
    {"chitra", "Chitra", "चित्रा", "சித்திரை"},
    {"swati", "Swati", "स्वाती", "சுவாதி"},
    {"vishakha", "Vishakha", "विशाखा", "விசாகம்"},
    {"anuradha", "Anuradha", "अनुराधा", "அனுஷம்"},
    {"jyeshtha", "Jyeshtha", "ज्येष्ठा", "கேட்டை"},
    {"mula", "Moola", "मूल", "மூலம்"},
    {"purva-ashadha", "Purva Ashadha", "पूर्वाषाढ़ा", "பூராடம்"},
    {"uttara-ashadha", "Uttara Ashadha", "उत्तराषाढ़ा", "உத்திராடம்"},
    {"shravana", "Shravana", "श्रवण", "திருவோணம்"},
    {"dhanishtha", "Dhanistha", "धनिष्ठा", "அவிட்டம்"},
    {"shatabhisha", "Shatabhisha", "शतभिषा", "சதயம்"},
    {"purva-bhadrapada", "Poorva Bhadrapada", "पूर्वा भाद्रपद", "பூரட்டாதி"},
    {"uttara-bhadrapada", "Uttara Bhadrapada", "उत्तरा भाद्रपद", "உத்திரட்டாதி"},
    {"revati", "Revati", "रेवती", "ரேவதி"},
}};

constexpr std::array<Row, 27> kYoga = {{
    {"vishkambha", "Vishkambha", "विष्कम्भ", "விஷ்கம்பம்"},
    {"priti", "Prithi", "प्रीति", "ப்ரீதி"},
    {"ayushman", "Ayushman", "आयुष्मान", "ஆயுஷ்மான்"},
    {"saubhagya", "Saubhagya", "सौभाग्य", "சௌபாக்யம்"},
    {"shobhana", "Sobhana", "शोभन", "சோபனம்"},
    {"atiganda", "Atiganda", "अतिगण्ड", "அதிகண்டம்"},
    {"sukarma", "Sukarman", "सुकर्मा", "சுகர்மம்"},
    {"dhriti", "Dhrithi", "धृति", "திருதி"},
    {"shula", "Soola", "शूल", "சூலம்"},
    {"ganda", "Ganda", "गण्ड", "கண்டம்"},
    {"vriddhi", "Vridhi", "वृद्धि", "விருத்தி"},
    {"dhruva", "Dhruva", "ध्रुव", "துருவம்"},
    {"vyaghata", "Vyaghata", "व्याघात", "வியாகாதம்"},
    {"harshana", "Harshana", "हर्षण", "ஹர்ஷணம்"},
    {"vajra", "Vajra", "वज्र", "வஜ்ரம்"},
    {"siddhi", "Siddhi", "सिद्धि", "சித்தி"},
    {"vyatipata", "Vyatipata", "व्यतीपात", "வியதீபாதம்"},
    {"variyan", "Variyan", "वरीयान", "வரீயான்"},
    {"parigha", "Parigha", "परिघ", "பரிகம்"},
    {"shiva", "Siva", "शिव", "சிவம்"},
    {"siddha", "Siddha", "सिद्ध", "சித்தம்"},
    {"sadhya", "Sadhya", "साध्य", "சாத்தியம்"},
    {"shubha", "Subha", "शुभ", "சுபம்"},
    {"shukla-yoga", "Sukla", "शुक्ल", "சுப்பிரம்"},
    {"brahma", "Bramha", "ब्रह्म", "பிராம்யம்"},
    {"indra", "Indra", "इन्द्र", "ஐந்திரம்"},
    {"vaidhriti", "Vaidhruthi", "वैधृति", "வைதிருதி"},
}};

constexpr std::array<Row, 11> kKarana = {{
    {"bava", "Bava", "बव", "பவம்"},
    {"balava", "Balava", "बालव", "பாலவம்"},
    {"kaulava", "Kaulava", "कौलव", "கௌலவம்"},
    {"taitila", "Taitula", "तैतिल", "தைதுலம்"},
    {"gara", "Garija", "गर", "கரசை"},
    {"vanija", "Vanija", "वणिज", "வணிசை"},
    {"vishti", "Visti", "विष्टि", "பத்திரை"},
    {"shakuni", "Sakuna", "शकुनि", "சகுனி"},
    {"chatushpada", "Chatuspada", "चतुष्पाद", "சதுஷ்பாதம்"},
    {"naga", "Naga", "नाग", "நாகவம்"},
    {"kimstughna", "Kimstughna", "किंस्तुघ्न", "கிம்ஸ்துக்னம்"},
}};

constexpr std::array<Row, 12> kLunarMonth = {{
    {"chaitra", "Chaitra", "चैत्र", "சைத்ரம்"},
    {"vaishakha", "Vaishakha", "वैशाख", "வைசாகம்"},
    {"jyeshtha-masa", "Jyeshtha", "ज्येष्ठ", "ஜ்யேஷ்டம்"},
    {"ashadha", "Ashadha", "आषाढ़", "ஆஷாடம்"},
    {"shravana-masa", "Shravana", "श्रावण", "ஸ்ராவணம்"},
    {"bhadrapada", "Bhadrapada", "भाद्रपद", "பாத்ரபதம்"},
    {"ashwin", "Ashwin", "आश्विन", "ஆஸ்வயுஜம்"},
    {"kartika", "Kartika", "कार्तिक", "கார்த்திகம்"},
    {"margashirsha", "Margashirsha", "मार्गशीर्ष", "மார்கசீர்ஷம்"},
    {"pausha", "Pausha", "पौष", "பௌஷ்யம்"},
    {"magha-masa", "Magha", "माघ", "மாகம்"},
    {"phalguna", "Phalguna", "फाल्गुन", "பால்குனம்"},
}};

constexpr std::array<Row, 12> kSign = {{
    {"mesha", "Mesha", "मेष", "மேஷம்"},
    {"vrishabha", "Vrishabha", "वृषभ", "ரிஷபம்"},
    {"mithuna", "Mithuna", "मिथुन", "மிதுனம்"},
    {"karka", "Karka", "कर्क", "கடகம்"},
    {"simha", "Simha", "सिंह", "சிம்மம்"},
    {"kanya", "Kanya", "कन्या", "கன்னி"},
    {"tula", "Tula", "तुला", "துலாம்"},
    {"vrishchika", "Vrishchika", "वृश्चिक", "விருச்சிகம்"},
    {"dhanu", "Dhanu", "धनु", "தனுசு"},
    {"makara", "Makara", "मकर", "மகரம்"},
    {"kumbha", "Kumbha", "कुंभ", "கும்பம்"},
    {"meena", "Meena", "मीन", "மீனம்"},
}};

// The Indian name with the Western one beside, in each language.
constexpr std::array<Row, 12> kSignDisplay = {{
    {"mesha-display", "Mesha (Aries)", "मेष (एरीज़)", "மேஷம் (ஏரீஸ்)"},
    {"vrishabha-display", "Vrishabha (Taurus)", "वृषभ (टॉरस)", "ரிஷபம் (டாரஸ்)"},
    {"mithuna-display", "Mithuna (Gemini)", "मिथुन (जेमिनी)", "மிதுனம் (ஜெமினி)"},
    {"karka-display", "Karka (Cancer)", "कर्क (कैंसर)", "கடகம் (கேன்சர்)"},
    {"simha-display", "Simha (Leo)", "सिंह (लियो)", "சிம்மம் (லியோ)"},
    {"kanya-display", "Kanya (Virgo)", "कन्या (वर्गो)", "கன்னி (விர்கோ)"},
    {"tula-display", "Tula (Libra)", "तुला (लिब्रा)", "துலாம் (லிப்ரா)"},
    {"vrishchika-display", "Vrishchika (Scorpio)", "वृश्चिक (स्कॉर्पियो)", "விருச்சிகம் (ஸ்கார்பியோ)"},
    {"dhanu-display", "Dhanu (Sagittarius)", "धनु (सैजिटेरियस)", "தனுசு (சாஜிடேரியஸ்)"},
    {"makara-display", "Makara (Capricorn)", "मकर (कैप्रिकॉर्न)", "மகரம் (காப்ரிகார்ன்)"},
    {"kumbha-display", "Kumbha (Aquarius)", "कुंभ (एक्वेरियस)", "கும்பம் (அக்வேரியஸ்)"},
    {"meena-display", "Meena (Pisces)", "मीन (पाइसीज़)", "மீனம் (பைசீஸ்)"},
}};

constexpr std::array<Row, 12> kTamilSolarMonth = {{
    {"chithirai", "Chithirai", "चित्तिरै", "சித்திரை"},
    {"vaikasi", "Vaikasi", "वैकासि", "வைகாசி"},
    {"aani", "Aani", "आनि", "ஆனி"},
    {"aadi", "Aadi", "आडि", "ஆடி"},
    {"avani", "Avani", "आवणि", "ஆவணி"},
    {"purattasi", "Purattasi", "पुरट्टासि", "புரட்டாசி"},
    {"aippasi", "Aippasi", "ऐप्पसि", "ஐப்பசி"},
    {"karthigai", "Karthigai", "कार्तिगै", "கார்த்திகை"},
    {"margazhi", "Margazhi", "मार्गऴि", "மார்கழி"},
    {"thai", "Thai", "तै", "தை"},
    {"maasi", "Maasi", "मासि", "மாசி"},
    {"panguni", "Panguni", "पंगुनि", "பங்குனி"},
}};

constexpr std::array<Row, 12> kMalayalamSolarMonth = {{
    {"medam", "Medam", "मेडम", "மேடம்"},
    {"edavam", "Edavam", "इडवम", "இடவம்"},
    {"mithunam", "Mithunam", "मिथुनम", "மிதுனம்"},
    {"karkidakam", "Karkidakam", "कर्किडकम", "கர்க்கடகம்"},
    {"chingam", "Chingam", "चिंगम", "சிங்ஙம்"},
    {"kanni", "Kanni", "कन्नि", "கன்னி"},
    {"thulam", "Thulam", "तुलाम", "துலாம்"},
    {"vrischikam", "Vrischikam", "वृश्चिकम", "விருச்சிகம்"},
    {"dhanu-malayalam", "Dhanu", "धनु", "தனு"},
    {"makaram", "Makaram", "मकरम", "மகரம்"},
    {"kumbham", "Kumbham", "कुंभम", "கும்பம்"},
    {"meenam", "Meenam", "मीनम", "மீனம்"},
}};

constexpr std::array<Row, 12> kBengaliSolarMonth = {{
    {"boishakh", "Boishakh", "बैशाख", "போய்சாக்"},
    {"joishtho", "Joishtho", "जैष्ठ", "ஜோய்ஷ்டோ"},
    {"asharh", "Asharh", "आषाढ़", "ஆஷார்"},
    {"shrabon", "Shrabon", "श्राबण", "ஸ்ராபோன்"},
    {"bhadro", "Bhadro", "भाद्र", "பாத்ரோ"},
    {"ashshin", "Ashshin", "आश्विन", "ஆஷ்ஷின்"},
    {"kartik", "Kartik", "कार्तिक", "கார்த்திக்"},
    {"ogrohayon", "Ogrohayon", "अग्रहायण", "ஓக்ரோஹாயோன்"},
    {"poush", "Poush", "पौष", "பௌஷ்"},
    {"magh", "Magh", "माघ", "மாக்"},
    {"falgun", "Falgun", "फाल्गुन", "பால்குன்"},
    {"choitro", "Choitro", "चैत्र", "சொய்த்ரோ"},
}};

// In the order of AllObservances.
constexpr std::array<Row, 8> kObservance = {{
    {"purnima", "Purnima", "पूर्णिमा", "பௌர்ணமி"},
    {"amavasya", "Amavasya", "अमावस्या", "அமாவாசை"},
    {"ekadashi-shukla", "Shukla Ekadashi", "शुक्ल एकादशी", "வளர்பிறை ஏகாதசி"},
    {"ekadashi-krishna", "Krishna Ekadashi", "कृष्ण एकादशी", "தேய்பிறை ஏகாதசி"},
    {"chaturthi-vinayaka", "Vinayaka Chaturthi", "विनायक चतुर्थी", "விநாயகர் சதுர்த்தி"},
    {"chaturthi-sankashti", "Sankashti Chaturthi", "संकष्टी चतुर्थी", "சங்கடஹர சதுர்த்தி"},
    {"pradosh-shukla", "Shukla Pradosh", "शुक्ल प्रदोष", "வளர்பிறை பிரதோஷம்"},
    {"pradosh-krishna", "Krishna Pradosh", "कृष्ण प्रदोष", "தேய்பிறை பிரதோஷம்"},
}};

constexpr std::array<Row, 5> kKalam = {{
    {"rahu-kalam", "Rahu kalam", "राहु काल", "ராகு காலம்"},
    {"yamaganda", "Yamaganda", "यमगण्ड", "எமகண்டம்"},
    {"gulika-kalam", "Gulika kalam", "गुलिक काल", "குளிகை காலம்"},
    {"abhijit-muhurta", "Abhijit muhurta", "अभिजित मुहूर्त", "அபிஜித் முகூர்த்தம்"},
    {"brahma-muhurta", "Brahma muhurta", "ब्रह्म मुहूर्त", "பிரம்ம முகூர்த்தம்"},
}};

constexpr std::array<Row, 9> kGraha = {{
    {"surya", "Surya", "सूर्य", "சூரியன்"},
    {"chandra", "Chandra", "चन्द्र", "சந்திரன்"},
    {"mangala", "Mangala", "मंगल", "செவ்வாய்"},
    {"budha", "Budha", "बुध", "புதன்"},
    {"guru", "Guru", "गुरु", "குரு"},
    {"shukra", "Shukra", "शुक्र", "சுக்கிரன்"},
    {"shani", "Shani", "शनि", "சனி"},
    {"rahu", "Rahu", "राहु", "ராகு"},
    {"ketu", "Ketu", "केतु", "கேது"},
}};

// The choghadiyas and the Gowri panchangam's parts, in the order of
// day/GoodHoursTables.h (the English column is its spelling).
constexpr std::array<Row, 7> kChoghadiya = {{
    {"choghadiya-udveg", "Udveg", "उद्वेग", "உத்வேகம்"},
    {"choghadiya-char", "Char", "चर", "சரம்"},
    {"choghadiya-labh", "Labh", "लाभ", "லாபம்"},
    {"choghadiya-amrit", "Amrit", "अमृत", "அமிர்தம்"},
    {"choghadiya-kaal", "Kaal", "काल", "காலம்"},
    {"choghadiya-shubh", "Shubh", "शुभ", "சுபம்"},
    {"choghadiya-rog", "Rog", "रोग", "ரோகம்"},
}};

constexpr std::array<Row, 8> kGowri = {{
    {"gowri-uthi", "Uthi", "उत्ति", "உத்தி"},
    {"gowri-amirtham", "Amirtham", "अमृतम्", "அமிர்தம்"},
    {"gowri-rogam", "Rogam", "रोगम्", "ரோகம்"},
    {"gowri-labam", "Labam", "लाभम्", "லாபம்"},
    {"gowri-dhanam", "Dhanam", "धनम्", "தனம்"},
    {"gowri-sugam", "Sugam", "सुखम्", "சுகம்"},
    {"gowri-soram", "Soram", "चोरम्", "சோரம்"},
    {"gowri-visham", "Visham", "विषम्", "விஷம்"},
}};

// The sixty years' names, the seasons, the ayanas and the taras, in the order
// of day/GoodHoursTables.h. Hindi as the Hindi almanacs (and Sanskrit) spell
// them; Tamil as the Tamil year names and almanac words are printed.
constexpr std::array<Row, 60> kSamvatsara = {{
    {"samvatsara-prabhava", "Prabhava", "प्रभव", "பிரபவ"},
    {"samvatsara-vibhava", "Vibhava", "विभव", "விபவ"},
    {"samvatsara-shukla", "Shukla", "शुक्ल", "சுக்ல"},
    {"samvatsara-pramoda", "Pramoda", "प्रमोद", "பிரமோதூத"},
    {"samvatsara-prajapati", "Prajapati", "प्रजापति", "பிரஜோற்பத்தி"},
    {"samvatsara-angirasa", "Angirasa", "अंगिरा", "ஆங்கீரச"},
    {"samvatsara-shrimukha", "Shrimukha", "श्रीमुख", "ஸ்ரீமுக"},
    {"samvatsara-bhava", "Bhava", "भाव", "பவ"},
    {"samvatsara-yuva", "Yuva", "युवा", "யுவ"},
    {"samvatsara-dhatri", "Dhatri", "धाता", "தாது"},
    {"samvatsara-ishvara", "Ishvara", "ईश्वर", "ஈஸ்வர"},
    {"samvatsara-bahudhanya", "Bahudhanya", "बहुधान्य", "வெகுதானிய"},
    {"samvatsara-pramathi", "Pramathi", "प्रमाथी", "பிரமாதி"},
    {"samvatsara-vikrama", "Vikrama", "विक्रम", "விக்கிரம"},
    {"samvatsara-vrisha", "Vrisha", "वृष", "விஷு"},
    {"samvatsara-chitrabhanu", "Chitrabhanu", "चित्रभानु", "சித்திரபானு"},
    {"samvatsara-svabhanu", "Svabhanu", "स्वभानु", "சுபானு"},
    {"samvatsara-tarana", "Tarana", "तारण", "தாரண"},
    {"samvatsara-parthiva", "Parthiva", "पार्थिव", "பார்த்திப"},
    {"samvatsara-vyaya", "Vyaya", "व्यय", "விய"},
    {"samvatsara-sarvajit", "Sarvajit", "सर्वजित्", "சர்வசித்து"},
    {"samvatsara-sarvadhari", "Sarvadhari", "सर्वधारी", "சர்வதாரி"},
    {"samvatsara-virodhi", "Virodhi", "विरोधी", "விரோதி"},
    {"samvatsara-vikriti", "Vikriti", "विकृति", "விக்ருதி"},
    {"samvatsara-khara", "Khara", "खर", "கர"},
    {"samvatsara-nandana", "Nandana", "नन्दन", "நந்தன"},
    {"samvatsara-vijaya", "Vijaya", "विजय", "விஜய"},
    {"samvatsara-jaya", "Jaya", "जय", "ஜய"},
    {"samvatsara-manmatha", "Manmatha", "मन्मथ", "மன்மத"},
    {"samvatsara-durmukhi", "Durmukhi", "दुर्मुख", "துன்முகி"},
    {"samvatsara-hevilambi", "Hevilambi", "हेमलम्बी", "ஹேவிளம்பி"},
    {"samvatsara-vilambi", "Vilambi", "विलम्बी", "விளம்பி"},
    {"samvatsara-vikari", "Vikari", "विकारी", "விகாரி"},
    {"samvatsara-sharvari", "Sharvari", "शार्वरी", "சார்வரி"},
    {"samvatsara-plava", "Plava", "प्लव", "பிலவ"},
    {"samvatsara-shubhakrit", "Shubhakrit", "शुभकृत्", "சுபகிருது"},
    {"samvatsara-shobhakrit", "Shobhakrit", "शोभकृत्", "சோபகிருது"},
    {"samvatsara-krodhi", "Krodhi", "क्रोधी", "குரோதி"},
    {"samvatsara-vishvavasu", "Vishvavasu", "विश्वावसु", "விசுவாவசு"},
    {"samvatsara-parabhava", "Parabhava", "पराभव", "பராபவ"},
    {"samvatsara-plavanga", "Plavanga", "प्लवंग", "பிலவங்க"},
    {"samvatsara-kilaka", "Kilaka", "कीलक", "கீலக"},
    {"samvatsara-saumya", "Saumya", "सौम्य", "சௌமிய"},
    {"samvatsara-sadharana", "Sadharana", "साधारण", "சாதாரண"},
    {"samvatsara-virodhakrit", "Virodhakrit", "विरोधकृत्", "விரோதகிருது"},
    {"samvatsara-paridhavi", "Paridhavi", "परिधावी", "பரிதாபி"},
    {"samvatsara-pramadi", "Pramadi", "प्रमादी", "பிரமாதீச"},
    {"samvatsara-ananda", "Ananda", "आनन्द", "ஆனந்த"},
    {"samvatsara-rakshasa", "Rakshasa", "राक्षस", "ராட்சச"},
    {"samvatsara-nala", "Nala", "नल", "நள"},
    {"samvatsara-pingala", "Pingala", "पिंगल", "பிங்கள"},
    {"samvatsara-kalayukta", "Kalayukta", "कालयुक्त", "காளயுக்தி"},
    {"samvatsara-siddharthi", "Siddharthi", "सिद्धार्थी", "சித்தார்த்தி"},
    {"samvatsara-raudra", "Raudra", "रौद्र", "ரௌத்திரி"},
    {"samvatsara-durmati", "Durmati", "दुर्मति", "துன்மதி"},
    {"samvatsara-dundubhi", "Dundubhi", "दुन्दुभि", "துந்துபி"},
    {"samvatsara-rudhirodgari", "Rudhirodgari", "रुधिरोद्गारी", "ருத்ரோத்காரி"},
    {"samvatsara-raktakshi", "Raktakshi", "रक्ताक्षी", "ரக்தாட்சி"},
    {"samvatsara-krodhana", "Krodhana", "क्रोधन", "குரோதன"},
    {"samvatsara-akshaya", "Akshaya", "अक्षय", "அட்சய"},
}};

constexpr std::array<Row, 6> kRitu = {{
    {"ritu-vasanta", "Vasanta", "वसन्त", "வசந்தம்"},
    {"ritu-grishma", "Grishma", "ग्रीष्म", "கிரீஷ்மம்"},
    {"ritu-varsha", "Varsha", "वर्षा", "வர்ஷம்"},
    {"ritu-sharad", "Sharad", "शरद्", "சரத்"},
    {"ritu-hemanta", "Hemanta", "हेमन्त", "ஹேமந்தம்"},
    {"ritu-shishira", "Shishira", "शिशिर", "சிசிரம்"},
}};

constexpr std::array<Row, 2> kAyana = {{
    {"ayana-uttarayana", "Uttarayana", "उत्तरायण", "உத்தராயணம்"},
    {"ayana-dakshinayana", "Dakshinayana", "दक्षिणायन", "தட்சிணாயனம்"},
}};

constexpr std::array<Row, 9> kTara = {{
    {"tara-janma", "Janma", "जन्म", "ஜன்மம்"},
    {"tara-sampat", "Sampat", "सम्पत्", "சம்பத்து"},
    {"tara-vipat", "Vipat", "विपत्", "விபத்து"},
    {"tara-kshema", "Kshema", "क्षेम", "க்ஷேமம்"},
    {"tara-pratyak", "Pratyak", "प्रत्यक्", "பிரத்யக்"},
    {"tara-sadhana", "Sadhana", "साधन", "சாதகம்"},
    {"tara-naidhana", "Naidhana", "नैधन", "நைதனம்"},
    {"tara-mitra", "Mitra", "मित्र", "மித்ரம்"},
    {"tara-parama-mitra", "Parama Mitra", "परम मित्र", "பரம மித்ரம்"},
}};

// The weekday lords as the Vaar tab writes them, Sunday first.
constexpr std::array<Row, 7> kPlanet = {{
    {"sun", "Sun", "सूर्य", "சூரியன்"},
    {"moon", "Moon", "चन्द्र", "சந்திரன்"},
    {"mars", "Mars", "मंगल", "செவ்வாய்"},
    {"mercury", "Mercury", "बुध", "புதன்"},
    {"jupiter", "Jupiter", "बृहस्पति", "வியாழன்"},
    {"venus", "Venus", "शुक्र", "சுக்கிரன்"},
    {"saturn", "Saturn", "शनि", "சனி"},
}};

constexpr std::array<Row, 12> kCivilMonth = {{
    {"january", "January", "जनवरी", "ஜனவரி"},
    {"february", "February", "फ़रवरी", "பிப்ரவரி"},
    {"march", "March", "मार्च", "மார்ச்"},
    {"april", "April", "अप्रैल", "ஏப்ரல்"},
    {"may", "May", "मई", "மே"},
    {"june", "June", "जून", "ஜூன்"},
    {"july", "July", "जुलाई", "ஜூலை"},
    {"august", "August", "अगस्त", "ஆகஸ்ட்"},
    {"september", "September", "सितंबर", "செப்டம்பர்"},
    {"october", "October", "अक्टूबर", "அக்டோபர்"},
    {"november", "November", "नवंबर", "நவம்பர்"},
    {"december", "December", "दिसंबर", "டிசம்பர்"},
}};

// The Tithi tab's lords, groups, features and types.
constexpr std::array<Row, 35> kTithiWords = {{
    {"lord-agni", "Agni", "अग्नि", "அக்னி"},
    {"lord-brahma", "Brahma", "ब्रह्मा", "பிரம்மா"},
    {"lord-gauri", "Gauri", "गौरी", "கௌரி"},
    {"lord-ganesha", "Ganesha", "गणेश", "விநாயகர்"},
    {"lord-naga", "Naga", "नाग", "நாகர்"},
    {"lord-kartikeya", "Kartikeya", "कार्तिकेय", "முருகன்"},
    {"lord-sun", "Sun", "सूर्य", "சூரியன்"},
    {"lord-shiva", "Shiva", "शिव", "சிவன்"},
    {"lord-durga", "Durga", "दुर्गा", "துர்க்கை"},
    {"lord-yama", "Yama", "यम", "எமன்"},
    {"lord-vishwadeva", "Vishwadeva", "विश्वेदेव", "விஸ்வதேவர்"},
    {"lord-vishnu", "Vishnu", "विष्णु", "விஷ்ணு"},
    {"lord-kamadeva", "Kamadeva", "कामदेव", "மன்மதன்"},
    {"lord-moon", "Moon", "चन्द्र", "சந்திரன்"},
    {"lord-pitara", "Pitara", "पितर", "பித்ருக்கள்"},
    {"group-nanda", "Nanda", "नंदा", "நந்தா"},
    {"group-bhadra", "Bhadra", "भद्रा", "பத்ரா"},
    {"group-jaya", "Jaya", "जया", "ஜயா"},
    {"group-rikta", "Rikta", "रिक्ता", "ரிக்தா"},
    {"group-purna", "Poorna", "पूर्णा", "பூர்ணா"},
    {"feature-increase", "Vriddhi (Increase)", "वृद्धि (बढ़ोतरी)", "விருத்தி (வளர்ச்சி)"},
    {"feature-happenings", "Auspicious happenings", "शुभ घटनाएँ", "சுப நிகழ்வுகள்"},
    {"feature-power", "Power giving", "शक्ति देने वाली", "சக்தி தருவது"},
    {"feature-khala", "Khala", "खल", "கலம்"},
    {"feature-wealth", "Laxmi (wealth)", "लक्ष्मी (धन)", "லட்சுமி (செல்வம்)"},
    {"feature-fame", "Fame giving", "यश देने वाली", "புகழ் தருவது"},
    {"feature-friendly", "Firendly", "मैत्रीपूर्ण", "நட்பானது"},
    {"feature-conflict", "Conflict", "संघर्ष", "மோதல்"},
    {"feature-aggressive", "Aggressive", "उग्र", "உக்கிரம்"},
    {"feature-sober", "Sober", "सौम्य", "சாந்தம்"},
    {"feature-enjoyments", "Enjoyments", "आनंद", "இன்பங்கள்"},
    {"feature-qualities", "Fame and good qualities", "यश और सद्गुण", "புகழும் நற்குணங்களும்"},
    {"feature-victory", "Victory", "विजय", "வெற்றி"},
    {"type-inauspicious", "In-Auspicious", "अशुभ", "அசுபம்"},
    {"type-auspicious", "Auspicious", "शुभ", "சுபம்"},
}};

// The words and phrases of the readable texts (the report tool's, the Day
// tab's, the month's, the calendar file's). A phrase is replaced whole, so
// sentences with a value inside are listed in the pieces around the value.
constexpr std::array<Row, 99> kWords = {{
    {"vara-ravi", "Ravi Vara", "रवि वार", "ரவி வாரம்"},
    {"vara-soma", "Soma Vara", "सोम वार", "சோம வாரம்"},
    {"vara-mangala", "Mangala Vara", "मंगल वार", "மங்கள வாரம்"},
    {"vara-budha", "Budha Vara", "बुध वार", "புத வாரம்"},
    {"vara-guru", "Guru Vara", "गुरु वार", "குரு வாரம்"},
    {"vara-shukra", "Shukra Vara", "शुक्र वार", "சுக்கிர வாரம்"},
    {"vara-shani", "Shani Vara", "शनि वार", "சனி வாரம்"},
    {"day", "Day", "दिन", "நாள்"},
    {"place", "Place", "स्थान", "இடம்"},
    {"zone", "zone", "समय क्षेत्र", "நேர மண்டலம்"},
    {"sunrise", "Sunrise", "सूर्योदय", "சூரிய உதயம்"},
    {"sunset", "Sunset", "सूर्यास्त", "சூரிய அஸ்தமனம்"},
    {"next-sunrise", "Next sunrise", "अगला सूर्योदय", "அடுத்த சூரிய உதயம்"},
    {"moonrise", "Moonrise", "चन्द्रोदय", "சந்திர உதயம்"},
    {"moonset", "Moonset", "चन्द्रास्त", "சந்திர அஸ்தமனம்"},
    {"note", "Note", "टिप्पणी", "குறிப்பு"},
    {"tithi", "Tithi", "तिथि", "திதி"},
    {"nakshatra", "Nakshatra", "नक्षत्र", "நட்சத்திரம்"},
    {"yoga", "Yoga", "योग", "யோகம்"},
    {"karana", "Karana", "करण", "கரணம்"},
    {"lunar-month", "Lunar month", "चान्द्र मास", "சந்திர மாதம்"},
    {"lunar-months", "Lunar months", "चान्द्र मास", "சந்திர மாதங்கள்"},
    {"years", "Years", "संवत्", "ஆண்டுகள்"},
    {"sankranti", "Sankranti", "संक्रान्ति", "சங்கராந்தி"},
    {"sunrise-to-next", "(sunrise to next sunrise)", "(सूर्योदय से अगले सूर्योदय तक)", "(சூரிய உதயம் முதல் அடுத்த சூரிய உதயம் வரை)"},
    {"sunrise-to-sunrise", "sunrise to sunrise", "सूर्योदय से सूर्योदय तक", "சூரிய உதயம் முதல் சூரிய உதயம் வரை"},
    {"not-rise-date", "does not rise on this date", "इस तारीख को उदय नहीं होता", "இந்த நாளில் உதிக்காது"},
    {"not-set-date", "does not set on this date", "इस तारीख को अस्त नहीं होता", "இந்த நாளில் மறையாது"},
    {"not-rise", "does not rise", "उदय नहीं होता", "உதிக்காது"},
    {"not-set", "does not set", "अस्त नहीं होता", "மறையாது"},
    {"none-needs", "none (needs sunrise and sunset)", "नहीं (सूर्योदय और सूर्यास्त चाहिए)", "இல்லை (சூரிய உதயமும் அஸ்தமனமும் தேவை)"},
    {"none-needs-night", "none (needs the sunset before and sunrise)", "नहीं (पिछला सूर्यास्त और सूर्योदय चाहिए)", "இல்லை (முந்தைய அஸ்தமனமும் உதயமும் தேவை)"},
    {"none-no-sunrise", "none (no sunrise)", "नहीं (सूर्योदय नहीं)", "இல்லை (சூரிய உதயம் இல்லை)"},
    {"none-in-day", "none in this day", "इस दिन नहीं", "இந்த நாளில் இல்லை"},
    {"amanta", "amanta", "अमान्त", "அமாவாஸ்யாந்த"},
    {"purnimanta", "purnimanta", "पूर्णिमान्त", "பௌர்ணமாந்த"},
    {"adhika", "Adhika", "अधिक", "அதிக"},
    {"kshaya-cap", "Kshaya", "क्षय", "க்ஷய"},
    {"kshaya-two", "kshaya (two sankrantis)", "क्षय (दो संक्रान्तियाँ)", "க்ஷய (இரண்டு சங்கராந்திகள்)"},
    {"kshaya", "kshaya", "क्षय", "க்ஷய"},
    {"paksha", "paksha", "पक्ष", "பட்சம்"},
    {"shaka", "Shaka", "शक", "சக"},
    {"vikram", "Vikram", "विक्रम", "விக்கிரம"},
    {"to", "to", "–", "–"},
    {"from", "from", "समय:", "நேரம்:"},
    {"at", "at", "समय", "நேரம்"},
    {"full-moon-cap", "Full moon", "पूर्ण चन्द्र", "முழு நிலவு"},
    {"new-moon-cap", "New moon", "नव चन्द्र", "புது நிலவு"},
    {"full-moon", "full moon", "पूर्ण चन्द्र", "முழு நிலவு"},
    {"new-moon", "new moon", "नव चन्द्र", "புது நிலவு"},
    {"pradosh", "Pradosh", "प्रदोष", "பிரதோஷம்"},
    {"second-day", "(2nd day)", "(दूसरा दिन)", "(இரண்டாம் நாள்)"},
    {"date", "Date", "तारीख", "தேதி"},
    {"rise", "Rise", "उदय", "உதயம்"},
    {"set", "Set", "अस्त", "அஸ்தமனம்"},
    {"tithi-at-sunrise", "Tithi at sunrise", "सूर्योदय पर तिथि", "உதயத்தில் திதி"},
    {"nakshatra-at-sunrise", "Nakshatra at sunrise", "सूर्योदय पर नक्षत्र", "உதயத்தில் நட்சத்திரம்"},
    {"observances", "Observances", "व्रत-पर्व", "விரதங்கள்"},
    {"ghatis", "ghatis", "घटी", "நாழிகை"},
    {"palas", "palas", "पल", "விநாழிகை"},
    {"after-sunrise", "after sunrise", "सूर्योदय के बाद", "சூரிய உதயத்திற்குப் பின்"},
    {"before-sunrise-on", ": the entered time is before sunrise on", ": दिया गया समय सूर्योदय से पहले का है,", ": கொடுத்த நேரம் சூரிய உதயத்திற்கு முன்,"},
    {"belongs-before", ", so it belongs to the day before", ", इसलिए यह पिछले दिन का है", ", எனவே இது முந்தைய நாளைச் சேர்ந்தது"},
    {"observances-title", "Velmora observances", "वेलमोरा व्रत-पर्व", "வெல்மோரா விரதங்கள்"},
    {"sidereal-sun-enters", "The sidereal Sun enters", "निरयन सूर्य प्रवेश करता है:", "நிராயன சூரியன் நுழைகிறது:"},
    {"in-force-at-sunrise", "In force at sunrise.", "सूर्योदय पर विद्यमान।", "சூரிய உதயத்தில் நடப்பில் உள்ளது."},
    {"kshaya-sentence", "The tithi begins after sunrise and ends before the next sunrise (kshaya).", "तिथि सूर्योदय के बाद आरम्भ होकर अगले सूर्योदय से पहले समाप्त होती है (क्षय)।", "திதி சூரிய உதயத்திற்குப் பின் தொடங்கி அடுத்த உதயத்திற்கு முன் முடிகிறது (க்ஷய)."},
    {"full-moon-180", "Full moon (the Moon 180° from the Sun)", "पूर्ण चन्द्र (चन्द्रमा सूर्य से 180°)", "முழு நிலவு (சந்திரன் சூரியனிலிருந்து 180°)"},
    {"new-moon-line", "New moon (the Moon in line with the Sun)", "अमावस्या (चन्द्रमा सूर्य की सीध में)", "அமாவாசை (சந்திரன் சூரியனுடன் ஒரே கோட்டில்)"},
    // The day in full: the hours' quality, the year's conventions, the
    // Moon's place from the birth sign.
    {"quality-good", "good", "शुभ", "நல்லது"},
    {"quality-bad", "bad", "अशुभ", "தீயது"},
    {"quality-neutral", "neutral", "सामान्य", "சமம்"},
    {"none", "none", "नहीं", "இல்லை"},
    {"convention-north", "(north)", "(उत्तर)", "(வடக்கு)"},
    {"convention-south", "(south)", "(दक्षिण)", "(தெற்கு)"},
    {"convention-tamil", "(Tamil)", "(तमिल)", "(தமிழ்)"},
    {"chandra-1", "1st from the birth sign", "जन्म राशि से पहली", "ஜன்ம ராசியிலிருந்து 1"},
    {"chandra-2", "2nd from the birth sign", "जन्म राशि से दूसरी", "ஜன்ம ராசியிலிருந்து 2"},
    {"chandra-3", "3rd from the birth sign", "जन्म राशि से तीसरी", "ஜன்ம ராசியிலிருந்து 3"},
    {"chandra-4", "4th from the birth sign", "जन्म राशि से चौथी", "ஜன்ம ராசியிலிருந்து 4"},
    {"chandra-5", "5th from the birth sign", "जन्म राशि से पाँचवीं", "ஜன்ம ராசியிலிருந்து 5"},
    {"chandra-6", "6th from the birth sign", "जन्म राशि से छठी", "ஜன்ம ராசியிலிருந்து 6"},
    {"chandra-7", "7th from the birth sign", "जन्म राशि से सातवीं", "ஜன்ம ராசியிலிருந்து 7"},
    {"chandra-8", "8th from the birth sign", "जन्म राशि से आठवीं", "ஜன்ம ராசியிலிருந்து 8"},
    {"chandra-9", "9th from the birth sign", "जन्म राशि से नौवीं", "ஜன்ம ராசியிலிருந்து 9"},
    {"chandra-10", "10th from the birth sign", "जन्म राशि से दसवीं", "ஜன்ம ராசியிலிருந்து 10"},
    {"chandra-11", "11th from the birth sign", "जन्म राशि से ग्यारहवीं", "ஜன்ம ராசியிலிருந்து 11"},
    {"chandra-12", "12th from the birth sign", "जन्म राशि से बारहवीं", "ஜன்ம ராசியிலிருந்து 12"},
    // The report tool's captions of the day in full.
    {"choghadiya-day", "Choghadiya day", "चौघड़िया दिन", "சௌகடியா பகல்"},
    {"choghadiya-night", "Choghadiya night", "चौघड़िया रात", "சௌகடியா இரவு"},
    {"hora-day", "Hora day", "होरा दिन", "ஹோரை பகல்"},
    {"hora-night", "Hora night", "होरा रात", "ஹோரை இரவு"},
    {"gowri-day", "Gowri day", "गौरी दिन", "கௌரி பகல்"},
    {"gowri-night", "Gowri night", "गौरी रात", "கௌரி இரவு"},
    {"amrit-kalam", "Amrit kalam", "अमृत काल", "அமிர்த காலம்"},
    {"ritu-ayana", "Ritu, ayana", "ऋतु, अयन", "ருது, அயனம்"},
    {"tamil-date", "Tamil date", "तमिल तारीख", "தமிழ் தேதி"},
    {"malayalam-date", "Malayalam date", "मलयालम तारीख", "மலையாளத் தேதி"},
    {"bengali-date", "Bengali date", "बंगाली तारीख", "வங்காளத் தேதி"},
}};

// The festivals and the named Ekadashis, keyed and spelt in English as in
// festivals/FestivalNames.h (a test keeps the two the same).
constexpr std::array<Row, 64> kFestival = {{
    {"makar-sankranti", "Makar Sankranti", "मकर संक्रान्ति", "மகர சங்கராந்தி"},
    {"pongal", "Pongal", "पोंगल", "பொங்கல்"},
    {"thaipusam", "Thaipusam", "थाईपूसम", "தைப்பூசம்"},
    {"vasant-panchami", "Vasant Panchami", "वसन्त पंचमी", "வசந்த பஞ்சமி"},
    {"guru-ravidas-jayanti", "Guru Ravidas Jayanti", "गुरु रविदास जयन्ती", "குரு ரவிதாஸ் ஜெயந்தி"},
    {"maha-shivaratri", "Maha Shivaratri", "महाशिवरात्रि", "மகா சிவராத்திரி"},
    {"holika-dahan", "Holika Dahan", "होलिका दहन", "ஹோலிகா தகனம்"},
    {"holi", "Holi", "होली", "ஹோலி"},
    {"ugadi", "Ugadi / Gudi Padwa", "उगादि / गुड़ी पड़वा", "உகாதி / குடி பட்வா"},
    {"rama-navami", "Rama Navami", "राम नवमी", "ஸ்ரீ ராம நவமி"},
    {"mahavir-jayanti", "Mahavir Jayanti", "महावीर जयन्ती", "மகாவீர் ஜெயந்தி"},
    {"hanuman-jayanti", "Hanuman Jayanti", "हनुमान जयन्ती", "அனுமன் ஜெயந்தி"},
    {"vaisakhi", "Vaisakhi", "वैसाखी", "வைசாகி"},
    {"vishu", "Vishu", "विषु", "விஷு"},
    {"puthandu", "Puthandu (Tamil New Year)", "पुथंडु (तमिल नववर्ष)", "தமிழ்ப் புத்தாண்டு"},
    {"akshaya-tritiya", "Akshaya Tritiya", "अक्षय तृतीया", "அட்சய திருதியை"},
    {"buddha-purnima", "Buddha Purnima", "बुद्ध पूर्णिमा", "புத்த பூர்ணிமா"},
    {"rath-yatra", "Rath Yatra", "रथ यात्रा", "ரத யாத்திரை"},
    {"guru-purnima", "Guru Purnima", "गुरु पूर्णिमा", "குரு பூர்ணிமா"},
    {"nag-panchami", "Nag Panchami", "नाग पंचमी", "நாக பஞ்சமி"},
    {"raksha-bandhan", "Raksha Bandhan", "रक्षा बन्धन", "ரக்ஷா பந்தன்"},
    {"janmashtami", "Janmashtami", "जन्माष्टमी", "கிருஷ்ண ஜெயந்தி"},
    {"ganesh-chaturthi", "Ganesh Chaturthi", "गणेश चतुर्थी", "விநாயகர் சதுர்த்தி"},
    {"onam", "Onam", "ओणम", "ஓணம்"},
    {"navaratri", "Navaratri begins", "नवरात्रि आरम्भ", "நவராத்திரி தொடக்கம்"},
    {"durga-ashtami", "Durga Ashtami", "दुर्गा अष्टमी", "துர்காஷ்டமி"},
    {"maha-navami", "Maha Navami", "महा नवमी", "மகா நவமி"},
    {"dussehra", "Dussehra", "दशहरा", "விஜயதசமி"},
    {"sharad-purnima", "Sharad Purnima", "शरद पूर्णिमा", "சரத் பூர்ணிமா"},
    {"valmiki-jayanti", "Valmiki Jayanti", "वाल्मीकि जयन्ती", "வால்மீகி ஜெயந்தி"},
    {"karwa-chauth", "Karwa Chauth", "करवा चौथ", "கர்வா சௌத்"},
    {"dhanteras", "Dhanteras", "धनतेरस", "தன்தேரஸ்"},
    {"naraka-chaturdashi", "Naraka Chaturdashi", "नरक चतुर्दशी", "நரக சதுர்த்தசி"},
    {"diwali", "Diwali (Lakshmi Puja)", "दीपावली (लक्ष्मी पूजा)", "தீபாவளி (லட்சுமி பூஜை)"},
    {"govardhan-puja", "Govardhan Puja", "गोवर्धन पूजा", "கோவர்த்தன பூஜை"},
    {"bhai-dooj", "Bhai Dooj", "भाई दूज", "பாய் தூஜ்"},
    {"chhath-puja", "Chhath Puja", "छठ पूजा", "சட் பூஜை"},
    {"kartika-purnima", "Kartika Purnima (Guru Nanak Jayanti)", "कार्तिक पूर्णिमा (गुरु नानक जयन्ती)", "கார்த்திகை பௌர்ணமி (குரு நானக் ஜெயந்தி)"},
    {"ekadashi-kamada", "Kamada Ekadashi", "कामदा एकादशी", "காமதா ஏகாதசி"},
    {"ekadashi-varuthini", "Varuthini Ekadashi", "वरूथिनी एकादशी", "வருதினி ஏகாதசி"},
    {"ekadashi-mohini", "Mohini Ekadashi", "मोहिनी एकादशी", "மோகினி ஏகாதசி"},
    {"ekadashi-apara", "Apara Ekadashi", "अपरा एकादशी", "அபரா ஏகாதசி"},
    {"ekadashi-nirjala", "Nirjala Ekadashi", "निर्जला एकादशी", "நிர்ஜலா ஏகாதசி"},
    {"ekadashi-yogini", "Yogini Ekadashi", "योगिनी एकादशी", "யோகினி ஏகாதசி"},
    {"ekadashi-devshayani", "Devshayani Ekadashi", "देवशयनी एकादशी", "தேவசயனி ஏகாதசி"},
    {"ekadashi-kamika", "Kamika Ekadashi", "कामिका एकादशी", "காமிகா ஏகாதசி"},
    {"ekadashi-shravana-putrada", "Shravana Putrada Ekadashi", "श्रावण पुत्रदा एकादशी", "சிராவண புத்ரதா ஏகாதசி"},
    {"ekadashi-aja", "Aja Ekadashi", "अजा एकादशी", "அஜா ஏகாதசி"},
    {"ekadashi-parsva", "Parsva Ekadashi", "पार्श्व एकादशी", "பார்சுவ ஏகாதசி"},
    {"ekadashi-indira", "Indira Ekadashi", "इन्दिरा एकादशी", "இந்திரா ஏகாதசி"},
    {"ekadashi-papankusha", "Papankusha Ekadashi", "पापांकुशा एकादशी", "பாபாங்குசா ஏகாதசி"},
    {"ekadashi-rama", "Rama Ekadashi", "रमा एकादशी", "ரமா ஏகாதசி"},
    {"ekadashi-prabodhini", "Prabodhini Ekadashi", "प्रबोधिनी एकादशी", "பிரபோதினி ஏகாதசி"},
    {"ekadashi-utpanna", "Utpanna Ekadashi", "उत्पन्ना एकादशी", "உத்பன்னா ஏகாதசி"},
    {"ekadashi-mokshada", "Mokshada Ekadashi", "मोक्षदा एकादशी", "மோட்சதா ஏகாதசி"},
    {"ekadashi-saphala", "Saphala Ekadashi", "सफला एकादशी", "சபலா ஏகாதசி"},
    {"ekadashi-pausha-putrada", "Pausha Putrada Ekadashi", "पौष पुत्रदा एकादशी", "பௌஷ புத்ரதா ஏகாதசி"},
    {"ekadashi-shattila", "Shattila Ekadashi", "षट्तिला एकादशी", "ஷட்திலா ஏகாதசி"},
    {"ekadashi-jaya", "Jaya Ekadashi", "जया एकादशी", "ஜெயா ஏகாதசி"},
    {"ekadashi-vijaya", "Vijaya Ekadashi", "विजया एकादशी", "விஜயா ஏகாதசி"},
    {"ekadashi-amalaki", "Amalaki Ekadashi", "आमलकी एकादशी", "ஆமலகி ஏகாதசி"},
    {"ekadashi-papmochani", "Papmochani Ekadashi", "पापमोचनी एकादशी", "பாபமோசனி ஏகாதசி"},
    {"ekadashi-padmini", "Padmini Ekadashi", "पद्मिनी एकादशी", "பத்மினி ஏகாதசி"},
    {"ekadashi-parama", "Parama Ekadashi", "परमा एकादशी", "பரமா ஏகாதசி"},
}};

}  // namespace

std::span<const NameRow> NameRows(NameTable table) {
    switch (table) {
        case NameTable::Weekday: return kWeekday;
        case NameTable::WeekdayShort: return kWeekdayShort;
        case NameTable::Tithi: return kTithi;
        case NameTable::Paksha: return kPaksha;
        case NameTable::Nakshatra: return kNakshatra;
        case NameTable::Yoga: return kYoga;
        case NameTable::Karana: return kKarana;
        case NameTable::LunarMonth: return kLunarMonth;
        case NameTable::Sign: return kSign;
        case NameTable::SignDisplay: return kSignDisplay;
        case NameTable::TamilSolarMonth: return kTamilSolarMonth;
        case NameTable::MalayalamSolarMonth: return kMalayalamSolarMonth;
        case NameTable::BengaliSolarMonth: return kBengaliSolarMonth;
        case NameTable::Observance: return kObservance;
        case NameTable::Kalam: return kKalam;
        case NameTable::Graha: return kGraha;
        case NameTable::Planet: return kPlanet;
        case NameTable::CivilMonth: return kCivilMonth;
        case NameTable::TithiWords: return kTithiWords;
        case NameTable::Words: return kWords;
        case NameTable::Festival: return kFestival;
        case NameTable::Texts: return WindowTextRows();
        case NameTable::Paragraphs: return ParagraphRows();
        case NameTable::Choghadiya: return kChoghadiya;
        case NameTable::Gowri: return kGowri;
        case NameTable::Samvatsara: return kSamvatsara;
        case NameTable::Ritu: return kRitu;
        case NameTable::Ayana: return kAyana;
        case NameTable::Tara: return kTara;
        case NameTable::Events: return EventRows();
        case NameTable::Chart: return ChartNameRows();
    }
    return {};
}

}  // namespace velmora
