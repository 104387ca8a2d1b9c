#pragma once

#include <QString>

#include "results/Report.h"

class QPainter;
class QPagedPaintDevice;

// The printed Chart page: the rasi and navamsa charts side by side in the
// style the window shows (results/print/ChartDrawing.h), the table of
// positions, the balance of dasha and the nine mahadashas with their
// antardashas; one page, the type shrinking as far as needed.
namespace velmora {

// Draws the chart of `report` (report.chart must hold one) on the current
// page of `device`, inside its paint rectangle.
void PaintChartPage(const Report& report, QPagedPaintDevice& device, QPainter& painter);

// The page's text below the charts as rich text, font sizes times `scale`.
QString ChartPageHtml(const Report& report, double scale);

}  // namespace velmora
