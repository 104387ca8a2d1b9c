#include "places/lookup/ZoneClock.h"

#include "shared/VectorState.h"

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>

#include <cmath>
#include <limits>

namespace velmora {

namespace {

constexpr double kUnixEpochJd = 2440587.5;

class DatabaseZone final : public DayZone {
public:
    DatabaseZone(const QTimeZone& zone, std::string id) : zone_(zone), id_(std::move(id)) {}

    double OffsetHours(double jdUt) const override {
        const double seconds = std::floor((jdUt - kUnixEpochJd) * 86400);
        // Outside what QDateTime holds comfortably (years 1000..3000 and a
        // margin), the offset of the nearest end.
        constexpr double kLowest = -31'000'000'000.0;
        constexpr double kHighest = 32'600'000'000.0;
        const auto at = static_cast<qint64>(std::isfinite(seconds) ? std::fmin(std::fmax(seconds, kLowest), kHighest) : 0);
        // The database is slow to ask: the offset is kept with the stretch
        // between the transitions around the moment asked about.
        if (!(at >= from_ && at < to_)) {
            const QDateTime when = QDateTime::fromSecsSinceEpoch(at, Qt::UTC);
            offsetSeconds_ = zone_.offsetFromUtc(when);
            const QTimeZone::OffsetData before = zone_.previousTransition(when.addSecs(1));
            const QTimeZone::OffsetData after = zone_.nextTransition(when);
            // No transition before or after: the offset holds all the way.
            from_ = before.atUtc.isValid() ? before.atUtc.toSecsSinceEpoch() : std::numeric_limits<qint64>::min();
            to_ = after.atUtc.isValid() ? after.atUtc.toSecsSinceEpoch() : std::numeric_limits<qint64>::max();
            if (from_ > at || to_ <= at) {  // a database that answers oddly: keep only this second
                from_ = at;
                to_ = at + 1;
            }
            // Qt's time-zone code leaves the vector registers in the state
            // that slows the calculation's SSE code several times (VectorState.h).
            ClearUpperVectorState();
        }
        return offsetSeconds_ / 3600.0;
    }

    std::string Name() const override { return id_; }

private:
    QTimeZone zone_;
    std::string id_;
    // The stretch [from_, to_) of UTC seconds over which offsetSeconds_ holds.
    mutable qint64 from_ = 1;
    mutable qint64 to_ = 0;
    mutable int offsetSeconds_ = 0;
};

}  // namespace

std::unique_ptr<DayZone> ZoneClock(const std::string& zoneId) {
    if (zoneId.empty()) return nullptr;
    QTimeZone zone(QByteArray::fromStdString(zoneId));
    const bool known = zone.isValid();
    ClearUpperVectorState();
    if (!known) return nullptr;
    return std::make_unique<DatabaseZone>(zone, zoneId);
}

}  // namespace velmora
