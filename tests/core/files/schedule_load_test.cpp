#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/files/schedule_file.h"
#include "core/model/schedule.h"
#include "sample_records.h"
#include "schedule_file_bytes.h"
#include "support/memory_files.h"
#include "support/scripted_desktop.h"
#include "support/temp_folder.h"

namespace tallow {
namespace {

using testing::FileShape;
using testing::ScheduleFile;
using testing::ScriptedDesktop;

constexpr const char* kFileName = "/blocks/MAR.jx2";
constexpr const char* kDamaged =
    "This file may be currupt. No End Of File found. Consider loading Backup File";

class ScheduleLoadTest : public ::testing::Test {
  protected:
    ScheduleLoadTest() : schedule(std::make_unique<TSchedule>()) { schedule->DeleteAll(); }

    LoadResult Load(const std::string& bytes) {
        return LoadScheduleBytes(*schedule, bytes, kFileName, desktop);
    }

    std::unique_ptr<TSchedule> schedule;
    ScriptedDesktop desktop;
};

// What every version holds.
void ExpectCommonItems(const TSchedule& s, const LoadResult& result) {
    EXPECT_TRUE(result.loaded);
    EXPECT_EQ(s.scheduleTitle, "YVRDH8CAV");
    EXPECT_EQ(s.setup[0], 1);
    EXPECT_EQ(s.firstWeekday, 3);
    EXPECT_EQ(s.dayCount, 2);
    EXPECT_EQ(s.setup[kAvgBlockCredit], 4700);
    EXPECT_EQ(s.setup[kDaysOffReserve], 13);
    EXPECT_EQ(s.days[1], (CalendarDate{6, 3, 2025}));
    EXPECT_EQ(std::string(s.dayNames[1].data(), 3), "THU");
    EXPECT_EQ(s.weekend[0], 0);
    EXPECT_EQ(s.weekend[1], 1);
    EXPECT_EQ(s.employeeCount, 1);
    EXPECT_EQ(s.lastPairing, 1);
    EXPECT_EQ(s.pairings[0].number, 8100);
    EXPECT_EQ(s.pairings[1].number, 8101);
    EXPECT_EQ(s.employees[0].name, "SMITH J");
    EXPECT_EQ(s.employees[0].employeeNumber, 123456);
    // The sixth byte of each short text is cleared.
    EXPECT_EQ(std::string(s.monthName.data(), 6), std::string("MARCH\0", 6));
    EXPECT_EQ(std::string(s.yearText.data(), 6), std::string("2025\0\0", 6));
    EXPECT_EQ(std::string(s.reservedShortTexts[0].data(), 6), std::string("AB\0\0\0\0", 6));
    EXPECT_EQ(std::string(s.reservedShortTexts[1].data(), 6), std::string("CDE\0\0\0", 6));
    EXPECT_EQ(s.previousDays[30], (CalendarDate{31, 2, 2025}));
    EXPECT_EQ(s.scheduleMonth, 3);
    EXPECT_TRUE(result.buildBoard);
    EXPECT_EQ(s.boardBuilt, 0);  // built by the caller
    EXPECT_EQ(s.showAssignedPairings, 0);
    EXPECT_EQ(s.reservedWord, 77);
    EXPECT_TRUE(result.windows.pairings);
    EXPECT_FALSE(result.windows.toolbox);
    EXPECT_EQ(s.crewGroup, CrewGroup::FirstOfficers);
    ASSERT_EQ(s.undoHistory.Size(), 2u);
    EXPECT_EQ(s.undoHistory.Front(), (TAction{1, 1, 0, 1}));
    EXPECT_EQ(s.searchActive, 0);
    EXPECT_EQ(s.modified, 0);
    EXPECT_EQ(s.untitled, 0);
}

struct VersionCase {
    const char* tag;
    int32_t lastImportedPairing;
    bool reserved;  // > "21"
    bool filters;   // > "22"
    bool bids;      // > "23"
    int32_t codes;  // > "25"
    bool title;     // > "26"
    bool setup;     // > "27"
    bool notes;     // > "28"
};

class ScheduleVersionTest : public ScheduleLoadTest,
                            public ::testing::WithParamInterface<VersionCase> {};

TEST_P(ScheduleVersionTest, ReadsTheItemsOfItsVersion) {
    const VersionCase& c = GetParam();
    FileShape shape;
    shape.tag = c.tag;
    LoadResult result = Load(ScheduleFile(shape));
    const TSchedule& s = *schedule;
    EXPECT_TRUE(desktop.messages.empty()) << ::testing::PrintToString(desktop.MessageTexts());
    ExpectCommonItems(s, result);
    EXPECT_EQ(s.fileKind, FileKind::Working);
    EXPECT_EQ(s.lastImportedPairing, c.lastImportedPairing);
    EXPECT_EQ(s.reservedFlags[0], c.reserved ? 1 : 0);
    EXPECT_EQ(s.reservedFlags[1], 0);
    EXPECT_EQ(s.reservedTexts[2], c.reserved ? "R3" : "");
    EXPECT_EQ(s.pairingFilters[19], c.filters ? "F19" : "");
    EXPECT_EQ(result.windows.bids, c.bids);
    EXPECT_EQ(s.toolboxCodeCount, c.codes);
    if (c.codes > 0) {
        testing::ExpectSameCode(s.toolboxCodes[1], testing::DistinctCode(1));
    }
    EXPECT_EQ(s.toolboxTitle, c.title ? "JXToolBox YVR" : "");
    EXPECT_EQ(s.setup[kReducedMaxBlockCredit], c.setup ? 3000 : 3420);
    EXPECT_EQ(s.setup[15], c.setup ? 94 : 0);
    EXPECT_EQ(s.segmentSummary, c.setup ? "SEGMENTS" : "");
    // A stored 0 and an absent word both give the default.
    EXPECT_EQ(s.setup[kCheckPilotMaxCredit], 5400);
    EXPECT_EQ(s.fileNotes, c.notes ? "NOTES" : "");
    EXPECT_EQ(s.airportDetails, c.notes ? "YVR 0300" : "");
    EXPECT_EQ(s.reservedTextBlock[18], c.notes ? "T18" : "");
}

INSTANTIATE_TEST_SUITE_P(
    Versions, ScheduleVersionTest,
    ::testing::Values(VersionCase{"Tallowbright2", 1, false, false, false, 0, false, false, false},
                      VersionCase{"Tallowbright21", 0, false, false, false, 0, false, false, false},
                      VersionCase{"Tallowbright22", 0, true, false, false, 0, false, false, false},
                      VersionCase{"Tallowbright24", 0, true, true, true, 0, false, false, false},
                      VersionCase{"Tallowbright25", 0, true, true, true, 0, false, false, false},
                      VersionCase{"Tallowbright26", 0, true, true, true, 2, false, false, false},
                      VersionCase{"Tallowbright29", 0, true, true, true, 2, true, true, true},
                      // Compared as texts, "3" comes after "29".
                      VersionCase{"Tallowbright3", 0, true, true, true, 2, true, true, true}),
    [](const ::testing::TestParamInfo<VersionCase>& param) {
        return std::string("v") + (param.param.tag + 12);
    });

TEST_F(ScheduleLoadTest, ViewerTagsGiveTheirKind) {
    const std::pair<const char*, FileKind> cases[] = {{"JXViewPrRost29", FileKind::PreBuild},
                                                      {"JXViewPrSked29", FileKind::PreSked},
                                                      {"JXView_Final29", FileKind::Final}};
    for (const auto& [tag, kind] : cases) {
        schedule->DeleteAll();
        FileShape shape;
        shape.tag = tag;
        EXPECT_TRUE(Load(ScheduleFile(shape)).loaded) << tag;
        EXPECT_EQ(schedule->fileKind, kind) << tag;
    }
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(ScheduleLoadTest, OldStreamWithSixteenBitWordsLoads) {
    FileShape shape;
    shape.tag = "Tallowbright2";
    shape.streamVersion = 0;
    LoadResult result = Load(ScheduleFile(shape));
    EXPECT_TRUE(desktop.messages.empty()) << ::testing::PrintToString(desktop.MessageTexts());
    ExpectCommonItems(*schedule, result);
    EXPECT_EQ(schedule->lastImportedPairing, 1);
    EXPECT_EQ(schedule->pairings[1].dailyHard, testing::DistinctPair(1).dailyHard);
    // Objects of a V = 0 stream carry only the first version's fields.
    EXPECT_EQ(schedule->pairings[1].minRestAfter, kDefaultMinRestAfter);
    EXPECT_EQ(schedule->employees[0].timeBank, 0);
}

TEST_F(ScheduleLoadTest, EndMarkerMismatchIsReportedAndTheDataKept) {
    struct Case {
        const char* tag;
        const char* marker;
    };
    for (Case c : {Case{"Tallowbright25", "EndOfFile"}, Case{"Tallowbright29", "Tallowbright29"},
                   Case{"Tallowbright29", "EndOfFilf"}}) {
        ScriptedDesktop d;
        schedule->DeleteAll();
        FileShape shape;
        shape.tag = c.tag;
        shape.endMarker = c.marker;
        LoadResult result = LoadScheduleBytes(*schedule, ScheduleFile(shape), kFileName, d);
        EXPECT_TRUE(result.loaded) << c.tag << " " << c.marker;
        EXPECT_EQ(d.MessageTexts(), std::vector<std::string>{kDamaged}) << c.tag << " " << c.marker;
        ASSERT_EQ(d.messages.size(), 1u);
        EXPECT_EQ(d.messages[0].caption, "Tallowbright");
        ExpectCommonItems(*schedule, result);
    }
}

TEST_F(ScheduleLoadTest, ForeignTagsAreRefused) {
    for (const char* tag : {"", "Tallowbrigh", "TallowBright29", "JXView_Final", "EndOfFile"}) {
        ScriptedDesktop d;
        schedule->DeleteAll();
        FileShape shape;
        shape.tag = tag;
        LoadResult result = LoadScheduleBytes(*schedule, ScheduleFile(shape), kFileName, d);
        if (std::string_view(tag) == "JXView_Final") {
            // A tag of the kind alone has the empty version: nothing after the undo history.
            EXPECT_TRUE(result.loaded);
            EXPECT_TRUE(d.messages.empty());
            continue;
        }
        EXPECT_FALSE(result.loaded) << tag;
        ASSERT_EQ(d.messages.size(), 1u) << tag;
        EXPECT_EQ(d.messages[0].text, kFileName);
        EXPECT_EQ(d.messages[0].caption, "This is Not a Valid Tallowbright 2 File.");
        EXPECT_EQ(schedule->scheduleTitle, "") << tag;
    }
}

TEST_F(ScheduleLoadTest, MissingOrEmptyFileCannotBeOpened) {
    testing::MemoryFiles files;
    files.files["/blocks/EMPTY.jx2"] = "";
    for (const char* path : {"/blocks/NONE.jx2", "/blocks/EMPTY.jx2"}) {
        ScriptedDesktop d;
        EXPECT_FALSE(LoadSchedule(*schedule, path, files, d).loaded);
        ASSERT_EQ(d.messages.size(), 1u) << path;
        EXPECT_EQ(d.messages[0].text, path);
        EXPECT_EQ(d.messages[0].caption, "Tallowbright - Cannot Open File");
    }
}

// Counts above the tables' capacities: reading stops at the capacity, the
// rest of the file is not trusted, and the damage is reported.
TEST_F(ScheduleLoadTest, CountsBeyondTheTablesStopAtTheirCapacity) {
    struct Case {
        const char* name;
        FileShape shape;
        // What the schedule holds afterwards; a stopped stream reads counts as 0.
        int32_t dayCount, employeeCount, rowsRead, lastPairing, seatsRead, codeCount;
    };
    auto shaped = [](int32_t days, int32_t rows, int32_t last, int32_t codes) {
        FileShape shape;
        shape.dayCount = days;
        shape.employeeCount = rows;
        shape.lastPairing = last;
        shape.codeCount = codes;
        return shape;
    };
    const Case cases[] = {
        {"days", shaped(32, 1, 1, 2), 31, 0, 0, 0, 0, 0},
        {"negative days", shaped(-5, 1, 1, 2), 0, 0, 0, 0, 0, 0},
        {"seats", shaped(2, 1, 3000, 2), 2, 1, 0, 2999, 3000, 0},
        {"negative seats", shaped(2, 1, -7, 2), 2, 1, 0, -1, 0, 0},
        {"rows", shaped(2, 1001, 1, 2), 2, 1000, 1000, 1, 2, 0},
        {"negative rows", shaped(2, -1, 1, 2), 2, 0, 0, 1, 2, 0},
        {"codes", shaped(2, 1, 1, 301), 2, 1, 1, 1, 2, 300},
        {"negative codes", shaped(2, 1, 1, -1), 2, 1, 1, 1, 2, 0},
    };
    for (const Case& c : cases) {
        ScriptedDesktop d;
        schedule->DeleteAll();
        LoadResult result = LoadScheduleBytes(*schedule, ScheduleFile(c.shape), kFileName, d);
        const TSchedule& s = *schedule;
        EXPECT_TRUE(result.loaded) << c.name;
        EXPECT_EQ(d.MessageTexts(), std::vector<std::string>{kDamaged}) << c.name;
        EXPECT_EQ(s.dayCount, c.dayCount) << c.name;
        EXPECT_EQ(s.employeeCount, c.employeeCount) << c.name;
        EXPECT_EQ(s.lastPairing, c.lastPairing) << c.name;
        EXPECT_EQ(s.toolboxCodeCount, c.codeCount) << c.name;
        auto rows = static_cast<size_t>(c.rowsRead);
        auto seats = static_cast<size_t>(c.seatsRead);
        if (rows > 0) {
            EXPECT_EQ(s.employees[rows - 1].name, "SMITH J") << c.name;
        }
        if (rows < s.employees.size()) {
            EXPECT_EQ(s.employees[rows].name, "") << c.name;
        }
        if (seats > 0) {
            EXPECT_EQ(s.pairings[seats - 1].number, 8100 + c.seatsRead - 1) << c.name;
        }
        EXPECT_EQ(s.pairings[seats].number, 0) << c.name;
        if (c.codeCount > 0) {
            testing::ExpectSameCode(s.toolboxCodes[static_cast<size_t>(c.codeCount - 1)],
                                    testing::DistinctCode(c.codeCount - 1));
        }
        EXPECT_LE(s.lastImportedPairing, s.lastPairing) << c.name;
    }
}

// Every prefix of a file: the header and tag decide between "cannot open" and
// "not valid"; after the tag the file loads what it holds and is reported.
TEST_F(ScheduleLoadTest, FileCutAtEveryByteLoadsWhatItHolds) {
    const std::string file = ScheduleFile();
    const size_t tagEnd = 5 + 4 + 14;
    const size_t secondSeat = file.find("TPair", file.find("TPair") + 1) - 5;
    const size_t firstRow = file.find("TPilot") - 5;
    testing::StreamBytes pilot;
    testing::PilotObject(pilot, testing::FilePilot());
    const size_t rowEnd = firstRow + pilot.bytes.size() - 5;
    const size_t notesEnd = file.find("YVR 0300");
    ASSERT_LT(tagEnd, secondSeat);
    ASSERT_LT(secondSeat, firstRow);
    ASSERT_LT(rowEnd, notesEnd);

    TSchedule& s = *schedule;
    for (size_t cut = 0; cut < file.size(); ++cut) {
        s.pairings[0].Clear();
        s.employees[0].Clear();
        s.scheduleTitle.clear();
        s.fileNotes.clear();
        ScriptedDesktop d;
        LoadResult result =
            LoadScheduleBytes(s, std::string_view(file).substr(0, cut), kFileName, d);
        ASSERT_EQ(d.messages.size(), 1u) << "cut at " << cut;
        const Message& shown = d.messages[0];
        if (cut < 5) {
            EXPECT_EQ(shown.caption, "Tallowbright - Cannot Open File") << "cut at " << cut;
        } else if (cut < tagEnd) {
            EXPECT_EQ(shown.caption, "This is Not a Valid Tallowbright 2 File.")
                << "cut at " << cut;
        } else {
            EXPECT_TRUE(result.loaded) << "cut at " << cut;
            EXPECT_EQ(shown.text, kDamaged) << "cut at " << cut;
            if (cut >= tagEnd + 4 + 9) {
                EXPECT_EQ(s.scheduleTitle, "YVRDH8CAV") << "cut at " << cut;
            }
            if (cut >= secondSeat) {
                EXPECT_EQ(s.pairings[0].dayType, testing::DistinctPair(0).dayType)
                    << "cut at " << cut;
            }
            if (cut >= rowEnd) {
                EXPECT_EQ(s.employees[0].hardTimeHistory, testing::FilePilot().hardTimeHistory)
                    << "cut at " << cut;
            }
            if (cut > notesEnd) {
                EXPECT_EQ(s.fileNotes, "NOTES") << "cut at " << cut;
            }
            EXPECT_EQ(s.dayCount <= kMaxPeriodDays && s.lastPairing < kMaxPairings, true);
        }
        if (::testing::Test::HasFailure()) {
            break;
        }
    }
}

// Files older than the end marker have no marker to check; a cut one is
// still reported.
TEST_F(ScheduleLoadTest, CutFileOfAnOldVersionIsReported) {
    FileShape shape;
    shape.tag = "Tallowbright24";
    std::string file = ScheduleFile(shape);
    EXPECT_TRUE(Load(file.substr(0, file.size() - 1)).loaded);
    EXPECT_EQ(desktop.MessageTexts(), std::vector<std::string>{kDamaged});
}

TEST_F(ScheduleLoadTest, EventLogNamesEachStepSeatAndRow) {
    testing::TempFolder folder;
    ASSERT_TRUE(schedule->logFile.Open(folder / "JXDebug.txt"));
    Load(ScheduleFile());
    schedule->logFile.Close();
    std::string log;
    LocalFiles().ReadFile(folder / "JXDebug.txt", log);
    EXPECT_EQ(log,
              "LoadBlksBegin\nLoadBlksLoadPairs\nPairing 8100 Loaded\nPairing 8101 Loaded\n"
              "LoadBlksLoadEmployees\nEmployee SMITH J Loaded\nLoadMonthDataBegin\n"
              "LoadUndoRedoString\nLoadBlksEnd\n");
}

}  // namespace
}  // namespace tallow
