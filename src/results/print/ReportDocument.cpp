#include "results/print/ReportDocument.h"

#include "results/print/ChartPage.h"

#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QImage>
#include <QLocale>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QBuffer>
#include <QFile>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>
#include <vector>

#include "results/print/SafeReplace.h"

namespace velmora {

namespace {

// The page is laid out in pixels of 1/96 inch, whatever the device, and
// scaled onto it: the same report on screen-less PDF writers and 600 dpi
// printers alike.
constexpr double kLayoutDpi = 96.0;

// Colours: ink, a quiet grey for captions, saffron for the headings, indigo
// for the name, and a warm tint behind the section headings.
constexpr const char* kInk = "#1f1d1a";
constexpr const char* kCaption = "#6f6a63";
constexpr const char* kAccent = "#b4531a";
constexpr const char* kNameInk = "#2c2466";
constexpr const char* kBand = "#f6ece0";
constexpr const char* kRule = "#d9c6b0";

QString Html(const std::string& text) {
    QString s = QString::fromStdString(text).toHtmlEscaped();
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    return s;
}

QString Pt(double points) { return QString::number(points, 'f', 2) + QStringLiteral("pt"); }

// Verdana where it is installed (the windows use it), else DejaVu Sans.
QFont ReportFont() {
    const QStringList available = QFontDatabase::families();
    QFont font;
    for (const char* family : {"Verdana", "DejaVu Sans"}) {
        if (available.contains(QString::fromLatin1(family), Qt::CaseInsensitive)) {
            font.setFamilies({QString::fromLatin1(family)});
            break;
        }
    }
    font.setStyleHint(QFont::SansSerif);
    // No ligatures: "fl" stays two letters for whoever searches or copies
    // the PDF's text.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

// A caption over its value, the way a card reads.
QString Card(const ReportField& f, int widthPercent, double s) {
    return QStringLiteral("<td width=\"%7%\" valign=\"top\"><span style=\"font-size:%1; color:%2\">%3</span><br>"
                          "<span style=\"font-size:%4; font-weight:bold; color:%5\">%6</span></td>")
        .arg(Pt(8.0 * s), QLatin1String(kCaption), Html(f.caption), Pt(11.5 * s), QLatin1String(kInk),
             Html(f.value), QString::number(widthPercent));
}

QString Rule(double thicknessPt, const char* colour) {
    return QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\" bgcolor=\"%1\">"
                          "<tr><td style=\"font-size:%2\"> </td></tr></table>")
        .arg(QLatin1String(colour), Pt(thicknessPt));
}

// The values a tab shows below its texts, as cards four to a row in their
// order: a span (or any value of more than 20 letters) takes two columns, a
// sentence (more than 40) a row of its own; a card that does not fit the rest
// of a row starts the next.
QString BelowCards(const std::vector<ReportField>& fields, double s) {
    constexpr int kColumns = 4;
    QString html = QStringLiteral("<p style=\"margin:0; font-size:%1\"> </p>"
                                  "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"%2\"><tr>")
                       .arg(Pt(5.0 * s), QString::number(3.0 * s, 'f', 1));
    int used = 0;
    for (const ReportField& f : fields) {
        const QString value = QString::fromStdString(f.value);
        const int columns = value.size() > 40 ? kColumns : value.size() > 20 ? 2 : 1;
        if (used + columns > kColumns) {
            if (used < kColumns) html += QStringLiteral("<td colspan=\"%1\"></td>").arg(kColumns - used);
            html += QStringLiteral("</tr><tr>");
            used = 0;
        }
        html += QStringLiteral("<td colspan=\"%1\" width=\"%2%\" valign=\"top\"><span style=\"font-size:%3; "
                               "color:%4\">%5</span><br><span style=\"font-size:%6; font-weight:bold; color:%7; "
                               "white-space:pre-wrap\">%8</span></td>")
                    .arg(QString::number(columns), QString::number(columns * 100 / kColumns), Pt(8.0 * s),
                         QLatin1String(kCaption), Html(f.caption), Pt(11.5 * s), QLatin1String(kInk),
                         Html(f.value));
        used += columns;
    }
    if (used < kColumns) html += QStringLiteral("<td colspan=\"%1\"></td>").arg(kColumns - used);
    return html + QStringLiteral("</tr></table>");
}

// A section heading on a tinted band, with room above it.
QString Band(const std::string& title, double s) {
    return QStringLiteral("<p style=\"margin:0; font-size:%1\"> </p>"
                          "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"%2\" bgcolor=\"%3\">"
                          "<tr><td style=\"font-size:%4; font-weight:bold; color:%5\">%6</td></tr></table>")
        .arg(Pt(7.0 * s), QString::number(3.5 * s, 'f', 1), QLatin1String(kBand), Pt(12.0 * s),
             QLatin1String(kAccent), Html(title));
}

QString Section(const ReportSection& section, double s) {
    QString html = Band(section.title, s);

    // The short values as cards, three or four to a row; the span (long, and
    // shown as the window shows it, doubled blanks and all) takes the rest of
    // the last row when two cards' room is left, else a row of its own.
    const std::size_t perRow = section.values.size() <= 3 ? 3 : 4;
    const int width = static_cast<int>(100 / perRow);
    std::vector<std::pair<QString, std::size_t>> cells;  // a cell and the columns it takes
    for (const ReportField& f : section.values) cells.emplace_back(Card(f, width, s), 1);
    if (!section.span.caption.empty()) {
        const std::size_t left = perRow - section.values.size() % perRow;
        const std::size_t columns = left >= 2 ? left : perRow;
        if (left < 2) {
            for (std::size_t i = 0; i < left % perRow; ++i) cells.emplace_back(QStringLiteral("<td></td>"), 1);
        }
        cells.emplace_back(QStringLiteral("<td colspan=\"%1\" valign=\"top\"><span style=\"font-size:%2; color:%3\">"
                                       "%4</span><br><span style=\"font-size:%5; font-weight:bold; color:%6; "
                                       "white-space:pre-wrap\">%7</span></td>")
                            .arg(QString::number(columns), Pt(8.0 * s), QLatin1String(kCaption),
                                 Html(section.span.caption), Pt(11.5 * s), QLatin1String(kInk),
                                 Html(section.span.value)),
                           columns);
    }
    if (!cells.empty()) {
        html += QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"%1\"><tr>")
                    .arg(QString::number(3.0 * s, 'f', 1));
        std::size_t used = 0;
        for (const auto& [cell, columns] : cells) {
            if (used == perRow) {
                html += QStringLiteral("</tr><tr>");
                used = 0;
            }
            html += cell;
            used += columns;
        }
        html += QStringLiteral("</tr></table>");
    }
    bool first = true;
    for (const ReportParagraph& p : section.paragraphs) {
        if (p.text.empty() && p.caption.empty()) continue;
        // Room after the cards: a table's neighbour keeps no margin of its own.
        if (first) html += QStringLiteral("<p style=\"margin:0; font-size:%1\"> </p>").arg(Pt(5.0 * s));
        first = false;
        html += QStringLiteral("<p style=\"margin-top:%1; margin-left:%2; font-size:%3; color:%4\">")
                    .arg(Pt(5.0 * s), Pt(2.3 * s), Pt(10.0 * s), QLatin1String(kInk));
        if (!p.caption.empty()) {
            html += QStringLiteral("<span style=\"font-size:%1; color:%2\">%3</span><br>")
                        .arg(Pt(8.0 * s), QLatin1String(kCaption), Html(p.caption));
        }
        html += Html(p.text) + QStringLiteral("</p>");
    }
    if (!section.below.empty()) html += BelowCards(section.below, s);
    return html;
}

// A document laid out at kLayoutDpi, `width` layout pixels wide.
struct Layout {
    std::unique_ptr<QTextDocument> document;
    double height = 0.0;
};

Layout LayOut(const QString& html, const QFont& font, QPaintDevice* metrics, double width) {
    Layout l;
    l.document = std::make_unique<QTextDocument>();
    l.document->documentLayout()->setPaintDevice(metrics);
    l.document->setDefaultFont(font);
    QTextOption option = l.document->defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    l.document->setDefaultTextOption(option);
    l.document->setDocumentMargin(0);
    l.document->setHtml(html);
    l.document->setTextWidth(width);
    l.height = l.document->size().height();
    return l;
}

}  // namespace

