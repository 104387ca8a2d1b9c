#include "input/CalculationDriver.h"

#include <cmath>
#include <string_view>

#include "engine/Engine.h"
#include "input/ValidateInput.h"
#include "panchang/PanchangReport.h"
#include "shared/NumberText.h"

namespace velmora {

namespace {

// Each store below is one step that may fail: a text that is not a number (or
// does not fit 16 bits) leaves the field as the previous run left it.
void StoreInt16(std::int16_t& field, std::string_view text) {
    if (const auto value = TextToInt16(text)) field = *value;
}

// The zone is kept as a magnitude; its direction comes from the longitude.
void StoreMagnitude(std::int16_t& field, std::string_view text) {
    const auto value = TextToDouble(text);
    if (!value) return;
    if (const auto magnitude = DoubleToInt16(std::fabs(*value))) field = *magnitude;
}

void CopyFormIntoBirthRecord(const InputForm& form, BirthRecord& b) {
    const std::string month = MonthText(form);
    for (std::size_t i = 0; i < MonthNames.size(); ++i) {
        if (month == MonthNames[i]) {
            b.QueryMonth = static_cast<std::int16_t>(i + 1);
            break;
        }
    }
    StoreInt16(b.QueryDay, DateText(form));
    StoreInt16(b.QueryYear, YearText(form));
    StoreInt16(b.QueryHour, HourText(form));
    StoreInt16(b.QueryMinute, MinuteText(form));
    StoreMagnitude(b.ZoneHours, form.txtZoneHour);
    StoreMagnitude(b.ZoneMinutes, form.txtZoneMinute);
    StoreInt16(b.LonDegrees, form.txtLonD);
    StoreInt16(b.LonMinutes, form.txtLonM);
    StoreInt16(b.LatDegrees, form.txtLatD);
    StoreInt16(b.LatMinutes, form.txtLatM);
    b.LonIsEast = form.optLong == 0;
    b.LatIsSouth = form.optLat == 1;
    // A greyed box (2) counts as ticked.
    b.DstOn = form.chkDST != 0;
}

struct FacingClass {
    std::string_view type;
    std::string_view characteristic;
    std::string_view more;
};

constexpr std::string_view DownwardNames[] = {
    "Bharani", "Krittika", "Ashlesha",      "Magha",           "Vishakha",
    "Moola",   "Poorva Phalguni", "Purva Ashadha", "Poorva Bhadrapada"};
constexpr std::string_view SidewaysNames[] = {
    "Revati", "Ashwini",  "Chitra",    "Swati",   "Hasta",
    "Punarvasu", "Anuradha", "Mrigasira", "Jyeshtha"};

constexpr FacingClass Downward = {
    "Adhomukhi Nakshatra", "Downward Looking",
    "This nakshatra is good for tasks for which you need to look down like digging wells, "
    "foundations, canals, seeking treasure, etc."};
constexpr FacingClass Sideways = {
    "Parshvamukhi Nakshatra", "Looking on all sides",
    "This nakshatra is good for tasks for which you need to look on all sides like sowing of "
    "seeds, travel, purchases, etc."};
// "Nakshtra" is the caption's own spelling.
constexpr FacingClass Upward = {
    "Urdhvamukhi Nakshtra", "Upward Looking",
    "This nakshatra is good for tasks for which you need to look upward like accepting "
    "authority, coronation, etc."};

const FacingClass& FacingOf(std::string_view nakshatra) {
    const std::string_view name = TrimBlanks(nakshatra);
    for (const auto n : DownwardNames) {
        if (n == name) return Downward;
    }
    for (const auto n : SidewaysNames) {
        if (n == name) return Sideways;
    }
    return Upward;
}

}  // namespace

std::optional<Refusal> RunCalculation(const InputForm& form, CalculationState& state, ResultsPage& page) {
    if (auto refusal = ValidateInput(form)) return refusal;

    BirthRecord& b = state.birth;
    CopyFormIntoBirthRecord(form, b);

    ComputeAyanamsa(state, page);
    ComputeMoonNakshatra(state);
    // After the engine: the panchang reads the working values it leaves.
    CalculatePanchang(form, state, page);

    page.lblName = form.txtName;
    // Without a month name (never set) the date cannot be formed and the label
    // keeps its caption.
    if (b.QueryMonth >= 1 && b.QueryMonth <= 12) {
        page.lblDOB = std::string(MonthNames[static_cast<std::size_t>(b.QueryMonth - 1)]) + "/" +
                      IntText(b.QueryDay) + "/" + IntText(b.QueryYear);
    }
    page.lblTOB = IntText(b.QueryHour) + ":" + IntText(b.QueryMinute);
    // The hemisphere letters come from the option buttons themselves.
    page.lblLatitude = IntText(b.LatDegrees) + "\u00B0 " + IntText(b.LatMinutes) + "'" +
                       (form.optLat == 0 ? " N" : " S");
    page.lblLongitude = IntText(b.LonDegrees) + "\u00B0 " + IntText(b.LonMinutes) + "'" +
                        (form.optLong == 0 ? " E" : " W");
    page.lblCity = form.txtMCity;
    page.lblState = form.txtMState;
    page.lblCountry = form.txtMCountry;
    page.lblNakshatra = state.engine.MoonNakshatra;
    page.lblTithi = state.results.CurrentTithi;
    page.lblTithiTime = state.results.CurrentTithiSpan;
    page.lblKarna = state.results.CurrentKarana;
    page.lblKarnaTime = state.results.CurrentKaranaSpan;
    page.lblYoga = state.results.CurrentYoga;
    page.lblYogaTime = state.results.CurrentYogaSpan;

    WriteNakshatraFacing(state.engine.MoonNakshatra, page);
    return std::nullopt;
}

void WriteNakshatraFacing(std::string_view moonNakshatra, ResultsPage& page) {
    const FacingClass& facing = FacingOf(moonNakshatra);
    page.lblType = std::string(facing.type);
    page.lblNakshatraCharacterstic = std::string(facing.characteristic);
    page.txtMoreAboutNakshatra = std::string(facing.more);
}

}  // namespace velmora
