#include "results/gui/ReportActions.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

#include <memory>

#include "gui/MessageBoxes.h"
#include "gui/ScreenFit.h"
#include "gui/Translation.h"
#include "gui/WindowServices.h"
#include "results/ReportNames.h"
#include "results/print/MonthDocument.h"
#include "results/print/ReportDocument.h"

namespace velmora {

namespace {

QString FromUtf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// What the person has selected in the focused widget of `window`, if anything.
QString SelectedText(QWidget* window) {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || focus->window() != window) return {};
    if (const auto* label = qobject_cast<QLabel*>(focus)) return label->selectedText();
    if (const auto* box = qobject_cast<QPlainTextEdit*>(focus)) {
        // The text box separates paragraphs with U+2029 in its selection.
        return box->textCursor().selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    }
    return {};
}

}  // namespace

std::unique_ptr<QFileDialog> NewSavePdfDialog(QWidget* parent, const QString& suggested, const QString& word) {
    // Whole titles, so that each language words them its own way.
    const QString title = word == QLatin1String("Month") ? UiText(QT_TRANSLATE_NOOP("Velmora", "Save the Month as PDF"))
                                                          : UiText(QT_TRANSLATE_NOOP("Velmora", "Save the Report as PDF"));
    auto dialog = std::make_unique<QFileDialog>(parent, title, suggested,
                                                UiText(QT_TRANSLATE_NOOP("Velmora", "PDF files (*.pdf)")));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setDefaultSuffix(QStringLiteral("pdf"));
    dialog->selectFile(suggested);
    FitDialogToScreen(dialog.get());
    return dialog;
}

std::unique_ptr<QPrintDialog> NewPrintDialog(QPrinter& printer, QWidget* parent, const QString& word) {
    auto dialog = std::make_unique<QPrintDialog>(&printer, parent);
    dialog->setWindowTitle(word == QLatin1String("Month") ? UiText(QT_TRANSLATE_NOOP("Velmora", "Print the Month"))
                                                          : UiText(QT_TRANSLATE_NOOP("Velmora", "Print the Report")));
    // One page, no ranges to choose.
    dialog->setOption(QAbstractPrintDialog::PrintPageRange, false);
    FitDialogToScreen(dialog.get());
    return dialog;
}

std::optional<QString> QtReportDialogs::SaveFileName(QWidget* parent, const QString& suggested) {
    const auto dialog = NewSavePdfDialog(parent, suggested, word_);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return std::nullopt;
    return dialog->selectedFiles().front();
}

bool QtReportDialogs::ChoosePrinter(QWidget* parent, QPrinter& printer) {
    return NewPrintDialog(printer, parent, word_)->exec() == QDialog::Accepted;
}

ReportDialogs& ReportDialogsOf(const WindowServices& services) {
    static QtReportDialogs qtDialogs;
    if (services.reportDialogs != nullptr) return *services.reportDialogs;
    return qtDialogs;
}

