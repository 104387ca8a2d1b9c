#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QRect>

#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "calendar/MonthGrid.h"
#include "day/DayZone.h"
#include "results/ResultsPage.h"
#include "input/InputForm.h"
#include "gui/WindowServices.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QCloseEvent;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora {

class ClickLabel;
class OfferBanners;
class frmCalendar;
class frmDisplay;
class PlaceCompleter;

// The input window: the data of one moment and place, the button that runs
// the calculation, the menus and the banners. Every control carries its
// control name as objectName.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(WindowServices& services, QWidget* parent = nullptr);
    ~frmMain() override;

    // What the controls hold, as the core reads it.
    InputForm ReadForm() const;
    // Puts a form's values into the controls, as typing and choosing them would.
    void WriteForm(const InputForm& form);

    // The results window of the last run, while it is open; null otherwise.
    frmDisplay* ResultsWindow() const;

    // The banner in front in the bottom frame (lblFullBrand at start).
    QWidget* FrontBanner() const;
    void BringBannerToFront(QWidget* banner);

    // Handlers. The button and File > "Get My Panchang Results" run the same one.
    // The web links of the menus and banners are wired where they are built
    // (gui/MenuActions.h, gui/Banners.h), the same for both windows.
    void cmdRashi_Click();
    void mnuExit_Click();

    // "TZ Help" opens the zone picker; the button hands the place names to the
    // place-search component; the about box; the offer banner drawn at start
    // from the services' uniform source (none: the design's banner stays).
    void lblTZHelp_Click();
    void cmdBrowser_Click();
    void mnuAbout_Click();
    void DrawOfferBanner();
    // File > Month Calendar… (also in the results window): the month of the
    // entered date at the entered place. A date activated there opens its day:
    // the results for the minute after that date's sunrise.
    void mnuCalendar_Click();
    void MarkCalendarPerson();
    void OpenCalendarDay(const CalendarDate& date, const CalendarPlace& place);
    frmCalendar* CalendarWindow() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    QWidget* BuildForm();
    void Form_Load();
    void InstallKeyFilter(QLineEdit* box);
    void ShowRefusal(const Refusal& refusal);
    void ReturnFromResults();
    // Shows a run's page in the results window and hides this one.
    void ShowResults(const ResultsPage& page, const std::shared_ptr<const DayZone>& dayClock = nullptr,
                     const std::string& dayNote = {});

    WindowServices& services_;
    QPointer<frmDisplay> display_;
    QPointer<frmCalendar> calendar_;
    // The place the calendar last showed: where it opens for a form that
    // holds no place.
    std::optional<CalendarPlace> lastCalendarPlace_;
    std::string lastCalendarNote_;
    // The calendar's day the results window shows, if it shows one: where
    // its Month Calendar item opens.
    std::optional<std::pair<CalendarDate, CalendarPlace>> shownDay_;  // said once in a box, as the City look-up does
    PlaceCompleter* placeCompleter_ = nullptr;
    QRect shownAt_;  // where the window was, and its size, when a run hid it
    // The control that had the keyboard focus in the form (never the menu
    // bar), kept as it changes; the one a run started from gets it back on Back.
    QPointer<QWidget> formFocus_;
    QPointer<QWidget> focusBeforeRun_;

    QLineEdit* txtName_ = nullptr;
    QComboBox* cboMonth_ = nullptr;
    QComboBox* cboDate_ = nullptr;
    QComboBox* cboYear_ = nullptr;
    QComboBox* cboHH_ = nullptr;
    QComboBox* cboMM_ = nullptr;
    QComboBox* cboSS_ = nullptr;
    QLineEdit* txtMCity_ = nullptr;
    QLineEdit* txtMState_ = nullptr;
    QLineEdit* txtMCountry_ = nullptr;
    QPushButton* cmdBrowser_ = nullptr;
    QLineEdit* txtLatD_ = nullptr;
    QLineEdit* txtLatM_ = nullptr;
    QButtonGroup* optLat_ = nullptr;
    QLineEdit* txtLonD_ = nullptr;
    QLineEdit* txtLonM_ = nullptr;
    QButtonGroup* optLong_ = nullptr;
    QWidget* fraZone_ = nullptr;
    QLineEdit* txtZoneHour_ = nullptr;
    QLineEdit* txtZoneMinute_ = nullptr;
    QCheckBox* chkDST_ = nullptr;
    ClickLabel* lblTZHelp_ = nullptr;
    QPushButton* cmdRashi_ = nullptr;
    ClickLabel* Label61_ = nullptr;
    OfferBanners* banners_ = nullptr;
};

}  // namespace velmora
