#pragma once

#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "gui/WindowServices.h"
#include "results/DayTab.h"
#include "results/Report.h"
#include "results/ResultsPage.h"
#include "shared/CalculationState.h"

class QCloseEvent;
class QShowEvent;
class QTabWidget;

namespace velmora {
class ChartTab;
}

namespace velmora {

// The results window: seven tabs (Vaar, Nakshatra, Tithi, Yoga, Karna, Day,
// the Hindu day of the moment, and Chart, the birth chart, both from the
// run's birth record), the
// echo of the input, the ayanamsa, navigation back to the input window or out
// of the program. It has no logic beyond that; the run fills it from a
// ResultsPage. Every value control carries its control name as objectName.
// It deletes itself when closed.
class frmDisplay : public QMainWindow {
    Q_OBJECT
public:
    // `showInputWindow` brings the input window back (Back).
    frmDisplay(WindowServices& services, std::function<void()> showInputWindow, QWidget* parent = nullptr);

    // Copies every value control's text from the page; a fresh page holds the
    // design texts, which the window shows from its creation on.
    void SetPage(const ResultsPage& page);
    // The same for a day opened from the month calendar: the Day tab (and
    // its section of the report) read on the place's own clock, with `note`
    // first in its Note row.
    void SetPage(const ResultsPage& page, const std::shared_ptr<const DayZone>& dayClock, const std::string& note);
    // What the value controls show, read back.
    ResultsPage Page() const;

    // The design texts with, in each value that shows a table's text, the
    // widest text of that table: what the window is sized for.
    ResultsPage SizingPage() const;

    QTabWidget* Tabs() const { return tabs_; }

    // Adds File > Month Calendar… (above Back), which runs `open`.
    void SetCalendarOpener(std::function<void()> open);

    // Handlers.
    void cmdBack_Click();
    void cmdExit_Click();
    // Shows the about box modally. The web links of the menus and banners are
    // wired where they are built (gui/MenuActions.h, gui/Banners.h).
    void mnuAbout_Click();
    // The report: File > Print…, File > Save as PDF…, and Copy (File > Copy
    // Report, or Ctrl+C with nothing selected) as plain text.
    void mnuPrint_Click();
    void mnuSavePdf_Click();
    void mnuCopy_Click();
    // The report of what the window shows, with the zone of the run that
    // filled it.
    Report CurrentReport() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

    // Shows the Day tab's values (results/DayTab.h).
    void ShowDay(const DayTabValues& values);

private:
    void BuildMenus();
    QWidget* BuildWindow();

    WindowServices& services_;
    std::function<void()> showInputWindow_;
    QTabWidget* tabs_ = nullptr;
    ChartTab* chartTab_ = nullptr;
    bool goingBack_ = false;
    BirthRecord birth_;  // the birth record of the run that filled the window
    std::optional<DayTabValues> day_;  // the Day tab as shown
};

}  // namespace velmora
