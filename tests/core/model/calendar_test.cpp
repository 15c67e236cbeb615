#include "core/model/calendar.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "support/scripted_desktop.h"

namespace tallow {
namespace {

using testing::ScriptedDesktop;

Date Dmy(int day, int month, int year) {
    return Date::FromDmy(day, month, year);
}

bool SameCalendar(const ScheduleCalendar& a, const ScheduleCalendar& b) {
    return a.dayCount == b.dayCount && a.firstWeekday == b.firstWeekday && a.days == b.days &&
           a.dayNames == b.dayNames && a.weekend == b.weekend && a.previousDays == b.previousDays &&
           a.scheduleMonth == b.scheduleMonth && a.scheduleYear == b.scheduleYear &&
           a.monthName == b.monthName && a.yearText == b.yearText &&
           a.dstChangeAt == b.dstChangeAt && a.dstShift == b.dstShift &&
           a.dstSpringDate == b.dstSpringDate && a.dstAutumnDate == b.dstAutumnDate;
}

TEST(CalendarDateTest, ConvertsBothWays) {
    EXPECT_EQ(ToDate({1, 1, 2000}).JulianDay(), 2451545);
    EXPECT_EQ(ToCalendarDate(Date::FromJulianDay(2451545)), (CalendarDate{1, 1, 2000}));
    EXPECT_EQ(ToCalendarDate(ToDate({29, 2, 2024})), (CalendarDate{29, 2, 2024}));
}

TEST(CalendarDateTest, DamagedFieldsStillGiveADate) {
    const int32_t big = std::numeric_limits<int32_t>::max();
    const int32_t small = std::numeric_limits<int32_t>::min();
    EXPECT_EQ(ToDate({big, big, big}), ToDate({31, 12, 9999}));
    EXPECT_EQ(ToDate({small, small, small}), ToDate({1, 1, 1}));
    EXPECT_EQ(ToDate({0, 0, 0}), ToDate({1, 1, 1}));
}

TEST(WeekdayCodeTest, SundayFirstAndNothingOutsideTheWeek) {
    EXPECT_EQ(WeekdayCode(0), "SU");
    EXPECT_EQ(WeekdayCode(1), "MO");
    EXPECT_EQ(WeekdayCode(6), "SA");
    EXPECT_EQ(WeekdayCode(7), "");
    EXPECT_EQ(WeekdayCode(-1), "");
}

TEST(DefaultPeriodTest, FirstQuarterIsCutIntoThirtyDayPeriods) {
    struct Case {
        int month;
        int year;
        Date start;
        Date end;
        int days;
    };
    const Case cases[] = {
        {1, 2023, Dmy(1, 1, 2023), Dmy(30, 1, 2023), 30},
        {2, 2023, Dmy(31, 1, 2023), Dmy(1, 3, 2023), 30},
        {2, 2024, Dmy(31, 1, 2024), Dmy(1, 3, 2024), 31},
        {3, 2023, Dmy(2, 3, 2023), Dmy(31, 3, 2023), 30},
        {4, 2023, Dmy(1, 4, 2023), Dmy(30, 4, 2023), 30},
        {7, 1998, Dmy(1, 7, 1998), Dmy(31, 7, 1998), 31},
        {12, 2023, Dmy(1, 12, 2023), Dmy(31, 12, 2023), 31},
    };
    for (const Case& c : cases) {
        const Period period = ScheduleCalendar::DefaultPeriod(c.month, c.year);
        EXPECT_EQ(period.start, c.start) << c.month << "/" << c.year;
        EXPECT_EQ(period.end, c.end) << c.month << "/" << c.year;
        EXPECT_EQ(period.end - period.start + 1, c.days) << c.month << "/" << c.year;
    }
}

class SetPeriodTest : public ::testing::Test {
  protected:
    ScheduleCalendar calendar;
    ScriptedDesktop desktop;
};

TEST_F(SetPeriodTest, ThirtyOneDaysFillTheCalendar) {
    ASSERT_TRUE(calendar.SetPeriod(Dmy(1, 7, 2023), Dmy(31, 7, 2023), desktop));
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(calendar.dayCount, 31);
    EXPECT_EQ(calendar.firstWeekday, 6);  // 1 July 2023 is a Saturday
    EXPECT_EQ(calendar.days[0], (CalendarDate{1, 7, 2023}));
    EXPECT_EQ(calendar.days[30], (CalendarDate{31, 7, 2023}));
    EXPECT_EQ(calendar.scheduleMonth, 7);
    EXPECT_EQ(calendar.scheduleYear, 2023);
    EXPECT_EQ(calendar.MonthNameText(), "Jul");
    EXPECT_EQ(calendar.YearText(), "2023");

    const char* names[] = {"SA", "SU", "MO", "TU", "WE", "TH", "FR"};
    for (int d = 0; d < 31; ++d) {
        const auto entry = static_cast<size_t>(d);
        EXPECT_EQ(calendar.DayName(d), names[d % 7]) << d;
        EXPECT_EQ(calendar.dayNames[entry][2], '\0') << d;
        EXPECT_EQ(calendar.weekend[entry], d % 7 < 2 ? 1 : 0) << d;
    }
    EXPECT_EQ(calendar.previousDays[30], (CalendarDate{30, 6, 2023}));
    EXPECT_EQ(calendar.previousDays[0], (CalendarDate{31, 5, 2023}));
}

TEST_F(SetPeriodTest, ThirtyTwoDaysAreRefusedAndChangeNothing) {
    ASSERT_TRUE(calendar.SetPeriod(Dmy(1, 11, 2023), Dmy(30, 11, 2023), desktop));
    const ScheduleCalendar before = calendar;

    EXPECT_FALSE(calendar.SetPeriod(Dmy(1, 7, 2023), Dmy(1, 8, 2023), desktop));
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, "The new Month cannot contain more than 31 days.");
    EXPECT_EQ(desktop.messages[0].caption, "Tallowbright");
    EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_FALSE(desktop.messages[0].IsQuestion());
    EXPECT_TRUE(SameCalendar(calendar, before));
}

TEST_F(SetPeriodTest, EndBeforeStartChangesNothing) {
    ASSERT_TRUE(calendar.SetPeriod(Dmy(1, 4, 2023), Dmy(30, 4, 2023), desktop));
    const ScheduleCalendar before = calendar;
    EXPECT_FALSE(calendar.SetPeriod(Dmy(10, 5, 2023), Dmy(9, 5, 2023), desktop));
    EXPECT_FALSE(calendar.SetPeriod(Dmy(10, 5, 2023), Dmy(1, 1, 2000), desktop));
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_TRUE(SameCalendar(calendar, before));
}

TEST_F(SetPeriodTest, OneDayPeriodIsAccepted) {
    ASSERT_TRUE(calendar.SetPeriod(Dmy(5, 5, 2023), Dmy(5, 5, 2023), desktop));
    EXPECT_EQ(calendar.dayCount, 1);
    EXPECT_EQ(calendar.days[0], (CalendarDate{5, 5, 2023}));
    EXPECT_EQ(calendar.DayName(0), "FR");
}

TEST_F(SetPeriodTest, MonthIsTheOneFifteenDaysAfterTheStart) {
    ASSERT_TRUE(calendar.SetPeriod(Dmy(31, 1, 2024), Dmy(1, 3, 2024), desktop));
    EXPECT_EQ(calendar.scheduleMonth, 2);
    EXPECT_EQ(calendar.scheduleYear, 2024);
    EXPECT_EQ(calendar.MonthNameText(), "Feb");

    ASSERT_TRUE(calendar.SetPeriod(Dmy(17, 12, 2023), Dmy(15, 1, 2024), desktop));
    EXPECT_EQ(calendar.scheduleMonth, 1);
    EXPECT_EQ(calendar.scheduleYear, 2024);
    EXPECT_EQ(calendar.MonthNameText(), "Jan");
    EXPECT_EQ(calendar.YearText(), "2024");
}

TEST_F(SetPeriodTest, PreviousDaysCrossTheYearBoundary) {
    ASSERT_TRUE(calendar.SetPeriod(Dmy(1, 1, 2024), Dmy(30, 1, 2024), desktop));
    EXPECT_EQ(calendar.previousDays[30], (CalendarDate{31, 12, 2023}));
    EXPECT_EQ(calendar.previousDays[29], (CalendarDate{30, 12, 2023}));
    EXPECT_EQ(calendar.previousDays[0], (CalendarDate{1, 12, 2023}));
    EXPECT_EQ(calendar.scheduleYear, 2024);
}

TEST_F(SetPeriodTest, ExtendsTheCalendarPastThePeriod) {
    ASSERT_TRUE(calendar.SetPeriod(Dmy(1, 12, 2023), Dmy(31, 12, 2023), desktop));
    EXPECT_EQ(calendar.days[31], (CalendarDate{1, 1, 2024}));
    EXPECT_EQ(calendar.DayName(31), "MO");
    EXPECT_EQ(calendar.days[61], (CalendarDate{31, 1, 2024}));
    EXPECT_EQ(calendar.DayName(61), "WE");
    EXPECT_EQ(calendar.weekend[36], 1);  // Saturday 6 January 2024
    EXPECT_EQ(calendar.weekend[61], 0);
}

TEST(ExtendCalendarTest, ContinuesDayByDayFromTheLastPeriodDay) {
    ScheduleCalendar calendar;
    calendar.dayCount = 3;
    calendar.firstWeekday = 4;  // Thursday 29 February 2024
    calendar.days[2] = {2, 3, 2024};
    calendar.ExtendCalendar();
    EXPECT_EQ(calendar.days[3], (CalendarDate{3, 3, 2024}));
    EXPECT_EQ(calendar.DayName(3), "SU");
    EXPECT_EQ(calendar.weekend[3], 1);
    EXPECT_EQ(calendar.days[61], (CalendarDate{30, 4, 2024}));
    EXPECT_EQ(calendar.DayName(61), "TU");
    EXPECT_EQ(calendar.weekend[61], 0);
    EXPECT_EQ(calendar.days[2], (CalendarDate{2, 3, 2024}));
    EXPECT_EQ(calendar.DayName(2), "");
}

TEST(ExtendCalendarTest, DayCountOutsideTheTableWritesNothing) {
    for (int32_t dayCount : {0, -5, 62, 100, std::numeric_limits<int32_t>::min()}) {
        ScheduleCalendar calendar;
        calendar.dayCount = dayCount;
        const ScheduleCalendar before = calendar;
        calendar.ExtendCalendar();
        EXPECT_TRUE(SameCalendar(calendar, before)) << dayCount;
    }
}

TEST(ExtendCalendarTest, DamagedEntriesStillGiveRealNames) {
    ScheduleCalendar calendar;
    calendar.dayCount = 61;
    calendar.firstWeekday = 1000;
    calendar.days[60] = {std::numeric_limits<int32_t>::max(), -7,
                         std::numeric_limits<int32_t>::min()};
    calendar.ExtendCalendar();
    EXPECT_EQ(calendar.days[61], (CalendarDate{1, 2, 1}));
    EXPECT_EQ(calendar.DayName(61).size(), 2u);
}

TEST(DayNameTest, OutsideTheTableIsEmpty) {
    ScheduleCalendar calendar;
    EXPECT_EQ(calendar.DayName(-1), "");
    EXPECT_EQ(calendar.DayName(62), "");
    EXPECT_EQ(calendar.DayName(0), "");
}

class ClockChangeTest : public SetPeriodTest {};

TEST_F(ClockChangeTest, SpringChangeOnTheSecondSundayOfMarch) {
    ASSERT_TRUE(calendar.SetPeriod(Dmy(2, 3, 2024), Dmy(31, 3, 2024), desktop));
    // 10 March 2024 is period day 8.
    EXPECT_EQ(calendar.dstChangeAt, 8 * 1440 + 120);
    EXPECT_EQ(calendar.dstShift, 60);
    EXPECT_TRUE(calendar.FindClockChange());
    EXPECT_EQ(calendar.dstSpringDate, Dmy(10, 3, 2024));
    EXPECT_EQ(calendar.dstAutumnDate, Dmy(3, 11, 2024));
}

TEST_F(ClockChangeTest, FirstSundayOfMarchJustBeforeThePeriodCounts) {
    // 1 March 2026 is a Sunday: the first Sunday inside the period, 8 March,
    // is the second Sunday of the month.
    ASSERT_TRUE(calendar.SetPeriod(Dmy(2, 3, 2026), Dmy(31, 3, 2026), desktop));
    EXPECT_EQ(calendar.dstChangeAt, 6 * 1440 + 120);
    EXPECT_EQ(calendar.dstShift, 60);
    EXPECT_EQ(calendar.dstSpringDate, Dmy(8, 3, 2026));
}

TEST_F(ClockChangeTest, SundayBeforeThePeriodOutsideMarchDoesNotCount) {
    // Sunday 28 February 2027 is the day before; March's Sundays are 7 and 14.
    ASSERT_TRUE(calendar.SetPeriod(Dmy(1, 3, 2027), Dmy(30, 3, 2027), desktop));
    EXPECT_EQ(calendar.dstChangeAt, 13 * 1440 + 120);
    EXPECT_EQ(calendar.dstSpringDate, Dmy(14, 3, 2027));
}

TEST_F(ClockChangeTest, AutumnChangeOnTheFirstSundayOfNovember) {
    ASSERT_TRUE(calendar.SetPeriod(Dmy(1, 11, 2023), Dmy(30, 11, 2023), desktop));
    EXPECT_EQ(calendar.dstChangeAt, 4 * 1440 + 120);
    EXPECT_EQ(calendar.dstShift, -60);
    EXPECT_TRUE(calendar.FindClockChange());
    EXPECT_EQ(calendar.dstAutumnDate, Dmy(5, 11, 2023));
}

TEST_F(ClockChangeTest, OtherMonthsHaveNoChangeButKnowTheYearsDates) {
    ASSERT_TRUE(calendar.SetPeriod(Dmy(2, 3, 2024), Dmy(31, 3, 2024), desktop));
    ASSERT_TRUE(calendar.SetPeriod(Dmy(1, 7, 2023), Dmy(31, 7, 2023), desktop));
    EXPECT_TRUE(calendar.FindClockChange());
    EXPECT_EQ(calendar.dstChangeAt, 0);
    EXPECT_EQ(calendar.dstShift, 0);
    EXPECT_EQ(calendar.dstSpringDate, Dmy(12, 3, 2023));
    EXPECT_EQ(calendar.dstAutumnDate, Dmy(5, 11, 2023));
}

TEST_F(ClockChangeTest, ChangeMonthWithoutTheChangeDayIsReported) {
    struct Case {
        Date start;
        Date end;
    };
    // Short periods whose entry 14, past their end, still lies in the month.
    const Case cases[] = {
        {Dmy(1, 3, 2024), Dmy(5, 3, 2024)},
        {Dmy(1, 11, 2023), Dmy(3, 11, 2023)},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(calendar.SetPeriod(c.start, c.end, desktop));
        EXPECT_FALSE(calendar.FindClockChange()) << c.start.LongText();
        EXPECT_EQ(calendar.dstChangeAt, 0);
        EXPECT_EQ(calendar.dstShift, 0);
    }
}

TEST(ClockChangeDamageTest, DamagedCalendarNeitherCrashesNorFindsAChange) {
    ScheduleCalendar calendar;
    calendar.dayCount = std::numeric_limits<int32_t>::max();
    calendar.days[14] = {1, 3, std::numeric_limits<int32_t>::max()};
    calendar.previousDays[30] = {std::numeric_limits<int32_t>::min(), 3, -1};
    EXPECT_FALSE(calendar.FindClockChange());
    EXPECT_EQ(calendar.dstChangeAt, 0);
}

}  // namespace
}  // namespace tallow
