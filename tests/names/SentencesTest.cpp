#include <gtest/gtest.h>

#include <string>

#include "names/NameTables.h"

using namespace velmora;

namespace {

// The place notes as places/PlaceEntries.cpp writes them (the English of
// PlaceEntriesTest), each translated whole with its values in the sentence's
// own order, their words (direction, duration, summer time) translated too.
TEST(Sentences, ThePlaceNotesInHindiAndTamil) {
    const std::string madrid =
        "Madrid, Madrid, Spain kept UTC+2:00 on 1990-07-01 12:00 (Europe/Madrid), a clock ahead of Greenwich, but it "
        "lies west of Greenwich. The window takes the zone's direction from the longitude, so it cannot hold this "
        "clock: with zone 0:00 and DST the results are for a moment 1 hour later than the one entered.";
    const std::string east =
        "Ponta, Azores, Portugal kept UTC-1:00 on 2000-01-01 00:00 (Atlantic/Azores), a clock behind Greenwich, but "
        "it lies east of Greenwich. The window takes the zone's direction from the longitude, so it cannot hold this "
        "clock: with zone 1:00 the results are for a moment 2 hours 30 minutes earlier than the one entered.";
    const std::string dstBox =
        "Madrid, Madrid, Spain kept UTC+1:00 on 2024-01-15 12:00 (Europe/Madrid), a clock ahead of Greenwich, but it "
        "lies west of Greenwich, where the window counts the zone as behind; zone 0:00 with the DST box ticked gives "
        "exactly UTC+1:00, so the box is ticked though no daylight saving was in force.";
    const std::string skipped =
        "1990-04-01 02:30 did not occur in America/New_York (the clocks were put forward over it); read as standard "
        "time, UTC-5:00.";
    const std::string repeated =
        "1990-10-28 01:30 occurred twice in America/New_York (the clocks were put back over it); read as standard "
        "time, UTC-5:00.";
    struct Case {
        const std::string* english;
        Language language;
        const char* expected;
    };
    const Case cases[] = {
        {&madrid, Language::Hindi,
         "Madrid, Madrid, Spain में 1990-07-01 12:00 को घड़ी UTC+2:00 (Europe/Madrid) थी, ग्रीनविच से आगे, पर यह "
         "स्थान ग्रीनविच के पश्चिम में है। विंडो क्षेत्र की दिशा देशांतर से लेती है, इसलिए यह घड़ी उसमें नहीं आ सकती: "
         "क्षेत्र 0:00 और ग्रीष्म समय के साथ परिणाम दर्ज किए गए क्षण से 1 घंटा बाद के क्षण के हैं।"},
        {&madrid, Language::Tamil,
         "1990-07-01 12:00 அன்று Madrid, Madrid, Spain இல் கடிகாரம் UTC+2:00 (Europe/Madrid), கிரீன்விச்சுக்கு "
         "முன்னால்; ஆனால் இந்த இடம் கிரீன்விச்சுக்கு மேற்கே உள்ளது. சாளரம் மண்டலத்தின் திசையைத் "
         "தீர்க்கரேகையிலிருந்து எடுப்பதால் இந்தக் கடிகாரத்தை அதில் வைக்க முடியாது: மண்டலம் 0:00 மற்றும் கோடை நேரம் "
         "உடன் முடிவுகள் உள்ளிட்ட நேரத்தை விட 1 மணி நேரம் பிந்தைய நேரத்துக்கானவை."},
        {&east, Language::Hindi,
         "Ponta, Azores, Portugal में 2000-01-01 00:00 को घड़ी UTC-1:00 (Atlantic/Azores) थी, ग्रीनविच से पीछे, पर "
         "यह स्थान ग्रीनविच के पूर्व में है। विंडो क्षेत्र की दिशा देशांतर से लेती है, इसलिए यह घड़ी उसमें नहीं आ "
         "सकती: क्षेत्र 1:00 के साथ परिणाम दर्ज किए गए क्षण से 2 घंटे 30 मिनट पहले के क्षण के हैं।"},
        {&east, Language::Tamil,
         "2000-01-01 00:00 அன்று Ponta, Azores, Portugal இல் கடிகாரம் UTC-1:00 (Atlantic/Azores), "
         "கிரீன்விச்சுக்கு பின்னால்; ஆனால் இந்த இடம் கிரீன்விச்சுக்கு கிழக்கே உள்ளது. சாளரம் மண்டலத்தின் திசையைத் "
         "தீர்க்கரேகையிலிருந்து எடுப்பதால் இந்தக் கடிகாரத்தை அதில் வைக்க முடியாது: மண்டலம் 1:00 உடன் முடிவுகள் "
         "உள்ளிட்ட நேரத்தை விட 2 மணி நேரம் 30 நிமிடங்கள் முந்தைய நேரத்துக்கானவை."},
        {&dstBox, Language::Hindi,
         "Madrid, Madrid, Spain में 2024-01-15 12:00 को घड़ी UTC+1:00 (Europe/Madrid) थी, ग्रीनविच से आगे, पर यह "
         "स्थान ग्रीनविच के पश्चिम में है, जहाँ विंडो क्षेत्र को पीछे गिनती है; क्षेत्र 0:00 ग्रीष्म समय के खाने पर "
         "निशान के साथ ठीक UTC+1:00 देता है, इसलिए खाने पर निशान है, यद्यपि तब ग्रीष्म समय लागू नहीं था।"},
        {&skipped, Language::Hindi,
         "America/New_York में 1990-04-01 02:30 का समय आया ही नहीं (घड़ियाँ उसके ऊपर से आगे कर दी गई थीं); मानक "
         "समय, UTC-5:00, के रूप में पढ़ा गया।"},
        {&skipped, Language::Tamil,
         "America/New_York இல் 1990-04-01 02:30 என்ற நேரம் வரவே இல்லை (கடிகாரங்கள் அதைத் தாண்டி முன்னே "
         "நகர்த்தப்பட்டன); நிலையான நேரமாக, UTC-5:00, படிக்கப்பட்டது."},
        {&repeated, Language::Tamil,
         "America/New_York இல் 1990-10-28 01:30 என்ற நேரம் இருமுறை வந்தது (கடிகாரங்கள் அதன் மேல் பின்னே "
         "நகர்த்தப்பட்டன); நிலையான நேரமாக, UTC-5:00, படிக்கப்பட்டது."},
        {&repeated, Language::English, nullptr},
    };
    for (const Case& c : cases) {
        const std::string expected = c.expected != nullptr ? c.expected : *c.english;
        EXPECT_EQ(LocalizedSentences(*c.english, c.language), expected) << *c.english;
    }
}

// A note of several lines (the Day tab's, a day opened from the calendar):
// each line on its own, the sentences whole and the rest as before.
TEST(Sentences, EachLineOfANoteOnItsOwn) {
    const std::string note =
        "The Day tab reads the clock of America/New_York (UTC-5:00), as the calendar does; the other tabs read the "
        "zone boxes.\n1990-04-01 02:30 did not occur in America/New_York (the clocks were put forward over it); "
        "read as standard time, UTC-5:00.\n\nPurnima";
    EXPECT_EQ(LocalizedSentences(note, Language::Hindi),
              "दिन टैब इस घड़ी से पढ़ता है: America/New_York (UTC-5:00), जैसे मासिक पंचांग; बाकी टैब समय क्षेत्र के "
              "खानों से पढ़ते हैं।\nAmerica/New_York में 1990-04-01 02:30 का समय आया ही नहीं (घड़ियाँ उसके ऊपर से आगे "
              "कर दी गई थीं); मानक समय, UTC-5:00, के रूप में पढ़ा गया।\n\nपूर्णिमा");
}

// Text that only looks like a sentence is left as it is (it holds no name
// of the tables): a sentence cut short, a value missing, a stray per cent
// sign, empty lines. Never a crash, never a value taken from the wrong place.
TEST(Sentences, TextThatIsNoSentenceIsLeftAsItIs) {
    const char* texts[] = {
        "",
        "\n",
        "%1 kept %2 on %3",
        "%9%",
        "Madrid kept UTC+2:00 on 1990-07-01 12:00 (Europe/Madrid), a clock ahead of Greenwich",
        " did not occur in  (the clocks were put forward over it); read as standard time, .",
        "did not occur in X (the clocks were put forward over it); read as standard time, UTC.",
        "100% sure\n\n",
        "Xyz did not occur in Abc (the clocks were put forward over it); read as standard time, UTC+1:00. Then more.",
    };
    for (const char* text : texts) {
        for (const Language language : {Language::Hindi, Language::Tamil}) {
            EXPECT_EQ(LocalizedSentences(text, language), text) << text;
        }
    }
}

}  // namespace
