#include "results/print/MonthDocument.h"

#include "calendar/AlmanacMarks.h"
#include "calendar/CalendarNames.h"
#include "names/NameTables.h"

#include <QCoreApplication>

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/CalendarEvents.h"
#include "day/GoodHoursTables.h"
#include "day/Tarabalam.h"
#include "results/print/ReportDocument.h"
#include "results/print/SafeReplace.h"

namespace velmora {

namespace {

QString Text(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

struct Layout {
    QRectF title;     // month and place
    QRectF subtitle;  // lunar months and years
    QRectF weekdays;
    QRectF grid;
    double cellWidth = 0;
    double cellHeight = 0;
};

// The height of the title's band: a share of the page on paper; in the
// window, from its body text (`textPixels`), so that a month taller than the
// window, which scrolls, does not blow its title up.
double BandHeight(const QRectF& area, double textPixels) {
    return textPixels > 0 ? textPixels * 3.2 : std::max(area.height() * 0.055, 1.0);
}

Layout LayOut(const MonthGrid& grid, const QRectF& area, double textPixels = 0) {
    Layout layout;
    const double band = BandHeight(area, textPixels);
    layout.title = QRectF(area.left(), area.top(), area.width(), band);
    layout.subtitle = QRectF(area.left(), layout.title.bottom(), area.width(), band * 0.75);
    layout.weekdays = QRectF(area.left(), layout.subtitle.bottom() + band * 0.15, area.width(), band * 0.7);
    layout.grid = QRectF(area.left(), layout.weekdays.bottom(), area.width(), area.bottom() - layout.weekdays.bottom());
    const double rows = std::max<double>(static_cast<double>(grid.weeks.size()), 1.0);
    layout.cellWidth = layout.grid.width() / 7;
    layout.cellHeight = layout.grid.height() / rows;
    return layout;
}

QFont FontOfHeight(double pixels, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    font.setBold(bold);
    return font;
}

// One line of text at the top of `box`, elided to its width; moves the top of
// `box` down by the line's height.
void Line(QPainter& painter, QRectF& box, const QString& text, const QFont& font, const QColor& colour,
          Qt::Alignment align = Qt::AlignLeft) {
    const QFontMetricsF metrics(font, painter.device());
    const double height = metrics.height();
    if (box.height() < height * 0.8) return;
    painter.setFont(font);
    painter.setPen(colour);
    const QRectF where(box.left(), box.top(), box.width(), height);
    painter.drawText(where, static_cast<int>(align | Qt::AlignVCenter),
                     metrics.elidedText(text, Qt::ElideRight, box.width()));
    box.setTop(box.top() + height);
}

// The type of a date's box: body text of `small` pixels (the date larger).
struct CellFonts {
    explicit CellFonts(double small, bool shortBox)
        : number(FontOfHeight(small * (shortBox ? 1.35 : 1.7), true)),
          body(FontOfHeight(small)),
          bodyBold(FontOfHeight(small, true)),
          tiny(FontOfHeight(small * 0.9)),
          tinyBold(FontOfHeight(small * 0.9, true)) {}
    QFont number, body, bodyBold, tiny, tinyBold;
};

// The body text's size in a box of `height`: on paper it follows the box
// down to a floor that stays legible; the window gives its own size
// (`fixed`, never below 8 points), and scrolls rather than shrink it.
double SmallText(double height, double fixed) {
    if (fixed > 0) return fixed;
    return std::max(height / 9.0, std::min(height / 4.0, 7.0));
}

// The margin inside a date's box.
double CellPad(double height, double fixed) { return std::max((fixed > 0 ? fixed * 9 : height) * 0.04, 1.0); }

// One piece of a date's box. Pieces wrap at word boundaries, never cut short.
struct Item {
    QString text;
    const QFont* font;
    QColor colour;
    bool bottom;   // drawn at the box's foot (sunrise and sunset)
    int priority;  // 0 first: what a small printed box keeps
};

// The pieces of a box; `cell` is in the drawing's language already
// (LocalizedGrid).
std::vector<Item> CellItems(const MonthCell& cell, const CellFonts& fonts, const MonthDrawing& drawing) {
    std::vector<Item> items;
    const AlmanacBox box = AlmanacBoxOf(cell, drawing.language);
    if (!box.masaBegins.empty()) items.push_back({Text(box.masaBegins), &fonts.tiny, QColor(0x7a, 0x3a, 0x00), false, 1});
    items.push_back({Text(box.tithi), &fonts.bodyBold, Qt::black, false, 0});
    for (const std::string& kshaya : box.kshaya) items.push_back({Text(kshaya), &fonts.tiny, Qt::black, false, 1});
    items.push_back({Text(box.nakshatra), &fonts.body, QColor(0x30, 0x30, 0x30), false, 2});
    for (const std::string& festival : cell.festivals) {
        items.push_back({Text(festival), &fonts.tinyBold, QColor(0x0b, 0x5d, 0x2a), false, 1});
    }
    // The person's tarabalam and chandrabalam: "T3✗ C5✓", green when both
    // are good, red when neither is.
    if (drawing.birthNakshatra && drawing.birthMoonSign && cell.nakshatraNumber > 0 && cell.moonSign >= 0) {
        const std::optional<int> tara = TaraOf(*drawing.birthNakshatra, cell.nakshatraNumber);
        const std::optional<int> place = ChandraPlaceOf(*drawing.birthMoonSign, cell.moonSign);
        if (tara && place) {
            const bool taraGood = TaraGood[static_cast<std::size_t>(*tara - 1)];
            const bool chandraGood = ChandrabalamGood[static_cast<std::size_t>(*place - 1)];
            const QString mark = QStringLiteral("T%1%2 C%3%4")
                                     .arg(*tara)
                                     .arg(taraGood ? QStringLiteral("\u2713") : QStringLiteral("\u2717"))
                                     .arg(*place)
                                     .arg(chandraGood ? QStringLiteral("\u2713") : QStringLiteral("\u2717"));
            const QColor colour = taraGood && chandraGood     ? QColor(0x1a, 0x7f, 0x37)
                                  : !taraGood && !chandraGood ? QColor(0xb4, 0x23, 0x18)
                                                              : QColor(0x8a, 0x5a, 0x00);
            items.push_back({mark, &fonts.tiny, colour, false, 1});
        }
    }
    for (const std::string& observance : cell.observances) {
        items.push_back({Text(observance), &fonts.tiny, QColor(0x9a, 0x1b, 0x1b), false, 1});
    }
    if (!box.sankranti.empty()) items.push_back({Text(box.sankranti), &fonts.tiny, QColor(0x15, 0x4a, 0x8a), false, 1});
    for (const std::string& eclipse : cell.eclipses) {
        items.push_back({Text(eclipse), &fonts.tiny, QColor(0x5b, 0x2a, 0x86), false, 1});
    }
    if (!box.moon.empty()) items.push_back({Text(box.moon), &fonts.tiny, QColor(0x30, 0x30, 0x30), false, 2});
    items.push_back({Text(box.sun), &fonts.tiny, QColor(0x50, 0x50, 0x50), true, 2});
    return items;
}

double WrappedHeight(const Item& item, double width, const QPaintDevice* device) {
    const QFontMetricsF metrics(*item.font, const_cast<QPaintDevice*>(device));
    const QRectF bound = metrics.boundingRect(QRectF(0, 0, std::max(width, 1.0), 1e6),
                                              Qt::AlignLeft | Qt::TextWordWrap, item.text);
    return std::max(bound.height(), metrics.height());
}

// Draws a piece wrapped to the box's width at its top (or at its foot) and
// moves the box's top below it.
void DrawItem(QPainter& painter, QRectF& box, const Item& item, double height) {
    painter.setFont(*item.font);
    painter.setPen(item.colour);
    const double top = item.bottom ? std::max(box.top(), box.bottom() - height) : box.top();
    painter.drawText(QRectF(box.left(), top, box.width(), height), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     item.text);
    if (!item.bottom) box.setTop(box.top() + height);
}

// The height a date's box needs for all its pieces at `width` (box padding
// included), with body text of `small` pixels.
double CellNeeds(const MonthCell& cell, double width, double small, const QPaintDevice* device,
                 const MonthDrawing& drawing) {
    const double pad = CellPad(0, small);
    const CellFonts fonts(small, small * 9 < 60);
    double needed = QFontMetricsF(fonts.number, const_cast<QPaintDevice*>(device)).height() + 2 * pad;
    if (!cell.inMonth || !cell.computed) return needed + QFontMetricsF(fonts.body, const_cast<QPaintDevice*>(device)).height();
    for (const Item& item : CellItems(cell, fonts, drawing)) needed += WrappedHeight(item, width - 3 * pad, device);
    return needed;
}

void PaintCell(const MonthCell& cell, const MonthDrawing& drawing, QPainter& painter, const QRectF& rect, bool selected,
               bool focused) {
    const double fixed = drawing.textPixels;
    const double pad = CellPad(rect.height(), fixed);
    const int weekday = WeekdayOf(cell.date);
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), std::max(rect.height() / 200.0, 0.5)));
    painter.setBrush(selected ? QColor(0xdc, 0xe8, 0xfa) : weekday == 0 ? QColor(0xfb, 0xf3, 0xe8) : Qt::white);
    painter.drawRect(rect);
    if (!cell.inMonth) return;
    if (selected && focused) {
        QPen pen(QColor(0x1a, 0x5f, 0xb4), std::max(rect.height() / 40.0, 1.5));
        pen.setStyle(Qt::SolidLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const double inset = pen.widthF() / 2 + 1;
        painter.drawRect(rect.adjusted(inset, inset, -inset, -inset));
    }
    if (cell.masaBegins) {
        // The month's first date: a band along the box's left edge.
        painter.fillRect(QRectF(rect.left(), rect.top(), std::max(rect.width() / 40, 2.0), rect.height()),
                         QColor(0xc8, 0x7a, 0x1e));
    }

    QRectF box = rect.adjusted(pad * 1.5, pad, -pad * 1.5, -pad);
    const double small = SmallText(rect.height(), fixed);
    const CellFonts fonts(small, small * 9 < 60);

    // The date, and the moon's mark at the right.
    const QFontMetricsF numberMetrics(fonts.number, painter.device());
    const QRectF numberBox(box.left(), box.top(), box.width(), numberMetrics.height());
    painter.setFont(fonts.number);
    painter.setPen(weekday == 0 ? QColor(0xa0, 0x20, 0x20) : Qt::black);
    painter.drawText(numberBox, Qt::AlignLeft | Qt::AlignVCenter, QString::number(cell.date.day));
    if (cell.moon) {
        const double d = numberMetrics.height() * 0.6;
        const QRectF disc(numberBox.right() - d, numberBox.center().y() - d / 2, d, d);
        painter.setPen(QPen(Qt::black, std::max(d / 10, 0.5)));
        painter.setBrush(*cell.moon == MoonPhase::Full ? QColor(0xff, 0xf4, 0xc0) : QColor(0x20, 0x20, 0x20));
        painter.drawEllipse(disc);
        painter.setBrush(Qt::NoBrush);
    }
    // The chosen solar date in small type at the right of the date, left of
    // the moon's mark.
    if (drawing.solarCalendar >= 0 && drawing.solarCalendar < 3) {
        const std::string& solar = cell.solar[static_cast<std::size_t>(drawing.solarCalendar)];
        if (!solar.empty()) {
            QRectF right = numberBox;
            right.setRight(numberBox.right() - (cell.moon ? numberMetrics.height() * 0.8 : 0.0));
            right.setLeft(numberBox.left() + numberMetrics.horizontalAdvance(QStringLiteral("00 ")));
            Line(painter, right, Text(solar), fonts.tiny, QColor(0x15, 0x5a, 0x3a), Qt::AlignRight);
        }
    }
    box.setTop(numberBox.bottom());
    if (!cell.computed) {
        Line(painter, box, QStringLiteral("—"), fonts.body, Qt::darkGray);
        return;
    }

    // A box too small for everything keeps what matters most (the tithi,
    // then the observances, sankranti and kshaya tithi, then the rest); each
    // piece shown is shown whole, wrapped, never cut short. The window never
    // gets that small: it scrolls instead (MonthMinimumSize).
    const std::vector<Item> items = CellItems(cell, fonts, drawing);
    std::vector<double> heights;
    heights.reserve(items.size());
    for (const Item& item : items) heights.push_back(WrappedHeight(item, box.width(), painter.device()));
    std::vector<bool> shown(items.size(), false);
    double room = box.height();
    for (int priority = 0; priority <= 2; ++priority) {
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i].priority != priority || heights[i] > room) continue;
            room -= heights[i];
            shown[i] = true;
        }
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (shown[i] && !items[i].bottom) DrawItem(painter, box, items[i], heights[i]);
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (shown[i] && items[i].bottom) DrawItem(painter, box, items[i], heights[i]);
    }
}

