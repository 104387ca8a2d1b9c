#include "places/lookup/ZoneClock.h"

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>

#include <cmath>

namespace velmora {

namespace {

constexpr double kUnixEpochJd = 2440587.5;

class DatabaseZone final : public DayZone {
public:
    DatabaseZone(QTimeZone zone, std::string id) : zone_(std::move(zone)), id_(std::move(id)) {}

    double OffsetHours(double jdUt) const override {
        const double seconds = std::floor((jdUt - kUnixEpochJd) * 86400);
        // Outside what QDateTime holds comfortably (years 1000..3000 and a
        // margin), the offset of the nearest end.
        constexpr double kLowest = -31'000'000'000.0;
        constexpr double kHighest = 32'600'000'000.0;
        const double clamped = std::isfinite(seconds) ? std::fmin(std::fmax(seconds, kLowest), kHighest) : 0;
        const QDateTime at = QDateTime::fromSecsSinceEpoch(static_cast<qint64>(clamped), Qt::UTC);
        return zone_.offsetFromUtc(at) / 3600.0;
    }

    std::string Name() const override { return id_; }

private:
    QTimeZone zone_;
    std::string id_;
};

}  // namespace

std::unique_ptr<DayZone> ZoneClock(const std::string& zoneId) {
    if (zoneId.empty()) return nullptr;
    QTimeZone zone(QByteArray::fromStdString(zoneId));
    if (!zone.isValid()) return nullptr;
    return std::make_unique<DatabaseZone>(std::move(zone), zoneId);
}

}  // namespace velmora
