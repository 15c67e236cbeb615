#include "core/files/transaction_history.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/model/calendar.h"
#include "core/model/pair.h"
#include "core/model/pilot.h"

namespace tallow {
namespace {

TEST(TransactionHistoryTest, RecordPutsTheNewestFirst) {
    TransactionHistory history;
    history.Record(4, 17, 5, ActionKind::Assigned);
    history.Record(9, 3, 0, ActionKind::Removed);
    ASSERT_EQ(history.Size(), 2u);
    EXPECT_EQ(history.Front(), (TAction{0, 0, 9, 3}));
    EXPECT_EQ(history.Entries()[1], (TAction{1, 5, 4, 17}));
    history.DropFront();
    EXPECT_EQ(history.Front(), (TAction{1, 5, 4, 17}));
    history.DropFront();
    history.DropFront();
    EXPECT_TRUE(history.Empty());
}

TEST(TransactionHistoryTest, KeepsTheNewest201Entries) {
    TransactionHistory history;
    for (int i = 0; i < 250; ++i) {
        history.Record(i, i, i % 31, ActionKind::Assigned);
    }
    ASSERT_EQ(history.Size(), 201u);
    EXPECT_EQ(history.Front().row, 249);
    // The oldest 49 (rows 0..48) are gone.
    EXPECT_EQ(history.Entries().back().row, 49);
}

TEST(TransactionHistoryTest, StoredFormHasACountAndFourteenCharactersPerEntry) {
    TransactionHistory history;
    EXPECT_EQ(history.ToText(), "0000");
    history.Record(12, 345, 6, ActionKind::Assigned);
    history.Record(999, 2999, 30, ActionKind::Removed);
    history.Record(0, 0, 61, ActionKind::Assigned);
    std::string text = history.ToText();
    EXPECT_EQ(text,
              "0003"
              "01006100000000"
              "00003009992999"
              "01000600120345");

    TransactionHistory reloaded;
    reloaded.Record(1, 1, 1, ActionKind::Assigned);
    reloaded.FromText(text);
    EXPECT_EQ(reloaded.Entries(), history.Entries());
}

TEST(TransactionHistoryTest, ReadingStopsAtTheEndOfTheText) {
    struct Case {
        const char* text;
        std::vector<TAction> entries;
    };
    const Case cases[] = {
        {"", {}},
        {"00", {}},
        {"0002", {}},
        {"000201000200030004", {{1, 2, 3, 4}}},  // second entry missing
        {"00020100020003000400001", {{1, 2, 3, 4}}},
        {"-001", {}},
        {"0001 1   2-003abcd", {{1, 2, -3, 0}}},  // read as the column readers read
        {"000101000200030004trailing", {{1, 2, 3, 4}}},
    };
    for (const Case& c : cases) {
        TransactionHistory history;
        history.FromText(c.text);
        EXPECT_EQ(std::vector<TAction>(history.Entries().begin(), history.Entries().end()),
                  c.entries)
            << "\"" << c.text << "\"";
    }
}

TEST(TransactionHistoryTest, StoredTextWithMoreThanTheLimitKeepsTheNewest201) {
    std::string text = "0300";
    for (int i = 0; i < 300; ++i) {
        char entry[15];
        std::snprintf(entry, sizeof entry, "01%04d%04d%04d", i % 31, i, i);
        text += entry;
    }
    TransactionHistory history;
    history.FromText(text);
    ASSERT_EQ(history.Size(), 201u);
    EXPECT_EQ(history.Front().row, 0);
    EXPECT_EQ(history.Entries().back().row, 200);
}

class HistoryDisplayTest : public ::testing::Test {
  protected:
    HistoryDisplayTest() : pairings(3), employees(3) {
        calendar.dayCount = 10;
        calendar.days[4] = {5, 3, 2025};
        pairings[1].number = 8101;
        employees[2].name = "SMITH J";
    }

    std::vector<std::string> Lines(const TransactionHistory& history) const {
        return history.DisplayLines(calendar, pairings, 1, employees, 3);
    }

    ScheduleCalendar calendar;
    std::vector<TPair> pairings;
    std::vector<TPilot> employees;
};

TEST_F(HistoryDisplayTest, ShowsKindNumberDateAndNameSeparatedByTabs) {
    TransactionHistory history;
    history.Record(2, 1, 4, ActionKind::Assigned);
    history.Record(2, 1, 4, ActionKind::Removed);
    EXPECT_EQ(Lines(history), (std::vector<std::string>{"Remove\t8101\t05/03/2025\tSMITH J",
                                                        "Assign\t8101\t05/03/2025\tSMITH J"}));
}

// Entries from a file may name rows, seats and days outside the tables.
TEST_F(HistoryDisplayTest, IndexesOutsideTheTablesShowPlaceholders) {
    TransactionHistory history;
    history.FromText(
        "0006"
        "01000400029999"    // seat past the table
        "01000400020002"    // seat past lastPairing
        "01009900020001"    // day past the calendar
        "01001000020001"    // day past the period
        "01000409990001"    // row past employeeCount
        "00-001-001-001");  // negative indexes
    std::vector<std::string> lines = Lines(history);
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "Assign\t?\t05/03/2025\tSMITH J", "Assign\t?\t05/03/2025\tSMITH J",
                         "Assign\t8101\t--/--/----\tSMITH J", "Assign\t8101\t--/--/----\tSMITH J",
                         "Assign\t8101\t05/03/2025\t?", "Remove\t?\t--/--/----\t?"}));
}

}  // namespace
}  // namespace tallow