// The page's foot line: how to read a date's box. From the name tables, so
// that the page is in its language whoever prints it (a program without the
// windows' translations too).
QString Legend(Language language) {
    return Text(std::string(LocalName(NameTable::Texts,
                                      "Tithi and nakshatra at sunrise, till when they last · ○ full moon, ● new moon · "
                                      "↑ sunrise, ↓ sunset, ☽↑ moonrise · band: a lunar month begins · %1",
                                      language)));
}

// How to read the person's marks, under a month drawn for a person.
QString MarksLegend(Language language) {
    static constexpr const char* english =
        QT_TRANSLATE_NOOP("Velmora", "T tarabalam, C chandrabalam (✓ good, ✗ bad)");
    return language == Language::English ? QString::fromUtf8(english)
                                         : QCoreApplication::translate("Velmora", english);
}

}  // namespace

void PaintMonth(const MonthGrid& englishGrid, const MonthDrawing& drawing, QPainter& painter, const QRectF& area) {
    // The names in the drawing's language; the layout does not depend on them.
    const MonthGrid grid = LocalizedGrid(englishGrid, drawing.language);
    const QString monthTitle = Text(LocalizedMonthTitle(grid.year, grid.month, drawing.language));
    const Layout layout = LayOut(grid, area, drawing.textPixels);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    QRectF title = layout.title;
    const QFont titleFont = FontOfHeight(layout.title.height() * 0.62, true);
    painter.setFont(titleFont);
    painter.setPen(Qt::black);
    painter.drawText(title, Qt::AlignLeft | Qt::AlignVCenter, monthTitle);
    const QFont placeFont = FontOfHeight(layout.title.height() * 0.42);
    const QFontMetricsF titleMetrics(titleFont, painter.device());
    const double titleWidth = titleMetrics.horizontalAdvance(monthTitle);
    QRectF placeBox(title.left() + titleWidth + title.height() * 0.6, title.top(),
                    std::max(title.width() - titleWidth - title.height() * 0.6, 0.0), title.height());
    Line(painter, placeBox, Text(drawing.place), placeFont, QColor(0x30, 0x30, 0x30), Qt::AlignRight);

    QRectF subtitle = layout.subtitle;
    std::string lunar = grid.lunarMonths;
    if (!grid.years.empty()) lunar += (lunar.empty() ? "" : "   ·   ") + grid.years;
    Line(painter, subtitle, Text(lunar), FontOfHeight(layout.subtitle.height() * 0.62), QColor(0x7a, 0x3a, 0x00));

    const QFont weekdayFont = FontOfHeight(layout.weekdays.height() * 0.6, true);
    for (int column = 0; column < 7; ++column) {
        QRectF box(layout.weekdays.left() + column * layout.cellWidth, layout.weekdays.top(), layout.cellWidth,
                   layout.weekdays.height());
        Line(painter, box, WeekdayHeading(column, drawing.language, weekdayFont, painter.device(), box.width()),
             weekdayFont,
             column == 0 ? QColor(0xa0, 0x20, 0x20) : Qt::black, Qt::AlignHCenter);
    }
    for (std::size_t row = 0; row < grid.weeks.size(); ++row) {
        for (int column = 0; column < 7; ++column) {
            const MonthCell& cell = grid.weeks[row][static_cast<std::size_t>(column)];
            const QRectF rect(layout.grid.left() + column * layout.cellWidth,
                              layout.grid.top() + static_cast<double>(row) * layout.cellHeight, layout.cellWidth,
                              layout.cellHeight);
            const bool selected = cell.inMonth && drawing.selected && *drawing.selected == cell.date;
            PaintCell(cell, drawing, painter, rect, selected, drawing.focused);
        }
    }
    painter.restore();
}

