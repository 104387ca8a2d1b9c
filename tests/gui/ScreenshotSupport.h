// What the screenshot tours share: the folder the pictures go to, letting the
// windows draw, photographing part of the screen with ImageMagick's `import`,
// and the input window filled as a user types it.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QTest>

#include "GuiTestSupport.h"

namespace velmora::test {

// The folder VELMORA_SCREENSHOT_DIR names, made if it is missing; empty when
// the variable is not set (the tours then stop with a message).
inline QString ScreenshotFolder() {
    const QString out = qEnvironmentVariable("VELMORA_SCREENSHOT_DIR");
    if (!out.isEmpty()) QDir().mkpath(out);
    return out;
}

// What the scripts add to each file name (the scale: "-scale2").
inline QString ScreenshotSuffix() { return qEnvironmentVariable("VELMORA_SCREENSHOT_SUFFIX"); }

// Lets the windows draw and the window manager place them: `rounds` times
// the pending events, 50 ms apart.
inline void SettleScreen(int rounds = 20) {
    for (int i = 0; i < rounds; ++i) {
        QCoreApplication::processEvents();
        QTest::qWait(50);
    }
}

// Photographs the part of the screen that `area` (logical pixels) covers,
// `margin` pixels around it; the screen itself counts device pixels.
inline void PhotographArea(const QRect& area, const QString& file, int margin = 4) {
    const qreal ratio = qApp->devicePixelRatio();
    const QRect logical = area.adjusted(-margin, -margin, margin, margin);
    const QRect r = QRect(qRound(logical.x() * ratio), qRound(logical.y() * ratio), qRound(logical.width() * ratio),
                          qRound(logical.height() * ratio))
                        .intersected(QRect(0, 0, 8000, 8000));
    const QString crop = QStringLiteral("%1x%2+%3+%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
    const int rc = QProcess::execute(QStringLiteral("import"),
                                     {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("-crop"),
                                      crop, QStringLiteral("+repage"), file});
    EXPECT_EQ(rc, 0) << file.toStdString();
}

// The input window's boxes, typed into and picked from as a user does.
struct FormTyping {
    ProgramFixture& p;

    void Type(const char* box, const char* text) const {
        auto* edit = p.Child<QLineEdit>(box);
        edit->clear();
        QTest::keyClicks(edit, QString::fromUtf8(text));
    }
    void Pick(const char* list, const char* text) const {
        auto* box = p.Child<QComboBox>(list);
        box->setCurrentIndex(box->findText(QString::fromUtf8(text)));
    }
    // Asha, born in New Delhi on 15 August 1987 (the hour is left as it is).
    void AshaInNewDelhi() const {
        Type("txtName", "asha");
        Pick("cboMonth", "August");
        Pick("cboDate", "15");
        Pick("cboYear", "1987");
        Type("txtMCity", "New Delhi");
        Type("txtMState", "Delhi");
        Type("txtMCountry", "India");
        Type("txtLatD", "28");
        Type("txtLatM", "36");
        Type("txtLonD", "77");
        Type("txtLonM", "13");
        Type("txtZoneHour", "5");
        Type("txtZoneMinute", "30");
    }
};

}  // namespace velmora::test
