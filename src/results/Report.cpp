#include "results/Report.h"

#include <cstddef>
#include <optional>

#include "chart/ChartText.h"
#include "results/DayInFullTab.h"
#include "results/DayTab.h"

namespace velmora {

namespace {

std::string TwoDigits(int n) {
    std::string s = std::to_string(n);
    return s.size() < 2 ? "0" + s : s;
}

// Columns a UTF-8 text takes on a terminal (one per code point; the texts are
// Latin with a few typographic signs).
std::size_t Columns(std::string_view s) {
    std::size_t n = 0;
    for (const char c : s) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    }
    return n;
}

std::vector<std::string_view> SplitOn(std::string_view s, char separator) {
    std::vector<std::string_view> parts;
    while (true) {
        const auto at = s.find(separator);
        parts.push_back(s.substr(0, at));
        if (at == std::string_view::npos) return parts;
        s.remove_prefix(at + 1);
    }
}

constexpr std::size_t kWidth = 78;
constexpr std::size_t kValueColumn = 28;

// Appends `text` wrapped at word boundaries: the first line after `first`
// (already as wide as `indent`), the next ones after `indent`. Line breaks of
// the text are kept; runs of blanks inside a line are kept as they are unless
// the line has to wrap there.
void AppendWrapped(std::string& out, std::string first, std::string_view indent, std::string_view text) {
    bool firstLine = true;
    auto lead = [&]() -> std::string {
        if (!firstLine) return std::string(indent);
        firstLine = false;
        return first;
    };
    for (auto line : SplitOn(text, '\n')) {
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        std::string current = lead();
        const std::size_t start = Columns(current);
        std::size_t used = start;
        std::string pendingBlanks;
        for (const auto word : SplitOn(line, ' ')) {
            if (word.empty()) {
                if (used > start) pendingBlanks += ' ';
                continue;
            }
            const std::string gap = used > start ? pendingBlanks + " " : "";
            if (used > start && used + Columns(gap) + Columns(word) > kWidth) {
                out += current + "\n";
                current = lead();
                used = Columns(current);
            } else {
                current += gap;
                used += Columns(gap);
            }
            pendingBlanks.clear();
            current += word;
            used += Columns(word);
        }
        // Trailing blanks of a line say nothing on paper or in a mail.
        while (!current.empty() && current.back() == ' ') current.pop_back();
        out += current + "\n";
    }
}

void AppendField(std::string& out, const ReportField& field) {
    if (field.caption.empty() && field.value.empty()) return;
    std::string lead = "  " + field.caption;
    if (field.value.empty()) {
        out += lead + "\n";
        return;
    }
    // A caption too long for the column gets its value on the next line.
    if (Columns(lead) + 1 > kValueColumn) {
        out += lead + "\n";
        lead.clear();
    }
    while (Columns(lead) < kValueColumn) lead += ' ';
    AppendWrapped(out, lead, std::string(kValueColumn, ' '), field.value);
}

void AppendParagraph(std::string& out, const ReportParagraph& paragraph) {
    if (!paragraph.caption.empty()) out += "  " + paragraph.caption + "\n";
    if (paragraph.text.empty()) return;
    AppendWrapped(out, "    ", "    ", paragraph.text);
}

}  // namespace

std::string ZoneEchoText(const BirthRecord& birth) {
    if (birth.ZoneHours == 0 && birth.ZoneMinutes == 0) return "GMT";
    // East of Greenwich the clock is ahead: the zone takes the longitude's
    // direction.
    return std::to_string(birth.ZoneHours) + ":" + TwoDigits(birth.ZoneMinutes) +
           (birth.LonIsEast ? " ahead of GMT" : " behind GMT");
}

Report BuildReport(const ResultsPage& p, const BirthRecord& birth) {
    return BuildReport(p, birth, DayTabValuesOf(birth));
}

