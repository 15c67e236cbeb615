#include "core/model/calendar.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include "core/model/text_format.h"
#include "core/platform/desktop.h"

namespace tallow {

namespace {

constexpr std::array<std::string_view, 7> kWeekdayCodes = {"SU", "MO", "TU", "WE",
                                                           "TH", "FR", "SA"};
constexpr int kSunday = 7;  // Date::Weekday numbering

template <size_t N>
void CopyText(std::array<char, N>& target, std::string_view text) {
    target.fill('\0');
    std::memcpy(target.data(), text.data(), std::min(text.size(), N - 1));
}

template <size_t N>
std::string_view TextOf(const std::array<char, N>& text) {
    const auto end = std::find(text.begin(), text.end(), '\0');
    return {text.data(), static_cast<size_t>(end - text.begin())};
}

// Day-by-day walk from the 1st of the month to its n-th Sunday.
Date NthSunday(int n, int month, int year) {
    Date date = Date::FromDmy(1, month, year);
    int found = date.Weekday() == kSunday ? 1 : 0;
    while (found < n) {
        date = date.Next();
        if (date.Weekday() == kSunday) {
            ++found;
        }
    }
    return date;
}

}  // namespace

CalendarDate ToCalendarDate(Date date) {
    return {date.Day(), date.Month(), date.Year()};
}

Date ToDate(const CalendarDate& date) {
    // Calendar entries may come from a damaged file; clamping keeps the
    // day-number arithmetic defined without changing any real date.
    return Date::FromDmy(std::clamp(date.day, 1, 31), std::clamp(date.month, 1, 12),
                         std::clamp(date.year, 1, 9999));
}

std::string_view WeekdayCode(int weekday) {
    if (weekday < 0 || weekday >= static_cast<int>(kWeekdayCodes.size())) {
        return {};
    }
    return kWeekdayCodes[static_cast<size_t>(weekday)];
}

Period ScheduleCalendar::DefaultPeriod(int month, int year) {
    const Date first = Date::FromDmy(1, month, year);
    const Date nextFirst =
        month == 12 ? Date::FromDmy(1, 1, year + 1) : Date::FromDmy(1, month + 1, year);
    Period period{first, nextFirst.Previous()};
    // The first quarter is cut into three 30-day periods.
    if (month == 1) {
        period.end = period.end.Previous();
    } else if (month == 2) {
        period.start = period.start.Previous();
        period.end = period.end.Next();
    } else if (month == 3) {
        period.start = period.start.Next();
    }
    return period;
}

bool ScheduleCalendar::SetPeriod(Date start, Date end, Desktop& desktop) {
    const int32_t count = end - start + 1;
    if (count > kMaxPeriodDays) {
        ShowInfo(desktop, "The new Month cannot contain more than 31 days.", "Tallowbright",
                 MessageIcon::Exclamation);
        return false;
    }
    // An end before the start would leave a period of no days, which every
    // per-day table and loop assumes away; it changes nothing.
    if (count < 1) {
        return false;
    }
    dayCount = count;
    firstWeekday = start.Weekday() % 7;

    const Date named = start.AddDays(15);
    scheduleMonth = named.Month();
    scheduleYear = named.Year();
    const std::string name = EnglishMonthName(scheduleMonth);
    CopyText(monthName, std::string_view(name).substr(0, 3));
    CopyText(yearText, Format("%d", scheduleYear));

    for (int k = 0; k < dayCount; ++k) {
        const auto entry = static_cast<size_t>(k);
        days[entry] = ToCalendarDate(start.AddDays(k));
        CopyText(dayNames[entry], WeekdayCode((firstWeekday + k) % 7));
        weekend[entry] = DayName(k) == "SA" || DayName(k) == "SU" ? 1 : 0;
    }
    for (int k = kPreviousDays - 1; k >= 0; --k) {
        previousDays[static_cast<size_t>(k)] = ToCalendarDate(start.AddDays(k - kPreviousDays));
    }
    // The clock change reads entry 14, which a period shorter than 15 days
    // only reaches through the days after it.
    ExtendCalendar();
    FindClockChange();
    return true;
}

void ScheduleCalendar::ExtendCalendar() {
    if (dayCount < 1 || dayCount >= kCalendarDays) {
        return;
    }
    const int weekday = std::clamp(firstWeekday, 0, 6);
    Date date = ToDate(days[static_cast<size_t>(dayCount - 1)]);
    for (int k = dayCount; k < kCalendarDays; ++k) {
        const auto entry = static_cast<size_t>(k);
        date = date.Next();
        days[entry] = ToCalendarDate(date);
        CopyText(dayNames[entry], WeekdayCode((weekday + k) % 7));
        weekend[entry] = DayName(k) == "SA" || DayName(k) == "SU" ? 1 : 0;
    }
}

bool ScheduleCalendar::FindClockChange() {
    dstChangeAt = 0;
    dstShift = 0;
    const CalendarDate& middle = days[14];
    const int year = std::clamp(middle.year, 1, 9999);
    dstSpringDate = NthSunday(2, 3, year);
    dstAutumnDate = NthSunday(1, 11, year);

    const int periodDays = std::clamp(dayCount, 0, kCalendarDays);
    if (middle.month == 3) {
        const CalendarDate& before = previousDays[kPreviousDays - 1];
        int sundays = before.month == 3 && ToDate(before).Weekday() == kSunday ? 1 : 0;
        for (int d = 0; d < periodDays; ++d) {
            if (days[static_cast<size_t>(d)].month != 3 || DayName(d) != "SU") {
                continue;
            }
            if (++sundays == 2) {
                dstChangeAt = d * 1440 + 120;
                dstShift = 60;
                break;
            }
        }
    } else if (middle.month == 11) {
        for (int d = 0; d < periodDays; ++d) {
            if (days[static_cast<size_t>(d)].month == 11 && DayName(d) == "SU") {
                dstChangeAt = d * 1440 + 120;
                dstShift = -60;
                break;
            }
        }
    } else {
        return true;
    }
    return dstChangeAt != 0;
}

std::string_view ScheduleCalendar::DayName(int day) const {
    if (day < 0 || day >= kCalendarDays) {
        return {};
    }
    return TextOf(dayNames[static_cast<size_t>(day)]);
}

std::string_view ScheduleCalendar::MonthNameText() const {
    return TextOf(monthName);
}

std::string_view ScheduleCalendar::YearText() const {
    return TextOf(yearText);
}

}  // namespace tallow
