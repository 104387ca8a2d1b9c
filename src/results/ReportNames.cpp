#include "results/ReportNames.h"

#include "names/NameTables.h"

namespace velmora {

namespace {

void Localize(std::string& text, Language language) { text = LocalizedAny(text, language); }

void Localize(ReportField& field, Language language) {
    Localize(field.caption, language);
    Localize(field.value, language);
}

}  // namespace

Report LocalizedReport(Report report, Language language) {
    if (language == Language::English) return report;
    report.language = language;
    Localize(report.kicker, language);
    Localize(report.detailsTitle, language);
    Localize(report.nameCaption, language);
    report.kickerJoin = " – ";
    for (ReportField& field : report.details) {
        // The name of a place is the user's: only the caption changes.
        Localize(field.caption, language);
        if (field.value.find_first_of("0123456789") != std::string::npos || field.value == "Yes" ||
            field.value == "No") {
            Localize(field.value, language);
        }
    }
    Localize(report.ayanamsa, language);
    for (ReportSection& section : report.elements) {
        Localize(section.title, language);
        for (ReportField& field : section.values) Localize(field, language);
        Localize(section.span, language);
        for (ReportParagraph& paragraph : section.paragraphs) {
            Localize(paragraph.caption, language);
            paragraph.text = LocalizedWhole(paragraph.text, language);
        }
        for (ReportField& field : section.below) Localize(field, language);
    }
    return report;
}

}  // namespace velmora
