#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QString>

#include "names/Language.h"
#include "results/print/MonthDocument.h"

using namespace velmora;

namespace {

// The month's weekday headings: the whole name over a box wide enough for it,
// the short name over a narrower one (at twice the scale the window's boxes
// are narrower than "Wednesday" in its bold type), never a name cut short.
TEST(WeekdayHeading, WholeWhereItFitsShortWhereTheBoxIsNarrow) {
    struct Case {
        Language language;
        int weekday;
        const char* whole;
        const char* shortName;
    };
    const Case cases[] = {
        {Language::English, 0, "Sunday", "Sun"},       {Language::English, 3, "Wednesday", "Wed"},
        {Language::English, 4, "Thursday", "Thu"},     {Language::English, 6, "Saturday", "Sat"},
        {Language::Hindi, 2, "मंगलवार", "मंगल"},        {Language::Hindi, 3, "बुधवार", "बुध"},
        {Language::Hindi, 5, "शुक्रवार", "शुक्र"},       {Language::Tamil, 1, "திங்கள்", "தி"},
        {Language::Tamil, 3, "புதன்", "பு"},           {Language::Tamil, 4, "வியாழன்", "வி"},
    };
    const QImage device(400, 100, QImage::Format_RGB32);
    for (const double pixels : {11.0, 15.0, 22.0}) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(static_cast<int>(pixels));
        font.setBold(true);
        const QFontMetricsF metrics(font, &device);
        for (const Case& c : cases) {
            const QString whole = QString::fromUtf8(c.whole);
            const QString shortName = QString::fromUtf8(c.shortName);
            const double wide = metrics.horizontalAdvance(whole);
            const std::string where = std::string(c.whole) + " at " + std::to_string(pixels) + " px";
            EXPECT_EQ(WeekdayHeading(c.weekday, c.language, font, &device, wide + 1), whole) << where;
            EXPECT_EQ(WeekdayHeading(c.weekday, c.language, font, &device, 1000), whole) << where;
            // A box a little narrower than the whole name, as the window's at
            // twice the scale.
            const QString narrow = WeekdayHeading(c.weekday, c.language, font, &device, wide - 2);
            EXPECT_EQ(narrow, shortName) << where;
            EXPECT_LE(metrics.horizontalAdvance(narrow), wide - 2) << where;
            EXPECT_FALSE(narrow.contains(QChar(0x2026))) << where;
        }
    }
    // A weekday out of range gives nothing rather than a stray name.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    EXPECT_EQ(WeekdayHeading(7, Language::English, font, &device, 10), QString());
    EXPECT_EQ(WeekdayHeading(-1, Language::Hindi, font, &device, 1000), QString());
}

}  // namespace
