#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "names/NameTables.h"

// The program's sentences with values in them (the place notes of
// places/PlaceEntries.cpp: a clock the zone boxes cannot hold, a DST box
// ticked without summer time, a time skipped or repeated by a clock change),
// each translated whole with %1 … %9 where its values go, so that Hindi and
// Tamil put them in their own order; and the words those values hold.
namespace velmora {

namespace {

constexpr std::array<NameRow, 5> kSentences = {{
    {"clock-later",
     "%1 kept %2 on %3 (%4), a clock %5 Greenwich, but it lies %6 of Greenwich. The window takes the zone's "
     "direction from the longitude, so it cannot hold this clock: with zone %7 the results are for a moment %8 later "
     "than the one entered.",
     "%1 में %3 को घड़ी %2 (%4) थी, ग्रीनविच से %5, पर यह स्थान ग्रीनविच के %6 में है। विंडो क्षेत्र की दिशा "
     "देशांतर से लेती है, इसलिए यह घड़ी उसमें नहीं आ सकती: क्षेत्र %7 के साथ परिणाम दर्ज किए गए क्षण से %8 बाद के "
     "क्षण के हैं।",
     "%3 அன்று %1 இல் கடிகாரம் %2 (%4), கிரீன்விச்சுக்கு %5; ஆனால் இந்த இடம் கிரீன்விச்சுக்கு %6 உள்ளது. சாளரம் "
     "மண்டலத்தின் திசையைத் தீர்க்கரேகையிலிருந்து எடுப்பதால் இந்தக் கடிகாரத்தை அதில் வைக்க முடியாது: மண்டலம் %7 உடன் "
     "முடிவுகள் உள்ளிட்ட நேரத்தை விட %8 பிந்தைய நேரத்துக்கானவை."},
    {"clock-earlier",
     "%1 kept %2 on %3 (%4), a clock %5 Greenwich, but it lies %6 of Greenwich. The window takes the zone's "
     "direction from the longitude, so it cannot hold this clock: with zone %7 the results are for a moment %8 "
     "earlier than the one entered.",
     "%1 में %3 को घड़ी %2 (%4) थी, ग्रीनविच से %5, पर यह स्थान ग्रीनविच के %6 में है। विंडो क्षेत्र की दिशा "
     "देशांतर से लेती है, इसलिए यह घड़ी उसमें नहीं आ सकती: क्षेत्र %7 के साथ परिणाम दर्ज किए गए क्षण से %8 पहले के "
     "क्षण के हैं।",
     "%3 அன்று %1 இல் கடிகாரம் %2 (%4), கிரீன்விச்சுக்கு %5; ஆனால் இந்த இடம் கிரீன்விச்சுக்கு %6 உள்ளது. சாளரம் "
     "மண்டலத்தின் திசையைத் தீர்க்கரேகையிலிருந்து எடுப்பதால் இந்தக் கடிகாரத்தை அதில் வைக்க முடியாது: மண்டலம் %7 உடன் "
     "முடிவுகள் உள்ளிட்ட நேரத்தை விட %8 முந்தைய நேரத்துக்கானவை."},
    {"dst-box",
     "%1 kept %2 on %3 (%4), a clock ahead of Greenwich, but it lies west of Greenwich, where the window counts the "
     "zone as behind; zone %5 with the DST box ticked gives exactly %6, so the box is ticked though no daylight "
     "saving was in force.",
     "%1 में %3 को घड़ी %2 (%4) थी, ग्रीनविच से आगे, पर यह स्थान ग्रीनविच के पश्चिम में है, जहाँ विंडो क्षेत्र को "
     "पीछे गिनती है; क्षेत्र %5 ग्रीष्म समय के खाने पर निशान के साथ ठीक %6 देता है, इसलिए खाने पर निशान है, यद्यपि तब "
     "ग्रीष्म समय लागू नहीं था।",
     "%3 அன்று %1 இல் கடிகாரம் %2 (%4), கிரீன்விச்சுக்கு முன்னால்; ஆனால் இந்த இடம் கிரீன்விச்சுக்கு மேற்கே உள்ளது, "
     "அங்கே சாளரம் மண்டலத்தைப் பின்னால் எனக் கணக்கிடுகிறது; மண்டலம் %5 கோடை நேரப் பெட்டி குறிக்கப்பட்டால் சரியாக %6 "
     "தருகிறது, எனவே கோடை நேரம் நடப்பில் இல்லாவிட்டாலும் பெட்டி குறிக்கப்பட்டுள்ளது."},
    {"time-skipped",
     "%1 did not occur in %2 (the clocks were put forward over it); read as standard time, %3.",
     "%2 में %1 का समय आया ही नहीं (घड़ियाँ उसके ऊपर से आगे कर दी गई थीं); मानक समय, %3, के रूप में पढ़ा गया।",
     "%2 இல் %1 என்ற நேரம் வரவே இல்லை (கடிகாரங்கள் அதைத் தாண்டி முன்னே நகர்த்தப்பட்டன); நிலையான நேரமாக, %3, "
     "படிக்கப்பட்டது."},
    {"time-repeated",
     "%1 occurred twice in %2 (the clocks were put back over it); read as standard time, %3.",
     "%2 में %1 का समय दो बार आया (घड़ियाँ उसके ऊपर से पीछे कर दी गई थीं); मानक समय, %3, के रूप में पढ़ा गया।",
     "%2 இல் %1 என்ற நேரம் இருமுறை வந்தது (கடிகாரங்கள் அதன் மேல் பின்னே நகர்த்தப்பட்டன); நிலையான நேரமாக, %3, "
     "படிக்கப்பட்டது."},
}};

// The words inside the sentences' values: the clock's direction, the
// duration's units, the zone boxes' summer time.
constexpr std::array<NameRow, 11> kValueWords = {{
    {"ahead-of", "ahead of", "आगे", "முன்னால்"},
    {"behind", "behind", "पीछे", "பின்னால்"},
    {"west", "west", "पश्चिम", "மேற்கே"},
    {"east", "east", "पूर्व", "கிழக்கே"},
    {"hours", "hours", "घंटे", "மணி நேரம்"},
    {"hour", "hour", "घंटा", "மணி நேரம்"},
    {"minutes", "minutes", "मिनट", "நிமிடங்கள்"},
    {"minute", "minute", "मिनट", "நிமிடம்"},
    {"seconds", "seconds", "सेकंड", "விநாடிகள்"},
    {"second", "second", "सेकंड", "விநாடி"},
    {"and-dst", "and DST", "और ग्रीष्म समय", "மற்றும் கோடை நேரம்"},
}};

bool IsDigit(char c) { return c >= '1' && c <= '9'; }

// The values of `line` where it is `pattern` with %1 … %9 filled in, by
// number; none when it is not. Each value is the shortest that lets the
// text after it follow (the sentences' literal pieces never occur inside
// their values), and none but one that opens the line (a place's name: "St.
// John's") holds the end of a sentence, so that a line with more after the
// sentence is not taken for it.
std::optional<std::array<std::string, 10>> Fill(std::string_view pattern, std::string_view line) {
    std::array<std::string, 10> values;
    std::size_t p = 0;
    std::size_t at = 0;
    while (p < pattern.size()) {
        if (pattern[p] == '%' && p + 1 < pattern.size() && IsDigit(pattern[p + 1])) {
            const auto number = static_cast<std::size_t>(pattern[p + 1] - '0');
            p += 2;
            std::size_t next = pattern.find('%', p);
            while (next != std::string_view::npos && !(next + 1 < pattern.size() && IsDigit(pattern[next + 1]))) {
                next = pattern.find('%', next + 1);
            }
            const std::string_view literal = pattern.substr(p, next == std::string_view::npos ? next : next - p);
            std::size_t end = 0;
            if (literal.empty()) {
                if (next != std::string_view::npos) return std::nullopt;  // two values side by side
                end = line.size();
            } else if (next == std::string_view::npos) {
                // The sentence's last words end the line.
                if (line.size() < at + 1 + literal.size() || line.substr(line.size() - literal.size()) != literal) {
                    return std::nullopt;
                }
                end = line.size() - literal.size();
            } else {
                end = line.find(literal, at + 1);
                if (end == std::string_view::npos) return std::nullopt;
            }
            if (end <= at) return std::nullopt;
            const std::string_view value = line.substr(at, end - at);
            if (at > 0 && value.find(". ") != std::string_view::npos) return std::nullopt;
            values[number] = std::string(value);
            at = end + literal.size();
            p += literal.size();
        } else {
            const std::size_t next = pattern.find('%', p + 1);
            const std::string_view literal = pattern.substr(p, next == std::string_view::npos ? next : next - p);
            if (line.substr(at, literal.size()) != literal) return std::nullopt;
            at += literal.size();
            p += literal.size();
        }
    }
    if (at != line.size()) return std::nullopt;
    return values;
}

std::string Translated(std::string_view line, Language language) {
    for (const NameRow& row : kSentences) {
        const std::optional<std::array<std::string, 10>> values = Fill(row.en, line);
        if (!values) continue;
        const std::string_view pattern = row.In(language);
        std::string out;
        out.reserve(pattern.size() + line.size());
        for (std::size_t i = 0; i < pattern.size(); ++i) {
            if (pattern[i] == '%' && i + 1 < pattern.size() && IsDigit(pattern[i + 1])) {
                const std::string& value = (*values)[static_cast<std::size_t>(pattern[i + 1] - '0')];
                out += LocalizedAny(LocalizedWords(value, language, kValueWords), language);
                ++i;
            } else {
                out += pattern[i];
            }
        }
        return out;
    }
    return LocalizedAny(line, language);
}

}  // namespace

std::string LocalizedSentences(std::string_view text, Language language) {
    if (language == Language::English) return std::string(text);
    std::string out;
    out.reserve(text.size() * 2);
    std::size_t at = 0;
    while (at <= text.size()) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        out += Translated(text.substr(at, end - at), language);
        if (end == text.size()) break;
        out += '\n';
        at = end + 1;
    }
    return out;
}

}  // namespace velmora
