#include "calendar/gui/frmCalendar.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontInfo>
#include <QResizeEvent>
#include <QCompleter>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <utility>

#include "calendar/CalendarEvents.h"
#include "gui/ElidingLabel.h"
#include "gui/MenuActions.h"
#include "gui/ProgramTitle.h"
#include "gui/ScreenFit.h"
#include "gui/Translation.h"
#include "results/gui/ReportActions.h"
#include "results/print/MonthDocument.h"

namespace velmora {

namespace {

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

constexpr const char* MonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                      "July",    "August",   "September", "October", "November", "December"};

std::string PlaceLine(const CalendarPlace& place) {
    std::string line = place.label;
    if (!place.zoneId.empty()) line += (line.empty() ? "" : " · ") + place.zoneId;
    return line;
}

CalendarDate Clamped(const CalendarDate& date) {
    if (date.year < frmCalendar::FirstYear) return {frmCalendar::FirstYear, 1, 1};
    if (date.year > frmCalendar::LastYear) return {frmCalendar::LastYear, 12, 31};
    return date;
}

}  // namespace

// ---- the grid ----

MonthView::MonthView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("grdCalMonth"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(UiText(QT_TRANSLATE_NOOP("Velmora", "Month")));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void MonthView::SetGrid(MonthGrid grid, std::string place) {
    grid_ = std::move(grid);
    place_ = std::move(place);
    if (selected_.year != grid_.year || selected_.month != grid_.month) {
        selected_ = {grid_.year, grid_.month, 1};
    }
    updateGeometry();
    FollowWidth();
    update();
}

void MonthView::Select(const CalendarDate& date) {
    selected_ = date;
    update();
}

QRectF MonthView::Area() const { return QRectF(rect()).adjusted(6, 4, -6, -6); }

QRect MonthView::CellRect(const CalendarDate& date) const {
    return MonthCellRect(grid_, date, Area(), TextPixels()).toAlignedRect();
}

double MonthView::TextPixels() const {
    // The window's own type, never below 8 points.
    const double eightPoints = 8.0 * logicalDpiY() / 72.0;
    return std::max<double>(QFontInfo(font()).pixelSize(), eightPoints);
}

QSize MonthView::minimumSizeHint() const {
    // Every box whole at the window's type; a smaller window scrolls.
    MonthDrawing drawing = Drawing();
    drawing.language = CurrentLanguage();
    drawing.textPixels = TextPixels();
    const QSizeF need = MonthMinimumSize(grid_, drawing, this);
    return {static_cast<int>(std::ceil(need.width())) + 12, 250};
}

QSize MonthView::sizeHint() const {
    const int width = std::max(7 * 150, minimumSizeHint().width());
    return {width, std::max(6 * 96 + 90, NeededHeight(width))};
}

int MonthView::NeededHeight(int width) const {
    MonthDrawing drawing = Drawing();
    drawing.language = CurrentLanguage();
    drawing.textPixels = TextPixels();
    const QSizeF need = MonthMinimumSize(grid_, drawing, this, width - 12.0);
    return static_cast<int>(std::ceil(need.height())) + 10;
}

void MonthView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FollowWidth();
}

void MonthView::FollowWidth() {
    // The boxes' height follows the width (narrower boxes wrap more lines).
    const int need = NeededHeight(width());
    if (need != minimumHeight()) setMinimumHeight(need);
}

void MonthView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    MonthDrawing drawing = Drawing();
    drawing.selected = selected_;
    drawing.focused = hasFocus();
    drawing.language = CurrentLanguage();
    drawing.textPixels = TextPixels();
    PaintMonth(grid_, drawing, painter, Area());
}

void MonthView::SetMarks(int solarCalendar, std::optional<int> birthNakshatra, std::optional<int> birthMoonSign) {
    solarCalendar_ = solarCalendar;
    birthNakshatra_ = birthNakshatra;
    birthMoonSign_ = birthMoonSign;
    // The person's marks take a line of each box.
    updateGeometry();
    FollowWidth();
    update();
}

MonthDrawing MonthView::Drawing() const {
    MonthDrawing drawing;
    drawing.place = place_;
    drawing.solarCalendar = solarCalendar_;
    drawing.birthNakshatra = birthNakshatra_;
    drawing.birthMoonSign = birthMoonSign_;
    return drawing;
}

void MonthView::Go(const CalendarDate& date) {
    const CalendarDate target = Clamped(date);
    if (target.year == grid_.year && target.month == grid_.month) {
        Select(target);
    } else {
        selected_ = target;
        emit MoveRequested(target);
    }
}