namespace {

// The steps printing and saving share, for the report and the month alike.
// `what` names the document in a failure ("report", "month").

// The month's dialogs say "Month" in their titles while they are open.
class MonthWording {
public:
    explicit MonthWording(ReportDialogs& dialogs) : dialogs_(dialogs) {
        dialogs_.SetDocumentWord(QStringLiteral("Month"));
    }
    ~MonthWording() { dialogs_.SetDocumentWord(QStringLiteral("Report")); }
    MonthWording(const MonthWording&) = delete;
    MonthWording& operator=(const MonthWording&) = delete;

private:
    ReportDialogs& dialogs_;
};

// Asks for a printer (the "print to file" name is the one Save as PDF offers,
// without its ".pdf") and begins painting on it. False when the user cancelled
// or the printer could not be opened; that failure is said in the program's words.
bool BeginPrinting(QPrinter& printer, QPainter& painter, const std::string& suggestedName, const char* what,
                   ReportDialogs& dialogs, MessageBoxes& messages, QWidget* parent) {
    QString docName = QString::fromStdString(suggestedName);
    if (docName.endsWith(QStringLiteral(".pdf"))) docName.chop(4);
    printer.setDocName(docName);
    printer.setCreator(FromUtf8(ProgramNameAndVersion));
    if (!dialogs.ChoosePrinter(parent, printer)) return false;
    if (painter.begin(&printer)) return true;
    const QString file = printer.outputFileName();
    const QString said =
        file.isEmpty()
            ? QStringLiteral("The %1 could not be printed on \u201C%2\u201D.")
                  .arg(QLatin1String(what), printer.printerName())
            : QStringLiteral("The %1 could not be printed to the file \u201C%2\u201D: it cannot be written "
                             "there. Choose another folder or name.")
                  .arg(QLatin1String(what), file);
    messages.Show(said.toStdString(), MessageIcon::Critical);
    return false;
}

// The file Save as PDF writes to, offered in the documents folder (else the
// home folder); nothing when the user cancelled.
std::optional<QString> ChoosePdfPath(const std::string& suggestedName, ReportDialogs& dialogs, QWidget* parent) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    std::optional<QString> path =
        dialogs.SaveFileName(parent, QDir(folder).filePath(QString::fromStdString(suggestedName)));
    if (!path || path->isEmpty()) return std::nullopt;
    return path;
}

}  // namespace

void PrintReport(const Report& report, const std::string& suggestedName, ReportDialogs& dialogs,
                 MessageBoxes& messages, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(DefaultReportPageSize());
    printer.setPageMargins(ReportPageMargins(), QPageLayout::Millimeter);
    QPainter painter;
    if (!BeginPrinting(printer, painter, suggestedName, "report", dialogs, messages, parent)) return;
    PaintReport(LocalizedReport(report, CurrentLanguage()), printer, painter);
    painter.end();
}

void SaveReportAsPdf(const Report& report, const std::string& suggestedName, ReportDialogs& dialogs,
                     MessageBoxes& messages, QWidget* parent) {
    const std::optional<QString> path = ChoosePdfPath(suggestedName, dialogs, parent);
    if (!path) return;
    const QString failure =
        SaveReportPdf(LocalizedReport(report, CurrentLanguage()), *path, DefaultReportPageSize(), /*fromWindow=*/true);
    if (!failure.isEmpty()) messages.Show(failure.toStdString(), MessageIcon::Critical);
}

void PrintMonth(const MonthGrid& grid, const MonthDrawing& drawing, const std::string& suggestedName,
                ReportDialogs& dialogs, MessageBoxes& messages, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(DefaultReportPageSize());
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    QPainter painter;
    const MonthWording wording(dialogs);
    if (!BeginPrinting(printer, painter, suggestedName, "month", dialogs, messages, parent)) return;
    MonthDrawing shown = drawing;
    shown.language = CurrentLanguage();
    PaintMonthPage(grid, shown, printer, painter);
    painter.end();
}

void SaveMonthAsPdf(const MonthGrid& grid, const MonthDrawing& drawing, const std::string& suggestedName,
                    ReportDialogs& dialogs, MessageBoxes& messages, QWidget* parent) {
    const MonthWording wording(dialogs);
    const std::optional<QString> path = ChoosePdfPath(suggestedName, dialogs, parent);
    if (!path) return;
    MonthDrawing shown = drawing;
    shown.language = CurrentLanguage();
    const QString failure = SaveMonthPdf(grid, shown, *path, DefaultReportPageSize());
    if (!failure.isEmpty()) messages.Show(failure.toStdString(), MessageIcon::Critical);
}

void CopyReport(const Report& report, QWidget* window) {
    const QString selected = SelectedText(window);
    QApplication::clipboard()->setText(
        selected.isEmpty() ? QString::fromStdString(ReportPlainText(LocalizedReport(report, CurrentLanguage())))
                           : selected);
}

}  // namespace velmora
