// The input and results windows' links to the zone picker, the place search,
// the about box and the offer banner drawn at start.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <string>

#include "GuiTestSupport.h"
#include "links/PlaceLookup.h"
#include "links/gui/frmAbout.h"
#include "links/modHelp.h"
#include "timezone/TimeZones.h"
#include "timezone/gui/frmTimeZone.h"

using ::testing::ElementsAre;

namespace velmora {
namespace {

using test::Message;
using test::ProgramFixture;

// Runs `act` on the modal window that `open` brings up, once it is up; the
// modal window must be closed by `act`.
template <typename Modal>
void WithModal(const std::function<void()>& open, const std::function<void(Modal*)>& act) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* modal = qobject_cast<Modal*>(QApplication::activeModalWidget());
        ASSERT_NE(modal, nullptr);
        seen = true;
        act(modal);
        if (modal->isVisible()) modal->close();  // never leave the test waiting
    });
    open();
    EXPECT_TRUE(seen);
    test::ProcessDeferredDeletes();
}

void DoubleClickEntry(frmTimeZone* picker, int row) {
    QListWidget* list = picker->lstTimeZone;
    list->scrollToItem(list->item(row));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                       list->visualItemRect(list->item(row)).center());
}

struct ZoneBoxes {
    QLineEdit* hour;
    QLineEdit* minute;
    QCheckBox* dst;
    QRadioButton* south;
    QRadioButton* west;
};

ZoneBoxes Zone(ProgramFixture& p) {
    return {p.Child<QLineEdit>("txtZoneHour"), p.Child<QLineEdit>("txtZoneMinute"), p.Child<QCheckBox>("chkDST"),
            p.Child<QRadioButton>("optLat1"), p.Child<QRadioButton>("optLong1")};
}

TEST(TimeZoneHelp, PicksIntoTheZoneBoxesOnly) {
    ProgramFixture p;
    ZoneBoxes z = Zone(p);
    ASSERT_NE(z.south, nullptr);
    ASSERT_NE(z.west, nullptr);
    z.hour->setText(QStringLiteral("1"));
    z.minute->setText(QStringLiteral("2"));
    z.dst->setChecked(true);
    z.west->setChecked(true);

    WithModal<frmTimeZone>([&] { QTest::mouseClick(p.Child<QLabel>("lblTZHelp"), Qt::LeftButton); },
                           [&](frmTimeZone* picker) {
                               EXPECT_TRUE(picker->isModal());
                               EXPECT_TRUE(picker->lstTimeZone->selectedItems().isEmpty());
                               DoubleClickEntry(picker, 34);  // Indian Time, +5.3
                               EXPECT_FALSE(picker->isVisible());
                           });
    EXPECT_EQ(z.hour->text(), QStringLiteral("-5"));
    EXPECT_EQ(z.minute->text(), QStringLiteral("-30"));
    EXPECT_TRUE(z.dst->isChecked());
    EXPECT_TRUE(z.west->isChecked());
    EXPECT_FALSE(z.south->isChecked());
    EXPECT_TRUE(p.messages.shown.empty());

    // Opened again: fresh list, nothing selected; "&Quit" leaves the boxes.
    WithModal<frmTimeZone>([&] { p.window->lblTZHelp_Click(); },
                           [&](frmTimeZone* picker) {
                               EXPECT_TRUE(picker->lstTimeZone->selectedItems().isEmpty());
                               picker->lstTimeZone->setCurrentRow(29);
                               QTest::mouseClick(picker->cmdQuit, Qt::LeftButton);
                           });
    EXPECT_EQ(z.hour->text(), QStringLiteral("-5"));
    EXPECT_EQ(z.minute->text(), QStringLiteral("-30"));

    // The close box likewise.
    WithModal<frmTimeZone>([&] { p.window->lblTZHelp_Click(); },
                           [&](frmTimeZone* picker) {
                               picker->lstTimeZone->setCurrentRow(29);
                               picker->close();
                           });
    EXPECT_EQ(z.hour->text(), QStringLiteral("-5"));
    EXPECT_EQ(z.minute->text(), QStringLiteral("-30"));
}

// Every entry, the daylight-time ones included, writes the two zone boxes and
// leaves DST and both hemisphere choices as they were, whichever way they were set.
TEST(TimeZoneHelp, NoEntryTouchesDstOrTheHemispheres) {
    ProgramFixture p;
    ZoneBoxes z = Zone(p);
    for (const bool set : {true, false}) {
        z.dst->setChecked(set);
        (set ? z.west : p.Child<QRadioButton>("optLong0"))->setChecked(true);
        (set ? z.south : p.Child<QRadioButton>("optLat0"))->setChecked(true);
        for (int row = 0; row < TimeZoneCount; ++row) {
            WithModal<frmTimeZone>([&] { p.window->lblTZHelp_Click(); },
                                   [&](frmTimeZone* picker) { DoubleClickEntry(picker, row); });
            ASSERT_EQ(z.hour->text().toStdString(), ZoneTextsAt(row)->hour) << row;
            ASSERT_EQ(z.minute->text().toStdString(), ZoneTextsAt(row)->minute) << row;
            ASSERT_EQ(z.dst->isChecked(), set) << row;
            ASSERT_EQ(z.west->isChecked(), set) << row;
            ASSERT_EQ(z.south->isChecked(), set) << row;
        }
    }
    EXPECT_TRUE(p.messages.shown.empty());
}