QString WeekdayHeading(int weekday, Language language, const QFont& font, const QPaintDevice* device, double width) {
    auto* paintDevice = const_cast<QPaintDevice*>(device);
    const QFontMetricsF metrics(font, paintDevice);
    // One form for the whole row: the whole names only when every one fits.
    double widest = 0;
    for (int day = 0; day < 7; ++day) {
        const QString whole = Text(std::string(NameAt(NameTable::Weekday, day, language).value_or("")));
        widest = std::max(widest, metrics.horizontalAdvance(whole));
    }
    const NameTable form = widest <= width ? NameTable::Weekday : NameTable::WeekdayShort;
    return Text(std::string(NameAt(form, weekday, language).value_or("")));
}

QSizeF MonthMinimumSize(const MonthGrid& englishGrid, const MonthDrawing& drawing, const QPaintDevice* device,
                        double width) {
    const double textPixels = drawing.textPixels;
    const MonthGrid grid = LocalizedGrid(englishGrid, drawing.language);
    const double small = std::max(textPixels, 1.0);
    auto* paintDevice = const_cast<QPaintDevice*>(device);
    const double pad = CellPad(0, small);
    const CellFonts fonts(small, small * 9 < 60);
    // A box at least as wide as the widest word it shows (so that nothing is
    // cut), and as a date's number.
    double cellWidth = QFontMetricsF(fonts.number, paintDevice).horizontalAdvance(QStringLiteral("30")) * 2;
    for (const auto& week : grid.weeks) {
        for (const MonthCell& c : week) {
            if (!c.inMonth || !c.computed) continue;
            for (const Item& item : CellItems(c, fonts, drawing)) {
                const QFontMetricsF metrics(*item.font, paintDevice);
                for (const QString& word : item.text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                    cellWidth = std::max(cellWidth, metrics.horizontalAdvance(word));
                }
            }
        }
    }
    // The weekdays' short names whole over their columns (WeekdayHeading).
    const QFont weekdayFont = FontOfHeight(BandHeight(QRectF(), small) * 0.7 * 0.6, true);
    const QFontMetricsF weekdayMetrics(weekdayFont, paintDevice);
    for (int weekday = 0; weekday < 7; ++weekday) {
        const std::string_view name = NameAt(NameTable::WeekdayShort, weekday, drawing.language).value_or("");
        cellWidth = std::max(cellWidth, weekdayMetrics.horizontalAdvance(Text(std::string(name))));
    }
    cellWidth = std::ceil(cellWidth + 3 * pad + 2);
    cellWidth = std::max(cellWidth, width / 7);
    double cell = small * 9;
    for (const auto& week : grid.weeks) {
        for (const MonthCell& c : week) cell = std::max(cell, CellNeeds(c, cellWidth, small, device, drawing));
    }
    // The bands above the weeks (LayOut).
    const double rows = std::max<double>(static_cast<double>(grid.weeks.size()), 1.0);
    const double bands = BandHeight(QRectF(), small) * (1 + 0.75 + 0.15 + 0.7);
    return {cellWidth * 7, std::ceil(std::ceil(cell) * rows + bands)};
}

