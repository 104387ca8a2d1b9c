#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

#include "places/PlaceEntries.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QCompleter;
class QLineEdit;
class QStandardItemModel;
class QWidget;

namespace velmora {

class MessageBoxes;

// Offers places from the gazetteer while the City box is typed in (city,
// state, country, most populous first). Choosing one fills City, State,
// Country, the coordinates with their hemispheres and the zone boxes with DST
// for the date and time in the window; while those boxes still hold what it
// wrote, a change of date or time moves the zone with it. A clock the
// window's model cannot hold is said in a message, and so is a DST box ticked
// only to hold the clock (Madrid in winter). Places found by a former name
// are offered as "Mumbai (Bombay), Maharashtra, India". Every box stays editable.
//
// It finds the input window's controls by their names; without them it does
// nothing.
class PlaceCompleter : public QObject {
    Q_OBJECT
public:
    PlaceCompleter(const PlaceDirectory& directory, MessageBoxes& messages, QWidget* window);
    ~PlaceCompleter() override;

    // The texts offered for what is in the City box now.
    QStringList Offered() const;
    QCompleter* Completer() const { return completer_; }

    // Fills the window from the offered place in `row`, as choosing it does.
    void Choose(int row);

    // The place last chosen, while the zone follows the date for it.
    const std::optional<Place>& Chosen() const { return chosen_; }

    // At most this many places are offered at once.
    static constexpr std::size_t MaxOffered = 25;

private:
    void Offer(const QString& typed);
    void FollowDate();
    LocalMoment Moment() const;
    PlaceEntries EntriesInWindow() const;
    void WriteZone(const PlaceEntries& entries);
    bool ZoneAsWritten() const;
    void Warn(const ClockOnDate& clock, const PlaceEntries& entries);

    const PlaceDirectory& directory_;
    MessageBoxes& messages_;
    QPointer<QWidget> window_;
    QCompleter* completer_ = nullptr;
    QStandardItemModel* model_ = nullptr;
    std::vector<Place> offered_;
    std::optional<Place> chosen_;
    std::string lastWarning_;

    QLineEdit* city_ = nullptr;
    QLineEdit* state_ = nullptr;
    QLineEdit* country_ = nullptr;
    QLineEdit* latD_ = nullptr;
    QLineEdit* latM_ = nullptr;
    QLineEdit* lonD_ = nullptr;
    QLineEdit* lonM_ = nullptr;
    QLineEdit* zoneHour_ = nullptr;
    QLineEdit* zoneMinute_ = nullptr;
    QButtonGroup* optLat_ = nullptr;
    QButtonGroup* optLong_ = nullptr;
    QCheckBox* dst_ = nullptr;
    QComboBox* month_ = nullptr;
    QComboBox* day_ = nullptr;
    QComboBox* year_ = nullptr;
    QComboBox* hour_ = nullptr;
    QComboBox* minute_ = nullptr;

    // What the completer last wrote into the window, to tell a hand edit.
    QString writtenCity_, writtenLonD_, writtenLonM_, writtenHour_, writtenMinute_;
    int writtenLong_ = -1;
    bool writtenDst_ = false;
};

}  // namespace velmora
