#include "report/ReportSession.h"

#include "chart/Chart.h"
#include "report/ChartJson.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <istream>
#include <limits>
#include <map>
#include <ostream>
#include <vector>

#include "input/CalculationDriver.h"
#include "report/JsonText.h"
#include "report/PlainJsonLine.h"
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

// One value of the line's object as far as the form cares: its kind, and
// its text or number where it has one. Arrays and objects are never a form
// value, so their contents are not kept.
struct LineValue {
    enum class Kind { Null, Boolean, Number, String, Array, Object };
    Kind kind = Kind::Null;
    std::string text;
    double number = 0;
};

std::string_view TypeName(const LineValue& v) {
    switch (v.kind) {
        case LineValue::Kind::Null: return "null";
        case LineValue::Kind::Boolean: return "a Boolean";
        case LineValue::Kind::Number: return "a number";
        case LineValue::Kind::String: return "a string";
        case LineValue::Kind::Array: return "an array";
        case LineValue::Kind::Object: return "an object";
    }
    return "undefined";
}

std::string WrongType(std::string_view key, std::string_view wanted, const LineValue& v) {
    return std::string(key) + " must be " + std::string(wanted) + ", not " + std::string(TypeName(v));
}

// Reads one line with nlohmann-json's event parser into the keys of its
// top-level object, in key order with the last of a repeated key kept (what
// the reader has always done), holding no more of nested values than their
// kind. The event parser keeps its own stack, so deep nesting costs no
// recursion.
class LineReader {
public:
    using json = nlohmann::json;

    bool null() { return Value(LineValue{LineValue::Kind::Null, {}, 0}); }
    bool boolean(bool) { return Value(LineValue{LineValue::Kind::Boolean, {}, 0}); }
    bool number_integer(json::number_integer_t v) {
        return Value(LineValue{LineValue::Kind::Number, {}, static_cast<double>(v)});
    }
    bool number_unsigned(json::number_unsigned_t v) {
        return Value(LineValue{LineValue::Kind::Number, {}, static_cast<double>(v)});
    }
    bool number_float(json::number_float_t v, const json::string_t&) {
        return Value(LineValue{LineValue::Kind::Number, {}, v});
    }
    bool string(json::string_t& v) { return Value(LineValue{LineValue::Kind::String, std::move(v), 0}); }
    bool binary(json::binary_t&) { return Value(LineValue{LineValue::Kind::Null, {}, 0}); }
    bool start_object(std::size_t) { return Open(LineValue::Kind::Object); }
    bool end_object() { return Close(); }
    bool start_array(std::size_t) { return Open(LineValue::Kind::Array); }
    bool end_array() { return Close(); }
    bool key(json::string_t& k) {
        if (depth_ == 1) key_ = std::move(k);
        return true;
    }
    bool parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception& ex) {
        error_ = "bad JSON at offset " + std::to_string(position > 0 ? position - 1 : 0) + ": " +
                 Reason(ex.what());
        return false;
    }

    // What is wrong with the line's syntax, if anything.
    const std::optional<std::string>& Error() const { return error_; }
    bool IsObject() const { return topIsObject_; }
    const std::map<std::string, LineValue>& Keys() const { return keys_; }

