#include "places/lookup/IsoRegions.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <array>
#include <string_view>

#include "places/Place.h"
#include "places/lookup/PlaceText.h"

namespace velmora {

namespace {

struct ShortForm {
    const char* text;  // folded
    const char* code;
};
// Names people write for a country that iso-codes lists under another: its
// names are the formal ones ("United Kingdom", "Netherlands", "Myanmar").
constexpr std::array<ShortForm, 8> kCountryShortForms = {{
    {"uk", "GB"},
    {"britain", "GB"},
    {"great britain", "GB"},
    {"america", "US"},
    {"holland", "NL"},
    {"burma", "MM"},
    {"ivory coast", "CI"},
    {"east timor", "TL"},
}};

struct FormerState {
    const char* text;     // folded
    const char* country;  // ISO 3166-1
    const char* current;  // the name now
};
// States renamed since the records people still hold were written (Government
// of India gazette notifications: Orissa 2011, Uttaranchal 2007, Pondicherry
// 2006).
constexpr std::array<FormerState, 3> kFormerStates = {{
    {"orissa", "IN", "Odisha"},
    {"uttaranchal", "IN", "Uttarakhand"},
    {"pondicherry", "IN", "Puducherry"},
}};

QJsonArray ReadArray(const std::string& path, const char* key) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QJsonDocument::fromJson(file.readAll()).object().value(QLatin1String(key)).toArray();
}

QString Folded(const QJsonObject& o, const char* key) {
    return FoldedPlaceText(o.value(QLatin1String(key)).toString().toStdString());
}

// Letters and digits alone: "U.S.A." reads as "usa".
QString Compact(const QString& folded) { return PlaceWords(folded).join(QString()); }

}  // namespace

IsoRegions::IsoRegions(std::string folder) : folder_(std::move(folder)) {}

QString IsoRegions::StateKey(const std::string& name) {
    static const std::array<QString, 19> generic = {
        QStringLiteral("state"),     QStringLiteral("of"),         QStringLiteral("the"),
        QStringLiteral("province"),  QStringLiteral("region"),     QStringLiteral("city"),
        QStringLiteral("municipality"), QStringLiteral("national"), QStringLiteral("capital"),
        QStringLiteral("territory"), QStringLiteral("autonomous"), QStringLiteral("community"),
        QStringLiteral("prefecture"), QStringLiteral("governorate"), QStringLiteral("department"),
        QStringLiteral("oblast"),    QStringLiteral("district"),   QStringLiteral("county"),
        QStringLiteral("metropolitan")};
    QStringList words = PlaceWords(FoldedPlaceText(ShortStateName(name)));
    words.removeIf([](const QString& w) { return std::find(generic.begin(), generic.end(), w) != generic.end(); });
    words.sort();
    return words.join(QLatin1Char(' '));
}

void IsoRegions::Load() const {
    for (const QJsonValue v : ReadArray(folder_ + "/iso_3166-1.json", "3166-1")) {
        const QJsonObject o = v.toObject();
        Country c;
        c.code = o.value(QLatin1String("alpha_2")).toString().toStdString();
        if (c.code.size() != 2) continue;
        c.alpha2 = Folded(o, "alpha_2");
        c.alpha3 = Folded(o, "alpha_3");
        for (const char* key : {"name", "common_name", "official_name"}) {
            if (QString name = Folded(o, key); !name.isEmpty()) c.names.push_back(std::move(name));
        }
        countries_.push_back(std::move(c));
    }
    for (const QJsonValue v : ReadArray(folder_ + "/iso_3166-2.json", "3166-2")) {
        const QJsonObject o = v.toObject();
        Subdivision s;
        s.code = Folded(o, "code");
        const qsizetype dash = s.code.indexOf(QLatin1Char('-'));
        if (dash != 2) continue;
        s.country = s.code.left(2).toUpper().toStdString();
        s.suffix = s.code.mid(3);
        s.compactCode = Compact(s.code);  // once here, not on every question
        s.key = StateKey(o.value(QLatin1String("name")).toString().toStdString());
        subdivisions_.push_back(std::move(s));
    }
}

bool IsoRegions::Loaded() const {
    std::call_once(loaded_, [this] { Load(); });
    return !countries_.empty();
}

IsoRegions::Meaning IsoRegions::Read(const QString& folded) const {
    Meaning meaning;
    if (folded.isEmpty()) return meaning;
    std::call_once(loaded_, [this] { Load(); });
    const QString compact = Compact(folded);
    auto addCountry = [&meaning](const std::string& code) {
        if (std::find(meaning.countries.begin(), meaning.countries.end(), code) == meaning.countries.end()) {
            meaning.countries.push_back(code);
        }
    };
    for (const Country& c : countries_) {
        const bool named = std::any_of(c.names.begin(), c.names.end(),
                                       [&folded](const QString& name) { return name.startsWith(folded); });
        if (named || compact == c.alpha2 || compact == c.alpha3) addCountry(c.code);
    }
    for (const ShortForm& s : kCountryShortForms) {
        if (folded == QLatin1String(s.text) || compact == QLatin1String(s.text)) addCountry(s.code);
    }
    for (const Subdivision& s : subdivisions_) {
        if (compact == s.suffix || compact == s.compactCode) meaning.states.emplace_back(s.country, s.key);
    }
    for (const FormerState& s : kFormerStates) {
        if (QLatin1String(s.text).startsWith(folded)) meaning.states.emplace_back(s.country, StateKey(s.current));
    }
    return meaning;
}

}  // namespace velmora