QRectF MonthCellRect(const MonthGrid& grid, const CalendarDate& date, const QRectF& area, double textPixels) {
    const Layout layout = LayOut(grid, area, textPixels);
    for (std::size_t row = 0; row < grid.weeks.size(); ++row) {
        for (int column = 0; column < 7; ++column) {
            const MonthCell& cell = grid.weeks[row][static_cast<std::size_t>(column)];
            if (cell.inMonth && cell.date == date) {
                return {layout.grid.left() + column * layout.cellWidth,
                        layout.grid.top() + static_cast<double>(row) * layout.cellHeight, layout.cellWidth,
                        layout.cellHeight};
            }
        }
    }
    return {};
}

std::optional<CalendarDate> MonthDateAt(const MonthGrid& grid, const QRectF& area, QPointF point, double textPixels) {
    const Layout layout = LayOut(grid, area, textPixels);
    if (!layout.grid.contains(point) || layout.cellWidth <= 0 || layout.cellHeight <= 0) return std::nullopt;
    const auto column = static_cast<std::size_t>((point.x() - layout.grid.left()) / layout.cellWidth);
    const auto row = static_cast<std::size_t>((point.y() - layout.grid.top()) / layout.cellHeight);
    if (row >= grid.weeks.size() || column >= 7) return std::nullopt;
    const MonthCell& cell = grid.weeks[row][column];
    if (!cell.inMonth) return std::nullopt;
    return cell.date;
}

