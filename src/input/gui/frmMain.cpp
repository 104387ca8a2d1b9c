#include "input/gui/frmMain.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimeZone>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include "calendar/gui/CalendarLauncher.h"
#include "results/DayInFullTab.h"
#include "calendar/gui/frmCalendar.h"
#include "gui/Translation.h"
#include "input/CalculationDriver.h"
#include "input/KeyFilters.h"
#include "gui/BannerTexts.h"
#include "gui/Banners.h"
#include "gui/ClickLabel.h"
#include "gui/KeyCodes.h"
#include "gui/MenuActions.h"
#include "gui/ProgramFont.h"
#include "gui/ScreenFit.h"
#include "gui/TwoStateCheckBox.h"
#include "links/PlaceLookup.h"
#include "links/gui/frmAbout.h"
#include "places/gui/PlaceCompleter.h"
#include "results/gui/frmDisplay.h"
#include "timezone/gui/frmTimeZone.h"

namespace velmora {

namespace {

QLineEdit* NewTextBox(const char* name, int maxLength, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    if (maxLength > 0) {
        box->setMaxLength(maxLength);
        // Wide enough for its longest entry and a little air, in the box's own
        // font so that it scales with the screen.
        const int digits = box->fontMetrics().horizontalAdvance(QString(maxLength + 2, QLatin1Char('0')));
        box->setFixedWidth(digits + 12);
    }
    return box;
}

QComboBox* NewList(const char* name, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(false);  // pick-only
    // A list that drops down under the box, 12 rows high, scrolled to the
    // chosen entry; the style's own popup would cover the screen's height
    // with the 150 years.
    list->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    list->setMaxVisibleItems(12);
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return list;
}

QLabel* Caption(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QButtonGroup* NewOptionPair(const char* name, const char* first, const char* second, QWidget* parent,
                            QHBoxLayout* row) {
    auto* group = new QButtonGroup(parent);
    group->setObjectName(QString::fromLatin1(name));
    const char* captions[2] = {first, second};
    for (int i = 0; i < 2; ++i) {
        auto* button = new QRadioButton(QString::fromUtf8(captions[i]), parent);
        button->setObjectName(QString::fromLatin1(name) + QString::number(i));
        group->addButton(button, i);
        row->addWidget(button);
    }
    group->button(0)->setChecked(true);
    return group;
}

}  // namespace

frmMain::frmMain(WindowServices& services, QWidget* parent) : QMainWindow(parent), services_(services) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromUtf8(WindowCaption));
    ApplyProgramFont(this);
    BuildMenus();
    SetScrollingCentralWidget(this, BuildForm());
    Form_Load();
    // Typing in City offers places from the gazetteer, when there is one.
    if (services_.places != nullptr) placeCompleter_ = new PlaceCompleter(*services_.places, services_.messages, this);
    FitToScreen(this);
    // The focus of the form as the user leaves it: a menu chosen from the
    // keyboard has the focus in the menu bar by the time it runs its item.
    formFocus_ = txtName_;
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now != nullptr && now->window() == this && qobject_cast<QMenuBar*>(now) == nullptr) formFocus_ = now;
    });
}

frmMain::~frmMain() {
    // A results window still open when the input window goes (tests, or the
    // end of the process) goes with it.
    delete display_.data();
    delete calendar_.data();
}

void frmMain::BuildMenus() {
    QMenu* file = menuBar()->addMenu(UiText(QT_TRANSLATE_NOOP("Velmora", "&File")));
    file->setObjectName(QStringLiteral("mnuFile"));
    AddMenuItem(file, UiText(QT_TRANSLATE_NOOP("Velmora", "Get My Panchang Results")), QStringLiteral("mnuNext"), [this] { cmdRashi_Click(); });
    AddMenuItem(file, UiText(QT_TRANSLATE_NOOP("Velmora", "Month &Calendar…")), QStringLiteral("mnuCalendar"),
                [this] { mnuCalendar_Click(); });
    AddMenuItem(file, UiText(QT_TRANSLATE_NOOP("Velmora", "E&xit")), QStringLiteral("mnuExit"), [this] { mnuExit_Click(); });

    AddLinkMenus(menuBar(), services_.urls, QStringLiteral("mkmoney"), [this] { mnuAbout_Click(); });
    AddLanguageMenu(menuBar());
}

