#include <gtest/gtest.h>

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <random>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "report/JsonText.h"
#include "report/ReportSession.h"

using namespace velmora;

namespace {

const std::string kDelhi =
    R"({"txtName":"ASHA","cboMonth":"August","cboDate":"15","cboYear":"1987","cboHH":"10","cboMM":"30",)"
    R"("txtMCity":"New Delhi","txtMState":"Delhi","txtMCountry":"India","txtLatD":"28","txtLatM":"36",)"
    R"("optLat":"North","txtLonD":"77","txtLonM":"13","optLong":"East","txtZoneHour":"5","txtZoneMinute":"30"})";

QJsonObject Parse(const std::string& line) {
    QJsonParseError error{};
    const auto doc = QJsonDocument::fromJson(QByteArray(line.data(), static_cast<qsizetype>(line.size())), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << line;
    EXPECT_TRUE(doc.isObject()) << line;
    return doc.object();
}

std::string Field(const QJsonObject& o, const char* group, const char* name) {
    return o.value(group).toObject().value(name).toString().toStdString();
}

bool IsError(const std::string& line) {
    return line.rfind("{\"error\":", 0) == 0 && Parse(line).keys() == QStringList{"error"};
}

}  // namespace

TEST(ReportSession, ResultsLineHoldsEveryControlInWindowOrder) {
    Session session;
    const std::string out = session.ProcessLine(kDelhi);
    const QJsonObject results = Parse(out).value("results").toObject();
    EXPECT_EQ(results.size(), static_cast<qsizetype>(ResultsControls().size()));
    std::size_t previous = 0;
    for (const auto& control : ResultsControls()) {
        const auto at = out.find("\"" + std::string(control.name) + "\":");
        ASSERT_NE(at, std::string::npos) << control.name;
        EXPECT_GT(at, previous) << control.name;
        previous = at;
    }
    EXPECT_EQ(Field(Parse(out), "results", "lblNakshatra"), "Bharani");
    EXPECT_EQ(Field(Parse(out), "results", "lblAyanamsa"), "-23\u00B0 41' 5\"");
    EXPECT_EQ(Field(Parse(out), "results", "lblLatitude"), "28\u00B0 36' N");
    EXPECT_EQ(Field(Parse(out), "results", "lblDay"), "Saturday");
    EXPECT_NE(out.find(R"("lblAyanamsa":"-23° 41' 5\"")"), std::string::npos) << out;
    EXPECT_FALSE(session.HadError());
}

TEST(ReportSession, RefusalsExactly) {
    Session session;
    EXPECT_EQ(session.ProcessLine("{}"),
              R"({"refused":{"message":"Please Enter Name","focus":"txtName"}})");
    EXPECT_EQ(session.ProcessLine(
                  R"({"txtName":"A","txtLonD":"1","txtLonM":"1","txtLatD":"1","txtLatM":"1","cboMonth":"April","cboDate":"31"})"),
              R"({"refused":{"message":"Please Enter Correct Date Or Month !","focus":null}})");
    EXPECT_EQ(session.ProcessLine(R"({"txtName":"A","txtLonD":"1","txtLonM":"60"})"),
              R"({"refused":{"message":"Please Enter Value Between 0 And 59 in the  Minute of Longitude","focus":"txtLonM"}})");
    EXPECT_FALSE(session.HadError());
}

TEST(ReportSession, MissingKeysTakeTheFreshWindowsState) {
    Session session;
    const auto o = Parse(session.ProcessLine(
        R"({"txtName":"A","txtLonD":"0","txtLonM":"0","txtLatD":"0","txtLatM":"0"})"));
    EXPECT_EQ(Field(o, "results", "lblDOB"), "January/1/1901");
    EXPECT_EQ(Field(o, "results", "lblTOB"), "0:0");
    EXPECT_EQ(Field(o, "results", "lblLatitude"), "0\u00B0 0' N");
    EXPECT_EQ(Field(o, "results", "lblLongitude"), "0\u00B0 0' E");
    EXPECT_EQ(Field(o, "results", "lblCity"), "");
}

TEST(ReportSession, ErrorLinesAndTheSessionGoesOn) {
    const char* bad[] = {
        "not json",
        "{\"txtName\":",
        "[1,2]",
        "\"ASHA\"",
        "null",
        "",
        "   ",
        R"({"txtNmae":"A"})",
        R"({"lblName":"A"})",
        R"({"txtName":5})",
        R"({"txtName":null})",
        R"({"cboDate":15})",
        R"({"cboDate":"32"})",
        R"({"cboDate":"07"})",
        R"({"cboMonth":"august"})",
        R"({"cboYear":"1900"})",
        R"({"cboHH":"24"})",
        R"({"optLat":"north"})",
        R"({"optLong":0})",
        R"({"chkDST":3})",
        R"({"chkDST":0.5})",
        R"({"chkDST":"1"})",
        R"({"chkDST":true})",
        "{\"txtName\":\"A\"} {}",
    };
    Session session;
    for (const char* line : bad) {
        const std::string out = session.ProcessLine(line);
        EXPECT_TRUE(IsError(out)) << line << " -> " << out;
        EXPECT_FALSE(Parse(out).value("error").toString().isEmpty()) << line;
    }
    EXPECT_TRUE(session.HadError());
    EXPECT_EQ(Field(Parse(session.ProcessLine(kDelhi)), "results", "lblNakshatra"), "Bharani");
}

TEST(ReportSession, ErrorsSayWhatIsWrong) {
    Session session;
    EXPECT_EQ(session.ProcessLine(R"({"txtNmae":"A"})"), R"({"error":"unknown key \"txtNmae\""})");
    EXPECT_EQ(session.ProcessLine(R"({"cboMonth":"august"})"),
              R"({"error":"cboMonth holds no entry \"august\""})");
    EXPECT_EQ(session.ProcessLine(R"({"cboDate":15})"),
              R"({"error":"cboDate must be a string (the text of a list entry), not a number"})");
    EXPECT_EQ(session.ProcessLine("[]"), R"({"error":"a line must be a JSON object"})");
}

TEST(ReportSession, AcceptedValues) {
    Session session;
    std::string line = kDelhi;
    line.insert(1, R"("chkDST":2,"cboSS":"59","optLat":"South",)");
    // A later duplicate of optLat would be ambiguous; this line has one.
    line.replace(line.find(R"("optLat":"North",)"), 17, "");
    const auto o = Parse(session.ProcessLine(line + "\r"));
    EXPECT_EQ(Field(o, "results", "lblLatitude"), "28\u00B0 36' S");
    EXPECT_TRUE(session.State().birth.DstOn);
    EXPECT_TRUE(session.State().birth.LatIsSouth);
}

TEST(ReportSession, StateCarriesFromLineToLine) {
    // The second line's zone boxes are empty: the zone of the first line stays.
    std::string second = kDelhi;
    second.replace(second.find(R"("txtZoneHour":"5")"), 17, R"("txtZoneHour":"")");
    second.replace(second.find(R"("txtZoneMinute":"30")"), 20, R"("txtZoneMinute":"")");

    Session carried;
    carried.ProcessLine(kDelhi);
    carried.ProcessLine(second);
    // The zone kept in the birth record is the first line's.
    EXPECT_EQ(carried.State().birth.ZoneHours, 5);
    EXPECT_EQ(carried.State().birth.ZoneMinutes, 30);

    Session fresh;
    fresh.ProcessLine(second);
    EXPECT_EQ(fresh.State().birth.ZoneHours, 0);
    EXPECT_EQ(fresh.State().birth.ZoneMinutes, 0);

    // A refused or broken line in between changes nothing.
    Session interrupted;
    interrupted.ProcessLine(kDelhi);
    interrupted.ProcessLine("{}");
    interrupted.ProcessLine("{");
    interrupted.ProcessLine(second);
    EXPECT_EQ(interrupted.State().birth.ZoneHours, 5);
    EXPECT_EQ(interrupted.State().birth.ZoneMinutes, 30);
}

TEST(ReportSession, NamesAreEchoedAsValidJson) {
    Session session;
    std::string line = kDelhi;
    line.replace(line.find(R"("ASHA")"), 6, R"("A\"B\\C\u0001\n\u00e9\ud83d\ude00\ud800")");
    const std::string out = session.ProcessLine(line);
    ASSERT_EQ(out.find('\n'), std::string::npos);
    const auto name = Parse(out).value("results").toObject().value("lblName").toString();
    EXPECT_TRUE(name.startsWith(QString::fromUtf8("A\"B\\C\x01\n\xC3\xA9\xF0\x9F\x98\x80"))) << out;
}

TEST(JsonText, EscapesAndRepairsBytes) {
    std::string out;
    AppendJsonString(out, std::string("a\"b\\c\n\t\x01\x7F", 9));
    EXPECT_EQ(out, "\"a\\\"b\\\\c\\n\\t\\u0001\x7F\"");
    out.clear();
    AppendJsonString(out, std::string("\0", 1));
    EXPECT_EQ(out, "\"\\u0000\"");
    out.clear();
    // Stray continuation, overlong, surrogate, truncated, beyond U+10FFFF; then
    // well-formed two-, three- and four-byte sequences.
    AppendJsonString(out, "\x80|\xC0\xAF|\xED\xA0\x80|\xE2\x82|\xF4\x90\x80\x80|\xC2\xB0\xE2\x82\xAC\xF0\x9F\x98\x80");
    EXPECT_EQ(out,
              "\"\xEF\xBF\xBD|\xEF\xBF\xBD\xEF\xBF\xBD|\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD|"
              "\xEF\xBF\xBD\xEF\xBF\xBD|\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD|"
              "\xC2\xB0\xE2\x82\xAC\xF0\x9F\x98\x80\"");
}

TEST(ReportSession, ArbitraryBytesGiveExactlyOneJsonLine) {
    // Random bytes, and valid lines with random bytes changed, inserted or cut.
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> byte(0, 255);
    Session session;
    for (int i = 0; i < 3000; ++i) {
        std::string line;
        if (i % 3 == 0) {
            const int n = std::uniform_int_distribution<int>(0, 60)(rng);
            for (int k = 0; k < n; ++k) line.push_back(static_cast<char>(byte(rng)));
        } else {
            line = kDelhi;
            const int edits = std::uniform_int_distribution<int>(1, 4)(rng);
            for (int k = 0; k < edits && !line.empty(); ++k) {
                const auto at = std::uniform_int_distribution<std::size_t>(0, line.size() - 1)(rng);
                switch (byte(rng) % 3) {
                    case 0: line[at] = static_cast<char>(byte(rng)); break;
                    case 1: line.insert(at, 1, "0123456789-.e \"{}:,"[byte(rng) % 19]); break;
                    default: line.erase(at, 1); break;
                }
            }
        }
        const std::string out = session.ProcessLine(line);
        ASSERT_EQ(out.find('\n'), std::string::npos);
        const QJsonObject o = Parse(out);
        ASSERT_EQ(o.size(), 1);
        const QString kind = o.keys().front();
        ASSERT_TRUE(kind == "results" || kind == "refused" || kind == "error") << out;
    }
}

TEST(RunJsonLines, OneLineOutPerLineInAndTheExitStatus) {
    Session good;
    std::istringstream in(kDelhi + "\n{}\n" + kDelhi);  // the last line has no line end
    std::ostringstream out;
    EXPECT_EQ(RunJsonLines(in, out, good).status, 0);
    std::istringstream lines(out.str());
    std::string line;
    int n = 0;
    while (std::getline(lines, line)) ++n;
    EXPECT_EQ(n, 3);

    Session bad;
    std::istringstream in2("{}\nnope\n{}\n");
    std::ostringstream out2;
    EXPECT_EQ(RunJsonLines(in2, out2, bad).status, 1);
    EXPECT_EQ(out2.str(),
              "{\"refused\":{\"message\":\"Please Enter Name\",\"focus\":\"txtName\"}}\n"
              "{\"error\":\"bad JSON at offset 1: illegal value\"}\n"
              "{\"refused\":{\"message\":\"Please Enter Name\",\"focus\":\"txtName\"}}\n");
}

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// A stream buffer that takes `room` bytes and then fails every write, as a
// full disk or a closed pipe does.
class FullBuffer : public std::streambuf {
public:
    explicit FullBuffer(std::size_t room) : room_(room) {}
    std::string taken;

protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        if (taken.size() >= room_) return traits_type::eof();
        taken.push_back(traits_type::to_char_type(c));
        return c;
    }

private:
    std::size_t room_;
};

}  // namespace

