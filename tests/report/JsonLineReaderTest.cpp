#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "report/ReportSession.h"

using namespace velmora;

namespace {

std::string Error(const std::string& line) {
    const auto parsed = FormFromJsonLine(line);
    const auto* what = std::get_if<std::string>(&parsed);
    return what ? *what : "(a form)";
}

InputForm Form(const std::string& line) {
    const auto parsed = FormFromJsonLine(line);
    if (const auto* what = std::get_if<std::string>(&parsed)) ADD_FAILURE() << line << " -> " << *what;
    return std::holds_alternative<InputForm>(parsed) ? std::get<InputForm>(parsed) : InputForm{};
}

}  // namespace

TEST(JsonLineReader, SyntaxFaultsNameTheFaultAndTheByteWhereReadingStopped) {
    struct Case {
        const char* line;
        const char* error;
    };
    const Case cases[] = {
        {"{", "bad JSON at offset 1: unterminated object"},  // as in the golden answers
        {"nope", "bad JSON at offset 1: illegal value"},
        {R"({"a" 1})", "bad JSON at offset 5: missing name separator"},
        {R"({"txtName":"A",})", "bad JSON at offset 15: object is missing after a comma"},
        {R"({"txtName":"A")", "bad JSON at offset 14: unterminated object"},
        {R"({"txtName":"A" "b"})", "bad JSON at offset 17: missing value separator"},
        {R"({,})", "bad JSON at offset 1: expected a key (a string)"},
        {R"({"txtName":["A")", "bad JSON at offset 15: unterminated array"},
        {R"({"txtName":"A)", "bad JSON at offset 13: unterminated string"},
        {R"({"txtName":"A\x"})", "bad JSON at offset 14: invalid string or escape sequence"},
        {"{\"txtName\":\"A\xFF\"}", "bad JSON at offset 13: invalid UTF8 string"},
        {R"({"chkDST":01})", "bad JSON at offset 11: missing value separator"},
        {R"({"chkDST":-})", "bad JSON at offset 11: illegal number"},
        {R"({"chkDST":1e400})", "bad JSON at offset 14: illegal number"},
        {R"({"txtName":"A"} x)", "bad JSON at offset 16: garbage at the end of the document"},
        {R"({"txtName":"A"}})", "bad JSON at offset 15: garbage at the end of the document"},
    };
    for (const auto& c : cases) EXPECT_EQ(Error(c.line), c.error) << c.line;
}

TEST(JsonLineReader, OnlyAnObjectIsAForm) {
    for (const char* line : {"[]", "1", "\"txtName\"", "null", "true", "[{\"txtName\":\"A\"}]"}) {
        EXPECT_EQ(Error(line), "a line must be a JSON object") << line;
    }
}

TEST(JsonLineReader, KeysAreTakenInKeyOrderAndTheLastOfARepeatedKeyCounts) {
    EXPECT_EQ(Form(R"({"txtName":"A","txtName":"B"})").txtName, "B");
    EXPECT_EQ(Form(R"({"txtName":5,"txtName":"B"})").txtName, "B");
    // Two faults: the one of the key first in key order is told, whatever the order in the line.
    EXPECT_EQ(Error(R"({"zzz":1,"cboMonth":"Smarch"})"), "cboMonth holds no entry \"Smarch\"");
    EXPECT_EQ(Error(R"({"cboMonth":"Smarch","zzz":1})"), "cboMonth holds no entry \"Smarch\"");
    // A syntax fault anywhere comes before any fault of a key.
    EXPECT_EQ(Error(R"({"zzz":1,"txtName":"A",)"), "bad JSON at offset 23: unterminated object");
}

TEST(JsonLineReader, NumbersForTheDstBox) {
    EXPECT_EQ(Form(R"({"chkDST":1.0})").chkDST, 1);
    EXPECT_EQ(Form(R"({"chkDST":2e0})").chkDST, 2);
    EXPECT_EQ(Form(R"({"chkDST":-0})").chkDST, 0);
    EXPECT_EQ(Form(R"({"chkDST":-0.0})").chkDST, 0);
    EXPECT_EQ(Error(R"({"chkDST":1.5})"), "chkDST must be 0, 1 or 2");
    EXPECT_EQ(Error(R"({"chkDST":18446744073709551617})"), "chkDST must be 0, 1 or 2");
    EXPECT_EQ(Error(R"({"chkDST":[1]})"), "chkDST must be 0, 1 or 2, not an array");
    EXPECT_EQ(Error(R"({"chkDST":{}})"), "chkDST must be 0, 1 or 2, not an object");
}

