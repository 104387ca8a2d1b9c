// The calendar's and the Day tab's newer texts in Hindi and Tamil: the Day
// tab's lists of the day's elements with their dates, the note before
// sunrise, the note of a day opened on a place's own clock, the calendar
// window's title, tooltips and menus, and the name a date opens with. Nothing
// English is left but place names, key names and the program's name.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>

#include <string>

#include "GuiTestSupport.h"
#include "WorkedExamples.h"
#include "calendar/gui/frmCalendar.h"
#include "gui/Translation.h"

using namespace velmora;
using namespace velmora::test;

namespace {

struct EnglishAfterwards {
    ~EnglishAfterwards() {
        if (LanguageSwitch* change = LanguageSwitch::Of()) change->Switch(Language::English);
    }
};

CalendarPlace Madrid() {
    CalendarPlace place;
    place.city = "Madrid";
    place.country = "Spain";
    place.label = "Madrid, Spain";
    place.latitude = 40.4165;
    place.longitude = -3.70256;
    place.zoneId = "Europe/Madrid";
    return place;
}

// A Latin word of three letters or more that is none of `allowed`.
QString EnglishLeft(QString text, std::initializer_list<const char*> allowed) {
    for (const char* word : allowed) text.remove(QString::fromUtf8(word));
    static const QRegularExpression latinWord(QStringLiteral("[A-Za-z]{3,}"));
    const QRegularExpressionMatch found = latinWord.match(text);
    return found.hasMatch() ? found.captured(0) : QString();
}

}  // namespace

TEST(CalendarLanguage, TheDaysListsNotesAndTheCalendarWindowInHindiAndTamil) {
    EnglishAfterwards english;
    struct Case {
        Language language;
        const char* tithiCaption;  // capDayTithis
        const char* december;      // "8 Dec" in the lists
        const char* vaarGives;     // the note before sunrise begins so
        const char* clockOf;       // the note of a day on Madrid's clock begins so
        const char* name;          // the name a date opens with
    };
    const Case cases[] = {
        {Language::Hindi, "तिथियाँ", "दिसं॰", "वार बताता है: शनिवार", "दिन टैब इस घड़ी से पढ़ता है: Europe/Madrid",
         "पंचांग दिवस"},
        {Language::Tamil, "திதிகள்", "டிச.", "வாரம் காட்டுவது: சனி", "நாள் தாவல் இந்தக் கடிகாரத்தைப் படிக்கிறது: Europe/Madrid",
         "நாள்காட்டி நாள்"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(LanguageCode(c.language)));
        ASSERT_TRUE(LanguageSwitch::Of()->Switch(c.language));
        ProgramFixture p;
        // Pune, 8 December 2026 at 05:00, before sunrise on a Tuesday.
        InputForm form = Delhi1987();
        form.cboYear = 2026 - 1901;
        form.cboMonth = 11;
        form.cboDate = 7;
        form.cboHH = 5;
        form.cboMM = 0;
        form.txtLatD = "18";
        form.txtLatM = "31";
        form.txtLonD = "73";
        form.txtLonM = "51";
        p.window->WriteForm(form);
        p.window->cmdRashi_Click();
        frmDisplay* results = p.window->ResultsWindow();
        ASSERT_NE(results, nullptr);
        EXPECT_EQ(LabelText(results, "capDayTithis"), QString::fromUtf8(c.tithiCaption));
        for (const char* list : {"lblDayTithis", "lblDayNakshatras", "lblDayYogas", "lblDayKaranas"}) {
            const QString text = LabelText(results, list);
            EXPECT_FALSE(text.isEmpty()) << list;
            EXPECT_TRUE(text.contains(QString::fromUtf8(c.december))) << list << ": " << text.toStdString();
            EXPECT_EQ(EnglishLeft(text, {}), QString()) << list << ": " << text.toStdString();
        }
        const QString note = LabelText(results, "lblDayNote");
        EXPECT_EQ(EnglishLeft(note, {}), QString()) << note.toStdString();

        // 15 August 1987 at 05:00 at New Delhi, a Saturday before its sunrise.
        InputForm saturday = Delhi1987();
        saturday.cboHH = 5;
        saturday.cboMM = 0;
        p.window->WriteForm(saturday);
        p.window->cmdRashi_Click();
        const QString before = LabelText(results, "lblDayNote");
        EXPECT_TRUE(before.startsWith(QString::fromUtf8(c.vaarGives))) << before.toStdString();
        EXPECT_EQ(EnglishLeft(before.section(QLatin1Char('\n'), 0, 0), {}), QString()) << before.toStdString();

        // A date of the calendar with no name typed, on Madrid's own clock.
        InputForm blank = Delhi1987();
        blank.txtName.clear();
        p.window->WriteForm(blank);
        p.window->OpenCalendarDay({2026, 7, 14}, Madrid());
        EXPECT_TRUE(LabelText(results, "lblDayNote").startsWith(QString::fromUtf8(c.clockOf)))
            << LabelText(results, "lblDayNote").toStdString();
        EXPECT_EQ(LabelText(results, "lblName"), QString::fromUtf8(c.name));

        // The calendar window: its title, tooltips and menus.
        p.window->mnuCalendar_Click();
        frmCalendar* calendar = p.window->CalendarWindow();
        ASSERT_NE(calendar, nullptr);
        const std::initializer_list<const char*> allowed = {"Velmora", "New Delhi", "Delhi", "India", "Alt", "Page",
                                                            "Down", "Ctrl", "Enter", "PDF"};
        EXPECT_EQ(EnglishLeft(calendar->windowTitle(), allowed), QString()) << calendar->windowTitle().toStdString();
        for (const QPushButton* button : calendar->findChildren<QPushButton*>()) {
            EXPECT_EQ(EnglishLeft(button->toolTip() + QLatin1Char(' ') + button->text(), allowed), QString())
                << button->objectName().toStdString() << ": " << button->toolTip().toStdString();
        }
        for (const QMenu* menu : calendar->menuBar()->findChildren<QMenu*>()) {
            if (menu->objectName() == QLatin1String("mnuLanguage")) continue;
            for (const QAction* action : menu->actions()) {
                EXPECT_EQ(EnglishLeft(action->text(), allowed), QString()) << action->text().toStdString();
            }
        }
        calendar->close();
        ProcessDeferredDeletes();
    }
}