void MonthView::keyPressEvent(QKeyEvent* event) {
    const bool ctrl = (event->modifiers() & Qt::ControlModifier) != 0;
    const auto sameDay = [this](int months) {
        const CalendarDate first = StepMonth(selected_.year, selected_.month, months);
        return CalendarDate{first.year, first.month, std::min(selected_.day, DaysInMonth(first.year, first.month))};
    };
    switch (event->key()) {
        case Qt::Key_Left: Go(AddDays(selected_, -1)); break;
        case Qt::Key_Right: Go(AddDays(selected_, 1)); break;
        case Qt::Key_Up: Go(AddDays(selected_, -7)); break;
        case Qt::Key_Down: Go(AddDays(selected_, 7)); break;
        case Qt::Key_Home: Go({selected_.year, selected_.month, 1}); break;
        case Qt::Key_End: Go({selected_.year, selected_.month, DaysInMonth(selected_.year, selected_.month)}); break;
        case Qt::Key_PageUp: Go(sameDay(ctrl ? -12 : -1)); break;
        case Qt::Key_PageDown: Go(sameDay(ctrl ? 12 : 1)); break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space: emit Activated(selected_); break;
        default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void MonthView::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    if (const auto date = MonthDateAt(grid_, Area(), event->position(), TextPixels())) Select(*date);
}

void MonthView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (const auto date = MonthDateAt(grid_, Area(), event->position(), TextPixels())) {
        Select(*date);
        emit Activated(*date);
    }
}

void MonthView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void MonthView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

// ---- the window ----