void PaintMonthPage(const MonthGrid& grid, const std::string& place, QPagedPaintDevice& device, QPainter& painter,
                    Language language) {
    MonthDrawing drawing;
    drawing.place = place;
    drawing.language = language;
    PaintMonthPage(grid, drawing, device, painter);
}

void PaintMonthPage(const MonthGrid& grid, const MonthDrawing& given, QPagedPaintDevice& device, QPainter& painter) {
    const QRectF area = device.pageLayout().paintRectPixels(device.logicalDpiY());
    MonthDrawing drawing = given;
    drawing.selected.reset();
    drawing.focused = false;
    // paintRectPixels is in page coordinates; the painter starts at the paint rectangle's corner.
    // Lines at the foot say how to read the page: wrapped at the page's width,
    // never cut, the month taking what they leave.
    const double foot = area.height() * 0.03;
    const QFont footFont = FontOfHeight(foot * 0.7);
    QString legend = Legend(drawing.language);
    legend = legend.arg((drawing.birthNakshatra ? MarksLegend(drawing.language) + QStringLiteral(" \u00B7 ") : QString()) +
                        Text(std::string(ProgramNameAndVersion)));
    const int footFlags = static_cast<int>(Qt::AlignLeft | Qt::AlignVCenter) | static_cast<int>(Qt::TextWordWrap);
    const QRectF needed = QFontMetricsF(footFont, &device).boundingRect(QRectF(0, 0, area.width(), area.height()),
                                                                        footFlags, legend);
    const double footHeight = std::max(foot, std::ceil(needed.height()));
    PaintMonth(grid, drawing, painter, QRectF(0, 0, area.width(), area.height() - footHeight - foot * 0.4));
    painter.save();
    painter.setFont(footFont);
    painter.setPen(QColor(0x50, 0x50, 0x50));
    painter.drawText(QRectF(0, area.height() - footHeight, area.width(), footHeight), footFlags, legend);
    painter.restore();
}

