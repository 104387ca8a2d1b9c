#pragma once

// How a chart is drawn: the North Indian diamond (the houses fixed, the lagna
// in the top diamond, the signs numbered) or the South Indian square (the
// signs fixed, Meena in the top left corner, the lagna marked).
namespace velmora {

enum class ChartStyle { NorthIndian, SouthIndian };

// The rasi chart (D1, the signs of the grahas) or the navamsa (D9).
enum class ChartDivision { Rasi, Navamsa };

}  // namespace velmora