TEST(JsonLineReader, HalfASurrogatePairReadsAsTheReplacementCharacter) {
    // A lone half becomes U+FFFD; a whole pair is the character; an escaped
    // backslash before "u" is text, not an escape.
    EXPECT_EQ(Form(R"({"txtMCity":"a\ud800b"})").txtMCity, "a\xEF\xBF\xBD" "b");
    EXPECT_EQ(Form(R"({"txtMCity":"\udc00\ud83d\ude00\ud800"})").txtMCity,
              "\xEF\xBF\xBD\xF0\x9F\x98\x80\xEF\xBF\xBD");
    EXPECT_EQ(Form(R"({"txtMCity":"\ud800\u0041"})").txtMCity, "\xEF\xBF\xBD" "A");
    EXPECT_EQ(Form(R"({"txtMCity":"\\ud800"})").txtMCity, "\\ud800");
    EXPECT_EQ(Form(R"({"txtMCity":"\uD83D\uDE00"})").txtMCity, "\xF0\x9F\x98\x80");
    // Outside strings nothing is touched, and offsets stay those of the line as given.
    EXPECT_EQ(Error(R"({"txtMCity":"\ud800",\ud800})"), "bad JSON at offset 21: illegal value");
    EXPECT_EQ(Error(R"({"txtMCity":"\ud8)"), "bad JSON at offset 17: invalid string or escape sequence");
}

TEST(JsonLineReader, DeepNestingNearTheLineLimitNeitherRecursesNorCrashes) {
    const std::size_t depth = (kMaxLineBytes - 20) / 2;
    const std::string nested = R"({"txtName":)" + std::string(depth, '[') + std::string(depth, ']') + "}";
    ASSERT_LE(nested.size(), kMaxLineBytes);
    EXPECT_EQ(Error(nested), "txtName must be a string, not an array");
    const std::string open = R"({"txtName":)" + std::string(kMaxLineBytes - 20, '[');
    EXPECT_EQ(Error(open), "bad JSON at offset " + std::to_string(open.size()) + ": unterminated array");
}

// Everyday lines (flat objects of plain strings and small integers) are read
// in one pass; these sit at the edges of that shape, each with the answer a
// JSON reader gives.
TEST(JsonLineReader, PlainLinesAtTheEdgesOfTheirShape) {
    struct Case {
        std::string line;
        std::string error;  // "(a form)" for a form
    };
    const Case cases[] = {
        {"{}", "(a form)"},
        {" \t{ \"txtName\" :\t\"A\" , \"chkDST\" : 1 }\t ", "(a form)"},
        {R"({"chkDST":2})", "(a form)"},
        {R"({"chkDST":3})", "chkDST must be 0, 1 or 2"},
        {R"({"chkDST":-1})", "chkDST must be 0, 1 or 2"},
        {R"({"chkDST":100000000000000})", "chkDST must be 0, 1 or 2"},   // 15 digits
        {R"({"chkDST":1000000000000000})", "chkDST must be 0, 1 or 2"},  // 16: the general reader
        {R"({"chkDST":00})", "bad JSON at offset 11: missing value separator"},
        {R"({"chkDST":1 2})", "bad JSON at offset 12: missing value separator"},
        {R"({"chkDST":"1"})", "chkDST must be 0, 1 or 2, not a string"},
        {R"({"chkDST":true})", "chkDST must be 0, 1 or 2, not a Boolean"},
        {R"({"txtName":1})", "txtName must be a string, not a number"},
        {R"({"txtName":null})", "txtName must be a string, not null"},
        {R"({"optLat":"north"})", "optLat must be \"North\" or \"South\", not \"north\""},
        {R"({"cboYear":"1900"})", "cboYear holds no entry \"1900\""},
        {R"({"cboHH":"7","cboHH":"24"})", "cboHH holds no entry \"24\""},
        {R"({"cboHH":"24","cboHH":"7"})", "(a form)"},
        {R"({"txtLatD":"1","txtLatD":2})", "txtLatD must be a string, not a number"},
        {R"({"zz":"1","aa":"2"})", "unknown key \"aa\""},
        {R"({"":"1"})", "unknown key \"\""},
        {"{\"txtName\":\"A\x7F\"}", "(a form)"},
        {"{\"txtName\":\"A\tB\"}", "bad JSON at offset 13: invalid string or escape sequence"},
        {R"({"txtName":"A"  ,})", "bad JSON at offset 17: object is missing after a comma"},
        {R"({"txtName":"A"}  {})", "bad JSON at offset 17: garbage at the end of the document"},
        {R"({"txtName" "A"})", "bad JSON at offset 13: missing name separator"},
    };
    for (const Case& c : cases) EXPECT_EQ(Error(c.line), c.error) << c.line;
    EXPECT_EQ(Form(" \t{ \"txtName\" :\t\"A\" , \"chkDST\" : 1 }\t ").chkDST, 1);
    EXPECT_EQ(Form(R"({"cboHH":"24","cboHH":"7"})").cboHH, 7);
    EXPECT_EQ(Form("{\"txtName\":\"A\x7F\"}").txtName, "A\x7F");
    // More members than the one-pass reader holds: the general reader, the
    // same answer.
    std::string many = "{";
    for (int i = 0; i < 40; ++i) many += "\"txtName\":\"N" + std::to_string(i) + "\",";
    many += "\"chkDST\":2}";
    EXPECT_EQ(Form(many).txtName, "N39");
    EXPECT_EQ(Form(many).chkDST, 2);
}
