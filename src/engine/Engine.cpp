#include "engine/Engine.h"

#include <cmath>

#include "astronomy/Angles.h"
#include "astronomy/Calendar.h"
#include "astronomy/Epochs.h"
#include "engine/Ayanamsa.h"
#include "engine/LunarLongitude.h"

namespace velmora {

WorkingValues PrepareWorkingValues(const BirthRecord& b, double epochDayNumber) {
    WorkingValues w;
    w.CalcMonth = b.QueryMonth;
    w.CalcDay = b.QueryDay;
    w.CalcYear = b.QueryYear;
    w.LocalHours = b.QueryHour + b.QueryMinute / 60.0;
    w.ZoneOffset = b.ZoneHours + b.ZoneMinutes / 60.0;
    w.LonWest = b.LonDegrees + b.LonMinutes / 60.0;
    if (b.LonIsEast) w.LonWest = -w.LonWest;
    // 0° East gives -0, which is not below 0, so it counts as west.
    const bool clockAhead = w.LonWest < 0;
    if (b.DstOn) w.ZoneOffset = clockAhead ? w.ZoneOffset + 1 : w.ZoneOffset - 1;
    w.SignedZone = clockAhead ? w.ZoneOffset : -w.ZoneOffset;
    w.BirthDayNumber = CivilDayNumber(w.CalcMonth, w.CalcDay, w.CalcYear);
    // Hours of UT from the start of the civil date, not brought into 0..24: a
    // day change is carried by the fraction of the centuries below.
    w.UniversalHours = w.LocalHours - w.SignedZone;
    w.BirthCenturies = (w.BirthDayNumber - epochDayNumber + w.UniversalHours / 24 - 0.5) / DaysPerJulianCentury;
    return w;
}

AyanamsaResult ComputeAyanamsa(const BirthRecord& birth) {
    AyanamsaResult r;
    r.working = PrepareWorkingValues(birth, J1900);
    r.AyanamsaShift = AyanamsaShift1900(r.working.BirthCenturies);
    if (std::isfinite(r.AyanamsaShift)) r.AyanamsaText = FormatDms(r.AyanamsaShift);
    return r;
}

NakshatraResult ComputeMoonNakshatra(const BirthRecord& birth) {
    NakshatraResult r;
    r.working = PrepareWorkingValues(birth, J2000);
    r.AyanamsaShift = AyanamsaShift2000(r.working.BirthCenturies);
    r.BirthMoonLongitude = LunarLongitude(r.working.BirthCenturies);
    if (!std::isfinite(r.BirthMoonLongitude)) return r;
    r.BirthMoonLongitude = Normalize360(r.BirthMoonLongitude);
    // Sidereal: add minus the ayanamsa; one turn up is enough for a shift of
    // a few tens of degrees.
    r.BirthMoonLongitude = r.BirthMoonLongitude + r.AyanamsaShift;
    if (r.BirthMoonLongitude < 0) r.BirthMoonLongitude = r.BirthMoonLongitude + 360;
    // Mansions of 800 arc minutes (13°20'); exactly k × 13°20' is mansion k.
    const double index = std::floor(r.BirthMoonLongitude * 60 / 800);
    if (!(index >= 0 && index < static_cast<double>(NakshatraNames.size()))) return r;
    r.MoonNakshatra = NakshatraNames[static_cast<std::size_t>(index)];
    return r;
}

}  // namespace velmora