QWidget* frmMain::BuildForm() {
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(8, 6, 8, 8);
    outer->setSpacing(8);

    // The strip along the top edge with the forum banner.
    auto* frame2 = new QFrame(central);
    frame2->setObjectName(QStringLiteral("Frame2"));
    frame2->setFrameShape(QFrame::StyledPanel);
    auto* frame2Layout = new QHBoxLayout(frame2);
    frame2Layout->setContentsMargins(8, 4, 8, 4);
    Label61_ = NewForumBanner(QStringLiteral("Label61"), services_.urls, frame2);
    frame2Layout->addWidget(Label61_);
    outer->addWidget(frame2);

    // The main frame.
    auto* main = new QFrame(central);
    main->setObjectName(QStringLiteral("fraMain"));
    main->setFrameShape(QFrame::StyledPanel);
    auto* mainLayout = new QVBoxLayout(main);
    mainLayout->setContentsMargins(12, 10, 12, 10);
    mainLayout->setSpacing(8);

    auto* grid = new QGridLayout();
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    int row = 0;

    txtName_ = NewTextBox("txtName", 0, main);
    grid->addWidget(Caption(QT_TRANSLATE_NOOP("Velmora", "Name"), main), row, 0);
    grid->addWidget(txtName_, row++, 1);

    auto* dateRow = new QHBoxLayout();
    cboMonth_ = NewList("cboMonth", main);
    cboDate_ = NewList("cboDate", main);
    cboYear_ = NewList("cboYear", main);
    dateRow->addWidget(cboMonth_);
    dateRow->addWidget(cboDate_);
    dateRow->addWidget(cboYear_);
    dateRow->addStretch(1);
    grid->addWidget(Caption(QT_TRANSLATE_NOOP("Velmora", "Date of Query"), main), row, 0);
    grid->addLayout(dateRow, row++, 1);

    auto* timeRow = new QHBoxLayout();
    cboHH_ = NewList("cboHH", main);
    cboMM_ = NewList("cboMM", main);
    cboSS_ = NewList("cboSS", main);
    timeRow->addWidget(cboHH_);
    timeRow->addWidget(cboMM_);
    timeRow->addWidget(cboSS_);
    auto* hint = Caption(QT_TRANSLATE_NOOP("Velmora", "HH:MM:SS"), main);
    hint->setForegroundRole(QPalette::PlaceholderText);
    timeRow->addWidget(hint);
    timeRow->addStretch(1);
    grid->addWidget(Caption(QT_TRANSLATE_NOOP("Velmora", "Time of Query"), main), row, 0);
    grid->addLayout(timeRow, row++, 1);

    txtMCity_ = NewTextBox("txtMCity", 0, main);
    txtMState_ = NewTextBox("txtMState", 0, main);
    txtMCountry_ = NewTextBox("txtMCountry", 0, main);
    grid->addWidget(Caption(QT_TRANSLATE_NOOP("Velmora", "City"), main), row, 0);
    grid->addWidget(txtMCity_, row++, 1);
    grid->addWidget(Caption(QT_TRANSLATE_NOOP("Velmora", "State"), main), row, 0);
    grid->addWidget(txtMState_, row++, 1);
    grid->addWidget(Caption(QT_TRANSLATE_NOOP("Velmora", "Country"), main), row, 0);
    grid->addWidget(txtMCountry_, row++, 1);

    cmdBrowser_ = new QPushButton(UiText(QT_TRANSLATE_NOOP("Velmora", "Click Here To Find Latitude && Longitude")), main);
    cmdBrowser_->setObjectName(QStringLiteral("cmdBrowser"));
    cmdBrowser_->setAutoDefault(true);
    connect(cmdBrowser_, &QPushButton::clicked, this, [this] { cmdBrowser_Click(); });
    grid->addWidget(cmdBrowser_, row++, 1, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    mainLayout->addLayout(grid);

    // Latitude and longitude side by side, each in its frame.
    auto* coordinates = new QHBoxLayout();
    auto coordinateFrame = [&](const char* frameName, const char* title, const char* degName, int degLength,
                               const char* minName, QLineEdit*& deg, QLineEdit*& min, const char* pairName,
                               const char* first, const char* second) {
        auto* frame = new QGroupBox(QString::fromUtf8(title), main);
        frame->setObjectName(QString::fromLatin1(frameName));
        auto* layout = new QGridLayout(frame);
        deg = NewTextBox(degName, degLength, frame);
        min = NewTextBox(minName, 2, frame);
        layout->addWidget(Caption(QT_TRANSLATE_NOOP("Velmora", "Deg"), frame), 0, 0);
        layout->addWidget(deg, 0, 1);
        layout->addWidget(Caption(QT_TRANSLATE_NOOP("Velmora", "Min"), frame), 0, 2);
        layout->addWidget(min, 0, 3);
        layout->setColumnStretch(4, 1);
        auto* pairRow = new QHBoxLayout();
        QButtonGroup* pair = NewOptionPair(pairName, first, second, frame, pairRow);
        pairRow->addStretch(1);
        layout->addLayout(pairRow, 1, 0, 1, 5);
        coordinates->addWidget(frame, 1);
        return pair;
    };
    optLat_ = coordinateFrame("fraLatitude", QT_TRANSLATE_NOOP("Velmora", "Latitude"), "txtLatD", 2, "txtLatM", txtLatD_, txtLatM_, "optLat",
                              QT_TRANSLATE_NOOP("Velmora", "North"), QT_TRANSLATE_NOOP("Velmora", "South"));
    optLong_ = coordinateFrame("fraLongitude", QT_TRANSLATE_NOOP("Velmora", "Longitude"), "txtLonD", 3, "txtLonM", txtLonD_, txtLonM_,
                               "optLong", QT_TRANSLATE_NOOP("Velmora", "East"), QT_TRANSLATE_NOOP("Velmora", "West"));
    mainLayout->addLayout(coordinates);

    // The zone.
    auto* fraZone = new QGroupBox(main);
    fraZone->setObjectName(QStringLiteral("fraZone"));
    fraZone_ = fraZone;
    auto* zone = new QHBoxLayout(fraZone);
    zone->addWidget(Caption(QT_TRANSLATE_NOOP("Velmora", "Zone"), fraZone));
    zone->addSpacing(8);
    txtZoneHour_ = NewTextBox("txtZoneHour", 3, fraZone);
    txtZoneMinute_ = NewTextBox("txtZoneMinute", 3, fraZone);
    zone->addWidget(Caption(QT_TRANSLATE_NOOP("Velmora", "Hour"), fraZone));
    zone->addWidget(txtZoneHour_);
    zone->addSpacing(8);
    zone->addWidget(Caption(QT_TRANSLATE_NOOP("Velmora", "Min"), fraZone));
    zone->addWidget(txtZoneMinute_);
    zone->addSpacing(12);
    chkDST_ = new TwoStateCheckBox(UiText(QT_TRANSLATE_NOOP("Velmora", "DST")), fraZone);
    chkDST_->setObjectName(QStringLiteral("chkDST"));
    zone->addWidget(chkDST_);
    zone->addStretch(1);
    lblTZHelp_ = new ClickLabel(UiText(QT_TRANSLATE_NOOP("Velmora", "TZ Help")), fraZone);
    lblTZHelp_->setObjectName(QStringLiteral("lblTZHelp"));
    connect(lblTZHelp_, &ClickLabel::clicked, this, [this] { lblTZHelp_Click(); });
    zone->addWidget(lblTZHelp_);
    mainLayout->addWidget(fraZone);

    cmdRashi_ = new QPushButton(UiText(QT_TRANSLATE_NOOP("Velmora", "Get My Panchang Results")), main);
    cmdRashi_->setObjectName(QStringLiteral("cmdRashi"));
    cmdRashi_->setAutoDefault(true);  // Enter on the button presses it
    cmdRashi_->setMinimumHeight(cmdRashi_->sizeHint().height() * 3 / 2);
    QFont bold = cmdRashi_->font();
    bold.setBold(true);
    cmdRashi_->setFont(bold);
    connect(cmdRashi_, &QPushButton::clicked, this, [this] { cmdRashi_Click(); });
    mainLayout->addWidget(cmdRashi_);

    auto* blurb = new QLabel(QString::fromUtf8(BlurbText), main);
    blurb->setObjectName(QStringLiteral("lblBlurb"));
    blurb->setTextFormat(Qt::PlainText);
    blurb->setWordWrap(true);
    blurb->setAlignment(Qt::AlignCenter);
    mainLayout->addWidget(blurb);
    outer->addWidget(main, 1);

    // The frame along the bottom edge: two offer banners at the same spot,
    // only the one in front seen.
    banners_ = new OfferBanners(services_.urls, central);
    outer->addWidget(banners_);

    // Key filters, and the focus order down the form.
    for (QLineEdit* box : {txtName_, txtLatD_, txtLatM_, txtLonD_, txtLonM_, txtZoneHour_, txtZoneMinute_}) {
        InstallKeyFilter(box);
    }
    QWidget* order[] = {txtName_,   cboMonth_, cboDate_,   cboYear_,          cboHH_,           cboMM_,
                        cboSS_,     txtMCity_, txtMState_, txtMCountry_,      cmdBrowser_,      txtLatD_,
                        txtLatM_,   optLat_->button(0),    optLat_->button(1), txtLonD_,        txtLonM_,
                        optLong_->button(0),   optLong_->button(1),           txtZoneHour_,     txtZoneMinute_,
                        chkDST_,    lblTZHelp_, cmdRashi_, Label61_,          banners_->FullBrand(),
                        banners_->Cobrand()};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
    txtName_->setFocus();
    return central;
}

void frmMain::Form_Load() {
    const std::pair<QComboBox*, InputList> lists[] = {
        {cboMonth_, InputList::Month}, {cboDate_, InputList::Date},  {cboYear_, InputList::Year},
        {cboHH_, InputList::Hour},     {cboMM_, InputList::Minute}, {cboSS_, InputList::Second},
    };
    for (const auto& [box, list] : lists) {
        box->clear();
        for (int i = 0; i < ListCount(list); ++i) box->addItem(QString::fromStdString(ListEntryText(list, i)));
        box->setCurrentIndex(0);
    }
}

void frmMain::InstallKeyFilter(QLineEdit* box) {
    // Characters must arrive as key presses to be filtered; an input method
    // would hand them over as composed text instead.
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->installEventFilter(this);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    // The calendar's place, kept as it closes: where the next one opens. The
    // event's type is looked at first: while the calendar is being destroyed
    // its last events still pass here, and it is no longer a calendar then.
    if (event->type() == QEvent::Close && !calendar_.isNull() && watched == static_cast<QObject*>(calendar_.data()))
        lastCalendarPlace_ = calendar_->CurrentPlace();
    if (event->type() != QEvent::KeyPress) return QMainWindow::eventFilter(watched, event);
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box == nullptr) return QMainWindow::eventFilter(watched, event);
    const std::optional<KeyFilter> filter = KeyFilterFor(box->objectName().toStdString());
    const std::optional<int> code = TypedCharacterCode(*static_cast<QKeyEvent*>(event));
    if (!filter || !code) return QMainWindow::eventFilter(watched, event);

    // Letters and marks of every script (Unicode's classes L and M) count as
    // letters, typed as pasted.
    const bool letterOfAnyScript = *code >= 128 && *code <= 0xFFFF &&
                                   (QChar(static_cast<char16_t>(*code)).isLetter() ||
                                    QChar(static_cast<char16_t>(*code)).isMark());
    const KeyFilterResult result = ApplyKeyFilter(*filter, *code, letterOfAnyScript);
    if (result.refusal) {
        services_.messages.Show(result.refusal->message, result.refusal->icon);
        return true;  // the key is discarded
    }
    if (result.key == *code) return false;  // the box takes it as typed
    box->insert(QString(QChar(static_cast<char16_t>(result.key))));
    return true;
}

