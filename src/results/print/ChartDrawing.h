#pragma once

#include <QRectF>

#include "chart/Chart.h"
#include "chart/ChartStyle.h"
#include "names/Language.h"

class QFont;
class QPainter;

// The one drawing of a chart, the same on the window, the printer and the
// PDF: the frame of the chosen style, the sign numbers or the lagna's mark,
// and in each house the abbreviations of the grahas in it (As for the lagna,
// "(R)" after a retrograde graha). Black lines and text on what is there.
namespace velmora {

// The sign (0..11) of the lagna and of each graha in one division.
struct ChartSigns {
    int lagna = 0;
    std::array<int, GrahaCount> grahas{};
    std::array<bool, GrahaCount> retrograde{};
};

ChartSigns ChartSignsOf(const BirthChart& chart, ChartDivision division);

// The house (1..12, counted from the lagna's sign) of a sign.
int HouseOfSign(int sign, int lagnaSign);

// Draws the chart as large as fits in `area`, square and centred. The type
// follows the chart's size from `font` (its family and weight), shrinking in
// a crowded house until its names fit. The abbreviations, the retrograde
// mark and the South Indian chart's sign names are in `language`.
void DrawChart(QPainter& painter, const QRectF& area, const ChartSigns& signs, ChartStyle style,
               const QString& title, const QFont& font, Language language = Language::English);

}  // namespace velmora
