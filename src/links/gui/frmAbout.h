#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace velmora {

class UrlOpener;

// The about box: the product picture, name and a word on what a panchang is,
// an offer and two links (Tab stops; Enter, Space or a click opens them).
// Modal; OK closes it.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(UrlOpener& opener, QWidget* parent = nullptr);

    QLabel* Picture1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblCredits = nullptr;  // the licence and the gazetteer's data
    QFrame* Line1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* lblCoBrand = nullptr;
    QLabel* lblHomePage = nullptr;
    QPushButton* cmdOK = nullptr;

public slots:
    void lblCoBrand_Click();
    void lblHomePage_Click();
    void cmdOK_Click();


private:
    UrlOpener& opener_;
};

// The about box's paragraph on the panchang.
QString AboutParagraph();
// The version, the licence and the credit for the gazetteer's data (GeoNames, CC BY 4.0).
QString CreditsText();

// "&About Software": shows the about box modally over `parent`.
void ShowAbout(UrlOpener& opener, QWidget* parent);

}  // namespace velmora
