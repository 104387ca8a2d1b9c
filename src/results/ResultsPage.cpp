#include "results/ResultsPage.h"

#include <array>

namespace velmora {

namespace {

constexpr std::array<ResultsControl, 40> kControls = {{
    {"lblName", &ResultsPage::lblName, false},
    {"lblDOB", &ResultsPage::lblDOB, false},
    {"lblTOB", &ResultsPage::lblTOB, false},
    {"lblLongitude", &ResultsPage::lblLongitude, false},
    {"lblLatitude", &ResultsPage::lblLatitude, false},
    {"lblCity", &ResultsPage::lblCity, false},
    {"lblState", &ResultsPage::lblState, false},
    {"lblCountry", &ResultsPage::lblCountry, false},
    {"lblAyanamsa", &ResultsPage::lblAyanamsa, false},
    {"lblDay", &ResultsPage::lblDay, false},
    {"lblAlternateName", &ResultsPage::lblAlternateName, false},
    {"lblLord", &ResultsPage::lblLord, false},
    {"txtMoreAboutDayOfBirth", &ResultsPage::txtMoreAboutDayOfBirth, true},
    {"lblNakshatra", &ResultsPage::lblNakshatra, false},
    {"lblType", &ResultsPage::lblType, false},
    {"lblNakshatraCharacterstic", &ResultsPage::lblNakshatraCharacterstic, false},
    {"txtMoreAboutNakshatra", &ResultsPage::txtMoreAboutNakshatra, true},
    {"lblTithi", &ResultsPage::lblTithi, false},
    {"lblTithiLord", &ResultsPage::lblTithiLord, false},
    {"lblNumber", &ResultsPage::lblNumber, false},
    {"lblPhase", &ResultsPage::lblPhase, false},
    {"lblGroup", &ResultsPage::lblGroup, false},
    {"lblFeature", &ResultsPage::lblFeature, false},
    {"lblTtype", &ResultsPage::lblTtype, false},
    {"txtType", &ResultsPage::txtType, true},
    {"txtTithiDesc", &ResultsPage::txtTithiDesc, true},
    {"lblTithiTime", &ResultsPage::lblTithiTime, false},
    {"lblYoga", &ResultsPage::lblYoga, false},
    {"lblYogaTime", &ResultsPage::lblYogaTime, false},
    {"txtYogaDesc", &ResultsPage::txtYogaDesc, true},
    {"lblKarna", &ResultsPage::lblKarna, false},
    {"lblKarnaTime", &ResultsPage::lblKarnaTime, false},
    {"lblNakshatraTime", &ResultsPage::lblNakshatraTime, false},
    {"lblPada", &ResultsPage::lblPada, false},
    {"lblPadaTime", &ResultsPage::lblPadaTime, false},
    {"lblSyllable", &ResultsPage::lblSyllable, false},
    {"lblMoonSign", &ResultsPage::lblMoonSign, false},
    {"lblMoonSignTime", &ResultsPage::lblMoonSignTime, false},
    {"lblSunSign", &ResultsPage::lblSunSign, false},
    {"lblNakshatraNote", &ResultsPage::lblNakshatraNote, false},
}};

}  // namespace

std::span<const ResultsControl> ResultsControls() { return kControls; }

const std::string* FindResultsText(const ResultsPage& page, std::string_view name) {
    for (const auto& c : kControls) {
        if (c.name == name) return &(page.*(c.text));
    }
    return nullptr;
}

std::string* FindResultsText(ResultsPage& page, std::string_view name) {
    for (const auto& c : kControls) {
        if (c.name == name) return &(page.*(c.text));
    }
    return nullptr;
}

}  // namespace velmora
