#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "shared/Version.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "GuiTestSupport.h"
#include "PdfText.h"
#include "WorkedExamples.h"
#include "input/CalculationDriver.h"
#include "results/Report.h"
#include "results/gui/ReportActions.h"

using namespace velmora;
using namespace velmora::test;

namespace {

// Answers the dialogs as a person would, and notes what they were offered.
class AnsweringDialogs : public ReportDialogs {
public:
    std::optional<QString> SaveFileName(QWidget*, const QString& suggested) override {
        offered.push_back(suggested);
        return saveAs;
    }
    bool ChoosePrinter(QWidget*, QPrinter& printer) override {
        ++printDialogs;
        docNames.push_back(printer.docName());
        if (!printTo) return false;
        // "Print to file" in the dialog: the same drawing on a PDF printer.
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(*printTo);
        return true;
    }
    std::optional<QString> saveAs;
    std::optional<QString> printTo;
    std::vector<QString> offered;
    std::vector<QString> docNames;  // what "print to file" makes its file name from
    int printDialogs = 0;
};

// The worked example through the input window, then the results window.
class ReportFromTheWindow : public ::testing::Test {
protected:
    void SetUp() override {
        const InputForm f = Delhi1987();
        for (const auto& [name, text] : {std::pair{"txtName", f.txtName}, {"txtMCity", f.txtMCity},
                                         {"txtMState", f.txtMState}, {"txtMCountry", f.txtMCountry},
                                         {"txtLatD", f.txtLatD}, {"txtLatM", f.txtLatM}, {"txtLonD", f.txtLonD},
                                         {"txtLonM", f.txtLonM}, {"txtZoneHour", f.txtZoneHour},
                                         {"txtZoneMinute", f.txtZoneMinute}}) {
            p.Child<QLineEdit>(name)->setText(QString::fromStdString(text));
        }
        for (const auto& [name, index] : {std::pair{"cboMonth", f.cboMonth}, {"cboDate", f.cboDate},
                                          {"cboYear", f.cboYear}, {"cboHH", f.cboHH}, {"cboMM", f.cboMM}}) {
            p.Child<QComboBox>(name)->setCurrentIndex(index);
        }
        ASSERT_FALSE(RunCalculation(p.window->ReadForm(), expectedState, expectedPage).has_value());
        QTest::mouseClick(p.Child<QPushButton>("cmdRashi"), Qt::LeftButton);
        results = p.window->ResultsWindow();
        ASSERT_NE(results, nullptr);
        p.services.reportDialogs = &dialogs;
    }

    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    void Trigger(const char* action) const { results->findChild<QAction*>(QString::fromLatin1(action))->trigger(); }

    // The worked example's values, as the window shows them, in a PDF.
    void ExpectTheWorkedExample(const QString& path) const {
        ASSERT_TRUE(QFile::exists(path));
        EXPECT_EQ(PdfPages(path.toStdString()), 2);  // the report, then the Chart page
        const std::string text = Squeezed(PdfText(path.toStdString()));
        for (const std::string& shown :
             {std::string("ASHA"), std::string("Shani Vara"), std::string("Bharani"), std::string("Saptami"),
              expectedPage.lblAyanamsa, expectedPage.lblTithiTime, expectedPage.lblYogaTime,
              expectedPage.lblKarnaTime, std::string("5:30 ahead of GMT"), std::string("Velmora v" VELMORA_VERSION)}) {
            EXPECT_NE(text.find(Squeezed(shown)), std::string::npos) << shown;
        }
    }

    ProgramFixture p;
    AnsweringDialogs dialogs;
    QTemporaryDir dir;
    CalculationState expectedState;
    ResultsPage expectedPage;
    frmDisplay* results = nullptr;
};

}  // namespace

TEST_F(ReportFromTheWindow, SaveAsPdfOffersANameAndWritesTheShownValues) {
    dialogs.saveAs = Path("asha.pdf");
    Trigger("mnuSavePdf");
    ASSERT_EQ(dialogs.offered.size(), 1u);
    EXPECT_TRUE(dialogs.offered[0].endsWith(QStringLiteral("/Panchang-ASHA-1987-08-15.pdf")))
        << dialogs.offered[0].toStdString();
    EXPECT_TRUE(p.messages.shown.empty());
    ExpectTheWorkedExample(Path("asha.pdf"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({QStringLiteral("asha.pdf")}));
    EXPECT_TRUE(results->isVisible());
}

TEST_F(ReportFromTheWindow, CancelLeavesEverythingAsItWas) {
    QFile earlier(Path("asha.pdf"));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("kept");
    earlier.close();

    dialogs.saveAs = std::nullopt;
    Trigger("mnuSavePdf");
    Trigger("mnuPrint");
    EXPECT_EQ(dialogs.printDialogs, 1);
    EXPECT_TRUE(p.messages.shown.empty());
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), QByteArray("kept"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({QStringLiteral("asha.pdf")}));
}