TEST(RunJsonLines, OverLongLinesAreSkippedAndTheNextLineIsAnswered) {
    // A form padded with blanks (valid JSON) to exactly the limit is read; one
    // byte more and it is answered with an error; so is a line many times the
    // limit, and the session goes on after each.
    std::string atLimit = kDelhi;
    atLimit.insert(1, kMaxLineBytes - kDelhi.size(), ' ');
    ASSERT_EQ(atLimit.size(), kMaxLineBytes);
    const std::string overLimit = " " + atLimit;
    const std::string huge(3 * kMaxLineBytes + 17, 'x');
    std::istringstream in(atLimit + "\n" + overLimit + "\n" + kDelhi + "\n" + huge + "\n" + kDelhi + "\n" +
                          overLimit);  // the last one at the end of the input, without a line end
    std::ostringstream out;
    Session session;
    const auto end = RunJsonLines(in, out, session);
    EXPECT_EQ(end.status, 1);
    EXPECT_EQ(end.failure, "");
    const auto lines = Lines(out.str());
    ASSERT_EQ(lines.size(), 6u) << out.str().substr(0, 2000);
    EXPECT_EQ(Field(Parse(lines[0]), "results", "lblNakshatra"), "Bharani");
    EXPECT_TRUE(IsError(lines[1])) << lines[1];
    EXPECT_NE(lines[1].find("longer than 1048576 bytes"), std::string::npos);
    EXPECT_EQ(lines[2], lines[0]);
    EXPECT_TRUE(IsError(lines[3]));
    EXPECT_EQ(lines[4], lines[0]);
    EXPECT_TRUE(IsError(lines[5]));
}

