#include "names/NameTables.h"

#include <array>

// The words of the festivals' and the eclipses' texts in Hindi and Tamil: the
// eclipse's title, its visibility, its contacts and the sutak, as
// calendar/EclipseNotes.cpp writes them in English, and the headings of the
// festivals' table. A sentence with a value inside is listed in the pieces
// around the value, each piece replaced whole.
//
// Sources: the grahan terms as Hindi panchangs print them (Thakur Prasad and
// Vishwa Vijay panchangs: खग्रास, खण्डग्रास, कंकणाकृति, उपच्छाया; स्पर्श and
// मोक्ष for the partial phase's first and last contact, मध्य for the greatest
// eclipse, सूतक) and as Tamil almanacs print them (Pambu Panchangam and the
// Thirukkanitha panchangam: முழு / பகுதி / கங்கண கிரகணம், ஸ்பர்சம், மத்யமம்,
// மோட்சம், சூதகம்); the shadow's parts as the Tamil Nadu textbooks name them
// (கருநிழல், புறநிழல்).
namespace velmora {

namespace {

constexpr std::array<NameRow, 50> kEvents = {{
    // The titles (EclipseTitle) and the month box's short names.
    {"eclipse-solar-partial", "Partial solar eclipse (Surya Grahan)", "खण्डग्रास सूर्य ग्रहण",
     "பகுதி சூரிய கிரகணம்"},
    {"eclipse-solar-annular", "Annular solar eclipse (Surya Grahan)", "कंकणाकृति सूर्य ग्रहण",
     "கங்கண சூரிய கிரகணம்"},
    {"eclipse-solar-total", "Total solar eclipse (Surya Grahan)", "खग्रास सूर्य ग्रहण", "முழு சூரிய கிரகணம்"},
    {"eclipse-lunar-penumbral", "Penumbral lunar eclipse (Chandra Grahan)", "उपच्छाया चन्द्र ग्रहण",
     "புறநிழல் சந்திர கிரகணம்"},
    {"eclipse-lunar-partial", "Partial lunar eclipse (Chandra Grahan)", "खण्डग्रास चन्द्र ग्रहण",
     "பகுதி சந்திர கிரகணம்"},
    {"eclipse-lunar-total", "Total lunar eclipse (Chandra Grahan)", "खग्रास चन्द्र ग्रहण",
     "முழு சந்திர கிரகணம்"},
    {"surya-grahan", "Surya Grahan", "सूर्य ग्रहण", "சூரிய கிரகணம்"},
    {"chandra-grahan", "Chandra Grahan", "चन्द्र ग्रहण", "சந்திர கிரகணம்"},
    {"eclipse-not-visible-short", "(not visible)", "(दृश्य नहीं)", "(தெரியாது)"},
    {"eclipse-not-visible-here", "not visible here", "यहाँ दृश्य नहीं", "இங்கு தெரியாது"},
    // The visibility.
    {"eclipse-visible", "visible", "दृश्य", "தெரியும்"},
    {"eclipse-visible-in-part", "visible in part", "आंशिक रूप से दृश्य", "ஓரளவு தெரியும்"},
    {"eclipse-outside-shadow", "not visible from here (outside the Moon's shadow)",
     "यहाँ से दृश्य नहीं (चन्द्रमा की छाया से बाहर)", "இங்கிருந்து தெரியாது (சந்திரனின் நிழலுக்கு வெளியே)"},
    {"eclipse-below-horizon", "not visible from here (below the horizon)", "यहाँ से दृश्य नहीं (क्षितिज के नीचे)",
     "இங்கிருந்து தெரியாது (அடிவானத்திற்குக் கீழே)"},
    // The magnitudes.
    {"eclipse-magnitude", "magnitude", "ग्रासमान", "கிரகண அளவு"},
    {"eclipse-umbral-magnitude", "umbral magnitude", "प्रच्छाया ग्रासमान", "கருநிழல் அளவு"},
    {"eclipse-penumbral", "penumbral", "उपच्छाया", "புறநிழல்"},
    {"eclipse-sun-covered", "% of the Sun covered", "% सूर्य ढका", "% சூரியன் மறைவு"},
    // The contacts, in the order of an eclipse.
    {"eclipse-p1", "penumbral eclipse begins", "उपच्छाया प्रवेश", "புறநிழல் தொடக்கம்"},
    {"eclipse-u1", "partial eclipse begins", "स्पर्श (ग्रहण आरम्भ)", "ஸ்பர்சம் (கிரகணத் தொடக்கம்)"},
    {"eclipse-u2", "total eclipse begins", "खग्रास आरम्भ", "முழு கிரகணத் தொடக்கம்"},
    {"eclipse-c2-annular", "annular eclipse begins", "कंकण आरम्भ", "கங்கணத் தொடக்கம்"},
    {"eclipse-max", "greatest eclipse", "मध्य (परमग्रास)", "மத்யமம் (உச்ச கிரகணம்)"},
    {"eclipse-max-elsewhere", "greatest eclipse (elsewhere)", "मध्य (अन्यत्र)", "மத்யமம் (வேறிடத்தில்)"},
    {"eclipse-greatest", "greatest", "मध्य", "மத்யமம்"},
    {"eclipse-c3-annular", "annular eclipse ends", "कंकण समाप्त", "கங்கண முடிவு"},
    {"eclipse-u3", "total eclipse ends", "खग्रास समाप्त", "முழு கிரகண முடிவு"},
    {"eclipse-u4", "partial eclipse ends", "मोक्ष (ग्रहण समाप्त)", "மோட்சம் (கிரகண முடிவு)"},
    {"eclipse-p4", "penumbral eclipse ends", "उपच्छाया से निर्गम", "புறநிழல் முடிவு"},
    {"eclipse-sun-below", "Sun below the horizon", "सूर्य क्षितिज के नीचे", "சூரியன் அடிவானத்திற்குக் கீழ்"},
    {"eclipse-moon-below", "Moon below the horizon", "चन्द्रमा क्षितिज के नीचे", "சந்திரன் அடிவானத்திற்குக் கீழ்"},
    // The sutak.
    {"sutak-from", "sutak from", "सूतक आरम्भ", "சூதகம் தொடக்கம்"},
    {"sutak", "sutak", "सूतक", "சூதகம்"},
    // The short months of a moment dated apart from its row ("15 Mar 01:03"),
    // abbreviated as Hindi and Tamil calendars print them.
    {"jan-short", "Jan", "जन॰", "ஜன."},
    {"feb-short", "Feb", "फ़र॰", "பிப்."},
    {"mar-short", "Mar", "मार्च", "மார்."},
    {"apr-short", "Apr", "अप्रैल", "ஏப்."},
    {"may-short", "May", "मई", "மே"},
    {"jun-short", "Jun", "जून", "ஜூன்"},
    {"jul-short", "Jul", "जुल॰", "ஜூலை"},
    {"aug-short", "Aug", "अग॰", "ஆக."},
    {"sep-short", "Sep", "सित॰", "செப்."},
    {"oct-short", "Oct", "अक्तू॰", "அக்."},
    {"nov-short", "Nov", "नव॰", "நவ."},
    {"dec-short", "Dec", "दिस॰", "டிச."},
    // The headings of the festivals' and the eclipses' tables.
    {"festivals-heading", "Festivals", "पर्व-त्योहार", "பண்டிகைகள்"},
    {"festival-heading", "Festival", "पर्व", "பண்டிகை"},
    {"rule-heading", "Rule", "नियम", "விதி"},
    {"eclipses-heading", "Eclipses", "ग्रहण", "கிரகணங்கள்"},
    {"eclipses-none", "Eclipses: none", "ग्रहण: नहीं", "கிரகணங்கள்: இல்லை"},
}};

}  // namespace

std::span<const NameRow> EventRows() { return kEvents; }

}  // namespace velmora
