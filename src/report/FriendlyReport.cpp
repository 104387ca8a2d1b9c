#include "report/FriendlyReport.h"

#include <cctype>
#include <string_view>
#include <vector>

namespace velmora {

namespace {

bool AllDigits(std::string_view s) {
    if (s.empty()) return false;
    for (const char c : s) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

// The position of a whole number's entry in a list ("07" chooses "7").
int FindNumber(InputList list, std::string_view text) {
    if (!AllDigits(text) || text.size() > 6) return -1;
    return ListFind(list, std::to_string(std::stoi(std::string(text))));
}

std::vector<std::string_view> Split(std::string_view s, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const auto at = s.find(separator, start);
        parts.push_back(s.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
        if (at == std::string_view::npos) break;
        start = at + 1;
    }
    return parts;
}

// "28:36N" into the degree and minute boxes and the hemisphere button
// (`first` is the letter of button 0). Without a letter button 0 stays.
std::optional<std::string> Coordinate(std::string_view value, std::string_view option, char first,
                                      char second, std::string& degrees, std::string& minutes,
                                      int& button) {
    if (value.empty()) return std::nullopt;
    const char last = static_cast<char>(std::toupper(static_cast<unsigned char>(value.back())));
    if (last == first || last == second) {
        button = last == first ? 0 : 1;
        value.remove_suffix(1);
    }
    const auto parts = Split(value, ':');
    if (parts.size() > 2) {
        return std::string("--") + std::string(option) + " must look like 28:36" + first;
    }
    degrees = std::string(parts[0]);
    minutes = parts.size() == 2 ? std::string(parts[1]) : "0";
    return std::nullopt;
}

}  // namespace

std::optional<std::string> FormFromOptions(const FriendlyOptions& o, InputForm& form) {
    form.txtName = o.name;
    form.txtMCity = o.city;
    form.txtMState = o.state;
    form.txtMCountry = o.country;

    std::string_view day = o.day, month = o.month, year = o.year;
    if (!o.date.empty()) {
        const auto parts = Split(o.date, '-');
        if (parts.size() != 3) return std::string("--date must look like 1987-08-15");
        year = parts[0];
        month = parts[1];
        day = parts[2];
    }
    if (!month.empty()) {
        int position = ListFind(InputList::Month, month);
        if (position < 0) {
            const int number = FindNumber(InputList::Date, month);  // 1..31 as text
            position = number >= 0 && number < 12 ? number : -1;
        }
        if (position < 0) return "no month " + std::string(month) + " (1..12 or January..December)";
        form.cboMonth = position;
    }
    if (!day.empty()) {
        const int position = FindNumber(InputList::Date, day);
        if (position < 0) return "no day " + std::string(day) + " (1..31)";
        form.cboDate = position;
    }
    if (!year.empty()) {
        const int position = FindNumber(InputList::Year, year);
        if (position < 0) return "no year " + std::string(year) + " (1901..2050)";
        form.cboYear = position;
    }
    if (!o.time.empty()) {
        const auto parts = Split(o.time, ':');
        const int hour = FindNumber(InputList::Hour, parts[0]);
        const int minute = parts.size() == 2 ? FindNumber(InputList::Minute, parts[1]) : -1;
        if (parts.size() != 2 || hour < 0 || minute < 0) {
            return std::string("--time must look like 10:30 (hours 0..23, minutes 0..59)");
        }
        form.cboHH = hour;
        form.cboMM = minute;
    }
    if (auto wrong = Coordinate(o.lat, "lat", 'N', 'S', form.txtLatD, form.txtLatM, form.optLat)) {
        return wrong;
    }
    if (auto wrong = Coordinate(o.lon, "lon", 'E', 'W', form.txtLonD, form.txtLonM, form.optLong)) {
        return wrong;
    }
    if (!o.zone.empty()) {
        const auto parts = Split(o.zone, ':');
        if (parts.size() > 2) return std::string("--zone must look like 5:30");
        form.txtZoneHour = std::string(parts[0]);
        form.txtZoneMinute = parts.size() == 2 ? std::string(parts[1]) : "0";
    }
    form.chkDST = o.dst ? 1 : 0;
    return std::nullopt;
}

namespace {

std::size_t Columns(std::string_view s) {
    std::size_t n = 0;
    for (const char c : s) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    }
    return n;
}

// A paragraph, each of its lines wrapped at word boundaries, indented.
void AppendParagraph(std::string& out, std::string_view text, std::string_view indent) {
    constexpr std::size_t width = 78;
    if (text.empty()) return;
    for (auto line : Split(text, '\n')) {
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        std::string current;
        for (const auto word : Split(line, ' ')) {
            if (word.empty()) continue;
            if (!current.empty() && Columns(indent) + Columns(current) + 1 + Columns(word) > width) {
                out += std::string(indent) + current + "\n";
                current.clear();
            }
            if (!current.empty()) current += ' ';
            current += word;
        }
        out += current.empty() ? std::string("\n") : std::string(indent) + current + "\n";
    }
}

void AppendValue(std::string& out, std::string_view caption, std::string_view value) {
    std::string line = "  " + std::string(caption);
    if (!value.empty()) {
        while (Columns(line) < 28) line += ' ';
        line += value;
    }
    out += line + "\n";
}

}  // namespace

std::string ReadableReport(const ResultsPage& p) {
    std::string out;
    out += "Your Details\n";
    AppendValue(out, "Name", p.lblName);
    AppendValue(out, "Date of Query", p.lblDOB);
    AppendValue(out, "Time of Query", p.lblTOB);
    AppendValue(out, "Longitude", p.lblLongitude);
    AppendValue(out, "Latitude", p.lblLatitude);
    AppendValue(out, "City", p.lblCity);
    AppendValue(out, "State", p.lblState);
    AppendValue(out, "Country", p.lblCountry);
    AppendValue(out, "Ayanamsa", p.lblAyanamsa);

    out += "\nVaar\n";
    AppendValue(out, "Day Of Birth", p.lblDay);
    AppendValue(out, "Alternate Name", p.lblAlternateName);
    AppendValue(out, "Lord", p.lblLord);
    out += "  About Your Vaar\n";
    AppendParagraph(out, p.txtMoreAboutDayOfBirth, "    ");

    out += "\nNakshatra\n";
    AppendValue(out, "Nakshatra", p.lblNakshatra);
    AppendValue(out, "Type", p.lblType);
    AppendValue(out, "Nakshatra Characterstic", p.lblNakshatraCharacterstic);
    out += "  About Your Nakshatra\n";
    AppendParagraph(out, p.txtMoreAboutNakshatra, "    ");

    out += "\nTithi\n";
    AppendValue(out, "Tithi", p.lblTithi);
    AppendValue(out, "Lord", p.lblTithiLord);
    AppendValue(out, "Number", p.lblNumber);
    AppendValue(out, "Phase", p.lblPhase);
    AppendValue(out, "Tithi Group", p.lblGroup);
    AppendValue(out, "Tithi Features", p.lblFeature);
    AppendValue(out, "Tithi Type", p.lblTtype);
    AppendParagraph(out, p.txtType, "    ");
    out += "  Nature\n";
    AppendParagraph(out, p.txtTithiDesc, "    ");
    AppendValue(out, "Time", p.lblTithiTime);

    out += "\nYoga\n";
    AppendValue(out, "Yoga", p.lblYoga);
    AppendValue(out, "Time", p.lblYogaTime);
    out += "  About Your Yoga\n";
    AppendParagraph(out, p.txtYogaDesc, "    ");

    out += "\nKarna\n";
    AppendValue(out, "Karna", p.lblKarna);
    AppendValue(out, "Time", p.lblKarnaTime);
    return out;
}

}  // namespace velmora
