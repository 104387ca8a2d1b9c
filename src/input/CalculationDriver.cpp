#include "input/CalculationDriver.h"

#include <cmath>
#include <string_view>

#include "engine/Engine.h"
#include "input/ValidateInput.h"
#include "panchang/PanchangReport.h"
#include "panchang/PanchangTables.h"
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

void CopyFormIntoBirthRecord(const InputForm& form, const QueryDate& date, BirthRecord& b) {
    if (date.month) b.QueryMonth = static_cast<std::int16_t>(*date.month);
    if (date.day) b.QueryDay = *date.day;
    if (date.year) b.QueryYear = *date.year;
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

// A span text the panchang could not form is a failed step: the previous one stays.
void KeepSpan(std::string& kept, const std::string& span) {
    if (!span.empty()) kept = span;
}

template <typename Text>
void KeepText(std::string& kept, const std::optional<Text>& text) {
    if (text) kept = std::string(*text);
}

// The panchang's values into the kept state and onto the page. A missing value
// leaves the state's previous value, or the page's design text.
void WritePanchang(const PanchangResult& p, CalculationState& state, ResultsPage& page) {
    if (p.VaraNumber) state.VaraNumber = p.VaraNumber;
    if (state.VaraNumber) {
        if (const std::optional<VaraRow> row = VaraRowOf(*state.VaraNumber)) {
            page.lblDay = std::string(row->lblDay);
            page.lblLord = std::string(row->lblLord);
            page.lblAlternateName = std::string(row->lblAlternateName);
            page.txtMoreAboutDayOfBirth = std::string(row->txtMoreAboutDayOfBirth);
        }
    }

    PanchangResults& kept = state.results;
    KeepText(kept.CurrentYoga, p.CurrentYoga);
    KeepText(page.txtYogaDesc, p.YogaText);
    KeepSpan(kept.CurrentYogaSpan, p.CurrentYogaSpan);

    KeepText(kept.CurrentTithi, p.CurrentTithi);
    if (p.Tithi) {
        const TithiRow& row = *p.Tithi;
        page.txtTithiDesc = std::string(row.nature);
        page.lblPhase = std::string(row.phase);
        page.lblNumber = std::string(row.number);
        page.lblTithiLord = std::string(row.lord);
        page.lblGroup = std::string(row.group);
        page.lblFeature = std::string(row.feature);
        page.lblTtype = std::string(row.type);
        page.txtType = std::string(row.typeText);
    }
    KeepSpan(kept.CurrentTithiSpan, p.CurrentTithiSpan);

    KeepText(kept.CurrentKarana, p.CurrentKarana);
    KeepSpan(kept.CurrentKaranaSpan, p.CurrentKaranaSpan);
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
    const QueryDate date = ReadQueryDate(form);
    if (auto refusal = ValidateInput(form, date)) return refusal;

    BirthRecord& b = state.birth;
    CopyFormIntoBirthRecord(form, date, b);

    const AyanamsaResult ayanamsa = ComputeAyanamsa(b);
    if (ayanamsa.AyanamsaText) page.lblAyanamsa = *ayanamsa.AyanamsaText;
    const NakshatraResult nakshatra = ComputeMoonNakshatra(b);
    if (nakshatra.MoonNakshatra) state.MoonNakshatra = std::string(*nakshatra.MoonNakshatra);
    // The panchang reads the working values of the engine's last entry.
    const PanchangResult panchang = CalculatePanchang(nakshatra.working, date);
    WritePanchang(panchang, state, page);

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
    page.lblNakshatra = state.MoonNakshatra;
    page.lblTithi = state.results.CurrentTithi;
    page.lblTithiTime = state.results.CurrentTithiSpan;
    page.lblKarna = state.results.CurrentKarana;
    page.lblKarnaTime = state.results.CurrentKaranaSpan;
    page.lblYoga = state.results.CurrentYoga;
    page.lblYogaTime = state.results.CurrentYogaSpan;

    WriteNakshatraFacing(state.MoonNakshatra, page);
    WriteMoonMansion(panchang.Mansion, page.lblNakshatra, page);
    return std::nullopt;
}

void WriteMoonMansion(const MoonMansionResult& m, std::string_view shownName, ResultsPage& page) {
    // Each is this run's value or nothing: a span kept from an earlier run
    // would not hold this moment.
    page.lblNakshatraTime = m.MansionSpan;
    page.lblNakshatraNote = NakshatraNoteText(shownName, m);
    page.lblPada = m.Pada ? IntText(*m.Pada % PadasPerMansion + 1) : std::string();
    page.lblPadaTime = m.PadaSpan;
    page.lblSyllable = m.Pada ? std::string(TableRow(PadaSyllables, *m.Pada).value_or("")) : std::string();
    page.lblMoonSign = m.MoonSign ? std::string(TableRow(SignDisplayNames, *m.MoonSign).value_or("")) : std::string();
    page.lblMoonSignTime = m.MoonSignSpan;
    page.lblSunSign = m.SunSign ? std::string(TableRow(SignDisplayNames, *m.SunSign).value_or("")) : std::string();
}

void WriteNakshatraFacing(std::string_view moonNakshatra, ResultsPage& page) {
    const FacingClass& facing = FacingOf(moonNakshatra);
    page.lblType = std::string(facing.type);
    page.lblNakshatraCharacterstic = std::string(facing.characteristic);
    page.txtMoreAboutNakshatra = std::string(facing.more);
}

}  // namespace velmora
