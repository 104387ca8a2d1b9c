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
#include "gui/WindowServices.h"
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

std::unique_ptr<QFileDialog> NewSavePdfDialog(QWidget* parent, const QString& suggested) {
    auto dialog = std::make_unique<QFileDialog>(parent, QStringLiteral("Save the Report as PDF"), suggested,
                                                QStringLiteral("PDF files (*.pdf)"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setDefaultSuffix(QStringLiteral("pdf"));
    dialog->selectFile(suggested);
    FitDialogToScreen(dialog.get());
    return dialog;
}

std::unique_ptr<QPrintDialog> NewPrintDialog(QPrinter& printer, QWidget* parent) {
    auto dialog = std::make_unique<QPrintDialog>(&printer, parent);
    dialog->setWindowTitle(QStringLiteral("Print the Report"));
    // One page, no ranges to choose.
    dialog->setOption(QAbstractPrintDialog::PrintPageRange, false);
    FitDialogToScreen(dialog.get());
    return dialog;
}

std::optional<QString> QtReportDialogs::SaveFileName(QWidget* parent, const QString& suggested) {
    const auto dialog = NewSavePdfDialog(parent, suggested);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return std::nullopt;
    return dialog->selectedFiles().front();
}

bool QtReportDialogs::ChoosePrinter(QWidget* parent, QPrinter& printer) {
    return NewPrintDialog(printer, parent)->exec() == QDialog::Accepted;
}

ReportDialogs& ReportDialogsOf(const WindowServices& services) {
    static QtReportDialogs qtDialogs;
    if (services.reportDialogs != nullptr) return *services.reportDialogs;
    return qtDialogs;
}

void PrintReport(const Report& report, const std::string& suggestedName, ReportDialogs& dialogs,
                 MessageBoxes& messages, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(DefaultReportPageSize());
    printer.setPageMargins(ReportPageMargins(), QPageLayout::Millimeter);
    // The print dialog makes its "print to file" name from the document's
    // name: the same short name Save as PDF offers, without its ".pdf".
    QString docName = QString::fromStdString(suggestedName);
    if (docName.endsWith(QStringLiteral(".pdf"))) docName.chop(4);
    printer.setDocName(docName);
    printer.setCreator(FromUtf8(ProgramNameAndVersion));
    if (!dialogs.ChoosePrinter(parent, printer)) return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        const QString file = printer.outputFileName();
        const QString said =
            file.isEmpty()
                ? QStringLiteral("The report could not be printed on \u201C%1\u201D.").arg(printer.printerName())
                : QStringLiteral("The report could not be printed to the file \u201C%1\u201D: it cannot be written "
                                 "there. Choose another folder or name.")
                      .arg(file);
        messages.Show(said.toStdString(), MessageIcon::Critical);
        return;
    }
    PaintReport(report, printer, painter);
    painter.end();
}

void SaveReportAsPdf(const Report& report, const std::string& suggestedName, ReportDialogs& dialogs,
                     MessageBoxes& messages, QWidget* parent) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    const std::optional<QString> path =
        dialogs.SaveFileName(parent, QDir(folder).filePath(QString::fromStdString(suggestedName)));
    if (!path || path->isEmpty()) return;
    const QString failure = SaveReportPdf(report, *path, DefaultReportPageSize(), /*fromWindow=*/true);
    if (!failure.isEmpty()) messages.Show(failure.toStdString(), MessageIcon::Critical);
}

void PrintMonth(const MonthGrid& grid, const std::string& place, const std::string& suggestedName,
                ReportDialogs& dialogs, MessageBoxes& messages, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(DefaultReportPageSize());
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    // As for the report: "print to file" offers the name Save as PDF offers.
    QString docName = QString::fromStdString(suggestedName);
    if (docName.endsWith(QStringLiteral(".pdf"))) docName.chop(4);
    printer.setDocName(docName);
    printer.setCreator(FromUtf8(ProgramNameAndVersion));
    if (!dialogs.ChoosePrinter(parent, printer)) return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        const QString file = printer.outputFileName();
        const QString said =
            file.isEmpty()
                ? QStringLiteral("The calendar could not be printed on \u201C%1\u201D.").arg(printer.printerName())
                : QStringLiteral("The calendar could not be printed to the file \u201C%1\u201D: it cannot be "
                                 "written there. Choose another folder or name.")
                      .arg(file);
        messages.Show(said.toStdString(), MessageIcon::Critical);
        return;
    }
    PaintMonthPage(grid, place, printer, painter);
    painter.end();
}

void SaveMonthAsPdf(const MonthGrid& grid, const std::string& place, const std::string& suggestedName,
                    ReportDialogs& dialogs, MessageBoxes& messages, QWidget* parent) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    const std::optional<QString> path =
        dialogs.SaveFileName(parent, QDir(folder).filePath(QString::fromStdString(suggestedName)));
    if (!path || path->isEmpty()) return;
    const QString failure = SaveMonthPdf(grid, place, *path, DefaultReportPageSize());
    if (!failure.isEmpty()) messages.Show(failure.toStdString(), MessageIcon::Critical);
}

void CopyReport(const Report& report, QWidget* window) {
    const QString selected = SelectedText(window);
    QApplication::clipboard()->setText(selected.isEmpty() ? QString::fromStdString(ReportPlainText(report))
                                                          : selected);
}

}  // namespace velmora