Report BuildReport(const ResultsPage& p, const BirthRecord& birth, const std::optional<DayTabValues>& day) {
    Report r;
    r.kicker = "Panchang";
    r.name = p.lblName;
    r.details = {
        {"Date of Query", p.lblDOB},
        {"Time of Query", p.lblTOB},
        {"City", p.lblCity},
        {"State", p.lblState},
        {"Country", p.lblCountry},
        {"Latitude", p.lblLatitude},
        {"Longitude", p.lblLongitude},
        {"Time Zone", ZoneEchoText(birth)},
        {"Daylight Saving", birth.DstOn ? "Yes" : "No"},
    };
    r.ayanamsa = {"Ayanamsa", p.lblAyanamsa};

    ReportSection vaar;
    vaar.title = "Vaar";
    vaar.values = {{"Day Of Birth", p.lblDay}, {"Alternate Name", p.lblAlternateName}, {"Lord", p.lblLord}};
    vaar.paragraphs = {{"About Your Vaar", p.txtMoreAboutDayOfBirth}};

    ReportSection nakshatra;
    nakshatra.title = "Nakshatra";
    nakshatra.values = {{"Nakshatra", p.lblNakshatra},
                        {"Type", p.lblType},
                        {"Nakshatra Characterstic", p.lblNakshatraCharacterstic}};
    nakshatra.paragraphs = {{"About Your Nakshatra", p.txtMoreAboutNakshatra}};
    // The rows under the tab's text: the span, the line when the name above is
    // the neighbouring mansion (only then), the pada and the signs.
    nakshatra.below = {{"Time", p.lblNakshatraTime}};
    if (!p.lblNakshatraNote.empty()) nakshatra.below.push_back({"Note", p.lblNakshatraNote});
    nakshatra.below.insert(nakshatra.below.end(), {{"Pada", p.lblPada},
                                                   {"Syllable", p.lblSyllable},
                                                   {"Pada Time", p.lblPadaTime},
                                                   {"Moon Sign", p.lblMoonSign},
                                                   {"Moon Sign Time", p.lblMoonSignTime},
                                                   {"Sun Sign", p.lblSunSign}});

    // The heading row (tithi, lord, number, phase), then the captions of the
    // tab's label array; the tithi type's text stays right under its value.
    ReportSection tithi;
    tithi.title = "Tithi";
    tithi.values = {{"Tithi", p.lblTithi},       {"Lord", p.lblTithiLord},        {"Number", p.lblNumber},
                    {"Phase", p.lblPhase},       {"Tithi Group", p.lblGroup},     {"Tithi Features", p.lblFeature},
                    {"Tithi Type", p.lblTtype}};
    tithi.span = {"Time", p.lblTithiTime};
    tithi.paragraphs = {{"", p.txtType}, {"Nature", p.txtTithiDesc}};

    ReportSection yoga;
    yoga.title = "Yoga";
    yoga.values = {{"Yoga", p.lblYoga}};
    yoga.span = {"Time", p.lblYogaTime};
    yoga.paragraphs = {{"About Your Yoga", p.txtYogaDesc}};

    ReportSection karna;
    karna.title = "Karna";
    karna.values = {{"Karna", p.lblKarna}};
    karna.span = {"Time", p.lblKarnaTime};

    r.elements = {std::move(vaar), std::move(nakshatra), std::move(tithi), std::move(yoga), std::move(karna)};

    // The Hindu day of the run's moment, as the Day tab shows it (the rows
    // with something to say), when the record holds a moment and place.
    if (day) {
        ReportSection section;
        section.title = "Day";
        for (std::size_t i = 0; i < DayTabRows.size(); ++i) {
            if (!(*day)[i].empty()) section.below.push_back({std::string(DayTabRows[i].caption), (*day)[i]});
        }
        // Then its hours and year, as the Day tab's other pages show them.
        if (const std::optional<DayInFullTab> full = DayInFullTabOf(birth)) {
            auto hours = [&section](const char* caption, const std::vector<HourRow>& rows) {
                std::string text;
                for (const HourRow& h : rows) text += (text.empty() ? "" : ", ") + h.name + " " + h.span;
                if (!text.empty()) section.below.push_back({caption, text});
            };
            hours("Choghadiya (day)", full->choghadiyaDay);
            hours("Choghadiya (night)", full->choghadiyaNight);
            hours("Hora (day)", full->horaDay);
            hours("Hora (night)", full->horaNight);
            hours("Gowri (day)", full->gowriDay);
            hours("Gowri (night)", full->gowriNight);
            for (const auto& [caption, value] : full->more) section.below.push_back({caption, value});
        }
        r.elements.push_back(std::move(section));
    }
    r.footer = std::string(ProgramNameAndVersion);
    return r;
}

std::string ReportPlainText(const Report& r) {
    std::string out;
    AppendWrapped(out, "", "", r.kicker + r.kickerJoin + r.name);
    out += "\n" + r.detailsTitle + "\n";
    AppendField(out, {r.nameCaption, r.name});
    for (const ReportField& f : r.details) AppendField(out, f);
    AppendField(out, r.ayanamsa);
    for (const ReportSection& s : r.elements) {
        out += "\n" + s.title + "\n";
        for (const ReportField& f : s.values) AppendField(out, f);
        if (!s.span.caption.empty()) AppendField(out, s.span);
        for (const ReportParagraph& p : s.paragraphs) AppendParagraph(out, p);
        for (const ReportField& f : s.below) AppendField(out, f);
    }
    if (r.chart) out += "\n" + ChartPlainText(*r.chart, r.language);
    out += "\n" + r.footer + "\n";
    return out;
}

std::string DefaultReportFileName(const ResultsPage& page, const BirthRecord& birth) {
    std::string name;
    bool dash = false;
    for (const char c : page.lblName) {
        const auto u = static_cast<unsigned char>(c);
        const bool keep = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || u >= 0x80;
        if (keep) {
            if (dash && !name.empty()) name += '-';
            dash = false;
            name += c;
        } else {
            dash = true;
        }
    }
    // At most 56 bytes of the name, never cutting a character in two.
    if (name.size() > 56) {
        std::size_t end = 56;
        while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) --end;
        name.resize(end);
    }
    std::string file = "Panchang";
    if (!name.empty()) file += "-" + name;
    if (birth.QueryYear > 0 && birth.QueryMonth >= 1 && birth.QueryMonth <= 12 && birth.QueryDay >= 1) {
        file += "-" + std::to_string(birth.QueryYear) + "-" + TwoDigits(birth.QueryMonth) + "-" +
                TwoDigits(birth.QueryDay);
    }
    return file + ".pdf";
}

}  // namespace velmora
