#include "input/ValidateInput.h"

#include <cmath>
#include <cstdint>

#include "shared/NumberText.h"

namespace velmora {

namespace {

// The degree boxes pass on their leading number, so "12abc" reads 12 and a
// text with no leading digits reads 0 and passes.
bool DegreesOutOfRange(const std::string& text, double highest) {
    const std::string_view trimmed = TrimBlanks(text);
    if (trimmed.empty()) return true;
    const double value = LeadingNumber(trimmed);
    // A comparison that cannot be made (not a number) refuses.
    if (std::isnan(value)) return true;
    return value > highest || value < 0;
}

// The minute boxes must hold a number as a whole; a text that is no number
// refuses, like one outside 0..59.
bool MinutesOutOfRange(const std::string& text) {
    const std::string_view trimmed = TrimBlanks(text);
    if (trimmed.empty()) return true;
    const auto value = TextToDouble(trimmed);
    if (!value) return true;
    return *value > 59 || *value < 0;
}

Refusal Critical(const char* message, const char* focus) {
    return Refusal{message, MessageIcon::Critical, focus};
}

Refusal Information(const char* message) { return Refusal{message, MessageIcon::Information, ""}; }

}  // namespace

std::optional<Refusal> ValidateInput(const InputForm& form) { return ValidateInput(form, ReadQueryDate(form)); }

std::optional<Refusal> ValidateInput(const InputForm& form, const QueryDate& date) {
    if (TrimBlanks(form.txtName).empty()) return Critical("Please Enter Name", "txtName");
    if (DegreesOutOfRange(form.txtLonD, 179)) {
        return Critical("Please Enter Value Between 0 And 179 in the Degree of Longitude", "txtLonD");
    }
    if (MinutesOutOfRange(form.txtLonM)) {
        return Critical("Please Enter Value Between 0 And 59 in the  Minute of Longitude", "txtLonM");
    }
    if (DegreesOutOfRange(form.txtLatD, 89)) {
        return Critical("Please Enter Value Between 0 And 89 in the Degree of Latitude", "txtLatD");
    }
    if (MinutesOutOfRange(form.txtLatM)) {
        return Critical("Please Enter Value Between 0 And 59 in the  Minute of Latitude", "txtLatM");
    }

    // Positions in the lists: month 1 is February, day position p is day p + 1.
    // Leap years by the rule of four alone, which the years 1901..2050 of the
    // list do not contradict.
    const int month = form.cboMonth;
    const int day = form.cboDate;
    if (month == 1) {
        const std::optional<std::int16_t> year = date.year;
        // Without a year the February check cannot be evaluated; it then counts
        // as failed.
        if (!year) return Information("Please Enter Correct Date Or Month!");
        const bool leap = *year % 4 == 0;
        const bool refused = leap ? (day == 29 || day == 30) : (day >= 28 && day <= 30);
        if (refused) return Information("Please Enter Correct Date Or Month!");
    }
    if ((month == 3 || month == 5 || month == 8 || month == 10) && day == 30) {
        return Information("Please Enter Correct Date Or Month !");
    }
    return std::nullopt;
}

}  // namespace velmora
