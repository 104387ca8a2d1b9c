#include "results/print/ChartPage.h"

#include <QAbstractTextDocumentLayout>
#include <QFontDatabase>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>

#include <cmath>
#include <memory>

#include "chart/ChartNames.h"
#include "chart/ChartText.h"
#include "results/print/ChartDrawing.h"

namespace velmora {

namespace {

constexpr double kLayoutDpi = 96.0;
constexpr const char* kInk = "#1f1d1a";
constexpr const char* kCaption = "#6f6a63";
constexpr const char* kAccent = "#b4531a";

QString Html(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }
QString Pt(double points) { return QString::number(points, 'f', 2) + QStringLiteral("pt"); }

QFont PageFont() {
    const QStringList available = QFontDatabase::families();
    QFont font;
    for (const char* family : {"Verdana", "DejaVu Sans"}) {
        if (available.contains(QString::fromLatin1(family), Qt::CaseInsensitive)) {
            font.setFamilies({QString::fromLatin1(family)});
            break;
        }
    }
    return font;
}

std::string LordName(Graha g, Language language) { return GrahaNameIn(g, language); }

}  // namespace

QString ChartPageHtml(const Report& r, double s) {
    const BirthChart& c = *r.chart;
    const Language language = r.language;
    const auto word = [language](std::string_view english) { return Html(ChartWord(english, language)); };
    QString html = QStringLiteral("<html><body style=\"color:%1\">").arg(QLatin1String(kInk));
    html += QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"%1\" style=\"font-size:%2\">")
                .arg(QString::number(2 * s), Pt(8.5 * s));
    html += QStringLiteral("<tr style=\"color:%1\"><td></td><td>%2</td><td>%3</td><td>%4</td>"
                           "<td>%5</td><td>%6</td><td></td></tr>")
                .arg(QLatin1String(kCaption), word("Sign"), word("Degree"), word("Nakshatra"), word("Pada"),
                     word("Navamsa"));
    for (const ChartRow& row : ChartRows(c, language)) {
        html += QStringLiteral("<tr><td><b>%1</b> (%2)</td><td>%3</td><td>%4</td><td>%5</td><td>%6</td><td>%7</td>"
                               "<td>%8</td></tr>")
                    .arg(Html(row.name), Html(row.abbreviation), Html(row.sign), Html(row.degree), Html(row.nakshatra),
                         Html(row.pada), Html(row.navamsa), Html(row.motion));
    }
    html += QStringLiteral("</table>");
    html += QStringLiteral("<p style=\"font-size:%1; color:%2\">%3</p>")
                .arg(Pt(7.5 * s), QLatin1String(kCaption),
                     Html(FillChartPattern(ChartWord("Sidereal longitudes, Lahiri ayanamsa %1; %2, Ketu opposite.", language),
                                           {DegreeInSignText(ChartPointOf(c.ayanamsa, 0)),
                                            NodeKindText(c.node, language)})));
    html += QStringLiteral("<p style=\"font-size:%1; color:%2\"><b>%7</b> "
                           "<span style=\"font-size:%3; color:%4\">%8</span><br>"
                           "<span style=\"font-size:%5; color:%6\">%9</span></p>")
                .arg(Pt(10.5 * s), QLatin1String(kAccent), Pt(7.5 * s), QLatin1String(kCaption), Pt(8.5 * s),
                     QLatin1String(kInk), word("Vimshottari dasha"), word("(a year of 365.25 days)"),
                     Html(FillChartPattern(ChartWord("Balance at birth: %1", language), {DashaBalanceText(c, language)})));
    html += QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"%1\" style=\"font-size:%2\">")
                .arg(QString::number(3 * s), Pt(7.5 * s));
    for (int row = 0; row < 3; ++row) {
        html += QStringLiteral("<tr>");
        for (int col = 0; col < 3; ++col) {
            const Mahadasha& md = c.dasha.mahadashas[static_cast<std::size_t>(row) * 3 + static_cast<std::size_t>(col)];
            QString cell = QStringLiteral("<b>%1</b> %2")
                               .arg(Html(LordName(md.period.lord, language)),
                                    Html(FillChartPattern(ChartWord("%1 to %2", language),
                                                          {ChartDateText(md.period.startJdUt, c.zoneHours),
                                                           ChartDateText(md.period.endJdUt, c.zoneHours)})));
            for (const DashaPeriod& p : md.antardashas) {
                cell += QStringLiteral("<br>&nbsp;&nbsp;%1 %2")
                            .arg(Html(LordName(p.lord, language)),
                                 Html(FillChartPattern(ChartWord("from %1", language),
                                                       {ChartDateText(p.startJdUt, c.zoneHours)})));
            }
            html += QStringLiteral("<td width=\"33%\" valign=\"top\">") + cell + QStringLiteral("</td>");
        }
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table></body></html>");
    return html;
}

