// The Chart page of the printed report: a second page after the report,
// only when the report carries a chart; its text read back with pdftotext.
#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QTemporaryDir>

#include "PdfText.h"
#include "astronomy/Calendar.h"
#include "chart/Chart.h"
#include "results/print/ChartDrawing.h"
#include "results/print/ReportDocument.h"

using namespace velmora;

namespace {

Report ExampleReport(bool withChart, ChartStyle style) {
    Report r;
    r.kicker = "Panchang";
    r.name = "ASHA";
    r.footer = "Velmora";
    if (withChart) {
        // New Delhi, 15 August 1987, 10:30 IST.
        const double jdUt = 2447022.5 + 5.0 / 24;
        r.chart = ChartAt(jdUt, DeltaTHours(jdUt) * 3600, 28.6, 77 + 13.0 / 60, 5.5, NodeKind::Mean);
        r.chartStyle = style;
    }
    return r;
}

std::string WritePdf(const Report& report, const QTemporaryDir& dir, const char* name) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(ReportPdf(report, QPageSize(QPageSize::A4)));
    file.close();
    return path.toStdString();
}

}  // namespace

TEST(ChartPage, SecondPageOnlyWithAChart) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_EQ(test::PdfPages(WritePdf(ExampleReport(false, ChartStyle::NorthIndian), dir, "plain.pdf")), 1);
    for (const ChartStyle style : {ChartStyle::NorthIndian, ChartStyle::SouthIndian}) {
        const std::string path = WritePdf(ExampleReport(true, style), dir, "chart.pdf");
        ASSERT_EQ(test::PdfPages(path), 2);
        const std::string text = test::PdfText(path);
        const std::string page2 = test::Squeezed(text.substr(text.find('\f') + 1));
        for (const char* words : {"ChartforASHA", "Rasi(D1)", "Navamsa(D9)", "Lagna(As)Kanya28°31′",
                                  "Saturn(Sa)Vrishchika20°51′", "Vimshottaridasha", "Balanceatbirth:Venus,17years",
                                  "Venus1985-07-28to2005-07-28"}) {
            EXPECT_NE(page2.find(words), std::string::npos) << words << "\n" << page2;
        }
    }
}

// The houses of the North Indian chart count from the lagna's sign.
TEST(ChartPage, HousesFromTheLagnaAndEveryPointDrawn) {
    const struct {
        int sign, lagna, house;
    } cases[] = {{5, 5, 1}, {6, 5, 2}, {4, 5, 12}, {0, 11, 2}, {11, 0, 12}, {3, 9, 7}};
    for (const auto& c : cases) EXPECT_EQ(HouseOfSign(c.sign, c.lagna), c.house) << c.sign << " " << c.lagna;

    const Report r = ExampleReport(true, ChartStyle::NorthIndian);
    const ChartSigns d1 = ChartSignsOf(*r.chart, ChartDivision::Rasi);
    const ChartSigns d9 = ChartSignsOf(*r.chart, ChartDivision::Navamsa);
    EXPECT_EQ(d1.lagna, 5);            // Kanya
    EXPECT_EQ(d1.grahas[0], 3);        // the Sun in Karka
    EXPECT_EQ(d9.grahas[0], 11);       // its navamsa Meena (28°10′ Karka: the 9th of Karka's, from Karka)
    EXPECT_TRUE(d1.retrograde[6]);     // Saturn
    // Drawn into an image at a small and a large size, in both styles: never
    // blank, never outside the image.
    for (const ChartStyle style : {ChartStyle::NorthIndian, ChartStyle::SouthIndian}) {
        for (const int size : {60, 700}) {
            QImage image(size, size + 40, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            DrawChart(painter, QRectF(0, 0, size, size + 40), d1, style, QStringLiteral("Rasi"), QFont());
            painter.end();
            int dark = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
            }
            EXPECT_GT(dark, size) << size;
        }
    }
}
