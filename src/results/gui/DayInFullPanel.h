#pragma once

#include <optional>

#include "results/DayInFullTab.h"

class QTabWidget;
class QWidget;

// The Day tab's pages beyond the day itself: Choghadiya, Hora and Gowri (the
// day's parts beside the night's) and Year (durmuhurta, varjyam, amrit kalam,
// panchak, the year's names, ritu and ayana, the solar dates, tarabalam and
// chandrabalam). Thin: the texts come from results/DayInFullTab.h.
namespace velmora {

// Adds the pages to the Day tab's own tab widget, sized for `widest`.
void AddDayInFullPages(QTabWidget* tabs, const DayInFullTab& widest);

// Copies the texts into the pages' labels (found by name under `window`);
// nothing empties them.
void ShowDayInFull(QWidget* window, const std::optional<DayInFullTab>& tab);

}  // namespace velmora