TEST(TimeZoneHelp, OpensBesideTheLabelWhereverTheWindowIs) {
    ProgramFixture p;
    auto* label = p.Child<QLabel>("lblTZHelp");
    auto* zoneFrame = p.Child<QWidget>("fraZone");
    ASSERT_TRUE(zoneFrame->isAncestorOf(label));
    QPoint previous;
    QPoint previousFrame;
    const QPoint places[] = {QPoint(30, 40), QPoint(300, 90), QPoint(5, 5)};
    for (const QPoint& place : places) {
        p.window->move(place);
        QTest::qWait(1);
        const QPoint expected = TimeZonePickerPosition(p.window.get(), zoneFrame, label);
        const QPoint labelCorner = label->mapToGlobal(QPoint(label->width(), label->height()));
        // Right of the label and below it, by no more than the fixed drop.
        EXPECT_GE(expected.x(), labelCorner.x() - 40);
        EXPECT_GE(expected.y(), labelCorner.y() - 40);
        EXPECT_LE(expected.y(), labelCorner.y() + 40);
        // It moves exactly as far as the window did.
        if (place != places[0]) EXPECT_EQ(expected - previous, p.window->frameGeometry().topLeft() - previousFrame);
        previous = expected;
        previousFrame = p.window->frameGeometry().topLeft();
        QPoint opened;
        QSize pickerFrame;
        WithModal<frmTimeZone>([&] { p.window->lblTZHelp_Click(); },
                               [&](frmTimeZone* picker) {
                                   opened = picker->frameGeometry().topLeft();
                                   pickerFrame = picker->frameGeometry().size();
                                   QTest::mouseClick(picker->cmdQuit, Qt::LeftButton);
                               });
        // Where that would stick out of the screen's free area, the picker
        // comes back inside it.
        const QRect available = p.window->screen()->availableGeometry();
        QRect wanted(expected, pickerFrame);
        wanted.moveRight(std::min(wanted.right(), available.right()));
        wanted.moveBottom(std::min(wanted.bottom(), available.bottom()));
        EXPECT_EQ(opened, wanted.topLeft());
    }
}

void FillPlace(ProgramFixture& p, const char* city, const char* state, const char* country) {
    p.Child<QLineEdit>("txtMCity")->setText(QString::fromUtf8(city));
    p.Child<QLineEdit>("txtMState")->setText(QString::fromUtf8(state));
    p.Child<QLineEdit>("txtMCountry")->setText(QString::fromUtf8(country));
}

TEST(PlaceLookupButton, RefusesTheFirstEmptyBoxAndFocusesIt) {
    struct Row {
        const char* city;
        const char* state;
        const char* country;
        const char* message;
        const char* focus;
    };
    const Row rows[] = {{"", "", "", "Please Enter City", "txtMCity"},
                        {"Pune", "", "India", "Please Enter State", "txtMState"},
                        {"Pune", "Maharashtra", "", "Please Enter Country", "txtMCountry"}};
    for (const Row& row : rows) {
        ProgramFixture p;
        test::RecordingUrlOpener searches;
        WebPlaceSearch search(searches);
        p.services.placeSearch = &search;
        FillPlace(p, row.city, row.state, row.country);
        p.Child<QLineEdit>("txtName")->setFocus();
        QTest::mouseClick(p.Child<QPushButton>("cmdBrowser"), Qt::LeftButton);
        EXPECT_THAT(p.messages.shown, ElementsAre(Message{row.message, MessageIcon::Information})) << row.message;
        EXPECT_EQ(p.window->focusWidget(), p.Child<QWidget>(row.focus)) << row.message;
        EXPECT_TRUE(searches.opened.empty());
        EXPECT_TRUE(p.urls.opened.empty());
    }
}

