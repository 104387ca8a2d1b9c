#include "places/gui/PlaceCompleter.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QWidget>

#include <algorithm>

#include "gui/MessageBoxes.h"
#include "places/lookup/ZoneOnDate.h"

namespace velmora {

namespace {

// The row's place, as its position in offered_.
constexpr int kPlaceRole = Qt::UserRole + 1;
// What choosing the row puts into the City box: the name alone.
constexpr int kCityRole = Qt::UserRole + 2;

QString Q(const std::string& s) { return QString::fromStdString(s); }

template <typename T>
T* Find(QWidget* window, const char* name) {
    return window->findChild<T*>(QString::fromLatin1(name));
}

int Number(const QComboBox* list) {
    bool ok = false;
    const int n = list->currentText().trimmed().toInt(&ok);
    return ok ? n : -1;
}

}  // namespace

PlaceCompleter::PlaceCompleter(const PlaceDirectory& directory, MessageBoxes& messages, QWidget* window)
    : QObject(window), directory_(directory), messages_(messages), window_(window) {
    city_ = Find<QLineEdit>(window, "txtMCity");
    state_ = Find<QLineEdit>(window, "txtMState");
    country_ = Find<QLineEdit>(window, "txtMCountry");
    latD_ = Find<QLineEdit>(window, "txtLatD");
    latM_ = Find<QLineEdit>(window, "txtLatM");
    lonD_ = Find<QLineEdit>(window, "txtLonD");
    lonM_ = Find<QLineEdit>(window, "txtLonM");
    zoneHour_ = Find<QLineEdit>(window, "txtZoneHour");
    zoneMinute_ = Find<QLineEdit>(window, "txtZoneMinute");
    optLat_ = Find<QButtonGroup>(window, "optLat");
    optLong_ = Find<QButtonGroup>(window, "optLong");
    dst_ = Find<QCheckBox>(window, "chkDST");
    month_ = Find<QComboBox>(window, "cboMonth");
    day_ = Find<QComboBox>(window, "cboDate");
    year_ = Find<QComboBox>(window, "cboYear");
    hour_ = Find<QComboBox>(window, "cboHH");
    minute_ = Find<QComboBox>(window, "cboMM");
    const bool complete = city_ && state_ && country_ && latD_ && latM_ && lonD_ && lonM_ && zoneHour_ &&
                          zoneMinute_ && optLat_ && optLong_ && dst_ && month_ && day_ && year_ && hour_ &&
                          minute_ && optLat_->button(1) && optLong_->button(1);
    if (!complete) return;

    model_ = new QStandardItemModel(this);
    completer_ = new QCompleter(model_, this);
    completer_->setObjectName(QStringLiteral("cmpMCity"));
    // The directory has already matched and ordered the places.
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setCompletionRole(kCityRole);
    completer_->setMaxVisibleItems(10);
    completer_->setWidget(city_);
    completer_->popup()->setObjectName(QStringLiteral("lstMCityPlaces"));

    connect(city_, &QLineEdit::textEdited, this, [this](const QString& text) { Offer(text); });
    connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this, [this](const QModelIndex& index) {
        bool ok = false;
        const int row = index.data(kPlaceRole).toInt(&ok);
        if (ok) Choose(row);
    });
    for (QComboBox* list : {month_, day_, year_, hour_, minute_}) {
        connect(list, &QComboBox::currentIndexChanged, this, [this] { FollowDate(); });
    }
}

PlaceCompleter::~PlaceCompleter() = default;

QStringList PlaceCompleter::Offered() const {
    QStringList labels;
    if (model_ == nullptr) return labels;
    for (int row = 0; row < model_->rowCount(); ++row) labels.append(model_->item(row)->text());
    return labels;
}

void PlaceCompleter::Offer(const QString& typed) {
    if (model_ == nullptr) return;
    model_->clear();
    offered_.clear();
    const ParsedPlaceText parsed = ParsePlaceText(typed.toStdString());
    if (parsed.problem.empty()) offered_ = directory_.Find(parsed.query, MaxOffered);
    for (std::size_t i = 0; i < offered_.size(); ++i) {
        auto* item = new QStandardItem(Q(PlaceLabel(offered_[i])));
        item->setData(static_cast<int>(i), kPlaceRole);
        item->setData(Q(offered_[i].name), kCityRole);
        item->setEditable(false);
        model_->appendRow(item);
    }
    if (offered_.empty()) {
        completer_->popup()->hide();
        return;
    }
    // As wide as the longest "city, state, country", never narrower than the box.
    QAbstractItemView* popup = completer_->popup();
    const int width = popup->sizeHintForColumn(0) + popup->verticalScrollBar()->sizeHint().width() +
                      2 * popup->frameWidth() + 8;
    completer_->complete(QRect(0, 0, std::max(width, city_->width()), city_->height()));
}