private:
    bool Value(LineValue v) {
        if (depth_ == 1 && topIsObject_) keys_[key_] = std::move(v);
        return true;
    }
    bool Open(LineValue::Kind kind) {
        if (depth_ == 0) topIsObject_ = kind == LineValue::Kind::Object;
        if (depth_ == 1 && topIsObject_) keys_[key_] = LineValue{kind, {}, 0};
        ++depth_;
        openArrays_.push_back(kind == LineValue::Kind::Array);
        return true;
    }
    bool Close() {
        --depth_;
        openArrays_.pop_back();
        return true;
    }

    // A short reason in the words the tool has always used, from the
    // parser's message ("… while parsing <where> - <what>; expected …").
    std::string Reason(std::string_view message) const {
        const auto has = [&](std::string_view part) { return message.find(part) != std::string_view::npos; };
        const bool atEnd = has("unexpected end of input");
        if (has("; expected end of input")) return "garbage at the end of the document";
        if (has("ill-formed UTF-8")) return "invalid UTF8 string";
        if (has("missing closing quote")) return "unterminated string";
        if (has("invalid string")) return "invalid string or escape sequence";
        if (has("invalid number") || has("number overflow")) return "illegal number";
        if (has("invalid literal")) return "illegal value";
        if (has("parsing object key")) {
            if (atEnd) return "unterminated object";
            return has("unexpected '}'") ? "object is missing after a comma" : "expected a key (a string)";
        }
        if (has("parsing object separator")) return "missing name separator";
        if (has("parsing object -")) return atEnd ? "unterminated object" : "missing value separator";
        if (has("parsing array -")) return atEnd ? "unterminated array" : "missing value separator";
        if (atEnd && !openArrays_.empty()) return openArrays_.back() ? "unterminated array" : "unterminated object";
        return "illegal value";
    }

    int depth_ = 0;
    std::vector<bool> openArrays_;  // for each open value, whether it is an array
    bool topIsObject_ = false;
    std::string key_;
    std::map<std::string, LineValue> keys_;
    std::optional<std::string> error_;
};

// One value as ApplyKey reads it: a view of a LineValue or of a plain line's member.
struct ValueView {
    LineValue::Kind kind;
    std::string_view text;
    double number;
};

std::string WrongType(std::string_view key, std::string_view wanted, const ValueView& v) {
    return WrongType(key, wanted, LineValue{v.kind, {}, 0});
}

// Applies one key of the line to the form; returns what is wrong, if anything.
std::optional<std::string> ApplyKey(InputForm& form, std::string_view key, const ValueView& value) {
    for (const auto& box : kTextBoxes) {
        if (box.name != key) continue;
        if (value.kind != LineValue::Kind::String) return WrongType(key, "a string", value);
        form.*(box.text) = value.text;
        return std::nullopt;
    }
    for (const auto& list : kLists) {
        if (list.name != key) continue;
        if (value.kind != LineValue::Kind::String) return WrongType(key, "a string (the text of a list entry)", value);
        const std::string_view text = value.text;
        const int position = ListFind(list.list, text);
        if (position < 0) return std::string(key) + " holds no entry " + Quoted(text);
        form.*(list.position) = position;
        return std::nullopt;
    }
    for (const auto& pair : kOptions) {
        if (pair.name != key) continue;
        const std::string wanted =
            Quoted(pair.button0) + " or " + Quoted(pair.button1);
        if (value.kind != LineValue::Kind::String) return WrongType(key, wanted, value);
        const std::string_view text = value.text;
        if (text == pair.button0) {
            form.*(pair.chosen) = 0;
        } else if (text == pair.button1) {
            form.*(pair.chosen) = 1;
        } else {
            std::string what(key);
            what += " must be ";
            what += wanted;
            what += ", not ";
            what += Quoted(text);
            return what;
        }
        return std::nullopt;
    }
    if (key == "chkDST") {
        if (value.kind != LineValue::Kind::Number) return WrongType(key, "0, 1 or 2", value);
        const double v = value.number;
        if (v != 0 && v != 1 && v != 2) return std::string("chkDST must be 0, 1 or 2");
        form.chkDST = static_cast<int>(v);
        return std::nullopt;
    }
    return "unknown key " + Quoted(key);
}

// The form of a line of the plain shape (report/PlainJsonLine.h), exactly as
// the general reader makes it: keys applied in key order, the last of a
// repeated key kept.
std::variant<InputForm, std::string> FormFromPlainLine(PlainJsonLine& line) {
    auto* members = line.members.data();
    // Insertion sort, stable: a handful of members, nothing allocated.
    for (std::size_t i = 1; i < line.count; ++i) {
        const PlainMember m = members[i];
        std::size_t j = i;
        for (; j > 0 && m.key < members[j - 1].key; --j) members[j] = members[j - 1];
        members[j] = m;
    }
    InputForm form;
    for (std::size_t i = 0; i < line.count; ++i) {
        if (i + 1 < line.count && members[i + 1].key == members[i].key) continue;  // a later one wins
        const PlainMember& m = members[i];
        const ValueView value{m.isString ? LineValue::Kind::String : LineValue::Kind::Number, m.text, m.number};
        if (auto wrong = ApplyKey(form, m.key, value)) return *wrong;
    }
    return form;
}

}  // namespace