QString ReportHtml(const Report& r, double s) {
    QString html = QStringLiteral("<html><body style=\"color:%1\">").arg(QLatin1String(kInk));

    // The title: what this is, then the name, large.
    html += QStringLiteral("<p style=\"margin:0; font-size:%1; font-weight:bold; color:%2\">%3</p>")
                .arg(Pt(9.0 * s), QLatin1String(kAccent), Html(r.kicker).toUpper());
    // A long name takes smaller type rather than half the page.
    const double nameSize = r.name.size() <= 24 ? 28.0 : r.name.size() <= 60 ? 21.0 : 15.0;
    html += QStringLiteral("<p style=\"margin-top:%1; margin-bottom:%2; font-size:%3; font-weight:bold; color:%4\">"
                           "%5</p>")
                .arg(Pt(1.0 * s), Pt(6.0 * s), Pt(nameSize * s), QLatin1String(kNameInk), Html(r.name));
    html += Rule(1.2 * s, kAccent);

    // "Your Details" and the ayanamsa: two columns of caption and value.
    html += Band(r.detailsTitle, s);
    std::vector<ReportField> details = r.details;
    details.push_back(r.ayanamsa);
    const std::size_t rows = (details.size() + 1) / 2;
    html += QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"%1\">")
                .arg(QString::number(2.0 * s, 'f', 1));
    for (std::size_t row = 0; row < rows; ++row) {
        html += QStringLiteral("<tr>");
        for (const std::size_t i : {row, row + rows}) {
            if (i < details.size()) {
                html += QStringLiteral("<td width=\"17%\" valign=\"middle\" style=\"font-size:%1; color:%2\">%3</td>"
                                       "<td width=\"33%\" valign=\"middle\" style=\"font-size:%4; font-weight:bold\">%5</td>")
                            .arg(Pt(8.5 * s), QLatin1String(kCaption), Html(details[i].caption), Pt(10.5 * s),
                                 Html(details[i].value));
            } else {
                html += QStringLiteral("<td></td><td></td>");
            }
        }
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");

    for (const ReportSection& section : r.elements) html += Section(section, s);
    html += QStringLiteral("</body></html>");
    return html;
}

