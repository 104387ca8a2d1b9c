#pragma once

#include <QPageSize>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>
#include <string>

#include "calendar/MonthGrid.h"
#include "names/Language.h"

class QPaintDevice;
class QPainter;
class QPagedPaintDevice;

// The month calendar drawn with a painter: the same drawing on the window, a
// printer and a PDF. Needs a QGuiApplication (fonts), no widgets.
namespace velmora {

struct MonthDrawing {
    std::string place;                  // "Pune, Maharashtra, India · Asia/Kolkata"
    std::optional<CalendarDate> selected;  // the date with the keyboard's focus
    bool focused = false;               // draw the focus frame round the selected date
    Language language = Language::English;  // of the names and words drawn
    int solarCalendar = -1;             // the solar date shown in small type: 0 Tamil, 1 Malayalam, 2 Bengali; -1 none
    // The person the calendar was opened for: each date's tarabalam and
    // chandrabalam as a small mark.
    std::optional<int> birthNakshatra;  // 1..27
    std::optional<int> birthMoonSign;   // 0..11
    // The body text's size in the boxes: 0 on paper (it follows the box),
    // the window's own size on screen (at least 8 points).
    double textPixels = 0;
};

// The smallest area in which the month shows every date's box whole with the
// drawing's body text (`textPixels`), language and marks on `device`: what
// the window needs before it scrolls. Its width is the narrowest that cuts no
// word, or `width` when that is wider; its height what the boxes need at that
// width.
QSizeF MonthMinimumSize(const MonthGrid& grid, const MonthDrawing& drawing, const QPaintDevice* device,
                        double width = 0);

// The name over a weekday's column (0 Sunday .. 6 Saturday) `width` pixels
// wide in `font` on `device`: the whole names where every one of them fits,
// else the short ones ("Wed"), so that a narrow box shows a whole word, never
// a cut one, and the row one form.
QString WeekdayHeading(int weekday, Language language, const QFont& font, const QPaintDevice* device, double width);

// Draws the title, the lunar months and years, the weekday names and the
// weeks of `grid` inside `area`. The type follows the size of a date's box,
// so the drawing fits any area (it gets small, never cut).
void PaintMonth(const MonthGrid& grid, const MonthDrawing& drawing, QPainter& painter, const QRectF& area);

// The rectangle of a date's box inside `area` as PaintMonth lays it out, or
// an empty one for a date the grid does not show in its month.
QRectF MonthCellRect(const MonthGrid& grid, const CalendarDate& date, const QRectF& area, double textPixels = 0);
// The date whose box holds `point`, if any.
std::optional<CalendarDate> MonthDateAt(const MonthGrid& grid, const QRectF& area, QPointF point,
                                        double textPixels = 0);

// The month on one landscape page of `device`.
void PaintMonthPage(const MonthGrid& grid, const std::string& place, QPagedPaintDevice& device, QPainter& painter,
                    Language language = Language::English);
// The same with the solar date, the person's marks and the language of `drawing`.
void PaintMonthPage(const MonthGrid& grid, const MonthDrawing& drawing, QPagedPaintDevice& device, QPainter& painter);

// Writes the month as a one-page landscape PDF of `pageSize` at `path`,
// completely or not at all. Returns an empty text, or a message that names the
// file and the reason.
QString SaveMonthPdf(const MonthGrid& grid, const std::string& place, const QString& path, const QPageSize& pageSize,
                     Language language = Language::English);
QString SaveMonthPdf(const MonthGrid& grid, const MonthDrawing& drawing, const QString& path, const QPageSize& pageSize);

}  // namespace velmora
