#include "names/NameTables.h"

#include <array>

// The texts the core hands to the windows, the printed page and the report
// tool in English besides the names: the results' captions, the Day tab's
// captions and sentences, the nakshatra's facing classes and the input check's
// messages, in Hindi and Tamil. Translated for this program (no published
// source); the names inside them follow the tables of NameTables.cpp.
namespace velmora {

namespace {

constexpr std::array<NameRow, 120> kTexts = {{
    // The report's and the results window's captions.
    {"cap-panchang", "Panchang", "पंचांग", "பஞ்சாங்கம்"},
    {"cap-your-details", "Your Details", "आपका विवरण", "உங்கள் விவரங்கள்"},
    {"cap-name", "Name", "नाम", "பெயர்"},
    {"cap-date-of-query", "Date of Query", "प्रश्न की तारीख", "கேள்வி தேதி"},
    {"cap-time-of-query", "Time of Query", "प्रश्न का समय", "கேள்வி நேரம்"},
    {"cap-city", "City", "शहर", "நகரம்"},
    {"cap-state", "State", "राज्य", "மாநிலம்"},
    {"cap-country", "Country", "देश", "நாடு"},
    {"cap-latitude", "Latitude", "अक्षांश", "அட்சரேகை"},
    {"cap-longitude", "Longitude", "देशांतर", "தீர்க்கரேகை"},
    {"cap-time-zone", "Time Zone", "समय क्षेत्र", "நேர மண்டலம்"},
    {"cap-daylight-saving", "Daylight Saving", "ग्रीष्मकालीन समय", "கோடை நேரம்"},
    {"cap-yes", "Yes", "हाँ", "ஆம்"},
    {"cap-no", "No", "नहीं", "இல்லை"},
    {"cap-ahead-of-gmt", "ahead of GMT", "ग्रीनविच से आगे", "கிரீன்விச்சுக்கு முன்"},
    {"cap-behind-gmt", "behind GMT", "ग्रीनविच से पीछे", "கிரீன்விச்சுக்குப் பின்"},
    {"cap-ayanamsa", "Ayanamsa", "अयनांश", "அயனாம்சம்"},
    {"cap-vaar", "Vaar", "वार", "வாரம்"},
    {"cap-day-of-birth", "Day Of Birth", "जन्म का वार", "பிறந்த கிழமை"},
    {"cap-alternate-name", "Alternate Name", "अन्य नाम", "மாற்றுப் பெயர்"},
    {"cap-lord", "Lord", "स्वामी", "அதிபதி"},
    {"cap-about-vaar", "About Your Vaar", "आपके वार के बारे में", "உங்கள் வாரம் பற்றி"},
    {"cap-type", "Type", "प्रकार", "வகை"},
    {"cap-nakshatra-characterstic", "Nakshatra Characterstic", "नक्षत्र की विशेषता", "நட்சத்திரத்தின் இயல்பு"},
    {"cap-about-nakshatra", "About Your Nakshatra", "आपके नक्षत्र के बारे में", "உங்கள் நட்சத்திரம் பற்றி"},
    {"cap-time", "Time", "समय", "நேரம்"},
    {"cap-pada", "Pada", "पद", "பாதம்"},
    {"cap-syllable", "Syllable", "अक्षर", "எழுத்து"},
    {"cap-pada-time", "Pada Time", "पद का समय", "பாத நேரம்"},
    {"cap-moon-sign", "Moon Sign", "चन्द्र राशि", "சந்திர ராசி"},
    {"cap-moon-sign-time", "Moon Sign Time", "चन्द्र राशि का समय", "சந்திர ராசி நேரம்"},
    {"cap-sun-sign", "Sun Sign", "सूर्य राशि", "சூரிய ராசி"},
    {"cap-number", "Number", "संख्या", "எண்"},
    {"cap-phase", "Phase", "पक्ष", "பட்சம்"},
    {"cap-tithi-group", "Tithi Group", "तिथि वर्ग", "திதி வகை"},
    {"cap-tithi-features", "Tithi Features", "तिथि की विशेषताएँ", "திதியின் இயல்புகள்"},
    {"cap-tithi-type", "Tithi Type", "तिथि का प्रकार", "திதியின் தன்மை"},
    {"cap-nature", "Nature", "स्वभाव", "இயல்பு"},
    {"cap-about-yoga", "About Your Yoga", "आपके योग के बारे में", "உங்கள் யோகம் பற்றி"},
    {"cap-karna", "Karna", "करण", "கரணம்"},
    // The Day tab.
    {"cap-hindu-day", "Hindu Day", "हिन्दू दिन", "இந்து நாள்"},
    {"cap-next-sunrise", "Next Sunrise", "अगला सूर्योदय", "அடுத்த சூரிய உதயம்"},
    {"cap-ishtakala", "Ishtakala", "इष्टकाल", "இஷ்டகாலம்"},
    {"cap-rahu-kalam", "Rahu Kalam", "राहु काल", "ராகு காலம்"},
    {"cap-gulika-kalam", "Gulika Kalam", "गुलिक काल", "குளிகை காலம்"},
    {"cap-abhijit-muhurta", "Abhijit Muhurta", "अभिजित मुहूर्त", "அபிஜித் முகூர்த்தம்"},
    {"cap-brahma-muhurta", "Brahma Muhurta", "ब्रह्म मुहूर्त", "பிரம்ம முகூர்த்தம்"},
    {"cap-lunar-month", "Lunar Month", "चान्द्र मास", "சந்திர மாதம்"},
    {"cap-eclipse", "Eclipse", "ग्रहण", "கிரகணம்"},
    {"day-not-rise-next",
     "The Sun does not rise on the next date; the day ends at midnight.",
     "अगली तारीख को सूर्योदय नहीं होता; दिन आधी रात को समाप्त होता है।",
     "அடுத்த நாளில் சூரியன் உதிக்காது; நாள் நள்ளிரவில் முடிகிறது."},
    {"day-not-rise",
     "The Sun does not rise on this date; the day is taken from midnight to midnight.",
     "इस तारीख को सूर्योदय नहीं होता; दिन आधी रात से आधी रात तक लिया गया है।",
     "இந்த நாளில் சூரியன் உதிக்காது; நாள் நள்ளிரவு முதல் நள்ளிரவு வரை கொள்ளப்படுகிறது."},
    // The nakshatra's facing classes.
    {"facing-down", "Adhomukhi Nakshatra", "अधोमुखी नक्षत्र", "அதோமுக நட்சத்திரம்"},
    {"facing-down-short", "Downward Looking", "अधोमुख (नीचे देखने वाला)", "கீழ்நோக்கு"},
    {"facing-down-text",
     "This nakshatra is good for tasks for which you need to look down like digging wells, foundations, canals, "
     "seeking treasure, etc.",
     "यह नक्षत्र उन कार्यों के लिए शुभ है जिनमें नीचे देखना होता है, जैसे कुआँ खोदना, नींव डालना, नहर बनाना, "
     "गड़ा धन खोजना आदि।",
     "கிணறு தோண்டுதல், அடித்தளம் இடுதல், கால்வாய் வெட்டுதல், புதையல் தேடுதல் போன்ற கீழே பார்த்துச் "
     "செய்யும் செயல்களுக்கு இந்த நட்சத்திரம் உகந்தது."},
    {"facing-side", "Parshvamukhi Nakshatra", "पार्श्वमुखी नक्षत्र", "பார்ஸ்வமுக நட்சத்திரம்"},
    {"facing-side-short", "Looking on all sides", "पार्श्वमुख (सब ओर देखने वाला)", "பக்கநோக்கு"},
    {"facing-side-text",
     "This nakshatra is good for tasks for which you need to look on all sides like sowing of seeds, travel, "
     "purchases, etc.",
     "यह नक्षत्र उन कार्यों के लिए शुभ है जिनमें सब ओर देखना होता है, जैसे बीज बोना, यात्रा, ख़रीदारी आदि।",
     "விதை விதைத்தல், பயணம், பொருள் வாங்குதல் போன்ற எல்லாப் பக்கமும் பார்த்துச் செய்யும் செயல்களுக்கு "
     "இந்த நட்சத்திரம் உகந்தது."},
    {"facing-up", "Urdhvamukhi Nakshtra", "ऊर्ध्वमुखी नक्षत्र", "ஊர்த்வமுக நட்சத்திரம்"},
    {"facing-up-short", "Upward Looking", "ऊर्ध्वमुख (ऊपर देखने वाला)", "மேல்நோக்கு"},
    {"facing-up-text",
     "This nakshatra is good for tasks for which you need to look upward like accepting authority, coronation, "
     "etc.",
     "यह नक्षत्र उन कार्यों के लिए शुभ है जिनमें ऊपर देखना होता है, जैसे पद ग्रहण करना, राज्याभिषेक आदि।",
     "பதவி ஏற்றல், முடிசூட்டுதல் போன்ற மேலே பார்த்துச் செய்யும் செயல்களுக்கு இந்த நட்சத்திரம் உகந்தது."},
    // The input check.
    {"refuse-name", "Please Enter Name", "कृपया नाम लिखें", "தயவுசெய்து பெயரை உள்ளிடவும்"},
    {"refuse-lon-deg", "Please Enter Value Between 0 And 179 in the Degree of Longitude",
     "कृपया देशांतर के अंश में 0 से 179 तक का मान लिखें",
     "தீர்க்கரேகையின் பாகையில் 0 முதல் 179 வரையிலான மதிப்பை உள்ளிடவும்"},
    {"refuse-lon-min", "Please Enter Value Between 0 And 59 in the  Minute of Longitude",
     "कृपया देशांतर के मिनट में 0 से 59 तक का मान लिखें",
     "தீர்க்கரேகையின் நிமிடத்தில் 0 முதல் 59 வரையிலான மதிப்பை உள்ளிடவும்"},
    {"refuse-lat-deg", "Please Enter Value Between 0 And 89 in the Degree of Latitude",
     "कृपया अक्षांश के अंश में 0 से 89 तक का मान लिखें",
     "அட்சரேகையின் பாகையில் 0 முதல் 89 வரையிலான மதிப்பை உள்ளிடவும்"},
    {"refuse-lat-min", "Please Enter Value Between 0 And 59 in the  Minute of Latitude",
     "कृपया अक्षांश के मिनट में 0 से 59 तक का मान लिखें",
     "அட்சரேகையின் நிமிடத்தில் 0 முதல் 59 வரையிலான மதிப்பை உள்ளிடவும்"},
    {"refuse-date", "Please Enter Correct Date Or Month!", "कृपया सही तारीख या महीना लिखें!",
     "தயவுசெய்து சரியான தேதி அல்லது மாதத்தை உள்ளிடவும்!"},
    {"refuse-date-blank", "Please Enter Correct Date Or Month !", "कृपया सही तारीख या महीना लिखें !",
     "தயவுசெய்து சரியான தேதி அல்லது மாதத்தை உள்ளிடவும் !"},
    {"already-running", "Application is already running", "प्रोग्राम पहले से चल रहा है",
     "நிரல் ஏற்கெனவே இயங்குகிறது"},
    // The printed month's foot line and the other words of the month page.
    {"month-legend", "Tithi and nakshatra at sunrise", "सूर्योदय पर तिथि और नक्षत्र", "சூரிய உதயத்தில் திதியும் நட்சத்திரமும்"},
    {"month-legend-line",
     "Tithi and nakshatra at sunrise, till when they last · ○ full moon, ● new moon · ↑ sunrise, ↓ sunset, ☽↑ moonrise · "
     "band: a lunar month begins · %1",
     "सूर्योदय पर तिथि और नक्षत्र, कब तक रहते हैं · ○ पूर्णिमा, ● अमावस्या · ↑ सूर्योदय, ↓ सूर्यास्त, ☽↑ चन्द्रोदय · "
     "पट्टी: चान्द्र मास का आरम्भ · %1",
     "சூரிய உதயத்தில் திதியும் நட்சத்திரமும், எப்போது வரை · ○ பௌர்ணமி, ● அமாவாசை · ↑ சூரிய உதயம், ↓ அஸ்தமனம், "
     "☽↑ சந்திர உதயம் · பட்டை: சந்திர மாதத் தொடக்கம் · %1"},
    {"sunrise-lower", "sunrise", "सूर्योदय", "சூரிய உதயம்"},
    {"sunset-lower", "sunset", "सूर्यास्त", "சூரிய அஸ்தமனம்"},
    // The readable report of the report tool.
    {"north", "North", "उत्तर", "வடக்கு"},
    {"south", "South", "दक्षिण", "தெற்கு"},
    {"east", "East", "पूर्व", "கிழக்கு"},
    {"west", "West", "पश्चिम", "மேற்கு"},
    {"times-for", "Times for", "समय:", "நேரம்:"},
    {"short-series-gives", ": the short lunar series already gives", ": संक्षिप्त चान्द्र श्रेणी पहले से देती है",
     ": சுருக்கமான சந்திரத் தொடர் ஏற்கெனவே தருகிறது"},
    {"full-theory-reaches", ", which the full lunar theory reaches at", ", जिस पर पूर्ण चान्द्र सिद्धान्त पहुँचता है",
     ", முழு சந்திரக் கோட்பாடு அடையும் நேரம்"},
    {"short-series-still", ": the short lunar series still gives", ": संक्षिप्त चान्द्र श्रेणी अब भी देती है",
     ": சுருக்கமான சந்திரத் தொடர் இன்னும் தருகிறது"},
    {"full-theory-left", ", which the full lunar theory left at", ", जिसे पूर्ण चान्द्र सिद्धान्त छोड़ चुका",
     ", முழு சந்திரக் கோட்பாடு விட்ட நேரம்"},
    {"na", "NA", "उपलब्ध नहीं", "இல்லை"},
    // The day in full: the Day tab's pages, the printed report's lines.
    {"cap-durmuhurta", "Durmuhurta", "दुर्मुहूर्त", "துர்முகூர்த்தம்"},
    {"cap-varjyam", "Varjyam", "वर्ज्य", "வர்ஜ்யம்"},
    {"cap-amrit-kalam", "Amrit Kalam", "अमृत काल", "அமிர்த காலம்"},
    {"cap-panchak", "Panchak", "पंचक", "பஞ்சகம்"},
    {"cap-samvatsara", "Samvatsara", "संवत्सर", "சம்வத்சரம்"},
    {"cap-ritu-ayana", "Ritu, Ayana", "ऋतु, अयन", "ருது, அயனம்"},
    {"cap-tamil-date", "Tamil Date", "तमिल तारीख", "தமிழ் தேதி"},
    {"cap-malayalam-date", "Malayalam Date", "मलयालम तारीख", "மலையாளத் தேதி"},
    {"cap-bengali-date", "Bengali Date", "बंगाली तारीख", "வங்காளத் தேதி"},
    {"cap-tarabalam", "Tarabalam", "ताराबल", "தாரா பலம்"},
    {"cap-chandrabalam", "Chandrabalam", "चन्द्रबल", "சந்திர பலம்"},
    {"cap-choghadiya-day", "Choghadiya (day)", "चौघड़िया (दिन)", "சௌகடியா (பகல்)"},
    {"cap-choghadiya-night", "Choghadiya (night)", "चौघड़िया (रात)", "சௌகடியா (இரவு)"},
    {"cap-hora-day", "Hora (day)", "होरा (दिन)", "ஹோரை (பகல்)"},
    {"cap-hora-night", "Hora (night)", "होरा (रात)", "ஹோரை (இரவு)"},
    {"cap-gowri-day", "Gowri (day)", "गौरी (दिन)", "கௌரி (பகல்)"},
    {"cap-gowri-night", "Gowri (night)", "गौरी (रात)", "கௌரி (இரவு)"},
    // The Day tab's lists of the day's elements and their dates ("7 Dec 03:10:12").
    {"cap-day-tithis", "Tithis", "तिथियाँ", "திதிகள்"},
    {"cap-day-nakshatras", "Nakshatras", "नक्षत्र (सभी)", "நட்சத்திரங்கள்"},
    {"cap-day-yogas", "Yogas", "योग (सभी)", "யோகங்கள்"},
    {"cap-day-karanas", "Karanas", "करण (सभी)", "கரணங்கள்"},
    {"month-short-jan", "Jan", "जन॰", "ஜன."},
    {"month-short-feb", "Feb", "फ़र॰", "பிப்."},
    {"month-short-mar", "Mar", "मार्च", "மார்ச்"},
    {"month-short-apr", "Apr", "अप्रै॰", "ஏப்."},
    {"month-short-may", "May", "मई", "மே"},
    {"month-short-jun", "Jun", "जून", "ஜூன்"},
    {"month-short-jul", "Jul", "जुला॰", "ஜூலை"},
    {"month-short-aug", "Aug", "अग॰", "ஆக."},
    {"month-short-sep", "Sep", "सितं॰", "செப்."},
    {"month-short-oct", "Oct", "अक्टू॰", "அக்."},
    {"month-short-nov", "Nov", "नवं॰", "நவ."},
    {"month-short-dec", "Dec", "दिसं॰", "டிச."},
    // The Day tab's note before sunrise: "Vaar gives Saturday, the weekday of
    // the entered date; … so before sunrise it is still Friday."
    {"vaar-gives", "Vaar gives", "वार बताता है:", "வாரம் காட்டுவது:"},
    {"vaar-weekday-entered",
     ", the weekday of the entered date; the Hindu day runs from sunrise to sunrise, so before sunrise it is still",
     ", जो दी गई तारीख का वार है; हिन्दू दिन सूर्योदय से सूर्योदय तक चलता है, इसलिए सूर्योदय से पहले अभी भी",
     ", கொடுத்த தேதியின் கிழமை; இந்து நாள் சூரிய உதயம் முதல் சூரிய உதயம் வரை, எனவே சூரிய உதயத்திற்கு முன் இன்னும்"},
    // A day opened from the month calendar where the zone boxes cannot hold
    // the place's clock: "The Day tab reads the clock of Europe/Madrid
    // (+02:00), as the calendar does; …".
    {"day-reads-clock-of", "The Day tab reads the clock of", "दिन टैब इस घड़ी से पढ़ता है:",
     "நாள் தாவல் இந்தக் கடிகாரத்தைப் படிக்கிறது:"},
    {"day-reads-as-calendar", "), as the calendar does; the other tabs read the zone boxes.",
     "), जैसे मासिक पंचांग; बाकी टैब समय क्षेत्र के खानों से पढ़ते हैं।",
     "), மாத நாள்காட்டி போலவே; மற்ற தாவல்கள் நேர மண்டலப் பெட்டிகளைப் படிக்கின்றன."},
    {"month-calendar", "Month Calendar", "मासिक पंचांग", "மாத நாள்காட்டி"},
}};

}  // namespace

std::span<const NameRow> WindowTextRows() { return kTexts; }

}  // namespace velmora
