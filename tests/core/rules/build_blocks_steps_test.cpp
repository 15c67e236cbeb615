#include "core/rules/build_blocks_steps.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "assignment_fixture.h"
#include "core/rules/assignment.h"

namespace tallow::testing {
namespace {

// SMITH flies 8101 on day 3 and 8102 six hours later on day 4, and brings 89
// days of hard time; JONES is on leave all month; BROWN holds 8102 on day 4
// too, which the repair takes away. 8103 is open on day 10 for two days; 8104
// (open on day 20) does not add up. Limits of 0 put every line above the
// block-holder line and into the day balance.
struct BuildMonth : AssignmentMonth {
    BuildMonth() : AssignmentMonth(CrewGroup::FirstOfficers) {
        schedule.setup[kMinBlockCredit] = 0;
        schedule.setup[kMaxBlockCredit] = 0;
        AddEmployee("SMITH", 1001);
        AddEmployee("JONES", 1002);
        AddEmployee("BROWN", 1003);
        Hold(0, AddSeat(8101, 480, 600, 1, 300, {3}), 3);
        Hold(0, AddSeat(8102, 0, 600, 1, 300, {4}), 4);
        Row(2).dayPairing[4] = 1;
        AddSeat(8103, 480, 2000, 2, 600, {10});
        const int broken = AddSeat(8104, 480, 600, 1, 300, {20});
        Seat(broken).totalCredit = 301;
        for (int d = 0; d < schedule.dayCount; ++d) {
            PlaceCode(1, d, 0, 0, false, "LOA", 240);
        }
        std::string history;
        for (int i = 0; i < kHardTimeDays; ++i) {
            history += "0100";
        }
        Row(0).hardTimeHistory = history;
        schedule.lastBlockHolder = -7;
    }
};

class RecordingHooks : public BuildBlocksHooks {
  public:
    RecordingHooks(BuildMonth& month, bool goOn) : month_(month), goOn_(goOn) {}

    bool SeatsValidated(int firstInvalid) override {
        events.push_back("validated " + std::to_string(firstInvalid));
        // The repair ran; credits did not.
        EXPECT_EQ(month_.desktop.messages.size(), 1u);
        EXPECT_EQ(month_.Held(2, 4), kDayFree);
        EXPECT_EQ(month_.Seat(3).valid, 0);
        EXPECT_EQ(month_.Row(0).blockHours, 0);
        return goOn_;
    }
    void CreditsComputed() override {
        events.push_back("credits");
        EXPECT_EQ(month_.Row(0).blockHours, 10);
        EXPECT_EQ(month_.schedule.boardBuilt, 0);
        EXPECT_EQ(month_.schedule.lastBlockHolder, -7);
        EXPECT_TRUE(month_.Row(0).illegalitiesText.empty());
    }
    void ClockChangeMissing() override { events.push_back("clock"); }

    std::vector<std::string> events;

