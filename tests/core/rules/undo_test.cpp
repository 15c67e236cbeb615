#include "core/rules/undo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "assignment_fixture.h"
#include "core/rules/assignment.h"

namespace tallow::testing {
namespace {

constexpr char kUnable[] = "Unable to UNDO that Transaction";

// Row 0 "SMITH" holds a duty on day 3 released at 18:00; seat 1 reports at
// 05:40 on day 4 (11:40 of rest, so its placement asks about short rest);
// seat 2 reports at 08:00 on day 10.
struct UndoMonth : AssignmentMonth {
    UndoMonth() {
        AddEmployee("SMITH", 1001);
        Hold(0, AddSeat(8101, 480, 600, 1, 300, {3}), 3);
        AddSeat(8102, 340, 600, 1, 300, {4});
        AddSeat(8103, 480, 600, 1, 300, {10});
        schedule.undoHistory.Record(0, 0, 3, ActionKind::Assigned);
    }
};

TEST(UndoTest, EmptyHistoryBeeps) {
    AssignmentMonth month;
    EXPECT_EQ(Undo(month.context), UndoResult::Empty);
    EXPECT_EQ(month.desktop.beeps, 1);
    EXPECT_TRUE(month.desktop.messages.empty());
}

TEST(UndoTest, AssignmentUndoneRestoresLineSeatAndHistory) {
    UndoMonth month;
    const LineState before = Capture(month.schedule);
    ASSERT_EQ(AssignPairing(month.context, 0, 2, 10, false), AssignResult::Placed);
    ASSERT_NE(Capture(month.schedule), before);

    EXPECT_EQ(Undo(month.context), UndoResult::Undone);
    EXPECT_EQ(Capture(month.schedule), before);
    EXPECT_TRUE(month.desktop.messages.empty());
}

TEST(UndoTest, RemovalUndoneAsksTheAssignmentQuestionsAgain) {
    UndoMonth month;
    month.desktop.Answer(Answer::Yes);
    ASSERT_EQ(AssignPairing(month.context, 0, 1, 4, false), AssignResult::Placed);
    const LineState assigned = Capture(month.schedule);
    ASSERT_EQ(RemovePairing(month.context, 0, 1, 4), RemoveResult::Removed);

    month.desktop.Answer(Answer::Yes);
    EXPECT_EQ(Undo(month.context), UndoResult::Undone);
    EXPECT_EQ(Capture(month.schedule), assigned);
    EXPECT_EQ(month.desktop.messages.size(), 2u);
}

TEST(UndoTest, RemovalWhoseQuestionIsAnsweredNoIsDropped) {
    UndoMonth month;
    month.desktop.Answer(Answer::Yes);
    ASSERT_EQ(AssignPairing(month.context, 0, 1, 4, false), AssignResult::Placed);
    ASSERT_EQ(RemovePairing(month.context, 0, 1, 4), RemoveResult::Removed);
    LineState expected = Capture(month.schedule);
    expected.history =
        "0002"
        "01000400000001"
        "01000300000000";

    month.desktop.Answer(Answer::No);
    EXPECT_EQ(Undo(month.context), UndoResult::Refused);
    EXPECT_EQ(Capture(month.schedule), expected);
    ASSERT_EQ(month.desktop.messages.size(), 3u);
    const Message& message = month.desktop.messages.back();
    EXPECT_EQ(message.text, kUnable);
    EXPECT_EQ(message.caption, "Tallowbright");
    EXPECT_FALSE(message.IsQuestion());

    // The next F1 moves on: the assignment before it is gone from the line
    // too, and the one before that is undone.
    EXPECT_EQ(Undo(month.context), UndoResult::Refused);
    EXPECT_EQ(Undo(month.context), UndoResult::Undone);
    EXPECT_EQ(month.Held(0, 3), kDayFree);
    EXPECT_EQ(month.Operates(0, 3), kOperatesOpen);
    EXPECT_TRUE(month.schedule.undoHistory.Empty());
}

TEST(UndoTest, EntryThatNoLongerAppliesIsDropped) {
    UndoMonth month;
    ASSERT_EQ(AssignPairing(month.context, 0, 2, 10, true), AssignResult::Placed);
    // The seat was taken off behind the history's back.
    month.Row(0).dayPairing[10] = kDayFree;
    month.Seat(2).operates[10] = kOperatesOpen;

    EXPECT_EQ(Undo(month.context), UndoResult::Refused);
    EXPECT_EQ(month.desktop.MessageTexts(), std::vector<std::string>{kUnable});
    EXPECT_EQ(month.schedule.undoHistory.ToText(),
              "0001"
              "01000300000000");
}

TEST(UndoTest, EntriesOutsideTheScheduleAreRefusedBeforeAnyTableIsRead) {
    // kind, day, row, pairing as a file may hold them.
    const char* entries[] = {
        "01"
        "9999"
        "0000"
        "0000",  // day past every table
        "01"
        "-001"
        "0000"
        "0000",  // negative day
        "01"
        "0030"
        "0000"
        "0000",  // first day after the period
        "00"
        "0004"
        "9999"
        "0001",  // row past every table
        "00"
        "0004"
        "0001"
        "0001",  // row past the roster
        "00"
        "0004"
        "-001"
        "0001",  // negative row
        "00"
        "0004"
        "0000"
        "9999",  // seat past every table
        "00"
        "0004"
        "0000"
        "0003",  // seat past the last one
        "01"
        "0003"
        "0000"
        "-001",  // negative seat
        "07"
        "0003"
        "0000"
        "0000",  // no such kind
    };
    for (const char* entry : entries) {
        SCOPED_TRACE(entry);
        UndoMonth month;
        const std::string path =
            (std::filesystem::path(::testing::TempDir()) / "undo_event_log.txt").string();
        ASSERT_TRUE(month.schedule.logFile.Open(path));
        month.schedule.undoHistory.FromText(std::string("0002") + entry + "01000300000000");
        ASSERT_EQ(month.schedule.undoHistory.Size(), 2u);
        LineState expected = Capture(month.schedule);
        expected.history =
            "0001"
            "01000300000000";
        month.observer.calls.clear();

        EXPECT_EQ(Undo(month.context), UndoResult::Refused);
        EXPECT_EQ(Capture(month.schedule), expected);
        EXPECT_EQ(month.desktop.MessageTexts(), std::vector<std::string>{kUnable});
        EXPECT_TRUE(month.observer.calls.empty());
        month.schedule.logFile.Close();
        std::ifstream file(path, std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        EXPECT_EQ(text.str(), "Undo\n");
        std::filesystem::remove(path);
    }
}

TEST(UndoTest, HistoryKeepsTheNewest201Assignments) {
    AssignmentMonth month;
    for (int r = 0; r < 10; ++r) {
        month.AddEmployee("ROW", 100 + r);
    }
    const int seat = month.AddSeat(8101, 480, 600, 1, 300, {});
    for (int d = 0; d < 25; ++d) {
        month.Seat(seat).operates[static_cast<size_t>(d)] = kOperatesOpen;
    }
    // One seat flown on 25 days by 10 rows: a seat-day takes one row only,
    // so each assignment uses its own seat.
    for (int s = 1; s < 10; ++s) {
        month.Seat(month.AddSeat(8101, 480, 600, 1, 300, {})).operates = month.Seat(seat).operates;
    }
    std::vector<TAction> made;
    for (int d = 0; d < 25; ++d) {
        for (int r = 0; r < 10; ++r) {
            ASSERT_EQ(AssignPairing(month.context, r, r, d, true), AssignResult::Placed);
            made.push_back(TAction{1, d, r, r});
        }
    }
    ASSERT_EQ(made.size(), 250u);
    const TransactionHistory& history = month.schedule.undoHistory;
    ASSERT_EQ(history.Size(), 201u);
    EXPECT_EQ(history.Front(), made.back());
    EXPECT_EQ(history.Entries().back(), made[49]);
}

TEST(UndoPropertyTest, AssignThenUndoRestoresLineAndSeat) {
    for (unsigned seed = 1; seed <= 30; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 rng(seed);
        AssignmentMonth month(seed % 2 == 0 ? CrewGroup::Captains : CrewGroup::FirstOfficers);
        FillRandomMonth(month, rng);
        const TSchedule& schedule = month.schedule;
        int undone = 0;
        for (int attempt = 0; attempt < 80; ++attempt) {
            const int row = std::uniform_int_distribution<int>(0, schedule.employeeCount - 1)(rng);
            const int seat = std::uniform_int_distribution<int>(0, schedule.lastPairing)(rng);
            const int day = std::uniform_int_distribution<int>(0, schedule.dayCount - 1)(rng);
            const LineState before = Capture(schedule);
            if (AssignPairing(month.context, row, seat, day, true) != AssignResult::Placed) {
                continue;
            }
            if (attempt % 3 == 0) {
                ASSERT_EQ(Undo(month.context), UndoResult::Undone);
                EXPECT_EQ(Capture(schedule), before);
                ++undone;
            }
        }
        EXPECT_GT(undone, 0);
    }
}

}  // namespace
}  // namespace tallow::testing
