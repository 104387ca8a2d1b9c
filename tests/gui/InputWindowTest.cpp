#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "shared/Version.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTest>

#include "GuiTestSupport.h"
#include "links/modHelp.h"

using namespace velmora;
using namespace velmora::test;
using ::testing::ElementsAre;

namespace {

std::string Url(std::string_view site, const char* path) { return std::string(site) + path; }

QStringList Entries(const QComboBox* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->itemText(i);
    return out;
}

// The captions of a menu's items, separators as "-".
QStringList Captions(const QMenu* menu) {
    QStringList out;
    for (const QAction* a : menu->actions()) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

const Message kNameMissing{"Please Enter Name", MessageIcon::Critical};
const Message kLettersOnly{"Please Enter only Letters", MessageIcon::Information};
const Message kNumbersOnly{"Only Numbers Are Accepted", MessageIcon::Critical};

}  // namespace

TEST(InputWindow, FreshWindowState) {
    ProgramFixture p;
    EXPECT_EQ(p.window->windowTitle(), "Velmora v" VELMORA_VERSION);

    struct ListCase {
        const char* name;
        int count;
        const char* first;
        const char* last;
    };
    for (const ListCase& c : {ListCase{"cboMonth", 12, "January", "December"}, ListCase{"cboDate", 31, "1", "31"},
                              ListCase{"cboYear", 150, "1901", "2050"}, ListCase{"cboHH", 24, "0", "23"},
                              ListCase{"cboMM", 60, "0", "59"}, ListCase{"cboSS", 60, "0", "59"}}) {
        auto* list = p.Child<QComboBox>(c.name);
        ASSERT_NE(list, nullptr) << c.name;
        EXPECT_FALSE(list->isEditable()) << c.name;
        EXPECT_EQ(list->count(), c.count) << c.name;
        EXPECT_EQ(list->currentIndex(), 0) << c.name;
        EXPECT_EQ(list->itemText(0), c.first) << c.name;
        EXPECT_EQ(list->itemText(c.count - 1), c.last) << c.name;
    }
    EXPECT_EQ(Entries(p.Child<QComboBox>("cboMonth")),
              QStringList({"January", "February", "March", "April", "May", "June", "July", "August", "September",
                           "October", "November", "December"}));
    EXPECT_EQ(p.Child<QComboBox>("cboMM")->itemText(7), "7");  // no leading zeros

    struct BoxCase {
        const char* name;
        int maxLength;
    };
    for (const BoxCase& c : {BoxCase{"txtName", 32767}, BoxCase{"txtMCity", 32767}, BoxCase{"txtMState", 32767},
                             BoxCase{"txtMCountry", 32767}, BoxCase{"txtLatD", 2}, BoxCase{"txtLatM", 2},
                             BoxCase{"txtLonD", 3}, BoxCase{"txtLonM", 2}, BoxCase{"txtZoneHour", 3},
                             BoxCase{"txtZoneMinute", 3}}) {
        auto* box = p.Child<QLineEdit>(c.name);
        ASSERT_NE(box, nullptr) << c.name;
        EXPECT_TRUE(box->text().isEmpty()) << c.name;
        EXPECT_EQ(box->maxLength(), c.maxLength) << c.name;
    }

    auto* optLat = p.Child<QButtonGroup>("optLat");
    auto* optLong = p.Child<QButtonGroup>("optLong");
    ASSERT_NE(optLat, nullptr);
    ASSERT_NE(optLong, nullptr);
    EXPECT_EQ(optLat->checkedButton()->text(), "North");
    EXPECT_EQ(optLat->button(1)->text(), "South");
    EXPECT_EQ(optLong->checkedButton()->text(), "East");
    EXPECT_EQ(optLong->button(1)->text(), "West");
    auto* dst = p.Child<QCheckBox>("chkDST");
    ASSERT_NE(dst, nullptr);
    EXPECT_FALSE(dst->isTristate());  // a click ticks or unticks
    EXPECT_EQ(dst->checkState(), Qt::Unchecked);
    EXPECT_EQ(dst->text(), "DST");

    EXPECT_EQ(p.Child<QPushButton>("cmdRashi")->text(), "Get My Panchang Results");
    // "&&" shows one ampersand.
    EXPECT_EQ(p.Child<QPushButton>("cmdBrowser")->text(), "Click Here To Find Latitude && Longitude");
    EXPECT_EQ(p.Child<QLabel>("lblTZHelp")->text(), "TZ Help");
    for (const char* name : {"Frame2", "fraZone", "Label61", "lblCobrand", "lblFullBrand", "lblBlurb"}) {
        EXPECT_NE(p.Child<QWidget>(name), nullptr) << name;
    }
    EXPECT_EQ(p.window->FrontBanner(), p.Child<QWidget>("lblFullBrand"));
    EXPECT_EQ(p.Child<QLabel>("lblBlurb")->text(),
              "Do you wish to know if the current time is good for traveling? Or starting a new business venture. "
              "Consult the Velmora software and get your answers today.");

    // What the core reads from a fresh window is the fresh form.
    const InputForm form = p.window->ReadForm();
    const InputForm fresh;
    EXPECT_EQ(form.cboMonth, fresh.cboMonth);
    EXPECT_EQ(form.cboYear, fresh.cboYear);
    EXPECT_EQ(form.optLat, 0);
    EXPECT_EQ(form.optLong, 0);
    EXPECT_EQ(form.chkDST, 0);
    EXPECT_TRUE(p.messages.shown.empty());
}

TEST(InputWindow, MenusInOrder) {
    ProgramFixture p;
    const QList<QAction*> top = p.window->menuBar()->actions();
    ASSERT_EQ(top.size(), 5);
    EXPECT_EQ(top[0]->text(), "&File");
    EXPECT_EQ(top[1]->text(), "&Help");
    EXPECT_EQ(top[2]->text(), "&Donate");
    EXPECT_EQ(top[3]->text(), "Make Money &Online");
    // Our own addition after the seed's menus: each language in its own script.
    EXPECT_EQ(top[4]->text(), "&Language");
    EXPECT_EQ(Captions(top[4]->menu()), QStringList({"English", QString::fromUtf8("हिन्दी"), QString::fromUtf8("தமிழ்")}));
    EXPECT_EQ(Captions(top[0]->menu()),
              QStringList({"Get My Panchang Results", QString::fromUtf8("Month &Calendar\u2026"), "E&xit"}));
    EXPECT_EQ(Captions(top[1]->menu()), QStringList({"&Online Help", "&Visit Us Online", "-",
                                                     "Check for Software &Update", "-", "&About Software"}));
}

TEST(InputWindow, PressingTheButtonAtOnceAsksForTheName) {
    for (const bool byMenu : {false, true}) {
        ProgramFixture p;
        auto* latD = p.Child<QLineEdit>("txtLatD");
        auto* name = p.Child<QLineEdit>("txtName");
        latD->setFocus();
        ASSERT_EQ(p.window->focusWidget(), latD);
        if (byMenu) {
            p.Child<QAction>("mnuNext")->trigger();
        } else {
            QTest::mouseClick(p.Child<QPushButton>("cmdRashi"), Qt::LeftButton);
        }
        EXPECT_THAT(p.messages.shown, ElementsAre(kNameMissing)) << "menu " << byMenu;
        EXPECT_EQ(p.window->focusWidget(), name) << "menu " << byMenu;
        EXPECT_TRUE(p.window->isVisible());
        EXPECT_EQ(p.window->ResultsWindow(), nullptr);
    }
}

TEST(InputWindow, EnterOnTheButtonPressesIt) {
    ProgramFixture p;
    auto* button = p.Child<QPushButton>("cmdRashi");
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_THAT(p.messages.shown, ElementsAre(kNameMissing));
}

TEST(InputWindow, NameBoxTakesLettersAsCapitals) {
    ProgramFixture p;
    auto* name = p.Child<QLineEdit>("txtName");
    QTest::keyClick(name, 'a');
    EXPECT_EQ(name->text(), "A");
    EXPECT_TRUE(p.messages.shown.empty());

    QTest::keyClick(name, '1');
    EXPECT_EQ(name->text(), "A");
    EXPECT_THAT(p.messages.shown, ElementsAre(kLettersOnly));

    p.messages.shown.clear();
    QTest::keyClicks(name, "sha rani");
    EXPECT_EQ(name->text(), "ASHA RANI");
    QTest::keyClick(name, Qt::Key_Backspace);
    QTest::keyClick(name, 'I', Qt::ShiftModifier);
    EXPECT_EQ(name->text(), "ASHA RANI");
    QTest::keyClicks(name, "-.'");
    EXPECT_EQ(name->text(), "ASHA RANI");
    EXPECT_EQ(p.messages.shown.size(), 3u);
}

TEST(InputWindow, DigitBoxesTakeDigitsOnly) {
    ProgramFixture p;
    auto* zoneHour = p.Child<QLineEdit>("txtZoneHour");
    auto* zoneMinute = p.Child<QLineEdit>("txtZoneMinute");
    QTest::keyClicks(zoneHour, "-5");
    EXPECT_EQ(zoneHour->text(), "-5");
    EXPECT_TRUE(p.messages.shown.empty());

    QTest::keyClick(zoneMinute, '-');
    EXPECT_EQ(zoneMinute->text(), "");
    EXPECT_THAT(p.messages.shown, ElementsAre(kNumbersOnly));

    // Every digit box refuses a letter, a point and a blank, and stops at its
    // maximum length.
    for (const char* boxName : {"txtLatD", "txtLatM", "txtLonD", "txtLonM", "txtZoneMinute"}) {
        p.messages.shown.clear();
        auto* box = p.Child<QLineEdit>(boxName);
        box->clear();
        QTest::keyClicks(box, "a. -");
        EXPECT_EQ(box->text(), "") << boxName;
        EXPECT_EQ(p.messages.shown.size(), 4u) << boxName;
        p.messages.shown.clear();
        QTest::keyClicks(box, "1234");
        EXPECT_EQ(box->text(), QString("1234").left(box->maxLength())) << boxName;
        QTest::keyClick(box, Qt::Key_Backspace);
        EXPECT_EQ(box->text().size(), box->maxLength() - 1) << boxName;
        EXPECT_TRUE(p.messages.shown.empty()) << boxName;
    }
}

TEST(InputWindow, MovingAboutAndShortcutsAreNotFiltered) {
    ProgramFixture p;
    auto* lonD = p.Child<QLineEdit>("txtLonD");
    QTest::keyClicks(lonD, "77");
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_End, Qt::Key_Home, Qt::Key_Delete, Qt::Key_Escape}) {
        QTest::keyClick(lonD, key);
    }
    QTest::keyClick(lonD, Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(p.messages.shown.empty());
    EXPECT_EQ(lonD->text(), "7");  // Home then Delete took the first digit
}

