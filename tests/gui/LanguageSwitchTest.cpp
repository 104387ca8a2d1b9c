// The language of the windows: the Language menu of each window switches
// every open window at once, the almanac's names follow, nothing English is
// left but what the user typed and the numbers, and back in English every
// text is what it was.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <map>
#include <string>
#include <vector>

#include "GuiTestSupport.h"
#include "WorkedExamples.h"
#include "calendar/gui/CalendarLauncher.h"
#include "gui/Translation.h"
#include "names/NameTables.h"

using namespace velmora;
using namespace velmora::test;

namespace {

// English again at the end of a test, whatever it did.
struct EnglishAfterwards {
    ~EnglishAfterwards() {
        if (LanguageSwitch* change = LanguageSwitch::Of()) change->Switch(Language::English);
    }
};

void Type(ProgramFixture& p, const char* box, const char* text) {
    auto* edit = p.Child<QLineEdit>(box);
    edit->clear();
    QTest::keyClicks(edit, text);
}

frmDisplay* RunDelhi(ProgramFixture& p) {
    Type(p, "txtName", "asha");
    Type(p, "txtMCity", "New Delhi");
    Type(p, "txtLatD", "28");
    Type(p, "txtLatM", "36");
    Type(p, "txtLonD", "77");
    Type(p, "txtLonM", "13");
    Type(p, "txtZoneHour", "5");
    Type(p, "txtZoneMinute", "30");
    QTest::mouseClick(p.Child<QPushButton>("cmdRashi"), Qt::LeftButton);
    return p.window->ResultsWindow();
}

// Every text a window shows: labels, buttons, group titles, tab captions,
// read-only text boxes, menus and their items, the items of lists, tables'
// headers and cells; by object name and kind.
std::map<QString, QString> Texts(const QWidget* window) {
    std::map<QString, QString> texts;
    // An object by its name, or by its place among its parent's children.
    const auto key = [window](const QObject* o, const char* kind) {
        QString path;
        for (const QObject* at = o; at != nullptr && at != window; at = at->parent()) {
            QString step = at->objectName();
            if (step.isEmpty()) {
                step = QString::fromLatin1(at->metaObject()->className());
                if (at->parent() != nullptr) step += QString::number(at->parent()->children().indexOf(at));
            }
            path = step + QLatin1Char('/') + path;
        }
        return QString::fromLatin1(kind) + QLatin1Char(':') + path;
    };
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (const auto* label = qobject_cast<const QLabel*>(w)) texts[key(w, "label")] = label->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(w)) texts[key(w, "button")] = button->text();
        if (const auto* group = qobject_cast<const QGroupBox*>(w)) texts[key(w, "group")] = group->title();
        if (const auto* box = qobject_cast<const QPlainTextEdit*>(w)) texts[key(w, "box")] = box->toPlainText();
        if (const auto* list = qobject_cast<const QComboBox*>(w); list != nullptr && !list->isEditable()) {
            for (int i = 0; i < list->count(); ++i) texts[key(w, "list") + QString::number(i)] = list->itemText(i);
        }
        if (const auto* table = qobject_cast<const QTableWidget*>(w)) {
            for (int c = 0; c < table->columnCount(); ++c) {
                if (const QTableWidgetItem* head = table->horizontalHeaderItem(c)) {
                    texts[key(w, "head") + QString::number(c)] = head->text();
                }
                for (int r = 0; r < table->rowCount(); ++r) {
                    if (const QTableWidgetItem* cell = table->item(r, c)) {
                        texts[key(w, "cell") + QString::number(r) + QLatin1Char(',') + QString::number(c)] = cell->text();
                    }
                }
            }
        }
        if (const auto* tabs = qobject_cast<const QTabWidget*>(w)) {
            for (int i = 0; i < tabs->count(); ++i) texts[key(tabs->widget(i), "tab")] = tabs->tabText(i);
        }
        if (const auto* menu = qobject_cast<const QMenu*>(w)) {
            texts[key(w, "menu")] = menu->title();
            for (const QAction* action : menu->actions()) {
                if (!action->isSeparator()) texts[key(action, "item")] = action->text();
            }
        }
    }
    return texts;
}

QAction* LanguageItem(const QWidget* window, const char* code) {
    return window->findChild<QAction*>(QStringLiteral("mnuLanguage") + QString::fromLatin1(code));
}

}  // namespace