frmCalendar::frmCalendar(WindowServices& services, MonthSource source, OpenDay openDay, QWidget* parent)
    : QMainWindow(parent), services_(services), source_(std::move(source)), openDay_(std::move(openDay)) {
    setObjectName(QStringLiteral("frmCalendar"));
    setWindowTitle(QString::fromUtf8(CalendarWindowTitle(0, 0, {})));
    setAttribute(Qt::WA_DeleteOnClose);

    QMenu* file = menuBar()->addMenu(UiText(QT_TRANSLATE_NOOP("Velmora", "&File")));
    file->setObjectName(QStringLiteral("mnuCalFile"));
    AddMenuItem(file, UiText(QT_TRANSLATE_NOOP("Velmora", "&Print…")), QStringLiteral("mnuCalPrint"), [this] { mnuPrint_Click(); })
        ->setShortcut(QKeySequence::Print);
    AddMenuItem(file, UiText(QT_TRANSLATE_NOOP("Velmora", "Save as P&DF…")), QStringLiteral("mnuCalSavePdf"), [this] { mnuSavePdf_Click(); })
        ->setShortcut(QKeySequence::Save);
    file->addSeparator();
    AddMenuItem(file, UiText(QT_TRANSLATE_NOOP("Velmora", "&Close")), QStringLiteral("mnuCalClose"), [this] { close(); })
        ->setShortcut(QKeySequence::Close);
    QMenu* go = menuBar()->addMenu(UiText(QT_TRANSLATE_NOOP("Velmora", "&Go")));
    go->setObjectName(QStringLiteral("mnuCalGo"));
    AddMenuItem(go, UiText(QT_TRANSLATE_NOOP("Velmora", "&Previous Month")), QStringLiteral("mnuCalPrevMonth"), [this] { cmdPrevMonth_Click(); })
        ->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    AddMenuItem(go, UiText(QT_TRANSLATE_NOOP("Velmora", "&Next Month")), QStringLiteral("mnuCalNextMonth"), [this] { cmdNextMonth_Click(); })
        ->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    AddMenuItem(go, UiText(QT_TRANSLATE_NOOP("Velmora", "Previous &Year")), QStringLiteral("mnuCalPrevYear"), [this] { cmdPrevYear_Click(); })
        ->setShortcut(PreviousYearKey);
    AddMenuItem(go, UiText(QT_TRANSLATE_NOOP("Velmora", "Next Y&ear")), QStringLiteral("mnuCalNextYear"), [this] { cmdNextYear_Click(); })
        ->setShortcut(NextYearKey);
    AddMenuItem(go, UiText(QT_TRANSLATE_NOOP("Velmora", "&Open the Day")), QStringLiteral("mnuCalOpenDay"), [this] {
        if (openDay_) openDay_(view_->Selected(), place_);
    });
    AddLanguageMenu(menuBar());

    auto* content = new QWidget(this);
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(8, 6, 8, 6);
    column->setSpacing(4);

    auto* bar = new QHBoxLayout;
    bar->setSpacing(4);
    auto* placeLabel = new QLabel(UiText(QT_TRANSLATE_NOOP("Velmora", "P&lace:")), content);
    placeBox_ = new QLineEdit(content);
    placeBox_->setObjectName(QStringLiteral("txtCalPlace"));
    placeBox_->setPlaceholderText(UiText(QT_TRANSLATE_NOOP("Velmora", "City, state, country")));
    placeBox_->setMinimumWidth(150);
    placeLabel->setBuddy(placeBox_);
    offeredModel_ = new QStandardItemModel(this);
    completer_ = new QCompleter(offeredModel_, this);
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setCaseSensitivity(Qt::CaseInsensitive);
    placeBox_->setCompleter(completer_);
    connect(placeBox_, &QLineEdit::textEdited, this, [this](const QString& typed) { OfferPlaces(typed); });
    connect(completer_, qOverload<const QString&>(&QCompleter::activated), this,
            [this](const QString& text) {
                placeBox_->setText(text);
                txtCalPlace_Chosen();
            });
    // Choosing an offered place sets the text first, so Enter after it finds
    // the place already taken.
    connect(placeBox_, &QLineEdit::returnPressed, this, [this] { txtCalPlace_Chosen(); });

    auto button = [content](const char* name, const char* caption, const char* tip) {
        auto* b = new QPushButton(QString::fromUtf8(caption), content);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(QString::fromUtf8(tip));
        b->setAccessibleName(QString::fromUtf8(tip));
        b->setAutoDefault(false);
        return b;
    };
    auto* prevYear = button("cmdPrevYear", "«", QT_TRANSLATE_NOOP("Velmora", "Previous year (Alt+Page Up)"));
    auto* prevMonth = button("cmdPrevMonth", "‹", QT_TRANSLATE_NOOP("Velmora", "Previous month (Alt+Left)"));
    month_ = new QComboBox(content);
    month_->setObjectName(QStringLiteral("cboCalMonth"));
    for (const char* name : MonthNames) month_->addItem(QString::fromLatin1(name));
    year_ = new QSpinBox(content);
    year_->setObjectName(QStringLiteral("spnCalYear"));
    year_->setRange(FirstYear, LastYear);
    year_->setAccessibleName(UiText(QT_TRANSLATE_NOOP("Velmora", "Year")));
    auto* nextMonth = button("cmdNextMonth", "›", QT_TRANSLATE_NOOP("Velmora", "Next month (Alt+Right)"));
    auto* nextYear = button("cmdNextYear", "»", QT_TRANSLATE_NOOP("Velmora", "Next year (Alt+Page Down)"));
    for (QPushButton* b : {prevYear, prevMonth, nextMonth, nextYear}) {
        b->setMaximumWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("MMM")) + 12);
    }
    connect(prevYear, &QPushButton::clicked, this, [this] { cmdPrevYear_Click(); });
    connect(prevMonth, &QPushButton::clicked, this, [this] { cmdPrevMonth_Click(); });
    connect(nextMonth, &QPushButton::clicked, this, [this] { cmdNextMonth_Click(); });
    connect(nextYear, &QPushButton::clicked, this, [this] { cmdNextYear_Click(); });
    connect(month_, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] { Refresh(); });
    connect(year_, qOverload<int>(&QSpinBox::valueChanged), this, [this] { Refresh(); });

    bar->addWidget(placeLabel);
    bar->addWidget(placeBox_, 1);
    bar->addSpacing(6);
    bar->addWidget(prevYear);
    bar->addWidget(prevMonth);
    bar->addWidget(month_);
    bar->addWidget(year_);
    bar->addWidget(nextMonth);
    bar->addWidget(nextYear);
    // The solar date in each box, in small type.
    auto* solarLabel = new QLabel(UiText(QT_TRANSLATE_NOOP("Velmora", "S&olar:")), content);
    solar_ = new QComboBox(content);
    solar_->setObjectName(QStringLiteral("cboSolarCalendar"));
    solar_->setAccessibleName(UiText(QT_TRANSLATE_NOOP("Velmora", "Solar calendar")));
    for (const char* name : {QT_TRANSLATE_NOOP("Velmora", "None"), QT_TRANSLATE_NOOP("Velmora", "Tamil"),
                             QT_TRANSLATE_NOOP("Velmora", "Malayalam"), QT_TRANSLATE_NOOP("Velmora", "Bengali")}) {
        solar_->addItem(UiText(name));
    }
    solarLabel->setBuddy(solar_);
    connect(solar_, qOverload<int>(&QComboBox::activated), this, [this] {
        solarChosen_ = true;
        cboSolarCalendar_Changed();
    });
    column->addLayout(bar);

    view_ = new MonthView(content);
    column->addWidget(view_, 1);
    connect(view_, &MonthView::MoveRequested, this, [this](CalendarDate date) {
        ShowMonth(date, place_);
        view_->setFocus(Qt::OtherFocusReason);
    });
    connect(view_, &MonthView::Activated, this, [this](CalendarDate date) {
        if (openDay_) openDay_(date, place_);
    });

    auto* actions = new QHBoxLayout;
    // One line that gives way to the buttons (never wraps: a wrapped label
    // would make the window ask for more height than a laptop has).
    auto* hint = new ElidingLabel(20, content);
    hint->setObjectName(QStringLiteral("lblCalHint"));
    hint->ShowText(UiText(QT_TRANSLATE_NOOP("Velmora", "Arrows: day and week · Page Up/Down: month · "
                                                       "Ctrl+Page Up/Down: year · Enter: open the day")));
    hint->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    QFont small = hint->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    hint->setFont(small);
    hint_ = hint;
    auto* print = button("cmdCalPrint", QT_TRANSLATE_NOOP("Velmora", "&Print…"), QT_TRANSLATE_NOOP("Velmora", "Print the month"));
    auto* save = button("cmdCalSavePdf", QT_TRANSLATE_NOOP("Velmora", "Save as P&DF…"), QT_TRANSLATE_NOOP("Velmora", "Save the month as PDF"));
    auto* closeButton = button("cmdCalClose", QT_TRANSLATE_NOOP("Velmora", "&Close"), QT_TRANSLATE_NOOP("Velmora", "Close the calendar"));
    connect(print, &QPushButton::clicked, this, [this] { mnuPrint_Click(); });
    connect(save, &QPushButton::clicked, this, [this] { mnuSavePdf_Click(); });
    connect(closeButton, &QPushButton::clicked, this, [this] { close(); });
    actions->addWidget(hint_, 1);
    actions->addWidget(solarLabel);
    actions->addWidget(solar_);
    actions->addSpacing(6);
    actions->addWidget(print);
    actions->addWidget(save);
    actions->addWidget(closeButton);
    column->addLayout(actions);

    // Left to right, top to bottom.
    setTabOrder(placeBox_, prevYear);
    setTabOrder(prevYear, prevMonth);
    setTabOrder(prevMonth, month_);
    setTabOrder(month_, year_);
    setTabOrder(year_, nextMonth);
    setTabOrder(nextMonth, nextYear);
    setTabOrder(nextYear, view_);
    setTabOrder(view_, solar_);
    setTabOrder(solar_, print);
    setTabOrder(print, save);
    setTabOrder(save, closeButton);

    SetScrollingCentralWidget(this, content);
}

