// The City completer of the input window against the real gazetteer and the
// real time-zone database.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QTest>

#include <memory>

#include "GuiTestSupport.h"
#include "places/gui/PlaceCompleter.h"
#include "places/lookup/SystemPlaces.h"

using namespace velmora;
using namespace velmora::test;

namespace {

// Typing that QTest's key table cannot spell (accents, emoji) arrives as one
// key event carrying the text, as an input method delivers it.
void Type(QLineEdit* box, const QString& text) {
    bool ascii = true;
    for (const QChar c : text) ascii = ascii && c.unicode() < 0x80;
    if (ascii) {
        QTest::keyClicks(box, text);
    } else {
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, text, Qt::NoModifier);
    }
}

class CityCompleter : public ::testing::Test {
protected:
    void SetUp() override {
        if (!directory) GTEST_SKIP() << "built without the gazetteer";
        // The window shows the gazetteer's names in the user's language; the
        // expected texts here are the English ones, whatever the machine's locale.
        qputenv("LANGUAGE", "en");
        services.places = directory.get();
        window = std::make_unique<frmMain>(services);
        window->show();
        completer = window->findChild<PlaceCompleter*>();
        ASSERT_NE(completer, nullptr);
    }
    void TearDown() override {
        window.reset();
        ProcessDeferredDeletes();
    }

