#include "places/lookup/ZoneOnDate.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QTime>
#include <QTimeZone>

#include <algorithm>
#include <vector>

namespace velmora {

namespace {

int OffsetAt(const QTimeZone& zone, qint64 utcSeconds) {
    return zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(utcSeconds, Qt::UTC));
}

// The zone's standard offset at an instant, lowered to any negative-DST
// offset in force during the same year.
int StandardAt(const QTimeZone& zone, qint64 utcSeconds, int year) {
    const QDateTime at = QDateTime::fromSecsSinceEpoch(utcSeconds, Qt::UTC);
    int standard = zone.offsetData(at).standardTimeOffset;
    const QDateTime from(QDate(year, 1, 1).addDays(-1), QTime(0, 0), Qt::UTC);
    const QDateTime to(QDate(year, 12, 31).addDays(1), QTime(0, 0), Qt::UTC);
    QTimeZone::OffsetDataList periods = zone.transitions(from, to);
    periods.append(zone.offsetData(from));
    for (const QTimeZone::OffsetData& period : periods) {
        if (period.daylightTimeOffset < 0) standard = std::min(standard, period.offsetFromUtc);
    }
    return standard;
}

}  // namespace

std::optional<ClockOnDate> ClockOnLocalDate(const std::string& zoneId, const LocalMoment& moment) {
    if (zoneId.empty()) return std::nullopt;
    const QTimeZone zone(QByteArray::fromStdString(zoneId));
    if (!zone.isValid()) return std::nullopt;
    if (moment.month < 1 || moment.month > 12 || moment.day < 1 || moment.day > 31 || moment.hour < 0 ||
        moment.hour > 23 || moment.minute < 0 || moment.minute > 59) {
        return std::nullopt;
    }
    const QDate first(moment.year, moment.month, 1);
    if (!first.isValid()) return std::nullopt;
    const QDate date = first.addDays(moment.day - 1);
    // The local clock reading counted as if it were UT; the instant is this
    // minus the offset in force, which is what we are looking for.
    const qint64 local = QDateTime(date, QTime(moment.hour, moment.minute), Qt::UTC).toSecsSinceEpoch();

    // Offsets that could apply: those in force a couple of days either side,
    // and those in force at the instants they give.
    constexpr qint64 kTwoDays = 2 * 86400;
    std::vector<int> candidates = {OffsetAt(zone, local - kTwoDays), OffsetAt(zone, local + kTwoDays)};
    for (const int o : std::vector<int>(candidates)) candidates.push_back(OffsetAt(zone, local - o));
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());

    std::vector<int> readings;
    for (const int o : candidates) {
        if (OffsetAt(zone, local - o) == o) readings.push_back(o);
    }

    ClockOnDate clock;
    clock.zoneId = zoneId;
    if (readings.size() == 1) {
        clock.offsetSeconds = readings.front();
    } else {
        // Skipped (no reading) or repeated (two): the smaller offset, which is
        // standard time where the change is daylight saving.
        clock.kind = readings.empty() ? LocalTimeKind::Skipped : LocalTimeKind::Repeated;
        clock.offsetSeconds = readings.empty() ? candidates.front() : readings.front();
    }
    clock.standardSeconds = StandardAt(zone, local - clock.offsetSeconds, date.year());
    // A skipped hour read as standard time is standard time, whatever the
    // database says of the instant that reading lands on.
    if (clock.kind == LocalTimeKind::Skipped) clock.standardSeconds = std::min(clock.standardSeconds, clock.offsetSeconds);
    return clock;
}

}  // namespace velmora
