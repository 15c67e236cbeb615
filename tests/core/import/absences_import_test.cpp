#include "core/import/absences_import.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/app/settings.h"
#include "core/import/summary_list.h"
#include "core/model/schedule.h"
#include "core/model/text_format.h"
#include "extract_fixture.h"
#include "support/scripted_desktop.h"
#include "support/temp_folder.h"

namespace tallow {
namespace {

using testing::FixedLine;
using testing::MemoryFiles;
using testing::ScriptedDesktop;
using Lines = std::vector<std::string>;

constexpr const char* kFilter =
    "Vellumix Extract Files (*absp.ext *absc.ext)|*absp.ext;*absc.ext|All Files (*.*)|*.*";
constexpr const char* kEraseQuestion =
    "This will erase all conflicting Toolbox assignments. Proceed";
constexpr const char* kCheckQuestion =
    "This May Not Be a Valid Crew Absence Extract! Do You Want to Try Load it Anyway";
constexpr const char* kFileError = "File Error - Unable to Load Crew Absences from this file.";

struct Entry {
    std::string code;
    int firstDay;
    int lastDay;
    int start;
    int end;
};

std::string EntryText(const Entry& e) {
    return e.code + Format("%02d%02d%04d%04d", e.firstDay, e.lastDay, e.start, e.end);
}

std::string AbsenceLine(const std::string& number, const std::vector<Entry>& entries,
                        size_t length = 443) {
    FixedLine line(length);
    line.Put(0, number);
    for (size_t k = 0; k < entries.size(); ++k) {
        line.Put(9 + 14 * k, EntryText(entries[k]));
    }
    return line.Text().substr(0, length);
}

std::string Extract(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

TAbsence Code(const char* code, const char* tracking, int32_t credit, int32_t hard,
              uint8_t containsDuty, uint8_t carsDuty, uint8_t countsCredit) {
    TAbsence entry;
    entry.code = code;
    entry.trackingCode = tracking;
    entry.startTime = 100;  // the extract's times win over the catalogue's
    entry.endTime = 200;
    entry.credit = credit;
    entry.hardTime = hard;
    entry.containsDuty = containsDuty;
    entry.isCarsDuty = carsDuty;
    entry.countsCredit = countsCredit;
    return entry;
}

DayValues Detail(std::initializer_list<int32_t> values) {
    DayValues detail{};
    std::copy(values.begin(), values.end(), detail.begin());
    return detail;
}

class AbsencesImportTest : public ::testing::Test {
  protected:
    AbsencesImportTest() {
        schedule_.scheduleTitle = "YVRDH8CAV";
        schedule_.crewGroup = CrewGroup::Captains;
        schedule_.dayCount = 30;
        const char* names[] = {"A ALPHA", "B BRAVO", "J SMITH"};
        for (size_t row = 0; row < 3; ++row) {
            schedule_.employees[row].name = names[row];
            schedule_.employees[row].employeeNumber = static_cast<int32_t>(100 * (row + 1));
        }
        schedule_.employeeCount = 3;
        const TAbsence codes[] = {
            Code("VAC", "VC", 240, 0, 0, 0, 1),  Code("RES", "RA", 300, 0, 1, 1, 1),
            Code("TRN", "TR", 360, 60, 1, 0, 0), Code("LOA", "LA", 0, 0, 0, 0, 1),
            Code("MED", "MD", 0, 0, 0, 0, 1),
        };
        for (const TAbsence& code : codes) {
            schedule_.toolboxCodes[static_cast<size_t>(schedule_.toolboxCodeCount++)] = code;
        }
    }

    TPilot& Employee(size_t row) { return schedule_.employees[row]; }
    AbsencesReadResult Read(const Lines& lines, bool nextMonth = false) {
        return ReadAbsencesExtract(schedule_, Extract(lines), nextMonth);
    }
    // The days of the row holding a toolbox assignment.
    std::vector<int> ToolboxDays(size_t row) {
        std::vector<int> days;
        for (int d = 0; d < kCalendarDays; ++d) {
            if (Employee(row).dayPairing[static_cast<size_t>(d)] == kDayToolbox) {
                days.push_back(d);
            }
        }
        return days;
    }

    std::unique_ptr<TSchedule> holder_ = std::make_unique<TSchedule>();
    TSchedule& schedule_ = *holder_;
};

TEST_F(AbsencesImportTest, EntryFillsEachDayOfItsRangeFromTheCatalogue) {
    const AbsencesReadResult result = Read({AbsenceLine("100", {{"VC", 1, 5, 720, 1020}})});

    EXPECT_TRUE(result.complete);
    EXPECT_EQ(result.warnings, "");
    EXPECT_EQ(ToolboxDays(0), (std::vector<int>{0, 1, 2, 3, 4}));
    for (size_t d = 0; d < 5; ++d) {
        EXPECT_EQ(Employee(0).dayCode[d], "VAC");
        EXPECT_EQ(Employee(0).dayCrewCode[d], "VC");
        EXPECT_EQ(Employee(0).dayDetail[d], Detail({720, 300, 240, 0, 0, 0, 0, 0}));
    }
    EXPECT_EQ(Employee(0).dayCode[5], "");
    EXPECT_TRUE(ToolboxDays(1).empty());
    EXPECT_EQ(schedule_.modified, 1);
}

TEST_F(AbsencesImportTest, DayValuesFollowTheCodeAndTheTimeWindow) {
    const struct {
        Entry entry;
        const char* code;
        DayValues detail;
    } cases[] = {
        {{"RA", 7, 7, 360, 1080}, "RES", Detail({360, 720, 300, 0, 1, 1, 0, 1})},
        {{"TR", 7, 7, 480, 960}, "TRN", Detail({480, 480, 360, 60, 0, 1, 1, 0})},
        {{"VC", 7, 7, 1320, 360}, "VAC", Detail({1320, 480, 240, 0, 0, 0, 0, 0})},
        {{"VC", 7, 7, 600, 600}, "VAC", Detail({600, 0, 240, 0, 0, 0, 0, 0})},
        {{"ZZ", 7, 7, 0, 1439}, "ZZ", Detail({0, 1439, 0, 0, 0, 0, 0, 0})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry.code);
        Read({AbsenceLine("200", {c.entry})});
        EXPECT_EQ(Employee(1).dayPairing[6], kDayToolbox);
        EXPECT_EQ(Employee(1).dayCode[6], c.code);
        EXPECT_EQ(Employee(1).dayCrewCode[6], c.entry.code);
        EXPECT_EQ(Employee(1).dayDetail[6], c.detail);
    }
}

TEST_F(AbsencesImportTest, NextMonthsAbsencesGoToTheDaysAfterThePeriod) {
    Read({AbsenceLine("100", {{"VC", 1, 5, 720, 1020}})}, true);

    EXPECT_EQ(ToolboxDays(0), (std::vector<int>{30, 31, 32, 33, 34}));
    EXPECT_EQ(Employee(0).dayCode[30], "VAC");
}

TEST_F(AbsencesImportTest, DayHoldingAPairingKeepsItWithAWarning) {
    Employee(2).dayPairing[3] = 12;
    Employee(0).dayPairing[0] = 0;  // seat 0 is a pairing like any other

    const AbsencesReadResult result = Read({AbsenceLine("300", {{"VC", 1, 5, 720, 1020}}),
                                            AbsenceLine("100", {{"VC", 1, 2, 720, 1020}})});

    EXPECT_EQ(Employee(2).dayPairing[3], 12);
    EXPECT_EQ(Employee(2).dayCode[3], "");
    EXPECT_EQ(ToolboxDays(2), (std::vector<int>{0, 1, 2, 4}));
    EXPECT_EQ(Employee(0).dayPairing[0], 0);
    EXPECT_EQ(ToolboxDays(0), (std::vector<int>{1}));
    EXPECT_EQ(result.warnings,
              "Cannot Assign Code VC in 3 J SMITH on day 04 Due Pairing Assigned. "
              "Cannot Assign Code VC in 1 A ALPHA on day 01 Due Pairing Assigned. ");
    EXPECT_EQ(SplitSummaryText(result.warnings),
              (Lines{"Cannot Assign Code VC in 3 J SMITH on day 04 Due Pairing Assigned",
                     " Cannot Assign Code VC in 1 A ALPHA on day 01 Due Pairing Assigned"}));
}

TEST_F(AbsencesImportTest, CodeWithoutCatalogueEntryIsKeptAndWarnedOncePerDay) {
    const AbsencesReadResult result = Read({AbsenceLine("100", {{"ZZ", 2, 3, 480, 600}})});

    EXPECT_EQ(ToolboxDays(0), (std::vector<int>{1, 2}));
    EXPECT_EQ(Employee(0).dayCode[1], "ZZ");
    EXPECT_EQ(Employee(0).dayCrewCode[1], "ZZ");
    EXPECT_EQ(Employee(0).dayDetail[2], Detail({480, 120}));
    EXPECT_EQ(SplitSummaryText(result.warnings),
              (Lines{"No Matching Code for ZZ", " No Credit or Duty Info Recorded",
                     " No Matching Code for ZZ", " No Credit or Duty Info Recorded"}));
}

TEST_F(AbsencesImportTest, LineForAnEmployeeNotOnTheRosterIsIgnored) {
    const AbsencesReadResult result = Read({AbsenceLine("999", {{"VC", 1, 5, 720, 1020}})});

    EXPECT_TRUE(result.complete);
    EXPECT_EQ(result.warnings, "");
    for (size_t row = 0; row < 3; ++row) {
        EXPECT_TRUE(ToolboxDays(row).empty());
    }
    EXPECT_EQ(schedule_.modified, 0);
}

TEST_F(AbsencesImportTest, AbsencesAreAddedToWhatTheScheduleHolds) {
    TAbsence office = Code("OFF", "OF", 480, 0, 1, 0, 1);
    ASSERT_TRUE(PlaceCode(Employee(0), 2, office, schedule_.crewGroup));
    ASSERT_TRUE(PlaceCode(Employee(0), 9, office, schedule_.crewGroup));
    const Lines extract = {AbsenceLine("100", {{"VC", 1, 5, 720, 1020}})};

    Read(extract);
    const TPilot once = Employee(0);
    Read(extract);

    EXPECT_EQ(Employee(0).dayCode[2], "VAC");
    EXPECT_EQ(Employee(0).dayDetail[2], Detail({720, 300, 240}));
    EXPECT_EQ(Employee(0).dayCode[9], "OFF");
    EXPECT_EQ(Employee(0).dayCode, once.dayCode);
    EXPECT_EQ(Employee(0).dayDetail, once.dayDetail);
    EXPECT_EQ(Employee(0).dayPairing, once.dayPairing);
}

TEST_F(AbsencesImportTest, WholePeriodLeaveMarksTheEmployeeAsReserveBidder) {
    Read({AbsenceLine("100", {{"LA", 1, 20, 0, 0}, {"MD", 21, 30, 0, 0}}),
          AbsenceLine("200", {{"LA", 1, 29, 0, 0}})});

    EXPECT_EQ(Employee(0).absentWholePeriod, 1);
    EXPECT_EQ(Employee(0).reserveBidder, 1);
    EXPECT_EQ(Employee(1).absentWholePeriod, 0);
    EXPECT_EQ(Employee(1).reserveBidder, 0);

    // One vacation day ends the whole-period leave, but never the reserve bid.
    Read({AbsenceLine("100", {{"VC", 15, 15, 0, 0}})});
    EXPECT_EQ(Employee(0).absentWholePeriod, 0);
    EXPECT_EQ(Employee(0).reserveBidder, 1);
}

TEST_F(AbsencesImportTest, NextMonthsLoadLeavesTheWholePeriodFlagAlone) {
    Employee(0).absentWholePeriod = 1;

    Read({AbsenceLine("200", {{"LA", 1, 30, 0, 0}})}, true);

    EXPECT_EQ(Employee(0).absentWholePeriod, 1);
    EXPECT_EQ(Employee(1).absentWholePeriod, 0);
    EXPECT_EQ(Employee(1).reserveBidder, 0);
}

TEST_F(AbsencesImportTest, ReadingStopsWhereTheFormatSays) {
    const std::string first = AbsenceLine("100", {{"VC", 1, 1, 0, 0}});
    const std::string second = AbsenceLine("200", {{"VC", 2, 2, 0, 0}});
    const std::string third = AbsenceLine("300", {{"VC", 3, 3, 0, 0}});
    const struct {
        const char* what;
        Lines lines;
        std::vector<size_t> rowsWithAbsences;
    } cases[] = {
        {"to the end", {first, second, third}, {0, 1, 2}},
        {"at a line shorter than 10", {first, "123456789", third}, {0}},
        {"at a blank line", {first, "", third}, {0}},
        {"ten characters are still a line", {first, "0000000000", third}, {0, 2}},
        {"after the employee 99999", {first, AbsenceLine("99999", {}), third}, {0}},
        {"short lines without absences go on", {first, "200       ", third}, {0, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (size_t row = 0; row < 3; ++row) {
            for (auto& day : Employee(row).dayPairing) {
                day = kDayFree;
            }
        }
        EXPECT_TRUE(Read(c.lines).complete);
        std::vector<size_t> rows;
        for (size_t row = 0; row < 3; ++row) {
            if (!ToolboxDays(row).empty()) {
                rows.push_back(row);
            }
        }
        EXPECT_EQ(rows, c.rowsWithAbsences);
    }
}

TEST_F(AbsencesImportTest, EntriesEndAtTwoBlanksOrAnIncompleteEntry) {
    std::vector<Entry> all;
    for (int k = 0; k < 31; ++k) {
        all.push_back({"VC", k + 1, k + 1, 0, 0});
    }
    Read({AbsenceLine("100", all)});
    EXPECT_EQ(ToolboxDays(0).size(), 31u);

    // Entry 1 is blank: entry 2 is never read.
    FixedLine gap(443);
    gap.Put(0, "200").Put(9, EntryText({"VC", 1, 1, 0, 0})).Put(37, EntryText({"VC", 3, 3, 0, 0}));
    // The line ends one character into the end time of entry 1.
    const std::string cut = AbsenceLine("300", {{"VC", 1, 1, 0, 0}, {"VC", 2, 2, 0, 0}}, 36);
    Read({gap.Text(), cut});
    EXPECT_EQ(ToolboxDays(1), (std::vector<int>{0}));
    EXPECT_EQ(ToolboxDays(2), (std::vector<int>{0}));
}

TEST_F(AbsencesImportTest, DaysOutsideTheEmployeesDaysAreNeverWritten) {
    const AbsencesReadResult thisMonth = Read({AbsenceLine("100", {{"VC", 0, 2, 0, 0}})});
    EXPECT_EQ(ToolboxDays(0), (std::vector<int>{0, 1}));
    EXPECT_EQ(thisMonth.warnings,
              "Cannot Assign Code VC in 1 A ALPHA on days 00 to 02 Outside the Schedule. ");

    // Next month in a 30-day period: days 1..32 are indexes 30..61.
    const AbsencesReadResult nextMonth =
        Read({AbsenceLine("200", {{"VC", 30, 40, 0, 0}, {"RA", 99, 99, 0, 0}})}, true);
    EXPECT_EQ(ToolboxDays(1), (std::vector<int>{59, 60, 61}));
    EXPECT_EQ(SplitSummaryText(nextMonth.warnings),
              (Lines{"Cannot Assign Code VC in 2 B BRAVO on days 30 to 40 Outside the Schedule",
                     " Cannot Assign Code RA in 2 B BRAVO on days 99 to 99 Outside the "
                     "Schedule"}));

    // A range running backwards holds no day.
    EXPECT_EQ(Read({AbsenceLine("300", {{"VC", 5, 1, 0, 0}})}).warnings, "");
    EXPECT_TRUE(ToolboxDays(2).empty());
}

TEST_F(AbsencesImportTest, EachLineGoesToTheFirstMatchingCrewRow) {
    Employee(1).employeeNumber = 100;  // a duplicate number
    Employee(2).employeeNumber = kPlaceholderEmployee;

    Read({AbsenceLine("100", {{"VC", 1, 1, 0, 0}}), AbsenceLine("-1", {{"VC", 2, 2, 0, 0}})});

    EXPECT_EQ(ToolboxDays(0), (std::vector<int>{0}));
    EXPECT_TRUE(ToolboxDays(1).empty());
    EXPECT_TRUE(ToolboxDays(2).empty());
}

TEST_F(AbsencesImportTest, LineLongerThanTheFormatAllowsIsAReadFailure) {
    schedule_.freshFile = 1;
    const AbsencesReadResult result =
        Read({AbsenceLine("100", {{"VC", 1, 1, 0, 0}}), AbsenceLine("200", {}, 499),
              AbsenceLine("300", {{"VC", 1, 1, 0, 0}})});

    EXPECT_FALSE(result.complete);
    EXPECT_EQ(result.failedLine, 2);
    EXPECT_EQ(ToolboxDays(0), (std::vector<int>{0}));
    EXPECT_TRUE(ToolboxDays(2).empty());
    EXPECT_EQ(schedule_.freshFile, 0);
}

TEST_F(AbsencesImportTest, ShapeIsJudgedByTheFirstLine) {
    EXPECT_TRUE(LooksLikeAbsencesExtract(Extract({AbsenceLine("1", {}), "short"})));
    EXPECT_TRUE(LooksLikeAbsencesExtract(AbsenceLine("1", {}) + "\r\n"));
    EXPECT_FALSE(LooksLikeAbsencesExtract(Extract({AbsenceLine("1", {}, 442)})));
    EXPECT_FALSE(LooksLikeAbsencesExtract(Extract({AbsenceLine("1", {}, 444)})));
    EXPECT_FALSE(LooksLikeAbsencesExtract(""));
}

// The commands: questions, chooser, messages, the summary list and the folder setting.
class LoadAbsencesTest : public AbsencesImportTest {
  protected:
    LoadAbsencesTest() {
        schedule_.freshFile = 1;
        files_.files[kPath] = Extract({AbsenceLine("300", {{"VC", 1, 5, 720, 1020}})});
    }

    AbsencesLoadResult Load(bool nextMonth = false) {
        return LoadAbsencesExtract(schedule_, nextMonth, desktop_, files_, settings_);
    }

    static constexpr const char* kPath = "/data/extracts/0325absp.ext";
    ScriptedDesktop desktop_;
    MemoryFiles files_;
    Settings settings_{"/config/tallow.ini", files_, "/home/scheduler"};
};

TEST_F(LoadAbsencesTest, FreshFileLoadsWithoutAskingAndRemembersTheFolder) {
    settings_.SetText(keys::LastCrewAbsPath, "/data/last");
    desktop_.ChooseFile(kPath);

    const AbsencesLoadResult result = Load();

    EXPECT_TRUE(result.loaded);
    EXPECT_TRUE(result.closeBoard);
    ASSERT_EQ(desktop_.choosers.size(), 1u);
    EXPECT_EQ(desktop_.choosers[0].title, "Load Crew Absences Extract");
    EXPECT_EQ(desktop_.choosers[0].filter, kFilter);
    EXPECT_EQ(desktop_.choosers[0].initialFolder, "/data/last");
    EXPECT_EQ(settings_.Text(keys::LastCrewAbsPath), "/data/extracts");
    EXPECT_TRUE(desktop_.messages.empty());
    EXPECT_TRUE(desktop_.lists.empty());
    EXPECT_EQ(schedule_.freshFile, 0);
    EXPECT_EQ(ToolboxDays(2), (std::vector<int>{0, 1, 2, 3, 4}));
}

TEST_F(LoadAbsencesTest, ThisMonthsLoadIntoAWorkedFileAsksFirst) {
    schedule_.freshFile = 0;
    desktop_.Answer(Answer::No);

    const AbsencesLoadResult refused = Load();

    EXPECT_FALSE(refused.loaded);
    EXPECT_FALSE(refused.closeBoard);
    ASSERT_EQ(desktop_.messages.size(), 1u);
    EXPECT_EQ(desktop_.messages[0].text, kEraseQuestion);
    EXPECT_EQ(desktop_.messages[0].icon, MessageIcon::Stop);
    EXPECT_EQ(desktop_.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_TRUE(desktop_.choosers.empty());

    desktop_.Answer(Answer::Yes);
    desktop_.ChooseFile(kPath);
    EXPECT_TRUE(Load().loaded);
    EXPECT_EQ(ToolboxDays(2).size(), 5u);
}

TEST_F(LoadAbsencesTest, NextMonthsLoadNeverAsksAboutConflicts) {
    schedule_.freshFile = 0;
    desktop_.ChooseFile(kPath);

    EXPECT_TRUE(Load(true).loaded);

    EXPECT_TRUE(desktop_.messages.empty());
    EXPECT_EQ(ToolboxDays(2), (std::vector<int>{30, 31, 32, 33, 34}));
}

TEST_F(LoadAbsencesTest, StoppingBeforeTheReadingChangesNothing) {
    files_.files["/data/odd.ext"] = Extract({AbsenceLine("300", {{"VC", 1, 5, 0, 0}}, 442)});
    const struct {
        const char* what;
        std::optional<std::string> file;
        bool askCheck;
        Lines messages;
        const char* caption;
    } cases[] = {
        {"cancelled chooser", std::nullopt, false, {}, ""},
        {"unopenable file",
         "/data/missing.ext",
         false,
         {"/data/missing.ext"},
         "Unable to Open File"},
        {"refused check question", "/data/odd.ext", true, {kCheckQuestion}, "Tallowbright"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        desktop_.messages.clear();
        desktop_.ChooseFile(c.file);
        if (c.askCheck) {
            desktop_.Answer(Answer::No);
        }

        const AbsencesLoadResult result = Load();

        EXPECT_FALSE(result.loaded);
        EXPECT_FALSE(result.closeBoard);
        EXPECT_EQ(desktop_.MessageTexts(), c.messages);
        if (!desktop_.messages.empty()) {
            EXPECT_EQ(desktop_.messages[0].caption, c.caption);
        }
        EXPECT_EQ(schedule_.freshFile, 1);
        EXPECT_TRUE(ToolboxDays(2).empty());
    }
}

TEST_F(LoadAbsencesTest, FirstLineOfAnotherLengthLoadsWhenConfirmed) {
    files_.files["/data/odd.ext"] = Extract({AbsenceLine("300", {{"VC", 1, 5, 0, 0}}, 442)});
    desktop_.ChooseFile("/data/odd.ext");
    desktop_.Answer(Answer::Yes);

    EXPECT_TRUE(Load().loaded);

    EXPECT_EQ(desktop_.MessageTexts(), (Lines{kCheckQuestion}));
    EXPECT_EQ(ToolboxDays(2).size(), 5u);
}

TEST_F(LoadAbsencesTest, WarningsAreListedAndCopied) {
    Employee(2).dayPairing[3] = 12;
    desktop_.ChooseFile(kPath);

    EXPECT_TRUE(Load().loaded);

    ASSERT_EQ(desktop_.lists.size(), 1u);
    EXPECT_EQ(desktop_.lists[0].title, "Warnings from Absences Extract Load");
    const Lines expected = {"Cannot Assign Code VC in 3 J SMITH on day 04 Due Pairing Assigned"};
    EXPECT_EQ(desktop_.lists[0].lines, expected);
    EXPECT_EQ(desktop_.clipboard, expected[0]);
}

TEST_F(LoadAbsencesTest, ReadFailureKeepsTheDaysSetSoFar) {
    files_.files["/data/bad.ext"] =
        Extract({AbsenceLine("300", {{"VC", 1, 5, 0, 0}}), std::string(500, '7')});
    desktop_.ChooseFile("/data/bad.ext");

    const AbsencesLoadResult result = Load();

    EXPECT_FALSE(result.loaded);
    EXPECT_TRUE(result.closeBoard);
    ASSERT_EQ(desktop_.messages.size(), 1u);
    EXPECT_EQ(desktop_.messages[0].text, kFileError);
    EXPECT_EQ(desktop_.messages[0].caption, "Tallowbright");
    EXPECT_EQ(desktop_.messages[0].icon, MessageIcon::Stop);
    EXPECT_EQ(desktop_.waitCursorDepth, 0);
    EXPECT_EQ(ToolboxDays(2).size(), 5u);
}

TEST_F(LoadAbsencesTest, EventLogFramesTheLoad) {
    testing::TempFolder folder;
    const std::string logPath = folder / "JXDebug.txt";
    ASSERT_TRUE(schedule_.logFile.Open(logPath));
    files_.files[kPath] = Extract(
        {AbsenceLine("300", {{"VC", 1, 1, 0, 0}}), AbsenceLine("555", {{"VC", 1, 1, 0, 0}})});
    desktop_.ChooseFile(kPath);

    ASSERT_TRUE(Load().loaded);
    schedule_.logFile.Close();

    EXPECT_EQ(testing::TempFolder::Read(logPath),
              "LoadCrewAbsencesBegin\n"
              "Loading Absenses for J SMITH 300\n"
              "LoadCrewAbsencesEnd\n");
}

}  // namespace
}  // namespace tallow