TEST_F(ReportFromTheWindow, AFileThatCannotBeWrittenGetsAMessageNamingIt) {
    const QString path = Path("no-such-folder/asha.pdf");
    dialogs.saveAs = path;
    Trigger("mnuSavePdf");
    ASSERT_EQ(p.messages.shown.size(), 1u);
    EXPECT_EQ(p.messages.shown[0].icon, MessageIcon::Critical);
    EXPECT_THAT(p.messages.shown[0].text, ::testing::HasSubstr(path.toStdString()));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
    EXPECT_TRUE(results->isVisible());
}

TEST_F(ReportFromTheWindow, APipeIsWrittenIntoNeverReplacedAndNeverWaitedForWithoutAReader) {
    const QString pipe = Path("pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    // Nobody reads: said at once, the window does not hang.
    dialogs.saveAs = pipe;
    Trigger("mnuSavePdf");
    ASSERT_EQ(p.messages.shown.size(), 1u);
    EXPECT_THAT(p.messages.shown[0].text, ::testing::HasSubstr("no program is reading from the pipe"));
    // A reader: it gets the PDF, and the pipe stays a pipe.
    std::string received;
    std::thread reader([&] {
        std::ifstream in(QFile::encodeName(pipe).toStdString(), std::ios::binary);
        received.assign(std::istreambuf_iterator<char>(in), {});
    });
    QTest::qWait(200);  // the reader waiting in its open, as a reader waits for the writer
    Trigger("mnuSavePdf");
    reader.join();
    EXPECT_EQ(p.messages.shown.size(), 1u) << p.messages.shown.back().text;
    EXPECT_EQ(received.rfind("%PDF-", 0), 0u) << received.size();
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(pipe).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST_F(ReportFromTheWindow, PrintDrawsTheSamePage) {
    dialogs.printTo = Path("printed.pdf");
    Trigger("mnuPrint");
    EXPECT_EQ(dialogs.printDialogs, 1);
    EXPECT_TRUE(p.messages.shown.empty());
    ExpectTheWorkedExample(Path("printed.pdf"));
}

TEST_F(ReportFromTheWindow, PrintToAFileOffersTheSaveAsPdfNameAndSaysAFailureInItsOwnWords) {
    // A name of 300 letters: the print dialog's file name is as short as the
    // one Save as PDF offers.
    ResultsPage page = results->Page();
    page.lblName = std::string(300, 'W');
    results->SetPage(page);
    dialogs.saveAs = std::nullopt;
    Trigger("mnuSavePdf");
    ASSERT_EQ(dialogs.offered.size(), 1u);
    const QString offered = QFileInfo(dialogs.offered[0]).fileName();
    dialogs.printTo = Path("no-such-folder/printed.pdf");
    Trigger("mnuPrint");
    ASSERT_EQ(dialogs.docNames.size(), 1u);
    EXPECT_EQ(dialogs.docNames[0] + QStringLiteral(".pdf"), offered);
    EXPECT_LE(offered.size(), 90) << offered.toStdString();
    ASSERT_EQ(p.messages.shown.size(), 1u);
    EXPECT_EQ(p.messages.shown[0].icon, MessageIcon::Critical);
    EXPECT_THAT(p.messages.shown[0].text, ::testing::HasSubstr("could not be printed to the file"));
    EXPECT_THAT(p.messages.shown[0].text, ::testing::HasSubstr(dialogs.printTo->toStdString()));
}

TEST_F(ReportFromTheWindow, CopyPutsTheReportOnTheClipboardUnlessTextIsSelected) {
    // The report as the window shows it, the chart after the day.
    Report shown = BuildReport(expectedPage, expectedState.birth);
    shown.chart = ChartOf(expectedState.birth, NodeKind::Mean);
    const std::string expected = ReportPlainText(shown);
    QApplication::clipboard()->clear();
    Trigger("mnuCopy");
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), expected);
    EXPECT_THAT(expected, ::testing::HasSubstr("  Alternate Name            Shani Vara\n"));

    // Ctrl+C with nothing selected does the same.
    results->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(results));
    auto* back = results->findChild<QPushButton*>(QStringLiteral("cmdBack"));
    back->setFocus();
    QApplication::clipboard()->clear();
    QTest::keyClick(back, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), expected);

    // With text selected in a text box, Ctrl+C copies just that.
    auto* yoga = results->findChild<QPlainTextEdit*>(QStringLiteral("txtYogaDesc"));
    results->Tabs()->setCurrentIndex(3);
    yoga->setFocus();
    QTextCursor cursor = yoga->textCursor();
    cursor.setPosition(0);
    cursor.movePosition(QTextCursor::NextWord, QTextCursor::KeepAnchor, 2);
    yoga->setTextCursor(cursor);
    QTest::keyClick(yoga, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("The yoga "));

    // In the same box with the selection gone, the report again.
    cursor.clearSelection();
    yoga->setTextCursor(cursor);
    QTest::keyClick(yoga, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), expected);
}