TEST(PlaceLookupButton, OpensTheSearchAndLeavesTheWindowAsItWas) {
    ProgramFixture p;
    test::RecordingUrlOpener searches;
    WebPlaceSearch search(searches);
    p.services.placeSearch = &search;
    FillPlace(p, "Pune", "Maharashtra", "India");
    const InputForm before = p.window->ReadForm();
    QTest::mouseClick(p.Child<QPushButton>("cmdBrowser"), Qt::LeftButton);
    EXPECT_TRUE(p.messages.shown.empty());
    EXPECT_THAT(searches.opened,
                ElementsAre("https://duckduckgo.com/?q=Pune%20Maharashtra%20India%20Latitude%20Longitude"
                            "&t=www.velmora.example"));
    const InputForm after = p.window->ReadForm();
    EXPECT_EQ(after.txtLatD, before.txtLatD);
    EXPECT_EQ(after.txtLonD, before.txtLonD);
    EXPECT_EQ(after.txtMState, "Maharashtra");

    // Typed text with address syntax and letters beyond ASCII stays data.
    searches.opened.clear();
    FillPlace(p, "Zürich #2", "A&B?", "Côte d'Ivoire");
    QTest::mouseClick(p.Child<QPushButton>("cmdBrowser"), Qt::LeftButton);
    EXPECT_THAT(searches.opened, ElementsAre("https://duckduckgo.com/?q=Z%C3%BCrich%20%232%20A%26B%3F%20"
                                             "C%C3%B4te%20d%27Ivoire%20Latitude%20Longitude"
                                             "&t=www.velmora.example"));
}

// Without a place-search component the button does nothing at all.
TEST(PlaceLookupButton, NoComponentNoEffect) {
    ProgramFixture p;
    FillPlace(p, "Pune", "Maharashtra", "India");
    QTest::mouseClick(p.Child<QPushButton>("cmdBrowser"), Qt::LeftButton);
    EXPECT_TRUE(p.messages.shown.empty());
    EXPECT_TRUE(p.urls.opened.empty());
}

// The about box from a window's menu: modal, its links open their pages, OK closes.
void CheckAboutBox(ProgramFixture& p, QAction* mnuAbout) {
    ASSERT_NE(mnuAbout, nullptr);
    p.urls.opened.clear();
    bool closedByOk = false;
    WithModal<frmAbout>([&] { mnuAbout->trigger(); },
                        [&](frmAbout* about) {
                            EXPECT_TRUE(about->isModal());
                            QTest::mouseClick(about->lblCoBrand, Qt::LeftButton);
                            QTest::mouseClick(about->lblHomePage, Qt::LeftButton);
                            QTest::mouseClick(about->cmdOK, Qt::LeftButton);
                            closedByOk = !about->isVisible();
                        });
    EXPECT_TRUE(closedByOk);
    EXPECT_THAT(p.urls.opened, ElementsAre(std::string(HelpSite) + "/fully-branded.html", std::string(MakerSite)));
    EXPECT_EQ(p.quitCalls, 0);
}

TEST(AboutMenu, FromTheInputWindow) {
    ProgramFixture p;
    CheckAboutBox(p, p.Child<QAction>("mnuAbout"));
    EXPECT_TRUE(p.window->isVisible());
}

TEST(AboutMenu, FromTheResultsWindow) {
    ProgramFixture p;
    const std::pair<const char*, const char*> boxes[] = {{"txtName", "Asha"}, {"txtLatD", "18"}, {"txtLatM", "31"},
                                                          {"txtLonD", "73"},   {"txtLonM", "51"}, {"txtZoneHour", "5"},
                                                          {"txtZoneMinute", "30"}};
    for (const auto& [box, text] : boxes) p.Child<QLineEdit>(box)->setText(QString::fromLatin1(text));
    p.window->cmdRashi_Click();
    frmDisplay* results = p.window->ResultsWindow();
    ASSERT_NE(results, nullptr) << (p.messages.shown.empty() ? "" : p.messages.shown[0].text);
    CheckAboutBox(p, results->findChild<QAction*>(QStringLiteral("mnuAbout")));
    EXPECT_TRUE(results->isVisible());
}

TEST(OfferBannerAtStart, DrawBringsItsBannerToTheFront) {
    struct Row {
        double u;
        const char* front;  // with lblCobrand in front before the draw
    };
    // 0.0 -> 1 co-brand; 0.2 -> 2 fully branded; 0.99 -> 7 nothing changes.
    const Row rows[] = {{0.0, "lblCobrand"}, {0.2, "lblFullBrand"}, {0.99, "lblCobrand"}, {0.5, "lblFullBrand"},
                        {0.4, "lblCobrand"}};
    for (const Row& row : rows) {
        ProgramFixture p;
        EXPECT_EQ(p.window->FrontBanner(), p.Child<QWidget>("lblFullBrand"));
        p.window->BringBannerToFront(p.Child<QWidget>("lblCobrand"));
        p.services.uniform = [u = row.u] { return u; };
        p.window->DrawOfferBanner();
        EXPECT_EQ(p.window->FrontBanner(), p.Child<QWidget>(row.front)) << row.u;
    }
    // No random source: the design's order stays.
    ProgramFixture p;
    p.window->DrawOfferBanner();
    EXPECT_EQ(p.window->FrontBanner(), p.Child<QWidget>("lblFullBrand"));
}

}  // namespace
}  // namespace velmora