InputForm frmMain::ReadForm() const {
    InputForm form;
    form.txtName = txtName_->text().toStdString();
    form.txtMCity = txtMCity_->text().toStdString();
    form.txtMState = txtMState_->text().toStdString();
    form.txtMCountry = txtMCountry_->text().toStdString();
    form.txtLatD = txtLatD_->text().toStdString();
    form.txtLatM = txtLatM_->text().toStdString();
    form.txtLonD = txtLonD_->text().toStdString();
    form.txtLonM = txtLonM_->text().toStdString();
    form.txtZoneHour = txtZoneHour_->text().toStdString();
    form.txtZoneMinute = txtZoneMinute_->text().toStdString();
    form.cboMonth = cboMonth_->currentIndex();
    form.cboDate = cboDate_->currentIndex();
    form.cboYear = cboYear_->currentIndex();
    form.cboHH = cboHH_->currentIndex();
    form.cboMM = cboMM_->currentIndex();
    form.cboSS = cboSS_->currentIndex();
    form.optLat = optLat_->checkedId() == 1 ? 1 : 0;
    form.optLong = optLong_->checkedId() == 1 ? 1 : 0;
    // The form's values: 0 unticked, 1 ticked, 2 greyed (set from code only).
    switch (chkDST_->checkState()) {
        case Qt::Unchecked: form.chkDST = 0; break;
        case Qt::Checked: form.chkDST = 1; break;
        case Qt::PartiallyChecked: form.chkDST = 2; break;
    }
    return form;
}

