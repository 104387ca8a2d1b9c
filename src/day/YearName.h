#pragma once

#include <optional>
#include <string_view>

#include "day/LunarMonth.h"

// The year's name in the sixty-year cycle, the season (ritu) and the ayana,
// on the tables and rules of GoodHoursTables.h.
namespace velmora {

// Index 0..59 into SamvatsaraNames of a Shaka year as the South Indian
// almanacs name it, and of a Vikram year as the North Indian ones do.
int SouthSamvatsaraOfShaka(int shakaYear);
int NorthSamvatsaraOfVikram(int vikramYear);
// The Tamil year whose Chithirai 1 fell in this Gregorian year.
int TamilSamvatsaraOf(int chithiraiGregorianYear);

// The ritu (index into RituNames) of an amanta lunar month (0 = Chaitra).
int RituOfMonth(int amantaMonth);

// 0 = uttarayana (the sidereal Sun in Makara .. Mithuna), 1 = dakshinayana,
// from the sidereal Sun's longitude in degrees; nothing for no number.
std::optional<int> AyanaOfSiderealSun(double siderealSunDegrees);

}  // namespace velmora