TEST(RunJsonLines, ALineAtTheLimitEndingInCrLfIsReadLikeTheSameLineWithLf) {
    std::string atLimit = kDelhi;
    atLimit.insert(1, kMaxLineBytes - kDelhi.size(), ' ');
    ASSERT_EQ(atLimit.size(), kMaxLineBytes);
    // Windows line ends on every line, the last one too; then one byte over.
    std::istringstream in(atLimit + "\r\n" + kDelhi + "\r\n" + atLimit + "\r\n" + " " + atLimit + "\r\n");
    std::ostringstream out;
    Session session;
    EXPECT_EQ(RunJsonLines(in, out, session).status, 1);
    const auto lines = Lines(out.str());
    ASSERT_EQ(lines.size(), 4u) << out.str().substr(0, 2000);
    EXPECT_EQ(Field(Parse(lines[0]), "results", "lblNakshatra"), "Bharani") << lines[0].substr(0, 200);
    EXPECT_EQ(lines[1], lines[0]);
    EXPECT_EQ(lines[2], lines[0]);
    EXPECT_NE(lines[3].find("longer than 1048576 bytes"), std::string::npos) << lines[3].substr(0, 200);
}

TEST(RunJsonLines, AFailedWriteEndsTheRunAtOnce) {
    const std::string input = kDelhi + "\n" + kDelhi + "\n" + kDelhi + "\n";
    for (const std::size_t room : {std::size_t{0}, std::size_t{100}}) {
        std::istringstream in(input);
        FullBuffer full(room);
        std::ostream out(&full);
        Session session;
        const auto end = RunJsonLines(in, out, session);
        EXPECT_EQ(end.status, 3) << room;
        EXPECT_EQ(end.failure.rfind("cannot write the output", 0), 0u) << end.failure;
        // The first answer did not fit: nothing after it was calculated.
        std::string rest;
        std::getline(in, rest);
        EXPECT_EQ(rest, kDelhi) << room;
    }
}