TEST(LanguageSwitch, EachWindowSwitchesEveryOpenWindowAndBackToTheSameEnglish) {
    EnglishAfterwards english;
    ProgramFixture p;
    const std::map<QString, QString> inputBefore = Texts(p.window.get());
    frmDisplay* results = RunDelhi(p);
    ASSERT_NE(results, nullptr);
    ASSERT_TRUE(p.messages.shown.empty());
    const std::map<QString, QString> resultsBefore = Texts(results);

    struct Case {
        const char* code;
        Language language;
        const char* fileMenu;
        const char* resultsButton;  // cmdRashi of the (hidden) input window
        const char* dayTab;
        const char* nakshatraCaption;
    };
    const Case cases[] = {
        {"Hi", Language::Hindi, "फ़ाइल (&F)", "मेरा पंचांग देखें", "दिन", "नक्षत्र"},
        {"Ta", Language::Tamil, "கோப்பு (&F)", "என் பஞ்சாங்கத்தைக் காட்டு", "நாள்", "நட்சத்திரம்"},
    };
    for (const Case& c : cases) {
        // From the results window's menu; the input window, hidden, follows.
        QAction* item = LanguageItem(results, c.code);
        ASSERT_NE(item, nullptr) << c.code;
        item->trigger();
        EXPECT_EQ(CurrentLanguage(), c.language);
        EXPECT_TRUE(item->isChecked());
        EXPECT_TRUE(LanguageItem(p.window.get(), c.code)->isChecked());
        EXPECT_EQ(results->menuBar()->findChild<QMenu*>(QStringLiteral("mnuFile"))->title(), QString::fromUtf8(c.fileMenu));
        EXPECT_EQ(p.Child<QPushButton>("cmdRashi")->text(), QString::fromUtf8(c.resultsButton));
        auto* tabs = results->findChild<QTabWidget*>(QStringLiteral("SSTab1"));
        ASSERT_NE(tabs, nullptr);
        EXPECT_EQ(tabs->tabText(tabs->indexOf(results->findChild<QWidget*>(QStringLiteral("fraDay"))->parentWidget())),
                  QString::fromUtf8(c.dayTab));
        EXPECT_EQ(tabs->tabText(tabs->indexOf(results->findChild<QWidget*>(QStringLiteral("fraNakshatra"))->parentWidget())),
                  QString::fromUtf8(c.nakshatraCaption));
        // The almanac's names come from the name tables.
        const std::string english = results->Page().lblNakshatra;
        EXPECT_EQ(results->findChild<QLabel*>(QStringLiteral("lblNakshatra"))->text().toStdString(),
                  std::string(LocalName(NameTable::Nakshatra, english, c.language)));
        const std::string tithi = results->Page().lblTithi;
        EXPECT_EQ(results->findChild<QLabel*>(QStringLiteral("lblTithi"))->text().toStdString(),
                  std::string(LocalName(NameTable::Tithi, tithi, c.language)));
        // The Day tab's lunar month is a month, never the mansion of the same name.
        const QLabel* month = results->findChild<QLabel*>(QStringLiteral("lblLunarMonth"));
        const std::string monthSource = SourceText(month, month->text()).toStdString();
        const std::string firstMonth = monthSource.substr(0, monthSource.find(' '));
        EXPECT_TRUE(month->text().startsWith(QString::fromUtf8(LocalName(NameTable::LunarMonth, firstMonth, c.language).data())))
            << month->text().toStdString() << " from " << monthSource;
        // No caption, tab, menu or button is left in English (what the user
        // typed, numbers, web addresses and key names aside).
        static const QRegularExpression latinWord(QStringLiteral("[A-Za-z]{3,}"));
        for (const QWidget* window : {static_cast<const QWidget*>(p.window.get()), static_cast<const QWidget*>(results)}) {
            for (const auto& [name, text] : Texts(window)) {
                // What the user typed stays as typed.
                if (name.contains(QRegularExpression(QStringLiteral("/lbl(Name|City|State|Country)/")))) continue;
                if (name.contains(QLatin1String("mnuLanguage"))) continue;
                QString rest = text;
                for (const char* allowed : {"PDF", "Page", "Down", "Ctrl", "Enter", "Alt", "Shift", "GeoNames",
                                            "geonames", "GNU", "Velmora", "asha", "ASHA", "New", "Delhi", "https",
                                            "www", "com", "org", "velmora", "example"}) {
                    rest.remove(QString::fromLatin1(allowed));
                }
                EXPECT_FALSE(rest.contains(latinWord)) << c.code << " " << name.toStdString() << ": " << text.toStdString();
            }
        }
    }
    LanguageItem(p.window.get(), "En")->trigger();
    EXPECT_EQ(CurrentLanguage(), Language::English);
    for (const auto& [window, before] : {std::pair{static_cast<const QWidget*>(p.window.get()), inputBefore},
                                         std::pair{static_cast<const QWidget*>(results), resultsBefore}}) {
        const std::map<QString, QString> after = Texts(window);
        for (const auto& [name, text] : before) {
            const auto found = after.find(name);
            ASSERT_NE(found, after.end()) << name.toStdString();
            EXPECT_EQ(found->second.toStdString(), text.toStdString()) << name.toStdString();
        }
    }
}

