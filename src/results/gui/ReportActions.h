#pragma once

#include <QString>

#include <memory>
#include <optional>
#include <string>

#include "calendar/MonthGrid.h"
#include "results/print/MonthDocument.h"
#include "results/Report.h"

class QFileDialog;
class QPrintDialog;
class QPrinter;
class QWidget;

namespace velmora {

class MessageBoxes;
struct WindowServices;

// The dialogs the report's File menu items open: where to save the PDF, and
// the platform's print dialog. The program uses Qt's; tests answer them
// without a person.
class ReportDialogs {
public:
    virtual ~ReportDialogs() = default;
    // The file to save to, starting from `suggested` (a full path); nothing
    // when the person cancels.
    virtual std::optional<QString> SaveFileName(QWidget* parent, const QString& suggested) = 0;
    // Lets the person choose the printer and its settings in `printer`; false
    // when they cancel.
    virtual bool ChoosePrinter(QWidget* parent, QPrinter& printer) = 0;
    // What the next dialogs are for, in their titles: "Report" or "Month".
    virtual void SetDocumentWord(const QString& word) { (void)word; }
};

// Qt's file dialog and print dialog.
class QtReportDialogs : public ReportDialogs {
public:
    std::optional<QString> SaveFileName(QWidget* parent, const QString& suggested) override;
    bool ChoosePrinter(QWidget* parent, QPrinter& printer) override;
    void SetDocumentWord(const QString& word) override { word_ = word; }

private:
    QString word_ = QStringLiteral("Report");
};

// The dialogs the window's services name, or Qt's.
ReportDialogs& ReportDialogsOf(const WindowServices& services);

// Qt's dialogs as the program opens them, kept within the screen's free area
// (FitDialogToScreen).
// `word` names the document in the title: "Save the Month as PDF".
std::unique_ptr<QFileDialog> NewSavePdfDialog(QWidget* parent, const QString& suggested,
                                              const QString& word = QStringLiteral("Report"));
std::unique_ptr<QPrintDialog> NewPrintDialog(QPrinter& printer, QWidget* parent,
                                             const QString& word = QStringLiteral("Report"));

// File > Print…: the print dialog, then the report on one page of the chosen
// printer. Printing to a file offers `suggestedName` (DefaultReportFileName,
// the name Save as PDF offers). A printer or file that cannot be started gets
// a message naming it.
void PrintReport(const Report& report, const std::string& suggestedName, ReportDialogs& dialogs,
                 MessageBoxes& messages, QWidget* parent);

// File > Save as PDF…: the file dialog (offering `suggestedName` in the
// documents folder), then the PDF. Cancel changes nothing; a file that cannot
// be written gets a message naming it, and nothing half-written is left.
void SaveReportAsPdf(const Report& report, const std::string& suggestedName, ReportDialogs& dialogs,
                     MessageBoxes& messages, QWidget* parent);

// The month calendar's Print… and Save as PDF…: the same dialogs and
// messages as the report's, the month on one landscape page.
// `drawing` holds the place line, the solar calendar shown and the person's
// birth stars (results/print/MonthDocument.h).
void PrintMonth(const MonthGrid& grid, const MonthDrawing& drawing, const std::string& suggestedName,
                ReportDialogs& dialogs, MessageBoxes& messages, QWidget* parent);
void SaveMonthAsPdf(const MonthGrid& grid, const MonthDrawing& drawing, const std::string& suggestedName,
                    ReportDialogs& dialogs, MessageBoxes& messages, QWidget* parent);

// Copy: the text selected in the window's focused label or text box when
// there is one, else the whole report as plain text, onto the clipboard.
void CopyReport(const Report& report, QWidget* window);

}  // namespace velmora
