#include "results/print/ChartDrawing.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <QStringList>

#include <algorithm>
#include <cmath>

#include "chart/ChartNames.h"
#include "chart/ChartText.h"
#include "names/NameTables.h"

namespace velmora {

namespace {

QString Text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The names of each sign's points, in the tables' order, the lagna first.
std::array<QStringList, 12> LabelsBySign(const ChartSigns& s, Language language) {
    std::array<QStringList, 12> by;
    by[static_cast<std::size_t>(((s.lagna % 12) + 12) % 12)] << Text(ChartWord(LagnaName.abbreviation, language));
    for (std::size_t g = 0; g < s.grahas.size(); ++g) {
        QString label = Text(ChartWord(GrahaNames[g].abbreviation, language));
        if (s.retrograde[g]) label += Text(ChartWord(RetrogradeMark, language));
        by[static_cast<std::size_t>(((s.grahas[g] % 12) + 12) % 12)] << label;
    }
    return by;
}

QFont Sized(const QFont& base, double pixels) {
    QFont f(base);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    return f;
}

// The labels as centred lines inside `box`, as many to a line as its width
// takes; the type shrinks (to under half) until they fit.
void DrawLabels(QPainter& p, const QRectF& box, const QStringList& labels, const QFont& base, double pixels) {
    if (labels.isEmpty()) return;
    for (double size = pixels;; size *= 0.88) {
        const QFont font = Sized(base, size);
        const QFontMetricsF m(font, p.device());
        QStringList lines;
        QString line;
        double widest = 0;
        for (const QString& label : labels) {
            const QString trial = line.isEmpty() ? label : line + QStringLiteral(" ") + label;
            if (line.isEmpty() || m.horizontalAdvance(trial) <= box.width()) {
                line = trial;
            } else {
                widest = std::max(widest, m.horizontalAdvance(line));
                lines << line;
                line = label;
            }
        }
        widest = std::max(widest, m.horizontalAdvance(line));
        lines << line;
        const double lineHeight = m.height();
        const double total = lineHeight * static_cast<double>(lines.size());
        if ((total <= box.height() && widest <= box.width()) || size < pixels * 0.45) {
            p.setFont(font);
            double y = box.center().y() - total / 2;
            for (const QString& l : lines) {
                p.drawText(QRectF(box.center().x() - widest, y, 2 * widest, lineHeight), Qt::AlignCenter, l);
                y += lineHeight;
            }
            return;
        }
    }
}

QPointF Centroid(const QPolygonF& poly) {
    QPointF c(0, 0);
    for (const QPointF& v : poly) c += v;
    return c / static_cast<double>(poly.size());
}

// The North Indian diamond: the square, its diagonals and the square joining
// the middles of its sides. House 1 is the top diamond; the houses run
// anticlockwise (2 the upper left triangle, 4 the left diamond, 7 the bottom,
// 10 the right). Each house shows its sign's number (1 Mesha .. 12 Meena).
void DrawNorth(QPainter& p, const QRectF& sq, const ChartSigns& s, const QFont& font, Language language) {
    const double side = sq.width();
    const QPointF a = sq.topLeft(), b = sq.topRight(), c = sq.bottomRight(), d = sq.bottomLeft();
    const QPointF top = (a + b) / 2, right = (b + c) / 2, bottom = (c + d) / 2, left = (d + a) / 2;
    const QPointF o = sq.center();
    const QPointF tl = (a + o) / 2, tr = (b + o) / 2, br = (c + o) / 2, bl = (d + o) / 2;
    p.drawRect(sq);
    p.drawLine(a, c);
    p.drawLine(b, d);
    p.drawPolygon(QPolygonF({top, right, bottom, left}));

    struct House {
        QPolygonF shape;
        QPointF inner;  // the corner toward the middle: the sign's number goes there
        bool diamond;
        bool upright;   // a triangle on the left or right side (taller than wide)
    };
    const std::array<House, 12> houses = {{
        {QPolygonF({top, tl, o, tr}), o, true, false},
        {QPolygonF({a, top, tl}), tl, false, false},
        {QPolygonF({a, tl, left}), tl, false, true},
        {QPolygonF({left, tl, o, bl}), o, true, false},
        {QPolygonF({d, left, bl}), bl, false, true},
        {QPolygonF({d, bl, bottom}), bl, false, false},
        {QPolygonF({bottom, bl, o, br}), o, true, false},
        {QPolygonF({c, bottom, br}), br, false, false},
        {QPolygonF({c, br, right}), br, false, true},
        {QPolygonF({right, br, o, tr}), o, true, false},
        {QPolygonF({b, right, tr}), tr, false, true},
        {QPolygonF({b, tr, top}), tr, false, false},
    }};
    const std::array<QStringList, 12> labels = LabelsBySign(s, language);
    const QFont numberFont = Sized(font, side / 26);
    for (int h = 0; h < 12; ++h) {
        const House& house = houses[static_cast<std::size_t>(h)];
        const int sign = (((s.lagna % 12) + 12) % 12 + h) % 12;
        const QPointF centre = Centroid(house.shape);
        const QPointF number = house.inner + (centre - house.inner) * (house.diamond ? 0.3 : 0.42);
        p.setFont(numberFont);
        const double n = side / 16;
        p.drawText(QRectF(number.x() - n / 2, number.y() - n / 2, n, n), Qt::AlignCenter, QString::number(sign + 1));
        // The names in the open part of the house, away from its number.
        const QPointF away = centre + (centre - house.inner) * (house.diamond ? 0.12 : 0.05);
        const double w = house.diamond ? side * 0.27 : (house.upright ? side * 0.13 : side * 0.24);
        const double hgt = house.diamond ? side * 0.2 : (house.upright ? side * 0.26 : side * 0.12);
        DrawLabels(p, QRectF(away.x() - w / 2, away.y() - hgt / 2, w, hgt), labels[static_cast<std::size_t>(sign)], font,
                   side / 17);
    }
}

// The South Indian square: twelve cells round a four-cell middle, the signs
// fixed (Meena top left, then Mesha, Vrishabha, Mithuna along the top and on
// clockwise); the lagna's cell is crossed at its corner.
void DrawSouth(QPainter& p, const QRectF& sq, const ChartSigns& s, const QFont& font, Language language) {
    const double side = sq.width();
    const double q = side / 4;
    // (row, column) of each sign from Mesha.
    static constexpr int kCells[12][2] = {{0, 1}, {0, 2}, {0, 3}, {1, 3}, {2, 3}, {3, 3},
                                          {3, 2}, {3, 1}, {3, 0}, {2, 0}, {1, 0}, {0, 0}};
    p.drawRect(sq);
    const double x0 = sq.left(), y0 = sq.top();
    p.drawLine(QPointF(x0, y0 + q), QPointF(x0 + side, y0 + q));
    p.drawLine(QPointF(x0, y0 + 3 * q), QPointF(x0 + side, y0 + 3 * q));
    p.drawLine(QPointF(x0 + q, y0), QPointF(x0 + q, y0 + side));
    p.drawLine(QPointF(x0 + 3 * q, y0), QPointF(x0 + 3 * q, y0 + side));
    p.drawLine(QPointF(x0, y0 + 2 * q), QPointF(x0 + q, y0 + 2 * q));
    p.drawLine(QPointF(x0 + 3 * q, y0 + 2 * q), QPointF(x0 + side, y0 + 2 * q));
    p.drawLine(QPointF(x0 + 2 * q, y0), QPointF(x0 + 2 * q, y0 + q));
    p.drawLine(QPointF(x0 + 2 * q, y0 + 3 * q), QPointF(x0 + 2 * q, y0 + side));

    const std::array<QStringList, 12> labels = LabelsBySign(s, language);
    const QFont nameFont = Sized(font, side / 34);
    const int lagna = ((s.lagna % 12) + 12) % 12;
    for (int sign = 0; sign < 12; ++sign) {
        const QRectF cell(x0 + kCells[sign][1] * q, y0 + kCells[sign][0] * q, q, q);
        if (sign == lagna) p.drawLine(cell.topLeft() + QPointF(0, q * 0.28), cell.topLeft() + QPointF(q * 0.28, 0));
        // The sign's name, small, at the foot of its cell.
        p.setFont(nameFont);
        p.drawText(cell.adjusted(2, 0, -2, -q * 0.04), Qt::AlignHCenter | Qt::AlignBottom,
                   Text(language == Language::English
                            ? std::string(ChartSignNames[static_cast<std::size_t>(sign)])
                            : std::string(NameAt(NameTable::Sign, sign, language).value_or(""))));
        DrawLabels(p, cell.adjusted(q * 0.08, q * 0.1, -q * 0.08, -q * 0.22), labels[static_cast<std::size_t>(sign)],
                   font, side / 17);
    }
}

}  // namespace

ChartSigns ChartSignsOf(const BirthChart& chart, ChartDivision division) {
    ChartSigns s;
    const bool d9 = division == ChartDivision::Navamsa;
    s.lagna = d9 ? chart.lagna.navamsaSign : chart.lagna.sign;
    for (std::size_t g = 0; g < chart.grahas.size(); ++g) {
        s.grahas[g] = d9 ? chart.grahas[g].navamsaSign : chart.grahas[g].sign;
        s.retrograde[g] = chart.grahas[g].retrograde;
    }
    return s;
}

int HouseOfSign(int sign, int lagnaSign) { return ((sign - lagnaSign) % 12 + 12) % 12 + 1; }

void DrawChart(QPainter& p, const QRectF& area, const ChartSigns& signs, ChartStyle style, const QString& title,
               const QFont& font, Language language) {
    const double titleHeight = std::min(area.width(), area.height()) * 0.08;
    const double side = std::min(area.width(), area.height() - titleHeight);
    if (!(side > 8)) return;
    const QRectF square(area.center().x() - side / 2, area.top() + titleHeight + (area.height() - titleHeight - side) / 2,
                        side, side);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QPen pen(QColor(0x1f, 0x1d, 0x1a));
    pen.setWidthF(std::max(1.0, side / 320));
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    QFont heading = Sized(font, titleHeight * 0.62);
    heading.setBold(true);
    p.setFont(heading);
    p.drawText(QRectF(square.left(), square.top() - titleHeight, side, titleHeight), Qt::AlignCenter, title);
    if (style == ChartStyle::NorthIndian) {
        DrawNorth(p, square, signs, font, language);
    } else {
        DrawSouth(p, square, signs, font, language);
    }
    p.restore();
}

}  // namespace velmora