TEST(LanguageSwitch, LocaleChoosesTheLanguageUnknownGivesEnglish) {
    struct Case {
        const char* locale;
        Language language;
    };
    const Case cases[] = {{"hi_IN.UTF-8", Language::Hindi}, {"ta_IN.UTF-8", Language::Tamil},
                          {"en_US.UTF-8", Language::English}, {"fr_FR.UTF-8", Language::English},
                          {"C.UTF-8", Language::English}, {"", Language::English}};
    for (const Case& c : cases) EXPECT_EQ(LanguageOfLocale(QString::fromLatin1(c.locale)), c.language) << c.locale;
}

TEST(LanguageSwitch, BuiltInTranslationsLoadAndTranslateMessages) {
    EnglishAfterwards english;
    LanguageSwitch* change = LanguageSwitch::Of();
    ASSERT_NE(change, nullptr);
    struct Case {
        Language language;
        const char* source;
        const char* shown;
    };
    const Case cases[] = {
        {Language::Hindi, "Please Enter Name", "कृपया नाम लिखें"},
        {Language::Tamil, "Please Enter Name", "தயவுசெய்து பெயரை உள்ளிடவும்"},
        {Language::Hindi, "OK", "ठीक है"},
        {Language::Tamil, "No place called “Xyz” was found.", "“Xyz” என்ற இடம் கிடைக்கவில்லை."},
        {Language::Hindi, "Shaka 1948, Vikram 2083", "शक 1948, विक्रम 2083"},
        {Language::English, "Please Enter Name", "Please Enter Name"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(change->Switch(c.language));
        EXPECT_EQ(TranslatedText(QString::fromUtf8(c.source)), QString::fromUtf8(c.shown)) << c.source;
    }
}

// The place notes: a day opened from the calendar at Madrid in July (a
// clock ahead of Greenwich west of it, which the zone boxes cannot hold) says
// so in the Day tab in the language in force, whole sentences with their
// values, and in English again after the switch back; the same notes as the
// boxes the City look-up raises.
TEST(LanguageSwitch, ThePlaceNotesInEveryLanguage) {
    EnglishAfterwards english;
    LanguageSwitch* change = LanguageSwitch::Of();
    ASSERT_NE(change, nullptr);
    CalendarPlace madrid;
    madrid.city = "Madrid";
    madrid.country = "Spain";
    madrid.label = "Madrid, Spain";
    madrid.latitude = 40.4165;
    madrid.longitude = -3.70256;
    madrid.zoneId = "Europe/Madrid";
    struct Case {
        Language language;
        std::vector<const char*> present;
    };
    const Case cases[] = {
        {Language::Hindi,
         {"दिन टैब इस घड़ी से पढ़ता है: Europe/Madrid (UTC+2:00)", "को घड़ी UTC+2:00 (Europe/Madrid) थी, ग्रीनविच से आगे",
          "ग्रीनविच के पश्चिम में है", "क्षेत्र 0:00 और ग्रीष्म समय के साथ", "1 घंटा बाद के क्षण के हैं।"}},
        {Language::Tamil,
         {"கடிகாரம் UTC+2:00 (Europe/Madrid), கிரீன்விச்சுக்கு முன்னால்", "கிரீன்விச்சுக்கு மேற்கே உள்ளது",
          "மண்டலம் 0:00 மற்றும் கோடை நேரம் உடன்", "1 மணி நேரம் பிந்தைய நேரத்துக்கானவை."}},
        {Language::English,
         {"The Day tab reads the clock of Europe/Madrid (UTC+2:00)", "Madrid, Spain kept UTC+2:00 on 2026-07-14",
          "with zone 0:00 and DST the results are for a moment 1 hour later than the one entered."}},
    };
    ProgramFixture p;
    p.window->WriteForm(Delhi1987());
    p.window->OpenCalendarDay({2026, 7, 14}, madrid);
    frmDisplay* results = p.window->ResultsWindow();
    ASSERT_NE(results, nullptr);
    for (const Case& c : cases) {
        ASSERT_TRUE(change->Switch(c.language));
        const std::string note = LabelText(results, "lblDayNote").toStdString();
        for (const char* piece : c.present) EXPECT_NE(note.find(piece), std::string::npos) << piece << "\n" << note;
        if (c.language != Language::English) {
            for (const char* english : {"kept", "Greenwich", "the one entered", "hour", "DST"}) {
                EXPECT_EQ(note.find(english), std::string::npos) << english << "\n" << note;
            }
        }
    }
    // The box the look-up raised, as the language switch shows it.
    ASSERT_FALSE(p.messages.shown.empty());
    ASSERT_TRUE(change->Switch(Language::Hindi));
    const QString box = TranslatedText(QString::fromStdString(p.messages.shown[0].text));
    EXPECT_TRUE(box.contains(QStringLiteral("ग्रीनविच के पश्चिम में है"))) << box.toStdString();
    EXPECT_FALSE(box.contains(QStringLiteral("Greenwich"))) << box.toStdString();
}
