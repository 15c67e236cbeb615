#include "core/rules/legality_items.h"

#include <algorithm>
#include <string>

#include "core/model/text_format.h"
#include "core/model/time_text.h"

namespace tallow {

namespace {

std::string& ListText(TPilot& employee, ItemList list) {
    return list == ItemList::Exceptions ? employee.illegalitiesText : employee.warningsText;
}

std::string_view ClosingText(LaterDays later) {
    switch (later) {
        case LaterDays::CarryOut:
            return " C/Out";
        case LaterDays::CarryOutDot:
            return " C/Out.";
        case LaterDays::CarryOver:
            return " C/O";
        case LaterDays::CarryOverDot:
            return " C/O.";
        case LaterDays::NextMonth:
            return " NextMonth.";
        case LaterDays::Hidden:
        case LaterDays::Marked:
            break;
    }
    return {};
}

// The text of a flagged day of last month; empty when it does not print.
std::string LastMonthDayText(const ScheduleCalendar& calendar, int timelineDay,
                             LastMonthDays style) {
    if (style != LastMonthDays::Dated || timelineDay < kPreviousDays - 2) {
        return {};
    }
    const CalendarDate& date = calendar.previousDays[static_cast<size_t>(timelineDay)];
    const std::string month = MonthCode(date.month);
    if (timelineDay == kPreviousDays - 1) {
        return Format(" <- %d %s ", date.day, month.c_str());
    }
    return Format(" %d %s ", date.day, month.c_str());
}

}  // namespace

void DayList::Flag(int timelineDay) {
    if (timelineDay >= 0 && timelineDay < kTimelineDays) {
        flags_[static_cast<size_t>(timelineDay)] = true;
    }
}

bool DayList::IsFlagged(int timelineDay) const {
    return timelineDay >= 0 && timelineDay < kTimelineDays &&
           flags_[static_cast<size_t>(timelineDay)];
}

bool DayList::Any() const {
    return std::any_of(flags_.begin(), flags_.end(), [](bool flag) { return flag; });
}

void ClearLegalityResults(TPilot& employee) {
    employee.illegalitiesText.clear();
    employee.carsText.clear();
    employee.warningsText.clear();
    employee.dayIllegal.fill(0);
    employee.dayWarning.fill(0);
}

void MarkDay(TPilot& employee, ItemList list, int day) {
    if (day < 0 || day >= kCalendarDays) {
        return;
    }
    auto& flags = list == ItemList::Exceptions ? employee.dayIllegal : employee.dayWarning;
    flags[static_cast<size_t>(day)] = 1;
}

void AppendItem(TPilot& employee, ItemList list, std::string_view text) {
    std::string& target = ListText(employee, list);
    target += text;
    target += '+';
}

bool AppendDayItem(const ScheduleCalendar& calendar, int monthLength, TPilot& employee,
                   ItemList list, std::string_view heading, const DayList& days,
                   const DayListStyle& style) {
    std::string dayText;
    bool printed = false;
    bool lastMonthMarked = false;
    const int printedDays = std::clamp(monthLength + style.printedPastMonth, 0, kCalendarDays);
    for (int t = 0; t < kTimelineDays; ++t) {
        if (!days.IsFlagged(t)) {
            continue;
        }
        const int day = t - kPreviousDays;
        if (day < 0) {
            if (style.lastMonth == LastMonthDays::Mark) {
                if (!lastMonthMarked) {
                    dayText += " Last Month";
                    lastMonthMarked = printed = true;
                }
            } else if (std::string text = LastMonthDayText(calendar, t, style.lastMonth);
                       !text.empty()) {
                dayText += text;
                printed = true;
            }
            continue;
        }
        const int dayOfMonth = calendar.days[static_cast<size_t>(day)].day;
        if (day < printedDays) {
            dayText += Format(" %d", dayOfMonth);
        } else if (style.later == LaterDays::Hidden) {
            continue;
        } else if (style.later == LaterDays::Marked) {
            dayText += Format(" %d>", dayOfMonth);
        } else {
            dayText += ClosingText(style.later);
            MarkDay(employee, list, day);
            printed = true;
            break;
        }
        MarkDay(employee, list, day);
        printed = true;
    }
    if (!printed) {
        return false;
    }
    std::string item(heading);
    item += dayText;
    AppendItem(employee, list, item);
    return true;
}

}  // namespace tallow