    template <typename T>
    T* Child(const char* name) const {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    QString Text(const char* box) const { return Child<QLineEdit>(box)->text(); }
    // "22 34 N": degrees, minutes and the chosen hemisphere button's caption.
    QString Coordinate(const char* deg, const char* min, const char* pair) const {
        return Text(deg) + " " + Text(min) + " " + Child<QButtonGroup>(pair)->checkedButton()->text().left(1);
    }
    QString Zone() const {
        return Text("txtZoneHour") + ":" + Text("txtZoneMinute") +
               (Child<QCheckBox>("chkDST")->checkState() == Qt::Checked ? " DST" : "");
    }
    void SetDate(int year, int month, int day, int hour = 12, int minute = 0) {
        auto* years = Child<QComboBox>("cboYear");
        years->setCurrentIndex(years->findText(QString::number(year)));
        Child<QComboBox>("cboMonth")->setCurrentIndex(month - 1);
        auto* days = Child<QComboBox>("cboDate");
        days->setCurrentIndex(days->findText(QString::number(day)));
        auto* hours = Child<QComboBox>("cboHH");
        hours->setCurrentIndex(hours->findText(QString::number(hour)));
        auto* minutes = Child<QComboBox>("cboMM");
        minutes->setCurrentIndex(minutes->findText(QString::number(minute)));
    }
    // Types into City as a user would and takes the first place offered.
    void TypeAndChooseFirst(const QString& typed) {
        QLineEdit* city = Child<QLineEdit>("txtMCity");
        city->setFocus();
        city->clear();
        Type(city, typed);
        ASSERT_FALSE(completer->Offered().isEmpty()) << typed.toStdString();
        completer->Choose(0);
    }

    std::unique_ptr<PlaceDirectory> directory = OpenPlaceDirectory();
    CalculationState state;
    RecordingMessageBoxes messages;
    RecordingUrlOpener urls;
    ProgramEnd end{[] {}};
    WindowServices services{state, messages, urls, end};
    std::unique_ptr<frmMain> window;
    PlaceCompleter* completer = nullptr;
};

TEST_F(CityCompleter, OffersCityStateCountryMostPopulousFirst) {
    QTest::keyClicks(Child<QLineEdit>("txtMCity"), QStringLiteral("Springf"));
    const QStringList offered = completer->Offered();
    ASSERT_GE(offered.size(), 5);
    EXPECT_EQ(offered[0], QStringLiteral("Springfield, Missouri, United States of America"));
    EXPECT_EQ(offered[1], QStringLiteral("Springfield, Massachusetts, United States of America"));
    EXPECT_TRUE(completer->Completer()->popup()->isVisible());
    // "city, state" narrows the offer.
    QTest::keyClicks(Child<QLineEdit>("txtMCity"), QStringLiteral("ield, Ore"));
    EXPECT_EQ(completer->Offered(), QStringList{QStringLiteral("Springfield, Oregon, United States of America")});
}

TEST_F(CityCompleter, ChoosingFromThePopupByKeyFillsTheEasternPlace) {
    SetDate(1987, 8, 15, 10, 30);
    QLineEdit* city = Child<QLineEdit>("txtMCity");
    city->setFocus();
    QTest::keyClicks(city, QStringLiteral("Pune"));
    QAbstractItemView* popup = completer->Completer()->popup();
    ASSERT_TRUE(popup->isVisible());
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    EXPECT_EQ(Text("txtMCity"), QStringLiteral("Pune"));
    EXPECT_EQ(Text("txtMState"), QStringLiteral("Maharashtra"));
    EXPECT_EQ(Text("txtMCountry"), QStringLiteral("India"));
    EXPECT_EQ(Coordinate("txtLatD", "txtLatM", "optLat"), QStringLiteral("18 31 N"));
    EXPECT_EQ(Coordinate("txtLonD", "txtLonM", "optLong"), QStringLiteral("73 51 E"));
    EXPECT_EQ(Zone(), QStringLiteral("5:30"));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CityCompleter, HistoricalWarTimeOffsetFillsZoneAndDst) {
    SetDate(1943, 6, 1);
    TypeAndChooseFirst(QStringLiteral("Kolkata"));
    EXPECT_EQ(Text("txtMState"), QStringLiteral("West Bengal"));
    EXPECT_EQ(Coordinate("txtLatD", "txtLatM", "optLat"), QStringLiteral("22 34 N"));
    EXPECT_EQ(Coordinate("txtLonD", "txtLonM", "optLong"), QStringLiteral("88 22 E"));
    EXPECT_EQ(Zone(), QStringLiteral("5:30 DST"));
    // After the war the zone follows the date back to plain 5:30.
    SetDate(1946, 6, 1);
    EXPECT_EQ(Zone(), QStringLiteral("5:30"));
}

TEST_F(CityCompleter, WesternPlaceWithAndWithoutDaylightSavingFollowsTheDate) {
    SetDate(1990, 1, 15);
    TypeAndChooseFirst(QStringLiteral("New York"));
    EXPECT_EQ(Coordinate("txtLatD", "txtLatM", "optLat"), QStringLiteral("40 43 N"));
    EXPECT_EQ(Coordinate("txtLonD", "txtLonM", "optLong"), QStringLiteral("74 0 W"));
    EXPECT_EQ(Zone(), QStringLiteral("5:0"));
    Child<QComboBox>("cboMonth")->setCurrentIndex(6);  // July
    EXPECT_EQ(Zone(), QStringLiteral("5:0 DST"));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CityCompleter, ZoneTypedByHandIsLeftAloneWhenTheDateChanges) {
    SetDate(1990, 1, 15);
    TypeAndChooseFirst(QStringLiteral("New York"));
    QLineEdit* hour = Child<QLineEdit>("txtZoneHour");
    hour->clear();
    QTest::keyClicks(hour, QStringLiteral("6"));
    Child<QComboBox>("cboMonth")->setCurrentIndex(6);
    EXPECT_EQ(Zone(), QStringLiteral("6:0"));
    EXPECT_FALSE(completer->Chosen().has_value());
}

TEST_F(CityCompleter, ClockTheWindowCannotHoldIsSaidOnce) {
    SetDate(1990, 7, 1);
    TypeAndChooseFirst(QStringLiteral("Madrid"));
    EXPECT_EQ(Text("txtMCountry"), QStringLiteral("Spain"));
    EXPECT_EQ(Coordinate("txtLonD", "txtLonM", "optLong"), QStringLiteral("3 42 W"));
    EXPECT_EQ(Zone(), QStringLiteral("0:0 DST"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text.rfind("Madrid, Madrid, Spain kept UTC+2:00 on 1990-07-01 12:00 (Europe/Madrid)", 0),
              0u)
        << messages.shown[0].text;
    EXPECT_NE(messages.shown[0].text.find("1 hour later"), std::string::npos);
    // Another summer day misses by the same hour: nothing more to say.
    Child<QComboBox>("cboDate")->setCurrentIndex(1);
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(CityCompleter, MadridInWinterTicksDstToHoldItsClockAndSaysWhy) {
    SetDate(2024, 1, 15);
    TypeAndChooseFirst(QStringLiteral("Madrid"));
    EXPECT_EQ(Coordinate("txtLonD", "txtLonM", "optLong"), QStringLiteral("3 42 W"));
    EXPECT_EQ(Zone(), QStringLiteral("0:0 DST"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("so the box is ticked though no daylight saving was in force"),
              std::string::npos)
        << messages.shown[0].text;
    // In July the box is ticked for summer time and UTC+2 cannot be held: said.
    Child<QComboBox>("cboMonth")->setCurrentIndex(6);
    EXPECT_EQ(Zone(), QStringLiteral("0:0 DST"));
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_NE(messages.shown[1].text.find("cannot hold this clock"), std::string::npos) << messages.shown[1].text;
}

TEST_F(CityCompleter, FormerNamesAndCodesAsPeopleWriteThem) {
    QLineEdit* city = Child<QLineEdit>("txtMCity");
    QTest::keyClicks(city, QStringLiteral("Bombay"));
    ASSERT_FALSE(completer->Offered().isEmpty());
    EXPECT_EQ(completer->Offered()[0], QStringLiteral("Mumbai (Bombay), Maharashtra, India"));
    completer->Choose(0);
    EXPECT_EQ(Text("txtMCity"), QStringLiteral("Mumbai"));  // the city's name now goes into the box
    EXPECT_EQ(Text("txtMState"), QStringLiteral("Maharashtra"));
    city->clear();
    QTest::keyClicks(city, QStringLiteral("Paris, TX"));
    EXPECT_EQ(completer->Offered(), QStringList{QStringLiteral("Paris, Texas, United States of America")});
    city->clear();
    QTest::keyClicks(city, QStringLiteral("London, UK"));
    ASSERT_FALSE(completer->Offered().isEmpty());
    EXPECT_EQ(completer->Offered()[0], QStringLiteral("London, England, United Kingdom"));
}

TEST_F(CityCompleter, SkippedLocalTimeIsSaidAndReadAsStandardTime) {
    SetDate(1990, 4, 1, 2, 30);
    TypeAndChooseFirst(QStringLiteral("New York"));
    EXPECT_EQ(Zone(), QStringLiteral("5:0"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("did not occur in America/New_York"), std::string::npos);
}

TEST_F(CityCompleter, OddTextOffersNothingAndLeavesTheBoxesAlone) {
    QLineEdit* city = Child<QLineEdit>("txtMCity");
    const QString odd[] = {QStringLiteral("   "), QStringLiteral("'"), QString(300, QLatin1Char('a')),
                           QStringLiteral("Qwertzuiop"), QString::fromUtf8("\xF0\x9F\x8C\x8D"),
                           QStringLiteral(",,,,"), QStringLiteral("a,b,c,d")};
    for (const QString& text : odd) {
        city->clear();
        Type(city, text);
        EXPECT_TRUE(completer->Offered().isEmpty()) << text.toStdString();
    }
    EXPECT_TRUE(Text("txtLatD").isEmpty());
    EXPECT_TRUE(Text("txtZoneHour").isEmpty());
    completer->Choose(0);   // nothing offered: nothing to choose
    completer->Choose(-1);
    EXPECT_TRUE(Text("txtLatD").isEmpty());
}

TEST_F(CityCompleter, DiacriticsAndApostrophes) {
    TypeAndChooseFirst(QStringLiteral("Sao Paulo"));
    EXPECT_EQ(Text("txtMCity"), QString::fromUtf8("S\u00E3o Paulo"));
    TypeAndChooseFirst(QString::fromUtf8("S\u00C3O PAU"));
    EXPECT_EQ(Text("txtMCity"), QString::fromUtf8("S\u00E3o Paulo"));
    EXPECT_EQ(Coordinate("txtLatD", "txtLatM", "optLat"), QStringLiteral("23 33 S"));
    TypeAndChooseFirst(QStringLiteral("Coeur d'Al"));
    EXPECT_EQ(Text("txtMCity"), QStringLiteral("Coeur d'Alene"));
    EXPECT_EQ(Text("txtMState"), QStringLiteral("Idaho"));
}

}  // namespace
