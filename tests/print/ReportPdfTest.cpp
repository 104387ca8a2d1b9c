#include <gtest/gtest.h>

#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QTemporaryDir>

#include <csignal>
#include <string>
#include <utility>
#include <vector>

#include "PdfText.h"
#include "WorkedExamples.h"
#include "input/CalculationDriver.h"
#include "results/Report.h"
#include "results/print/ReportDocument.h"

using namespace velmora;
using namespace velmora::test;

namespace {

Report DelhiReport() {
    CalculationState state;
    ResultsPage page;
    EXPECT_FALSE(RunCalculation(Delhi1987(), state, page).has_value());
    return BuildReport(page, state.birth);
}

// Every value and text of the report, as the PDF's text must hold it.
void ExpectHoldsEveryValue(const std::string& pdfText, const Report& r) {
    const std::string text = Squeezed(pdfText);
    auto expect = [&text](const std::string& value) {
        if (value.empty()) return;
        EXPECT_NE(text.find(Squeezed(value)), std::string::npos) << value;
    };
    expect(r.name);
    for (const ReportField& f : r.details) expect(f.value);
    expect(r.ayanamsa.value);
    for (const ReportSection& s : r.elements) {
        expect(s.title);
        for (const ReportField& f : s.values) expect(f.value);
        expect(s.span.value);
        for (const ReportParagraph& p : s.paragraphs) expect(p.text);
        for (const ReportField& f : s.below) {
            expect(f.caption);
            expect(f.value);
        }
    }
    expect(r.footer);
}

class ReportPdf : public ::testing::Test {
protected:
    std::string Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)).toStdString(); }
    QStringList Files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }
    QTemporaryDir dir;
};

}  // namespace

TEST_F(ReportPdf, EveryValueOnOnePageOfEachPaperHoweverLongTheTexts) {
    Report r = DelhiReport();
    // Each paper with the worked example as it is, with a name as long as a
    // window box takes, and far beyond what the report tool might be given.
    for (const std::size_t length : {std::size_t{0}, std::size_t{40}, std::size_t{400}}) {
        if (length > 0) {
            r.name.clear();
            for (std::size_t i = 0; r.name.size() < length; ++i) r.name += "NAME" + std::to_string(i) + " ";
            r.details[2].value = "A city with a long name " + std::string(length / 4, 'x');
            // The nakshatra's line under its span, at its longest.
            std::vector<ReportField>& below = r.elements[1].below;
            if (below.size() < 8) {
                below.insert(below.begin() + 1,
                             {"Note", "Times for Poorva Bhadrapada: the short lunar series already gives Uttara "
                                      "Bhadrapada, which the full lunar theory reaches at 28.12.2050 23:59."});
            }
            for (ReportSection& s : r.elements) {
                for (ReportParagraph& p : s.paragraphs) {
                    if (!p.text.empty()) p.text += " " + p.text + " " + p.text;
                }
            }
        }
        for (const auto& [id, paper] : {std::pair{QPageSize::A4, "(A4)"}, std::pair{QPageSize::Letter, "(letter)"}}) {
            const std::string path = Path("long.pdf");
            ASSERT_EQ(SaveReportPdf(r, QString::fromStdString(path), QPageSize(id)), QString());
            EXPECT_EQ(PdfPages(path), 1) << length;
            EXPECT_NE(PdfPageSize(path).find(paper), std::string::npos) << PdfPageSize(path);
            ExpectHoldsEveryValue(PdfText(path), r);
        }
    }
}

TEST_F(ReportPdf, UserTextsAreNeverMarkup) {
    Report r = DelhiReport();
    r.name = "<b>A & B</b> %1";
    r.details[2].value = "<img src=\"x\">";
    const std::string path = Path("markup.pdf");
    ASSERT_EQ(SaveReportPdf(r, QString::fromStdString(path), QPageSize(QPageSize::A4)), QString());
    const std::string text = PdfText(path);
    EXPECT_NE(text.find("<b>A & B</b> %1"), std::string::npos) << text;
    EXPECT_NE(text.find("<img src=\"x\">"), std::string::npos) << text;
}

TEST_F(ReportPdf, AFailedSaveNamesTheFileAndLeavesNothingBehind) {
    const Report r = DelhiReport();
    // No such folder.
    const std::string missing = Path("no-such-folder/r.pdf");
    const QString message = SaveReportPdf(r, QString::fromStdString(missing), QPageSize(QPageSize::A4));
    EXPECT_TRUE(message.contains(QString::fromStdString(missing))) << message.toStdString();
    EXPECT_TRUE(message.startsWith(QStringLiteral("The report could not be saved"))) << message.toStdString();
    EXPECT_TRUE(Files().isEmpty());

    // The name of a folder.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken")));
    EXPECT_FALSE(SaveReportPdf(r, QString::fromStdString(Path("taken")), QPageSize(QPageSize::A4)).isEmpty());
    EXPECT_TRUE(Files().isEmpty()) << Files().join(' ').toStdString();
    EXPECT_TRUE(QFileInfo(QString::fromStdString(Path("taken"))).isDir());
}

TEST_F(ReportPdf, AFullDiskKeepsTheEarlierFile) {
    const Report r = DelhiReport();
    const std::string path = Path("kept.pdf");
    {
        QFile earlier(QString::fromStdString(path));
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("the earlier report");
    }
    // A file size limit fails the writes the way a full disk does.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 2000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const QString message = SaveReportPdf(r, QString::fromStdString(path), QPageSize(QPageSize::A4));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_TRUE(message.contains(QString::fromStdString(path))) << message.toStdString();
    QFile kept(QString::fromStdString(path));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("the earlier report"));
    EXPECT_EQ(Files(), QStringList({QStringLiteral("kept.pdf")}));
}
