#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/model/date.h"
#include "core/model/schedule.h"
#include "support/scripted_desktop.h"

namespace tallow {
namespace {

using testing::ScriptedDesktop;

// A schedule with its event log written to a file of its own.
class ScheduleTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        logPath = std::filesystem::temp_directory_path() /
                  (std::string("tallow_schedule_") + test->name() + ".log");
        ASSERT_TRUE(schedule->logFile.Open(logPath.string()));
    }
    void TearDown() override {
        schedule->logFile.Close();
        std::filesystem::remove(logPath);
    }

    std::string LogText() {
        std::ifstream in(logPath, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    void SetPeriod(int days) {
        const Date start = Date::FromDmy(1, 6, 2025);
        ASSERT_TRUE(schedule->SetPeriod(start, start.AddDays(days - 1), desktop));
        ASSERT_EQ(schedule->dayCount, days);
    }

    void AddEmployees(std::initializer_list<std::pair<const char*, int32_t>> people) {
        for (const auto& [name, number] : people) {
            TPilot& row = schedule->employees[static_cast<size_t>(schedule->employeeCount++)];
            row.name = name;
            row.employeeNumber = number;
        }
    }

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (int r = 0; r < schedule->employeeCount; ++r) {
            names.push_back(schedule->employees[static_cast<size_t>(r)].name);
        }
        return names;
    }

    ScriptedDesktop desktop;
    std::unique_ptr<TSchedule> schedule = std::make_unique<TSchedule>();
    std::filesystem::path logPath;
};

TEST_F(ScheduleTest, DeleteAllResetsTheMonth) {
    SetPeriod(30);
    AddEmployees({{"ADAMS", 101}});
    schedule->employees[0].dayPairing[4] = 0;
    schedule->pairings[0].number = 8101;
    schedule->lastPairing = 5;
    schedule->lastImportedPairing = 4;
    schedule->toolboxCodeCount = 40;
    schedule->setup.fill(77);
    schedule->fileKind = FileKind::Final;
    schedule->currentPairing = 3;
    schedule->fileName = "/tmp/june.jx2";
    schedule->scheduleTitle = "YVRDH8CAV";
    schedule->fileNotes = "notes";
    schedule->pairingFilters[19] = "filter";
    schedule->reservedTexts[2] = "x";
    schedule->reservedWord = 9;
    schedule->reservedShortTexts[1][0] = 'A';
    schedule->dayBalance[3] = -2;
    schedule->lastBlockHolder = 12;
    schedule->modified = 1;
    schedule->boardBuilt = 1;
    schedule->searchActive = 1;
    schedule->showAssignedPairings = 0;
    schedule->freshFile = 0;
    schedule->undoHistory.Record(0, 0, 4, ActionKind::Assigned);

    schedule->DeleteAll();

    EXPECT_EQ(schedule->employeeCount, 0);
    EXPECT_EQ(schedule->employees[0].employeeNumber, 0);
    EXPECT_EQ(schedule->employees[0].dayPairing[4], kDayFree);
    EXPECT_EQ(schedule->pairings[0].number, 0);
    EXPECT_EQ(schedule->lastPairing, -1);
    EXPECT_EQ(schedule->lastImportedPairing, -1);
    EXPECT_EQ(schedule->toolboxCodeCount, 0);
    EXPECT_EQ(schedule->dayCount, 0);
    EXPECT_EQ(schedule->firstWeekday, 0);
    EXPECT_EQ(schedule->fileKind, FileKind::Working);

    const struct {
        int word;
        int32_t value;
    } words[] = {{0, 1},    {1, 0},   {2, 0},     {3, 4650}, {4, 4800}, {5, 4500}, {8, 3420},
                 {9, 2820}, {10, 12}, {11, 5400}, {6, 77},   {7, 77},   {12, 77},  {15, 77}};
    for (const auto& w : words) {
        EXPECT_EQ(schedule->setup[static_cast<size_t>(w.word)], w.value) << "setup word " << w.word;
    }

    EXPECT_EQ(schedule->currentPairing, 0);
    EXPECT_TRUE(schedule->fileName.empty());
    EXPECT_TRUE(schedule->scheduleTitle.empty());
    EXPECT_TRUE(schedule->fileNotes.empty());
    EXPECT_TRUE(schedule->pairingFilters[19].empty());
    EXPECT_TRUE(schedule->reservedTexts[2].empty());
    EXPECT_EQ(schedule->reservedWord, 0);
    EXPECT_EQ(schedule->reservedShortTexts[1][0], '\0');
    EXPECT_EQ(schedule->previousDays[30], CalendarDate{});
    EXPECT_EQ(schedule->dayBalance[3], 0);
    EXPECT_EQ(schedule->lastBlockHolder, 0);
    EXPECT_TRUE(schedule->undoHistory.Empty());
    EXPECT_EQ(schedule->modified, 0);
    EXPECT_EQ(schedule->boardBuilt, 0);
    EXPECT_EQ(schedule->searchActive, 0);
    EXPECT_EQ(schedule->showAssignedPairings, 1);
    EXPECT_EQ(schedule->freshFile, 1);

    EXPECT_EQ(LogText(), "BeginDeleteAll\nZeroDataBegin\nZeroDataEnd\nEndDeleteAll\n");
}

TEST_F(ScheduleTest, ZeroDataClearsOnlyTheTablesAskedFor) {
    AddEmployees({{"ADAMS", 101}});
    schedule->pairings[2].number = 8101;
    schedule->lastPairing = 2;
    schedule->lastImportedPairing = 2;

    schedule->ZeroData(false, true);
    EXPECT_EQ(schedule->employeeCount, 1);
    EXPECT_EQ(schedule->employees[0].name, "ADAMS");
    EXPECT_EQ(schedule->pairings[2].number, 0);
    EXPECT_EQ(schedule->lastPairing, -1);
    EXPECT_EQ(schedule->lastImportedPairing, -1);

    schedule->pairings[2].number = 8101;
    schedule->lastPairing = 2;
    schedule->ZeroData(true, false);
    EXPECT_EQ(schedule->employeeCount, 0);
    EXPECT_TRUE(schedule->employees[0].name.empty());
    EXPECT_EQ(schedule->pairings[2].number, 8101);
    EXPECT_EQ(schedule->lastPairing, 2);

    EXPECT_EQ(LogText(), "ZeroDataBegin\nZeroDataEnd\nZeroDataBegin\nZeroDataEnd\n");
}

class RosterInsertTest : public ScheduleTest {
  protected:
    void SetUp() override {
        ScheduleTest::SetUp();
        AddEmployees({{"ADAMS", 101}, {"BAKER", 102}, {"CLARK", 103}});
        schedule->undoHistory.Record(1, 0, 2, ActionKind::Assigned);
    }
};

TEST_F(RosterInsertTest, InsertAtOnePushesEveryRowDown) {
    schedule->employees[0].dayPairing[3] = 7;
    EXPECT_EQ(schedule->InsertEmployee(1, "NEWMAN", 555, desktop), RosterEditResult::Done);
    EXPECT_EQ(Names(), (std::vector<std::string>{"NEWMAN", "ADAMS", "BAKER", "CLARK"}));
    const TPilot& inserted = schedule->employees[0];
    EXPECT_EQ(inserted.employeeNumber, 555);
    EXPECT_EQ(inserted.dayPairing[3], kDayFree);
    EXPECT_EQ(schedule->employees[1].dayPairing[3], 7);
    EXPECT_EQ(schedule->employees[3].employeeNumber, 103);
    EXPECT_TRUE(schedule->undoHistory.Empty());
    EXPECT_EQ(schedule->modified, 1);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(RosterInsertTest, InsertAfterTheLastRowAppends) {
    EXPECT_EQ(schedule->InsertEmployee(4, "NEWMAN", 0, desktop), RosterEditResult::Done);
    EXPECT_EQ(Names(), (std::vector<std::string>{"ADAMS", "BAKER", "CLARK", "NEWMAN"}));
    EXPECT_EQ(schedule->InsertEmployee(3, "MIDDLE", 0, desktop), RosterEditResult::Done);
    EXPECT_EQ(Names(), (std::vector<std::string>{"ADAMS", "BAKER", "MIDDLE", "CLARK", "NEWMAN"}));
}

TEST_F(RosterInsertTest, BadInputIsRefusedAndChangesNothing) {
    const struct {
        int position;
        std::string name;
        int64_t number;
        RosterEditResult result;
        const char* message;
    } cases[] = {
        {0, "NEWMAN", 1, RosterEditResult::BadPosition, "Invalid Roster Number!"},
        {-3, "NEWMAN", 1, RosterEditResult::BadPosition, "Invalid Roster Number!"},
        {5, "NEWMAN", 1, RosterEditResult::BadPosition, "Invalid Roster Number!"},
        {1, "", 1, RosterEditResult::BadName, "Name must be 1 + letters!"},
        {1, std::string(21, 'N'), 1, RosterEditResult::BadName, "Name too long!"},
        {1, "NEWMAN", -1, RosterEditResult::BadNumber, "Invalid Employee Number!"},
        {1, "NEWMAN", 1000000000, RosterEditResult::BadNumber, "Invalid Employee Number!"},
        {1, "NEWMAN", 102, RosterEditResult::Duplicate, "Duplicate Employee Number with BAKER"},
        // The position is checked before the name, the name before the number.
        {0, "", -1, RosterEditResult::BadPosition, "Invalid Roster Number!"},
        {1, "", -1, RosterEditResult::BadName, "Name must be 1 + letters!"},
    };
    for (const auto& c : cases) {
        desktop.messages.clear();
        EXPECT_EQ(schedule->InsertEmployee(c.position, c.name, c.number, desktop), c.result)
            << c.message;
        ASSERT_EQ(desktop.messages.size(), 1u) << c.message;
        EXPECT_EQ(desktop.messages[0].text, c.message);
        EXPECT_EQ(desktop.messages[0].caption, "Oops");
        EXPECT_EQ(Names(), (std::vector<std::string>{"ADAMS", "BAKER", "CLARK"}));
        EXPECT_EQ(schedule->undoHistory.Size(), 1u);
        EXPECT_EQ(schedule->modified, 0);
    }
}

TEST_F(RosterInsertTest, LimitsOfNameAndNumberAreAccepted) {
    EXPECT_EQ(schedule->InsertEmployee(1, std::string(20, 'N'), 999999999, desktop),
              RosterEditResult::Done);
    EXPECT_EQ(schedule->employees[0].name.size(), 20u);
    EXPECT_EQ(schedule->employees[0].employeeNumber, 999999999);
}

TEST_F(RosterInsertTest, NumberZeroIsNeverADuplicate) {
    EXPECT_EQ(schedule->InsertEmployee(1, "FIRST", 0, desktop), RosterEditResult::Done);
    EXPECT_EQ(schedule->InsertEmployee(1, "SECOND", 0, desktop), RosterEditResult::Done);
    EXPECT_EQ(schedule->employeeCount, 5);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(RosterInsertTest, FullRosterIsRefused) {
    for (int n = schedule->employeeCount; n < kMaxEmployees; ++n) {
        ASSERT_EQ(schedule->InsertEmployee(n + 1, "FILL", 1000 + n, desktop),
                  RosterEditResult::Done);
    }
    ASSERT_EQ(schedule->employeeCount, kMaxEmployees);
    EXPECT_EQ(schedule->InsertEmployee(1, "ONE MORE", 1, desktop), RosterEditResult::RosterFull);
    EXPECT_EQ(schedule->InsertEmployee(kMaxEmployees + 1, "ONE MORE", 1, desktop),
              RosterEditResult::RosterFull);
    EXPECT_EQ(schedule->employeeCount, kMaxEmployees);
    EXPECT_EQ(schedule->employees[0].name, "ADAMS");
    ASSERT_EQ(desktop.messages.size(), 2u);
    EXPECT_EQ(desktop.messages[0].caption, "Oops");
    EXPECT_FALSE(desktop.messages[0].text.empty());
}

class RosterDeleteTest : public ScheduleTest {
  protected:
    void SetUp() override {
        ScheduleTest::SetUp();
        SetPeriod(30);
        AddEmployees({{"ADAMS", 101}, {"BAKER", 102}, {"CLARK", 103}});
        schedule->lastPairing = 1;
        schedule->pairings[0].operates[5] = kOperatesAssigned;
        schedule->pairings[1].operates[9] = -kOperatesAssigned;
        schedule->undoHistory.Record(1, 0, 5, ActionKind::Assigned);
    }
};

TEST_F(RosterDeleteTest, DeletingAnEmployeeReopensTheSeatsHeld) {
    TPilot& baker = schedule->employees[1];
    baker.dayPairing[5] = 0;
    baker.dayPairing[9] = 1;

    ASSERT_TRUE(schedule->DeleteEmployee(1, desktop));

    EXPECT_EQ(schedule->pairings[0].operates[5], kOperatesOpen);
    EXPECT_EQ(schedule->pairings[1].operates[9], -kOperatesOpen);
    EXPECT_EQ(Names(), (std::vector<std::string>{"ADAMS", "CLARK"}));
    EXPECT_EQ(schedule->employees[1].employeeNumber, 103);
    EXPECT_TRUE(schedule->employees[2].name.empty());
    EXPECT_EQ(schedule->employees[2].employeeNumber, 0);
    EXPECT_TRUE(schedule->undoHistory.Empty());
    EXPECT_EQ(schedule->modified, 1);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(RosterDeleteTest, SeatsOutsideThePeriodOrTableAreLeftAlone) {
    TPilot& baker = schedule->employees[1];
    baker.dayPairing[4] = 2;     // beyond lastPairing
    baker.dayPairing[6] = 5000;  // beyond the table
    baker.dayPairing[7] = kDayToolbox;
    baker.dayPairing[30] = 0;  // after the period
    schedule->pairings[2].operates[4] = kOperatesAssigned;
    schedule->pairings[0].operates[30] = kOperatesAssigned;

    ASSERT_TRUE(schedule->DeleteEmployee(1, desktop));

    EXPECT_EQ(schedule->pairings[2].operates[4], kOperatesAssigned);
    EXPECT_EQ(schedule->pairings[0].operates[30], kOperatesAssigned);
    EXPECT_EQ(schedule->pairings[0].operates[5], kOperatesAssigned);
}

TEST_F(RosterDeleteTest, LastRowCanBeDeleted) {
    ASSERT_TRUE(schedule->DeleteEmployee(2, desktop));
    EXPECT_EQ(Names(), (std::vector<std::string>{"ADAMS", "BAKER"}));
    EXPECT_TRUE(schedule->employees[2].name.empty());
}

TEST_F(RosterDeleteTest, RefusalsChangeNothing) {
    schedule->employees[2].employeeNumber = kPlaceholderEmployee;
    schedule->employees[2].dayPairing[5] = 0;
    const struct {
        int row;
        const char* message;
        const char* caption;
    } cases[] = {
        {-1, "I Don't know who to Delete!", "Oops"},
        {3, "I Don't know who to Delete!", "Oops"},
        {2, "Cannot delete Capt Pairings Lines. Use Edit.. Setup Crew Types", "Tallowbright"},
    };
    for (const auto& c : cases) {
        desktop.messages.clear();
        EXPECT_FALSE(schedule->DeleteEmployee(c.row, desktop)) << c.row;
        ASSERT_EQ(desktop.messages.size(), 1u);
        EXPECT_EQ(desktop.messages[0].text, c.message);
        EXPECT_EQ(desktop.messages[0].caption, c.caption);
        EXPECT_EQ(schedule->employeeCount, 3);
        EXPECT_EQ(schedule->pairings[0].operates[5], kOperatesAssigned);
        EXPECT_EQ(schedule->undoHistory.Size(), 1u);
    }
}

class RosterMoveTest : public ScheduleTest {
  protected:
    void SetUp() override {
        ScheduleTest::SetUp();
        AddEmployees({{"A", 1}, {"B", 2}, {"C", 3}, {"D", 4}, {"E", 5}});
    }
};

TEST_F(RosterMoveTest, MovesTheRowAndShiftsTheOnesBetween) {
    schedule->employees[1].dayPairing[2] = 9;
    ASSERT_TRUE(schedule->MoveEmployee(1, 3));
    EXPECT_EQ(Names(), (std::vector<std::string>{"A", "C", "D", "B", "E"}));
    EXPECT_EQ(schedule->employees[3].dayPairing[2], 9);
    EXPECT_EQ(schedule->employees[1].dayPairing[2], kDayFree);
    EXPECT_EQ(schedule->modified, 1);

    ASSERT_TRUE(schedule->MoveEmployee(4, 0));
    EXPECT_EQ(Names(), (std::vector<std::string>{"E", "A", "C", "D", "B"}));
}

TEST_F(RosterMoveTest, RowAfterMoveFollowsEveryRow) {
    for (int from = 0; from < 5; ++from) {
        for (int to = 0; to < 5; ++to) {
            std::vector<std::string> before = Names();
            schedule->MoveEmployee(from, to);
            for (int r = 0; r < 5; ++r) {
                EXPECT_EQ(schedule->employees[static_cast<size_t>(RowAfterMove(r, from, to))].name,
                          before[static_cast<size_t>(r)])
                    << "move " << from << "->" << to << ", row " << r;
            }
        }
    }
}

TEST_F(RosterMoveTest, RefusedMovesChangeNothing) {
    schedule->employees[2].employeeNumber = kPlaceholderEmployee;
    const struct {
        int from;
        int to;
    } cases[] = {{1, 1}, {2, 0}, {-1, 2}, {0, 5}, {5, 0}, {0, -1}};
    for (const auto& c : cases) {
        EXPECT_FALSE(schedule->MoveEmployee(c.from, c.to)) << c.from << "->" << c.to;
    }
    EXPECT_EQ(Names(), (std::vector<std::string>{"A", "B", "C", "D", "E"}));
    EXPECT_EQ(schedule->modified, 0);
}

TEST_F(RosterMoveTest, ListedRowsSkipPlaceholderRows) {
    schedule->employees[1].employeeNumber = kPlaceholderEmployee;
    schedule->employees[3].employeeNumber = 0;
    EXPECT_EQ(schedule->ListedRows(), (std::vector<int32_t>{0, 2, 3, 4}));
}

class TwoCaptainDaysTest : public ScheduleTest {
  protected:
    void SetUp() override {
        ScheduleTest::SetUp();
        SetPeriod(30);
        schedule->days[30].day = 0;  // MarkTwoCaptainDays extends the calendar again
    }

    TPair& Seat(int index, int32_t number) {
        TPair& seat = schedule->pairings[static_cast<size_t>(index)];
        seat.number = number;
        schedule->lastPairing = std::max(schedule->lastPairing, index);
        return seat;
    }
};

TEST_F(TwoCaptainDaysTest, CaptainSeatAddedAfterImportMarksItselfAndTheFirstImportedSeat) {
    schedule->crewGroup = CrewGroup::Captains;
    for (int s = 0; s < 40; ++s) {
        Seat(s, 8000 + s);
    }
    Seat(7, 8101).operates[3] = kOperatesAssigned;
    Seat(12, 8101).operates[3] = kOperatesOpen;
    schedule->lastImportedPairing = 39;
    TPair& extra = Seat(40, 8101);
    extra.operates[3] = kOperatesOpen;
    extra.operates[4] = kOperatesOpen;

    schedule->MarkTwoCaptainDays();

    EXPECT_EQ(schedule->pairings[40].operates[3], -kOperatesOpen);
    EXPECT_EQ(schedule->pairings[40].operates[4], kOperatesOpen);
    EXPECT_EQ(schedule->pairings[7].operates[3], -kOperatesAssigned);
    EXPECT_EQ(schedule->pairings[12].operates[3], kOperatesOpen);
    EXPECT_NE(schedule->days[30].day, 0);
    EXPECT_EQ(LogText(), "FlagTwoCaptPairsBegin\nFlagTwoCaptPairsEnd\n");
}

TEST_F(TwoCaptainDaysTest, CaptainSeatsThatDoNotOperateInThePeriodAreSkipped) {
    schedule->crewGroup = CrewGroup::Captains;
    Seat(0, 8101).operates[30] = kOperatesOpen;
    schedule->lastImportedPairing = 0;
    Seat(1, 8101).operates[30] = kOperatesOpen;  // after the period's 30 days
    Seat(2, 8102);                               // never operates

    schedule->MarkTwoCaptainDays();

    EXPECT_EQ(schedule->pairings[0].operates[30], kOperatesOpen);
    EXPECT_EQ(schedule->pairings[1].operates[30], kOperatesOpen);
}

TEST_F(TwoCaptainDaysTest, ValuesFromDamagedFilesAreNegatedWithoutOverflow) {
    schedule->crewGroup = CrewGroup::Captains;
    Seat(0, 8101).operates[1] = std::numeric_limits<int32_t>::min();
    schedule->lastImportedPairing = 0;
    Seat(1, 8101).operates[1] = std::numeric_limits<int32_t>::min();

    schedule->MarkTwoCaptainDays();

    EXPECT_EQ(schedule->pairings[1].operates[1], std::numeric_limits<int32_t>::max());
    EXPECT_EQ(schedule->pairings[0].operates[1], std::numeric_limits<int32_t>::max());
}

TEST_F(TwoCaptainDaysTest, FirstOfficerScheduleMarksThePlaceholderRowsDays) {
    schedule->crewGroup = CrewGroup::FirstOfficers;
    Seat(0, 8101).operates[2] = kOperatesAssigned;
    Seat(1, 8102).operates[2] = kOperatesAssigned;
    Seat(2, 8103).operates[29] = kOperatesAssigned;
    schedule->pairings[1].operates[30] = kOperatesOpen;
    AddEmployees({{"CAPT LINES", kPlaceholderEmployee}, {"OFFICER", 201}});
    schedule->employees[0].dayPairing[2] = 0;
    schedule->employees[0].dayPairing[29] = 2;
    schedule->employees[0].dayPairing[30] = 1;    // after the period
    schedule->employees[0].dayPairing[5] = 2500;  // no such seat
    schedule->employees[1].dayPairing[2] = 1;

    schedule->MarkTwoCaptainDays();

    EXPECT_EQ(schedule->pairings[0].operates[2], -kOperatesAssigned);
    EXPECT_EQ(schedule->pairings[2].operates[29], -kOperatesAssigned);
    EXPECT_EQ(schedule->pairings[1].operates[2], kOperatesAssigned);
    EXPECT_EQ(schedule->pairings[1].operates[30], kOperatesOpen);
}

TEST_F(TwoCaptainDaysTest, FlightAttendantScheduleIsLeftAsItIs) {
    schedule->crewGroup = CrewGroup::FlightAttendants;
    Seat(0, 8101).operates[3] = kOperatesAssigned;
    schedule->lastImportedPairing = -1;
    Seat(1, 8101).operates[3] = kOperatesOpen;
    AddEmployees({{"LINES", kPlaceholderEmployee}});
    schedule->employees[0].dayPairing[3] = 0;

    schedule->MarkTwoCaptainDays();

    EXPECT_EQ(schedule->pairings[0].operates[3], kOperatesAssigned);
    EXPECT_EQ(schedule->pairings[1].operates[3], kOperatesOpen);
    EXPECT_EQ(LogText(), "FlagTwoCaptPairsBegin\nFlagTwoCaptPairsEnd\n");
}

}  // namespace
}  // namespace tallow
