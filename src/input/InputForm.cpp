#include "input/InputForm.h"

#include "shared/NumberText.h"

namespace velmora {

int ListCount(InputList list) {
    switch (list) {
        case InputList::Month: return 12;
        case InputList::Date: return 31;
        case InputList::Year: return LastYear - FirstYear + 1;
        case InputList::Hour: return 24;
        case InputList::Minute: return 60;
        case InputList::Second: return 60;
    }
    return 0;
}

std::string ListEntryText(InputList list, int position) {
    if (position < 0 || position >= ListCount(list)) return {};
    switch (list) {
        case InputList::Month: return std::string(MonthNames[static_cast<std::size_t>(position)]);
        case InputList::Date: return std::to_string(position + 1);
        case InputList::Year: return std::to_string(FirstYear + position);
        case InputList::Hour:
        case InputList::Minute:
        case InputList::Second: return std::to_string(position);
    }
    return {};
}

int ListFind(InputList list, std::string_view text) {
    const int n = ListCount(list);
    for (int i = 0; i < n; ++i) {
        if (ListEntryText(list, i) == text) return i;
    }
    return -1;
}

QueryDate ReadQueryDate(const InputForm& form) {
    QueryDate date;
    if (form.cboMonth >= 0 && form.cboMonth < ListCount(InputList::Month)) date.month = form.cboMonth + 1;
    date.day = TextToInt16(DateText(form));
    date.year = TextToInt16(YearText(form));
    return date;
}

}  // namespace velmora