void frmMain::WriteForm(const InputForm& form) {
    const auto text = [](QLineEdit* box, const std::string& value) { box->setText(QString::fromStdString(value)); };
    text(txtName_, form.txtName);
    text(txtMCity_, form.txtMCity);
    text(txtMState_, form.txtMState);
    text(txtMCountry_, form.txtMCountry);
    text(txtLatD_, form.txtLatD);
    text(txtLatM_, form.txtLatM);
    text(txtLonD_, form.txtLonD);
    text(txtLonM_, form.txtLonM);
    text(txtZoneHour_, form.txtZoneHour);
    text(txtZoneMinute_, form.txtZoneMinute);
    cboMonth_->setCurrentIndex(form.cboMonth);
    cboDate_->setCurrentIndex(form.cboDate);
    cboYear_->setCurrentIndex(form.cboYear);
    cboHH_->setCurrentIndex(form.cboHH);
    cboMM_->setCurrentIndex(form.cboMM);
    cboSS_->setCurrentIndex(form.cboSS);
    if (QAbstractButton* b = optLat_->button(form.optLat == 1 ? 1 : 0)) b->setChecked(true);
    if (QAbstractButton* b = optLong_->button(form.optLong == 1 ? 1 : 0)) b->setChecked(true);
    chkDST_->setCheckState(form.chkDST == 1 ? Qt::Checked : form.chkDST == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

frmCalendar* frmMain::CalendarWindow() const { return calendar_.data(); }

void frmMain::mnuCalendar_Click() {
    const InputForm form = ReadForm();
    const std::optional<Place> chosen = placeCompleter_ != nullptr ? placeCompleter_->Chosen() : std::nullopt;
    CalendarPlace place = CalendarPlaceOfForm(form, chosen);
    if (!FormHoldsPlace(form)) {
        // No place typed: the last one the calendar showed, else the main
        // city of the machine's zone.
        if (calendar_) lastCalendarPlace_ = calendar_->CurrentPlace();
        if (lastCalendarPlace_) {
            place = *lastCalendarPlace_;
        } else if (services_.places != nullptr) {
            const std::string zone = QTimeZone::systemTimeZoneId().toStdString();
            if (std::optional<CalendarPlace> city = MainCityOfZone(*services_.places, zone)) place = *city;
        }
    }
    const QDate now = QDate::currentDate();
    const CalendarDate date = CalendarOpeningDate(form, {now.year(), now.month(), now.day()});
    lastCalendarPlace_ = place;
    if (calendar_) {
        calendar_->ShowMonth(date, place);
        MarkCalendarPerson();
        calendar_->show();
        calendar_->raise();
        calendar_->activateWindow();
        return;
    }
    calendar_ = OpenCalendarWindow(services_, date, place,
                                   [this](const CalendarDate& day, const CalendarPlace& at) { OpenCalendarDay(day, at); });
    calendar_->installEventFilter(this);
    MarkCalendarPerson();
}

void frmMain::MarkCalendarPerson() {
    // Opened for a person once a run has filled the results window: the
    // calendar marks each date's tarabalam and chandrabalam for that moment.
    if (!calendar_) return;
    const std::optional<BirthStars> stars = display_ ? BirthStarsOf(services_.state.birth) : std::nullopt;
    calendar_->SetPerson(stars ? std::optional<int>(stars->nakshatra) : std::nullopt,
                         stars ? std::optional<int>(stars->moonSign) : std::nullopt);
}

void frmMain::OpenCalendarDay(const CalendarDate& date, const CalendarPlace& place) {
    // The day is shown from a form of its own: what the user typed in this
    // window stays as typed, and Back finds it there.
    const InputForm form = ReadForm();
    const std::optional<Place> chosen = placeCompleter_ != nullptr ? placeCompleter_->Chosen() : std::nullopt;
    const CalendarPlace here = CalendarPlaceOfForm(form, chosen);
    const bool samePlace = here.label == place.label && here.latitude == place.latitude &&
                           here.longitude == place.longitude && here.zoneId == place.zoneId;
    lastCalendarPlace_ = place;
    // A date opens without a name typed; the results name it in the
    // language in force.
    const QString blankName = TranslatedText(UiText(QT_TRANSLATE_NOOP("Velmora", "CALENDAR DAY")));
    const CalendarDayRun run = CalendarDayFor(form, date, place, samePlace, blankName.toStdString());
    ResultsPage page;
    if (const std::optional<Refusal> refusal = RunCalculation(run.form, services_.state, page)) {
        services_.messages.Show(refusal->message, refusal->icon);
        return;
    }
    ShowResults(page, run.clock, run.note);
    shownDay_ = std::make_pair(date, place);
    // The day itself, where the results window has a tab for it.
    if (display_) {
        QTabWidget* tabs = display_->Tabs();
        for (int tab = 0; tab < tabs->count(); ++tab) {
            // By its frame, not its caption, which follows the language.
            if (tabs->widget(tab)->findChild<QWidget*>(QStringLiteral("fraDay")) != nullptr) tabs->setCurrentIndex(tab);
        }
    }
    // Said in a box once, as choosing the place in City says it; the Day tab
    // keeps saying it.
    if (!run.note.empty() && run.note != lastCalendarNote_) {
        lastCalendarNote_ = run.note;
        services_.messages.Show(run.note, MessageIcon::Information);
    }
}

void frmMain::cmdRashi_Click() {
    focusBeforeRun_ = formFocus_;
    const InputForm form = ReadForm();
    // A fresh page holds the results window's design texts; the run fills it.
    ResultsPage page;
    if (const std::optional<Refusal> refusal = RunCalculation(form, services_.state, page)) {
        ShowRefusal(*refusal);
        return;
    }
    shownDay_.reset();
    ShowResults(page);
}

void frmMain::ShowResults(const ResultsPage& page, const std::shared_ptr<const DayZone>& dayClock,
                          const std::string& dayNote) {
    if (!display_) {
        display_ = new frmDisplay(services_, [this] { ReturnFromResults(); });
        display_->SetCalendarOpener([this] {
            if (shownDay_ && calendar_) {
                calendar_->ShowMonth(shownDay_->first, shownDay_->second);
                calendar_->show();
                calendar_->raise();
                calendar_->activateWindow();
            } else if (shownDay_) {
                calendar_ = OpenCalendarWindow(services_, shownDay_->first, shownDay_->second,
                                               [this](const CalendarDate& day, const CalendarPlace& at) {
                                                   OpenCalendarDay(day, at);
                                               });
                calendar_->installEventFilter(this);
            } else {
                mnuCalendar_Click();
            }
        });
        // Where the user was looking.
        PlaceWithin(display_, frameGeometry().topLeft());
    }
    display_->SetPage(page, dayClock, dayNote);
    // Hidden and shown again, a window is placed afresh by the window
    // manager; Back puts it back where it was, at the size it had.
    if (isVisible()) shownAt_ = QRect(pos(), size());  // frame position, inner size
    hide();
    display_->show();
    display_->raise();
    display_->activateWindow();
}

void frmMain::ShowRefusal(const Refusal& refusal) {
    services_.messages.Show(refusal.message, refusal.icon);
    if (refusal.focus.empty()) return;
    if (auto* target = findChild<QWidget*>(QString::fromStdString(refusal.focus))) target->setFocus();
}

void frmMain::ReturnFromResults() {
    // The results window closes itself right after this; forget it now so
    // that the next run creates a fresh one.
    display_ = nullptr;
    if (shownAt_.isValid()) {
        resize(shownAt_.size());
        move(shownAt_.topLeft());
        // A window moved by the user, not by the program, still counts as
        // placed by the window manager, which would place it afresh; this
        // tells it that the position is the user's.
        if (QWindow* handle = windowHandle()) handle->setFramePosition(shownAt_.topLeft());
    }
    // The focus goes back exactly where the run started from, with its mark
    // showing, so that the next key lands where the user expects it. Set
    // before and once more after the window is active again: activation
    // hands the focus to the window's focus widget, which this makes sure of.
    if (focusBeforeRun_) focusBeforeRun_->setFocus(Qt::OtherFocusReason);
    setAttribute(Qt::WA_KeyboardFocusChange);
    show();
    raise();
    activateWindow();
    QTimer::singleShot(0, this, [this, target = focusBeforeRun_] {
        if (target && isVisible() && target->isVisible()) target->setFocus(Qt::OtherFocusReason);
    });
}

frmDisplay* frmMain::ResultsWindow() const { return display_.data(); }

QWidget* frmMain::FrontBanner() const { return banners_->Front(); }

void frmMain::BringBannerToFront(QWidget* banner) { banners_->BringToFront(banner); }

void frmMain::closeEvent(QCloseEvent* event) {
    event->accept();
    services_.end.EndProgram();
}

void frmMain::mnuExit_Click() { close(); }

void frmMain::lblTZHelp_Click() {
    ShowTimeZonePicker(this, fraZone_, lblTZHelp_, txtZoneHour_, txtZoneMinute_);
}

void frmMain::cmdBrowser_Click() {
    // Without a place-search component the click does nothing, like a call
    // that fails.
    if (services_.placeSearch == nullptr) return;
    if (const auto refusal = RunPlaceLookup(ReadForm(), *services_.placeSearch)) ShowRefusal(*refusal);
}

void frmMain::mnuAbout_Click() { ShowAbout(services_.urls, this); }

void frmMain::DrawOfferBanner() { banners_->Draw(services_.uniform); }

}  // namespace velmora