namespace {

// The value of four hex digits at s[i], or -1.
int Hex4(std::string_view s, std::size_t i) {
    if (i + 4 > s.size()) return -1;
    int v = 0;
    for (std::size_t k = i; k < i + 4; ++k) {
        const char c = s[k];
        int d = -1;
        if (c >= '0' && c <= '9') d = c - '0';
        if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
        if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
        if (d < 0) return -1;
        v = v * 16 + d;
    }
    return v;
}

// A \u escape of half a surrogate pair without its other half has always been
// read as U+FFFD (a name pasted from a broken source still echoes); the
// parser refuses it, so such escapes become \ufffd first, in place (the same
// length, so offsets in messages stay right). Returns nothing when the line
// has none, the usual case.
std::optional<std::string> WithLoneSurrogatesReplaced(std::string_view line) {
    std::optional<std::string> fixed;
    bool inString = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (!inString) {
            inString = c == '"';
            continue;
        }
        if (c == '"') {
            inString = false;
            continue;
        }
        if (c != '\\' || i + 1 >= line.size()) continue;
        if (line[i + 1] != 'u') {
            ++i;  // a two-character escape
            continue;
        }
        const int unit = Hex4(line, i + 2);
        if (unit < 0xD800 || unit > 0xDFFF) {
            i += 1;
            continue;
        }
        const bool high = unit <= 0xDBFF;
        const bool paired = high && i + 7 < line.size() && line[i + 6] == '\\' && line[i + 7] == 'u' &&
                            Hex4(line, i + 8) >= 0xDC00 && Hex4(line, i + 8) <= 0xDFFF;
        if (paired) {
            i += 11;
            continue;
        }
        if (!fixed) fixed.emplace(line);
        fixed->replace(i, 6, "\\ufffd");
        i += 5;
    }
    return fixed;
}

}  // namespace

std::variant<InputForm, std::string> FormFromJsonLine(std::string_view line) {
    // Nearly every line is a flat object of plain strings: read in one pass.
    PlainJsonLine plain;
    if (ReadPlainJsonLine(line, plain)) return FormFromPlainLine(plain);
    const auto repaired = WithLoneSurrogatesReplaced(line);
    if (repaired) line = *repaired;
    LineReader reader;
    const bool whole = nlohmann::json::sax_parse(line.begin(), line.end(), &reader);
    if (!whole) return reader.Error().value_or("bad JSON");
    if (!reader.IsObject()) return std::string("a line must be a JSON object");
    InputForm form;
    for (const auto& [key, value] : reader.Keys()) {
        if (auto wrong = ApplyKey(form, key, ValueView{value.kind, value.text, value.number})) return *wrong;
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
    // Whatever ran before (a library's string routines, say), the calculation
    // starts with clean vector registers.
    ClearUpperVectorState();
    ResultsPage page;
    if (const auto refusal = RunCalculation(std::get<InputForm>(parsed), state_, page)) {
        return RefusedLine(*refusal);
    }
    if (!chart_) return ResultsLine(page);
    return ResultsWithChartLine(page, ChartOf(state_.birth, *chart_));
}

std::string ResultsWithChartLine(const ResultsPage& page, const std::optional<BirthChart>& chart) {
    std::string out = ResultsLine(page);
    out.pop_back();  // the closing brace of the line's object
    out += ",\"chart\":";
    out += chart ? ChartJson(*chart) : std::string("null");
    out.push_back('}');
    return out;
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
    // Room for the limit, a carriage return before the line end (a line of
    // the limit from Windows) and one byte more, so that an over-long line
    // shows itself; the rest of such a line is skipped, never stored.
    std::vector<char> buffer(kMaxLineBytes + 3);
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
            // A line ending in CRLF counts as long as the same line with LF.
            const std::size_t counted = length > 0 && buffer[length - 1] == '\r' ? length - 1 : length;
            answer = counted > kMaxLineBytes ? session.RejectLine(TooLong())
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