TEST(RunJsonLines, AFailedReadIsNotTheEndOfTheInput) {
    std::istringstream in(kDelhi + "\n");
    in.setstate(std::ios::badbit);
    std::ostringstream out;
    Session session;
    const auto end = RunJsonLines(in, out, session, "forms.jsonl");
    EXPECT_EQ(end.status, 3);
    EXPECT_EQ(end.failure.rfind("cannot read forms.jsonl", 0), 0u) << end.failure;
}

TEST(ReportSession, ANumberTooSmallForADoubleReadsAsZeroInEveryBox) {
    const std::string tiny = "0." + std::string(400, '0') + "1";
    auto with = [](std::string line, const std::string& key, const std::string& value) {
        const std::string from = "\"" + key + "\":\"";
        const auto at = line.find(from) + from.size();
        return line.replace(at, line.find('"', at) - at, value);
    };
    // In a degree box it passes the check as 0 (not refused as above 179).
    Session session;
    const auto degrees = Parse(session.ProcessLine(with(kDelhi, "txtLonD", tiny)));
    EXPECT_EQ(Field(degrees, "results", "lblLongitude"), "0\u00B0 13' E");

    // In the zone boxes it is zone 0, not the zone of the run before.
    const std::string zero = with(with(kDelhi, "txtZoneHour", "0"), "txtZoneMinute", "0");
    const std::string underflow = with(with(kDelhi, "txtZoneHour", tiny), "txtZoneMinute", "-" + tiny);
    Session a, b;
    a.ProcessLine(kDelhi);
    b.ProcessLine(kDelhi);
    const std::string expected = a.ProcessLine(zero);
    EXPECT_EQ(b.ProcessLine(underflow), expected);
    EXPECT_NE(expected, Session().ProcessLine(kDelhi));
}
