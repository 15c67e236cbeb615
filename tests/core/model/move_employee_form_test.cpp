#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/model/move_employee_form.h"
#include "core/model/schedule.h"

namespace tallow {
namespace {

class MoveEmployeeFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const auto& [name, number] :
             {std::pair{"ADAMS", 101}, std::pair{"BAKER", 102}, std::pair{"CAPT LINES", -1},
              std::pair{"CLARK", 103}, std::pair{"DAVIS", 104}}) {
            TPilot& row = schedule->employees[static_cast<size_t>(schedule->employeeCount++)];
            row.name = name;
            row.employeeNumber = number;
        }
        schedule->lastBlockHolder = 3;
    }

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (int r = 0; r < schedule->employeeCount; ++r) {
            names.push_back(schedule->employees[static_cast<size_t>(r)].name);
        }
        return names;
    }

    std::unique_ptr<TSchedule> schedule = std::make_unique<TSchedule>();
};

TEST_F(MoveEmployeeFormTest, ListsTheRosterAndSelectsTheEmployee) {
    MoveEmployeeForm form(*schedule, 1);
    form.Load();
    EXPECT_EQ(form.lines,
              (std::vector<std::string>{"001 ADAMS", "002 BAKER", "004 CLARK", "005 DAVIS"}));
    EXPECT_EQ(form.prompt, "Select Position to Move BAKER to.");
    EXPECT_EQ(form.selection, 1);
}

TEST_F(MoveEmployeeFormTest, OkMovesTheRowAndKeepsTheHistoryOnTheSamePeople) {
    schedule->undoHistory.Record(1, 10, 4, ActionKind::Assigned);  // BAKER
    schedule->undoHistory.Record(3, 11, 5, ActionKind::Removed);   // CLARK
    schedule->undoHistory.Record(0, 12, 6, ActionKind::Assigned);  // ADAMS

    MoveEmployeeForm form(*schedule, 1);
    form.Load();
    form.selection = 2;  // "004 CLARK"
    ASSERT_TRUE(form.Ok());

    EXPECT_EQ(Names(),
              (std::vector<std::string>{"ADAMS", "CAPT LINES", "CLARK", "BAKER", "DAVIS"}));
    EXPECT_EQ(schedule->lastBlockHolder, -1);
    EXPECT_EQ(schedule->modified, 1);
    ASSERT_EQ(schedule->undoHistory.Size(), 3u);
    const auto& entries = schedule->undoHistory.Entries();
    EXPECT_EQ(entries[0], (TAction{1, 6, 0, 12}));
    EXPECT_EQ(entries[1], (TAction{0, 5, 2, 11}));
    EXPECT_EQ(entries[2], (TAction{1, 4, 3, 10}));
}

TEST_F(MoveEmployeeFormTest, NothingMovesWithoutATargetOrFromAPlaceholderRow) {
    schedule->undoHistory.Record(3, 10, 4, ActionKind::Assigned);
    const struct {
        int32_t row;
        int selection;
    } cases[] = {{1, -1}, {1, 1}, {1, 4}, {2, 0}, {7, 0}};
    for (const auto& c : cases) {
        MoveEmployeeForm form(*schedule, c.row);
        form.Load();
        form.selection = c.selection;
        EXPECT_FALSE(form.Ok()) << c.row << " to line " << c.selection;
    }
    EXPECT_EQ(Names(),
              (std::vector<std::string>{"ADAMS", "BAKER", "CAPT LINES", "CLARK", "DAVIS"}));
    EXPECT_EQ(schedule->lastBlockHolder, 3);
    EXPECT_EQ(schedule->undoHistory.Entries()[0].row, 3);
}

}  // namespace
}  // namespace tallow
