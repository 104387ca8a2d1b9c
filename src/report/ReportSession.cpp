#include "report/ReportSession.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QString>

#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <istream>
#include <limits>
#include <ostream>
#include <vector>

#include "input/CalculationDriver.h"
#include "report/JsonText.h"
#include "shared/VectorState.h"

namespace velmora {

namespace {

std::string Quoted(std::string_view text) {
    std::string out;
    AppendJsonString(out, text);
    return out;
}

struct TextBox {
    std::string_view name;
    std::string InputForm::*text;
};

constexpr std::array<TextBox, 10> kTextBoxes = {{
    {"txtName", &InputForm::txtName},
    {"txtMCity", &InputForm::txtMCity},
    {"txtMState", &InputForm::txtMState},
    {"txtMCountry", &InputForm::txtMCountry},
    {"txtLatD", &InputForm::txtLatD},
    {"txtLatM", &InputForm::txtLatM},
    {"txtLonD", &InputForm::txtLonD},
    {"txtLonM", &InputForm::txtLonM},
    {"txtZoneHour", &InputForm::txtZoneHour},
    {"txtZoneMinute", &InputForm::txtZoneMinute},
}};

struct ListBox {
    std::string_view name;
    InputList list;
    int InputForm::*position;
};

constexpr std::array<ListBox, 6> kLists = {{
    {"cboMonth", InputList::Month, &InputForm::cboMonth},
    {"cboDate", InputList::Date, &InputForm::cboDate},
    {"cboYear", InputList::Year, &InputForm::cboYear},
    {"cboHH", InputList::Hour, &InputForm::cboHH},
    {"cboMM", InputList::Minute, &InputForm::cboMM},
    {"cboSS", InputList::Second, &InputForm::cboSS},
}};

struct OptionPair {
    std::string_view name;
    std::string_view button0;
    std::string_view button1;
    int InputForm::*chosen;
};

constexpr std::array<OptionPair, 2> kOptions = {{
    {"optLat", "North", "South", &InputForm::optLat},
    {"optLong", "East", "West", &InputForm::optLong},
}};

std::string_view TypeName(const QJsonValue& v) {
    switch (v.type()) {
        case QJsonValue::Null: return "null";
        case QJsonValue::Bool: return "a Boolean";
        case QJsonValue::Double: return "a number";
        case QJsonValue::String: return "a string";
        case QJsonValue::Array: return "an array";
        case QJsonValue::Object: return "an object";
        case QJsonValue::Undefined: break;
    }
    return "undefined";
}

std::string WrongType(std::string_view key, std::string_view wanted, const QJsonValue& v) {
    return std::string(key) + " must be " + std::string(wanted) + ", not " + std::string(TypeName(v));
}

// Applies one key of the line to the form; returns what is wrong, if anything.
std::optional<std::string> ApplyKey(InputForm& form, const std::string& key, const QJsonValue& value) {
    for (const auto& box : kTextBoxes) {
        if (box.name != key) continue;
        if (!value.isString()) return WrongType(key, "a string", value);
        form.*(box.text) = value.toString().toStdString();
        return std::nullopt;
    }
    for (const auto& list : kLists) {
        if (list.name != key) continue;
        if (!value.isString()) return WrongType(key, "a string (the text of a list entry)", value);
        const std::string text = value.toString().toStdString();
        const int position = ListFind(list.list, text);
        if (position < 0) return key + " holds no entry " + Quoted(text);
        form.*(list.position) = position;
        return std::nullopt;
    }
    for (const auto& pair : kOptions) {
        if (pair.name != key) continue;
        const std::string wanted =
            Quoted(pair.button0) + " or " + Quoted(pair.button1);
        if (!value.isString()) return WrongType(key, wanted, value);
        const std::string text = value.toString().toStdString();
        if (text == pair.button0) {
            form.*(pair.chosen) = 0;
        } else if (text == pair.button1) {
            form.*(pair.chosen) = 1;
        } else {
            std::string what = key;
            what += " must be ";
            what += wanted;
            what += ", not ";
            what += Quoted(text);
            return what;
        }
        return std::nullopt;
    }
    if (key == "chkDST") {
        if (!value.isDouble()) return WrongType(key, "0, 1 or 2", value);
        const double v = value.toDouble();
        if (v != 0 && v != 1 && v != 2) return std::string("chkDST must be 0, 1 or 2");
        form.chkDST = static_cast<int>(v);
        return std::nullopt;
    }
    return "unknown key " + Quoted(key);
}

}  // namespace

std::variant<InputForm, std::string> FormFromJsonLine(std::string_view line) {
    QJsonParseError error{};
    const QJsonDocument doc =
        QJsonDocument::fromJson(QByteArray(line.data(), static_cast<qsizetype>(line.size())), &error);
    if (error.error != QJsonParseError::NoError) {
        return "bad JSON at offset " + std::to_string(error.offset) + ": " +
               error.errorString().toStdString();
    }
    if (!doc.isObject()) return std::string("a line must be a JSON object");
    InputForm form;
    const QJsonObject object = doc.object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (auto wrong = ApplyKey(form, it.key().toStdString(), it.value())) return *wrong;
    }
    return form;
}