void PaintChartPage(const Report& report, QPagedPaintDevice& device, QPainter& painter) {
    if (!report.chart) return;
    const double deviceDpi = device.logicalDpiY();
    const QRect paintRect = device.pageLayout().paintRectPixels(static_cast<int>(deviceDpi));
    const double toLayout = kLayoutDpi / deviceDpi;
    const double width = paintRect.width() * toLayout;
    const double height = paintRect.height() * toLayout;

    QImage metrics(1, 1, QImage::Format_RGB32);
    const auto dotsPerMeter = static_cast<int>(std::lround(kLayoutDpi / 0.0254));
    metrics.setDotsPerMeterX(dotsPerMeter);
    metrics.setDotsPerMeterY(dotsPerMeter);
    const QFont font = PageFont();

    painter.save();
    painter.scale(1.0 / toLayout, 1.0 / toLayout);

    // The heading: what this is and whose.
    QFont heading(font);
    heading.setPixelSize(20);
    heading.setBold(true);
    painter.setFont(heading);
    painter.setPen(QColor(QLatin1String(kAccent)));
    const double headingHeight = 30;
    painter.drawText(QRectF(0, 0, width, headingHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromStdString(FillChartPattern(ChartWord("Chart for %1", report.language), {report.name})));

    // The two charts side by side.
    const double chartSide = std::min(width / 2 - 8, height * 0.4);
    const QRectF left(0, headingHeight + 6, width / 2 - 8, chartSide);
    const QRectF right(width / 2 + 8, headingHeight + 6, width / 2 - 8, chartSide);
    const BirthChart& chart = *report.chart;
    DrawChart(painter, left, ChartSignsOf(chart, ChartDivision::Rasi), report.chartStyle,
              QString::fromStdString(ChartWord("Rasi (D1)", report.language)), font, report.language);
    DrawChart(painter, right, ChartSignsOf(chart, ChartDivision::Navamsa), report.chartStyle,
              QString::fromStdString(ChartWord("Navamsa (D9)", report.language)), font, report.language);

    // The table and the dasha below, shrunk until they fit above the footer.
    const double top = headingHeight + 6 + chartSide + 10;
    const double footerHeight = 16;
    const double room = height - top - footerHeight - 6;
    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&metrics);
    doc.setDefaultFont(font);
    doc.setDocumentMargin(0);
    for (const double typeScale : {1.0, 0.93, 0.86, 0.8, 0.74, 0.68, 0.62, 0.56}) {
        doc.setHtml(ChartPageHtml(report, typeScale));
        doc.setTextWidth(width);
        if (doc.size().height() <= room) break;
    }
    double shrink = 1.0;
    if (doc.size().height() > room && doc.size().height() > 0) shrink = room / doc.size().height();
    painter.save();
    painter.translate(0, top);
    painter.scale(shrink, shrink);
    doc.drawContents(&painter);
    painter.restore();

    QFont footer(font);
    footer.setPixelSize(10);
    painter.setFont(footer);
    painter.setPen(QColor(QLatin1String(kCaption)));
    painter.drawText(QRectF(0, height - footerHeight, width, footerHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromStdString(report.footer));
    painter.restore();
}

}  // namespace velmora
