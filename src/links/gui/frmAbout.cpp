#include "links/gui/frmAbout.h"

#include <QFont>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/ClickLabel.h"
#include "gui/ProgramFont.h"
#include "gui/ScreenFit.h"
#include "gui/ProgramTitle.h"
#include "gui/Translation.h"
#include "shared/Version.h"
#include "links/UrlOpener.h"
#include "links/gui/ProductPicture.h"
#include "links/modHelp.h"

namespace velmora {

namespace {

QLabel* MakeLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);  // shown as written, never as markup
    label->setWordWrap(true);
    return label;
}

// A label that works as a link: blue, underlined, a hand pointer; a Tab stop
// with a focus frame that Enter or Space opens like a click.
ClickLabel* MakeLink(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new ClickLabel(text, parent);
    label->setObjectName(name);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Link, QColor(0, 0, 192));
    label->setPalette(palette);
    label->setWordWrap(false);
    return label;
}

}  // namespace

QString AboutParagraph() {
    return UiText(QT_TRANSLATE_NOOP(
        "Velmora",
        "Velmora is a ready to use Vedic almanac software. A Panchang is an ancient scientific Vedic "
        "calendar that helps you find the best time and date for auspicious activities. The word "
        "comes from Sanskrit, in which Panch means five and Ang means aspect: the five aspects are "
        "the weekday (vara), the lunar mansion (nakshatra), the lunar day (tithi), the joined motion "
        "of Sun and Moon (yoga) and the half lunar day (karana). A Panchang is made up of five parts "
        "and is based on the lunar calendar."));
}

QString CreditsText() {
    return UiText(QT_TRANSLATE_NOOP("Velmora", "Version %1. Free software under the GNU General Public License, "
                                               "version 3 or later. Places offline from GeoNames (geonames.org), "
                                               "licensed under CC BY 4.0."))
        .arg(QStringLiteral(VELMORA_VERSION));
}

frmAbout::frmAbout(UrlOpener& opener, QWidget* parent) : QDialog(parent), opener_(opener) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString::fromUtf8(WindowCaption));
    setWindowIcon(ProductIcon());
    ApplyProgramFont(this);
    setModal(true);

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(ProductPicture().scaled(96, 96, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    Picture1->setFixedSize(96, 96);

    Label2 = MakeLabel(QStringLiteral("Label2"), QString::fromUtf8(WindowCaption), this);
    QFont titleFont = Label2->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    Label2->setFont(titleFont);

    Label1 = MakeLabel(QStringLiteral("Label1"), AboutParagraph(), this);
    lblCredits = MakeLabel(QStringLiteral("lblCredits"), CreditsText(), this);

    Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);

    Label3 = MakeLabel(QStringLiteral("Label3"),
                       UiText(QT_TRANSLATE_NOOP("Velmora",
                                                "Home Business Opportunity. Start your own Internet business and "
                                                "make money online. Get this software fully branded for your "
                                                "website.")),
                       this);

    auto* coBrand = MakeLink(QStringLiteral("lblCoBrand"), UiText(QT_TRANSLATE_NOOP("Velmora", "Click here for more details")), this);
    connect(coBrand, &ClickLabel::clicked, this, &frmAbout::lblCoBrand_Click);
    lblCoBrand = coBrand;

    auto* homePage = MakeLink(QStringLiteral("lblHomePage"),
                              UiText(QT_TRANSLATE_NOOP("Velmora", "Click here to visit %1"))
                                  .arg(QString::fromUtf8(MakerSite.data(), static_cast<qsizetype>(MakerSite.size()))),
                              this);
    connect(homePage, &ClickLabel::clicked, this, &frmAbout::lblHomePage_Click);
    lblHomePage = homePage;

    cmdOK = new QPushButton(UiText(QT_TRANSLATE_NOOP("Velmora", "OK")), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    auto* heading = new QVBoxLayout;
    heading->addWidget(Label2);
    heading->addWidget(Label1);
    heading->addWidget(lblCredits);
    auto* top = new QHBoxLayout;
    top->addWidget(Picture1, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(heading, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(6);
    layout->addWidget(Line1);
    layout->addWidget(Label3);
    layout->addWidget(lblCoBrand, 0, Qt::AlignLeft);
    layout->addWidget(lblHomePage, 0, Qt::AlignLeft);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    // Word-wrapped labels only get their full height from a fixed width.
    Label1->setFixedWidth(360);
    lblCredits->setFixedWidth(360);
    Label3->setFixedWidth(360 + 96 + 12);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Tab goes down the box: the two links, then OK, and round.
    setTabOrder(lblCoBrand, lblHomePage);
    setTabOrder(lblHomePage, cmdOK);
    setTabOrder(cmdOK, lblCoBrand);
    // Opens on OK, so that Enter closes the box rather than opening a page.
    cmdOK->setFocus();
    FitDialogToScreen(this);
}

void frmAbout::lblCoBrand_Click() { OpenFullBrandPage(opener_); }
void frmAbout::lblHomePage_Click() { OpenHomePage(opener_); }
void frmAbout::cmdOK_Click() { accept(); }

void ShowAbout(UrlOpener& opener, QWidget* parent) {
    auto* about = new frmAbout(opener, parent);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->exec();
}

}  // namespace velmora
