#include <gtest/gtest.h>

#include <cctype>
#include <set>

#include "results/ResultsPage.h"

using namespace velmora;

TEST(ResultsPage, FreshPageHoldsTheDesignTexts) {
    const ResultsPage page;
    std::set<std::string_view> names;
    for (const auto& c : ResultsControls()) {
        names.insert(c.name);
        const std::string& text = page.*(c.text);
        // Text boxes, and the nakshatra's rows added below its first
        // controls, are empty until a run fills them.
        const bool added = names.size() > 32;
        if (c.isTextBox || added) {
            EXPECT_EQ(text, "") << c.name;
        } else if (c.name == "lblDay") {
            EXPECT_EQ(text, "Sunday");
        } else if (c.name == "lblTithiTime" || c.name == "lblYogaTime" || c.name == "lblKarnaTime") {
            EXPECT_EQ(text, "31.12.1899 03:24  to  1.01.1900 00:29") << c.name;
        } else {
            std::string expected(c.name);
            expected[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(expected[0])));
            EXPECT_EQ(text, expected);
        }
    }
    EXPECT_EQ(names.size(), ResultsControls().size());
    EXPECT_EQ(page.lblName, "LblName");
}

TEST(ResultsPage, FindsControlsByName) {
    ResultsPage page;
    ASSERT_NE(FindResultsText(page, "lblYoga"), nullptr);
    *FindResultsText(page, "lblYoga") = "Siva";
    EXPECT_EQ(page.lblYoga, "Siva");
    EXPECT_EQ(FindResultsText(page, "lblNope"), nullptr);
}
