#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QString>

#include "names/Language.h"
#include "results/print/MonthDocument.h"

using namespace velmora;

namespace {

// The month's weekday headings: the whole names over boxes wide enough for
// the longest of them, the short names over narrower ones (at twice the
// scale the window's boxes are narrower than "Wednesday" in its bold type),
// never a name cut short, and one form for the whole row.
TEST(WeekdayHeading, WholeWhereAllFitShortWhereTheBoxIsNarrow) {
    struct Case {
        Language language;
        std::array<const char*, 7> whole;
        std::array<const char*, 7> shortNames;
    };
    const Case cases[] = {
        {Language::English,
         {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
         {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"}},
        {Language::Hindi,
         {"रविवार", "सोमवार", "मंगलवार", "बुधवार", "गुरुवार", "शुक्रवार", "शनिवार"},
         {"रवि", "सोम", "मंगल", "बुध", "गुरु", "शुक्र", "शनि"}},
        {Language::Tamil,
         {"ஞாயிறு", "திங்கள்", "செவ்வாய்", "புதன்", "வியாழன்", "வெள்ளி", "சனி"},
         {"ஞா", "தி", "செ", "பு", "வி", "வெ", "ச"}},
    };
    const QImage device(400, 100, QImage::Format_RGB32);
    for (const int pixels : {11, 15, 22}) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(pixels);
        font.setBold(true);
        const QFontMetricsF metrics(font, &device);
        for (const Case& c : cases) {
            double widest = 0;
            for (const char* name : c.whole) widest = std::max(widest, metrics.horizontalAdvance(QString::fromUtf8(name)));
            for (int day = 0; day < 7; ++day) {
                const auto i = static_cast<std::size_t>(day);
                const std::string where = std::string(c.whole[i]) + " at " + std::to_string(pixels) + " px";
                EXPECT_EQ(WeekdayHeading(day, c.language, font, &device, widest + 1), QString::fromUtf8(c.whole[i]))
                    << where;
                EXPECT_EQ(WeekdayHeading(day, c.language, font, &device, 1000), QString::fromUtf8(c.whole[i])) << where;
                // A box a little narrower than the longest name, as the
                // window's at twice the scale: every day short, even one whose
                // whole name would fit.
                const QString narrow = WeekdayHeading(day, c.language, font, &device, widest - 2);
                EXPECT_EQ(narrow, QString::fromUtf8(c.shortNames[i])) << where;
                EXPECT_FALSE(narrow.contains(QChar(0x2026))) << where;
            }
        }
    }
    // A weekday out of range gives nothing rather than a stray name.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    EXPECT_EQ(WeekdayHeading(7, Language::English, font, &device, 10), QString());
    EXPECT_EQ(WeekdayHeading(-1, Language::Hindi, font, &device, 1000), QString());
}

}  // namespace
