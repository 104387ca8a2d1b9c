#pragma once

#include <array>
#include <optional>
#include <string>

#include "chart/Dasha.h"
#include "chart/Grahas.h"
#include "shared/BirthRecord.h"

// The birth chart of a moment and place: the lagna and the nine grahas with
// their sign, place in the sign, nakshatra and pada, the navamsa (D9) sign of
// each, and the Vimshottari dasha from the Moon.
//
// The navamsa divides each sign into nine parts of 3°20′; counted on from 0°
// sidereal without a break, the n-th part (n = ⌊λ / 3°20′⌋) falls in sign
// n mod 12 (the movable signs start their navamsas from themselves, the fixed
// ones from the ninth, the dual ones from the fifth, which is the same count).
namespace velmora {

struct ChartPoint {
    double longitude = 0;  // sidereal, degrees 0 <= λ < 360
    double speed = 0;      // degrees a day
    int sign = 0;          // 0 Mesha .. 11 Meena
    int degree = 0;        // within the sign, 0..29
    int minute = 0;
    int second = 0;
    int nakshatra = 0;     // 0 Ashwini .. 26 Revati
    int pada = 1;          // 1..4
    int navamsaSign = 0;   // 0..11
    bool retrograde = false;
};

struct BirthChart {
    NodeKind node = NodeKind::Mean;
    double jdUt = 0;       // the moment
    double zoneHours = 0;  // local clock = UT + zoneHours (the run's zone, daylight saving included)
    double ayanamsa = 0;   // true Lahiri ayanamsa, degrees
    ChartPoint lagna;
    std::array<ChartPoint, GrahaCount> grahas{};
    Vimshottari dasha;
};

// The sign, place, nakshatra, pada and navamsa of a sidereal longitude.
ChartPoint ChartPointOf(double siderealDeg, double speedDegPerDay);

// The chart at a moment (Julian day, UT, with ΔT in seconds) and place
// (degrees, north and east positive); `zoneHours` only for the dates shown.
// Nothing for a moment or place that is not finite.
std::optional<BirthChart> ChartAt(double jdUt, double deltaTSeconds, double latitudeDeg, double longitudeEastDeg,
                                  double zoneHours, NodeKind node);

// The chart of a run's birth record, at the same moment (UT) as the other
// tabs, with the program's ΔT. Nothing when the record holds no moment (a
// record no run has filled).
std::optional<BirthChart> ChartOf(const BirthRecord& birth, NodeKind node);

// "23°04′05″": the place in the sign.
std::string DegreeInSignText(const ChartPoint& point);

// The local date of a Julian day (UT) on the chart's zone, "1944-08-01";
// empty when it cannot be shown as a date.
std::string ChartDateText(double jdUt, double zoneHours);

}  // namespace velmora
