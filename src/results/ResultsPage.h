#pragma once

#include <span>
#include <string>
#include <string_view>

// The caption or text of every value control of the results window, as plain
// data. A fresh page holds the window's design texts, which stay visible only
// where a fill step fails. The results window copies these into its widgets.
namespace velmora {

// The span text the window shows before a run fills it.
inline constexpr std::string_view DesignSpanText = "31.12.1899 03:24  to  1.01.1900 00:29";

struct ResultsPage {
    // "Your Details"
    std::string lblName = "LblName";
    std::string lblDOB = "LblDOB";
    std::string lblTOB = "LblTOB";
    std::string lblLongitude = "LblLongitude";
    std::string lblLatitude = "LblLatitude";
    std::string lblCity = "LblCity";
    std::string lblState = "LblState";
    std::string lblCountry = "LblCountry";
    std::string lblAyanamsa = "LblAyanamsa";
    // "Vaar"
    std::string lblDay = "Sunday";
    std::string lblAlternateName = "LblAlternateName";
    std::string lblLord = "LblLord";
    std::string txtMoreAboutDayOfBirth;
    // "Nakshatra"
    std::string lblNakshatra = "LblNakshatra";
    std::string lblType = "LblType";
    std::string lblNakshatraCharacterstic = "LblNakshatraCharacterstic";
    std::string txtMoreAboutNakshatra;
    // "Tithi"
    std::string lblTithi = "LblTithi";
    std::string lblTithiLord = "LblTithiLord";
    std::string lblNumber = "LblNumber";
    std::string lblPhase = "LblPhase";
    std::string lblGroup = "LblGroup";
    std::string lblFeature = "LblFeature";
    std::string lblTtype = "LblTtype";
    std::string txtType;
    std::string txtTithiDesc;
    std::string lblTithiTime = std::string(DesignSpanText);
    // "Yoga"
    std::string lblYoga = "LblYoga";
    std::string lblYogaTime = std::string(DesignSpanText);
    std::string txtYogaDesc;
    // "Karna"
    std::string lblKarna = "LblKarna";
    std::string lblKarnaTime = std::string(DesignSpanText);
    // "Nakshatra", below its first controls: the span of the panchang Moon's
    // mansion, a line when the name above is the neighbouring mansion, the
    // pada with its span and name syllable, the Moon's sign with its span and
    // the Sun's sign. Empty until a run fills them.
    std::string lblNakshatraTime;
    std::string lblNakshatraNote;
    std::string lblPada;
    std::string lblPadaTime;
    std::string lblSyllable;
    std::string lblMoonSign;
    std::string lblMoonSignTime;
    std::string lblSunSign;
};

// One value control: its name (the widget's objectName) and where its text lives.
struct ResultsControl {
    std::string_view name;
    std::string ResultsPage::*text;
    bool isTextBox;  // a text box (set through its text) rather than a label (caption)
};

// Every value control: details, ayanamsa, the five tabs in the order of the
// window, then the controls added to the tabs later (the nakshatra's times and
// signs), so that the first ones keep their places.
std::span<const ResultsControl> ResultsControls();

// The text of a control by name; nullptr when no value control has that name.
const std::string* FindResultsText(const ResultsPage& page, std::string_view name);
std::string* FindResultsText(ResultsPage& page, std::string_view name);

}  // namespace velmora