void frmCalendar::cboSolarCalendar_Changed() {
    view_->SetMarks(solar_->currentIndex() - 1, birthNakshatra_, birthMoonSign_);
}

void frmCalendar::SetPerson(std::optional<int> birthNakshatra, std::optional<int> birthMoonSign) {
    birthNakshatra_ = birthNakshatra;
    birthMoonSign_ = birthMoonSign;
    cboSolarCalendar_Changed();
}

void frmCalendar::ShowMonth(const CalendarDate& date, const CalendarPlace& place) {
    const CalendarDate target = Clamped(date);
    place_ = place;
    if (!solarChosen_) {
        solar_->setCurrentIndex(place_.state == "Tamil Nadu" ? 1 : 0);
        cboSolarCalendar_Changed();
    }
    ShowPlaceText();
    refreshing_ = true;
    month_->setCurrentIndex(target.month - 1);
    year_->setValue(target.year);
    refreshing_ = false;
    view_->Select(target);
    Refresh();
}

void frmCalendar::ShowPlaceText() {
    placeBox_->setText(FromUtf8(place_.label));
    placeBox_->setCursorPosition(0);
}

void frmCalendar::Refresh() {
    if (refreshing_) return;
    const int year = year_->value();
    const int month = month_->currentIndex() + 1;
    MonthGrid grid = source_ ? source_(year, month, place_) : MonthGrid{};
    if (grid.weeks.empty()) {
        grid.year = year;
        grid.month = month;
        grid.weeks = MonthLayout(year, month);
    }
    CalendarDate selected = view_->Selected();
    if (selected.year != year || selected.month != month) {
        selected = {year, month, std::clamp(selected.day, 1, DaysInMonth(year, month))};
    }
    view_->SetGrid(std::move(grid), PlaceLine(place_));
    view_->Select(selected);
    setWindowTitle(QString::fromUtf8(CalendarWindowTitle(year, month, place_.label)));
    // The new title in the language in force.
    RetranslateTree(this);
}

