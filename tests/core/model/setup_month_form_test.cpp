#include "core/model/setup_month_form.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>

namespace tallow {
namespace {

class SetupMonthFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        schedule->DeleteAll();
        schedule->setup[kDaysOffBlockHolder] = 12;
        schedule->setup[kDaysOffReserve] = 12;
        schedule->modified = 0;
    }

    std::unique_ptr<TSchedule> schedule = std::make_unique<TSchedule>();
    SetupMonthForm form{*schedule};
};

struct BarCase {
    SetupBar bar;
    SetupWord word;
    int32_t minimum;
    int32_t maximum;
    int32_t pageStep;
};

const BarCase kBarCases[] = {
    {SetupBar::BlockHolderDaysOff, kDaysOffBlockHolder, 0, 14, 1},
    {SetupBar::ReserveDaysOff, kDaysOffReserve, 0, 14, 1},
    {SetupBar::AvgBlockCredit, kAvgBlockCredit, 3000, 6000, 60},
    {SetupBar::MaxBlockCredit, kMaxBlockCredit, 3000, 7200, 60},
    {SetupBar::MinBlockCredit, kMinBlockCredit, 0, 6000, 60},
    {SetupBar::CheckPilotMaxCredit, kCheckPilotMaxCredit, 1800, 7200, 60},
    {SetupBar::ReducedMaxBlockCredit, kReducedMaxBlockCredit, 1800, 7200, 60},
    {SetupBar::ReducedMinBlockCredit, kReducedMinBlockCredit, 0, 6000, 60},
    {SetupBar::ReducedMinDaysOff, kReducedMinDaysOff, 0, 30, 1},
};

TEST_F(SetupMonthFormTest, EachBarStoresIntoItsOwnWordWithinItsRange) {
    for (const BarCase& c : kBarCases) {
        const auto word = static_cast<size_t>(c.word);
        const auto before = schedule->setup;
        schedule->modified = 0;

        form.Move(c.bar, c.minimum + 1);
        EXPECT_EQ(schedule->setup[word], c.minimum + 1) << static_cast<int>(c.bar);
        EXPECT_EQ(schedule->modified, 1) << static_cast<int>(c.bar);
        for (size_t other = 0; other < before.size(); ++other) {
            if (other != word) {
                EXPECT_EQ(schedule->setup[other], before[other]) << static_cast<int>(c.bar);
            }
        }

        form.Move(c.bar, std::numeric_limits<int32_t>::max());
        EXPECT_EQ(schedule->setup[word], c.maximum) << static_cast<int>(c.bar);
        EXPECT_EQ(form.Position(c.bar), c.maximum);
        form.Move(c.bar, std::numeric_limits<int32_t>::min());
        EXPECT_EQ(schedule->setup[word], c.minimum) << static_cast<int>(c.bar);

        const SetupBarDefinition& definition = SetupMonthForm::Definition(c.bar);
        EXPECT_EQ(definition.minimum, c.minimum);
        EXPECT_EQ(definition.maximum, c.maximum);
        EXPECT_EQ(definition.pageStep, c.pageStep);
        EXPECT_EQ(definition.lineStep, 1);
    }
}

TEST_F(SetupMonthFormTest, DialogOrderAndLabels) {
    const auto& bars = SetupMonthForm::Bars();
    ASSERT_EQ(bars.size(), std::size(kBarCases));
    for (size_t i = 0; i < bars.size(); ++i) {
        EXPECT_EQ(bars[i].bar, kBarCases[i].bar) << i;
    }
    EXPECT_EQ(SetupMonthForm::Definition(SetupBar::CheckPilotMaxCredit).label,
              "Check Pilot Max Hours");
    EXPECT_EQ(SetupMonthForm::Definition(SetupBar::ReducedMinDaysOff).label, "Min Days Off");
    EXPECT_EQ(SetupMonthForm::Definition(SetupBar::ReducedMinDaysOff).group,
              "Reduced Blocks Defaults.");
    EXPECT_EQ(SetupMonthForm::Definition(SetupBar::ReserveDaysOff).group, "Days Off Required");
    EXPECT_EQ(SetupMonthForm::Definition(SetupBar::AvgBlockCredit).group, "Blocking Rules");
    EXPECT_EQ(SetupMonthForm::kNote,
              "Set these values before selecting Reduced Block in the employee info dialog as "
              "no change is made until reduced block is reselected.");
}

TEST_F(SetupMonthFormTest, TextsShowDaysAsNumbersAndTimesAsHoursAndMinutes) {
    EXPECT_EQ(form.Text(SetupBar::BlockHolderDaysOff), "12");
    EXPECT_EQ(form.Text(SetupBar::ReducedMinDaysOff), "12");
    EXPECT_EQ(form.Text(SetupBar::AvgBlockCredit), "77:30");
    EXPECT_EQ(form.Text(SetupBar::MaxBlockCredit), "80:00");
    EXPECT_EQ(form.Text(SetupBar::CheckPilotMaxCredit), "90:00");
    EXPECT_EQ(form.Text(SetupBar::ReducedMinBlockCredit), "47:00");

    form.Move(SetupBar::MinBlockCredit, 0);
    EXPECT_EQ(form.Text(SetupBar::MinBlockCredit), "00:00");
    form.Move(SetupBar::MaxBlockCredit, 7200);
    EXPECT_EQ(form.Text(SetupBar::MaxBlockCredit), "120:00");
    form.Move(SetupBar::ReserveDaysOff, 0);
    EXPECT_EQ(form.Text(SetupBar::ReserveDaysOff), "0");
}

TEST_F(SetupMonthFormTest, StoredValueOutsideTheRangeIsShownAtTheEndUntilMoved) {
    schedule->setup[kDaysOffBlockHolder] = 99;
    schedule->setup[kCheckPilotMaxCredit] = 0;
    EXPECT_EQ(form.Position(SetupBar::BlockHolderDaysOff), 14);
    EXPECT_EQ(form.Text(SetupBar::BlockHolderDaysOff), "14");
    EXPECT_EQ(form.Text(SetupBar::CheckPilotMaxCredit), "30:00");
    EXPECT_EQ(schedule->setup[kDaysOffBlockHolder], 99);
    EXPECT_EQ(schedule->modified, 0);

    form.Move(SetupBar::BlockHolderDaysOff, 14);
    EXPECT_EQ(schedule->setup[kDaysOffBlockHolder], 14);
    EXPECT_EQ(schedule->modified, 1);
}

TEST_F(SetupMonthFormTest, MovingToTheStoredValueIsNoChange) {
    form.Move(SetupBar::AvgBlockCredit, 4650);
    EXPECT_EQ(schedule->modified, 0);
    form.Move(SetupBar::AvgBlockCredit, 4650 + 60);
    EXPECT_EQ(schedule->setup[kAvgBlockCredit], 4710);
    EXPECT_EQ(schedule->modified, 1);
}

}  // namespace
}  // namespace tallow
