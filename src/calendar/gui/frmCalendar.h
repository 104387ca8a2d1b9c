#pragma once

#include <QKeySequence>
#include <QMainWindow>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calendar/MonthGrid.h"
#include "gui/WindowServices.h"
#include "places/Place.h"
#include "results/print/MonthDocument.h"

class QCloseEvent;
class QComboBox;
class QCompleter;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QStandardItemModel;

namespace velmora {

// Computes a month of days for a place (the program: the Hindu day of every
// date; tests may pass their own).
using MonthSource = std::function<MonthGrid(int year, int month, const CalendarPlace& place)>;

// The grid of the month: draws the month as printed, keeps one date selected,
// and moves through days, weeks, months and years with the keyboard.
class MonthView : public QWidget {
    Q_OBJECT
public:
    explicit MonthView(QWidget* parent = nullptr);

    void SetGrid(MonthGrid grid, std::string place);
    const MonthGrid& Grid() const { return grid_; }
    CalendarDate Selected() const { return selected_; }
    void Select(const CalendarDate& date);
    // The box of a date in widget coordinates (empty when not shown).
    QRect CellRect(const CalendarDate& date) const;
    // The solar date shown (0 Tamil, 1 Malayalam, 2 Bengali, -1 none) and the
    // person's birth stars for the tarabalam marks (MonthDocument.h).
    void SetMarks(int solarCalendar, std::optional<int> birthNakshatra, std::optional<int> birthMoonSign);
    // What the view draws beyond the grid: the place line and the marks.
    MonthDrawing Drawing() const;

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

signals:
    // A date was chosen in another month (arrows past the month's edge,
    // PageUp/PageDown and their Ctrl forms): the window moves there.
    void MoveRequested(CalendarDate date);
    // Enter, Space or a double click on a date.
    void Activated(CalendarDate date);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRectF Area() const;
    // The body text's size in pixels: the window's font, at least 8 points.
    double TextPixels() const;
    // The height that shows every box whole at `width`.
    int NeededHeight(int width) const;
    void FollowWidth();
    void Go(const CalendarDate& date);

    MonthGrid grid_;
    std::string place_;
    CalendarDate selected_;
    int solarCalendar_ = -1;
    std::optional<int> birthNakshatra_;
    std::optional<int> birthMoonSign_;
};

// The keys of Go > Previous Year and Next Year. Not Alt+Shift+Left/Right:
// common window managers (openbox, Xfce) take those to send the window to
// another desktop; no common desktop takes Alt+Page Up/Down. In the grid,
// Ctrl+Page Up/Down move by a year as well.
inline const QKeySequence PreviousYearKey{Qt::ALT | Qt::Key_PageUp};
inline const QKeySequence NextYearKey{Qt::ALT | Qt::Key_PageDown};

// "Month Calendar: May 2026 · Pune, Maharashtra, India – Velmora v1.0": the
// window says what it is and what it shows (month 0: no month yet).
std::string CalendarWindowTitle(int year, int month, const std::string& place);

// The month calendar window: the place (chosen as in the input window, with
// the gazetteer's completion), the month and year with buttons and keys, the
// grid, and the month printed or saved as a one-page landscape PDF.
// Activating a date calls `openDay` with the date and the place.
class frmCalendar : public QMainWindow {
    Q_OBJECT
public:
    using OpenDay = std::function<void(const CalendarDate& date, const CalendarPlace& place)>;

    frmCalendar(WindowServices& services, MonthSource source, OpenDay openDay, QWidget* parent = nullptr);

    // Shows the month of `date` at `place`, with `date` selected.
    void ShowMonth(const CalendarDate& date, const CalendarPlace& place);

    const CalendarPlace& CurrentPlace() const { return place_; }
    MonthView* View() const { return view_; }

    // Handlers.
    void cmdPrevMonth_Click();
    void cmdNextMonth_Click();
    void cmdPrevYear_Click();
    void cmdNextYear_Click();
    void mnuPrint_Click();
    void mnuSavePdf_Click();
    // The place typed or chosen in the place box, looked up in the gazetteer.
    void txtCalPlace_Chosen();
    // The solar calendar chosen in cboSolarCalendar (0 none, 1 Tamil, 2
    // Malayalam, 3 Bengali); until one is chosen it follows the place: Tamil
    // in Tamil Nadu, else none.
    void cboSolarCalendar_Changed();
    // The person the calendar is for (their birth nakshatra 1..27 and Moon
    // sign 0..11): each date gets its tarabalam and chandrabalam mark. Nothing
    // clears it.
    void SetPerson(std::optional<int> birthNakshatra, std::optional<int> birthMoonSign);

    // The years the window moves through, as in the input window.
    static constexpr int FirstYear = 1901;
    static constexpr int LastYear = 2050;

private:
    void Refresh();
    // "may-2026-pune.pdf": what Save as PDF and print to file offer.
    std::string SuggestedFileName() const;
    void OfferPlaces(const QString& typed);
    void ShowPlaceText();

    WindowServices& services_;
    MonthSource source_;
    OpenDay openDay_;
    CalendarPlace place_;
    std::vector<Place> offered_;

    QLineEdit* placeBox_ = nullptr;
    QCompleter* completer_ = nullptr;
    QStandardItemModel* offeredModel_ = nullptr;
    QComboBox* month_ = nullptr;
    QSpinBox* year_ = nullptr;
    QLabel* hint_ = nullptr;
    QComboBox* solar_ = nullptr;
    bool solarChosen_ = false;  // the user picked a solar calendar
    std::optional<int> birthNakshatra_;
    std::optional<int> birthMoonSign_;
    MonthView* view_ = nullptr;
    bool refreshing_ = false;
};

}  // namespace velmora
