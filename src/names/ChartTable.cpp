#include "names/NameTables.h"

#include <array>

// The birth chart's words in Hindi and Tamil: the abbreviations drawn in the
// houses, the lagna, the retrograde mark, the captions of the table of
// positions and the dasha's sentences (chart/ChartText.cpp, the printed Chart
// page and the Chart tab's values), written with %1, %2 … where a value goes.
// The grahas', signs' and nakshatras' own names come from their tables; the
// Chart tab's own captions from the windows' translations.
//
// Sources: the Hindi kundali as Hindi panchangs and jyotish primers print it
// (Thakur Prasad panchang; the Lahiri ephemeris's Hindi edition): the houses'
// abbreviations सू चं मं बु गु शु श रा के and ल for the lagna, वक्री for a
// retrograde graha, राशि, अंश, नक्षत्र, पद, नवांश, विंशोत्तरी दशा, निरयन,
// लाहिड़ी अयनांश, मध्यम and स्पष्ट for the mean and the true node. The Tamil
// jathagam as Tamil almanacs print it (Pambu Panchangam; the Thirukkanitha
// panchangam's rasi and navamsa kattam): சூரி சந் செவ் புத குரு சுக் சனி ராகு
// கேது and லக் for the lagna, வக்ரம், ராசி, பாகை, நட்சத்திரம், பாதம், நவாம்சம்,
// விம்சோத்தரி தசை, நிராயன, லாஹிரி அயனாம்சம்.
namespace velmora {

namespace {

constexpr std::array<NameRow, 34> kChart = {{
    // The abbreviations drawn in a chart's houses (chart/ChartNames.h).
    {"chart-abbr-su", "Su", "सू", "சூரி"},
    {"chart-abbr-mo", "Mo", "चं", "சந்"},
    {"chart-abbr-ma", "Ma", "मं", "செவ்"},
    {"chart-abbr-me", "Me", "बु", "புத"},
    {"chart-abbr-ju", "Ju", "गु", "குரு"},
    {"chart-abbr-ve", "Ve", "शु", "சுக்"},
    {"chart-abbr-sa", "Sa", "श", "சனி"},
    {"chart-abbr-ra", "Ra", "रा", "ராகு"},
    {"chart-abbr-ke", "Ke", "के", "கேது"},
    {"chart-abbr-as", "As", "ल", "லக்"},
    {"chart-lagna", "Lagna", "लग्न", "லக்னம்"},
    {"chart-retrograde-mark", "(R)", "(व)", "(வ)"},
    {"chart-retrograde", "retrograde", "वक्री", "வக்ரம்"},
    // The charts' titles.
    {"chart-rasi", "Rasi (D1)", "राशि कुंडली", "ராசி கட்டம்"},
    {"chart-navamsa", "Navamsa (D9)", "नवांश कुंडली", "நவாம்ச கட்டம்"},
    // The table of positions.
    {"chart-col-sign", "Sign", "राशि", "ராசி"},
    {"chart-col-degree", "Degree", "अंश", "பாகை"},
    {"chart-col-nakshatra", "Nakshatra", "नक्षत्र", "நட்சத்திரம்"},
    {"chart-col-pada", "Pada", "पद", "பாதம்"},
    {"chart-col-navamsa", "Navamsa", "नवांश", "நவாம்சம்"},
    // Rahu's node.
    {"chart-mean-node", "Rahu: mean node", "राहु: मध्यम पात", "ராகு: சராசரி கணு"},
    {"chart-true-node", "Rahu: true node", "राहु: स्पष्ट पात", "ராகு: ஸ்புட கணு"},
    // The dasha.
    {"chart-years-months-days", "%1 years %2 months %3 days", "%1 वर्ष %2 माह %3 दिन", "%1 ஆண்டு %2 மாதம் %3 நாள்"},
    {"chart-span", "%1 to %2", "%1 से %2 तक", "%1 முதல் %2 வரை"},
    {"chart-from", "from %1", "%1 से", "%1 முதல்"},
    {"chart-outside", "outside the 120 years", "120 वर्षों के बाहर", "120 ஆண்டுகளுக்கு வெளியே"},
    {"chart-balance-note", "%1 (a dasha year is 365.25 days; %2)", "%1 (दशा का वर्ष 365.25 दिन; %2)",
     "%1 (தசை ஆண்டு 365.25 நாள்; %2)"},
    {"chart-balance-at-birth", "Balance at birth: %1", "जन्म के समय शेष दशा: %1", "பிறப்பின்போது மீதமுள்ள தசை: %1"},
    {"chart-vimshottari", "Vimshottari dasha", "विंशोत्तरी दशा", "விம்சோத்தரி தசை"},
    {"chart-dasha-year", "(a year of 365.25 days)", "(वर्ष 365.25 दिन का)", "(ஆண்டு 365.25 நாள்)"},
    // The plain text's and the printed page's headings and notes.
    {"chart-text-heading", "Chart (sidereal, Lahiri ayanamsa %1)", "कुंडली (निरयन, लाहिड़ी अयनांश %1)",
     "ஜாதகம் (நிராயன, லாஹிரி அயனாம்சம் %1)"},
    {"chart-ketu-opposite", "%1, Ketu opposite", "%1, केतु सम्मुख", "%1, கேது எதிரில்"},
    {"chart-page-heading", "Chart for %1", "%1 की कुंडली", "%1 ஜாதகம்"},
    {"chart-page-note", "Sidereal longitudes, Lahiri ayanamsa %1; %2, Ketu opposite.",
     "निरयन भोगांश, लाहिड़ी अयनांश %1; %2, केतु सम्मुख।", "நிராயன பாகைகள், லாஹிரி அயனாம்சம் %1; %2, கேது எதிரில்."},
}};

}  // namespace

std::span<const NameRow> ChartNameRows() { return kChart; }

}  // namespace velmora
