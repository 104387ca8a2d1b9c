// Every dialog the program opens stays inside the screen's free area (also
// run at twice the scale on a laptop's screen, see CMakeLists.txt), and a web
// page that cannot be opened is said, with its address to copy.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <QScreen>
#include <QTest>
#include <QUrl>

#include <string>

#include "GuiTestSupport.h"
#include "links/gui/DesktopUrlOpener.h"
#include "links/gui/frmAbout.h"
#include "links/modHelp.h"
#include "gui/ScreenFit.h"
#include "results/gui/ReportActions.h"
#include "timezone/gui/frmTimeZone.h"

using namespace velmora;
using namespace velmora::test;

namespace {

void Settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// Shows the dialog as the program would (without waiting on it), and checks
// that its frame lies inside the free area.
void ExpectFits(QWidget* dialog, const char* what) {
    dialog->show();
    Settle();
    const QRect available = dialog->screen()->availableGeometry();
    const QRect frame = dialog->frameGeometry();
    EXPECT_TRUE(available.contains(frame)) << what << " " << frame.x() << "," << frame.y() << " " << frame.width()
                                           << "x" << frame.height() << " on " << available.width() << "x"
                                           << available.height();
    dialog->hide();
}

}  // namespace

TEST(ScreenFit, EveryDialogFitsTheFreeArea) {
    ProgramFixture p;
    const QString longName = QString(250, QLatin1Char('W'));
    ExpectFits(NewSavePdfDialog(p.window.get(), QStringLiteral("/tmp/Panchang-ASHA-1987-08-15.pdf")).get(),
               "Save as PDF");
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Panchang-ASHA-1987-08-15"));
    ExpectFits(NewPrintDialog(printer, p.window.get()).get(), "Print");
    const std::string address = "https://www.velmora.example/" + std::string(300, 'x') + ".html";
    ExpectFits(NewMessageBox(UnopenedPageMessage(address), MessageIcon::Information, p.window.get()).get(),
               "a message with a long address");
    ExpectFits(NewMessageBox("Please Enter Name", MessageIcon::Critical, p.window.get()).get(), "a refusal");
    RecordingUrlOpener urls;
    frmAbout about(urls, p.window.get());
    ExpectFits(&about, "About");
    // The picker opens beside "TZ Help", even where that is near the screen's
    // corner: it comes back inside.
    QLineEdit hour, minute;
    frmTimeZone picker(&hour, &minute, p.window.get());
    const QRect available = p.window->screen()->availableGeometry();
    picker.move(available.bottomRight() - QPoint(20, 20));
    ExpectFits(&picker, "the zone picker");
}

// The print dialog grows when "Options >>" opens its options, and its
// "Properties" opens a dialog of Qt's own: both stay inside the free area, as
// the program fits every dialog it shows (FitEveryDialogToScreen at start).
TEST(ScreenFit, ThePrintDialogStaysInsideAfterItGrowsAndItsProperties) {
    ProgramFixture p;
    FitEveryDialogToScreen(qApp);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setDocName(QStringLiteral("Panchang-ASHA-1987-08-15"));
    const auto dialog = NewPrintDialog(printer, p.window.get());
    dialog->show();
    Settle();
    QPushButton* options = nullptr;
    QPushButton* properties = nullptr;
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        const QString text = button->text().remove(QLatin1Char('&'));
        if (text.startsWith(QStringLiteral("Options"))) options = button;
        if (text.startsWith(QStringLiteral("Properties"))) properties = button;
    }
    ASSERT_NE(options, nullptr);
    QTest::mouseClick(options, Qt::LeftButton);
    Settle();
    Settle();
    const QRect available = dialog->screen()->availableGeometry();
    EXPECT_TRUE(available.contains(dialog->frameGeometry()))
        << "Options >> " << dialog->frameGeometry().width() << "x" << dialog->frameGeometry().height() << " at "
        << dialog->frameGeometry().x() << "," << dialog->frameGeometry().y() << " on " << available.width() << "x"
        << available.height();
    if (properties != nullptr && properties->isEnabled()) {
        QRect shown;
        QTimer::singleShot(200, [&shown] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                Settle();
                shown = modal->frameGeometry();
                modal->close();
            }
        });
        QTest::mouseClick(properties, Qt::LeftButton);
        EXPECT_FALSE(shown.isNull());
        EXPECT_TRUE(available.contains(shown)) << "Properties " << shown.width() << "x" << shown.height() << " at "
                                               << shown.x() << "," << shown.y();
    }
    dialog->hide();
}

TEST(Links, APageThatCannotBeOpenedIsSaidWithItsAddressToCopy) {
    RecordingMessageBoxes messages;
    std::vector<QString> handed;
    bool works = false;
    DesktopUrlOpener opener(messages, [&](const QUrl& url) {
        handed.push_back(url.toString());
        return works;
    });
    OpenDonatePage(opener);
    ASSERT_EQ(handed.size(), 1u);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_THAT(messages.shown[0].text, ::testing::HasSubstr("could not be opened"));
    EXPECT_THAT(messages.shown[0].text, ::testing::EndsWith(handed[0].toStdString()));
    works = true;
    OpenHomePage(opener);
    EXPECT_EQ(handed.size(), 2u);
    EXPECT_EQ(messages.shown.size(), 1u);  // nothing said when the browser took it

    // The box shows its text selectable, so the address can be copied.
    const auto box = NewMessageBox(messages.shown[0].text, MessageIcon::Information, nullptr);
    auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->textInteractionFlags() & Qt::TextSelectableByMouse);
    EXPECT_TRUE(label->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
}
