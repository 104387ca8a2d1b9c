#include "engine/Engine.h"

#include <cmath>

#include "engine/Ayanamsa.h"
#include "engine/LunarLongitude.h"

namespace velmora {

double CivilDayNumber(int month, int day, int year) {
    // Months counted from March of year -4800, so that the leap day ends a year.
    // All quantities are whole numbers far below 2^53, so the doubles are exact
    // and floor is the Int of the formula.
    const double m = 12.0 * (year + 4800.0) + month - 3;
    double j = std::floor((365 * m + 7 + 2 * (m - 12 * std::floor(m / 12))) / 12) + day +
               std::floor(m / 48) - 32083;
    // Julian calendar up to 4 October 1582, Gregorian from the next day on.
    if (j > 2299171) j = j + std::floor(m / 4800) - std::floor(m / 1200) + 38;
    return j;
}

void PrepareWorkingValues(CalculationState& state, double epochDayNumber) {
    const BirthRecord& b = state.birth;
    EngineValues& w = state.engine;
    w.CalcMonth = b.QueryMonth;
    w.CalcDay = b.QueryDay;
    w.CalcYear = b.QueryYear;
    w.LocalHours = b.QueryHour + b.QueryMinute / 60.0;
    w.ZoneOffset = b.ZoneHours + b.ZoneMinutes / 60.0;
    w.LonWest = b.LonDegrees + b.LonMinutes / 60.0;
    if (b.LonIsEast) w.LonWest = -w.LonWest;
    // The zone's direction is taken from the longitude: east of Greenwich the
    // clock is ahead. 0° East gives -0, which is not below 0, so it counts as west.
    if (b.DstOn) {
        if (w.LonWest < 0) {
            w.ZoneOffset = w.ZoneOffset + 1;
        } else {
            w.ZoneOffset = w.ZoneOffset - 1;
        }
    }
    w.BirthDayNumber = CivilDayNumber(w.CalcMonth, w.CalcDay, w.CalcYear);
    // Hours of UT from the start of the civil date, not brought into 0..24: a
    // day change is carried by the fraction of the centuries below.
    if (w.LonWest < 0) {
        w.UniversalHours = w.LocalHours - w.ZoneOffset;
    } else {
        w.UniversalHours = w.LocalHours + w.ZoneOffset;
    }
    w.BirthCenturies = (w.BirthDayNumber - epochDayNumber + w.UniversalHours / 24 - 0.5) / 36525;
}

void ComputeAyanamsa(CalculationState& state, ResultsPage& page) {
    PrepareWorkingValues(state, Epoch1900DayNumber);
    EngineValues& w = state.engine;
    w.AyanamsaShift = AyanamsaShift1900(w.BirthCenturies);
    if (!std::isfinite(w.AyanamsaShift)) return;
    w.AyanamsaText = FormatDms(w.AyanamsaShift);
    page.lblAyanamsa = w.AyanamsaText;
}

namespace {

// While below 0 add 360, then while above 360 subtract 360 (360 itself stays).
// Each addition or subtraction of 360 on the way is exact, so fmod reaches the
// same last value as the loops without taking time that grows with |x|.
double ReduceTo360(double x) {
    if (x < 0) {
        const double r = std::fmod(x, 360.0);  // exact, in (-360, 0]
        x = r < 0 ? r + 360 : 0.0;
    }
    if (x > 360) {
        const double r = std::fmod(x, 360.0);  // exact, in [0, 360)
        x = r == 0 ? 360.0 : r;
    }
    return x;
}

}  // namespace

void ComputeMoonNakshatra(CalculationState& state) {
    PrepareWorkingValues(state, Epoch2000DayNumber);
    EngineValues& w = state.engine;
    w.AyanamsaShift = AyanamsaShift2000(w.BirthCenturies);
    w.BirthMoonLongitude = LunarLongitude(w.BirthCenturies);
    if (!std::isfinite(w.BirthMoonLongitude)) return;
    w.BirthMoonLongitude = ReduceTo360(w.BirthMoonLongitude);
    // Sidereal: add minus the ayanamsa; one turn up is enough for a shift of
    // a few tens of degrees.
    w.BirthMoonLongitude = w.BirthMoonLongitude + w.AyanamsaShift;
    if (w.BirthMoonLongitude < 0) w.BirthMoonLongitude = w.BirthMoonLongitude + 360;
    // Mansions of 800 arc minutes (13°20'); exactly k × 13°20' is mansion k.
    const double index = std::floor(w.BirthMoonLongitude * 60 / 800);
    if (!(index >= 0 && index < static_cast<double>(NakshatraNames.size()))) return;
    w.MoonNakshatra = std::string(NakshatraNames[static_cast<std::size_t>(index)]);
}

}  // namespace velmora
