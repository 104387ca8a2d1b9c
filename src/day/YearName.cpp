#include "day/YearName.h"

#include <cmath>

#include "day/DayTables.h"
#include "day/GoodHoursTables.h"

namespace velmora {

namespace {
int Mod(long long value, int by) { return static_cast<int>(((value % by) + by) % by); }
}  // namespace

int SouthSamvatsaraOfShaka(int shakaYear) { return Mod(static_cast<long long>(shakaYear) + SamvatsaraShakaOffset, 60); }

int NorthSamvatsaraOfVikram(int vikramYear) {
    long long index = static_cast<long long>(vikramYear) + SamvatsaraVikramOffset;
    for (const int from : NorthSamvatsaraExpunged) index += vikramYear >= from ? 1 : 0;
    return Mod(index, 60);
}

int TamilSamvatsaraOf(int chithiraiGregorianYear) {
    return SouthSamvatsaraOfShaka(chithiraiGregorianYear - ShakaYearOffset);
}

int RituOfMonth(int amantaMonth) { return Mod(amantaMonth, 12) / 2; }

std::optional<int> AyanaOfSiderealSun(double siderealSunDegrees) {
    if (!std::isfinite(siderealSunDegrees)) return std::nullopt;
    const double lon = siderealSunDegrees - 360 * std::floor(siderealSunDegrees / 360);
    // Makara starts at 270°, Karka at 90°.
    return lon >= 270 || lon < 90 ? 0 : 1;
}

}  // namespace velmora