LocalMoment PlaceCompleter::Moment() const {
    LocalMoment m;
    m.month = month_->currentIndex() + 1;
    m.day = Number(day_);
    m.year = Number(year_);
    m.hour = Number(hour_);
    m.minute = Number(minute_);
    return m;
}

PlaceEntries PlaceCompleter::EntriesInWindow() const {
    PlaceEntries e;
    e.txtLonD = lonD_->text().toStdString();
    e.txtLonM = lonM_->text().toStdString();
    e.optLong = optLong_->checkedId() == 1 ? 1 : 0;
    return e;
}

void PlaceCompleter::Choose(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= offered_.size()) return;
    const Place place = offered_[static_cast<std::size_t>(row)];
    const std::optional<ClockOnDate> clock = ClockOnLocalDate(place.zoneId, Moment());
    if (!clock) {
        // Coordinates without a zone would invite a wrong calculation.
        messages_.Show("The time-zone database has no zone " + place.zoneId + " for " + PlaceLabel(place) +
                           "; enter the zone by hand.",
                       MessageIcon::Information);
    }
    const PlaceEntries e = PlaceEntriesFor(place, clock.value_or(ClockOnDate{}));
    city_->setText(Q(e.txtMCity));
    state_->setText(Q(e.txtMState));
    country_->setText(Q(e.txtMCountry));
    latD_->setText(Q(e.txtLatD));
    latM_->setText(Q(e.txtLatM));
    optLat_->button(e.optLat)->setChecked(true);
    lonD_->setText(Q(e.txtLonD));
    lonM_->setText(Q(e.txtLonM));
    optLong_->button(e.optLong)->setChecked(true);
    writtenCity_ = city_->text();
    writtenLonD_ = lonD_->text();
    writtenLonM_ = lonM_->text();
    writtenLong_ = e.optLong;
    chosen_.reset();
    if (!clock) return;
    WriteZone(e);
    chosen_ = place;
    lastWarning_ = "0/";  // a normal time on a clock that fits: nothing to say
    Warn(*clock, e);
}

void PlaceCompleter::WriteZone(const PlaceEntries& e) {
    zoneHour_->setText(Q(e.txtZoneHour));
    zoneMinute_->setText(Q(e.txtZoneMinute));
    dst_->setCheckState(e.chkDST != 0 ? Qt::Checked : Qt::Unchecked);
    writtenHour_ = zoneHour_->text();
    writtenMinute_ = zoneMinute_->text();
    writtenDst_ = e.chkDST != 0;
}

bool PlaceCompleter::ZoneAsWritten() const {
    return city_->text() == writtenCity_ && lonD_->text() == writtenLonD_ && lonM_->text() == writtenLonM_ &&
           optLong_->checkedId() == writtenLong_ && zoneHour_->text() == writtenHour_ &&
           zoneMinute_->text() == writtenMinute_ && (dst_->checkState() != Qt::Unchecked) == writtenDst_;
}

void PlaceCompleter::FollowDate() {
    if (!chosen_) return;
    // A box changed by hand since: the place is no longer the chooser's to follow.
    if (!ZoneAsWritten()) {
        chosen_.reset();
        return;
    }
    const LocalMoment moment = Moment();
    const std::optional<ClockOnDate> clock = ClockOnLocalDate(chosen_->zoneId, moment);
    if (!clock) return;
    PlaceEntries e = EntriesInWindow();
    FillZone(e, *clock);
    WriteZone(e);
    Warn(*clock, e);
}

void PlaceCompleter::Warn(const ClockOnDate& clock, const PlaceEntries& e) {
    // Said once for a place, and again only when what there is to say changes,
    // so that stepping through dates does not raise a box at every step.
    const LocalMoment moment = Moment();
    std::string text = LocalTimeNote(clock, moment);
    const std::string more[] = {ClockWarning(*chosen_, clock, moment, e), DstBoxNote(*chosen_, clock, moment, e)};
    for (const std::string& sentence : more) {
        if (!sentence.empty()) text += (text.empty() ? "" : "\n\n") + sentence;
    }
    const std::string key = std::to_string(static_cast<int>(clock.kind)) + "/" +
                            (e.zone.fits ? std::string() : std::to_string(e.zone.offBySeconds)) +
                            (e.zone.dstForOffset ? "/dst" : "");
    if (key == lastWarning_) return;
    lastWarning_ = key;
    if (!text.empty()) messages_.Show(text, MessageIcon::Information);
}

}  // namespace velmora