std::string CalendarWindowTitle(int year, int month, const std::string& place) {
    std::string title = "Month Calendar";
    if (const std::string shown = MonthTitle(year, month); !shown.empty()) title += ": " + shown;
    if (!place.empty()) title += " \u00B7 " + place;
    return title + " \u2013 " + WindowCaption;
}

void frmCalendar::cmdPrevMonth_Click() {
    const CalendarDate target = StepMonth(year_->value(), month_->currentIndex() + 1, -1);
    if (target.year >= FirstYear) ShowMonth({target.year, target.month, 1}, place_);
}

void frmCalendar::cmdNextMonth_Click() {
    const CalendarDate target = StepMonth(year_->value(), month_->currentIndex() + 1, 1);
    if (target.year <= LastYear) ShowMonth({target.year, target.month, 1}, place_);
}

void frmCalendar::cmdPrevYear_Click() {
    if (year_->value() > FirstYear) ShowMonth({year_->value() - 1, month_->currentIndex() + 1, 1}, place_);
}

void frmCalendar::cmdNextYear_Click() {
    if (year_->value() < LastYear) ShowMonth({year_->value() + 1, month_->currentIndex() + 1, 1}, place_);
}

std::string frmCalendar::SuggestedFileName() const {
    const MonthGrid& grid = view_->Grid();
    std::string name = MonthTitle(grid.year, grid.month);
    if (!place_.label.empty()) {
        // Appended in place rather than as " " + substr(): GCC 12 at -O3 sees
        // an overlapping copy in the temporary's insert that cannot happen.
        name += ' ';
        name.append(place_.label, 0, place_.label.find(','));
    }
    return Slug(name) + ".pdf";
}

void frmCalendar::mnuPrint_Click() {
    PrintMonth(view_->Grid(), view_->Drawing(), SuggestedFileName(), ReportDialogsOf(services_), services_.messages,
               this);
}

void frmCalendar::mnuSavePdf_Click() {
    SaveMonthAsPdf(view_->Grid(), view_->Drawing(), SuggestedFileName(), ReportDialogsOf(services_),
                   services_.messages, this);
}

void frmCalendar::OfferPlaces(const QString& typed) {
    offered_.clear();
    offeredModel_->clear();
    if (services_.places == nullptr) return;
    const ParsedPlaceText parsed = ParsePlaceText(typed.toStdString());
    if (!parsed.problem.empty()) return;
    offered_ = services_.places->Find(parsed.query, 25);
    for (const Place& place : offered_) offeredModel_->appendRow(new QStandardItem(FromUtf8(PlaceLabel(place))));
}

void frmCalendar::txtCalPlace_Chosen() {
    const std::string typed = placeBox_->text().toStdString();
    if (typed == place_.label) return;
    if (services_.places == nullptr) {
        services_.messages.Show(QT_TRANSLATE_NOOP("Velmora", "Places cannot be looked up in this build."),
                                MessageIcon::Information);
        ShowPlaceText();
        return;
    }
    const ParsedPlaceText parsed = ParsePlaceText(typed);
    if (!parsed.problem.empty()) {
        services_.messages.Show(parsed.problem, MessageIcon::Information);
        ShowPlaceText();
        return;
    }
    const std::vector<Place> found = services_.places->Find(parsed.query, 25);
    if (found.empty()) {
        services_.messages.Show("No place called \u201C" + typed + "\u201D was found.", MessageIcon::Information);
        ShowPlaceText();
        return;
    }
    // The offered text itself picks that place; anything else the most
    // populous of the best matches, as the report tool's --place does.
    const Place* chosen = &found[ChoosePlace(found).index];
    for (const Place& place : found) {
        if (PlaceLabel(place) == typed) {
            chosen = &place;
            break;
        }
    }
    CalendarPlace place;
    place.label = PlaceLabel(*chosen);
    place.latitude = chosen->latitude;
    place.longitude = chosen->longitude;
    place.zoneId = chosen->zoneId;
    place.city = chosen->name;
    place.state = ShortStateName(chosen->state);
    place.country = chosen->country;
    ShowMonth(view_->Selected(), place);
}

}  // namespace velmora
