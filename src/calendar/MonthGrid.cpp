#include "calendar/MonthGrid.h"

#include "calendar/CalendarEvents.h"

namespace velmora {

std::vector<std::array<MonthCell, 7>> MonthLayout(int year, int month) {
    std::vector<std::array<MonthCell, 7>> weeks;
    const int length = DaysInMonth(year, month);
    if (length == 0) return weeks;
    const CalendarDate first{year, month, 1};
    CalendarDate date = AddDays(first, -WeekdayOf(first));  // the Sunday on or before the 1st
    while (weeks.empty() || (date.year == year && date.month == month)) {
        std::array<MonthCell, 7> week{};
        for (MonthCell& cell : week) {
            cell.date = date;
            cell.inMonth = date.year == year && date.month == month;
            date = AddDays(date, 1);
        }
        weeks.push_back(std::move(week));
    }
    return weeks;
}

const MonthCell* CellOf(const MonthGrid& grid, const CalendarDate& date) {
    for (const auto& week : grid.weeks) {
        for (const MonthCell& cell : week) {
            if (cell.inMonth && cell.date == date) return &cell;
        }
    }
    return nullptr;
}

CalendarDate StepMonth(int year, int month, int months) {
    const long long index = static_cast<long long>(year) * 12 + (month - 1) + months;
    const long long newYear = index >= 0 ? index / 12 : (index - 11) / 12;
    return {static_cast<int>(newYear), static_cast<int>(index - newYear * 12) + 1, 1};
}

std::string MonthTitle(int year, int month) {
    static constexpr const char* names[] = {"January", "February", "March",     "April",   "May",      "June",
                                            "July",    "August",   "September", "October", "November", "December"};
    if (month < 1 || month > 12) return {};
    return std::string(names[month - 1]) + " " + std::to_string(year);
}

}  // namespace velmora
