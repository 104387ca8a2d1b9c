#include "results/gui/frmDisplay.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QScrollArea>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/Engine.h"
#include "gui/BannerTexts.h"
#include "gui/Banners.h"
#include "gui/ClickLabel.h"
#include "gui/ElidingLabel.h"
#include "gui/MenuActions.h"
#include "gui/ProgramFont.h"
#include "gui/ReadOnlyText.h"
#include "gui/ScreenFit.h"
#include "gui/TabSwitchKeys.h"
#include "gui/Translation.h"
#include "input/CalculationDriver.h"
#include "links/gui/frmAbout.h"
#include "panchang/PanchangTables.h"
#include "results/DayTab.h"
#include "results/gui/ChartTab.h"
#include "results/gui/DayInFullPanel.h"
#include "results/gui/ReportActions.h"

namespace velmora {

namespace {

QLabel* Caption(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// A value label. Plain text: a name or a city typed by the user is shown as
// typed, never read as markup.
QLabel* Value(const char* name, QWidget* parent, bool wrap = true, QLabel* label = nullptr) {
    if (label == nullptr) label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(wrap);  // the span texts read best on one line
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

// A short value of a known form that never wraps, as wide as its widest
// value, so that the window does not follow the data.
QLabel* ShortValue(const char* name, QWidget* parent, const char* widest) {
    QLabel* label = Value(name, parent, false);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QString::fromUtf8(widest)));
    return label;
}

// A value typed by the user (name, city …): one line, cut short with "…"
// rather than widening the window, the whole text in its tooltip.
QLabel* TypedValue(const char* name, QWidget* parent) {
    QLabel* label = Value(name, parent, false, new ElidingLabel(16, parent));
    // It draws its own shortened text, so a mouse selection would not show.
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    // What the user typed is shown as typed, in every language.
    label->setProperty("velmoraKeepText", true);
    return label;
}

// A read-only, word-wrapped text box for the paragraphs.
QPlainTextEdit* TextBox(const char* name, int lines, QWidget* parent) {
    auto* box = new ReadOnlyText(lines, parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

// A caption / value grid: captions in column 0, values in column 1.
void AddRow(QGridLayout* grid, int row, const char* caption, QWidget* value) {
    QWidget* parent = grid->parentWidget();
    grid->addWidget(Caption(caption, parent), row, 0);
    grid->addWidget(value, row, 1);
}

QGroupBox* Frame(const char* caption, const char* name, QWidget* parent) {
    auto* frame = new QGroupBox(QString::fromUtf8(caption), parent);
    if (name != nullptr) frame->setObjectName(QString::fromLatin1(name));
    return frame;
}

// A tab holding one frame with the tab's caption.
QGroupBox* AddTab(QTabWidget* tabs, const char* caption, const char* frameName) {
    auto* page = new QWidget(tabs);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(6, 6, 6, 6);
    QGroupBox* frame = Frame(caption, frameName, page);
    layout->addWidget(frame);
    tabs->addTab(page, QString::fromUtf8(caption));
    return frame;
}

// An inner frame holding one text box.
QGroupBox* TextFrame(const char* caption, const char* boxName, int lines, QWidget* parent) {
    QGroupBox* frame = Frame(caption, nullptr, parent);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(TextBox(boxName, lines, frame));
    return frame;
}

}  // namespace

frmDisplay::frmDisplay(WindowServices& services, std::function<void()> showInputWindow, QWidget* parent)
    : QMainWindow(parent), services_(services), showInputWindow_(std::move(showInputWindow)) {
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(QString::fromUtf8(WindowCaption));
    setAttribute(Qt::WA_DeleteOnClose);
    ApplyProgramFont(this);
    BuildMenus();
    SetScrollingCentralWidget(this, BuildWindow());
    AddTabSwitchKeys(tabs_);
    // The window opens with the tabs focused: the arrow keys leaf through
    // them, and an Enter still held from the input window does not send the
    // user straight back.
    tabs_->setFocus();
    // Sized once, from the longest text each value can show, so that the
    // window keeps its size whatever a query puts in it and no query makes it
    // scroll; then the design texts until a page arrives.
    SetPage(SizingPage());
    ShowDayInFull(this, DayInFullSizingTab());
    ShowDay(DayTabSizingValues());
    FitToScreen(this);
    SetPage(ResultsPage{});
}

ResultsPage frmDisplay::SizingPage() const {
    ResultsPage page;
    const auto* sample = findChild<QLabel*>(QStringLiteral("lblTithi"));
    if (sample == nullptr) return page;
    const QFontMetrics metrics = sample->fontMetrics();  // the values' bold font
    const auto keepWidest = [&metrics](std::string& kept, std::string_view candidate) {
        const QString text = QString::fromUtf8(candidate.data(), static_cast<qsizetype>(candidate.size()));
        if (metrics.horizontalAdvance(text) > metrics.horizontalAdvance(QString::fromStdString(kept))) {
            kept = std::string(candidate);
        }
    };
    for (const TithiRow& row : TithiTable) {
        keepWidest(page.lblTithi, row.name);
        keepWidest(page.lblTithiLord, row.lord);
        keepWidest(page.lblNumber, row.number);
        keepWidest(page.lblPhase, row.phase);
        keepWidest(page.lblGroup, row.group);
        keepWidest(page.lblFeature, row.feature);
        keepWidest(page.lblTtype, row.type);
    }
    for (const VaraRow& row : VaraTable) {
        keepWidest(page.lblDay, row.lblDay);
        keepWidest(page.lblLord, row.lblLord);
        keepWidest(page.lblAlternateName, row.lblAlternateName);
    }
    for (const std::string_view name : NakshatraNames) {
        keepWidest(page.lblNakshatra, name);
        ResultsPage facing;
        WriteNakshatraFacing(name, facing);
        keepWidest(page.lblType, facing.lblType);
        keepWidest(page.lblNakshatraCharacterstic, facing.lblNakshatraCharacterstic);
    }
    for (const std::string_view name : YogaNames) keepWidest(page.lblYoga, name);
    for (const std::string_view name : KaranaNames) keepWidest(page.lblKarna, name);
    // A span's day of one digit stands behind a blank, narrower than a digit:
    // the widest span has two-digit days at both ends.
    for (std::string* span : {&page.lblTithiTime, &page.lblYogaTime, &page.lblKarnaTime, &page.lblNakshatraTime,
                              &page.lblPadaTime, &page.lblMoonSignTime}) {
        keepWidest(*span, "28.12.2050 23:59  to 29.12.2050 23:59");
    }
    for (const std::string_view name : SignDisplayNames) {
        keepWidest(page.lblMoonSign, name);
        keepWidest(page.lblSunSign, name);
    }
    for (const std::string_view syllable : PadaSyllables) keepWidest(page.lblSyllable, syllable);
    page.lblPada = "4";
    // The line at its longest: two mansions of the longest names, a
    // two-digit day. It wraps; the window keeps room for it.
    page.lblNakshatraNote = "Times for Poorva Bhadrapada: the short lunar series already gives Uttara Bhadrapada, "
                            "which the full lunar theory reaches at 28.12.2050 23:59.";
    return page;
}

void frmDisplay::BuildMenus() {
    QMenu* file = menuBar()->addMenu(UiText(QT_TRANSLATE_NOOP("Velmora", "&File")));
    file->setObjectName(QStringLiteral("mnuFile"));
    AddMenuItem(file, UiText(QT_TRANSLATE_NOOP("Velmora", "&Print…")), QStringLiteral("mnuPrint"), [this] { mnuPrint_Click(); })
        ->setShortcut(QKeySequence::Print);
    AddMenuItem(file, UiText(QT_TRANSLATE_NOOP("Velmora", "Save as P&DF…")), QStringLiteral("mnuSavePdf"),
                [this] { mnuSavePdf_Click(); })
        ->setShortcut(QKeySequence::Save);  // as in the calendar window
    AddMenuItem(file, UiText(QT_TRANSLATE_NOOP("Velmora", "&Copy Report")), QStringLiteral("mnuCopy"), [this] { mnuCopy_Click(); })
        ->setShortcut(QKeySequence::Copy);
    file->addSeparator();
    AddMenuItem(file, UiText(QT_TRANSLATE_NOOP("Velmora", "&Back")), QStringLiteral("mnuBack"), [this] { cmdBack_Click(); });
    file->addSeparator();
    AddMenuItem(file, UiText(QT_TRANSLATE_NOOP("Velmora", "E&xit")), QStringLiteral("mnuExit"), [this] { cmdExit_Click(); });

    AddLinkMenus(menuBar(), services_.urls, QStringLiteral("mnuMakeMoney"), [this] { mnuAbout_Click(); });
    AddLanguageMenu(menuBar());
}

void frmDisplay::SetCalendarOpener(std::function<void()> open) {
    auto* file = menuBar()->findChild<QMenu*>(QStringLiteral("mnuFile"));
    auto* back = findChild<QAction*>(QStringLiteral("mnuBack"));
    if (file == nullptr || back == nullptr || findChild<QAction*>(QStringLiteral("mnuCalendar")) != nullptr) return;
    // "&Copy Report" has C here; L keeps each access key of the menu its own.
    auto* item = new QAction(UiText(QT_TRANSLATE_NOOP("Velmora", "Month Ca&lendar…")), file);
    item->setObjectName(QStringLiteral("mnuCalendar"));
    connect(item, &QAction::triggered, this, [open = std::move(open)] { open(); });
    file->insertAction(back, item);
    file->insertSeparator(back);
}

QWidget* frmDisplay::BuildWindow() {
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(8, 6, 8, 8);
    outer->setSpacing(8);

    QWidget* label14 = NewForumBanner(QStringLiteral("Label14"), services_.urls, central);
    outer->addWidget(label14);

    // The rectangle around the main area.
    auto* box = new QFrame(central);
    box->setObjectName(QStringLiteral("fraMain"));
    box->setFrameShape(QFrame::Box);
    auto* boxLayout = new QVBoxLayout(box);
    boxLayout->setContentsMargins(10, 8, 10, 10);

    auto* label23 = new QLabel(QString::fromUtf8(BlurbText), box);
    label23->setObjectName(QStringLiteral("Label23"));
    label23->setTextFormat(Qt::PlainText);
    label23->setWordWrap(true);
    label23->setAlignment(Qt::AlignCenter);
    boxLayout->addWidget(label23);

    auto* columns = new QHBoxLayout();
    columns->setSpacing(10);

    tabs_ = new QTabWidget(box);
    tabs_->setObjectName(QStringLiteral("SSTab1"));

    {  // Vaar
        QGroupBox* frame = AddTab(tabs_, QT_TRANSLATE_NOOP("Velmora", "Vaar"), "fraVaar");
        auto* grid = new QGridLayout(frame);
        AddRow(grid, 0, QT_TRANSLATE_NOOP("Velmora", "Day Of Birth"), Value("lblDay", frame));
        AddRow(grid, 1, QT_TRANSLATE_NOOP("Velmora", "Alternate Name"), Value("lblAlternateName", frame));
        AddRow(grid, 2, QT_TRANSLATE_NOOP("Velmora", "Lord"), Value("lblLord", frame));
        grid->addWidget(TextFrame(QT_TRANSLATE_NOOP("Velmora", "About Your Vaar"), "txtMoreAboutDayOfBirth", 5, frame), 3, 0, 1, 2);
        grid->setColumnStretch(1, 1);
        grid->setRowStretch(3, 1);
    }
    {  // Nakshatra
        QGroupBox* frame = AddTab(tabs_, QT_TRANSLATE_NOOP("Velmora", "Nakshatra"), "fraNakshatra");
        auto* grid = new QGridLayout(frame);
        AddRow(grid, 0, QT_TRANSLATE_NOOP("Velmora", "Nakshatra"), Value("lblNakshatra", frame));
        AddRow(grid, 1, QT_TRANSLATE_NOOP("Velmora", "Type"), Value("lblType", frame));
        AddRow(grid, 2, QT_TRANSLATE_NOOP("Velmora", "Nakshatra Characterstic"), Value("lblNakshatraCharacterstic", frame));
        grid->addWidget(TextFrame(QT_TRANSLATE_NOOP("Velmora", "About Your Nakshatra"), "txtMoreAboutNakshatra", 5, frame), 3, 0, 1, 2);
        // Below them, in a grid of their own so that the first rows keep
        // their columns: the span, the line when the name above is the
        // neighbouring mansion (shown only then), the pada with its
        // syllable, the signs.
        auto* below = new QGridLayout();
        AddRow(below, 0, QT_TRANSLATE_NOOP("Velmora", "Time"), Value("lblNakshatraTime", frame, false));
        QLabel* note = Value("lblNakshatraNote", frame);
        QFont plain = note->font();
        plain.setBold(false);
        plain.setItalic(true);
        note->setFont(plain);
        below->addWidget(note, 1, 0, 1, 2);
        auto* padaRow = new QHBoxLayout();
        padaRow->setSpacing(12);
        padaRow->addWidget(ShortValue("lblPada", frame, "4"));
        padaRow->addWidget(Caption(QT_TRANSLATE_NOOP("Velmora", "Syllable"), frame));
        padaRow->addWidget(ShortValue("lblSyllable", frame, "Chha"));
        padaRow->addStretch(1);
        below->addWidget(Caption(QT_TRANSLATE_NOOP("Velmora", "Pada"), frame), 2, 0);
        below->addLayout(padaRow, 2, 1);
        AddRow(below, 3, QT_TRANSLATE_NOOP("Velmora", "Pada Time"), Value("lblPadaTime", frame, false));
        AddRow(below, 4, QT_TRANSLATE_NOOP("Velmora", "Moon Sign"), Value("lblMoonSign", frame, false));
        AddRow(below, 5, QT_TRANSLATE_NOOP("Velmora", "Moon Sign Time"), Value("lblMoonSignTime", frame, false));
        AddRow(below, 6, QT_TRANSLATE_NOOP("Velmora", "Sun Sign"), Value("lblSunSign", frame, false));
        below->setColumnStretch(1, 1);
        grid->addLayout(below, 4, 0, 1, 2);
        grid->setColumnStretch(1, 1);
        grid->setRowStretch(3, 1);
    }
    {  // Tithi: a heading row of four captions with their values beneath,
       // then the captions of the label array lblLabel beside their values.
        QGroupBox* frame = AddTab(tabs_, QT_TRANSLATE_NOOP("Velmora", "Tithi"), "fraTithi");
        auto* layout = new QVBoxLayout(frame);
        auto* heading = new QGridLayout();
        const char* headings[4][2] = {
            {QT_TRANSLATE_NOOP("Velmora", "Tithi"), "lblTithi"}, {QT_TRANSLATE_NOOP("Velmora", "Lord"), "lblTithiLord"}, {QT_TRANSLATE_NOOP("Velmora", "Number"), "lblNumber"}, {QT_TRANSLATE_NOOP("Velmora", "Phase"), "lblPhase"}};
        for (int i = 0; i < 4; ++i) {
            heading->addWidget(Caption(headings[i][0], frame), 0, i);
            heading->addWidget(Value(headings[i][1], frame), 1, i);
            heading->setColumnStretch(i, 1);
        }
        layout->addLayout(heading);

        auto* grid = new QGridLayout();
        auto arrayCaption = [frame](const char* text, int index) {
            QLabel* label = Caption(text, frame);
            label->setObjectName(QStringLiteral("lblLabel_%1").arg(index));
            return label;
        };
        grid->addWidget(arrayCaption(QT_TRANSLATE_NOOP("Velmora", "Tithi Group"), 1), 0, 0);
        grid->addWidget(Value("lblGroup", frame), 0, 1);
        grid->addWidget(arrayCaption(QT_TRANSLATE_NOOP("Velmora", "Tithi Features"), 2), 1, 0);
        grid->addWidget(Value("lblFeature", frame), 1, 1);
        grid->addWidget(arrayCaption(QT_TRANSLATE_NOOP("Velmora", "Tithi Type"), 3), 2, 0);
        grid->addWidget(Value("lblTtype", frame), 2, 1);
        grid->addWidget(TextBox("txtType", 4, frame), 3, 1);
        // At the top of its row like every other caption, not in the middle
        // of the text box's height.
        grid->addWidget(arrayCaption(QT_TRANSLATE_NOOP("Velmora", "Nature"), 0), 4, 0, Qt::AlignLeft | Qt::AlignTop);
        grid->addWidget(TextBox("txtTithiDesc", 3, frame), 4, 1);
        AddRow(grid, 5, QT_TRANSLATE_NOOP("Velmora", "Time"), Value("lblTithiTime", frame, false));
        grid->setColumnStretch(1, 1);
        // Room the window has to spare goes to the two text boxes, the type's
        // text first, so that neither scrolls where there is room.
        grid->setRowStretch(3, 3);
        grid->setRowStretch(4, 2);
        layout->addLayout(grid, 1);
    }
    {  // Yoga
        QGroupBox* frame = AddTab(tabs_, QT_TRANSLATE_NOOP("Velmora", "Yoga"), "fraYoga");
        auto* grid = new QGridLayout(frame);
        AddRow(grid, 0, QT_TRANSLATE_NOOP("Velmora", "Yoga"), Value("lblYoga", frame));
        AddRow(grid, 1, QT_TRANSLATE_NOOP("Velmora", "Time"), Value("lblYogaTime", frame, false));
        grid->addWidget(TextFrame(QT_TRANSLATE_NOOP("Velmora", "About Your Yoga"), "txtYogaDesc", 5, frame), 2, 0, 1, 2);
        grid->setColumnStretch(1, 1);
        grid->setRowStretch(2, 1);
    }
    {  // Karna
        QGroupBox* frame = AddTab(tabs_, QT_TRANSLATE_NOOP("Velmora", "Karna"), "fraKarna");
        auto* grid = new QGridLayout(frame);
        AddRow(grid, 0, QT_TRANSLATE_NOOP("Velmora", "Karna :-"), Value("lblKarna", frame));
        AddRow(grid, 1, QT_TRANSLATE_NOOP("Velmora", "Time :-"), Value("lblKarnaTime", frame, false));
        grid->setColumnStretch(1, 1);
        grid->setRowStretch(2, 1);
    }
    {  // Day: the Hindu day that holds the moment (results/DayTab.h), and its
       // hours and year on pages of their own (results/gui/DayInFullPanel.h).
        QGroupBox* box = AddTab(tabs_, QT_TRANSLATE_NOOP("Velmora", "Day"), "fraDay");
        auto* dayParts = new QTabWidget(box);
        dayParts->setObjectName(QStringLiteral("tabDayParts"));
        // No frame within the frame: the pages keep the tab's width.
        dayParts->setDocumentMode(true);
        auto* column = new QVBoxLayout(box);
        column->setContentsMargins(0, 0, 0, 0);
        column->addWidget(dayParts);
        auto* frame = new QWidget(dayParts);
        dayParts->addTab(frame, UiText(QT_TRANSLATE_NOOP("Velmora", "Day")));
        auto* grid = new QGridLayout(frame);
        // Every tithi, nakshatra, yoga and karana of the day with its span, a
        // line each, and the sankranti: a page of their own beside the day's,
        // so that the window is no taller for them, in a scroll area of its
        // own, so that their long lines do not make it wider either.
        auto* elementScroll = new QScrollArea(dayParts);
        elementScroll->setObjectName(QStringLiteral("scrDayElements"));
        elementScroll->setWidgetResizable(true);
        elementScroll->setFrameShape(QFrame::NoFrame);
        elementScroll->setFocusPolicy(Qt::StrongFocus);  // the keys scroll it
        auto* elements = new QWidget(elementScroll);
        elements->setObjectName(QStringLiteral("fraDayElements"));
        elementScroll->setWidget(elements);
        auto* elementGrid = new QGridLayout(elements);
        int row = 0;
        int elementRow = 0;
        const DayTabValues widest = DayTabSizingValues();
        for (std::size_t i = 0; i < DayTabRows.size(); ++i) {
            const DayTabRow& r = DayTabRows[i];
            const std::string control(r.control);
            const std::string caption(r.caption);
            const bool element = r.control == "lblDayTithis" || r.control == "lblDayNakshatras" ||
                                 r.control == "lblDayYogas" || r.control == "lblDayKaranas" ||
                                 r.control == "lblSankranti";
            // The day, the note and the lists are sentences or lines; a time
            // or span is as wide as its widest value, so that a query does not
            // move the window's columns, and a longer text ("none (needs
            // sunrise and sunset)" on a polar date) wraps instead of being cut.
            // An element's line ("Krishna Chaturdasi  7 Dec 02:22:12 to 8 Dec
            // 04:12:42") is as wide as the widest and never wraps.
            const bool sentence = r.control == "lblHinduDay" || r.control == "lblDayNote" ||
                                  r.control == "lblLunarMonth" || r.control == "lblEclipse" ||
                                  r.control == "lblFestivals";
            QWidget* page = element ? elements : frame;
            QLabel* value = Value(control.c_str(), page);
            if (!sentence) {
                const QString text = QString::fromStdString(widest[i]);
                int width = 0;
                for (const QString& line : text.split(QLatin1Char('\n'))) {
                    width = std::max(width, value->fontMetrics().horizontalAdvance(line));
                }
                value->setMinimumWidth(width);
            }
            QLabel* label = Caption(caption.c_str(), page);
            label->setObjectName(QString::fromStdString("cap" + control.substr(3)));
            QGridLayout* into = element ? elementGrid : grid;
            int& at = element ? elementRow : row;
            into->addWidget(label, at, 0);
            into->addWidget(value, at, 1);
            ++at;
        }
        elementGrid->setColumnStretch(1, 1);
        elementGrid->setRowStretch(elementRow, 1);
        grid->setColumnStretch(1, 1);
        grid->setRowStretch(row, 1);
        AddDayInFullPages(dayParts, DayInFullSizingTab());
        // After the day's hours and year.
        dayParts->addTab(elementScroll, UiText(QT_TRANSLATE_NOOP("Velmora", "Elements")));
    }
    {  // Chart: the rasi and navamsa charts, the positions and the dasha (results/gui/ChartTab.h).
        // In a scroll area of its own: the charts take whatever room the
        // window has, and never make the window larger than the other tabs do.
        QGroupBox* frame = AddTab(tabs_, QT_TRANSLATE_NOOP("Velmora", "Chart"), "fraChart");
        auto* layout = new QVBoxLayout(frame);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* scroll = new QScrollArea(frame);
        scroll->setObjectName(QStringLiteral("scrollChart"));
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setFocusPolicy(Qt::NoFocus);
        chartTab_ = new ChartTab(scroll);
        chartTab_->setMinimumSize(360, 420);
        scroll->setWidget(chartTab_);
        layout->addWidget(scroll);
    }
    columns->addWidget(tabs_, 3);

    auto* right = new QVBoxLayout();
    {
        QGroupBox* details = Frame(QT_TRANSLATE_NOOP("Velmora", "Your Details"), "fraDetails", box);
        auto* grid = new QGridLayout(details);
        // Dates, times and coordinates are short and never wrap.
        grid->addWidget(TypedValue("lblName", details), 0, 0, 1, 2);
        AddRow(grid, 1, QT_TRANSLATE_NOOP("Velmora", "Date of Query:"), ShortValue("lblDOB", details, "September/30/2050"));
        AddRow(grid, 2, QT_TRANSLATE_NOOP("Velmora", "Time of Query:"), ShortValue("lblTOB", details, "23:59"));
        AddRow(grid, 3, QT_TRANSLATE_NOOP("Velmora", "Longitude:"), ShortValue("lblLongitude", details, "179° 59' W"));
        AddRow(grid, 4, QT_TRANSLATE_NOOP("Velmora", "Latitude:"), ShortValue("lblLatitude", details, "89° 59' S"));
        AddRow(grid, 5, QT_TRANSLATE_NOOP("Velmora", "City:"), TypedValue("lblCity", details));
        AddRow(grid, 6, QT_TRANSLATE_NOOP("Velmora", "State:"), TypedValue("lblState", details));
        AddRow(grid, 7, QT_TRANSLATE_NOOP("Velmora", "Country:"), TypedValue("lblCountry", details));
        grid->setColumnStretch(1, 1);
        right->addWidget(details);

        QGroupBox* ayanamsa = Frame("", "fraAyanamsa", box);
        auto* row = new QHBoxLayout(ayanamsa);
        row->addWidget(Caption(QT_TRANSLATE_NOOP("Velmora", "Ayanamsa"), ayanamsa));
        row->addWidget(ShortValue("lblAyanamsa", ayanamsa, "-23° 59' 59\""), 1);
        right->addWidget(ayanamsa);
        right->addStretch(1);
    }
    columns->addLayout(right, 2);
    boxLayout->addLayout(columns, 1);
    outer->addWidget(box, 1);

    auto* buttons = new QHBoxLayout();
    auto* exit = new QPushButton(UiText(QT_TRANSLATE_NOOP("Velmora", "&Exit")), central);
    exit->setObjectName(QStringLiteral("cmdExit"));
    exit->setAutoDefault(true);
    connect(exit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
    auto* back = new QPushButton(UiText(QT_TRANSLATE_NOOP("Velmora", "&Back")), central);
    back->setObjectName(QStringLiteral("cmdBack"));
    back->setAutoDefault(true);
    connect(back, &QPushButton::clicked, this, [this] { cmdBack_Click(); });
    buttons->addWidget(exit, 1);
    buttons->addWidget(back, 4);
    outer->addLayout(buttons);

    // The banner frame along the bottom: lblFullBrand in front of lblCobrand.
    auto* banners = new OfferBanners(services_.urls, central);
    outer->addWidget(banners);

    // The first tab in front. The keyboard goes as the eye reads: the upper
    // banner, the tabs and what they hold, Exit at the left, Back, the lower
    // banner.
    tabs_->setCurrentIndex(0);
    std::vector<QWidget*> order = {label14, tabs_};
    for (QWidget* inside : tabs_->findChildren<QWidget*>()) {
        if ((inside->focusPolicy() & Qt::TabFocus) != 0 && inside != static_cast<QWidget*>(tabs_->tabBar()) &&
            inside->focusProxy() == nullptr && !inside->isWindow()) {
            order.push_back(inside);
        }
    }
    for (QWidget* w : {static_cast<QWidget*>(exit), static_cast<QWidget*>(back),
                       static_cast<QWidget*>(banners->FullBrand()), static_cast<QWidget*>(banners->Cobrand())}) {
        order.push_back(w);
    }
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
    return central;
}

void frmDisplay::SetPage(const ResultsPage& page) { SetPage(page, nullptr, {}); }

void frmDisplay::SetPage(const ResultsPage& page, const std::shared_ptr<const DayZone>& dayClock,
                         const std::string& note) {
    // The run that filled the page has just left its birth record; the report
    // takes the zone and daylight saving from it.
    birth_ = services_.state.birth;
    for (const ResultsControl& control : ResultsControls()) {
        const QString name = QString::fromUtf8(control.name.data(), static_cast<qsizetype>(control.name.size()));
        const QString text = QString::fromStdString(page.*(control.text));
        if (control.isTextBox) {
            if (auto* box = findChild<QPlainTextEdit*>(name)) box->setPlainText(text);
        } else if (auto* typed = findChild<ElidingLabel*>(name)) {
            typed->ShowText(text);
        } else if (auto* label = findChild<QLabel*>(name)) {
            label->setText(text);
        }
    }
    // The nakshatra's line takes room only when there is something to say.
    if (auto* note = findChild<QLabel*>(QStringLiteral("lblNakshatraNote"))) note->setVisible(!note->text().isEmpty());
    // The Day tab from the run's birth record; empty before a run; on the
    // place's own clock for a day opened from the calendar. Its hours and
    // year first: ShowDay puts every new text into the language in force.
    ShowDayInFull(this, dayClock ? DayInFullTabOf(birth_, *dayClock) : DayInFullTabOf(birth_));
    day_ = dayClock ? DayTabValuesOf(birth_, *dayClock) : DayTabValuesOf(birth_);
    if (day_ && !note.empty()) {
        std::string& shown = (*day_)[DayTabRowIndex("lblDayNote")];
        shown = note + (shown.empty() ? "" : "\n") + shown;
    }
    ShowDay(day_.value_or(DayTabValues{}));
    chartTab_->ShowChart(birth_);
}

void frmDisplay::ShowDay(const DayTabValues& values) {
    for (std::size_t i = 0; i < DayTabRows.size(); ++i) {
        const QString name = QString::fromUtf8(DayTabRows[i].control.data(),
                                               static_cast<qsizetype>(DayTabRows[i].control.size()));
        if (auto* label = findChild<QLabel*>(name)) label->setText(QString::fromStdString(values[i]));
    }
    // The festivals', the note's and the eclipse's rows take room only when there is something to say.
    for (std::size_t i = 0; i < DayTabRows.size(); ++i) {
        if (DayTabRows[i].control != "lblDayNote" && DayTabRows[i].control != "lblEclipse" &&
            DayTabRows[i].control != "lblFestivals") {
            continue;
        }
        const std::string control(DayTabRows[i].control);
        const bool shown = !values[i].empty();
        if (auto* label = findChild<QLabel*>(QString::fromStdString(control))) label->setVisible(shown);
        if (auto* caption = findChild<QLabel*>(QString::fromStdString("cap" + control.substr(3)))) {
            caption->setVisible(shown);
        }
    }
    // The new values in the language in force.
    RetranslateTree(this);
}

ResultsPage frmDisplay::Page() const {
    ResultsPage page;
    for (const ResultsControl& control : ResultsControls()) {
        const QString name = QString::fromUtf8(control.name.data(), static_cast<qsizetype>(control.name.size()));
        std::string& text = page.*(control.text);
        if (control.isTextBox) {
            // The page holds the program's own English, whatever the language shown.
            if (auto* box = findChild<QPlainTextEdit*>(name)) text = SourceText(box, box->toPlainText()).toStdString();
        } else if (auto* label = findChild<QLabel*>(name)) {
            text = SourceText(label, label->text()).toStdString();
        }
    }
    return page;
}

void frmDisplay::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The window is opened from the keyboard as often as with the mouse: the
    // tabs show the focus frame from the start (the style draws it only after
    // a keyboard move otherwise), and it follows the arrow keys.
    setAttribute(Qt::WA_KeyboardFocusChange);
}

void frmDisplay::cmdBack_Click() {
    // The input window first, so that the program always has a window open.
    goingBack_ = true;
    if (showInputWindow_) showInputWindow_();
    close();
}

void frmDisplay::cmdExit_Click() { close(); }

void frmDisplay::closeEvent(QCloseEvent* event) {
    event->accept();
    // Closing by Exit, File > Exit or the close box ends the program; by Back
    // it does not.
    if (!goingBack_) services_.end.EndProgram();
}

void frmDisplay::mnuAbout_Click() { ShowAbout(services_.urls, this); }

Report frmDisplay::CurrentReport() const {
    Report report = BuildReport(Page(), birth_, day_);
    report.chart = chartTab_->Chart();
    report.chartStyle = chartTab_->Style();
    return report;
}

void frmDisplay::mnuPrint_Click() {
    const ResultsPage page = Page();
    PrintReport(CurrentReport(), DefaultReportFileName(page, birth_), ReportDialogsOf(services_),
                services_.messages, this);
}

void frmDisplay::mnuSavePdf_Click() {
    const ResultsPage page = Page();
    SaveReportAsPdf(CurrentReport(), DefaultReportFileName(page, birth_), ReportDialogsOf(services_),
                    services_.messages, this);
}

void frmDisplay::mnuCopy_Click() { CopyReport(CurrentReport(), this); }

}  // namespace velmora