  private:
    BuildMonth& month_;
    bool goOn_;
};

TEST(BuildBlocksStepsTest, RunsTheModelStepsInOrder) {
    BuildMonth month;
    RecordingHooks hooks(month, true);
    const BuildBlocksOutcome outcome = RunBuildBlocksSteps(month.schedule, month.desktop, hooks);

    EXPECT_TRUE(outcome.built);
    EXPECT_TRUE(outcome.clockChangeFound);
    EXPECT_EQ(outcome.firstInvalidSeat, 3);
    EXPECT_EQ(hooks.events, (std::vector<std::string>{"validated 3", "credits"}));
    EXPECT_EQ(month.desktop.MessageTexts(),
              std::vector<std::string>{"Error 101 Emp BROWN Day 5 Errors Corrected OK to proceed"});

    EXPECT_EQ(month.schedule.boardBuilt, 1);
    EXPECT_EQ(month.schedule.lastBlockHolder, 2);
    EXPECT_EQ(month.Row(0).hardTimeDays[0], 100);
    EXPECT_EQ(month.Row(0).hardTimeDays[88], 100);
    EXPECT_FALSE(month.Row(0).illegalitiesText.empty()) << "six hours of rest";
    EXPECT_EQ(month.Row(1).absentWholePeriod, 1);
    EXPECT_EQ(month.Row(0).absentWholePeriod, 0);

    std::array<int32_t, kMaxPeriodDays> balance{};
    for (int d = 0; d < 30; ++d) {
        balance[static_cast<size_t>(d)] = 2;  // SMITH and BROWN
    }
    for (int d : {3, 4, 10, 11, 20}) {
        balance[static_cast<size_t>(d)] = 1;
    }
    EXPECT_EQ(month.schedule.dayBalance, balance);
}

TEST(BuildBlocksStepsTest, StopsWhenTheSeatsAreToBeEdited) {
    BuildMonth month;
    RecordingHooks hooks(month, false);
    const BuildBlocksOutcome outcome = RunBuildBlocksSteps(month.schedule, month.desktop, hooks);
    EXPECT_FALSE(outcome.built);
    EXPECT_EQ(hooks.events, std::vector<std::string>{"validated 3"});
    EXPECT_EQ(month.schedule.boardBuilt, 0);
    EXPECT_EQ(month.Row(0).blockHours, 0);
    EXPECT_EQ(month.Row(0).hardTimeDays[0], 0);
}

TEST(BuildBlocksStepsTest, MissingClockChangeIsReportedAndBuildingGoesOn) {
    ScriptedDesktop desktop;
    auto schedule = std::make_unique<TSchedule>();
    schedule->DeleteAll();
    schedule->SetPeriod(Date::FromDmy(1, 3, 2025), Date::FromDmy(7, 3, 2025), desktop);
    schedule->days[7] = {};
    struct ClockHooks : BuildBlocksHooks {
        void ClockChangeMissing() override { ++missing; }
        int missing = 0;
    } hooks;

    const BuildBlocksOutcome outcome = RunBuildBlocksSteps(*schedule, desktop, hooks);
    EXPECT_FALSE(outcome.clockChangeFound);
    EXPECT_TRUE(outcome.built);
    EXPECT_EQ(hooks.missing, 1);
    EXPECT_EQ(schedule->days[7], (CalendarDate{8, 3, 2025})) << "the calendar was extended";
}

// Everything the steps compute, for comparing two runs.
struct BuiltState {
    std::vector<std::string> lines;
    std::vector<std::string> seats;
    std::string schedule;
    friend bool operator==(const BuiltState&, const BuiltState&) = default;
};

template <typename Table>
std::string Join(const Table& values) {
    std::string text;
    for (const auto& value : values) {
        text += std::to_string(value) + ",";
    }
    return text;
}

BuiltState CaptureBuilt(const TSchedule& schedule) {
    BuiltState state;
    for (int r = 0; r < schedule.employeeCount; ++r) {
        const TPilot& e = schedule.employees[static_cast<size_t>(r)];
        std::string totals;
        for (const auto& day : e.dutyTotals) {
            totals += Join(day);
        }
        state.lines.push_back(Join(e.dayPairing) + e.illegalitiesText + "|" + e.warningsText + "|" +
                              e.carsText + "|" + Join(e.dayIllegal) + Join(e.dayWarning) +
                              std::to_string(e.blockHours) + ":" + std::to_string(e.blockMinutes) +
                              " " + std::to_string(e.belowLine) +
                              std::to_string(e.absentWholePeriod) + Join(e.hardTimeDays) + totals);
    }
    for (int s = 0; s <= schedule.lastPairing; ++s) {
        const TPair& p = schedule.pairings[static_cast<size_t>(s)];
        state.seats.push_back(Join(p.operates) + std::to_string(p.valid) + p.validationText +
                              Join(p.dutyStartAt) + Join(p.layoverRest) + Join(p.carsDuty));
    }
    state.schedule = std::to_string(schedule.lastBlockHolder) + " " + Join(schedule.dayBalance) +
                     std::to_string(schedule.dstChangeAt) + " " + std::to_string(schedule.dstShift);
    return state;
}

TEST(BuildBlocksStepsPropertyTest, RunningTheStepsTwiceChangesNothing) {
    const CrewGroup groups[] = {CrewGroup::Captains, CrewGroup::FirstOfficers,
                                CrewGroup::FlightAttendants};
    for (unsigned seed = 1; seed <= 24; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 rng(seed);
        AssignmentMonth month(groups[seed % 3]);
        FillRandomMonth(month, rng);
        for (int attempt = 0; attempt < 40; ++attempt) {
            const TSchedule& s = month.schedule;
            AssignPairing(month.context,
                          std::uniform_int_distribution<int>(0, s.employeeCount - 1)(rng),
                          std::uniform_int_distribution<int>(0, s.lastPairing)(rng),
                          std::uniform_int_distribution<int>(0, s.dayCount - 1)(rng), true);
        }
        // A damaged day for the first run to repair.
        month.Row(0).dayPairing[1] = 2999;
        month.schedule.boardBuilt = 0;

        BuildBlocksHooks hooks;
        RunBuildBlocksSteps(month.schedule, month.desktop, hooks);
        const BuiltState first = CaptureBuilt(month.schedule);
        const size_t messages = month.desktop.messages.size();
        RunBuildBlocksSteps(month.schedule, month.desktop, hooks);
        EXPECT_EQ(CaptureBuilt(month.schedule), first);
        EXPECT_EQ(month.desktop.messages.size(), messages) << "nothing left to repair";
    }
}

}  // namespace
}  // namespace tallow::testing
