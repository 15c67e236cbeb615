#include "core/model/set_dates_form.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/model/schedule.h"
#include "support/scripted_desktop.h"

namespace tallow {
namespace {

using testing::ScriptedDesktop;

Date Dmy(int day, int month, int year) {
    return Date::FromDmy(day, month, year);
}

TEST(SetDatesFormTest, OpensOnTheMonthAfterTodayWithItsDefaultPeriod) {
    struct Case {
        Date today;
        int month;
        int year;
        Date start;
        Date end;
    };
    const Case cases[] = {
        {Dmy(15, 6, 1998), 7, 1998, Dmy(1, 7, 1998), Dmy(31, 7, 1998)},
        {Dmy(10, 12, 2023), 1, 2024, Dmy(1, 1, 2024), Dmy(30, 1, 2024)},
        {Dmy(31, 1, 2024), 2, 2024, Dmy(31, 1, 2024), Dmy(1, 3, 2024)},
        {Dmy(1, 2, 2023), 3, 2023, Dmy(2, 3, 2023), Dmy(31, 3, 2023)},
    };
    for (const Case& c : cases) {
        SetDatesForm form;
        form.Load(c.today);
        EXPECT_EQ(form.Month(), c.month) << c.today.LongText();
        EXPECT_EQ(form.Year(), c.year) << c.today.LongText();
        EXPECT_EQ(form.Start(), c.start) << c.today.LongText();
        EXPECT_EQ(form.End(), c.end) << c.today.LongText();
    }
}

TEST(SetDatesFormTest, ShowsTheDatesInTheLongForm) {
    SetDatesForm form;
    form.Load(Dmy(15, 6, 1998));
    EXPECT_EQ(form.StartText(), "July 01 1998");
    EXPECT_EQ(form.EndText(), "July 31 1998");
}

TEST(SetDatesFormTest, MonthButtonsStepAcrossTheYearAndResetBothDates) {
    SetDatesForm form;
    form.Load(Dmy(20, 11, 2023));
    form.StartForward();
    form.EndBack();
    form.PreviousMonth();
    EXPECT_EQ(form.Month(), 11);
    EXPECT_EQ(form.Start(), Dmy(1, 11, 2023));
    EXPECT_EQ(form.End(), Dmy(30, 11, 2023));

    form.NextMonth();
    form.NextMonth();
    EXPECT_EQ(form.Month(), 1);
    EXPECT_EQ(form.Year(), 2024);
    EXPECT_EQ(form.Start(), Dmy(1, 1, 2024));
    EXPECT_EQ(form.End(), Dmy(30, 1, 2024));

    form.PreviousMonth();
    EXPECT_EQ(form.Month(), 12);
    EXPECT_EQ(form.Year(), 2023);
    EXPECT_EQ(form.EndText(), "December 31 2023");
}

TEST(SetDatesFormTest, DayButtonsMoveOneDayAcrossMonthEnds) {
    SetDatesForm form;
    form.Load(Dmy(3, 3, 2024));  // April 2024
    form.StartBack();
    EXPECT_EQ(form.Start(), Dmy(31, 3, 2024));
    form.StartForward();
    form.StartForward();
    EXPECT_EQ(form.Start(), Dmy(2, 4, 2024));
    form.EndForward();
    EXPECT_EQ(form.End(), Dmy(1, 5, 2024));
    form.EndBack();
    form.EndBack();
    EXPECT_EQ(form.End(), Dmy(29, 4, 2024));
    EXPECT_EQ(form.Month(), 4);
}

TEST(SetDatesFormTest, StartAndEndNeverCross) {
    SetDatesForm form;
    form.Load(Dmy(3, 3, 2024));
    for (int i = 0; i < 40; ++i) {
        form.EndBack();
    }
    EXPECT_EQ(form.End(), Dmy(1, 4, 2024));
    EXPECT_EQ(form.Start(), Dmy(1, 4, 2024));
    form.StartForward();
    EXPECT_EQ(form.Start(), Dmy(1, 4, 2024));
    form.EndForward();
    form.StartForward();
    EXPECT_EQ(form.Start(), Dmy(2, 4, 2024));
    EXPECT_EQ(form.End(), Dmy(2, 4, 2024));
}

class SetDatesOkTest : public ::testing::Test {
  protected:
    std::unique_ptr<TSchedule> schedule = std::make_unique<TSchedule>();
    ScriptedDesktop desktop;
    SetDatesForm form;
};

TEST_F(SetDatesOkTest, OkSetsThePeriodAndCloses) {
    form.Load(Dmy(31, 1, 2024));
    EXPECT_TRUE(form.Ok(*schedule, desktop));
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(schedule->dayCount, 31);
    EXPECT_EQ(schedule->days[0], (CalendarDate{31, 1, 2024}));
    EXPECT_EQ(schedule->days[30], (CalendarDate{1, 3, 2024}));
    EXPECT_EQ(schedule->scheduleMonth, 2);
    EXPECT_EQ(schedule->modified, 1);
}

TEST_F(SetDatesOkTest, ThirtyTwoDaysKeepTheDialogOpenAndTheScheduleUntouched) {
    form.Load(Dmy(15, 6, 2023));
    form.EndForward();
    EXPECT_FALSE(form.Ok(*schedule, desktop));
    EXPECT_EQ(desktop.MessageTexts(),
              std::vector<std::string>{"The new Month cannot contain more than 31 days."});
    EXPECT_EQ(schedule->dayCount, 0);
    EXPECT_EQ(schedule->modified, 0);

    form.EndBack();
    EXPECT_TRUE(form.Ok(*schedule, desktop));
    EXPECT_EQ(schedule->dayCount, 31);
}

}  // namespace
}  // namespace tallow