TEST(InputWindow, PastedTextBypassesTheFilters) {
    ProgramFixture p;
    auto* latM = p.Child<QLineEdit>("txtLatM");
    auto* name = p.Child<QLineEdit>("txtName");
    QApplication::clipboard()->setText(QStringLiteral("x9"));
    latM->paste();
    name->paste();
    EXPECT_EQ(latM->text(), "x9");
    EXPECT_EQ(name->text(), "x9");
    EXPECT_TRUE(p.messages.shown.empty());
}

TEST(InputWindow, MenusAndBannersOpenTheirPages) {
    ProgramFixture p;
    p.Child<QAction>("mnuOnline")->trigger();
    p.Child<QAction>("mnuVisit")->trigger();
    p.Child<QAction>("mnuUpdate")->trigger();
    p.Child<QAction>("mnuDonate")->trigger();
    p.Child<QAction>("mkmoney")->trigger();
    QTest::mouseClick(p.Child<QWidget>("Label61"), Qt::LeftButton);
    QTest::mouseClick(p.Child<QWidget>("lblFullBrand"), Qt::LeftButton);
    p.window->BringBannerToFront(p.Child<QWidget>("lblCobrand"));
    QTest::mouseClick(p.Child<QWidget>("lblCobrand"), Qt::LeftButton);
    EXPECT_THAT(p.urls.opened,
                ElementsAre(Url(ProductSite, "/velmora-help.html"), Url(MakerSite, ""),
                            Url(ProductSite, "/download-velmora.html"), Url(HelpSite, "/donate.html"),
                            Url(HelpSite, "/fully-branded.html"), Url(MakerSite, ""),
                            Url(HelpSite, "/fully-branded.html"), Url(HelpSite, "/co-brand.html")));
    EXPECT_TRUE(p.window->isVisible());
    EXPECT_EQ(p.quitCalls, 0);
}

