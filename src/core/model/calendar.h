#pragma once
// The calendar of the schedule period: its dates, weekday names, weekend
// marks, the 31 days before it and the daylight-saving change inside it.

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "core/model/date.h"

namespace tallow {

class Desktop;

inline constexpr int kMaxPeriodDays = 31;
inline constexpr int kCalendarDays = 62;  // the period and the days trips run into
inline constexpr int kPreviousDays = 31;  // timeline days before the period
inline constexpr int kTimelineDays = 93;  // previous days + period days, widest window

struct CalendarDate {
    int32_t day = 0;
    int32_t month = 0;
    int32_t year = 0;

    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

CalendarDate ToCalendarDate(Date date);
Date ToDate(const CalendarDate& date);

// Two-letter weekday code of weekday 0 = Sunday .. 6 = Saturday.
std::string_view WeekdayCode(int weekday);

struct Period {
    Date start;
    Date end;
};

class ScheduleCalendar {
  public:
    int32_t dayCount = 0;
    int32_t firstWeekday = 0;
    std::array<CalendarDate, kCalendarDays> days{};
    std::array<std::array<char, 3>, kCalendarDays> dayNames{};
    std::array<uint8_t, kCalendarDays> weekend{};
    std::array<CalendarDate, kPreviousDays> previousDays{};
    int32_t scheduleMonth = 0;
    int32_t scheduleYear = 0;
    std::array<char, 10> monthName{};
    std::array<char, 10> yearText{};
    int32_t dstChangeAt = 0;
    int32_t dstShift = 0;
    Date dstSpringDate;
    Date dstAutumnDate;

    // The default period of a month (the first quarter is cut into 30-day periods).
    static Period DefaultPeriod(int month, int year);

    // Fills the calendar for the period. Refuses, with the message shown through
    // `desktop`, a period of 32 days or more; nothing is changed then. An end
    // before the start is refused the same way, without a message.
    bool SetPeriod(Date start, Date end, Desktop& desktop);

    // Fills entries dayCount..61 with the days after the period.
    void ExtendCalendar();

    // Finds the daylight-saving change inside the period. False when the period
    // is named after March or November and no change day was found.
    bool FindClockChange();

    // dayCount limited to what a period can hold: the bound of every loop over
    // per-day tables, even when damaged data left dayCount out of range.
    int PeriodDays() const { return std::clamp(dayCount, 0, kMaxPeriodDays); }

    std::string_view DayName(int day) const;
    std::string_view MonthNameText() const;
    std::string_view YearText() const;
};

}  // namespace tallow
