#pragma once

#include <QByteArray>
#include <QMarginsF>
#include <QPageSize>
#include <QString>

#include "results/Report.h"

class QPainter;
class QPagedPaintDevice;

// The printed report: one page, drawn the same way on a PDF writer and on a
// printer. Needs a QGuiApplication (fonts), no widgets.
namespace velmora {

// Draws the report on the current page of `device`, inside its paint
// rectangle (the page less its margins). The type shrinks as far as needed for
// long texts, and for extreme ones the whole page is scaled down, so the
// report always fits one page and nothing is cut.
void PaintReport(const Report& report, QPagedPaintDevice& device, QPainter& painter);

// The report as a one-page PDF of `pageSize`; empty if the PDF could not be
// started.
QByteArray ReportPdf(const Report& report, const QPageSize& pageSize);

// Writes the report as a one-page PDF of `pageSize` at `path`, put in place
// by ReplaceFileContent (SafeReplace.h): an ordinary file is replaced only
// once the new one is complete, so a failure leaves no half-written file and
// any earlier file untouched; a pipe or a device is written in place, never
// replaced. Returns an empty text, or a message in the program's words that
// names the file and the reason.
// `fromWindow`: a pipe that nobody reads is refused rather than waited for.
QString SaveReportPdf(const Report& report, const QString& path, const QPageSize& pageSize, bool fromWindow = false);

// The margins of the page, in millimetres: room for a printer's unprintable
// edge and for a hole punch on the left.
QMarginsF ReportPageMargins();

// The paper a reader here expects: Letter where the locale measures in inches,
// A4 elsewhere.
QPageSize DefaultReportPageSize();

// The report as the rich text the page is drawn from, with every font size
// multiplied by `scale`. User texts are escaped, never read as markup.
QString ReportHtml(const Report& report, double scale);

}  // namespace velmora