TEST(InputWindow, ExitAndTheCloseBoxEndTheProgram) {
    for (const bool byMenu : {false, true}) {
        ProgramFixture p;
        if (byMenu) {
            p.Child<QAction>("mnuExit")->trigger();
        } else {
            p.window->close();
        }
        EXPECT_EQ(p.quitCalls, 1) << "menu " << byMenu;
        EXPECT_TRUE(p.end.Ending());
        EXPECT_FALSE(p.window->isVisible());
    }
}

TEST(InputWindow, TabGoesDownTheForm) {
    ProgramFixture p;
    p.window->activateWindow();
    p.Child<QLineEdit>("txtName")->setFocus();
    const QString expected =
        "cboMonth cboDate cboYear cboHH cboMM cboSS txtMCity txtMState txtMCountry cmdBrowser txtLatD txtLatM "
        "optLat0 optLat1 txtLonD txtLonM optLong0 optLong1 txtZoneHour txtZoneMinute chkDST lblTZHelp cmdRashi";
    QStringList visited;
    for (qsizetype i = 0; i < expected.count(QLatin1Char(' ')) + 1; ++i) {
        QTest::keyClick(p.window->focusWidget(), Qt::Key_Tab);
        visited << p.window->focusWidget()->objectName();
    }
    EXPECT_EQ(visited.join(QLatin1Char(' ')).toStdString(), expected.toStdString());
    EXPECT_TRUE(p.messages.shown.empty());  // Tab is no character for the key filters
}