QString SaveMonthPdf(const MonthGrid& grid, const std::string& place, const QString& path, const QPageSize& pageSize,
                     Language language) {
    MonthDrawing drawing;
    drawing.place = place;
    drawing.language = language;
    return SaveMonthPdf(grid, drawing, path, pageSize);
}

QString SaveMonthPdf(const MonthGrid& grid, const MonthDrawing& drawing, const QString& path,
                     const QPageSize& pageSize) {
    const std::string& place = drawing.place;
    const Language language = drawing.language;
    const QString shown = QFileInfo(path).absoluteFilePath();
    auto failure = [&shown](const QString& reason) {
        return QStringLiteral("The month could not be saved as \u201C%1\u201D: %2.").arg(shown, reason);
    };
    // The whole PDF first, then put in place as the report's is (SafeReplace.h):
    // only an ordinary file is replaced; a pipe or a device is written into.
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        if (!buffer.open(QIODevice::WriteOnly)) return failure(QStringLiteral("the PDF could not be started"));
        QPdfWriter writer(&buffer);
        writer.setPageSize(pageSize);
        writer.setPageOrientation(QPageLayout::Landscape);
        writer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(Text(LocalizedMonthTitle(grid.year, grid.month, language) + " – " + place));
        writer.setCreator(QString::fromUtf8(ProgramNameAndVersion.data(),
                                            static_cast<qsizetype>(ProgramNameAndVersion.size())));
        QPainter painter;
        if (!painter.begin(&writer)) return failure(QStringLiteral("the PDF could not be started"));
        PaintMonthPage(grid, drawing, writer, painter);
        painter.end();
    }
    // Saved from the window, which cannot wait for a pipe's reader.
    const std::string reason =
        ReplaceFileContent(QFile::encodeName(path).toStdString(),
                           std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())), false);
    if (!reason.empty()) {
        QString said = QString::fromLocal8Bit(reason.c_str());
        said[0] = said[0].toLower();  // inside a sentence
        return failure(said);
    }
    return {};
}

}  // namespace velmora
