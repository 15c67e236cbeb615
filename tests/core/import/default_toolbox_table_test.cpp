#include "core/import/default_toolbox_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app/event_log.h"
#include "core/model/time_text.h"
#include "support/memory_files.h"
#include "support/temp_folder.h"

namespace tallow {
namespace {

using namespace default_row;

TEST(DefaultToolboxTable, EveryRowHoldsTheColumnsThatAreRead) {
    const auto rows = DefaultToolboxRows();
    EXPECT_EQ(rows.size(), 113u);
    for (std::string_view row : rows) {
        SCOPED_TRACE(row);
        ASSERT_GT(row.size(), kEnd + kTimeWidth - 1);
        EXPECT_TRUE(row[kCrew] == 'P' || row[kCrew] == 'C');
        EXPECT_TRUE(row[kDuty] == 'D' || row[kDuty] == 'N');
        EXPECT_NE(row[kCode], ' ');
        EXPECT_GE(ParseTime(row.substr(kStart, kTimeWidth), true), 0);
        EXPECT_GE(ParseTime(row.substr(kEnd, kTimeWidth), true), 0);
        EXPECT_EQ(row[kCreditHours + 2] == ':', row.substr(kCreditHours, 5) != "     ");
    }
}

TEST(DefaultToolboxTable, LookupReadsTheFirstMatchingRowOfTheCrewKind) {
    const struct {
        CrewGroup group;
        const char* tracking;
        const char* code;
        int32_t credit;
        bool duty;
        bool cars;
        bool reserve;
    } cases[] = {
        {CrewGroup::Captains, "VC", "VAC", 170, false, false, false},
        {CrewGroup::FlightAttendants, "VC", "VAC", 170, false, false, false},
        {CrewGroup::Captains, "RA", "RA ", 0, true, true, true},
        {CrewGroup::FlightAttendants, "RA", "RA ", 240, true, false, true},
        {CrewGroup::Captains, "RK", "RCK", 0, true, true, true},
        {CrewGroup::FlightAttendants, "RE", "RE ", 240, true, false, true},
        {CrewGroup::FlightAttendants, "CM", "CRM", 240, true, false, false},  // no CARs for cabin
        {CrewGroup::Captains, "OC", "OF ", 270, true, true, false},
        {CrewGroup::Captains, "LC", "LCK", 318, false, false, false},  // before the LPC row
        {CrewGroup::Captains, "JX", "JX ", 270, true, false, false},
        {CrewGroup::FlightAttendants, "JX", "JX ", 300, true, false, false},
        {CrewGroup::FlightAttendants, "67", "RSF", 240, true, false, false},
        {CrewGroup::Captains, "16", "", 0, false, false, false},  // a reserve code without row
    };
    EventLog log;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tracking);
        const ToolboxMatch match =
            LookupDefaultRows(DefaultToolboxRows(), c.group, c.tracking, log);
        EXPECT_EQ(match.found, std::string_view(c.code) != "");
        EXPECT_EQ(match.code, c.code);
        EXPECT_EQ(match.credit, c.credit);
        EXPECT_EQ(match.containsDuty, c.duty);
        EXPECT_EQ(match.carsDuty, c.cars);
        EXPECT_EQ(match.reserve, c.reserve);
    }
}

TEST(DefaultToolboxTable, RowsOfOneCrewKindAreNotFoundForTheOther) {
    EventLog log;
    const auto rows = DefaultToolboxRows();
    EXPECT_FALSE(LookupDefaultRows(rows, CrewGroup::Captains, "5H", log).found);
    EXPECT_FALSE(LookupDefaultRows(rows, CrewGroup::FlightAttendants, "4H", log).found);
    EXPECT_FALSE(LookupDefaultRows(rows, CrewGroup::FlightAttendants, "RK", log).found);
    EXPECT_FALSE(LookupDefaultRows(rows, CrewGroup::Captains, "V", log).found);
}

TEST(DefaultToolboxTable, ShortPilotRowsAreLoggedAndSkipped) {
    testing::TempFolder folder;
    const std::string logPath = folder / "log.txt";
    EventLog log;
    ASSERT_TRUE(log.Open(logPath));
    const std::string good = std::string(DefaultToolboxRows()[0]);
    std::string pilotRow = good;
    pilotRow[kCrew] = 'P';
    const std::vector<std::string_view> rows = {
        "VAC   P",
        std::string_view(pilotRow).substr(0, 72),  // a tracking code cut short
        pilotRow,
    };

    const ToolboxMatch pilots = LookupDefaultRows(rows, CrewGroup::Captains, "5H", log);
    const ToolboxMatch cabin = LookupDefaultRows(rows, CrewGroup::FlightAttendants, "5H", log);
    log.Close();

    EXPECT_EQ(pilots.code, "5HS");
    EXPECT_FALSE(cabin.found);
    std::string written;
    ASSERT_TRUE(LocalFiles().ReadFile(logPath, written));
    EXPECT_EQ(written, "Oxbellows Codes Data Error\nOxbellows Codes Data Error\n");
}

TEST(DefaultToolboxTable, RowCreditReadsHoursAndMinutes) {
    EXPECT_EQ(DefaultRowCredit(std::string(26, ' ') + " 5:18"), 318);
    EXPECT_EQ(DefaultRowCredit(std::string(26, ' ') + "12:30"), 750);
    EXPECT_EQ(DefaultRowCredit(std::string(40, ' ')), 0);
    EXPECT_EQ(DefaultRowCredit("VAC"), 0);
}

}  // namespace
}  // namespace tallow