std::string ResultsLine(const ResultsPage& page) {
    std::string out;
    out.reserve(8192);  // a whole answer is a few kilobytes
    out += "{\"results\":{";
    bool first = true;
    for (const auto& control : ResultsControls()) {
        if (!first) out.push_back(',');
        first = false;
        AppendJsonString(out, control.name);
        out.push_back(':');
        AppendJsonString(out, page.*(control.text));
    }
    out += "}}";
    return out;
}

std::string RefusedLine(const Refusal& refusal) {
    std::string out = "{\"refused\":{\"message\":";
    AppendJsonString(out, refusal.message);
    out += ",\"focus\":";
    if (refusal.focus.empty()) {
        out += "null";
    } else {
        AppendJsonString(out, refusal.focus);
    }
    out += "}}";
    return out;
}

std::string ErrorLine(std::string_view what) {
    std::string out = "{\"error\":";
    AppendJsonString(out, what);
    out.push_back('}');
    return out;
}

std::string Session::ProcessLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.find_first_not_of(" \t\r") == std::string_view::npos) {
        hadError_ = true;
        return ErrorLine("empty line: expected a JSON object");
    }
    auto parsed = FormFromJsonLine(line);
    if (auto* what = std::get_if<std::string>(&parsed)) {
        hadError_ = true;
        return ErrorLine(*what);
    }
    // Whatever Qt did while reading the line, the calculation starts with clean
    // vector registers.
    ClearUpperVectorState();
    ResultsPage page;
    if (const auto refusal = RunCalculation(std::get<InputForm>(parsed), state_, page)) {
        return RefusedLine(*refusal);
    }
    return ResultsLine(page);
}

std::string ProcessLine(Session& session, std::string_view line) { return session.ProcessLine(line); }

namespace {

std::string TooLong() {
    return "line longer than " + std::to_string(kMaxLineBytes) + " bytes: skipped without being read";
}

}  // namespace

std::string Session::RejectLine(std::string_view what) {
    hadError_ = true;
    return ErrorLine(what);
}

namespace {

std::string Failure(std::string_view what, int error) {
    std::string text(what);
    if (error != 0) {
        text += ": ";
        text += std::strerror(error);
    }
    return text;
}

}  // namespace

JsonLinesEnd RunJsonLines(std::istream& in, std::ostream& out, Session& session, std::string_view inputName) {
    JsonLinesEnd end;
    // The output is flushed here, when no input is waiting; a stream tied to
    // the input (std::cin to std::cout) would flush it inside the read, where a
    // failed write would go unnoticed until after one more calculation.
    struct Untie {
        std::istream& in;
        std::ostream* tied = in.tie(nullptr);
        ~Untie() { in.tie(tied); }
    } untie{in};
    const auto readFailed = [&] {
        end.status = 3;
        end.failure = Failure("cannot read " + std::string(inputName), errno);
        return end;
    };
    const auto writeFailed = [&] {
        end.status = 3;
        end.failure = Failure("cannot write the output", errno);
        return end;
    };
    // Room for one byte more than the limit, so that an over-long line shows
    // itself; the rest of such a line is skipped, never stored.
    std::vector<char> buffer(kMaxLineBytes + 2);
    const auto capacity = static_cast<std::streamsize>(buffer.size());
    while (true) {
        errno = 0;
        in.getline(buffer.data(), capacity);
        if (in.bad()) return readFailed();
        const std::streamsize taken = in.gcount();
        std::string answer;
        if (in.fail() && !in.eof()) {
            // The buffer filled up before the line ended.
            in.clear();
            in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
            if (in.bad()) return readFailed();
            answer = session.RejectLine(TooLong());
        } else if (taken == 0 && in.eof()) {
            break;  // the end of the input, after the last line end
        } else {
            // getline counts the line end it removed; at the end of the input there is none.
            const auto length = static_cast<std::size_t>(in.eof() ? taken : taken - 1);
            answer = length > kMaxLineBytes ? session.RejectLine(TooLong())
                                            : session.ProcessLine(std::string_view(buffer.data(), length));
        }
        errno = 0;
        out << answer << '\n';
        if (out && in.rdbuf()->in_avail() <= 0) out.flush();
        if (!out) return writeFailed();
        if (in.eof()) break;
    }
    errno = 0;
    out.flush();
    if (!out) return writeFailed();
    end.status = session.HadError() ? 1 : 0;
    return end;
}

}  // namespace velmora
