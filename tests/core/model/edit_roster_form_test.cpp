#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/model/edit_roster_form.h"
#include "core/model/schedule.h"
#include "support/scripted_desktop.h"

namespace tallow {
namespace {

using testing::ScriptedDesktop;

// ADAMS, a placeholder row and BAKER: the list shows two lines numbered by row.
class EditRosterFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Add("ADAMS", 101);
        Add("CAPT LINES", kPlaceholderEmployee);
        Add("BAKER", 0);
        schedule->undoHistory.Record(2, 0, 4, ActionKind::Assigned);
        form.Load();
    }

    void Add(const char* name, int32_t number) {
        TPilot& row = schedule->employees[static_cast<size_t>(schedule->employeeCount++)];
        row.name = name;
        row.employeeNumber = number;
    }

    std::string NameAt(int row) const { return schedule->employees[static_cast<size_t>(row)].name; }

    ScriptedDesktop desktop;
    std::unique_ptr<TSchedule> schedule = std::make_unique<TSchedule>();
    EditRosterForm form{*schedule, desktop};
};

TEST_F(EditRosterFormTest, ListShowsRowsThatAreNotPlaceholders) {
    EXPECT_EQ(form.lines, (std::vector<std::string>{"001   ADAMS   101", "003   BAKER   0"}));
    EXPECT_EQ(form.RowOf(0), 0);
    EXPECT_EQ(form.RowOf(1), 2);
    EXPECT_EQ(form.RowOf(2), -1);
    EXPECT_EQ(form.RowOf(-1), -1);
}

TEST_F(EditRosterFormTest, InsertTakesTheFieldsAndRefillsTheList) {
    form.index = "2";
    form.name = "NEWMAN";
    form.employeeNumber = "123456789";
    ASSERT_TRUE(form.InsertEmployee());
    EXPECT_EQ(form.lines, (std::vector<std::string>{"001   ADAMS   101", "002   NEWMAN   123456789",
                                                    "004   BAKER   0"}));
    EXPECT_EQ(NameAt(2), "CAPT LINES");
    EXPECT_TRUE(schedule->undoHistory.Empty());
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(EditRosterFormTest, BlankEmployeeNumberIsZero) {
    form.index = "4";
    form.name = "NEWMAN";
    ASSERT_TRUE(form.InsertEmployee());
    EXPECT_EQ(schedule->employees[3].employeeNumber, 0);
    EXPECT_EQ(form.lines.back(), "004   NEWMAN   0");
}

TEST_F(EditRosterFormTest, RefusedInsertPutsTheFocusOnTheFieldAtFault) {
    const struct {
        const char* index;
        const char* name;
        const char* number;
        RosterField focus;
        const char* message;
    } cases[] = {
        {"0", "NEWMAN", "5", RosterField::Index, "Invalid Roster Number!"},
        {"", "NEWMAN", "5", RosterField::Index, "Invalid Roster Number!"},
        {"5", "NEWMAN", "5", RosterField::Index, "Invalid Roster Number!"},
        {"9999", "NEWMAN", "5", RosterField::Index, "Invalid Roster Number!"},
        {"1", "", "5", RosterField::Name, "Name must be 1 + letters!"},
        {"1", "ABCDEFGHIJKLMNOPQRSTU", "5", RosterField::Name, "Name too long!"},
        {"1", "NEWMAN", "-5", RosterField::EmployeeNumber, "Invalid Employee Number!"},
        {"1", "NEWMAN", "12a", RosterField::EmployeeNumber, "Invalid Employee Number!"},
        {"1", "NEWMAN", "1234567890", RosterField::EmployeeNumber, "Invalid Employee Number!"},
        {"1", "NEWMAN", "101", RosterField::EmployeeNumber, "Duplicate Employee Number with ADAMS"},
    };
    for (const auto& c : cases) {
        desktop.messages.clear();
        form.focus = c.focus == RosterField::Index ? RosterField::Name : RosterField::Index;
        form.index = c.index;
        form.name = c.name;
        form.employeeNumber = c.number;
        EXPECT_FALSE(form.InsertEmployee()) << c.message;
        EXPECT_EQ(form.focus, c.focus) << c.message;
        ASSERT_EQ(desktop.MessageTexts(), std::vector<std::string>{c.message});
        EXPECT_EQ(desktop.messages[0].caption, "Oops");
        EXPECT_EQ(form.lines.size(), 2u);
        EXPECT_EQ(schedule->employeeCount, 3);
    }
}

TEST_F(EditRosterFormTest, DeleteRemovesTheRowBehindTheSelectedLine) {
    form.selection = 1;
    ASSERT_TRUE(form.DeleteSelectedEmployee());
    EXPECT_EQ(form.lines, (std::vector<std::string>{"001   ADAMS   101"}));
    EXPECT_EQ(schedule->employeeCount, 2);
    EXPECT_EQ(NameAt(1), "CAPT LINES");
    EXPECT_EQ(form.selection, -1);
    EXPECT_TRUE(schedule->undoHistory.Empty());
}

TEST_F(EditRosterFormTest, DeleteWithoutSelectionIsRefused) {
    EXPECT_FALSE(form.DeleteSelectedEmployee());
    EXPECT_EQ(desktop.MessageTexts(), std::vector<std::string>{"I Don't know who to Delete!"});
    EXPECT_EQ(schedule->employeeCount, 3);
}

TEST_F(EditRosterFormTest, DraggingShowsTheMoveAndDroppingMakesIt) {
    form.Drag(0, 1);
    EXPECT_EQ(form.status, "MOVE ADAMS TO POSITION 003");

    ASSERT_TRUE(form.Drop(0, 1));
    EXPECT_EQ(form.status, "ADAMS MOVED TO POSITION 003");
    EXPECT_EQ(form.lines, (std::vector<std::string>{"002   BAKER   0", "003   ADAMS   101"}));
    EXPECT_EQ(NameAt(0), "CAPT LINES");
    EXPECT_EQ(form.selection, 1);
    EXPECT_TRUE(schedule->undoHistory.Empty());

    form.LeaveList();
    EXPECT_TRUE(form.status.empty());
}

TEST_F(EditRosterFormTest, DroppingOnItselfOrOutsideTheListMovesNothing) {
    form.Drag(1, 1);
    EXPECT_EQ(form.status, "MOVE BAKER TO POSITION 003");
    EXPECT_FALSE(form.Drop(1, 1));
    EXPECT_TRUE(form.status.empty());

    form.Drag(1, 5);
    EXPECT_TRUE(form.status.empty());
    EXPECT_FALSE(form.Drop(1, 5));
    EXPECT_FALSE(form.Drop(-1, 0));

    EXPECT_EQ(form.lines, (std::vector<std::string>{"001   ADAMS   101", "003   BAKER   0"}));
    EXPECT_EQ(schedule->undoHistory.Size(), 1u);
    EXPECT_EQ(schedule->modified, 0);
}

}  // namespace
}  // namespace tallow