void PaintReport(const Report& report, QPagedPaintDevice& device, QPainter& painter) {
    const double deviceDpi = device.logicalDpiY();
    const QRect paintRect = device.pageLayout().paintRectPixels(static_cast<int>(deviceDpi));
    const double toLayout = kLayoutDpi / deviceDpi;
    const double width = paintRect.width() * toLayout;
    const double height = paintRect.height() * toLayout;

    // Font metrics of a 96 dpi device, so that the layout does not depend on
    // the screen or the printer.
    QImage metrics(1, 1, QImage::Format_RGB32);
    const auto dotsPerMeter = static_cast<int>(std::lround(kLayoutDpi / 0.0254));
    metrics.setDotsPerMeterX(dotsPerMeter);
    metrics.setDotsPerMeterY(dotsPerMeter);
    const QFont font = ReportFont();

    // The footer: a thin rule and the program's name and version at the foot
    // of the page.
    const QString footerHtml =
        QStringLiteral("<p style=\"font-size:7.5pt; color:%1\">%2</p>")
            .arg(QLatin1String(kCaption), Html(report.footer));
    Layout footer = LayOut(footerHtml, font, &metrics, width);
    const double footerTop = height - footer.height;
    const double bodyHeight = footerTop - 8.0;

    // Shrink the type step by step; texts no type size can fit are laid out
    // wider and scaled down as a whole.
    Layout body;
    double scale = 1.0;
    for (const double typeScale : {1.0, 0.93, 0.86, 0.8, 0.74, 0.68}) {
        body = LayOut(ReportHtml(report, typeScale), font, &metrics, width);
        if (body.height <= bodyHeight) break;
    }
    for (int i = 0; i < 8 && body.height * scale > bodyHeight; ++i) {
        scale *= bodyHeight / (body.height * scale) * 0.98;
        body.document->setTextWidth(width / scale);
        body.height = body.document->size().height();
    }
    if (body.height * scale > bodyHeight) scale = bodyHeight / body.height;

    painter.save();
    painter.scale(1.0 / toLayout, 1.0 / toLayout);
    painter.save();
    painter.scale(scale, scale);
    body.document->drawContents(&painter);
    painter.restore();

    painter.setPen(QPen(QColor(QLatin1String(kRule)), 0.75));
    painter.drawLine(QPointF(0, footerTop - 4.0), QPointF(width, footerTop - 4.0));
    painter.translate(0, footerTop);
    footer.document->drawContents(&painter);
    painter.restore();

    // The chart, when there is one, on a page of its own.
    if (report.chart && device.newPage()) PaintChartPage(report, device, painter);
}

QByteArray ReportPdf(const Report& report, const QPageSize& pageSize) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return {};
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(pageSize);
        writer.setPageMargins(ReportPageMargins(), QPageLayout::Millimeter);
        writer.setResolution(600);
        writer.setTitle(QString::fromStdString(report.kicker + " \u2013 " + report.name));
        writer.setCreator(QString::fromUtf8(ProgramNameAndVersion.data(),
                                            static_cast<qsizetype>(ProgramNameAndVersion.size())));
        QPainter painter;
        if (!painter.begin(&writer)) return {};
        PaintReport(report, writer, painter);
        painter.end();
    }
    buffer.close();
    return bytes;
}

QString SaveReportPdf(const Report& report, const QString& path, const QPageSize& pageSize, bool fromWindow) {
    const QString shown = QFileInfo(path).absoluteFilePath();
    auto failure = [&shown](const QString& reason) {
        return QStringLiteral("The report could not be saved as \u201C%1\u201D: %2.").arg(shown, reason);
    };
    // The whole PDF first (a few tens of kilobytes), so that nothing is put
    // in place before it is complete.
    const QByteArray pdf = ReportPdf(report, pageSize);
    if (pdf.isEmpty()) return failure(QStringLiteral("the PDF could not be started"));
    const std::string reason = ReplaceFileContent(QFile::encodeName(path).toStdString(),
                                                  std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())),
                                                  !fromWindow);
    if (!reason.empty()) {
        QString said = QString::fromLocal8Bit(reason.c_str());
        said[0] = said[0].toLower();  // inside a sentence
        return failure(said);
    }
    return {};
}

QMarginsF ReportPageMargins() { return {18, 14, 16, 12}; }

QPageSize DefaultReportPageSize() {
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                               : QPageSize::A4);
}

}  // namespace velmora
