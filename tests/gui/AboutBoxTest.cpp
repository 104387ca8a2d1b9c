#include <gtest/gtest.h>

#include "shared/Version.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <string>
#include <vector>

#include "links/UrlOpener.h"
#include "links/gui/ProductPicture.h"
#include "links/gui/frmAbout.h"
#include "links/modHelp.h"

namespace velmora {
namespace {

struct Recorder : UrlOpener {
    void Open(const std::string& url) override { opened.push_back(url); }
    std::vector<std::string> opened;
};

TEST(AboutBox, ControlsAndTexts) {
    Recorder urls;
    frmAbout about(urls);
    EXPECT_EQ(about.objectName(), QStringLiteral("frmAbout"));
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Velmora v" VELMORA_VERSION));
    EXPECT_TRUE(about.isModal());
    EXPECT_EQ(about.Label2->text(), QStringLiteral("Velmora v" VELMORA_VERSION));
    const QString paragraph = about.Label1->text();
    EXPECT_TRUE(paragraph.startsWith(QStringLiteral(
        "Velmora is a ready to use Vedic almanac software. A Panchang is an ancient scientific Vedic calendar "
        "that helps you find the best time and date for auspicious activities. ")))
        << paragraph.toStdString();
    EXPECT_TRUE(paragraph.contains(QStringLiteral("Panch means five")));
    EXPECT_TRUE(paragraph.contains(QStringLiteral("Ang means aspect")));
    EXPECT_TRUE(paragraph.contains(QStringLiteral("Sanskrit")));
    EXPECT_TRUE(paragraph.endsWith(
        QStringLiteral("A Panchang is made up of five parts and is based on the lunar calendar.")));
    EXPECT_EQ(about.Label3->text(),
              QStringLiteral("Home Business Opportunity. Start your own Internet business and make money online. "
                             "Get this software fully branded for your website."));
    EXPECT_EQ(about.lblCoBrand->text(), QStringLiteral("Click here for more details"));
    EXPECT_EQ(about.lblHomePage->text().toStdString(), "Click here to visit " + std::string(MakerSite));
    // The version, the licence and the credit the gazetteer's data asks for.
    const QString credits = about.lblCredits->text();
    EXPECT_TRUE(credits.contains(QStringLiteral("Version " VELMORA_VERSION "."))) << credits.toStdString();
    EXPECT_TRUE(credits.contains(QStringLiteral("GNU General Public License, version 3 or later")));
    EXPECT_TRUE(credits.contains(QStringLiteral("GeoNames (geonames.org)")));
    EXPECT_TRUE(credits.contains(QStringLiteral("CC BY 4.0")));
    EXPECT_EQ(about.cmdOK->text(), QStringLiteral("OK"));
    EXPECT_EQ(about.Line1->frameShape(), QFrame::HLine);
    for (const char* name : {"Picture1", "Label1", "Label2", "Label3", "Line1", "lblCoBrand", "lblHomePage", "cmdOK"}) {
        EXPECT_NE(about.findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
    }
    EXPECT_TRUE(urls.opened.empty());
}

// The picture comes from the program's own resources; a missing or broken
// resource would show an empty box and a default window icon.
TEST(AboutBox, ProductPictureAndIcon) {
    const QPixmap picture = ProductPicture();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(256, 256));
    EXPECT_FALSE(ProductIcon().isNull());
    Recorder urls;
    frmAbout about(urls);
    EXPECT_FALSE(about.Picture1->pixmap().isNull());
    EXPECT_FALSE(about.windowIcon().isNull());
}

TEST(AboutBox, LinksOpenTheirPages) {
    Recorder urls;
    frmAbout about(urls);
    about.show();
    QTest::mouseClick(about.lblCoBrand, Qt::LeftButton);
    QTest::mouseClick(about.lblHomePage, Qt::LeftButton);
    // Other buttons and a press that ends outside the label are not clicks.
    QTest::mouseClick(about.lblHomePage, Qt::RightButton);
    QTest::mouseClick(about.Label3, Qt::LeftButton);
    QTest::mouseRelease(about.lblCoBrand, Qt::LeftButton, Qt::NoModifier, QPoint(-5, -5));
    ASSERT_EQ(urls.opened.size(), 2u);
    EXPECT_EQ(urls.opened[0], std::string(HelpSite) + "/fully-branded.html");
    EXPECT_EQ(urls.opened[1], std::string(MakerSite));
    EXPECT_TRUE(about.isVisible());
}

TEST(AboutBox, OkCloses) {
    Recorder urls;
    frmAbout about(urls);
    about.show();
    QTest::mouseClick(about.cmdOK, Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
    EXPECT_TRUE(urls.opened.empty());
}

}  // namespace
}  // namespace velmora
